// vanto-bench: times the ballistics engine against the reference solver and checks that both
// give the same numbers to the bit.
//
// For each benchmark load, one full computation is, on the engine side, ComputeTrajectory(),
// ComputeRangeCard() and PointBlankRanges() of a scratch load, and on the reference side
// ReferenceSolver::computeAll() on the same load and settings. Both run alternately, after one
// warm-up run each, and the median of the repetitions is reported.
//
//   vanto-bench           full timing (one warm-up, 7 repetitions per side and load)
//   vanto-bench --quick   one run per side and load, no warm-up: an exactness check
//   --verbose             also prints, per load, what was compared (angle, series lengths,
//                         point-blank list)
//
// Output: one line per load (engine ms, reference ms, their ratio, the speed-up of the engine),
// a line starting with "MISMATCH" for every quantity that differs, the line
// "median speed-up: X.XX", then the extremes: the engine's time on the limits of the widgets
// and on inputs beyond them (card step 1), with the number of states, of metric card rows and
// what ended the flight, and the restore and computation of a load of 30 000 bands. The exit code is 1 when anything
// differed, 0 otherwise.
//
// The program never touches the user's settings: the store lives in a temporary folder.

#include "ballistics/shoot.h"
#include "bench/reference/comparison.h"
#include "bench/reference/referencesolver.h"
#include "core/messages.h"
#include "settings/settings.h"

#include <QCoreApplication>
#include <QList>
#include <QLoggingCategory>
#include <QSettings>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <functional>
#include <vector>

namespace {

struct BenchLoad {
    const char* name;
    std::function<void(Settings&)> conditions; // applied after the default conditions
    std::function<void(Shoot&)> load;
};

// The conditions of a fresh installation: 25 °C, 1013 hPa, level ground, 15 m/s wind at 0°,
// sight height 3.5 cm, left-hand twist of 13 in, kill zone 30 cm, card step 50, automatic
// range, no spin drift, 1/2 MOA clicks.
void applyDefaultConditions(Settings& settings)
{
    settings.setKillZoneUnit(0);
    settings.setKillZone(30.0);
    settings.setMaxRangeUnit(0);
    settings.setMaxRange(800);
    settings.setAutoRange(true);
    settings.setIncludeSpinDrift(false);
    settings.setCardStep(50);
    settings.setUseDefaultPressure(true);
    settings.setAltitudeCorrection(false);
    settings.setAltitudeUnit(0);
    settings.setWindVelocityUnit(0);
    settings.setWindVelocity(15.0);
    settings.setWindAngle(0);
    settings.setTemperatureUnit(0);
    settings.setTemperature(25.0);
    settings.setUpHillAngle(0);
    settings.setUpHillDirection(0);
    settings.setSightHeightUnit(0);
    settings.setSightHeight(3.5);
    settings.setTwistUnit(1);
    settings.setTwist(13.0);
    settings.setTwistDirection(1);
    settings.setScopeClick(1);
}

// A load entered by hand: grains, ft/s, inches, metres (or yards), one coefficient.
void setLoad(Shoot& shoot, const char* title, double grains, int fps, double caliberIn, double lengthIn, int gModel,
    double bc, int zeroRange, int zeroRangeUnit = 0)
{
    shoot.setTitle(QString::fromUtf8(title));
    shoot.setOrigin(QStringLiteral("manual"));
    shoot.setActive(true);
    shoot.setWeightUnit(0);
    shoot.setWeight(grains);
    shoot.setMuzzleVelocityUnit(1);
    shoot.setMuzzleVelocity(fps);
    shoot.setCaliberUnit(0);
    shoot.setCaliber(caliberIn);
    shoot.setLengthUnit(0);
    shoot.setLength(lengthIn);
    shoot.setGModel(gModel);
    shoot.setZeroRangeUnit(zeroRangeUnit);
    shoot.setZeroRange(zeroRange);
    shoot.setBCMulti({0.0}, {bc});
}

void load308(Shoot& shoot, int gModel, double bc, const char* title)
{
    setLoad(shoot, title, 168.0, 2650, 0.308, 1.215, gModel, bc, 200);
}

void load308ThreeBands(Shoot& shoot)
{
    load308(shoot, 0, 0.447, ".308 Win 168 gr");
    shoot.setBCMulti({0.0, 1800.0, 2400.0}, {0.447, 0.462, 0.475});
}

void loadPellet(Shoot& shoot, int zeroRange)
{
    setLoad(shoot, ".177 pellet 8.4 gr", 8.4, 900, 0.177, 0.22, 0, 0.021, zeroRange);
}

const std::vector<BenchLoad>& benchLoads()
{
    static const std::vector<BenchLoad> loads = {
        {"a .223 Rem 55 gr G1, zero 100 m", [](Settings&) {},
            [](Shoot& s) { setLoad(s, ".223 Rem 55 gr", 55.0, 3240, 0.224, 0.75, 0, 0.25, 100); }},
        {"b .308 Win 168 gr G1 3 bands, zero 200 m", [](Settings&) {}, load308ThreeBands},
        {"c 6.5 mm 140 gr G7, zero 300 m, to 1500 m",
            [](Settings& c) {
                c.setAutoRange(false);
                c.setMaxRange(1500);
            },
            [](Shoot& s) { setLoad(s, "6.5 mm 140 gr", 140.0, 2700, 0.264, 1.35, 4, 0.305, 300); }},
        {"d .22 LR 40 gr G1, zero 50 m", [](Settings&) {},
            [](Shoot& s) { setLoad(s, ".22 LR 40 gr", 40.0, 1070, 0.223, 0.5, 0, 0.138, 50); }},
        {"e .177 pellet 8.4 gr G1, zero 25 m", [](Settings&) {}, [](Shoot& s) { loadPellet(s, 25); }},
        {"f .308 Win, 30 deg uphill, wind 10 m/s at 90, spin",
            [](Settings& c) {
                c.setUpHillAngle(30);
                c.setUpHillDirection(0);
                c.setWindVelocity(10.0);
                c.setWindAngle(90);
                c.setIncludeSpinDrift(true);
            },
            load308ThreeBands},
        // Beyond the five loads: the other branches and drag models.
        {"g .223 Rem 55 gr G1, zero 20 m (rising branch)", [](Settings&) {},
            [](Shoot& s) { setLoad(s, ".223 Rem 55 gr", 55.0, 3240, 0.224, 0.75, 0, 0.25, 20); }},
        {"h .177 pellet, zero 400 m (unreachable), no card", [](Settings& c) { c.setCardStep(0); },
            [](Shoot& s) { loadPellet(s, 400); }},
        {"i .177 pellet, zero 0 m, spin",
            [](Settings& c) {
                c.setIncludeSpinDrift(true);
                c.setWindAngle(45);
            },
            [](Shoot& s) { loadPellet(s, 0); }},
        {"j .308 Win G2, 41 F, altitude 1500 m, spin",
            [](Settings& c) {
                c.setTemperatureUnit(1);
                c.setTemperature(41.0);
                c.setAltitudeCorrection(true);
                c.setAltitude(1500.0);
                c.setIncludeSpinDrift(true);
                c.setWindAngle(270);
            },
            [](Shoot& s) { load308(s, 1, 0.23, ".308 Win 168 gr G2"); }},
        {"k .308 Win G5, 20 deg downhill, card step 25",
            [](Settings& c) {
                c.setUpHillAngle(20);
                c.setUpHillDirection(1);
                c.setCardStep(25);
                c.setScopeClick(2);
            },
            [](Shoot& s) { load308(s, 2, 0.34, ".308 Win 168 gr G5"); }},
        {"l .308 Win G6, zero 200 yd, to 1000 yd, custom clicks",
            [](Settings& c) {
                c.setAutoRange(false);
                c.setMaxRangeUnit(1);
                c.setMaxRange(1000);
                c.setScopeClick(6);
                c.setManScopeDevUnitH(0);
                c.setManScopeDevH(1.0);
                c.setManScopeDistUnitH(0);
                c.setManScopeDistH(100.0);
                c.setManScopeDevUnitV(1);
                c.setManScopeDevV(0.5);
                c.setManScopeDistUnitV(1);
                c.setManScopeDistV(100.0);
                c.setIncludeSpinDrift(true);
            },
            [](Shoot& s) {
                load308(s, 3, 0.33, ".308 Win 168 gr G6");
                s.setZeroRangeUnit(1);
            }},
        {"m .308 Win G8, 740 mmHg, 20 mph at 300, right twist",
            [](Settings& c) {
                c.setUseDefaultPressure(false);
                c.setBasePressureUnit(1);
                c.setBasePressure(740.0);
                c.setWindVelocityUnit(3);
                c.setWindVelocity(20.0);
                c.setWindAngle(300);
                c.setTwistDirection(0);
                c.setTwist(12.0);
                c.setIncludeSpinDrift(true);
                c.setKillZone(10.0);
            },
            [](Shoot& s) { load308(s, 5, 0.44, ".308 Win 168 gr G8"); }},
    };
    return loads;
}

// The extremes: the limits of the widgets, and inputs beyond them that only a parameter file
// can hold. Timed on the engine alone (the reference follows flights the engine cuts short).
const std::vector<BenchLoad>& extremeLoads()
{
    const auto fixedRange = [](int metres) {
        return [metres](Settings& c) {
            c.setAutoRange(false);
            c.setMaxRange(metres);
        };
    };
    const auto slope = [](int degrees, int direction) {
        return [degrees, direction](Settings& c) {
            c.setAutoRange(false);
            c.setMaxRange(4000);
            c.setUpHillAngle(degrees);
            c.setUpHillDirection(direction);
        };
    };
    const auto fast = [](Shoot& s) { setLoad(s, ".224 55 gr at 6000 ft/s", 55.0, 6000, 0.224, 0.75, 0, 0.25, 100); };
    const auto draggy = [](Shoot& s) { setLoad(s, "pellet BC 0.005 at 150 m/s", 8.4, 492, 0.177, 0.22, 0, 0.005, 10); };
    static const std::vector<BenchLoad> loads = {
        {"x1 6000 ft/s to 4000 m", fixedRange(4000), fast},
        {"x2 BC 0.005 at 150 m/s to 4000 m", fixedRange(4000), draggy},
        {"x3 .308 75 deg uphill to 4000 m", slope(75, 0), [](Shoot& s) { load308(s, 0, 0.462, ".308"); }},
        {"x4 .308 75 deg downhill to 4000 m", slope(75, 1), [](Shoot& s) { load308(s, 0, 0.462, ".308"); }},
        {"x5 BC 0.005 at 150 m/s, 75 deg uphill", slope(75, 0), draggy},
        {"x6 BC 0.005 at 150 m/s, 75 deg downhill", slope(75, 1), draggy},
        {"x7 6000 ft/s, 75 deg downhill to 4000 m", slope(75, 1), fast},
        {"y1 file: slope 180 deg, BC 1e9, no range limit",
            [](Settings& c) {
                c.setAutoRange(false);
                c.setMaxRange(2147483647);
                c.setUpHillAngle(180);
            },
            [](Shoot& s) {
                load308(s, 0, 0.462, ".308");
                s.setBCMulti({0.0}, {1e9});
            }},
        {"y2 file: kill zone 1e9 cm", [](Settings& c) { c.setKillZone(1e9); },
            [](Shoot& s) { load308(s, 0, 0.462, ".308"); }},
        {"y3 file: zero range 1e9 m", [](Settings&) {},
            [](Shoot& s) {
                load308(s, 0, 0.462, ".308");
                s.setZeroRange(1000000000);
            }},
    };
    return loads;
}

// Why a trajectory ended, by the rules of the integration loop.
const char* endOfFlight(const Shoot& shoot, const Settings& settings)
{
    const std::vector<TrajectoryState>& states = shoot.States();
    if (states.size() < 2)
        return "not integrated";
    const TrajectoryState& last = states.back();
    if (states.size() > 240'000)
        return "two-minute cap";
    if (last.y <= -40.0)
        return "40 m below the sight line";
    if (settings.autoRange() && last.y <= -2.0)
        return "2 m below the sight line";
    if (!settings.autoRange() && last.x >= settings.maxRangeSI())
        return "maximum range";
    return "stopped advancing";
}

double median(std::vector<double> values)
{
    if (values.empty())
        return 0.0;
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    if (values.size() % 2 == 1)
        return values[middle];
    return (values[middle - 1] + values[middle]) * 0.5;
}

using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// What the comparison covered, from the reference side.
void printSummary(const char* name, const ReferenceResult& result)
{
    const std::vector<double>& distances = result.trajectorySeries[2];
    std::printf("  %s: angle %.9f deg%s, %zu states to %.3f m, %zu + %zu card rows, point blank", name,
        result.shootAngle, result.zeroUnreachable ? " (zero range unreachable)" : "", result.trajectorySeries[0].size(),
        distances.empty() ? 0.0 : distances.back(), result.cardSeries[2].size(), result.cardSeries[8].size());
    for (const double value : result.pointBlank)
        std::printf(" %.4f", value);
    std::printf("\n");
}

void printUsage()
{
    std::printf("usage: vanto-bench [--quick] [--verbose]\n"
                "  times the ballistics engine against the reference solver and checks that they agree\n"
                "  to the bit; --quick runs each side once, without warm-up (an exactness check);\n"
                "  --verbose also prints what was compared for each load\n");
}

} // namespace

int main(int argc, char* argv[])
{
    bool quick = false;
    bool verbose = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--quick") == 0) {
            quick = true;
        } else if (std::strcmp(argv[i], "--verbose") == 0) {
            verbose = true;
        } else if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            printUsage();
            return 0;
        } else {
            std::fprintf(stderr, "vanto-bench: unknown argument %s\n", argv[i]);
            printUsage();
            return 2;
        }
    }

    QCoreApplication app(argc, argv);
    // A store of our own, never the user's.
    QTemporaryDir storeDir;
    if (!storeDir.isValid()) {
        std::fprintf(stderr, "vanto-bench: cannot create a temporary folder for the settings store\n");
        return 2;
    }
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, storeDir.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, storeDir.path());
    QCoreApplication::setOrganizationName(QStringLiteral("Tarvanel"));
    QCoreApplication::setApplicationName(QStringLiteral("Vanto4"));
    // The solver's debug traces would drown the report.
    QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false"));

    int engineWarnings = 0;
    Messages::setWarningSink([&engineWarnings](const QString&, const QString&) { ++engineWarnings; });

    Settings& settings = *Settings::instance();
    settings.initialize();

    const int warmUps = quick ? 0 : 1;
    const int repetitions = quick ? 1 : 7;
    bool mismatch = false;
    std::vector<double> speedUps;

    std::printf("%-52s %12s %12s %8s\n", "load", "engine ms", "reference ms", "ratio");
    for (const BenchLoad& bench : benchLoads()) {
        applyDefaultConditions(settings);
        bench.conditions(settings);
        Shoot shoot(1, nullptr, Shoot::Storage::Scratch);
        bench.load(shoot);

        std::vector<double> engineMs;
        std::vector<double> referenceMs;
        for (int run = 0; run < warmUps + repetitions; ++run) {
            const bool timed = run >= warmUps;
            const bool checked = run == warmUps;

            engineWarnings = 0;
            const Clock::time_point engineStart = Clock::now();
            shoot.ComputeTrajectory();
            shoot.ComputeRangeCard();
            const QList<double> enginePointBlank = shoot.PointBlankRanges();
            const double engineTime = millisecondsSince(engineStart);
            const int warningsOfRun = engineWarnings;

            ReferenceSolver reference(shoot, settings);
            const Clock::time_point referenceStart = Clock::now();
            const ReferenceResult result = reference.computeAll();
            const double referenceTime = millisecondsSince(referenceStart);

            if (timed) {
                engineMs.push_back(engineTime);
                referenceMs.push_back(referenceTime);
            }
            if (!checked)
                continue;
            QStringList differences = ReferenceComparison::compare(shoot, enginePointBlank, result);
            if ((warningsOfRun > 0) != result.zeroUnreachable) {
                differences << QStringLiteral("zero-range warning: engine %1, reference %2")
                                   .arg(warningsOfRun > 0 ? QStringLiteral("shown") : QStringLiteral("not shown"),
                                       result.zeroUnreachable ? QStringLiteral("shown") : QStringLiteral("not shown"));
            }
            if (verbose)
                printSummary(bench.name, result);
            for (const QString& difference : differences) {
                mismatch = true;
                std::printf("MISMATCH %s: %s\n", bench.name, qPrintable(difference));
            }
        }

        const double engine = median(engineMs);
        const double ref = median(referenceMs);
        const double ratio = engine > 0.0 ? ref / engine : 0.0;
        speedUps.push_back(ratio);
        std::printf("%-52s %12.3f %12.3f %8.2f\n", bench.name, engine, ref, ratio);
        std::fflush(stdout);
    }

    std::printf("median speed-up: %.2f\n", median(speedUps));

    // Extremes: engine only, each computation bounded by the integration's own limits.
    std::printf("\n%-52s %12s %9s %6s  %s\n", "extreme", "engine ms", "states", "rows", "end of flight");
    for (const BenchLoad& bench : extremeLoads()) {
        applyDefaultConditions(settings);
        settings.setCardStep(1);
        bench.conditions(settings);
        Shoot shoot(1, nullptr, Shoot::Storage::Scratch);
        bench.load(shoot);
        std::vector<double> engineMs;
        for (int run = 0; run < (quick ? 1 : 3); ++run) {
            const Clock::time_point start = Clock::now();
            shoot.ComputeTrajectory();
            shoot.ComputeRangeCard();
            shoot.PointBlankRanges();
            engineMs.push_back(millisecondsSince(start));
        }
        std::printf("%-52s %12.3f %9zu %6d  %s\n", bench.name, median(engineMs), shoot.States().size(),
            int(shoot.CardSeries(2).size()), endOfFlight(shoot, settings));
        std::fflush(stdout);
    }

    // A parameter file of a load with 30 000 coefficient bands: its restore (the load keeps the
    // first 100, with a warning) and one full computation.
    {
        applyDefaultConditions(settings);
        QStringList coefficients;
        QStringList velMins;
        for (int band = 0; band < 30000; ++band) {
            coefficients << QString::number(0.3 + (band % 1000) * 1e-4);
            velMins << QString::number(band * 0.1);
        }
        QSettings store;
        store.setValue(QStringLiteral("shoot/1/BCmultiBC"), coefficients.join(';'));
        store.setValue(QStringLiteral("shoot/1/BCmultiV"), velMins.join(';'));
        Shoot shoot(1);
        std::vector<double> engineMs;
        for (int run = 0; run < (quick ? 1 : 3); ++run) {
            store.setValue(QStringLiteral("shoot/1/BCmultiBC"), coefficients.join(';'));
            store.setValue(QStringLiteral("shoot/1/BCmultiV"), velMins.join(';'));
            engineWarnings = 0;
            const Clock::time_point start = Clock::now();
            shoot.restoreFromSettings();
            shoot.ComputeTrajectory();
            shoot.ComputeRangeCard();
            shoot.PointBlankRanges();
            engineMs.push_back(millisecondsSince(start));
        }
        std::printf("%-52s %12.3f %9zu %6d  %d bands kept, %d warning(s)\n", "z1 file: 30 000 bands, restored",
            median(engineMs), shoot.States().size(), int(shoot.CardSeries(2).size()), int(shoot.BCList().size()),
            engineWarnings);
    }
    return mismatch ? 1 : 0;
}
