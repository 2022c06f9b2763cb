// The three small dialogs of the patch run: a message that says why a run
// ends, a yes/no question, and the About box with the program's version.
#pragma once

#include "RunSettings.h"
#include "VersionLine.h"

#include <windows.h>

// True only when the user pressed はい; Esc and the close box count as いいえ.
bool askYesNo(HWND owner, const char* text, const char* title);

// A message owned by the desktop, with the site button that settings name.
void showMessage(const RunSettings& settings, const char* title, const char* text);

// The About box owned by owner: the maker's line and the version.
void showAbout(HWND owner, const RunSettings& settings);

// The four FileVersion numbers of an executable file's version resource;
// version is left as it is when the file has none.
void readFileVersion(const char* path, FileVersion& version);
