#include "ui/Utilities.h"

#include "core/Dialogs.h"
#include "core/Error.h"
#include "core/MyTime.h"
#include "ui/Application.h"
#include "ui/Dialogs.h"
#include "ui/Input.h"

#include <QComboBox>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>
#include <QWidget>
#include <QtTest>

#include <functional>
#include <string>
#include <vector>

namespace {

struct TBoxCall
{
    std::string Caption;
    std::string Text;
};

class TScriptedBoxes
{
public:
    TScriptedBoxes()
    {
        SetMessageBoxHook([this](const std::string &caption, const std::string &text, uint32_t) {
            Calls.push_back({caption, text});
            return int32_t(mbrOk);
        });
    }
    ~TScriptedBoxes() { SetMessageBoxHook({}); }

    std::vector<TBoxCall> Calls;
};

// Runs `action` on the message box once it shows.
void whenBoxShows(std::function<void(QMessageBox *)> action)
{
    auto *poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, action] {
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            auto *box = qobject_cast<QMessageBox *>(widget);
            if (box != nullptr && box->isVisible()) {
                poll->stop();
                poll->deleteLater();
                action(box);
                return;
            }
        }
    });
    poll->start(10);
}

} // namespace

class TUtilitiesTest : public QObject
{
    Q_OBJECT

    QWidget window;
    QComboBox *box = nullptr;

private slots:
    void initTestCase()
    {
        box = new QComboBox(&window);
        box->setEditable(true);
        new QComboBox(&window);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
    }

    void aValueOutsideTheLimitsWarnsAndGivesTheDefault()
    {
        TScriptedBoxes boxes;
        window.findChildren<QComboBox *>().last()->setFocus();
        box->setCurrentText("31");
        QCOMPARE(GetIntFromComboBox(box, 5, 30, 7), 7);
        QCOMPARE(boxes.Calls.size(), size_t(1));
        QCOMPARE(boxes.Calls[0].Caption, std::string("Warning"));
        QCOMPARE(boxes.Calls[0].Text,
            std::string("Integer value outside limits.\n"
                        "It will be set to default.\n"
                        "    * Minimum = 5\n"
                        "    * Maximum = 30\n"
                        "    * Default = 7"));
        QCOMPARE(box->currentText(), QString("7"));
        QVERIFY(box->hasFocus());
        QVERIFY(!Err.Raised);
        QCOMPARE(Err.TrapFunction, std::string("GetIntFromComboBox"));
        QCOMPARE(Err.Description, std::string("(sVal < pMin) || (sVal > pMax)"));
    }

    void textThatIsNotANumberWarnsTheSameWay()
    {
        TScriptedBoxes boxes;
        box->setCurrentText("abc");
        QCOMPARE(GetIntFromComboBox(box, 5, 30, 7), 7);
        QCOMPARE(boxes.Calls.size(), size_t(1));
        QVERIFY(boxes.Calls[0].Text.find("    * Minimum = 5\n") != std::string::npos);
        box->setCurrentText("12abc");
        QCOMPARE(GetIntFromComboBox(box, 5, 30, 7), 7);
        box->setCurrentText("99999999999");
        QCOMPARE(GetIntFromComboBox(box, 5, 30, 7), 7);
        QCOMPARE(boxes.Calls.size(), size_t(3));
    }

    void valuesWithinTheLimitsAndTheEmptyTextNeedNoWarning()
    {
        TScriptedBoxes boxes;
        box->setCurrentText("30");
        QCOMPARE(GetIntFromComboBox(box, 5, 30, 7), 30);
        box->setCurrentText("5");
        QCOMPARE(GetIntFromComboBox(box, 5, 30, 7), 5);
        box->setCurrentText("");
        QCOMPARE(GetIntFromComboBox(box, 5, 30, 7), 7);
        QCOMPARE(box->currentText(), QString());
        QVERIFY(boxes.Calls.empty());
    }

    void theUnlimitedFormTakesAnyIntegerAndDefaultsToZero()
    {
        TScriptedBoxes boxes;
        box->setCurrentText("-5");
        QCOMPARE(GetIntFromComboBox(box), -5);
        box->setCurrentText("-2147483648");
        QCOMPARE(GetIntFromComboBox(box), int32_t(-2147483647 - 1));
        QVERIFY(boxes.Calls.empty());
        box->setCurrentText("x");
        QCOMPARE(GetIntFromComboBox(box), 0);
        QCOMPARE(boxes.Calls.size(), size_t(1));
        QCOMPARE(boxes.Calls[0].Text,
            std::string("Integer value outside limits.\n"
                        "It will be set to default.\n"
                        "    * Minimum = -2147483648\n"
                        "    * Maximum = 2147483647\n"
                        "    * Default = 0"));
    }

    void focusingAHiddenControlFailsQuietly()
    {
        QWidget hidden(&window);
        hidden.hide();
        MyFocusControl(&hidden);
        QVERIFY(!hidden.hasFocus());
        QVERIFY(!Err.Raised);
        QCOMPARE(Err.TrapFunction, std::string("MyFocusControl"));
    }

    void shiftStatesMustMatchExactly()
    {
        const TShiftState ctrlAlt
            = ShiftStateOf(Qt::ControlModifier | Qt::AltModifier, Qt::NoButton, false);
        QVERIFY(ShiftStateIs(ctrlAlt, ssCtrl, ssAlt));
        QVERIFY(ShiftStateIs(ctrlAlt, ssAlt, ssCtrl));
        QVERIFY(!ShiftStateIs(ctrlAlt, ssCtrl));
        const TShiftState ctrlAltLeft
            = ShiftStateOf(Qt::ControlModifier | Qt::AltModifier, Qt::LeftButton, false);
        QVERIFY(!ShiftStateIs(ctrlAltLeft, ssCtrl, ssAlt));
        QVERIFY(ShiftStateIs(0));
        QVERIFY(ShiftStateIs(0, 7, -1));
        QVERIFY(ShiftStateIs(ShiftElementBit(ssShift), ssShift, 42));
        QVERIFY(!ShiftStateIs(ShiftStateOf({}, Qt::LeftButton, true), ssLeft));
        QVERIFY(ShiftStateIs(ShiftStateOf({}, Qt::LeftButton, true), ssLeft, ssDouble));
        QVERIFY(
            ShiftStateIs(ShiftStateOf(Qt::ShiftModifier, Qt::RightButton | Qt::MiddleButton, false)
                    & ~ShiftElementBit(ssShift),
                ssRight, ssMiddle));
    }

    void messageBoxesMapTheirFlagsAndTheTitleBarCloseIsCancel()
    {
        QString caption;
        QString text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        int buttons = 0;
        whenBoxShows([&](QMessageBox *shown) {
            caption = shown->windowTitle();
            text = shown->text();
            icon = shown->icon();
            buttons = shown->buttons().size();
            shown->close();
        });
        QCOMPARE(ShowQtMessageBox("Query", "Save it?", mbIconQuestion | mbYesNoCancel),
            int32_t(mbrCancel));
        QCOMPARE(caption, QString("Query"));
        QCOMPARE(text, QString("Save it?"));
        QCOMPARE(icon, QMessageBox::Question);
        QCOMPARE(buttons, 3);

        whenBoxShows([](QMessageBox *shown) { shown->button(QMessageBox::No)->click(); });
        QCOMPARE(ShowQtMessageBox("Query", "Again?", mbIconQuestion | mbYesNo), int32_t(mbrNo));
        whenBoxShows([](QMessageBox *shown) { shown->button(QMessageBox::Yes)->click(); });
        QCOMPARE(ShowQtMessageBox("Query", "Again?", mbIconQuestion | mbYesNo), int32_t(mbrYes));

        whenBoxShows([&](QMessageBox *shown) {
            icon = shown->icon();
            shown->close();
        });
        QCOMPARE(ShowQtMessageBox("Warning", "Careful.", mbIconWarning | mbOk), int32_t(mbrOk));
        QCOMPARE(icon, QMessageBox::Warning);
    }

    void theQueryBoxGoesThroughTheInstalledQtBox()
    {
        InstallQtMessageBoxes();
        whenBoxShows([](QMessageBox *shown) { shown->button(QMessageBox::Yes)->click(); });
        QCOMPARE(QueryCancelDialog("The game has been modified. Save it?"), int32_t(mbrOk));
        whenBoxShows([](QMessageBox *shown) { shown->close(); });
        QCOMPARE(QueryCancelDialog("The game has been modified. Save it?"), int32_t(mbrCancel));
        SetMessageBoxHook({});
    }

    void theLocaleTimeFormUsesColonsAndNoTimeZone()
    {
        InstallLocaleDateTimeFormatters();
        // 7 December 2026, 00:05:44.
        const std::string time = TimeText(EncodeDateTime(2026, 12, 7, 0, 5, 44));
        QVERIFY2(time.find("05:44") != std::string::npos, time.c_str());
        QVERIFY2(time.substr(time.size() - 4) == " (3)", time.c_str());
        QVERIFY2(time.find("UTC") == std::string::npos && time.find("GMT") == std::string::npos,
            time.c_str());
        const std::string date = DateText(EncodeDateTime(2026, 12, 7, 0, 5, 44));
        QVERIFY2(date.find("2026") != std::string::npos, date.c_str());
        QVERIFY2(date.substr(date.size() - 6) == " (341)", date.c_str());
    }

    void everyLocaleSeparatesTheTimeFieldsWithColons()
    {
        // Locales whose own long time uses full stops, unit words, or a zone in brackets.
        const QRegularExpression clock(QStringLiteral(R"(^\D*\d{1,2}:05:44(\s\D*)? \(3\)$)"));
        for (const char *name : {"fr_CA", "ko_KR", "ja_JP", "th_TH", "fi_FI", "es_ES", "sq_AL"}) {
            InstallLocaleDateTimeFormatters(QLocale(QString::fromLatin1(name)));
            const QString time
                = QString::fromStdString(TimeText(EncodeDateTime(2026, 12, 7, 0, 5, 44)));
            const QString message = QString::fromLatin1(name) + ": " + time;
            QVERIFY2(clock.match(time).hasMatch(), qPrintable(message));
            QVERIFY2(!time.contains(QStringLiteral("()")), qPrintable(message));
        }
        SetLongDateTimeFormatters(nullptr, nullptr);
    }
};

QTEST_MAIN(TUtilitiesTest)
#include "UtilitiesTest.moc"
