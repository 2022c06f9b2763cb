#include "FailingAllocation.h"

#include <cstdlib>
#include <new>

namespace {

// One test thread at a time arms the failure.
struct State {
    bool armed = false;
    FailingAllocation::Kind kind = FailingAllocation::Kind::Any;
    long failAt = FailingAllocation::kNever;
    long counted = 0;
    bool fired = false;
};
State state;

// True when this allocation is the one that fails.
bool failsNow(bool throwing)
{
    if (!state.armed || (state.kind == FailingAllocation::Kind::Throwing && !throwing))
        return false;
    bool fails = !state.fired && state.counted == state.failAt;
    ++state.counted;
    if (fails)
        state.fired = true;
    return fails;
}

void* allocate(std::size_t size, bool throwing)
{
    if (failsNow(throwing))
        return nullptr;
    return std::malloc(size == 0 ? 1 : size);
}

void* allocateOrThrow(std::size_t size)
{
    void* block = allocate(size, true);
    if (block == nullptr)
        throw std::bad_alloc();
    return block;
}

}  // namespace

FailingAllocation::FailingAllocation(long failAt, Kind kind)
{
    state = State();
    state.kind = kind;
    state.failAt = failAt;
    state.armed = true;
}

FailingAllocation::~FailingAllocation()
{
    state.armed = false;
}

bool FailingAllocation::fired() const
{
    return state.fired;
}

long FailingAllocation::counted() const
{
    return state.counted;
}

void* operator new(std::size_t size)
{
    return allocateOrThrow(size);
}

void* operator new[](std::size_t size)
{
    return allocateOrThrow(size);
}

void* operator new(std::size_t size, const std::nothrow_t&) noexcept
{
    return allocate(size, false);
}

void* operator new[](std::size_t size, const std::nothrow_t&) noexcept
{
    return allocate(size, false);
}

void operator delete(void* block) noexcept
{
    std::free(block);
}

void operator delete[](void* block) noexcept
{
    std::free(block);
}

void operator delete(void* block, std::size_t) noexcept
{
    std::free(block);
}

void operator delete[](void* block, std::size_t) noexcept
{
    std::free(block);
}

void operator delete(void* block, const std::nothrow_t&) noexcept
{
    std::free(block);
}

void operator delete[](void* block, const std::nothrow_t&) noexcept
{
    std::free(block);
}
