// The patch folder as the checker sees it: which of the files that the
// description names are there.
#pragma once

#include <string>

class PatchFolder {
public:
    explicit PatchFolder(std::string folder) : folder_(std::move(folder)) {}

    // The path of the description file in the folder.
    std::string descriptionPath() const;
    // Whether a file or folder exists at a path written as the description
    // writes it (backslashes, any letter case), relative to the folder.
    bool has(const std::string& relative) const;

private:
    std::string folder_;
};
