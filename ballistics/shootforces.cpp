#include "ballistics/shoot.h"
#include "ballistics/shootinternal.h"
#include "settings/settings.h"

// ---------------------------------------------------------------------------------------------
// Force model

Shoot::ForceModel Shoot::forceModel(double gravityX, double gravityY) const
{
    const DragTable table = DragTables::forModel(gModel_);
    ForceModel model{table.bands, table.count, 0, {}, {}, {}, {}, 0.0, 0.0, gravityX, gravityY};
    // A velocity list shorter than the coefficient list counts its missing minima as 0.
    model.coefficients.assign(BCList_.begin(), BCList_.end());
    model.velMins.resize(model.coefficients.size(), 0.0);
    for (int i = 0; i < std::min(int(model.velMins.size()), velMinList_.size()); ++i)
        model.velMins[i] = velMinList_[i];
    model.sortBands();
    model.pressureFactor = settings->stationPressureHPa() / 1000.0;
    model.temperatureFactor = 288.0 / (settings->temperatureCelsius() + 273.0);
    return model;
}

double Shoot::Retardation(double speed) const
{
    return forceModel(gX, gY).retardation(speed / metresPerFoot);
}

double Shoot::BCAtVelocity(double speed) const
{
    return forceModel(gX, gY).coefficient(speed / metresPerFoot);
}

double Shoot::AccelX(const TrajectoryState& state) const
{
    double ax;
    double ay;
    forceModel(gX, gY).accelerations(state, ax, ay);
    return ax;
}

double Shoot::AccelY(const TrajectoryState& state) const
{
    double ax;
    double ay;
    forceModel(gX, gY).accelerations(state, ax, ay);
    return ay;
}

double Shoot::GravityX() const
{
    return standardGravity * std::sin(settings->upHillAngleRad());
}

double Shoot::GravityY() const
{
    return standardGravity * std::cos(settings->upHillAngleRad());
}

bool Shoot::hasUsableCoefficients() const
{
    // The coefficient is a step function of the speed with steps at the velocity minima: look
    // at it just above 0 and just above every minimum.
    const ForceModel model = forceModel(gX, gY);
    if (model.coefficients.empty())
        return false;
    std::vector<double> thresholds = {0.0};
    for (double velMin : model.velMins)
        if (velMin >= 0.0)
            thresholds.push_back(velMin);
    for (double threshold : thresholds) {
        const double bc = model.coefficientFrom(threshold);
        if (!(bc > 0.0) || !std::isfinite(bc))
            return false;
    }
    return true;
}
