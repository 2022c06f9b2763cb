#include "CommandFolders.h"

#include <windows.h>

CommandFolders::CommandFolders(const std::string& name)
    : root_(name), source_(root_ / "source\\"), install_(root_ / "install\\"),
      work_(root_ / "work\\")
{
    for (const std::string* folder : {&source_, &install_, &work_})
        CreateDirectoryA(folder->c_str(), nullptr);
    char current[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, current);
    previous_ = current;
    SetCurrentDirectoryA(work_.c_str());
}

CommandFolders::~CommandFolders()
{
    SetCurrentDirectoryA(previous_.c_str());
}

void CommandFolders::putSource(const std::string& relative, const std::string& bytes) const
{
    putFile(source_ + relative, bytes);
}

void CommandFolders::putInstalled(const std::string& relative, const std::string& bytes) const
{
    putFile(install_ + relative, bytes);
}

std::string CommandFolders::installed(const std::string& relative) const
{
    return isInstalled(relative) ? readBytes(install_ + relative) : std::string();
}

bool CommandFolders::isInstalled(const std::string& relative) const
{
    return pathExists(install_ + relative);
}

void putFile(const std::string& path, const std::string& bytes)
{
    for (std::size_t at = path.find('\\', 3); at != std::string::npos; at = path.find('\\', at + 1))
        CreateDirectoryA(path.substr(0, at).c_str(), nullptr);
    writeBytes(path, bytes);
}
