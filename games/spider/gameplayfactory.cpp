#include "games/spider/gameplayfactory.h"

#include "games/spider/gameplay.h"

namespace halvane::spider {

QObject* GamePlayFactory::create() {
    return new GamePlay;
}

} // namespace halvane::spider
