// The engine against the plain reference solver on loads and conditions drawn at random (with
// a fixed seed): every angle, series entry and point-blank list must agree to the bit. The
// engine stops its zero-angle evaluations early and computes the bend on a hull; this is where
// any difference from the written formulas would show.
#include "ballistics/shoot.h"
#include "bench/reference/comparison.h"
#include "bench/reference/referencesolver.h"
#include "core/messages.h"
#include "settings/settings.h"

#include <QLoggingCategory>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <random>

class TestExactness : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void engineMatchesReference_data();
    void engineMatchesReference();

private:
    QTemporaryDir storeDir;
    int warnings = 0;
};

void TestExactness::initTestCase()
{
    QLoggingCategory::setFilterRules("default.debug=false");
    QCoreApplication::setOrganizationName("Tarvanel");
    QCoreApplication::setApplicationName("Vanto4");
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, storeDir.path());
    Messages::setWarningSink([this](const QString&, const QString&) { ++warnings; });
    Settings::instance()->initialize();
}

void TestExactness::cleanupTestCase()
{
    Messages::setWarningSink({});
}

void TestExactness::engineMatchesReference_data()
{
    QTest::addColumn<int>("seed");
    for (int seed = 1; seed <= 60; ++seed)
        QTest::newRow(qPrintable(QString("case %1").arg(seed))) << seed;
}

void TestExactness::engineMatchesReference()
{
    QFETCH(int, seed);
    std::mt19937 random{unsigned(seed)};
    const auto uniform
        = [&random](double lo, double hi) { return std::uniform_real_distribution<double>(lo, hi)(random); };
    const auto pick = [&random](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random); };

    Settings& settings = *Settings::instance();
    settings.setTemperature(std::round(uniform(-20, 40)));
    settings.setUseDefaultPressure(pick(0, 1) == 1);
    if (!settings.useDefaultPressure())
        settings.setBasePressure(std::round(uniform(900, 1050)));
    settings.setAltitudeCorrection(pick(0, 1) == 1);
    if (settings.altitudeCorrection())
        settings.setAltitude(std::round(uniform(0, 3000)));
    settings.setSightHeight(std::round(uniform(2, 8) * 100) / 100);
    settings.setTwist(std::round(uniform(7, 16) * 10) / 10);
    settings.setTwistDirection(pick(0, 1));
    settings.setWindVelocity(std::round(uniform(0, 15) * 10) / 10);
    settings.setWindAngle(pick(-18, 18) * 10);
    settings.setUpHillAngle(pick(0, 60));
    settings.setUpHillDirection(pick(0, 1));
    settings.setIncludeSpinDrift(pick(0, 1) == 1);
    settings.setAutoRange(pick(0, 2) > 0);
    settings.setMaxRange(pick(2, 30) * 50);
    settings.setCardStep(pick(1, 200));
    settings.setKillZone(std::round(uniform(2, 40)));
    settings.setScopeClick(pick(0, 5));

    Shoot load(1, nullptr, Shoot::Storage::Scratch);
    load.setTitle("random");
    load.setOrigin("manual");
    load.setWeight(std::round(uniform(7, 250)));
    load.setWeightUnit(0);
    load.setMuzzleVelocity(pick(250, 1100));
    load.setMuzzleVelocityUnit(0);
    load.setCaliber(std::round(uniform(0.17, 0.5) * 1000) / 1000);
    load.setCaliberUnit(0);
    load.setLength(load.caliber() * uniform(1.2, 5.5));
    load.setLengthUnit(0);
    load.setGModel(pick(0, 5));
    const double bc = std::round(uniform(0.02, 0.7) * 1000) / 1000;
    if (pick(0, 1) == 0)
        load.setBCMulti({0}, {bc});
    else
        load.setBCMulti({0, 1600, 2400}, {bc, bc * 1.04, bc * 1.08});
    load.setZeroRange(pick(0, 12) * 25);
    load.setZeroRangeUnit(pick(0, 1));

    ReferenceSolver reference(load, settings);
    const ReferenceResult expected = reference.computeAll();

    warnings = 0;
    load.ComputeTrajectory();
    load.ComputeRangeCard();
    const QList<double> pointBlank = load.PointBlankRanges();
    QCOMPARE(warnings, expected.zeroUnreachable ? 1 : 0);
    const QStringList mismatches = ReferenceComparison::compare(load, pointBlank, expected);
    QVERIFY2(mismatches.isEmpty(), qPrintable(mismatches.join('\n')));
}

QTEST_GUILESS_MAIN(TestExactness)
#include "tst_exactness.moc"
