#include "results/rangecard.h"

#include "ballistics/shoot.h"
#include "loads/shootcontainer.h"
#include "results/cardlayout.h"
#include "settings/settings.h"
#include "ui_rangecard.h"

#include <QDebug>

RangeCard::RangeCard(int index, QWidget* parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::RangeCard>())
    , index(index)
    , settings(Settings::instance())
    , container(ShootContainer::instance())
{
    ui->setupUi(this);
}

RangeCard::~RangeCard() = default;

void RangeCard::populate()
{
    qDebug().noquote() << "void RangeCard::populate()" << index;
    const QList<CardLayout::Column> columns = CardLayout::columns(
        settings->unitSystem(), settings->cardDisplayMOA(), settings->cardDisplayMils(), settings->cardDisplayClicks());

    QTableWidget* table = ui->tableWidget;
    table->clear();
    table->setRowCount(0);
    table->setColumnCount(columns.size());
    QStringList headers;
    for (const CardLayout::Column& column : columns)
        headers << column.header;
    table->setHorizontalHeaderLabels(headers);

    const Shoot* load = container->GetShoot(index);
    if (!load->active()) {
        setEnabled(false);
        table->resizeColumnsToContents();
        return;
    }
    setEnabled(true);
    const int rows = load->CardSeries(columns.first().series).size();
    table->setRowCount(rows);
    for (int column = 0; column < columns.size(); ++column) {
        const QVector<double> values = load->CardSeries(columns[column].series);
        for (int row = 0; row < rows; ++row)
            table->setItem(row, column, new QTableWidgetItem(QString::number(values.value(row), 'g', 6)));
    }
    table->resizeColumnsToContents();
}
