// The version source of a rehearsed update (header key U) as the
// rehearsal reaches it: a version file must lie in the copy of the install
// folder, and a registry value is read but never written.
#pragma once

#include "app/RunSettings.h"

#include <string>

// False when the version file lies out of the copy (which ends with "\\"):
// the rehearsal then neither reads nor writes the version.
bool versionReachable(const RunSettings& settings, const std::string& copy);

// The version file as written below the copy; empty for a registry source.
std::string versionFileBelow(const RunSettings& settings, const std::string& copy);

// Where and what the program records, as the list writes it:
// "ini FILE [SECTION] KEY = V", "registry HKEY_...\KEY NAME = V",
// "settings FILE ITEM = V"; empty without a source the rehearsal reaches.
std::string versionRecordText(const RunSettings& settings, const std::string& copy);

// Records the new version as the program does where it lies in the copy
// (an INI file or a settings file).
void recordVersionInCopy(const RunSettings& settings);
