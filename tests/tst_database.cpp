// The bullet databases, the selector and the custom database manager, on copies of the built
// databases in a temporary program folder (its db/ and log.txt) with a private settings store.
#include "app/resources.h"
#include "ballistics/coefficientlist.h"
#include "ballistics/shoot.h"
#include "core/messages.h"
#include "database/custodbmanager.h"
#include "database/dbselector.h"
#include "filetesting.h"
#include "loads/shootcontainer.h"
#include "settings/settings.h"
#include "sqltesting.h"

#include <QtSql>
#include <QtTest>
#include <QtWidgets>

#include <memory>

namespace {

using SqlTesting::sql;

const QStringList databaseFiles = {"centerfire.db", "rimfire.db", "airgun.db", "custom.db"};

using FileTesting::state;

int fetchedRows(QAbstractItemModel* model)
{
    while (model->canFetchMore(QModelIndex()))
        model->fetchMore(QModelIndex());
    return model->rowCount();
}

// A band row of the custom database (ID 0), written as the manager writes it.
QString customRow(
    QString man, QString desc, double bc, const QString& velmin, const QString& velmax, const QString& model = "'G1'")
{
    return QString("INSERT INTO bullets VALUES (0, '%1', 0.308, '%2', %3, %4, %5, NULL, 168, '', %6)")
        .arg(man.replace("'", "''"), desc.replace("'", "''"), QString::number(bc), velmin, velmax, model);
}

const auto cell
    = [](QAbstractItemModel* model, int row, int column) { return model->index(row, column).data().toString(); };
const auto button = [](QWidget& window, const char* name) { return window.findChild<QPushButton*>(name); };
const auto model = [](QWidget& window, const char* name) { return window.findChild<QTableView*>(name)->model(); };

// Filters on the manufacturer, calibre and weight texts.
void filterOn(DBselector& selector, const QStringList& texts)
{
    auto* manufacturers = selector.findChild<QComboBox*>("comboBox_man");
    manufacturers->setCurrentIndex(manufacturers->findText(texts.value(0)));
    selector.findChild<QLineEdit*>("lineEdit_cal")->setText(texts.value(1));
    selector.findChild<QLineEdit*>("lineEdit_weight")->setText(texts.value(2));
    button(selector, "pushButton_filter")->click();
}

// Highlights the bullet as a click on its row would; returns the row or -1.
int highlight(DBselector& selector, const QString& man, const QString& desc)
{
    auto* bullets = selector.findChild<QTableView*>("tableView_bullets");
    for (int row = 0; row < fetchedRows(bullets->model()); ++row)
        if (cell(bullets->model(), row, 0) == man && cell(bullets->model(), row, 3) == desc) {
            bullets->selectionModel()->setCurrentIndex(
                bullets->model()->index(row, 1), QItemSelectionModel::ClearAndSelect);
            return row;
        }
    return -1;
}

// Bands, coefficients, drag model, weight, calibre and length of a load, with their units.
QString describe(const Shoot* load)
{
    const auto unit = [](int index, const char* first, const char* second) { return QString(index ? second : first); };
    return QString("%1 | %2 | G%3 %4 %5 %6 %7 | %8 %9, %10")
        .arg(CoefficientList::format(load->velMinList()), CoefficientList::format(load->BCList()),
            QString::number(load->gModel()), QString::number(load->weight()), unit(load->weightUnit(), "gr", "g"),
            QString::number(load->caliber()), unit(load->caliberUnit(), "in", "mm"), QString::number(load->length()),
            unit(load->lengthUnit(), "in", "mm"))
        .arg(load->lengthNeedsCheck() ? "check" : "ok");
}

} // namespace

class TestDatabase : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void shippedDatabases();
    void filter_data();
    void filter();
    void changingDatabaseKeepsTheFilterTexts();
    void selectCopiesTheBullet_data();
    void selectCopiesTheBullet();
    void managerRowsReachTheSelector();
    void lockedOrRefusingCustomDatabase();
    void customDatabaseBuild_data();
    void customDatabaseBuild();
    void buildToolReadsCsv();
    void csvImportRefusesBadRowsAndExportReadsBack();

private:
    static QVariant count(qlonglong n) { return QVariant(n); }
    QString dbFile(const QString& name) const { return program->path() + "/db/" + name; }
    QString logText() const { return QString::fromUtf8(state(program->path() + "/log.txt")); }
    std::unique_ptr<DBselector> selector(int database = 0)
    {
        auto window = std::make_unique<DBselector>(program->path());
        window->findChild<QComboBox*>("comboBox_db")->setCurrentIndex(database);
        return window;
    }
    QString writeFile(const QString& name, const QByteArray& bytes) const
    {
        QFile file(program->path() + "/" + name);
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes);
        return file.fileName();
    }

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
}

// A program folder of copies of the built databases, and four manual loads in millimetres.
void TestDatabase::init()
{
    program = std::make_unique<QTemporaryDir>();
    QVERIFY(QDir(program->path()).mkdir("db"));
    for (const QString& name : databaseFiles)
        QVERIFY2(QFile::copy(QCoreApplication::applicationDirPath() + "/db/" + name, dbFile(name)), qPrintable(name));
    for (int index = 0; index < ShootContainer::loadCount; ++index) {
        Shoot* load = ShootContainer::instance()->GetShoot(index);
        load->setOrigin("manual");
        load->setWeightUnit(1);
        load->setCaliberUnit(1);
        load->setLength(31);
        load->setLengthUnit(1);
    }
    warnings.clear();
}

void TestDatabase::shippedDatabases()
{
    // Rows and bullets; no shipped bullet has a length, and every band has its lower bound.
    const QList<QList<int>> expected = {{1480, 1014}, {2, 2}, {0, 0}, {0, 0}};
    for (int i = 0; i < databaseFiles.size(); ++i)
        QCOMPARE(sql(dbFile(databaseFiles[i]),
                     {"SELECT COUNT(*) || ' ' || (SELECT COUNT(*) FROM bullet_single) || "
                      "' ' || total(len IS NOT NULL OR velmin IS NULL) FROM bullets"}),
            QVariant(QString("%1 %2 0.0").arg(expected[i][0]).arg(expected[i][1])));
    // Every Sierra bullet has 3 to 5 bands.
    QCOMPARE(sql(dbFile("centerfire.db"),
                 {"SELECT COUNT(*) || ' ' || MIN(n) || ' ' || MAX(n) FROM (SELECT COUNT(*) "
                  "AS n FROM bullets WHERE man = 'Sierra' GROUP BY desc, weight, model)"}),
        QVariant("192 3 5"));
}

void TestDatabase::filter_data()
{
    QTest::addColumn<int>("database");
    QTest::addColumn<QStringList>("texts"); // manufacturer, calibre, weight
    QTest::addColumn<int>("count");
    // Counts taken from centerfire.csv, with each number in its shortest text form.
    QTest::newRow("empty filter lists every bullet") << 0 << QStringList() << 1014;
    QTest::newRow("calibre .308") << 0 << QStringList{"", ".308"} << 189;
    QTest::newRow("fractional weight") << 0 << QStringList{"Berger", "", "155.5"} << 1;
    QTest::newRow("whole weights have no .0") << 0 << QStringList{"", "", ".0"} << 0;
    // "_" and "%" are characters, not the wildcards of LIKE.
    QTest::newRow("weight 1_8") << 0 << QStringList{"", "", "1_8"} << 0;
    QTest::newRow("calibre 3%8") << 0 << QStringList{"", "3%8"} << 0;
    QTest::newRow("manufacturer with a quote") << 3 << QStringList{"O'Brien", ".3", "16"} << 1;
    // SQLite's LIKE folds ASCII letters only, so a lower-case "é" finds "É" only upper-cased.
    QTest::newRow("calibre étalon") << 3 << QStringList{"", "étalon"} << 1;
    QTest::newRow("weight éprouvette") << 3 << QStringList{"", "", "éprouvette"} << 1;
}

void TestDatabase::filter()
{
    QFETCH(int, database);
    QFETCH(QStringList, texts);
    QFETCH(int, count);
    sql(dbFile("custom.db"),
        {customRow("O'Brien", "7.62 \"Long\" d'or", 0.45, "0", "'max'"),
            customRow("Atelier", "Gone", 0.5, "0", "'max'"),
            "INSERT INTO bullets VALUES (0, 'Atelier', 'ÉTALON', 'Test', 0.3, 0, 'max', NULL, 'ÉPROUVETTE', '', "
            "'G1')"});
    auto window = selector(database);
    filterOn(*window, texts);
    QAbstractItemModel* bullets = model(*window, "tableView_bullets");
    QCOMPARE(fetchedRows(bullets), count);
    QCOMPARE(qobject_cast<QSqlQueryModel*>(bullets)->lastError().text(), QString());
}

void TestDatabase::changingDatabaseKeepsTheFilterTexts()
{
    auto window = selector();
    auto* manufacturers = window->findChild<QComboBox*>("comboBox_man");
    QCOMPARE(manufacturers->itemText(6), QString("Speer")); // after "", Barnes, Berger, Hornady, Lapua, Sierra
    filterOn(*window, {"", "224"});
    window->findChild<QTableView*>("tableView_bullets")
        ->setCurrentIndex(model(*window, "tableView_bullets")->index(0, 0));
    QVERIFY(fetchedRows(model(*window, "tableView_details")) > 0);
    window->findChild<QComboBox*>("comboBox_db")->setCurrentIndex(1);
    QCOMPARE(fetchedRows(model(*window, "tableView_details")), 0); // no bands of the other file
    QCOMPARE(manufacturers->count(), 3);                           // "", Federal, Hornady
    QAbstractItemModel* bullets = model(*window, "tableView_bullets");
    QCOMPARE(fetchedRows(bullets), 1);
    QCOMPARE(logText(), QString("nouveau logwriter\r\nDBselector::DBselector\r\n\r\n\r\n"));
}

void TestDatabase::selectCopiesTheBullet_data()
{
    QTest::addColumn<int>("database");
    QTest::addColumn<QStringList>("bullet"); // man, desc, and the load: velMins, BCs, drag model, weight, calibre
    // The shipped databases hold G1 coefficients and no lengths; the user's own bullets may be G7.
    QTest::newRow("Sierra") << 0
                            << QStringList{"Sierra", ".30 Caliber/7.62mm (.308) 175 gr. HPBT MatchKing",
                                   "0;1800;2800 | 0.485;0.496;0.505 | G0 175 gr 0.308 in"};
    QTest::newRow("G7") << 3 << QStringList{"Atelier", "Two bands", "0;1800 | 0.505;0.496 | G4 168 gr 0.308 in"};
    // A length of 0 is no length either.
    QTest::newRow("no text, length 0") << 3 << QStringList{"Plain", "", "0 | 0.25 | G0 55 gr 0.308 in"};
    QTest::newRow("quotes") << 3 << QStringList{"O'Brien", "7.62 \"Long\" d'or", "0 | 0.45 | G0 168 gr 0.308 in"};
}

void TestDatabase::selectCopiesTheBullet()
{
    QFETCH(int, database);
    QFETCH(QStringList, bullet);
    sql(dbFile("custom.db"),
        {customRow("Atelier", "Two bands", 0.505, "0", "1800", "'G7'"),
            customRow("Atelier", "Two bands", 0.496, "1800", "'max'", "'G7'"),
            customRow("O'Brien", "7.62 \"Long\" d'or", 0.45, "0", "'max'"),
            "INSERT INTO bullets VALUES (0, 'Plain', 0.308, NULL, 0.25, 0, 'max', 0, 55, '', 'G1')"});
    auto window = selector(database);
    window->ProcessRequestBulletDB(2);
    QVERIFY(highlight(*window, bullet[0], bullet[1]) >= 0);

    button(*window, "pushButton_select")->click();
    const Shoot* copy = ShootContainer::instance()->GetShoot(2);
    QCOMPARE(describe(copy), bullet[2] + " | 31 mm, check"); // none of these bullets has a length
    QCOMPARE(copy->title(), bullet[0] + "    " + bullet[1]);
    QCOMPARE(copy->origin(), QString("db"));
    QVERIFY(Settings::instance()->isInitialized());
    QVERIFY(!window->isVisible());
}

void TestDatabase::managerRowsReachTheSelector()
{
    sql(dbFile("custom.db"), {customRow("Zeta", "z", 0.4, "0", "'max'")});
    CustoDBManager manager(program->path());
    QAbstractItemModel* rows = model(manager, "tableView_custo");
    button(manager, "pushButton_remove")->click(); // no current row: nothing happens
    manager.findChild<QLineEdit*>("lineEdit_man")->setText("Atelier");
    manager.findChild<QLineEdit*>("lineEdit_desc")->setText("Maison");
    for (auto [name, value] : {std::pair{"doubleSpinBox_cal", 0.264}, {"doubleSpinBox_length", 1.35},
             {"doubleSpinBox_BC", 0.6125}, {"spinBox_weight", 18.13}})
        manager.findChild<QDoubleSpinBox*>(name)->setValue(value);
    manager.findChild<QComboBox*>("comboBox_model")->setCurrentText("G7");
    button(manager, "pushButton_add")->click();
    button(manager, "pushButton_add")->click();
    QCOMPARE(rows->rowCount(), 3);
    QCOMPARE(cell(rows, 0, 1), QString("Atelier")); // sorted by manufacturer
    // An empty text goes in as '', every row is one band from 0 upward, with ID 0.
    QCOMPARE(sql(dbFile("custom.db"),
                 {"SELECT COUNT(*) FROM bullets WHERE ID = 0 AND man = 'Atelier' AND desc = 'Maison' "
                  "AND diam = 0.264 AND BC = 0.6125 AND velmin = 0 AND velmax = 'max' AND len = 1.35 "
                  "AND weight = 18.13 AND catnum = '' AND model = 'G7'"}),
        count(2));
    QVERIFY(warnings.isEmpty());

    // The table has no key: removing by the row's values used to delete both twins.
    manager.findChild<QTableView*>("tableView_custo")->setCurrentIndex(rows->index(1, 1));
    button(manager, "pushButton_remove")->click();
    QCOMPARE(sql(dbFile("custom.db"), {"SELECT COUNT(*) FROM bullets WHERE man = 'Atelier'"}), count(1));
    QCOMPARE(rows->rowCount(), 2);

    // Select fills the load only from a highlighted bullet with bands; otherwise the window stays.
    auto window = selector(3);
    window->ProcessRequestBulletDB(0);
    const Shoot* load = ShootContainer::instance()->GetShoot(0);
    QVERIFY(highlight(*window, "Zeta", "z") >= 0);
    button(*window, "pushButton_filter")->click(); // a new filter clears the highlight
    button(*window, "pushButton_select")->click();
    QVERIFY(highlight(*window, "Zeta", "z") >= 0);
    sql(dbFile("custom.db"), {"DELETE FROM bullets WHERE man = 'Zeta'"}); // behind the window's back
    button(*window, "pushButton_select")->click();
    QCOMPARE(load->origin(), QString("manual"));
    QVERIFY(window->isVisible());
    button(*window, "pushButton_cancel")->click();
    QVERIFY(!window->isVisible());
    QVERIFY(highlight(*window, "Atelier", "Maison") >= 0);
    button(*window, "pushButton_select")->click();
    QCOMPARE(describe(load), QString("0 | 0.6125 | G4 18.13 gr 0.264 in | 1.35 in, ok"));
}

// Another program holds custom.db locked while the manager opens it: the window says so, not
// "damaged", and once the lock is gone the next addition goes in. A refused one is reported.
void TestDatabase::lockedOrRefusingCustomDatabase()
{
    {
        QSqlDatabase locker = QSqlDatabase::addDatabase("QSQLITE", "locker");
        locker.setDatabaseName(dbFile("custom.db"));
        QVERIFY(locker.open());
        QVERIFY(QSqlQuery(locker).exec("BEGIN EXCLUSIVE"));
        CustoDBManager manager(program->path());
        const auto* problem = manager.findChild<QLabel*>("label_problem");
        QVERIFY2(problem->text().contains("holds the file locked"), qPrintable(problem->text()));

        locker.close(); // and its transaction with it
        button(manager, "pushButton_add")->click();
        QVERIFY(problem->isHidden());
        QCOMPARE(fetchedRows(model(manager, "tableView_custo")), 1);

        sql(dbFile("custom.db"),
            {"CREATE TRIGGER refuse BEFORE INSERT ON bullets BEGIN SELECT RAISE(ABORT, 'read-only'); END"});
        button(manager, "pushButton_add")->click();
        QCOMPARE(warnings.size(), 1);
        QVERIFY2(warnings.first().startsWith("Warning|The bullet could not be added"), qPrintable(warnings.first()));
        QCOMPARE(fetchedRows(model(manager, "tableView_custo")), 1);
    }
    QSqlDatabase::removeDatabase("locker");
}

void TestDatabase::customDatabaseBuild_data()
{
    QTest::addColumn<QString>("setup");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<bool>("kept");
    // user_version marks the file: a file made again by the tool reads 0.
    QTest::newRow("holds a bullet, older schema") << "bullet, older" << 0 << true;
    QTest::newRow("no bullets, current schema") << "" << 0 << true;
    QTest::newRow("no bullets, older schema") << "older" << 0 << false;
    QTest::newRow("missing") << "missing" << 0 << false;
    // A file that does not read may still hold the user's bullets: the tool fails and says so.
    QTest::newRow("truncated, with bullets") << "truncated" << 1 << true;
}

// The build runs the tool on the custom database of the build tree: the user's bullets stay.
void TestDatabase::customDatabaseBuild()
{
    QFETCH(QString, setup);
    QFETCH(int, exitCode);
    QFETCH(bool, kept);
    const QString file = dbFile("custom.db");
    QStringList statements = {"PRAGMA user_version = 7"};
    for (int i = 0; i < (setup == "truncated" ? 200 : int(setup.contains("bullet"))); ++i)
        statements << customRow("Atelier", QString("Bullet %1").arg(i), 0.4, "0", "'max'");
    if (setup.contains("older"))
        statements << "DROP VIEW bullet_single";
    QCOMPARE(sql(file, statements), QVariant());
    if (setup == "missing")
        QFile::remove(file);
    else if (setup == "truncated")
        writeFile("db/custom.db", state(file).left(state(file).size() / 2));
    const QByteArray before = state(file);

    QCOMPARE(QProcess::execute(VANTO_MKDB, {"--custom", VANTO_DB_SCHEMA, file}), exitCode);
    QCOMPARE(state(file) == before, kept);
    if (exitCode == 0)
        QCOMPARE(sql(file, {"PRAGMA user_version"}), count(kept ? 7 : 0));
    if (!kept)
        QCOMPARE(sql(file, {"SELECT COUNT(*) FROM bullet_single"}), count(0));
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
    QCOMPARE(sql(output, {"SELECT COUNT(*) FROM bullet_single"}), count(2));
    QCOMPARE(
        sql(output, {"SELECT desc FROM bullets WHERE velmin = 1800"}), QVariant("Box of 1,500 \"Match\"\nline two"));
    QCOMPARE(sql(output,
                 {"SELECT typeof(len) || typeof(velmax) || typeof(weight) || (SELECT man || len || velmax "
                  "|| weight || quote(catnum) FROM bullets WHERE rowid = 3) FROM bullets WHERE rowid = 1"}),
        QVariant("nullintegerrealForge™1.1max300''"));

    // A file that does not read leaves the previous database as it was, and no partial file.
    const QString broken = writeFile("broken.csv", header + "Atelier,0.308,Heavy,0.4,0,max,,eighty,,G1\r\n");
    QCOMPARE(QProcess::execute(VANTO_MKDB, {VANTO_DB_SCHEMA, broken, output}), 1);
    QCOMPARE(sql(output, {"SELECT COUNT(*) FROM bullets"}), count(3));
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
    const QString exported = program->path() + "/out.csv", again = program->path() + "/again.csv";
    QStringList names = {pellets, exported, exported, again, program->path() + "/no/such/folder/x.csv"};
    CustoDBManager manager(program->path());
    manager.setFileNameProvider(
        [&](QWidget*, const QString&, const QString&, const QString&, bool) { return names.takeFirst(); });
    button(manager, "pushButton_importCsv")->click();
    QCOMPARE(manager.findChild<QLabel*>("label_csvReport")->text(), "5 row(s) added from " + pellets);
    QCOMPARE(warnings.size(), 1);
    const QString refused = warnings.first().section('\n', 1);
    QVERIFY2(refused.contains(QRegularExpression("^Line 6, column diam: not a number.*\nLine 8, column model: .*\n"
                                                 "Line 9: 3 fields, the header has 10\nLine 10, column bc: out of "
                                                 "range[^\n]*$")),
        qPrintable(refused));

    // Exported, imported again and exported: the same rows twice, quoted where they must be.
    button(manager, "pushButton_exportCsv")->click();
    const QString first = QString::fromUtf8(state(exported));
    const QStringList rows = first.split('\n', Qt::SkipEmptyParts).mid(1);
    QCOMPARE(rows,
        QStringList({"JSB,0.177,\"Exact, 8.44 gr\",0.021,0,max,,8.44,546,G1",
            "H&N,0.22,\"Field \"\"Target\"\" Trophy\",0.025,0,max,0.28,14.66,,G1",
            "Atelier,0.25,Two bands,0.03,0,800,,25.39,,G1", "Atelier,0.25,Two bands,0.032,800,max,,25.39,,G1",
            "Hand,0.177,No band,0.02,0,max,,8,,G1"}));
    button(manager, "pushButton_importCsv")->click();
    button(manager, "pushButton_exportCsv")->click();
    QCOMPARE(QString::fromUtf8(state(again)), first + rows.join('\n') + '\n');

    // A file that cannot be written says so.
    button(manager, "pushButton_exportCsv")->click();
    QCOMPARE(warnings.size(), 2);
    QVERIFY(warnings.last().contains("could not be exported"));
}

QTEST_MAIN(TestDatabase)
#include "tst_database.moc"
