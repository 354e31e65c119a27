#include "universe/containers/ExtensibleArray.h"

#include "tests/universe/containers/ReportedAssertions.h"

#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

namespace {

TEST(ExtensibleArraySections, DoubleInSizeFromTheInitialSection) {
    // Element size 4 over 16 initial bytes.
    struct Case {
        uint32 element;
        uint32 section;
        uint32 offset;
    };
    const Case cases[] = {{0, 0, 0},   {3, 0, 12}, {4, 1, 0},    {11, 1, 28}, {12, 2, 0},
                          {27, 2, 60}, {28, 3, 0}, {59, 3, 124}, {60, 4, 0}};
    for (const auto& c : cases) {
        const uint32 byte = c.element * 4;
        EXPECT_EQ(ExtensibleArrayBase::SectionOf(byte, 16), c.section) << c.element;
        EXPECT_EQ(ExtensibleArrayBase::OffsetInSection(byte, c.section, 16), c.offset) << c.element;
    }
    EXPECT_EQ(ExtensibleArrayBase::SectionSize(0, 16), 16u);
    EXPECT_EQ(ExtensibleArrayBase::SectionSize(2, 16), 64u);
    EXPECT_EQ(ExtensibleArrayBase::SectionSize(23, 16), 16u << 23);
}

TEST(ExtensibleArraySections, KeepOneSectionBeyondTheNeedWhenRemoving) {
    alignas(4) uint8 initial[16];
    ExtensibleArrayBase array(4, Data(initial, 16));
    for (int i = 0; i < 5; ++i) {
        array.Append(4);
    }
    EXPECT_TRUE(array.HasSection(1));
    EXPECT_FALSE(array.HasSection(2));
    EXPECT_EQ(array[0], initial);

    array.Remove(3);
    EXPECT_EQ(array.Length(), 2u);
    EXPECT_TRUE(array.HasSection(1)) << "byte 16 of twice the length still lies in section 1";

    array.Remove(2);
    EXPECT_FALSE(array.HasSection(1));
    EXPECT_TRUE(array.HasSection(0));
}

TEST(ExtensibleArray, MatchesAVectorAndNeverMovesItsElements) {
    std::mt19937 random(24);
    ExtensibleArray<uint64, 3> array;
    std::vector<uint64> expected;
    std::vector<const uint64*> addresses;
    uint32 highestSection = 0; // the highest section the array should hold
    uint32 highestReached = 0;
    const auto sectionOf = [](uint64 byte) {
        return ExtensibleArrayBase::SectionOf(static_cast<uint32>(byte), 3 * sizeof(uint64));
    };

    for (int step = 0; step < 4000; ++step) {
        // Growth outweighs removal, so the array passes through many sections.
        const bool grow = expected.empty() || random() % 100 < 55;
        if (grow) {
            const uint32 count = random() % 40 + 1;
            for (uint32 k = 0; k < count; ++k) {
                const uint64 value = random();
                const uint64& placed = array.Append(value);
                highestSection =
                    std::max(highestSection, sectionOf(expected.size() * sizeof(uint64)));
                highestReached = std::max(highestReached, highestSection);
                expected.push_back(value);
                addresses.push_back(&placed);
            }
        } else {
            const std::size_t most = random() % 20 == 0 ? expected.size() : 50;
            const uint32 count =
                static_cast<uint32>(random() % (std::min(expected.size(), most) + 1));
            if (count == 1 && random() % 2 == 0) {
                array.RemoveLast();
            } else {
                array.Remove(count);
            }
            expected.resize(expected.size() - count);
            addresses.resize(expected.size());
            highestSection = std::min(highestSection, sectionOf(2 * expected.size() * 8));
            for (uint32 s = 0; s < ExtensibleArrayBase::maxSectionCount; ++s) {
                ASSERT_EQ(array.Base().HasSection(s), s <= highestSection)
                    << "section " << s << " at length " << expected.size();
            }
        }
        ASSERT_EQ(array.Length(), expected.size());
        for (uint32 i = 0; i < expected.size(); ++i) {
            ASSERT_EQ(&array[i], addresses[i]) << i;
            ASSERT_EQ(array[i], expected[i]) << i;
        }
    }
    EXPECT_GE(highestReached, 8u);
}

TEST(ExtensibleArray, DestroysItsElementsWhenRemovedClearedOrDestroyed) {
    // Strings long enough to live on the heap: a missed destruction leaks.
    const std::string text(100, 'x');
    ExtensibleArray<std::string, 2> array;
    for (int i = 0; i < 50; ++i) {
        array.Append(text + std::to_string(i));
    }
    EXPECT_EQ(array[49], text + "49");
    array.RemoveLast();
    array.Remove(10);
    EXPECT_EQ(array.Last(), text + "38");
    array.Clear();
    EXPECT_TRUE(array.IsEmpty());
    EXPECT_FALSE(array.Base().HasSection(1));
    for (int i = 0; i < 20; ++i) {
        array.Append(text);
    }
}

TEST(ExtensibleArray, ManyElementsStayWhereTheyWerePlaced) {
    ExtensibleArray<uint32, 1> array;
    std::vector<const uint32*> addresses;
    for (uint32 i = 0; i < 200000; ++i) {
        addresses.push_back(&array.Append(i));
    }
    for (uint32 i = 0; i < 200000; i += 997) {
        EXPECT_EQ(&array[i], addresses[i]);
        EXPECT_EQ(array[i], i);
    }
}

TEST(ExtensibleArrayMisuse, IsReportedWithTheFailedCondition) {
    alignas(4) uint8 initial[16];
    {
        ReportedAssertions reports;
        EXPECT_THROW(ExtensibleArrayBase(4, Data(initial, 10)), std::invalid_argument);
        EXPECT_TRUE(reports.Include("initialSection.Length() % theElementSize == 0"));
    }
    {
        ReportedAssertions reports;
        EXPECT_THROW(ExtensibleArrayBase(4, Data()), std::invalid_argument);
        EXPECT_TRUE(reports.Include("initialSection.Start() != 0"));
    }
    ExtensibleArrayBase array(4, Data(initial, 16));
    {
        ReportedAssertions reports;
        EXPECT_THROW(array[0], std::out_of_range);
        EXPECT_TRUE(reports.Include("i < length"));
    }
    array.Append(4);
    array.Append(4);
    {
        ReportedAssertions reports;
        array.Append(8);
        EXPECT_TRUE(reports.Include("size == elementSize"));
    }
    {
        ReportedAssertions reports;
        array.RemoveLast(array[0]);
        EXPECT_TRUE(reports.Include("p == operator[](Length() - 1)")) << reports.Text();
    }
    {
        ReportedAssertions reports;
        array.Remove(5);
        EXPECT_TRUE(reports.Include("count <= length"));
        EXPECT_EQ(array.Length(), 0u);
    }
    {
        ReportedAssertions reports;
        {
            ExtensibleArrayBase forgotten(4, Data(initial, 16));
            for (int i = 0; i < 5; ++i) {
                forgotten.Append(4);
            }
        }
        EXPECT_TRUE(reports.Include("0")) << "a heap section left to the destructor";
    }
}

} // namespace
