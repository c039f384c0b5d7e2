// Starts the program itself: a second start while one runs must end at once, with exit code 0.

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

QString programPath()
{
#ifdef _WIN32
    const QString program = QStringLiteral("../Mosavo.exe");
#else
    const QString program = QStringLiteral("../Mosavo");
#endif
    return QDir(QCoreApplication::applicationDirPath()).absoluteFilePath(program);
}

// The running instance's mark: a named mutex on Windows, a lock file in the runtime folder here.
bool lockTaken([[maybe_unused]] const QDir &runtimeDir)
{
#ifdef _WIN32
    const HANDLE mutex = OpenMutexW(SYNCHRONIZE, FALSE, L"Mutex_ProgramInstance_Mosavo");
    if (mutex)
        CloseHandle(mutex);
    return mutex != nullptr;
#else
    return !runtimeDir.entryList({"*Mutex_ProgramInstance_Mosavo*"}, QDir::Files).isEmpty();
#endif
}

} // namespace

class TEntryPointTest : public QObject
{
    Q_OBJECT

private slots:
    void aSecondStartEndsAtOnceWithExitCodeZero()
    {
        QVERIFY2(QFile::exists(programPath()), qPrintable(programPath()));
        QTemporaryDir runtime;
        QVERIFY(runtime.isValid());
        QFile::setPermissions(
            runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_RUNTIME_DIR", runtime.path());
        environment.insert("QT_QPA_PLATFORM", "offscreen");

        QProcess first;
        first.setProcessEnvironment(environment);
        first.start(programPath());
        QVERIFY(first.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(lockTaken(QDir(runtime.path())), 20000);
        QTest::qWait(300);

        QProcess second;
        second.setProcessEnvironment(environment);
        QElapsedTimer clock;
        clock.start();
        second.start(programPath());
        QVERIFY(second.waitForFinished(20000));
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 0);
        QVERIFY(second.readAllStandardError().indexOf("Failed") < 0);
        QCOMPARE(first.state(), QProcess::Running);

        first.kill();
        first.waitForFinished();

        // Once the first has gone, the program starts again.
        QProcess third;
        third.setProcessEnvironment(environment);
        third.start(programPath());
        QVERIFY(third.waitForStarted());
        QTest::qWait(1500);
        QCOMPARE(third.state(), QProcess::Running);
        third.kill();
        third.waitForFinished();
    }
};

QTEST_GUILESS_MAIN(TEntryPointTest)
#include "EntryPointTest.moc"
