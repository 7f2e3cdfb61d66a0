#include "ballistics/shoot.h"
#include "ballistics/shootinternal.h"
#include "core/messages.h"
#include "settings/settings.h"

#include <QCoreApplication>
#include <QDebug>

namespace {

bool finiteState(const TrajectoryState& s)
{
    return std::isfinite(s.x) && std::isfinite(s.y) && std::isfinite(s.vx) && std::isfinite(s.vy);
}

// A value too large for a double (an energy of an absurd weight, a click of 0 MOA) cannot be
// computed: the results say so with NaN rather than show an infinity.
void markOverflow(QVector<double>& series)
{
    for (double& value : series)
        if (std::isinf(value))
            value = notComputable;
}

QString listText(const QList<double>& values)
{
    QStringList parts;
    for (double value : values)
        parts << QString::number(value);
    return "(" + parts.join(", ") + ")";
}

} // namespace

// ---------------------------------------------------------------------------------------------
// Integration

TrajectoryState Shoot::RungeKuttaStep(const TrajectoryState& state, double h) const
{
    return step(forceModel(gX, gY), state, h);
}

bool Shoot::KeepIntegrating() const
{
    if (settings->autoRange())
        return current.y > autoRangeFloorM;
    return settings->maxRangeSI() > current.x;
}

double Shoot::SpinDrift(double stabilityFactor, double timeS) const
{
    return std::pow(timeS, 1.83) * (1.25 * (stabilityFactor + 1.2)) * 2.54 / 100.0;
}

double Shoot::stabilityFactor() const
{
    const double grains = (weightKg() * 1000.0) / grainsToGrams;
    const double twistCalibres = settings->twistSI() / caliberM();
    const double caliberInches = (caliberM() * 100.0) / 2.54;
    const double caliberCubed = std::pow(caliberInches, 3.0);
    const double lengthCalibres = lengthM() / caliberM();
    return ((((grains * 30.0) / (twistCalibres * twistCalibres)) / caliberCubed) / lengthCalibres)
        / (lengthCalibres * lengthCalibres + 1.0);
}

void Shoot::clearResults()
{
    for (auto& series : trajectorySeries)
        series.clear();
    for (auto& series : cardSeries)
        series.clear();
    states.clear();
    totalDrift.clear();
    windDrift.clear();
    spinDrift.clear();
}

void Shoot::ComputeTrajectory()
{
    qDebug().noquote() << "void Shoot::ComputeTrajectory()" << id_;
    if (!readyToIntegrate())
        return;
    shootAngle_ = Theta(zeroRangeM());
    ComputeTrajectoryAfterAngle();
}

void Shoot::ComputeTrajectoryFixedAngle(double angleDeg)
{
    qDebug().noquote() << "void Shoot::ComputeTrajectoryFixedAngle(double)" << id_ << angleDeg;
    shootAngle_ = angleDeg;
    if (!readyToIntegrate())
        return;
    ComputeTrajectoryAfterAngle();
}

QString Shoot::inputProblem() const
{
    // A coefficient of 0, a muzzle velocity of 0 or an air density that is not a positive
    // number would integrate into non-finite numbers.
    if (!hasUsableCoefficients())
        return (std::any_of(BCList_.begin(), BCList_.end(), [](double bc) { return bc < 0.0; })
                       ? QCoreApplication::translate("QObject", "Ballistic coefficient negative for load : ")
                       : QCoreApplication::translate("QObject", "Ballistic coefficient missing or zero for load : "))
            + title_ + "\n" + QCoreApplication::translate("QObject", "Please enter a ballistic coefficient above 0");
    if (!(muzzleVelocityMs() > 0.0))
        return QCoreApplication::translate("QObject", "Muzzle velocity missing or zero for load : ") + title_ + "\n"
            + QCoreApplication::translate("QObject", "Please enter a muzzle velocity above 0");
    const ForceModel model = forceModel(gX, gY);
    if (!(model.pressureFactor >= 0.0) || !std::isfinite(model.pressureFactor) || !(model.temperatureFactor > 0.0)
        || !std::isfinite(model.temperatureFactor))
        return QCoreApplication::translate("QObject", "Air density cannot be computed for load : ") + title_ + "\n"
            + QCoreApplication::translate("QObject", "Please check the pressure, the altitude and the temperature");
    if (!(fastestDragRate(model) * timeStepS <= maxDragPerStep))
        return dragTooStrongText();
    return {};
}

QString Shoot::dragTooStrongText() const
{
    return QCoreApplication::translate("QObject", "Ballistic coefficient too small for the velocity of load : ")
        + title_ + "\n"
        + QCoreApplication::translate(
            "QObject", "Please check the ballistic coefficient and the muzzle velocity of this load");
}

double Shoot::fastestDragRate(const ForceModel& model) const
{
    // The drag takes off rate × speed per second, with rate = retardation / coefficient × the
    // density factor. Every band of every drag model has an exponent above 1, so within a band
    // and a coefficient step the rate grows with the speed: its largest value is met at the top
    // of a stretch, which is a band bound, a velocity minimum, or the fastest the bullet flies.
    // Falling can make it faster than its muzzle velocity only at speeds where the drag is
    // small; half as fast again is taken to be safe.
    const double topFps = 1.5 * muzzleVelocityMs() / metresPerFoot;
    std::vector<double> speeds = {topFps};
    for (int i = 0; i < model.bandCount; ++i)
        if (model.bands[i].boundFps > 0.0 && model.bands[i].boundFps < topFps)
            speeds.push_back(model.bands[i].boundFps);
    for (double velMin : model.velMins)
        if (velMin > 0.0 && velMin < topFps)
            speeds.push_back(velMin);
    double fastest = 0.0;
    for (double speed : speeds)
        fastest = std::max(fastest, model.retardation(speed) / model.coefficient(speed));
    return fastest * model.pressureFactor * model.temperatureFactor;
}

bool Shoot::readyToIntegrate()
{
    const QString problem = inputProblem();
    if (problem.isEmpty())
        return true;
    // Say so and compute nothing.
    clearResults();
    Messages::warning(QCoreApplication::translate("QObject", "Warning"), problem);
    return false;
}

void Shoot::ComputeTrajectoryAfterAngle()
{
    qDebug().noquote() << "void Shoot::ComputeTrajectoryAfterAngle()" << id_;
    const double twist = settings->twistSI();
    const double twistSign = twist > 0.0 ? 1.0 : twist < 0.0 ? -1.0 : 0.0;
    gY = GravityY();
    gX = GravityX();
    // A bullet that does not spin (twist 0), or whose stability cannot be computed from its
    // dimensions, has no gyroscopic drift.
    const double sg = stabilityFactor();
    const bool spins = std::isfinite(sg) && twistSign != 0.0;

    const double sightHeight = settings->sightHeightSI();
    const double zeroRange = zeroRangeM();
    const double v0 = muzzleVelocityMs();
    qDebug().noquote() << "sigth height" << sightHeight;
    qDebug().noquote() << "zero range" << zeroRange;
    qDebug().noquote() << "muzzle velocity" << v0;
    qDebug().noquote() << "shoot angle :" << shootAngle_;
    qDebug().noquote() << "caliber in m :" << caliberM();
    qDebug().noquote() << "length in m :" << lengthM();
    qDebug().noquote() << "twist in m :" << twist;
    qDebug().noquote() << "stab factor :" << sg;
    qDebug().noquote() << "kill zone :" << settings->killZoneSI();
    qDebug().noquote() << "pressure :" << settings->stationPressureHPa();
    qDebug().noquote() << "Velmin / BC list :" << listText(velMinList_) << listText(BCList_);

    const ForceModel model = forceModel(gX, gY);
    const double angleRad = shootAngle_ * pi / 180.0;
    current = {0.0, -sightHeight, v0 * std::cos(angleRad), v0 * std::sin(angleRad)};

    clearResults();
    QVector<double>& times = trajectorySeries[0];
    double t = 0.0;
    states.push_back(current);
    times.push_back(t);
    totalDrift.push_back(0.0);
    windDrift.push_back(0.0);
    spinDrift.push_back(0.0);

    const double crossWind = settings->windVelocitySI() * std::sin(settings->windAngleRad());
    const bool autoRange = settings->autoRange();
    const double maxRange = settings->maxRangeSI();
    int steps = 0;
    // Ends: in auto-range mode 2 m below the line of sight, otherwise at the maximum range,
    // and in any case 40 m below the line of sight (gravity pulls y down on every slope the
    // widgets allow). Besides, the trajectory ends where the bullet stops advancing along the
    // line of sight (steep uphill, gravity along the slope turns it back: the curves and the
    // cards are functions of the distance), where a number overflows, and after two minutes
    // of flight (maxFlightSteps).
    // In one step drag can at most stop the bullet and gravity add g h: a step that gains more
    // speed, or changes the velocity by more than the speed and g h, has lost the drag (a
    // coefficient too small for the speed, in one of its velocity bands). The flight cannot be
    // followed further.
    double speed = current.speed();
    bool unstable = false;
    while ((autoRange ? current.y > autoRangeFloorM : maxRange > current.x) && current.y > floorBelowSightM
        && steps < maxFlightSteps) {
        const TrajectoryState next = step(model, current, timeStepS);
        if (!finiteState(next))
            break;
        const double nextSpeed = next.speed();
        const double reach = speed + standardGravity * timeStepS + 1e-9 * speed;
        const TrajectoryState change{0.0, 0.0, next.vx - current.vx, next.vy - current.vy};
        if (nextSpeed > reach || change.speed() > reach) {
            unstable = true;
            break;
        }
        if (!(next.x > current.x))
            break;
        speed = nextSpeed;
        t = t + timeStepS;
        current = next;
        states.push_back(current);
        times.push_back(t);
        windDrift.push_back((t - current.x / v0) * crossWind);
        spinDrift.push_back(spins ? SpinDrift(sg, t) * twistSign : 0.0);
        ++steps;
    }
    qDebug().noquote() << "Shoot::ComputeTrajectoryAfterAngle" << title_ << "computed after iteration" << steps;
    if (unstable)
        Messages::warning(QCoreApplication::translate("QObject", "Warning"), dragTooStrongText());

    // The sight is taken as adjusted to cancel the spin drift at the zero range. A trajectory
    // that ends short of the zero range takes the spin drift of its last state; a zero range
    // of 0 leaves the spin drift uncorrected.
    const std::size_t n = states.size();
    double g0 = 0.0;
    for (std::size_t i = 0; i < n && states[i].x < zeroRange; ++i)
        g0 = spinDrift[i];
    qDebug().noquote() << "Gyro drift at sero range :" << g0;
    const double spinFactor = settings->includeSpinDrift() ? 1.0 : 0.0;
    for (std::size_t i = 1; i < n; ++i) {
        if (zeroRange != 0.0)
            spinDrift[i] = spinDrift[i] - states[i].x * g0 / zeroRange;
        // A spin drift that overflows (a stability factor of 1e300 from an absurd length) must
        // not turn the wind drift into NaN when the spin drift is left out.
        const double spinPart = spinFactor == 0.0 && !std::isfinite(spinDrift[i]) ? 0.0 : spinDrift[i] * spinFactor;
        totalDrift.push_back(spinPart + windDrift[i]);
    }

    std::vector<double> bend;
    computeBend(states, bend);
    const double mass = weightKg();
    for (auto index : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 15, 17})
        trajectorySeries[index].reserve(int(n));
    for (std::size_t i = 1; i < n; ++i) {
        const TrajectoryState& s = states[i];
        const double u = s.speed();
        const double d = totalDrift[i];
        const double energy = mass * 0.5 * u * u;
        const double b = bend[i];
        trajectorySeries[1].push_back(d * 100.0);
        trajectorySeries[2].push_back(s.x);
        trajectorySeries[3].push_back(s.y * 100.0);
        trajectorySeries[4].push_back(u);
        trajectorySeries[5].push_back(energy);
        trajectorySeries[6].push_back(b * 100.0);
        trajectorySeries[7].push_back(d * 100.0 / 2.54);
        trajectorySeries[8].push_back(s.x * yardsPerMetre);
        trajectorySeries[9].push_back(s.y * 100.0 / 2.54);
        trajectorySeries[10].push_back(u / metresPerFoot);
        trajectorySeries[11].push_back(energy * joulesToFootPoundsPlot);
        trajectorySeries[12].push_back(b * 100.0 / 2.54);
        const double driftAngle = std::atan(d / s.x);
        trajectorySeries[15].push_back(driftAngle * moaPerRadian);
        trajectorySeries[17].push_back(driftAngle * 1000.0);
        const double sightAngle = std::atan(s.y / s.x);
        if (sightAngle >= angleSubsetLimitRad) {
            trajectorySeries[13].push_back(s.x);
            trajectorySeries[14].push_back(s.x * yardsPerMetre);
            trajectorySeries[16].push_back(sightAngle * moaPerRadian);
            trajectorySeries[18].push_back(sightAngle * 1000.0);
        }
    }
    for (auto& series : trajectorySeries)
        markOverflow(series);

    gY = standardGravity;
    gX = 0.0;
}

void Shoot::computeBend(const std::vector<TrajectoryState>& path, std::vector<double>& bend) const
{
    // The bend of point i is the largest height of the path above the chord from the sight
    // (0, 0) to point i: max(0, max over j = 1..i of y_j - x_j (y_i / x_i)). For a fixed chord
    // slope the maximum lies on the upper hull of the points, so the hull is kept as the points
    // come in and each chord looks only at the stretch of points around its tangent vertex;
    // every point that could tie with the maximum to within rounding is evaluated exactly as
    // the plain double loop would. Points that do not advance in x fall back to that loop.
    //
    // On a trajectory gravity bends downwards the stretches are a few points long. A path that
    // is nearly straight or bends upwards (a slope beyond the vertical from a parameter file)
    // would make them span the whole path, n² work: once the stretches have cost 64 evaluations
    // a point, the remaining points take the tangent vertex alone, which is the maximum to
    // within rounding.
    const std::size_t n = path.size();
    bend.assign(n, 0.0);
    std::size_t budget = 64 * n + 4096;
    const auto value = [&](std::size_t j, double slope) { return path[j].y - path[j].x * slope; };
    const auto plainMax = [&](std::size_t i, double slope) {
        double best = 0.0;
        for (std::size_t j = 1; j <= i; ++j)
            best = std::max(best, value(j, slope));
        return best;
    };

    bool monotone = true;
    for (std::size_t i = 2; i < n && monotone; ++i)
        monotone = path[i].x > path[i - 1].x;
    if (!monotone || n < 2) {
        for (std::size_t i = 1; i < n; ++i)
            bend[i] = plainMax(i, path[i].y / path[i].x);
        return;
    }

    std::vector<std::size_t> hull;
    hull.reserve(n);
    for (std::size_t i = 1; i < n; ++i) {
        // Upper hull (monotone chain): drop vertices that the new point makes non-convex.
        while (hull.size() >= 2) {
            const TrajectoryState& a = path[hull[hull.size() - 2]];
            const TrajectoryState& b = path[hull.back()];
            const TrajectoryState& c = path[i];
            const double cross = (b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x);
            if (cross >= 0.0)
                hull.pop_back();
            else
                break;
        }
        hull.push_back(i);

        const double slope = path[i].y / path[i].x;
        // Tangent vertex: the values along the hull rise, then fall.
        std::size_t lo = 0;
        std::size_t hi = hull.size() - 1;
        while (lo < hi) {
            const std::size_t mid = (lo + hi) / 2;
            if (value(hull[mid], slope) < value(hull[mid + 1], slope))
                lo = mid + 1;
            else
                hi = mid;
        }
        const double peak = value(hull[lo], slope);
        if (budget == 0) {
            bend[i] = std::max(0.0, peak);
            continue;
        }
        // Widen the stretch while neighbouring vertices come within rounding of the maximum,
        // then evaluate every point of the stretch.
        const double tolerance = 1e-9 * (1.0 + std::abs(path[i].y) + std::abs(peak));
        std::size_t first = lo;
        std::size_t last = lo;
        while (first > 0 && value(hull[first - 1], slope) >= peak - tolerance)
            --first;
        while (last + 1 < hull.size() && value(hull[last + 1], slope) >= peak - tolerance)
            ++last;
        const std::size_t from = hull[first > 0 ? first - 1 : 0];
        const std::size_t to = hull[last + 1 < hull.size() ? last + 1 : last];
        double best = 0.0;
        for (std::size_t j = from; j <= to; ++j)
            best = std::max(best, value(j, slope));
        bend[i] = best;
        const std::size_t spent = (last - first) + (to - from) + 1;
        budget = spent < budget ? budget - spent : 0;
    }
}

void Shoot::ComputeRangeCard()
{
    for (auto& series : cardSeries)
        series.clear();
    if (states.empty())
        return;
    const int cardStep = settings->cardStep();
    if (cardStep <= 0)
        return;

    // A custom click of no deviation or over no distance has no value: its columns say so.
    const auto usableClick = [](double moa) { return std::isfinite(moa) && moa > 0.0 ? moa : notComputable; };
    const double clickH = usableClick(settings->clickValueH());
    const double clickV = usableClick(settings->clickValueV());
    const double mass = weightKg();
    const QVector<double>& times = trajectorySeries[0];
    const double lastX = states.back().x;
    const auto lerp = [](double a, double b, double frac) { return a + (b - a) * frac; };
    const auto tenths = [](double value) { return std::round(value * 10.0) / 10.0; };

    // Metric rows.
    for (int k = 1; k <= maxCardRows && lastX > cardStep * double(k); ++k)
        cardSeries[2].push_back(cardStep * double(k));
    std::size_t j = 0;
    for (double distance : cardSeries[2]) {
        while (states[j].x < distance)
            ++j;
        const TrajectoryState& a = states[j - 1];
        const TrajectoryState& b = states[j];
        const double frac = (distance - a.x) / (b.x - a.x);
        const double height = std::round(lerp(a.y, b.y, frac) * 10.0 * 100.0) / 10.0;
        const double alpha = std::atan((height / 100.0) / distance);
        cardSeries[3].push_back(height);
        cardSeries[15].push_back(std::round(alpha * 10000.0) / 10.0);
        cardSeries[13].push_back(std::round(alpha * tenthMoaPerRadian) / 10.0);
        cardSeries[17].push_back(std::round(alpha * moaPerRadian / clickV));
        const double drift = std::round(lerp(totalDrift[j - 1], totalDrift[j], frac) * 10.0 * 100.0) / 10.0;
        const double beta = std::atan((drift / 100.0) / distance);
        cardSeries[1].push_back(drift);
        cardSeries[14].push_back(std::round(beta * 10000.0) / 10.0);
        cardSeries[12].push_back(std::round(beta * tenthMoaPerRadian) / 10.0);
        cardSeries[16].push_back(std::round(beta * moaPerRadian / clickH));
        const double speed = std::round(lerp(a.speed(), b.speed(), frac));
        cardSeries[4].push_back(speed);
        cardSeries[5].push_back(std::round(mass * 0.5 * speed * speed));
        cardSeries[0].push_back(std::round(lerp(times[int(j) - 1], times[int(j)], frac) * 100.0) / 100.0);
    }

    // Imperial rows.
    for (int k = 1; k <= maxCardRows && lastX * yardsPerMetre > cardStep * double(k); ++k)
        cardSeries[8].push_back(cardStep * double(k));
    j = 0;
    for (double distance : cardSeries[8]) {
        while (states[j].x * yardsPerMetre < distance)
            ++j;
        const TrajectoryState& a = states[j - 1];
        const TrajectoryState& b = states[j];
        const double distanceM = distance / yardsPerMetre;
        const double frac = (distanceM - a.x) / (b.x - a.x);
        const double height = tenths(lerp(a.y, b.y, frac) * 100.0 / 2.54);
        const double alpha = std::atan((height / 36.0) / distance);
        cardSeries[9].push_back(height);
        cardSeries[21].push_back(std::round(alpha * 10000.0) / 10.0);
        cardSeries[19].push_back(std::round(alpha * tenthMoaPerRadian) / 10.0);
        cardSeries[23].push_back(std::round(alpha * moaPerRadian / clickV));
        const double drift = tenths(lerp(totalDrift[j - 1], totalDrift[j], frac) * 100.0 / 2.54);
        const double beta = std::atan((drift / 36.0) / distance);
        cardSeries[7].push_back(drift);
        cardSeries[20].push_back(std::round(beta * 10000.0) / 10.0);
        cardSeries[18].push_back(std::round(beta * tenthMoaPerRadian) / 10.0);
        cardSeries[22].push_back(std::round(beta * moaPerRadian / clickH));
        const double speedFps = std::round(lerp(a.speed(), b.speed(), frac) / metresPerFoot);
        cardSeries[10].push_back(speedFps);
        const double speed = speedFps * metresPerFoot;
        cardSeries[11].push_back(std::round(mass * 0.5 * speed * speed * joulesToFootPoundsCard));
        cardSeries[6].push_back(std::round(lerp(times[int(j) - 1], times[int(j)], frac) * 100.0) / 100.0);
    }
    for (auto& series : cardSeries)
        markOverflow(series);
}

double Shoot::VelocityAtDistance(double distanceM) const
{
    const ForceModel model = forceModel(gX, gY);
    TrajectoryState state{0.0, 0.0, muzzleVelocityMs(), 0.0};
    // A projectile that stalls short of the distance would never get there: the probe stops
    // when it no longer moves forward, or after two minutes of flight.
    for (int steps = 0; distanceM > state.x && state.vx > 0.0 && steps < maxFlightSteps; ++steps)
        state = step(model, state, timeStepS);
    return state.vx;
}

double Shoot::HeightAtDistance(double angleDeg, double distanceM) const
{
    const ForceModel model = forceModel(GravityX(), GravityY());
    const double v0 = muzzleVelocityMs();
    const double angleRad = angleDeg * pi / 180.0;
    TrajectoryState state{0.0, -settings->sightHeightSI(), v0 * std::cos(angleRad), v0 * std::sin(angleRad)};
    for (int steps = 0; steps < maxFlightSteps; ++steps) {
        const TrajectoryState next = step(model, state, timeStepS);
        if (!finiteState(next) || !(next.x > state.x))
            break;
        if (next.x >= distanceM)
            return state.y + (next.y - state.y) * ((distanceM - state.x) / (next.x - state.x));
        state = next;
    }
    return notComputable;
}

// ---------------------------------------------------------------------------------------------
// Results

QVector<double> Shoot::TrajectorySeries(int index) const
{
    if (index < 0 || index >= trajectorySeriesCount)
        return {};
    return trajectorySeries[std::size_t(index)];
}

QVector<double> Shoot::CardSeries(int index) const
{
    if (index < 0 || index >= cardSeriesCount)
        return {};
    return cardSeries[std::size_t(index)];
}
