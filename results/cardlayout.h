#pragma once

#include <QList>
#include <QString>

// The columns of a range card: range, drop (with its MOA, mil and click corrections when
// asked for), drift (likewise), velocity, energy and time of flight, packed without gaps.
// Each column names the range-card series of the load that fills it (metric or US rows).
namespace CardLayout {

struct Column {
    QString header; // translated, context "RangeCard"
    int series;     // index into the load's range-card series
};

QList<Column> columns(int unitSystem, bool showMoa, bool showMils, bool showClicks);

// A card value in the general format with 6 significant digits; a value that cannot be
// computed (NaN, or an infinity) reads "-".
QString cellText(double value);

// What a "-" cell means, for its tooltip (context "RangeCard").
QString notComputableText();

} // namespace CardLayout
