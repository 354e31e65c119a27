#include "platform/xml/LoadLimits.h"

#include <algorithm>
#include <unordered_map>

namespace Xml {

namespace {

constexpr std::uint64_t MiB = 1024 * 1024;

// How far a list of nodes reaches with its entity references expanded.
struct Extent {
    std::uint64_t size = 0; // bytes of text and names
    int depth = 0;          // element levels
    int nesting = 0;        // entity reference levels
};

const xmlEntity* EntityOf(const xmlNode* reference) {
    const xmlNode* child = reference->children;
    return child != nullptr && child->type == XML_ENTITY_DECL
               ? reinterpret_cast<const xmlEntity*>(child)
               : nullptr;
}

std::uint64_t LengthOf(const xmlChar* text) {
    return text != nullptr ? static_cast<std::uint64_t>(xmlStrlen(text)) : 0;
}

// Measures each entity once, however often it is referenced, so that a
// document of exponential expansion is measured in linear time. Walks
// within one list without recursion (elements may nest MaxDepth deep);
// recursion follows entity references only, at most MaxEntityNesting deep.
class Measure {
public:
    explicit Measure(std::uint64_t maxSize)
        : maxSize_(maxSize) {}

    // False as soon as the list passes a bound.
    bool OfList(const xmlNode* first, const xmlNode* holder, int nesting, Extent& extent) {
        int level = 0;
        const xmlNode* node = first;
        while (node != nullptr) {
            const xmlNode* down = nullptr;
            switch (node->type) {
            case XML_ELEMENT_NODE:
                extent.size += 1 + LengthOf(node->name);
                extent.depth = std::max(extent.depth, level + 1);
                for (const xmlAttr* attribute = node->properties; attribute != nullptr;
                     attribute = attribute->next) {
                    extent.size += 1 + LengthOf(attribute->name);
                    for (const xmlNode* part = attribute->children; part != nullptr;
                         part = part->next) {
                        if (!Add(part, level, nesting, extent)) {
                            return false;
                        }
                    }
                }
                down = node->children;
                break;
            case XML_ENTITY_REF_NODE:
            case XML_TEXT_NODE:
            case XML_CDATA_SECTION_NODE:
            case XML_COMMENT_NODE:
            case XML_PI_NODE:
                if (!Add(node, level, nesting, extent)) {
                    return false;
                }
                break;
            default:
                break;
            }
            if (!Within(extent)) {
                return false;
            }
            if (down != nullptr) {
                node = down;
                ++level;
                continue;
            }
            while (node != nullptr && node->next == nullptr) {
                node = node->parent;
                --level;
                if (node == holder || level < 0) {
                    node = nullptr;
                }
            }
            if (node != nullptr) {
                node = node->next;
            }
        }
        return true;
    }

private:
    bool Within(const Extent& extent) const {
        return extent.size <= maxSize_ && extent.depth <= LoadLimits::MaxDepth &&
               extent.nesting <= LoadLimits::MaxEntityNesting;
    }

    bool Add(const xmlNode* node, int level, int nesting, Extent& extent) {
        if (node->type != XML_ENTITY_REF_NODE) {
            extent.size += LengthOf(node->content);
            return true;
        }
        const xmlEntity* entity = EntityOf(node);
        if (entity == nullptr) {
            return true;
        }
        Extent inner;
        if (!OfEntity(entity, nesting + 1, inner)) {
            return false;
        }
        extent.size += inner.size;
        extent.depth = std::max(extent.depth, level + inner.depth);
        extent.nesting = std::max(extent.nesting, inner.nesting + 1);
        return Within(extent);
    }

    bool OfEntity(const xmlEntity* entity, int nesting, Extent& extent) {
        if (nesting > LoadLimits::MaxEntityNesting) {
            return false;
        }
        const auto [found, added] = measured_.try_emplace(entity);
        if (!added) {
            // An entity met again while its own content is being measured
            // refers to itself: libxml2 refuses that, so it cannot be here.
            extent = found->second.extent;
            return found->second.done;
        }
        Extent own;
        const bool ok = OfList(entity->children, reinterpret_cast<const xmlNode*>(entity),
                               nesting, own);
        Known& known = measured_[entity];
        known.extent = own;
        known.done = ok;
        extent = own;
        return ok;
    }

    struct Known {
        Extent extent;
        bool done = false;
    };

    std::uint64_t maxSize_;
    std::unordered_map<const xmlEntity*, Known> measured_;
};

} // namespace

LoadLimits::LoadLimits(std::size_t inputSize)
    : maxLookups_(4 * static_cast<std::uint64_t>(inputSize) + 65536)
    , maxExpansion_(10 * static_cast<std::uint64_t>(inputSize) + MiB) {}

bool LoadLimits::AdmitLookup(const xmlEntity* entity, int nesting) {
    ++lookups_;
    if (entity != nullptr) {
        copied_ += static_cast<std::uint64_t>(std::max(entity->length, 0));
    }
    // libxml2 counts two levels for each reference in content and one for
    // each in a value; the exact count is the tree's (AdmitTree).
    if (lookups_ > maxLookups_ || copied_ > maxExpansion_ || nesting > 2 * MaxEntityNesting + 2) {
        exceeded_ = true;
    }
    return !exceeded_;
}

bool LoadLimits::AdmitDefaults(std::uint64_t bytes) {
    copied_ += bytes;
    if (copied_ > maxExpansion_) {
        exceeded_ = true;
    }
    return !exceeded_;
}

bool LoadLimits::AdmitDepth(int depth) {
    if (depth > MaxDepth) {
        exceeded_ = true;
    }
    return !exceeded_;
}

bool LoadLimits::AdmitTree(const xmlDoc* document) {
    if (document->intSubset == nullptr) {
        // No document type, so no entity references: the content is part of
        // the input, and the parse has held the depth. A walk over a tree of
        // millions of nodes would find nothing.
        return !exceeded_;
    }
    Measure measure(maxExpansion_);
    Extent extent;
    const auto* top = reinterpret_cast<const xmlNode*>(document);
    if (exceeded_ || !measure.OfList(document->children, top, 0, extent)) {
        exceeded_ = true;
    }
    return !exceeded_;
}

} // namespace Xml
