#include "games/fortythieves/gameplayfactory.h"

#include "games/fortythieves/gameplay.h"

namespace halvane::fortythieves {

QObject* GamePlayFactory::create() {
    return new GamePlay;
}

} // namespace halvane::fortythieves
