#include "gameplayfactory.h"

#include "gameplay.h"

namespace acesup {

QObject* GamePlayFactory::create() {
    return new GamePlay;
}

} // namespace acesup
