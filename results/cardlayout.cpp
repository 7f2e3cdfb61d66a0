#include "results/cardlayout.h"

#include <QCoreApplication>

#include <cmath>

namespace CardLayout {
namespace {

enum class Option {
    Always,
    Moa,
    Mils,
    Clicks,
};

struct ColumnSpec {
    const char* metricHeader;
    const char* usHeader;
    int metricSeries;
    int usSeries;
    Option option;
};

// Every column in card order; the options add their drop and drift columns together.
const ColumnSpec allColumns[] = {
    {QT_TRANSLATE_NOOP("RangeCard", "Range (m)"), QT_TRANSLATE_NOOP("RangeCard", "Range (yd)"), 2, 8, Option::Always},
    {QT_TRANSLATE_NOOP("RangeCard", "Drop (cm)"), QT_TRANSLATE_NOOP("RangeCard", "Drop (in)"), 3, 9, Option::Always},
    {QT_TRANSLATE_NOOP("RangeCard", "Drop (MOA)"), QT_TRANSLATE_NOOP("RangeCard", "Drop (MOA)"), 13, 19, Option::Moa},
    {QT_TRANSLATE_NOOP("RangeCard", "Drop (mils)"), QT_TRANSLATE_NOOP("RangeCard", "Drop (mils)"), 15, 21,
        Option::Mils},
    {QT_TRANSLATE_NOOP("RangeCard", "Drop (clicks)"), QT_TRANSLATE_NOOP("RangeCard", "Drop (clicks)"), 17, 23,
        Option::Clicks},
    {QT_TRANSLATE_NOOP("RangeCard", "Drift (cm)"), QT_TRANSLATE_NOOP("RangeCard", "Drift (in)"), 1, 7, Option::Always},
    {QT_TRANSLATE_NOOP("RangeCard", "Drift (MOA)"), QT_TRANSLATE_NOOP("RangeCard", "Drift (MOA)"), 12, 18, Option::Moa},
    {QT_TRANSLATE_NOOP("RangeCard", "Drift (mils)"), QT_TRANSLATE_NOOP("RangeCard", "Drift (mils)"), 14, 20,
        Option::Mils},
    {QT_TRANSLATE_NOOP("RangeCard", "Drift (clicks)"), QT_TRANSLATE_NOOP("RangeCard", "Drift (clicks)"), 16, 22,
        Option::Clicks},
    {QT_TRANSLATE_NOOP("RangeCard", "Velocity (m/s)"), QT_TRANSLATE_NOOP("RangeCard", "Velocity (fps)"), 4, 10,
        Option::Always},
    {QT_TRANSLATE_NOOP("RangeCard", "Energy (J)"), QT_TRANSLATE_NOOP("RangeCard", "Energy (ft.lbs)"), 5, 11,
        Option::Always},
    {QT_TRANSLATE_NOOP("RangeCard", "Time of flight (s)"), QT_TRANSLATE_NOOP("RangeCard", "Time of flight (s)"), 0, 6,
        Option::Always},
};

} // namespace

QList<Column> columns(int unitSystem, bool showMoa, bool showMils, bool showClicks)
{
    const bool metric = unitSystem == 0;
    QList<Column> result;
    for (const ColumnSpec& entry : allColumns) {
        const bool shown = entry.option == Option::Always || (entry.option == Option::Moa && showMoa)
            || (entry.option == Option::Mils && showMils) || (entry.option == Option::Clicks && showClicks);
        if (!shown)
            continue;
        // Headers are translated in the context of the range card widget that shows them.
        const char* header = metric ? entry.metricHeader : entry.usHeader;
        result << Column{QCoreApplication::translate("RangeCard", header), metric ? entry.metricSeries : entry.usSeries};
    }
    return result;
}

QString cellText(double value)
{
    return std::isfinite(value) ? QString::number(value, 'g', 6) : QStringLiteral("-");
}

QString notComputableText()
{
    return QCoreApplication::translate("RangeCard", "Cannot be computed for this load");
}

} // namespace CardLayout
