#include "results/loadcolors.h"

namespace LoadColors {
namespace {

struct Entry {
    Qt::GlobalColor color;
    const char* name;
};

constexpr Entry palette[] = {
    {Qt::blue, "blue"},
    {Qt::red, "red"},
    {Qt::black, "black"},
    {Qt::darkCyan, "darkCyan"},
    {Qt::magenta, "magenta"},
    {Qt::darkBlue, "darkBlue"},
    {Qt::darkYellow, "darkYellow"},
    {Qt::darkGreen, "darkGreen"},
    {Qt::darkMagenta, "darkMagenta"},
    {Qt::darkRed, "darkRed"},
};

const Entry& entry(int index)
{
    const int remainder = index % 10;
    return remainder < 0 ? palette[2] : palette[remainder];
}

} // namespace

Qt::GlobalColor globalColor(int index)
{
    return entry(index).color;
}

QColor color(int index)
{
    return QColor(entry(index).color);
}

QString name(int index)
{
    return entry(index).name;
}

QIcon icon(int index)
{
    return QIcon(":/square_icons/" + name(index));
}

} // namespace LoadColors
