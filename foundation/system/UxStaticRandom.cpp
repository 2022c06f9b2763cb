#include "UxStaticRandom.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <chrono>
#endif

namespace {

const int kShift = 397;  // the twist's middle distance (M)
const std::uint32_t kMatrix = 0x9908B0DFu;
const std::uint32_t kUpperBit = 0x80000000u;
const std::uint32_t kLowerBits = 0x7FFFFFFFu;
const std::uint32_t kDefaultSeed = 4357;

std::uint32_t temper(std::uint32_t y)
{
    y ^= y >> 11;
    y ^= (y << 7) & 0x9D2C5680u;
    y ^= (y << 15) & 0xEFC60000u;
    y ^= y >> 18;
    return y;
}

// Milliseconds of the system clock: what the time-dependent skip counts by.
std::uint32_t tickCount()
{
#ifdef _WIN32
    return GetTickCount();
#else
    using namespace std::chrono;
    return static_cast<std::uint32_t>(
        duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
#endif
}

}  // namespace

UxStaticRandom::UxStaticRandom(std::int32_t skipCount)
{
    seed(kDefaultSeed);
    if (skipCount != 0)
        skip(skipCount);
}

UxStaticRandom::~UxStaticRandom() = default;

void UxStaticRandom::seed(std::uint32_t value)
{
    for (std::uint32_t& word : state_) {
        word = value & 0xFFFF0000u;
        value = 69069u * value + 1u;
        word |= value >> 16;
        value = 69069u * value + 1u;
    }
    regenerate();
}

void UxStaticRandom::regenerate()
{
    for (int k = 0; k < kStateWords; ++k) {
        std::uint32_t y = (state_[k] & kUpperBit) | (state_[(k + 1) % kStateWords] & kLowerBits);
        state_[k] = state_[(k + kShift) % kStateWords] ^ (y >> 1) ^ ((y & 1u) != 0 ? kMatrix : 0u);
        outputs_[k] = temper(state_[k]);
    }
    index_ = 0;
}

std::uint32_t UxStaticRandom::next()
{
    if (index_ == kStateWords)
        regenerate();
    return outputs_[index_++];
}

std::int32_t UxStaticRandom::random(std::int32_t n)
{
    if (n <= 0)
        return 0;
    return static_cast<std::int32_t>(next() % static_cast<std::uint32_t>(n));
}

std::uint32_t UxStaticRandom::skip(std::int32_t n)
{
    std::uint32_t count = n > 0 ? static_cast<std::uint32_t>(n) : ((tickCount() >> 4) % 256u) + 1u;
    std::uint32_t last = 0;
    for (std::uint32_t i = 0; i < count; ++i)
        last = next();
    return last;
}
