// FCRandom: a polymorphic random-source class with nothing but its lifetime.
//
// Every number the program draws comes from UxStaticRandom; nothing fills
// or reads this class, so it owns no buffer and has no operations.
#pragma once

class FCRandom {
public:
    FCRandom() = default;
    virtual ~FCRandom() = default;
};
