#pragma once

#include <QString>

// Parameter files (".vnt"): INI copies of the per-user store, holding the general settings,
// the conditions, the rifle and scope and the four loads. Saving copies the store into a file,
// loading copies a file into the store and makes the settings and the loads re-read it. The
// file dialogs live in the widget that asks for the names (Saver); everything else is here, so
// that the command-line tool and the tests run the same code.
namespace ParameterFile {

inline constexpr char suffix[] = ".vnt";

// Why save() or load() failed when the temporary folder they work in cannot be written.
QString temporaryFolderProblem();

// name with ".vnt" appended unless it already ends in exactly ".vnt" (case-sensitive).
QString withSuffix(const QString& name);

// Writes every key of the store except "global/saveDir" and "global/language" into fileName.
// Keys that an existing file of that name holds and the store does not stay in it. The file is
// replaced in one step: after a failure the old file, or none, is there, never half a file.
// On failure returns false and says why in errorText.
bool save(const QString& fileName, QString* errorText = nullptr);

// Copies the settings and load keys of fileName into the store (keys the file does not hold
// keep their values; keys the program does not know and the per-machine keys "global/saveDir"
// and "global/language" are ignored), then re-reads every setting
// and the four loads. A file that is not a parameter file yields the defaults or 0 for what it
// lacks. Returns false, changing nothing, when the file cannot be read at all (missing, a
// folder, no permission); the file is read once, so one that changes meanwhile cannot mix.
bool load(const QString& fileName, QString* errorText = nullptr);

// Re-reads the four loads from the store, in index order. A stored unit or drag model index
// outside its list is first replaced by 0, the first entry.
void restoreLoads();

} // namespace ParameterFile
