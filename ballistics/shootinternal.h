#pragma once

// The solver's private parts, shared by the files that implement Shoot (shoot.cpp: the load and
// its store; shootforces.cpp: drag and gravity; trajectory.cpp: integration and cards;
// zerosolver.cpp: zero angle and characteristic ranges). Nothing outside ballistics/ includes it.

#include "ballistics/dragtables.h"
#include "ballistics/shoot.h"
#include "core/units.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <limits>
#include <vector>

namespace ShootInternal {

using namespace Units;
inline constexpr double joulesToFootPoundsCard = joulesToFootPounds;
inline constexpr double pi = 3.141592653589793;
inline constexpr double joulesToFootPoundsPlot = 0.737562;
inline constexpr double standardGravity = 9.81;
// The integration stops 40 m below the line of sight whatever the range settings say.
inline constexpr double floorBelowSightM = -40.0;
// In auto-range mode the trajectory ends 2 m below the line of sight.
inline constexpr double autoRangeFloorM = -2.0;
inline constexpr double angleSubsetLimitRad = -0.01;
// The zero-angle bisections stop when the interval is this narrow (degrees).
inline constexpr double angleResolutionDeg = 5e-5;
// A zero-range search counts as solved within this distance (strictly).
inline constexpr double zeroAcceptanceM = 2.0;
inline constexpr double unreachedNearZero = 9999.0;
// No flight is followed for longer than two minutes: far beyond any range card, and it bounds
// the work and the memory of one computation whatever the inputs (a slope steeper than the
// widgets allow can leave gravity almost along the line of sight, so that nothing else ends
// the flight). 240 000 states of 0.5 ms.
inline constexpr int maxFlightSteps = 240000;
// A range card never has more rows than this per unit system (the widgets allow 4375 at most).
inline constexpr int maxCardRows = 10000;
inline constexpr double notComputable = std::numeric_limits<double>::quiet_NaN();
// A drag that would take off ten times the speed in one step is beyond anything the
// Runge-Kutta step can follow (a coefficient of 1e-20 from a file, a muzzle velocity of a
// million ft/s); the widgets' draggiest and fastest loads stay below 5.
inline constexpr double maxDragPerStep = 10.0;

} // namespace ShootInternal

using namespace ShootInternal;

// Everything the force model reads, fixed for one computation: nothing changes the settings or
// the load while it runs. The density factor is kept as its two evaluated parts (P / 1000 and
// 288 / (T + 273)) so that the accelerations multiply them in the same order as AccelX does.
struct Shoot::ForceModel {
    const DragBand* bands;
    int bandCount;
    mutable int lastBand; // the speed changes slowly: the band of the last call is tried first
    std::vector<double> velMins;
    std::vector<double> coefficients;
    // The coefficient above a speed is that of the last band, in list order, whose minimum lies
    // below it. The minima sorted (a minimum that is not a number is never below a speed), and
    // for the k lowest of them the coefficient of the one listed last: one bisection finds it.
    std::vector<double> sortedMins;
    std::vector<double> lastListed;
    double pressureFactor;
    double temperatureFactor;
    double gX;
    double gY;

    int bandFor(double speedFps) const
    {
        // Bands run from the fastest down: the first whose bound is strictly below the speed.
        const auto below = [&](int i) { return bands[i].boundFps < speedFps; };
        const int guess = lastBand;
        if (below(guess) && (guess == 0 || !below(guess - 1)))
            return guess;
        int lo = 0;
        int hi = bandCount; // answer in [lo, hi]; hi = bandCount means no band
        while (lo < hi) {
            const int mid = (lo + hi) / 2;
            if (below(mid))
                hi = mid;
            else
                lo = mid + 1;
        }
        if (lo < bandCount)
            lastBand = lo;
        return lo;
    }

    double retardation(double speedFps) const
    {
        const int band = bandFor(speedFps);
        if (band >= bandCount)
            return 0.0;
        const DragBand& b = bands[band];
        return std::pow(speedFps, b.m) * b.a / speedFps;
    }

    void sortBands()
    {
        std::vector<std::size_t> order;
        for (std::size_t i = 0; i < velMins.size(); ++i)
            if (!std::isnan(velMins[i]))
                order.push_back(i);
        std::stable_sort(
            order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return velMins[a] < velMins[b]; });
        sortedMins.clear();
        lastListed.clear();
        std::size_t latest = 0;
        for (std::size_t k = 0; k < order.size(); ++k) {
            latest = k == 0 ? order[k] : std::max(latest, order[k]);
            sortedMins.push_back(velMins[order[k]]);
            lastListed.push_back(coefficients[latest]);
        }
    }

    // The coefficient of the last listed band among the `count` lowest minima; 0 for none.
    double coefficientOfLowest(std::ptrdiff_t count) const
    {
        // Equal minima count together: the lowest `count` end where a higher minimum starts.
        return count == 0 ? 0.0 : lastListed[std::size_t(count - 1)];
    }

    // The coefficient of the last listed band whose minimum lies strictly below the speed.
    double coefficient(double speedFps) const
    {
        return coefficientOfLowest(
            std::lower_bound(sortedMins.begin(), sortedMins.end(), speedFps) - sortedMins.begin());
    }

    // The coefficient that applies from this speed upward: minima at or below it count.
    double coefficientFrom(double speedFps) const
    {
        return coefficientOfLowest(
            std::upper_bound(sortedMins.begin(), sortedMins.end(), speedFps) - sortedMins.begin());
    }

    // Both accelerations share the speed, the drag law and the coefficient of one stage.
    void accelerations(const TrajectoryState& s, double& ax, double& ay) const
    {
        const double speedFps = s.speed() / metresPerFoot;
        const double f = retardation(speedFps);
        const double bc = coefficient(speedFps);
        double dx = s.vx * f;
        dx = dx / bc;
        dx = dx * temperatureFactor;
        ax = -gX - pressureFactor * dx;
        double dy = s.vy * f;
        dy = dy / bc;
        dy = dy * temperatureFactor;
        ay = -gY - pressureFactor * dy;
    }
};

// One step of the integration. It is the solver's innermost loop, run by the trajectory and by
// every zero-angle evaluation: defined here so that each of them inlines it with the force model.
inline TrajectoryState Shoot::step(const ForceModel& model, const TrajectoryState& s, double h) const
{
    // Classical fourth-order Runge-Kutta on (x, y, vx, vy), derivative (vx, vy, ax, ay).
    const double halfH = h / 2.0;
    double ax1;
    double ay1;
    model.accelerations(s, ax1, ay1);
    const TrajectoryState s2{s.x + halfH * s.vx, s.y + halfH * s.vy, s.vx + halfH * ax1, s.vy + halfH * ay1};
    double ax2;
    double ay2;
    model.accelerations(s2, ax2, ay2);
    const TrajectoryState s3{s.x + halfH * s2.vx, s.y + halfH * s2.vy, s.vx + halfH * ax2, s.vy + halfH * ay2};
    double ax3;
    double ay3;
    model.accelerations(s3, ax3, ay3);
    const TrajectoryState s4{s.x + h * s3.vx, s.y + h * s3.vy, s.vx + h * ax3, s.vy + h * ay3};
    double ax4;
    double ay4;
    model.accelerations(s4, ax4, ay4);
    const double sixthH = h / 6.0;
    return {s.x + sixthH * (s.vx + 2.0 * s2.vx + 2.0 * s3.vx + s4.vx),
        s.y + sixthH * (s.vy + 2.0 * s2.vy + 2.0 * s3.vy + s4.vy), s.vx + sixthH * (ax1 + 2.0 * ax2 + 2.0 * ax3 + ax4),
        s.vy + sixthH * (ay1 + 2.0 * ay2 + 2.0 * ay3 + ay4)};
}
