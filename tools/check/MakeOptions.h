// What brantlewick-check --make is asked to make.
#pragma once

#include <string>

struct MakeOptions {
    std::string product;        // T; empty: no T line
    std::string version;        // V; empty: no V line
    std::string versionSource;  // the text after "U="; empty: no U line
    std::string install;        // the text after "I="
    bool keepRemoved = false;   // no "d" for what the newer tree no longer has
    bool replaceIni = false;    // changed INI files shipped whole
    bool json = false;
    std::string oldFolder;
    std::string newFolder;
    std::string patchFolder;
};

// The maker's own backup folders and the files of a patch below the patch
// folder.
inline constexpr const char kBackupPattern[] = "backup%1\\";
inline constexpr const char kShippedFolder[] = "files\\";
