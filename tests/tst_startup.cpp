// Starts the real program, as a user would, from a copy in a folder of its own and from
// another working directory, and reads what the first start leaves behind.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

class TestStartup : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void firstStartWritesLogAndDefaults();
    void secondStartBeginsTheLogAgain();

private:
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

QTEST_GUILESS_MAIN(TestStartup)
#include "tst_startup.moc"
