#pragma once

// Conversion factors, exact as written, shared by the solver, the settings, the cards and the
// tools so that every part converts a unit with the same number.
namespace Units {

inline constexpr double yardsPerMetre = 1.0936133;
inline constexpr double metresPerFoot = 0.3048;
inline constexpr double centimetresPerInch = 2.54;
inline constexpr double grainsToGrams = 0.06479891;
inline constexpr double moaPerRadian = 3437.7467707849396;
inline constexpr double tenthMoaPerRadian = 34377.46770784939;
inline constexpr double joulesToFootPounds = 0.737562149;
inline constexpr double metresPerSecondPerMph = 0.44704;

} // namespace Units
