#pragma once

#include <cmath>
#include <vector>

class Settings;
class Shoot;

// The reference solver: a second, deliberately plain implementation of the trajectory solver
// that the engine (Shoot) must match to the last bit.
//
// It evaluates every formula literally, one loop per rule and in the written order of
// evaluation, and reads the load's SI getters and coefficient lists and the settings'
// converted getters at every use (the drag law, the coefficient lookup and the two settings
// getters of the density factor at every acceleration call). Nothing is cached, nothing is
// reordered, nothing is vectorised: it is slow on purpose and meant to stay obviously right.
// It carries its own copy of the six drag band tables and its own state type, so that it
// shares no code with the engine beyond the load and settings getters.
//
// Frame and units are the engine's: x along the line of sight from the sight at the muzzle,
// y across it (upwards positive), metres, seconds, m/s; angles of the shot in degrees.
//
// Where the rules leave a case open, the reference makes the program's choices:
//  - Retardation is 0 at speeds of 0 ft/s or below;
//  - the spin drift at the zero range is that of the last state short of the zero range
//    (the last state of all when the trajectory ends before it, 0 when none is short of it);
//  - a zero range of 0 m leaves the spin drift uncorrected instead of dividing by zero;
//  - a card step of 0 or less gives no card rows;
//  - a characteristic-range list always has five entries: (9999, 0, 0, 0, 0) when the bullet
//    never reaches the line of sight;
//  - an unreachable zero range shows nothing: it is recorded in zeroUnreachable().

// One point of the trajectory: x, y in metres and vx, vy in m/s, line-of-sight frame.
struct ReferenceState {
    double x = 0.0;
    double y = 0.0;
    double vx = 0.0;
    double vy = 0.0;

    // The speed as the power 0.5 of vx² + vy².
    double speed() const { return std::pow(vx * vx + vy * vy, 0.5); }
};

// Everything one full computation of a load produces, as plain data.
struct ReferenceResult {
    double shootAngle = 0.0;                           // degrees, from the zero-angle search
    bool zeroUnreachable = false;                      // the zero-range warning would have been shown
    std::vector<std::vector<double>> trajectorySeries; // 19 series
    std::vector<std::vector<double>> cardSeries;       // 24 series
    std::vector<double> pointBlank;                    // 5 entries: near, far, peak, peak x, exit
};

class ReferenceSolver {
public:
    static constexpr int trajectorySeriesCount = 19;
    static constexpr int cardSeriesCount = 24;
    static constexpr double timeStepS = 0.0005;

    // Reads shoot and settings through their getters at every use: both must outlive the solver
    // and must not change while it computes.
    ReferenceSolver(const Shoot& shoot, const Settings& settings);

    // Zero angle, trajectory at that angle, range card, then the point-blank ranges.
    ReferenceResult computeAll();

    // Force model (speeds in m/s).
    double Retardation(double speed) const;           // 1/s: drag deceleration at BC 1 over the speed
    double BCAtVelocity(double speed) const;          // coefficient that applies at the speed
    double AccelX(const ReferenceState& state) const; // m/s² along the line of sight
    double AccelY(const ReferenceState& state) const; // m/s² across it, upwards positive
    double GravityX() const;                          // m/s², 9.81 × sin(slope)
    double GravityY() const;                          // m/s², 9.81 × cos(slope)

    // Integration.
    ReferenceState RungeKuttaStep(const ReferenceState& state, double h) const;
    bool KeepIntegrating() const;                                 // tests the current state against the range limit
    double SpinDrift(double stabilityFactor, double timeS) const; // m, before the twist sign
    double StabilityFactor() const;

    // Computations.
    void ComputeTrajectory();
    void ComputeTrajectoryFixedAngle(double angleDeg);
    void ComputeTrajectoryAfterAngle();
    void ComputeRangeCard();
    double Theta(double zeroRangeM);
    std::vector<double> CharacteristicRanges(double angleDeg) const;
    double AngleForPeakHeight(double peakHeightM) const;
    std::vector<double> PointBlankRanges();
    double VelocityAtDistance(double distanceM) const;

    // Results of the last computation.
    double shootAngle() const { return shootAngle_; }
    bool zeroUnreachable() const { return zeroUnreachable_; }
    const std::vector<ReferenceState>& states() const { return states_; }
    const std::vector<double>& totalDrift() const { return totalDrift_; }
    const std::vector<double>& windDrift() const { return windDrift_; }
    const std::vector<double>& spinDrift() const { return spinDrift_; }
    const std::vector<std::vector<double>>& trajectorySeries() const { return trajectorySeries_; }
    const std::vector<std::vector<double>>& cardSeries() const { return cardSeries_; }

private:
    const Shoot& shoot;
    const Settings& settings;

    double gY = 9.81; // gravity across the line of sight, m/s²
    double gX = 0.0;  // gravity along the line of sight, m/s²
    double shootAngle_ = 0.0;
    bool zeroUnreachable_ = false;
    ReferenceState current;
    std::vector<ReferenceState> states_;
    std::vector<double> totalDrift_;
    std::vector<double> windDrift_;
    std::vector<double> spinDrift_;
    std::vector<std::vector<double>> trajectorySeries_;
    std::vector<std::vector<double>> cardSeries_;
};
