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

void removeRootDir()
{
    // A replay runs every input in a child process: only the process that made the folder
    // removes it.
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

QString describeState()
{
    QStringList lines;
    const auto add = [&](const char* name, const QVariant& value) {
        lines << QString(name) + "="
                + (value.type() == QVariant::Double ? QString::number(value.toDouble(), 'g', 17) : value.toString());
    };
    const Settings* s = Settings::instance();
    add("unitSystem", s->unitSystem());
    add("useAngleDisplay", s->useAngleDisplay());
    add("killZone", s->killZone());
    add("killZoneUnit", s->killZoneUnit());
    add("maxRange", s->maxRange());
    add("maxRangeUnit", s->maxRangeUnit());
    add("autoRange", s->autoRange());
    add("includeSpinDrift", s->includeSpinDrift());
    add("cardStep", s->cardStep());
    add("useDefaultPressure", s->useDefaultPressure());
    add("basePressure", s->basePressure());
    add("basePressureUnit", s->basePressureUnit());
    add("altitudeCorrection", s->altitudeCorrection());
    add("altitude", s->altitude());
    add("altitudeUnit", s->altitudeUnit());
    add("windVelocity", s->windVelocity());
    add("windVelocityUnit", s->windVelocityUnit());
    add("windAngle", s->windAngle());
    add("temperature", s->temperature());
    add("temperatureUnit", s->temperatureUnit());
    add("upHillAngle", s->upHillAngle());
    add("upHillDirection", s->upHillDirection());
    add("sightHeight", s->sightHeight());
    add("sightHeightUnit", s->sightHeightUnit());
    add("twist", s->twist());
    add("twistUnit", s->twistUnit());
    add("twistDirection", s->twistDirection());
    add("scopeClick", s->scopeClick());
    add("manScopeDevH", s->manScopeDevH());
    add("manScopeDevUnitH", s->manScopeDevUnitH());
    add("manScopeDistH", s->manScopeDistH());
    add("manScopeDistUnitH", s->manScopeDistUnitH());
    add("manScopeDevV", s->manScopeDevV());
    add("manScopeDevUnitV", s->manScopeDevUnitV());
    add("manScopeDistV", s->manScopeDistV());
    add("manScopeDistUnitV", s->manScopeDistUnitV());
    const ShootContainer* container = ShootContainer::instance();
    add("multiShootBehavior", container->multiShootBehavior());
    add("masterIndex", container->masterIndex());
    add("plotType", container->plotType());
    for (int index = 0; index < ShootContainer::loadCount; ++index) {
        const Shoot* load = container->GetShoot(index);
        lines << QString("[load %1]").arg(index);
        add("active", load->active());
        add("origin", load->origin());
        add("title", load->title());
        add("muzzleVelocity", load->muzzleVelocity());
        add("muzzleVelocityUnit", load->muzzleVelocityUnit());
        add("weight", load->weight());
        add("weightUnit", load->weightUnit());
        add("caliber", load->caliber());
        add("caliberUnit", load->caliberUnit());
        add("length", load->length());
        add("lengthUnit", load->lengthUnit());
        add("gModel", load->gModel());
        add("zeroRange", load->zeroRange());
        add("zeroRangeUnit", load->zeroRangeUnit());
        QStringList bc;
        QStringList velMin;
        for (double value : load->BCList())
            bc << QString::number(value, 'g', 17);
        for (double value : load->velMinList())
            velMin << QString::number(value, 'g', 17);
        add("BCList", bc.join(';'));
        add("velMinList", velMin.join(';'));
        add("note", load->note());
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
