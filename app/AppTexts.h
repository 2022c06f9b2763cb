// Fixed texts of the patch run, in code page 932 (escaped bytes made with
// tools/sjis-literal; the Japanese stands beside each one).
#pragma once

namespace apptexts {

inline constexpr const char kDescriptionFileName[] = "brantlewick.dat";

// Defaults applied at the end of the description header.
inline constexpr const char kDefaultCaption[] = "brantlewick";
inline constexpr const char kDefaultExecutableName[] = "brantlewick.exe";
inline constexpr const char kDefaultHelpLabel[] = "\203w\203\213\203v";  // ヘルプ

}  // namespace apptexts
