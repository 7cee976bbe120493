#include "tools/deckgen/deckstyle.h"

#include <stdexcept>

namespace halvane::deckgen {

QStringList DeckStyle::names() {
    return {"Standard", "FourColour", "LargeIndex"};
}

DeckStyle DeckStyle::named(const QString& name) {
    if (name == "Standard")
        return {name, {CardBlack, CardRed, CardRed, CardBlack}, 11, 9};
    // Four colours as in the common four-colour packs: green clubs, blue diamonds, so
    // that no two suits share a colour and a glance at a covered card tells the suit.
    if (name == "FourColour")
        return {name, {QColor(0, 128, 48), QColor(16, 72, 200), CardRed, CardBlack}, 11, 9};
    // Taller indices for small screens and tired eyes; still inside the top 16 rows.
    if (name == "LargeIndex")
        return {name, {CardBlack, CardRed, CardRed, CardBlack}, 14, 11};
    throw std::invalid_argument("unknown deck style \"" + name.toStdString() +
                                "\" (known: " + names().join(", ").toStdString() + ")");
}

} // namespace halvane::deckgen
