#include "games/freecell/gameplayfactory.h"

#include "games/freecell/gameplay.h"

namespace halvane::freecell {

QObject* GamePlayFactory::create() {
    return new GamePlay;
}

} // namespace halvane::freecell
