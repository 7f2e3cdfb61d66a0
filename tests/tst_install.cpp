// Installation: `cmake --install` of the build tree into a folder of its own gives a tree that
// runs, with the runtime folders beside the executables, the launchers, the desktop entry and
// the icons; installing again keeps the user's custom bullet database.
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
    QByteArray out, err;
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
    void installedTree();
    void installingAgainKeepsCustomBullets();

private:
    Run install() { return run(VANTO_CMAKE, {"--install", VANTO_BUILD_DIR, "--prefix", prefix.path()}); }

    QTemporaryDir prefix;
};

void TestInstall::initTestCase()
{
    const Run result = install();
    QVERIFY2(prefix.isValid() && result.exitCode == 0, result.err.constData());
}

void TestInstall::installedTree()
{
    const QString program = prefix.path() + "/lib/vanto/";
    const QString files = "db/centerfire.db db/rimfire.db db/airgun.db db/SOURCES.md db/LICENSE-centerfire "
                          "translations/vanto_fr.qm translations/vanto_it.qm doc/vanto_UserManual_en.pdf "
                          "doc/vanto_UserManual_fr.pdf doc/vanto_UserManual_it.pdf ../../share/icons/hicolor/"
                          "256x256/apps/vanto.png ../../share/icons/hicolor/scalable/apps/vanto.svg";
    for (const QString& file : files.split(' '))
        QVERIFY2(QFileInfo(program + file).size() > 0, qPrintable("missing or empty " + file));
    // The program finds db/, translations/ and doc/ beside the file it was started from once
    // links are resolved: the launchers resolve into lib/vanto.
    for (const char* name : {"vanto", "vanto-cli"}) {
        const QFileInfo launcher(prefix.path() + "/bin/" + name);
        QVERIFY2(launcher.isExecutable() && QFileInfo(program + name).isExecutable(), name);
        QCOMPARE(QFileInfo(launcher.canonicalFilePath()).absolutePath(), QFileInfo(program).canonicalFilePath());
    }
    // The user writes custom bullets into db/custom.db: rwxr-xr-x and rw-r--r--.
    QCOMPARE(int(QFileInfo(program + "db").permissions() & 0x7777), 0x7755);
    QCOMPARE(int(QFileInfo(program + "db/custom.db").permissions() & 0x7777), 0x6644);

    const Run cli = run(
        prefix.path() + "/bin/vanto-cli", {"--format", "json", QStringLiteral(VANTO_EXAMPLES) + "/two-rifles.vnt"});
    QVERIFY2(cli.exitCode == 0 && QJsonDocument::fromJson(cli.out).object().contains("loads"), cli.err.constData());

    // The desktop entry starts the installed launcher, wherever the installation went.
    const QString entry = prefix.path() + "/share/applications/vanto.desktop";
    QFile file(entry);
    const QStringList lines
        = file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()).split('\n') : QStringList();
    for (const QString& line : {QString("[Desktop Entry]"), QString("Type=Application"), QString("Name=Vanto"),
             QString("Icon=vanto"), "Exec=" + prefix.path() + "/bin/vanto"})
        QVERIFY2(lines.contains(line), qPrintable("no line " + line));
    // The desktop's own checker, where it is installed (Debian: desktop-file-utils).
    const QString validator = QStandardPaths::findExecutable("desktop-file-validate");
    if (validator.isEmpty())
        QSKIP("desktop-file-validate is not installed");
    const Run checked = run(validator, {entry});
    QVERIFY2(checked.exitCode == 0 && !(checked.out + checked.err).contains("error"),
        (checked.out + checked.err).constData());
}

// A second installation must not replace the user's custom bullets by an empty database.
void TestInstall::installingAgainKeepsCustomBullets()
{
    QFile custom(prefix.path() + "/lib/vanto/db/custom.db");
    const QByteArray marker("the user's own bullets");
    QVERIFY(custom.open(QIODevice::WriteOnly | QIODevice::Truncate) && custom.write(marker) == marker.size());
    custom.close();
    QCOMPARE(install().exitCode, 0);
    QVERIFY(custom.open(QIODevice::ReadOnly) && custom.readAll() == marker);
}

QTEST_GUILESS_MAIN(TestInstall)
#include "tst_install.moc"
