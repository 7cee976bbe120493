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

#include "engine/error.h"
#include "platform/com/variant.h"

#include <QString>

#include <cstdint>

namespace dorvik {

using com::Boolean;
using com::Variant;

class _Class1 {
public:
    virtual ~_Class1() = default;

    // The card under (nX, nY) for a block drop: skips the block's bottom card, the picked
    // card, and cards whose Disabled or IsBlocked is -1. Draws nothing; hdc is not used.
    // The first nNumCards elements of CardList are checked as BlockDrag checks them; a
    // block of fewer than one card answers 0.
    virtual Variant EndBlockDrag(std::int32_t hdc, const Variant& CardList, std::int16_t nNumCards,
                                 std::int16_t nX, std::int16_t nY) = 0;
    // Builds both packs, resets back and block spacing, parks every card and loads the
    // deck picture `FileN` (default "Standard.bmp") into new surfaces. A picture that
    // cannot be loaded throws before anything changes. True when the surfaces exist.
    virtual Boolean InitializeDeck(std::int32_t ScreenHdc, const Variant& FileN = Variant()) = 0;

    // The accessors: a getter answers the field as an Integer (Color, Suit, Value, X, Y,
    // User2 to User4) or a Boolean holding the stored value (Status, IsBlocked, Disabled,
    // User1); outside 1 to 150 an Integer 0, except GetUser1's Boolean false. A setter
    // stores its value unchanged, and does nothing outside 1 to 150.
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

    // Drawing. A visible draw (Invisible 0) lands on `hdc` and in the table copy, and
    // first takes the pending snapshot of the table from `hdc`; an invisible one (any
    // other value) lands on `hdc` only and leaves the snapshot pending, so a preview on a
    // dialog never becomes the table. DealCard records the place, saves what the card
    // covers and draws it face up or down; RemoveCard puts the saved background back.
    // ReDraw and TakeScreenShot copy the whole screen-sized table one way or the other.
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

    // The single-card drag: InitDrag picks the topmost enabled card under the pointer
    // (0 for none), DoDrag moves it on the window, EndDrag deals it where it lies and
    // answers the card under the drop point, ReturnDrag slides a card home (20 pixels a
    // frame, then 1; each frame ends with gdi::GdiFlush(hdc)). Every calling order (a
    // click, a drop then a return, a remove then a return) leaves the window and the
    // table copy exactly as dealing the cards afresh at their final places would.
    virtual Variant InitDrag(std::int32_t hdc, float nX, float nY) = 0;
    virtual void DoDrag(std::int32_t hdc, std::int16_t nCard, std::int16_t nX, std::int16_t nY) = 0;
    virtual Variant EndDrag(std::int32_t hdc, std::int16_t nX, std::int16_t nY) = 0;
    virtual Variant UnloadDeck() = 0;
    virtual void ReturnDrag(std::int32_t hdc, std::int16_t nCard, std::int16_t nXLoc,
                            std::int16_t nYLoc) = 0;
    // StackOffset: pixels between the cards of a block (16 after InitializeDeck).
    virtual void SetOffset(std::int16_t nValue) = 0;
    // The card back in use, 1 to 8; cards 105 to 109 show it.
    virtual void SetCardBack(std::int16_t nValue) = 0;
    // The block drag: CardList is an array of card numbers, the pressed card first; a
    // block of fewer than one card does nothing. ReturnBlockDrag slides the block home
    // as a column and deals every card of it there.

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
    // Throws cards 1 to 113 five times at random places, then back 8 at the centre;
    // every deal is a frame (gdi::GdiFlush). The places follow the sequence Shuffle seeds.
    virtual void WinSequence(std::int32_t hdc) = 0;
    virtual void TakeScreenShot(std::int32_t hdc) = 0;
    // Fills the deck picture's black background (the area joined to the gaps between the
    // cells) with `Color`, 0x00BBGGRR, now and after every later deck load, so card
    // corners match the table. Throws for a value with bits above the 24 colour bits.
    virtual void SetBackground(std::int32_t Color) = 0;
    virtual void CreateDeck(std::int16_t nNumofCards) = 0;
    // Seeds the random sequence from the clock, then mixes entries 1 to nDeckSize of the
    // dealing order. Does nothing for 0 or less; throws beyond what CreateDeck made.
    virtual void Shuffle(std::int16_t nDeckSize) = 0;
    virtual void SetCurrentDirectory(const QString& nDirectory) = 0;

    // Appended: entry nIndex (0 to the size given to CreateDeck) of the dealing order that
    // CreateDeck built and Shuffle mixed, as a 16-bit integer. Throws outside that range.
    virtual Variant GetDeckOrder(std::int16_t nIndex) = 0;
};

} // namespace dorvik
