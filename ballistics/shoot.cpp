#include "ballistics/shoot.h"

#include "app/messages.h"
#include "ballistics/coefficientlist.h"
#include "ballistics/dragtables.h"
#include "settings/settings.h"

#include <QCoreApplication>
#include <QDebug>
#include <QPair>
#include <QSettings>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr double metresPerFoot = 0.3048;
constexpr double grainsToGrams = 0.06479891;
constexpr double centimetresPerInch = 2.54;
constexpr double yardsPerMetre = 1.0936133;
constexpr double pi = 3.141592653589793;
constexpr double moaPerRadian = 3437.7467707849396;
constexpr double tenthMoaPerRadian = 34377.46770784939;
constexpr double joulesToFootPoundsPlot = 0.737562;
constexpr double joulesToFootPoundsCard = 0.737562149;
constexpr double standardGravity = 9.81;
// The integration stops 40 m below the line of sight whatever the range settings say.
constexpr double floorBelowSightM = -40.0;
// In auto-range mode the trajectory ends 2 m below the line of sight.
constexpr double autoRangeFloorM = -2.0;
constexpr double angleSubsetLimitRad = -0.01;
// The zero-angle bisections stop when the interval is this narrow (degrees).
constexpr double angleResolutionDeg = 5e-5;
// A zero-range search counts as solved within this distance (strictly).
constexpr double zeroAcceptanceM = 2.0;
constexpr double unreachedNearZero = 9999.0;
// No flight is followed for longer than two minutes: far beyond any range card, and it bounds
// the work and the memory of one computation whatever the inputs (a slope steeper than the
// widgets allow can leave gravity almost along the line of sight, so that nothing else ends
// the flight). 240 000 states of 0.5 ms.
constexpr int maxFlightSteps = 240000;
// A range card never has more rows than this per unit system (the widgets allow 4375 at most).
constexpr int maxCardRows = 10000;
constexpr double notComputable = std::numeric_limits<double>::quiet_NaN();
// A drag that would take off ten times the speed in one step is beyond anything the
// Runge-Kutta step can follow (a coefficient of 1e-20 from a file, a muzzle velocity of a
// million ft/s); the widgets' draggiest and fastest loads stay below 5.
constexpr double maxDragPerStep = 10.0;

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

Shoot::Shoot(int id, QObject* parent, Storage storage)
    : QObject(parent)
    , settings(Settings::instance())
    , store(storage == Storage::Persistent ? std::make_unique<QSettings>() : nullptr)
    , id_(id)
    , trajectorySeries(trajectorySeriesCount)
    , cardSeries(cardSeriesCount)
{
    qDebug().noquote() << "Shoot::Shoot(int, QObject*)" << id;
}

Shoot::~Shoot() = default;

// ---------------------------------------------------------------------------------------------
// Fields and store

void Shoot::write(const char* field, const QVariant& value)
{
    if (!store)
        return;
    store->setValue(QString("shoot/%1/%2").arg(id_).arg(field), value);
    settings->scheduleSave();
}

template <typename T, typename S>
bool Shoot::assignChanged(T& field, const T& value, const char* key, void (Shoot::*signal)(S))
{
    if (field == value)
        return false;
    field = value;
    write(key, value);
    if (signal)
        emit(this->*signal)(value);
    return true;
}

template <typename T, typename S>
void Shoot::assignQuiet(T& field, const T& value, const char* key, void (Shoot::*signal)(S))
{
    if (field == value)
        return;
    field = value;
    write(key, value);
    if (!settings->isInitialized())
        emit(this->*signal)(value);
}

void Shoot::setTitle(QString title)
{
    if (title_ == title)
        return;
    title_ = title;
    write("title", title);
    emit titleChanged(id_, title);
}

void Shoot::setOrigin(QString origin)
{
    assignChanged(origin_, origin, "origin", &Shoot::originChanged);
}

void Shoot::setActive(bool active)
{
    active_ = active;
    write("active", active);
    emit activeChanged(active);
}

void Shoot::setWeight(double weight)
{
    assignQuiet(weight_, weight, "weight", &Shoot::weightChanged);
}

void Shoot::setWeightUnit(int weightUnit)
{
    assignChanged(weightUnit_, weightUnit, "weightUnit", &Shoot::weightUnitChanged);
}

void Shoot::setMuzzleVelocity(int muzzleVelocity)
{
    assignChanged(muzzleVelocity_, muzzleVelocity, "muzzleVelocity", &Shoot::muzzleVelocityChanged);
}

void Shoot::setMuzzleVelocityUnit(int muzzleVelocityUnit)
{
    assignChanged(muzzleVelocityUnit_, muzzleVelocityUnit, "muzzleVelocityUnit", &Shoot::muzzleVelocityUnitChanged);
}

void Shoot::setCaliber(double caliber)
{
    assignQuiet(caliber_, caliber, "caliber", &Shoot::caliberChanged);
}

void Shoot::setCaliberUnit(int caliberUnit)
{
    assignChanged(caliberUnit_, caliberUnit, "caliberUnit", &Shoot::caliberUnitChanged);
}

void Shoot::setLength(double length)
{
    assignQuiet(length_, length, "length", &Shoot::lengthChanged);
}

void Shoot::setLengthUnit(int lengthUnit)
{
    assignChanged(lengthUnit_, lengthUnit, "lengthUnit", &Shoot::lengthUnitChanged);
}

void Shoot::setGModel(int gModel)
{
    assignChanged(gModel_, gModel, "gModel", &Shoot::gModelChanged);
}

void Shoot::setZeroRange(int zeroRange)
{
    assignChanged(zeroRange_, zeroRange, "zeroRange", &Shoot::zeroRangeChanged);
}

void Shoot::setZeroRangeUnit(int zeroRangeUnit)
{
    assignChanged(zeroRangeUnit_, zeroRangeUnit, "zeroRangeUnit", &Shoot::zeroRangeUnitChanged);
}

void Shoot::setNote(QString note)
{
    assignQuiet(note_, note, "note", &Shoot::noteChanged);
}

void Shoot::setLengthNeedsCheck(bool lengthNeedsCheck)
{
    assignChanged(lengthNeedsCheck_, lengthNeedsCheck, "lengthNeedsCheck", &Shoot::lengthNeedsCheckChanged);
}

double Shoot::bounded(const Range& range, double value)
{
    if (std::isnan(value))
        return range.minimum;
    return std::clamp(value, range.minimum, range.maximum);
}

void Shoot::writeCoefficientLists()
{
    write("BCmultiBC", CoefficientList::format(BCList_));
    write("BCmultiV", CoefficientList::format(velMinList_));
}

void Shoot::setBC(double BC)
{
    if (BCList_.size() == 1 && BCList_.first() == BC)
        return;
    // A database load keeps its coefficient bands; only setBCMulti changes them.
    if (origin_ == "db")
        return;
    BCList_ = {BC};
    velMinList_ = {0.0};
    writeCoefficientLists();
    if (!settings->isInitialized())
        emit BCchanged(BC);
}

void Shoot::setBCMulti(QList<double> i_velMinList, QList<double> i_BCList)
{
    // Pairs are formed in order; entries of the longer list without a partner are dropped,
    // and lists that form no pair at all leave the load as it is.
    int pairs = std::min(i_velMinList.size(), i_BCList.size());
    if (pairs == 0)
        return;
    if (pairs > maxCoefficientBands) {
        Messages::warning(QCoreApplication::translate("QObject", "Warning"),
            QCoreApplication::translate(
                "QObject", "The load %1 has %2 ballistic coefficient bands: only the first %3 are kept.")
                .arg(title_)
                .arg(pairs)
                .arg(maxCoefficientBands));
        pairs = maxCoefficientBands;
    }
    velMinList_ = i_velMinList.mid(0, pairs);
    BCList_ = i_BCList.mid(0, pairs);
    writeCoefficientLists();
    emit BCchanged(BCList_.first());
}

QStringList Shoot::storedFields()
{
    return {"active", "origin", "title", "muzzleVelocity", "muzzleVelocityUnit", "weight", "weightUnit", "caliber",
        "caliberUnit", "length", "lengthUnit", "BCmultiBC", "BCmultiV", "gModel", "zeroRange", "zeroRangeUnit", "note",
        "lengthNeedsCheck"};
}

void Shoot::restoreFromSettings()
{
    if (!store)
        return;
    const QString prefix = QString("shoot/%1/").arg(id_);
    const auto value
        = [&](const char* field, const QVariant& fallback) { return store->value(prefix + field, fallback); };
    const auto number = [&](const char* field, double fallback) {
        const double read = value(field, fallback).toDouble();
        return std::isfinite(read) ? read : 0.0;
    };
    const auto within = [&](const char* field, double fallback, const Range& range) {
        return bounded(range, number(field, fallback));
    };
    // "850.0" is 850 and "650.5" is 650, as the settings read their whole numbers.
    const auto whole = [&](const char* field, double fallback, const Range& range) {
        return int(std::trunc(within(field, fallback, range)));
    };
    const auto index = [&](const char* field) {
        return int(std::trunc(std::clamp(number(field, 0.0), -1.0, double(std::numeric_limits<int>::max()))));
    };

    settings->setInitialized(false);
    setActive(value("active", false).toBool());
    setOrigin(value("origin", "manual").toString());
    const QString defaultTitle = tr("Load") + " " + QString::number(id_ + 1);
    setTitle(origin_ == "manual" ? defaultTitle : value("title", defaultTitle).toString());
    setMuzzleVelocity(whole("muzzleVelocity", 850, muzzleVelocityRange));
    setMuzzleVelocityUnit(index("muzzleVelocityUnit"));
    setWeight(within("weight", 100.0, weightRange));
    setWeightUnit(index("weightUnit"));
    setCaliber(within("caliber", 0.224, caliberRange));
    setCaliberUnit(index("caliberUnit"));
    setLength(within("length", 0.8, lengthRange));
    setLengthUnit(index("lengthUnit"));
    QList<double> coefficients = CoefficientList::parse(value("BCmultiBC", "0.75").toString());
    for (double& coefficient : coefficients)
        coefficient = bounded(coefficientRange, coefficient);
    const QList<double> velMins = CoefficientList::parse(value("BCmultiV", "0").toString());
    setBCMulti(velMins, coefficients);
    setGModel(index("gModel"));
    setZeroRange(whole("zeroRange", 200, zeroRangeRange));
    setZeroRangeUnit(index("zeroRangeUnit"));
    setNote(value("note", QString()).toString());
    setLengthNeedsCheck(value("lengthNeedsCheck", false).toBool());
    rewriteStoredNumbers();
    settings->setInitialized(true);
}

void Shoot::rewriteStoredNumbers()
{
    // A setter writes only what changes the field: a stored "850.0", or a zero range of 5000
    // read as 4000 by a load already at 4000, would stay in the store, and so in the next
    // parameter file, though the load computes with another number.
    const QString prefix = QString("shoot/%1/").arg(id_);
    const QList<QPair<const char*, QVariant>> numbers = {{"muzzleVelocity", muzzleVelocity_},
        {"muzzleVelocityUnit", muzzleVelocityUnit_}, {"weight", weight_}, {"weightUnit", weightUnit_},
        {"caliber", caliber_}, {"caliberUnit", caliberUnit_}, {"length", length_}, {"lengthUnit", lengthUnit_},
        {"gModel", gModel_}, {"zeroRange", zeroRange_}, {"zeroRangeUnit", zeroRangeUnit_}};
    for (const auto& [field, number] : numbers) {
        const QString key = prefix + field;
        if (store->contains(key) && store->value(key).toString() != number.toString())
            store->setValue(key, number);
    }
}

// ---------------------------------------------------------------------------------------------
// SI getters

double Shoot::weightKg() const
{
    return weightUnit_ == 0 ? weight_ * grainsToGrams / 1000.0 : weight_ / 1000.0;
}

double Shoot::muzzleVelocityMs() const
{
    const double velocity = muzzleVelocity_;
    return muzzleVelocityUnit_ == 0 ? velocity : velocity * metresPerFoot;
}

double Shoot::caliberM() const
{
    return caliberUnit_ == 0 ? caliber_ * centimetresPerInch / 100.0 : caliber_ / 1000.0;
}

double Shoot::lengthM() const
{
    return lengthUnit_ == 0 ? length_ * centimetresPerInch / 100.0 : length_ / 1000.0;
}

double Shoot::zeroRangeM() const
{
    const double range = zeroRange_;
    return zeroRangeUnit_ == 0 ? range : range / yardsPerMetre;
}

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

// ---------------------------------------------------------------------------------------------
// Integration

TrajectoryState Shoot::step(const ForceModel& model, const TrajectoryState& s, double h) const
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
