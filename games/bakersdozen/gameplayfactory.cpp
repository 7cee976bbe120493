#include "games/bakersdozen/gameplayfactory.h"

#include "games/bakersdozen/gameplay.h"

namespace halvane::bakersdozen {

QObject* GamePlayFactory::create() {
    return new GamePlay;
}

} // namespace halvane::bakersdozen
