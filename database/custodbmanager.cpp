#include "database/custodbmanager.h"

#include "core/logwriter.h"
#include "core/messages.h"
#include "database/bulletcsv.h"
#include "database/bulletdatabase.h"
#include "database/custombulletmodel.h"
#include "ui_custodbmanager.h"

#include <QCoreApplication>
#include <QDebug>
#include <QFile>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QSaveFile>
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

    // CSV import and export, on a row above the close button.
    askFileName = [](QWidget* parent, const QString& caption, const QString& dir, const QString& filter, bool saving) {
        return saving ? QFileDialog::getSaveFileName(parent, caption, dir, filter)
                      : QFileDialog::getOpenFileName(parent, caption, dir, filter);
    };
    auto* csvRow = new QHBoxLayout;
    auto* importButton = new QPushButton(tr("Import CSV..."), this);
    importButton->setObjectName(QStringLiteral("pushButton_importCsv"));
    auto* exportButton = new QPushButton(tr("Export CSV..."), this);
    exportButton->setObjectName(QStringLiteral("pushButton_exportCsv"));
    csvReport = new QLabel(this);
    csvReport->setObjectName(QStringLiteral("label_csvReport"));
    csvReport->setTextFormat(Qt::PlainText);
    csvReport->setWordWrap(true);
    csvRow->addWidget(importButton);
    csvRow->addWidget(exportButton);
    csvRow->addWidget(csvReport, 1);
    ui->verticalLayout->insertLayout(ui->verticalLayout->indexOf(ui->horizontalLayout_close), csvRow);
    connect(importButton, &QPushButton::clicked, this, &CustoDBManager::importCsv);
    connect(exportButton, &QPushButton::clicked, this, &CustoDBManager::exportCsv);

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

void CustoDBManager::setFileNameProvider(FileNameProvider provider)
{
    askFileName = std::move(provider);
}

void CustoDBManager::importCsv()
{
    const QString fileName = askFileName(this, tr("Import CSV"), ".", tr("CSV files (*.csv)"), false);
    qDebug().noquote() << "CustoDBManager::importCsv" << fileName;
    if (fileName.isEmpty())
        return;
    QString failure;
    BulletCsv::ImportReport report;
    QFile file(fileName);
    if (!database->isReadable())
        failure = database->problemText();
    else if (!file.open(QIODevice::ReadOnly))
        failure = file.errorString();
    else
        report = BulletCsv::import(database->connection(), QString::fromUtf8(file.readAll()));
    if (failure.isEmpty())
        failure = report.failure;
    model->select();
    if (!failure.isEmpty()) {
        csvReport->clear();
        Messages::warning(tr("Warning"), tr("Nothing was imported from %1:\n%2").arg(fileName, failure));
        return;
    }
    csvReport->setText(tr("%n row(s) added from %1", nullptr, report.added).arg(fileName));
    if (!report.refused.isEmpty())
        Messages::warning(tr("Warning"),
            tr("%n row(s) of %1 were refused:", nullptr, report.refused.size()).arg(fileName) + "\n"
                + report.refused.join('\n'));
}

void CustoDBManager::exportCsv()
{
    const QString fileName = askFileName(this, tr("Export CSV"), ".", tr("CSV files (*.csv)"), true);
    qDebug().noquote() << "CustoDBManager::exportCsv" << fileName;
    if (fileName.isEmpty())
        return;
    QString text;
    QString why;
    if (BulletCsv::exportText(database->connection(), text, &why)) {
        // Written beside the old file and put in its place once complete.
        QSaveFile file(fileName);
        const QByteArray bytes = text.toUtf8();
        if (!file.open(QIODevice::WriteOnly))
            why = file.errorString();
        else if (file.write(bytes) != bytes.size() || !file.flush() || !file.commit())
            why = file.errorString();
    }
    if (!why.isEmpty()) {
        csvReport->clear();
        Messages::warning(tr("Warning"), tr("The bullets could not be exported to %1:\n%2").arg(fileName, why));
        return;
    }
    csvReport->setText(tr("Exported to %1").arg(fileName));
}
