#include "results/cardlayout.h"

#include <QCoreApplication>

namespace CardLayout {

QList<Column> columns(int unitSystem, bool showMoa, bool showMils, bool showClicks)
{
    const auto tr = [](const char* text) { return QCoreApplication::translate("RangeCard", text); };
    const bool metric = unitSystem == 0;
    QList<Column> result;
    result << Column{metric ? tr("Range (m)") : tr("Range (yd)"), metric ? 2 : 8};
    result << Column{metric ? tr("Drop (cm)") : tr("Drop (in)"), metric ? 3 : 9};
    if (showMoa)
        result << Column{tr("Drop (MOA)"), metric ? 13 : 19};
    if (showMils)
        result << Column{tr("Drop (mils)"), metric ? 15 : 21};
    if (showClicks)
        result << Column{tr("Drop (clicks)"), metric ? 17 : 23};
    result << Column{metric ? tr("Drift (cm)") : tr("Drift (in)"), metric ? 1 : 7};
    if (showMoa)
        result << Column{tr("Drift (MOA)"), metric ? 12 : 18};
    if (showMils)
        result << Column{tr("Drift (mils)"), metric ? 14 : 20};
    if (showClicks)
        result << Column{tr("Drift (clicks)"), metric ? 16 : 22};
    result << Column{metric ? tr("Velocity (m/s)") : tr("Velocity (fps)"), metric ? 4 : 10};
    result << Column{metric ? tr("Energy (J)") : tr("Energy (ft.lbs)"), metric ? 5 : 11};
    result << Column{tr("Time of flight (s)"), metric ? 0 : 6};
    return result;
}

} // namespace CardLayout
