#include "games/yukon/gameplayfactory.h"

#include "games/yukon/gameplay.h"

namespace halvane::yukon {

QObject* GamePlayFactory::create() {
    return new GamePlay;
}

} // namespace halvane::yukon
