#include "ui/Language.h"

#include "core/Dialogs.h"
#include "core/Error.h"
#include "core/Texts.h"
#include "support/GameWindow.h"
#include "support/ModalDialog.h"
#include "ui/AboutDialog.h"
#include "ui/Error.h"
#include "ui/FormLook.h"
#include "ui/HelpDialog.h"
#include "ui/Install.h"
#include "ui/RecordsDialog.h"

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QTranslator>
#include <QtTest>

#include <functional>

namespace {

// Every text a third longer and in brackets, so that a text shown without translation stands
// out and the windows must make room for long languages.
class TPseudoTranslator : public QTranslator
{
public:
    bool isEmpty() const override { return false; }
    QString translate(const char *, const char *source, const char *, int) const override
    {
        const QString text = QString::fromUtf8(source);
        return text.isEmpty() ? text : "[" + text + " " + QString(text.size() / 3, 'w') + "]";
    }
};

QString shownText(QString text)
{
    return text.remove('&');
}

// Names, numbers and paths stay as they are in every language.
bool needsNoTranslation(const QString &text)
{
    static const QRegularExpression numbers(R"(^[\d\s.,:;x%()+-]*$)");
    if (numbers.match(text).hasMatch() || text.startsWith("Mosavo") || text.contains('/'))
        return true;
    for (const TLanguage &language : Languages())
        if (text == QString::fromUtf8(language.OwnName))
            return true;
    return false;
}

struct TShownText
{
    QString Where;
    QString Text;
};

QString nameOf(const QObject *object)
{
    return object->objectName().isEmpty() ? object->metaObject()->className()
                                          : object->objectName();
}

void addMenuTexts(const QList<QAction *> &actions, const QString &where, QList<TShownText> &texts)
{
    for (const QAction *action : actions) {
        if (action->isSeparator())
            continue;
        texts.push_back({where, action->text()});
        if (action->menu() != nullptr)
            addMenuTexts(action->menu()->actions(), where + ">" + action->text(), texts);
    }
}

// What a player reads in `window`: its title, labels, buttons, group boxes and menus.
QList<TShownText> shownTexts(QWidget *window)
{
    QList<TShownText> texts {{nameOf(window), window->windowTitle()}};
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        if (!widget->isVisibleTo(window))
            continue;
        if (auto *label = qobject_cast<QLabel *>(widget))
            texts.push_back({nameOf(label), label->text()});
        else if (auto *button = qobject_cast<QAbstractButton *>(widget))
            texts.push_back({nameOf(button), button->text()});
        else if (auto *box = qobject_cast<QGroupBox *>(widget))
            texts.push_back({nameOf(box), box->title()});
        else if (auto *menuBar = qobject_cast<QMenuBar *>(widget))
            addMenuTexts(menuBar->actions(), "menu", texts);
        else if (auto *table = qobject_cast<QTableWidget *>(widget))
            for (int column = 0; column < table->columnCount(); ++column)
                texts.push_back({nameOf(table), table->horizontalHeaderItem(column)->text()});
    }
    return texts;
}

QStringList untranslatedTexts(QWidget *window)
{
    QStringList faults;
    for (const TShownText &shown : shownTexts(window)) {
        const QString text = shownText(shown.Text).trimmed();
        if (!text.isEmpty() && !needsNoTranslation(text)
            && !(text.startsWith('[') && text.endsWith(']')))
            faults << shown.Where + ": " + text;
    }
    return faults;
}

bool labelFits(const QLabel *label)
{
    const int height
        = label->wordWrap() ? label->heightForWidth(label->width()) : label->sizeHint().height();
    return height <= label->height()
        && (label->wordWrap() || label->sizeHint().width() <= label->width());
}

// Whether a control gets the room its text needs, inside its parent and clear of its siblings.
QStringList crampedTexts(QWidget *window)
{
    QStringList faults;
    QList<QWidget *> texts;
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        if (!widget->isVisibleTo(window))
            continue;
        bool fits = true;
        if (auto *label = qobject_cast<QLabel *>(widget)) {
            if (label->text().isEmpty())
                continue;
            fits = labelFits(label);
        } else if (auto *button = qobject_cast<QAbstractButton *>(widget)) {
            if (button->text().isEmpty())
                continue;
            const auto *push = qobject_cast<QPushButton *>(button);
            fits = push != nullptr ? CaptionFits(push)
                                   : button->sizeHint().width() <= button->width();
        } else if (auto *box = qobject_cast<QGroupBox *>(widget)) {
            fits = box->minimumSizeHint().width() <= box->width();
        } else if (auto *table = qobject_cast<QTableWidget *>(widget)) {
            const QHeaderView *header = table->horizontalHeader();
            const int margins = 2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin);
            for (int column = 0; column < table->columnCount(); ++column)
                if (header->fontMetrics().horizontalAdvance(
                        table->horizontalHeaderItem(column)->text())
                        + margins
                    > header->sectionSize(column))
                    faults << nameOf(table) + ": the title "
                            + table->horizontalHeaderItem(column)->text() + " does not fit";
        } else if (widget->objectName() == "MainPanel") {
            fits = true; // the labels' frame, which must keep clear of the pictures
        } else if (auto *menuBar = qobject_cast<QMenuBar *>(widget)) {
            for (QAction *action : menuBar->actions())
                if (menuBar->actionGeometry(action).right() >= menuBar->width())
                    faults << "menu bar: " + action->text() + " does not fit";
            continue;
        } else {
            continue;
        }
        const QWidget *parent = widget->parentWidget();
        if (!fits)
            faults << nameOf(widget) + " is too small for its text";
        else if (parent != nullptr && !parent->rect().contains(widget->geometry()))
            faults << nameOf(widget) + " reaches out of " + nameOf(parent);
        for (QWidget *other : texts)
            if (other->parentWidget() == parent && other->geometry().intersects(widget->geometry()))
                faults << nameOf(widget) + " overlaps " + nameOf(other);
        texts.push_back(widget);
    }
    return faults;
}

} // namespace

class TLanguageTest : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    QString picture;
    TPseudoTranslator pseudo;

    // A shuffled game in a window laid out as the window lays itself out for the panel's texts;
    // nullptr where the window does not show.
    std::unique_ptr<TMosavoForm> gameInPlay()
    {
        auto form = std::make_unique<TMosavoForm>();
        form->ArrangeWindow();
        form->show();
        if (!QTest::qWaitForWindowExposed(form.get()))
            return nullptr;
        form->LoadGameFromPicture(picture.toStdString());
        form->RandomizeMenuClick();
        return form;
    }

    // Every window a player meets, each shown in the language now installed, given to `check`.
    void inEveryWindow(const std::function<QStringList(QWidget *)> &check)
    {
        const auto report = [](const char *window, const QStringList &faults) {
            if (!faults.isEmpty())
                QFAIL(qPrintable(
                    QString("%1 in %2: %3")
                        .arg(QString::fromStdString(LanguageInUse()), window, faults.join("; "))));
        };
        {
            const auto form = gameInPlay();
            QVERIFY(form);
            form->ShowPosition(29, 29);
            report("the game in play", check(form.get()));
            form->Board.InitPieces(form->Board.ColumnsCount, form->Board.RowsCount);
            form->PuzzleSolved();
            form->ShowMovesAndRemaining();
            report("the solved game", check(form.get()));
            form->RecordsMenu->trigger();
            QVERIFY(form->RecordsForm != nullptr);
            report("the records", check(form->RecordsForm));
            form->RecordsForm->close();
            form->Board.Modified = false;
        }
        TErrorForm error(nullptr, TControlsBuild::AtOnce);
        QStringList errorFaults;
        WhenShown(&error, [&] {
            errorFaults = check(&error);
            error.reject();
        });
        // As every failure reaches it: its caption, summary and description in the language too.
        FUNCTION_NAME("inEveryWindow");
        ErrorGuardShow(HERE, TR("Error", "Failed to load game."),
            [] { RaiseError(HERE, TR("Error", "Failed to read file."), "game.mzg"); });
        report("the error dialog", errorFaults);
        TAboutForm about(nullptr, TControlsBuild::AtOnce);
        about.SetProgramName("Mosavo", 30);
        about.SetProgramVersion(ProgramVersionText());
        about.show();
        report("the about box", check(&about));
        for (const bool uninstall : {false, true}) {
            TInstallForm installer;
            installer.Installer.ProgramPath = dir.filePath("Install").toStdString();
            installer.Installer.UninstallMode = uninstall;
            installer.SetProgramInfo("Mosavo", "Mosavo", ProgramVersionText());
            installer.show();
            report(uninstall ? "the uninstaller" : "the installer", check(&installer));
        }
    }

private slots:
    void initTestCase()
    {
        SetTranslationsFolder(MOSAVO_QM_DIR);
        picture = dir.filePath("picture.png");
        QVERIFY(PatternedPicture(640, 480).save(picture));
        SetMessageBoxHook([](const std::string &, const std::string &, uint32_t) { return mbrNo; });
    }

    void cleanup()
    {
        QCoreApplication::removeTranslator(&pseudo);
        ApplyLanguage("en");
    }

    void everyShownTextIsTranslated()
    {
        ApplyLanguage("en");
        QCoreApplication::installTranslator(&pseudo);
        inEveryWindow(untranslatedTexts);
    }

    void everyTextHasRoomInEveryLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("pseudo") << QString();
        for (const TLanguage &language : Languages())
            QTest::newRow(language.Code) << QString(language.Code);
    }

    void everyTextHasRoomInEveryLanguage()
    {
        QFETCH(QString, language);
        if (language.isEmpty())
            QCoreApplication::installTranslator(&pseudo);
        else
            QCOMPARE(ApplyLanguage(language.toStdString()), language.toStdString());
        inEveryWindow(crampedTexts);
    }

    void aChosenLanguageAppliesAtOnceAndIsKept()
    {
        const auto form = gameInPlay();
        QVERIFY(form);
        QCoreApplication::installTranslator(&pseudo);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
        QVERIFY(form->WorkMenu->title().startsWith("[&Work"));
        QCOMPARE(
            form->TipsLabel->text(), pseudo.translate(nullptr, TMosavoForm::DragTip, nullptr, -1));
        QVERIFY(form->MovesCountLabel->text().startsWith("[You have made 0 moves."));
        // The pictures keep their cut; the next picture gives the panel its room.
        form->LoadGameFromPicture(picture.toStdString());
        QCOMPARE(crampedTexts(form.get()).join("; "), QString());
        QCoreApplication::removeTranslator(&pseudo);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
        QCOMPARE(form->TipsLabel->text(), QString(TMosavoForm::RandomizeTip));

        form->RecordsMenu->trigger();
        form->RecordsForm->close();
        form->ChooseLanguage("de");
        QCOMPARE(LanguageInUse(), std::string("de"));
        form->RecordsMenu->trigger();
        QCOMPARE(form->RecordsForm->windowTitle(), QString("Rekorde"));
        form->RecordsForm->close();
        QCOMPARE(crampedTexts(form.get()).join("; "), QString());
        QCOMPARE(form->TipsLabel->text(),
            QCoreApplication::translate("TMosavoForm", TMosavoForm::RandomizeTip));
        QVERIFY(form->TipsLabel->text() != QString(TMosavoForm::RandomizeTip));
        const QList<QAction *> choices = form->LanguageMenu->actions();
        const auto checked = std::find_if(
            choices.begin(), choices.end(), [](QAction *action) { return action->isChecked(); });
        QVERIFY(checked != choices.end());
        QCOMPARE((*checked)->text(), QString("Deutsch"));
        form->ChooseLanguage("");
        QCOMPARE(LanguageInUse(), SystemLanguage());
        form->Board.Modified = false;
    }

    // Russian's first tip is a third longer than the English one: it takes two lines rather than
    // the pictures' width.
    void aLongerTipWrapsRatherThanNarrowThePictures()
    {
        const auto panelWidth = [] {
            TMosavoForm form;
            form.ShowTip(TMosavoForm::FirstTip);
            return std::pair(form.MainPanel->width(), form.TipsLabel->height());
        };
        const auto [englishWidth, englishHeight] = panelWidth();
        ApplyLanguage("ru");
        const auto [russianWidth, russianHeight] = panelWidth();
        QCOMPARE(russianWidth, englishWidth);
        QVERIFY(russianHeight > englishHeight);
    }

    void everyLanguageHasItsHelpPage()
    {
        const QString english = THelpForm::PagePath;
        for (const TLanguage &language : Languages()) {
            const QString page = THelpForm::PageInLanguage(english, language.Code);
            QVERIFY2(THelpForm::PageAvailable(page), language.Code);
            QCOMPARE(page == english, std::string(language.Code) == "en");
        }
    }

    void theSystemsLanguagesPickTheGamesOwn()
    {
        const std::pair<const char *, const char *> cases[]
            = {{"C", "en"}, {"en-GB", "en"}, {"de-AT", "de"}, {"pt-BR", "pt_BR"},
                {"pt-PT", "pt_BR"}, {"zh-Hans-CN", "zh_CN"}, {"zh-Hant-TW", ""}, {"sv-SE", ""}};
        for (const auto &[system, spoken] : cases)
            QCOMPARE(SpokenLanguageFor(system), std::string(spoken));
    }
};

QTEST_MAIN(TLanguageTest)
#include "LanguageTest.moc"
