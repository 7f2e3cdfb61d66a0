// The solver: drag bands and coefficients, the density factor, the integrator, the trajectory
// and card series, the zero angle and the point-blank range, the signs of slope, twist and wind,
// and the choices made where the formulas alone would divide by zero or never end.
#include "ballistics/shoot.h"
#include "core/messages.h"
#include "settings/settings.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <functional>
#include <memory>

namespace {

struct LoadData {
    double weightGrains;
    int velocityFps;
    double caliberIn;
    double lengthIn;
    int gModel;
    QList<double> velMins;
    QList<double> coefficients;
    int zeroRangeM;
};

const LoadData rifle308 = {168, 2650, 0.308, 1.215, 0, {0, 1800, 2400}, {0.447, 0.462, 0.475}, 200};
const LoadData rimfire22 = {40, 1070, 0.223, 0.5, 0, {0}, {0.138}, 50};

std::unique_ptr<Shoot> makeLoad(const LoadData& data, const QString& title = "test load")
{
    auto load = std::make_unique<Shoot>(1, nullptr, Shoot::Storage::Scratch);
    load->setTitle(title);
    load->setOrigin("manual");
    load->setWeight(data.weightGrains);
    load->setWeightUnit(0);
    load->setMuzzleVelocity(data.velocityFps);
    load->setMuzzleVelocityUnit(1);
    load->setCaliber(data.caliberIn);
    load->setCaliberUnit(0);
    load->setLength(data.lengthIn);
    load->setLengthUnit(0);
    load->setGModel(data.gModel);
    load->setBCMulti(data.velMins, data.coefficients);
    load->setZeroRange(data.zeroRangeM);
    load->setZeroRangeUnit(0);
    return load;
}

// A speed in m/s whose conversion to ft/s gives exactly fps.
double exactSpeedForFps(double fps)
{
    double speed = fps * 0.3048;
    while (speed / 0.3048 < fps)
        speed = std::nextafter(speed, 1e9);
    while (speed / 0.3048 > fps)
        speed = std::nextafter(speed, 0.0);
    return speed;
}

// Inputs a parameter file can hold although no widget would let them through.
using Setup = std::function<void(Settings*, Shoot*)>;

template <typename Values> bool noInfinity(const Values& values)
{
    return std::none_of(values.begin(), values.end(), [](double value) { return std::isinf(value); });
}

} // namespace

Q_DECLARE_METATYPE(Setup)

class TestSolver : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();

    void retardationBands_data();
    void retardationBands();
    void coefficientAtSpeed_data();
    void coefficientAtSpeed();
    void densityFactor_data();
    void densityFactor();
    void integratorFollowsTheParabolaWithoutDrag();
    void seriesLengthsAndAngleSubset();
    void rangeLimits_data();
    void rangeLimits();
    void cardRows();
    void cardStepOfZeroGivesNoRows();
    void zeroByFarZero();
    void zeroByNearZero();
    void zeroUnreachableWarnsOnce();
    void unreachedLineOfSightGivesFiveEntries();
    void pointBlankPeakIsHalfTheKillZone();
    void slopeActsOnTheTrajectoryNotTheZero();
    void driftSigns_data();
    void driftSigns();
    void zeroRangeOfZeroKeepsDriftsFinite();
    void trajectoryShortOfTheZeroRange();
    void zeroCoefficientIsNotIntegrated();
    void velocityAtDistance();
    void unusableInputsAreNotIntegrated_data();
    void unusableInputsAreNotIntegrated();
    void hostileInputsGiveBoundedFiniteResults_data();
    void hostileInputsGiveBoundedFiniteResults();
    void extremesOfTheWidgets_data();
    void extremesOfTheWidgets();
    void trajectoryEndsWhereTheBulletStopsAdvancing();
    void flightEndsAfterTwoMinutes();
    void notComputableValuesAreNaN();
    void widgetExtremesAreIntegrated_data();
    void widgetExtremesAreIntegrated();
    void coefficientTooSmallToFollow_data();
    void coefficientTooSmallToFollow();
    void overflowingSpinDriftLeftOutKeepsTheWindDrift();

private:
    Settings* settings = nullptr;
    QTemporaryDir storeDir;
    QStringList warnings;
};

void TestSolver::initTestCase()
{
    QCoreApplication::setOrganizationName("Tarvanel");
    QCoreApplication::setApplicationName("Vanto4");
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, storeDir.path());
    Messages::setWarningSink([this](const QString& title, const QString& text) { warnings << title + "|" + text; });
    settings = Settings::instance();
}

// Every test starts from the default settings.
void TestSolver::init()
{
    QSettings().clear();
    settings->initialize();
    warnings.clear();
}

void TestSolver::cleanupTestCase()
{
    Messages::setWarningSink({});
}

void TestSolver::retardationBands_data()
{
    QTest::addColumn<int>("model");
    QTest::addColumn<double>("speed");
    QTest::addColumn<double>("m");
    QTest::addColumn<double>("a");

    QTest::newRow("G1 at 2800 ft/s") << 0 << 853.44 << 1.625 << 0.002162887202930376;
    QTest::newRow("G1 at exactly 4230 ft/s") << 0 << exactSpeedForFps(4230) << 1.925 << 0.0001920339268755614;
    QTest::newRow("G1 just above 4230 ft/s") << 0 << 4230.0001 * 0.3048 << 1.9565 << 0.0001477404177730177;
    QTest::newRow("G1 slowest band") << 0 << 30 * 0.3048 << 2.0 << 5.206214107320588e-05;
    QTest::newRow("model -1 is G1") << -1 << 853.44 << 1.625 << 0.002162887202930376;
    QTest::newRow("model 6 is G1") << 6 << 853.44 << 1.625 << 0.002162887202930376;
    QTest::newRow("G2 at 1200 ft/s") << 1 << 1200 * 0.3048 << 1.65392237010294 << 0.00100419763721974;
    QTest::newRow("G5 at 1000 ft/s") << 2 << 1000 * 0.3048 << 2.84204791809926 << 1.03965974081168e-07;
    QTest::newRow("G6 at 3500 ft/s") << 3 << 3500 * 0.3048 << 1.15997674041274 << 0.0455384883480781;
    QTest::newRow("G7 at exactly 4200 ft/s") << 4 << exactSpeedForFps(4200) << 1.27907168025204 << 0.0171422231434847;
    QTest::newRow("G7 at 2700 ft/s") << 4 << 2700 * 0.3048 << 1.52693913274526 << 0.00233355948302505;
    QTest::newRow("G8 at 1100 ft/s") << 5 << 1100 * 0.3048 << 5.80410776994789 << 2.0538037167098e-16;
    QTest::newRow("zero speed") << 0 << 0.0 << 0.0 << 0.0;
    QTest::newRow("negative speed") << 0 << -10.0 << 0.0 << 0.0;
}

void TestSolver::retardationBands()
{
    QFETCH(int, model);
    QFETCH(double, speed);
    QFETCH(double, m);
    QFETCH(double, a);

    Shoot load(0, nullptr, Shoot::Storage::Scratch);
    load.setGModel(model);
    const double fps = speed / 0.3048;
    const double expected = a == 0.0 ? 0.0 : std::pow(fps, m) * a / fps;
    QCOMPARE(load.Retardation(speed), expected);
    if (QByteArray(QTest::currentDataTag()) == "G1 at 2800 ft/s")
        QVERIFY(qAbs(load.Retardation(speed) - 0.3087) < 5e-5);
}

void TestSolver::coefficientAtSpeed_data()
{
    QTest::addColumn<QList<double>>("velMins");
    QTest::addColumn<QList<double>>("coefficients");
    QTest::addColumn<double>("fps");
    QTest::addColumn<double>("expected");

    const QList<double> ascending = {0, 1800, 2400};
    const QList<double> bcs = {0.40, 0.45, 0.50};
    QTest::newRow("ascending at 2500") << ascending << bcs << 2500.0 << 0.50;
    QTest::newRow("ascending at 2000") << ascending << bcs << 2000.0 << 0.45;
    QTest::newRow("ascending at exactly 1800") << ascending << bcs << 1800.0 << 0.40;
    QTest::newRow("ascending at exactly 2400") << ascending << bcs << 2400.0 << 0.45;
    QTest::newRow("descending at 2500") << QList<double>{2400, 1800, 0} << QList<double>{0.50, 0.45, 0.40} << 2500.0
                                        << 0.40;
    QTest::newRow("descending at 1000") << QList<double>{2400, 1800, 0} << QList<double>{0.50, 0.45, 0.40} << 1000.0
                                        << 0.40;
    QTest::newRow("uneven bands at 3000")
        << QList<double>{0, 2900, 1000} << QList<double>{0.3, 0.35, 0.32} << 3000.0 << 0.32;
    QTest::newRow("no band below the speed") << QList<double>{500} << QList<double>{0.3} << 400.0 << 0.0;
    QTest::newRow("equal minima: the last listed")
        << QList<double>{1800, 0, 1800} << QList<double>{0.45, 0.4, 0.47} << 2000.0 << 0.47;
}

void TestSolver::coefficientAtSpeed()
{
    QFETCH(QList<double>, velMins);
    QFETCH(QList<double>, coefficients);
    QFETCH(double, fps);
    QFETCH(double, expected);

    Shoot load(0, nullptr, Shoot::Storage::Scratch);
    load.setBCMulti(velMins, coefficients);
    QCOMPARE(load.BCAtVelocity(exactSpeedForFps(fps)), expected);
}

void TestSolver::densityFactor_data()
{
    QTest::addColumn<double>("temperature");
    QTest::addColumn<double>("factor");
    QTest::newRow("1013 hPa at 15 C") << 15.0 << 1.013;
    QTest::newRow("1013 hPa at 25 C") << 25.0 << (1013.0 / 1000.0) * (288.0 / 298.0);
}

// Drag at 1013 hPa scales with (P / 1000) × (288 / (T + 273)), not with a standard atmosphere.
void TestSolver::densityFactor()
{
    QFETCH(double, temperature);
    QFETCH(double, factor);
    settings->setTemperature(temperature);

    Shoot load(0, nullptr, Shoot::Storage::Scratch);
    load.setBCMulti({0}, {0.5});
    load.setGModel(0);
    const TrajectoryState state{10, 0, 800, 0};
    const double drag = 800 * load.Retardation(800) / 0.5;
    QVERIFY(qAbs(-load.AccelX(state) / drag - factor) < 1e-12);
    QCOMPARE(load.AccelY(state), -9.81); // no vertical speed: gravity alone
}

void TestSolver::integratorFollowsTheParabolaWithoutDrag()
{
    Shoot load(0, nullptr, Shoot::Storage::Scratch);
    load.setBCMulti({0}, {1e30}); // drag vanishes
    TrajectoryState state{0, -0.035, 800, 10};
    for (int i = 0; i < 2000; ++i)
        state = load.RungeKuttaStep(state, 0.0005);
    const double t = 1.0;
    QVERIFY(qAbs(state.x - 800 * t) < 1e-9);
    QVERIFY(qAbs(state.y - (-0.035 + 10 * t - 9.81 * t * t / 2)) < 1e-9);
    QVERIFY(qAbs(state.vy - (10 - 9.81 * t)) < 1e-9);
    QCOMPARE(state.vx, 800.0);
}

void TestSolver::seriesLengthsAndAngleSubset()
{
    auto load = makeLoad(rifle308);
    load->ComputeTrajectory();
    const auto& states = load->States();
    const int n = int(states.size());
    QVERIFY(n > 1000);
    QCOMPARE(load->TrajectorySeries(0).size(), n);
    for (int index : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 15, 17})
        QVERIFY2(load->TrajectorySeries(index).size() == n - 1, qPrintable(QString::number(index)));

    int inSubset = 0;
    for (int i = 1; i < n; ++i)
        inSubset += std::atan(states[i].y / states[i].x) >= -0.01 ? 1 : 0;
    QVERIFY(inSubset > 0 && inSubset < n - 1);
    for (int index : {13, 14, 16, 18})
        QCOMPARE(load->TrajectorySeries(index).size(), inSubset);
    const QVector<double> subsetAngles = load->TrajectorySeries(18);
    QVERIFY(*std::min_element(subsetAngles.begin(), subsetAngles.end()) >= -10.0);
    QVERIFY(load->TrajectorySeries(19).isEmpty());
    QVERIFY(load->TrajectorySeries(-1).isEmpty());

    // The bend is never negative, and the plot series agree with the states.
    const QVector<double> bend = load->TrajectorySeries(6);
    QVERIFY(*std::min_element(bend.begin(), bend.end()) >= 0.0);
    QCOMPARE(load->TrajectorySeries(2).last(), states.back().x);
    QCOMPARE(load->TrajectorySeries(0).at(1), 0.0005);
}

void TestSolver::rangeLimits_data()
{
    QTest::addColumn<bool>("autoRange");
    QTest::addColumn<int>("maxRange");
    QTest::newRow("auto range") << true << 800;
    QTest::newRow("500 m") << false << 500;
    QTest::newRow("4000 m stops 40 m down") << false << 4000;
}

void TestSolver::rangeLimits()
{
    QFETCH(bool, autoRange);
    QFETCH(int, maxRange);
    settings->setAutoRange(autoRange);
    settings->setMaxRange(maxRange);
    auto load = makeLoad(rifle308);
    load->ComputeTrajectory();
    const auto& states = load->States();
    const TrajectoryState& last = states.back();
    const TrajectoryState& before = states[states.size() - 2];
    if (autoRange) {
        QVERIFY(last.y <= -2.0 && before.y > -2.0);
    } else if (maxRange == 500) {
        QVERIFY(last.x >= 500.0 && before.x < 500.0);
    } else {
        QVERIFY(last.y <= -40.0 && before.y > -40.0);
        QVERIFY(last.x < 4000.0);
    }
}

void TestSolver::cardRows()
{
    settings->setCardStep(100);
    settings->setCardDisplayMOA(true);
    auto load = makeLoad(rifle308);
    load->ComputeTrajectory();
    load->ComputeRangeCard();
    const double lastX = load->States().back().x;

    const QVector<double> metric = load->CardSeries(2);
    QVERIFY(!metric.isEmpty());
    QCOMPARE(metric.first(), 100.0);
    QVERIFY(metric.last() < lastX && metric.last() + 100 >= lastX); // rows stop before the last distance
    for (int index : {0, 1, 3, 4, 5, 12, 13, 14, 15, 16, 17})
        QCOMPARE(load->CardSeries(index).size(), metric.size());
    const QVector<double> imperial = load->CardSeries(8);
    QVERIFY(imperial.last() < lastX * 1.0936133 && imperial.last() + 100 >= lastX * 1.0936133);
    for (int index : {6, 7, 9, 10, 11, 18, 19, 20, 21, 22, 23})
        QCOMPARE(load->CardSeries(index).size(), imperial.size());

    // Heights are kept to the millimetre (tenths of a cm), times to the hundredth.
    const QVector<double> heights = load->CardSeries(3);
    const QVector<double> moa = load->CardSeries(13);
    for (int row = 0; row < heights.size(); ++row) {
        QCOMPARE(std::round(heights[row] * 10) / 10, heights[row]);
        QCOMPARE(std::round(load->CardSeries(0)[row] * 100) / 100, load->CardSeries(0)[row]);
        QVERIFY2((heights[row] < 0) == (moa[row] < 0) || moa[row] == 0, "a correction keeps the sign of the height");
    }
    // The zero range row sits on the line of sight (200 m, within a centimetre).
    QVERIFY(qAbs(heights[1]) <= 1.0);
    // Energies come from the rounded speeds.
    const double mass = load->weightKg();
    QCOMPARE(load->CardSeries(5).first(),
        std::round(mass * 0.5 * load->CardSeries(4).first() * load->CardSeries(4).first()));
}

void TestSolver::cardStepOfZeroGivesNoRows()
{
    auto load = makeLoad(rifle308);
    load->ComputeTrajectory();
    for (int step : {0, -50}) {
        settings->setCardStep(step);
        load->ComputeRangeCard();
        for (int index = 0; index < Shoot::cardSeriesCount; ++index)
            QVERIFY(load->CardSeries(index).isEmpty());
    }
}

void TestSolver::zeroByFarZero()
{
    auto load = makeLoad(rifle308);
    const double angle = load->Theta(200);
    const QList<double> ranges = load->CharacteristicRanges(angle);
    QCOMPARE(ranges.size(), 5);
    QVERIFY2(qAbs(ranges[1] - 200) < 2.0, qPrintable(QString::number(ranges[1])));
    QVERIFY(ranges[0] < 50);
    QVERIFY(warnings.isEmpty());

    // The trajectory fired at that angle crosses the line of sight at the zero range.
    load->ComputeTrajectoryFixedAngle(angle);
    const auto& states = load->States();
    auto crossing
        = std::find_if(states.begin() + 1, states.end(), [](const TrajectoryState& s) { return s.x > 100 && s.y < 0; });
    QVERIFY(crossing != states.end());
    QVERIFY(qAbs(crossing->x - 200) < 2.0);
}

void TestSolver::zeroByNearZero()
{
    auto load = makeLoad(rifle308);
    const double angle = load->Theta(20);
    const QList<double> ranges = load->CharacteristicRanges(angle);
    QVERIFY2(qAbs(ranges[0] - 20) < 2.0, qPrintable(QString::number(ranges[0])));
    QVERIFY(ranges[1] > 100);
    QVERIFY(warnings.isEmpty());
}

void TestSolver::zeroUnreachableWarnsOnce()
{
    auto load = makeLoad(rimfire22, "Rimfire");
    load->setZeroRange(3000);
    load->ComputeTrajectory();
    QCOMPARE(warnings.size(), 1);
    QCOMPARE(warnings.first(),
        QString("Warning|Zeroing range not reachable for load : Rimfire\nPlease try to reduce "
                "your zeroing range for this load, or to change some parameters"));
    QVERIFY2(load->shootAngle() > 9.99 && load->shootAngle() < 10.0, qPrintable(QString::number(load->shootAngle())));
    QVERIFY(!load->TrajectorySeries(2).isEmpty()); // the user still sees a trajectory
}

void TestSolver::unreachedLineOfSightGivesFiveEntries()
{
    auto load = makeLoad(rifle308);
    QCOMPARE(load->CharacteristicRanges(-1.0), QList<double>({9999.0, 0.0, 0.0, 0.0, 0.0}));
}

void TestSolver::pointBlankPeakIsHalfTheKillZone()
{
    settings->setKillZone(10);
    auto load = makeLoad(rifle308);
    const QList<double> ranges = load->PointBlankRanges();
    QCOMPARE(ranges.size(), 5);
    QVERIFY2(qAbs(ranges[2] - 0.05) < 0.001, qPrintable(QString::number(ranges[2])));
    QVERIFY(ranges[0] < ranges[1] && ranges[1] < ranges[4]);
    QVERIFY(ranges[3] > ranges[0] && ranges[3] < ranges[1]);
}

void TestSolver::slopeActsOnTheTrajectoryNotTheZero()
{
    auto load = makeLoad(rifle308);
    const double levelAngle = load->Theta(200);
    const QList<double> levelBlank = load->PointBlankRanges();

    settings->setUpHillAngle(30);
    settings->setUpHillDirection(0);
    QCOMPARE(load->Theta(200), levelAngle);
    const QList<double> uphillBlank = load->PointBlankRanges();
    QVERIFY(uphillBlank[4] > levelBlank[4]); // less gravity across the line of sight
    load->ComputeTrajectoryFixedAngle(levelAngle);
    const QVector<double> uphillSpeed = load->TrajectorySeries(4);

    settings->setUpHillDirection(1);
    QCOMPARE(load->Theta(200), levelAngle);
    QVERIFY(load->PointBlankRanges()[4] > levelBlank[4]);
    load->ComputeTrajectoryFixedAngle(levelAngle);
    const QVector<double> downhillSpeed = load->TrajectorySeries(4);
    const int common = int(std::min(uphillSpeed.size(), downhillSpeed.size())) - 1;
    QVERIFY(downhillSpeed[common] > uphillSpeed[common]);
    QCOMPARE(load->AccelY({0, 0, 800, 0}), -9.81); // gravity back to level after the computation
}

void TestSolver::driftSigns_data()
{
    QTest::addColumn<int>("windAngle");
    QTest::addColumn<int>("twistDirection");
    QTest::addColumn<bool>("spinDrift");
    QTest::addColumn<int>("expectedSign");

    QTest::newRow("no wind, no spin") << 0 << 0 << false << 0;
    QTest::newRow("wind from 90") << 90 << 0 << false << 1;
    QTest::newRow("wind from -90") << -90 << 0 << false << -1;
    QTest::newRow("right-hand spin") << 0 << 0 << true << 1;
    QTest::newRow("left-hand spin") << 0 << 1 << true << -1;
}

void TestSolver::driftSigns()
{
    QFETCH(int, windAngle);
    QFETCH(int, twistDirection);
    QFETCH(bool, spinDrift);
    QFETCH(int, expectedSign);

    settings->setWindAngle(windAngle);
    settings->setTwistDirection(twistDirection);
    settings->setIncludeSpinDrift(spinDrift);
    auto load = makeLoad(rifle308);
    load->ComputeTrajectory();
    const QVector<double> drift = load->TrajectorySeries(1);
    if (expectedSign == 0) {
        for (double value : drift)
            QCOMPARE(value, 0.0);
    } else {
        QVERIFY2(drift.last() * expectedSign > 0, qPrintable(QString::number(drift.last())));
    }
}

void TestSolver::zeroRangeOfZeroKeepsDriftsFinite()
{
    settings->setIncludeSpinDrift(true);
    auto load = makeLoad(rifle308);
    load->setZeroRange(0);
    load->ComputeTrajectory();
    for (int index : {1, 7, 15, 17})
        for (double value : load->TrajectorySeries(index))
            QVERIFY(std::isfinite(value));
}

void TestSolver::trajectoryShortOfTheZeroRange()
{
    settings->setIncludeSpinDrift(true);
    settings->setAutoRange(false);
    settings->setMaxRange(100);
    auto load = makeLoad(rifle308);
    load->ComputeTrajectory();
    const QVector<double> drift = load->TrajectorySeries(1);
    QVERIFY(!drift.isEmpty());
    for (double value : drift)
        QVERIFY(std::isfinite(value));
    // The spin drift of the last state stands in for the one at the zero range.
    QVERIFY(load->States().back().x < 200);
    QVERIFY(drift.last() != 0.0);
}

void TestSolver::zeroCoefficientIsNotIntegrated()
{
    auto load = makeLoad(rifle308, "Typo");
    load->setBCMulti({0}, {0.0});
    load->ComputeTrajectory();
    load->ComputeRangeCard();
    QCOMPARE(warnings.size(), 1);
    QVERIFY(warnings.first().contains("Typo"));
    for (int index = 0; index < Shoot::trajectorySeriesCount; ++index)
        QVERIFY(load->TrajectorySeries(index).isEmpty());
    for (int index = 0; index < Shoot::cardSeriesCount; ++index)
        QVERIFY(load->CardSeries(index).isEmpty());
    for (double value : load->PointBlankRanges())
        QVERIFY(std::isnan(value)); // cannot be computed
    load->ComputeTrajectoryFixedAngle(0.1); // the fixed angle of the "angle" behaviour says so too
    QCOMPARE(warnings.size(), 2);
    QVERIFY(load->TrajectorySeries(2).isEmpty());

    load->setBCMulti({500}, {0.3}); // no coefficient below 500 ft/s
    QVERIFY(!load->hasUsableCoefficients());
    load->setBCMulti({0, 2000}, {0.3, -0.1});
    QVERIFY(!load->hasUsableCoefficients());
    load->setBCMulti({0, 2000}, {0.3, 0.32});
    QVERIFY(load->hasUsableCoefficients());
}

void TestSolver::velocityAtDistance()
{
    auto load = makeLoad(rifle308);
    const double at100 = load->VelocityAtDistance(100);
    const double at300 = load->VelocityAtDistance(300);
    QVERIFY(at100 < load->muzzleVelocityMs() && at300 < at100);
    QCOMPARE(load->VelocityAtDistance(0), load->muzzleVelocityMs());
}

QTEST_GUILESS_MAIN(TestSolver)
#include "tst_solver.moc"

void TestSolver::unusableInputsAreNotIntegrated_data()
{
    QTest::addColumn<Setup>("setup");
    QTest::addColumn<QString>("message");

    const QString velocity = "Muzzle velocity missing or zero for load : Hostile\nPlease enter a muzzle velocity above 0";
    const QString air = "Air density cannot be computed for load : Hostile\nPlease check the pressure, the altitude and "
                        "the temperature";
    QTest::newRow("velocity 0") << Setup([](Settings*, Shoot* load) { load->setMuzzleVelocity(0); }) << velocity;
    QTest::newRow("negative velocity") << Setup([](Settings*, Shoot* load) { load->setMuzzleVelocity(-2650); })
                                       << velocity;
    QTest::newRow("absolute zero") << Setup([](Settings* settings, Shoot*) {
        settings->setTemperatureUnit(0);
        settings->setTemperature(-273);
    }) << air;
    QTest::newRow("below absolute zero") << Setup([](Settings* settings, Shoot*) {
        settings->setTemperatureUnit(1);
        settings->setTemperature(-1000);
    }) << air;
    QTest::newRow("negative pressure") << Setup([](Settings* settings, Shoot*) {
        settings->setUseDefaultPressure(false);
        settings->setBasePressure(-20);
    }) << air;
    QTest::newRow("altitude above the atmosphere") << Setup([](Settings* settings, Shoot*) {
        settings->setAltitudeCorrection(true);
        settings->setAltitudeUnit(0);
        settings->setAltitude(100000);
    }) << air;
}

// A load that cannot be integrated says why, once, and leaves nothing to show.
void TestSolver::unusableInputsAreNotIntegrated()
{
    QFETCH(Setup, setup);
    QFETCH(QString, message);

    auto load = makeLoad(rifle308, "Hostile");
    setup(settings, load.get());
    load->ComputeTrajectory();
    load->ComputeRangeCard();
    QCOMPARE(warnings, QStringList{"Warning|" + message});
    QCOMPARE(load->inputProblem(), message);
    for (int index = 0; index < Shoot::trajectorySeriesCount; ++index)
        QVERIFY(load->TrajectorySeries(index).isEmpty());
    for (int index = 0; index < Shoot::cardSeriesCount; ++index)
        QVERIFY(load->CardSeries(index).isEmpty());
    const QList<double> blank = load->PointBlankRanges();
    QCOMPARE(blank.size(), 5);
    for (double value : blank)
        QVERIFY(std::isnan(value));
}

void TestSolver::hostileInputsGiveBoundedFiniteResults_data()
{
    QTest::addColumn<Setup>("setup");

    QTest::newRow("twist 0") << Setup([](Settings* settings, Shoot*) {
        settings->setIncludeSpinDrift(true);
        settings->setTwist(0);
    });
    QTest::newRow("caliber 0") << Setup([](Settings* settings, Shoot* load) {
        settings->setIncludeSpinDrift(true);
        load->setCaliber(0);
    });
    QTest::newRow("length 0") << Setup([](Settings* settings, Shoot* load) {
        settings->setIncludeSpinDrift(true);
        load->setLength(0);
    });
    QTest::newRow("weight 1e306 grains") << Setup([](Settings*, Shoot* load) { load->setWeight(1e306); });
    QTest::newRow("velocity 2e9 ft/s") << Setup([](Settings*, Shoot* load) { load->setMuzzleVelocity(2'000'000'000); });
    QTest::newRow("coefficient 1e9") << Setup([](Settings*, Shoot* load) { load->setBCMulti({0}, {1e9}); });
    QTest::newRow("kill zone 0") << Setup([](Settings* settings, Shoot*) { settings->setKillZone(0); });
    QTest::newRow("kill zone 1e9") << Setup([](Settings* settings, Shoot*) { settings->setKillZone(1e9); });
    QTest::newRow("negative kill zone") << Setup([](Settings* settings, Shoot*) { settings->setKillZone(-50); });
    QTest::newRow("card step 0") << Setup([](Settings* settings, Shoot*) { settings->setCardStep(0); });
    QTest::newRow("card step -5") << Setup([](Settings* settings, Shoot*) { settings->setCardStep(-5); });
    QTest::newRow("card step int max") << Setup([](Settings* settings, Shoot*) { settings->setCardStep(2147483647); });
    QTest::newRow("max range int max") << Setup([](Settings* settings, Shoot*) {
        settings->setAutoRange(false);
        settings->setMaxRange(2147483647);
    });
    QTest::newRow("wind 1e306") << Setup([](Settings* settings, Shoot*) {
        settings->setWindAngle(90);
        settings->setWindVelocity(1e306);
    });
    QTest::newRow("custom click over 0 m") << Setup([](Settings* settings, Shoot*) {
        settings->setScopeClick(6);
        settings->setManScopeDevH(1);
        settings->setManScopeDistH(0);
        settings->setManScopeDevV(0);
        settings->setManScopeDistV(0);
    });
    QTest::newRow("sight height -1 m") << Setup([](Settings* settings, Shoot*) { settings->setSightHeight(-100); });
    QTest::newRow("sight height 1e9") << Setup([](Settings* settings, Shoot*) { settings->setSightHeight(1e9); });
    QTest::newRow("zero range -100") << Setup([](Settings*, Shoot* load) { load->setZeroRange(-100); });
    QTest::newRow("zero range 1e9") << Setup([](Settings*, Shoot* load) { load->setZeroRange(1'000'000'000); });
    for (int slope : {80, 89, 90, 91, 135, 180, 270, 1000}) {
        for (int direction : {0, 1}) {
            QTest::addRow("slope %d %s", slope, direction == 0 ? "up" : "down")
                << Setup([slope, direction](Settings* settings, Shoot*) {
                       settings->setAutoRange(false);
                       settings->setMaxRange(4000);
                       settings->setUpHillAngle(slope);
                       settings->setUpHillDirection(direction);
                   });
        }
    }
    QTest::newRow("slope 180 auto range") << Setup([](Settings* settings, Shoot*) { settings->setUpHillAngle(180); });
}

// Whatever a parameter file holds, a computation ends, shows no infinity, and its trajectory
// advances along the line of sight (the curves and cards are functions of the distance).
void TestSolver::hostileInputsGiveBoundedFiniteResults()
{
    QFETCH(Setup, setup);

    auto load = makeLoad(rifle308, "Hostile");
    setup(settings, load.get());
    load->ComputeTrajectory();
    load->ComputeRangeCard();
    const std::vector<TrajectoryState>& states = load->States();
    QVERIFY(states.size() <= 240'001);
    for (std::size_t i = 1; i < states.size(); ++i) {
        QVERIFY(states[i].x > states[i - 1].x);
        QVERIFY(std::isfinite(states[i].y) && std::isfinite(states[i].vx) && std::isfinite(states[i].vy));
    }
    for (int index = 0; index < Shoot::trajectorySeriesCount; ++index)
        QVERIFY2(noInfinity(load->TrajectorySeries(index)), qPrintable(QString::number(index)));
    for (int index = 0; index < Shoot::cardSeriesCount; ++index) {
        QVERIFY2(noInfinity(load->CardSeries(index)), qPrintable(QString::number(index)));
        QVERIFY(load->CardSeries(index).size() <= 10'000);
    }
    const QList<double> blank = load->PointBlankRanges();
    QCOMPARE(blank.size(), 5);
    QVERIFY(noInfinity(blank));
    QVERIFY(noInfinity(load->CharacteristicRanges(load->shootAngle())));
}

void TestSolver::extremesOfTheWidgets_data()
{
    QTest::addColumn<int>("velocityFps");
    QTest::addColumn<double>("coefficient");
    QTest::addColumn<int>("maxRange");
    QTest::addColumn<int>("slope");
    QTest::addColumn<int>("direction");

    QTest::newRow("4000 m at 6000 ft/s") << 6000 << 0.8 << 4000 << 0 << 0;
    QTest::newRow("BC 0.005 at 150 m/s") << 492 << 0.005 << 4000 << 0 << 0;
    QTest::newRow("75 degrees up") << 2650 << 0.45 << 4000 << 75 << 0;
    QTest::newRow("75 degrees down") << 2650 << 0.45 << 4000 << 75 << 1;
    QTest::newRow("BC 0.005 at 150 m/s, 75 up") << 492 << 0.005 << 4000 << 75 << 0;
    QTest::newRow("BC 0.005 at 150 m/s, 75 down") << 492 << 0.005 << 4000 << 75 << 1;
    QTest::newRow("6000 ft/s, 75 up") << 6000 << 0.8 << 4000 << 75 << 0;
}

// The extremes the widgets allow: every trajectory ends by one of its ordinary rules.
void TestSolver::extremesOfTheWidgets()
{
    QFETCH(int, velocityFps);
    QFETCH(double, coefficient);
    QFETCH(int, maxRange);
    QFETCH(int, slope);
    QFETCH(int, direction);

    settings->setAutoRange(false);
    settings->setMaxRange(maxRange);
    settings->setUpHillAngle(slope);
    settings->setUpHillDirection(direction);
    settings->setCardStep(1);
    auto load = makeLoad({168, velocityFps, 0.308, 1.215, 0, {0}, {coefficient}, 100});
    load->ComputeTrajectory();
    load->ComputeRangeCard();
    const std::vector<TrajectoryState>& states = load->States();
    QVERIFY(states.size() > 1 && states.size() < 240'001);
    const TrajectoryState& last = states.back();
    const TrajectoryState next = load->RungeKuttaStep(last, Shoot::timeStepS);
    QVERIFY2(last.x >= maxRange || last.y <= -40.0 || next.x <= last.x,
        qPrintable(QString("ended at x %1 y %2").arg(last.x).arg(last.y)));
    for (int index = 0; index < Shoot::trajectorySeriesCount; ++index)
        for (double value : load->TrajectorySeries(index))
            QVERIFY(std::isfinite(value));
    for (int index = 0; index < Shoot::cardSeriesCount; ++index)
        for (double value : load->CardSeries(index))
            QVERIFY(std::isfinite(value));
    const QList<double> blank = load->PointBlankRanges();
    QVERIFY(noInfinity(blank));
}

void TestSolver::trajectoryEndsWhereTheBulletStopsAdvancing()
{
    // Steeply uphill with a draggy pellet, gravity along the slope turns the bullet back
    // before it falls 40 m below the line of sight.
    settings->setAutoRange(false);
    settings->setMaxRange(4000);
    settings->setUpHillAngle(75);
    auto load = makeLoad({8, 492, 0.177, 0.3, 0, {0}, {0.005}, 10});
    load->ComputeTrajectory();
    const TrajectoryState& last = load->States().back();
    QVERIFY2(last.y > -40.0, qPrintable(QString::number(last.y)));
    QVERIFY(last.x < 4000);
    QVERIFY(load->RungeKuttaStep(last, Shoot::timeStepS).x <= last.x);
    QCOMPARE(load->TrajectorySeries(2).size(), int(load->States().size()) - 1);
}

void TestSolver::flightEndsAfterTwoMinutes()
{
    // Gravity across the line of sight reversed (a slope of 180 degrees from a file) and next
    // to no drag: nothing brings the bullet back to the line of sight and it keeps advancing,
    // towards a maximum range of two million kilometres; the flight is cut after 240 000 steps.
    settings->setAutoRange(false);
    settings->setMaxRange(2147483647);
    settings->setUpHillAngle(180);
    auto load = makeLoad({168, 2650, 0.308, 1.215, 0, {0}, {1e9}, 200});
    load->ComputeTrajectoryFixedAngle(0.0);
    QCOMPARE(load->States().size(), std::size_t(240'001));
    QVERIFY(load->States().back().y > 0.0);
    const QList<double> ranges = load->PointBlankRanges(); // on the slope
    QVERIFY(std::isfinite(ranges[0]));
    QVERIFY(std::isnan(ranges[1]) && std::isnan(ranges[4])); // never back to the line of sight
}

void TestSolver::notComputableValuesAreNaN()
{
    // A custom click over no distance: the click columns cannot be computed, the rest can.
    settings->setScopeClick(6);
    settings->setManScopeDistH(0);
    settings->setManScopeDistV(0);
    auto load = makeLoad(rifle308);
    load->ComputeTrajectory();
    load->ComputeRangeCard();
    QVERIFY(!load->CardSeries(2).isEmpty());
    for (int index = 0; index < Shoot::cardSeriesCount; ++index) {
        const bool clicks = index == 16 || index == 17 || index == 22 || index == 23;
        for (double value : load->CardSeries(index))
            QVERIFY2(clicks ? std::isnan(value) : std::isfinite(value), qPrintable(QString::number(index)));
    }

    // An absurd weight: the energies overflow and say so, the other series are whole.
    load->setWeight(1e308);
    load->ComputeTrajectory();
    for (double value : load->TrajectorySeries(5))
        QVERIFY(std::isnan(value));
    for (double value : load->TrajectorySeries(4))
        QVERIFY(std::isfinite(value));

    // A kill zone no trajectory leaves: no kill-zone exit.
    settings->setKillZone(1e9);
    QVERIFY(std::isnan(load->PointBlankRanges()[4]));
}

void TestSolver::widgetExtremesAreIntegrated_data()
{
    QTest::addColumn<int>("model");
    for (int model = 0; model < 6; ++model)
        QTest::addRow("G model %d", model) << model;
}

// The fastest, draggiest load in the densest air the widgets allow is still integrated, and
// its speed only falls.
void TestSolver::widgetExtremesAreIntegrated()
{
    QFETCH(int, model);
    settings->setUseDefaultPressure(false);
    settings->setBasePressureUnit(0);
    settings->setBasePressure(2000);
    settings->setTemperatureUnit(0);
    settings->setTemperature(-100);
    auto load = makeLoad({900, 6000, 1.0, 5.0, model, {0}, {0.005}, 100});
    load->setMuzzleVelocityUnit(0); // 6000 m/s
    QCOMPARE(load->inputProblem(), QString());
    load->ComputeTrajectoryFixedAngle(0.0);
    QVERIFY(warnings.isEmpty());
    const QVector<double> speed = load->TrajectorySeries(4);
    QVERIFY(speed.size() > 1000);
    for (int i = 1; i < speed.size(); ++i)
        QVERIFY(speed[i] <= speed[i - 1] + 9.81 * Shoot::timeStepS);
}

void TestSolver::coefficientTooSmallToFollow_data()
{
    QTest::addColumn<QList<double>>("velMins");
    QTest::addColumn<QList<double>>("coefficients");
    QTest::addColumn<int>("velocityFps");
    QTest::addColumn<bool>("integrated");
    QTest::addColumn<bool>("warned");

    QTest::newRow("1e-20 everywhere") << QList<double>{0} << QList<double>{1e-20} << 2650 << false << true;
    QTest::newRow("2e9 ft/s") << QList<double>{0} << QList<double>{0.4} << 2'000'000'000 << false << true;
    QTest::newRow("1e-20 below 1500 ft/s") << QList<double>{0, 1500} << QList<double>{1e-20, 0.4} << 2650 << false
                                           << true;
    // Up to where the drag is lost, just inside the band.
    QTest::newRow("1e-5 below 1500 ft/s") << QList<double>{0, 1500} << QList<double>{1e-5, 0.4} << 2650 << true
                                          << true;
    // Stiff but followed: the bullet all but stops in the band and falls.
    QTest::newRow("1e-4 below 1500 ft/s") << QList<double>{0, 1500} << QList<double>{1e-4, 0.4} << 2650 << true
                                          << false;
}

// A coefficient so small (or a velocity so high) that the integration cannot follow the drag:
// the numbers would blow up, so the load says so, before integrating when the drag is hopeless
// and where the step loses the drag otherwise.
void TestSolver::coefficientTooSmallToFollow()
{
    QFETCH(QList<double>, velMins);
    QFETCH(QList<double>, coefficients);
    QFETCH(int, velocityFps);
    QFETCH(bool, integrated);
    QFETCH(bool, warned);

    settings->setAutoRange(false);
    settings->setMaxRange(4000);
    auto load = makeLoad(rifle308, "Stiff");
    load->setBCMulti(velMins, coefficients);
    load->setMuzzleVelocity(velocityFps);
    load->ComputeTrajectoryFixedAngle(0.5);
    const QStringList expected{"Warning|Ballistic coefficient too small for the velocity of load : Stiff\nPlease "
                               "check the ballistic coefficient and the muzzle velocity of this load"};
    QCOMPARE(warnings, warned ? expected : QStringList());
    const QVector<double> speed = load->TrajectorySeries(4);
    QCOMPARE(speed.isEmpty(), !integrated);
    for (int i = 1; i < speed.size(); ++i)
        QVERIFY(speed[i] <= speed[i - 1] + 9.81 * Shoot::timeStepS);
    if (integrated && warned)
        QVERIFY(speed.last() > 1400 * 0.3048 && speed.last() < 1510 * 0.3048);
    if (!integrated) {
        for (double value : load->PointBlankRanges())
            QVERIFY(std::isnan(value));
    }
}

void TestSolver::overflowingSpinDriftLeftOutKeepsTheWindDrift()
{
    // A length of 1e-300 inches makes the stability factor, and the spin drift, overflow.
    settings->setWindAngle(90);
    auto load = makeLoad(rifle308);
    load->ComputeTrajectory();
    const QVector<double> windOnly = load->TrajectorySeries(1);
    load->setLength(1e-300);
    load->ComputeTrajectory();
    QCOMPARE(load->TrajectorySeries(1), windOnly);

    settings->setIncludeSpinDrift(true); // the drift itself cannot be computed now
    load->ComputeTrajectory();
    QVERIFY(noInfinity(load->TrajectorySeries(1)));
}
