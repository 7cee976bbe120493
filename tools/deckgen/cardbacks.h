#pragma once
// The eight card backs the user chooses from: each a patterned panel inside a white
// margin, in its own colours and its own pattern so that no two are confused.
//   1 blue lattice     2 red rosettes    3 green tartan     4 purple diamonds
//   5 teal sunburst    6 amber weave     7 night sky        8 maroon waves

class QPainter;

namespace halvane::deckgen {

class CardBacks {
public:
    static constexpr int Count = 8;

    // Draws back `number` (1..Count) onto a blank card; the painter's origin is the
    // card's top left pixel. Throws std::out_of_range for other numbers.
    static void draw(QPainter& painter, int number);

private:
    static void lattice(QPainter& painter);
    static void rosettes(QPainter& painter);
    static void tartan(QPainter& painter);
    static void diamonds(QPainter& painter);
    static void sunburst(QPainter& painter);
    static void weave(QPainter& painter);
    static void nightSky(QPainter& painter);
    static void waves(QPainter& painter);
};

} // namespace halvane::deckgen
