#include "games/kit/statistics.h"

#include <QVariantMap>

#include <algorithm>

namespace halvane::kit {

Statistics::Statistics(Store& store) : m_store(store) {
    // Unreadable or negative numbers count as none.
    const auto read = [&](const char* key) { return std::max(0, m_store.number(key, 0)); };
    m_played = read("Played");
    m_won = std::min(read("Won"), m_played);
    m_streak = read("CurrentStreak");
    m_longest = std::max(read("LongestStreak"), m_streak);
    m_bestSeconds = read("BestSeconds");
    m_fewestMoves = read("FewestMoves");
}

int Statistics::winRate() const {
    return m_played == 0 ? 0 : int(100LL * m_won / m_played);
}

void Statistics::recordPlayed() {
    ++m_played;
    save();
}

void Statistics::recordWin(int seconds, int moves) {
    ++m_won;
    ++m_streak;
    m_longest = std::max(m_longest, m_streak);
    m_bestSeconds = m_bestSeconds == 0 ? seconds : std::min(m_bestSeconds, seconds);
    m_fewestMoves = m_fewestMoves == 0 ? moves : std::min(m_fewestMoves, moves);
    save();
}

void Statistics::recordLoss() {
    m_streak = 0;
    save();
}

void Statistics::reset() {
    m_played = m_won = m_streak = m_longest = m_bestSeconds = m_fewestMoves = 0;
    save();
}

void Statistics::save() {
    m_store.setValues({{"Played", m_played},
                       {"Won", m_won},
                       {"CurrentStreak", m_streak},
                       {"LongestStreak", m_longest},
                       {"BestSeconds", m_bestSeconds},
                       {"FewestMoves", m_fewestMoves}});
}

QString Statistics::describe(const QString& game) const {
    const QString none = QStringLiteral("-");
    return QStringLiteral("%1\n\nPlayed: %2\nWon: %3\nWin rate: %4%\nCurrent streak: %5\n"
                          "Longest streak: %6\nBest time: %7\nFewest moves: %8")
        .arg(game)
        .arg(m_played)
        .arg(m_won)
        .arg(winRate())
        .arg(m_streak)
        .arg(m_longest)
        .arg(m_bestSeconds > 0 ? clockText(m_bestSeconds) : none)
        .arg(m_fewestMoves > 0 ? QString::number(m_fewestMoves) : none);
}

QString clockText(int seconds) {
    seconds = std::max(0, seconds);
    return QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

} // namespace halvane::kit
