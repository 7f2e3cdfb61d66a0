#pragma once

#include "bench/reference/referencesolver.h"

#include <QList>
#include <QStringList>

class Shoot;

// Exactness check of the engine against the reference solver.
//
// Compares what a load has just computed (ComputeTrajectory, then ComputeRangeCard, and the list
// its PointBlankRanges returned) with the reference result of the same load and settings. The
// shooting angle, every entry of the 19 trajectory and 24 range-card series and the point-blank
// list must be identical to the bit (two NaNs of the same bits are equal; +0 and -0 are not),
// and every series must have the reference's length. Only the bend series (trajectory series 6
// and 12) may differ, by a relative difference of at most bendRelativeTolerance, since the
// engine may compute the bend by another, equivalent, path.
//
// Returns one human-readable text per difference (empty when everything agrees); for a series
// with several differing entries, the first one is described and the others are counted.
namespace ReferenceComparison {

inline constexpr double bendRelativeTolerance = 1e-12;

QStringList compare(const Shoot& engine, const QList<double>& enginePointBlank, const ReferenceResult& reference);

// True when both doubles have the same bits.
bool sameBits(double a, double b);

} // namespace ReferenceComparison
