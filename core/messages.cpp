#include "core/messages.h"

#include <cstdio>

namespace Messages {
namespace {

void writeToStandardError(const QString& title, const QString& text)
{
    std::fprintf(stderr, "%s: %s\n", qUtf8Printable(title), qUtf8Printable(text));
}

WarningSink& currentSink()
{
    static WarningSink sink = writeToStandardError;
    return sink;
}

} // namespace

WarningSink setWarningSink(WarningSink sink)
{
    WarningSink previous = currentSink();
    currentSink() = sink ? std::move(sink) : WarningSink(writeToStandardError);
    return previous;
}

void warning(const QString& title, const QString& text)
{
    currentSink()(title, text);
}

} // namespace Messages
