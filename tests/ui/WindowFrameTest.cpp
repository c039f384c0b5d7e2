// The window fits small screens with its frame: each screen size gets an X server of its own with
// a window manager that frames the window, and the window is measured there by a child process.

#include "ui/MosavoDialog.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <string>

namespace {

constexpr const char *MeasureOption = "--measure-window";

// The child, started by the window manager once it runs: arranges and shows the window as the
// entry point does, with a picture named on the command line if one is given, waits until the
// window manager has framed it, and writes "<screen> <frame> <client area>" as x y width height
// each to the result file.
int MeasureWindow(int argc, char **argv)
{
    QApplication application(argc, argv);
    TMosavoForm form;
    form.ArrangeWindow();
    if (argc == 4)
        form.OpenFileOnceShown(argv[3]);
    form.show();
    const bool framed = QTest::qWaitForWindowExposed(&form)
        && QTest::qWaitFor([&] { return form.frameGeometry() != form.geometry(); }, 5000)
        && (argc == 3 || QTest::qWaitFor([&] { return form.PicturesShown(); }, 5000));
    QTest::qWait(300); // the second arrangement, once the frame is known
    QFile result(argv[2]);
    if (!framed || !result.open(QIODevice::WriteOnly))
        return 1;
    const auto rect = [](const QRect &r) {
        return QString("%1 %2 %3 %4 ").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
    };
    const QRect client(form.ClientArea->mapToGlobal(QPoint(0, 0)), form.ClientArea->size());
    result.write(
        (rect(form.screen()->geometry()) + rect(form.frameGeometry()) + rect(client)).toUtf8());
    return 0;
}

QList<QRect> Rects(const QString &text)
{
    const QStringList numbers = text.split(' ', Qt::SkipEmptyParts);
    QList<QRect> rects;
    for (int at = 0; at + 3 < numbers.size(); at += 4)
        rects.append(QRect(numbers[at].toInt(), numbers[at + 1].toInt(), numbers[at + 2].toInt(),
            numbers[at + 3].toInt()));
    return rects;
}

} // namespace

class WindowFrameTest : public QObject
{
    Q_OBJECT

    QTemporaryDir Folder;

    // Starts an X server of `screen` size and a window manager whose start-up runs the child;
    // gives the child's measurements.
    QString MeasureOn(const QString &screen, const QString &picture)
    {
        QProcess server;
        server.start(
            "Xvfb", {"-displayfd", "1", "-screen", "0", screen + "x24", "-nolisten", "tcp"});
        if (!server.waitForReadyRead(10000))
            return {};
        const QString display = ":" + QString::fromLatin1(server.readAllStandardOutput()).trimmed();
        const QString result
            = Folder.filePath(screen + (picture.isEmpty() ? "" : "-picture") + ".txt");
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("DISPLAY", display);
        environment.insert("QT_QPA_PLATFORM", "xcb");
        QProcess manager;
        manager.setProcessEnvironment(environment);
        manager.start("openbox",
            {"--sm-disable", "--startup",
                "\"" + QCoreApplication::applicationFilePath() + "\" " + MeasureOption + " \""
                    + result + "\"" + (picture.isEmpty() ? "" : " \"" + picture + "\"")});
        const bool measured = QTest::qWaitFor([&] { return QFile(result).size() > 0; }, 20000);
        manager.kill();
        manager.waitForFinished();
        server.kill();
        server.waitForFinished();
        QFile file(result);
        return measured && file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll())
                                                          : QString();
    }

private slots:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable("Xvfb").isEmpty()
            || QStandardPaths::findExecutable("openbox").isEmpty())
            QSKIP("needs Xvfb and openbox (scripts/setup.sh installs them)");
        QVERIFY(Folder.isValid());
    }

    void theWholeWindowFitsSmallScreensFrameIncluded_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<bool>("withPicture");
        QTest::newRow("800 x 600") << "800x600" << false;
        QTest::newRow("1024 x 768") << "1024x768" << false;
        // The picture opens only once the window is fitted, and is cut for that size.
        QTest::newRow("800 x 600, picture on the command line") << "800x600" << true;
    }

    void theWholeWindowFitsSmallScreensFrameIncluded()
    {
        QFETCH(QString, screen);
        QFETCH(bool, withPicture);
        QString picture;
        if (withPicture) {
            picture = Folder.filePath("picture.png");
            QImage image(400, 300, QImage::Format_RGB32);
            image.fill(Qt::darkGreen);
            QVERIFY(image.save(picture));
        }
        const QString measured = MeasureOn(screen, picture);
        const QList<QRect> rects = Rects(measured);
        QVERIFY2(rects.size() == 3, qPrintable("measured: " + measured));
        const QRect &display = rects[0];
        const QRect &frame = rects[1];
        const QRect &client = rects[2];
        QCOMPARE(display.size().width(), screen.section('x', 0, 0).toInt());
        // A real frame: a title bar above the client area.
        QVERIFY(client.top() > frame.top());
        QVERIFY2(display.contains(frame), qPrintable(measured));
        // W x H of the work area, which is the whole screen here, is the frame's size.
        QCOMPARE(frame.width(), std::max(760, int(display.width() * 0.95)));
        QCOMPARE(frame.height(), std::max(540, int(display.height() * 0.95)));
        QVERIFY(frame.contains(client));
    }
};

int main(int argc, char **argv)
{
    if ((argc == 3 || argc == 4) && std::string(argv[1]) == MeasureOption)
        return MeasureWindow(argc, argv);
    QApplication application(argc, argv);
    WindowFrameTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "WindowFrameTest.moc"
