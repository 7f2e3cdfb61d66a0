// The settings store and the log writer: what a first and a later initialize() write and signal,
// the setter patterns, the side effects of the pressure and altitude switches, the values read
// back from a store (converted to SI, or unreadable), and a log that cannot be written.
#include "core/logwriter.h"
#include "filetesting.h"
#include "ordinaryuser.h"
#include "settings/settings.h"

#include <QDir>
#include <QMetaMethod>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>
#include <memory>
#include <optional>

using SettingsReading = std::function<double(const Settings&)>;
Q_DECLARE_METATYPE(SettingsReading)

class TestSettings : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void firstInitializeWritesAndSignalsEveryKey();
    void settersWriteAndSignal();
    void defaultPressureRewritesBasePressure();
    void altitudeCorrectionOffClearsAltitude();
    void storedValuesRead_data();
    void storedValuesRead();
    void logLinesEndInCrLf();
    void unwritableLogIsIgnored_data();
    void unwritableLogIsIgnored();

private:
    static QString stored(const QString& key) { return QSettings().value(key).toString(); }

    std::unique_ptr<QTemporaryDir> storeDir;
};

void TestSettings::initTestCase()
{
    QCoreApplication::setOrganizationName("Tarvanel");
    QCoreApplication::setApplicationName("Vanto4");
    QVERIFY2(
        QSettings().fileName().startsWith(qEnvironmentVariable("XDG_CONFIG_HOME")), qPrintable(QSettings().fileName()));
}

// Every test function gets an empty store of its own.
void TestSettings::init()
{
    storeDir = std::make_unique<QTemporaryDir>();
    QVERIFY(storeDir->isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, storeDir->path());
    QVERIFY(QSettings().allKeys().isEmpty());
}

// Every widget receives its value on the first initialize(), whatever the value, and each setter
// writes its own key; a second initialize() signals only what changed in the store.
void TestSettings::firstInitializeWritesAndSignalsEveryKey()
{
    Settings settings;
    std::vector<std::unique_ptr<QSignalSpy>> spies;
    const QMetaObject* meta = settings.metaObject();
    for (int index = meta->methodOffset(); index < meta->methodCount(); ++index)
        if (meta->method(index).methodType() == QMetaMethod::Signal)
            spies.push_back(std::make_unique<QSignalSpy>(&settings, meta->method(index)));
    QCOMPARE(spies.size(), std::size_t(40));
    settings.initialize();
    for (const auto& spy : spies)
        QVERIFY2(spy->count() == (spy->signal() == "languageChanged(QString)" ? 0 : 1)
                || spy->signal() == "altitudeChanged(double)",
            spy->signal().constData());
    QCOMPARE(settings.altitude(), 0.0); // read as 150, cleared by the altitude correction that is off

    QStringList expected = Settings::keys();
    expected.removeAll("global/saveDir");
    expected.removeAll("global/language");
    expected.sort();
    QStringList keys = QSettings().allKeys();
    keys.sort();
    QCOMPARE(keys, expected);
    QCOMPARE(stored("rifle/twist"), QString("13"));

    QSettings().setValue("global/maxRange", 1200);
    QSignalSpy maxRange(&settings, &Settings::maxRangeChanged);
    QSignalSpy cardStep(&settings, &Settings::cardStepChanged);
    QSignalSpy windAngle(&settings, &Settings::windAngleChanged);
    settings.initialize();
    QCOMPARE(maxRange.count(), 1);
    QCOMPARE(maxRange.at(0).at(0).toInt(), 1200);
    QCOMPARE(cardStep.count(), 0);
    QCOMPARE(windAngle.count(), 1); // the wind angle signals on every call
}

void TestSettings::settersWriteAndSignal()
{
    Settings settings;
    settings.initialize();

    // A compared setter writes and signals a change, never an equal value.
    QSignalSpy cardStep(&settings, &Settings::cardStepChanged);
    settings.setCardStep(50);
    settings.setCardStep(25);
    QCOMPARE(cardStep.count(), 1);
    QCOMPARE(stored("global/cardStep"), QString("25"));

    // A double setter signals only while the store is read: an edit is not echoed to its widget.
    QSignalSpy twist(&settings, &Settings::twistChanged);
    settings.setTwist(9.5);
    QCOMPARE(twist.count(), 0);
    QCOMPARE(stored("rifle/twist"), QString("9.5"));
    settings.setInitialized(false);
    settings.setTwist(9.5);
    settings.setTwist(10);
    QCOMPARE(twist.count(), 1);
    settings.setInitialized(true);

    // The kill zone signals every change; switches, the wind angle and the angle display every call.
    QSignalSpy killZone(&settings, &Settings::killZoneChanged);
    settings.setKillZone(20.0);
    settings.setKillZone(20.0);
    QCOMPARE(killZone.count(), 1);
    QSignalSpy spinDrift(&settings, &Settings::includeSpinDriftChanged);
    QSignalSpy windAngle(&settings, &Settings::windAngleChanged);
    for (int call = 0; call < 2; ++call) {
        settings.setIncludeSpinDrift(true);
        settings.setWindAngle(90);
    }
    QCOMPARE(spinDrift.count(), 2);
    QCOMPARE(windAngle.count(), 2);
    QCOMPARE(stored("global/includeSpinDrift"), QString("true"));

    // The save folder is stored without a signal; a display text never touches the store.
    settings.setSaveDir("/tmp/parameters");
    QCOMPARE(stored("global/saveDir"), QString("/tmp/parameters"));
    const QStringList keysBefore = QSettings().allKeys();
    settings.setTemperatureUnitStr("F");
    QCOMPARE(settings.temperatureUnitStr(), QString("F"));
    QCOMPARE(QSettings().allKeys(), keysBefore);

    // The language is read apart from initialize(), and only a locale code counts.
    QSignalSpy language(&settings, &Settings::languageChanged);
    QSettings().setValue("global/language", "it");
    settings.initialize();
    QCOMPARE(settings.language(), QString());
    settings.initializeLanguage();
    QCOMPARE(settings.language(), QString("it"));
    QSettings().setValue("global/language", "../../etc/passwd");
    settings.initializeLanguage();
    QCOMPARE(settings.language(), QString());
    QCOMPARE(language.count(), 2);
}

void TestSettings::defaultPressureRewritesBasePressure()
{
    Settings settings;
    settings.initialize();
    settings.setUseDefaultPressure(false);
    settings.setBasePressure(700);
    settings.setBasePressureUnit(1);
    settings.setUseDefaultPressure(true);
    QCOMPARE(settings.basePressure(), 1013.0);
    QCOMPARE(settings.basePressureUnit(), 0);
    QCOMPARE(stored("envir/basePressure"), QString("1013"));
    QCOMPARE(stored("envir/basePressureUnit"), QString("0"));

    // A stored pressure read after a true "default pressure" is already rewritten.
    QSettings().setValue("envir/basePressure", 850);
    settings.initialize();
    QCOMPARE(settings.basePressure(), 1013.0);
}

void TestSettings::altitudeCorrectionOffClearsAltitude()
{
    Settings settings;
    settings.initialize();
    settings.setAltitudeCorrection(true);
    settings.setAltitude(1000);
    QVERIFY(settings.stationPressureHPa() < settings.pressureHPa());
    settings.setAltitudeCorrection(false);
    QCOMPARE(settings.altitude(), 0.0);
    QCOMPARE(stored("envir/altitude"), QString("0"));
    QCOMPARE(settings.stationPressureHPa(), settings.pressureHPa());
}

void TestSettings::storedValuesRead_data()
{
    QTest::addColumn<QVariantMap>("store");
    QTest::addColumn<SettingsReading>("reading");
    QTest::addColumn<double>("expected");
    const auto row = [](const char* tag, const QVariantMap& store, SettingsReading reading, double expected) {
        QTest::newRow(tag) << store << reading << expected;
    };
    const SettingsReading killZone = [](const Settings& s) { return s.killZoneSI(); };
    const SettingsReading maxRange = [](const Settings& s) { return s.maxRangeSI(); };
    const SettingsReading station = [](const Settings& s) { return s.stationPressureHPa(); };
    const SettingsReading wind = [](const Settings& s) { return s.windVelocitySI(); };
    const SettingsReading windAngle = [](const Settings& s) { return s.windAngleRad(); };
    const SettingsReading temperature = [](const Settings& s) { return s.temperatureCelsius(); };
    const SettingsReading slope = [](const Settings& s) { return s.upHillAngleRad(); };
    const SettingsReading sight = [](const Settings& s) { return s.sightHeightSI(); };
    const SettingsReading twist = [](const Settings& s) { return s.twistSI(); };
    const SettingsReading clickH = [](const Settings& s) { return s.clickValueH(); };
    const SettingsReading clickV = [](const Settings& s) { return s.clickValueV(); };
    const SettingsReading cardStep = [](const Settings& s) { return s.cardStep(); };
    const SettingsReading spinDrift = [](const Settings& s) { return s.includeSpinDrift() ? 1 : 0; };
    const double degree = 0.0174533;

    // Units converted to SI.
    row("kill zone 10 in", {{"global/killZone", 10}, {"global/killZoneUnit", 1}}, killZone, 0.254);
    row("max range 1000 yd", {{"global/maxRange", 1000}, {"global/maxRangeUnit", 1}}, maxRange, 1000 / 1.0936133);
    row("750 mmHg", {{"envir/useDefaultPressure", false}, {"envir/basePressure", 750}, {"envir/basePressureUnit", 1}},
        station, 750 * 1.3332239);
    row("station at 1000 ft", {{"envir/altitudeCorrection", true}, {"envir/altitude", 1000}, {"envir/altitudeUnit", 1}},
        station, 1013 * std::pow(1 - 2.25577e-5 * 304.8, 5.25588));
    row("wind 10 ft/s", {{"envir/windVelocity", 10}, {"envir/windVelocityUnit", 1}}, wind, 3.048);
    row("wind 10 km/h", {{"envir/windVelocity", 10}, {"envir/windVelocityUnit", 2}}, wind, 10 / 3.6);
    row("wind 10 mph", {{"envir/windVelocity", 10}, {"envir/windVelocityUnit", 3}}, wind, 4.4704);
    row("wind angle -90", {{"envir/windAngle", -90}}, windAngle, -90 * degree);
    row("50 F", {{"envir/temperature", 50}, {"envir/temperatureUnit", 1}}, temperature, 10.0);
    row("downhill 10", {{"envir/upHillAngle", 10}, {"envir/upHillDirection", 1}}, slope, -10 * degree);
    row("sight 1.5 in", {{"rifle/sightHeight", 1.5}, {"rifle/sightHeightUnit", 1}}, sight, 0.0381);
    row("twist 13 in left (default)", {}, twist, -0.3302);
    row("twist 30 cm right", {{"rifle/twist", 30}, {"rifle/twistUnit", 0}, {"rifle/twistDirection", 0}}, twist, 0.30);
    row("click 1/8 MOA", {{"rifle/scopeClick", 3}}, clickV, 0.125);
    row("click 1 cm at 100 m", {{"rifle/scopeClick", 5}}, clickH, 0.3438);
    row("custom click 1 in at 100 yd",
        {{"rifle/scopeClick", 6}, {"rifle/manScopeDevH", 1}, {"rifle/manScopeDevUnitH", 1},
            {"rifle/manScopeDistUnitH", 1}},
        clickH, 34.38 * 2.54 * 1.0936133 / 100);
    row("custom vertical click 2 cm at 50 m",
        {{"rifle/scopeClick", 6}, {"rifle/manScopeDevH", 5}, {"rifle/manScopeDevV", 2}, {"rifle/manScopeDistV", 50}},
        clickV, 34.38 * 2 / 50);

    // Values of the wrong type give what the conversion gives, within the range of the widget;
    // a direction wraps around (270 is -90, never the clamped 180 of a head wind).
    row("letters for an integer", {{"global/maxRange", "far"}}, maxRange, 100.0);
    row("decimal for an integer", {{"global/cardStep", "25.7"}}, cardStep, 25.0);
    row("wind from 270", {{"envir/windAngle", "270"}}, windAngle, -90 * degree);
    row("wind from -190.5", {{"envir/windAngle", "-190.5"}}, windAngle, 170 * degree);
    row("nan for a double", {{"envir/windVelocity", "nan"}}, wind, 0.0);
    row("negative slope", {{"envir/upHillAngle", "-12.7"}}, slope, 0.0);
    row("huge slope", {{"envir/upHillAngle", "1e300"}}, slope, 75 * degree);
    row("unit beyond the list", {{"rifle/twistUnit", 5}, {"rifle/twist", 10}}, twist, -0.254);
    row("empty boolean", {{"global/includeSpinDrift", ""}}, spinDrift, 0.0);
}

void TestSettings::storedValuesRead()
{
    QFETCH(QVariantMap, store);
    QFETCH(SettingsReading, reading);
    QFETCH(double, expected);
    for (auto it = store.cbegin(); it != store.cend(); ++it)
        QSettings().setValue(it.key(), it.value());
    Settings settings;
    settings.initialize();
    const double actual = reading(settings);
    QVERIFY2(qAbs(actual - expected) <= 1e-12 * qMax(1.0, qAbs(expected)),
        qPrintable(QString("actual %1, expected %2").arg(actual, 0, 'g', 17).arg(expected, 0, 'g', 17)));
}

// Lines end in CR LF; writers share one file; reset() starts it again; a file deleted from
// outside comes back.
void TestSettings::logLinesEndInCrLf()
{
    QTemporaryDir dir;
    LogWriter first(dir.path(), "log");
    QCOMPARE(first.fileName(), dir.path() + "/log.txt");
    first.write("old line");
    first.reset();
    LogWriter second(dir.path(), "log");
    second.write("/opt/vanto");
    first.write("");
    QCOMPARE(FileTesting::state(first.fileName()),
        QByteArray("réinitialisation du logwriter !\r\nnouveau logwriter\r\n/opt/vanto\r\n\r\n"));
    QVERIFY(QFile::remove(first.fileName()));
    first.write("again");
    QCOMPARE(FileTesting::state(first.fileName()), QByteArray("again\r\n"));
}

void TestSettings::unwritableLogIsIgnored_data()
{
    QTest::addColumn<QString>("fault");
    QTest::newRow("missing folder") << "missing";
    QTest::newRow("log.txt is a folder") << "folder";
    QTest::newRow("read-only log.txt in a read-only folder") << "read-only file";
}

// Writing and starting the file again fail quietly and leave what is there as it was.
void TestSettings::unwritableLogIsIgnored()
{
    QFETCH(QString, fault);
    QTemporaryDir dir;
    const QString folder = fault == "missing" ? dir.filePath("no/such/folder") : dir.path();
    const QString fileName = folder + "/log.txt";
    if (fault == "folder") {
        QVERIFY(QDir().mkdir(fileName));
    } else if (fault == "read-only file") {
        QFile file(fileName);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("earlier\r\n");
        file.close();
        QVERIFY(OrdinaryUser::makeReadOnly(fileName));
        QVERIFY(OrdinaryUser::makeReadOnly(dir.path()));
    }
    const QByteArray before = FileTesting::state(fileName);
    {
        std::optional<OrdinaryUser::Scope> user;
        if (fault == "read-only file") {
            user.emplace();
            if (!user->active())
                QSKIP("cannot take the identity of an ordinary user");
        }
        LogWriter log(folder, "log");
        log.reset();
        log.write("/opt/vanto");
    }
    QCOMPARE(FileTesting::state(fileName), before);
    QVERIFY(OrdinaryUser::makeOpen(dir.path()));
}

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
