#include "universe/containers/ExtensibleArrayBase.h"

#include "universe/containers/ExtensibleArrayExceptions.h"
#include "universe/exceptions/Assertion.h"
#include "universe/integers/Overflow.h"

#include <bit>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <new>

ExtensibleArrayBase::ExtensibleArrayBase(uint32 theElementSize, Data initialSection)
    : elementSize(theElementSize)
    , initialSize(initialSection.Length())
    , initial(initialSection.Start()) {
    ASSERT(theElementSize > 0);
    ASSERT(initialSection.Start() != 0);
    ASSERT(reinterpret_cast<std::uintptr_t>(initialSection.Start()) % 4 == 0);
    ASSERT(initialSection.Length() > 0);
    if (theElementSize > 0) {
        ASSERT(initialSection.Length() % theElementSize == 0);
    }
    // Past the reports, an unusable first section would make every later
    // offset calculation meaningless.
    if (theElementSize == 0 || initial == nullptr || initialSize == 0 ||
        initialSize % theElementSize != 0) {
        throw UnusableInitialSection();
    }
}

ExtensibleArrayBase::~ExtensibleArrayBase() {
    for (uint32 s = 1; s < maxSectionCount; ++s) {
        if (sections[s] != nullptr) {
            ASSERT(0);
        }
    }
}

uint32 ExtensibleArrayBase::SectionOf(uint32 byte, uint32 initialSize) {
    return static_cast<uint32>(std::bit_width(uint64{byte / initialSize} + 1)) - 1;
}

uint32 ExtensibleArrayBase::OffsetInSection(uint32 byte, uint32 section, uint32 initialSize) {
    ASSERT_REPORTING(CanAdd(byte, initialSize), "CanAdd( byte, initialSize )");
    ASSERT_REPORTING(uint64{byte} + initialSize >= (uint64{initialSize} << section),
                     "byte + initialSize >= (initialSize << section)");
    return static_cast<uint32>(uint64{byte} + initialSize - (uint64{initialSize} << section));
}

uint64 ExtensibleArrayBase::SectionSize(uint32 section, uint32 initialSize) {
    ASSERT_REPORTING(section < 32 && CanMultiply(initialSize, uint32{1} << section),
                     "CanMultiply( initialSize, 1ul << section )");
    return uint64{initialSize} << section;
}

uint8* ExtensibleArrayBase::SectionStart(uint32 s) const {
    return s == 0 ? initial : sections[s].get();
}

bool ExtensibleArrayBase::HasSection(uint32 s) const {
    return s < maxSectionCount && SectionStart(s) != nullptr;
}

uint8* ExtensibleArrayBase::Address(uint32 i) const {
    ASSERT(i < length);
    // Past the report an index beyond the end is refused: there is no
    // element to hand out.
    if (i >= length) {
        throw ExtensibleArrayIndexBeyondEnd();
    }
    ASSERT_REPORTING(CanMultiply(i, elementSize), "CanMultiply( i, elementSize )");
    const uint32 byte = i * elementSize;
    const uint32 sectionNumber = SectionOf(byte, initialSize);
    ASSERT_REPORTING(HasSection(sectionNumber), "sections[ sectionNumber ] != 0");
    return SectionStart(sectionNumber) + OffsetInSection(byte, sectionNumber, initialSize);
}

const void* ExtensibleArrayBase::operator[](uint32 i) const {
    return Address(i);
}

void* ExtensibleArrayBase::operator[](uint32 i) {
    return Address(i);
}

void* ExtensibleArrayBase::Append(uint32 size) {
    ASSERT(size == elementSize);
    ASSERT(length < maxuint32 - 1);
    ASSERT_REPORTING(CanMultiply(length, elementSize), "CanMultiply( length, elementSize )");
    const uint32 byte = length * elementSize;
    const uint32 sectionNumber = SectionOf(byte, initialSize);
    ASSERT(sectionNumber < maxSectionCount);
    // Past the reports there is no room that could be handed out.
    if (!CanMultiply(length, elementSize) || sectionNumber >= maxSectionCount) {
        throw ExtensibleArrayFull();
    }
    if (SectionStart(sectionNumber) == nullptr) {
        ASSERT(sectionNumber > 0);
        const uint64 size = SectionSize(sectionNumber, initialSize);
        // Cut to a 32-bit size_t, a section of 4 GiB would be an empty block.
        if (size > std::numeric_limits<std::size_t>::max()) {
            throw std::bad_alloc();
        }
        sections[sectionNumber] = std::make_unique_for_overwrite<uint8[]>(size);
    }
    ++length;
    return SectionStart(sectionNumber) + OffsetInSection(byte, sectionNumber, initialSize);
}

void ExtensibleArrayBase::RemoveLast(const void* p) {
    ASSERT(Length() > 0);
    ASSERT_REPORTING(p == operator[](Length() - 1), "p == operator[]( Length() - 1 )");
    Remove(1);
}

void ExtensibleArrayBase::Remove(uint32 count) {
    ASSERT(count <= length);
    // Past the report the array empties rather than wrapping to a length
    // whose elements were never placed.
    length -= count <= length ? count : length;
    // One section beyond the current need is kept, so that appending and
    // removing across a section boundary does not allocate every time.
    const uint64 bytes = uint64{length} * elementSize;
    if (bytes < (uint64{1} << 31)) {
        FreeSectionsFrom(SectionOf(static_cast<uint32>(2 * bytes), initialSize) + 1);
    }
}

void ExtensibleArrayBase::FreeSectionsFrom(uint32 first) {
    for (uint32 s = first; s < maxSectionCount && sections[s] != nullptr; ++s) {
        sections[s].reset();
    }
}

void ExtensibleArrayBase::Clear() {
    length = 0;
    FreeSectionsFrom(1);
}
