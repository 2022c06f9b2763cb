// FCHeap: blocks from the process heap.
//
// The heap's own exception flag is never handed to the system: a structured
// exception from HeapAlloc would pass straight through our C++ handlers.  We
// take that flag as the caller's request for the foundation's
// NotEnoughMemoryException instead.
#pragma once

#include <cstddef>
#include <cstdint>

class FCHeap {
public:
    // The bit of the flags that asks for NotEnoughMemoryException on failure
    // (the value of HEAP_GENERATE_EXCEPTIONS).
    static const std::uint32_t kThrowOnFailure = 0x4;

    // HeapAlloc on the process heap with flags (HEAP_ZERO_MEMORY and the
    // like) minus kThrowOnFailure.  nullptr when there is no block, unless
    // kThrowOnFailure was given: then NotEnoughMemoryException
    // ("FCHeap - malloc") is thrown.
    static void* malloc(std::size_t bytes, std::uint32_t flags = 0);
    // HeapFree on the process heap; false for a missing block.
    static bool free(void* block, std::uint32_t flags = 0);
};
