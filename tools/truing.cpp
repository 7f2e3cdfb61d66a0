#include "tools/truing.h"

#include "ballistics/shoot.h"
#include "core/messages.h"
#include "core/units.h"
#include "settings/settings.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>

namespace Truing {
namespace {

using namespace Units;
constexpr double lowestVelocityMs = 10.0;
constexpr double highestVelocityMs = 2000.0;
constexpr double lowestCoefficient = 0.001;
constexpr double highestCoefficient = 2.0;
constexpr double coefficientResolution = 1e-6;
constexpr double nothing = std::numeric_limits<double>::quiet_NaN();

// A load that writes nothing, with the fields of the one being trued.
std::unique_ptr<Shoot> scratchCopy(const Shoot& load)
{
    auto copy = std::make_unique<Shoot>(load.id(), nullptr, Shoot::Storage::Scratch);
    copy->setTitle(load.title());
    copy->setWeightUnit(load.weightUnit());
    copy->setWeight(load.weight());
    copy->setMuzzleVelocityUnit(load.muzzleVelocityUnit());
    copy->setMuzzleVelocity(load.muzzleVelocity());
    copy->setCaliberUnit(load.caliberUnit());
    copy->setCaliber(load.caliber());
    copy->setLengthUnit(load.lengthUnit());
    copy->setLength(load.length());
    copy->setGModel(load.gModel());
    copy->setZeroRangeUnit(load.zeroRangeUnit());
    copy->setZeroRange(load.zeroRange());
    copy->setBCMulti(load.velMinList(), load.BCList());
    return copy;
}

// The angle the load is zeroed at; NaN when its zero cannot be reached (the solver's warning is
// kept from the user: a trial value is not the user's load).
double zeroAngle(Shoot& load)
{
    bool unreachable = false;
    Messages::WarningSink previous
        = Messages::setWarningSink([&unreachable](const QString&, const QString&) { unreachable = true; });
    const double angle = load.Theta(load.zeroRangeM());
    Messages::setWarningSink(previous);
    return unreachable ? nothing : angle;
}

double dropOf(Shoot& load, double rangeM)
{
    if (!load.inputProblem().isEmpty())
        return nothing;
    const double angle = zeroAngle(load);
    if (!std::isfinite(angle))
        return nothing;
    return -load.HeightAtDistance(angle, rangeM);
}

// A trial that cannot be flown counts as too much drop: it is too slow or has too much drag.
double orTooLow(double drop)
{
    return std::isnan(drop) ? std::numeric_limits<double>::infinity() : drop;
}

double velocityFactor(int unit)
{
    return unit == 0 ? 1.0 : metresPerFoot;
}

// Whether target lies between the drops a and b (either order); both must be real drops.
bool between(double a, double b, double target)
{
    return std::isfinite(a) && std::isfinite(b) && std::min(a, b) <= target && target <= std::max(a, b);
}

// The ends of a search and the drops they give.
template <typename Value> struct Bracket {
    Value lo;
    Value hi;
    double dropLo = 0.0;
    double dropHi = 0.0;
};

// Bisects b until middle() gives one of its ends, keeping the target drop between the drops of
// the ends (the drop changes one way over the search: beyond the zero a faster or slicker
// bullet drops less, short of it the other way); false when the target is not between them.
template <typename Value, typename Middle, typename DropAt>
bool narrow(Bracket<Value>& b, double target, Middle middle, DropAt dropAt)
{
    b.dropLo = dropAt(b.lo);
    b.dropHi = dropAt(b.hi);
    if (!(std::min(b.dropLo, b.dropHi) <= target && target <= std::max(b.dropLo, b.dropHi)))
        return false;
    const bool falling = b.dropHi < b.dropLo;
    for (Value mid = middle(b.lo, b.hi); mid != b.lo && mid != b.hi; mid = middle(b.lo, b.hi)) {
        const double dropMid = dropAt(mid);
        if ((dropMid > target) == falling) {
            b.lo = mid;
            b.dropLo = dropMid;
        } else {
            b.hi = mid;
            b.dropHi = dropMid;
        }
    }
    return between(b.dropLo, b.dropHi, target);
}

bool fitVelocity(Shoot& trial, double rangeM, double target, Result& result)
{
    const double factor = velocityFactor(trial.muzzleVelocityUnit());
    int lo = int(std::ceil(lowestVelocityMs / factor));
    int hi = int(std::floor(highestVelocityMs / factor));
    const auto dropAt = [&](int velocity) {
        trial.setMuzzleVelocity(velocity);
        return orTooLow(dropOf(trial, rangeM));
    };
    Bracket<int> b{lo, hi};
    if (!narrow(
            b, target, [](int l, int h) { return l + (h - l) / 2; }, dropAt))
        return false;
    // The zero angle is found to 5e-5 degrees, so a drop changes by a whole unit of velocity
    // hardly more than by that rounding at short ranges: the neighbours may come closer.
    result.muzzleVelocity = b.lo;
    result.dropM = b.dropLo;
    const auto consider = [&](int velocity, double drop) {
        if (std::abs(drop - target) < std::abs(result.dropM - target)) {
            result.muzzleVelocity = velocity;
            result.dropM = drop;
        }
    };
    consider(b.hi, b.dropHi);
    for (int velocity : {b.lo - 1, b.hi + 1})
        if (velocity * factor >= lowestVelocityMs && velocity * factor <= highestVelocityMs)
            consider(velocity, dropAt(velocity));
    return true;
}

QList<double> scaled(const QList<double>& coefficients, double factor)
{
    QList<double> out;
    for (double coefficient : coefficients)
        out << coefficient * factor;
    return out;
}

bool fitCoefficient(Shoot& trial, double rangeM, double target, Result& result)
{
    const QList<double> own = trial.BCList();
    const QList<double> velMins = trial.velMinList();
    if (own.isEmpty())
        return false;
    const auto [smallest, largest] = std::minmax_element(own.begin(), own.end());
    if (!(*smallest > 0.0) || !std::isfinite(*largest))
        return false;
    double lo = lowestCoefficient / *smallest;
    double hi = highestCoefficient / *largest;
    if (!(lo <= hi))
        return false;
    const auto dropAt = [&](double factor) {
        trial.setBCMulti(velMins, scaled(own, factor));
        return orTooLow(dropOf(trial, rangeM));
    };
    const double resolution = coefficientResolution / *largest;
    Bracket<double> b{lo, hi};
    const auto middle = [resolution](double l, double h) { return h - l > resolution ? (l + h) * 0.5 : l; };
    if (!narrow(b, target, middle, dropAt))
        return false;
    const bool takeLow = std::abs(b.dropLo - target) <= std::abs(b.dropHi - target);
    result.coefficients = scaled(own, takeLow ? b.lo : b.hi);
    result.dropM = takeLow ? b.dropLo : b.dropHi;
    return true;
}

} // namespace

double rangeMetres(double range, int rangeUnit)
{
    return rangeUnit == 1 ? range / yardsPerMetre : range;
}

double dropMetres(double drop, int dropUnit, double rangeM)
{
    switch (dropUnit) {
    case Centimetres:
        return drop / 100.0;
    case Inches:
        return drop * 2.54 / 100.0;
    case Moa:
        return rangeM * std::tan(drop / moaPerRadian);
    case Mils:
        return rangeM * std::tan(drop / 1000.0);
    default:
        return rangeM * std::tan(drop * Settings::instance()->clickValueV() / moaPerRadian);
    }
}

double dropInUnit(double dropM, int dropUnit, double rangeM)
{
    switch (dropUnit) {
    case Centimetres:
        return dropM * 100.0;
    case Inches:
        return dropM * 100.0 / 2.54;
    case Moa:
        return std::atan(dropM / rangeM) * moaPerRadian;
    case Mils:
        return std::atan(dropM / rangeM) * 1000.0;
    default:
        return std::atan(dropM / rangeM) * moaPerRadian / Settings::instance()->clickValueV();
    }
}

double computedDrop(const Shoot& load, double rangeM)
{
    const auto trial = scratchCopy(load);
    return dropOf(*trial, rangeM);
}

Result fit(const Shoot& load, const Input& input)
{
    Result result;
    result.fit = input.fit;
    result.muzzleVelocity = load.muzzleVelocity();
    result.velMinList = load.velMinList();
    result.coefficients = load.BCList();
    const double rangeM = rangeMetres(input.range, input.rangeUnit);
    const double target = dropMetres(input.drop, input.dropUnit, rangeM);
    if (!(rangeM > 0.0) || !std::isfinite(rangeM) || !std::isfinite(target))
        return result;

    const auto trial = scratchCopy(load);
    if (input.fit == Fit::MuzzleVelocity) {
        result.found = fitVelocity(*trial, rangeM, target, result);
        if (result.found && load.muzzleVelocity() != 0)
            result.changePercent = (result.muzzleVelocity - load.muzzleVelocity()) * 100.0 / load.muzzleVelocity();
    } else {
        result.found = fitCoefficient(*trial, rangeM, target, result);
        if (result.found && !load.BCList().isEmpty() && load.BCList().first() != 0.0)
            result.changePercent = (result.coefficients.first() / load.BCList().first() - 1.0) * 100.0;
    }
    return result;
}

void apply(const Result& result, Shoot& load)
{
    if (!result.found)
        return;
    if (result.fit == Fit::MuzzleVelocity)
        load.setMuzzleVelocity(result.muzzleVelocity);
    else
        load.setBCMulti(result.velMinList, result.coefficients);
}

QString fittedText(const Result& result, const Shoot& load)
{
    if (result.fit == Fit::MuzzleVelocity)
        return QCoreApplication::translate("Truing", "Muzzle velocity = %1 %2")
            .arg(result.muzzleVelocity)
            .arg(load.muzzleVelocityUnit() == 0 ? "m/s" : "f/s");
    QStringList values;
    for (double coefficient : result.coefficients)
        values << QString::number(coefficient, 'f', 4);
    static const QStringList models = {"G1", "G2", "G5", "G6", "G7", "G8"};
    return "BC = " + values.join(", ") + " (" + models.value(load.gModel(), "G1") + ")";
}

} // namespace Truing
