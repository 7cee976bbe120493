#pragma once
// The three markers games put on empty places: an outline where a pile may be started, a
// circling arrow where the stock can be dealt again, and a cross where it cannot. They are
// drawn straight on the sheet's black, which the engine turns into the table colour, so
// they sit on the felt like chalk marks. They are drawn without smoothing: a smoothed edge
// would blend with that black and leave a dark fringe on the table. No mark closes off any
// black: every black pixel of a marker cell stays joined to the cell's edge, so the
// background fill reaches it.

class QPainter;

namespace halvane::deckgen {

class TableSymbols {
public:
    static constexpr int Count = 3;

    // Draws symbol `number` (1 empty place, 2 deal again, 3 no more) into a black cell;
    // the painter's origin is the cell's top left pixel. Throws std::out_of_range for
    // other numbers.
    static void draw(QPainter& painter, int number);

private:
    static void emptyPlace(QPainter& painter);
    static void dealAgain(QPainter& painter);
    static void noMore(QPainter& painter);
};

} // namespace halvane::deckgen
