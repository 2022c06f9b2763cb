// FCShortcut: follows a shell shortcut file (".lnk") to the path of its
// target through the shell's link object.
//
// Each object initialises COM for the calling thread while it lives, so it
// is meant to be short-lived and local to one operation.  Nothing is ever
// shown: every failure of the shell becomes a false result.
#pragma once

#include "foundation/text/FCString.h"

#include <windows.h>
#include <shobjidl.h>

class FCShortcut {
public:
    // Initialises COM and creates the link object; a failed step leaves the
    // object without its interfaces, and the operations then fail.
    FCShortcut();
    FCShortcut(const FCShortcut&) = delete;
    FCShortcut& operator=(const FCShortcut&) = delete;
    virtual ~FCShortcut();

    // Loads the shortcut file at path and resolves it (no owner window,
    // SLR_UPDATE).  True when both succeed.
    bool load(const char* path);
    // The loaded shortcut's target path into out; false, with out unchanged,
    // when the shell gives none.  findData may be nullptr; flags go to
    // IShellLinkA::GetPath as they are.
    bool targetPath(FCString& out, WIN32_FIND_DATAA* findData, DWORD flags);

private:
    IShellLinkA* link_ = nullptr;
    IPersistFile* persistFile_ = nullptr;
    bool comInitialised_ = false;
};
