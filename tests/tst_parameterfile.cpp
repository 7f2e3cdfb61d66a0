// Parameter files: the round trip through a file, the keys a file never carries, the suffix
// rule, the restore of a load, the coefficient-list text, and files that are not parameter
// files at all. Saves that fail must say so and leave no half-written file.
#include "ballistics/coefficientlist.h"
#include "ballistics/shoot.h"
#include "core/messages.h"
#include "loads/shootcontainer.h"
#include "settings/parameterfile.h"
#include "settings/saver.h"
#include "settings/settings.h"

#include <QLoggingCategory>
#include <QRandomGenerator>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

class TestParameterFile : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void saveThenLoadGivesBackTheStore();
    void machineKeysStayOut();
    void existingKeysOfTheFileStay();
    void suffixRule_data();
    void suffixRule();
    void saveRemembersTheDirectory();
    void cancelledDialogsChangeNothing();
    void titleRule_data();
    void titleRule();
    void coefficientListText_data();
    void coefficientListText();
    void shorterListPairing();
    void fileWithoutLoadThreeLeavesItAlone();
    void defaultPressureInAFile();
    void notParameterFiles_data();
    void notParameterFiles();
    void unwritableTargetIsReported();
    void vanishedFileIsReported();

private:
    QString writeFile(const QString& name, const QByteArray& contents);
    QMap<QString, QString> storeContents() const;

    QTemporaryDir storeDir;
    QTemporaryDir filesDir;
    Settings* settings = nullptr;
    ShootContainer* container = nullptr;
    QStringList warnings;
};

void TestParameterFile::initTestCase()
{
    QLoggingCategory::setFilterRules("default.debug=false");
    QCoreApplication::setOrganizationName("Tarvanel");
    QCoreApplication::setApplicationName("Vanto4");
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, storeDir.path());
    Messages::setWarningSink([this](const QString& title, const QString& text) { warnings << title + "|" + text; });
    settings = Settings::instance();
    container = ShootContainer::instance();
}

// Every test starts from a full store of defaults. The program's settings and loads only write
// what changes, so fresh objects write the cleared store again first.
void TestParameterFile::init()
{
    QSettings().clear();
    Settings().initialize();
    for (int index = 0; index < ShootContainer::loadCount; ++index)
        Shoot(index).restoreFromSettings();
    settings->initialize();
    ParameterFile::restoreLoads();
    warnings.clear();
}

QString TestParameterFile::writeFile(const QString& name, const QByteArray& contents)
{
    const QString path = filesDir.filePath(name);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(contents);
    return path;
}

QMap<QString, QString> TestParameterFile::storeContents() const
{
    QSettings store;
    QMap<QString, QString> contents;
    for (const QString& key : store.allKeys())
        contents[key] = store.value(key).toString();
    return contents;
}

void TestParameterFile::saveThenLoadGivesBackTheStore()
{
    settings->setUnitSystem(1);
    settings->setTemperature(-7.5);
    settings->setWindAngle(-120);
    settings->setIncludeSpinDrift(true);
    Shoot* load = container->GetShoot(2);
    load->setActive(true);
    load->setOrigin("db");
    load->setTitle("Hornady, ELD-X 143 \"match\"");
    load->setBCMulti({0, 1800, 2400}, {0.5, 0.48, 0.455});
    load->setNote("line one; with = signs");
    const QMap<QString, QString> saved = storeContents();

    const QString file = filesDir.filePath("round.vnt");
    QVERIFY(ParameterFile::save(file));

    settings->setUnitSystem(0);
    settings->setTemperature(30);
    load->setTitle("changed");
    load->setBCMulti({0}, {0.3});
    QVERIFY(ParameterFile::load(file));

    QCOMPARE(storeContents(), saved);
    QCOMPARE(settings->unitSystem(), 1);
    QCOMPARE(settings->temperature(), -7.5);
    QCOMPARE(load->title(), QString("Hornady, ELD-X 143 \"match\""));
    QCOMPARE(load->BCList(), QList<double>({0.5, 0.48, 0.455}));
    QCOMPARE(load->velMinList(), QList<double>({0, 1800, 2400}));
    QCOMPARE(load->note(), QString("line one; with = signs"));
}

void TestParameterFile::machineKeysStayOut()
{
    settings->setSaveDir("/home/someone/params");
    settings->setLanguage("it");
    const QString file = filesDir.filePath("machine.vnt");
    QVERIFY(ParameterFile::save(file));
    QSettings written(file, QSettings::IniFormat);
    QVERIFY(!written.contains("global/saveDir"));
    QVERIFY(!written.contains("global/language"));
    QVERIFY(written.contains("global/unitSystem"));
    QVERIFY(written.contains("shoot/0/title"));

    settings->setLanguage("fr");
    QVERIFY(ParameterFile::load(file));
    QCOMPARE(settings->language(), QString("fr"));
    QCOMPARE(settings->saveDir(), QString("/home/someone/params"));

    // A file that holds them anyway (a hand edit) changes neither.
    const QString foreign = writeFile("foreign.vnt", "[global]\nlanguage=it\nsaveDir=/elsewhere\nunitSystem=1\n");
    QVERIFY(ParameterFile::load(foreign));
    QCOMPARE(settings->unitSystem(), 1);
    QCOMPARE(QSettings().value("global/language").toString(), QString("fr"));
    QCOMPARE(QSettings().value("global/saveDir").toString(), QString("/home/someone/params"));
}

void TestParameterFile::existingKeysOfTheFileStay()
{
    const QString file = writeFile("existing.vnt", "[extra]\nkept=yes\n[global]\nunitSystem=1\n");
    QVERIFY(ParameterFile::save(file));
    QSettings written(file, QSettings::IniFormat);
    QCOMPARE(written.value("extra/kept").toString(), QString("yes"));
    QCOMPARE(written.value("global/unitSystem").toString(), QString("0"));
}

void TestParameterFile::suffixRule_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("written");
    QTest::newRow("no suffix") << "abc"
                               << "abc.vnt";
    QTest::newRow("upper-case suffix") << "abc.VNT"
                                       << "abc.VNT.vnt";
    QTest::newRow("suffix") << "abc.vnt"
                            << "abc.vnt";
    QTest::newRow("other suffix") << "abc.ini"
                                  << "abc.ini.vnt";
}

void TestParameterFile::suffixRule()
{
    QFETCH(QString, typed);
    QFETCH(QString, written);
    QTemporaryDir dir;
    Saver saver;
    saver.setSaveFileNameProvider(
        [&](QWidget*, const QString&, const QString&, const QString&) { return dir.filePath(typed); });
    saver.save();
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList({written}));
    QVERIFY(warnings.isEmpty());
}

void TestParameterFile::saveRemembersTheDirectory()
{
    QTemporaryDir dir;
    QString startedIn = "not asked";
    QString caption;
    QString filter;
    Saver saver;
    saver.setSaveFileNameProvider([&](QWidget*, const QString& title, const QString& start, const QString& files) {
        startedIn = start;
        caption = title;
        filter = files;
        return dir.filePath("kept");
    });
    saver.save();
    QCOMPARE(caption, QString("Save File"));
    QCOMPARE(filter, QString("Vanto Files (*.vnt)"));
    QCOMPARE(settings->saveDir(), QDir(dir.path()).absolutePath());

    saver.setOpenFileNameProvider([&](QWidget*, const QString& title, const QString& start, const QString&) {
        startedIn = start;
        caption = title;
        return QString();
    });
    saver.load();
    QCOMPARE(caption, QString("Load File"));
    QCOMPARE(startedIn, QDir(dir.path()).absolutePath());
}

void TestParameterFile::cancelledDialogsChangeNothing()
{
    const QMap<QString, QString> before = storeContents();
    Saver saver;
    saver.setSaveFileNameProvider([](QWidget*, const QString&, const QString&, const QString&) { return QString(); });
    saver.setOpenFileNameProvider([](QWidget*, const QString&, const QString&, const QString&) { return QString(); });
    saver.save();
    saver.load();
    QCOMPARE(storeContents(), before);
    QVERIFY(warnings.isEmpty());
}

void TestParameterFile::titleRule_data()
{
    QTest::addColumn<QString>("origin");
    QTest::addColumn<QString>("storedTitle");
    QTest::addColumn<QString>("expected");
    QTest::newRow("hand-typed load") << "manual"
                                     << "Custom"
                                     << "Load 2";
    QTest::newRow("database load") << "db"
                                   << "Sierra 168 HPBT"
                                   << "Sierra 168 HPBT";
    QTest::newRow("database load without title") << "db" << QString() << "Load 2";
    QTest::newRow("origin in another case") << "Manual"
                                            << "Custom"
                                            << "Custom";
}

void TestParameterFile::titleRule()
{
    QFETCH(QString, origin);
    QFETCH(QString, storedTitle);
    QFETCH(QString, expected);
    QByteArray contents = "[shoot]\n1\\origin=" + origin.toUtf8() + "\n";
    if (!storedTitle.isNull())
        contents += "1\\title=" + storedTitle.toUtf8() + "\n";
    if (storedTitle.isNull())
        QSettings().remove("shoot/1/title");
    QVERIFY(ParameterFile::load(writeFile("title.vnt", contents)));
    QCOMPARE(container->GetShoot(1)->title(), expected);
}

void TestParameterFile::coefficientListText_data()
{
    QTest::addColumn<QList<double>>("values");
    QTest::addColumn<QString>("text");
    QTest::newRow("three coefficients") << QList<double>{0.5, 0.48, 0.455} << "0.5;0.48;0.455";
    QTest::newRow("three velocities") << QList<double>{0, 2200, 1800} << "0;2200;1800";
    QTest::newRow("six significant digits") << QList<double>{0.1234567, 1234567} << "0.123457;1.23457e+06";
    QTest::newRow("single") << QList<double>{0.75} << "0.75";
    QTest::newRow("empty") << QList<double>{} << "";
}

void TestParameterFile::coefficientListText()
{
    QFETCH(QList<double>, values);
    QFETCH(QString, text);
    QCOMPARE(CoefficientList::format(values), text);
    if (!values.isEmpty() && !text.contains('e'))
        QCOMPARE(CoefficientList::parse(text), values);
    QCOMPARE(CoefficientList::parse(";0.3;x; 2 ;nan;inf;1e3"), QList<double>({0, 0.3, 0, 2, 0, 0, 1000}));
    QCOMPARE(CoefficientList::parse(""), QList<double>({0}));
}

void TestParameterFile::shorterListPairing()
{
    const QString file = writeFile("pairs.vnt",
        "[shoot]\n0\\BCmultiBC=\"0.5;0.45;0.4\"\n0\\BCmultiV=\"0;2000\"\n"
        "1\\BCmultiBC=\"0.5;0.45\"\n1\\BCmultiV=\"0;2000\"\n");
    QVERIFY(ParameterFile::load(file));
    QCOMPARE(container->GetShoot(0)->BCList(), QList<double>({0.5, 0.45}));
    QCOMPARE(container->GetShoot(0)->velMinList(), QList<double>({0, 2000}));
    QCOMPARE(container->GetShoot(1)->BCList(), QList<double>({0.5, 0.45}));
    // The lists are written back in their canonical form.
    QCOMPARE(QSettings().value("shoot/0/BCmultiBC").toString(), QString("0.5;0.45"));
}

void TestParameterFile::fileWithoutLoadThreeLeavesItAlone()
{
    Shoot* load = container->GetShoot(3);
    load->setMuzzleVelocity(777);
    load->setActive(true);
    const QString file = writeFile("partial.vnt", "[shoot]\n0\\muzzleVelocity=900\n[global]\nkillZone=12\n");
    QVERIFY(ParameterFile::load(file));
    QCOMPARE(load->muzzleVelocity(), 777);
    QVERIFY(load->active());
    QCOMPARE(container->GetShoot(0)->muzzleVelocity(), 900);
    QCOMPARE(settings->killZone(), 12.0);
}

void TestParameterFile::defaultPressureInAFile()
{
    const QString file = writeFile("pressure.vnt",
        "[envir]\nuseDefaultPressure=true\nbasePressure=640\n"
        "basePressureUnit=1\n");
    QVERIFY(ParameterFile::load(file));
    QCOMPARE(settings->basePressure(), 1013.0);
    QCOMPARE(settings->basePressureUnit(), 0);
    QCOMPARE(QSettings().value("envir/basePressure").toDouble(), 1013.0);
}

void TestParameterFile::notParameterFiles_data()
{
    QTest::addColumn<QByteArray>("contents");

    QByteArray valid;
    {
        const QString path = filesDir.filePath("valid-source.vnt");
        ParameterFile::save(path);
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        valid = file.readAll();
    }
    QByteArray random(1 << 16, '\0');
    QRandomGenerator generator(1234);
    for (char& byte : random)
        byte = char(generator.bounded(256));
    QByteArray huge;
    huge.reserve(24 << 20);
    while (huge.size() < (24 << 20))
        huge += "[shoot]\n9\\weight=" + QByteArray::number(huge.size()) + "\nunknown" + QByteArray::number(huge.size())
            + "=1\n";

    QTest::newRow("empty") << QByteArray();
    QTest::newRow("random bytes") << random;
    QTest::newRow("truncated") << valid.left(valid.size() / 2);
    QTest::newRow("24 MB of unknown keys") << huge;
    QTest::newRow("letters for numbers") << QByteArray(
        "[global]\nmaxRange=far\nkillZone=wide\n[envir]\ntemperature=hot\nupHillAngle=steep\n"
        "[rifle]\ntwist=nan\n[shoot]\n0\\muzzleVelocity=fast\n0\\weight=heavy\n0\\BCmultiBC=\"a;b\"\n"
        "0\\BCmultiV=\"c;d;e\"\n0\\active=perhaps\n");
    QTest::newRow("lists that do not parse") << QByteArray("[shoot]\n2\\BCmultiBC=;;;\n2\\BCmultiV=\"x\"\n");
}

// No crash, no hang: what the file lacks takes the defaults, what does not read gives 0, and
// the store keeps only keys the program knows.
void TestParameterFile::notParameterFiles()
{
    QFETCH(QByteArray, contents);
    const QString file = writeFile("bad.vnt", contents);
    QVERIFY(ParameterFile::load(file));
    QVERIFY(warnings.isEmpty());

    QSettings store;
    QCOMPARE(store.status(), QSettings::NoError);
    const QStringList known = Settings::keys();
    for (const QString& key : store.allKeys())
        QVERIFY2(known.contains(key) || QRegularExpression("^shoot/[0-3]/\\w+$").match(key).hasMatch(),
            qPrintable(key.left(60)));
    for (double value : {settings->killZone(), settings->temperature(), settings->twist(), settings->windVelocity()})
        QVERIFY(std::isfinite(value));
    for (int index = 0; index < ShootContainer::loadCount; ++index) {
        const Shoot* load = container->GetShoot(index);
        QVERIFY(std::isfinite(load->weight()) && std::isfinite(load->caliber()));
        QVERIFY(!load->BCList().isEmpty());
        QCOMPARE(load->BCList().size(), load->velMinList().size());
    }
    if (QByteArray(QTest::currentDataTag()) == "letters for numbers") {
        // 0, brought into the ranges of the widgets.
        QCOMPARE(settings->maxRange(), 100);
        QCOMPARE(settings->killZone(), 0.1);
        QCOMPARE(settings->twist(), 5.0);
        QCOMPARE(container->GetShoot(0)->muzzleVelocity(), 30);
        QCOMPARE(container->GetShoot(0)->BCList(), QList<double>({0, 0}));
    }
    if (QByteArray(QTest::currentDataTag()) == "empty")
        QCOMPARE(container->GetShoot(1)->BCList(), QList<double>({0.75}));
}

void TestParameterFile::unwritableTargetIsReported()
{
    // A folder where the file should be, and a folder that does not exist.
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir("taken.vnt"));
    for (const QString& target : {dir.filePath("taken.vnt"), dir.filePath("missing/folder/params.vnt")}) {
        warnings.clear();
        Saver saver;
        saver.setSaveFileNameProvider([&](QWidget*, const QString&, const QString&, const QString&) { return target; });
        saver.save();
        QCOMPARE(warnings.size(), 1);
        QVERIFY2(warnings.first().startsWith("Warning|The parameters could not be saved to " + target),
            qPrintable(warnings.first()));
    }
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList());

    // A failed save leaves the old file as it was.
    const QString existing = writeFile("old.vnt", "[global]\nunitSystem=1\n");
    QVERIFY(!ParameterFile::save(existing + "/impossible"));
    QFile old(existing);
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), QByteArray("[global]\nunitSystem=1\n"));
}

void TestParameterFile::vanishedFileIsReported()
{
    const QMap<QString, QString> before = storeContents();
    const QString gone = filesDir.filePath("gone.vnt");
    Saver saver;
    saver.setOpenFileNameProvider([&](QWidget*, const QString&, const QString&, const QString&) { return gone; });
    saver.load();
    QCOMPARE(warnings.size(), 1);
    QVERIFY(warnings.first().startsWith("Warning|The parameter file " + gone + " could not be read"));
    QCOMPARE(storeContents(), before);
}

QTEST_MAIN(TestParameterFile)
#include "tst_parameterfile.moc"
