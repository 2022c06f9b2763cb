// The texts that the patch run shows, in code page 932 (escaped bytes made
// with tools/sjis-literal; the Japanese stands beside each one).
#pragma once

namespace runtexts {

// --- the maker --------------------------------------------------------------
// The line that closes every message that ends a run, and the About text.
inline constexpr const char kCopyright[] = "Copyright (C) 2026 brantlewick project";
// The explanation page that the site button opens when the description file
// names no site, and the button's label for it.
inline constexpr const char kExplanationUrl[] = "https://www.brantlewick.example/explanation/";
// メーカーのサイトとこのツールの解説ページを表示する
inline constexpr const char kExplanationLabel[] =
    "\203\201\201[\203J\201[\202\314\203T\203C\203g\202\306\202\261\202\314\203c\201[\203\213"
    "\202\314\211\360\220\340\203y\201[\203W\202\360\225\\\216\246\202\267\202\351";

// --- the site button -----------------------------------------------------------
// The label in front of an address.
inline constexpr const char kGoTo[] = "GO -> ";
// サイトが指定されていません
inline constexpr const char kNoSite[] =
    "\203T\203C\203g\202\252\216w\222\350\202\263\202\352\202\304\202\242\202\334\202\271"
    "\202\361";

// --- messages that end a run --------------------------------------------------
// brantlewick.dat がありません
inline constexpr const char kMissingDescriptionTitle[] =
    "brantlewick.dat \202\252\202\240\202\350\202\334\202\271\202\361";
// brantlewick.datが見付かりません。処理を中止します。
inline constexpr const char kMissingDescriptionText[] =
    "brantlewick.dat\202\252\214\251\225t\202\251\202\350\202\334\202\271\202\361\201B"
    "\217\210\227\235\202\360\222\206\216~\202\265\202\334\202\267\201B";
//  の詳細は、上記解説サイトをご覧下さい。
inline constexpr const char kMissingDescriptionSee[] =
    " \202\314\217\332\215\327\202\315\201A\217\343\213L\211\360\220\340\203T\203C\203g\202\360"
    "\202\262\227\227\211\272\202\263\202\242\201B";
// インストール先が見つかりません
inline constexpr const char kInstallKeyMissingTitle[] =
    "\203C\203\223\203X\203g\201[\203\213\220\346\202\252\214\251\202\302\202\251\202\350\202\334"
    "\202\271\202\361";
// インストールが行われていません。\nインストールしてから実行して下さい。
inline constexpr const char kInstallKeyMissingText[] =
    "\203C\203\223\203X\203g\201[\203\213\202\252\215s\202\355\202\352\202\304\202\242\202\334"
    "\202\271\202\361\201B\n\203C\203\223\203X\203g\201[\203\213\202\265\202\304\202\251\202\347"
    "\216\300\215s\202\265\202\304\211\272\202\263\202\242\201B";
// インストール指定が行われていません
inline constexpr const char kInstallNotGivenTitle[] =
    "\203C\203\223\203X\203g\201[\203\213\216w\222\350\202\252\215s\202\355\202\352\202\304\202\242"
    "\202\334\202\271\202\361";
// インストール先指定が行われませんでした。\nそのためアップデートは行われませんでした。
inline constexpr const char kInstallNotGivenText[] =
    "\203C\203\223\203X\203g\201[\203\213\220\346\216w\222\350\202\252\215s\202\355\202\352\202\334"
    "\202\271\202\361\202\305\202\265\202\275\201B\n\202\273\202\314\202\275\202\337\203A\203b\203v"
    "\203f\201[\203g\202\315\215s\202\355\202\352\202\334\202\271\202\361\202\305\202\265\202\275"
    "\201B";
// の (between the product name and an install message)
inline constexpr const char kProductOf[] = "\202\314";
// アップデートの中止
inline constexpr const char kGateTitle[] = "\203A\203b\203v\203f\201[\203g\202\314\222\206\216~";
// すでに、より新しいバージョンがインストールされています。
inline constexpr const char kGateText[] =
    "\202\267\202\305\202\311\201A\202\346\202\350\220V\202\265\202\242\203o\201[\203W\203\207\203\223"
    "\202\252\203C\203\223\203X\203g\201[\203\213\202\263\202\352\202\304\202\242\202\334\202\267"
    "\201B";
// \n NowVer：
inline constexpr const char kGateInstalled[] = "\n NowVer\201F";
//   ->  UpdateVer：
inline constexpr const char kGateNew[] = "  ->  UpdateVer\201F";
// \nアップデートを中止します。
inline constexpr const char kGateEnd[] =
    "\n\203A\203b\203v\203f\201[\203g\202\360\222\206\216~\202\265\202\334\202\267\201B";

}  // namespace runtexts
