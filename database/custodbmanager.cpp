#include "database/custodbmanager.h"

#include "app/logwriter.h"
#include "app/messages.h"
#include "database/bulletdatabase.h"
#include "database/custombulletmodel.h"
#include "ui_custodbmanager.h"

#include <QCoreApplication>
#include <QDebug>
#include <QHeaderView>
#include <QLabel>
#include <QSqlError>

CustoDBManager::CustoDBManager(QWidget* parent)
    : CustoDBManager(QCoreApplication::applicationDirPath(), parent)
{
}

CustoDBManager::CustoDBManager(const QString& programDirectory, QWidget* parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::CustoDBManager>())
{
    ui->setupUi(this);
    log = std::make_unique<LogWriter>(programDirectory, QStringLiteral("log"));
    log->write(QStringLiteral("CustoDBManager::CustoDBManager"));
    database = std::make_unique<BulletDatabase>(QStringLiteral("CustoDBManager_conn"), programDirectory);
    model = std::make_unique<CustomBulletModel>(database->connection());

    connect(ui->pushButton_add, &QPushButton::clicked, this, &CustoDBManager::AddRecord);
    connect(ui->pushButton_remove, &QPushButton::clicked, this, &CustoDBManager::DeleteRecord);
    connect(ui->pushButton_close, &QPushButton::clicked, this, &QWidget::hide);

    database->open(BulletDatabase::Custom);
    // Where the custom database cannot be read, the window says so above the table.
    problemLabel = new QLabel(database->problemText(), this);
    problemLabel->setObjectName(QStringLiteral("label_problem"));
    problemLabel->setWordWrap(true);
    problemLabel->setTextFormat(Qt::PlainText);
    problemLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    problemLabel->setVisible(!database->isReadable());
    ui->verticalLayout->insertWidget(ui->verticalLayout->indexOf(ui->tableView_custo), problemLabel);
    model->setTable(QStringLiteral("bullets"));
    model->select();
    model->setEditStrategy(QSqlTableModel::OnFieldChange);
    UpdateTable();
}

CustoDBManager::~CustoDBManager() = default;

void CustoDBManager::showEvent(QShowEvent* event)
{
    retryIfLocked();
    QWidget::showEvent(event);
}

void CustoDBManager::retryIfLocked()
{
    if (!database->isLocked())
        return;
    database->retryIfLocked();
    log->write(database->lastErrorText());
    problemLabel->setText(database->problemText());
    problemLabel->setVisible(!database->isReadable());
    // The table's columns could not be read either.
    model->setTable(QStringLiteral("bullets"));
    model->select();
    UpdateTable();
}

void CustoDBManager::UpdateTable()
{
    const QList<QPair<int, QString>> headers = {
        {0, tr("ID")},
        {1, tr("Manufacturer")},
        {2, tr("Caliber")},
        {3, tr("Description")},
        {4, tr("BC")},
        {7, tr("Lenght")},
        {8, tr("Grains")},
        {9, tr("Reference Number")},
        {10, tr("Model")},
    };
    for (const auto& header : headers)
        model->setHeaderData(header.first, Qt::Horizontal, header.second);

    QTableView* table = ui->tableView_custo;
    table->setModel(model.get());
    table->resizeColumnsToContents();
    table->setColumnWidth(3, 200);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setStretchLastSection(true);
    table->hideColumn(0);
    table->hideColumn(5);
    table->hideColumn(6);
    table->sortByColumn(1, Qt::AscendingOrder);
}

void CustoDBManager::AddRecord()
{
    qDebug().noquote() << "CustoDBManager::AddRecord" << ui->lineEdit_desc->text();
    BulletDatabase::CustomBullet bullet;
    bullet.manufacturer = ui->lineEdit_man->text();
    bullet.description = ui->lineEdit_desc->text();
    bullet.caliberIn = ui->doubleSpinBox_cal->value();
    bullet.BC = ui->doubleSpinBox_BC->value();
    bullet.lengthIn = ui->doubleSpinBox_length->value();
    bullet.weightGr = ui->spinBox_weight->value();
    bullet.catalogueNumber = ui->lineEdit_catnum->text();
    bullet.model = ui->comboBox_model->currentText();
    retryIfLocked();
    if (!database->addCustomBullet(bullet)) {
        Messages::warning(tr("Warning"),
            tr("The bullet could not be added to the custom database %1:\n%2")
                .arg(database->programDirectory() + BulletDatabase::relativeFileName(BulletDatabase::Custom),
                    database->lastQueryErrorText()));
    }
    model->select();
}

void CustoDBManager::DeleteRecord()
{
    const QModelIndex current = ui->tableView_custo->currentIndex();
    qDebug().noquote() << "CustoDBManager::DeleteRecord" << current.row();
    if (!current.isValid())
        return;
    // A file that does not read as a database is never written: its bullets may be recovered.
    retryIfLocked();
    QString why;
    if (!database->isReadable())
        why = database->problemText();
    else if (!model->removeRow(current.row(), current.parent()))
        why = model->lastError().text();
    // A bullet entered twice leaves its twin: read the table again rather than trust the row.
    model->select();
    if (!why.isEmpty()) {
        Messages::warning(tr("Warning"),
            tr("The bullet could not be removed from the custom database %1:\n%2")
                .arg(database->programDirectory() + BulletDatabase::relativeFileName(BulletDatabase::Custom), why));
    }
}
