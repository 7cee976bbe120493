#include "games/kit/savedgame.h"

#include <QFile>
#include <QStringList>

#include <algorithm>
#include <set>
#include <stdexcept>

namespace halvane::kit {

namespace {

[[noreturn]] void broken(const QString& what) {
    throw std::runtime_error(what.toStdString());
}

int toNumber(const QString& text, const char* what) {
    bool ok = false;
    const int n = text.toInt(&ok);
    if (!ok) {
        broken(QStringLiteral("%1 \"%2\" is not a number").arg(QLatin1String(what), text));
    }
    return n;
}

QStringList numbers(const std::vector<int>& values) {
    QStringList list;
    for (int v : values) {
        list << QString::number(v);
    }
    return list;
}

std::set<int> cardsOf(const Table& table) {
    std::set<int> numbers;
    for (const Pile& pile : table.piles()) {
        for (const Card& card : pile.cards) {
            numbers.insert(card.number);
        }
    }
    return numbers;
}

} // namespace

// "options/moves,score,redeals/fanned:12u 13d/..." with one field per pile.
QString tableText(const Table& table) {
    QStringList fields;
    fields << numbers(table.options).join(',');
    fields
        << numbers({table.counters.moves, table.counters.score, table.counters.redeals}).join(',');
    for (const Pile& pile : table.piles()) {
        QStringList cards;
        for (const Card& card : pile.cards) {
            cards << QString::number(card.number) + (card.faceUp ? 'u' : 'd');
        }
        fields << QString::number(pile.fanned) + ':' + cards.join(' ');
    }
    return fields.join('/');
}

Table tableFromText(const QString& text, const Table& shape) {
    const QStringList fields = text.split('/');
    if (fields.size() != 2 + int(shape.piles().size())) {
        broken(QStringLiteral("a table has %1 parts, not %2")
                   .arg(fields.size())
                   .arg(2 + shape.piles().size()));
    }
    Table table;
    for (const QString& option : fields[0].split(',', Qt::SkipEmptyParts)) {
        table.options.push_back(toNumber(option, "option"));
    }
    if (table.options.size() != shape.options.size()) {
        broken(QStringLiteral("the table's options \"%1\" do not fit the game").arg(fields[0]));
    }
    const QStringList counters = fields[1].split(',');
    if (counters.size() != 3) {
        broken(QStringLiteral("the counters \"%1\" are not three numbers").arg(fields[1]));
    }
    table.counters = {toNumber(counters[0], "moves"), toNumber(counters[1], "score"),
                      toNumber(counters[2], "redeals")};
    if (table.counters.moves < 0 || table.counters.redeals < 0) {
        broken(QStringLiteral("the counters \"%1\" are negative").arg(fields[1]));
    }
    const std::vector<PileId> ids = shape.pileIds();
    for (std::size_t i = 0; i < ids.size(); ++i) {
        const QString& field = fields[int(i) + 2];
        const int colon = field.indexOf(':');
        if (colon < 0) {
            broken(QStringLiteral("the %1 \"%2\" has no ':'").arg(ids[i].describe(), field));
        }
        table.addPile(ids[i]);
        for (const QString& item : field.mid(colon + 1).split(' ', Qt::SkipEmptyParts)) {
            const QChar face = item.back();
            if (face != 'u' && face != 'd') {
                broken(QStringLiteral("the card \"%1\" is neither up (u) nor down (d)").arg(item));
            }
            const int number = toNumber(item.chopped(1), "card");
            if (number < 1 || number > 104) {
                broken(QStringLiteral("there is no card %1").arg(number));
            }
            Card card = Card::standard(std::int16_t(number));
            card.faceUp = face == 'u';
            table.cards(ids[i]).push_back(card);
        }
        const int fanned = toNumber(field.left(colon), "fan");
        if (fanned < 0 || fanned > int(table.pile(ids[i]).size())) {
            broken(QStringLiteral("the %1 fans %2 cards").arg(ids[i].describe()).arg(fanned));
        }
        table.setFanned(ids[i], fanned);
    }
    if (table.cardCount() != shape.cardCount() || cardsOf(table) != cardsOf(shape)) {
        broken(QStringLiteral("the table does not hold each card of the game once"));
    }
    return table;
}

QVariantMap SavedGame::toValues() const {
    QStringList undoLines;
    for (const Table& t : undo) {
        undoLines << tableText(t);
    }
    QStringList redoLines;
    for (const Table& t : redo) {
        redoLines << tableText(t);
    }
    return {
        {"Version", Version},        {"Game", game},      {"Deal", deal},     {"Seconds", seconds},
        {"Table", tableText(table)}, {"Undo", undoLines}, {"Redo", redoLines}};
}

SavedGame SavedGame::fromValues(const QVariantMap& values, const QString& game,
                                const Table& shape) {
    for (const char* key : {"Version", "Game", "Deal", "Seconds", "Table"}) {
        if (!values.contains(key)) {
            broken(QStringLiteral("the entry %1 is missing").arg(QLatin1String(key)));
        }
    }
    const int version = toNumber(values.value("Version").toString(), "version");
    if (version != Version) {
        broken(QStringLiteral("it was written by version %1 of the game, not %2")
                   .arg(version)
                   .arg(Version));
    }
    SavedGame saved;
    saved.game = values.value("Game").toString();
    if (saved.game != game) {
        broken(QStringLiteral("it holds a game of %1, not %2").arg(saved.game, game));
    }
    const int deal = toNumber(values.value("Deal").toString(), "deal");
    saved.seconds = toNumber(values.value("Seconds").toString(), "seconds");
    if (deal < int(1) || saved.seconds < 0) {
        broken(QStringLiteral("the deal number or the time is out of range"));
    }
    saved.deal = std::uint32_t(deal);
    saved.table = tableFromText(values.value("Table").toString(), shape);
    for (const QString& line : values.value("Undo").toStringList()) {
        saved.undo.push_back(tableFromText(line, shape));
    }
    for (const QString& line : values.value("Redo").toStringList()) {
        saved.redo.push_back(tableFromText(line, shape));
    }
    return saved;
}

QString SavedGame::setAside(const QString& path) {
    const QString kept = path + QStringLiteral(".bad");
    QFile::remove(kept);
    if (!QFile::rename(path, kept)) {
        QFile::remove(path);
    }
    return kept;
}

} // namespace halvane::kit
