#include "bench/reference/referencesolver.h"

#include "ballistics/shoot.h"
#include "settings/settings.h"

#include <QList>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <iterator>

namespace {

// One drag band: above boundFps (exclusive, ft/s) the deceleration at BC 1 is a × v^m ft/s².
struct Band {
    double boundFps;
    double m;
    double a;
};

// The six drag models, bands from the fastest down; the last band covers everything above
// 0 ft/s. The values are the exact doubles of the drag law.
const Band g1[] = {
    {4230.0, 1.9565, 0.0001477404177730177},
    {3680.0, 1.925, 0.0001920339268755614},
    {3450.0, 1.875, 0.0002894751026819746},
    {3295.0, 1.825, 0.0004349905111115636},
    {3130.0, 1.775, 0.0006520421871892662},
    {2960.0, 1.725, 0.0009748073694078696},
    {2830.0, 1.675, 0.001453721560187286},
    {2680.0, 1.625, 0.002162887202930376},
    {2460.0, 1.575, 0.003209559783129881},
    {2225.0, 1.55, 0.003904368218691249},
    {2015.0, 1.575, 0.003222942271262336},
    {1890.0, 1.625, 0.002203329542297809},
    {1810.0, 1.675, 0.001511001028891904},
    {1730.0, 1.75, 0.0008609957592468259},
    {1595.0, 1.85, 0.0004086146797305117},
    {1520.0, 1.95, 0.0001954473210037398},
    {1420.0, 2.125, 5.431896266462351e-05},
    {1360.0, 2.375, 8.847742581674416e-06},
    {1315.0, 2.625, 1.456922328720298e-06},
    {1280.0, 2.875, 2.419485191895565e-07},
    {1220.0, 3.25, 1.657956321067612e-08},
    {1185.0, 3.75, 4.745469537157371e-10},
    {1150.0, 4.25, 1.379746590025088e-11},
    {1100.0, 4.75, 4.070157961147882e-13},
    {1060.0, 5.125, 2.938236954847331e-14},
    {1025.0, 5.25, 1.228597370774746e-14},
    {980.0, 5.125, 2.916938264100495e-14},
    {945.0, 4.75, 3.855099424807451e-13},
    {905.0, 4.25, 1.185097045689854e-11},
    {860.0, 3.75, 3.566129470974951e-10},
    {810.0, 3.25, 1.045513263966272e-08},
    {780.0, 2.875, 1.291159200846216e-07},
    {750.0, 2.625, 6.824429329105383e-07},
    {700.0, 2.375, 3.569169672385163e-06},
    {640.0, 2.125, 1.839015095899579e-05},
    {600.0, 1.95, 5.71117468873424e-05},
    {550.0, 1.875, 9.226557091973427e-05},
    {250.0, 1.875, 9.337991957131389e-05},
    {100.0, 1.925, 7.225247327590413e-05},
    {65.0, 1.975, 5.792684957074546e-05},
    {0.0, 2.0, 5.206214107320588e-05},
};

const Band g2[] = {
    {1674.0, 1.36999902851493, 0.0079470052136733},
    {1172.0, 1.65392237010294, 0.00100419763721974},
    {1060.0, 7.91913562392361, 7.15571228255369e-23},
    {949.0, 3.81439537623717, 1.39589807205091e-10},
    {670.0, 1.71869536324748, 0.000234364342818625},
    {335.0, 1.76877550388679, 0.000177962438921838},
    {0.0, 1.98160270524632, 5.18033561289704e-05},
};

const Band g5[] = {
    {1730.0, 1.41538574492812, 0.00724854775171929},
    {1228.0, 2.13077307854948, 3.50563361516117e-05},
    {1116.0, 4.81927320350395, 1.84029481181151e-13},
    {1004.0, 7.8100555281422, 1.34713064017409e-22},
    {837.0, 2.84204791809926, 1.03965974081168e-07},
    {335.0, 1.81096361579504, 0.000109301593869823},
    {0.0, 2.00477856801111, 3.51963178524273e-05},
};

const Band g6[] = {
    {3236.0, 1.15997674041274, 0.0455384883480781},
    {2065.0, 1.10704436538885, 0.0716726184965377},
    {1311.0, 1.60085100195952, 0.00166676386084348},
    {1144.0, 2.9569674731838, 1.01482730119215e-07},
    {1004.0, 6.34106317069757, 4.31542773103552e-18},
    {670.0, 2.11688446325998, 2.04835650496866e-05},
    {0.0, 1.92031057847052, 7.50912466084823e-05},
};

const Band g7[] = {
    {4200.0, 3.24121295355962, 1.29081656775919e-09},
    {3000.0, 1.27907168025204, 0.0171422231434847},
    {1470.0, 1.52693913274526, 0.00233355948302505},
    {1260.0, 1.67688974440324, 0.000797592111627665},
    {1110.0, 4.3212826264889, 5.71086414289273e-12},
    {960.0, 5.99074203776707, 3.02865108244904e-17},
    {670.0, 2.1738019851075, 7.52285155782535e-06},
    {540.0, 2.08774690257991, 1.31766281225189e-05},
    {0.0, 2.08702306738884, 1.34504843776525e-05},
};

const Band g8[] = {
    {3571.0, 1.33207346655961, 0.0112263766252305},
    {1841.0, 1.28662041261785, 0.0167252613732636},
    {1120.0, 1.55636358091189, 0.00220172456619625},
    {1088.0, 5.80410776994789, 2.0538037167098e-16},
    {976.0, 4.29275576134191, 5.92182174254121e-12},
    {0.0, 1.99978116283334, 4.3917343795117e-05},
};

const Band* bandsOf(int gModel, int& count)
{
    switch (gModel) {
    case 1:
        count = static_cast<int>(std::size(g2));
        return g2;
    case 2:
        count = static_cast<int>(std::size(g5));
        return g5;
    case 3:
        count = static_cast<int>(std::size(g6));
        return g6;
    case 4:
        count = static_cast<int>(std::size(g7));
        return g7;
    case 5:
        count = static_cast<int>(std::size(g8));
        return g8;
    default: // 0, and any index outside 0 to 5
        count = static_cast<int>(std::size(g1));
        return g1;
    }
}

// Conversion factors and constants, exact as the solver writes them.
constexpr double metresPerFoot = 0.3048;
constexpr double yardsPerMetre = 1.0936133;
constexpr double grainsToGrams = 0.06479891;
constexpr double moaPerRadian = 3437.7467707849396;
constexpr double tenthMoaPerRadian = 34377.46770784939;
constexpr double pi = 3.141592653589793;
constexpr double standardGravity = 9.81;
constexpr double footPoundsPerJoulePlot = 0.737562;
constexpr double footPoundsPerJouleCard = 0.737562149;

} // namespace

ReferenceSolver::ReferenceSolver(const Shoot& shoot, const Settings& settings)
    : shoot(shoot)
    , settings(settings)
    , trajectorySeries_(trajectorySeriesCount)
    , cardSeries_(cardSeriesCount)
{
}

ReferenceResult ReferenceSolver::computeAll()
{
    ReferenceResult result;
    ComputeTrajectory();
    ComputeRangeCard();
    result.pointBlank = PointBlankRanges();
    result.shootAngle = shootAngle_;
    result.zeroUnreachable = zeroUnreachable_;
    result.trajectorySeries = trajectorySeries_;
    result.cardSeries = cardSeries_;
    return result;
}

// ---- Force model --------------------------------------------------------------------------

double ReferenceSolver::Retardation(double speed) const
{
    // F = v_fps^M × A / v_fps with the first band, from the fastest down, whose bound is
    // strictly below v_fps.
    const double vFps = speed / metresPerFoot;
    if (vFps <= 0.0)
        return 0.0;
    int count = 0;
    const Band* bands = bandsOf(shoot.gModel(), count);
    double m = 0.0;
    double a = 0.0;
    for (int i = 0; i < count; ++i) {
        if (bands[i].boundFps < vFps) {
            m = bands[i].m;
            a = bands[i].a;
            break;
        }
    }
    return std::pow(vFps, m) * a / vFps;
}

double ReferenceSolver::BCAtVelocity(double speed) const
{
    // The last entry in list order whose minimum speed (ft/s) is strictly exceeded wins; a
    // missing minimum counts as 0.
    const QList<double> bcList = shoot.BCList();
    const QList<double> velMinList = shoot.velMinList();
    const int n = bcList.size();
    if (n < 1)
        return 0.0;
    double result = 0.0;
    for (int i = 0; i < n; ++i) {
        const double vmin = i < velMinList.size() ? velMinList.at(i) : 0.0;
        if (speed / metresPerFoot > vmin)
            result = bcList.at(i);
    }
    return result;
}

double ReferenceSolver::AccelX(const ReferenceState& state) const
{
    // -gX - k × vx × F(u) / BC(u), k = (P / 1000) × (288 / (T + 273)), in this order.
    const double u = state.speed();
    double d = state.vx * Retardation(u);
    d = d / BCAtVelocity(u);
    d = d * (288.0 / (settings.temperatureCelsius() + 273.0));
    return -gX - (settings.stationPressureHPa() / 1000.0) * d;
}

double ReferenceSolver::AccelY(const ReferenceState& state) const
{
    // -gY - k × vy × F(u) / BC(u), evaluated like AccelX.
    const double u = state.speed();
    double d = state.vy * Retardation(u);
    d = d / BCAtVelocity(u);
    d = d * (288.0 / (settings.temperatureCelsius() + 273.0));
    return -gY - (settings.stationPressureHPa() / 1000.0) * d;
}

double ReferenceSolver::GravityX() const
{
    return standardGravity * std::sin(settings.upHillAngleRad());
}

double ReferenceSolver::GravityY() const
{
    return standardGravity * std::cos(settings.upHillAngleRad());
}

// ---- Integration --------------------------------------------------------------------------

ReferenceState ReferenceSolver::RungeKuttaStep(const ReferenceState& s, double h) const
{
    // Classical fourth-order Runge-Kutta on (x, y, vx, vy) with the derivative
    // (vx, vy, AccelX, AccelY), componentwise.
    const double k1x = s.vx;
    const double k1y = s.vy;
    const double k1vx = AccelX(s);
    const double k1vy = AccelY(s);

    ReferenceState s2;
    s2.x = s.x + h / 2 * k1x;
    s2.y = s.y + h / 2 * k1y;
    s2.vx = s.vx + h / 2 * k1vx;
    s2.vy = s.vy + h / 2 * k1vy;
    const double k2x = s2.vx;
    const double k2y = s2.vy;
    const double k2vx = AccelX(s2);
    const double k2vy = AccelY(s2);

    ReferenceState s3;
    s3.x = s.x + h / 2 * k2x;
    s3.y = s.y + h / 2 * k2y;
    s3.vx = s.vx + h / 2 * k2vx;
    s3.vy = s.vy + h / 2 * k2vy;
    const double k3x = s3.vx;
    const double k3y = s3.vy;
    const double k3vx = AccelX(s3);
    const double k3vy = AccelY(s3);

    ReferenceState s4;
    s4.x = s.x + h * k3x;
    s4.y = s.y + h * k3y;
    s4.vx = s.vx + h * k3vx;
    s4.vy = s.vy + h * k3vy;
    const double k4x = s4.vx;
    const double k4y = s4.vy;
    const double k4vx = AccelX(s4);
    const double k4vy = AccelY(s4);

    ReferenceState result;
    result.x = s.x + h / 6 * (k1x + 2 * k2x + 2 * k3x + k4x);
    result.y = s.y + h / 6 * (k1y + 2 * k2y + 2 * k3y + k4y);
    result.vx = s.vx + h / 6 * (k1vx + 2 * k2vx + 2 * k3vx + k4vx);
    result.vy = s.vy + h / 6 * (k1vy + 2 * k2vy + 2 * k3vy + k4vy);
    return result;
}

bool ReferenceSolver::KeepIntegrating() const
{
    if (settings.autoRange())
        return current.y > -2.0;
    return settings.maxRangeSI() > current.x;
}

double ReferenceSolver::SpinDrift(double stabilityFactor, double timeS) const
{
    // t^1.83 × 1.25 × (SG + 1.2) inches, converted to metres.
    return std::pow(timeS, 1.83) * (1.25 * (stabilityFactor + 1.2)) * 2.54 / 100;
}

double ReferenceSolver::StabilityFactor() const
{
    const double m = (shoot.weightKg() * 1000) / grainsToGrams; // grains
    const double tc = settings.twistSI() / shoot.caliberM();    // twist in calibres
    const double d = (shoot.caliberM() * 100) / 2.54;           // calibre in inches
    const double d3 = std::pow(d, 3.0);
    const double l = shoot.lengthM() / shoot.caliberM(); // length in calibres
    return ((((m * 30) / (tc * tc)) / d3) / l) / (l * l + 1);
}

// ---- Trajectory ---------------------------------------------------------------------------

void ReferenceSolver::ComputeTrajectory()
{
    // The zero angle is searched with the gravity of level ground (gX 0, gY 9.81).
    shootAngle_ = Theta(shoot.zeroRangeM());
    ComputeTrajectoryAfterAngle();
}

void ReferenceSolver::ComputeTrajectoryFixedAngle(double angleDeg)
{
    shootAngle_ = angleDeg;
    ComputeTrajectoryAfterAngle();
}

void ReferenceSolver::ComputeTrajectoryAfterAngle()
{
    const double twistSign = settings.twistSI() / std::fabs(settings.twistSI());
    gY = GravityY();
    gX = GravityX();
    const double sg = StabilityFactor();

    const double v0 = shoot.muzzleVelocityMs();
    const double a = shootAngle_ * pi / 180;
    current = ReferenceState();
    current.x = 0.0;
    current.y = -settings.sightHeightSI();
    current.vx = v0 * std::cos(a);
    current.vy = v0 * std::sin(a);

    for (std::vector<double>& series : trajectorySeries_)
        series.clear();
    states_.clear();
    totalDrift_.clear();
    windDrift_.clear();
    spinDrift_.clear();
    double t = 0.0;
    states_.push_back(current);
    trajectorySeries_[0].push_back(t);
    totalDrift_.push_back(0.0);
    windDrift_.push_back(0.0);
    spinDrift_.push_back(0.0);

    while (KeepIntegrating() && current.y > -40.0) {
        t = t + timeStepS;
        current = RungeKuttaStep(current, timeStepS);
        states_.push_back(current);
        trajectorySeries_[0].push_back(t);
        windDrift_.push_back((t - current.x / v0) * (settings.windVelocitySI() * std::sin(settings.windAngleRad())));
        spinDrift_.push_back(SpinDrift(sg, t) * twistSign);
    }
    const std::size_t n = states_.size();

    // Spin drift at the zero range: that of the last state short of it.
    const double zeroRangeM = shoot.zeroRangeM();
    double g0 = 0.0;
    for (std::size_t i = 0; i < n && states_[i].x < zeroRangeM; ++i)
        g0 = spinDrift_[i];

    // The sight is taken as adjusted to cancel the spin drift at the zero range; a zero range
    // of 0 m leaves it uncorrected.
    const double f = settings.includeSpinDrift() ? 1.0 : 0.0;
    for (std::size_t i = 1; i < n; ++i) {
        if (zeroRangeM != 0.0)
            spinDrift_[i] = spinDrift_[i] - states_[i].x * g0 / zeroRangeM;
        totalDrift_.push_back(spinDrift_[i] * f + windDrift_[i]);
    }

    const double weightKg = shoot.weightKg();
    for (std::size_t i = 1; i < n; ++i) {
        const ReferenceState& s = states_[i];
        const double u = s.speed();
        const double d = totalDrift_[i];
        const double energy = weightKg * 0.5 * u * u;

        // Bend: the largest height above the chord from (0, 0) to point i, never below 0.
        const double chordSlope = s.y / s.x;
        double highest = 0.0;
        for (std::size_t j = 1; j <= i; ++j) {
            const double above = states_[j].y - states_[j].x * chordSlope;
            if (j == 1 || above > highest)
                highest = above;
        }
        const double b = std::max(0.0, highest);

        trajectorySeries_[1].push_back(d * 100);
        trajectorySeries_[2].push_back(s.x);
        trajectorySeries_[3].push_back(s.y * 100);
        trajectorySeries_[4].push_back(u);
        trajectorySeries_[5].push_back(energy);
        trajectorySeries_[6].push_back(b * 100);
        trajectorySeries_[7].push_back(d * 100 / 2.54);
        trajectorySeries_[8].push_back(s.x * yardsPerMetre);
        trajectorySeries_[9].push_back(s.y * 100 / 2.54);
        trajectorySeries_[10].push_back(u / metresPerFoot);
        trajectorySeries_[11].push_back(energy * footPoundsPerJoulePlot);
        trajectorySeries_[12].push_back(b * 100 / 2.54);
        trajectorySeries_[15].push_back(std::atan(d / s.x) * moaPerRadian);
        trajectorySeries_[17].push_back(std::atan(d / s.x) * 1000);
        const double sightAngle = std::atan(s.y / s.x);
        if (sightAngle >= -0.01) {
            trajectorySeries_[13].push_back(s.x);
            trajectorySeries_[14].push_back(s.x * yardsPerMetre);
            trajectorySeries_[16].push_back(sightAngle * moaPerRadian);
            trajectorySeries_[18].push_back(sightAngle * 1000);
        }
    }

    gY = standardGravity;
    gX = 0.0;
}

// ---- Range card ---------------------------------------------------------------------------

void ReferenceSolver::ComputeRangeCard()
{
    for (std::vector<double>& series : cardSeries_)
        series.clear();
    const int step = settings.cardStep();
    if (step <= 0 || states_.empty())
        return;
    const std::size_t n = states_.size();
    const double xLast = states_[n - 1].x;
    const std::vector<double>& times = trajectorySeries_[0];
    const double weightKg = shoot.weightKg();

    // Metric rows every step metres, short of the last stored distance.
    for (int k = 1; xLast > step * k; ++k)
        cardSeries_[2].push_back(step * k);
    for (const double distance : cardSeries_[2]) {
        std::size_t j = 0;
        while (j < n && !(states_[j].x >= distance))
            ++j;
        if (j == 0 || j == n)
            break;
        const ReferenceState& s0 = states_[j - 1];
        const ReferenceState& s1 = states_[j];
        const double frac = (distance - s0.x) / (s1.x - s0.x);
        const double y = s0.y + (s1.y - s0.y) * frac;
        const double drift = totalDrift_[j - 1] + (totalDrift_[j] - totalDrift_[j - 1]) * frac;
        const double speed = s0.speed() + (s1.speed() - s0.speed()) * frac;
        const double time = times[j - 1] + (times[j] - times[j - 1]) * frac;

        const double heightCm = std::round(y * 10 * 100) / 10;
        cardSeries_[3].push_back(heightCm);
        const double alpha = std::atan((heightCm / 100) / distance);
        cardSeries_[15].push_back(std::round(alpha * 10000) / 10);
        cardSeries_[13].push_back(std::round(alpha * tenthMoaPerRadian) / 10);
        cardSeries_[17].push_back(std::round(alpha * moaPerRadian / settings.clickValueV()));

        const double driftCm = std::round(drift * 10 * 100) / 10;
        cardSeries_[1].push_back(driftCm);
        const double beta = std::atan((driftCm / 100) / distance);
        cardSeries_[14].push_back(std::round(beta * 10000) / 10);
        cardSeries_[12].push_back(std::round(beta * tenthMoaPerRadian) / 10);
        cardSeries_[16].push_back(std::round(beta * moaPerRadian / settings.clickValueH()));

        const double speedMs = std::round(speed);
        cardSeries_[4].push_back(speedMs);
        cardSeries_[5].push_back(std::round(weightKg * 0.5 * speedMs * speedMs));
        cardSeries_[0].push_back(std::round(time * 100) / 100);
    }

    // Imperial rows every step yards, short of the last stored distance.
    for (int k = 1; xLast * yardsPerMetre > step * k; ++k)
        cardSeries_[8].push_back(step * k);
    for (const double distance : cardSeries_[8]) {
        std::size_t j = 0;
        while (j < n && !(states_[j].x * yardsPerMetre >= distance))
            ++j;
        if (j == 0 || j == n)
            break;
        const double distanceM = distance / yardsPerMetre;
        const ReferenceState& s0 = states_[j - 1];
        const ReferenceState& s1 = states_[j];
        const double frac = (distanceM - s0.x) / (s1.x - s0.x);
        const double y = s0.y + (s1.y - s0.y) * frac;
        const double drift = totalDrift_[j - 1] + (totalDrift_[j] - totalDrift_[j - 1]) * frac;
        const double speed = s0.speed() + (s1.speed() - s0.speed()) * frac;
        const double time = times[j - 1] + (times[j] - times[j - 1]) * frac;

        const double heightIn = std::round(y * 100 / 2.54 * 10) / 10;
        cardSeries_[9].push_back(heightIn);
        const double alpha = std::atan((heightIn / 36) / distance);
        cardSeries_[21].push_back(std::round(alpha * 10000) / 10);
        cardSeries_[19].push_back(std::round(alpha * tenthMoaPerRadian) / 10);
        cardSeries_[23].push_back(std::round(alpha * moaPerRadian / settings.clickValueV()));

        const double driftIn = std::round(drift * 100 / 2.54 * 10) / 10;
        cardSeries_[7].push_back(driftIn);
        const double beta = std::atan((driftIn / 36) / distance);
        cardSeries_[20].push_back(std::round(beta * 10000) / 10);
        cardSeries_[18].push_back(std::round(beta * tenthMoaPerRadian) / 10);
        cardSeries_[22].push_back(std::round(beta * moaPerRadian / settings.clickValueH()));

        const double speedFps = std::round(speed / metresPerFoot);
        cardSeries_[10].push_back(speedFps);
        const double v = speedFps * metresPerFoot;
        cardSeries_[11].push_back(std::round(weightKg * 0.5 * v * v * footPoundsPerJouleCard));
        cardSeries_[6].push_back(std::round(time * 100) / 100);
    }
}

// ---- Zero angle and characteristic ranges -------------------------------------------------

std::vector<double> ReferenceSolver::CharacteristicRanges(double angleDeg) const
{
    const double v0 = shoot.muzzleVelocityMs();
    const double a = angleDeg * pi / 180;
    ReferenceState s;
    s.x = 0.0;
    s.y = -settings.sightHeightSI();
    s.vx = v0 * std::cos(a);
    s.vy = v0 * std::sin(a);
    double peak = -settings.sightHeightSI();
    double peakX = 0.0;

    // Rise to the line of sight.
    while (s.y <= 0 && s.y >= -settings.sightHeightSI() - 1e-13) {
        s = RungeKuttaStep(s, timeStepS);
        if (s.y > peak) {
            peak = s.y;
            peakX = s.x;
        }
    }
    const double nearZero = s.x;
    if (s.y <= -settings.sightHeightSI())
        return {9999.0, 0.0, 0.0, 0.0, 0.0};

    // Above the line of sight.
    while (s.y >= 0) {
        s = RungeKuttaStep(s, timeStepS);
        if (s.y > peak) {
            peak = s.y;
            peakX = s.x;
        }
    }
    const double farZero = s.x;

    // Descent to the lower edge of the kill zone.
    while (s.y >= -settings.killZoneSI() * 0.5)
        s = RungeKuttaStep(s, timeStepS);

    return {nearZero, farZero, peak, peakX, s.x};
}

double ReferenceSolver::AngleForPeakHeight(double peakHeightM) const
{
    double lo = 0.0;
    double hi = 10.0;
    do {
        const double mid = (lo + hi) * 0.5;
        const double p = CharacteristicRanges(mid)[2];
        if (p > peakHeightM) {
            hi = mid;
        } else {
            lo = mid;
            if (p == peakHeightM)
                hi = mid;
        }
    } while (!(hi - lo <= 5e-5));
    return (hi + lo) * 0.5;
}

std::vector<double> ReferenceSolver::PointBlankRanges()
{
    gY = GravityY();
    gX = GravityX();
    const double angle = AngleForPeakHeight(0.5 * settings.killZoneSI());
    std::vector<double> list = CharacteristicRanges(angle);
    gY = standardGravity;
    gX = 0.0;
    return list;
}

double ReferenceSolver::Theta(double zeroRangeM)
{
    zeroUnreachable_ = false;

    // Far zero: the bullet falls back through the line of sight at the zero range.
    double lo = 0.0;
    double hi = 10.0;
    double farMid = 0.0;
    double f = 0.0;
    do {
        farMid = (hi + lo) * 0.5;
        f = CharacteristicRanges(farMid)[1];
        if (f > zeroRangeM) {
            hi = farMid;
        } else {
            lo = farMid;
            if (f == zeroRangeM)
                hi = farMid;
        }
    } while (!(hi - lo <= 5e-5));
    if (std::fabs(f - zeroRangeM) < 2.0)
        return farMid;

    // Near zero: the bullet rises through the line of sight at the zero range.
    lo = 0.0;
    hi = 60.0;
    double nearMid = 0.0;
    double nz = 0.0;
    do {
        nearMid = (hi + lo) * 0.5;
        nz = CharacteristicRanges(nearMid)[0];
        if (nz > zeroRangeM) {
            lo = nearMid;
        } else {
            hi = nearMid;
            if (nz == zeroRangeM)
                lo = nearMid;
        }
    } while (!(hi - lo <= 5e-5));
    if (std::fabs(nz - zeroRangeM) < 2.0)
        return nearMid;

    zeroUnreachable_ = true;
    return farMid;
}

double ReferenceSolver::VelocityAtDistance(double distanceM) const
{
    // A level shot along the bore from (0, 0), with the gravity as it stands.
    ReferenceState s;
    s.x = 0.0;
    s.y = 0.0;
    s.vx = shoot.muzzleVelocityMs();
    s.vy = 0.0;
    while (distanceM > s.x)
        s = RungeKuttaStep(s, timeStepS);
    return s.vx;
}
