// The load and its solver: units and setters of a load, drag, integrator, series, zero and
// point-blank ranges, signs, and the choices made where the formulas would fail.
#include "ballistics/shoot.h"
#include "ballistics/stability.h"
#include "core/messages.h"
#include "settings/settings.h"

#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <functional>
#include <memory>

namespace {

// A .308 load of 168 grains at 2650 ft/s, zeroed at 200 m, that never writes to the store.
std::unique_ptr<Shoot> makeLoad(const QString& title = "test load")
{
    auto load = std::make_unique<Shoot>(1, nullptr, Shoot::Storage::Scratch);
    load->setTitle(title);
    load->setOrigin("manual");
    load->setWeight(168);
    load->setWeightUnit(0);
    load->setMuzzleVelocity(2650);
    load->setMuzzleVelocityUnit(1);
    load->setCaliber(0.308);
    load->setCaliberUnit(0);
    load->setLength(1.215);
    load->setLengthUnit(0);
    load->setGModel(0);
    load->setBCMulti({0, 1800, 2400}, {0.447, 0.462, 0.475});
    load->setZeroRange(200);
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

bool allSeries(const Shoot& load, const std::function<bool(double)>& test)
{
    for (int index = 0; index < Shoot::trajectorySeriesCount + Shoot::cardSeriesCount; ++index) {
        const QVector<double> series = index < Shoot::trajectorySeriesCount
            ? load.TrajectorySeries(index)
            : load.CardSeries(index - Shoot::trajectorySeriesCount);
        if (!std::all_of(series.begin(), series.end(), test))
            return false;
    }
    return true;
}

QString stored(int id, const char* field)
{
    return QSettings().value(QString("shoot/%1/%2").arg(id).arg(field)).toString();
}

} // namespace

Q_DECLARE_METATYPE(Setup)

class TestSolver : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void loadUnits();
    void loadSetters();
    void retardationBands_data();
    void retardationBands();
    void coefficientAtSpeed_data();
    void coefficientAtSpeed();
    void forcesAndIntegrator();
    void seriesAndCardRows();
    void zeroAngles();
    void slopeActsOnTheTrajectoryNotTheZero();
    void spinDriftAndStability();
    void unusableInputsAreNotIntegrated_data();
    void unusableInputsAreNotIntegrated();
    void hostileInputsGiveBoundedFiniteResults_data();
    void hostileInputsGiveBoundedFiniteResults();
    void extremesOfTheWidgets();
    void notComputableValuesAreNaN();
    void coefficientTooSmallToFollow_data();
    void coefficientTooSmallToFollow();

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

void TestSolver::init()
{
    QSettings().clear();
    settings->initialize();
    warnings.clear();
}

// The SI getters; a load whose units were never read takes grams, ft/s, mm and yards.
void TestSolver::loadUnits()
{
    const QStringList keys = QSettings().allKeys();
    auto load = makeLoad(); // a scratch load never writes
    QCOMPARE(QSettings().allKeys(), keys);
    QCOMPARE(QList<double>({load->weightKg(), load->muzzleVelocityMs(), load->lengthM()}),
        QList<double>({168 * 0.06479891 / 1000, 2650 * 0.3048, 1.215 * 2.54 / 100}));
    QCOMPARE(load->caliberM(), 0.308 * 0.0254);
    load->setZeroRangeUnit(1);
    load->setLengthUnit(1);
    QCOMPARE(load->zeroRangeM(), 200 / 1.0936133);
    QCOMPARE(load->lengthM(), 0.001215);

    Shoot fresh(0, nullptr, Shoot::Storage::Scratch);
    fresh.setWeight(10);
    fresh.setMuzzleVelocity(1000);
    fresh.setCaliber(5.7);
    fresh.setZeroRange(100);
    QCOMPARE(QList<double>({fresh.weightKg(), fresh.muzzleVelocityMs(), fresh.caliberM(), fresh.zeroRangeM()}),
        QList<double>({0.010, 304.8, 0.0057, 100 / 1.0936133}));
}

// Compared setters write and signal a change; double setters signal only while the store is read.
// Bands pair with the shorter list, up to 100; one coefficient replaces a hand-typed load's bands.
void TestSolver::loadSetters()
{
    Shoot load(2);
    QSignalSpy gModel(&load, &Shoot::gModelChanged);
    for (int model : {0, 0, 4})
        load.setGModel(model);
    QCOMPARE(gModel.count(), 2);
    QCOMPARE(stored(2, "gModel"), QString("4"));

    QSignalSpy weight(&load, &Shoot::weightChanged);
    settings->setInitialized(false);
    for (int i = 0; i < 2; ++i)
        load.setWeight(150);
    settings->setInitialized(true);
    load.setWeight(155);
    QCOMPARE(weight.count(), 1);
    QCOMPARE(stored(2, "weight"), QString("155"));

    QSignalSpy title(&load, &Shoot::titleChanged);
    load.setTitle("Sierra 168");
    load.setTitle("Sierra 168");
    QCOMPARE(title.count(), 1);
    QCOMPARE(title.at(0), QList<QVariant>({2, "Sierra 168"}));

    QSignalSpy coefficient(&load, &Shoot::BCchanged);
    load.setBCMulti({0, 1800}, {0.40, 0.45, 0.50});
    load.setBCMulti({}, {0.3});
    QCOMPARE(load.BCList(), QList<double>({0.40, 0.45}));
    QCOMPARE(stored(2, "BCmultiV"), QString("0;1800"));
    const QList<double> many = QVector<double>(150, 0.25).toList();
    load.setBCMulti(many, many);
    QCOMPARE(load.velMinList().size(), 100);
    QCOMPARE(coefficient.count(), 2);
    QVERIFY(warnings.size() == 1 && warnings.first().contains("Sierra 168") && warnings.first().contains("150"));
    load.setOrigin("db");
    load.setBC(0.5);
    QCOMPARE(load.BCList(), many.mid(0, 100));
    load.setOrigin("manual");
    load.setBC(0.5);
    QCOMPARE(stored(2, "BCmultiBC") + " " + stored(2, "BCmultiV"), QString("0.5 0"));
}

void TestSolver::retardationBands_data()
{
    QTest::addColumn<int>("model");
    QTest::addColumn<double>("speed");
    QTest::addColumn<double>("m");
    QTest::addColumn<double>("a");

    QTest::newRow("G1 at exactly 4230 ft/s") << 0 << exactSpeedForFps(4230) << 1.925 << 0.0001920339268755614;
    QTest::newRow("G1 just above 4230 ft/s") << 0 << 4230.0001 * 0.3048 << 1.9565 << 0.0001477404177730177;
    QTest::newRow("model 6 is G1") << 6 << 853.44 << 1.625 << 0.002162887202930376;
    QTest::newRow("G7 at exactly 4200 ft/s") << 4 << exactSpeedForFps(4200) << 1.27907168025204 << 0.0171422231434847;
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
    QCOMPARE(load.Retardation(speed), a == 0.0 ? 0.0 : std::pow(fps, m) * a / fps);
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
    QTest::newRow("ascending at exactly 1800") << ascending << bcs << 1800.0 << 0.40;
    QTest::newRow("descending at 2500") << QList<double>{2400, 1800, 0} << QList<double>{0.50, 0.45, 0.40} << 2500.0
                                        << 0.40;
    QTest::newRow("no band below the speed") << QList<double>{500} << QList<double>{0.3} << 400.0 << 0.0;
    QTest::newRow("equal minima: the last listed")
        << QList<double>{1800, 0, 1800} << QList<double>{0.45, 0.4, 0.47} << 2000.0 << 0.47;
}

// The coefficient of the band with the highest minimum below the speed; a list with no band
// from 0 is not usable.
void TestSolver::coefficientAtSpeed()
{
    QFETCH(QList<double>, velMins);
    QFETCH(QList<double>, coefficients);
    QFETCH(double, fps);
    QFETCH(double, expected);

    Shoot load(0, nullptr, Shoot::Storage::Scratch);
    load.setBCMulti(velMins, coefficients);
    QCOMPARE(load.BCAtVelocity(exactSpeedForFps(fps)), expected);
    QCOMPARE(load.hasUsableCoefficients(), velMins.contains(0.0));
}

// Drag at 1013 hPa scales with (P / 1000) × (288 / (T + 273)), not with a standard atmosphere.
void TestSolver::forcesAndIntegrator()
{
    Shoot load(0, nullptr, Shoot::Storage::Scratch);
    load.setBCMulti({0}, {0.5});
    load.setGModel(0);
    const TrajectoryState state{10, 0, 800, 0};
    const double drag = 800 * load.Retardation(800) / 0.5;
    for (double temperature : {15.0, 25.0}) {
        settings->setTemperature(temperature);
        QVERIFY(qAbs(-load.AccelX(state) / drag - 1.013 * 288 / (temperature + 273)) < 1e-12);
    }
    QCOMPARE(load.AccelY(state), -9.81); // no vertical speed: gravity alone
}

// A trajectory stops 2 m below the line of sight, or at the maximum range (40 m below: the extremes).
// Angle series hold the points at most 0.01 rad below the line of sight; card rows stop before the end.
void TestSolver::seriesAndCardRows()
{
    settings->setCardStep(100);
    settings->setCardDisplayMOA(true);
    auto load = makeLoad();
    load->ComputeTrajectory();
    load->ComputeRangeCard();
    const auto& states = load->States();
    const int n = int(states.size());
    QVERIFY(states.back().y <= -2.0 && states[n - 2].y > -2.0);
    int inSubset = 0;
    for (int i = 1; i < n; ++i)
        inSubset += std::atan(states[i].y / states[i].x) >= -0.01 ? 1 : 0;
    QVERIFY(inSubset > 0 && inSubset < n - 1);
    QCOMPARE(load->TrajectorySeries(0).size(), n);
    for (int index = 1; index < 19; ++index) {
        const bool angles = index == 13 || index == 14 || index == 16 || index == 18;
        QVERIFY2(
            load->TrajectorySeries(index).size() == (angles ? inSubset : n - 1), qPrintable(QString::number(index)));
    }
    QCOMPARE(load->TrajectorySeries(8).last(), states.back().x * 1.0936133);

    const double lastX = states.back().x;
    const QVector<double> metric = load->CardSeries(2);
    const QVector<double> imperial = load->CardSeries(8);
    QCOMPARE(metric.first(), 100.0);
    QVERIFY(metric.last() < lastX && metric.last() + 100 >= lastX); // rows stop before the last distance
    QVERIFY(imperial.last() < lastX * 1.0936133 && imperial.last() + 100 >= lastX * 1.0936133);
    for (int index = 0; index < Shoot::cardSeriesCount; ++index)
        QCOMPARE(load->CardSeries(index).size(),
            (index >= 6 && index < 12) || index >= 18 ? imperial.size() : metric.size());

    QVERIFY(qAbs(load->CardSeries(3)[1]) <= 1.0); // the zero range row sits on the line of sight
    settings->setCardStep(-50);
    load->ComputeRangeCard();
    for (int index = 0; index < Shoot::cardSeriesCount; ++index)
        QVERIFY(load->CardSeries(index).isEmpty());
    settings->setAutoRange(false);
    settings->setMaxRange(500);
    load->ComputeTrajectory();
    QVERIFY(load->States().back().x >= 500.0 && load->States()[load->States().size() - 2].x < 500.0);
}

// The angle of a far and of a near zero, the point-blank ranges, a zero out of reach.
void TestSolver::zeroAngles()
{
    auto load = makeLoad();
    const double angle = load->Theta(200);
    const QList<double> ranges = load->CharacteristicRanges(angle);
    QVERIFY2(qAbs(ranges[1] - 200) < 2.0, qPrintable(QString::number(ranges[1])));

    const QList<double> near = load->CharacteristicRanges(load->Theta(20));
    QVERIFY2(qAbs(near[0] - 20) < 2.0 && near[1] > 100, qPrintable(QString::number(near[0])));
    QVERIFY(warnings.isEmpty());
    QCOMPARE(load->CharacteristicRanges(-1.0), QList<double>({9999.0, 0.0, 0.0, 0.0, 0.0}));
    QCOMPARE(load->VelocityAtDistance(0), load->muzzleVelocityMs());
    QVERIFY(load->VelocityAtDistance(300) < load->VelocityAtDistance(100));

    // The point-blank range peaks at half the kill zone.
    settings->setKillZone(10);
    const QList<double> blank = load->PointBlankRanges();
    QVERIFY2(qAbs(blank[2] - 0.05) < 0.001, qPrintable(QString::number(blank[2])));
    QVERIFY(blank[0] < blank[3] && blank[3] < blank[1] && blank[1] < blank[4]);

    // A zero range out of reach says so once, and the trajectory at the steepest angle is shown.
    load->setMuzzleVelocity(1070);
    load->setBCMulti({0}, {0.138});
    load->setZeroRange(3000);
    load->ComputeTrajectory();
    QCOMPARE(warnings,
        QStringList("Warning|Zeroing range not reachable for load : test load\nPlease try to reduce "
                    "your zeroing range for this load, or to change some parameters"));
    QVERIFY2(load->shootAngle() > 9.99 && load->shootAngle() < 10.0, qPrintable(QString::number(load->shootAngle())));
    QVERIFY(!load->TrajectorySeries(2).isEmpty());
}

void TestSolver::slopeActsOnTheTrajectoryNotTheZero()
{
    auto load = makeLoad();
    const double levelAngle = load->Theta(200);
    const double levelExit = load->PointBlankRanges()[4];

    settings->setUpHillAngle(30);
    QVector<double> speeds[2]; // uphill, downhill
    for (int direction : {0, 1}) {
        settings->setUpHillDirection(direction);
        QCOMPARE(load->Theta(200), levelAngle);
        QVERIFY(load->PointBlankRanges()[4] > levelExit); // less gravity across the line of sight
        load->ComputeTrajectoryFixedAngle(levelAngle);
        speeds[direction] = load->TrajectorySeries(4);
    }
    const int common = int(std::min(speeds[0].size(), speeds[1].size())) - 1;
    QVERIFY(speeds[1][common] > speeds[0][common]);
    QCOMPARE(load->AccelY({0, 0, 800, 0}), -9.81); // gravity back to level after the computation
}

// A zero range of 0, or a trajectory that ends short of the zero range, keeps the drifts finite.
void TestSolver::spinDriftAndStability()
{
    settings->setIncludeSpinDrift(true);
    auto load = makeLoad();
    const auto finite = [&] {
        load->ComputeTrajectory();
        return allSeries(*load, [](double value) { return std::isfinite(value); });
    };
    load->setZeroRange(0);
    QVERIFY(finite());
    settings->setAutoRange(false);
    settings->setMaxRange(100);
    load->setZeroRange(200);
    QVERIFY(finite() && load->States().back().x < 200 && load->TrajectorySeries(1).last() != 0.0);

    // A length of 1e-300 inches overflows the stability factor: the spin drift is left out.
    settings->setWindAngle(90);
    settings->setIncludeSpinDrift(false);
    load->ComputeTrajectory();
    const QVector<double> windOnly = load->TrajectorySeries(1);
    load->setLength(1e-300);
    load->ComputeTrajectory();
    QCOMPARE(load->TrajectorySeries(1), windOnly);
    settings->setIncludeSpinDrift(true);
    load->ComputeTrajectory();
    QVERIFY(noInfinity(load->TrajectorySeries(1)));

    // The factor is not stable below 1.0 and marginal below 1.3.
    using Stability::Rating;
    const std::pair<double, Rating> ratings[] = {{0.99, Rating::NotStable}, {1.0, Rating::Marginal},
        {1.29, Rating::Marginal}, {1.3, Rating::Stable}, {std::nan(""), Rating::Unknown}};
    for (const auto& [factor, rating] : ratings)
        QVERIFY(Stability::rate(factor) == rating);
}

void TestSolver::unusableInputsAreNotIntegrated_data()
{
    QTest::addColumn<Setup>("setup");
    QTest::addColumn<QString>("message");
    const auto row = [](const char* tag, const QString& message, Setup setup) {
        QTest::newRow(tag) << setup << QString(message).replace("%1", " for load : Hostile\nPlease ");
    };
    const QString coefficient = "Ballistic coefficient missing or zero%1enter a ballistic coefficient above 0";
    const QString air = "Air density cannot be computed%1check the pressure, the altitude and the temperature";
    row("coefficient 0", coefficient, [](Settings*, Shoot* load) { load->setBCMulti({0}, {0.0}); });
    row("negative coefficient", QString(coefficient).replace("missing or zero", "negative"),
        [](Settings*, Shoot* load) { load->setBCMulti({0}, {-0.3}); });
    row("negative velocity", "Muzzle velocity missing or zero%1enter a muzzle velocity above 0",
        [](Settings*, Shoot* load) { load->setMuzzleVelocity(-2650); });
    row("absolute zero", air, [](Settings* settings, Shoot*) { settings->setTemperature(-273); });
    row("altitude above the atmosphere", air, [](Settings* settings, Shoot*) {
        settings->setAltitudeCorrection(true);
        settings->setAltitude(100000);
    });
}

// A load that cannot be integrated says why, at every computation, and leaves nothing to show.
void TestSolver::unusableInputsAreNotIntegrated()
{
    QFETCH(Setup, setup);
    QFETCH(QString, message);

    auto load = makeLoad("Hostile");
    setup(settings, load.get());
    load->ComputeTrajectory();
    load->ComputeRangeCard();
    QCOMPARE(warnings, QStringList{"Warning|" + message});
    QCOMPARE(load->inputProblem(), message);
    QVERIFY(allSeries(*load, [](double) { return false; })); // every series empty
    const QList<double> ranges = load->PointBlankRanges();
    QVERIFY(ranges.size() == 5
        && std::all_of(ranges.begin(), ranges.end(), [](double value) { return std::isnan(value); }));
    load->ComputeTrajectoryFixedAngle(0.1); // the fixed angle of the "angle" behaviour
    QCOMPARE(warnings.size(), 2);
    QVERIFY(load->TrajectorySeries(2).isEmpty());
}

void TestSolver::hostileInputsGiveBoundedFiniteResults_data()
{
    QTest::addColumn<Setup>("setup");
    const auto row = [](const char* tag, Setup setup) { QTest::newRow(tag) << setup; };
    row("twist 0", [](Settings* settings, Shoot*) { settings->setTwist(0); });
    row("caliber 0", [](Settings*, Shoot* load) { load->setCaliber(0); });
    row("weight 1e306 grains", [](Settings*, Shoot* load) { load->setWeight(1e306); });
    row("coefficient 1e9", [](Settings*, Shoot* load) { load->setBCMulti({0}, {1e9}); });
    row("negative kill zone", [](Settings* settings, Shoot*) { settings->setKillZone(-50); });
    row("card step int max", [](Settings* settings, Shoot*) { settings->setCardStep(2147483647); });
    row("wind 1e306", [](Settings* settings, Shoot*) { settings->setWindVelocity(1e306); });
    row("zero range 1e9", [](Settings*, Shoot* load) { load->setZeroRange(1'000'000'000); });
    row("slope 180 auto range", [](Settings* settings, Shoot*) { settings->setUpHillAngle(180); });
    // Gravity reversed, next to no drag, no range limit: the flight is cut after 240 000 steps.
    row("two minutes of flight", [](Settings* settings, Shoot* load) {
        settings->setAutoRange(false);
        settings->setMaxRange(2147483647);
        settings->setUpHillAngle(180);
        load->setBCMulti({0}, {1e9});
    });
    for (int slope : {89, 90, 135, 180, 1000})
        for (int direction : {0, 1})
            QTest::addRow("slope %d %s", slope, direction == 0 ? "up" : "down")
                << Setup([slope, direction](Settings* settings, Shoot*) {
                       settings->setAutoRange(false);
                       settings->setMaxRange(4000);
                       settings->setUpHillAngle(slope);
                       settings->setUpHillDirection(direction);
                   });
}

// Whatever a parameter file holds, a computation ends, shows no infinity, and its trajectory advances.
void TestSolver::hostileInputsGiveBoundedFiniteResults()
{
    QFETCH(Setup, setup);

    settings->setIncludeSpinDrift(true);
    settings->setWindAngle(90);
    auto load = makeLoad("Hostile");
    setup(settings, load.get());
    load->ComputeTrajectory();
    load->ComputeRangeCard();
    const std::vector<TrajectoryState>& states = load->States();
    QVERIFY(states.size() <= 240'001);
    if (QTest::currentDataTag() == QByteArray("two minutes of flight")) {
        QCOMPARE(states.size(), std::size_t(240'001));
        QVERIFY(std::isnan(load->PointBlankRanges()[1])); // never back to the line of sight
    }
    for (std::size_t i = 1; i < states.size(); ++i) {
        QVERIFY(states[i].x > states[i - 1].x);
        QVERIFY(std::isfinite(states[i].y) && std::isfinite(states[i].vx) && std::isfinite(states[i].vy));
    }
    QVERIFY(allSeries(*load, [](double value) { return !std::isinf(value); }));
    QVERIFY(load->CardSeries(2).size() <= 10'000);
    QVERIFY(noInfinity(load->PointBlankRanges()));
    QVERIFY(noInfinity(load->CharacteristicRanges(load->shootAngle())));
}

// The extremes the widgets allow: every trajectory ends at the range, 40 m below the line of sight,
// or where the bullet stops advancing (a draggy pellet steeply uphill).
void TestSolver::extremesOfTheWidgets()
{
    // {muzzle velocity in ft/s, coefficient, slope, direction}
    const double rows[][4] = {{6000, 0.8, 0, 0}, {492, 0.005, 0, 0}, {2650, 0.45, 75, 1}, {492, 0.005, 75, 0}};
    for (const auto& [velocityFps, coefficient, slope, direction] : rows) {
        init();
        settings->setAutoRange(false);
        settings->setMaxRange(4000);
        settings->setUpHillAngle(int(slope));
        settings->setUpHillDirection(int(direction));
        settings->setCardStep(1);
        auto load = makeLoad();
        load->setMuzzleVelocity(int(velocityFps));
        load->setBCMulti({0}, {coefficient});
        load->ComputeTrajectory();
        load->ComputeRangeCard();
        const std::vector<TrajectoryState>& states = load->States();
        QVERIFY(states.size() > 1 && states.size() < 240'001);
        const TrajectoryState& last = states.back();
        const TrajectoryState next = load->RungeKuttaStep(last, Shoot::timeStepS);
        QVERIFY2(last.x >= 4000 || last.y <= -40.0 || next.x <= last.x,
            qPrintable(QString("%1 ft/s ended at x %2 y %3").arg(velocityFps).arg(last.x).arg(last.y)));
        QVERIFY(allSeries(*load, [](double value) { return std::isfinite(value); }));
        QVERIFY(noInfinity(load->PointBlankRanges()));
        if (slope == 75 && coefficient < 0.01) // gravity along the slope turns the pellet back
            QVERIFY(last.y > -40.0 && last.x < 4000 && next.x <= last.x);

        // The fastest, draggiest load in the densest air: every drag model, the speed only falls.
        if (slope == 0 && velocityFps == 6000) {
            settings->setUseDefaultPressure(false);
            settings->setBasePressure(2000);
            settings->setTemperature(-100);
            load->setMuzzleVelocityUnit(0);
            load->setBCMulti({0}, {0.005});
            for (int model = 0; model < 6; ++model) {
                load->setGModel(model);
                load->ComputeTrajectoryFixedAngle(0.0);
                const QVector<double> speed = load->TrajectorySeries(4);
                QVERIFY2(speed.size() > 1000 && warnings.isEmpty(), qPrintable(QString::number(model)));
                for (int i = 1; i < speed.size(); ++i)
                    QVERIFY(speed[i] <= speed[i - 1] + 9.81 * Shoot::timeStepS);
            }
        }
    }
}

void TestSolver::notComputableValuesAreNaN()
{
    // A custom horizontal click over no distance: only its click columns cannot be computed.
    settings->setScopeClick(6);
    settings->setManScopeDistH(0);
    settings->setManScopeDevV(1);
    auto load = makeLoad();
    load->ComputeTrajectory();
    load->ComputeRangeCard();
    QVERIFY(!load->CardSeries(2).isEmpty());
    for (int index = 0; index < Shoot::cardSeriesCount; ++index) {
        const bool clicks = index == 16 || index == 22;
        for (double value : load->CardSeries(index))
            QVERIFY2(clicks ? std::isnan(value) : std::isfinite(value), qPrintable(QString::number(index)));
    }

    // An absurd weight: the energies overflow and say so, the other series are whole.
    load->setWeight(1e308);
    load->ComputeTrajectory();
    const QVector<double> energy = load->TrajectorySeries(5);
    QVERIFY(std::all_of(energy.begin(), energy.end(), [](double value) { return std::isnan(value); }));

    // A kill zone no trajectory leaves: no kill-zone exit.
    settings->setKillZone(1e9);
    QVERIFY(std::isnan(load->PointBlankRanges()[4]));
}

void TestSolver::coefficientTooSmallToFollow_data()
{
    QTest::addColumn<QList<double>>("velMins");
    QTest::addColumn<QList<double>>("coefficients");
    QTest::addColumn<int>("velocityFps");
    QTest::addColumn<bool>("integrated");
    QTest::addColumn<bool>("warned");

    const QList<double> two = {0, 1500};
    QTest::newRow("1e-20 everywhere") << QList<double>{0} << QList<double>{1e-20} << 2650 << false << true;
    QTest::newRow("2e9 ft/s") << QList<double>{0} << QList<double>{0.4} << 2'000'000'000 << false << true;
    QTest::newRow("1e-20 below 1500 ft/s") << two << QList<double>{1e-20, 0.4} << 2650 << false << true;
    // Up to where the drag is lost, just inside the band; then stiff but followed.
    QTest::newRow("1e-5 below 1500 ft/s") << two << QList<double>{1e-5, 0.4} << 2650 << true << true;
    QTest::newRow("1e-4 below 1500 ft/s") << two << QList<double>{1e-4, 0.4} << 2650 << true << false;
}

// A coefficient too small (or a velocity too high) for the step to follow the drag: the load says
// so, before integrating when the drag is hopeless, where the step loses the drag otherwise.
void TestSolver::coefficientTooSmallToFollow()
{
    QFETCH(QList<double>, velMins);
    QFETCH(QList<double>, coefficients);
    QFETCH(int, velocityFps);
    QFETCH(bool, integrated);
    QFETCH(bool, warned);

    settings->setAutoRange(false);
    settings->setMaxRange(4000);
    auto load = makeLoad("Stiff");
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
    if (!integrated)
        QVERIFY(std::isnan(load->PointBlankRanges()[0]));
}

QTEST_GUILESS_MAIN(TestSolver)
#include "tst_solver.moc"
