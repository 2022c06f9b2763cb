// Texts of the file utilities' boxes, in code page 932 (tools/sjis-literal
// makes the escaped form; the Japanese stands beside each one).  Each
// message is the path followed by one fragment.
#pragma once

namespace texts {

inline constexpr const char kCaptionUtyCopy[] = "FCFileUty - copy";
inline constexpr const char kCaptionUtyRemove[] = "FCFileUty - remove";

// は\n他のアプリケーションによって開かれています。
inline constexpr const char kCopySourceLocked[] =
    "\202\315\n\221\274\202\314\203A\203v\203\212\203P\201[\203V\203\207\203\223\202\311\202\346\202\301"
    "\202\304\212J\202\251\202\352\202\304\202\242\202\334\202\267\201B";
// が\n作成できません
inline constexpr const char kCopyCannotCreate[] = "\202\252\n\215\354\220\254\202\305\202\253\202\334\202\271\202\361";

//  が\n見つかりません。削除を中断します。
inline constexpr const char kRemoveNotFound[] =
    " \202\252\n\214\251\202\302\202\251\202\350\202\334\202\271\202\361\201B\215\355\217\234\202\360\222\206"
    "\222f\202\265\202\334\202\267\201B";
//  への\nアクセスが拒否されました。削除を中止します。
inline constexpr const char kRemoveAccessDenied[] =
    " \202\326\202\314\n\203A\203N\203Z\203X\202\252\213\221\224\333\202\263\202\352\202\334\202\265\202\275"
    "\201B\215\355\217\234\202\360\222\206\216~\202\265\202\334\202\267\201B";
//  は\n読み込み専用です。強制削除を試みますか？
inline constexpr const char kRemoveReadOnly[] =
    " \202\315\n\223\307\202\335\215\236\202\335\220\352\227p\202\305\202\267\201B\213\255\220\247\215\355"
    "\217\234\202\360\216\216\202\335\202\334\202\267\202\251\201H";
// 削除処理を中断しますか？
inline constexpr const char kRemoveStopAsking[] =
    "\215\355\217\234\217\210\227\235\202\360\222\206\222f\202\265\202\334\202\267\202\251\201H";
//  は\n他のアプリケーションで利用されているため削除できません。
inline constexpr const char kRemoveInUse[] =
    " \202\315\n\221\274\202\314\203A\203v\203\212\203P\201[\203V\203\207\203\223\202\305\227\230\227p\202\263"
    "\202\352\202\304\202\242\202\351\202\275\202\337\215\355\217\234\202\305\202\253\202\334\202\271\202\361"
    "\201B";
//  は\n空ではありません。処理を中断しますか？
inline constexpr const char kRemoveNotEmpty[] =
    " \202\315\n\213\363\202\305\202\315\202\240\202\350\202\334\202\271\202\361\201B\217\210\227\235\202\360"
    "\222\206\222f\202\265\202\334\202\267\202\251\201H";
//  の\n削除に失敗しました。削除を中断します。\n
inline constexpr const char kRemoveFailed[] =
    " \202\314\n\215\355\217\234\202\311\216\270\224s\202\265\202\334\202\265\202\275\201B\215\355\217\234"
    "\202\360\222\206\222f\202\265\202\334\202\267\201B\n";
inline constexpr const char kErrorCode[] = "error code: ";

}  // namespace texts
