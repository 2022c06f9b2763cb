// A file's new bytes, written beside it under its part name
// (FCFileUty::makePartName) and put in its place only when whole, so that the
// file holds its old bytes or all of the new ones at every moment.
#pragma once

#include "FCFile.h"

#include "foundation/text/FCString.h"

class PartFile {
public:
    // Opens the part file of path for writing (asking Retry/Cancel as FCFile
    // does).  What an earlier run left there goes first, so that the file is
    // made new rather than cut back: file systems that guard a file
    // rewritten from nothing write it out whole when it is closed.
    explicit PartFile(const char* path);
    PartFile(const PartFile&) = delete;
    PartFile& operator=(const PartFile&) = delete;
    // A part file that was not put in place is removed, also when an
    // exception leaves the writer's scope.
    ~PartFile();

    FCFile& file() { return file_; }

    // True when path is missing or may be replaced now, asking the user
    // while another program holds it (FCFileUty::mayReplace).
    bool mayPlace() const;

    // Closes the part file and puts it in the place of path
    // (FCFileUty::putInPlace, asking when path is in use).  False, with the
    // file at path as it was, when it could not.
    bool place();

private:
    FCString path_;
    FCString part_;
    FCString folder_;  // the parts folder that holds part_
    FCFile file_;
    bool placed_ = false;
};
