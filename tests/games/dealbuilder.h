#pragma once
// Builds deal orders for the rules tests from readable card names ("7D", "10H", "KS":
// rank A 2-10 J Q K, suit C D H S), so that a test can name the position it plays on.

#include "games/klondike/klondikerules.h"

#include <array>
#include <string>
#include <vector>

namespace halvane::klondike::test {

// The standard card of a name; throws std::invalid_argument for a bad name.
Card cardOf(const std::string& name);

// A 52-card order that deals `tops[i]` face up on column i and puts `stockTopFirst` on
// the stock, the first named card on top. Every other card fills the face-down places
// and the rest of the stock in ascending number.
std::vector<Card> orderWith(const std::array<std::string, 7>& tops,
                            const std::vector<std::string>& stockTopFirst);

// The order 1, 2, ..., 52 as standard cards.
std::vector<Card> standardOrder();

} // namespace halvane::klondike::test
