#pragma once

#include <QString>
#include <QStringList>

// What every fuzz target needs around the code it feeds: a process with a QCoreApplication, a
// settings store and a home folder of its own (never the user's), silent debug traces, user
// warnings swallowed, and a way to stop on a broken promise so that the input is kept.
namespace FuzzSupport {

// From LLVMFuzzerInitialize: a private temporary folder (removed at exit) holding the store and
// the home folder, then the QCoreApplication.
void initialize(int* argc, char*** argv);
// As a start of the program: the settings and the four loads read from the (empty) store.
void startProgram();
// The private temporary folder; a target writes its files there.
QString workDir();
// Empties the store, so that an input never sees what an earlier input left in it.
void clearStore();
// The user warnings (Messages::warning) handed over since the last call, as "title: text".
QStringList takeWarnings();
// True when VANTO_FUZZ_VERBOSE is set: a target then prints what it decoded from its input.
bool verbose();
// Every value of the settings and of the four loads, one "name=value" per line (doubles to 17
// significant digits): what a computation starts from.
QString describeState();
// Prints what went wrong and aborts: libFuzzer keeps the input as a crash, the replay reports it.
[[noreturn]] void fail(const QString& what);

} // namespace FuzzSupport
