// The text form of a load's coefficient and velocity lists, as it comes from a parameter file
// or the store: any text parses into finite numbers, one per ";"-separated part, and the list
// survives formatting to 6 significant digits and parsing back.
#include "ballistics/coefficientlist.h"
#include "fuzz/fuzzsupport.h"

#include <cmath>
#include <limits>

namespace {

QString listText(const QList<double>& values)
{
    QStringList parts;
    for (double value : values)
        parts << QString::number(value, 'g', 17);
    return "(" + parts.join(", ") + ")";
}

void check(const QString& text)
{
    const QList<double> values = CoefficientList::parse(text);
    const QString formatted = CoefficientList::format(values);
    const QList<double> reread = CoefficientList::parse(formatted);
    const auto broken = [&](const QString& what) {
        FuzzSupport::fail(what + "\ntext: \"" + text + "\"\nparsed: " + listText(values) + "\nformatted: \"" + formatted
            + "\"\nparsed again: " + listText(reread));
    };
    if (values.size() != text.count(';') + 1)
        broken(QString("parse gave %1 values for %2 parts").arg(values.size()).arg(text.count(';') + 1));
    for (double value : values)
        if (!std::isfinite(value))
            broken("parse gave a number that is not finite");
    if (formatted.contains(' '))
        broken("format wrote a space");
    if (reread.size() != values.size())
        broken("the formatted list parses to another number of values");
    // Formatting keeps 6 significant digits: half a unit of the 6th digit, or less than the
    // smallest step of the doubles where they run out of digits (the subnormal numbers).
    for (int i = 0; i < values.size(); ++i)
        if (std::abs(values[i] - reread[i]) > 5e-6 * std::abs(values[i]) + std::numeric_limits<double>::denorm_min())
            broken(QString("value %1 moved by more than the 6th digit").arg(i));
    // Once formatted, the text is a fixed point.
    if (CoefficientList::format(reread) != formatted)
        broken("formatting the parsed text changed it: \"" + CoefficientList::format(reread) + "\"");
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    FuzzSupport::initialize(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), int(size));
    // The store and parameter files hold UTF-8; Latin-1 reaches every 8-bit code as it is.
    check(QString::fromUtf8(bytes));
    check(QString::fromLatin1(bytes));
    return 0;
}
