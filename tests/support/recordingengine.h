#pragma once
// The card engine for tests: a real dorvik::Class1 (decks load, cards are drawn for real)
// that writes down every call that draws or changes its state, in order, and runs a hook
// with each before it goes on to the engine. The host's and the dialogs' tests share it.

#include "engine/class1.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

namespace halvane::test {

class RecordingEngine final : public dorvik::_Class1 {
public:
    using Boolean = dorvik::Boolean;
    using Variant = dorvik::Variant;

    // One call: the method and its arguments as text, device contexts left out
    // ("SetDeck", "B.bmp"; "DrawCard", "40,212,40,-1"; "ReDraw", "").
    struct Call {
        QString method;
        QString arguments;
        QString text() const { return method + QLatin1Char('(') + arguments + QLatin1Char(')'); }
    };

    // Every call as Call::text, in order.
    QStringList calls;
    // The device context of each DrawCard and DrawBack, in order.
    QList<std::int32_t> drawTargets;
    // Runs once a call is written down, before the engine runs it; what it throws is what
    // the call throws.
    std::function<void(const Call&)> onCall;

    void clear() {
        calls.clear();
        drawTargets.clear();
    }

    // clang-format off
    Variant EndBlockDrag(std::int32_t hdc, const Variant& CardList, std::int16_t nNumCards, std::int16_t nX, std::int16_t nY) override { record("EndBlockDrag"); return m_engine.EndBlockDrag(hdc, CardList, nNumCards, nX, nY); }
    Boolean InitializeDeck(std::int32_t ScreenHdc, const Variant& FileN = Variant()) override { record("InitializeDeck", FileN.toString()); return m_engine.InitializeDeck(ScreenHdc, FileN); }
    Variant GetCardColor(std::int16_t nCard) override { return m_engine.GetCardColor(nCard); }
    Variant GetCardSuit(std::int16_t nCard) override { return m_engine.GetCardSuit(nCard); }
    Variant GetCardValue(std::int16_t nCard) override { return m_engine.GetCardValue(nCard); }
    Variant GetCardX(std::int16_t nCard) override { return m_engine.GetCardX(nCard); }
    Variant GetCardY(std::int16_t nCard) override { return m_engine.GetCardY(nCard); }
    Variant GetCardStatus(std::int16_t nCard) override { return m_engine.GetCardStatus(nCard); }
    Variant GetCardIsBlocked(std::int16_t nCard) override { return m_engine.GetCardIsBlocked(nCard); }
    Variant GetCardDisabled(std::int16_t nCard) override { return m_engine.GetCardDisabled(nCard); }
    Variant GetUser1(std::int16_t nCard) override { return m_engine.GetUser1(nCard); }
    Variant GetUser2(std::int16_t nCard) override { return m_engine.GetUser2(nCard); }
    Variant GetUser3(std::int16_t nCard) override { return m_engine.GetUser3(nCard); }
    Variant GetUser4(std::int16_t nCard) override { return m_engine.GetUser4(nCard); }
    void SetCardX(std::int16_t nCard, std::int16_t nValue) override { m_engine.SetCardX(nCard, nValue); }
    void SetCardY(std::int16_t nCard, std::int16_t nValue) override { m_engine.SetCardY(nCard, nValue); }
    void SetCardStatus(std::int16_t nCard, Boolean bValue) override { m_engine.SetCardStatus(nCard, bValue); }
    void SetCardIsBlocked(std::int16_t nCard, Boolean bValue) override { m_engine.SetCardIsBlocked(nCard, bValue); }
    void SetCardDisabled(std::int16_t nCard, Boolean bValue) override { m_engine.SetCardDisabled(nCard, bValue); }
    void SetUser1(std::int16_t nCard, Boolean bValue) override { m_engine.SetUser1(nCard, bValue); }
    void SetUser2(std::int16_t nCard, std::int16_t nValue) override { m_engine.SetUser2(nCard, nValue); }
    void SetUser3(std::int16_t nCard, std::int16_t nValue) override { m_engine.SetUser3(nCard, nValue); }
    void SetUser4(std::int16_t nCard, std::int16_t nValue) override { m_engine.SetUser4(nCard, nValue); }
    void DrawCard(std::int32_t hdc, std::int16_t nCard, std::int16_t nX, std::int16_t nY, Boolean Invisible = com::False) override;
    void DealCard(std::int32_t hdc, std::int16_t nCard, std::int16_t nX, std::int16_t nY) override { record("DealCard"); m_engine.DealCard(hdc, nCard, nX, nY); }
    void DrawSymbol(const Variant& hdc, const Variant& nValue, const Variant& nX, const Variant& nY) override { record("DrawSymbol"); m_engine.DrawSymbol(hdc, nValue, nX, nY); }
    void DrawBack(std::int32_t hdc, std::int16_t nValue, std::int16_t nX, std::int16_t nY, Boolean Invisible = com::False) override;
    void RemoveCard(std::int32_t hdc, std::int16_t nCard) override { record("RemoveCard"); m_engine.RemoveCard(hdc, nCard); }
    Boolean SetGraphics(std::int32_t ScreenHdc, const QString& FileN) override { record("SetGraphics", FileN); return m_engine.SetGraphics(ScreenHdc, FileN); }
    void SetDefaultValues() override { record("SetDefaultValues"); m_engine.SetDefaultValues(); }
    Variant InitDrag(std::int32_t hdc, float nX, float nY) override { record("InitDrag"); return m_engine.InitDrag(hdc, nX, nY); }
    void DoDrag(std::int32_t hdc, std::int16_t nCard, std::int16_t nX, std::int16_t nY) override { record("DoDrag"); m_engine.DoDrag(hdc, nCard, nX, nY); }
    Variant EndDrag(std::int32_t hdc, std::int16_t nX, std::int16_t nY) override { record("EndDrag"); return m_engine.EndDrag(hdc, nX, nY); }
    Variant UnloadDeck() override { record("UnloadDeck"); return m_engine.UnloadDeck(); }
    void ReturnDrag(std::int32_t hdc, std::int16_t nCard, std::int16_t nXLoc, std::int16_t nYLoc) override { record("ReturnDrag"); m_engine.ReturnDrag(hdc, nCard, nXLoc, nYLoc); }
    void SetOffset(std::int16_t nValue) override { record("SetOffset", QString::number(nValue)); m_engine.SetOffset(nValue); }
    void SetCardBack(std::int16_t nValue) override { record("SetCardBack", QString::number(nValue)); m_engine.SetCardBack(nValue); }
    void BlockDrag(std::int32_t hdc, const Variant& CardList, std::int16_t nNumCards, std::int16_t nX, std::int16_t nY) override { record("BlockDrag"); m_engine.BlockDrag(hdc, CardList, nNumCards, nX, nY); }
    void ReturnBlockDrag(std::int32_t hdc, const Variant& CardList, std::int16_t nNumCards, std::int16_t nXLoc, std::int16_t nYLoc) override { record("ReturnBlockDrag"); m_engine.ReturnBlockDrag(hdc, CardList, nNumCards, nXLoc, nYLoc); }
    void DealSymbol(std::int32_t hdc, std::int16_t nCard, std::int16_t nSymbol, std::int16_t nX, std::int16_t nY) override { record("DealSymbol"); m_engine.DealSymbol(hdc, nCard, nSymbol, nX, nY); }
    QString GetCurrentDeck() override { record("GetCurrentDeck"); return m_engine.GetCurrentDeck(); }
    void SetDeck(const QString& Deck) override { record("SetDeck", Deck); m_engine.SetDeck(Deck); }
    void SetCurrentDeck(const QString& Deck) override { record("SetCurrentDeck", Deck); m_engine.SetCurrentDeck(Deck); }
    void ReDraw(std::int32_t hdc) override { record("ReDraw"); m_engine.ReDraw(hdc); }
    void WinSequence(std::int32_t hdc) override { record("WinSequence"); m_engine.WinSequence(hdc); }
    void TakeScreenShot(std::int32_t hdc) override { record("TakeScreenShot"); m_engine.TakeScreenShot(hdc); }
    void SetBackground(std::int32_t Color) override;
    void CreateDeck(std::int16_t nNumofCards) override { m_engine.CreateDeck(nNumofCards); }
    void Shuffle(std::int16_t nDeckSize) override { m_engine.Shuffle(nDeckSize); }
    void SetCurrentDirectory(const QString& nDirectory) override { record("SetCurrentDirectory", nDirectory); m_engine.SetCurrentDirectory(nDirectory); }
    Variant GetDeckOrder(std::int16_t nIndex) override { return m_engine.GetDeckOrder(nIndex); }
    // clang-format on

private:
    void record(const char* method, const QString& arguments = QString());

    dorvik::Class1 m_engine;
};

} // namespace halvane::test
