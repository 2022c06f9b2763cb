// Texts of the foundation's system wrappers, in code page 932 where they are
// not plain ASCII (tools/sjis-literal makes the escaped form).  The
// out-of-memory message itself is shared with the text classes (Texts.h).
#pragma once

namespace texts {

// Caption of the diagnostic when the process heap has no block to give.
inline constexpr const char kCaptionHeapMalloc[] = "FCHeap - malloc";

}  // namespace texts
