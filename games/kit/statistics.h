#pragma once
// A game's record over many games: played, won, the winning streaks, the best time and
// the fewest moves. A game counts as played once its first move is made; a game given up
// (a new deal over it) ends the current streak.

#include "games/kit/store.h"

#include <QString>

namespace halvane::kit {

class Statistics {
public:
    // Reads the record from `store`, which must outlive it.
    explicit Statistics(Store& store);

    int played() const { return m_played; }
    int won() const { return m_won; }
    int currentStreak() const { return m_streak; }
    int longestStreak() const { return m_longest; }
    int bestSeconds() const { return m_bestSeconds; } // 0: no win yet
    int fewestMoves() const { return m_fewestMoves; } // 0: no win yet
    // Won / played in whole percent, 0 before any game.
    int winRate() const;

    void recordPlayed();
    void recordWin(int seconds, int moves);
    void recordLoss();
    void reset();

    // The record as lines of text, for the statistics window.
    QString describe(const QString& game) const;

private:
    void save();

    Store& m_store;
    int m_played = 0;
    int m_won = 0;
    int m_streak = 0;
    int m_longest = 0;
    int m_bestSeconds = 0;
    int m_fewestMoves = 0;
};

// "m:ss" for a number of seconds.
QString clockText(int seconds);

} // namespace halvane::kit
