// What the file tests need around the code under test, written with plain
// Win32 calls so that they do not lean on the classes they check.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

// A fresh folder under the temporary folder, removed with all it holds when
// the test ends.
class TempFolder {
public:
    explicit TempFolder(const std::string& name);
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    ~TempFolder();

    // The folder, with a final "\\".
    const std::string& path() const { return path_; }
    // A path inside the folder.
    std::string operator/(const std::string& name) const { return path_ + name; }

private:
    std::string path_;
};

void writeBytes(const std::string& path, const std::string& bytes);
// True when path names a file or folder.
bool pathExists(const std::string& path);
// Makes a folder where the program writes the new bytes of the file at path
// before they take its place, so that no copy can replace that file.
void blockNewBytesOf(const std::string& path);
std::string readBytes(const std::string& path);
// A file of size bytes that takes no room (the system leaves it sparse).
void makeLargeFile(const std::string& path, std::uint64_t size);
// Saves a shell shortcut at lnk that points to target.
void makeShortcut(const std::string& lnk, const std::string& target);
// Opens path as another program that shares it with nobody.
HANDLE holdWithoutSharing(const std::string& path);
// The position of a file handle.
std::uint64_t positionOf(HANDLE file);
