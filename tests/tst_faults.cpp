// Damaged or unwritable databases, store, log and parameter files, full disks, hostile titles; on
// copies in temporary folders. Run as root, the test becomes an ordinary user for read-only files.
#include "app/mainwindow.h"
#include "ballistics/shoot.h"
#include "core/messages.h"
#include "database/custodbmanager.h"
#include "database/dbselector.h"
#include "filetesting.h"
#include "loads/shootcontainer.h"
#include "ordinaryuser.h"
#include "results/rangecard.h"
#include "settings/parameterfile.h"
#include "settings/saver.h"
#include "settings/settings.h"
#include "smallfilesystem.h"
#include "sqltesting.h"
#include "windowtesting.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLoggingCategory>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QToolBox>
#include <QtTest>

#include <memory>
#include <optional>
#include <sys/stat.h>

namespace {

using SqlTesting::sql;

// For the copy of this test that starts the window on an unwritable store: its folder, and "ordinary".
const char faultyStoreVariable[] = "VANTO_TEST_FAULTY_STORE";
const char faultyStoreUserVariable[] = "VANTO_TEST_FAULTY_STORE_USER";

// Runs one test function (with its data tag) of this program in a new process; its exit code.
int runCopy(const QString& function, QProcessEnvironment environment)
{
    // A copy that becomes the ordinary user gets leak suppressions it can read.
    QTemporaryDir suppressionsDir;
    const QString leakOptions = environment.value("LSAN_OPTIONS");
    const QRegularExpressionMatch match = QRegularExpression("suppressions=([^:]+)").match(leakOptions);
    if (match.hasMatch() && suppressionsDir.isValid() && OrdinaryUser::makeOpen(suppressionsDir.path())) {
        const QString readable = suppressionsDir.filePath("lsan.supp");
        if (QFile::copy(match.captured(1), readable) && OrdinaryUser::makeReadOnly(readable))
            environment.insert("LSAN_OPTIONS", QString(leakOptions).replace(match.captured(1), readable));
    }
    QProcess copy;
    copy.setProcessEnvironment(environment);
    copy.setProcessChannelMode(QProcess::ForwardedChannels);
    copy.start(QCoreApplication::applicationFilePath(), {function});
    return copy.waitForFinished(120000) && copy.exitStatus() == QProcess::NormalExit ? copy.exitCode() : -1;
}

using FileTesting::state;
using FileTesting::writeBytes;

int fetchedRows(QAbstractItemModel* model)
{
    while (model->canFetchMore(QModelIndex()))
        model->fetchMore(QModelIndex());
    return model->rowCount();
}

const QRegularExpression notANumber("\\b(nan|inf|infinity)\\b", QRegularExpression::CaseInsensitiveOption);

} // namespace

class TestFaults : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();

    void damagedDatabaseIsShownAndKept_data();
    void damagedDatabaseIsShownAndKept();
    void unwritableHostileStoreWarnsOnceAndComputes_data();
    void unwritableHostileStoreWarnsOnceAndComputes();
    void unreadableParameterFileChangesNothing_data();
    void unreadableParameterFileChangesNothing();
    void fullDiskKeepsTheOldFile_data();
    void fullDiskKeepsTheOldFile();
    void hostileTitlesAreText_data();
    void hostileTitlesAreText();

private:
    // The window's half of unwritableHostileStoreWarnsOnceAndComputes, run in a copy of this test.
    void computeOnFaultyStore();
    void expectOneWarning(const QString& start) const
    {
        QCOMPARE(warnings.size(), 1);
        QVERIFY2(warnings.first().startsWith("Warning|" + start), qPrintable(warnings.first()));
    }

    bool faultyStoreCopy = false;
    std::unique_ptr<QTemporaryDir> storeDir;
    std::unique_ptr<QTemporaryDir> program;
    QStringList warnings;
};

void TestFaults::initTestCase()
{
    QLoggingCategory::setFilterRules("default.debug=false");
    QCoreApplication::setOrganizationName("Tarvanel");
    QCoreApplication::setApplicationName("Vanto4");
    QLocale::setDefault(QLocale(QLocale::English, QLocale::AnyCountry));
    Messages::setWarningSink([this](const QString& title, const QString& text) { warnings << title + "|" + text; });

    faultyStoreCopy = qEnvironmentVariableIsSet(faultyStoreVariable);
    if (faultyStoreCopy) {
        // Before the first settings object: the store is the faulty one, for good.
        if (qEnvironmentVariable(faultyStoreUserVariable) == "ordinary" && geteuid() == 0)
            QVERIFY(setresuid(OrdinaryUser::nobody, OrdinaryUser::nobody, OrdinaryUser::nobody) == 0);
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, qEnvironmentVariable(faultyStoreVariable));
        return;
    }
    storeDir = std::make_unique<QTemporaryDir>();
    QVERIFY(storeDir->isValid() && OrdinaryUser::makeOpen(storeDir->path()));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, storeDir->path());
}

// A program folder of copies of the built databases; the settings and loads of a fresh store.
void TestFaults::init()
{
    program = std::make_unique<QTemporaryDir>();
    QVERIFY(WindowTesting::copyShippedDatabases(program->path()) && OrdinaryUser::makeOpen(program->path()));
    if (faultyStoreCopy) // the window it builds reads the settings
        return;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, storeDir->path());
    QSettings().clear();
    Settings::instance()->initialize();
    ParameterFile::restoreLoads();
    QCoreApplication::processEvents(); // saved now, by this user
    warnings.clear();
}

void TestFaults::cleanupTestCase()
{
    Messages::setWarningSink({});
}

void TestFaults::damagedDatabaseIsShownAndKept_data()
{
    QTest::addColumn<int>("database");
    QTest::addColumn<QString>("damage");
    QTest::newRow("centerfire missing") << 0 << "missing";
    QTest::newRow("centerfire empty") << 0 << "empty";
    QTest::newRow("rimfire, a folder in its place") << 1 << "folder";
    QTest::newRow("custom of junk bytes") << 3 << "junk";
    QTest::newRow("custom, a damaged page, bullets still listed") << 3 << "damaged page";
    QTest::newRow("custom in a read-only folder") << 3 << "read-only folder";
}

// A shipped database that cannot be read is named, lists and selects nothing; with a custom one,
// adding and removing end in a warning each. The file stays as it was, with nothing beside it.
void TestFaults::damagedDatabaseIsShownAndKept()
{
    QFETCH(int, database);
    QFETCH(QString, damage);
    const QString folder = program->path() + "/db";
    const QString file = folder + QStringList{"/centerfire.db", "/rimfire.db", "/airgun.db", "/custom.db"}[database];
    const QString row = "INSERT INTO bullets VALUES (0, '%1', 0.308, '%2', 0.45, 0, 'max', 1.2, 168, '', 'G1')";
    QCOMPARE(sql(folder + "/custom.db",
                 {row.arg("Atelier", "Long"), row.arg("Atelier", "Long"), row.arg("Forge", "Flat"),
                     "SELECT COUNT(*) FROM bullets"}),
        QVariant(qlonglong(3)));
    const bool readable = damage.startsWith("read-only");
    if (damage == "damaged page") {
        // The bullets still read; a page beside them is no b-tree page (SQLite itself would write).
        const int pageSize
            = sql(file, {"CREATE TABLE notes (text TEXT)", "INSERT INTO notes VALUES ('kept')", "PRAGMA page_size"})
                  .toInt();
        const int root = sql(file, {"SELECT rootpage FROM sqlite_master WHERE name = 'notes'"}).toInt();
        QVERIFY(pageSize > 0 && root > 1);
        QByteArray damaged = state(file);
        damaged[(root - 1) * pageSize] = '\x01';
        QVERIFY(writeBytes(file, damaged));
    } else if (readable) {
        // The file itself may be written; SQLite's journal beside it may not.
        QVERIFY(QFile::setPermissions(file, QFile::Permissions(0x7777)) && OrdinaryUser::makeReadOnly(folder));
    } else if (QFile::remove(file) && damage != "missing") {
        QVERIFY(damage == "folder" ? QDir().mkdir(file)
                                   : writeBytes(file, damage == "empty" ? QByteArray() : QByteArray(20000, '\x5a')));
    }
    const QByteArray before = state(file);
    const QStringList entries = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden);
    const QString problemText = "The database " + file + " cannot be read: ";

    if (database < 3) {
        Shoot* load = ShootContainer::instance()->GetShoot(0);
        const QString title = load->title();
        DBselector selector(program->path());
        WindowTesting::widget<QComboBox>(&selector, "comboBox_db")->setCurrentIndex(database);
        selector.ProcessRequestBulletDB(0);
        const auto* problem = WindowTesting::widget<QLabel>(&selector, "label_problem");
        QVERIFY2(problem->isVisible() && problem->text().startsWith(problemText), qPrintable(problem->text()));
        QCOMPARE(WindowTesting::widget<QComboBox>(&selector, "comboBox_man")->count(), 1);
        QCOMPARE(fetchedRows(WindowTesting::widget<QTableView>(&selector, "tableView_bullets")->model()), 0);
        WindowTesting::widget<QPushButton>(&selector, "pushButton_select")->click();
        QCOMPARE(load->title(), title);
        QVERIFY(warnings.isEmpty());
    } else {
        std::optional<OrdinaryUser::Scope> user;
        if (readable && !user.emplace().active())
            QSKIP("cannot take the identity of an ordinary user");
        CustoDBManager manager(program->path());
        manager.show();
        const auto* problem = WindowTesting::widget<QLabel>(&manager, "label_problem");
        QCOMPARE(problem->isVisible(), !readable);
        QVERIFY2(readable || problem->text().startsWith(problemText), qPrintable(problem->text()));
        auto* table = WindowTesting::widget<QTableView>(&manager, "tableView_custo");
        const int rows = fetchedRows(table->model());
        QCOMPARE(rows, readable || damage == "damaged page" ? 3 : 0);
        table->setCurrentIndex(table->model()->index(0, 1));
        WindowTesting::widget<QPushButton>(&manager, "pushButton_remove")->click();
        WindowTesting::widget<QPushButton>(&manager, "pushButton_add")->click();
        QCOMPARE(fetchedRows(table->model()), rows);
        QCOMPARE(warnings.filter("Warning|The bullet could not be removed from the custom database").size(), rows > 0);
        QCOMPARE(warnings.filter("Warning|The bullet could not be added to the custom database").size(), 1);
        QCOMPARE(warnings.size(), rows > 0 ? 2 : 1);
    }
    QCOMPARE(state(file), before);
    QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::Hidden), entries);
}

void TestFaults::unwritableHostileStoreWarnsOnceAndComputes_data()
{
    QTest::addColumn<QString>("fault");
    QTest::newRow("a folder where the file belongs") << "file is a folder";
    QTest::newRow("read-only folder") << "read-only folder";
    QTest::newRow("read-only file") << "read-only file";
}

// The window, in a copy of this test, on an unwritable store of values of the wrong kind and a
// folder for its log: it starts with them brought into range, warns once, computes, changes nothing.
void TestFaults::unwritableHostileStoreWarnsOnceAndComputes()
{
    if (faultyStoreCopy) {
        computeOnFaultyStore();
        return;
    }
    QFETCH(QString, fault);
    QTemporaryDir dir;
    QVERIFY(OrdinaryUser::makeOpen(dir.path()));
    const QString folder = dir.path() + "/Tarvanel";
    const QString file = folder + "/Vanto4.conf";
    if (fault == "file is a folder") {
        QVERIFY(QDir().mkpath(file));
    } else {
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(writeBytes(file,
            "[global]\nunitSystem=7\nuseAngleDisplay=99\nmaxRangeUnit=-1\nlanguage=../../../tmp/x\n"
            "[envir]\ntemperature=-300\ntemperatureUnit=5\nwindVelocityUnit=abc\nupHillDirection=4\n"
            "[rifle]\ntwistUnit=9\nscopeClick=99\nsightHeight=1e308\n"
            "[shoot]\n0\\zeroRange=150\n0\\gModel=99\n0\\weightUnit=7\n0\\muzzleVelocityUnit=-2\n1\\active=maybe\n"
            "1\\zeroRangeUnit=1e9\n1\\BCmultiBC=@ByteArray(\\x1\\xff\\0)\n"));
        const bool readOnlyFile = fault == "read-only file";
        QVERIFY(QFile::setPermissions(readOnlyFile ? folder : file, QFile::Permissions(0x7777)));
        QVERIFY(OrdinaryUser::makeReadOnly(readOnlyFile ? file : folder));
    }
    const QByteArray before = state(file) + state(folder);

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(faultyStoreVariable, dir.path());
    if (fault.startsWith("read-only"))
        environment.insert(faultyStoreUserVariable, "ordinary");
    QCOMPARE(runCopy(QString("unwritableHostileStoreWarnsOnceAndComputes:") + QTest::currentDataTag(), environment), 0);
    QCOMPARE(state(file) + state(folder), before);
}

void TestFaults::computeOnFaultyStore()
{
    const bool held = qEnvironmentVariable(faultyStoreUserVariable) == "ordinary";
    const QString log = program->path() + "/log.txt";
    QVERIFY(QDir().mkdir(log));
    MainWindow window(program->path());
    window.show();
    QCoreApplication::processEvents();
    expectOneWarning(
        "Your settings cannot be saved to " + qEnvironmentVariable(faultyStoreVariable) + "/Tarvanel/Vanto4.conf.");

    // Every list shows a choice, every number box the value the computation uses.
    Settings* settings = Settings::instance();
    QCOMPARE(settings->language(), QString());
    for (QComboBox* list : window.findChildren<QComboBox*>())
        QVERIFY2(list->currentIndex() >= 0, qPrintable(list->objectName()));
    QCOMPARE(WindowTesting::widget<QComboBox>(&window, "comboBox_scopeClick")->currentIndex(), settings->scopeClick());
    QCOMPARE(WindowTesting::widget<QDoubleSpinBox>(&window, "doubleSpinBox_temp")->value(), held ? -100.0 : 25.0);
    Shoot* first = ShootContainer::instance()->GetShoot(0);
    QCOMPARE(QList<double>({settings->sightHeight(), double(first->zeroRange())}),
        QList<double>({held ? 15.0 : 3.5, held ? 150.0 : 200.0}));
    QCOMPARE(settings->unitSystem() + settings->useAngleDisplay() + first->gModel() + first->weightUnit()
            + first->muzzleVelocityUnit() + ShootContainer::instance()->GetShoot(1)->zeroRangeUnit(),
        0);

    WindowTesting::widget<QDoubleSpinBox>(&window, "doubleSpinBox_temp")->setValue(5.0);
    settings->setCardStep(25);
    WindowTesting::widget<QPushButton>(&window, "pushButton_compute")->click();
    QVERIFY(!first->States().empty());
    for (QLabel* label : window.findChildren<QLabel*>())
        QVERIFY2(!notANumber.match(label->text()).hasMatch(), qPrintable(label->objectName() + ": " + label->text()));
    QTest::qWait(50);
    QVERIFY(!settings->saveStore());
    QCOMPARE(warnings.filter("Your settings cannot be saved").size(), 1);
    QCOMPARE(state(log), QByteArray("<folder>"));
    QVERIFY(ParameterFile::save(program->path() + "/kept.vnt")); // what was entered can still be kept
    const QSettings kept(program->path() + "/kept.vnt", QSettings::IniFormat);
    QCOMPARE(QVariantList({kept.value("envir/temperature").toDouble(), kept.value("global/cardStep").toInt()}),
        QVariantList({5.0, 25}));
}

void TestFaults::unreadableParameterFileChangesNothing_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::newRow("a folder") << "folder.vnt";
    QTest::newRow("no permission to read") << "private.vnt";
    QTest::newRow("a device") << "/dev/zero";
}

// One warning names the file and the reason; the store and the settings stay as they were.
void TestFaults::unreadableParameterFileChangesNothing()
{
    QFETCH(QString, fileName);
    const bool unreadable = fileName == "private.vnt";
    if (!fileName.startsWith('/')) {
        fileName = program->path() + "/" + fileName;
        QVERIFY(unreadable ? writeBytes(fileName, "[envir]\ntemperature=-7\n") : QDir().mkdir(fileName));
        QVERIFY(QFile::setPermissions(fileName, QFile::WriteOwner | QFile::ExeOwner));
    }
    QSettings().sync();
    const QByteArray before = state(QSettings().fileName());
    Saver saver;
    saver.setOpenFileNameProvider([&](QWidget*, const QString&, const QString&, const QString&) { return fileName; });
    {
        std::optional<OrdinaryUser::Scope> user;
        if (unreadable && !user.emplace().active())
            QSKIP("cannot take the identity of an ordinary user");
        saver.load();
    }
    const QString start = "The parameter file " + fileName + " could not be read:\n";
    expectOneWarning(start);
    const QString reason = warnings.first().mid(QString("Warning|" + start).size());
    QVERIFY2(!reason.isEmpty() && !reason.contains("Unknown error"), qPrintable(reason));
    QSettings().sync();
    QCOMPARE(state(QSettings().fileName()), before);
    QCOMPARE(Settings::instance()->temperature(), 25.0);
}

void TestFaults::fullDiskKeepsTheOldFile_data()
{
    QTest::addColumn<QString>("target");
    QTest::newRow("parameter file saved over an older one") << "params.vnt";
    QTest::newRow("parameter file drafted in a full temporary folder") << "draft/params.vnt";
    QTest::newRow("settings store") << "Tarvanel/Vanto4.conf";
    QTest::newRow("range card PDF over an older one") << "card.pdf";
    QTest::newRow("range card PDF into a missing folder") << "missing/card.pdf";
}

// A failed write (a full tmpfs, a missing folder) says so once, leaves the older file whole and alone.
void TestFaults::fullDiskKeepsTheOldFile()
{
    QFETCH(QString, target);
    SmallFileSystem disk;
    const bool full = !target.startsWith("missing/");
    if (full && !disk.isMounted())
        QSKIP("a full disk is a small tmpfs, which only root may mount");
    // A parameter file is drafted in the temporary folder: with 8 KiB left there the settings
    // class cuts the draft without a word, and the save must notice it.
    const bool fullTemporaryFolder = target.startsWith("draft/");
    const QByteArray oldTemporaryFolder = qgetenv("TMPDIR");
    const auto restoreTemporaryFolder = qScopeGuard([&] { qputenv("TMPDIR", oldTemporaryFolder); });
    if (fullTemporaryFolder)
        qputenv("TMPDIR", QFile::encodeName(disk.path()));
    const QString folder = full && !fullTemporaryFolder ? disk.path() : program->path();
    const QString file = folder + "/" + target;
    if (full) {
        QVERIFY(QDir().mkpath(QFileInfo(file).path()));
        QVERIFY(
            writeBytes(file, target.endsWith(".pdf") ? "%PDF-1.4 older card\n%%EOF\n" : "[global]\nunitSystem=1\n"));
    }
    std::unique_ptr<Settings> settings;
    if (target.endsWith(".conf")) {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder);
        settings = std::make_unique<Settings>();
        settings->initialize();
        QVERIFY(settings->saveStore());
    }
    const QByteArray before = state(file);
    // Room for a lock file (the settings class's, the PDF writer's), not for the file.
    if (full)
        QVERIFY(disk.fillLeaving(fullTemporaryFolder ? 8192 : target.endsWith(".vnt") ? 0 : 4096));
    const auto answer = [&](QWidget*, const QString&, const QString&, const QString&) { return file; };
    if (settings) {
        settings->setTemperature(30.0);
        settings->setCardStep(25);
        QCoreApplication::processEvents();
        settings.reset();
    } else if (target.endsWith(".vnt")) {
        Saver saver;
        saver.setSaveFileNameProvider(answer);
        saver.save();
    } else {
        RangeCard card(0);
        card.populate();
        card.setSaveFileNameProvider(answer);
        card.on_pushButton_exportPdf_clicked();
    }
    QCOMPARE(state(file), before);
    const QString expected = target.endsWith(".conf") ? "Your settings cannot be saved to "
        : target.endsWith(".vnt")                     ? "The parameters could not be saved to "
                                                      : "The range card could not be saved to ";
    expectOneWarning(expected + file + (fullTemporaryFolder ? ":\nThe temporary folder " + disk.path() : QString()));
    QStringList left = QDir(QFileInfo(file).path()).entryList(QDir::Files | QDir::Hidden);
    left.removeAll(".filler");
    QCOMPARE(left, full ? QStringList{QFileInfo(file).fileName()} : QStringList());
}

void TestFaults::hostileTitlesAreText_data()
{
    QTest::addColumn<QString>("title");
    QTest::newRow("markup") << "<b>Bold</b> &amp; <i>italic</i>";
    QTest::newRow("picture of a FIFO") << "<img src=\"FIFO\">";
    QTest::newRow("picture of /dev/zero") << "<img src=\"/dev/zero\">";
    QTest::newRow("ampersand") << "Smith & Wesson";
}

// A title and a note are text wherever they show: info panel, tab, warning, printed card and PDF.
// A picture they name is never opened (a FIFO would block the window for good).
void TestFaults::hostileTitlesAreText()
{
    QFETCH(QString, title);
    const QString fifo = program->path() + "/fifo";
    QVERIFY(mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
    title.replace("FIFO", fifo);
    MainWindow window(program->path());
    Shoot* load = ShootContainer::instance()->GetShoot(0);
    load->setOrigin("db");
    load->setTitle(title);
    load->setNote(title);
    window.show();
    WindowTesting::widget<QPushButton>(&window, "pushButton_compute")->click();
    QCoreApplication::processEvents();

    int panels = 0;
    for (QLabel* label : window.findChildren<QLabel*>("label_loadName"))
        panels += label->text() == title && label->textFormat() == Qt::PlainText;
    QCOMPARE(panels, 1);
    auto* tabs = WindowTesting::widget<QToolBox>(&window, "toolBox_params");
    QCOMPARE(tabs->itemText(tabs->count() - ShootContainer::loadCount), QString(title).replace("&", "&&"));

    load->setMuzzleVelocity(0);
    const auto box = MainWindow::warningBox("Warning", load->inputProblem());
    QVERIFY(box->textFormat() == Qt::PlainText && box->text().contains(title));
    box->show();
    QCoreApplication::processEvents();
    box->close();

    RangeCard card(0);
    card.populate();
    const auto document = card.composeDocument(card.findChild<QTableWidget*>());
    QVERIFY(document->toPlainText().contains(title + "\n"));
    QVERIFY(document->toPlainText().contains("Note : " + title));
    QVERIFY(!document->toHtml().contains("<img"));
    card.setSaveFileNameProvider(
        [&](QWidget*, const QString&, const QString&, const QString&) { return program->path() + "/card"; });
    card.on_pushButton_exportPdf_clicked();
    QVERIFY(state(program->path() + "/card.pdf").startsWith("%PDF"));
    QVERIFY2(warnings.isEmpty(), qPrintable(warnings.join('\n')));
}

QTEST_MAIN(TestFaults)
#include "tst_faults.moc"
