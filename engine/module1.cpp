#include "engine/module1.h"

#include "engine/fixedseed.h"
#include "engine/surfaces.h"

namespace dorvik {

namespace {
Module1 g_module1; // zero at load: every member has a zero default
} // namespace

Module1& module1() {
    return g_module1;
}

void ResetModule1() {
    Surfaces(g_module1).releaseAll();
    g_module1 = Module1{};
}

void SetFixedSeed(std::optional<std::uint32_t> seed) {
    g_module1.Random.setFixedSeed(seed);
}

} // namespace dorvik
