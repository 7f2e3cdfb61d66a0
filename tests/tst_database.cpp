// The bullet databases: the shipped files as the build makes them, the selector's filter, the
// bullet it copies into a load, and the custom database manager. Every test works on copies of
// the built databases in a temporary program folder (its db/ and its log.txt), with a private
// settings store; the program's own bin/db and bin/log.txt are never opened.
#include "app/resources.h"
#include "ballistics/shoot.h"
#include "core/messages.h"
#include "database/custodbmanager.h"
#include "database/dbselector.h"
#include "loads/shootcontainer.h"
#include "settings/settings.h"
#include "sqltesting.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QProcess>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSettings>
#include <QSpinBox>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlTableModel>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

using SqlTesting::sql;

const QStringList databaseFiles = {"centerfire.db", "rimfire.db", "airgun.db", "custom.db"};

QByteArray contents(const QString& fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

int fetchedRows(QAbstractItemModel* model)
{
    while (model->canFetchMore(QModelIndex()))
        model->fetchMore(QModelIndex());
    return model->rowCount();
}

QString cell(QAbstractItemModel* model, int row, int column)
{
    return model->index(row, column).data().toString();
}

// A band row of the custom database (ID 0), written as the manager writes it.
QString customRow(const QString& man, const QString& desc, double bc, const QString& velmin, const QString& velmax,
    const QString& len = "NULL", const QString& model = "'G1'")
{
    auto quoted = [](QString text) { return "'" + text.replace("'", "''") + "'"; };
    return QString("INSERT INTO bullets VALUES (0, %1, 0.308, %2, %3, %4, %5, %6, 168, '', %7)")
        .arg(quoted(man), quoted(desc))
        .arg(bc)
        .arg(velmin, velmax, len, model);
}

} // namespace

class TestDatabase : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void shippedDatabases_data();
    void shippedDatabases();
    void centerfireData();

    void openingLogsAndListsManufacturers();
    void filter_data();
    void filter();
    void filterTextsAreUpperCased_data();
    void filterTextsAreUpperCased();
    void quotesAreJustCharacters();
    void changingDatabaseKeepsTheFilterTexts();
    void missingDatabaseIsLoggedAndNotCreated_data();
    void missingDatabaseIsLoggedAndNotCreated();

    void selectCopiesTheBullet_data();
    void selectCopiesTheBullet();
    void selectThatCannotFillALoadChangesNothing();

    void managerTableLayout();
    void equalBulletsAreTwoRows();
    void addedBulletIsSelectable();
    void refusedInsertIsReported_data();
    void refusedInsertIsReported();
    void lockedCustomDatabaseIsNotDamaged();

    void customDatabaseBuild_data();
    void customDatabaseBuild();
    void unreadableCustomDatabaseIsLeftAlone_data();
    void unreadableCustomDatabaseIsLeftAlone();
    void buildToolReadsCsv();
    void csvImportRefusesBadRowsAndExportReadsBack();

private:
    QString dbFile(const QString& name) const { return program->path() + "/db/" + name; }
    QString logText() const;
    std::unique_ptr<DBselector> selector(int database = 0);
    static int highlight(DBselector& selector, const QString& man, const QString& desc);
    static QPushButton* button(QWidget& window, const char* name) { return window.findChild<QPushButton*>(name); }
    static QTableView* table(QWidget& window, const char* name) { return window.findChild<QTableView*>(name); }
    static void filterOn(DBselector& selector, const QStringList& texts);
    QString writeFile(const QString& name, const QByteArray& bytes) const;

    QTemporaryDir storeDir;
    std::unique_ptr<QTemporaryDir> program;
    QStringList warnings;
};

void TestDatabase::initTestCase()
{
    QLoggingCategory::setFilterRules("default.debug=false");
    QCoreApplication::setOrganizationName("Tarvanel");
    QCoreApplication::setApplicationName("Vanto4");
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, storeDir.path());
    QVERIFY2(QSettings().fileName().startsWith(storeDir.path()), qPrintable(QSettings().fileName()));
    Messages::setWarningSink([this](const QString& title, const QString& text) { warnings << title + "|" + text; });
    initVantoResources();
    Settings::instance();
    ShootContainer::instance();
    for (const QString& name : databaseFiles) {
        const QString built = QCoreApplication::applicationDirPath() + "/db/" + name;
        QVERIFY2(QFileInfo::exists(built), qPrintable(built + " was not built"));
    }
}

// A program folder of copies of the built databases, and four manual loads in millimetres.
void TestDatabase::init()
{
    program = std::make_unique<QTemporaryDir>();
    QVERIFY(QDir(program->path()).mkdir("db"));
    for (const QString& name : databaseFiles)
        QVERIFY(QFile::copy(QCoreApplication::applicationDirPath() + "/db/" + name, dbFile(name)));
    for (int index = 0; index < ShootContainer::loadCount; ++index) {
        Shoot* load = ShootContainer::instance()->GetShoot(index);
        load->setOrigin("manual");
        load->setTitle(QString("Load %1").arg(index + 1));
        load->setBCMulti({0.0}, {0.3});
        load->setGModel(4);
        load->setWeight(10.0);
        load->setWeightUnit(1);
        load->setCaliber(7.0);
        load->setCaliberUnit(1);
        load->setLength(31.0);
        load->setLengthUnit(1);
    }
    warnings.clear();
}

QString TestDatabase::logText() const
{
    QFile file(program->path() + "/log.txt");
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString("<no log>");
}

std::unique_ptr<DBselector> TestDatabase::selector(int database)
{
    auto window = std::make_unique<DBselector>(program->path());
    window->findChild<QComboBox*>("comboBox_db")->setCurrentIndex(database);
    return window;
}

// Filters on the manufacturer, calibre and weight texts.
void TestDatabase::filterOn(DBselector& selector, const QStringList& texts)
{
    QComboBox* manufacturers = selector.findChild<QComboBox*>("comboBox_man");
    manufacturers->setCurrentIndex(manufacturers->findText(texts.value(0)));
    selector.findChild<QLineEdit*>("lineEdit_cal")->setText(texts.value(1));
    selector.findChild<QLineEdit*>("lineEdit_weight")->setText(texts.value(2));
    button(selector, "pushButton_filter")->click();
}

QString TestDatabase::writeFile(const QString& name, const QByteArray& bytes) const
{
    QFile file(program->path() + "/" + name);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
    return file.fileName();
}

// Highlights the bullet as a click on its row would; returns the row or -1.
int TestDatabase::highlight(DBselector& selector, const QString& man, const QString& desc)
{
    QTableView* bullets = table(selector, "tableView_bullets");
    QAbstractItemModel* model = bullets->model();
    for (int row = 0; row < fetchedRows(model); ++row) {
        if (cell(model, row, 0) == man && cell(model, row, 3) == desc) {
            bullets->selectionModel()->setCurrentIndex(model->index(row, 1), QItemSelectionModel::ClearAndSelect);
            return row;
        }
    }
    return -1;
}

void TestDatabase::shippedDatabases_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("bullets");
    QTest::newRow("centerfire") << "centerfire.db" << 1480 << 1014;
    QTest::newRow("rimfire") << "rimfire.db" << 2 << 2;
    QTest::newRow("airgun, from a CSV without rows") << "airgun.db" << 0 << 0;
    QTest::newRow("custom") << "custom.db" << 0 << 0;
}

void TestDatabase::shippedDatabases()
{
    QFETCH(QString, file);
    QFETCH(int, rows);
    QFETCH(int, bullets);
    QCOMPARE(sql(dbFile(file), {"SELECT COUNT(*) FROM bullets"}), QVariant(qlonglong(rows)));
    QCOMPARE(sql(dbFile(file), {"SELECT COUNT(*) FROM bullet_single"}), QVariant(qlonglong(bullets)));
    // No shipped bullet has a length, and every band has its lower bound.
    QCOMPARE(sql(dbFile(file), {"SELECT COUNT(*) FROM bullets WHERE len IS NOT NULL OR velmin IS NULL"}),
        QVariant(qlonglong(0)));
}

void TestDatabase::centerfireData()
{
    // Every Sierra bullet has 3 to 5 bands; the other makers publish one coefficient.
    QCOMPARE(sql(dbFile("centerfire.db"),
                 {"SELECT COUNT(*) || ' ' || MIN(n) || ' ' || MAX(n) FROM (SELECT COUNT(*) "
                  "AS n FROM bullets WHERE man = 'Sierra' GROUP BY desc, weight, model)"}),
        QVariant("192 3 5"));
    // Quoted CSV fields keep their commas, and the makers' marks survive as UTF-8.
    QCOMPARE(sql(dbFile("centerfire.db"),
                 {"SELECT weight FROM bullets WHERE desc = "
                  "'10mm .400 180 gr HAP® Bulk Box of 1,900'"}),
        QVariant(qlonglong(180)));
}

void TestDatabase::openingLogsAndListsManufacturers()
{
    auto window = selector();
    QCOMPARE(window->windowTitle(), QString("Bullet Selection"));
    QCOMPARE(logText(), QString("nouveau logwriter\r\nDBselector::DBselector\r\n\r\n"));
    QComboBox* manufacturers = window->findChild<QComboBox*>("comboBox_man");
    QStringList names;
    for (int i = 0; i < manufacturers->count(); ++i)
        names << manufacturers->itemText(i);
    QCOMPARE(names, QStringList({"", "Barnes", "Berger", "Hornady", "Lapua", "Sierra", "Speer"}));

    QAbstractItemModel* bullets = table(*window, "tableView_bullets")->model();
    QStringList headers;
    for (int column = 0; column < bullets->columnCount(); ++column)
        headers << bullets->headerData(column, Qt::Horizontal).toString();
    QCOMPARE(headers,
        QStringList({"Manufacturer", "Caliber", "Grains", "Description", "Length", "Reference Number", "Model"}));
}

void TestDatabase::filter_data()
{
    QTest::addColumn<QStringList>("texts"); // manufacturer, calibre, weight
    QTest::addColumn<int>("count");
    // Counts taken from centerfire.csv, with each number in its shortest text form.
    QTest::newRow("empty filter lists every bullet") << QStringList() << 1014;
    QTest::newRow("manufacturer") << QStringList{"Sierra"} << 192;
    QTest::newRow("calibre 308 finds 0.308") << QStringList{"", "308"} << 189;
    QTest::newRow("calibre .308") << QStringList{"", ".308"} << 189;
    QTest::newRow("weight") << QStringList{"", "", "168"} << 20;
    QTest::newRow("all three") << QStringList{"Sierra", "308", "168"} << 2;
    QTest::newRow("fractional weight") << QStringList{"Berger", "", "155.5"} << 1;
    QTest::newRow("whole weights have no .0") << QStringList{"", "", ".0"} << 0;
    QTest::newRow("calibre and weight") << QStringList{"Hornady", "224", "55"} << 12;
    // "_" and "%" are characters, not the wildcards of LIKE.
    QTest::newRow("weight 1_8") << QStringList{"", "", "1_8"} << 0;
    QTest::newRow("calibre 3%8") << QStringList{"", "3%8"} << 0;
}

void TestDatabase::filter()
{
    QFETCH(QStringList, texts);
    QFETCH(int, count);
    auto window = selector();
    filterOn(*window, texts);
    QCOMPARE(fetchedRows(table(*window, "tableView_bullets")->model()), count);
}

void TestDatabase::filterTextsAreUpperCased_data()
{
    QTest::addColumn<QStringList>("texts");
    // SQLite's LIKE folds ASCII letters only, so a lower-case "é" finds "É" only upper-cased.
    QTest::newRow("calibre") << QStringList{"", "étalon"};
    QTest::newRow("weight") << QStringList{"", "", "éprouvette"};
}

void TestDatabase::filterTextsAreUpperCased()
{
    QFETCH(QStringList, texts);
    sql(dbFile("custom.db"),
        {"INSERT INTO bullets VALUES (0, 'Atelier', 'ÉTALON', 'Test', 0.3, 0, 'max', NULL, "
         "'ÉPROUVETTE', '', 'G1')"});
    auto window = selector(3);
    filterOn(*window, texts);
    QCOMPARE(fetchedRows(table(*window, "tableView_bullets")->model()), 1);
}

void TestDatabase::quotesAreJustCharacters()
{
    sql(dbFile("custom.db"), {customRow("O'Brien", "7.62 \"Long\" d'or", 0.45, "0", "'max'")});
    auto window = selector(3);
    QVERIFY(window->findChild<QComboBox*>("comboBox_man")->findText("O'Brien") > 0);
    filterOn(*window, {"O'Brien"});
    QAbstractItemModel* bullets = table(*window, "tableView_bullets")->model();
    QCOMPARE(fetchedRows(bullets), 1);

    filterOn(*window, {"", "3'", "1'6"});
    QCOMPARE(fetchedRows(bullets), 0);
    QCOMPARE(qobject_cast<QSqlQueryModel*>(bullets)->lastError().text(), QString());

    filterOn(*window, {"O'Brien"});
    QCOMPARE(highlight(*window, "O'Brien", "7.62 \"Long\" d'or"), 0);
    QCOMPARE(fetchedRows(table(*window, "tableView_details")->model()), 1);
    window->ProcessRequestBulletDB(1);
    button(*window, "pushButton_select")->click();
    QCOMPARE(ShootContainer::instance()->GetShoot(1)->title(), QString("O'Brien    7.62 \"Long\" d'or"));
}

void TestDatabase::changingDatabaseKeepsTheFilterTexts()
{
    auto window = selector();
    filterOn(*window, {"", "224"});
    table(*window, "tableView_bullets")->setCurrentIndex(table(*window, "tableView_bullets")->model()->index(0, 0));
    QVERIFY(fetchedRows(table(*window, "tableView_details")->model()) > 0);
    window->findChild<QComboBox*>("comboBox_db")->setCurrentIndex(1);
    QCOMPARE(fetchedRows(table(*window, "tableView_details")->model()), 0); // no bands of the other file
    QCOMPARE(window->findChild<QLineEdit*>("lineEdit_cal")->text(), QString("224"));
    QCOMPARE(window->findChild<QComboBox*>("comboBox_man")->count(), 3); // "", Federal, Hornady
    QAbstractItemModel* bullets = table(*window, "tableView_bullets")->model();
    QCOMPARE(fetchedRows(bullets), 1);
    QCOMPARE(cell(bullets, 0, 0), QString("Federal"));
    QVERIFY2(logText().endsWith("DBselector::DBselector\r\n\r\n\r\n"), qPrintable(logText()));
}

void TestDatabase::missingDatabaseIsLoggedAndNotCreated_data()
{
    QTest::addColumn<int>("database");
    QTest::newRow("shipped, read-only") << 0;
    QTest::newRow("custom, read-write") << 3;
}

void TestDatabase::missingDatabaseIsLoggedAndNotCreated()
{
    QFETCH(int, database);
    const QString file = dbFile(databaseFiles.at(database));
    QVERIFY(QFile::remove(file));
    auto window = selector(database);
    QVERIFY2(!QFileInfo::exists(file), "opening a missing database created it");
    QVERIFY2(logText().contains("unable to open database file"), qPrintable(logText()));
    QCOMPARE(window->findChild<QComboBox*>("comboBox_man")->count(), 1);
    QCOMPARE(fetchedRows(table(*window, "tableView_bullets")->model()), 0);
}

void TestDatabase::selectCopiesTheBullet_data()
{
    QTest::addColumn<int>("database");
    QTest::addColumn<QString>("man");
    QTest::addColumn<QString>("desc");
    QTest::addColumn<double>("weight");
    QTest::addColumn<double>("caliber");
    QTest::addColumn<QList<double>>("velMins");
    QTest::addColumn<QList<double>>("BCs");
    QTest::addColumn<int>("gModel");
    // The shipped databases hold G1 coefficients and no lengths.
    QTest::newRow("Sierra, three bands") << 0 << "Sierra"
                                         << ".30 Caliber/7.62mm (.308) 175 gr. HPBT MatchKing" << 175.0 << 0.308
                                         << QList<double>{0, 1800, 2800} << QList<double>{0.485, 0.496, 0.505} << 0;
    QTest::newRow("fractional weight") << 0 << "Berger"
                                       << "30 Cal 155.5 gr FULLBORE Target" << 155.5 << 0.308 << QList<double>{0}
                                       << QList<double>{0.473} << 0;
    QTest::newRow("rimfire") << 1 << "Hornady"
                             << "17 HMR 17 gr V-MAX" << 17.0 << 0.172 << QList<double>{0} << QList<double>{0.125} << 0;
    // Rows of a G7 bullet of the user's own: the load computes with G7.
    QTest::newRow("two custom bands, G7")
        << 3 << "Atelier"
        << "Two bands" << 168.0 << 0.308 << QList<double>{0, 1800} << QList<double>{0.505, 0.496} << 4;
    QTest::newRow("description NULL") << 3 << "Plain"
                                      << "" << 55.0 << 0.224 << QList<double>{0} << QList<double>{0.25} << 0;
}

void TestDatabase::selectCopiesTheBullet()
{
    QFETCH(int, database);
    QFETCH(QString, man);
    QFETCH(QString, desc);
    QFETCH(double, weight);
    QFETCH(double, caliber);
    QFETCH(QList<double>, velMins);
    QFETCH(QList<double>, BCs);
    QFETCH(int, gModel);
    sql(dbFile("custom.db"),
        {customRow("Atelier", "Two bands", 0.505, "0", "1800", "NULL", "'G7'"),
            customRow("Atelier", "Two bands", 0.496, "1800", "'max'", "NULL", "'G7'"),
            "INSERT INTO bullets VALUES (0, 'Plain', 0.224, NULL, 0.25, 0, 'max', 0, 55, '', 'G1')"});
    auto window = selector(database);
    window->ProcessRequestBulletDB(2);
    QVERIFY(window->isVisible());
    QVERIFY(highlight(*window, man, desc) >= 0);
    QAbstractItemModel* details = table(*window, "tableView_details")->model();
    QCOMPARE(fetchedRows(details), BCs.size());
    QCOMPARE(details->headerData(1, Qt::Horizontal).toString(), QString("From FPS"));
    QCOMPARE(cell(details, BCs.size() - 1, 2), QString("max"));

    button(*window, "pushButton_select")->click();
    const Shoot* load = ShootContainer::instance()->GetShoot(2);
    QCOMPARE(load->velMinList(), velMins);
    QCOMPARE(load->BCList(), BCs);
    QCOMPARE(load->title(), man + "    " + desc);
    QCOMPARE(load->origin(), QString("db"));
    QCOMPARE(load->gModel(), gModel);
    QVERIFY(load->lengthNeedsCheck()); // none of these bullets has a length
    QCOMPARE(load->weight(), weight);
    QCOMPARE(load->weightUnit(), 0);
    QCOMPARE(load->caliber(), caliber);
    QCOMPARE(load->caliberUnit(), 0);
    QVERIFY(Settings::instance()->isInitialized());
    QVERIFY(!window->isVisible());
    QCOMPARE(ShootContainer::instance()->GetShoot(0)->title(), QString("Load 1"));
}

// Select fills the load only from a highlighted bullet with bands; otherwise the window stays.
void TestDatabase::selectThatCannotFillALoadChangesNothing()
{
    sql(dbFile("custom.db"), {customRow("Atelier", "Gone", 0.5, "0", "'max'")});
    auto window = selector(3);
    window->ProcessRequestBulletDB(1);
    const Shoot* load = ShootContainer::instance()->GetShoot(1);
    button(*window, "pushButton_select")->click(); // nothing highlighted yet

    // A new filter clears the highlight, though the last bullet is still remembered.
    QVERIFY(highlight(*window, "Atelier", "Gone") >= 0);
    button(*window, "pushButton_filter")->click();
    button(*window, "pushButton_select")->click();

    // The bullet's rows went away behind the window's back.
    QVERIFY(highlight(*window, "Atelier", "Gone") >= 0);
    sql(dbFile("custom.db"), {"DELETE FROM bullets"});
    button(*window, "pushButton_select")->click();
    QCOMPARE(load->title(), QString("Load 2"));
    QCOMPARE(load->BCList(), QList<double>{0.3});
    QVERIFY(window->isVisible());

    button(*window, "pushButton_cancel")->click();
    QVERIFY(!window->isVisible());
    QCOMPARE(load->origin(), QString("manual"));
}

void TestDatabase::managerTableLayout()
{
    sql(dbFile("custom.db"), {customRow("Zeta", "z", 0.4, "0", "'max'"), customRow("Alpha", "a", 0.4, "0", "'max'")});
    CustoDBManager manager(program->path());
    QCOMPARE(manager.windowTitle(), QString("Manage custom database"));
    QCOMPARE(logText(), QString("nouveau logwriter\r\nCustoDBManager::CustoDBManager\r\n"));
    QTableView* view = table(manager, "tableView_custo");
    QAbstractItemModel* model = view->model();
    QStringList headers;
    for (int column = 0; column < model->columnCount(); ++column)
        headers << (view->isColumnHidden(column) ? "-" : model->headerData(column, Qt::Horizontal).toString());
    QCOMPARE(headers,
        QStringList({"-", "Manufacturer", "Caliber", "Description", "BC", "-", "-", "Lenght", "Grains",
            "Reference Number", "Model"}));
    QCOMPARE(cell(model, 0, 1), QString("Alpha"));
    QCOMPARE(cell(model, 1, 1), QString("Zeta"));

    manager.show();
    button(manager, "pushButton_close")->click();
    QVERIFY(manager.isHidden());
}

void TestDatabase::equalBulletsAreTwoRows()
{
    CustoDBManager manager(program->path());
    button(manager, "pushButton_remove")->click(); // no current row: nothing happens
    manager.findChild<QLineEdit*>("lineEdit_man")->setText("Atelier");
    manager.findChild<QDoubleSpinBox*>("doubleSpinBox_BC")->setValue(0.412);
    manager.findChild<QDoubleSpinBox*>("spinBox_weight")->setValue(150);
    button(manager, "pushButton_add")->click();
    button(manager, "pushButton_add")->click();
    QTableView* view = table(manager, "tableView_custo");
    QCOMPARE(view->model()->rowCount(), 2);
    // Empty texts go in as '', every row is one band from 0 upward, with ID 0.
    QCOMPARE(sql(dbFile("custom.db"),
                 {"SELECT COUNT(*) FROM bullets WHERE ID = 0 AND man = 'Atelier' AND desc = '' "
                  "AND diam = 0.224 AND BC = 0.412 AND velmin = 0 AND velmax = 'max' AND len = 1 "
                  "AND weight = 150 AND catnum = '' AND model = 'G1'"}),
        QVariant(qlonglong(2)));
    QVERIFY(warnings.isEmpty());

    // The table has no key: removing by the row's values used to delete both twins.
    view->setCurrentIndex(view->model()->index(1, 1));
    button(manager, "pushButton_remove")->click();
    QCOMPARE(sql(dbFile("custom.db"), {"SELECT COUNT(*) FROM bullets"}), QVariant(qlonglong(1)));
    QCOMPARE(view->model()->rowCount(), 1);
}

void TestDatabase::addedBulletIsSelectable()
{
    CustoDBManager manager(program->path());
    manager.findChild<QLineEdit*>("lineEdit_man")->setText("Atelier");
    manager.findChild<QLineEdit*>("lineEdit_desc")->setText("Maison");
    manager.findChild<QDoubleSpinBox*>("doubleSpinBox_cal")->setValue(0.264);
    manager.findChild<QDoubleSpinBox*>("doubleSpinBox_length")->setValue(1.35);
    manager.findChild<QDoubleSpinBox*>("doubleSpinBox_BC")->setValue(0.6125);
    manager.findChild<QDoubleSpinBox*>("spinBox_weight")->setValue(18.13);
    manager.findChild<QComboBox*>("comboBox_model")->setCurrentText("G7");
    button(manager, "pushButton_add")->click();

    auto window = selector(3);
    window->ProcessRequestBulletDB(0);
    QVERIFY(highlight(*window, "Atelier", "Maison") >= 0);
    button(*window, "pushButton_select")->click();
    const Shoot* load = ShootContainer::instance()->GetShoot(0);
    QCOMPARE(load->BCList(), QList<double>{0.6125});
    QCOMPARE(load->velMinList(), QList<double>{0.0});
    QCOMPARE(load->gModel(), 4);
    QCOMPARE(load->weight(), 18.13);
    QVERIFY(!load->lengthNeedsCheck());
    QCOMPARE(load->caliber(), 0.264);
    QCOMPARE(load->length(), 1.35);
    QCOMPARE(load->lengthUnit(), 0);

    // A shipped bullet has no length: the load keeps 1.35 in, not 0 (an infinite stability).
    window->findChild<QComboBox*>("comboBox_db")->setCurrentIndex(0);
    QVERIFY(highlight(*window, "Lapua", "ScenarL") >= 0);
    button(*window, "pushButton_select")->click();
    QCOMPARE(load->title(), QString("Lapua    ScenarL"));
    QCOMPARE(load->length(), 1.35);
    QCOMPARE(load->lengthUnit(), 0);
}

void TestDatabase::refusedInsertIsReported_data()
{
    QTest::addColumn<QString>("damage");
    QTest::newRow("missing file") << "DROP";
    QTest::newRow("table that refuses rows") << "CREATE TRIGGER refuse BEFORE INSERT ON bullets "
                                                "BEGIN SELECT RAISE(ABORT, 'read-only'); END";
}

void TestDatabase::refusedInsertIsReported()
{
    QFETCH(QString, damage);
    if (damage == "DROP")
        QVERIFY(QFile::remove(dbFile("custom.db")));
    else
        sql(dbFile("custom.db"), {damage});
    CustoDBManager manager(program->path());
    button(manager, "pushButton_add")->click();
    QCOMPARE(warnings.size(), 1);
    QVERIFY2(warnings.first().startsWith("Warning|The bullet could not be added"), qPrintable(warnings.first()));
    QCOMPARE(table(manager, "tableView_custo")->model()->rowCount(), 0);
    QCOMPARE(QFileInfo::exists(dbFile("custom.db")), damage != "DROP");
}

// Another program holds custom.db locked while the manager opens it: the window says so, not
// "damaged", and once the lock is gone the next addition goes in.
void TestDatabase::lockedCustomDatabaseIsNotDamaged()
{
    {
        QSqlDatabase locker = QSqlDatabase::addDatabase("QSQLITE", "locker");
        locker.setDatabaseName(dbFile("custom.db"));
        QVERIFY(locker.open());
        QVERIFY(QSqlQuery(locker).exec("BEGIN EXCLUSIVE"));
        CustoDBManager manager(program->path());
        const auto* problem = manager.findChild<QLabel*>("label_problem");
        QVERIFY2(problem->text().contains("holds the file locked"), qPrintable(problem->text()));
        QVERIFY(!problem->text().contains("damaged"));

        QVERIFY(QSqlQuery(locker).exec("ROLLBACK"));
        locker.close();
        button(manager, "pushButton_add")->click();
        QVERIFY2(warnings.isEmpty(), qPrintable(warnings.join('\n')));
        QVERIFY(problem->isHidden());
        QCOMPARE(fetchedRows(table(manager, "tableView_custo")->model()), 1);
    }
    QSqlDatabase::removeDatabase("locker");
}

void TestDatabase::customDatabaseBuild_data()
{
    QTest::addColumn<QStringList>("setup"); // statements run on the copy; "missing" or "empty file"
    QTest::addColumn<bool>("kept");
    // user_version marks the file: a file made again by the tool reads 0.
    QTest::newRow("holds a bullet") << QStringList{customRow("Atelier", "Mine", 0.5, "0", "'max'"),
        "PRAGMA user_version = 7"} << true;
    QTest::newRow("holds a bullet, older schema") << QStringList{customRow("Atelier", "Mine", 0.5, "0", "'max'"),
        "DROP VIEW bullet_single", "PRAGMA user_version = 7"}
                                                  << true;
    QTest::newRow("no bullets, current schema") << QStringList{"PRAGMA user_version = 7"} << true;
    QTest::newRow("no bullets, older schema")
        << QStringList{"DROP VIEW bullet_single", "PRAGMA user_version = 7"} << false;
    QTest::newRow("no bullets table") << QStringList{"DROP VIEW bullet_single", "DROP TABLE bullets"} << false;
    QTest::newRow("empty file") << QStringList{"empty file"} << false;
    QTest::newRow("missing") << QStringList{"missing"} << false;
}

// The build runs the tool on the custom database of the build tree: the user's bullets stay.
void TestDatabase::customDatabaseBuild()
{
    QFETCH(QStringList, setup);
    QFETCH(bool, kept);
    const QString file = dbFile("custom.db");
    QFile::remove(file);
    if (setup.first() == "empty file")
        QVERIFY(QFile(file).open(QIODevice::WriteOnly));
    else if (setup.first() != "missing")
        QVERIFY(QFile::copy(QCoreApplication::applicationDirPath() + "/db/custom.db", file));
    if (QFileInfo(file).size() > 0)
        QCOMPARE(sql(file, setup), QVariant());
    const QByteArray before = contents(file);

    QCOMPARE(QProcess::execute(VANTO_MKDB, {"--custom", VANTO_DB_SCHEMA, file}), 0);
    if (kept) {
        QCOMPARE(contents(file), before);
        QCOMPARE(sql(file, {"PRAGMA user_version"}), QVariant(qlonglong(7)));
    } else {
        QCOMPARE(sql(file, {"PRAGMA user_version"}), QVariant(qlonglong(0)));
        QCOMPARE(sql(file, {"SELECT COUNT(*) FROM bullet_single"}), QVariant(qlonglong(0)));
    }
    QVERIFY(!QFileInfo::exists(file + ".part"));
}

void TestDatabase::unreadableCustomDatabaseIsLeftAlone_data()
{
    QTest::addColumn<QString>("damage");
    QTest::newRow("random bytes") << "random bytes";
    QTest::newRow("truncated, with bullets") << "truncated";
    QTest::newRow("a text file") << "text";
}

// A custom database that does not read may still hold the user's bullets: the build never
// replaces it with an empty one, it fails and says so.
void TestDatabase::unreadableCustomDatabaseIsLeftAlone()
{
    QFETCH(QString, damage);
    const QString file = dbFile("custom.db");
    QStringList rows;
    for (int i = 0; i < 200; ++i)
        rows << customRow("Atelier", QString("Bullet %1").arg(i), 0.4, "0", "'max'");
    QCOMPARE(sql(file, rows), QVariant());
    QByteArray bytes = contents(file);
    if (damage == "random bytes") {
        QRandomGenerator generator(99);
        for (char& byte : bytes)
            byte = char(generator.bounded(256));
    } else if (damage == "truncated") {
        bytes.truncate(bytes.size() / 2);
    } else {
        bytes = "man,diam,desc\nAtelier,0.308,Long\n";
    }
    writeFile("db/custom.db", bytes);
    QCOMPARE(contents(file), bytes);

    QCOMPARE(QProcess::execute(VANTO_MKDB, {"--custom", VANTO_DB_SCHEMA, file}), 1);
    QCOMPARE(contents(file), bytes);
    QVERIFY(!QFileInfo::exists(file + ".part"));
}

void TestDatabase::buildToolReadsCsv()
{
    const QByteArray header = "man,diam,desc,bc,velmin,velmax,len,weight,catnum,model\r\n";
    const QString csv = writeFile("bullets.csv",
        header
            + "Atelier,0.308,\"Box of 1,500 \"\"Match\"\"\nline two\",0.4,0,1800,,80.5,A1,G1\r\n"
              "Atelier,0.308,\"Box of 1,500 \"\"Match\"\"\nline two\",0.38,1800,max,,80.5,A1,G1\r\n"
              "\r\n"
              "Forge™,0.5,Plain,0.2,0,max,1.1,300,,G1");
    const QString output = program->path() + "/out.db";
    QCOMPARE(QProcess::execute(VANTO_MKDB, {VANTO_DB_SCHEMA, csv, output}), 0);
    QCOMPARE(sql(output, {"SELECT COUNT(*) FROM bullet_single"}), QVariant(qlonglong(2)));
    QCOMPARE(
        sql(output, {"SELECT desc FROM bullets WHERE velmin = 1800"}), QVariant("Box of 1,500 \"Match\"\nline two"));
    QCOMPARE(sql(output, {"SELECT typeof(len) || typeof(velmax) || typeof(weight) FROM bullets WHERE rowid = 1"}),
        QVariant("nullintegerreal"));
    QCOMPARE(sql(output, {"SELECT man || len || velmax || weight || quote(catnum) FROM bullets WHERE rowid = 3"}),
        QVariant("Forge™1.1max300''"));

    // A file that does not read leaves the previous database as it was, and no partial file.
    const QString broken = writeFile("broken.csv", header + "Atelier,0.308,Heavy,0.4,0,max,,eighty,,G1\r\n");
    QCOMPARE(QProcess::execute(VANTO_MKDB, {VANTO_DB_SCHEMA, broken, output}), 1);
    QCOMPARE(sql(output, {"SELECT COUNT(*) FROM bullets"}), QVariant(qlonglong(3)));
    QVERIFY(!QFileInfo::exists(output + ".part"));
}

void TestDatabase::csvImportRefusesBadRowsAndExportReadsBack()
{
    // A pellet list made by hand, with mistakes.
    const QString pellets = writeFile("pellets.csv",
        "man,diam,desc,bc,velmin,velmax,len,weight,catnum,model\r\n"
        "JSB,0.177,\"Exact, 8.44 gr\",0.021,0,max,,8.44,546,G1\r\n"
        "H&N,0.22,\"Field \"\"Target\"\" Trophy\",0.025,0,max,0.28,14.66,,g1\r\n"
        "Atelier,0.25,Two bands,0.030,0,800,0,25.39,,G1\n"
        "Atelier,0.25,Two bands,0.032,800,max,,25.39,,G1\n"
        "Broken,abc,Bad diameter,0.02,0,max,,8,,G1\n"
        "Hand,0.177,No band,0.02,,,,8,,G1\n"
        "Broken,0.177,Bad model,0.02,0,max,,8,,G3\n"
        "Short,0.177,too few\n"
        "Broken,0.177,\"Line\nbreak\",0,0,max,,8,,G1\n");
    const QString exported = program->path() + "/out.csv";
    const QString again = program->path() + "/again.csv";
    QStringList names = {pellets, exported, exported, again, program->path() + "/no/such/folder/x.csv"};
    CustoDBManager manager(program->path());
    manager.setFileNameProvider(
        [&](QWidget*, const QString&, const QString&, const QString&, bool) { return names.takeFirst(); });
    button(manager, "pushButton_importCsv")->click();
    QCOMPARE(manager.findChild<QLabel*>("label_csvReport")->text(), "5 row(s) added from " + pellets);
    QCOMPARE(warnings.size(), 1);
    const QStringList refused = warnings.first().split('\n').mid(1);
    QCOMPARE(refused.size(), 4);
    QVERIFY2(refused[0].startsWith("Line 6, column diam: not a number"), qPrintable(refused[0]));
    QVERIFY2(refused[1].startsWith("Line 8, column model: "), qPrintable(refused[1]));
    QCOMPARE(refused[2], QString("Line 9: 3 fields, the header has 10"));
    QVERIFY2(refused[3].startsWith("Line 10, column bc: out of range"), qPrintable(refused[3]));

    // Exported, imported again and exported: the same rows twice, quoted where they must be.
    button(manager, "pushButton_exportCsv")->click();
    const auto read = [](const QString& name) {
        QFile file(name);
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    };
    const QString first = read(exported);
    const QStringList rows = first.split('\n', Qt::SkipEmptyParts).mid(1);
    QCOMPARE(rows.size(), 5);
    QCOMPARE(rows[2], QString("Atelier,0.25,Two bands,0.03,0,800,,25.39,,G1"));
    QCOMPARE(rows[4], QString("Hand,0.177,No band,0.02,0,max,,8,,G1"));
    QCOMPARE(rows[0], QString("JSB,0.177,\"Exact, 8.44 gr\",0.021,0,max,,8.44,546,G1"));
    QCOMPARE(rows[1], QString("H&N,0.22,\"Field \"\"Target\"\" Trophy\",0.025,0,max,0.28,14.66,,G1"));
    button(manager, "pushButton_importCsv")->click();
    button(manager, "pushButton_exportCsv")->click();
    QCOMPARE(read(again), first + rows.join('\n') + '\n');

    // A file that cannot be written says so.
    warnings.clear();
    button(manager, "pushButton_exportCsv")->click();
    QCOMPARE(warnings.size(), 1);
    QVERIFY(warnings.first().contains("could not be exported"));
}

QTEST_MAIN(TestDatabase)
#include "tst_database.moc"
