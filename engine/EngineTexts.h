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

// アーカイブするファイルを調査しています...
inline constexpr const char kArchiveGatherTitle[] =
    "\203A\201[\203J\203C\203u\202\267\202\351\203t\203@\203C\203\213\202\360\222\262\215\270\202\265\202\304\202\242\202\334\202\267...";
// 調査中です。\nしばらくお待ち下さい...
inline constexpr const char kArchiveGatherText[] =
    "\222\262\215\270\222\206\202\305\202\267\201B\n"
    "\202\265\202\316\202\347\202\255\202\250\221\322\202\277\211\272\202\263\202\242...";
// アーカイブファイルの出力
inline constexpr const char kArchiveWriteTitle[] =
    "\203A\201[\203J\203C\203u\203t\203@\203C\203\213\202\314\217o\227\315";
// 出力中...
inline constexpr const char kArchiveWriteText[] = "\217o\227\315\222\206...";
// 個の重複が見つかりました。OKを押すとエラー出力にリストを出力します。
// (after the number of files that had an id already taken)
inline constexpr const char kArchiveDuplicates[] =
    "\214\302\202\314\217d\225\241\202\252\214\251\202\302\202\251\202\350\202\334\202\265\202\275\201B"
    "OK\202\360\211\237\202\267\202\306\203G\203\211\201[\217o\227\315\202\311\203\212\203X\203g\202\360"
    "\217o\227\315\202\265\202\334\202\267\201B";

}  // namespace texts
