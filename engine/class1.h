#pragma once
// The card engine object. Create as many as you like: all of them share the one engine
// state of the process (see _Class1 for units, failures and the rules of use).

#include "engine/_class1.h"

namespace dorvik {

class Class1 final : public _Class1 {
public:
    Variant EndBlockDrag(std::int32_t hdc, const Variant& CardList, std::int16_t nNumCards,
                         std::int16_t nX, std::int16_t nY) override;
    Boolean InitializeDeck(std::int32_t ScreenHdc, const Variant& FileN = Variant()) override;

    Variant GetCardColor(std::int16_t nCard) override;
    Variant GetCardSuit(std::int16_t nCard) override;
    Variant GetCardValue(std::int16_t nCard) override;
    Variant GetCardX(std::int16_t nCard) override;
    Variant GetCardY(std::int16_t nCard) override;
    Variant GetCardStatus(std::int16_t nCard) override;
    Variant GetCardIsBlocked(std::int16_t nCard) override;
    Variant GetCardDisabled(std::int16_t nCard) override;
    Variant GetUser1(std::int16_t nCard) override;
    Variant GetUser2(std::int16_t nCard) override;
    Variant GetUser3(std::int16_t nCard) override;
    Variant GetUser4(std::int16_t nCard) override;
    void SetCardX(std::int16_t nCard, std::int16_t nValue) override;
    void SetCardY(std::int16_t nCard, std::int16_t nValue) override;
    void SetCardStatus(std::int16_t nCard, Boolean bValue) override;
    void SetCardIsBlocked(std::int16_t nCard, Boolean bValue) override;
    void SetCardDisabled(std::int16_t nCard, Boolean bValue) override;
    void SetUser1(std::int16_t nCard, Boolean bValue) override;
    void SetUser2(std::int16_t nCard, std::int16_t nValue) override;
    void SetUser3(std::int16_t nCard, std::int16_t nValue) override;
    void SetUser4(std::int16_t nCard, std::int16_t nValue) override;

    void DrawCard(std::int32_t hdc, std::int16_t nCard, std::int16_t nX, std::int16_t nY,
                  Boolean Invisible = com::False) override;
    void DealCard(std::int32_t hdc, std::int16_t nCard, std::int16_t nX, std::int16_t nY) override;
    void DrawSymbol(const Variant& hdc, const Variant& nValue, const Variant& nX,
                    const Variant& nY) override;
    void DrawBack(std::int32_t hdc, std::int16_t nValue, std::int16_t nX, std::int16_t nY,
                  Boolean Invisible = com::False) override;
    void RemoveCard(std::int32_t hdc, std::int16_t nCard) override;
    Boolean SetGraphics(std::int32_t ScreenHdc, const QString& FileN) override;
    void SetDefaultValues() override;

    Variant InitDrag(std::int32_t hdc, float nX, float nY) override;
    void DoDrag(std::int32_t hdc, std::int16_t nCard, std::int16_t nX, std::int16_t nY) override;
    Variant EndDrag(std::int32_t hdc, std::int16_t nX, std::int16_t nY) override;
    Variant UnloadDeck() override;
    void ReturnDrag(std::int32_t hdc, std::int16_t nCard, std::int16_t nXLoc,
                    std::int16_t nYLoc) override;
    void SetOffset(std::int16_t nValue) override;
    void SetCardBack(std::int16_t nValue) override;
    void BlockDrag(std::int32_t hdc, const Variant& CardList, std::int16_t nNumCards,
                   std::int16_t nX, std::int16_t nY) override;
    void ReturnBlockDrag(std::int32_t hdc, const Variant& CardList, std::int16_t nNumCards,
                         std::int16_t nXLoc, std::int16_t nYLoc) override;
    void DealSymbol(std::int32_t hdc, std::int16_t nCard, std::int16_t nSymbol, std::int16_t nX,
                    std::int16_t nY) override;
    QString GetCurrentDeck() override;
    void SetDeck(const QString& Deck) override;
    void SetCurrentDeck(const QString& Deck) override;
    void ReDraw(std::int32_t hdc) override;
    void WinSequence(std::int32_t hdc) override;
    void TakeScreenShot(std::int32_t hdc) override;
    void SetBackground(std::int32_t Color) override;
    void CreateDeck(std::int16_t nNumofCards) override;
    void Shuffle(std::int16_t nDeckSize) override;
    void SetCurrentDirectory(const QString& nDirectory) override;

    Variant GetDeckOrder(std::int16_t nIndex) override;
};

// Not an engine method, and no part of the engine's state: for a host that has the deck
// read while it starts. Starts reading the deck picture `file` that InitializeDeck would
// load from the cards folder of `folder` at table scale `scale`, and finding the
// background the table colour fills on it, on a thread of its own (gdi::PrefetchPicture).
// A name InitializeDeck would refuse reads nothing; a read that fails is left to
// InitializeDeck, which reads again and tells.
void prefetchDeck(const QString& folder, const QString& file, int scale);

} // namespace dorvik
