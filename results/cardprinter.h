#pragma once

#include <QString>

class QPrinter;
class QTableWidget;
class QTextDocument;
class Settings;
class Shoot;

// The printed range card of one load, as one rich-text document: the load's title, the
// version line, a two-column block with the load and the shooting conditions, the load's note
// and the card table with its header row repeated on every page. The printer and the PDF export
// of RangeCard print this document; nothing here touches a printer or a dialog.
//
// Captions are translated in the context "RangeCard", the widget that prints them.
namespace CardPrinter {

// The two columns of the block under the title, one line per item, lines joined by "\n".
struct Block {
    QString left;  // projectile and conditions
    QString right; // the matching second items
};

// The block of a load under the current settings. Asks the load for its point-blank ranges,
// which runs the kill-zone solution (the load must have its fields set, not a computation).
Block block(Shoot* load, const Settings* settings);

// A characteristic range of the point-blank list (metres) as the block prints it: rounded to
// 0.1 m, or converted to yards and rounded to 0.1 yd, halves away from zero, with one decimal
// and " m" or " yd". A range that was not found (not finite, zero or negative) prints "-".
QString rangeText(double metres, int unitSystem);

// What the card prints above its table: the load's title, the block and the load's note. A card
// takes it when it is filled, so that what it prints describes the computation of its table,
// whatever is edited afterwards without computing.
struct Heading {
    QString title;
    Block block;
    QString note;
};

Heading heading(Shoot* load, const Settings* settings);
// The ballistic coefficient as the block prints it: the one coefficient and its drag model, or
// every band of a multi-band load, slowest first, each with the speed it starts at.
QString bandsText(const Shoot* load);

// The printed sentence that says which zero the point-blank ranges belong to.
QString pointBlankNote();

// Chooses the page for a composed card: portrait when no header or cell of the card table
// breaks inside a word there, else landscape, made smaller until nothing breaks (down to half
// size). Sets the printer's orientation and the document's page size.
void fitToPage(QTextDocument* document, QPrinter* printer);

// Lays the whole card out in an empty document: title, version line, block, note and the
// rows of table (its header texts and the displayed texts of its cells).
void compose(QTextDocument* document, const Heading& heading, const QTableWidget* table);

} // namespace CardPrinter
