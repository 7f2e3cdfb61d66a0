#include "tools/bcfinder.h"

#include "ballistics/shoot.h"

#include <QCoreApplication>
#include <QDebug>

#include <algorithm>
#include <cmath>
#include <limits>

namespace BcFinder {
namespace {

constexpr double yardsPerMetre = 1.0936133;
constexpr double metresPerFoot = 0.3048;
constexpr int maximumTries = 450;
constexpr double maximumVelocityMs = 10000.0;

double distanceFactor(int rangeUnit)
{
    return rangeUnit != 1 ? 1.0 : 1.0 / yardsPerMetre;
}

double velocityFactor(int velocityUnit)
{
    return velocityUnit != 1 ? 1.0 : metresPerFoot;
}

// The load takes whole velocities; a reading beyond the int range is clamped rather than
// converted with undefined behaviour.
int wholeVelocity(double velocity)
{
    return int(std::clamp(velocity, double(std::numeric_limits<int>::min()), double(std::numeric_limits<int>::max())));
}

} // namespace

Result find(const Input& input)
{
    const double fd = distanceFactor(input.rangeUnit);
    const double fv = velocityFactor(input.velocityUnit);
    const double velocityFar = input.velocityFar * fv;

    // Readings no bullet can give have no solution: velocities must be above 0 and below the
    // muzzle-velocity search's 10000 m/s, and the far range must lie beyond the near one (the
    // probe would not fly at all, and its muzzle velocity would pass for the far velocity).
    const double velocityNearMs = input.velocityNear * fv;
    const bool readable = velocityNearMs > 0.0 && velocityNearMs < maximumVelocityMs && velocityFar > 0.0
        && velocityFar < maximumVelocityMs && (input.rangeFar - input.rangeNear) * fd > 0.0
        && std::isfinite((input.rangeFar - input.rangeNear) * fd) && input.rangeNear >= 0.0;
    if (!readable) {
        qDebug().noquote() << "Unable to find a valid solution";
        return {};
    }

    Shoot load(1, nullptr, Shoot::Storage::Scratch);
    load.setMuzzleVelocity(wholeVelocity(input.velocityNear));
    load.setMuzzleVelocityUnit(input.velocityUnit);
    load.setGModel(input.model);

    // The near reading stands for the muzzle: the probe flies the distance between the ranges.
    double lo = 0.0001;
    double hi = 5.0;
    double coefficient = 0.0;
    double velocity = 0.0;
    int tries = 0;
    bool exhausted = false;
    // A probe velocity that is not a number never counts as a match.
    while (!(std::abs(velocity - velocityFar) <= 0.1)) {
        if (tries >= maximumTries) {
            exhausted = true;
            break;
        }
        coefficient = (lo + hi) * 0.5;
        load.setBC(coefficient);
        velocity = load.VelocityAtDistance((input.rangeFar - input.rangeNear) * fd);
        if (velocityFar <= velocity)
            hi = coefficient;
        else
            lo = coefficient;
        ++tries;
    }
    load.setBC(coefficient);

    // The muzzle velocity that slows to the near velocity at the near range.
    const double velocityNear = input.velocityNear * fv;
    lo = velocityNear;
    hi = maximumVelocityMs;
    double muzzle = lo;
    while (hi - lo > 0.01) {
        muzzle = (lo + hi) * 0.5;
        load.setMuzzleVelocity(wholeVelocity(muzzle));
        load.setMuzzleVelocityUnit(0);
        const double atNear = load.VelocityAtDistance(input.rangeNear * fd);
        if (velocityNear < atNear)
            hi = muzzle;
        else
            lo = muzzle;
    }

    if (exhausted)
        qDebug().noquote() << "Unable to find a valid solution";
    return {!exhausted, coefficient, muzzle};
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
