// The paths of a command record or copy-list line as a rehearsal sees them:
// each must stay below the folder it is joined to (the source root, the
// install folder, the backup folder or the working folder), or the record
// would reach past the rehearsal's folders.
#pragma once

#include "engine/CommandParser.h"
#include "engine/CommandRecord.h"

#include "foundation/text/FCString.h"

#include <string>

// The first path of record that leads out of its folder, or empty.  An "e"
// record opens nothing in a rehearsal, and an "end" record only looks
// whether its file exists, so their paths lead nowhere.
std::string pathLeaving(const CMD_DATA_& record, const char* installFolder);

// The first path of line that leads out of its folder, or empty.
std::string pathLeaving(const CopyListLine& line);
