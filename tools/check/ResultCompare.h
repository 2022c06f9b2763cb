// What a rehearsed update made of the older tree, against the newer tree:
// byte for byte, leaving out the updates' backup folders; an INI file that
// "i" records updated by its sections, keys and values (each key of the
// newer file with its value).
#pragma once

#include <filesystem>
#include <string>
#include <vector>

// One difference: "differs", "missing" (only the newer tree has it),
// "extra" (only the result has it), or a line of the rehearsal that did
// not work ("failed", "refused", "ended").
struct ProofDifference {
    std::string kind;
    std::string name;  // code page 932

    bool operator==(const ProofDifference& other) const
    {
        return kind == other.kind && name == other.name;
    }
};

// False, with the reason in error, when a tree cannot be read.  With
// keepRemoved, what only the result has is no difference: the patch keeps
// what the newer tree no longer has.
bool resultDifferences(const std::filesystem::path& result, const std::filesystem::path& newer,
                       const std::vector<std::string>& iniFiles, bool keepRemoved,
                       std::vector<ProofDifference>& out, std::string& error);
