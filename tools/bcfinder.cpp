#include "tools/bcfinder.h"

#include "ballistics/shoot.h"
#include "ballistics/trajectorystate.h"
#include "core/units.h"

#include <QCoreApplication>
#include <QDebug>

#include <algorithm>
#include <cmath>
#include <limits>

namespace BcFinder {
namespace {

using namespace Units;
constexpr int maximumTries = 450;
constexpr double maximumVelocityMs = 10000.0;
constexpr double smallestCoefficient = 0.0001;
constexpr double largestCoefficient = 5.0;
// A reading is met when the probe comes within matchMs of it (m/s). The searches go on to
// well below the printed digits (0.001 for the coefficient, 0.1 for the muzzle velocity in m/s
// or f/s), so that those are the digits of the exact solution.
constexpr double matchMs = 0.1;
constexpr double velocityPrecisionMs = 1e-3;
constexpr double muzzlePrecisionMs = 1e-3;
// The engine follows a flight for two minutes at most.
constexpr int maximumFlightSteps = int(120.0 / Shoot::timeStepS);

double distanceFactor(int rangeUnit)
{
    return rangeUnit != 1 ? 1.0 : 1.0 / yardsPerMetre;
}

double velocityFactor(int velocityUnit)
{
    return velocityUnit != 1 ? 1.0 : metresPerFoot;
}

// The engine's straight-line probe (the steps of Shoot::VelocityAtDistance, and so its numbers)
// for a muzzle velocity of any value, not only the whole ones a load holds: the horizontal
// velocity at distanceM of a level flight leaving the muzzle at muzzleMs. It is interpolated
// between the two states around the distance, as the range card is, rather than taken at the
// first state past it: that state lies up to one time step further (0.4 m at 800 m/s, where
// the bullet loses about 0.2 m/s), and the velocity there jumps as the muzzle velocity or the
// coefficient moves the states across the distance, so that some readings a bullet gives
// would be met by no coefficient at all. A flight that stalls, or that two minutes leave short
// of the distance, never gets there: NaN, not its last velocity. A flight slower than floorMs
// before the distance is slower there too (the velocity only falls): its velocity, below
// floorMs, is returned at once.
double velocityAt(const Shoot& load, double muzzleMs, double distanceM, double floorMs)
{
    TrajectoryState state{0.0, 0.0, muzzleMs, 0.0};
    for (int steps = 0; distanceM > state.x; ++steps) {
        if (!(state.vx > 0.0) || steps >= maximumFlightSteps)
            return std::numeric_limits<double>::quiet_NaN();
        if (state.vx < floorMs)
            return state.vx;
        const TrajectoryState next = load.RungeKuttaStep(state, Shoot::timeStepS);
        if (next.x >= distanceM)
            return state.vx + (next.vx - state.vx) * (distanceM - state.x) / (next.x - state.x);
        state = next;
    }
    return state.vx;
}

} // namespace

Result find(const Input& input)
{
    const double fd = distanceFactor(input.rangeUnit);
    const double fv = velocityFactor(input.velocityUnit);
    const double velocityNear = input.velocityNear * fv;
    const double velocityFar = input.velocityFar * fv;
    const double rangeNear = input.rangeNear * fd;
    const double between = (input.rangeFar - input.rangeNear) * fd;
    const auto noSolution = [] {
        qDebug().noquote() << "Unable to find a valid solution";
        return Result{};
    };

    // Readings no bullet can give have no solution: velocities must be above 0 and below the
    // muzzle-velocity search's 10000 m/s, and the far range must lie beyond the near one (the
    // probe would not fly at all, and its muzzle velocity would pass for the far velocity).
    const bool readable = velocityNear > 0.0 && velocityNear < maximumVelocityMs && velocityFar > 0.0
        && velocityFar < maximumVelocityMs && between > 0.0 && std::isfinite(between) && rangeNear >= 0.0;
    if (!readable)
        return noSolution();

    // The probe flies from the near reading, exactly as read: the near velocity stands for the
    // muzzle, over the distance between the ranges.
    Shoot load(1, nullptr, Shoot::Storage::Scratch);
    load.setGModel(input.model);
    const auto farVelocity = [&](double coefficient) {
        load.setBC(coefficient);
        return velocityAt(load, velocityNear, between, velocityFar - 1.0);
    };

    // The far velocity falls with the coefficient. When even the largest coefficient leaves the
    // bullet short of the far reading, or of its range, no coefficient gives the readings.
    double velocity = farVelocity(largestCoefficient);
    bool met = velocity >= velocityFar - matchMs;
    double lo = smallestCoefficient;
    double hi = largestCoefficient;
    double coefficient = hi;
    for (int tries = 0; met && tries < maximumTries; ++tries) {
        const double mid = (lo + hi) * 0.5;
        if (mid <= lo || mid >= hi)
            break; // the interval holds no other double
        coefficient = mid;
        velocity = farVelocity(coefficient);
        if (std::abs(velocity - velocityFar) <= velocityPrecisionMs)
            break;
        // A flight that never gets there is slower than any reading.
        if (velocityFar <= velocity)
            hi = coefficient;
        else
            lo = coefficient;
    }
    met = met && std::abs(velocity - velocityFar) <= matchMs;
    if (!met)
        return noSolution();
    load.setBC(coefficient);

    // The muzzle velocity that slows to the near velocity at the near range; none when even
    // 10000 m/s slows below it (or never gets there).
    const auto nearVelocity = [&](double muzzle) { return velocityAt(load, muzzle, rangeNear, velocityNear - 1.0); };
    if (!(nearVelocity(maximumVelocityMs) >= velocityNear))
        return noSolution();
    lo = velocityNear;
    hi = maximumVelocityMs;
    double muzzle = lo;
    while (hi - lo > muzzlePrecisionMs) {
        muzzle = (lo + hi) * 0.5;
        if (velocityNear < nearVelocity(muzzle))
            hi = muzzle;
        else
            lo = muzzle;
    }
    return {true, coefficient, muzzle};
}

QString coefficientText(const Result& result, const QString& modelText)
{
    if (!result.found)
        return "BC = ";
    return "BC = " + QString::number(result.ballisticCoefficient, 'f', 3) + " (" + modelText + ")";
}

QString muzzleVelocityText(const Result& result, int velocityUnit, const QString& unitText)
{
    const QString caption = QCoreApplication::translate("BCfromVFinder", "Muzzle velocity = ");
    if (!result.found)
        return caption;
    return caption + QString::number(result.muzzleVelocityMs / velocityFactor(velocityUnit), 'f', 1) + " " + unitText;
}

} // namespace BcFinder
