#pragma once

#include <QString>

#include <functional>

// Where the core hands the messages a user must read: a zero range that cannot be reached,
// a file that could not be written. The core has no widgets, so it never shows a box itself.
// The application installs a sink that shows a modal warning box over the active window;
// tests install a recorder; a command-line tool writes to standard error (the default).
namespace Messages {

using WarningSink = std::function<void(const QString& title, const QString& text)>;

// Installs sink and returns the one it replaces. An empty sink restores the default.
WarningSink setWarningSink(WarningSink sink);

// Hands a warning to the installed sink.
void warning(const QString& title, const QString& text);

} // namespace Messages
