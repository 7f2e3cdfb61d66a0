// A parameter file of arbitrary bytes, read as vanto-cli reads one: copied into the store, the
// settings and the four loads re-read, every load computed with its point-blank ranges. Then
// the state is saved and read back: once saved, a file reads back to the state it was saved
// from, and saving that state again writes the same file.
#include "ballistics/shoot.h"
#include "fuzz/fuzzsupport.h"
#include "loads/shootcontainer.h"
#include "settings/parameterfile.h"

#include <QDir>
#include <QFile>

#include <cstdio>

namespace {

int inputNumber = 0;

// Each file gets a name of its own: the settings cache what they read by file name.
QString freshName(const char* role)
{
    return FuzzSupport::workDir() + QString("/%1-%2.vnt").arg(role).arg(++inputNumber);
}

QByteArray contents(const QString& fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void loadInto(const QString& fileName)
{
    FuzzSupport::clearStore();
    QString why;
    if (!ParameterFile::load(fileName, &why))
        FuzzSupport::fail(
            "a readable parameter file was refused: " + why + "\n" + QString::fromUtf8(contents(fileName)));
}

QString savedState()
{
    const QString file = freshName("saved");
    QString why;
    if (!ParameterFile::save(file, &why))
        FuzzSupport::fail("the parameters could not be saved to " + file + ": " + why);
    loadInto(file);
    return QString::fromUtf8(contents(file)) + "\n-- reads back as --\n" + FuzzSupport::describeState();
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
    const QString input = freshName("input");
    QFile file(input);
    if (!file.open(QIODevice::WriteOnly)
        || file.write(reinterpret_cast<const char*>(data), qint64(size)) != qint64(size))
        FuzzSupport::fail("cannot write the input file " + input);
    file.close();
    loadInto(input);
    if (FuzzSupport::verbose())
        std::fprintf(stderr, "%s\n", qUtf8Printable(FuzzSupport::describeState()));

    ShootContainer* container = ShootContainer::instance();
    container->Compute();
    for (int index = 0; index < ShootContainer::loadCount; ++index)
        if (container->GetShoot(index)->active())
            container->GetShoot(index)->PointBlankRanges();

    // The file saved, read back; then saved and read back again: the same file, the same state.
    const QString first = savedState();
    const QString again = savedState();
    if (again != first)
        FuzzSupport::fail("a saved parameter file did not read back to itself\nfirst:\n" + first + "\nthen:\n" + again);
    for (const QString& name : QDir(FuzzSupport::workDir()).entryList({"*.vnt"}))
        QFile::remove(FuzzSupport::workDir() + "/" + name);
    FuzzSupport::takeWarnings();
    return 0;
}
