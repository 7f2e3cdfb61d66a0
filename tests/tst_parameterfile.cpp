// Parameter files: round trips, the keys a file never carries, the dialogs, files that are not.
#include "ballistics/coefficientlist.h"
#include "ballistics/shoot.h"
#include "core/messages.h"
#include "loads/shootcontainer.h"
#include "settings/parameterfile.h"
#include "settings/saver.h"
#include "settings/settings.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

class TestParameterFile : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void saveThenLoadGivesBackTheStore();
    void saverDialogs();
    void loadsReadBack();
    void notParameterFiles_data();
    void notParameterFiles();
    void failuresAreReported();

private:
    QString writeFile(const QString& name, const QByteArray& contents)
    {
        QFile file(filesDir.filePath(name));
        if (file.open(QIODevice::WriteOnly))
            file.write(contents);
        return file.fileName();
    }
    static QMap<QString, QString> storeContents()
    {
        QMap<QString, QString> contents;
        for (const QString& key : QSettings().allKeys())
            contents[key] = QSettings().value(key).toString();
        return contents;
    }
    static auto answer(const QString& fileName)
    {
        return [fileName](QWidget*, const QString&, const QString&, const QString&) { return fileName; };
    }

    QTemporaryDir storeDir;
    QTemporaryDir filesDir;
    Settings* settings = nullptr;
    ShootContainer* container = nullptr;
    QStringList warnings;
};

void TestParameterFile::initTestCase()
{
    QCoreApplication::setOrganizationName("Tarvanel");
    QCoreApplication::setApplicationName("Vanto4");
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, storeDir.path());
    Messages::setWarningSink([this](const QString& title, const QString& text) { warnings << title + "|" + text; });
    settings = Settings::instance();
    container = ShootContainer::instance();
}

// A full store of defaults: fresh objects write the cleared store again (setters write changes).
void TestParameterFile::init()
{
    QSettings().clear();
    Settings().initialize();
    for (int index = 0; index < ShootContainer::loadCount; ++index)
        Shoot(index).restoreFromSettings();
    settings->initialize();
    ParameterFile::restoreLoads();
    warnings.clear();
}

void TestParameterFile::saveThenLoadGivesBackTheStore()
{
    settings->setUnitSystem(1);
    settings->setSaveDir("/home/someone/params");
    settings->setLanguage("it");
    Shoot* load = container->GetShoot(2);
    load->setOrigin("db");
    load->setTitle("Hornady, ELD-X 143 \"match\"");
    load->setBCMulti({0, 1800, 2400}, {0.5, 0.48, 0.455});
    load->setNote("line one; with = signs");
    const QMap<QString, QString> saved = storeContents();

    // Keys of the file that the store does not hold stay; the per-machine keys stay out.
    const QString file = writeFile("round.vnt", "[extra]\nkept=yes\n[global]\nunitSystem=0\n");
    QVERIFY(ParameterFile::save(file));
    QSettings written(file, QSettings::IniFormat);
    QCOMPARE(written.value("extra/kept").toString(), QString("yes"));
    QVERIFY(!written.contains("global/saveDir") && !written.contains("global/language"));

    settings->setUnitSystem(0);
    load->setBCMulti({0}, {0.3});
    QVERIFY(ParameterFile::load(file));
    QCOMPARE(storeContents(), saved);
    QCOMPARE(load->BCList(), QList<double>({0.5, 0.48, 0.455}));

    // A file that holds them anyway (a hand edit) changes neither.
    QVERIFY(ParameterFile::load(writeFile("foreign.vnt", "[global]\nlanguage=fr\nsaveDir=/elsewhere\n")));
    QCOMPARE(QSettings().value("global/language").toString(), QString("it"));
    QCOMPARE(QSettings().value("global/saveDir").toString(), QString("/home/someone/params"));
}

// A typed name gets the suffix unless it has it; the dialogs open where the last save went;
// cancelled, they change nothing.
void TestParameterFile::saverDialogs()
{
    QTemporaryDir dir;
    Saver saver;
    for (const QString typed : {"abc", "abc.VNT", "abc.vnt"}) {
        saver.setSaveFileNameProvider(answer(dir.filePath(typed)));
        saver.save();
    }
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList({"abc.vnt", "abc.VNT.vnt"}));
    QCOMPARE(settings->saveDir(), QDir(dir.path()).absolutePath());

    const QMap<QString, QString> before = storeContents();
    QStringList asked;
    const auto cancel = [&](QWidget*, const QString& title, const QString& start, const QString& files) {
        asked << title << start << files;
        return QString();
    };
    saver.setSaveFileNameProvider(cancel);
    saver.setOpenFileNameProvider(cancel);
    saver.save();
    saver.load();
    const QString start = QDir(dir.path()).absolutePath();
    QCOMPARE(
        asked, QStringList({"Save File", start, "Vanto Files (*.vnt)", "Load File", start, "Vanto Files (*.vnt)"}));
    QCOMPARE(storeContents(), before);
}

// A load's title, its coefficient lists (paired with the shorter list, written back as read, six
// significant digits and ';'), and a load the file does not name, left alone.
void TestParameterFile::loadsReadBack()
{
    QCOMPARE(CoefficientList::format({0.1234567, 1234567, 0}), QString("0.123457;1.23457e+06;0"));
    QCOMPARE(CoefficientList::parse(";0.3;x; 2 ;nan;inf;1e3"), QList<double>({0, 0.3, 0, 2, 0, 0, 1000}));
    QCOMPARE(CoefficientList::parse(""), QList<double>({0}));

    container->GetShoot(3)->setMuzzleVelocity(777);
    QSettings().remove("shoot/2/title");
    QVERIFY(ParameterFile::load(writeFile("loads.vnt",
        "[shoot]\n0\\BCmultiBC=\"0.5;0.45;0.4\"\n0\\BCmultiV=\"0;2000\"\n1\\BCmultiBC=\"0.5;0.45\"\n"
        "1\\BCmultiV=\"0;2000;2500\"\n0\\origin=manual\n0\\title=Custom\n1\\origin=db\n1\\title=Sierra 168\n"
        "2\\origin=db\n3\\origin=Manual\n3\\title=Custom\n")));
    QCOMPARE(container->GetShoot(0)->BCList(), QList<double>({0.5, 0.45}));
    QCOMPARE(container->GetShoot(1)->velMinList(), QList<double>({0, 2000}));
    QCOMPARE(QSettings().value("shoot/0/BCmultiBC").toString(), QString("0.5;0.45"));
    QCOMPARE(container->GetShoot(3)->muzzleVelocity(), 777);
    // Hand-typed loads are named by their number; a database load keeps its title, when it has one.
    QStringList titles;
    for (int index = 0; index < ShootContainer::loadCount; ++index)
        titles << container->GetShoot(index)->title();
    QCOMPARE(titles, QStringList({"Load 1", "Sierra 168", "Load 3", "Custom"}));
}

void TestParameterFile::notParameterFiles_data()
{
    QTest::addColumn<QByteArray>("contents");
    QByteArray huge;
    while (huge.size() < (24 << 20))
        huge += "[shoot]\n9\\weight=" + QByteArray::number(huge.size()) + "\nunknown" + QByteArray::number(huge.size())
            + "=1\n";

    QTest::newRow("empty") << QByteArray();
    QTest::newRow("24 MB of unknown keys") << huge;
    QTest::newRow("letters for numbers") << QByteArray(
        "[global]\nmaxRange=far\nkillZone=wide\n[rifle]\ntwist=nan\n[shoot]\n0\\muzzleVelocity=fast\n"
        "0\\BCmultiBC=\"a;b\"\n0\\BCmultiV=\"c;d;e\"\n0\\active=perhaps\n2\\gModel=9\n");
}

// No crash, no hang: what the file lacks takes the defaults, what does not read gives 0 brought
// into the range of its widget, and the store keeps only keys the program knows.
void TestParameterFile::notParameterFiles()
{
    QFETCH(QByteArray, contents);
    QVERIFY(ParameterFile::load(writeFile("bad.vnt", contents)));
    QVERIFY(warnings.isEmpty());
    for (const QString& key : QSettings().allKeys())
        QVERIFY2(Settings::keys().contains(key) || QRegularExpression("^shoot/[0-3]/\\w+$").match(key).hasMatch(),
            qPrintable(key.left(60)));
    for (int index = 0; index < ShootContainer::loadCount; ++index)
        QCOMPARE(container->GetShoot(index)->BCList().size(), container->GetShoot(index)->velMinList().size());
    if (QByteArray(QTest::currentDataTag()) == "letters for numbers") {
        QCOMPARE(settings->twist(), 5.0);
        QCOMPARE(container->GetShoot(0)->muzzleVelocity(), 30);
        QCOMPARE(container->GetShoot(0)->BCList(), QList<double>({0, 0}));
        QCOMPARE(container->GetShoot(2)->gModel(), 0);
    }
}

// A failed save says so and leaves no file behind; a file gone before it is read leaves the store
// as it was.
void TestParameterFile::failuresAreReported()
{
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir("taken.vnt"));
    Saver saver;
    for (const QString& target : {dir.filePath("taken.vnt"), dir.filePath("missing/folder/params.vnt")}) {
        saver.setSaveFileNameProvider(answer(target));
        saver.save();
        QVERIFY2(warnings.takeFirst().startsWith("Warning|The parameters could not be saved to " + target),
            qPrintable(target));
    }
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList());

    const QMap<QString, QString> before = storeContents();
    const QString gone = filesDir.filePath("gone.vnt");
    saver.setOpenFileNameProvider(answer(gone));
    saver.load();
    QCOMPARE(warnings.size(), 1);
    QVERIFY(warnings.first().startsWith("Warning|The parameter file " + gone + " could not be read"));
    QCOMPARE(storeContents(), before);
}

QTEST_MAIN(TestParameterFile)
#include "tst_parameterfile.moc"
