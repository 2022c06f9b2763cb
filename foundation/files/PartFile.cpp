#include "PartFile.h"

#include "FCFileUty.h"

PartFile::PartFile(const char* path) : path_(path), part_(FCFileUty::partNameOf(path))
{
    if (FCFile::isFile(part_.text()))
        FCFileUty::remove(part_.text(), 1);
    file_.openForUpdate(part_.text());
}

PartFile::~PartFile()
{
    file_.close();
    if (!placed_ && FCFile::isFile(part_.text()))
        DeleteFileA(part_.text());
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
