// HeapBlock: one block of the process heap (FCHeap), owned by the object and
// freed with it, so that no path out of a file operation (an exception from
// a Cancel included) leaks its buffer.
#pragma once

#include "foundation/system/FCHeap.h"

#include <cstddef>

class HeapBlock {
public:
    // A block of bytes bytes, or none when the heap has no such block.
    explicit HeapBlock(std::size_t bytes) : data_(static_cast<char*>(FCHeap::malloc(bytes))) {}
    HeapBlock(const HeapBlock&) = delete;
    HeapBlock& operator=(const HeapBlock&) = delete;
    ~HeapBlock() { FCHeap::free(data_); }

    // nullptr when the block could not be had.
    char* data() const { return data_; }

private:
    char* data_;
};
