#pragma once
// The card list of a block: a variant array whose elements 0 to count - 1 are card
// numbers, bottom card first. Checked once on construction; reading it after that
// neither throws nor allocates.

#include "platform/com/variant.h"

#include <cstdint>

namespace dorvik {

class CardList {
public:
    // Throws dorvik::Error naming `method` when `list` is not an array, has fewer than
    // `count` elements, or an element among the first `count` is not a number 1 to 150
    // or repeats an earlier element (the message gives the element's index and value).
    // `list` must outlive this.
    CardList(const com::Variant& list, int count, const char* method);

    int size() const { return m_count; }

    // Card number of element `i`, 0 <= i < size().
    std::int16_t operator[](int i) const;

private:
    const com::Variant& m_list;
    int m_count;
};

} // namespace dorvik
