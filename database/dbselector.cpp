#include "database/dbselector.h"

#include "ballistics/shoot.h"
#include "core/logwriter.h"
#include "loads/shootcontainer.h"
#include "settings/settings.h"
#include "ui_dbselector.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlQueryModel>
#include <QSqlRecord>

#include <algorithm>

namespace {

QString sixDigits(const QVariant& value)
{
    return QString::number(value.toDouble(), 'g', 6);
}

// The drag model a row names ("G1" ... "G8") as the load's index; G1 for any other text.
int dragModelIndex(const QString& model)
{
    static const QStringList models = {"G1", "G2", "G5", "G6", "G7", "G8"};
    return std::max(0, int(models.indexOf(model.trimmed().toUpper())));
}

} // namespace

DBselector::DBselector(QWidget* parent)
    : DBselector(QCoreApplication::applicationDirPath(), parent)
{
}

DBselector::DBselector(const QString& programDirectory, QWidget* parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::DBselector>())
{
    ui->setupUi(this);
    // Where a database cannot be read, the window says so above the bullet list.
    problemLabel = new QLabel(this);
    problemLabel->setObjectName(QStringLiteral("label_problem"));
    problemLabel->setWordWrap(true);
    problemLabel->setTextFormat(Qt::PlainText);
    problemLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    problemLabel->hide();
    ui->verticalLayout->insertWidget(ui->verticalLayout->indexOf(ui->tableView_bullets), problemLabel);
    log = std::make_unique<LogWriter>(programDirectory, QStringLiteral("log"));
    log->write(QStringLiteral("DBselector::DBselector"));
    database = std::make_unique<BulletDatabase>(QStringLiteral("DBSelector_conn"), programDirectory);
    bulletModel = std::make_unique<QSqlQueryModel>();
    detailsModel = std::make_unique<QSqlQueryModel>();
    openDB(0);

    connect(ui->tableView_bullets->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
        &DBselector::BulletSelected);
    connect(ui->comboBox_db, qOverload<int>(&QComboBox::currentIndexChanged), this, &DBselector::openDB);
}

DBselector::~DBselector() = default;

void DBselector::ProcessRequestBulletDB(int currentIndex)
{
    qDebug().noquote() << "void DBselector::ProcessRequestBulletDB(int)" << currentIndex;
    targetIndex = currentIndex;
    // A database that another program held locked is opened again.
    if (database->isLocked())
        openDB(ui->comboBox_db->currentIndex());
    show();
}

void DBselector::openDB(int index)
{
    qDebug().noquote() << "void DBselector::openDB(int)" << index;
    // The list decides, not the argument: the constructor asks for 0 whatever the list shows.
    database->open(ui->comboBox_db->currentIndex());
    log->write(database->lastErrorText());
    showProblem(database->problemText());

    ui->comboBox_man->clear();
    ui->comboBox_man->addItem(QString());
    ui->comboBox_man->addItems(database->manufacturers());
    on_pushButton_filter_clicked();
    // The bands shown belonged to a bullet of the other database.
    detailsModel->clear();
}

void DBselector::showProblem(const QString& text)
{
    problemLabel->setText(text);
    problemLabel->setVisible(!text.isEmpty());
}

void DBselector::on_pushButton_filter_clicked()
{
    QSqlQuery query = database->bulletQuery(
        ui->comboBox_man->currentText(), ui->lineEdit_cal->text(), ui->lineEdit_weight->text(), &bulletQuery);
    // A file that reads as a database but lacks the bullet list (an older custom database).
    if (database->isReadable() && query.lastError().isValid())
        showProblem(tr("The bullets of %1 cannot be listed: %2")
                        .arg(QDir::toNativeSeparators(database->fileName()), query.lastError().text()));
    bulletModel->setQuery(std::move(query));
    ui->tableView_bullets->setModel(bulletModel.get());

    const QStringList headers = {tr("Manufacturer"), tr("Caliber"), tr("Grains"), tr("Description"), tr("Length"),
        tr("Reference Number"), tr("Model")};
    for (int column = 0; column < headers.size(); ++column)
        bulletModel->setHeaderData(column, Qt::Horizontal, headers.at(column));

    QTableView* table = ui->tableView_bullets;
    table->resizeColumnsToContents();
    table->setColumnWidth(3, 200);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setStretchLastSection(true);
}

void DBselector::BulletSelected(QModelIndex index, QModelIndex previous)
{
    Q_UNUSED(previous)
    if (!index.isValid())
        return;
    ui->tableView_bullets->selectRow(index.row());

    selectedBullet = BulletDatabase::bulletFromRow(bulletModel->record(index.row()));
    selectedDescription = selectedBullet.description;
    selectedManufacturer = selectedBullet.manufacturer;
    selectedWeight = sixDigits(selectedBullet.weight);
    selectedModel = selectedBullet.model;
    selectedCaliber = sixDigits(selectedBullet.caliber);
    selectedLength = selectedBullet.hasLength() ? sixDigits(selectedBullet.length) : QString();

    detailsModel->setQuery(database->bandQuery(selectedBullet, &detailsQuery));
    detailsModel->setHeaderData(0, Qt::Horizontal, tr("Ballistic Coeficient"));
    detailsModel->setHeaderData(1, Qt::Horizontal, tr("From FPS"));
    detailsModel->setHeaderData(2, Qt::Horizontal, tr("To FPS"));

    QTableView* table = ui->tableView_details;
    table->setModel(detailsModel.get());
    table->resizeColumnsToContents();
    table->verticalHeader()->hide();
    table->horizontalHeader()->setStretchLastSection(true);
}

void DBselector::on_pushButton_select_clicked()
{
    // Only the bullet the list shows highlighted counts: a new filter or database clears it.
    const QItemSelectionModel* selection = ui->tableView_bullets->selectionModel();
    const QModelIndex current = selection->currentIndex();
    if (!current.isValid() || !selection->isRowSelected(current.row(), QModelIndex()))
        return;
    // A load needs at least one coefficient: a bullet without bands changes nothing.
    const BulletDatabase::Bands bands = database->bands(selectedBullet);
    if (bands.BCs.isEmpty())
        return;

    // The load keeps every number within the range its page shows.
    QList<double> coefficients = bands.BCs;
    for (double& coefficient : coefficients)
        coefficient = Shoot::bounded(Shoot::coefficientRange, coefficient);

    Shoot* load = ShootContainer::instance()->GetShoot(targetIndex);
    Settings* settings = Settings::instance();
    settings->setInitialized(false);
    load->setOrigin(QStringLiteral("db"));
    load->setBCMulti(bands.velMinsFps, coefficients);
    load->setTitle(selectedManufacturer + QStringLiteral("    ") + selectedDescription);
    // The shipped databases hold G1 coefficients; the user's own bullets name their model.
    load->setGModel(ui->comboBox_db->currentIndex() == BulletDatabase::Custom ? dragModelIndex(selectedModel) : 0);
    load->setWeight(Shoot::bounded(Shoot::weightRange, selectedWeight.toDouble()));
    load->setWeightUnit(0);
    load->setCaliber(Shoot::bounded(Shoot::caliberRange, selectedCaliber.toDouble()));
    load->setCaliberUnit(0);
    // Without a length from the database the load keeps its own (a length of 0 would make the
    // stability factor, and so the spin drift, meaningless), and its page asks for the
    // bullet's length.
    if (!selectedLength.isEmpty()) {
        load->setLength(Shoot::bounded(Shoot::lengthRange, selectedLength.toDouble()));
        load->setLengthUnit(0);
    }
    load->setLengthNeedsCheck(selectedLength.isEmpty());
    settings->setInitialized(true);
    close();
}

void DBselector::on_pushButton_cancel_clicked()
{
    close();
}
