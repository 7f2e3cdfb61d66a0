#include "results/dopecard.h"

#include "ballistics/shoot.h"
#include "core/units.h"
#include "results/pdfexport.h"
#include "settings/settings.h"

#include <QCoreApplication>
#include <QDate>
#include <QPageLayout>
#include <QPrinter>
#include <QStringList>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>

#include <cmath>

namespace DopeCard {
namespace {

using namespace Units;
constexpr double headerPoints = 11;
constexpr double textPoints = 8;

double tenths(double value)
{
    return std::round(value * 10.0) / 10.0;
}

// The wind speeds of the holds: in the settings' unit for the display, in m/s across the line of
// sight (the solver's sign) for the drift.
struct Winds {
    QList<double> shown;
    QList<double> crossSI;
    QString unit;
    double angleDeg;
};

Winds windsOf(const Settings& settings)
{
    const double setCross = settings.windVelocitySI() * std::sin(settings.windAngleRad());
    if (std::isfinite(setCross) && std::abs(setCross) > 1e-9) {
        Winds winds{{}, {}, settings.windVelocityUnitStr(), double(settings.windAngle())};
        for (double factor : {0.5, 1.0, 2.0}) {
            winds.shown << settings.windVelocity() * factor;
            winds.crossSI << setCross * factor;
        }
        return winds;
    }
    const bool metric = settings.unitSystem() == 0;
    Winds winds{{}, {}, metric ? "m/s" : "mph", 90.0};
    for (double speed : metric ? QList<double>{2, 4, 6} : QList<double>{5, 10, 15}) {
        winds.shown << speed;
        winds.crossSI << (metric ? speed : speed * metresPerSecondPerMph);
    }
    return winds;
}

} // namespace

Table table(const Shoot& load, const Settings& settings)
{
    Table card;
    card.metric = settings.unitSystem() == 0;
    card.mils = settings.useAngleDisplay() == 2;
    const Winds winds = windsOf(settings);
    card.windSpeeds = winds.shown;
    card.windUnit = winds.unit;
    card.windAngleDeg = winds.angleDeg;

    const std::vector<TrajectoryState>& states = load.States();
    const QVector<double> times = load.TrajectorySeries(0);
    const QVector<double> driftCm = load.TrajectorySeries(1);
    if (states.size() < 2 || times.size() < int(states.size()) || driftCm.size() + 1 < int(states.size()))
        return card;
    const bool metric = card.metric;
    const double toMetres = metric ? 1.0 : 1.0 / yardsPerMetre;
    const double v0 = load.muzzleVelocityMs();
    const double clickV = settings.clickValueV();
    const double setCross = settings.windVelocitySI() * std::sin(settings.windAngleRad());
    const double mass = load.weightKg();
    const auto lerp = [](double a, double b, double frac) { return a + (b - a) * frac; };
    const auto totalDrift = [&](std::size_t i) { return i == 0 ? 0.0 : driftCm[int(i) - 1] / 100.0; };
    const auto angleOf = [&](double alpha) {
        return card.mils ? std::round(alpha * 10000.0) / 10.0 : std::round(alpha * tenthMoaPerRadian) / 10.0;
    };

    std::size_t j = 0;
    for (int range = rangeStep; range <= lastRange && states.back().x > range * toMetres; range += rangeStep) {
        const double distanceM = range * toMetres;
        while (states[j].x < distanceM)
            ++j;
        const TrajectoryState& a = states[j - 1];
        const TrajectoryState& b = states[j];
        const double frac = (distanceM - a.x) / (b.x - a.x);
        Row row;
        row.range = range;
        // Height and drift as the range card rounds them (0.1 cm or 0.1 in), then the angles.
        const double perUnit = metric ? 100.0 : 100.0 / 2.54; // cm or in per metre
        const double height = tenths(lerp(a.y, b.y, frac) * perUnit);
        const double alpha = std::atan((height / perUnit) / distanceM);
        row.comeUpAngle = -angleOf(alpha);
        row.comeUpClicks = -std::round(alpha * moaPerRadian / clickV);
        const double total = lerp(totalDrift(j - 1), totalDrift(j), frac);
        const double lag = lerp(times[int(j) - 1], times[int(j)], frac) - distanceM / v0;
        const double spin = total - lag * setCross;
        for (int wind = 0; wind < winds.crossSI.size(); ++wind) {
            const bool setWind = winds.crossSI[wind] == setCross;
            const double drift = tenths((setWind ? total : spin + lag * winds.crossSI[wind]) * perUnit);
            // The bullet goes right (positive drift): the hold is to the left.
            row.holds << -angleOf(std::atan((drift / perUnit) / distanceM));
        }
        const double speed = lerp(a.speed(), b.speed(), frac);
        if (metric) {
            row.velocity = std::round(speed);
            row.energy = std::round(mass * 0.5 * row.velocity * row.velocity);
        } else {
            row.velocity = std::round(speed / metresPerFoot);
            const double rounded = row.velocity * metresPerFoot;
            row.energy = std::round(mass * 0.5 * rounded * rounded * joulesToFootPounds);
        }
        card.rows << row;
    }
    return card;
}

QString marked(double value, int decimals, const char* positive, const char* negative)
{
    if (!std::isfinite(value))
        return "-";
    const QString number = QString::number(std::abs(value), 'f', decimals);
    if (number.toDouble() == 0.0)
        return number;
    return number + ' ' + (value > 0.0 ? positive : negative);
}

namespace {

QTextCharFormat textFormat(double points, bool bold = false)
{
    QTextCharFormat format;
    format.setFontPointSize(points);
    format.setFontWeight(bold ? QFont::Bold : QFont::Normal);
    return format;
}

void fillCell(QTextTable* table, int row, int column, const QString& text, bool bold = false)
{
    QTextCursor cursor = table->cellAt(row, column).firstCursorPosition();
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignCenter);
    cursor.setBlockFormat(centred);
    cursor.insertText(text, textFormat(textPoints, bold));
}

QString number(double value, int decimals = 0)
{
    return std::isfinite(value) ? QString::number(value, 'f', decimals) : QString("-");
}

QStringList headerLines(const Shoot& load, const Settings& settings)
{
    const QStringList models = {"G1", "G2", "G5", "G6", "G7", "G8"};
    QStringList coefficients;
    for (double coefficient : load.BCList())
        coefficients << QString::number(coefficient, 'g', 6);
    const QString zeroUnit = load.zeroRangeUnit() == 0 ? "m" : "yd";
    const QString velocityUnit = load.muzzleVelocityUnit() == 0 ? "m/s" : "f/s";
    QStringList lines;
    lines << QCoreApplication::translate(
        "DopeCard", "Zero %1 %2, muzzle velocity %3 %4, BC %5 (%6), sight height %7 %8")
                 .arg(load.zeroRange())
                 .arg(zeroUnit)
                 .arg(load.muzzleVelocity())
                 .arg(velocityUnit, coefficients.join("/"), models.value(load.gModel(), "G1"))
                 .arg(settings.sightHeight())
                 .arg(settings.sightHeightUnitStr());
    QString conditions
        = QCoreApplication::translate("DopeCard", "Temperature %1 %2, pressure %3 hPa, wind %4 %5 at %6°")
              .arg(settings.temperature())
              .arg(settings.temperatureUnitStr())
              .arg(number(settings.stationPressureHPa()))
              .arg(settings.windVelocity())
              .arg(settings.windVelocityUnitStr())
              .arg(settings.windAngle());
    if (settings.upHillAngle() != 0)
        conditions += ", "
            + QCoreApplication::translate("DopeCard", "slope %1° %2")
                  .arg(settings.upHillAngle())
                  .arg(settings.upHillDirectionStr());
    lines << conditions;
    lines << QCoreApplication::translate("DopeCard", "Date %1").arg(QDate::currentDate().toString(Qt::ISODate));
    return lines;
}

} // namespace

Card card(const Shoot& load, const Settings& settings)
{
    return {load.title(), headerLines(load, settings), table(load, settings)};
}

void compose(QTextDocument* document, const Card& dope, bool outOfDate)
{
    const Table& card = dope.table;
    const bool metric = card.metric;
    const QString angleUnit = card.mils ? "mil" : "MOA";

    document->clear();
    QTextCursor cursor(document);
    cursor.insertText(
        QCoreApplication::translate("DopeCard", "Dope card") + ": " + dope.title, textFormat(headerPoints, true));
    for (const QString& line : dope.header) {
        cursor.insertBlock();
        cursor.insertText(line, textFormat(textPoints));
    }
    if (outOfDate) {
        cursor.insertBlock();
        cursor.insertText(
            QCoreApplication::translate("DopeCard", "(not recomputed): the inputs changed after the last computation"),
            textFormat(textPoints, true));
    }
    cursor.insertBlock();

    QTextTableFormat format;
    format.setCellPadding(2);
    format.setCellSpacing(0);
    format.setBorder(0.5);
    format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    format.setHeaderRowCount(2);
    format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
    QTextTable* grid = cursor.insertTable(2 + card.rows.size(), 8, format);
    grid->mergeCells(0, 1, 1, 2);
    grid->mergeCells(0, 3, 1, 3);
    fillCell(grid, 0, 0, QCoreApplication::translate("DopeCard", "Range"), true);
    fillCell(grid, 0, 1, QCoreApplication::translate("DopeCard", "Elevation"), true);
    fillCell(grid, 0, 3,
        QCoreApplication::translate("DopeCard", "Wind hold (%1) at %2°").arg(angleUnit).arg(card.windAngleDeg), true);
    fillCell(grid, 0, 6, QCoreApplication::translate("DopeCard", "Velocity"), true);
    fillCell(grid, 0, 7, QCoreApplication::translate("DopeCard", "Energy"), true);
    fillCell(grid, 1, 0, metric ? "m" : "yd", true);
    fillCell(grid, 1, 1, QCoreApplication::translate("DopeCard", "clicks"), true);
    fillCell(grid, 1, 2, angleUnit, true);
    for (int wind = 0; wind < card.windSpeeds.size(); ++wind)
        fillCell(grid, 1, 3 + wind, QString::number(card.windSpeeds[wind], 'g', 4) + ' ' + card.windUnit, true);
    fillCell(grid, 1, 6, metric ? "m/s" : "ft/s", true);
    fillCell(grid, 1, 7, metric ? "J" : "ft.lbs", true);
    for (int r = 0; r < card.rows.size(); ++r) {
        const Row& row = card.rows[r];
        fillCell(grid, 2 + r, 0, number(row.range), true);
        fillCell(grid, 2 + r, 1, marked(row.comeUpClicks, 0, "U", "D"));
        fillCell(grid, 2 + r, 2, marked(row.comeUpAngle, 1, "U", "D"));
        for (int wind = 0; wind < row.holds.size(); ++wind)
            fillCell(grid, 2 + r, 3 + wind, marked(row.holds[wind], 1, "R", "L"));
        fillCell(grid, 2 + r, 6, number(row.velocity));
        fillCell(grid, 2 + r, 7, number(row.energy));
    }
}

bool writePdf(QTextDocument* document, const QString& fileName, QString* errorText)
{
    return PdfExport::write(
        fileName,
        [document](QPrinter* printer) {
            printer->setPageLayout(QPageLayout(
                QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(12, 12, 12, 12), QPageLayout::Millimeter));
            printer->setDocName(document->metaInformation(QTextDocument::DocumentTitle));
            document->print(printer);
        },
        errorText);
}

} // namespace DopeCard
