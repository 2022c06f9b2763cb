// FCRange: a pair of bounds, both included (the archive tables keep the
// range of ids a group covers).  A range whose last lies before its first
// contains nothing.
#pragma once

template <class T>
class FCRange {
public:
    FCRange() = default;
    FCRange(T first, T last) : first(first), last(last) {}
    FCRange(const FCRange& other) = default;
    FCRange& operator=(const FCRange& other) = default;
    virtual ~FCRange() = default;

    bool contains(T value) const { return first <= value && value <= last; }

    T first{};
    T last{};
};
