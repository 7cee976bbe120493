#include "games/klondike/gameplayfactory.h"

#include "games/klondike/gameplay.h"

namespace halvane::klondike {

QObject* GamePlayFactory::create() {
    return new GamePlay;
}

} // namespace halvane::klondike
