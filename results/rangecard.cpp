#include "results/rangecard.h"

#include "ballistics/shoot.h"
#include "core/messages.h"
#include "loads/shootcontainer.h"
#include "results/cardlayout.h"
#include "results/cardprinter.h"
#include "results/dopecard.h"
#include "results/pdfexport.h"
#include "results/resultsstate.h"
#include "settings/settings.h"
#include "ui_rangecard.h"

#include <QApplication>
#include <QClipboard>
#include <QDebug>
#include <QFileDialog>
#include <QHeaderView>
#include <QLayout>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QStyleOptionViewItem>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <cmath>

namespace {

// The header text broken into lines at its spaces, no line wider than width where a word
// allows it.
QString wrapped(const QString& header, const QFontMetrics& metrics, int width)
{
    QStringList lines;
    for (const QString& word : header.split(' ', Qt::SkipEmptyParts)) {
        if (!lines.isEmpty() && metrics.horizontalAdvance(lines.last() + ' ' + word) <= width)
            lines.last() += ' ' + word;
        else
            lines << word;
    }
    return lines.join('\n');
}

// Narrow columns, so that a whole card fits the window: each column is as wide as its widest
// cell or the widest word of its header, and the header breaks into lines at its spaces. The
// whole header shows as the column's tooltip.
void fitColumns(QTableWidget* table)
{
    QHeaderView* header = table->horizontalHeader();
    const QFontMetrics metrics = header->fontMetrics();
    const int margins = 2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
    for (int column = 0; column < table->columnCount(); ++column) {
        QTableWidgetItem* item = table->horizontalHeaderItem(column);
        const QString text = item->text().replace('\n', ' ');
        int widestWord = 0;
        for (const QString& word : text.split(' ', Qt::SkipEmptyParts))
            widestWord = std::max(widestWord, metrics.horizontalAdvance(word));
        int width = widestWord + margins;
        QStyleOptionViewItem option;
        option.initFrom(table);
        for (int row = 0; row < table->rowCount(); ++row)
            width = std::max(
                width, table->itemDelegate()->sizeHint(option, table->model()->index(row, column)).width() + 1);
        item->setText(wrapped(text, metrics, width - margins));
        item->setToolTip(text);
        header->resizeSection(column, width);
    }
}

// The card's buttons in rows, each row centred, as many buttons to a row as the width allows:
// at its narrowest the card is as wide as its widest button, in any language.
class ButtonRows : public QLayout {
public:
    explicit ButtonRows(QWidget* parent = nullptr)
        : QLayout(parent)
    {
    }
    ~ButtonRows() override { qDeleteAll(items); }

    void addItem(QLayoutItem* item) override { items << item; }
    int count() const override { return items.size(); }
    QLayoutItem* itemAt(int index) const override { return items.value(index); }
    QLayoutItem* takeAt(int index) override
    {
        return index >= 0 && index < items.size() ? items.takeAt(index) : nullptr;
    }
    Qt::Orientations expandingDirections() const override { return {}; }
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override { return arrange(QRect(0, 0, width, 0), false); }
    void setGeometry(const QRect& rect) override
    {
        QLayout::setGeometry(rect);
        arrange(rect, true);
    }
    QSize sizeHint() const override
    {
        QSize size;
        for (const QLayoutItem* item : items)
            size += QSize(item->sizeHint().width() + gap(), 0);
        size.setHeight(heightForWidth(size.width()));
        return size.grownBy(contentsMargins());
    }
    QSize minimumSize() const override
    {
        QSize size;
        for (const QLayoutItem* item : items)
            size = size.expandedTo(item->sizeHint());
        return size.grownBy(contentsMargins());
    }

private:
    int gap() const { return spacing() >= 0 ? spacing() : 6; }

    // Lays the items out in rect (when place) and returns the height the rows take.
    int arrange(const QRect& rect, bool place) const
    {
        const QRect area = rect.marginsRemoved(contentsMargins());
        int y = area.y();
        for (int first = 0; first < items.size();) {
            int last = first;
            int width = items[first]->sizeHint().width();
            int height = items[first]->sizeHint().height();
            while (last + 1 < items.size() && width + gap() + items[last + 1]->sizeHint().width() <= area.width()) {
                width += gap() + items[++last]->sizeHint().width();
                height = std::max(height, items[last]->sizeHint().height());
            }
            int x = area.x() + std::max(0, (area.width() - width) / 2);
            for (int item = first; item <= last; ++item) {
                const QSize size = items[item]->sizeHint();
                if (place)
                    items[item]->setGeometry(QRect(QPoint(x, y), QSize(std::min(size.width(), area.width()), height)));
                x += size.width() + gap();
            }
            y += height + (last + 1 < items.size() ? gap() : 0);
            first = last + 1;
        }
        const QMargins margins = contentsMargins();
        return y - area.y() + margins.top() + margins.bottom();
    }

    QList<QLayoutItem*> items;
};

} // namespace

RangeCard::RangeCard(int index, QWidget* parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::RangeCard>())
    , index(index)
    , settings(Settings::instance())
    , container(ShootContainer::instance())
    , runPrintDialog([](QPrinter* printer, QWidget* parent) {
        QPrintDialog dialog(printer, parent);
        return dialog.exec() == QDialog::Accepted;
    })
    , askSaveName([](QWidget* parent, const QString& caption, const QString& dir, const QString& filter) {
        return QFileDialog::getSaveFileName(parent, caption, dir, filter);
    })
{
    ui->setupUi(this);
    // The dope card's buttons after the range card's, all in rows that wrap in a narrow window.
    auto* printDope = new QPushButton(tr("Print Dope Card"), this);
    printDope->setObjectName("pushButton_printDopeCard");
    auto* pdfDope = new QPushButton(tr("Dope Card As PDF"), this);
    pdfDope->setObjectName("pushButton_dopeCardPdf");
    auto* buttons = new ButtonRows;
    for (QPushButton* button :
        {ui->pushButton_copy, ui->pushButton_print, ui->pushButton_exportPdf, printDope, pdfDope}) {
        ui->horizontalLayout->removeWidget(button);
        buttons->addWidget(button);
    }
    const int row = ui->verticalLayout->indexOf(ui->horizontalLayout);
    delete ui->verticalLayout->takeAt(row);
    ui->horizontalLayout = nullptr;
    ui->verticalLayout->insertLayout(row, buttons);
    connect(printDope, &QPushButton::clicked, this, &RangeCard::printDopeCard);
    connect(pdfDope, &QPushButton::clicked, this, &RangeCard::exportDopeCardPdf);
    // Somewhat smaller than the window's text and no side margins: twelve columns fit beside
    // the settings and the info panels.
    QFont font = ui->tableWidget->font();
    font.setPointSizeF(font.pointSizeF() * 0.85);
    ui->tableWidget->setFont(font);
    ui->tableWidget->horizontalHeader()->setFont(font);
    QMargins margins = layout()->contentsMargins();
    layout()->setContentsMargins(0, margins.top(), 0, margins.bottom());
}

RangeCard::~RangeCard() = default;

void RangeCard::setPrintDialogStep(PrintDialogStep step)
{
    runPrintDialog = std::move(step);
}

void RangeCard::setSaveFileNameProvider(FileNameProvider provider)
{
    askSaveName = std::move(provider);
}

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

    Shoot* load = container->GetShoot(index);
    if (!load->active()) {
        heading = {};
        dopeCard = {};
        setEnabled(false);
        fitColumns(table);
        return;
    }
    setEnabled(true);
    heading = CardPrinter::heading(load, settings);
    dopeCard = DopeCard::card(*load, *settings);
    const int rows = load->CardSeries(columns.first().series).size();
    table->setRowCount(rows);
    for (int column = 0; column < columns.size(); ++column) {
        const QVector<double> values = load->CardSeries(columns[column].series);
        for (int row = 0; row < rows; ++row) {
            const double value = values.value(row);
            auto* item = new QTableWidgetItem(CardLayout::cellText(value));
            if (!std::isfinite(value))
                item->setToolTip(CardLayout::notComputableText());
            table->setItem(row, column, item);
        }
    }
    fitColumns(table);
}

void RangeCard::on_pushButton_copy_clicked()
{
    qDebug().noquote() << "void RangeCard::on_pushButton_copy_clicked()";
    QTableWidget* table = ui->tableWidget;
    const QAbstractItemModel* model = table->model();
    table->selectAll();
    QModelIndexList cells = table->selectionModel()->selectedIndexes();
    std::sort(cells.begin(), cells.end(), [](const QModelIndex& a, const QModelIndex& b) {
        return a.row() != b.row() ? a.row() < b.row() : a.column() < b.column();
    });

    // Header texts each followed by a tab; then the rows, tabs between cells. Results older than
    // the inputs say so on a line of their own first.
    QString text = ResultsState::instance()->outOfDate() ? ResultsState::outOfDateText() + '\n' : QString();
    for (int column = 0; column < table->columnCount(); ++column)
        text += model->headerData(column, Qt::Horizontal).toString().replace('\n', ' ') + '\t';
    text += '\n';
    for (int i = 0; i < cells.size(); ++i) {
        text += cells[i].data().toString();
        const bool rowEnds = i + 1 == cells.size() || cells[i + 1].row() != cells[i].row();
        text += rowEnds ? '\n' : '\t';
    }

    QApplication::clipboard()->setText(text, QClipboard::Clipboard);
    table->clearSelection();
}

void RangeCard::on_pushButton_print_clicked()
{
    qDebug().noquote() << "void RangeCard::on_pushButton_print_clicked()";
    QPrinter printer(QPrinter::HighResolution);
    if (runPrintDialog(&printer, this))
        PrintTable(ui->tableWidget, &printer);
}

void RangeCard::on_pushButton_exportPdf_clicked()
{
    qDebug().noquote() << "void RangeCard::on_pushButton_exportPdf_clicked()";
    QString fileName = askSaveName(this, tr("Save File"), ".", "Pdf (*.pdf)");
    if (fileName.isEmpty())
        return;
    fileName = PdfExport::withSuffix(fileName);
    QString why;
    if (!PdfExport::write(fileName, composeDocument(ui->tableWidget).get(), &why))
        Messages::warning(tr("Warning"), tr("The range card could not be saved to %1:\n%2").arg(fileName, why));
}

void RangeCard::PrintTable(QTableWidget* table, QPrinter* printer)
{
    qDebug().noquote() << "void RangeCard::PrintTable(QTableWidget*, QPrinter*)" << index;
    const std::unique_ptr<QTextDocument> document = composeDocument(table);
    CardPrinter::fitToPage(document.get(), printer);
    document->print(printer);
}

std::unique_ptr<QTextDocument> RangeCard::composeDocument(const QTableWidget* table) const
{
    auto document = std::make_unique<QTextDocument>();
    CardPrinter::compose(document.get(), heading, table);
    if (ResultsState::instance()->outOfDate()) {
        QTextCursor cursor(document.get());
        cursor.insertText(ResultsState::outOfDateText());
        cursor.insertBlock();
    }
    return document;
}

std::unique_ptr<QTextDocument> RangeCard::composeDopeCard() const
{
    auto document = std::make_unique<QTextDocument>();
    DopeCard::compose(document.get(), dopeCard, ResultsState::instance()->outOfDate());
    return document;
}

void RangeCard::printDopeCard()
{
    qDebug().noquote() << "void RangeCard::printDopeCard()" << index;
    QPrinter printer(QPrinter::HighResolution);
    if (runPrintDialog(&printer, this))
        composeDopeCard()->print(&printer);
}

void RangeCard::exportDopeCardPdf()
{
    qDebug().noquote() << "void RangeCard::exportDopeCardPdf()" << index;
    QString fileName = askSaveName(this, tr("Save File"), ".", "Pdf (*.pdf)");
    if (fileName.isEmpty())
        return;
    fileName = PdfExport::withSuffix(fileName);
    QString why;
    if (!DopeCard::writePdf(composeDopeCard().get(), fileName, &why))
        Messages::warning(tr("Warning"), tr("The dope card could not be saved to %1:\n%2").arg(fileName, why));
}
