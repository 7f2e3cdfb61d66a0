#pragma once

#include <cmath>

// How a gyroscopic stability factor reads to a shooter: below 1.0 the bullet is not stable,
// below 1.3 it is marginal (it may tumble in cold, dense air or keyhole at long range).
namespace Stability {

enum class Rating {
    Unknown, // not computable: a dimension or the twist is missing
    NotStable,
    Marginal,
    Stable,
};

constexpr double marginalBelow = 1.3;
constexpr double unstableBelow = 1.0;

inline Rating rate(double factor)
{
    if (!std::isfinite(factor))
        return Rating::Unknown;
    if (factor < unstableBelow)
        return Rating::NotStable;
    return factor < marginalBelow ? Rating::Marginal : Rating::Stable;
}

// The untranslated word for scripts: "not stable", "marginal" or empty.
inline const char* warningText(Rating rating)
{
    return rating == Rating::NotStable ? "not stable" : rating == Rating::Marginal ? "marginal" : "";
}

} // namespace Stability
