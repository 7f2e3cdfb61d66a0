#include "fuzz/fuzzsupport.h"

#include "ballistics/shoot.h"
#include "core/messages.h"
#include "loads/shootcontainer.h"
#include "settings/parameterfile.h"
#include "settings/settings.h"

#include <QCoreApplication>
#include <QLocale>
#include <QLoggingCategory>
#include <QSettings>
#include <QVariant>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace FuzzSupport {
namespace {

std::string rootDir;
pid_t rootOwner = 0;
QStringList pendingWarnings;
bool verboseOutput = false;

// A replay runs every input in a child process: only the process that made the folder removes it.
void removeRootDir()
{
    if (getpid() != rootOwner || rootDir.empty())
        return;
    std::error_code ignored;
    std::filesystem::remove_all(rootDir, ignored);
}

// The engine traces every step with qDebug; at fuzzing speed that is noise. Critical and
// fatal messages still reach standard error.
void quietMessages(QtMsgType type, const QMessageLogContext&, const QString& text)
{
    if (type == QtCriticalMsg || type == QtFatalMsg || (verboseOutput && type == QtWarningMsg))
        std::fprintf(stderr, "%s\n", qUtf8Printable(text));
}

} // namespace

void initialize(int* argc, char*** argv)
{
    verboseOutput = qEnvironmentVariableIsSet("VANTO_FUZZ_VERBOSE");
    const char* tmp = std::getenv("TMPDIR");
    std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/vanto-fuzz-XXXXXX";
    if (!mkdtemp(pattern.data())) {
        std::perror("vanto fuzz: no temporary folder");
        std::exit(1);
    }
    rootDir = pattern;
    rootOwner = getpid();
    std::atexit(removeRootDir);
    const std::string config = rootDir + "/config";
    const std::string home = rootDir + "/home";
    std::filesystem::create_directories(config);
    std::filesystem::create_directories(home);
    // Before the application exists: nothing the process opens may find the user's folders.
    setenv("XDG_CONFIG_HOME", config.c_str(), 1);
    setenv("HOME", home.c_str(), 1);

    qInstallMessageHandler(quietMessages);
    QLoggingCategory::setFilterRules("*.debug=false\n*.info=false");

    // Qt sees the program name only, not libFuzzer's options.
    static int qtArgc = 1;
    static char* qtArgv[] = {(argc && *argc > 0) ? (*argv)[0] : const_cast<char*>("fuzz"), nullptr};
    static QCoreApplication* application = new QCoreApplication(qtArgc, qtArgv);
    Q_UNUSED(application);
    QCoreApplication::setOrganizationName("Tarvanel");
    QCoreApplication::setApplicationName("Vanto4");
    QLocale::setDefault(QLocale(QLocale::English, QLocale::AnyCountry));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, QString::fromStdString(config));
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, QString::fromStdString(config));

    Messages::setWarningSink([](const QString& title, const QString& text) { pendingWarnings << title + ": " + text; });
}

void startProgram()
{
    Settings::instance()->initialize();
    ParameterFile::restoreLoads();
}

QString workDir()
{
    return QString::fromStdString(rootDir);
}

void clearStore()
{
    QSettings store;
    store.clear();
    store.sync();
}

QStringList takeWarnings()
{
    QStringList warnings;
    warnings.swap(pendingWarnings);
    return warnings;
}

bool verbose()
{
    return verboseOutput;
}

// A field of an object: its getter's name and value.
#define FIELD(object, getter) std::pair<const char*, QVariant>(#getter, object->getter())

QString describeState()
{
    QStringList lines;
    const auto add = [&](std::initializer_list<std::pair<const char*, QVariant>> fields) {
        for (const auto& [name, value] : fields)
            lines << QString(name) + "="
                    + (value.type() == QVariant::Double ? QString::number(value.toDouble(), 'g', 17)
                                                        : value.toString());
    };
    const auto list = [](const QList<double>& values) {
        QStringList texts;
        for (double value : values)
            texts << QString::number(value, 'g', 17);
        return texts.join(';');
    };
    const Settings* s = Settings::instance();
    const ShootContainer* c = ShootContainer::instance();
    add({FIELD(s, unitSystem), FIELD(s, useAngleDisplay), FIELD(s, killZone), FIELD(s, killZoneUnit),
        FIELD(s, maxRange), FIELD(s, maxRangeUnit), FIELD(s, autoRange), FIELD(s, includeSpinDrift), FIELD(s, cardStep),
        FIELD(s, useDefaultPressure), FIELD(s, basePressure), FIELD(s, basePressureUnit), FIELD(s, altitudeCorrection),
        FIELD(s, altitude), FIELD(s, altitudeUnit), FIELD(s, windVelocity), FIELD(s, windVelocityUnit),
        FIELD(s, windAngle), FIELD(s, temperature), FIELD(s, temperatureUnit), FIELD(s, upHillAngle),
        FIELD(s, upHillDirection), FIELD(s, sightHeight), FIELD(s, sightHeightUnit), FIELD(s, twist),
        FIELD(s, twistUnit), FIELD(s, twistDirection), FIELD(s, scopeClick), FIELD(s, manScopeDevH),
        FIELD(s, manScopeDevUnitH), FIELD(s, manScopeDistH), FIELD(s, manScopeDistUnitH), FIELD(s, manScopeDevV),
        FIELD(s, manScopeDevUnitV), FIELD(s, manScopeDistV), FIELD(s, manScopeDistUnitV), FIELD(c, multiShootBehavior),
        FIELD(c, masterIndex), FIELD(c, plotType)});
    for (int index = 0; index < ShootContainer::loadCount; ++index) {
        const Shoot* load = c->GetShoot(index);
        lines << QString("[load %1]").arg(index);
        add({FIELD(load, active), FIELD(load, origin), FIELD(load, title), FIELD(load, muzzleVelocity),
            FIELD(load, muzzleVelocityUnit), FIELD(load, weight), FIELD(load, weightUnit), FIELD(load, caliber),
            FIELD(load, caliberUnit), FIELD(load, length), FIELD(load, lengthUnit), FIELD(load, gModel),
            FIELD(load, zeroRange), FIELD(load, zeroRangeUnit), {"BCList", list(load->BCList())},
            {"velMinList", list(load->velMinList())}, FIELD(load, note)});
    }
    return lines.join('\n');
}

void fail(const QString& what)
{
    std::fprintf(stderr, "\nbroken promise: %s\n", qUtf8Printable(what));
    std::fflush(stderr);
    std::abort();
}

} // namespace FuzzSupport
