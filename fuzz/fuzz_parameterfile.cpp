// A parameter file of arbitrary bytes, read as vanto-cli reads one: copied into the store, the
// settings and the four loads re-read, every load computed with its point-blank ranges. Then
// the state is saved and read back: once saved, a file reads back to the state it was saved
// from, and saving that state again writes the same file.
#include "ballistics/shoot.h"
#include "fuzz/fuzzsupport.h"
#include "loads/shootcontainer.h"
#include "settings/parameterfile.h"
#include "settings/settings.h"

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

void saveTo(const QString& fileName)
{
    QString why;
    if (!ParameterFile::save(fileName, &why))
        FuzzSupport::fail("the parameters could not be saved to " + fileName + ": " + why);
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
    {
        QFile file(input);
        if (!file.open(QIODevice::WriteOnly)
            || file.write(reinterpret_cast<const char*>(data), qint64(size)) != qint64(size))
            FuzzSupport::fail("cannot write the input file " + input);
    }
    loadInto(input);
    if (FuzzSupport::verbose())
        std::fprintf(stderr, "%s\n", qUtf8Printable(FuzzSupport::describeState()));

    ShootContainer* container = ShootContainer::instance();
    container->Compute();
    for (int index = 0; index < ShootContainer::loadCount; ++index) {
        Shoot* load = container->GetShoot(index);
        if (load->active())
            load->PointBlankRanges();
    }

    const QString saved = freshName("saved");
    saveTo(saved);
    loadInto(saved);
    const QString state = FuzzSupport::describeState();
    const QString savedAgain = freshName("saved-again");
    saveTo(savedAgain);
    loadInto(savedAgain);
    if (FuzzSupport::describeState() != state)
        FuzzSupport::fail("a saved parameter file did not read back to the state it was saved from\nfirst:\n" + state
            + "\nthen:\n" + FuzzSupport::describeState());
    if (contents(saved) != contents(savedAgain))
        FuzzSupport::fail("saving the state a saved file gave wrote another file\nfirst:\n"
            + QString::fromUtf8(contents(saved)) + "\nthen:\n" + QString::fromUtf8(contents(savedAgain)));

    for (const QString& file : {input, saved, savedAgain})
        QFile::remove(file);
    FuzzSupport::takeWarnings();
    return 0;
}
