#include "settings/parameterfile.h"

#include "ballistics/shoot.h"
#include "loads/shootcontainer.h"
#include "settings/settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPair>
#include <QSaveFile>
#include <QSet>
#include <QSettings>
#include <QTemporaryDir>

namespace ParameterFile {
namespace {

// The largest file taken for a parameter file.
constexpr qint64 maxFileSize = 64 * 1024 * 1024;

// Per-machine keys that a parameter file never carries.
const QStringList excludedKeys = {"global/saveDir", "global/language"};

// The keys a parameter file may set: the settings and the fields of the four loads. The
// per-machine keys are not among them: a file from another machine (or one edited by hand)
// never changes this machine's language or save folder.
const QSet<QString>& knownKeys()
{
    static const QSet<QString> keys = [] {
        QSet<QString> names;
        for (const QString& key : Settings::keys())
            if (!excludedKeys.contains(key))
                names.insert(key);
        for (int index = 0; index < ShootContainer::loadCount; ++index)
            for (const QString& field : Shoot::storedFields())
                names.insert(QString("shoot/%1/%2").arg(index).arg(field));
        return names;
    }();
    return keys;
}

} // namespace

QString temporaryFolderProblem()
{
    return QCoreApplication::translate("Saver", "The temporary folder %1 cannot be written; it may be full.")
        .arg(QDir::toNativeSeparators(QDir::tempPath()));
}

QString withSuffix(const QString& name)
{
    return name.endsWith(suffix) ? name : name + suffix;
}

bool save(const QString& fileName, QString* errorText)
{
    const auto fail = [&](const QString& why) {
        if (errorText)
            *errorText = why;
        return false;
    };

    // Build the new file beside the old one's contents in a private folder, then put it in
    // place in one step.
    QTemporaryDir workDir;
    if (!workDir.isValid())
        return fail(temporaryFolderProblem());
    const QString draft = workDir.filePath("parameters.vnt");
    if (QFileInfo(fileName).isFile())
        QFile::copy(fileName, draft);
    int keyCount = 0;
    {
        QSettings store;
        QSettings file(draft, QSettings::IniFormat);
        for (const QString& key : store.allKeys())
            if (!excludedKeys.contains(key))
                file.setValue(key, store.value(key));
        keyCount = int(file.allKeys().size());
        file.sync();
        if (file.status() != QSettings::NoError)
            return fail(QCoreApplication::translate("Saver", "The parameters could not be prepared."));
    }

    // The settings class does not notice a full disk: the draft is checked whole.
    QFile draftFile(draft);
    if (!draftFile.open(QIODevice::ReadOnly))
        return fail(QCoreApplication::translate("Saver", "The parameters could not be prepared."));
    const QByteArray contents = draftFile.readAll();
    if (!Settings::isWholeIniText(contents, keyCount))
        return fail(temporaryFolderProblem());

    // The last bytes leave the buffer at the flush: a full disk shows there, and the file that
    // is not committed is discarded, the old one left in place.
    QSaveFile target(fileName);
    if (!target.open(QIODevice::WriteOnly))
        return fail(target.errorString());
    if (target.write(contents) != contents.size() || !target.flush() || !target.commit())
        return fail(target.errorString());
    return true;
}

bool load(const QString& fileName, QString* errorText)
{
    const auto fail = [&](const QString& why) {
        if (errorText)
            *errorText = why;
        return false;
    };

    // The file is read once, here: whatever happens to it afterwards (deleted, replaced), the
    // store receives what was read, or nothing at all.
    const QFileInfo info(fileName);
    if (!info.exists())
        return fail(QCoreApplication::translate("Saver", "The file does not exist."));
    if (!info.isFile())
        return fail(QCoreApplication::translate("Saver", "This is a folder or a device, not a file."));
    // A parameter file holds a few kilobytes; one of gigabytes would not even fit in memory.
    if (info.size() > maxFileSize)
        return fail(QCoreApplication::translate("Saver", "The file is too large to be a parameter file."));
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return fail(file.errorString());
    const QByteArray contents = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return fail(file.errorString());
    if (contents.size() < info.size())
        return fail(QCoreApplication::translate("Saver", "The file could not be read whole."));
    file.close();

    // The settings class parses files only: it reads a private copy of the bytes.
    QTemporaryDir workDir;
    const QString copy = workDir.filePath("parameters.vnt");
    QFile copyFile(copy);
    if (!workDir.isValid() || !copyFile.open(QIODevice::WriteOnly) || copyFile.write(contents) != contents.size()
        || !copyFile.flush())
        return fail(temporaryFolderProblem());
    copyFile.close();

    {
        QSettings store;
        QSettings parameters(copy, QSettings::IniFormat);
        const QSet<QString>& known = knownKeys();
        for (const QString& key : parameters.allKeys())
            if (known.contains(key))
                store.setValue(key, parameters.value(key));
    }
    Settings::instance()->initialize();
    restoreLoads();
    return true;
}

void restoreLoads()
{
    // A unit or drag model index outside its list reads as the first entry, as one that does not
    // read as a number does: the load's list then shows what the load computes with.
    static const QList<QPair<QString, int>> choiceFields = {{"muzzleVelocityUnit", 2}, {"weightUnit", 2},
        {"caliberUnit", 2}, {"lengthUnit", 2}, {"gModel", 6}, {"zeroRangeUnit", 2}};
    {
        QSettings store;
        for (int index = 0; index < ShootContainer::loadCount; ++index) {
            for (const auto& [field, count] : choiceFields) {
                const QString key = QString("shoot/%1/%2").arg(index).arg(field);
                if (!store.contains(key))
                    continue;
                bool ok = false;
                const double choice = store.value(key).toDouble(&ok); // "1.0" is 1
                if (!ok || !(choice >= 0 && choice < count))
                    store.setValue(key, 0);
            }
        }
    }

    ShootContainer* container = ShootContainer::instance();
    for (int index = 0; index < ShootContainer::loadCount; ++index)
        container->GetShoot(index)->restoreFromSettings();
}

} // namespace ParameterFile
