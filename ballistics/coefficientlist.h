#pragma once

#include <QList>
#include <QString>

// The text form of a load's coefficient and velocity lists in the store and in parameter
// files: every value in the general numeric format with 6 significant digits (point as decimal
// separator, trailing zeros dropped), joined by ";" without spaces. "0.5;0.48;0.455".
namespace CoefficientList {

QString format(const QList<double>& values);

// Splits at every ";" (empty parts kept); a part that does not read as a finite number gives 0.
QList<double> parse(const QString& text);

} // namespace CoefficientList
