// One refresh happens up to a thousand times a second; it must not touch the heap.
// This test replaces the global allocator to count every allocation made while the
// reading is computed.
#include <gtest/gtest.h>

#include <cstdlib>
#include <new>

#include "reading/reading.h"
#include "support/instants.h"

namespace {
long allocations = 0;
}

void* operator new(std::size_t size) {
    ++allocations;
    if (void* p = std::malloc(size == 0 ? 1 : size)) {
        return p;
    }
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}

namespace quendal {
namespace {

TEST(ReadingAllocation, OneComputationAllocatesNothingInAnyMode) {
    const ModeSelection modes[] = {
        {true, false, false}, {false, true, false}, {false, false, true}, {}};
    const StopwatchStart start{82800, testing::dateOf(2026, 12, 8)};
    const LocalTime instants[] = {testing::at(2026, 12, 9, 1, 0, 0),
                                  testing::at(2026, 12, 8, 30.0F),
                                  testing::at(2026, 12, 8, 82799.5F)};
    for (const ModeSelection& mode : modes) {
        for (const LocalTime& now : instants) {
            const long before = allocations;
            const Reading r = computeReading(mode, start, now);
            const long after = allocations;
            EXPECT_EQ(after - before, 0) << r.caption.view();
        }
    }
    // The counter itself must see allocations, or the check above proves nothing.
    const long before = allocations;
    int* volatile probe = new int(1);
    delete probe;
    EXPECT_EQ(allocations - before, 1);
}

}  // namespace
}  // namespace quendal
