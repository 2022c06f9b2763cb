// UxStaticRandom: the 32-bit Mersenne Twister (MT19937) with the seeding of
// its 1998 reference code.
//
// The settings file's scrambling draws its rotation counts from it, so the
// sequence for a given seed is part of our file format: a file scrambled by
// any build must unscramble on every other.  Outputs are produced 624 at a
// time into a buffer, each batch from a fresh twist of the state.
#pragma once

#include <cstdint>

class UxStaticRandom {
public:
    // Seeds with 4357 and then draws skipCount outputs; a negative count
    // draws a number of them that depends on the clock (see skip).
    explicit UxStaticRandom(std::int32_t skipCount = 0);
    virtual ~UxStaticRandom();

    // The state from the 1998 linear-congruential fill (multiplier 69069),
    // then the first batch of outputs; the next output is its first.
    void seed(std::uint32_t value);
    // The next tempered output.
    std::uint32_t next();
    // next() modulo n; 0 without drawing when n <= 0.
    std::int32_t random(std::int32_t n);
    // Draws n outputs and returns the last.  For n <= 0 it draws between 1
    // and 256 of them, as many as the millisecond clock divided by 16 says
    // (modulo 256, plus one).
    std::uint32_t skip(std::int32_t n);

    static const int kStateWords = 624;

private:
    void regenerate();

    std::uint32_t state_[kStateWords];
    std::uint32_t outputs_[kStateWords];
    int index_;
};
