#include "games/golf/gameplayfactory.h"

#include "games/golf/gameplay.h"

namespace halvane::golf {

QObject* GamePlayFactory::create() {
    return new GamePlay;
}

} // namespace halvane::golf
