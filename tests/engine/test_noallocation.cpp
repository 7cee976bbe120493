// Drawing and dragging allocate nothing: every operator new while the engine draws or
// drags is counted, and the count must stay zero.

#include "engine/class1.h"
#include "engine/fixedseed.h"
#include "tests/engine/testbed.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <functional>
#include <new>

namespace {
std::atomic<bool> g_counting{false};
std::atomic<long> g_allocations{0};

void* allocate(std::size_t size) {
    if (g_counting.load(std::memory_order_relaxed)) {
        g_allocations.fetch_add(1, std::memory_order_relaxed);
    }
    if (void* p = std::malloc(size == 0 ? 1 : size)) {
        return p;
    }
    throw std::bad_alloc();
}
} // namespace

void* operator new(std::size_t size) {
    return allocate(size);
}
void* operator new[](std::size_t size) {
    return allocate(size);
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete[](void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}
void operator delete[](void* p, std::size_t) noexcept {
    std::free(p);
}

namespace dorvik::test {
namespace {

// Counts the allocations `work` makes.
long allocationsIn(const std::function<void()>& work) {
    g_allocations = 0;
    g_counting = true;
    work();
    g_counting = false;
    return g_allocations;
}

class NoAllocation : public Testbed {};

TEST_F(NoAllocation, WhileDrawingOrDragging) {
    initialize();
    SetFixedSeed(5);
    const Variant block = Variant::fromArray(
        {Variant::fromInteger(31), Variant::fromInteger(32), Variant::fromInteger(33)});
    const gdi::HDC dc = m_window;
    Class1& e = m_engine;
    const std::pair<const char*, std::function<void()>> steps[] = {
        {"deal",
         [&] {
             e.DealCard(dc, 1, 100, 100);
             for (int n = 31; n <= 33; ++n) {
                 e.DealCard(dc, std::int16_t(n), 300, std::int16_t(100 + 16 * (n - 31)));
             }
         }},
        {"draw",
         [&] {
             e.DrawCard(dc, 2, 10, 10);
             e.DrawCard(dc, 2, 10, 10, com::True);
             e.DrawBack(dc, 3, 20, 20);
             e.DealSymbol(dc, 120, 1, 30, 30);
         }},
        {"single drag",
         [&] {
             e.InitDrag(dc, 110, 110);
             e.DoDrag(dc, 1, 200, 300);
             e.DoDrag(dc, 1, 220, 320);
             e.EndDrag(dc, 220, 320);
             e.ReturnDrag(dc, 1, 100, 100);
             e.RemoveCard(dc, 1);
         }},
        {"block drag",
         [&] {
             e.InitDrag(dc, 310, 105);
             e.BlockDrag(dc, block, 3, 500, 300);
             e.BlockDrag(dc, block, 3, 520, 310);
             e.EndBlockDrag(dc, block, 3, 520, 310);
             e.ReturnBlockDrag(dc, block, 3, 300, 100);
         }},
        {"whole table",
         [&] {
             e.ReDraw(dc);
             e.TakeScreenShot(dc);
         }},
        {"win sequence", [&] { e.WinSequence(dc); }}};
    for (const auto& [name, step] : steps) {
        EXPECT_EQ(allocationsIn(step), 0) << name;
    }
}

TEST_F(NoAllocation, TheCounterSeesAllocations) {
    // The check above means something only if this one can see an allocation.
    // (An explicit call: a new-expression paired with its delete may be elided.)
    EXPECT_GT(allocationsIn([] { ::operator delete(::operator new(16)); }), 0);
}

} // namespace
} // namespace dorvik::test
