#pragma once

#include <QList>
#include <QString>

class Shoot;

// Truing: the muzzle velocity or the ballistic coefficient of a load that makes its computed
// drop at one range, with its own zero, equal the drop seen on the target.
//
// Every trial flies a scratch copy of the load (nothing is stored, no warning is shown) under
// the current conditions. The muzzle velocity is searched among the whole values of the load's
// unit between 10 and 2000 m/s; the coefficient fit scales every velocity band by one factor,
// keeping every coefficient between 0.001 and 2, to a millionth of the coefficient.
namespace Truing {

enum class Fit {
    MuzzleVelocity,
    Coefficient,
};

// The drop is entered as a distance below the point of aim or as the come-up (elevation
// dialled up) that hit.
enum DropUnit {
    Centimetres = 0,
    Inches,
    Moa,
    Mils,
    Clicks,
};

struct Input {
    double range = 300.0;
    int rangeUnit = 0; // 0 m, 1 yd
    double drop = 0.0; // below the point of aim, or come-up; in dropUnit
    int dropUnit = Centimetres;
    Fit fit = Fit::MuzzleVelocity;
};

struct Result {
    bool found = false;
    Fit fit = Fit::MuzzleVelocity;
    int muzzleVelocity = 0;     // fitted, in the load's muzzle velocity unit
    QList<double> velMinList;   // the load's bands
    QList<double> coefficients; // fitted (or the load's own for a velocity fit)
    double dropM = 0.0;         // computed drop below the line of sight with the fitted value
    double changePercent = 0.0; // fitted value against the load's
};

// Metres of a range, metres below the line of sight of a drop, and back.
double rangeMetres(double range, int rangeUnit);
double dropMetres(double drop, int dropUnit, double rangeM);
double dropInUnit(double dropM, int dropUnit, double rangeM);

// The drop (m below the line of sight) of the load at rangeM with its zero; NaN when the load
// cannot be flown, its zero cannot be reached or it does not get that far. Shows no warning.
double computedDrop(const Shoot& load, double rangeM);

Result fit(const Shoot& load, const Input& input);

// Writes a fitted value into the load through its setters.
void apply(const Result& result, Shoot& load);

// "Muzzle velocity = 812 m/s" or "BC = 0.4523 (G7)" (every band for a load with several).
QString fittedText(const Result& result, const Shoot& load);

} // namespace Truing
