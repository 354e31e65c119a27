// The untyped core of a growable array whose elements never move. Storage
// grows by sections of doubling size rather than by reallocation, so the
// address of an element stays valid for as long as the element exists. The
// first section is supplied by the owner (usually storage inside the owning
// object, so that small arrays need no heap at all); later sections come from
// the heap. The base works in bytes; a typed array constructs and destroys
// the elements.
#pragma once

#include "universe/buffers/Data.h"
#include "universe/containers/ExtensibleArrayExceptions.h"
#include "universe/integers/IntegerTypes.h"

#include <array>
#include <memory>

class ExtensibleArrayBase {
public:
    static constexpr uint32 maxSectionCount = 24;

    // The initial section must be 4-byte aligned, non-empty and a whole
    // number of elements long (UnusableInitialSection otherwise).
    ExtensibleArrayBase(uint32 theElementSize, Data initialSection);
    ExtensibleArrayBase(const ExtensibleArrayBase&) = delete;
    ExtensibleArrayBase& operator=(const ExtensibleArrayBase&) = delete;
    // Owners clear (destroying their elements) before: a heap section still
    // present here is reported, then freed.
    ~ExtensibleArrayBase();

    uint32 Length() const { return length; }
    uint32 ElementSize() const { return elementSize; }

    // ExtensibleArrayIndexBeyondEnd for an index at or past the length.
    const void* operator[](uint32 i) const;
    void* operator[](uint32 i);

    // Room for one more element at the end; the caller constructs it there.
    // ExtensibleArrayFull once the last section is full.
    void* Append(uint32 size);
    // Forgets the last element, whose address the caller passes as a check.
    void RemoveLast(const void* p);
    // Forgets the last `count` elements and frees the heap sections that lie
    // more than one section beyond what the remaining elements need.
    void Remove(uint32 count);
    void Clear();

    // Whether section s (0 being the owner's) currently has storage.
    bool HasSection(uint32 s) const;

    // The section that holds byte offset `byte` of the array's byte space,
    // where section s starts at initialSize * (2^s - 1).
    static uint32 SectionOf(uint32 byte, uint32 initialSize);
    static uint32 OffsetInSection(uint32 byte, uint32 section, uint32 initialSize);
    static uint64 SectionSize(uint32 section, uint32 initialSize);

private:
    uint8* SectionStart(uint32 s) const;
    uint8* Address(uint32 i) const;
    void FreeSectionsFrom(uint32 first);

    uint32 elementSize;
    uint32 initialSize;
    uint32 length = 0;
    uint8* initial;
    // Index 0 stays empty: section 0 is the owner's storage.
    std::array<std::unique_ptr<uint8[]>, maxSectionCount> sections;
};
