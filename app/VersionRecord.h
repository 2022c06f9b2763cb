// Reading the installed version from its source, and recording the new one.
#pragma once

#include "RunSettings.h"

#include <cstdint>

// The installed version from the source that settings name: an INI key, a
// registry string value (current user or local machine, opened with full
// access), or an item of a settings file.  0 when nothing can be read.
std::int32_t readInstalledVersion(const RunSettings& settings);

// Writes the new version to that source.  Silent: a source that cannot be
// written is left alone, and a registry key that does not exist is never
// created.
void recordNewVersion(const RunSettings& settings);
