// Starts the real program, as a user would, from a copy in a folder of its own and from
// another working directory, and reads what the first start leaves behind.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

class TestStartup : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void firstStartWritesLogAndDefaults();
    void secondStartBeginsTheLogAgain();
    void startsWhereTheLogCannotBeWritten_data();
    void startsWhereTheLogCannotBeWritten();

private:
    // Starts command (the program, or a wrapper and the program) on the store under config and
    // waits until the store holds every setting and the four loads: the window was built and
    // the event loop runs. Then ends it. False when that did not happen within a minute.
    static bool startsAndRuns(const QStringList& command, const QString& config, const QString& workingDirectory);
    // Runs the program until its store holds every setting and its log is written, then ends it.
    void runOnce();
    QByteArray logContents() const;

    QTemporaryDir programDir;
    QTemporaryDir workingDir;
    QTemporaryDir configDir;
    QString program;
};

void TestStartup::initTestCase()
{
    QVERIFY(programDir.isValid() && workingDir.isValid() && configDir.isValid());
    program = programDir.path() + "/vanto";
    QVERIFY(QFile::copy(VANTO_EXECUTABLE, program));
}

void TestStartup::runOnce()
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_CONFIG_HOME", configDir.path());
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(workingDir.path());
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(program, QStringList());
    QVERIFY2(process.waitForStarted(), qPrintable(process.errorString()));

    const QString storeFile = configDir.path() + "/Tarvanel/Vanto4.conf";
    QElapsedTimer clock;
    clock.start();
    bool ready = false;
    while (!ready && clock.elapsed() < 60000 && process.state() == QProcess::Running) {
        QTest::qWait(100);
        const QStringList keys = QSettings(storeFile, QSettings::IniFormat).allKeys();
        ready = keys.filter(QRegularExpression("^(global|envir|rifle)/")).size() == 39
            && keys.contains("shoot/3/zeroRangeUnit") && logContents().count("\r\n") >= 2;
    }
    process.kill();
    process.waitForFinished();
    QVERIFY2(ready, "the program did not write its store and log within a minute");
}

QByteArray TestStartup::logContents() const
{
    QFile log(programDir.path() + "/log.txt");
    return log.open(QIODevice::ReadOnly) ? log.readAll() : QByteArray();
}

void TestStartup::firstStartWritesLogAndDefaults()
{
    runOnce();
    const QString directory = QFileInfo(programDir.path()).canonicalFilePath();
    // The start-up lines first; the database windows append theirs.
    const QByteArray log = logContents();
    QVERIFY2(log.startsWith(QByteArray("réinitialisation du logwriter !\r\n") + directory.toUtf8() + "\r\n"
                 + "nouveau logwriter\r\nDBselector::DBselector\r\n"),
        log.constData());
    QVERIFY(log.contains("CustoDBManager::CustoDBManager\r\n"));
    QCOMPARE(log.count("\n"), log.count("\r\n"));
    QVERIFY(!QFile::exists(workingDir.path() + "/log.txt"));

    QSettings store(configDir.path() + "/Tarvanel/Vanto4.conf", QSettings::IniFormat);
    QCOMPARE(store.allKeys().filter(QRegularExpression("^(global|envir|rifle)/")).size(), 39);
    QCOMPARE(store.value("shoot/0/active").toString(), QString("true"));
    QCOMPARE(store.value("shoot/1/active").toString(), QString("false"));
    QCOMPARE(store.value("global/maxRange").toString(), QString("800"));
    QCOMPARE(store.value("rifle/sightHeight").toString(), QString("3.5"));
    QCOMPARE(store.value("rifle/twistDirection").toString(), QString("1"));
    QCOMPARE(store.value("envir/altitude").toString(), QString("0"));
    QVERIFY(!store.contains("global/language"));
    QVERIFY(!store.contains("global/saveDir"));
}

void TestStartup::secondStartBeginsTheLogAgain()
{
    QFile log(programDir.path() + "/log.txt");
    QVERIFY(log.open(QIODevice::Append));
    log.write("left over from an earlier run\r\n");
    log.close();
    // The first start left a complete store behind: without it, the wait below would end
    // before the program has even begun.
    QVERIFY(QFile::remove(configDir.path() + "/Tarvanel/Vanto4.conf"));

    runOnce();
    const QString directory = QFileInfo(programDir.path()).canonicalFilePath();
    QVERIFY(logContents().startsWith(QByteArray("réinitialisation du logwriter !\r\n") + directory.toUtf8() + "\r\n"));
    QVERIFY(!logContents().contains("left over"));
}

bool TestStartup::startsAndRuns(const QStringList& command, const QString& config, const QString& workingDirectory)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_CONFIG_HOME", config);
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(workingDirectory);
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(command.first(), command.mid(1));
    if (!process.waitForStarted())
        return false;

    const QString storeFile = config + "/Tarvanel/Vanto4.conf";
    QElapsedTimer clock;
    clock.start();
    bool ready = false;
    while (!ready && clock.elapsed() < 60000 && process.state() == QProcess::Running) {
        QTest::qWait(100);
        const QStringList keys = QSettings(storeFile, QSettings::IniFormat).allKeys();
        ready = keys.filter(QRegularExpression("^(global|envir|rifle)/")).size() == 39
            && keys.contains("shoot/3/zeroRangeUnit");
    }
    const bool running = process.state() == QProcess::Running;
    process.kill();
    process.waitForFinished();
    return ready && running;
}

void TestStartup::startsWhereTheLogCannotBeWritten_data()
{
    QTest::addColumn<QString>("fault");
    QTest::newRow("log.txt is a folder") << "folder";
    QTest::newRow("read-only program folder") << "read-only";
}

// The log is only for diagnostics: the program starts and runs without it, and what is in the
// program folder stays as it was.
void TestStartup::startsWhereTheLogCannotBeWritten()
{
    QFETCH(QString, fault);
    QTemporaryDir folder;
    QTemporaryDir config;
    QVERIFY(folder.isValid() && config.isValid());
    const QString copy = folder.path() + "/vanto";
    QVERIFY(QFile::copy(VANTO_EXECUTABLE, copy));
    QVERIFY(QDir(folder.path()).mkdir("db"));
    const QDir shipped(QFileInfo(VANTO_EXECUTABLE).absolutePath() + "/db");
    for (const QString& name : shipped.entryList({"*.db"}, QDir::Files))
        QVERIFY(QFile::copy(shipped.filePath(name), folder.path() + "/db/" + name));

    const QFile::Permissions everybodyReads = QFile::ReadOwner | QFile::ReadUser | QFile::ReadGroup | QFile::ReadOther
        | QFile::ExeOwner | QFile::ExeUser | QFile::ExeGroup | QFile::ExeOther;
    QStringList command{copy};
    if (fault == "folder") {
        QVERIFY(QDir().mkdir(folder.path() + "/log.txt"));
    } else {
        // Root writes anywhere: the program then runs as the ordinary user nobody.
        QVERIFY(QFile::setPermissions(folder.path(), everybodyReads));
        QVERIFY(QFile::setPermissions(folder.path() + "/db", everybodyReads));
        QVERIFY(QFile::setPermissions(config.path(),
            everybodyReads | QFile::WriteOwner | QFile::WriteUser | QFile::WriteGroup | QFile::WriteOther));
        if (geteuid() == 0) {
            const QString setpriv = QStandardPaths::findExecutable("setpriv");
            if (setpriv.isEmpty())
                QSKIP("setpriv is needed to run the program as an ordinary user");
            command = QStringList{setpriv, "--reuid=65534", "--regid=65534", "--clear-groups", copy};
        }
    }
    const QStringList before = QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);

    QVERIFY2(startsAndRuns(command, config.path(), config.path()), "the program did not start and run");
    QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), before);
    QVERIFY(QFileInfo(folder.path() + "/log.txt").isDir() == (fault == "folder"));
    QVERIFY(QFile::setPermissions(folder.path(), everybodyReads | QFile::WriteOwner | QFile::WriteUser));
}

QTEST_GUILESS_MAIN(TestStartup)
#include "tst_startup.moc"
