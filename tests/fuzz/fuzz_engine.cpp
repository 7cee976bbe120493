// Engine call sequences: after InitializeDeck on the shipped standard deck, the input
// chooses methods and their arguments. Every failure must be a dorvik::Error whose message
// starts with the method's name; anything else thrown, and any surface left alive after
// UnloadDeck, aborts.

#include "engine/class1.h"
#include "engine/fixedseed.h"
#include "engine/module1.h"
#include "platform/gdi/gdi.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <QImage>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>

using namespace dorvik;

namespace {

constexpr int kLongestSequence = 48;

[[noreturn]] void finding(const char* method, const char* what) {
    std::fprintf(stderr, "%s: %s\n", method, what);
    std::abort();
}

class Caller {
public:
    Caller(FuzzedDataProvider& in, gdi::HDC dc) : m_in(in), m_dc(dc) {}

    void callOne() {
        switch (m_in.ConsumeIntegralInRange(0, 31)) {
        case 0:
            call("InitializeDeck", [&] { m_engine.InitializeDeck(dc(), deckVariant()); });
            break;
        case 1:
            call("SetGraphics", [&] { m_engine.SetGraphics(dc(), deckName()); });
            break;
        case 2:
            call("SetDeck", [&] { m_engine.SetDeck(deckName()); });
            break;
        case 3:
            call("SetCurrentDeck", [&] { m_engine.SetCurrentDeck(deckName()); });
            break;
        case 4:
            call("UnloadDeck", [&] { m_engine.UnloadDeck(); });
            break;
        case 5:
            call("DealCard", [&] { m_engine.DealCard(dc(), card(), place(), place()); });
            break;
        case 6:
            call("DrawCard", [&] { m_engine.DrawCard(dc(), card(), place(), place(), flag()); });
            break;
        case 7:
            call("DrawBack", [&] { m_engine.DrawBack(dc(), small(), place(), place(), flag()); });
            break;
        case 8:
            call("DrawSymbol", [&] {
                m_engine.DrawSymbol(Variant::fromLong(dc()), variant(), variant(), variant());
            });
            break;
        case 9:
            call("DealSymbol",
                 [&] { m_engine.DealSymbol(dc(), card(), small(), place(), place()); });
            break;
        case 10:
            call("RemoveCard", [&] { m_engine.RemoveCard(dc(), card()); });
            break;
        case 11:
            call("InitDrag", [&] { m_engine.InitDrag(dc(), float(place()), float(place())); });
            break;
        case 12:
            call("DoDrag", [&] { m_engine.DoDrag(dc(), card(), place(), place()); });
            break;
        case 13:
            call("EndDrag", [&] { m_engine.EndDrag(dc(), place(), place()); });
            break;
        case 14:
            call("ReturnDrag", [&] { m_engine.ReturnDrag(dc(), card(), place(), place()); });
            break;
        case 15:
            call("BlockDrag",
                 [&] { m_engine.BlockDrag(dc(), cardList(), small(), place(), place()); });
            break;
        case 16:
            call("EndBlockDrag",
                 [&] { m_engine.EndBlockDrag(dc(), cardList(), small(), place(), place()); });
            break;
        case 17:
            call("ReturnBlockDrag",
                 [&] { m_engine.ReturnBlockDrag(dc(), cardList(), small(), place(), place()); });
            break;
        case 18:
            call("ReDraw", [&] { m_engine.ReDraw(dc()); });
            break;
        case 19:
            call("TakeScreenShot", [&] { m_engine.TakeScreenShot(dc()); });
            break;
        case 20:
            call("WinSequence", [&] { m_engine.WinSequence(dc()); });
            break;
        case 21:
            call("SetBackground",
                 [&] { m_engine.SetBackground(m_in.ConsumeIntegral<std::int32_t>()); });
            break;
        case 22:
            call("CreateDeck", [&] { m_engine.CreateDeck(small()); });
            break;
        case 23:
            call("Shuffle", [&] { m_engine.Shuffle(small()); });
            break;
        case 24:
            call("GetDeckOrder", [&] { m_engine.GetDeckOrder(small()); });
            break;
        case 25:
            call("SetOffset", [&] { m_engine.SetOffset(small()); });
            break;
        case 26:
            call("SetCardBack", [&] { m_engine.SetCardBack(small()); });
            break;
        case 27:
            call("SetDefaultValues", [&] { m_engine.SetDefaultValues(); });
            break;
        case 28:
            setField();
            break;
        case 29:
            getField();
            break;
        case 30:
            call("GetCurrentDeck", [&] { m_engine.GetCurrentDeck(); });
            break;
        default:
            call("SetCurrentDirectory", [&] { m_engine.SetCurrentDirectory(folder()); });
            break;
        }
    }

private:
    template <typename Call> void call(const char* method, Call&& body) {
        try {
            body();
        } catch (const Error& e) {
            if (std::string(e.what()).rfind(method, 0) != 0) {
                finding(
                    method,
                    (std::string("an error that does not name the method: ") + e.what()).c_str());
            }
        } catch (const std::exception& e) {
            finding(method,
                    (std::string("an error that is not a dorvik::Error: ") + e.what()).c_str());
        } catch (...) {
            finding(method, "something thrown that is not an exception");
        }
    }

    // Mostly the table's own context; sometimes a dead or made-up handle.
    gdi::HDC dc() {
        return m_in.ConsumeIntegralInRange(0, 7) ? m_dc : m_in.ConsumeIntegral<std::int32_t>();
    }
    std::int16_t card() { return m_in.ConsumeIntegralInRange<std::int16_t>(-1, 152); }
    std::int16_t small() {
        return m_in.ConsumeBool() ? m_in.ConsumeIntegralInRange<std::int16_t>(-2, 160)
                                  : m_in.ConsumeIntegral<std::int16_t>();
    }
    std::int16_t place() {
        return m_in.ConsumeBool() ? m_in.ConsumeIntegralInRange<std::int16_t>(-100, 700)
                                  : m_in.ConsumeIntegral<std::int16_t>();
    }
    com::Boolean flag() {
        return m_in.ConsumeBool() ? com::True : m_in.ConsumeIntegral<std::int16_t>();
    }

    QString deckName() {
        static const char* const names[] = {
            "Standard.bmp", "FourColour.bmp",   "LargeIndex.bmp", "",
            "Missing.bmp",  "../solitaire.ini", "Standard.ini",   "."};
        if (m_in.ConsumeBool()) {
            return QString::fromLatin1(names[m_in.ConsumeIntegralInRange(0, 7)]);
        }
        return QString::fromStdString(m_in.ConsumeRandomLengthString(24));
    }
    Variant deckVariant() {
        return m_in.ConsumeBool() ? Variant::fromString(deckName()) : variant();
    }
    QString folder() {
        return m_in.ConsumeBool() ? QStringLiteral(HALVANE_BUILD_DATA_DIR)
                                  : QString::fromStdString(m_in.ConsumeRandomLengthString(16));
    }

    Variant variant(int depth = 0) {
        switch (m_in.ConsumeIntegralInRange(0, depth < 1 ? 6 : 5)) {
        case 0:
            return Variant();
        case 1:
            return Variant::fromInteger(small());
        case 2:
            return Variant::fromBoolean(flag());
        case 3:
            return Variant::fromLong(m_in.ConsumeIntegral<std::int32_t>());
        case 4:
            return Variant::fromSingle(m_in.ConsumeFloatingPoint<float>());
        case 5:
            return Variant::fromString(QString::fromStdString(m_in.ConsumeRandomLengthString(8)));
        default: {
            std::vector<Variant> elements(m_in.ConsumeIntegralInRange(0, 6));
            for (Variant& e : elements) {
                e = variant(depth + 1);
            }
            return Variant::fromArray(std::move(elements));
        }
        }
    }

    // Mostly a list of card numbers; sometimes any value at all.
    Variant cardList() {
        if (!m_in.ConsumeIntegralInRange(0, 7)) {
            return variant();
        }
        std::vector<Variant> cards(m_in.ConsumeIntegralInRange(0, 14));
        for (Variant& c : cards) {
            c = Variant::fromInteger(card());
        }
        return Variant::fromArray(std::move(cards));
    }

    void setField() {
        const std::int16_t n = card();
        const std::int16_t value = small();
        switch (m_in.ConsumeIntegralInRange(0, 8)) {
        case 0:
            call("SetCardX", [&] { m_engine.SetCardX(n, value); });
            break;
        case 1:
            call("SetCardY", [&] { m_engine.SetCardY(n, value); });
            break;
        case 2:
            call("SetCardStatus", [&] { m_engine.SetCardStatus(n, value); });
            break;
        case 3:
            call("SetCardIsBlocked", [&] { m_engine.SetCardIsBlocked(n, value); });
            break;
        case 4:
            call("SetCardDisabled", [&] { m_engine.SetCardDisabled(n, value); });
            break;
        case 5:
            call("SetUser1", [&] { m_engine.SetUser1(n, value); });
            break;
        case 6:
            call("SetUser2", [&] { m_engine.SetUser2(n, value); });
            break;
        case 7:
            call("SetUser3", [&] { m_engine.SetUser3(n, value); });
            break;
        default:
            call("SetUser4", [&] { m_engine.SetUser4(n, value); });
            break;
        }
    }

    void getField() {
        const std::int16_t n = card();
        switch (m_in.ConsumeIntegralInRange(0, 11)) {
        case 0:
            call("GetCardColor", [&] { m_engine.GetCardColor(n); });
            break;
        case 1:
            call("GetCardSuit", [&] { m_engine.GetCardSuit(n); });
            break;
        case 2:
            call("GetCardValue", [&] { m_engine.GetCardValue(n); });
            break;
        case 3:
            call("GetCardX", [&] { m_engine.GetCardX(n); });
            break;
        case 4:
            call("GetCardY", [&] { m_engine.GetCardY(n); });
            break;
        case 5:
            call("GetCardStatus", [&] { m_engine.GetCardStatus(n); });
            break;
        case 6:
            call("GetCardIsBlocked", [&] { m_engine.GetCardIsBlocked(n); });
            break;
        case 7:
            call("GetCardDisabled", [&] { m_engine.GetCardDisabled(n); });
            break;
        case 8:
            call("GetUser1", [&] { m_engine.GetUser1(n); });
            break;
        case 9:
            call("GetUser2", [&] { m_engine.GetUser2(n); });
            break;
        case 10:
            call("GetUser3", [&] { m_engine.GetUser3(n); });
            break;
        default:
            call("GetUser4", [&] { m_engine.GetUser4(n); });
            break;
        }
    }

    FuzzedDataProvider& m_in;
    gdi::HDC m_dc;
    Class1 m_engine;
};

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    gdi::SetScreenPixels(QSize(800, 600)); // a small table keeps each input quick
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ResetModule1();
    SetFixedSeed(1);
    const int liveDCs = gdi::LiveDCCount();
    const int liveBitmaps = gdi::LiveBitmapCount();
    const gdi::HDC window = gdi::CreateCompatibleDC(0);
    const gdi::HBITMAP surface = gdi::CreateCompatibleBitmap(window, 800, 600);
    const gdi::HGDIOBJ stock = gdi::SelectObject(window, surface);

    Class1 engine;
    engine.SetCurrentDirectory(QStringLiteral(HALVANE_BUILD_DATA_DIR));
    try {
        engine.InitializeDeck(window, Variant::fromString(QStringLiteral("Standard.bmp")));
    } catch (const std::exception& e) {
        finding("InitializeDeck", e.what()); // the shipped deck must load
    }
    FuzzedDataProvider in(data, size);
    Caller caller(in, window);
    for (int i = 0; i < kLongestSequence && in.remaining_bytes() > 0; ++i) {
        caller.callOne();
    }

    engine.UnloadDeck();
    gdi::SelectObject(window, stock);
    gdi::DeleteObject(surface);
    gdi::DeleteDC(window);
    if (gdi::LiveDCCount() != liveDCs || gdi::LiveBitmapCount() != liveBitmaps) {
        finding("UnloadDeck", "contexts or bitmaps outlive the deck");
    }
    // Frees what the state still holds (the pristine sheet, names), so that every input
    // ends with all it allocated freed and libFuzzer needs no leak check run for it.
    ResetModule1();
    return 0;
}
