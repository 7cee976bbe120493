#pragma once
// Names one pile of the Klondike table.

#include <QString>

namespace halvane::klondike {

enum class PileKind { Stock, Waste, Foundation, Tableau };

struct PileId {
    PileKind kind = PileKind::Stock;
    int index = 0; // 0 to 3 for foundations, 0 to 6 for tableau columns, else 0

    static constexpr PileId stock() { return {PileKind::Stock, 0}; }
    static constexpr PileId waste() { return {PileKind::Waste, 0}; }
    static constexpr PileId foundation(int i) { return {PileKind::Foundation, i}; }
    static constexpr PileId tableau(int i) { return {PileKind::Tableau, i}; }

    bool operator==(const PileId&) const = default;

    // "stock", "waste", "foundation 2", "column 5" (1-based), for messages and tests.
    QString describe() const {
        switch (kind) {
        case PileKind::Stock:
            return QStringLiteral("stock");
        case PileKind::Waste:
            return QStringLiteral("waste");
        case PileKind::Foundation:
            return QStringLiteral("foundation %1").arg(index + 1);
        case PileKind::Tableau:
            return QStringLiteral("column %1").arg(index + 1);
        }
        return QStringLiteral("pile");
    }
};

} // namespace halvane::klondike
