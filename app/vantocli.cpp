// vanto-cli: computes the loads of a parameter file without a window, for scripts and for
// checking the engine. The file is copied into a private, temporary settings store exactly as
// the program loads a parameter file; the user's own store is never read or written.
#include "app/version.h"
#include "ballistics/shoot.h"
#include "ballistics/stability.h"
#include "core/messages.h"
#include "loads/shootcontainer.h"
#include "results/cardlayout.h"
#include "settings/parameterfile.h"
#include "settings/settings.h"
#include "tools/bcfinder.h"
#include "tools/truing.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLoggingCategory>
#include <QSettings>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

enum ExitCode {
    Success = 0,
    UsageError = 2,
    UnreadableFile = 3,
    NoSolution = 4,
    UnwritableOutput = 5,
    UnwritableStore = 6,
};

struct Options {
    QString behavior; // empty: "indep", the program's start-up behaviour
    int master = 0;
    int unitSystem = -1; // -1: the file's own
    bool json = false;
    bool series = false;
    QString file;
};

void fail(const QString& message)
{
    std::fprintf(stderr, "vanto-cli: %s\n", qUtf8Printable(message));
}

// Writes text to standard output and makes sure it left: output that cannot be written (a full
// disk, a closed pipe) is its own exit status, never a success.
int flushed()
{
    if (std::fflush(stdout) == 0 && !std::ferror(stdout))
        return Success;
    const int error = errno != 0 ? errno : EIO;
    fail(QString("the output cannot be written: %1").arg(QString::fromLocal8Bit(std::strerror(error))));
    return UnwritableOutput;
}

int printed(const QString& text)
{
    errno = 0;
    std::fputs(text.toUtf8().constData(), stdout);
    return flushed();
}

// The private store's folder, removed when a signal ends the program. Only what may run in a
// signal handler is used: raw system calls on a path prepared beforehand.
char storePath[4096];

void removeTree(int parent, const char* name, int depth)
{
    const int folder = openat(parent, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (folder >= 0) {
        alignas(8) char entries[4096];
        long size;
        while ((size = syscall(SYS_getdents64, folder, entries, sizeof entries)) > 0) {
            for (long offset = 0; offset < size;) {
                const auto* entry = reinterpret_cast<const struct dirent64*>(entries + offset);
                offset += entry->d_reclen;
                const char* child = entry->d_name;
                if (std::strcmp(child, ".") == 0 || std::strcmp(child, "..") == 0)
                    continue;
                if (entry->d_type == DT_DIR && depth < 4)
                    removeTree(folder, child, depth + 1);
                else
                    unlinkat(folder, child, 0);
            }
        }
        close(folder);
    }
    unlinkat(parent, name, AT_REMOVEDIR);
}

extern "C" void removeStoreAndDie(int signal)
{
    removeTree(AT_FDCWD, storePath, 0);
    std::signal(signal, SIG_DFL);
    raise(signal);
}

void removeStoreOnSignals(const QString& path)
{
    const QByteArray name = QFile::encodeName(path);
    if (name.size() >= int(sizeof storePath))
        return;
    std::memcpy(storePath, name.constData(), size_t(name.size()) + 1);
    for (int signal : {SIGPIPE, SIGINT, SIGTERM, SIGHUP})
        std::signal(signal, removeStoreAndDie);
}

// Text in a CSV comment: a line break in a title would start a row of its own.
QString csvText(QString text)
{
    for (QChar& c : text)
        if (c.category() == QChar::Other_Control || c.category() == QChar::Separator_Line
            || c.category() == QChar::Separator_Paragraph)
            c = ' ';
    return text;
}

QString csvNumber(double value)
{
    return std::isfinite(value) ? QString::number(value, 'g', 6) : QString();
}

// 17 significant digits read back to the same double; JSON has no NaN or infinity.
QString jsonNumber(double value)
{
    return std::isfinite(value) ? QString::number(value, 'g', 17) : QString("null");
}

QString jsonString(const QString& text)
{
    QString out = "\"";
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (c.unicode() < 0x20)
                out += QString("\\u%1").arg(c.unicode(), 4, 16, QChar('0'));
            else
                out += c;
        }
    }
    return out + "\"";
}

template <typename Container> QString jsonArray(const Container& values)
{
    QStringList parts;
    for (double value : values)
        parts << jsonNumber(value);
    return "[" + parts.join(", ") + "]";
}

struct LoadReport {
    int index;
    const Shoot* load;
    QList<double> pointBlank;
};

// Whether any value the report prints cannot be computed (NaN): a column of clicks without a
// click value, an energy that overflows, a point-blank range never reached.
bool lacksValues(const LoadReport& report, const QList<CardLayout::Column>& columns, bool withSeries)
{
    const auto lacking = [](const auto& values) {
        return std::any_of(values.begin(), values.end(), [](double value) { return !std::isfinite(value); });
    };
    if (lacking(report.pointBlank) || !std::isfinite(report.load->shootAngle()))
        return true;
    for (const CardLayout::Column& column : columns)
        if (lacking(report.load->CardSeries(column.series)))
            return true;
    if (withSeries) {
        for (int index = 0; index < Shoot::trajectorySeriesCount; ++index)
            if (lacking(report.load->TrajectorySeries(index)))
                return true;
        for (int index = 0; index < Shoot::cardSeriesCount; ++index)
            if (lacking(report.load->CardSeries(index)))
                return true;
    }
    return false;
}

QString csvReport(const QList<LoadReport>& reports, const QList<CardLayout::Column>& columns)
{
    QString out;
    QTextStream stream(&out);
    for (const LoadReport& report : reports) {
        const Shoot& load = *report.load;
        stream << "# load " << report.index << ": " << csvText(load.title()) << "\n";
        stream << "# shoot angle (deg): " << csvNumber(load.shootAngle()) << "\n";
        stream << "# zero range: " << load.zeroRange() << (load.zeroRangeUnit() == 0 ? " m" : " yd") << "\n";
        QStringList blank;
        for (double value : report.pointBlank)
            blank << csvNumber(value);
        const double stability = load.GyroscopicStability();
        QStringList notes;
        if (const QString warning = Stability::warningText(Stability::rate(stability)); !warning.isEmpty())
            notes << warning;
        if (load.lengthNeedsCheck())
            notes << "length not checked";
        stream << "# stability: " << csvNumber(stability) << (notes.isEmpty() ? "" : " (" + notes.join(", ") + ")")
               << "\n";
        stream << "# point blank (m): near zero, far zero, peak height, peak distance, maximum range: "
               << blank.join(", ") << "\n";
        QStringList header;
        for (const CardLayout::Column& column : columns)
            header << column.header;
        stream << header.join(',') << "\n";
        const int rows = load.CardSeries(columns.first().series).size();
        for (int row = 0; row < rows; ++row) {
            QStringList cells;
            for (const CardLayout::Column& column : columns)
                cells << csvNumber(load.CardSeries(column.series).value(row));
            stream << cells.join(',') << "\n";
        }
    }
    return out;
}

QString jsonReport(const QList<LoadReport>& reports, const QList<CardLayout::Column>& columns,
    const QStringList& warnings, bool withSeries)
{
    QStringList loads;
    for (const LoadReport& report : reports) {
        const Shoot& load = *report.load;
        QStringList headers;
        for (const CardLayout::Column& column : columns)
            headers << jsonString(column.header);
        QStringList rows;
        const int rowCount = load.CardSeries(columns.first().series).size();
        for (int row = 0; row < rowCount; ++row) {
            QList<double> cells;
            for (const CardLayout::Column& column : columns)
                cells << load.CardSeries(column.series).value(row);
            rows << jsonArray(cells);
        }
        QString entry
            = QString("{\"index\": %1, \"title\": %2, \"shootAngle\": %3, \"zeroRange\": %4, "
                      "\"zeroRangeUnit\": %5, \"stability\": %9, \"lengthNeedsCheck\": %10, \"pointBlank\": %6, "
                      "\"card\": {\"columns\": [%7], \"rows\": [%8]}")
                  .arg(report.index)
                  .arg(jsonString(load.title()), jsonNumber(load.shootAngle()))
                  .arg(load.zeroRange())
                  .arg(load.zeroRangeUnit())
                  .arg(jsonArray(report.pointBlank), headers.join(", "), rows.join(", "),
                      jsonNumber(load.GyroscopicStability()),
                      load.lengthNeedsCheck() ? QStringLiteral("true") : QStringLiteral("false"));
        if (withSeries) {
            QStringList trajectory;
            for (int index = 0; index < Shoot::trajectorySeriesCount; ++index)
                trajectory << jsonArray(load.TrajectorySeries(index));
            QStringList card;
            for (int index = 0; index < Shoot::cardSeriesCount; ++index)
                card << jsonArray(load.CardSeries(index));
            entry += ", \"trajectory\": [" + trajectory.join(", ") + "], \"cardSeries\": [" + card.join(", ") + "]";
        }
        loads << entry + "}";
    }
    QStringList quotedWarnings;
    for (const QString& warning : warnings)
        quotedWarnings << jsonString(warning);
    return "{\"loads\": [" + loads.join(", ") + "], \"warnings\": [" + quotedWarnings.join(", ") + "]}\n";
}

// Parses the command line and prints the help when asked; false (after saying why) on a
// usage error.
bool parseOrHelp(QCommandLineParser& parser, const QStringList& arguments, bool& helpShown)
{
    if (!parser.parse(arguments)) {
        fail(parser.errorText());
        return false;
    }
    if (parser.isSet("help")) {
        std::fputs(qUtf8Printable(parser.helpText()), stdout);
        helpShown = true;
    }
    return true;
}

// Reads the command line; returns false (after saying why) on a usage error.
bool parseOptions(const QStringList& arguments, Options& options, bool& helpShown)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Computes the loads of a Vanto parameter file and prints, for every active load, its shooting angle, zero "
        "range, point-blank ranges and range card.\n"
        "The file is read into a private settings store: your own settings are never touched.\n"
        "A value that cannot be computed is left empty in CSV and is null in JSON, with a warning.\n"
        "Exit status: 0 success, 2 usage error, 3 file that cannot be read, 5 output that cannot be written, 6 "
        "private settings store that cannot be written (a full temporary folder).\n"
        "\"vanto-cli bc --help\" describes the ballistic-coefficient calculation, \"vanto-cli true --help\" the "
        "truing of a load to an observed drop.");
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption({"behavior",
        "How the loads are zeroed together: indep (each at its own zero range), zero (all "
        "at the master's zero range) or angle (all at the master's angle).",
        "indep|zero|angle"});
    parser.addOption({"master", "The master load (0 to 3) of the zero and angle behaviours. Default 0.", "N"});
    parser.addOption({"units", "Units of the range card: metric or us. Default: the file's own.", "metric|us"});
    parser.addOption({"format", "Output: csv (one block per load) or json. Default csv.", "csv|json"});
    parser.addOption({"series", "With --format json, also print the 19 trajectory and 24 range-card series."});
    parser.addPositionalArgument("FILE.vnt", "The parameter file.", "FILE.vnt | bc [options] | true [options]");

    if (!parseOrHelp(parser, arguments, helpShown))
        return false;
    if (helpShown)
        return true;
    if (parser.isSet("version")) {
        std::printf("vanto-cli %s\n", vantoVersion);
        helpShown = true;
        return true;
    }
    if (parser.isSet("behavior")) {
        options.behavior = parser.value("behavior");
        if (options.behavior != "indep" && options.behavior != "zero" && options.behavior != "angle") {
            fail("--behavior takes indep, zero or angle, not \"" + options.behavior + "\"");
            return false;
        }
    }
    if (parser.isSet("master")) {
        bool ok = false;
        options.master = parser.value("master").toInt(&ok);
        if (!ok || options.master < 0 || options.master >= ShootContainer::loadCount) {
            fail("--master takes a load number from 0 to 3, not \"" + parser.value("master") + "\"");
            return false;
        }
    }
    if (parser.isSet("units")) {
        const QString units = parser.value("units");
        if (units != "metric" && units != "us") {
            fail("--units takes metric or us, not \"" + units + "\"");
            return false;
        }
        options.unitSystem = units == "metric" ? 0 : 1;
    }
    if (parser.isSet("format")) {
        const QString format = parser.value("format");
        if (format != "csv" && format != "json") {
            fail("--format takes csv or json, not \"" + format + "\"");
            return false;
        }
        options.json = format == "json";
    }
    options.series = parser.isSet("series");
    const QStringList files = parser.positionalArguments();
    if (files.size() != 1) {
        fail(files.isEmpty() ? QString("no parameter file given (see --help)")
                             : QString("give one parameter file only"));
        return false;
    }
    options.file = files.first();
    return true;
}

// The finite number of a required option of a command; false (after saying why) without one.
bool requiredNumber(const QCommandLineParser& parser, const char* command, const char* name, double& target)
{
    if (!parser.isSet(name)) {
        fail(QString("%1 needs --%2").arg(command, name));
        return false;
    }
    bool ok = false;
    target = parser.value(name).toDouble(&ok);
    if (!ok || !std::isfinite(target)) {
        fail(QString("--%1 takes a number, not \"%2\"").arg(name, parser.value(name)));
        return false;
    }
    return true;
}

// The statuses of the bc and true commands, the end of their help texts.
const QString toolExitStatuses = QStringLiteral(
    "Exit status: 0 success, 2 usage error, 3 parameter file that cannot be read, 4 no solution, 5 output that "
    "cannot be written, 6 private settings store that cannot be written.");

struct BcOptions {
    BcFinder::Input input;
    QString modelText = "G1";
    QString velocityUnitText = "m/s";
    QString parameters;
};

bool parseBcOptions(const QStringList& arguments, BcOptions& options, bool& helpShown)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "vanto-cli bc: the ballistic coefficient of a bullet from its velocity at two ranges, and its muzzle "
        "velocity, under the conditions of a parameter file (or those of a fresh installation).\n"
        "Prints \"BC = ...\" and \"Muzzle velocity = ...\" on two lines.\n"
        + toolExitStatuses);
    parser.addHelpOption();
    parser.addOption({"near-range", "Range of the near reading.", "R"});
    parser.addOption({"near-velocity", "Velocity at the near range.", "V"});
    parser.addOption({"far-range", "Range of the far reading.", "R"});
    parser.addOption({"far-velocity", "Velocity at the far range.", "V"});
    parser.addOption({"range-unit", "Unit of both ranges: m or yd. Default m.", "m|yd"});
    parser.addOption({"velocity-unit", "Unit of both velocities: m/s or f/s. Default m/s.", "m/s|f/s"});
    parser.addOption({"model", "Drag model: G1, G2, G5, G6, G7 or G8. Default G1.", "G1..G8"});
    parser.addOption({"params", "Parameter file whose conditions apply.", "FILE.vnt"});
    parser.addPositionalArgument("bc", "The command.");
    if (!parseOrHelp(parser, arguments, helpShown))
        return false;
    if (helpShown)
        return true;
    const auto number = [&](const char* name, double& target) { return requiredNumber(parser, "bc", name, target); };
    if (!number("near-range", options.input.rangeNear) || !number("near-velocity", options.input.velocityNear)
        || !number("far-range", options.input.rangeFar) || !number("far-velocity", options.input.velocityFar))
        return false;
    const QString rangeUnit = parser.isSet("range-unit") ? parser.value("range-unit") : "m";
    if (rangeUnit != "m" && rangeUnit != "yd") {
        fail("--range-unit takes m or yd, not \"" + rangeUnit + "\"");
        return false;
    }
    options.input.rangeUnit = rangeUnit == "m" ? 0 : 1;
    options.velocityUnitText = parser.isSet("velocity-unit") ? parser.value("velocity-unit") : "m/s";
    if (options.velocityUnitText != "m/s" && options.velocityUnitText != "f/s") {
        fail("--velocity-unit takes m/s or f/s, not \"" + options.velocityUnitText + "\"");
        return false;
    }
    options.input.velocityUnit = options.velocityUnitText == "m/s" ? 0 : 1;
    const QStringList models = {"G1", "G2", "G5", "G6", "G7", "G8"};
    options.modelText = parser.isSet("model") ? parser.value("model").toUpper() : "G1";
    options.input.model = int(models.indexOf(options.modelText));
    if (options.input.model < 0) {
        fail("--model takes G1, G2, G5, G6, G7 or G8, not \"" + parser.value("model") + "\"");
        return false;
    }
    options.parameters = parser.value("params");
    return true;
}

// The values read are computed from the private store: one that could not be written whole (a
// full temporary folder) would give the defaults instead of the file's values.
bool privateStoreSaved()
{
    const auto previous = Messages::setWarningSink([](const QString&, const QString&) {});
    const bool saved = Settings::instance()->saveStore();
    Messages::setWarningSink(previous);
    if (!saved)
        fail("the private settings store cannot be written: " + ParameterFile::temporaryFolderProblem());
    return saved;
}

// Reads a parameter file into the private store and makes sure the store holds it: Success, or
// the exit status that says why not (after saying it).
int readParameters(const QString& file)
{
    QString why;
    if (!ParameterFile::load(file, &why)) {
        fail("cannot read " + file + ": " + why);
        return why == ParameterFile::temporaryFolderProblem() ? UnwritableStore : UnreadableFile;
    }
    return privateStoreSaved() ? Success : UnwritableStore;
}

int runBc(const QStringList& arguments)
{
    BcOptions options;
    bool helpShown = false;
    if (!parseBcOptions(arguments, options, helpShown))
        return UsageError;
    if (helpShown)
        return flushed();
    if (options.parameters.isEmpty())
        Settings::instance()->initialize();
    const int read = options.parameters.isEmpty() ? (privateStoreSaved() ? Success : UnwritableStore)
                                                  : readParameters(options.parameters);
    if (read != Success)
        return read;
    const BcFinder::Result result = BcFinder::find(options.input);
    if (!result.found) {
        fail("Unable to find a valid solution");
        return NoSolution;
    }
    return printed(BcFinder::coefficientText(result, options.modelText) + "\n"
        + BcFinder::muzzleVelocityText(result, options.input.velocityUnit, options.velocityUnitText) + "\n");
}

struct TrueOptions {
    Truing::Input input;
    int load = 0;
    QString file;
};

bool parseTrueOptions(const QStringList& arguments, TrueOptions& options, bool& helpShown)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "vanto-cli true: trues a load of a parameter file to the drop seen at one range with its zero, by fitting "
        "its muzzle velocity (whole units of the load's unit, 10 to 2000 m/s) or its ballistic coefficient (every "
        "band scaled by one factor, 0.001 to 2), under the conditions of the file.\n"
        "The drop is below the point of aim (cm or in), or the come-up that hit (moa, mil or click, elevation "
        "dialled up).\n"
        "Prints the fitted value, the computed drop with it and the change in percent, on three lines.\n"
        + toolExitStatuses);
    parser.addHelpOption();
    parser.addOption({"load", "The load to true (0 to 3). Default 0.", "N"});
    parser.addOption({"range", "Range of the observed drop.", "R"});
    parser.addOption({"drop", "The observed drop.", "D"});
    parser.addOption({"range-unit", "Unit of the range: m or yd. Default m.", "m|yd"});
    parser.addOption({"drop-unit", "Unit of the drop: cm, in, moa, mil or click. Default cm.", "cm|in|moa|mil|click"});
    parser.addOption({"fit", "What is fitted: mv (muzzle velocity) or bc (ballistic coefficient).", "mv|bc"});
    parser.addPositionalArgument("true", "The command.");
    parser.addPositionalArgument("FILE.vnt", "The parameter file.");
    if (!parseOrHelp(parser, arguments, helpShown))
        return false;
    if (helpShown)
        return true;
    const QStringList positional = parser.positionalArguments();
    if (positional.size() != 2) {
        fail(positional.size() < 2 ? QString("true needs a parameter file (see vanto-cli true --help)")
                                   : QString("give one parameter file only"));
        return false;
    }
    options.file = positional.at(1);
    const auto number = [&](const char* name, double& target) { return requiredNumber(parser, "true", name, target); };
    if (!number("range", options.input.range) || !number("drop", options.input.drop))
        return false;
    if (!(options.input.range > 0.0)) {
        fail("--range takes a range above 0, not \"" + parser.value("range") + "\"");
        return false;
    }
    if (parser.isSet("load")) {
        bool ok = false;
        options.load = parser.value("load").toInt(&ok);
        if (!ok || options.load < 0 || options.load >= ShootContainer::loadCount) {
            fail("--load takes a load number from 0 to 3, not \"" + parser.value("load") + "\"");
            return false;
        }
    }
    const QString rangeUnit = parser.isSet("range-unit") ? parser.value("range-unit") : "m";
    if (rangeUnit != "m" && rangeUnit != "yd") {
        fail("--range-unit takes m or yd, not \"" + rangeUnit + "\"");
        return false;
    }
    options.input.rangeUnit = rangeUnit == "m" ? 0 : 1;
    const QStringList dropUnits = {"cm", "in", "moa", "mil", "click"};
    const QString dropUnit = parser.isSet("drop-unit") ? parser.value("drop-unit") : "cm";
    options.input.dropUnit = int(dropUnits.indexOf(dropUnit));
    if (options.input.dropUnit < 0) {
        fail("--drop-unit takes cm, in, moa, mil or click, not \"" + dropUnit + "\"");
        return false;
    }
    if (!parser.isSet("fit") || (parser.value("fit") != "mv" && parser.value("fit") != "bc")) {
        fail(parser.isSet("fit") ? "--fit takes mv or bc, not \"" + parser.value("fit") + "\""
                                 : QString("true needs --fit mv or --fit bc"));
        return false;
    }
    options.input.fit = parser.value("fit") == "mv" ? Truing::Fit::MuzzleVelocity : Truing::Fit::Coefficient;
    return true;
}

int runTrue(const QStringList& arguments)
{
    TrueOptions options;
    bool helpShown = false;
    if (!parseTrueOptions(arguments, options, helpShown))
        return UsageError;
    if (helpShown)
        return flushed();
    if (const int read = readParameters(options.file); read != Success)
        return read;
    const Shoot& load = *ShootContainer::instance()->GetShoot(options.load);
    const Truing::Result result = Truing::fit(load, options.input);
    if (!result.found) {
        fail("Unable to find a valid solution");
        return NoSolution;
    }
    static const QStringList dropUnitTexts = {"cm", "in", "MOA", "mil", "clicks"};
    const double rangeM = Truing::rangeMetres(options.input.range, options.input.rangeUnit);
    const double drop = Truing::dropInUnit(result.dropM, options.input.dropUnit, rangeM);
    return printed(QString("%1\nDrop = %2 %3\nChange = %4 %\n")
                       .arg(Truing::fittedText(result, load))
                       .arg(drop, 0, 'f', 2)
                       .arg(dropUnitTexts.at(options.input.dropUnit))
                       .arg(QString::asprintf("%+.2f", result.changePercent)));
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    QCoreApplication::setOrganizationName("Tarvanel");
    QCoreApplication::setApplicationName("Vanto4");
    QCoreApplication::setApplicationVersion(vantoVersion);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::AnyCountry));
    // The solver's traces are for the program's developers, not for a script's output.
    QLoggingCategory::setFilterRules("default.debug=false");

    // A private store, in place before anything opens the settings.
    QTemporaryDir storeDir;
    if (!storeDir.isValid()) {
        fail("no temporary folder for the settings store in " + QDir::tempPath());
        return UnwritableStore;
    }
    removeStoreOnSignals(storeDir.path());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, storeDir.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, storeDir.path());

    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.value(1) == "bc")
        return runBc(arguments);
    if (arguments.value(1) == "true")
        return runTrue(arguments);

    Options options;
    bool helpShown = false;
    if (!parseOptions(arguments, options, helpShown))
        return UsageError;
    if (helpShown)
        return flushed();

    QStringList warnings;
    Messages::setWarningSink([&warnings](const QString&, const QString& text) {
        warnings << text;
        std::fprintf(stderr, "vanto-cli: warning: %s\n", qUtf8Printable(QString(text).replace('\n', ' ')));
    });

    if (const int read = readParameters(options.file); read != Success)
        return read;

    ShootContainer* container = ShootContainer::instance();
    if (options.behavior == "zero")
        container->setMultiShootBehaviorZero();
    else if (options.behavior == "angle")
        container->setMultiShootBehaviorAngle();
    container->SetMasterShoot(options.master);
    container->Compute();

    Settings* settings = Settings::instance();
    const int unitSystem = options.unitSystem >= 0 ? options.unitSystem : settings->unitSystem();
    const QList<CardLayout::Column> columns = CardLayout::columns(unitSystem, true, true, true);
    QList<LoadReport> reports;
    for (int index = 0; index < ShootContainer::loadCount; ++index) {
        Shoot* load = container->GetShoot(index);
        if (!load->active())
            continue;
        QList<double> pointBlank = load->PointBlankRanges();
        while (pointBlank.size() < 5)
            pointBlank << 0.0;
        reports << LoadReport{index, load, pointBlank};
        if (lacksValues(reports.last(), columns, options.series))
            Messages::warning("Warning",
                "Some values of load : " + load->title()
                    + " cannot be computed; they are left empty (CSV) or null (JSON)");
    }

    const QString report
        = options.json ? jsonReport(reports, columns, warnings, options.series) : csvReport(reports, columns);
    return printed(report);
}
