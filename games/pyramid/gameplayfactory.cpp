#include "games/pyramid/gameplayfactory.h"

#include "games/pyramid/gameplay.h"

namespace halvane::pyramid {

QObject* GamePlayFactory::create() {
    return new GamePlay;
}

} // namespace halvane::pyramid
