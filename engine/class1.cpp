#include "engine/class1.h"

#include "engine/argcheck.h"
#include "engine/blockcarddrag.h"
#include "engine/cardtablesetup.h"
#include "engine/dealingorder.h"
#include "engine/deckbackground.h"
#include "engine/decksetup.h"
#include "engine/module1.h"
#include "engine/singlecarddrag.h"
#include "engine/surfaces.h"
#include "engine/tabledrawing.h"
#include "engine/winanimation.h"

namespace dorvik {

namespace {

bool inTable(int n) {
    return n >= 1 && n <= kCardCount;
}

// A getter's result: the field as a 16-bit integer, 0 outside the table.
Variant integerField(int n, std::int16_t CardRecord::*field) {
    return Variant::fromInteger(inTable(n) ? module1().card(n).*field : std::int16_t(0));
}

// A Boolean field: a Boolean holding whatever 16-bit value was stored; outside the
// table the getters return Integer 0, as the other getters do.
Variant booleanField(int n, std::int16_t CardRecord::*field) {
    if (!inTable(n)) {
        return Variant::fromInteger(0);
    }
    return Variant::fromBoolean(module1().card(n).*field);
}

void setField(int n, std::int16_t CardRecord::*field, std::int16_t value) {
    if (inTable(n)) {
        module1().card(n).*field = value;
    }
}

// A variant argument as a number; a value that does not convert throws dorvik::Error
// naming the method and the argument.
template <typename T, T (Variant::*convert)(const char*) const>
T argument(const Variant& value, const char* method, const char* name) {
    try {
        return (value.*convert)(name);
    } catch (const com::Error& e) {
        ArgCheck::fail(method, QString::fromUtf8(e.what()));
    }
}

} // namespace

Variant Class1::EndBlockDrag(std::int32_t, const Variant& CardList, std::int16_t nNumCards,
                             std::int16_t nX, std::int16_t nY) {
    return Variant::fromInteger(BlockCardDrag(module1()).endBlockDrag(CardList, nNumCards, nX, nY));
}

Boolean Class1::InitializeDeck(std::int32_t ScreenHdc, const Variant& FileN) {
    QString file;
    try {
        file = FileN.toString("FileN");
    } catch (const com::Error& e) {
        ArgCheck::fail("InitializeDeck", QString::fromUtf8(e.what()));
    }
    if (file.isEmpty()) {
        file = QStringLiteral("Standard.bmp");
    }
    return DeckSetup(module1()).initializeDeck(ScreenHdc, file) ? com::True : com::False;
}

Variant Class1::GetCardColor(std::int16_t nCard) {
    return integerField(nCard, &CardRecord::Color);
}
Variant Class1::GetCardSuit(std::int16_t nCard) {
    return integerField(nCard, &CardRecord::Suit);
}
Variant Class1::GetCardValue(std::int16_t nCard) {
    return integerField(nCard, &CardRecord::Value);
}
Variant Class1::GetCardX(std::int16_t nCard) {
    return integerField(nCard, &CardRecord::X);
}
Variant Class1::GetCardY(std::int16_t nCard) {
    return integerField(nCard, &CardRecord::Y);
}
Variant Class1::GetCardStatus(std::int16_t nCard) {
    return booleanField(nCard, &CardRecord::Status);
}
Variant Class1::GetCardIsBlocked(std::int16_t nCard) {
    return booleanField(nCard, &CardRecord::IsBlocked);
}
Variant Class1::GetCardDisabled(std::int16_t nCard) {
    return booleanField(nCard, &CardRecord::Disabled);
}
Variant Class1::GetUser1(std::int16_t nCard) {
    // The one getter that answers a Boolean even outside the table.
    return Variant::fromBoolean(inTable(nCard) ? module1().card(nCard).User1 : com::False);
}
Variant Class1::GetUser2(std::int16_t nCard) {
    return integerField(nCard, &CardRecord::User2);
}
Variant Class1::GetUser3(std::int16_t nCard) {
    return integerField(nCard, &CardRecord::User3);
}
Variant Class1::GetUser4(std::int16_t nCard) {
    return integerField(nCard, &CardRecord::User4);
}

void Class1::SetCardX(std::int16_t nCard, std::int16_t nValue) {
    setField(nCard, &CardRecord::X, nValue);
}
void Class1::SetCardY(std::int16_t nCard, std::int16_t nValue) {
    setField(nCard, &CardRecord::Y, nValue);
}
void Class1::SetCardStatus(std::int16_t nCard, Boolean bValue) {
    setField(nCard, &CardRecord::Status, bValue);
}
void Class1::SetCardIsBlocked(std::int16_t nCard, Boolean bValue) {
    setField(nCard, &CardRecord::IsBlocked, bValue);
}
void Class1::SetCardDisabled(std::int16_t nCard, Boolean bValue) {
    setField(nCard, &CardRecord::Disabled, bValue);
}
void Class1::SetUser1(std::int16_t nCard, Boolean bValue) {
    setField(nCard, &CardRecord::User1, bValue);
}
void Class1::SetUser2(std::int16_t nCard, std::int16_t nValue) {
    setField(nCard, &CardRecord::User2, nValue);
}
void Class1::SetUser3(std::int16_t nCard, std::int16_t nValue) {
    setField(nCard, &CardRecord::User3, nValue);
}
void Class1::SetUser4(std::int16_t nCard, std::int16_t nValue) {
    setField(nCard, &CardRecord::User4, nValue);
}

void Class1::DrawCard(std::int32_t hdc, std::int16_t nCard, std::int16_t nX, std::int16_t nY,
                      Boolean Invisible) {
    TableDrawing(module1()).drawCard(hdc, nCard, nX, nY, Invisible != com::False);
}

void Class1::DealCard(std::int32_t hdc, std::int16_t nCard, std::int16_t nX, std::int16_t nY) {
    TableDrawing(module1()).dealCard(hdc, nCard, nX, nY, "DealCard");
}

void Class1::DrawSymbol(const Variant& hdc, const Variant& nValue, const Variant& nX,
                        const Variant& nY) {
    const char* method = "DrawSymbol";
    const auto dc = argument<std::int32_t, &Variant::toLong>(hdc, method, "hdc");
    // Any number that is not 1 to 3 draws nothing, however large.
    const auto symbol = argument<std::int32_t, &Variant::toLong>(nValue, method, "nValue");
    const auto x = argument<std::int16_t, &Variant::toInteger>(nX, method, "nX");
    const auto y = argument<std::int16_t, &Variant::toInteger>(nY, method, "nY");
    TableDrawing(module1()).drawSymbol(dc, symbol, x, y);
}

void Class1::DrawBack(std::int32_t hdc, std::int16_t nValue, std::int16_t nX, std::int16_t nY,
                      Boolean Invisible) {
    TableDrawing(module1()).drawBack(hdc, nValue, nX, nY, Invisible != com::False);
}

void Class1::RemoveCard(std::int32_t hdc, std::int16_t nCard) {
    TableDrawing(module1()).removeCard(hdc, nCard);
}

Boolean Class1::SetGraphics(std::int32_t ScreenHdc, const QString& FileN) {
    return DeckSetup(module1()).setGraphics(ScreenHdc, FileN, "SetGraphics") ? com::True
                                                                             : com::False;
}

void Class1::SetDefaultValues() {
    CardTableSetup(module1()).setDefaultValues();
}

Variant Class1::InitDrag(std::int32_t, float nX, float nY) {
    return Variant::fromInteger(SingleCardDrag(module1()).initDrag(nX, nY));
}

void Class1::DoDrag(std::int32_t hdc, std::int16_t nCard, std::int16_t nX, std::int16_t nY) {
    SingleCardDrag(module1()).doDrag(hdc, nCard, nX, nY);
}

Variant Class1::EndDrag(std::int32_t hdc, std::int16_t nX, std::int16_t nY) {
    return Variant::fromInteger(SingleCardDrag(module1()).endDrag(hdc, nX, nY));
}

Variant Class1::UnloadDeck() {
    Surfaces(module1()).releaseAll();
    return Variant();
}

void Class1::ReturnDrag(std::int32_t hdc, std::int16_t nCard, std::int16_t nXLoc,
                        std::int16_t nYLoc) {
    SingleCardDrag(module1()).returnDrag(hdc, nCard, nXLoc, nYLoc);
}

void Class1::SetOffset(std::int16_t nValue) {
    module1().StackOffset = nValue;
}

void Class1::SetCardBack(std::int16_t nValue) {
    CardTableSetup(module1()).setCardBack(nValue);
}

void Class1::BlockDrag(std::int32_t hdc, const Variant& CardList, std::int16_t nNumCards,
                       std::int16_t nX, std::int16_t nY) {
    BlockCardDrag(module1()).blockDrag(hdc, CardList, nNumCards, nX, nY);
}

void Class1::ReturnBlockDrag(std::int32_t hdc, const Variant& CardList, std::int16_t nNumCards,
                             std::int16_t nXLoc, std::int16_t nYLoc) {
    BlockCardDrag(module1()).returnBlockDrag(hdc, CardList, nNumCards, nXLoc, nYLoc);
}

void Class1::DealSymbol(std::int32_t hdc, std::int16_t nCard, std::int16_t nSymbol, std::int16_t nX,
                        std::int16_t nY) {
    TableDrawing(module1()).dealSymbol(hdc, nCard, nSymbol, nX, nY);
}

QString Class1::GetCurrentDeck() {
    return module1().CurrentDeck;
}

void Class1::SetDeck(const QString& Deck) {
    DeckSetup(module1()).setDeck(Deck);
}

void Class1::SetCurrentDeck(const QString& Deck) {
    module1().CurrentDeck = Deck;
}

void Class1::ReDraw(std::int32_t hdc) {
    TableDrawing(module1()).reDraw(hdc);
}

void Class1::WinSequence(std::int32_t hdc) {
    WinAnimation(module1()).run(hdc);
}

void Class1::TakeScreenShot(std::int32_t hdc) {
    TableDrawing(module1()).takeScreenShot(hdc);
}

void Class1::SetBackground(std::int32_t Color) {
    DeckBackground(module1()).setColor(Color);
}

void Class1::CreateDeck(std::int16_t nNumofCards) {
    DealingOrder(module1()).create(nNumofCards);
}

void Class1::Shuffle(std::int16_t nDeckSize) {
    DealingOrder(module1()).shuffle(nDeckSize);
}

void Class1::SetCurrentDirectory(const QString& nDirectory) {
    module1().CurrentDirectory = nDirectory;
}

Variant Class1::GetDeckOrder(std::int16_t nIndex) {
    return Variant::fromInteger(DealingOrder(module1()).entry(nIndex));
}

void prefetchDeck(const QString& folder, const QString& file, int scale) {
    DeckSetup::prefetchSheet(folder, file, scale);
}

} // namespace dorvik
