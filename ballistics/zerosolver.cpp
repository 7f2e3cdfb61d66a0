#include "ballistics/shoot.h"
#include "ballistics/shootinternal.h"
#include "core/messages.h"
#include "settings/settings.h"

#include <QCoreApplication>
#include <QDebug>

// ---------------------------------------------------------------------------------------------
// Zero angle and characteristic ranges

// What a bisection needs from one characteristic-range evaluation. Each bisection reads one
// entry and compares it with a limit; only its last evaluation needs the entry's value. So an
// evaluation may stop as soon as the comparison is settled, reporting the entry as +infinity
// (which compares exactly as the whole evaluation would have), and it stops once the entry it
// is asked for is known. The entries it returns are otherwise those of the whole evaluation.
struct Shoot::Probe {
    enum class Entry {
        All,
        NearZero,
        FarZero,
        Peak,
    };
    Entry entry = Entry::All;
    double limit = 0.0;      // the zero range, or the target peak height
    bool valueNeeded = true; // false: settling the comparison with the limit is enough
};

QList<double> Shoot::CharacteristicRanges(double angleDeg) const
{
    return characteristicRanges(forceModel(gX, gY), angleDeg, Probe{});
}

QList<double> Shoot::characteristicRanges(const ForceModel& model, double angleDeg, const Probe& probe) const
{
    using Entry = Probe::Entry;
    constexpr double beyond = std::numeric_limits<double>::infinity();
    const double sightHeight = settings->sightHeightSI();
    const double v0 = muzzleVelocityMs();
    const double a = angleDeg * pi / 180.0;
    TrajectoryState s{0.0, -sightHeight, v0 * std::cos(a), v0 * std::sin(a)};
    double peak = -sightHeight;
    double peakX = 0.0;
    // On level ground the distance only grows while vx > 0, so a state past the limit settles
    // that the zero ahead lies past it too.
    const bool distanceSettles = !probe.valueNeeded && model.gX == 0.0 && probe.limit < unreachedNearZero;

    // Each of the three stretches below ends at its crossing; whatever the inputs, the whole
    // flight is followed for at most maxFlightSteps states. A crossing not met by then counts
    // as never met: the line of sight as unreached, the far zero as beyond any limit, the
    // far zero and the kill-zone exit of a full evaluation as not computable.
    int steps = 0;

    // Rising to the line of sight. Once the bullet moves down with gravity pulling it down,
    // nothing turns it upwards again (drag only slows the fall): it will not reach the line of
    // sight, as the fall below the bore line would tell later. Saying so at once matters when
    // the bore line lies so far down that the fall cannot reach it (a sight height of 1e300).
    while (s.y <= 0.0 && s.y >= -sightHeight - 1e-13) {
        if (++steps > maxFlightSteps || (s.vy < 0.0 && model.gY > 0.0))
            return {unreachedNearZero, 0.0, 0.0, 0.0, 0.0};
        s = step(model, s, timeStepS);
        if (s.y > peak) {
            peak = s.y;
            peakX = s.x;
        }
        if (probe.entry == Entry::NearZero && distanceSettles && s.vx > 0.0 && s.x > probe.limit)
            return {beyond, 0.0, 0.0, 0.0, 0.0};
    }
    const double nearZero = s.x;
    if (s.y <= -sightHeight)
        return {unreachedNearZero, 0.0, 0.0, 0.0, 0.0};
    if (probe.entry == Entry::NearZero)
        return {nearZero, 0.0, 0.0, 0.0, 0.0};

    // Above the line of sight. With gravity pulling across the line of sight, vy never turns
    // upwards again once it points down: from there on y only falls and the peak is final.
    const bool apexSettlesPeak = probe.entry == Entry::Peak && model.gY > 0.0;
    while (s.y >= 0.0) {
        if (++steps > maxFlightSteps)
            return {nearZero, probe.entry == Entry::All ? notComputable : beyond, peak, peakX, notComputable};
        s = step(model, s, timeStepS);
        if (s.y > peak) {
            peak = s.y;
            peakX = s.x;
        }
        if (probe.entry == Entry::FarZero && distanceSettles && s.vx > 0.0 && s.x > probe.limit)
            return {nearZero, beyond, peak, peakX, 0.0};
        if (probe.entry == Entry::Peak) {
            if (!probe.valueNeeded && peak > probe.limit)
                return {nearZero, 0.0, beyond, peakX, 0.0};
            if (apexSettlesPeak && s.vy < 0.0)
                return {nearZero, 0.0, peak, peakX, 0.0};
        }
    }
    const double farZero = s.x;
    if (probe.entry != Entry::All)
        return {nearZero, farZero, peak, peakX, 0.0};

    // Down to the lower edge of the kill zone.
    const double killZoneEdge = -settings->killZoneSI() * 0.5;
    while (s.y >= killZoneEdge) {
        if (++steps > maxFlightSteps)
            return {nearZero, farZero, peak, peakX, notComputable};
        s = step(model, s, timeStepS);
    }
    return {nearZero, farZero, peak, peakX, s.x};
}

namespace {

// Whether the coming evaluation of a bisection may be its last: the interval halves around mid
// whichever way the comparison goes.
bool mayBeLast(double lo, double mid, double hi)
{
    return !(hi - mid > angleResolutionDeg && mid - lo > angleResolutionDeg);
}

} // namespace

double Shoot::AngleForPeakHeight(double peakHeightM) const
{
    const ForceModel model = forceModel(gX, gY);
    const Probe probe{Probe::Entry::Peak, peakHeightM, false};
    double lo = 0.0;
    double hi = 10.0;
    do {
        const double mid = (lo + hi) * 0.5;
        const double peak = characteristicRanges(model, mid, probe).at(2);
        if (peak > peakHeightM) {
            hi = mid;
        } else {
            lo = mid;
            if (peak == peakHeightM)
                hi = mid;
        }
    } while (hi - lo > angleResolutionDeg);
    return (hi + lo) * 0.5;
}

QList<double> Shoot::PointBlankRanges()
{
    // NaN marks what cannot be computed: everything for a load that cannot be integrated, or
    // whose point-blank trajectory never reaches the line of sight.
    const QList<double> nothing{notComputable, notComputable, notComputable, notComputable, notComputable};
    if (!inputProblem().isEmpty())
        return nothing;
    gY = GravityY();
    gX = GravityX();
    const double angle = AngleForPeakHeight(0.5 * settings->killZoneSI());
    QList<double> ranges = CharacteristicRanges(angle);
    gY = standardGravity;
    gX = 0.0;
    if (ranges.value(0) == unreachedNearZero)
        return nothing;
    for (double& value : ranges)
        if (!std::isfinite(value))
            value = notComputable;
    return ranges;
}

double Shoot::Theta(double zeroRangeM)
{
    qDebug().noquote() << "double Shoot::Theta(double)" << id_ << zeroRangeM;
    const ForceModel model = forceModel(gX, gY);

    // Far zero first: ordinary zero ranges are met on the descending branch.
    double lo = 0.0;
    double hi = 10.0;
    double farMid;
    double farZero;
    do {
        farMid = (hi + lo) * 0.5;
        const Probe probe{Probe::Entry::FarZero, zeroRangeM, mayBeLast(lo, farMid, hi)};
        farZero = characteristicRanges(model, farMid, probe).at(1);
        if (farZero > zeroRangeM) {
            hi = farMid;
        } else {
            lo = farMid;
            if (farZero == zeroRangeM)
                hi = farMid;
        }
    } while (hi - lo > angleResolutionDeg);
    if (std::abs(farZero - zeroRangeM) < zeroAcceptanceM) {
        qDebug().noquote() << "double Shoot::Theta(double)"
                           << "theta FZR :" << farMid;
        return farMid;
    }

    // A zero range shorter than any far zero is met on the rising branch.
    lo = 0.0;
    hi = 60.0;
    double nearMid;
    double nearZero;
    do {
        nearMid = (hi + lo) * 0.5;
        const Probe probe{Probe::Entry::NearZero, zeroRangeM, mayBeLast(lo, nearMid, hi)};
        nearZero = characteristicRanges(model, nearMid, probe).at(0);
        if (nearZero > zeroRangeM) {
            lo = nearMid;
        } else {
            hi = nearMid;
            if (nearZero == zeroRangeM)
                lo = nearMid;
        }
    } while (hi - lo > angleResolutionDeg);
    if (std::abs(nearZero - zeroRangeM) < zeroAcceptanceM) {
        qDebug().noquote() << "double Shoot::Theta(double)"
                           << "theta NZR :" << nearMid;
        return nearMid;
    }

    qDebug().noquote() << "Shoot::Theta unable to find a valid solution for load" << id_ << title_;
    Messages::warning(QCoreApplication::translate("QObject", "Warning"),
        QCoreApplication::translate("QObject", "Zeroing range not reachable for load : ") + title_ + "\n"
            + QCoreApplication::translate(
                "QObject", "Please try to reduce your zeroing range for this load, or to change some parameters"));
    return farMid;
}
