#pragma once

#include <QColor>
#include <QIcon>
#include <QString>

// The colour of each load slot, shared by its curve, its info panel and its tab icon: entry
// i modulo 10 of blue, red, black, dark cyan, magenta, dark blue, dark yellow, dark green,
// dark magenta, dark red (a negative remainder gives black).
namespace LoadColors {

Qt::GlobalColor globalColor(int index);
QColor color(int index);
// The toolkit's name of the colour, as the square icon resources are named ("darkCyan").
QString name(int index);
// ":/square_icons/<name>".
QIcon icon(int index);

} // namespace LoadColors
