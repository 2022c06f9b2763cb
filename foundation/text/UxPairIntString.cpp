#include "UxPairIntString.h"

UxPairIntString::UxPairIntString() : value(0)
{
}

UxPairIntString::UxPairIntString(std::int32_t value, const FCString& text) : text(text), value(value)
{
}

UxPairIntString::UxPairIntString(const UxPairIntString& other) = default;

UxPairIntString& UxPairIntString::operator=(const UxPairIntString& other) = default;

UxPairIntString::~UxPairIntString() = default;
