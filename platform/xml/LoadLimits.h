// The bounds a document must keep to load. libxml2's own guards are lifted
// (the HUGE option): its depth limit of 256 refuses ordinary deep documents,
// and its entity-loop heuristic refuses well-formed nested entities. These
// take their place, so that a hostile text still fails fast:
// - elements nest at most MaxDepth deep, counted with every entity
//   reference expanded;
// - entity references nest at most MaxEntityNesting deep;
// - the parser looks entities up at most 4 times per input byte plus 65,536
//   times (each look-up inside an attribute value or an entity value copies
//   the entity's text, so this bounds that copying too);
// - the content, with every entity reference expanded, is at most 10 times
//   the input plus 1 MiB; so are, together with the entities' text copied,
//   the attribute values that the document type's defaults add.
// HUGE also lifts libxml2's caps on the length of a single text or name; the
// size of the input bounds those already.
#pragma once

#include <cstddef>
#include <cstdint>
#include <libxml/tree.h>

namespace Xml {

class LoadLimits {
public:
    static constexpr int MaxDepth = 2048;
    static constexpr int MaxEntityNesting = 40;

    explicit LoadLimits(std::size_t inputSize);

    // Counts a look-up of `entity` at libxml2's entity depth `nesting` while
    // parsing; false, from then on, once a bound is passed.
    bool AdmitLookup(const xmlEntity* entity, int nesting);
    // Counts `bytes` of default attribute values given to one element; false,
    // from then on, once a bound is passed.
    bool AdmitDefaults(std::uint64_t bytes);
    // False, from then on, once elements nest deeper than MaxDepth.
    bool AdmitDepth(int depth);
    // Whether the parsed tree, entity references expanded, is within bounds.
    bool AdmitTree(const xmlDoc* document);

    bool Exceeded() const { return exceeded_; }

private:
    std::uint64_t lookups_ = 0;
    std::uint64_t copied_ = 0;
    std::uint64_t maxLookups_;
    std::uint64_t maxExpansion_;
    bool exceeded_ = false;
};

} // namespace Xml
