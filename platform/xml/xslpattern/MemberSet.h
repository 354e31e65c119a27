#pragma once

// The members of node sets by identity: a node, or a namespace declaration
// by its element and prefix, for XPath makes a new namespace node each time.
// libxml2's own union compares every node with every node already in the
// set; a set of the members seen keeps set operations linear. Nodes go into
// an open-addressed table of pointers, one probe sequence in one array:
// unions of a million nodes look each up once, and a node-based hash set
// spent more on allocating its entries than on the look-ups.

#include "platform/xml/xslpattern/Member.h"

#include <bit>
#include <cstdint>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace XslPattern {

class MemberSet {
public:
    // Room for `count` members without growing.
    explicit MemberSet(std::size_t count = 0) { Rebuild(std::bit_ceil(2 * count + 16)); }

    // Whether `member` was not in the set before.
    bool Insert(const Member& member) {
        if (member.IsDeclaration()) {
            return declarations_.emplace(member.node, Key(member.ns)).second;
        }
        std::size_t at = Slot(member.node);
        if (slots_[at] == member.node) {
            return false;
        }
        if (2 * (used_ + 1) > slots_.size()) {
            Rebuild(2 * slots_.size());
            at = Slot(member.node);
        }
        slots_[at] = member.node;
        ++used_;
        return true;
    }

    bool Contains(const Member& member) const {
        return member.IsDeclaration() ? declarations_.contains({member.node, Key(member.ns)})
                                      : slots_[Slot(member.node)] == member.node;
    }

private:
    // Null (the default namespace) apart from every prefix.
    static std::string Key(const xmlNs* declaration) {
        std::string key;
        if (declaration->prefix) {
            key.append(1, ':').append(reinterpret_cast<const char*>(declaration->prefix));
        }
        return key;
    }

    // The slot holding `node`, or the empty one where it would go.
    std::size_t Slot(const xmlNode* node) const {
        const std::size_t mask = slots_.size() - 1;
        // Fibonacci hashing: nodes are allocated at regular strides, which the
        // multiplication spreads over the high bits.
        std::size_t at = static_cast<std::size_t>(
            (reinterpret_cast<std::uintptr_t>(node) * 0x9E3779B97F4A7C15ull) >> 20);
        for (at &= mask; slots_[at] != nullptr && slots_[at] != node; at = (at + 1) & mask) {
        }
        return at;
    }

    void Rebuild(std::size_t size) {
        std::vector<const xmlNode*> old = std::exchange(slots_, std::vector<const xmlNode*>(size));
        for (const xmlNode* node : old) {
            if (node != nullptr) {
                slots_[Slot(node)] = node;
            }
        }
    }

    std::vector<const xmlNode*> slots_;
    std::size_t used_ = 0;
    std::set<std::pair<const xmlNode*, std::string>> declarations_;
};

} // namespace XslPattern
