// "rope": a string under construction. Each node carries one slice of text
// between the text of its left and right subtrees; concatenation makes one
// node that points at its operands, so no text is copied until the rope is
// turned into a string. Nodes never change, so one rope may be shared by many
// later ones. A rope owns nothing: its nodes and slices are host values of
// the same evaluation, which the host keeps alive until the evaluation ends.
#pragma once

#include "frame/VeritorInterface.h"
#include "universe/buffers/ConstData.h"
#include "universe/buffers/Data.h"
#include "universe/integers/IntegerTypes.h"

struct Rope {
    const Rope* left = nullptr;
    ConstData piece;
    const Rope* right = nullptr;
};
// Four words: the 16 bytes of "rope" and "html" values on 32-bit Windows.
static_assert(sizeof(Rope) == 4 * sizeof(void*));

inline const char* RopeTypeName() {
    return "rope";
}

// The walks below keep their pending nodes in a small stack of their own,
// not on the call stack: a rope made by a million concatenations onto one
// end is a million nodes deep. Only ropes far taller than usual make them
// take memory from the heap. Length and the string need no pending nodes for
// a rope grown at one end; containment must walk in text order and so keeps
// the nodes of a chain grown by appending pending.

// Number of bytes in the rope's text.
uint64 RopeLength(const Rope& rope);

// Whether `target` occurs in the rope's text; an occurrence may straddle any
// number of pieces. The empty target occurs in every rope.
bool RopeContains(const Rope& rope, ConstData target);

// Writes the rope's text into `into`, which is exactly RopeLength(rope) bytes
// long: the walk that every flattening of a rope (or of html) goes through.
void RopeWrite(const Rope& rope, Data into);

// The rope's text as one host string, written once into a block of inspector
// memory of exactly its length. A text too long for a host string has no
// string value (NoSuchObject).
string_value RopeToString(const Rope& rope);
