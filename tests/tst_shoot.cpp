// The load model: units and SI getters, the setter patterns against the store and their
// signals, the coefficient lists, and a scratch load that never writes.
#include "ballistics/shoot.h"
#include "core/messages.h"
#include "settings/settings.h"

#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>
#include <memory>

using LoadAction = std::function<void(Shoot&)>;
using LoadReading = std::function<double(const Shoot&)>;
Q_DECLARE_METATYPE(LoadAction)
Q_DECLARE_METATYPE(LoadReading)

class TestShoot : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void siGetters_data();
    void siGetters();
    void freshLoadIndicesCountAsChanges();
    void comparedSettersWriteOnChange_data();
    void comparedSettersWriteOnChange();
    void quietSettersEchoOnlyWhileRestoring_data();
    void quietSettersEchoOnlyWhileRestoring();
    void activeSignalsEveryCall();
    void titleCarriesTheLoadNumber();
    void singleCoefficient();
    void databaseLoadKeepsItsBands();
    void coefficientBands_data();
    void coefficientBands();
    void scratchLoadNeverWrites();

private:
    static QString stored(int id, const char* field)
    {
        return QSettings().value(QString("shoot/%1/%2").arg(id).arg(field)).toString();
    }

    std::unique_ptr<QTemporaryDir> storeDir;
    Settings* settings = nullptr;
};

void TestShoot::initTestCase()
{
    QCoreApplication::setOrganizationName("Tarvanel");
    QCoreApplication::setApplicationName("Vanto4");
    QVERIFY(QSettings().fileName().startsWith(qEnvironmentVariable("XDG_CONFIG_HOME")));
    settings = Settings::instance();
    settings->initialize();
}

void TestShoot::init()
{
    storeDir = std::make_unique<QTemporaryDir>();
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, storeDir->path());
    settings->setInitialized(true);
}

void TestShoot::siGetters_data()
{
    QTest::addColumn<LoadAction>("setup");
    QTest::addColumn<LoadReading>("reading");
    QTest::addColumn<double>("expected");

    const LoadReading weight = [](const Shoot& s) { return s.weightKg(); };
    const LoadReading velocity = [](const Shoot& s) { return s.muzzleVelocityMs(); };
    const LoadReading caliber = [](const Shoot& s) { return s.caliberM(); };
    const LoadReading length = [](const Shoot& s) { return s.lengthM(); };
    const LoadReading zero = [](const Shoot& s) { return s.zeroRangeM(); };
    const auto row = [](const char* tag, LoadAction setup, LoadReading reading, double expected) {
        QTest::newRow(tag) << setup << reading << expected;
    };

    row(
        "150 grains",
        [](Shoot& s) {
            s.setWeight(150);
            s.setWeightUnit(0);
        },
        weight, 150 * 0.06479891 / 1000);
    row(
        "10 grams",
        [](Shoot& s) {
            s.setWeight(10);
            s.setWeightUnit(1);
        },
        weight, 0.010);
    row(
        "weight index -1 is grams", [](Shoot& s) { s.setWeight(10); }, weight, 0.010);
    row(
        "850 m/s",
        [](Shoot& s) {
            s.setMuzzleVelocity(850);
            s.setMuzzleVelocityUnit(0);
        },
        velocity, 850.0);
    row(
        "3000 ft/s",
        [](Shoot& s) {
            s.setMuzzleVelocity(3000);
            s.setMuzzleVelocityUnit(1);
        },
        velocity, 914.4);
    row(
        "velocity index -1 is ft/s", [](Shoot& s) { s.setMuzzleVelocity(1000); }, velocity, 304.8);
    row(
        "0.308 in",
        [](Shoot& s) {
            s.setCaliber(0.308);
            s.setCaliberUnit(0);
        },
        caliber, 0.0078232);
    row(
        "7.82 mm",
        [](Shoot& s) {
            s.setCaliber(7.82);
            s.setCaliberUnit(1);
        },
        caliber, 0.00782);
    row(
        "caliber index -1 is mm", [](Shoot& s) { s.setCaliber(5.7); }, caliber, 0.0057);
    row(
        "length 1.2 in",
        [](Shoot& s) {
            s.setLength(1.2);
            s.setLengthUnit(0);
        },
        length, 1.2 * 2.54 / 100);
    row(
        "length 31 mm",
        [](Shoot& s) {
            s.setLength(31);
            s.setLengthUnit(1);
        },
        length, 0.031);
    row(
        "zero 200 m",
        [](Shoot& s) {
            s.setZeroRange(200);
            s.setZeroRangeUnit(0);
        },
        zero, 200.0);
    row(
        "zero 100 yd",
        [](Shoot& s) {
            s.setZeroRange(100);
            s.setZeroRangeUnit(1);
        },
        zero, 100 / 1.0936133);
    row(
        "zero index -1 is yards", [](Shoot& s) { s.setZeroRange(100); }, zero, 100 / 1.0936133);
}

void TestShoot::siGetters()
{
    QFETCH(LoadAction, setup);
    QFETCH(LoadReading, reading);
    QFETCH(double, expected);
    Shoot load(0);
    setup(load);
    QCOMPARE(reading(load), expected);
}

void TestShoot::freshLoadIndicesCountAsChanges()
{
    Shoot load(2);
    for (auto [set, signal, field] : {std::tuple{&Shoot::setWeightUnit, &Shoot::weightUnitChanged, "weightUnit"},
             std::tuple{&Shoot::setMuzzleVelocityUnit, &Shoot::muzzleVelocityUnitChanged, "muzzleVelocityUnit"},
             std::tuple{&Shoot::setCaliberUnit, &Shoot::caliberUnitChanged, "caliberUnit"},
             std::tuple{&Shoot::setLengthUnit, &Shoot::lengthUnitChanged, "lengthUnit"},
             std::tuple{&Shoot::setGModel, &Shoot::gModelChanged, "gModel"},
             std::tuple{&Shoot::setZeroRangeUnit, &Shoot::zeroRangeUnitChanged, "zeroRangeUnit"}}) {
        QSignalSpy spy(&load, signal);
        (load.*set)(0);
        QVERIFY2(spy.count() == 1, field);
        QCOMPARE(stored(2, field), QString("0"));
    }
}

void TestShoot::comparedSettersWriteOnChange_data()
{
    QTest::addColumn<QByteArray>("signal");
    QTest::addColumn<LoadAction>("setFirst");
    QTest::addColumn<LoadAction>("setSecond");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("storedSecond");

    const auto row
        = [](const char* field, const char* signal, LoadAction first, LoadAction second, const char* storedSecond) {
              QTest::newRow(field) << QByteArray(signal) << first << second << QString(field) << QString(storedSecond);
          };
    row(
        "origin", SIGNAL(originChanged(QString)), [](Shoot& s) { s.setOrigin("manual"); },
        [](Shoot& s) { s.setOrigin("db"); }, "db");
    row(
        "muzzleVelocity", SIGNAL(muzzleVelocityChanged(int)), [](Shoot& s) { s.setMuzzleVelocity(850); },
        [](Shoot& s) { s.setMuzzleVelocity(910); }, "910");
    row(
        "weightUnit", SIGNAL(weightUnitChanged(int)), [](Shoot& s) { s.setWeightUnit(0); },
        [](Shoot& s) { s.setWeightUnit(1); }, "1");
    row(
        "muzzleVelocityUnit", SIGNAL(muzzleVelocityUnitChanged(int)), [](Shoot& s) { s.setMuzzleVelocityUnit(0); },
        [](Shoot& s) { s.setMuzzleVelocityUnit(1); }, "1");
    row(
        "caliberUnit", SIGNAL(caliberUnitChanged(int)), [](Shoot& s) { s.setCaliberUnit(0); },
        [](Shoot& s) { s.setCaliberUnit(1); }, "1");
    row(
        "lengthUnit", SIGNAL(lengthUnitChanged(int)), [](Shoot& s) { s.setLengthUnit(0); },
        [](Shoot& s) { s.setLengthUnit(1); }, "1");
    row(
        "gModel", SIGNAL(gModelChanged(int)), [](Shoot& s) { s.setGModel(0); }, [](Shoot& s) { s.setGModel(4); }, "4");
    row(
        "zeroRange", SIGNAL(zeroRangeChanged(int)), [](Shoot& s) { s.setZeroRange(200); },
        [](Shoot& s) { s.setZeroRange(300); }, "300");
    row(
        "zeroRangeUnit", SIGNAL(zeroRangeUnitChanged(int)), [](Shoot& s) { s.setZeroRangeUnit(0); },
        [](Shoot& s) { s.setZeroRangeUnit(1); }, "1");
}

// Compared setters signal on every change, whatever the initialized flag, and never on an
// equal value.
void TestShoot::comparedSettersWriteOnChange()
{
    QFETCH(QByteArray, signal);
    QFETCH(LoadAction, setFirst);
    QFETCH(LoadAction, setSecond);
    QFETCH(QString, field);
    QFETCH(QString, storedSecond);

    Shoot load(1);
    setFirst(load);
    QSignalSpy spy(&load, signal.constData());
    setFirst(load);
    QCOMPARE(spy.count(), 0);
    setSecond(load);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(stored(1, field.toLatin1().constData()), storedSecond);
}

void TestShoot::quietSettersEchoOnlyWhileRestoring_data()
{
    QTest::addColumn<QByteArray>("signal");
    QTest::addColumn<LoadAction>("setFirst");
    QTest::addColumn<LoadAction>("setSecond");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("storedSecond");

    QTest::newRow("weight") << QByteArray(SIGNAL(weightChanged(double)))
                            << LoadAction([](Shoot& s) { s.setWeight(150.0); })
                            << LoadAction([](Shoot& s) { s.setWeight(155.0); }) << "weight"
                            << "155";
    QTest::newRow("caliber") << QByteArray(SIGNAL(caliberChanged(double)))
                             << LoadAction([](Shoot& s) { s.setCaliber(0.308); })
                             << LoadAction([](Shoot& s) { s.setCaliber(0.311); }) << "caliber"
                             << "0.311";
    QTest::newRow("length") << QByteArray(SIGNAL(lengthChanged(double)))
                            << LoadAction([](Shoot& s) { s.setLength(1.2); })
                            << LoadAction([](Shoot& s) { s.setLength(1.25); }) << "length"
                            << "1.25";
    QTest::newRow("note") << QByteArray(SIGNAL(noteChanged(QString)))
                          << LoadAction([](Shoot& s) { s.setNote("match"); })
                          << LoadAction([](Shoot& s) { s.setNote("hunting"); }) << "note"
                          << "hunting";
}

void TestShoot::quietSettersEchoOnlyWhileRestoring()
{
    QFETCH(QByteArray, signal);
    QFETCH(LoadAction, setFirst);
    QFETCH(LoadAction, setSecond);
    QFETCH(QString, field);
    QFETCH(QString, storedSecond);

    Shoot load(3);
    QSignalSpy spy(&load, signal.constData());
    settings->setInitialized(false);
    setFirst(load);
    QCOMPARE(spy.count(), 1);
    setFirst(load);
    QCOMPARE(spy.count(), 1);

    settings->setInitialized(true);
    setSecond(load);
    QCOMPARE(spy.count(), 1); // interactive edits are not echoed back to the editor
    QCOMPARE(stored(3, field.toLatin1().constData()), storedSecond);
}

void TestShoot::activeSignalsEveryCall()
{
    Shoot load(0);
    QSignalSpy spy(&load, &Shoot::activeChanged);
    load.setActive(true);
    load.setActive(true);
    QCOMPARE(spy.count(), 2);
    QCOMPARE(stored(0, "active"), QString("true"));
}

void TestShoot::titleCarriesTheLoadNumber()
{
    Shoot load(2);
    QSignalSpy spy(&load, &Shoot::titleChanged);
    load.setTitle("Sierra 168");
    load.setTitle("Sierra 168");
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toInt(), 2);
    QCOMPARE(spy.at(0).at(1).toString(), QString("Sierra 168"));
    QCOMPARE(stored(2, "title"), QString("Sierra 168"));
}

void TestShoot::singleCoefficient()
{
    Shoot load(0);
    load.setOrigin("manual");
    QSignalSpy spy(&load, &Shoot::BCchanged);

    settings->setInitialized(false);
    load.setBC(0.45);
    QCOMPARE(load.BCList(), QList<double>({0.45}));
    QCOMPARE(load.velMinList(), QList<double>({0.0}));
    QCOMPARE(spy.count(), 1);
    load.setBC(0.45);
    QCOMPARE(spy.count(), 1);

    settings->setInitialized(true);
    load.setBC(0.5);
    QCOMPARE(load.BCList(), QList<double>({0.5}));
    QCOMPARE(spy.count(), 1);
    QCOMPARE(stored(0, "BCmultiBC"), QString("0.5"));
    QCOMPARE(stored(0, "BCmultiV"), QString("0"));
}

void TestShoot::databaseLoadKeepsItsBands()
{
    Shoot load(1);
    load.setBCMulti({0, 1800, 2400}, {0.40, 0.45, 0.50});
    load.setOrigin("db");
    load.setBC(0.5);
    QCOMPARE(load.BCList(), QList<double>({0.40, 0.45, 0.50}));
    QCOMPARE(stored(1, "BCmultiBC"), QString("0.4;0.45;0.5"));
    QCOMPARE(stored(1, "BCmultiV"), QString("0;1800;2400"));
}

void TestShoot::coefficientBands_data()
{
    QTest::addColumn<QList<double>>("velMins");
    QTest::addColumn<QList<double>>("coefficients");
    QTest::addColumn<QList<double>>("expectedVelMins");
    QTest::addColumn<QList<double>>("expectedCoefficients");
    QTest::addColumn<int>("emitted");

    QTest::newRow("three bands") << QList<double>{0, 1800, 2400} << QList<double>{0.40, 0.45, 0.50}
                                 << QList<double>{0, 1800, 2400} << QList<double>{0.40, 0.45, 0.50} << 1;
    QTest::newRow("shorter velocity list") << QList<double>{0, 1800} << QList<double>{0.40, 0.45, 0.50}
                                           << QList<double>{0, 1800} << QList<double>{0.40, 0.45} << 1;
    QTest::newRow("shorter coefficient list")
        << QList<double>{0, 1800, 2400} << QList<double>{0.40} << QList<double>{0} << QList<double>{0.40} << 1;
    QTest::newRow("no pair leaves the load")
        << QList<double>{} << QList<double>{0.40} << QList<double>{0} << QList<double>{0.3} << 0;
    QList<double> many;
    for (int band = 0; band < 150; ++band)
        many << band;
    QTest::newRow("150 bands keep the first 100") << many << many << many.mid(0, 100) << many.mid(0, 100) << 1;
}

void TestShoot::coefficientBands()
{
    QFETCH(QList<double>, velMins);
    QFETCH(QList<double>, coefficients);
    QFETCH(QList<double>, expectedVelMins);
    QFETCH(QList<double>, expectedCoefficients);
    QFETCH(int, emitted);

    Shoot load(0);
    load.setOrigin("manual");
    load.setTitle("Pellets");
    load.setBC(0.3);
    QSignalSpy spy(&load, &Shoot::BCchanged);
    QStringList warnings;
    Messages::setWarningSink([&warnings](const QString&, const QString& text) { warnings << text; });
    load.setBCMulti(velMins, coefficients);
    Messages::setWarningSink({});
    // Bands beyond the hundredth are dropped with a warning naming the load.
    QCOMPARE(warnings.size(), velMins.size() > Shoot::maxCoefficientBands ? 1 : 0);
    if (!warnings.isEmpty())
        QVERIFY(warnings.first().contains(load.title()) && warnings.first().contains("150"));
    QCOMPARE(spy.count(), emitted);
    if (emitted)
        QCOMPARE(spy.at(0).at(0).toDouble(), expectedCoefficients.first());
    QCOMPARE(load.velMinList(), expectedVelMins);
    QCOMPARE(load.BCList(), expectedCoefficients);
}

void TestShoot::scratchLoadNeverWrites()
{
    QSettings().setValue("shoot/1/weight", 168.0);
    Shoot scratch(1, nullptr, Shoot::Storage::Scratch);
    scratch.setTitle("scratch");
    scratch.setActive(true);
    scratch.setWeight(55);
    scratch.setWeightUnit(0);
    scratch.setBCMulti({0}, {0.25});
    scratch.setNote("never stored");
    QCOMPARE(QSettings().allKeys(), QStringList({"shoot/1/weight"}));
    QCOMPARE(QSettings().value("shoot/1/weight").toDouble(), 168.0);
    QCOMPARE(scratch.weightKg(), 55 * 0.06479891 / 1000);
}

QTEST_GUILESS_MAIN(TestShoot)
#include "tst_shoot.moc"
