#pragma once
// The deck picture and the three surfaces every drawing works with: DeckDC (the sheet),
// SaveUnderDC (two banks of save-under cells) and TableCopyDC (the table, screen-sized).
// Sheets are found as CurrentDirectory + "/cards/" + file name; a name holding "/", "\",
// ".." or a NUL character is refused (dorvik::Error naming the method and the name), so
// that no deck reaches outside the cards folder.
//
// A sheet that cannot be loaded throws dorvik::Error naming the method and carrying the
// loader's message (which names the file). The sheet is loaded before anything else
// happens, so a bad file leaves the card table, the surfaces and CurrentDeck as they were.

#include "platform/gdi/gdi.h"

#include <QString>

#include <cstdint>

namespace dorvik {

struct Module1;

class DeckSetup {
public:
    explicit DeckSetup(Module1& state) : m_state(state) {}

    // Builds the packs, parks every card and loads `file` into new surfaces (see
    // setGraphics). True when the deck and save-under surfaces exist.
    bool initializeDeck(std::int32_t screenHdc, const QString& file);

    // Frees the surfaces of an earlier call, creates the three surfaces compatible with
    // `screenHdc` and puts sheet `file` into the deck surface; the last table colour is
    // filled in. The new table copy and save-under cells are black, so no card is in
    // them and the next visible draw takes a fresh snapshot. True when the deck and the
    // save-under surfaces exist (the platform may refuse them: a dead `screenHdc`).
    bool setGraphics(std::int32_t screenHdc, const QString& file, const char* method);

    // Loads sheet `file` into the existing deck surface (same handle), then fills in the
    // table colour. CurrentDeck, the save-under cells and the table copy stay. Without a
    // deck surface (before InitializeDeck, after UnloadDeck) the file is still checked,
    // and nothing else happens.
    void setDeck(const QString& file);

    // Starts reading sheet `file` of the cards folder of `folder` at `scale` ahead, for
    // the next load of it; a name loading would refuse reads nothing.
    static void prefetchSheet(const QString& folder, const QString& file, int scale);

private:
    struct Sheet {
        std::int32_t bitmap;
        gdi::Area background; // see DeckBackground
    };
    // The deck sheet as a bitmap of `scale` (its larger picture or the sheet enlarged).
    Sheet loadSheet(const QString& file, int scale, const char* method) const;
    static bool isPlainName(const QString& file);
    static QString sheetPath(const QString& folder, const QString& file);
    static int sheetScale(std::int32_t screenHdc);
    bool installSurfaces(std::int32_t screenHdc, const QString& file, Sheet sheet);

    Module1& m_state;
};

} // namespace dorvik
