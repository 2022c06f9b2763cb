// The folder trees of a rehearsal: every entry of a folder (names beginning
// with "." too: the program meets them as well), their copy and removal,
// and what differs between two trees.
//
// Folders are written with a final "\\"; paths inside a tree are relative
// to its top.
#pragma once

#include "Rehearsal.h"

#include <string>
#include <vector>

// The files and folders below folder, sorted by their bytes.
std::vector<std::string> listTree(const std::string& folder);

// Copies every file and folder below from into to, which exists.  False
// when one could not be copied.
bool copyTree(const std::string& from, const std::string& to);

// Removes folder with everything in it, read-only files too.
void removeTree(const std::string& folder);

// The entries created, replaced (bytes that differ) and removed from
// before to after, sorted.  A replaced or removed file's backup is a
// created file with the bytes it had before.
std::vector<RehearsalLine> treeChanges(const std::string& before, const std::string& after);
