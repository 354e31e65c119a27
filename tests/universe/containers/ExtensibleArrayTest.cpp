#include "universe/containers/ExtensibleArray.h"

#include "tests/support/ReportedAssertions.h"

#include <gtest/gtest.h>
#include <memory>
#include <new>
#include <random>
#include <string>
#include <vector>

namespace {

// Also the freeing rule: after a removal, the sections up to the one that
// holds twice the remaining bytes stay, and none beyond.
TEST(ExtensibleArray, MatchesAVectorNeverMovesElementsAndFreesSectionsByTheRule) {
    std::mt19937 random(24);
    // Heap-held strings, so that an element left undestroyed leaks.
    ExtensibleArray<std::string, 3> array;
    std::vector<std::string> expected;
    std::vector<const std::string*> addresses;
    const auto sectionOf = [](std::size_t elements) {
        return ExtensibleArrayBase::SectionOf(uint32(elements * sizeof(std::string)),
                                              3 * sizeof(std::string));
    };
    uint32 highestSection = 0;
    for (int step = 0; step < 3000; ++step) {
        if (expected.empty() || random() % 100 < 55) {
            for (uint32 k = random() % 40 + 1; k > 0; --k) {
                highestSection = std::max(highestSection, sectionOf(expected.size()));
                expected.push_back(std::string(40, 'x') + std::to_string(random()));
                addresses.push_back(&array.Append(expected.back()));
            }
        } else {
            const std::size_t most = random() % 20 == 0 ? expected.size() : 50;
            const auto count = uint32(random() % (std::min(expected.size(), most) + 1));
            count == 1 ? array.RemoveLast() : array.Remove(count);
            expected.resize(expected.size() - count);
            addresses.resize(expected.size());
            highestSection = std::min(highestSection, sectionOf(2 * expected.size()));
            for (uint32 s = 0; s < ExtensibleArrayBase::maxSectionCount; ++s) {
                ASSERT_EQ(array.Base().HasSection(s), s <= highestSection) << s;
            }
        }
        ASSERT_EQ(array.Length(), expected.size());
        for (uint32 i = 0; i < expected.size(); ++i) {
            ASSERT_EQ(&array[i], addresses[i]) << i;
            ASSERT_EQ(array[i], expected[i]) << i;
        }
    }
}

// Elements of 16 MiB, whose sections are reserved and never touched: the
// byte space of 2^32 bytes ends at element 256, which the array refuses.
// Element 255 opens a section of 4 GiB, beyond the sections' 32-bit
// arithmetic (reported, and reserved all the same), which only a 64-bit
// process can hold. A 32-bit one runs out of address space before, at the
// section of 1 or 2 GiB: the allocator refuses it; the elements placed stay.
TEST(ExtensibleArray, GrowthEndsWithTheByteSpaceOrTheAddressSpace) {
    constexpr uint32 size = 1u << 24;
    const auto initial = std::make_unique_for_overwrite<uint8[]>(size);
    ExtensibleArrayBase array(size, Data(initial.get(), size));
    std::vector<std::string> conditions;
    void* last = nullptr;
    bool full = false;
    {
        ReportedAssertions reports;
        try {
            for (;;) {
                last = array.Append(size);
            }
        } catch (const ExtensibleArrayFull&) {
            full = true;
        } catch (const std::bad_alloc&) {
        }
        conditions = reports.Conditions();
    }
    if constexpr (sizeof(void*) > 4) {
        EXPECT_TRUE(full);
        EXPECT_EQ(array.Length(), 256u);
        EXPECT_EQ(conditions,
                  (std::vector<std::string>{"CanMultiply( initialSize, 1ul << section )",
                                            "CanAdd( byte, initialSize )",
                                            "CanMultiply( length, elementSize )"}));
    } else {
        EXPECT_FALSE(full);
        EXPECT_TRUE(array.Length() == 63 || array.Length() == 127) << array.Length();
        EXPECT_EQ(conditions, std::vector<std::string>());
        EXPECT_EQ(array[array.Length() - 1], last);
    }
    array.Clear();
}

TEST(ExtensibleArrayMisuse, IsReported) {
    alignas(4) uint8 initial[16];
    ReportedAssertions reports;
    EXPECT_THROW(ExtensibleArrayBase(4, Data(initial, 10)), UnusableInitialSection);
    ExtensibleArrayBase array(4, Data(initial, 16));
    EXPECT_THROW(array[0], ExtensibleArrayIndexBeyondEnd);
    array.Append(4);
    array.Append(4);
    array.RemoveLast(array[0]); // not the last element
    {
        ExtensibleArrayBase forgotten(4, Data(initial, 16));
        for (int i = 0; i < 5; ++i) {
            forgotten.Append(4); // into a heap section left to the destructor
        }
    }
    const auto conditions = reports.Conditions();
    ASSERT_EQ(conditions.size(), 4u) << reports.Output();
    EXPECT_EQ(conditions[1], "i < length");
}

} // namespace
