#include "results/cardprinter.h"

#include "app/version.h"
#include "ballistics/shoot.h"
#include "core/units.h"
#include "results/cardlayout.h"
#include "settings/settings.h"

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QDebug>
#include <QGuiApplication>
#include <QPrinter>
#include <QScreen>
#include <QStringList>
#include <QTableWidget>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>

#include <algorithm>
#include <cmath>
#include <limits>

namespace CardPrinter {
namespace {

using Units::yardsPerMetre;

// Point sizes of the document's parts.
constexpr double titlePoints = 20;
constexpr double versionPoints = 8;
constexpr double blockPoints = 10;
constexpr double tablePoints = 10;
constexpr int headerWeight = 75; // bold

// The block table lets its two columns breathe; the card table is dense.
constexpr double blockCellPadding = 30;
constexpr double cardCellPadding = 4;

// Both tables span the text width, which centres them on the page (a centre-aligned table is
// placed off centre once the printer's margins apply).
const QTextLength fullWidth(QTextLength::PercentageLength, 100);

QString general(double value)
{
    return CardLayout::cellText(value);
}

QString withUnit(double value, const QString& unit)
{
    return general(value) + ' ' + unit;
}

QTextCharFormat textFormat(double points, int weight = QFont::Normal)
{
    QTextCharFormat format;
    format.setFontPointSize(points);
    format.setFontWeight(weight);
    return format;
}

QTextBlockFormat centred()
{
    QTextBlockFormat format;
    format.setAlignment(Qt::AlignCenter);
    return format;
}

// Writes text into a cell, centred both ways; line feeds in text start new paragraphs.
void fillCell(QTextTable* table, int row, int column, const QString& text, const QTextCharFormat& format)
{
    QTextTableCell cell = table->cellAt(row, column);
    QTextCharFormat cellFormat = cell.format();
    cellFormat.setVerticalAlignment(QTextCharFormat::AlignMiddle);
    cell.setFormat(cellFormat);
    QTextCursor cursor = cell.firstCursorPosition();
    cursor.setBlockFormat(centred());
    cursor.insertText(text, format);
}

} // namespace

Block block(Shoot* load, const Settings* settings)
{
    const int unitSystem = settings->unitSystem();
    const bool spinDrift = settings->includeSpinDrift();
    const QList<double> ranges = load->PointBlankRanges();
    const auto range = [&](int index) {
        return rangeText(ranges.value(index, std::numeric_limits<double>::quiet_NaN()), unitSystem);
    };
    const QString zeroRange = load->zeroRange() == 0
        ? QStringLiteral("-")
        : QString::number(load->zeroRange()) + ' ' + load->zeroRangeUnitStr();

    QStringList left;
    left << QCoreApplication::translate("RangeCard", "Projectile Caliber : ")
            + withUnit(load->caliber(), load->caliberUnitStr());
    left << QCoreApplication::translate("RangeCard", "Ballistic Coeff : ") + bandsText(load);
    left << QCoreApplication::translate("RangeCard", "Muzzle Velocity : ") + QString::number(load->muzzleVelocity())
            + ' ' + load->muzzleVelocityUnitStr();
    if (spinDrift)
        left << QCoreApplication::translate("RangeCard", "Barrel Twist : ")
                + withUnit(settings->twist(), settings->twistUnitStr());
    left << QCoreApplication::translate("RangeCard", "Sight Heigh : ")
            + withUnit(settings->sightHeight(), settings->sightHeightUnitStr());
    left << QCoreApplication::translate("RangeCard", "Wind Velocity : ")
            + withUnit(settings->windVelocity(), settings->windVelocityUnitStr());
    left << QCoreApplication::translate("RangeCard", "Temperature : ")
            + withUnit(settings->temperature(), settings->temperatureUnitStr());
    left << QCoreApplication::translate("RangeCard", "KillZone : ")
            + withUnit(settings->killZone(), settings->killZoneUnitStr());
    left << QCoreApplication::translate("RangeCard", "Near Zero Range : ") + range(0);

    QStringList right;
    right << QCoreApplication::translate("RangeCard", "Projectile Weight : ")
            + withUnit(load->weight(), load->weightUnitStr());
    right << QCoreApplication::translate("RangeCard", "Length : ") + withUnit(load->length(), load->lengthUnitStr());
    right << QCoreApplication::translate("RangeCard", "Zero Range : ") + zeroRange;
    if (spinDrift)
        right << QCoreApplication::translate("RangeCard", "Direction : ") + settings->twistDirectionStr();
    right << QCoreApplication::translate("RangeCard", "Scope Click : ") + settings->scopeClickStr();
    right << QCoreApplication::translate("RangeCard", "Wind Angle : ") + QString::number(settings->windAngle())
            + " deg";
    // The pressure the solver used: the station pressure (corrected for altitude when asked),
    // always in hPa, so that the number and its unit agree whatever unit the user typed it in.
    right << QCoreApplication::translate("RangeCard", "Pressure : ") + withUnit(settings->stationPressureHPa(), "hPa");
    right << QCoreApplication::translate("RangeCard", "Max Point Blank Range : ") + range(4);
    right << QCoreApplication::translate("RangeCard", "Far Zero Range : ") + range(1);

    return {left.join('\n'), right.join('\n')};
}

QString bandsText(const Shoot* load)
{
    const QList<double> coefficients = load->BCList();
    const QList<double> speeds = load->velMinList();
    if (coefficients.size() < 2 || speeds.size() != coefficients.size())
        return withUnit(load->BCAtVelocity(1.0), load->GModelStr());
    // Every band, slowest first: "0.43 (0+ fps), 0.462 (1500+ fps) G1".
    QList<std::pair<double, double>> bands;
    for (int band = 0; band < coefficients.size(); ++band)
        bands << std::make_pair(speeds[band], coefficients[band]);
    std::sort(bands.begin(), bands.end());
    QStringList texts;
    for (const auto& [speed, coefficient] : bands)
        texts << general(coefficient) + " (" + general(speed) + "+ fps)";
    return texts.join(", ") + ' ' + load->GModelStr();
}

QString pointBlankNote()
{
    return QCoreApplication::translate("RangeCard",
        "Near zero, far zero and maximum point-blank range are those of the best zero for the kill zone "
        "(the bullet rises at most half the kill zone above the line of sight), not of the zero range above.");
}

QString rangeText(double metres, int unitSystem)
{
    if (!std::isfinite(metres) || metres <= 0.0)
        return QStringLiteral("-");
    const bool metric = unitSystem == 0;
    const double value = metric ? metres : metres * yardsPerMetre;
    // std::round rounds halves away from zero; the fixed format then only writes the digit.
    return QString::number(std::round(value * 10.0) / 10.0, 'f', 1) + (metric ? " m" : " yd");
}

Heading heading(Shoot* load, const Settings* settings)
{
    return {load->title(), block(load, settings), load->note()};
}

void compose(QTextDocument* document, const Heading& heading, const QTableWidget* table)
{
    const Block& columns = heading.block;
    qDebug().noquote() << "void CardPrinter::compose()" << columns.left;
    qDebug().noquote() << "void CardPrinter::compose()" << columns.right;

    const QTextCharFormat blockFormat = textFormat(blockPoints);
    QTextCursor cursor(document);
    cursor.movePosition(QTextCursor::End);
    cursor.setBlockFormat(centred());
    cursor.insertText(heading.title, textFormat(titlePoints));
    cursor.insertBlock(centred());
    cursor.insertText(QStringLiteral("Vanto v") + vantoVersion + " - " + vantoHomeText(Settings::instance()->language()) + '\n',
        textFormat(versionPoints));

    QTextTableFormat blockTableFormat;
    blockTableFormat.setBorderStyle(QTextFrameFormat::BorderStyle_None);
    blockTableFormat.setCellPadding(blockCellPadding);
    blockTableFormat.setCellSpacing(0);
    blockTableFormat.setWidth(fullWidth);
    QTextTable* blockTable = cursor.insertTable(1, 2, blockTableFormat);
    fillCell(blockTable, 0, 0, columns.left, blockFormat);
    fillCell(blockTable, 0, 1, columns.right, blockFormat);

    cursor.movePosition(QTextCursor::End);
    cursor.setBlockFormat(centred());
    cursor.insertText(pointBlankNote(), textFormat(versionPoints));
    cursor.insertBlock(centred());
    cursor.setBlockFormat(centred());
    cursor.insertText(QCoreApplication::translate("RangeCard", "Note : ") + heading.note, blockFormat);
    // Two empty lines between the note and the card.
    cursor.insertBlock(centred());
    cursor.insertBlock(centred());

    const QAbstractItemModel* model = table->model();
    const int rows = table->rowCount();
    const int columnCount = table->columnCount();
    QTextTableFormat cardFormat;
    cardFormat.setCellPadding(cardCellPadding);
    cardFormat.setCellSpacing(0);
    cardFormat.setHeaderRowCount(1); // repeated at the top of every page
    cardFormat.setWidth(fullWidth);
    QTextTable* card = cursor.insertTable(rows + 1, columnCount, cardFormat);
    const QTextCharFormat headerFormat = textFormat(tablePoints, headerWeight);
    const QTextCharFormat cellFormat = textFormat(tablePoints);
    for (int column = 0; column < columnCount; ++column)
        fillCell(
            card, 0, column, model->headerData(column, Qt::Horizontal).toString().replace('\n', ' '), headerFormat);
    for (int row = 0; row < rows; ++row)
        for (int column = 0; column < columnCount; ++column)
            fillCell(card, row + 1, column, model->index(row, column).data().toString(), cellFormat);
}

namespace {

// Whether a line of a cell of the card table (the document's last table) starts inside a word:
// a header broken in a word or a number broken across lines.
bool cardBreaksAWord(QTextDocument* document)
{
    document->documentLayout()->documentSize(); // lays the whole document out
    QTextTable* card = nullptr;
    for (QTextFrame* frame : document->rootFrame()->childFrames())
        if (auto* table = qobject_cast<QTextTable*>(frame))
            card = table;
    if (!card)
        return false;
    for (int row = 0; row < card->rows(); ++row)
        for (int column = 0; column < card->columns(); ++column) {
            const QTextTableCell cell = card->cellAt(row, column);
            for (QTextBlock block = cell.firstCursorPosition().block();
                 block.isValid() && block.position() <= cell.lastCursorPosition().position(); block = block.next()) {
                const QTextLayout* layout = block.layout();
                for (int line = 1; line < layout->lineCount(); ++line) {
                    const int start = layout->lineAt(line).textStart();
                    if (start > 0 && !block.text().at(start - 1).isSpace())
                        return true;
                }
            }
        }
    return false;
}

} // namespace

void fitToPage(QTextDocument* document, QPrinter* printer)
{
    // The document's page is laid on the printer's printable area, so a page of the printable
    // size at the document's resolution prints the fonts at their size, and a larger page prints
    // them smaller.
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInchX() : 96.0;
    const auto layOut = [&](double scale) {
        const QSizeF points = printer->pageLayout().paintRect(QPageLayout::Point).size();
        document->setPageSize(points * dpi / 72.0 * scale);
        return !cardBreaksAWord(document);
    };
    printer->setPageOrientation(QPageLayout::Portrait);
    if (layOut(1.0))
        return;
    printer->setPageOrientation(QPageLayout::Landscape);
    for (double scale = 1.0; scale < 2.0; scale += 0.1)
        if (layOut(scale))
            return;
}

} // namespace CardPrinter
