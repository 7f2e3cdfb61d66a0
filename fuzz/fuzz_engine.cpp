// The engine under arbitrary settings and loads, set through the setters the widgets and
// parameter files use, with values far outside what the widgets allow. After every computation
// each active load's series hold no infinity (paired series have equal lengths, distances and
// times are finite) and its point-blank ranges are finite or NaN. The input's layout is in
// README.md (keep it in step); engine_input.py reads the fields from the calls below.
#include "ballistics/shoot.h"
#include "fuzz/fuzzsupport.h"
#include "loads/shootcontainer.h"
#include "settings/settings.h"

#include <QVector>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <initializer_list>
#include <limits>
#include <vector>

namespace {

constexpr double huge = std::numeric_limits<double>::max();
constexpr int intMax = std::numeric_limits<int>::max();
constexpr int intMin = std::numeric_limits<int>::min();

// The input's fields, read in order; what it decodes is noted for the report of a failure.
struct Input {
    const uint8_t* data;
    size_t size;
    size_t pos = 0;
    QStringList decoded;

    bool flag(const char* name, bool fallback)
    {
        const bool value = pos < size ? (data[pos++] & 1) != 0 : fallback;
        note(name, value ? "true" : "false");
        return value;
    }

    // An index into a list of count entries; now and then one outside it.
    int choice(const char* name, int count, int fallback)
    {
        int value = fallback;
        if (pos < size) {
            const uint8_t selector = data[pos++];
            static const int outside[] = {-1, -2, 100, intMax, intMin};
            value = selector < 0xF0 ? selector % count
                                    : (selector & 1 ? count : outside[(selector >> 1) % std::size(outside)]);
        }
        note(name, QString::number(value));
        return value;
    }

    int integer(const char* name, int lo, int hi, int fallback, std::initializer_list<int> edges = {})
    {
        int value = fallback;
        if (pos < size) {
            const uint8_t selector = data[pos++];
            if (selector < 0xA0) {
                const auto span = unsigned(int64_t(hi) - int64_t(lo) + 1);
                value = int(int64_t(lo) + int64_t(take(2) % span));
            } else if (selector < 0xF0) {
                std::vector<int> table = {0, -1, 1, lo - 1, hi + 1, 2 * hi, -hi, 1'000'000, -1'000'000, intMax, intMin,
                    intMin + 1, intMax - 1};
                table.insert(table.end(), edges);
                value = table[std::size_t(selector - 0xA0) % table.size()];
            } else {
                const auto raw = uint32_t(take(4));
                std::memcpy(&value, &raw, sizeof value);
            }
        }
        note(name, QString::number(value));
        return value;
    }

    // Finite numbers only: every way into the setters (widgets, parameter files, the store)
    // turns anything else into 0.
    double number(const char* name, double lo, double hi, double fallback, std::initializer_list<double> edges = {})
    {
        double value = fallback;
        if (pos < size) {
            const uint8_t selector = data[pos++];
            if (selector < 0xA0) {
                value = lo + (hi - lo) * double(take(2)) / 65535.0;
            } else if (selector < 0xF0) {
                std::vector<double> table = {0.0, -0.0, -1.0, lo, hi, -hi, hi * 10.0, hi * 1000.0, 1e-300, -1e-300,
                    1e-9, 1e9, -1e9, 1e15, 1e300, -1e300, huge, -huge, std::numeric_limits<double>::min(),
                    std::numeric_limits<double>::denorm_min(), 2147483648.0, -2147483649.0};
                table.insert(table.end(), edges);
                value = table[std::size_t(selector - 0xA0) % table.size()];
            } else {
                const uint64_t bits = take(8);
                double raw;
                std::memcpy(&raw, &bits, sizeof raw);
                if (std::isfinite(raw))
                    value = raw;
            }
        }
        note(name, QString::number(value, 'g', 17));
        return value;
    }

    // Up to count bytes, little-endian; missing bytes are 0.
    uint64_t take(int count)
    {
        uint64_t result = 0;
        for (int i = 0; i < count && pos < size; ++i)
            result |= uint64_t(data[pos++]) << (8 * i);
        return result;
    }

    void note(const char* name, const QString& value) { decoded << QString(name) + "=" + value; }
};

void configureSettings(Input& in)
{
    Settings* s = Settings::instance();
    s->setUnitSystem(in.choice("unitSystem", 2, 0));
    s->setUseAngleDisplay(in.choice("useAngleDisplay", 3, 0));
    s->setKillZone(in.number("killZone", 1, 100, 30, {1e-6, 1e6}));
    s->setKillZoneUnit(in.choice("killZoneUnit", 2, 0));
    s->setMaxRange(in.integer("maxRange", 100, 4000, 800, {10'000, 100'000, 1'000'000}));
    s->setMaxRangeUnit(in.choice("maxRangeUnit", 2, 0));
    s->setAutoRange(in.flag("autoRange", true));
    s->setIncludeSpinDrift(in.flag("includeSpinDrift", false));
    s->setCardStep(in.integer("cardStep", 1, 200, 50, {1, 5000}));
    s->setUseDefaultPressure(in.flag("useDefaultPressure", true));
    s->setBasePressure(in.number("basePressure", 10, 2000, 1013, {1e-3, 1e5}));
    s->setBasePressureUnit(in.choice("basePressureUnit", 2, 0));
    s->setAltitudeCorrection(in.flag("altitudeCorrection", false));
    s->setAltitude(in.number("altitude", 0, 20000, 150, {44330.0, 44331.0, 1e5, -1e4}));
    s->setAltitudeUnit(in.choice("altitudeUnit", 2, 0));
    s->setWindVelocity(in.number("windVelocity", 0, 30, 15, {300, 3000}));
    s->setWindVelocityUnit(in.choice("windVelocityUnit", 4, 0));
    s->setWindAngle(in.integer("windAngle", -180, 180, 0, {90, 270, 360, 3600}));
    s->setTemperature(in.number("temperature", -100, 100, 25, {-273, -273.15, -274, -459.67, -460, 1e4}));
    s->setTemperatureUnit(in.choice("temperatureUnit", 2, 0));
    s->setUpHillAngle(in.integer("upHillAngle", 0, 75, 0, {89, 90, 91, 180, 270, -90, 360}));
    s->setUpHillDirection(in.choice("upHillDirection", 2, 0));
    s->setSightHeight(in.number("sightHeight", 0, 15, 3.5, {100, 1e4}));
    s->setSightHeightUnit(in.choice("sightHeightUnit", 2, 0));
    s->setTwist(in.number("twist", 5, 50, 13, {1e-6, 1e6}));
    s->setTwistUnit(in.choice("twistUnit", 2, 1));
    s->setTwistDirection(in.choice("twistDirection", 2, 1));
    s->setScopeClick(in.choice("scopeClick", 7, 1));
    s->setManScopeDevH(in.number("manScopeDevH", 0, 100, 0, {1e-6}));
    s->setManScopeDevUnitH(in.choice("manScopeDevUnitH", 2, 0));
    s->setManScopeDistH(in.number("manScopeDistH", 10, 999, 100, {1e-6}));
    s->setManScopeDistUnitH(in.choice("manScopeDistUnitH", 2, 0));
    s->setManScopeDevV(in.number("manScopeDevV", 0, 100, 0, {1e-6}));
    s->setManScopeDevUnitV(in.choice("manScopeDevUnitV", 2, 0));
    s->setManScopeDistV(in.number("manScopeDistV", 10, 999, 100, {1e-6}));
    s->setManScopeDistUnitV(in.choice("manScopeDistUnitV", 2, 0));
}

void configureContainer(Input& in)
{
    ShootContainer* container = ShootContainer::instance();
    const int behaviour = in.choice("multiShootBehavior", 3, 0);
    if (behaviour == 1)
        container->setMultiShootBehaviorZero();
    else if (behaviour == 2)
        container->setMultiShootBehaviorAngle();
    else
        container->setMultiShootBehaviorIndep();
    // Out-of-range masters are refused by the container itself.
    container->SetMasterShoot(in.choice("masterIndex", ShootContainer::loadCount, 0));
    container->setPlotType(in.integer("plotType", 1, 6, 1));
}

void configureLoad(Input& in, Shoot* load)
{
    load->setOrigin("manual");
    load->setActive(in.flag("active", load->id() == 0));
    load->setMuzzleVelocity(in.integer("muzzleVelocity", 150, 6000, 850, {1, 100'000, 1'000'000}));
    load->setMuzzleVelocityUnit(in.choice("muzzleVelocityUnit", 2, 0));
    load->setWeight(in.number("weight", 0.05, 20, 100, {1e-6, 1e6}));
    load->setWeightUnit(in.choice("weightUnit", 2, 0));
    load->setCaliber(in.number("caliber", 0, 2, 0.224, {1e-6}));
    load->setCaliberUnit(in.choice("caliberUnit", 2, 0));
    load->setLength(in.number("length", 0.1, 50, 0.8, {1e-6}));
    load->setLengthUnit(in.choice("lengthUnit", 2, 0));
    load->setGModel(in.choice("gModel", 6, 0));
    load->setZeroRange(in.integer("zeroRange", 0, 1000, 200, {1, 2, 5000, 100'000}));
    load->setZeroRangeUnit(in.choice("zeroRangeUnit", 2, 0));
    // One to four bands; a choice outside the list gives eight.
    const int bandChoice = in.choice("coefficientBands", 4, 0);
    const int bands = bandChoice >= 0 && bandChoice < 4 ? bandChoice + 1 : 8;
    QList<double> velMins;
    QList<double> coefficients;
    for (int band = 0; band < bands; ++band) {
        velMins << (band == 0 ? in.number("velMin", 0, 4000, 0) : in.number("velMin", 0, 4000, 1000.0 * band));
        coefficients << in.number("BC", 0.001, 2, 0.3, {1e-6, 100});
    }
    load->setBCMulti(velMins, coefficients);
}

void checkLoad(Shoot& load, const QString& setup)
{
    const auto broken = [&](const QString& what) {
        FuzzSupport::fail(
            QString("load %1: %2\n-- decoded input --\n%3\n-- state --\n").arg(QString::number(load.id()), what, setup)
            + FuzzSupport::describeState());
    };
    // NaN marks a value that cannot be computed (a click without a click value, an energy that
    // overflows) and shows as "-"; an infinity is never shown. The grid every view hangs on,
    // the distances and the times, is always whole.
    const auto check = [&](const char* kind, int index, const QVector<double>& values, bool grid) {
        for (int i = 0; i < values.size(); ++i)
            if (grid ? !std::isfinite(values[i]) : std::isinf(values[i]))
                broken(QString::asprintf("%s series %d holds %s at %d of %d values: %.17g", kind, index,
                    grid ? "a distance or time that is not finite" : "an infinity", i, int(values.size()), values[i]));
    };
    const QList<int> trajectoryGrid = {0, 2, 8, 13, 14};
    const QList<int> cardGrid = {0, 2, 6, 8};
    for (int index = 0; index < Shoot::trajectorySeriesCount; ++index)
        check("trajectory", index, load.TrajectorySeries(index), trajectoryGrid.contains(index));
    for (int index = 0; index < Shoot::cardSeriesCount; ++index)
        check("card", index, load.CardSeries(index), cardGrid.contains(index));

    // The graph plots one series against another, the card prints a row per distance: the
    // series that go together have one value per point.
    using Series = QVector<double> (Shoot::*)(int) const;
    const auto sameLength = [&](const char* kind, const std::vector<int>& group, Series series) {
        const int first = int((load.*series)(group.front()).size());
        for (int index : group)
            if (int((load.*series)(index).size()) != first)
                broken(QString::asprintf("%s series %d has %d values, series %d has %d", kind, index,
                    int((load.*series)(index).size()), group.front(), first));
    };
    sameLength("trajectory", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 15, 17}, &Shoot::TrajectorySeries);
    sameLength("trajectory", {13, 14, 16, 18}, &Shoot::TrajectorySeries);
    sameLength("card", {0, 1, 2, 3, 4, 5, 12, 13, 14, 15, 16, 17}, &Shoot::CardSeries);
    sameLength("card", {6, 7, 8, 9, 10, 11, 18, 19, 20, 21, 22, 23}, &Shoot::CardSeries);

    const QList<double> ranges = load.PointBlankRanges();
    for (int i = 0; i < ranges.size(); ++i)
        if (std::isinf(ranges[i]))
            broken(QString::asprintf("point-blank value %d is infinite: %g", i, ranges[i]));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    FuzzSupport::initialize(argc, argv);
    FuzzSupport::startProgram();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzSupport::takeWarnings();
    Input in{data, size, 0, {}};
    configureSettings(in);
    configureContainer(in);
    ShootContainer* container = ShootContainer::instance();
    for (int index = 0; index < ShootContainer::loadCount; ++index)
        configureLoad(in, container->GetShoot(index));
    const QString setup = in.decoded.join('\n');
    if (FuzzSupport::verbose())
        std::fprintf(stderr, "%s\n", qUtf8Printable(setup));

    container->Compute();
    for (int index = 0; index < ShootContainer::loadCount; ++index)
        if (container->GetShoot(index)->active())
            checkLoad(*container->GetShoot(index), setup);
    FuzzSupport::takeWarnings();
    return 0;
}
