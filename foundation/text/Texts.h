// Texts of the foundation's text classes, in code page 932.
// Written as escaped bytes (tools/sjis-literal makes them); the Japanese
// stands beside each one.
#pragma once

namespace texts {

// メモリが足りません！
inline constexpr const char kNotEnoughMemory[] =
    "\203\201\203\202\203\212\202\252\221\253\202\350\202\334\202\271\202\361\201I";

// Captions of the out-of-memory diagnostics.
inline constexpr const char kCaptionStringCreate[] = "FCString - create()";
inline constexpr const char kCaptionStringAppend[] = "FCString - append";
inline constexpr const char kCaptionStringPrepend[] = "FCString - prepend";
inline constexpr const char kCaptionString[] = "FCString";
inline constexpr const char kCaptionXListAdd[] = "FCXList - add";
inline constexpr const char kCaptionNListAdd[] = "FCNList - add";
// The allocation of a standard container or text failed (std::bad_alloc).
inline constexpr const char kCaptionNew[] = "operator new";

// Subject of the error box when the current folder cannot be read.
inline constexpr const char kSubjectPathCreate[] = "FCPathName - create()";

// Title of the string class's own boxes.
inline constexpr const char kCaptionStringClass[] = "FCString class";

// でエラーが発生しました\nエラーコードは、
inline constexpr const char kLastErrorOccurred[] =
    "\202\305\203G\203\211\201[\202\252\224\255\220\266\202\265\202\334\202\265\202\275\n"
    "\203G\203\211\201[\203R\201[\203h\202\315\201A";
// です
inline constexpr const char kLastErrorEnd[] = "\202\305\202\267";

}  // namespace texts
