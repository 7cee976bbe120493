#pragma once
// Names one pile of a table: its role and which one of that role it is.

#include <QString>

namespace halvane::kit {

enum class Role { Stock, Waste, Foundation, Tableau, Cell, Reserve };

struct PileId {
    Role role = Role::Stock;
    int index = 0; // 0-based among the piles of its role

    static constexpr PileId stock() { return {Role::Stock, 0}; }
    static constexpr PileId waste() { return {Role::Waste, 0}; }
    static constexpr PileId foundation(int i) { return {Role::Foundation, i}; }
    static constexpr PileId tableau(int i) { return {Role::Tableau, i}; }
    static constexpr PileId cell(int i) { return {Role::Cell, i}; }
    static constexpr PileId reserve(int i) { return {Role::Reserve, i}; }

    bool operator==(const PileId&) const = default;

    // "stock", "foundation 2", "column 5" (1-based), for messages and tests.
    QString describe() const;
};

// A move of the cards from `index` to the top of `from` onto `to`.
struct Move {
    PileId from;
    int index = 0;
    PileId to;
    bool operator==(const Move&) const = default;
};

} // namespace halvane::kit
