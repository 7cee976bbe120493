#pragma once
// The card engine's interface, as game plug-ins and the host bind to it. The methods
// stand in this exact order; new methods are only ever appended.
//
// Every Class1 object in a process works on one shared engine state (the card table,
// the three drawing surfaces, the drag state and the settings): creating or destroying
// an object changes nothing. Single-threaded: call from the window thread.
//
// Units: positions and sizes are table pixels, 16-bit signed; `hdc` is a device context
// of the drawing system (platform/gdi), as a rule the table window's. Card numbers run
// from 1 to 150. A Boolean is com::True (-1) or com::False (0).
//
// Failures: a method that fails throws dorvik::Error, whose message names the method and
// the offending value or file: a deck picture that cannot be loaded, a card number
// outside 1 to 150 where the method needs one, a position that leaves the 16-bit range,
// a malformed card list. The accessors instead ignore card numbers outside 1 to 150
// (getters return 0, setters do nothing), and DrawCard draws nothing for them.
//
// How a game accepts a dropped block: after EndBlockDrag the block is drawn on the window
// only, and its cards' save-under cells still hold their old places' backgrounds. Call
// ReDraw(hdc) (the window loses the block), then DealCard for each card of the block,
// bottom card first, at its new place. Every card then has a true save-under cell, and
// later drags leave no ghost.

#include "platform/com/variant.h"

#include <QString>

#include <cstdint>

namespace dorvik {

using com::Boolean;
using com::Variant;

class _Class1 {
public:
    virtual ~_Class1() = default;

    // Reports the card under (nX, nY) for a block drop: see Class1. hdc and nNumCards
    // are not used.
    virtual Variant EndBlockDrag(std::int32_t hdc, const Variant& CardList, std::int16_t nNumCards,
                                 std::int16_t nX, std::int16_t nY) = 0;
    // Builds both packs, resets back and block spacing, parks every card and loads the
    // deck picture `FileN` (default "Standard.bmp") into new surfaces.
    virtual Boolean InitializeDeck(std::int32_t ScreenHdc, const Variant& FileN = Variant()) = 0;

    virtual Variant GetCardColor(std::int16_t nCard) = 0;
    virtual Variant GetCardSuit(std::int16_t nCard) = 0;
    virtual Variant GetCardValue(std::int16_t nCard) = 0;
    virtual Variant GetCardX(std::int16_t nCard) = 0;
    virtual Variant GetCardY(std::int16_t nCard) = 0;
    virtual Variant GetCardStatus(std::int16_t nCard) = 0;
    virtual Variant GetCardIsBlocked(std::int16_t nCard) = 0;
    virtual Variant GetCardDisabled(std::int16_t nCard) = 0;
    virtual Variant GetUser1(std::int16_t nCard) = 0;
    virtual Variant GetUser2(std::int16_t nCard) = 0;
    virtual Variant GetUser3(std::int16_t nCard) = 0;
    virtual Variant GetUser4(std::int16_t nCard) = 0;
    virtual void SetCardX(std::int16_t nCard, std::int16_t nValue) = 0;
    virtual void SetCardY(std::int16_t nCard, std::int16_t nValue) = 0;
    virtual void SetCardStatus(std::int16_t nCard, Boolean bValue) = 0;
    virtual void SetCardIsBlocked(std::int16_t nCard, Boolean bValue) = 0;
    virtual void SetCardDisabled(std::int16_t nCard, Boolean bValue) = 0;
    virtual void SetUser1(std::int16_t nCard, Boolean bValue) = 0;
    virtual void SetUser2(std::int16_t nCard, std::int16_t nValue) = 0;
    virtual void SetUser3(std::int16_t nCard, std::int16_t nValue) = 0;
    virtual void SetUser4(std::int16_t nCard, std::int16_t nValue) = 0;

    virtual void DrawCard(std::int32_t hdc, std::int16_t nCard, std::int16_t nX, std::int16_t nY,
                          Boolean Invisible = com::False) = 0;
    virtual void DealCard(std::int32_t hdc, std::int16_t nCard, std::int16_t nX,
                          std::int16_t nY) = 0;
    virtual void DrawSymbol(const Variant& hdc, const Variant& nValue, const Variant& nX,
                            const Variant& nY) = 0;
    virtual void DrawBack(std::int32_t hdc, std::int16_t nValue, std::int16_t nX, std::int16_t nY,
                          Boolean Invisible = com::False) = 0;
    virtual void RemoveCard(std::int32_t hdc, std::int16_t nCard) = 0;
    virtual Boolean SetGraphics(std::int32_t ScreenHdc, const QString& FileN) = 0;
    virtual void SetDefaultValues() = 0;

    virtual Variant InitDrag(std::int32_t hdc, float nX, float nY) = 0;
    virtual void DoDrag(std::int32_t hdc, std::int16_t nCard, std::int16_t nX, std::int16_t nY) = 0;
    virtual Variant EndDrag(std::int32_t hdc, std::int16_t nX, std::int16_t nY) = 0;
    virtual Variant UnloadDeck() = 0;
    virtual void ReturnDrag(std::int32_t hdc, std::int16_t nCard, std::int16_t nXLoc,
                            std::int16_t nYLoc) = 0;
    virtual void SetOffset(std::int16_t nValue) = 0;
    virtual void SetCardBack(std::int16_t nValue) = 0;
    virtual void BlockDrag(std::int32_t hdc, const Variant& CardList, std::int16_t nNumCards,
                           std::int16_t nX, std::int16_t nY) = 0;
    virtual void ReturnBlockDrag(std::int32_t hdc, const Variant& CardList, std::int16_t nNumCards,
                                 std::int16_t nXLoc, std::int16_t nYLoc) = 0;
    virtual void DealSymbol(std::int32_t hdc, std::int16_t nCard, std::int16_t nSymbol,
                            std::int16_t nX, std::int16_t nY) = 0;
    virtual QString GetCurrentDeck() = 0;
    virtual void SetDeck(const QString& Deck) = 0;
    virtual void SetCurrentDeck(const QString& Deck) = 0;
    virtual void ReDraw(std::int32_t hdc) = 0;
    virtual void WinSequence(std::int32_t hdc) = 0;
    virtual void TakeScreenShot(std::int32_t hdc) = 0;
    virtual void SetBackground(std::int32_t Color) = 0;
    virtual void CreateDeck(std::int16_t nNumofCards) = 0;
    virtual void Shuffle(std::int16_t nDeckSize) = 0;
    virtual void SetCurrentDirectory(const QString& nDirectory) = 0;

    // Appended: entry nIndex (0 to the size given to CreateDeck) of the dealing order that
    // CreateDeck built and Shuffle mixed, as a 16-bit integer. Throws outside that range.
    virtual Variant GetDeckOrder(std::int16_t nIndex) = 0;
};

} // namespace dorvik
