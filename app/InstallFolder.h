// Finding the folder in which the product is installed (header key I).
#pragma once

#include "RunSettings.h"

#include "foundation/text/FCString.h"

// Reads an I line's value (the line's cursor at it) and sets the program
// folder and the install folder:
//   I=1;folder            the rest of the line, as written
//   I=2;keypath;value     a string value under HKEY_CURRENT_USER
//   I=3;keypath;value     a string value under HKEY_LOCAL_MACHINE
//   I=4;checkname;folder  the folder when it holds checkname ("%sys%" is the
//                         Windows drive), else the folder the user picks
//   anything else         the program's own folder
// 0 when the install folder is set; 1 when the registry key cannot be
// opened (or names no folder); 2 when the user gave no folder.
int detectInstallFolder(RunSettings& settings, FCString& value);
