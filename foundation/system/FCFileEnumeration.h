// FCFileEnumeration: the entries of one folder, one after the other.
#pragma once

#include "FCPathName.h"

#include "foundation/text/FCString.h"

#include <windows.h>

class FCFileEnumeration {
public:
    FCFileEnumeration();
    FCFileEnumeration(const FCFileEnumeration&) = delete;
    FCFileEnumeration& operator=(const FCFileEnumeration&) = delete;
    virtual ~FCFileEnumeration();

    // Ends any search and takes the pattern (a folder followed by "\\*";
    // a relative one is taken relative to the current folder).
    void open(const char* pattern);
    // The next entry; names beginning with "." (also "." and "..") are
    // passed over, and a folder's name gets a final "\\".  False when no
    // entry is left or the folder cannot be searched.
    bool findNext();
    // findNext until a folder comes, or false.
    bool findNextFolder();
    // The pattern's folder followed by the last entry's name.
    const FCString& fullPath();
    // The platform's record of the last entry.
    const WIN32_FIND_DATAA& data() const { return data_; }
    void close();

private:
    FCPathName pattern_;
    FCString found_;
    HANDLE handle_ = INVALID_HANDLE_VALUE;
    WIN32_FIND_DATAA data_ = {};
    bool started_ = false;
};
