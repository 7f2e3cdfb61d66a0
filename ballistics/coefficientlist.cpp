#include "ballistics/coefficientlist.h"

#include <QStringList>

#include <cmath>

namespace CoefficientList {

QString format(const QList<double>& values)
{
    QStringList parts;
    parts.reserve(values.size());
    for (double value : values)
        parts << QString::number(value, 'g', 6);
    return parts.join(';');
}

QList<double> parse(const QString& text)
{
    QList<double> values;
    const QStringList parts = text.split(';');
    values.reserve(parts.size());
    for (const QString& part : parts) {
        const double value = part.toDouble();
        values << (std::isfinite(value) ? value : 0.0);
    }
    return values;
}

} // namespace CoefficientList
