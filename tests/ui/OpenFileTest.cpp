// Files that reach the window from outside its dialogs: the command line and later starts.

#include "ui/MosavoDialog.h"

#include "core/Dialogs.h"
#include "support/RecordingErrorDialog.h"
#include "support/TestFolders.h"

#include <QApplication>
#include <QDialog>
#include <QImage>
#include <QtTest>

namespace {

std::string lastReport(const TRecordingErrorDialog &errors)
{
    return errors.Descriptions.empty() ? std::string()
                                       : errors.Descriptions.back() + "\n" + errors.Contexts.back();
}

} // namespace

class TOpenFileTest : public QObject
{
    Q_OBJECT

    TTempFolder temp;
    TRegisteredRecordingErrorDialog errors;
    std::vector<std::string> questions;
    std::string picture = temp / "cat.png";
    std::string game = temp / "saved.mzg";

private slots:
    void initTestCase()
    {
        SetMessageBoxHook([this](const std::string &, const std::string &text, uint32_t) {
            questions.push_back(text);
            return int32_t(mbrNo);
        });
        QImage image(300, 200, QImage::Format_RGB32);
        image.fill(Qt::darkCyan);
        QVERIFY(image.save(QString::fromStdString(picture)));
        WriteTextFile(game,
            "[MosavoGame]\r\nPictureTitle=" + picture
                + "\r\nResultedColumns=5\r\nResultedRows=5\r\nMovesCount=3\r\n");
    }

    void filesThatCannotBeOpenedAreReported()
    {
        TMosavoForm form;
        form.BeforeRun();
        form.OpenFile(temp / "notes.txt");
        QVERIFY(lastReport(errors).starts_with("Failed to load file."));
        QVERIFY(lastReport(errors).find("This is neither a picture nor a Mosavo game.")
            != std::string::npos);
        form.OpenFile(temp / "missing.png");
        QVERIFY(lastReport(errors).starts_with("Failed to load game."));
        QVERIFY(lastReport(errors).find("There is no such file.") != std::string::npos);
        form.OpenFile(temp / "missing.mzg");
        QVERIFY(lastReport(errors).starts_with("Failed to load game."));
        QCOMPARE(form.windowTitle(), QString("Mosavo game"));
    }

    void aHandedOverFileWaitsForTheOpenDialogThenAsksAboutTheGameInPlay()
    {
        TMosavoForm form;
        form.BeforeRun();
        form.show();
        form.OpenFile(picture);
        QCOMPARE(form.windowTitle(), QString("Mosavo"));
        form.Board.Modified = true;
        questions.clear();

        QDialog dialog(&form);
        dialog.setModal(true);
        dialog.show();
        QTRY_VERIFY(QApplication::activeModalWidget() == &dialog);
        form.OpenFileFromOtherStart(game);
        QTest::qWait(500);
        QVERIFY(questions.empty());
        QCOMPARE(form.windowTitle(), QString("Mosavo"));

        dialog.close();
        QTRY_COMPARE(form.windowTitle().toStdString(), "Mosavo - " + game);
        QCOMPARE(questions, std::vector<std::string> {"The game has been modified. Save it?"});
        QCOMPARE(form.Board.MovesCount, 3);
    }
};

QTEST_MAIN(TOpenFileTest)
#include "OpenFileTest.moc"
