#include "settings/settings.h"

#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>
#include <memory>

using SettingsAction = std::function<void(Settings&)>;
using SettingsReading = std::function<double(const Settings&)>;
Q_DECLARE_METATYPE(SettingsAction)
Q_DECLARE_METATYPE(SettingsReading)

namespace {

// The persisted keys with their defaults, as a fresh store must hold them after initialize().
const QList<QPair<QString, QString>> expectedDefaults = {
    {"global/unitSystem", "0"},
    {"global/useAngleDisplay", "0"},
    {"global/killZone", "30"},
    {"global/killZoneUnit", "0"},
    {"global/maxRange", "800"},
    {"global/maxRangeUnit", "0"},
    {"global/autoRange", "true"},
    {"global/includeSpinDrift", "false"},
    {"global/cardStep", "50"},
    {"global/cardDisplayMOA", "false"},
    {"global/cardDisplayMils", "false"},
    {"global/cardDisplayClicks", "false"},
    {"envir/useDefaultPressure", "true"},
    {"envir/basePressure", "1013"},
    {"envir/basePressureUnit", "0"},
    {"envir/altitude", "0"},
    {"envir/altitudeUnit", "0"},
    {"envir/altitudeCorrection", "false"},
    {"envir/windVelocity", "15"},
    {"envir/windVelocityUnit", "0"},
    {"envir/windAngle", "0"},
    {"envir/temperature", "25"},
    {"envir/temperatureUnit", "0"},
    {"envir/upHillAngle", "0"},
    {"envir/upHillDirection", "0"},
    {"rifle/sightHeight", "3.5"},
    {"rifle/sightHeightUnit", "0"},
    {"rifle/twist", "13"},
    {"rifle/twistUnit", "1"},
    {"rifle/twistDirection", "1"},
    {"rifle/scopeClick", "1"},
    {"rifle/manScopeDevH", "0"},
    {"rifle/manScopeDevUnitH", "0"},
    {"rifle/manScopeDistH", "100"},
    {"rifle/manScopeDistUnitH", "0"},
    {"rifle/manScopeDevV", "0"},
    {"rifle/manScopeDevUnitV", "0"},
    {"rifle/manScopeDistV", "100"},
    {"rifle/manScopeDistUnitV", "0"},
};

struct IntSetterCase {
    const char* key;
    void (Settings::*set)(int);
    int (Settings::*get)() const;
    const char* signal;
};

// Setters that compare, write and emit (the string setter is tested on its own).
const IntSetterCase comparedIntSetters[] = {
    {"global/unitSystem", &Settings::setUnitSystem, &Settings::unitSystem, SIGNAL(unitSystemChanged(int))},
    {"global/killZoneUnit", &Settings::setKillZoneUnit, &Settings::killZoneUnit, SIGNAL(killZoneUnitChanged(int))},
    {"global/maxRange", &Settings::setMaxRange, &Settings::maxRange, SIGNAL(maxRangeChanged(int))},
    {"global/maxRangeUnit", &Settings::setMaxRangeUnit, &Settings::maxRangeUnit, SIGNAL(maxRangeUnitChanged(int))},
    {"global/cardStep", &Settings::setCardStep, &Settings::cardStep, SIGNAL(cardStepChanged(int))},
    {"envir/basePressureUnit", &Settings::setBasePressureUnit, &Settings::basePressureUnit,
        SIGNAL(basePressureUnitChanged(int))},
    {"envir/altitudeUnit", &Settings::setAltitudeUnit, &Settings::altitudeUnit, SIGNAL(altitudeUnitChanged(int))},
    {"envir/windVelocityUnit", &Settings::setWindVelocityUnit, &Settings::windVelocityUnit,
        SIGNAL(windVelocityUnitChanged(int))},
    {"envir/temperatureUnit", &Settings::setTemperatureUnit, &Settings::temperatureUnit,
        SIGNAL(temperatureUnitChanged(int))},
    {"envir/upHillAngle", &Settings::setUpHillAngle, &Settings::upHillAngle, SIGNAL(upHillAngleChanged(int))},
    {"envir/upHillDirection", &Settings::setUpHillDirection, &Settings::upHillDirection,
        SIGNAL(upHillDirectionChanged(int))},
    {"rifle/sightHeightUnit", &Settings::setSightHeightUnit, &Settings::sightHeightUnit,
        SIGNAL(sightHeightUnitChanged(int))},
    {"rifle/twistUnit", &Settings::setTwistUnit, &Settings::twistUnit, SIGNAL(twistUnitChanged(int))},
    {"rifle/twistDirection", &Settings::setTwistDirection, &Settings::twistDirection,
        SIGNAL(twistDirectionChanged(int))},
    {"rifle/scopeClick", &Settings::setScopeClick, &Settings::scopeClick, SIGNAL(scopeClickChanged(int))},
    {"rifle/manScopeDevUnitH", &Settings::setManScopeDevUnitH, &Settings::manScopeDevUnitH,
        SIGNAL(manScopeDevUnitHChanged(int))},
    {"rifle/manScopeDistUnitH", &Settings::setManScopeDistUnitH, &Settings::manScopeDistUnitH,
        SIGNAL(manScopeDistUnitHChanged(int))},
    {"rifle/manScopeDevUnitV", &Settings::setManScopeDevUnitV, &Settings::manScopeDevUnitV,
        SIGNAL(manScopeDevUnitVChanged(int))},
    {"rifle/manScopeDistUnitV", &Settings::setManScopeDistUnitV, &Settings::manScopeDistUnitV,
        SIGNAL(manScopeDistUnitVChanged(int))},
};

struct DoubleSetterCase {
    const char* key;
    void (Settings::*set)(double);
    double (Settings::*get)() const;
    const char* signal;
};

// Setters that compare exactly, write, and emit only while the store is not initialized.
const DoubleSetterCase quietDoubleSetters[] = {
    {"envir/basePressure", &Settings::setBasePressure, &Settings::basePressure, SIGNAL(basePressureChanged(double))},
    {"envir/altitude", &Settings::setAltitude, &Settings::altitude, SIGNAL(altitudeChanged(double))},
    {"envir/windVelocity", &Settings::setWindVelocity, &Settings::windVelocity, SIGNAL(windVelocityChanged(double))},
    {"envir/temperature", &Settings::setTemperature, &Settings::temperature, SIGNAL(temperatureChanged(double))},
    {"rifle/sightHeight", &Settings::setSightHeight, &Settings::sightHeight, SIGNAL(sightHeightChanged(double))},
    {"rifle/twist", &Settings::setTwist, &Settings::twist, SIGNAL(twistChanged(double))},
    {"rifle/manScopeDevH", &Settings::setManScopeDevH, &Settings::manScopeDevH, SIGNAL(manScopeDevHChanged(double))},
    {"rifle/manScopeDistH", &Settings::setManScopeDistH, &Settings::manScopeDistH,
        SIGNAL(manScopeDistHChanged(double))},
    {"rifle/manScopeDevV", &Settings::setManScopeDevV, &Settings::manScopeDevV, SIGNAL(manScopeDevVChanged(double))},
    {"rifle/manScopeDistV", &Settings::setManScopeDistV, &Settings::manScopeDistV,
        SIGNAL(manScopeDistVChanged(double))},
};

struct BoolSetterCase {
    const char* key;
    void (Settings::*set)(bool);
    const char* signal;
};

// Setters that write and emit on every call.
const BoolSetterCase alwaysBoolSetters[] = {
    {"global/autoRange", &Settings::setAutoRange, SIGNAL(autoRangeChanged(bool))},
    {"global/includeSpinDrift", &Settings::setIncludeSpinDrift, SIGNAL(includeSpinDriftChanged(bool))},
    {"global/cardDisplayMOA", &Settings::setCardDisplayMOA, SIGNAL(cardDisplayMOAChanged(bool))},
    {"global/cardDisplayMils", &Settings::setCardDisplayMils, SIGNAL(cardDisplayMilsChanged(bool))},
    {"global/cardDisplayClicks", &Settings::setCardDisplayClicks, SIGNAL(cardDisplayClicksChanged(bool))},
    {"envir/useDefaultPressure", &Settings::setUseDefaultPressure, SIGNAL(useDefaultPressureChanged(bool))},
    {"envir/altitudeCorrection", &Settings::setAltitudeCorrection, SIGNAL(altitudeCorrectionChanged(bool))},
};

} // namespace

class TestSettings : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void freshStoreHoldsEveryDefault();
    void firstInitializeSignalsEveryKey_data();
    void firstInitializeSignalsEveryKey();
    void secondInitializeSignalsOnlyChanges();
    void comparedSettersWriteAndSignalOnChange();
    void doubleSettersSignalOnlyWhileInitializing();
    void killZoneSignalsEveryChange();
    void alwaysSettersSignalEveryCall();
    void languageIsReadSeparately();
    void saveDirIsStoredWithoutSignal();
    void defaultPressureRewritesBasePressure();
    void altitudeCorrectionOffClearsAltitude();
    void displayTextsNeverTouchTheStore();
    void unreadableStoredValues_data();
    void unreadableStoredValues();
    void convertedGetters_data();
    void convertedGetters();

private:
    std::unique_ptr<Settings> freshSettings();
    QString storedValue(const QString& key) const;

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

std::unique_ptr<Settings> TestSettings::freshSettings()
{
    return std::make_unique<Settings>();
}

QString TestSettings::storedValue(const QString& key) const
{
    return QSettings().value(key).toString();
}

void TestSettings::freshStoreHoldsEveryDefault()
{
    auto settings = freshSettings();
    settings->initialize();
    QVERIFY(settings->isInitialized());

    QSettings store;
    store.sync();
    for (const auto& [key, value] : expectedDefaults) {
        QVERIFY2(store.contains(key), qPrintable(key));
        QCOMPARE(store.value(key).toString(), value);
    }
    QCOMPARE(store.allKeys().size(), 39);
    QVERIFY(!store.contains("global/saveDir"));
    QVERIFY(!store.contains("global/language"));

    // The file on disk holds the same.
    QSettings onDisk(store.fileName(), QSettings::IniFormat);
    QCOMPARE(onDisk.allKeys().size(), 39);
}

void TestSettings::firstInitializeSignalsEveryKey_data()
{
    QTest::addColumn<QByteArray>("signal");
    QTest::addColumn<int>("count");
    QTest::addColumn<QVariant>("lastValue");

    const auto row = [](const char* signal, int count, const QVariant& value) {
        QTest::newRow(signal + 1) << QByteArray(signal) << count << value;
    };
    row(SIGNAL(unitSystemChanged(int)), 1, 0);
    row(SIGNAL(useAngleDisplayChanged(int)), 1, 0);
    row(SIGNAL(killZoneChanged(double)), 1, 30.0);
    row(SIGNAL(killZoneUnitChanged(int)), 1, 0);
    row(SIGNAL(maxRangeChanged(int)), 1, 800);
    row(SIGNAL(maxRangeUnitChanged(int)), 1, 0);
    row(SIGNAL(autoRangeChanged(bool)), 1, true);
    row(SIGNAL(includeSpinDriftChanged(bool)), 1, false);
    row(SIGNAL(cardStepChanged(int)), 1, 50);
    row(SIGNAL(cardDisplayMOAChanged(bool)), 1, false);
    row(SIGNAL(cardDisplayMilsChanged(bool)), 1, false);
    row(SIGNAL(cardDisplayClicksChanged(bool)), 1, false);
    row(SIGNAL(useDefaultPressureChanged(bool)), 1, true);
    row(SIGNAL(basePressureChanged(double)), 1, 1013.0);
    row(SIGNAL(basePressureUnitChanged(int)), 1, 0);
    // Read as 150, then cleared by the altitude correction that is off.
    row(SIGNAL(altitudeChanged(double)), 2, 0.0);
    row(SIGNAL(altitudeUnitChanged(int)), 1, 0);
    row(SIGNAL(altitudeCorrectionChanged(bool)), 1, false);
    row(SIGNAL(windVelocityChanged(double)), 1, 15.0);
    row(SIGNAL(windVelocityUnitChanged(int)), 1, 0);
    row(SIGNAL(windAngleChanged(int)), 1, 0);
    row(SIGNAL(temperatureChanged(double)), 1, 25.0);
    row(SIGNAL(temperatureUnitChanged(int)), 1, 0);
    row(SIGNAL(upHillAngleChanged(int)), 1, 0);
    row(SIGNAL(upHillDirectionChanged(int)), 1, 0);
    row(SIGNAL(sightHeightChanged(double)), 1, 3.5);
    row(SIGNAL(sightHeightUnitChanged(int)), 1, 0);
    row(SIGNAL(twistChanged(double)), 1, 13.0);
    row(SIGNAL(twistUnitChanged(int)), 1, 1);
    row(SIGNAL(twistDirectionChanged(int)), 1, 1);
    row(SIGNAL(scopeClickChanged(int)), 1, 1);
    row(SIGNAL(manScopeDevHChanged(double)), 1, 0.0);
    row(SIGNAL(manScopeDevUnitHChanged(int)), 1, 0);
    row(SIGNAL(manScopeDistHChanged(double)), 1, 100.0);
    row(SIGNAL(manScopeDistUnitHChanged(int)), 1, 0);
    row(SIGNAL(manScopeDevVChanged(double)), 1, 0.0);
    row(SIGNAL(manScopeDevUnitVChanged(int)), 1, 0);
    row(SIGNAL(manScopeDistVChanged(double)), 1, 100.0);
    row(SIGNAL(manScopeDistUnitVChanged(int)), 1, 0);
    row(SIGNAL(languageChanged(QString)), 0, QVariant());
}

// Every widget must receive its value on the first initialize(), whatever the value.
void TestSettings::firstInitializeSignalsEveryKey()
{
    QFETCH(QByteArray, signal);
    QFETCH(int, count);
    QFETCH(QVariant, lastValue);

    auto settings = freshSettings();
    QSignalSpy spy(settings.get(), signal.constData());
    QVERIFY(spy.isValid());
    settings->initialize();
    QCOMPARE(spy.count(), count);
    if (count > 0)
        QCOMPARE(spy.last().at(0), lastValue);
}

void TestSettings::secondInitializeSignalsOnlyChanges()
{
    auto settings = freshSettings();
    settings->initialize();
    QSettings().setValue("global/maxRange", 1200);
    QSettings().setValue("rifle/twist", 9.5);

    QSignalSpy maxRange(settings.get(), &Settings::maxRangeChanged);
    QSignalSpy twist(settings.get(), &Settings::twistChanged);
    QSignalSpy cardStep(settings.get(), &Settings::cardStepChanged);
    QSignalSpy windAngle(settings.get(), &Settings::windAngleChanged);
    settings->initialize();
    QCOMPARE(maxRange.count(), 1);
    QCOMPARE(maxRange.at(0).at(0).toInt(), 1200);
    QCOMPARE(twist.count(), 1);
    QCOMPARE(twist.at(0).at(0).toDouble(), 9.5);
    QCOMPARE(cardStep.count(), 0);
    QCOMPARE(windAngle.count(), 1); // the wind angle signals on every call
}

void TestSettings::comparedSettersWriteAndSignalOnChange()
{
    auto settings = freshSettings();
    settings->initialize();
    for (const IntSetterCase& setter : comparedIntSetters) {
        const int current = (settings.get()->*setter.get)();
        QSignalSpy spy(settings.get(), setter.signal);
        (settings.get()->*setter.set)(current);
        QVERIFY2(spy.isEmpty(), setter.key);

        (settings.get()->*setter.set)(current + 7);
        QVERIFY2(spy.count() == 1, setter.key);
        QCOMPARE(spy.at(0).at(0).toInt(), current + 7);
        QCOMPARE((settings.get()->*setter.get)(), current + 7);
        QCOMPARE(storedValue(setter.key), QString::number(current + 7));
    }
}

void TestSettings::doubleSettersSignalOnlyWhileInitializing()
{
    auto settings = freshSettings();
    settings->initialize();
    for (const DoubleSetterCase& setter : quietDoubleSetters) {
        QSignalSpy spy(settings.get(), setter.signal);
        (settings.get()->*setter.set)(7.25);
        QVERIFY2(spy.isEmpty(), setter.key);
        QCOMPARE((settings.get()->*setter.get)(), 7.25);
        QCOMPARE(storedValue(setter.key), QString("7.25"));

        settings->setInitialized(false);
        (settings.get()->*setter.set)(7.25);
        QVERIFY2(spy.isEmpty(), setter.key); // equal value: nothing
        (settings.get()->*setter.set)(8.5);
        QVERIFY2(spy.count() == 1, setter.key);
        QCOMPARE(spy.at(0).at(0).toDouble(), 8.5);
        settings->setInitialized(true);
    }
}

void TestSettings::killZoneSignalsEveryChange()
{
    auto settings = freshSettings();
    settings->initialize();
    QSignalSpy spy(settings.get(), &Settings::killZoneChanged);
    settings->setKillZone(20.0);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toDouble(), 20.0);
    QCOMPARE(storedValue("global/killZone"), QString("20"));
    settings->setKillZone(20.0);
    QCOMPARE(spy.count(), 1);
}

void TestSettings::alwaysSettersSignalEveryCall()
{
    auto settings = freshSettings();
    settings->initialize();
    for (const BoolSetterCase& setter : alwaysBoolSetters) {
        QSignalSpy spy(settings.get(), setter.signal);
        (settings.get()->*setter.set)(true);
        (settings.get()->*setter.set)(true);
        QVERIFY2(spy.count() == 2, setter.key);
        QCOMPARE(storedValue(setter.key), QString("true"));
    }

    QSignalSpy windAngle(settings.get(), &Settings::windAngleChanged);
    settings->setWindAngle(90);
    settings->setWindAngle(90);
    QCOMPARE(windAngle.count(), 2);
    QCOMPARE(storedValue("envir/windAngle"), QString("90"));

    QSignalSpy angleDisplay(settings.get(), &Settings::useAngleDisplayChanged);
    settings->setUseAngleDisplay(2);
    settings->setUseAngleDisplay(2);
    QCOMPARE(angleDisplay.count(), 2);
    QCOMPARE(storedValue("global/useAngleDisplay"), QString("2"));
}

void TestSettings::languageIsReadSeparately()
{
    auto settings = freshSettings();
    QSignalSpy spy(settings.get(), &Settings::languageChanged);
    settings->initializeLanguage();
    QCOMPARE(spy.count(), 0); // nothing chosen yet: the language stays empty and unwritten
    QVERIFY(!QSettings().contains("global/language"));

    QSettings().setValue("global/language", "it");
    auto second = freshSettings();
    QSignalSpy secondSpy(second.get(), &Settings::languageChanged);
    second->initialize();
    QCOMPARE(second->language(), QString()); // initialize() leaves the language alone
    second->initializeLanguage();
    QCOMPARE(second->language(), QString("it"));
    QCOMPARE(secondSpy.count(), 1);

    second->setLanguage("it");
    QCOMPARE(secondSpy.count(), 1);
}

void TestSettings::saveDirIsStoredWithoutSignal()
{
    auto settings = freshSettings();
    settings->initialize();
    settings->setSaveDir("/tmp/parameters");
    QCOMPARE(settings->saveDir(), QString("/tmp/parameters"));
    QCOMPARE(storedValue("global/saveDir"), QString("/tmp/parameters"));
}

void TestSettings::defaultPressureRewritesBasePressure()
{
    auto settings = freshSettings();
    settings->initialize();
    settings->setUseDefaultPressure(false);
    settings->setBasePressure(700);
    settings->setBasePressureUnit(1);
    QCOMPARE(settings->pressureHPa(), 700 * 1.3332239);

    settings->setUseDefaultPressure(true);
    QCOMPARE(settings->basePressure(), 1013.0);
    QCOMPARE(settings->basePressureUnit(), 0);
    QCOMPARE(storedValue("envir/basePressure"), QString("1013"));
    QCOMPARE(storedValue("envir/basePressureUnit"), QString("0"));
    QCOMPARE(settings->pressureHPa(), 1013.0);

    // A stored pressure read after a true "default pressure" is already rewritten.
    QSettings().setValue("envir/basePressure", 850);
    settings->initialize();
    QCOMPARE(settings->basePressure(), 1013.0);
}

void TestSettings::altitudeCorrectionOffClearsAltitude()
{
    auto settings = freshSettings();
    settings->initialize();
    settings->setAltitudeCorrection(true);
    settings->setAltitude(1000);
    QVERIFY(settings->stationPressureHPa() < settings->pressureHPa());

    settings->setAltitudeCorrection(false);
    QCOMPARE(settings->altitude(), 0.0);
    QCOMPARE(storedValue("envir/altitude"), QString("0"));
    QCOMPARE(settings->stationPressureHPa(), settings->pressureHPa());
}

void TestSettings::displayTextsNeverTouchTheStore()
{
    auto settings = freshSettings();
    settings->initialize();
    QSettings store;
    const QStringList keysBefore = store.allKeys();
    QSignalSpy spy(settings.get(), &Settings::killZoneUnitChanged);

    settings->setKillZoneUnitStr("in");
    settings->setPressureUnitStr("mmHg");
    settings->setAltitudeUnitStr("ft");
    settings->setWindVelocityUnitStr("mph");
    settings->setTemperatureUnitStr("F");
    settings->setUpHillDirectionStr("Down");
    settings->setSightHeightUnitStr("in");
    settings->setTwistUnitStr("cm");
    settings->setTwistDirectionStr("right");
    settings->setScopeClickStr("1 moa");

    QCOMPARE(settings->killZoneUnitStr(), QString("in"));
    QCOMPARE(settings->scopeClickStr(), QString("1 moa"));
    QCOMPARE(store.allKeys(), keysBefore);
    QCOMPARE(settings->killZoneUnit(), 0);
    QCOMPARE(spy.count(), 0);
}

void TestSettings::unreadableStoredValues_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<SettingsReading>("reading");
    QTest::addColumn<double>("expected");

    const SettingsReading maxRange = [](const Settings& s) { return s.maxRange(); };
    const SettingsReading windVelocity = [](const Settings& s) { return s.windVelocity(); };
    const SettingsReading upHill = [](const Settings& s) { return s.upHillAngle(); };
    const SettingsReading spinDrift = [](const Settings& s) { return s.includeSpinDrift() ? 1 : 0; };
    const SettingsReading cardStep = [](const Settings& s) { return s.cardStep(); };
    const SettingsReading wind = [](const Settings& s) { return s.windAngle(); };

    // 0 is below the range of the maximum range's widget (100 to 4000): it reads as 100.
    QTest::newRow("letters for an integer") << "global/maxRange" << QVariant("far") << maxRange << 100.0;
    QTest::newRow("decimal for an integer") << "global/maxRange" << QVariant("650.5") << maxRange << 650.0;
    QTest::newRow("point zero for an integer") << "global/cardStep" << QVariant("25.0") << cardStep << 25.0;
    // A direction wraps around: 270 degrees is -90, never the clamped 180 (a head wind).
    QTest::newRow("wind 270") << "envir/windAngle" << QVariant("270") << wind << -90.0;
    QTest::newRow("wind -190.5") << "envir/windAngle" << QVariant("-190.5") << wind << 170.0;
    QTest::newRow("wind 900") << "envir/windAngle" << QVariant(900) << wind << 180.0;
    QTest::newRow("letters for a double") << "envir/windVelocity" << QVariant("breezy") << windVelocity << 0.0;
    QTest::newRow("nan for a double") << "envir/windVelocity" << QVariant("nan") << windVelocity << 0.0;
    QTest::newRow("inf for a double") << "envir/windVelocity" << QVariant("inf") << windVelocity << 0.0;
    QTest::newRow("slope truncated") << "envir/upHillAngle" << QVariant("12.7") << upHill << 12.0;
    // The slope is a magnitude of 0 to 75 degrees; its direction is a key of its own.
    QTest::newRow("negative slope") << "envir/upHillAngle" << QVariant("-12.7") << upHill << 0.0;
    QTest::newRow("huge slope") << "envir/upHillAngle" << QVariant("1e300") << upHill << 75.0;
    QTest::newRow("false boolean") << "global/includeSpinDrift" << QVariant("false") << spinDrift << 0.0;
    QTest::newRow("empty boolean") << "global/includeSpinDrift" << QVariant("") << spinDrift << 0.0;
}

// A stored value of the wrong type gives what the conversion gives, within the range of its
// widget; never a crash or a NaN.
void TestSettings::unreadableStoredValues()
{
    QFETCH(QString, key);
    QFETCH(QVariant, stored);
    QFETCH(SettingsReading, reading);
    QFETCH(double, expected);

    QSettings().setValue(key, stored);
    auto settings = freshSettings();
    settings->initialize();
    QCOMPARE(reading(*settings), expected);
}

void TestSettings::convertedGetters_data()
{
    QTest::addColumn<SettingsAction>("setup");
    QTest::addColumn<SettingsReading>("reading");
    QTest::addColumn<double>("expected");

    const auto row = [](const char* tag, SettingsAction setup, SettingsReading reading, double expected) {
        QTest::newRow(tag) << setup << reading << expected;
    };

    const SettingsReading killZone = [](const Settings& s) { return s.killZoneSI(); };
    row(
        "kill zone 30 cm", [](Settings&) {}, killZone, 0.30);
    row(
        "kill zone 10 in",
        [](Settings& s) {
            s.setKillZone(10);
            s.setKillZoneUnit(1);
        },
        killZone, 0.254);

    const SettingsReading maxRange = [](const Settings& s) { return s.maxRangeSI(); };
    row(
        "max range 800 m", [](Settings&) {}, maxRange, 800.0);
    row(
        "max range 1000 yd",
        [](Settings& s) {
            s.setMaxRange(1000);
            s.setMaxRangeUnit(1);
        },
        maxRange, 1000 / 1.0936133);

    const SettingsReading pressure = [](const Settings& s) { return s.pressureHPa(); };
    row(
        "pressure default", [](Settings& s) { s.setBasePressure(900); }, pressure, 1013.0);
    row(
        "pressure 950 mbar",
        [](Settings& s) {
            s.setUseDefaultPressure(false);
            s.setBasePressure(950);
        },
        pressure, 950.0);
    row(
        "pressure 750 mmHg",
        [](Settings& s) {
            s.setUseDefaultPressure(false);
            s.setBasePressure(750);
            s.setBasePressureUnit(1);
        },
        pressure, 750 * 1.3332239);

    const SettingsReading altitude = [](const Settings& s) { return s.altitudeSI(); };
    row(
        "altitude 1000 ft",
        [](Settings& s) {
            s.setAltitude(1000);
            s.setAltitudeUnit(1);
        },
        altitude, 304.8);

    const SettingsReading station = [](const Settings& s) { return s.stationPressureHPa(); };
    row(
        "station without correction", [](Settings& s) { s.setAltitude(1000); }, station, 1013.0);
    row(
        "station at 1000 m",
        [](Settings& s) {
            s.setAltitudeCorrection(true);
            s.setAltitude(1000);
        },
        station, 1013 * std::pow(1 - 2.25577e-5 * 1000, 5.25588));
    row(
        "station at 1000 ft",
        [](Settings& s) {
            s.setAltitudeCorrection(true);
            s.setAltitude(1000);
            s.setAltitudeUnit(1);
        },
        station, 1013 * std::pow(1 - 2.25577e-5 * 304.8, 5.25588));

    const SettingsReading wind = [](const Settings& s) { return s.windVelocitySI(); };
    row(
        "wind 10 m/s", [](Settings& s) { s.setWindVelocity(10); }, wind, 10.0);
    row(
        "wind 10 ft/s",
        [](Settings& s) {
            s.setWindVelocity(10);
            s.setWindVelocityUnit(1);
        },
        wind, 3.048);
    row(
        "wind 10 km/h",
        [](Settings& s) {
            s.setWindVelocity(10);
            s.setWindVelocityUnit(2);
        },
        wind, 10 / 3.6);
    row(
        "wind 10 mph",
        [](Settings& s) {
            s.setWindVelocity(10);
            s.setWindVelocityUnit(3);
        },
        wind, 4.4704);
    row(
        "wind 10 beyond the list",
        [](Settings& s) {
            s.setWindVelocity(10);
            s.setWindVelocityUnit(9);
        },
        wind, 4.4704);

    const SettingsReading windAngle = [](const Settings& s) { return s.windAngleRad(); };
    row(
        "wind angle -90", [](Settings& s) { s.setWindAngle(-90); }, windAngle, -90 * 0.0174533);

    const SettingsReading temperature = [](const Settings& s) { return s.temperatureCelsius(); };
    row(
        "temperature 25 C", [](Settings&) {}, temperature, 25.0);
    row(
        "temperature 212 F",
        [](Settings& s) {
            s.setTemperature(212);
            s.setTemperatureUnit(1);
        },
        temperature, 100.0);
    row(
        "temperature -40 F",
        [](Settings& s) {
            s.setTemperature(-40);
            s.setTemperatureUnit(1);
        },
        temperature, -40.0);

    const SettingsReading slope = [](const Settings& s) { return s.upHillAngleRad(); };
    row(
        "uphill 10", [](Settings& s) { s.setUpHillAngle(10); }, slope, 0.174533);
    row(
        "downhill 10",
        [](Settings& s) {
            s.setUpHillAngle(10);
            s.setUpHillDirection(1);
        },
        slope, -0.174533);

    const SettingsReading sight = [](const Settings& s) { return s.sightHeightSI(); };
    row(
        "sight 3.5 cm", [](Settings&) {}, sight, 0.035);
    row(
        "sight 1.5 in",
        [](Settings& s) {
            s.setSightHeight(1.5);
            s.setSightHeightUnit(1);
        },
        sight, 0.0381);

    const SettingsReading twist = [](const Settings& s) { return s.twistSI(); };
    row(
        "twist default 13 in left", [](Settings&) {}, twist, -0.3302);
    row(
        "twist 30 cm right",
        [](Settings& s) {
            s.setTwist(30);
            s.setTwistUnit(0);
            s.setTwistDirection(0);
        },
        twist, 0.30);

    const SettingsReading clickH = [](const Settings& s) { return s.clickValueH(); };
    const SettingsReading clickV = [](const Settings& s) { return s.clickValueV(); };
    const double presets[] = {1.0, 0.5, 0.25, 0.125, 0.0625, 0.3438};
    for (int preset = 0; preset < 6; ++preset) {
        const QByteArray tag = "click preset " + QByteArray::number(preset);
        QTest::newRow(tag.constData()) << SettingsAction([preset](Settings& s) { s.setScopeClick(preset); }) << clickH
                                       << presets[preset];
        QTest::newRow((tag + " vertical").constData())
            << SettingsAction([preset](Settings& s) { s.setScopeClick(preset); }) << clickV << presets[preset];
    }
    row(
        "click beyond the list", [](Settings& s) { s.setScopeClick(12); }, clickH, 1.0);
    row(
        "custom click 1 cm at 100 m",
        [](Settings& s) {
            s.setScopeClick(6);
            s.setManScopeDevH(1);
        },
        clickH, 0.3438);
    row(
        "custom click 1 in at 100 yd",
        [](Settings& s) {
            s.setScopeClick(6);
            s.setManScopeDevH(1);
            s.setManScopeDevUnitH(1);
            s.setManScopeDistUnitH(1);
        },
        clickH, 34.38 * 2.54 * 1.0936133 / 100);
    row(
        "custom vertical click 2 cm at 50 m",
        [](Settings& s) {
            s.setScopeClick(6);
            s.setManScopeDevH(5);
            s.setManScopeDevV(2);
            s.setManScopeDistV(50);
        },
        clickV, 34.38 * 2 / 50);
}

void TestSettings::convertedGetters()
{
    QFETCH(SettingsAction, setup);
    QFETCH(SettingsReading, reading);
    QFETCH(double, expected);

    auto settings = freshSettings();
    settings->initialize();
    setup(*settings);
    const double actual = reading(*settings);
    QVERIFY2(qAbs(actual - expected) <= 1e-12 * qMax(1.0, qAbs(expected)),
        qPrintable(QString("actual %1, expected %2").arg(actual, 0, 'g', 17).arg(expected, 0, 'g', 17)));
}

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
