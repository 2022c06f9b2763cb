// Where the product keeps its installed version (header key U).
#pragma once

#include "RunSettings.h"

#include "foundation/text/FCString.h"

// Reads a U line's value (the line's cursor at it) into the version source
// of settings:
//   U=1;file;section;key   INI file in the install folder
//   U=2;keypath;valuename  registry under HKEY_CURRENT_USER
//   U=3;keypath;valuename  registry under HKEY_LOCAL_MACHINE
//   U=4;file;itemname      settings file in the install folder
// A file name is joined to the install folder as it is at this moment.  Any
// other type clears the source.  Fields missing at the end leave their
// settings unchanged.
void parseVersionSource(RunSettings& settings, FCString& value);
