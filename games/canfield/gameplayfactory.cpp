#include "games/canfield/gameplayfactory.h"

#include "games/canfield/gameplay.h"

namespace halvane::canfield {

QObject* GamePlayFactory::create() {
    return new GamePlay;
}

} // namespace halvane::canfield
