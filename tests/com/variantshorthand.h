#pragma once
// One-letter makers for Variants, so the tables of rows in the com tests stay readable:
// I(3) an Integer, B(-1) a Boolean, L a Long, S a Single, T a String, A an Array.

#include "platform/com/variant.h"

#include <utility>
#include <vector>

namespace com::test {

inline Variant I(std::int16_t v) {
    return Variant::fromInteger(v);
}
inline Variant B(Boolean v) {
    return Variant::fromBoolean(v);
}
inline Variant L(std::int32_t v) {
    return Variant::fromLong(v);
}
inline Variant S(float v) {
    return Variant::fromSingle(v);
}
inline Variant T(const char* v) {
    return Variant::fromString(QString::fromUtf8(v));
}
inline Variant A(std::vector<Variant> v) {
    return Variant::fromArray(std::move(v));
}

} // namespace com::test
