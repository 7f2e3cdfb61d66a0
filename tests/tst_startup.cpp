// Starts the real program, as a user would, from a copy in a folder of its own and from
// another working directory, and reads what the first start leaves behind.
#include "filetesting.h"

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

namespace {

using FileTesting::state;

// Starts command on the store under config; true when, within a minute, the store holds every
// setting and the four loads (and the log two lines) while it still runs. Then ends it.
bool startsAndRuns(
    const QStringList& command, const QString& config, const QString& workingDirectory, const QString& log = QString())
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_CONFIG_HOME", config);
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(workingDirectory);
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(command.first(), command.mid(1));
    const QDeadlineTimer minute(60000);
    bool ready = false;
    while (!ready && !minute.hasExpired() && process.waitForStarted() && process.state() == QProcess::Running) {
        QTest::qWait(100);
        const QStringList keys = QSettings(config + "/Tarvanel/Vanto4.conf", QSettings::IniFormat).allKeys();
        ready = keys.filter(QRegularExpression("^(global|envir|rifle)/")).size() == 39
            && keys.contains("shoot/3/zeroRangeUnit") && (log.isEmpty() || state(log).count("\r\n") >= 2);
    }
    const bool running = process.state() == QProcess::Running;
    process.kill();
    process.waitForFinished();
    return ready && running;
}

} // namespace

class TestStartup : public QObject {
    Q_OBJECT

private slots:
    void startsFromItsOwnFolder();
};

// The log goes beside the program and begins again at a start; the store holds the defaults
// and no language. Where the log cannot be written the program runs all the same, its folder as it was.
void TestStartup::startsFromItsOwnFolder()
{
    QTemporaryDir programDir, workingDir, configDir, otherConfig;
    const QString program = programDir.filePath("vanto"), log = programDir.filePath("log.txt"),
                  storeFile = configDir.filePath("Tarvanel/Vanto4.conf");
    QVERIFY(QFile::copy(VANTO_EXECUTABLE, program) && QDir(programDir.path()).mkdir("db"));
    const QDir shipped(QFileInfo(VANTO_EXECUTABLE).absolutePath() + "/db");
    for (const QString& name : shipped.entryList({"*.db"}, QDir::Files))
        QVERIFY(QFile::copy(shipped.filePath(name), programDir.path() + "/db/" + name));

    QFile old(log); // from an earlier run
    QVERIFY(old.open(QIODevice::WriteOnly) && old.write("left over\r\n") > 0 && old.flush());
    QVERIFY(startsAndRuns({program}, configDir.path(), workingDir.path(), log));
    const QByteArray start
        = "réinitialisation du logwriter !\r\n" + QFileInfo(programDir.path()).canonicalFilePath().toUtf8() + "\r\n";
    // The start-up lines first; the database windows append theirs.
    QVERIFY(state(log).startsWith(start + "nouveau logwriter\r\nDBselector::DBselector\r\n"));
    QVERIFY(state(log).contains("CustoDBManager::CustoDBManager\r\n") && !state(log).contains("left over"));
    QSettings store(storeFile, QSettings::IniFormat);
    QStringList values;
    for (const char* key : {"shoot/0/active", "shoot/1/active", "global/maxRange", "rifle/sightHeight",
             "rifle/twistDirection", "global/language", "global/saveDir"})
        values << store.value(key, "none").toString();
    QCOMPARE(values.join(' '), QString("true false 800 3.5 1 none none"));

    const auto entries
        = [&] { return QDir(programDir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden); };
    QVERIFY(QFile::remove(log) && QDir().mkdir(log) && QFile::remove(storeFile));
    QStringList before = entries();
    QVERIFY2(startsAndRuns({program}, configDir.path(), workingDir.path()), "log.txt is a folder");
    QCOMPARE(entries(), before);
    QVERIFY(QFileInfo(log).isDir() && QDir().rmdir(log));

    // A read-only program folder. Root writes anywhere: the program then runs as the user nobody.
    QStringList command{program};
    if (geteuid() == 0) {
        const QString setpriv = QStandardPaths::findExecutable("setpriv");
        if (setpriv.isEmpty())
            QSKIP("setpriv is needed to run the program as an ordinary user");
        command = QStringList{setpriv, "--reuid=65534", "--regid=65534", "--clear-groups", program};
    }
    QVERIFY(QFile::setPermissions(programDir.path(), QFile::Permissions(0x5555))
        && QFile::setPermissions(otherConfig.path(), QFile::Permissions(0x7777)));
    before = entries();
    const bool runs = startsAndRuns(command, otherConfig.path(), otherConfig.path());
    QVERIFY(QFile::setPermissions(programDir.path(), QFile::Permissions(0x7755)));
    QVERIFY2(runs, "the program did not start and run in a read-only folder");
    QCOMPARE(entries(), before);
}

QTEST_GUILESS_MAIN(TestStartup)
#include "tst_startup.moc"
