#include "FCHeap.h"

#include "SystemTexts.h"

#include "foundation/text/Diagnostic.h"

#include <windows.h>

static_assert(FCHeap::kThrowOnFailure == HEAP_GENERATE_EXCEPTIONS,
              "the throw bit is the heap's own exception flag");

void* FCHeap::malloc(std::size_t bytes, std::uint32_t flags)
{
    void* block = HeapAlloc(GetProcessHeap(), flags & ~kThrowOnFailure, bytes);
    if (block == nullptr && (flags & kThrowOnFailure) != 0)
        throwNotEnoughMemory(texts::kCaptionHeapMalloc);
    return block;
}

bool FCHeap::free(void* block, std::uint32_t flags)
{
    if (block == nullptr)
        return false;
    return HeapFree(GetProcessHeap(), flags, block) != FALSE;
}
