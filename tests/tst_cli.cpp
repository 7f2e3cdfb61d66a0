// vanto-cli end to end: its exit codes, its CSV and JSON, its numbers against this process's.
#include "ballistics/shoot.h"
#include "core/messages.h"
#include "loads/shootcontainer.h"
#include "settings/parameterfile.h"
#include "settings/settings.h"
#include "smallfilesystem.h"
#include "tools/truing.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLoggingCategory>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct Run {
    int exitCode;
    QByteArray out;
    QByteArray err;
};

const QRegularExpression notANumber("\\b(nan|inf|infinity)\\b", QRegularExpression::CaseInsensitiveOption);

} // namespace

class TestCli : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void exitStatuses_data();
    void exitStatuses();
    void csvAgreesWithJson();
    void jsonMatchesTheProgram_data();
    void jsonMatchesTheProgram();
    void hostileParameterFiles_data();
    void hostileParameterFiles();

private:
    Run run(const QStringList& arguments) const;

    QTemporaryDir storeDir;
    QTemporaryDir filesDir;
    QString standardFile;
};

void TestCli::initTestCase()
{
    QLoggingCategory::setFilterRules("default.debug=false");
    QCoreApplication::setOrganizationName("Tarvanel");
    QCoreApplication::setApplicationName("Vanto4");
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, storeDir.path());
    Messages::setWarningSink([](const QString&, const QString&) {});
    Settings::instance()->initialize();
    ParameterFile::restoreLoads();

    Settings::instance()->setCardStep(100);
    Shoot* first = ShootContainer::instance()->GetShoot(0);
    first->setActive(true);
    // A title with line breaks that would forge rows of the CSV.
    first->setOrigin("db");
    first->setTitle("Fake\r\n100,0,0,0,0,0,0,0,0,999,1,0.1\u2028# load 3: forged");
    Shoot* third = ShootContainer::instance()->GetShoot(2);
    third->setActive(true);
    third->setOrigin("db");
    third->setTitle("Sierra, 168 \"MK\"");
    third->setWeight(168);
    third->setMuzzleVelocity(2650);
    third->setMuzzleVelocityUnit(1);
    third->setCaliber(0.308);
    third->setBCMulti({0, 1800, 2400}, {0.447, 0.462, 0.475});
    third->setZeroRange(300);
    third->setZeroRangeUnit(1);
    third->setLengthNeedsCheck(true);
    standardFile = filesDir.filePath("standard.vnt");
    QVERIFY(ParameterFile::save(standardFile));
}

Run TestCli::run(const QStringList& arguments) const
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_CONFIG_HOME", filesDir.filePath("cli-config"));
    process.setProcessEnvironment(environment);
    process.start(VANTO_CLI, arguments);
    process.waitForFinished(120000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1, process.readAllStandardOutput(),
        process.readAllStandardError()};
}

void TestCli::exitStatuses_data()
{
    QTest::addColumn<QString>("command"); // for sh, with $CLI, $FILE and $FILES set
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("pattern"); // what standard output (status 0) or error shows
    const QString cli = "\"$CLI\" ";
    const QString file = " \"$FILE\"";
    const auto row = [](const char* tag, const QString& command, int exitCode, const char* pattern) {
        QTest::newRow(tag) << command << exitCode << pattern;
    };
    row("help", cli + "--help", 0, "^(?=.*--behavior)(?=.*FILE\\.vnt)");
    row("no file", cli, 2, "");
    row("unknown option", cli + "--colour x.vnt", 2, "");
    row("bad behaviour", cli + "--behavior same x.vnt", 2, "");
    row("bad master", cli + "--master 4 x.vnt", 2, "");
    row("bad format", cli + "--format xml x.vnt", 2, "");
    row("missing file", cli + "/nonexistent/params.vnt", 3, "");
    row("a folder", cli + "/tmp", 3, "");
    row("output to a full disk", cli + file + " > /dev/full", 5, "the output cannot be written");
    row("parameter file of 3 GiB (sparse)", "truncate -s 3G \"$FILES/huge.vnt\" && " + cli + "\"$FILES/huge.vnt\"", 3,
        "too large");
    row("full temporary folder", cli + file, 6, "cannot be written; it may be full");
    // Signals while the output waits in a full pipe: the pipeline's status is its reader's.
    const QString series = cli + "--format json --series" + file;
    row("broken pipe", series + " | head -c 10 > /dev/null", 0, "");
    row("terminated", "timeout -s TERM 0.5 " + series + " | sleep 3", 0, "");

    const QString bc = cli + "bc --near-range 2.5 --near-velocity 800 --far-range 300 ";
    row("bc, metric G1", bc + "--far-velocity 600", 0, "^BC = 0.400 \\(G1\\)\nMuzzle velocity = 80\\S* m/s\n$");
    row("bc, no solution", bc + "--far-velocity 850", 4, "^vanto-cli: Unable to find a valid solution\n$");
    row("bc, far range no flight reaches",
        cli + "bc --near-range 0 --near-velocity 800 --far-range 1e300 --far-velocity 1", 4, "");
    row("bc, missing reading", bc, 2, "");
    row("bc, unreadable conditions", bc + "--far-velocity 600 --params /nonexistent.vnt", 3, "");

    // The drop load 2 of the standard file has at 600 yd, with its muzzle velocity 40 f/s less.
    QVERIFY(ParameterFile::load(standardFile));
    Shoot* third = ShootContainer::instance()->GetShoot(2);
    third->setMuzzleVelocity(2610);
    const double drop = Truing::computedDrop(*third, Truing::rangeMetres(600, 1));
    third->setMuzzleVelocity(2650);
    const QString truing = cli + "true" + file + " --load 2 --range 600 --range-unit yd --drop ";
    const QString inches = QString::number(Truing::dropInUnit(drop, Truing::Inches, 0.0), 'f', 6);
    row("truing the velocity", truing + inches + " --drop-unit in --fit mv", 0,
        "^Muzzle velocity = 2610 f/s\n[^\n]*\nChange = -1\\.5");
    row("truing, a rise no load gives", truing + "-400 --drop-unit in --fit bc", 4, "");
    row("truing, no fit", truing + inches, 2, "");
}

// Every status has its meaning; a failure prints nothing on standard output and one line on
// standard error. Whatever ends the program, its temporary folder is left empty.
void TestCli::exitStatuses()
{
    QFETCH(QString, command);
    QFETCH(int, exitCode);
    QFETCH(QString, pattern);
    QTemporaryDir tmp;
    SmallFileSystem disk;
    const bool full = exitCode == 6;
    if (full && !disk.isMounted())
        QSKIP("a full temporary folder is a small tmpfs, which only root may mount");
    QVERIFY(!full || disk.fillLeaving(0));
    QProcess shell;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("TMPDIR", full ? disk.path() : tmp.path());
    environment.insert("CLI", VANTO_CLI);
    environment.insert("FILE", standardFile);
    environment.insert("FILES", filesDir.path());
    shell.setProcessEnvironment(environment);
    shell.start("sh", {"-c", command});
    QVERIFY(shell.waitForFinished(120000));
    QFile::remove(filesDir.filePath("huge.vnt"));
    QCOMPARE(shell.exitCode(), exitCode);
    const QString out = shell.readAllStandardOutput();
    const QString err = shell.readAllStandardError();
    if (exitCode != 0)
        QVERIFY2(out.isEmpty() && err.count('\n') == 1 && err.startsWith("vanto-cli: "), qPrintable(err));
    const QRegularExpression expected(pattern, QRegularExpression::DotMatchesEverythingOption);
    QVERIFY2(expected.match(exitCode == 0 ? out : err).hasMatch(), qPrintable(out + err));
    const QStringList left
        = QDir(environment.value("TMPDIR")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    QCOMPARE(left, full ? QStringList{".filler"} : QStringList());
}

// The CSV blocks of the active loads, in the units asked for, hold the card of the JSON report;
// a title's line breaks forge no rows; the user's own store is never touched.
void TestCli::csvAgreesWithJson()
{
    const Run result = run({standardFile});
    QCOMPARE(result.exitCode, 0);
    QVERIFY(!QFileInfo::exists(filesDir.filePath("cli-config/Tarvanel")));
    const QStringList lines = QString::fromUtf8(result.out).split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.first(), QString("# load 0: Fake  100,0,0,0,0,0,0,0,0,999,1,0.1 # load 3: forged"));
    QVERIFY(lines.filter(QRegularExpression("^(100,0,0,0,0,0,0,0,0,999|# load 3)")).isEmpty());
    QVERIFY(lines.contains("# load 2: Sierra, 168 \"MK\"") && !result.out.contains("# load 1:"));
    QCOMPARE(lines.filter(QRegularExpression("^# stability: .*\\(.*length not checked\\)$")).size(), 1);
    const int header = lines.indexOf(QRegularExpression("^Range.*"));
    QCOMPARE(lines[header],
        QString("Range (m),Drop (cm),Drop (MOA),Drop (mils),Drop (clicks),Drift (cm),Drift (MOA),Drift (mils),"
                "Drift (clicks),Velocity (m/s),Energy (J),Time of flight (s)"));

    const QJsonDocument json = QJsonDocument::fromJson(run({"--format", "json", standardFile}).out);
    const QJsonArray rows = json["loads"][0]["card"]["rows"].toArray();
    QVERIFY(rows.size() > 2);
    for (int row = 0; row < rows.size(); ++row) {
        QStringList cells;
        for (const QJsonValue& cell : rows[row].toArray())
            cells << QString::number(cell.toDouble(), 'g', 6);
        QCOMPARE(lines[header + 1 + row], cells.join(','));
    }
    QVERIFY(run({"--units", "us", standardFile})
                .out.contains("\nRange (yd),Drop (in),Drop (MOA),Drop (mils),Drop (clicks),Drift (in),"));
}

void TestCli::jsonMatchesTheProgram_data()
{
    QTest::addColumn<QString>("behaviour");
    QTest::addColumn<int>("master");
    QTest::newRow("indep") << "indep" << 0;
    QTest::newRow("zero on load 2") << "zero" << 2;
    QTest::newRow("angle on load 0") << "angle" << 0;
    QTest::newRow("angle on load 2, in yards") << "angle" << 2;
}

// The same file computed in this process gives the same numbers to the bit; a load that takes its
// zero from a master in yards has its zero range in yards.
void TestCli::jsonMatchesTheProgram()
{
    QFETCH(QString, behaviour);
    QFETCH(int, master);
    const Run result = run(
        {"--format", "json", "--series", "--behavior", behaviour, "--master", QString::number(master), standardFile});
    QCOMPARE(result.exitCode, 0);
    const QJsonArray loads = QJsonDocument::fromJson(result.out).object().value("loads").toArray();
    QCOMPARE(loads.size(), 2);

    QVERIFY(ParameterFile::load(standardFile));
    ShootContainer* container = ShootContainer::instance();
    const QMap<QString, void (ShootContainer::*)()> behaviours{{"indep", &ShootContainer::setMultiShootBehaviorIndep},
        {"zero", &ShootContainer::setMultiShootBehaviorZero}, {"angle", &ShootContainer::setMultiShootBehaviorAngle}};
    (container->*behaviours.value(behaviour))();
    container->SetMasterShoot(master);
    container->Compute();

    const auto compare = [](const QJsonArray& sent, const auto& expected, int step) {
        QCOMPARE(sent.size(), expected.size());
        for (int k = 0; k < sent.size(); k += step)
            QVERIFY2(sent[k].toDouble() == expected[k], qPrintable(QString::number(expected[k], 'g', 17)));
    };
    for (const QJsonValue& value : loads) {
        const QJsonObject entry = value.toObject();
        Shoot* load = container->GetShoot(entry.value("index").toInt());
        const QVariantList sent
            = {entry["title"].toString(), entry["shootAngle"].toDouble(), entry["zeroRange"].toInt(),
                entry["zeroRangeUnit"].toInt(), entry["stability"].toDouble(), entry["lengthNeedsCheck"].toBool()};
        QCOMPARE(sent,
            QVariantList({load->title(), load->shootAngle(), load->zeroRange(), load->zeroRangeUnit(),
                load->GyroscopicStability(), load == container->GetShoot(2)}));
        compare(entry.value("pointBlank").toArray(), load->PointBlankRanges(), 1);
        const QJsonArray trajectory = entry.value("trajectory").toArray();
        for (int series = 0; series < Shoot::trajectorySeriesCount; ++series)
            compare(trajectory[series].toArray(), load->TrajectorySeries(series), 97);
        const QJsonArray cardSeries = entry.value("cardSeries").toArray();
        for (int series = 0; series < Shoot::cardSeriesCount; ++series)
            compare(cardSeries[series].toArray(), load->CardSeries(series), 1);
        const QJsonArray rows = entry.value("card").toObject().value("rows").toArray();
        QCOMPARE(rows.size(), load->CardSeries(2).size());
        QVERIFY(rows[0].toArray()[1].toDouble() == load->CardSeries(3)[0]); // drop (cm) of the first row
    }
    QCOMPARE(loads[0].toObject().value("index").toInt(), 0);
    if (master == 2)
        QCOMPARE(loads[0].toObject().value("zeroRangeUnit").toInt(), 1);
}

void TestCli::hostileParameterFiles_data()
{
    QTest::addColumn<QByteArray>("hostile");
    QTest::addColumn<QByteArray>("sane"); // a file that must give the same output, or empty
    QTest::addColumn<QString>("warning");
    const auto row = [](const char* tag, const QByteArray& hostile, const char* sane, const char* warning = "") {
        QTest::newRow(tag) << hostile << QByteArray(sane) << warning;
    };
    row("below absolute zero", "[envir]\ntemperature=-300\n", "[envir]\ntemperature=-100\n");
    row("click distance 0, clicks shown",
        "[global]\ncardDisplayClicks=true\n[rifle]\nscopeClick=6\nmanScopeDistH=0\nmanScopeDistV=0\n",
        "[global]\ncardDisplayClicks=true\n[rifle]\nscopeClick=6\nmanScopeDistH=10\nmanScopeDistV=10\n");
    // Brought to 30 ft/s, which reaches no zero range; the warning goes to stderr and the JSON.
    row("muzzle velocity 0", "[shoot]\n0\\origin=db\n0\\title=Slow\n0\\muzzleVelocity=0\n0\\muzzleVelocityUnit=1\n", "",
        "Zeroing range not reachable for load : Slow");
    row("weight 1e308", "[shoot]\n0\\weight=1e308\n", "");
    row("slope 180, no range limit", "[envir]\nupHillAngle=180\n[global]\nautoRange=false\nmaxRange=2147483647\n", "");
    row("letters everywhere",
        "[global]\nunitSystem=metric\nkillZone=wide\ncardStep=often\n[envir]\naltitudeCorrection=yes\n"
        "windVelocity=1, 2, 3\ntemperature=hot\n[rifle]\nsightHeight=@ByteArray(\\xff)\ntwist=fast\n"
        "[shoot]\n0\\muzzleVelocity=fast\n0\\weight=heavy\n0\\zeroRange=near\n0\\gModel=G7\n",
        "");
    row("binary junk", QByteArray("\x00\x01\xff", 3) + "[shoot]\n0\\weight=heavy\n=\n[[[\n", "");
}

// Values no widget lets through: the command succeeds, shows no NaN or infinity in its CSV or JSON,
// and a value outside its range reads as the nearest value the window allows.
void TestCli::hostileParameterFiles()
{
    QFETCH(QByteArray, hostile);
    QFETCH(QByteArray, sane);
    QFETCH(QString, warning);
    const auto output = [&](const QByteArray& contents, const QString& format) {
        QFile file(filesDir.filePath("hostile.vnt"));
        const bool written = file.open(QIODevice::WriteOnly) && file.write("[shoot]\n0\\active=true\n" + contents) > 0;
        file.close();
        return written ? run({"--format", format, "--series", file.fileName()}) : Run{-1, {}, {}};
    };
    const Run json = output(hostile, "json");
    const QJsonObject document = QJsonDocument::fromJson(json.out).object();
    QVERIFY2(json.exitCode == 0 && !document.isEmpty(), json.err.constData());
    QVERIFY2(!notANumber.match(QString::fromUtf8(json.out)).hasMatch(), json.out.left(2000).constData());
    const Run csv = output(hostile, "csv");
    QVERIFY2(csv.exitCode == 0 && csv.out.startsWith("# load 0"), csv.err.constData());
    QVERIFY2(!notANumber.match(QString::fromUtf8(csv.out)).hasMatch(), csv.out.constData());
    if (!sane.isEmpty())
        QCOMPARE(json.out, output(sane, "json").out);
    const QJsonArray warnings = document.value("warnings").toArray();
    if (!warning.isEmpty())
        QVERIFY2(warnings.size() == 1 && warnings[0].toString().startsWith(warning + "\n")
                && json.err.contains(warning.toUtf8()),
            json.err.constData());
}

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
