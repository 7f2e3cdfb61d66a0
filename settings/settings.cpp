#include "settings/settings.h"

#include "core/messages.h"
#include "core/units.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSettings>
#include <QTimer>
#include <QVariant>

#include <algorithm>
#include <cmath>
#include <variant>

namespace {

// Conversion factors, exact as written.
using namespace Units;
constexpr double hPaPerMmHg = 1.3332239;
constexpr double radiansPerDegree = 0.0174533;
constexpr double kmhPerMs = 3.6;
constexpr double standardPressureHPa = 1013.0;
// One centimetre at 100 metres, and the MOA of one centimetre per metre of distance.
constexpr double centimetreAt100mMoa = 0.3438;
constexpr double moaPerCentimetrePerMetre = 34.38;

// A stored double that is not a finite number (letters, "nan", "inf") counts as unreadable
// and gives 0, like any other value that does not convert.
double toFiniteDouble(const QVariant& value)
{
    const double result = value.toDouble();
    return std::isfinite(result) ? result : 0.0;
}

using IntSetter = void (Settings::*)(int);
using DoubleSetter = void (Settings::*)(double);
using BoolSetter = void (Settings::*)(bool);
using StringSetter = void (Settings::*)(const QString&);
// Whole numbers are read as numbers and truncated toward zero: "850.0" is 850, "650.5" is 650.
using AnySetter = std::variant<IntSetter, DoubleSetter, BoolSetter, StringSetter>;

// What a value read from the store may be. A number outside the range of its widget is brought
// into it, as the widget would show it; a list index outside its list cannot be read and gives
// the key's default. Values that come from a hand-edited store or parameter file must not reach
// the solver unbounded (a temperature below absolute zero or a vertical slope never ends), nor
// leave a list showing nothing while the computation uses some unit. A direction is the same
// direction a whole turn further: it is wrapped into its range, never clamped (270 is -90).
struct Bounds {
    enum Kind { Any, Index, Range, Direction };
    Kind kind = Any;
    double minimum = 0.0;
    double maximum = 0.0;
};

constexpr Bounds any()
{
    return {};
}

// An index into a list of count entries.
constexpr Bounds choices(int count)
{
    return {Bounds::Index, 0.0, double(count - 1)};
}

constexpr Bounds range(double minimum, double maximum)
{
    return {Bounds::Range, minimum, maximum};
}

// Degrees from -180 to 180.
constexpr Bounds direction()
{
    return {Bounds::Direction, -180.0, 180.0};
}

struct KeyEntry {
    const char* key;
    QVariant defaultValue;
    AnySetter setter;
    Bounds bounds;
};

// Every persisted setting in the order initialize() reads it, with the bounds of its widget.
// "global/language" is read by initializeLanguage() and is not part of this table.
const std::vector<KeyEntry>& keyTable()
{
    static const std::vector<KeyEntry> table = {
        {"global/unitSystem", 0, &Settings::setUnitSystem, choices(2)},
        {"global/useAngleDisplay", 0, &Settings::setUseAngleDisplay, choices(3)},
        {"global/killZone", 30, &Settings::setKillZone, range(0.1, 500)},
        {"global/killZoneUnit", 0, &Settings::setKillZoneUnit, choices(2)},
        {"global/maxRange", 800, &Settings::setMaxRange, range(100, 4000)},
        {"global/maxRangeUnit", 0, &Settings::setMaxRangeUnit, choices(2)},
        {"global/autoRange", true, &Settings::setAutoRange, any()},
        {"global/includeSpinDrift", false, &Settings::setIncludeSpinDrift, any()},
        {"global/cardStep", 50, &Settings::setCardStep, range(1, 200)},
        {"global/saveDir", QString(), &Settings::setSaveDir, any()},
        {"global/cardDisplayMOA", false, &Settings::setCardDisplayMOA, any()},
        {"global/cardDisplayMils", false, &Settings::setCardDisplayMils, any()},
        {"global/cardDisplayClicks", false, &Settings::setCardDisplayClicks, any()},
        {"envir/useDefaultPressure", true, &Settings::setUseDefaultPressure, any()},
        {"envir/basePressure", 1013, &Settings::setBasePressure, range(10, 2000)},
        {"envir/basePressureUnit", 0, &Settings::setBasePressureUnit, choices(2)},
        {"envir/altitude", 150, &Settings::setAltitude, range(0, 20000)},
        {"envir/altitudeUnit", 0, &Settings::setAltitudeUnit, choices(2)},
        {"envir/altitudeCorrection", false, &Settings::setAltitudeCorrection, any()},
        {"envir/windVelocity", 15, &Settings::setWindVelocity, range(0, 30)},
        {"envir/windVelocityUnit", 0, &Settings::setWindVelocityUnit, choices(4)},
        {"envir/windAngle", 0, &Settings::setWindAngle, direction()},
        {"envir/temperature", 25, &Settings::setTemperature, range(-100, 100)},
        {"envir/temperatureUnit", 0, &Settings::setTemperatureUnit, choices(2)},
        {"envir/upHillAngle", 0, &Settings::setUpHillAngle, range(0, 75)},
        {"envir/upHillDirection", 0, &Settings::setUpHillDirection, choices(2)},
        {"rifle/sightHeight", 3.5, &Settings::setSightHeight, range(0, 15)},
        {"rifle/sightHeightUnit", 0, &Settings::setSightHeightUnit, choices(2)},
        {"rifle/twist", 13, &Settings::setTwist, range(5, 50)},
        {"rifle/twistUnit", 1, &Settings::setTwistUnit, choices(2)},
        {"rifle/twistDirection", 1, &Settings::setTwistDirection, choices(2)},
        {"rifle/scopeClick", 1, &Settings::setScopeClick, choices(7)},
        {"rifle/manScopeDevH", 0, &Settings::setManScopeDevH, range(0, 100)},
        {"rifle/manScopeDevUnitH", 0, &Settings::setManScopeDevUnitH, choices(2)},
        {"rifle/manScopeDistH", 100, &Settings::setManScopeDistH, range(10, 999)},
        {"rifle/manScopeDistUnitH", 0, &Settings::setManScopeDistUnitH, choices(2)},
        {"rifle/manScopeDevV", 0, &Settings::setManScopeDevV, range(0, 100)},
        {"rifle/manScopeDevUnitV", 0, &Settings::setManScopeDevUnitV, choices(2)},
        {"rifle/manScopeDistV", 100, &Settings::setManScopeDistV, range(10, 999)},
        {"rifle/manScopeDistUnitV", 0, &Settings::setManScopeDistUnitV, choices(2)},
    };
    return table;
}

// Truncation toward zero of a double that may lie outside the range of int.
int truncateToInt(double value)
{
    if (!(value > std::numeric_limits<int>::min()))
        return value < 0 ? std::numeric_limits<int>::min() + 1 : 0;
    if (!(value < std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    return static_cast<int>(value);
}

// Passes a value read from the store to its setter, converted as the setter's type asks and
// kept within the entry's bounds.
struct ApplyValue {
    Settings& settings;
    const KeyEntry& entry;
    const QVariant& value;

    int boundedWhole(double read) const
    {
        const Bounds& bounds = entry.bounds;
        read = std::trunc(read);
        if (bounds.kind == Bounds::Index && (read < bounds.minimum || read > bounds.maximum))
            return entry.defaultValue.toInt();
        if (bounds.kind == Bounds::Direction && (read < bounds.minimum || read > bounds.maximum)) {
            const double turn = bounds.maximum - bounds.minimum;
            read = std::fmod(read, turn);
            if (read > bounds.maximum)
                read -= turn;
            else if (read < bounds.minimum)
                read += turn;
        }
        return truncateToInt(bounded(read));
    }
    double bounded(double read) const
    {
        const Bounds& bounds = entry.bounds;
        return bounds.kind == Bounds::Range ? std::clamp(read, bounds.minimum, bounds.maximum) : read;
    }

    // Each returns the value handed to the setter.
    QVariant operator()(IntSetter setter) const { return apply(setter, boundedWhole(toFiniteDouble(value))); }
    QVariant operator()(DoubleSetter setter) const { return apply(setter, bounded(toFiniteDouble(value))); }
    QVariant operator()(BoolSetter setter) const { return apply(setter, value.toBool()); }
    QVariant operator()(StringSetter setter) const { return apply(setter, value.toString()); }

    template <typename T, typename A> QVariant apply(void (Settings::*setter)(A), const T& read) const
    {
        (settings.*setter)(read);
        return QVariant::fromValue(read);
    }
};

} // namespace

QStringList Settings::keys()
{
    QStringList names;
    for (const KeyEntry& entry : keyTable())
        names << entry.key;
    names << "global/language";
    return names;
}

Settings* Settings::instance()
{
    static Settings* const settings = new Settings;
    return settings;
}

Settings::Settings(QObject* parent)
    : QObject(parent)
    , store(std::make_unique<QSettings>())
{
    qDebug().noquote() << "Settings::Settings(QObject*)" << store->fileName();
    QFile file(store->fileName());
    if (file.open(QIODevice::ReadOnly))
        lastWholeStore = file.readAll();
    // The settings class would write the store on its own, unchecked, once the current event is
    // handled: for every handle on this store, saveStore() writes and checks it instead.
    if (QCoreApplication::instance())
        QCoreApplication::instance()->installEventFilter(this);
}

bool Settings::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::UpdateRequest)
        return false;
    const auto* other = qobject_cast<QSettings*>(watched);
    if (!other || other->fileName() != store->fileName())
        return false;
    scheduleSave();
    return true;
}

Settings::~Settings() = default;

void Settings::initializeLanguage()
{
    qDebug().noquote() << "void Settings::initializeLanguage()";
    // The code names a translation file: anything but letters (a path, say) counts as no choice.
    QString code = store->value("global/language", QString()).toString();
    static const QRegularExpression localeCode(QStringLiteral("^[A-Za-z_]*$"));
    if (!localeCode.match(code).hasMatch())
        code.clear();
    setLanguage(code);
}

void Settings::initialize()
{
    qDebug().noquote() << "void Settings::initialize()";
    initialized = false;
    for (const KeyEntry& entry : keyTable()) {
        const QVariant value = store->value(entry.key, entry.defaultValue);
        const QVariant applied = std::visit(ApplyValue{*this, entry, value}, entry.setter);
        // A setter writes only a change of its field: a stored "850.0", or a range of 5000 read
        // as the 4000 the field already holds, would stay in the store and in the next
        // parameter file. The store holds what the program uses.
        if (store->contains(entry.key) && store->value(entry.key).toString() != applied.toString())
            write(entry.key, applied);
    }
    initialized = true;
}

void Settings::write(const char* key, const QVariant& value)
{
    store->setValue(key, value);
    scheduleSave();
}

void Settings::scheduleSave()
{
    // The store is written out once the current event has been handled, and checked then.
    if (!saveScheduled && QCoreApplication::instance()) {
        saveScheduled = true;
        QTimer::singleShot(0, this, [this] { saveStore(); });
    }
}

bool Settings::isWholeIniText(const QByteArray& text, int keyCount)
{
    if (keyCount == 0)
        return true;
    if (!text.endsWith('\n'))
        return false;
    int keyLines = 0;
    for (const QByteArray& line : text.split('\n'))
        if (!line.isEmpty() && !line.startsWith('[') && !line.startsWith(';') && line.contains('='))
            ++keyLines;
    // Another program's keys merged in by the settings class make more lines, never fewer.
    return keyLines >= keyCount;
}

namespace {

// Puts bytes back into fileName: in one step when the disk has room for a second copy, else in
// place (the cut file's room is then free again); no value (there was no file) removes it.
void restoreFile(const QString& fileName, const std::optional<QByteArray>& bytes)
{
    if (!bytes) {
        QFile::remove(fileName);
        return;
    }
    QSaveFile replacement(fileName);
    if (replacement.open(QIODevice::WriteOnly) && replacement.write(*bytes) == bytes->size() && replacement.flush()
        && replacement.commit())
        return;
    replacement.cancelWriting();
    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(*bytes) != bytes->size() || !file.flush())
        QFile::remove(fileName); // no store is better than one that gives wrong values
}

} // namespace

bool Settings::saveStore()
{
    saveScheduled = false;
    // Every key held now must be in the file; reading a file back changes what the store holds.
    const int keyCount = int(store->allKeys().size());
    store->sync();
    // A format error still writes the file; only a store that cannot be written loses values.
    // The settings class does not see a full disk: what it wrote is read back.
    bool saved = store->status() != QSettings::AccessError;
    if (saved) {
        QFile file(store->fileName());
        const std::optional<QByteArray> written
            = file.open(QIODevice::ReadOnly) ? std::optional<QByteArray>(file.readAll()) : std::nullopt;
        file.close();
        // A file as it was last seen whole needs no reading; one the settings class wrote is
        // whole when it holds every key. One that cannot be read is left to the next save.
        if (!written || written == lastWholeStore || isWholeIniText(*written, keyCount)) {
            lastWholeStore = written;
        } else {
            saved = false;
            restoreFile(store->fileName(), lastWholeStore);
            store->sync(); // reads back what the file holds again
        }
    }
    if (saved) {
        saveFailureReported = false;
        return true;
    }
    if (!saveFailureReported) {
        saveFailureReported = true;
        Messages::warning(tr("Warning"),
            tr("Your settings cannot be saved to %1.\nVanto goes on with the values you enter, but they will be "
               "lost when it ends.")
                .arg(QDir::toNativeSeparators(store->fileName())));
    }
    return false;
}

template <typename T, typename S>
void Settings::assignChanged(T& field, const T& value, const char* key, Signal<S> signal)
{
    if (field == value)
        return;
    field = value;
    write(key, value);
    emit(this->*signal)(value);
}

void Settings::assignDouble(double& field, double value, const char* key, Signal<double> signal)
{
    if (field == value)
        return;
    field = value;
    write(key, value);
    if (!initialized)
        emit(this->*signal)(value);
}

template <typename T> void Settings::assignAlways(T& field, const T& value, const char* key, Signal<T> signal)
{
    field = value;
    write(key, value);
    emit(this->*signal)(value);
}

void Settings::setLanguage(const QString& value)
{
    qDebug().noquote() << "void Settings::setLanguage(const QString&)" << value;
    assignChanged(language_, value, "global/language", &Settings::languageChanged);
}

void Settings::setUnitSystem(int value)
{
    assignChanged(unitSystem_, value, "global/unitSystem", &Settings::unitSystemChanged);
}

void Settings::setUseAngleDisplay(int value)
{
    qDebug().noquote() << "void Settings::setUseAngleDisplay(int)" << value;
    assignAlways(useAngleDisplay_, value, "global/useAngleDisplay", &Settings::useAngleDisplayChanged);
}

void Settings::setKillZone(double value)
{
    if (killZone_ == value)
        return;
    killZone_ = value;
    write("global/killZone", value);
    emit killZoneChanged(value);
}

void Settings::setKillZoneUnit(int value)
{
    assignChanged(killZoneUnit_, value, "global/killZoneUnit", &Settings::killZoneUnitChanged);
}

void Settings::setMaxRange(int value)
{
    assignChanged(maxRange_, value, "global/maxRange", &Settings::maxRangeChanged);
}

void Settings::setMaxRangeUnit(int value)
{
    assignChanged(maxRangeUnit_, value, "global/maxRangeUnit", &Settings::maxRangeUnitChanged);
}

void Settings::setAutoRange(bool value)
{
    assignAlways(autoRange_, value, "global/autoRange", &Settings::autoRangeChanged);
}

void Settings::setIncludeSpinDrift(bool value)
{
    assignAlways(includeSpinDrift_, value, "global/includeSpinDrift", &Settings::includeSpinDriftChanged);
}

void Settings::setSaveDir(const QString& value)
{
    if (saveDir_ == value)
        return;
    saveDir_ = value;
    write("global/saveDir", value);
}

void Settings::setCardStep(int value)
{
    assignChanged(cardStep_, value, "global/cardStep", &Settings::cardStepChanged);
}

void Settings::setCardDisplayMOA(bool value)
{
    assignAlways(cardDisplayMOA_, value, "global/cardDisplayMOA", &Settings::cardDisplayMOAChanged);
}

void Settings::setCardDisplayMils(bool value)
{
    assignAlways(cardDisplayMils_, value, "global/cardDisplayMils", &Settings::cardDisplayMilsChanged);
}

void Settings::setCardDisplayClicks(bool value)
{
    assignAlways(cardDisplayClicks_, value, "global/cardDisplayClicks", &Settings::cardDisplayClicksChanged);
}

void Settings::setUseDefaultPressure(bool value)
{
    assignAlways(useDefaultPressure_, value, "envir/useDefaultPressure", &Settings::useDefaultPressureChanged);
    if (value) {
        // The pressure field shows the standard pressure now in use, and keeps showing it when
        // the box is unticked again: the field, the store and the computation agree at every
        // moment. (The double setters are silent after start-up, so the signal goes out here.)
        // The value is written through even when the field already holds it, as the store may
        // hold another one (a parameter file just copied in, read right after this key).
        assignAlways(basePressure_, standardPressureHPa, "envir/basePressure", &Settings::basePressureChanged);
        setBasePressureUnit(0);
        write("envir/basePressureUnit", 0);
    }
}

void Settings::setBasePressure(double value)
{
    assignDouble(basePressure_, value, "envir/basePressure", &Settings::basePressureChanged);
}

void Settings::setBasePressureUnit(int value)
{
    assignChanged(basePressureUnit_, value, "envir/basePressureUnit", &Settings::basePressureUnitChanged);
}

void Settings::setAltitudeCorrection(bool value)
{
    assignAlways(altitudeCorrection_, value, "envir/altitudeCorrection", &Settings::altitudeCorrectionChanged);
    // Without correction the altitude is 0, and the field shows it: ticked again, the field
    // shows the 0 the computation then uses, not the altitude typed before.
    if (!value)
        assignAlways(altitude_, 0.0, "envir/altitude", &Settings::altitudeChanged);
}

void Settings::setAltitude(double value)
{
    assignDouble(altitude_, value, "envir/altitude", &Settings::altitudeChanged);
}

void Settings::setAltitudeUnit(int value)
{
    assignChanged(altitudeUnit_, value, "envir/altitudeUnit", &Settings::altitudeUnitChanged);
}

void Settings::setWindVelocity(double value)
{
    assignDouble(windVelocity_, value, "envir/windVelocity", &Settings::windVelocityChanged);
}

void Settings::setWindVelocityUnit(int value)
{
    assignChanged(windVelocityUnit_, value, "envir/windVelocityUnit", &Settings::windVelocityUnitChanged);
}

void Settings::setWindAngle(int value)
{
    assignAlways(windAngle_, value, "envir/windAngle", &Settings::windAngleChanged);
}

void Settings::setTemperature(double value)
{
    assignDouble(temperature_, value, "envir/temperature", &Settings::temperatureChanged);
}

void Settings::setTemperatureUnit(int value)
{
    assignChanged(temperatureUnit_, value, "envir/temperatureUnit", &Settings::temperatureUnitChanged);
}

void Settings::setUpHillAngle(int value)
{
    assignChanged(upHillAngle_, value, "envir/upHillAngle", &Settings::upHillAngleChanged);
}

void Settings::setUpHillDirection(int value)
{
    assignChanged(upHillDirection_, value, "envir/upHillDirection", &Settings::upHillDirectionChanged);
}

void Settings::setSightHeight(double value)
{
    assignDouble(sightHeight_, value, "rifle/sightHeight", &Settings::sightHeightChanged);
}

void Settings::setSightHeightUnit(int value)
{
    assignChanged(sightHeightUnit_, value, "rifle/sightHeightUnit", &Settings::sightHeightUnitChanged);
}

void Settings::setTwist(double value)
{
    assignDouble(twist_, value, "rifle/twist", &Settings::twistChanged);
}

void Settings::setTwistUnit(int value)
{
    assignChanged(twistUnit_, value, "rifle/twistUnit", &Settings::twistUnitChanged);
}

void Settings::setTwistDirection(int value)
{
    assignChanged(twistDirection_, value, "rifle/twistDirection", &Settings::twistDirectionChanged);
}

void Settings::setScopeClick(int value)
{
    assignChanged(scopeClick_, value, "rifle/scopeClick", &Settings::scopeClickChanged);
}

void Settings::setManScopeDevH(double value)
{
    assignDouble(manScopeDevH_, value, "rifle/manScopeDevH", &Settings::manScopeDevHChanged);
}

void Settings::setManScopeDevUnitH(int value)
{
    assignChanged(manScopeDevUnitH_, value, "rifle/manScopeDevUnitH", &Settings::manScopeDevUnitHChanged);
}

void Settings::setManScopeDistH(double value)
{
    assignDouble(manScopeDistH_, value, "rifle/manScopeDistH", &Settings::manScopeDistHChanged);
}

void Settings::setManScopeDistUnitH(int value)
{
    assignChanged(manScopeDistUnitH_, value, "rifle/manScopeDistUnitH", &Settings::manScopeDistUnitHChanged);
}

void Settings::setManScopeDevV(double value)
{
    assignDouble(manScopeDevV_, value, "rifle/manScopeDevV", &Settings::manScopeDevVChanged);
}

void Settings::setManScopeDevUnitV(int value)
{
    assignChanged(manScopeDevUnitV_, value, "rifle/manScopeDevUnitV", &Settings::manScopeDevUnitVChanged);
}

void Settings::setManScopeDistV(double value)
{
    assignDouble(manScopeDistV_, value, "rifle/manScopeDistV", &Settings::manScopeDistVChanged);
}

void Settings::setManScopeDistUnitV(int value)
{
    assignChanged(manScopeDistUnitV_, value, "rifle/manScopeDistUnitV", &Settings::manScopeDistUnitVChanged);
}

// Converted getters.

double Settings::killZoneSI() const
{
    return killZoneUnit_ == 0 ? killZone_ / 100.0 : killZone_ * centimetresPerInch / 100.0;
}

double Settings::maxRangeSI() const
{
    const double range = maxRange_;
    return maxRangeUnit_ == 0 ? range : range / yardsPerMetre;
}

double Settings::pressureHPa() const
{
    if (useDefaultPressure_)
        return standardPressureHPa;
    return basePressureUnit_ == 0 ? basePressure_ : basePressure_ * hPaPerMmHg;
}

double Settings::altitudeSI() const
{
    return altitudeUnit_ == 0 ? altitude_ : altitude_ * metresPerFoot;
}

double Settings::stationPressureHPa() const
{
    // Barometric formula of the standard atmosphere: p = p0 (1 - 2.25577e-5 h)^5.25588, h in m.
    if (!altitudeCorrection_)
        return pressureHPa();
    return pressureHPa() * std::pow(1.0 - 2.25577e-5 * altitudeSI(), 5.25588);
}

double Settings::windVelocitySI() const
{
    switch (windVelocityUnit_) {
    case 0:
        return windVelocity_;
    case 1:
        return windVelocity_ * metresPerFoot;
    case 2:
        return windVelocity_ / kmhPerMs;
    default:
        return windVelocity_ * metresPerSecondPerMph;
    }
}

double Settings::windAngleRad() const
{
    return windAngle_ * radiansPerDegree;
}

double Settings::temperatureCelsius() const
{
    return temperatureUnit_ == 0 ? temperature_ : (temperature_ - 32.0) * 5.0 / 9.0;
}

double Settings::upHillAngleRad() const
{
    const double angle = upHillAngle_ * radiansPerDegree;
    return upHillDirection_ == 0 ? angle : -angle;
}

double Settings::sightHeightSI() const
{
    return sightHeightUnit_ == 0 ? sightHeight_ / 100.0 : sightHeight_ * centimetresPerInch / 100.0;
}

double Settings::twistSI() const
{
    const double twist = twistUnit_ == 0 ? twist_ / 100.0 : twist_ * centimetresPerInch / 100.0;
    return twistDirection_ == 0 ? twist : -twist;
}

double Settings::customClickMoa(double deviation, int deviationUnit, double distance, int distanceUnit) const
{
    // 34.38 MOA per centimetre of deviation at one metre; inches to cm, yards to metres.
    const double d = deviationUnit == 1 ? centimetresPerInch : 1.0;
    const double r = distanceUnit == 1 ? 1.0 / yardsPerMetre : 1.0;
    return moaPerCentimetrePerMetre * deviation * d / (distance * r);
}

namespace {

double presetClickMoa(int scopeClick)
{
    switch (scopeClick) {
    case 1:
        return 0.5;
    case 2:
        return 0.25;
    case 3:
        return 0.125;
    case 4:
        return 0.0625;
    case 5:
        return centimetreAt100mMoa;
    default:
        return 1.0;
    }
}

constexpr int customClick = 6;

} // namespace

double Settings::clickValueH() const
{
    if (scopeClick_ == customClick)
        return customClickMoa(manScopeDevH_, manScopeDevUnitH_, manScopeDistH_, manScopeDistUnitH_);
    return presetClickMoa(scopeClick_);
}

double Settings::clickValueV() const
{
    if (scopeClick_ == customClick)
        return customClickMoa(manScopeDevV_, manScopeDevUnitV_, manScopeDistV_, manScopeDistUnitV_);
    return presetClickMoa(scopeClick_);
}
