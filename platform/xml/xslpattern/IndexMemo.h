#pragma once

// index() counts the matching siblings before a node. A filter evaluates it
// for the siblings in document order, so the count for one node continues
// the count for the node before: the memo keeps the last node counted under
// a few parents, each with its signature, and the next count walks back only
// as far as that node, which makes a filter over n siblings linear instead
// of quadratic. One memo serves one evaluation (the tree does not change
// meanwhile) on one thread.

#include <array>
#include <cstddef>
#include <libxml/tree.h>
#include <string>
#include <string_view>

namespace XslPattern {

class IndexMemo {
public:
    struct Entry {
        xmlNodePtr parent = nullptr;
        std::string signature;
        xmlNodePtr node = nullptr; // the last node counted; null while unused
        std::size_t index = 0;     // how many matching siblings precede it
    };

    // The count last made among the children (or attributes) of `parent`
    // by `signature`, or null.
    const Entry* Find(xmlNodePtr parent, std::string_view signature) const {
        std::size_t at = Position(parent, signature);
        return at < entries_.size() ? &entries_[at] : nullptr;
    }

    void Remember(xmlNodePtr parent, std::string_view signature, xmlNodePtr node,
                  std::size_t index) {
        std::size_t at = Position(parent, signature);
        if (at == entries_.size()) {
            // Filters nest a few levels at most, and a group alternates a
            // few names, so replacing in turn keeps the entries still counting.
            at = next_;
            next_ = (next_ + 1) % entries_.size();
            entries_[at].parent = parent;
            entries_[at].signature.assign(signature);
        }
        entries_[at].node = node;
        entries_[at].index = index;
    }

private:
    // The place of the entry in use for the key, or the number of places.
    std::size_t Position(xmlNodePtr parent, std::string_view signature) const {
        std::size_t at = 0;
        while (at < entries_.size() &&
               (entries_[at].node == nullptr || entries_[at].parent != parent ||
                entries_[at].signature != signature)) {
            ++at;
        }
        return at;
    }

    std::array<Entry, 8> entries_;
    std::size_t next_ = 0;
};

} // namespace XslPattern
