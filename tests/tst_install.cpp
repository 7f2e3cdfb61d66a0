// Installation: `cmake --install` of the build tree into a folder of its own gives a tree that
// runs, with the runtime folders beside the executables, the launchers, the desktop entry and
// the icons; installing again keeps the user's custom bullet database.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct Run {
    int exitCode;
    QByteArray out;
    QByteArray err;
};

Run run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(240000) || process.exitStatus() != QProcess::NormalExit)
        return {-1, {}, process.errorString().toUtf8()};
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

} // namespace

class TestInstall : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void files_data();
    void files();
    void launchersPointIntoTheProgramFolder_data();
    void launchersPointIntoTheProgramFolder();
    void databaseFolderIsTheUsers();
    void desktopEntry();
    void desktopEntryValidates();
    void installedCommandRuns();
    void installingAgainKeepsCustomBullets();

private:
    Run install();
    QString programDir() const { return prefix.path() + "/lib/vanto"; }

    QTemporaryDir prefix;
};

Run TestInstall::install()
{
    return run(VANTO_CMAKE, {"--install", VANTO_BUILD_DIR, "--prefix", prefix.path()});
}

void TestInstall::initTestCase()
{
    QVERIFY(prefix.isValid());
    const Run result = install();
    QVERIFY2(result.exitCode == 0, result.err.constData());
}

void TestInstall::files_data()
{
    QTest::addColumn<QString>("path");
    const QStringList paths = {"lib/vanto/vanto", "lib/vanto/vanto-cli", "lib/vanto/db/centerfire.db",
        "lib/vanto/db/rimfire.db", "lib/vanto/db/airgun.db", "lib/vanto/db/custom.db", "lib/vanto/db/SOURCES.md",
        "lib/vanto/db/LICENSE-centerfire", "lib/vanto/translations/vanto_fr.qm", "lib/vanto/translations/vanto_it.qm",
        "lib/vanto/doc/vanto_UserManual_en.pdf", "lib/vanto/doc/vanto_UserManual_fr.pdf",
        "lib/vanto/doc/vanto_UserManual_it.pdf", "bin/vanto", "bin/vanto-cli", "share/applications/vanto.desktop",
        "share/icons/hicolor/256x256/apps/vanto.png", "share/icons/hicolor/scalable/apps/vanto.svg"};
    for (const QString& path : paths)
        QTest::newRow(qPrintable(path)) << path;
}

void TestInstall::files()
{
    QFETCH(QString, path);
    const QFileInfo file(prefix.path() + "/" + path);
    QVERIFY2(file.isFile(), qPrintable("missing " + file.filePath()));
    QVERIFY2(file.size() > 0, qPrintable("empty " + file.filePath()));
    if (path.startsWith("bin/") || path == "lib/vanto/vanto" || path == "lib/vanto/vanto-cli")
        QVERIFY2(file.isExecutable(), qPrintable("not executable " + file.filePath()));
}

void TestInstall::launchersPointIntoTheProgramFolder_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("vanto") << "vanto";
    QTest::newRow("vanto-cli") << "vanto-cli";
}

// The program finds db/, translations/ and doc/ beside the file it was started from once links
// are resolved: the launcher must resolve into lib/vanto.
void TestInstall::launchersPointIntoTheProgramFolder()
{
    QFETCH(QString, name);
    const QFileInfo launcher(prefix.path() + "/bin/" + name);
    QCOMPARE(QFileInfo(launcher.canonicalFilePath()).absolutePath(), QFileInfo(programDir()).canonicalFilePath());
}

// The user writes custom bullets into db/custom.db.
void TestInstall::databaseFolderIsTheUsers()
{
    const QFileInfo folder(programDir() + "/db");
    QCOMPARE(folder.permissions() & 0x7777,
        QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadUser | QFile::WriteUser | QFile::ExeUser
            | QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther);
    const QFileInfo custom(programDir() + "/db/custom.db");
    QCOMPARE(custom.permissions() & 0x7777,
        QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser | QFile::ReadGroup
            | QFile::ReadOther);
}

void TestInstall::desktopEntry()
{
    QFile file(prefix.path() + "/share/applications/vanto.desktop");
    QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
    const QStringList lines = QString::fromUtf8(file.readAll()).split('\n');
    QCOMPARE(lines.value(0), QString("[Desktop Entry]"));
    QVERIFY(lines.contains("Type=Application"));
    QVERIFY(lines.contains("Name=Vanto"));
    QVERIFY(lines.contains("Icon=vanto"));
    // The entry starts the installed launcher, wherever the installation went.
    const QString exec = "Exec=" + prefix.path() + "/bin/vanto";
    QVERIFY2(lines.contains(exec), qPrintable("no line " + exec));
}

// The desktop's own checker, where it is installed (Debian: desktop-file-utils).
void TestInstall::desktopEntryValidates()
{
    const QString validator = QStandardPaths::findExecutable("desktop-file-validate");
    if (validator.isEmpty())
        QSKIP("desktop-file-validate is not installed");
    const Run result = run(validator, {prefix.path() + "/share/applications/vanto.desktop"});
    QVERIFY2(result.exitCode == 0, (result.out + result.err).constData());
    QVERIFY2(!result.out.contains("error") && !result.err.contains("error"), (result.out + result.err).constData());
}

void TestInstall::installedCommandRuns()
{
    const Run result = run(
        prefix.path() + "/bin/vanto-cli", {"--format", "json", QStringLiteral(VANTO_EXAMPLES) + "/two-rifles.vnt"});
    QVERIFY2(result.exitCode == 0, result.err.constData());
    QJsonParseError error;
    const QJsonDocument json = QJsonDocument::fromJson(result.out, &error);
    QVERIFY2(error.error == QJsonParseError::NoError, qPrintable(error.errorString()));
    QVERIFY2(json.object().contains("loads"), result.out.left(200).constData());
}

// Fault guarded: a second installation replaced the user's custom bullets by an empty database.
void TestInstall::installingAgainKeepsCustomBullets()
{
    const QString customPath = programDir() + "/db/custom.db";
    QFile custom(customPath);
    QVERIFY(custom.open(QIODevice::WriteOnly | QIODevice::Truncate));
    const QByteArray marker("the user's own bullets");
    custom.write(marker);
    custom.close();
    const Run result = install();
    QVERIFY2(result.exitCode == 0, result.err.constData());
    QVERIFY(custom.open(QIODevice::ReadOnly));
    QCOMPARE(custom.readAll(), marker);
}

QTEST_GUILESS_MAIN(TestInstall)
#include "tst_install.moc"
