#include "bench/reference/comparison.h"

#include "ballistics/shoot.h"

#include <QVector>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace ReferenceComparison {

bool sameBits(double a, double b)
{
    return std::memcmp(&a, &b, sizeof(double)) == 0;
}

namespace {

QString number(double value)
{
    return QString::number(value, 'g', 17);
}

bool agrees(double engine, double reference, bool bend)
{
    if (sameBits(engine, reference))
        return true;
    if (!bend || !std::isfinite(engine) || !std::isfinite(reference))
        return false;
    const double scale = std::max(std::fabs(engine), std::fabs(reference));
    return std::fabs(engine - reference) <= bendRelativeTolerance * scale;
}

QString describe(double engine, double reference)
{
    QString text = QStringLiteral("engine %1, reference %2").arg(number(engine), number(reference));
    if (engine == reference)
        text += QStringLiteral(" (the signs of zero differ)");
    else if (std::isfinite(engine) && std::isfinite(reference) && reference != 0.0)
        text += QStringLiteral(" (relative difference %1)")
                    .arg(std::fabs(engine - reference) / std::fabs(reference), 0, 'g', 3);
    return text;
}

void compareSeries(const QString& name, const QVector<double>& engine, const std::vector<double>& reference, bool bend,
    QStringList& mismatches)
{
    const int engineSize = engine.size();
    const int referenceSize = static_cast<int>(reference.size());
    if (engineSize != referenceSize)
        mismatches << QStringLiteral("%1 length: engine %2, reference %3").arg(name).arg(engineSize).arg(referenceSize);
    const int common = std::min(engineSize, referenceSize);
    int first = -1;
    int differing = 0;
    for (int i = 0; i < common; ++i) {
        if (agrees(engine[i], reference[static_cast<std::size_t>(i)], bend))
            continue;
        if (first < 0)
            first = i;
        ++differing;
    }
    if (first < 0)
        return;
    QString text = QStringLiteral("%1 entry %2: %3")
                       .arg(name)
                       .arg(first)
                       .arg(describe(engine[first], reference[static_cast<std::size_t>(first)]));
    if (differing > 1)
        text += QStringLiteral("; %1 of its %2 compared entries differ").arg(differing).arg(common);
    mismatches << text;
}

} // namespace

QStringList compare(const Shoot& engine, const QList<double>& enginePointBlank, const ReferenceResult& reference)
{
    QStringList mismatches;

    if (!sameBits(engine.shootAngle(), reference.shootAngle))
        mismatches << QStringLiteral("shoot angle: %1").arg(describe(engine.shootAngle(), reference.shootAngle));

    const int trajectoryCount = static_cast<int>(reference.trajectorySeries.size());
    for (int i = 0; i < trajectoryCount; ++i) {
        const bool bend = i == 6 || i == 12;
        compareSeries(QStringLiteral("trajectory series %1").arg(i), engine.TrajectorySeries(i),
            reference.trajectorySeries[static_cast<std::size_t>(i)], bend, mismatches);
    }
    const int cardCount = static_cast<int>(reference.cardSeries.size());
    for (int i = 0; i < cardCount; ++i) {
        compareSeries(QStringLiteral("card series %1").arg(i), engine.CardSeries(i),
            reference.cardSeries[static_cast<std::size_t>(i)], false, mismatches);
    }

    compareSeries(QStringLiteral("point-blank list"), QVector<double>(enginePointBlank.begin(), enginePointBlank.end()),
        reference.pointBlank, false, mismatches);
    return mismatches;
}

} // namespace ReferenceComparison
