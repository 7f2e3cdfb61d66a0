#pragma once

#include <cmath>

// One point of a trajectory in the line-of-sight frame: x along the line of sight from the
// sight at the muzzle, y across it (upwards positive), in metres; vx, vy in metres per second.
struct TrajectoryState {
    double x = 0.0;
    double y = 0.0;
    double vx = 0.0;
    double vy = 0.0;

    // The speed, as the power 0.5 of vx² + vy² (every result of the solver rests on this exact
    // evaluation, so it is not replaced by a square root).
    double speed() const { return std::pow(vx * vx + vy * vy, 0.5); }
};
