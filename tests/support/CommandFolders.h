// The folders a command works in, made afresh for each test: a source root,
// an install folder, and a working folder that is the current folder while
// the test runs (temporary INI copies and relative backups land there).
#pragma once

#include "TestFiles.h"

#include <string>

class CommandFolders {
public:
    explicit CommandFolders(const std::string& name);
    CommandFolders(const CommandFolders&) = delete;
    CommandFolders& operator=(const CommandFolders&) = delete;
    // Makes the earlier current folder current again.
    ~CommandFolders();

    // The folders, each with a final "\\".
    const std::string& source() const { return source_; }
    const std::string& install() const { return install_; }
    const std::string& work() const { return work_; }

    // Writes a file below the source root or the install folder, making the
    // folders on its way.
    void putSource(const std::string& relative, const std::string& bytes) const;
    void putInstalled(const std::string& relative, const std::string& bytes) const;
    // The bytes of a file below the install folder; empty when it is missing.
    std::string installed(const std::string& relative) const;
    bool isInstalled(const std::string& relative) const;

private:
    TempFolder root_;
    std::string source_;
    std::string install_;
    std::string work_;
    std::string previous_;
};

// Writes bytes to path, making every missing folder on its way.
void putFile(const std::string& path, const std::string& bytes);
