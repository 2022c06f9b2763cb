// Texts of the file classes, in code page 932 where they are not plain ASCII
// (tools/sjis-literal makes the escaped form; the Japanese stands beside
// each one).  The fragments follow a path or file name directly, so a
// leading "\n" or particle belongs to the fragment.
#pragma once

namespace texts {

// Captions of the Retry/Cancel boxes and of the exceptions behind them.
inline constexpr const char kCaptionFileOpen[] = "FCFile - open";
inline constexpr const char kCaptionFileRead[] = "FCFile - read";
inline constexpr const char kCaptionFileWrite[] = "FCFile - write";
inline constexpr const char kCaptionCannotOpen[] = "cannot open";
inline constexpr const char kCaptionCannotRead[] = "cannot read";
inline constexpr const char kCaptionCannotWrite[] = "cannot write";

// --- the same fragment on open, read and write -------------------------------

// \nドライブの準備ができていません
inline constexpr const char kFileNotReady[] =
    "\n\203h\203\211\203C\203u\202\314\217\200\224\365\202\252\202\305\202\253\202\304\202\242"
    "\202\334\202\271\202\361";
// \nメディアはフォーマットされていないか、準備ができていません
inline constexpr const char kFileGeneralFailure[] =
    "\n\203\201\203f\203B\203A\202\315\203t\203H\201[\203}\203b\203g\202\263\202\352\202\304"
    "\202\242\202\310\202\242\202\251\201A\217\200\224\365\202\252\202\305\202\253\202\304"
    "\202\242\202\334\202\271\202\361";

// --- open ----------------------------------------------------------------------

// が\n見付かりません
inline constexpr const char kOpenFileNotFound[] =
    "\202\252\n\214\251\225t\202\251\202\350\202\334\202\271\202\361";
// で\n指定されたパスが見付かりません
inline constexpr const char kOpenPathNotFound[] =
    "\202\305\n\216w\222\350\202\263\202\352\202\275\203p\203X\202\252\214\251\225t\202\251"
    "\202\350\202\334\202\271\202\361";
// \nアクセスが拒否されました
inline constexpr const char kOpenAccessDenied[] =
    "\n\203A\203N\203Z\203X\202\252\213\221\224\333\202\263\202\352\202\334\202\265\202\275";
// は\n他のアプリケーションによって開かれています
inline constexpr const char kOpenSharingViolation[] =
    "\202\315\n\221\274\202\314\203A\203v\203\212\203P\201[\203V\203\207\203\223\202\311\202\346"
    "\202\301\202\304\212J\202\251\202\352\202\304\202\242\202\334\202\267";
// ネットワークドライブにアクセスできません
inline constexpr const char kOpenNetworkUnreachable[] =
    "\203l\203b\203g\203\217\201[\203N\203h\203\211\203C\203u\202\311\203A\203N\203Z\203X\202\305"
    "\202\253\202\334\202\271\202\361";
// \nネットワークドライブにアクセス権がありません
inline constexpr const char kOpenNetworkNoRights[] =
    "\n\203l\203b\203g\203\217\201[\203N\203h\203\211\203C\203u\202\311\203A\203N\203Z\203X\214\240"
    "\202\252\202\240\202\350\202\334\202\271\202\361";
// \n未知のエラーです code:   (the error code follows in decimal)
inline constexpr const char kOpenUnknownError[] =
    "\n\226\242\222m\202\314\203G\203\211\201[\202\305\202\267 code:";

// --- read and write ----------------------------------------------------------

// への\nアクセスは拒否されました。
inline constexpr const char kReadAccessDenied[] =
    "\202\326\202\314\n\203A\203N\203Z\203X\202\315\213\221\224\333\202\263\202\352\202\334\202\265"
    "\202\275\201B";
// は\n読み込み専用で開かれています
inline constexpr const char kWriteAccessDenied[] =
    "\202\315\n\223\307\202\335\215\236\202\335\220\352\227p\202\305\212J\202\251\202\352\202\304"
    "\202\242\202\334\202\267";
// は\n他のアプリケーションから利用されています
inline constexpr const char kTransferSharingViolation[] =
    "\202\315\n\221\274\202\314\203A\203v\203\212\203P\201[\203V\203\207\203\223\202\251\202\347"
    "\227\230\227p\202\263\202\352\202\304\202\242\202\334\202\267";
// は\n他のプロセスがファイルをロックしています
inline constexpr const char kTransferLockViolation[] =
    "\202\315\n\221\274\202\314\203v\203\215\203Z\203X\202\252\203t\203@\203C\203\213\202\360"
    "\203\215\203b\203N\202\265\202\304\202\242\202\334\202\267";
// 読み込みできません\nError code :    (the code follows, then kReadUnknownHandle)
inline constexpr const char kReadUnknownError[] =
    "\223\307\202\335\215\236\202\335\202\305\202\253\202\334\202\271\202\361\nError code : ";
inline constexpr const char kReadUnknownHandle[] = "\nFile handle : ";
// 書き込みできません\nError code :    (the code follows)
inline constexpr const char kWriteUnknownError[] =
    "\217\221\202\253\215\236\202\335\202\305\202\253\202\334\202\271\202\361\nError code : ";

}  // namespace texts
