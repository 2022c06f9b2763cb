// Texts of the command engine, in code page 932 (tools/sjis-literal makes
// the escaped form; the Japanese stands beside each one).
#pragma once

namespace texts {

// \n  ↓\n  (between a copied file and where it goes)
inline constexpr const char kDescribeArrow[] = "\n  \201\253\n";
inline constexpr const char kDescribeDelete[] = "DELETE: ";
inline constexpr const char kDescribeMkdir[] = "MKDIR: ";
inline constexpr const char kDescribeBackupFolder[] = "CreateBackupFolder...";
inline constexpr const char kDescribeIni[] = "INI: ";
inline constexpr const char kDescribeRename[] = "RENAME: ";

}  // namespace texts
