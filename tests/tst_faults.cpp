// Faults of the program's surroundings: bullet databases that are missing, damaged or cannot
// be written, a program folder where the log cannot be written, a settings store that cannot be
// written or holds values of the wrong kind, and parameter files that vanish or cannot be read.
// Every case runs on copies in temporary folders with a private store; read-only files are
// read-only for an ordinary user, which the test becomes for a while when it runs as root.
#include "app/mainwindow.h"
#include "ballistics/shoot.h"
#include "core/messages.h"
#include "database/custodbmanager.h"
#include "database/dbselector.h"
#include "loads/paramtab.h"
#include "loads/shootcontainer.h"
#include "ordinaryuser.h"
#include "results/rangecard.h"
#include "settings/parameterfile.h"
#include "settings/saver.h"
#include "settings/settings.h"
#include "smallfilesystem.h"
#include "sqltesting.h"
#include "windowtesting.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLoggingCategory>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSettings>
#include <QSpinBox>
#include <QSqlError>
#include <QSqlQuery>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QToolBox>
#include <QtTest>

#include <cmath>
#include <functional>
#include <memory>
#include <optional>
#include <sys/stat.h>

using SettingsReading = std::function<double(const Settings&)>;
Q_DECLARE_METATYPE(SettingsReading)

namespace {

using SqlTesting::sql;

// In the environment of the copy of this test that starts the window on a store that cannot be
// written: the folder that holds the store, and "ordinary" when the copy runs as nobody.
const char faultyStoreVariable[] = "VANTO_TEST_FAULTY_STORE";
const char faultyStoreUserVariable[] = "VANTO_TEST_FAULTY_STORE_USER";
// In the environment of a copy of this test that builds the window once, on a fresh process.
const char copyVariable[] = "VANTO_TEST_COPY";

// Runs one test function (with its data tag) of this program in a new process; its exit code.
int runCopy(const QString& function, QProcessEnvironment environment)
{
    // A copy that becomes the ordinary user still reads the leak suppressions when it ends:
    // they may lie in a checkout private to root, so it gets a copy it can read.
    QTemporaryDir suppressionsDir;
    const QRegularExpression suppressions("suppressions=([^:]+)");
    const QString leakOptions = environment.value("LSAN_OPTIONS");
    const QRegularExpressionMatch match = suppressions.match(leakOptions);
    if (match.hasMatch() && suppressionsDir.isValid() && OrdinaryUser::makeOpen(suppressionsDir.path())) {
        const QString readable = suppressionsDir.filePath("lsan.supp");
        if (QFile::copy(match.captured(1), readable) && OrdinaryUser::makeReadOnly(readable))
            environment.insert("LSAN_OPTIONS", QString(leakOptions).replace(match.captured(1), readable));
    }

    QProcess copy;
    copy.setProcessEnvironment(environment);
    copy.setProcessChannelMode(QProcess::ForwardedChannels);
    copy.start(QCoreApplication::applicationFilePath(), {function});
    if (!copy.waitForFinished(120000)) {
        copy.kill();
        copy.waitForFinished();
        return -1;
    }
    return copy.exitStatus() == QProcess::NormalExit ? copy.exitCode() : -1;
}

QByteArray contents(const QString& fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

bool writeBytes(const QString& fileName, const QByteArray& bytes)
{
    QFile file(fileName);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

QByteArray randomBytes(int size, quint32 seed)
{
    QByteArray bytes(size, '\0');
    QRandomGenerator generator(seed);
    for (char& byte : bytes)
        byte = char(generator.bounded(256));
    return bytes;
}

// What is at a path: the bytes of a file, "<folder>" or "<missing>".
QByteArray state(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return "<missing>";
    return info.isDir() ? QByteArray("<folder>") : contents(path);
}

int fetchedRows(QAbstractItemModel* model)
{
    while (model->canFetchMore(QModelIndex()))
        model->fetchMore(QModelIndex());
    return model->rowCount();
}

// Every value of the per-user store.
QMap<QString, QString> storeContents()
{
    QMap<QString, QString> values;
    QSettings store;
    for (const QString& key : store.allKeys())
        values[key] = store.value(key).toString();
    return values;
}

const QRegularExpression notANumber("\\b(nan|inf|infinity)\\b", QRegularExpression::CaseInsensitiveOption);

} // namespace

class TestFaults : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();

    void unreadableDatabaseIsShown_data();
    void unreadableDatabaseIsShown();
    void customDatabaseThatCannotBeWritten_data();
    void customDatabaseThatCannotBeWritten();
    void readOnlyShippedDatabaseIsNormal();

    void unwritableLogDoesNotStopTheWindow_data();
    void unwritableLogDoesNotStopTheWindow();

    void unwritableStoreWarnsOnce_data();
    void unwritableStoreWarnsOnce();
    void unwritableStoreStillComputes_data();
    void unwritableStoreStillComputes();

    void unreadableParameterFileChangesNothing_data();
    void unreadableParameterFileChangesNothing();
    void unwritableSaveTargetIsReported_data();
    void unwritableSaveTargetIsReported();

    void hostileStoredSettings_data();
    void hostileStoredSettings();
    void hostileStoreInTheWindow();
    void hostileParameterFilesInCli_data();
    void hostileParameterFilesInCli();

    void fullDiskKeepsTheOldFile_data();
    void fullDiskKeepsTheOldFile();
    void hostileTitlesAreText_data();
    void hostileTitlesAreText();

private:
    // The window's half of unwritableStoreStillComputes, run in a copy of this test.
    void computeOnFaultyStore();
    QString dbFile(const QString& name) const { return program->path() + "/db/" + name; }
    QString writeParameterFile(const QString& name, const QByteArray& bytes) const;
    // A custom database holding three bullets, one of them entered twice.
    void fillCustomDatabase() const;
    QStringList warningsStartingWith(const QString& start) const
    {
        return warnings.filter(QRegularExpression("^" + QRegularExpression::escape(start)));
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
    QVERIFY(storeDir->isValid());
    // The ordinary user reads the store while it saves a parameter file.
    QVERIFY(OrdinaryUser::makeOpen(storeDir->path()));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, storeDir->path());
    QVERIFY2(QSettings().fileName().startsWith(storeDir->path()), qPrintable(QSettings().fileName()));
}

// A program folder of copies of the built databases, open to the ordinary user; the settings
// and the loads as a fresh store gives them.
void TestFaults::init()
{
    warnings.clear();
    program = std::make_unique<QTemporaryDir>();
    QVERIFY(program->isValid());
    QVERIFY(WindowTesting::copyShippedDatabases(program->path()));
    QVERIFY(OrdinaryUser::makeOpen(program->path()));
    // A copy leaves the settings to the window it builds.
    if (faultyStoreCopy || qEnvironmentVariableIsSet(copyVariable))
        return;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, storeDir->path());
    QSettings().clear();
    Settings::instance()->initialize();
    ParameterFile::restoreLoads();
    // What the settings wrote is saved now, by this user.
    QCoreApplication::processEvents();
    warnings.clear();
}

void TestFaults::cleanupTestCase()
{
    Messages::setWarningSink({});
}

QString TestFaults::writeParameterFile(const QString& name, const QByteArray& bytes) const
{
    const QString fileName = program->path() + "/" + name;
    return writeBytes(fileName, bytes) ? fileName : QString();
}

void TestFaults::fillCustomDatabase() const
{
    const QString row = "INSERT INTO bullets VALUES (0, '%1', 0.308, '%2', 0.45, 0, 'max', 1.2, 168, '', 'G1')";
    QCOMPARE(sql(dbFile("custom.db"),
                 {row.arg("Atelier", "Long"), row.arg("Atelier", "Long"), row.arg("Forge", "Flat"),
                     "SELECT COUNT(*) FROM bullets"}),
        QVariant(qlonglong(3)));
}

// ---------------------------------------------------------------------------------------------
// Bullet databases

void TestFaults::unreadableDatabaseIsShown_data()
{
    QTest::addColumn<int>("database");
    QTest::addColumn<QString>("damage");
    QTest::newRow("centerfire missing") << 0 << "missing";
    QTest::newRow("centerfire of random bytes") << 0 << "random bytes";
    QTest::newRow("centerfire truncated") << 0 << "truncated";
    QTest::newRow("centerfire empty") << 0 << "empty";
    QTest::newRow("rimfire, a folder in its place") << 1 << "folder";
    QTest::newRow("custom missing") << 3 << "missing";
    QTest::newRow("custom of random bytes") << 3 << "random bytes";
    QTest::newRow("custom truncated") << 3 << "truncated";
    QTest::newRow("custom, a text file") << 3 << "text";
}

// The window says which file it cannot read, lists nothing, selects nothing and leaves the
// file as it found it; for the custom database, so does the manager, and an added bullet is
// refused with a warning.
void TestFaults::unreadableDatabaseIsShown()
{
    QFETCH(int, database);
    QFETCH(QString, damage);
    const QString name = QStringList{"centerfire.db", "rimfire.db", "airgun.db", "custom.db"}.at(database);
    const QString file = dbFile(name);
    if (database == 3)
        fillCustomDatabase();
    const QByteArray whole = contents(file);
    QVERIFY(QFile::remove(file));
    if (damage == "random bytes")
        QVERIFY(writeBytes(file, randomBytes(20000, 7)));
    else if (damage == "truncated")
        QVERIFY(writeBytes(file, whole.left(whole.size() / 2)));
    else if (damage == "empty")
        QVERIFY(writeBytes(file, QByteArray()));
    else if (damage == "text")
        QVERIFY(writeBytes(file, "man,diam,desc\nAtelier,0.308,Long\n"));
    else if (damage == "folder")
        QVERIFY(QDir().mkdir(file));
    const QByteArray before = state(file);

    Shoot* load = ShootContainer::instance()->GetShoot(0);
    const QString title = load->title();
    {
        DBselector selector(program->path());
        auto* databases = WindowTesting::widget<QComboBox>(&selector, "comboBox_db");
        databases->setCurrentIndex(database);
        selector.ProcessRequestBulletDB(0);
        const auto* problem = WindowTesting::widget<QLabel>(&selector, "label_problem");
        QVERIFY(problem->isVisible());
        QVERIFY2(problem->text().startsWith("The database " + file + " cannot be read: "), qPrintable(problem->text()));
        QCOMPARE(WindowTesting::widget<QComboBox>(&selector, "comboBox_man")->count(), 1);
        QCOMPARE(fetchedRows(WindowTesting::widget<QTableView>(&selector, "tableView_bullets")->model()), 0);
        WindowTesting::widget<QPushButton>(&selector, "pushButton_select")->click();
        QCOMPARE(load->title(), title);

        // Another database reads, and the line goes.
        databases->setCurrentIndex(database == 0 ? 3 : 0);
        QVERIFY(problem->isHidden());
        databases->setCurrentIndex(database);
        QVERIFY(problem->isVisible());
    }
    // The opening's reason is in the log, on the line after the last opening.
    const QStringList log = QString::fromUtf8(contents(program->path() + "/log.txt")).split("\r\n");
    QVERIFY2(log.size() >= 2 && !log.at(log.size() - 2).isEmpty(), qPrintable(log.join(" | ")));

    if (database == 3) {
        CustoDBManager manager(program->path());
        manager.show();
        const auto* problem = WindowTesting::widget<QLabel>(&manager, "label_problem");
        QVERIFY(problem->isVisible());
        QVERIFY2(problem->text().startsWith("The database " + file + " cannot be read: "), qPrintable(problem->text()));
        WindowTesting::widget<QPushButton>(&manager, "pushButton_add")->click();
        WindowTesting::widget<QPushButton>(&manager, "pushButton_remove")->click();
        QCOMPARE(warnings.size(), 1);
        QVERIFY2(warnings.first().startsWith("Warning|The bullet could not be added to the custom database"),
            qPrintable(warnings.first()));
    } else {
        QVERIFY(warnings.isEmpty());
    }
    QCOMPARE(state(file), before);
}

void TestFaults::customDatabaseThatCannotBeWritten_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<bool>("readable");
    QTest::newRow("random bytes") << "random bytes" << false;
    QTest::newRow("truncated") << "truncated" << false;
    QTest::newRow("damaged page, bullets still listed") << "damaged page" << false;
    QTest::newRow("read-only file") << "read-only file" << true;
    QTest::newRow("read-only folder") << "read-only folder" << true;
}

// Adding and removing a bullet report the failure in a warning and leave the file byte for
// byte as it was: the user's bullets in a damaged file may still be recovered.
void TestFaults::customDatabaseThatCannotBeWritten()
{
    QFETCH(QString, fault);
    QFETCH(bool, readable);
    const QString file = dbFile("custom.db");
    fillCustomDatabase();
    const QByteArray whole = contents(file);
    if (fault == "random bytes") {
        QVERIFY(writeBytes(file, randomBytes(whole.size(), 11)));
    } else if (fault == "truncated") {
        QVERIFY(writeBytes(file, whole.left(whole.size() / 2)));
    } else if (fault == "damaged page") {
        // The bullets still read; a page beside them is no b-tree page any more. SQLite itself
        // would add and remove bullets in such a file.
        const int pageSize
            = sql(file, {"CREATE TABLE notes (text TEXT)", "INSERT INTO notes VALUES ('kept')", "PRAGMA page_size"})
                  .toInt();
        const int root = sql(file, {"SELECT rootpage FROM sqlite_master WHERE name = 'notes'"}).toInt();
        QVERIFY(pageSize > 0 && root > 1);
        QByteArray damaged = contents(file);
        damaged[(root - 1) * pageSize] = '\x01';
        QVERIFY(writeBytes(file, damaged));
    } else if (fault == "read-only file") {
        QVERIFY(OrdinaryUser::makeReadOnly(file));
        QVERIFY(OrdinaryUser::makeOpen(program->path() + "/db"));
    } else if (fault == "read-only folder") {
        // The file itself may be written; SQLite's journal beside it may not.
        QVERIFY(QFile::setPermissions(file, QFile::Permissions(0x6666)));
        QVERIFY(OrdinaryUser::makeReadOnly(program->path() + "/db"));
    }
    const QByteArray before = contents(file);

    {
        std::optional<OrdinaryUser::Scope> user;
        if (readable) {
            user.emplace();
            if (!user->active())
                QSKIP("cannot take the identity of an ordinary user");
        }
        CustoDBManager manager(program->path());
        manager.show();
        QCOMPARE(WindowTesting::widget<QLabel>(&manager, "label_problem")->isVisible(), !readable);
        auto* table = WindowTesting::widget<QTableView>(&manager, "tableView_custo");
        const int rows = fetchedRows(table->model());
        if (readable)
            QCOMPARE(rows, 3);
        if (rows > 0) {
            table->setCurrentIndex(table->model()->index(0, 1));
            WindowTesting::widget<QPushButton>(&manager, "pushButton_remove")->click();
            QCOMPARE(
                warningsStartingWith("Warning|The bullet could not be removed from the custom database").size(), 1);
            QCOMPARE(fetchedRows(table->model()), rows);
        }
        WindowTesting::widget<QPushButton>(&manager, "pushButton_add")->click();
        QCOMPARE(warningsStartingWith("Warning|The bullet could not be added to the custom database").size(), 1);
        QCOMPARE(warnings.size(), rows > 0 ? 2 : 1);
        if (readable)
            QCOMPARE(fetchedRows(table->model()), 3);
    }
    QCOMPARE(contents(file), before);
    QCOMPARE(QDir(program->path() + "/db").entryList({"custom.db*"}, QDir::Files), QStringList{"custom.db"});
}

// The shipped databases are only read: read-only files in a read-only folder are normal.
void TestFaults::readOnlyShippedDatabaseIsNormal()
{
    QVERIFY(OrdinaryUser::makeReadOnly(dbFile("centerfire.db")));
    QVERIFY(OrdinaryUser::makeReadOnly(program->path() + "/db"));
    OrdinaryUser::Scope user;
    if (!user.active())
        QSKIP("cannot take the identity of an ordinary user");
    DBselector selector(program->path());
    QVERIFY(WindowTesting::widget<QLabel>(&selector, "label_problem")->isHidden());
    QVERIFY(WindowTesting::widget<QComboBox>(&selector, "comboBox_man")->count() > 1);
    QCOMPARE(fetchedRows(WindowTesting::widget<QTableView>(&selector, "tableView_bullets")->model()), 1014);
    QVERIFY(warnings.isEmpty());
}

// ---------------------------------------------------------------------------------------------
// Log file

void TestFaults::unwritableLogDoesNotStopTheWindow_data()
{
    QTest::addColumn<QString>("fault");
    QTest::newRow("log.txt is a folder") << "folder";
    QTest::newRow("read-only program folder") << "read-only";
}

// The window comes up, the database windows read their files and a computation runs; the log
// stays as it was and nothing is reported.
void TestFaults::unwritableLogDoesNotStopTheWindow()
{
    QFETCH(QString, fault);
    const QString log = program->path() + "/log.txt";
    if (fault == "folder")
        QVERIFY(QDir().mkdir(log));
    else
        QVERIFY(OrdinaryUser::makeReadOnly(program->path()));

    std::unique_ptr<MainWindow> window;
    {
        std::optional<OrdinaryUser::Scope> user;
        if (fault == "read-only") {
            user.emplace();
            if (!user->active())
                QSKIP("cannot take the identity of an ordinary user");
        }
        window = std::make_unique<MainWindow>(program->path());
    }
    WindowTesting::widget<QPushButton>(window.get(), "pushButton_compute")->click();
    QVERIFY(!ShootContainer::instance()->GetShoot(0)->States().empty());
    QVERIFY(warnings.isEmpty());
    QCOMPARE(state(log), QByteArray(fault == "folder" ? "<folder>" : "<missing>"));
}

// ---------------------------------------------------------------------------------------------
// Settings store

void TestFaults::unwritableStoreWarnsOnce_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<bool>("asOrdinaryUser");
    QTest::newRow("a folder where the file belongs") << "file is a folder" << false;
    QTest::newRow("a file where the folder belongs") << "folder is a file" << false;
    QTest::newRow("read-only folder") << "read-only folder" << true;
    QTest::newRow("read-only file") << "read-only file" << true;
}

// The settings read what the store holds and work on in memory; saving fails with one warning,
// not one per value, and the store keeps what it held.
void TestFaults::unwritableStoreWarnsOnce()
{
    QFETCH(QString, fault);
    QFETCH(bool, asOrdinaryUser);
    QTemporaryDir dir;
    QVERIFY(OrdinaryUser::makeOpen(dir.path()));
    const QString folder = dir.path() + "/Tarvanel";
    const QString file = folder + "/Vanto4.conf";
    const QByteArray stored = "[envir]\ntemperature=12\n\n[global]\nunitSystem=1\n";
    if (fault == "file is a folder") {
        QVERIFY(QDir().mkpath(file));
    } else if (fault == "folder is a file") {
        QVERIFY(writeBytes(folder, "not a folder"));
    } else {
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(writeBytes(file, stored));
        if (fault == "read-only folder") {
            QVERIFY(QFile::setPermissions(file, QFile::Permissions(0x6666)));
            QVERIFY(OrdinaryUser::makeReadOnly(folder));
        } else {
            QVERIFY(QFile::setPermissions(folder, QFile::Permissions(0x7777)));
            QVERIFY(OrdinaryUser::makeReadOnly(file));
        }
    }
    const QByteArray before = state(file) + state(folder);

    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
    {
        std::optional<OrdinaryUser::Scope> user;
        if (asOrdinaryUser) {
            user.emplace();
            if (!user->active())
                QSKIP("cannot take the identity of an ordinary user");
        }
        Settings settings;
        settings.initialize();
        const bool heldValues = fault.startsWith("read-only");
        QCOMPARE(settings.temperature(), heldValues ? 12.0 : 25.0);
        QCOMPARE(settings.unitSystem(), heldValues ? 1 : 0);
        QVERIFY(warnings.isEmpty()); // nothing is said before the store is written out
        QCoreApplication::processEvents();
        QCOMPARE(warnings.size(), 1);
        QVERIFY2(warnings.first().startsWith("Warning|Your settings cannot be saved to " + file + "."),
            qPrintable(warnings.first()));

        // More values, another attempt: still the one warning; the values hold in memory.
        settings.setTemperature(30.0);
        settings.setUnitSystem(0);
        settings.setCardStep(25);
        QCoreApplication::processEvents();
        QVERIFY(!settings.saveStore());
        QCOMPARE(warnings.size(), 1);
        QCOMPARE(settings.temperature(), 30.0);
        QCOMPARE(settings.temperatureCelsius(), 30.0);
        QCOMPARE(settings.cardStep(), 25);
    }
    QCOMPARE(state(file) + state(folder), before);
}

void TestFaults::unwritableStoreStillComputes_data()
{
    QTest::addColumn<QString>("fault");
    QTest::newRow("a folder where the file belongs") << "file is a folder";
    QTest::newRow("read-only file") << "read-only file";
}

// The whole window on a store that cannot be written, in a copy of this test: it starts with
// what the store holds, says once that settings cannot be saved, and computes.
void TestFaults::unwritableStoreStillComputes()
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
    QVERIFY(QDir().mkpath(folder));
    if (fault == "file is a folder") {
        QVERIFY(QDir().mkdir(file));
    } else {
        QVERIFY(writeBytes(file, "[envir]\ntemperature=12\n\n[shoot]\n0\\zeroRange=150\n"));
        QVERIFY(QFile::setPermissions(folder, QFile::Permissions(0x7777)));
        QVERIFY(OrdinaryUser::makeReadOnly(file));
    }
    const QByteArray before = state(file);

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(faultyStoreVariable, dir.path());
    if (fault == "read-only file")
        environment.insert(faultyStoreUserVariable, "ordinary");
    QCOMPARE(runCopy(QString("unwritableStoreStillComputes:") + QTest::currentDataTag(), environment), 0);
    QCOMPARE(state(file), before);
}

void TestFaults::computeOnFaultyStore()
{
    const bool heldValues = qEnvironmentVariable(faultyStoreUserVariable) == "ordinary";
    MainWindow window(program->path());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCoreApplication::processEvents();
    const QString expected = "Warning|Your settings cannot be saved to " + qEnvironmentVariable(faultyStoreVariable)
        + "/Tarvanel/Vanto4.conf.";
    QCOMPARE(warnings.size(), 1);
    QVERIFY2(warnings.first().startsWith(expected), qPrintable(warnings.first()));

    Settings* settings = Settings::instance();
    Shoot* load = ShootContainer::instance()->GetShoot(0);
    QCOMPARE(settings->temperature(), heldValues ? 12.0 : 25.0);
    QCOMPARE(load->zeroRange(), heldValues ? 150 : 200);
    WindowTesting::widget<QDoubleSpinBox>(&window, "doubleSpinBox_temp")->setValue(5.0);
    WindowTesting::widget<QPushButton>(&window, "pushButton_compute")->click();
    QVERIFY(!load->States().empty());
    QCOMPARE(settings->temperature(), 5.0);
    QTest::qWait(50);
    QCOMPARE(warnings.size(), 1);

    // What was entered can still be kept in a parameter file.
    const QString saved = program->path() + "/kept.vnt";
    QVERIFY(ParameterFile::save(saved));
    QCOMPARE(QSettings(saved, QSettings::IniFormat).value("envir/temperature").toDouble(), 5.0);
    QCOMPARE(QSettings(saved, QSettings::IniFormat).value("shoot/0/zeroRange").toInt(), heldValues ? 150 : 200);
}

// ---------------------------------------------------------------------------------------------
// Parameter files

void TestFaults::unreadableParameterFileChangesNothing_data()
{
    QTest::addColumn<QString>("fault");
    QTest::newRow("deleted after the dialog") << "deleted";
    QTest::newRow("a folder") << "folder";
    QTest::newRow("no permission to read") << "no permission";
    QTest::newRow("a device") << "device";
}

// One warning names the file and the reason; the store and the settings stay as they were.
void TestFaults::unreadableParameterFileChangesNothing()
{
    QFETCH(QString, fault);
    QString fileName = writeParameterFile("other.vnt", "[global]\nunitSystem=1\n[envir]\ntemperature=-7\n");
    QVERIFY(!fileName.isEmpty());
    if (fault == "folder") {
        QVERIFY(QFile::remove(fileName));
        QVERIFY(QDir().mkdir(fileName));
    } else if (fault == "no permission") {
        QVERIFY(QFile::setPermissions(fileName, QFile::WriteOwner));
    } else if (fault == "device") {
        fileName = "/dev/zero";
    }
    const QMap<QString, QString> before = storeContents();

    Saver saver;
    saver.setOpenFileNameProvider([&](QWidget*, const QString&, const QString&, const QString&) {
        if (fault == "deleted")
            QFile::remove(fileName);
        return fileName;
    });
    {
        std::optional<OrdinaryUser::Scope> user;
        if (fault == "no permission") {
            user.emplace();
            if (!user->active())
                QSKIP("cannot take the identity of an ordinary user");
        }
        saver.load();
    }
    QCOMPARE(warnings.size(), 1);
    const QString start = "Warning|The parameter file " + fileName + " could not be read:\n";
    QVERIFY2(warnings.first().startsWith(start), qPrintable(warnings.first()));
    const QString reason = warnings.first().mid(start.size());
    QVERIFY2(!reason.isEmpty() && !reason.contains("Unknown error"), qPrintable(reason));
    QCOMPARE(storeContents(), before);
    QCOMPARE(Settings::instance()->unitSystem(), 0);
    QCOMPARE(Settings::instance()->temperature(), 25.0);
}

void TestFaults::unwritableSaveTargetIsReported_data()
{
    QTest::addColumn<QString>("fault");
    QTest::newRow("read-only folder") << "read-only folder";
    QTest::newRow("read-only file") << "read-only file";
}

// Saving where the user may not write: one warning, and an existing file stays as it was.
void TestFaults::unwritableSaveTargetIsReported()
{
    QFETCH(QString, fault);
    const QString folder = program->path() + "/saved";
    QVERIFY(QDir().mkdir(folder));
    const QString target = folder + "/params.vnt";
    if (fault == "read-only file")
        QVERIFY(writeBytes(target, "[global]\nunitSystem=1\n"));
    const QByteArray before = state(target);
    QVERIFY(OrdinaryUser::makeReadOnly(fault == "read-only file" ? target : folder));
    if (fault == "read-only file")
        QVERIFY(QFile::setPermissions(folder, QFile::Permissions(0x7777)));

    // The ordinary user reads the store it saves.
    QSettings().sync();
    QVERIFY(OrdinaryUser::makeOpen(storeDir->path() + "/Tarvanel"));
    QVERIFY(QFile::setPermissions(QSettings().fileName(), QFile::Permissions(0x6444)));

    Saver saver;
    saver.setSaveFileNameProvider([&](QWidget*, const QString&, const QString&, const QString&) { return target; });
    {
        OrdinaryUser::Scope user;
        if (!user.active())
            QSKIP("cannot take the identity of an ordinary user");
        saver.save();
    }
    QCOMPARE(warnings.size(), 1);
    QVERIFY2(warnings.first().startsWith("Warning|The parameters could not be saved to " + target),
        qPrintable(warnings.first()));
    QCOMPARE(state(target), before);
    const QStringList expected = before == "<missing>" ? QStringList() : QStringList{"params.vnt"};
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), expected);
}

// ---------------------------------------------------------------------------------------------
// Values of the wrong kind

void TestFaults::hostileStoredSettings_data()
{
    QTest::addColumn<QByteArray>("store");
    QTest::addColumn<QString>("key");
    QTest::addColumn<SettingsReading>("reading");
    QTest::addColumn<double>("expected");

    const SettingsReading unitSystem = [](const Settings& s) { return s.unitSystem(); };
    const SettingsReading angleDisplay = [](const Settings& s) { return s.useAngleDisplay(); };
    const SettingsReading windUnit = [](const Settings& s) { return s.windVelocityUnit(); };
    const SettingsReading scopeClick = [](const Settings& s) { return s.scopeClick(); };
    const SettingsReading clickValue = [](const Settings& s) { return s.clickValueV(); };
    const SettingsReading twistUnit = [](const Settings& s) { return s.twistUnit(); };
    const SettingsReading temperature = [](const Settings& s) { return s.temperature(); };
    const SettingsReading killZone = [](const Settings& s) { return s.killZone(); };
    const SettingsReading sightHeight = [](const Settings& s) { return s.sightHeight(); };
    const SettingsReading maxRange = [](const Settings& s) { return s.maxRange(); };
    const SettingsReading cardStep = [](const Settings& s) { return s.cardStep(); };
    const SettingsReading windVelocity = [](const Settings& s) { return s.windVelocity(); };
    const SettingsReading autoRange = [](const Settings& s) { return s.autoRange() ? 1 : 0; };
    const SettingsReading slope = [](const Settings& s) { return s.upHillAngle(); };
    const SettingsReading distance = [](const Settings& s) { return s.manScopeDistH(); };

    // A list index outside its list gives the key's default.
    QTest::newRow("unit system 7") << QByteArray("[global]\nunitSystem=7\n") << "global/unitSystem" << unitSystem
                                   << 0.0;
    QTest::newRow("unit system 99") << QByteArray("[global]\nunitSystem=99\n") << "global/unitSystem" << unitSystem
                                    << 0.0;
    QTest::newRow("unit system -1") << QByteArray("[global]\nunitSystem=-1\n") << "global/unitSystem" << unitSystem
                                    << 0.0;
    QTest::newRow("angle display 3") << QByteArray("[global]\nuseAngleDisplay=3\n") << "global/useAngleDisplay"
                                     << angleDisplay << 0.0;
    QTest::newRow("wind unit 99") << QByteArray("[envir]\nwindVelocityUnit=99\n") << "envir/windVelocityUnit"
                                  << windUnit << 0.0;
    QTest::newRow("scope click 99") << QByteArray("[rifle]\nscopeClick=99\n") << "rifle/scopeClick" << scopeClick
                                    << 1.0;
    QTest::newRow("scope click 99, its value")
        << QByteArray("[rifle]\nscopeClick=99\n") << "rifle/scopeClick" << clickValue << 0.5;
    QTest::newRow("twist unit 9") << QByteArray("[rifle]\ntwistUnit=9\n") << "rifle/twistUnit" << twistUnit << 1.0;
    QTest::newRow("huge index") << QByteArray("[rifle]\ntwistUnit=99999999999999999999\n") << "rifle/twistUnit"
                                << twistUnit << 1.0;
    // What does not read gives 0, brought into the range of the value's widget.
    QTest::newRow("letters for a double")
        << QByteArray("[envir]\ntemperature=abc\n") << "envir/temperature" << temperature << 0.0;
    QTest::newRow("a list for a double") << QByteArray("[envir]\ntemperature=1, 2, 3\n") << "envir/temperature"
                                         << temperature << 0.0;
    QTest::newRow("binary for a double") << QByteArray("[envir]\nwindVelocity=@ByteArray(\\x1\\xff\\0)\n")
                                         << "envir/windVelocity" << windVelocity << 0.0;
    QTest::newRow("a list for an integer")
        << QByteArray("[global]\ncardStep=5, 6\n") << "global/cardStep" << cardStep << 1.0;
    QTest::newRow("huge integer") << QByteArray("[global]\nmaxRange=99999999999999999999\n") << "global/maxRange"
                                  << maxRange << 4000.0;
    QTest::newRow("below absolute zero") << QByteArray("[envir]\ntemperature=-300\n") << "envir/temperature"
                                         << temperature << -100.0;
    QTest::newRow("huge kill zone") << QByteArray("[global]\nkillZone=1e308\n") << "global/killZone" << killZone
                                    << 500.0;
    QTest::newRow("sight height -1e308") << QByteArray("[rifle]\nsightHeight=-1e308\n") << "rifle/sightHeight"
                                         << sightHeight << 0.0;
    QTest::newRow("vertical slope") << QByteArray("[envir]\nupHillAngle=90\n") << "envir/upHillAngle" << slope << 75.0;
    QTest::newRow("click distance 0") << QByteArray("[rifle]\nmanScopeDistH=0\n") << "rifle/manScopeDistH" << distance
                                      << 10.0;
    // Booleans convert as the settings class converts text: only "", "0" and "false" are false.
    QTest::newRow("boolean maybe") << QByteArray("[global]\nautoRange=maybe\n") << "global/autoRange" << autoRange
                                   << 1.0;
    QTest::newRow("binary boolean") << QByteArray("[global]\nautoRange=@ByteArray(\\0)\n") << "global/autoRange"
                                    << autoRange << 1.0;
}

// No crash, a sane value, the same value in the store afterwards, and finite converted values.
void TestFaults::hostileStoredSettings()
{
    QFETCH(QByteArray, store);
    QFETCH(QString, key);
    QFETCH(SettingsReading, reading);
    QFETCH(double, expected);
    QTemporaryDir dir;
    QVERIFY(QDir().mkpath(dir.path() + "/Tarvanel"));
    QVERIFY(writeBytes(dir.path() + "/Tarvanel/Vanto4.conf", store));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());

    Settings settings;
    settings.initializeLanguage();
    settings.initialize();
    QCOMPARE(reading(settings), expected);
    QVERIFY(settings.saveStore());
    // The store now holds the sane value: reading it again gives the same.
    QVERIFY(QSettings().contains(key));
    Settings again;
    again.initialize();
    QCOMPARE(reading(again), expected);
    QCOMPARE(again.language(), QString());
    for (double value : {settings.killZoneSI(), settings.maxRangeSI(), settings.pressureHPa(), settings.altitudeSI(),
             settings.stationPressureHPa(), settings.windVelocitySI(), settings.windAngleRad(),
             settings.temperatureCelsius(), settings.upHillAngleRad(), settings.sightHeightSI(), settings.twistSI(),
             settings.clickValueH(), settings.clickValueV()})
        QVERIFY(std::isfinite(value));
    QVERIFY(warnings.isEmpty());
}

// Values of the wrong kind in the store when the window starts: every list shows the choice
// the computation uses, every number box the value it uses, and a computation ends. In a copy
// of this test: the window is the first to receive the settings, as at a start.
void TestFaults::hostileStoreInTheWindow()
{
    if (!qEnvironmentVariableIsSet(copyVariable)) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(copyVariable, "1");
        QCOMPARE(runCopy("hostileStoreInTheWindow", environment), 0);
        return;
    }
    {
        QSettings store;
        const QList<QPair<QString, QVariant>> values = {
            {"global/unitSystem", "7"},
            {"global/useAngleDisplay", "99"},
            {"global/maxRangeUnit", "-1"},
            {"envir/temperatureUnit", "5"},
            {"envir/temperature", "-300"},
            {"envir/windVelocityUnit", "abc"},
            {"envir/upHillAngle", "90"},
            {"envir/upHillDirection", "4"},
            {"rifle/twistUnit", "9"},
            {"rifle/scopeClick", "99"},
            {"rifle/sightHeight", "1e308"},
            {"global/language", "../../../tmp/x"},
            {"shoot/0/gModel", "99"},
            {"shoot/0/weightUnit", "7"},
            {"shoot/0/muzzleVelocityUnit", "-2"},
            {"shoot/1/active", "maybe"},
            {"shoot/1/zeroRangeUnit", "1e9"},
            {"shoot/1/BCmultiBC", QByteArray("\x01\xff\x00;", 4)},
        };
        for (const auto& [key, value] : values)
            store.setValue(key, value);
    }
    MainWindow window(program->path());
    Settings* settings = Settings::instance();
    QCOMPARE(settings->language(), QString());

    const QList<QPair<const char*, int>> lists = {
        {"comboBox_temp_unit", settings->temperatureUnit()},
        {"comboBox_WindVeloUnit", settings->windVelocityUnit()},
        {"comboBox_uphill_direction", settings->upHillDirection()},
        {"comboBox_twistUnit", settings->twistUnit()},
        {"comboBox_scopeClick", settings->scopeClick()},
        {"comboBox_maxRangeUnit", settings->maxRangeUnit()},
    };
    for (const auto& [name, index] : lists) {
        QVERIFY2(index >= 0, name);
        QCOMPARE(WindowTesting::widget<QComboBox>(&window, name)->currentIndex(), index);
    }
    QCOMPARE(settings->unitSystem(), 0);
    QCOMPARE(settings->useAngleDisplay(), 0);
    QCOMPARE(settings->temperature(), -100.0);
    QCOMPARE(WindowTesting::widget<QDoubleSpinBox>(&window, "doubleSpinBox_temp")->value(), -100.0);
    QCOMPARE(settings->upHillAngle(), 75);
    QCOMPARE(settings->sightHeight(), 15.0);

    ShootContainer* container = ShootContainer::instance();
    for (ParamTab* tab : window.findChildren<ParamTab*>()) {
        for (QComboBox* list : tab->findChildren<QComboBox*>())
            QVERIFY2(list->currentIndex() >= 0, qPrintable(list->objectName()));
    }
    QCOMPARE(container->GetShoot(0)->gModel(), 0);
    QCOMPARE(container->GetShoot(0)->weightUnit(), 0);
    QCOMPARE(container->GetShoot(0)->muzzleVelocityUnit(), 0);
    QCOMPARE(container->GetShoot(1)->zeroRangeUnit(), 0);

    WindowTesting::widget<QPushButton>(&window, "pushButton_compute")->click();
    QVERIFY(!container->GetShoot(0)->States().empty());
    for (QLabel* label : window.findChildren<QLabel*>())
        QVERIFY2(!notANumber.match(label->text()).hasMatch(), qPrintable(label->objectName() + ": " + label->text()));
}

void TestFaults::hostileParameterFilesInCli_data()
{
    QTest::addColumn<QByteArray>("hostile");
    QTest::addColumn<QByteArray>("sane"); // a file that must give the same output, or empty

    const auto row = [](const char* tag, const char* hostile, const char* sane) {
        QTest::newRow(tag) << QByteArray(hostile) << QByteArray(sane);
    };
    row("unit system 7", "[global]\nunitSystem=7\n", "[global]\nunitSystem=0\n");
    row("below absolute zero", "[envir]\ntemperature=-300\n", "[envir]\ntemperature=-100\n");
    row("vertical slope", "[envir]\nupHillAngle=90\n", "[envir]\nupHillAngle=75\n");
    row("slope of 1e300 degrees", "[envir]\nupHillAngle=1e300\n", "[envir]\nupHillAngle=75\n");
    row("huge kill zone", "[global]\nkillZone=1e308\n", "[global]\nkillZone=500\n");
    row("sight height 1e308", "[rifle]\nsightHeight=1e308\n", "[rifle]\nsightHeight=15\n");
    row("sight height -1e308", "[rifle]\nsightHeight=-1e308\n", "[rifle]\nsightHeight=0\n");
    row("wind unit 99", "[envir]\nwindVelocityUnit=99\n", "[envir]\nwindVelocityUnit=0\n");
    row("scope click 99", "[rifle]\nscopeClick=99\n", "[rifle]\nscopeClick=1\n");
    row("click distance 0", "[rifle]\nscopeClick=6\nmanScopeDevH=1\nmanScopeDistH=0\nmanScopeDevV=1\nmanScopeDistV=0\n",
        "[rifle]\nscopeClick=6\nmanScopeDevH=1\nmanScopeDistH=10\nmanScopeDevV=1\nmanScopeDistV=10\n");
    row("drag model 99", "[shoot]\n0\\gModel=99\n", "[shoot]\n0\\gModel=0\n");
    row("weight unit 7", "[shoot]\n0\\weightUnit=7\n", "[shoot]\n0\\weightUnit=0\n");
    row("letters everywhere",
        "[global]\nunitSystem=metric\nkillZone=wide\nmaxRange=far\nautoRange=maybe\ncardStep=often\n"
        "[envir]\nuseDefaultPressure=perhaps\nbasePressure=high\naltitude=up\naltitudeCorrection=yes\n"
        "windVelocity=1, 2, 3\nwindAngle=north\ntemperature=hot\nupHillAngle=steep\n"
        "[rifle]\nsightHeight=@ByteArray(\\xff)\ntwist=fast\nscopeClick=click\n"
        "[shoot]\n0\\muzzleVelocity=fast\n0\\weight=heavy\n0\\caliber=wide\n0\\length=long\n0\\zeroRange=near\n"
        "0\\gModel=G7\n",
        "");
}

// vanto-cli ends, succeeds, prints no NaN or infinity, and reads a value outside its range as
// the nearest value the window allows.
void TestFaults::hostileParameterFilesInCli()
{
    QFETCH(QByteArray, hostile);
    QFETCH(QByteArray, sane);
    const QByteArray load = "[shoot]\n0\\active=true\n0\\muzzleVelocity=850\n0\\BCmultiBC=0.4\n0\\BCmultiV=0\n"
                            "0\\weight=150\n0\\caliber=0.308\n0\\length=1.2\n0\\zeroRange=200\n";
    const auto run = [&](const QByteArray& file) {
        const QString fileName = writeParameterFile("cli.vnt", load + file);
        QProcess cli;
        cli.start(VANTO_CLI, {"--format", "json", fileName});
        if (!cli.waitForFinished(60000)) {
            cli.kill();
            cli.waitForFinished();
            return QByteArray("<did not end within a minute>");
        }
        if (cli.exitStatus() != QProcess::NormalExit || cli.exitCode() != 0)
            return QByteArray("<failed: ") + cli.readAllStandardError() + ">";
        return cli.readAllStandardOutput();
    };
    const QByteArray output = run(hostile);
    QVERIFY2(output.startsWith("{\"loads\""), output.constData());
    QVERIFY2(!notANumber.match(QString::fromUtf8(output)).hasMatch(), output.constData());
    if (!sane.isEmpty())
        QCOMPARE(output, run(sane));
}

// ---------------------------------------------------------------------------------------------
// Full disks and hostile titles

void TestFaults::fullDiskKeepsTheOldFile_data()
{
    QTest::addColumn<QString>("target");
    QTest::newRow("parameter file saved over an older one") << "params.vnt";
    QTest::newRow("settings store") << "Tarvanel/Vanto4.conf";
    QTest::newRow("range card PDF over an older one") << "card.pdf";
    QTest::newRow("range card PDF into a missing folder") << "missing/card.pdf";
}

// A write that fails says so once and leaves the older file whole, with nothing beside it: on
// a full disk (a tmpfs of 64 KiB) and in a folder that does not exist.
void TestFaults::fullDiskKeepsTheOldFile()
{
    QFETCH(QString, target);
    SmallFileSystem disk;
    const bool full = !target.startsWith("missing/");
    if (full && !disk.isMounted())
        QSKIP("a full disk is a small tmpfs, which only root may mount");
    const QString folder = full ? disk.path() : program->path();
    const QString file = folder + "/" + target;
    if (full) {
        QVERIFY(QDir().mkpath(QFileInfo(file).path()));
        QVERIFY(
            writeBytes(file, target.endsWith(".pdf") ? "%PDF-1.4 older card\n%%EOF\n" : "[global]\nunitSystem=1\n"));
    }
    QString expected;
    if (target.endsWith(".conf")) {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder);
        Settings settings;
        settings.initialize();
        QVERIFY(settings.saveStore());
        const QByteArray before = state(file);
        // Room for the settings class's lock file, not for the store.
        QVERIFY(disk.fillLeaving(4096));
        settings.setTemperature(30.0);
        settings.setCardStep(25);
        QCoreApplication::processEvents();
        QCOMPARE(settings.temperature(), 30.0);
        QCOMPARE(state(file), before);
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, storeDir->path());
        expected = "Warning|Your settings cannot be saved to " + file;
    } else {
        const QByteArray before = state(file);
        if (full)
            QVERIFY(disk.fillLeaving(target.endsWith(".pdf") ? 4096 : 0));
        const auto answer = [&](QWidget*, const QString&, const QString&, const QString&) { return file; };
        if (target.endsWith(".vnt")) {
            Saver saver;
            saver.setSaveFileNameProvider(answer);
            saver.save();
            expected = "Warning|The parameters could not be saved to " + file;
        } else {
            RangeCard card(0);
            card.populate();
            card.setSaveFileNameProvider(answer);
            card.on_pushButton_exportPdf_clicked();
            expected = "Warning|The range card could not be saved to " + file;
        }
        QCOMPARE(state(file), before);
    }
    QCOMPARE(warnings.size(), 1);
    QVERIFY2(warnings.first().startsWith(expected), qPrintable(warnings.first()));
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

// A title and a note from a file or a database are text wherever they show: the info panel, the
// load's tab, a warning about the load, the printed card and its PDF. A picture they name is
// never opened (a FIFO would block the window for good).
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
        if (label->text() == title && label->textFormat() == Qt::PlainText)
            ++panels;
    QCOMPARE(panels, 1);
    auto* tabs = WindowTesting::widget<QToolBox>(&window, "toolBox_params");
    QCOMPARE(tabs->itemText(tabs->count() - ShootContainer::loadCount), QString(title).replace("&", "&&"));

    load->setMuzzleVelocity(0);
    const auto box = MainWindow::warningBox("Warning", load->inputProblem());
    QCOMPARE(box->textFormat(), Qt::PlainText);
    QVERIFY(box->text().contains(title));
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
    QVERIFY(contents(program->path() + "/card.pdf").startsWith("%PDF"));
    QVERIFY2(warnings.isEmpty(), qPrintable(warnings.join('\n')));
}

QTEST_MAIN(TestFaults)
#include "tst_faults.moc"
