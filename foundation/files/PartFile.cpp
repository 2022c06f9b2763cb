#include "PartFile.h"

#include "FCFileUty.h"

#include "foundation/system/FCPathName.h"

PartFile::PartFile(const char* path) : path_(path), part_(FCFileUty::makePartName(path))
{
    FCPathName(part_).folderPart(folder_, true);
    if (FCFile::isFile(part_.text()))
        FCFileUty::remove(part_.text(), 1);
    file_.openForUpdate(part_.text());
}

PartFile::~PartFile()
{
    // Nothing here may allocate: the destructor also runs when memory ran out.
    file_.close();
    if (!placed_)
        DeleteFileA(part_.text());
    // The parts folder goes too, unless other part files are in it.
    RemoveDirectoryA(folder_.text());
}

bool PartFile::mayPlace() const
{
    return FCFileUty::mayReplace(path_.text());
}

bool PartFile::place()
{
    // The file ends where the writing ended, whatever stood there before.
    SetEndOfFile(file_.handle());
    file_.close();
    placed_ = FCFileUty::putInPlace(part_.text(), path_.text());
    return placed_;
}
