#pragma once

#include <QString>

// The ballistic coefficient of a bullet from two chronograph readings, and its muzzle velocity.
// A scratch load (it writes nothing to the store) is flown between the two ranges under the
// current conditions, leaving at the near velocity as read: the coefficient is bisected on
// [0.0001, 5] until the far velocity is met, then the muzzle velocity is bisected on [near
// velocity, 10000 m/s] so that the near velocity is met at the near range. Both searches go
// well below the printed digits. Readings that no coefficient in that interval, or no muzzle
// velocity below 10000 m/s, meets within 0.1 m/s have no solution (found is false): among them
// a far range that the flight does not reach in the two minutes the engine follows it.
namespace BcFinder {

struct Input {
    double rangeNear = 2.5;
    double velocityNear = 800.0;
    double rangeFar = 300.0;
    double velocityFar = 600.0;
    int rangeUnit = 0;    // 0 m, 1 yd
    int velocityUnit = 0; // 0 m/s, 1 f/s
    int model = 0;        // drag model index: G1, G2, G5, G6, G7, G8
};

struct Result {
    bool found = false;
    double ballisticCoefficient = 0.0;
    double muzzleVelocityMs = 0.0;
};

Result find(const Input& input);

// The two texts the tool shows: "BC = 0.452 (G7)" and "Muzzle velocity = 2650.3 f/s".
QString coefficientText(const Result& result, const QString& modelText);
QString muzzleVelocityText(const Result& result, int velocityUnit, const QString& unitText);

} // namespace BcFinder
