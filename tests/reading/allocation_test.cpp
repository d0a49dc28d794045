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

// Out of line, both: inlined where a new-expression's result is deleted, GCC 14 pairs the
// malloc inside with the delete-expression (or the free inside with the new-expression)
// and warns of a mismatch that these replacements do not make.
[[gnu::noinline]] void* counted(std::size_t size) noexcept {
    ++allocations;
    return std::malloc(size == 0 ? 1 : size);
}
[[gnu::noinline]] void release(void* p) noexcept {
    std::free(p);
}
}  // namespace

// The nothrow form too, which GoogleTest uses: its blocks come back to the delete below,
// and must come from the same allocator. The array forms stay the library's, which pair
// with each other.
void* operator new(std::size_t size) {
    if (void* p = counted(size)) {
        return p;
    }
    throw std::bad_alloc();
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    return counted(size);
}
void operator delete(void* p) noexcept {
    release(p);
}
void operator delete(void* p, std::size_t) noexcept {
    release(p);
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
