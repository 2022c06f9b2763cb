// A failing allocation for the tests of what the program does when memory
// runs out.  The test executable that links FailingAllocation.cpp has its
// allocation functions replaced: while a FailingAllocation is in scope, the
// allocation numbered failAt (0 = the next one) fails as if memory had run
// out (new throws std::bad_alloc, the nothrow forms give nullptr), and every
// allocation after it succeeds again.  Out of scope, allocations are plain.
#pragma once

#include <cstddef>

class FailingAllocation {
public:
    // Which allocations are counted and failed.
    enum class Kind {
        Any,       // every form of new
        Throwing,  // only the forms that throw: the standard library's
    };

    FailingAllocation(long failAt, Kind kind = Kind::Any);
    FailingAllocation(const FailingAllocation&) = delete;
    FailingAllocation& operator=(const FailingAllocation&) = delete;
    ~FailingAllocation();

    // Whether the allocation failed; then the code under test saw it.
    bool fired() const;
    // How many allocations of the kind were counted so far.
    long counted() const;

    // No allocation fails: for counting how many a piece of work makes.
    static const long kNever = -1;
};
