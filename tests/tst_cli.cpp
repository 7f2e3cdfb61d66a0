// vanto-cli end to end: parameter files written here, the command run as a user runs it, its
// exit codes, its CSV and JSON, and its numbers against the same computation in this process.
#include "ballistics/shoot.h"
#include "core/messages.h"
#include "loads/shootcontainer.h"
#include "settings/parameterfile.h"
#include "settings/settings.h"
#include "smallfilesystem.h"
#include "tools/truing.h"

#include <QDeadlineTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLoggingCategory>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

namespace {

struct Run {
    int exitCode;
    QByteArray out;
    QByteArray err;
};

} // namespace

class TestCli : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void exitCodes_data();
    void exitCodes();
    void csvBlocks();
    void usUnits();
    void jsonMatchesTheProgram_data();
    void jsonMatchesTheProgram();
    void warningsGoToStandardErrorAndJson();
    void malformedFileGivesDefaults();
    void hostileValuesShowNoInfinityOrNaN_data();
    void hostileValuesShowNoInfinityOrNaN();
    void userStoreIsNeverTouched();
    void ballisticCoefficient_data();
    void ballisticCoefficient();
    void truing_data();
    void truing();
    void titleLineBreaksForgeNoRows();
    void hostileSurroundings_data();
    void hostileSurroundings();

private:
    Run run(const QStringList& arguments) const;
    QString writeParameters(const QString& name, const std::function<void(Settings&, ShootContainer&)>& setup);

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

    standardFile = writeParameters("standard.vnt", [](Settings& settings, ShootContainer& container) {
        settings.setCardStep(100);
        Shoot* first = container.GetShoot(0);
        first->setActive(true);
        first->setTitle("Load 1");
        Shoot* third = container.GetShoot(2);
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
    });
}

QString TestCli::writeParameters(const QString& name, const std::function<void(Settings&, ShootContainer&)>& setup)
{
    setup(*Settings::instance(), *ShootContainer::instance());
    const QString path = filesDir.filePath(name);
    ParameterFile::save(path);
    return path;
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

void TestCli::exitCodes_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::newRow("help") << QStringList{"--help"} << 0;
    QTest::newRow("no file") << QStringList{} << 2;
    QTest::newRow("two files") << QStringList{"a.vnt", "b.vnt"} << 2;
    QTest::newRow("unknown option") << QStringList{"--colour", "x.vnt"} << 2;
    QTest::newRow("bad behaviour") << QStringList{"--behavior", "same", "x.vnt"} << 2;
    QTest::newRow("bad master") << QStringList{"--master", "4", "x.vnt"} << 2;
    QTest::newRow("master not a number") << QStringList{"--master", "first", "x.vnt"} << 2;
    QTest::newRow("bad units") << QStringList{"--units", "imperial", "x.vnt"} << 2;
    QTest::newRow("bad format") << QStringList{"--format", "xml", "x.vnt"} << 2;
    QTest::newRow("missing file") << QStringList{"/nonexistent/params.vnt"} << 3;
    QTest::newRow("a folder") << QStringList{"/tmp"} << 3;
}

void TestCli::exitCodes()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    const Run result = run(arguments);
    QCOMPARE(result.exitCode, exitCode);
    if (exitCode == 0) {
        QVERIFY(result.out.contains("--behavior"));
        QVERIFY(result.out.contains("FILE.vnt"));
    } else {
        QVERIFY(result.out.isEmpty());
        QCOMPARE(result.err.count('\n'), 1); // one line that says what is wrong
        QVERIFY(result.err.startsWith("vanto-cli: "));
    }
}

void TestCli::csvBlocks()
{
    const Run result = run({standardFile});
    QCOMPARE(result.exitCode, 0);
    const QStringList lines = QString::fromUtf8(result.out).split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.first(), QString("# load 0: Load 1"));
    const int header = lines.indexOf(QRegularExpression("^Range.*"));
    QCOMPARE(lines[header],
        QString("Range (m),Drop (cm),Drop (MOA),Drop (mils),Drop (clicks),Drift (cm),Drift (MOA),Drift (mils),"
                "Drift (clicks),Velocity (m/s),Energy (J),Time of flight (s)"));
    QVERIFY(lines[header + 1].startsWith("100,"));
    QCOMPARE(lines[header + 1].split(',').size(), 12);
    QVERIFY(lines.contains("# load 2: Sierra, 168 \"MK\""));
    QCOMPARE(lines.filter(QRegularExpression("^# stability: .*\\(.*length not checked\\)$")).size(), 1);
    QVERIFY(!result.out.contains("# load 1:"));
}

void TestCli::usUnits()
{
    const Run result = run({"--units", "us", standardFile});
    QCOMPARE(result.exitCode, 0);
    QVERIFY(result.out.contains("\nRange (yd),Drop (in),"));
    QVERIFY(result.out.contains("Velocity (fps),Energy (ft.lbs),Time of flight (s)\n"));
}

void TestCli::jsonMatchesTheProgram_data()
{
    QTest::addColumn<QString>("behaviour");
    QTest::addColumn<int>("master");
    QTest::newRow("indep") << "indep" << 0;
    QTest::newRow("zero on load 2") << "zero" << 2;
    QTest::newRow("angle on load 0") << "angle" << 0;
}

// The same file, loaded and computed in this process, gives the same numbers to the bit.
void TestCli::jsonMatchesTheProgram()
{
    QFETCH(QString, behaviour);
    QFETCH(int, master);

    const Run result = run(
        {"--format", "json", "--series", "--behavior", behaviour, "--master", QString::number(master), standardFile});
    QCOMPARE(result.exitCode, 0);
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(result.out, &error);
    QVERIFY2(error.error == QJsonParseError::NoError, qPrintable(error.errorString()));
    const QJsonArray loads = document.object().value("loads").toArray();
    QCOMPARE(loads.size(), 2);

    QVERIFY(ParameterFile::load(standardFile));
    ShootContainer* container = ShootContainer::instance();
    if (behaviour == "zero")
        container->setMultiShootBehaviorZero();
    else if (behaviour == "angle")
        container->setMultiShootBehaviorAngle();
    else
        container->setMultiShootBehaviorIndep();
    container->SetMasterShoot(master);
    container->Compute();

    const int indices[] = {0, 2};
    for (int i = 0; i < 2; ++i) {
        const QJsonObject entry = loads[i].toObject();
        Shoot* load = container->GetShoot(indices[i]);
        QCOMPARE(entry.value("index").toInt(), indices[i]);
        QCOMPARE(entry.value("title").toString(), load->title());
        QCOMPARE(entry.value("shootAngle").toDouble(), load->shootAngle());
        QCOMPARE(entry.value("zeroRange").toInt(), load->zeroRange());
        QCOMPARE(entry.value("zeroRangeUnit").toInt(), load->zeroRangeUnit());
        QCOMPARE(entry.value("stability").toDouble(), load->GyroscopicStability());
        QCOMPARE(entry.value("lengthNeedsCheck"), QJsonValue(indices[i] == 2));
        const QList<double> pointBlank = load->PointBlankRanges();
        const QJsonArray sentBlank = entry.value("pointBlank").toArray();
        QCOMPARE(sentBlank.size(), 5);
        for (int k = 0; k < 5; ++k)
            QCOMPARE(sentBlank[k].toDouble(), pointBlank[k]);
        const QJsonArray trajectory = entry.value("trajectory").toArray();
        QCOMPARE(trajectory.size(), Shoot::trajectorySeriesCount);
        for (int series = 0; series < Shoot::trajectorySeriesCount; ++series) {
            const QVector<double> expected = load->TrajectorySeries(series);
            const QJsonArray sent = trajectory[series].toArray();
            QCOMPARE(sent.size(), expected.size());
            for (int k = 0; k < sent.size(); k += 97)
                QCOMPARE(sent[k].toDouble(), expected[k]);
        }
        const QJsonArray cardSeries = entry.value("cardSeries").toArray();
        QCOMPARE(cardSeries.size(), Shoot::cardSeriesCount);
        for (int series = 0; series < Shoot::cardSeriesCount; ++series) {
            const QVector<double> expected = load->CardSeries(series);
            const QJsonArray sent = cardSeries[series].toArray();
            QCOMPARE(sent.size(), expected.size());
            for (int k = 0; k < sent.size(); ++k)
                QCOMPARE(sent[k].toDouble(), expected[k]);
        }
        const QJsonObject card = entry.value("card").toObject();
        QCOMPARE(card.value("columns").toArray().size(), 12);
        const QJsonArray rows = card.value("rows").toArray();
        QCOMPARE(rows.size(), load->CardSeries(2).size());
        QCOMPARE(rows[0].toArray()[1].toDouble(), load->CardSeries(3)[0]); // drop (cm) of the first row
    }
    if (behaviour == "zero")
        QCOMPARE(loads[0].toObject().value("zeroRangeUnit").toInt(), 1);
}

void TestCli::warningsGoToStandardErrorAndJson()
{
    const QString file = writeParameters("unreachable.vnt", [](Settings&, ShootContainer& container) {
        Shoot* load = container.GetShoot(1);
        load->setActive(true);
        load->setOrigin("db");
        load->setTitle("Far away");
        load->setBCMulti({0}, {0.05});
        load->setZeroRange(4000);
        load->setZeroRangeUnit(0);
    });
    const Run result = run({"--format", "json", file});
    QCOMPARE(result.exitCode, 0);
    QVERIFY(result.err.contains("Zeroing range not reachable for load : Far away"));
    const QJsonArray warnings = QJsonDocument::fromJson(result.out).object().value("warnings").toArray();
    QCOMPARE(warnings.size(), 1);
    QVERIFY(warnings[0].toString().startsWith("Zeroing range not reachable for load : Far away\n"));
}

void TestCli::malformedFileGivesDefaults()
{
    const QString path = filesDir.filePath("junk.vnt");
    QFile junk(path);
    QVERIFY(junk.open(QIODevice::WriteOnly));
    junk.write(QByteArray("\x00\x01\xff[shoot]\n0\\active=true\n0\\weight=heavy\n=\n[[[\n", 40));
    junk.close();
    const Run result = run({"--format", "json", path});
    QCOMPARE(result.exitCode, 0);
    QVERIFY(QJsonDocument::fromJson(result.out).isObject());
}

void TestCli::hostileValuesShowNoInfinityOrNaN_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<QString>("warning");

    // A database load of the default rifle, with the line that makes it hostile.
    const QByteArray load = "[shoot]\n0\\active=true\n0\\origin=db\n0\\title=Hostile\n0\\weight=168\n"
                            "0\\weightUnit=0\n0\\caliber=0.308\n0\\caliberUnit=0\n0\\length=1.2\n"
                            "0\\lengthUnit=0\n0\\BCmultiBC=0.462\n0\\BCmultiV=0\n0\\zeroRange=200\n"
                            "0\\zeroRangeUnit=0\n0\\muzzleVelocityUnit=1\n";
    const QByteArray moving = "0\\muzzleVelocity=2650\n";
    // Brought into the range of the load page: 30 ft/s, which reaches no zero range.
    QTest::newRow("muzzle velocity 0") << QByteArray(load + "0\\muzzleVelocity=0\n")
                                       << "Zeroing range not reachable for load : Hostile";
    // Settings beyond their widgets' ranges are brought into them as the program shows them;
    // whatever comes of that, nothing non-finite is printed.
    QTest::newRow("below absolute zero") << QByteArray(load + moving + "[envir]\ntemperature=-500\ntemperatureUnit=0\n")
                                         << "";
    QTest::newRow("custom click over 0 m")
        << QByteArray(load + moving + "[rifle]\nscopeClick=6\nmanScopeDistH=0\nmanScopeDistV=0\n"
                      + "[global]\ncardDisplayClicks=true\n")
        << "";
    QTest::newRow("weight 1e308") << QByteArray(load + moving).replace("weight=168", "weight=1e308") << "";
    QTest::newRow("kill zone 1e9") << QByteArray(load + moving + "[global]\nkillZone=1e9\n") << "";
    QTest::newRow("slope 180, no range limit")
        << QByteArray(load + moving + "[envir]\nupHillAngle=180\n[global]\nautoRange=false\nmaxRange=2147483647\n")
        << "";
    QTest::newRow("twist 0, spin drift") << QByteArray(
        load + moving + "[rifle]\ntwist=0\n[global]\nincludeSpinDrift=true\n")
                                         << "";
    QTest::newRow("card step 0") << QByteArray(load + moving + "[global]\ncardStep=0\n") << "";
}

// Values no widget would let through, written into a file by hand: the command ends, says
// what cannot be computed, and neither its CSV nor its JSON shows "nan" or "inf".
void TestCli::hostileValuesShowNoInfinityOrNaN()
{
    QFETCH(QByteArray, contents);
    QFETCH(QString, warning);

    const QString path = filesDir.filePath(QString("hostile-%1.vnt").arg(QTest::currentDataTag()));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(contents);
    file.close();
    for (const QStringList& format : {QStringList{"--format", "csv"}, QStringList{"--format", "json", "--series"}}) {
        const Run result = run(format + QStringList{path});
        QCOMPARE(result.exitCode, 0);
        const QByteArray lower = result.out.toLower();
        QVERIFY2(!lower.contains("nan") && !lower.contains("inf"), result.out.left(2000).constData());
        if (!warning.isEmpty())
            QVERIFY2(result.err.contains(warning.toUtf8()), result.err.constData());
        if (format.contains("json"))
            QVERIFY(QJsonDocument::fromJson(result.out).isObject());
    }
}

void TestCli::userStoreIsNeverTouched()
{
    const QString config = filesDir.filePath("cli-config");
    run({standardFile});
    QVERIFY(!QFileInfo::exists(config + "/Tarvanel"));
}

void TestCli::ballisticCoefficient_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("firstLine");
    const QStringList readings = {"--near-range", "2.5", "--near-velocity", "800", "--far-range", "300"};
    QTest::newRow("metric G1") << QStringList(readings + QStringList{"--far-velocity", "600"}) << 0
                               << "BC = 0.400 (G1)";
    QTest::newRow("no solution") << QStringList(readings + QStringList{"--far-velocity", "850"}) << 4 << "";
    QTest::newRow("far range no flight reaches")
        << QStringList{"--near-range", "0", "--near-velocity", "800", "--far-range", "1e300", "--far-velocity", "1"}
        << 4 << "";
    QTest::newRow("missing reading") << readings << 2 << "";
    QTest::newRow("bad model") << QStringList(readings + QStringList{"--far-velocity", "600", "--model", "G3"}) << 2
                               << "";
    QTest::newRow("letters") << QStringList{"--near-range", "near", "--near-velocity", "800", "--far-range", "300",
        "--far-velocity", "600"}
                             << 2 << "";
    QTest::newRow("unreadable conditions")
        << QStringList(readings + QStringList{"--far-velocity", "600", "--params", "/nonexistent.vnt"}) << 3 << "";
}

void TestCli::ballisticCoefficient()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, firstLine);
    const Run result = run(QStringList{"bc"} + arguments);
    QCOMPARE(result.exitCode, exitCode);
    if (exitCode == 0) {
        const QStringList lines = QString::fromUtf8(result.out).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 2);
        QCOMPARE(lines[0], firstLine);
        QVERIFY(lines[1].startsWith("Muzzle velocity = 80") && lines[1].endsWith(" m/s"));
    } else {
        QVERIFY(result.out.isEmpty());
        QCOMPARE(result.err.count('\n'), 1);
    }
    if (exitCode == 4)
        QCOMPARE(result.err, QByteArray("vanto-cli: Unable to find a valid solution\n"));
}

void TestCli::truing_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("firstLine");
    // The drop load 2 of the standard file has at 600 yd, with its muzzle velocity 40 f/s less.
    QVERIFY(ParameterFile::load(standardFile));
    Shoot* third = ShootContainer::instance()->GetShoot(2);
    third->setMuzzleVelocity(2610);
    const double drop = Truing::computedDrop(*third, Truing::rangeMetres(600, 1));
    third->setMuzzleVelocity(2650);
    const QString inches = QString::number(Truing::dropInUnit(drop, Truing::Inches, 0.0), 'f', 6);
    const QStringList common = {"true", standardFile, "--load", "2", "--range", "600", "--range-unit", "yd"};
    QTest::newRow("velocity") << QStringList(common + QStringList{"--drop", inches, "--drop-unit", "in", "--fit", "mv"})
                              << 0 << "Muzzle velocity = 2610 f/s";
    QTest::newRow("a rise no load gives")
        << QStringList(common + QStringList{"--drop", "-400", "--drop-unit", "in", "--fit", "bc"}) << 4 << "";
    QTest::newRow("no fit") << QStringList(common + QStringList{"--drop", inches}) << 2 << "";
    QTest::newRow("bad drop unit") << QStringList(
        common + QStringList{"--drop", inches, "--drop-unit", "ft", "--fit", "mv"})
                                   << 2 << "";
}

void TestCli::truing()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, firstLine);
    const Run result = run(arguments);
    QCOMPARE(result.exitCode, exitCode);
    if (exitCode == 0) {
        const QStringList lines = QString::fromUtf8(result.out).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 3);
        QCOMPARE(lines[0], firstLine);
        QVERIFY2(lines[2].startsWith("Change = -1.5"), qPrintable(lines[2]));
    } else {
        QVERIFY(result.out.isEmpty());
        QCOMPARE(result.err.count('\n'), 1);
    }
}

void TestCli::titleLineBreaksForgeNoRows()
{
    const QString file = writeParameters("title.vnt", [](Settings&, ShootContainer& container) {
        container.GetShoot(0)->setOrigin("db");
        container.GetShoot(0)->setTitle("Fake\r\n100,0,0,0,0,0,0,0,0,999,1,0.1\u2028# load 3: forged");
    });
    const QStringList lines = QString::fromUtf8(run({file}).out).split('\n');
    QVERIFY(lines.contains("# load 0: Fake  100,0,0,0,0,0,0,0,0,999,1,0.1 # load 3: forged"));
    QVERIFY(lines.filter(QRegularExpression("^(100,0,0,0,0,0,0,0,0,999|# load 3)")).isEmpty());
}

void TestCli::hostileSurroundings_data()
{
    QTest::addColumn<QString>("command"); // for sh, with $CLI, $FILE and $FILES set
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("message");
    const QString cli = "\"$CLI\" --format json --series \"$FILE\"";
    QTest::newRow("output to a full disk") << "\"$CLI\" \"$FILE\" > /dev/full" << 5 << "the output cannot be written";
    QTest::newRow("parameter file of 3 GiB (sparse)")
        << "truncate -s 3G \"$FILES/huge.vnt\" && \"$CLI\" \"$FILES/huge.vnt\"" << 3 << "too large";
    QTest::newRow("full temporary folder") << "\"$CLI\" \"$FILE\"" << 6 << "cannot be written; it may be full";
    // Signals while the output waits in a full pipe: the pipeline's status is its reader's.
    QTest::newRow("broken pipe") << cli + " | head -c 10 > /dev/null" << 0 << "";
    QTest::newRow("terminated") << "timeout -s TERM 0.5 " + cli + " | sleep 3" << 0 << "";
    QTest::newRow("interrupted") << "timeout -s INT 0.5 " + cli + " | sleep 3" << 0 << "";
}

// Output that cannot be written, a file that cannot be read whole and a private store that
// cannot be saved each end with their own status and one line on standard error, never with a
// report of defaults; whatever ends the program, its temporary folder is left empty.
void TestCli::hostileSurroundings()
{
    QFETCH(QString, command);
    QFETCH(int, exitCode);
    QFETCH(QString, message);
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
    const QByteArray err = shell.readAllStandardError();
    if (exitCode != 0) {
        QVERIFY(shell.readAllStandardOutput().isEmpty());
        QCOMPARE(err.count('\n'), 1);
        QVERIFY2(err.startsWith("vanto-cli: ") && err.contains(message.toUtf8()), err.constData());
    }
    const QStringList left
        = QDir(environment.value("TMPDIR")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    QCOMPARE(left, full ? QStringList{".filler"} : QStringList());
}

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
