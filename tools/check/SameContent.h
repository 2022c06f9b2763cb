// Whether two files of the same size hold the same bytes, read in large
// pieces, without looking at single bytes.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>

// Called with the bytes read from each file since the last call.
using BytesRead = std::function<void(std::uint64_t bytes)>;

// A file that cannot be read differs from every other.
bool sameContent(const std::filesystem::path& a, const std::filesystem::path& b,
                 const BytesRead& progress);
