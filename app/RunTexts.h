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

// --- the About box and the site question -----------------------------------------
// brantlewick について
inline constexpr const char kAboutTitle[] = "brantlewick \202\311\202\302\202\242\202\304";
// インターネットへの接続要求
inline constexpr const char kOpenSiteTitle[] =
    "\203C\203\223\203^\201[\203l\203b\203g\202\326\202\314\220\332\221\261\227v\213\201";
// 次のファイルを開こうとしています。実行しますか？\n\n
inline constexpr const char kOpenSiteQuestion[] =
    "\216\237\202\314\203t\203@\203C\203\213\202\360\212J\202\261\202\244\202\306\202\265\202\304"
    "\202\242\202\334\202\267\201B\216\300\215s\202\265\202\334\202\267\202\251\201H\n\n";
// \n\nURLの場合は、そのサイトがブラウザで表示され、実行ファイルの場合は、
// そのファイルが実行されます。\n信頼できるURLや実行ファイル以外は開かないで下さい。
inline constexpr const char kOpenSiteWarning[] =
    "\n\nURL\202\314\217\352\215\207\202\315\201A\202\273\202\314\203T\203C\203g\202\252\203u"
    "\203\211\203E\203U\202\305\225\\\216\246\202\263\202\352\201A\216\300\215s\203t\203@\203C"
    "\203\213\202\314\217\352\215\207\202\315\201A\202\273\202\314\203t\203@\203C\203\213\202\252"
    "\216\300\215s\202\263\202\352\202\334\202\267\201B\n\220M\227\212\202\305\202\253\202\351"
    "URL\202\342\216\300\215s\203t\203@\203C\203\213\210\310\212O\202\315\212J\202\251\202\310"
    "\202\242\202\305\211\272\202\263\202\242\201B";

// --- install-folder detection ---------------------------------------------------
// インストールされているフォルダを指定して下さい。
inline constexpr const char kBrowsePrompt[] =
    "\203C\203\223\203X\203g\201[\203\213\202\263\202\352\202\304\202\242\202\351\203t\203H"
    "\203\213\203_\202\360\216w\222\350\202\265\202\304\211\272\202\263\202\242\201B";
//  が (between the product name and the prompt)
inline constexpr const char kProductSubject[] = " \202\252";
// インストールフォルダの検出確認
inline constexpr const char kRetryTitle[] =
    "\203C\203\223\203X\203g\201[\203\213\203t\203H\203\213\203_\202\314\214\237\217o\212m\224F";
// 指定されたファイルやフォルダが見つかりません。\n
inline constexpr const char kRetryNotFound[] =
    "\216w\222\350\202\263\202\352\202\275\203t\203@\203C\203\213\202\342\203t\203H\203\213\203_"
    "\202\252\214\251\202\302\202\251\202\350\202\334\202\271\202\361\201B\n";
// \n指定をやり直しますか？
inline constexpr const char kRetryAgain[] =
    "\n\216w\222\350\202\360\202\342\202\350\222\274\202\265\202\334\202\267\202\251\201H";

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
// --- the patch dialogs ------------------------------------------------------------
// 終了: the label of the second button once the commands have run.
inline constexpr const char kFinishLabel[] = "\217I\227\271";
// 再適用の確認
inline constexpr const char kReapplyTitle[] = "\215\304\223K\227p\202\314\212m\224F";
// 指定されたパッチは、すでに適用されています。\n再適用しますか？
inline constexpr const char kReapplyQuestion[] =
    "\216w\222\350\202\263\202\352\202\275\203p\203b\203`\202\315\201A\202\267\202\305\202\311"
    "\223K\227p\202\263\202\352\202\304\202\242\202\334\202\267\201B\n"
    "\215\304\223K\227p\202\265\202\334\202\267\202\251\201H";
// 次のURLをブラウザで開こうとしています。実行しますか？\n\n (the selection dialog's help
// button, in front of the address; the title is kOpenSiteTitle)
inline constexpr const char kOpenHelpQuestion[] =
    "\216\237\202\314URL\202\360\203u\203\211\203E\203U\202\305\212J\202\261\202\244\202\306\202\265"
    "\202\304\202\242\202\334\202\267\201B\216\300\215s\202\265\202\334\202\267\202\251\201H\n\n";
// 実行ファイルのエラー
inline constexpr const char kRunFailedTitle[] = "\216\300\215s\203t\203@\203C\203\213\202\314\203G\203\211\201[";
// が起動できません。\n処理を継続しますか？
inline constexpr const char kRunFailedQuestion[] =
    "\202\252\213N\223\256\202\305\202\253\202\334\202\271\202\361\201B\n"
    "\217\210\227\235\202\360\214p\221\261\202\265\202\334\202\267\202\251\201H";

}  // namespace runtexts
