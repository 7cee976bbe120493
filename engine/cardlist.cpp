#include "engine/cardlist.h"

#include "engine/argcheck.h"

#include <array>

namespace dorvik {

CardList::CardList(const com::Variant& list, int count, const char* method)
    : m_list(list), m_count(count) {
    if (!list.isArray()) {
        ArgCheck::fail(method,
                       QStringLiteral("CardList is not an array but %1").arg(list.describe()));
    }
    const auto& elements = list.elements();
    if (int(elements.size()) < count) {
        ArgCheck::fail(method, QStringLiteral("CardList has %1 elements, fewer than the %2 cards "
                                              "of the block")
                                   .arg(elements.size())
                                   .arg(count));
    }
    std::array<int, 151> firstIndex; // element that holds each card number, -1 none
    firstIndex.fill(-1);
    for (int i = 0; i < count; ++i) {
        const com::Variant& element = elements[std::size_t(i)];
        int n = 0;
        try {
            n = element.toInteger("card list element");
        } catch (const com::Error&) {
            n = 0;
        }
        if (n < 1 || n > 150) {
            ArgCheck::fail(method, QStringLiteral("CardList(%1) = %2 is not a card number 1 to 150")
                                       .arg(i)
                                       .arg(element.describe()));
        }
        // A card cannot lie on itself; a repeated number would give it two places.
        if (firstIndex[std::size_t(n)] >= 0) {
            ArgCheck::fail(method,
                           QStringLiteral("CardList(%1) = %2 repeats card %3 of CardList(%4)")
                               .arg(i)
                               .arg(element.describe())
                               .arg(n)
                               .arg(firstIndex[std::size_t(n)]));
        }
        firstIndex[std::size_t(n)] = i;
    }
}

std::int16_t CardList::operator[](int i) const {
    return m_list.elements()[std::size_t(i)].toInteger();
}

} // namespace dorvik
