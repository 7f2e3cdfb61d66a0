#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class QTextDocument;
class Settings;
class Shoot;

// The dope card: one compact table of a load's last computation, to tape to a stock. Rows every
// 100 m or 100 yd (the card's units) to 1000 or the end of the trajectory: the elevation
// come-up in clicks and in MOA (mils with the mil angle display) marked U or D, the wind holds
// marked L or R for three wind speeds, the velocity and the energy. Values come from the
// trajectory exactly as the range card's do: at a range both show, both agree.
//
// The wind speeds are the set wind, its half and its double (at the set angle); without a
// crosswind set, 2, 4 and 6 m/s (5, 10 and 15 mph in US units) at 90 degrees. A hold includes
// the spin drift when the settings include it.
namespace DopeCard {

constexpr int rangeStep = 100;
constexpr int lastRange = 1000;

struct Row {
    double range = 0.0;      // m or yd
    double comeUpClicks = 0; // positive up
    double comeUpAngle = 0;  // MOA or mils, positive up, to 0.1
    QList<double> holds;     // MOA or mils per wind speed, positive right, to 0.1
    double velocity = 0.0;   // m/s or ft/s
    double energy = 0.0;     // J or ft.lbs
};

struct Table {
    bool metric = true; // m, m/s and J, or yd, ft/s and ft.lbs
    bool mils = false;
    QList<double> windSpeeds; // in windUnit
    QString windUnit;
    double windAngleDeg = 90.0;
    QList<Row> rows;
};

// The table of the load's last computation under the current settings (no rows when the load
// has none).
Table table(const Shoot& load, const Settings& settings);

// What the card prints: the load's title, the header lines (zero, conditions, date) and the
// table, all taken at once when a computation is shown, so that the header describes the
// computation of the rows whatever is edited afterwards without computing.
struct Card {
    QString title;
    QStringList header;
    Table table;
};

// The card of the load's last computation under the current settings.
Card card(const Shoot& load, const Settings& settings);

// "12.5 U", "3 D", "0.4 L", "1.0 R", or "0" / "0.0" for nothing to correct.
QString marked(double value, int decimals, const char* positive, const char* negative);

// Lays the card out in an empty document: the title, the header lines and a warning when the
// results are older than the inputs, then the table.
void compose(QTextDocument* document, const Card& card, bool outOfDate);

// Prints document as a PDF file under fileName, on A4 portrait, through PdfExport: false, with
// the reason in errorText, when the file cannot be written (an older file is then left whole).
bool writePdf(QTextDocument* document, const QString& fileName, QString* errorText = nullptr);

} // namespace DopeCard
