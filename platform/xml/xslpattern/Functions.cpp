// The extension functions that translations call. Each checks its arguments,
// since a hand-written XPath expression in the same context could call it
// with anything.

#include "platform/xml/xslpattern/Comparison.h"
#include "platform/xml/xslpattern/IndexMemo.h"
#include "platform/xml/xslpattern/Member.h"
#include "platform/xml/xslpattern/MemberSet.h"
#include "platform/xml/xslpattern/Numbers.h"
#include "platform/xml/xslpattern/Signature.h"
#include "platform/xml/xslpattern/XslPattern.h"

#include <algorithm>
#include <cstddef>
#include <limits>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace XslPattern {

namespace {

struct ObjectDeleter {
    void operator()(xmlXPathObjectPtr object) const { xmlXPathFreeObject(object); }
};
using Object = std::unique_ptr<xmlXPathObject, ObjectDeleter>;

struct NodeSetDeleter {
    void operator()(xmlNodeSetPtr set) const { xmlXPathFreeNodeSet(set); }
};
using NodeSet = std::unique_ptr<xmlNodeSet, NodeSetDeleter>;

struct StringDeleter {
    void operator()(xmlChar* text) const { xmlFree(text); }
};
using String = std::unique_ptr<xmlChar, StringDeleter>;

std::string_view View(const xmlChar* text) {
    return text ? std::string_view(reinterpret_cast<const char*>(text)) : std::string_view();
}

// The single string argument of index() and end(); an error is left on the
// parser context when there is none.
std::optional<std::string> SignatureArgument(xmlXPathParserContextPtr ctxt, int nargs) {
    if (nargs != 1) {
        xmlXPathErr(ctxt, XPATH_INVALID_ARITY);
        return std::nullopt;
    }
    String text(xmlXPathPopString(ctxt));
    if (xmlXPathCheckError(ctxt) || !text) {
        return std::nullopt;
    }
    return std::string(View(text.get()));
}

// The context node, unless the evaluation has none.
std::optional<Member> ContextMember(xmlXPathParserContextPtr ctxt) {
    if (!ctxt->context->node) {
        xmlXPathErr(ctxt, XPATH_INVALID_CTXT);
        return std::nullopt;
    }
    return MemberOf(ctxt->context->node);
}

// The memo of the evaluation, if its context was given one.
IndexMemo* MemoOf(xmlXPathParserContextPtr ctxt) {
    return static_cast<IndexMemo*>(ctxt->context->extra);
}

void Index(xmlXPathParserContextPtr ctxt, int nargs) {
    auto signature = SignatureArgument(ctxt, nargs);
    auto member = signature ? ContextMember(ctxt) : std::nullopt;
    if (member) {
        auto index = Signature::IndexAmongSiblings(*member, *signature, MemoOf(ctxt));
        valuePush(ctxt, xmlXPathNewFloat(static_cast<double>(index)));
    }
}

void End(xmlXPathParserContextPtr ctxt, int nargs) {
    auto signature = SignatureArgument(ctxt, nargs);
    auto member = signature ? ContextMember(ctxt) : std::nullopt;
    if (member) {
        valuePush(ctxt, xmlXPathNewBoolean(Signature::LastAmongSiblings(*member, *signature)));
    }
}

void NodeType(xmlXPathParserContextPtr ctxt, int nargs) {
    CHECK_ARITY(0);
    if (auto member = ContextMember(ctxt)) {
        valuePush(ctxt, xmlXPathNewFloat(DomNodeType(*member)));
    }
}

// Whether the context node is a namespace node that its element declares
// itself, rather than one in scope from an ancestor or the implicit "xml".
void OwnDeclaration(xmlXPathParserContextPtr ctxt, int nargs) {
    CHECK_ARITY(0);
    auto member = ContextMember(ctxt);
    if (!member) {
        return;
    }
    bool own = false;
    if (member->IsDeclaration() && member->node && member->node->type == XML_ELEMENT_NODE) {
        for (xmlNsPtr ns = member->node->nsDef; ns && !own; ns = ns->next) {
            own = View(ns->prefix) == View(member->ns->prefix) &&
                  (ns->prefix == nullptr) == (member->ns->prefix == nullptr) &&
                  View(ns->href) == View(member->ns->href);
        }
    }
    valuePush(ctxt, xmlXPathNewBoolean(own));
}

std::vector<SideValue> ValuesOf(xmlXPathObjectPtr object, Accessor accessor,
                                const std::string& signature, IndexMemo* memo) {
    std::vector<SideValue> values;
    switch (object->type) {
    case XPATH_NODESET:
    case XPATH_XSLT_TREE:
        if (!object->nodesetval) {
            break;
        }
        for (int i = 0; i < object->nodesetval->nodeNr; ++i) {
            Member member = MemberOf(object->nodesetval->nodeTab[i]);
            switch (accessor) {
            case Accessor::Value:
            case Accessor::Date:
                values.emplace_back(TextValue(member));
                break;
            case Accessor::Name:
                values.emplace_back(DomNodeName(member));
                break;
            case Accessor::Type:
                values.emplace_back(static_cast<double>(DomNodeType(member)));
                break;
            case Accessor::Index:
                values.emplace_back(
                    static_cast<double>(Signature::IndexAmongSiblings(member, signature, memo)));
                break;
            case Accessor::End:
                values.emplace_back(Signature::LastAmongSiblings(member, signature) ? 1.0 : 0.0);
                break;
            case Accessor::Number: {
                values.emplace_back(ParseNumber(TextValue(member)));
                break;
            }
            }
        }
        break;
    case XPATH_STRING:
        values.emplace_back(std::string(View(object->stringval)));
        break;
    case XPATH_NUMBER:
        values.emplace_back(object->floatval);
        break;
    case XPATH_BOOLEAN:
        values.emplace_back(object->boolval ? 1.0 : 0.0);
        break;
    default:
        break;
    }
    return values;
}

// xslp-compare(left, right, rule)
void CompareValues(xmlXPathParserContextPtr ctxt, int nargs) {
    CHECK_ARITY(3);
    String ruleText(xmlXPathPopString(ctxt));
    Object right(valuePop(ctxt));
    Object left(valuePop(ctxt));
    if (xmlXPathCheckError(ctxt)) {
        return;
    }
    auto rule = ruleText ? ComparisonRule::Decode(View(ruleText.get())) : std::nullopt;
    if (!rule || !left || !right) {
        XP_ERROR(XPATH_INVALID_TYPE);
    }
    IndexMemo* memo = MemoOf(ctxt);
    bool result =
        Compare(ValuesOf(left.get(), rule->leftAccessor, rule->leftSignature, memo),
                ValuesOf(right.get(), rule->rightAccessor, rule->rightSignature, memo), *rule);
    valuePush(ctxt, xmlXPathNewBoolean(result));
}

// Adds `member` to `set`, a namespace declaration as a node of its own.
bool Add(xmlNodeSetPtr set, const Member& member) {
    return (member.IsDeclaration() ? xmlXPathNodeSetAddNs(set, member.node, member.ns)
                                   : xmlXPathNodeSetAddUnique(set, member.node)) >= 0;
}

// Empties `set` unless it holds namespace nodes, which it owns: freeing a
// set looks at every node for them, a walk over the tree's memory that a
// set of a million nodes pays in cache misses.
void ForgetPlainNodes(xmlNodeSetPtr set, bool declarations) {
    if (set != nullptr && !declarations) {
        set->nodeNr = 0;
    }
}

// Room in `set` for `count` nodes at once, where adding them one by one
// grows its table by doubling; false if memory ran out.
bool Reserve(xmlNodeSetPtr set, std::size_t count) {
    if (count <= static_cast<std::size_t>(set->nodeMax) ||
        count > static_cast<std::size_t>(std::numeric_limits<int>::max())) {
        return true;
    }
    void* grown = xmlRealloc(set->nodeTab, count * sizeof(xmlNodePtr));
    if (grown == nullptr) {
        return false;
    }
    set->nodeTab = static_cast<xmlNodePtr*>(grown);
    set->nodeMax = static_cast<int>(count);
    return true;
}

// Pushes `result` (null: memory ran out) after `fill` (false: memory ran
// out) has made it, in document order or, unless `sorted`, in the order made.
template <class Fill>
void Push(xmlXPathParserContextPtr ctxt, NodeSet result, bool sorted, Fill fill) {
    if (!result || !fill(result.get())) {
        XP_ERROR(XPATH_MEMORY_ERROR);
    }
    if (sorted) {
        xmlXPathNodeSetSort(result.get());
    }
    valuePush(ctxt, xmlXPathWrapNodeSet(result.release()));
}

// The document-order number of a numbered element (xmlXPathOrderDocElems
// keeps it negated in `content`), or 0 for any other node.
std::ptrdiff_t ElementNumber(const xmlNode* node) {
    if (node->type != XML_ELEMENT_NODE) {
        return 0;
    }
    const auto number = -reinterpret_cast<std::ptrdiff_t>(node->content);
    return number > 0 ? number : 0;
}

// The union of the sets merged in one pass into document order, when they
// hold numbered elements only, each in document order (location paths give
// them so); false when they do not, or memory ran out (`united` then has
// nodes). The smallest head of the sets is taken each time and a node met
// again is skipped, so that each node is read once, for its number.
// Elements have one document order only, which is what libxml2's sort gives
// any arrangement of them: the result is the same as merging in the order
// first met and sorting.
bool MergeInOrder(const std::vector<NodeSet>& sets, xmlNodeSetPtr united) {
    struct Head {
        const xmlNodeSet* set;
        int at;
        std::ptrdiff_t number; // of the node at `at`
    };
    std::vector<Head> heads;
    // Moves `head` on to its next node; false if that is out of order.
    const auto advance = [](Head& head) {
        const std::ptrdiff_t previous = head.number;
        if (++head.at < head.set->nodeNr) {
            head.number = ElementNumber(head.set->nodeTab[head.at]);
            return head.number > previous;
        }
        return true;
    };
    for (const NodeSet& set : sets) {
        if (set && set->nodeNr > 0) {
            heads.push_back({set.get(), -1, 0});
            if (!advance(heads.back())) {
                return false;
            }
        }
    }
    std::ptrdiff_t last = 0;
    while (!heads.empty()) {
        auto smallest = std::ranges::min_element(heads, {}, &Head::number);
        if (smallest->number != last) {
            last = smallest->number;
            if (xmlXPathNodeSetAddUnique(united, smallest->set->nodeTab[smallest->at]) < 0 ||
                !advance(*smallest)) {
                return false;
            }
        } else if (!advance(*smallest)) {
            return false;
        }
        if (smallest->at == smallest->set->nodeNr) {
            heads.erase(smallest);
        }
    }
    return true;
}

// The nodes of any of the node-set arguments, each once, in the order first
// met, as libxml2's union operator merges them: the first set, a set
// already, is extended in place by the new nodes of the others. Sets of
// numbered elements in document order, the usual operands, are merged in
// order instead, with no table of the nodes seen.
void Unite(xmlXPathParserContextPtr ctxt, int nargs, bool sorted) {
    if (nargs < 1) {
        XP_ERROR(XPATH_INVALID_ARITY);
    }
    std::vector<NodeSet> sets(static_cast<std::size_t>(nargs));
    std::size_t total = 0;
    for (int i = nargs - 1; i >= 0; --i) {
        NodeSet& set = sets[static_cast<std::size_t>(i)];
        set.reset(xmlXPathPopNodeSet(ctxt));
        if (xmlXPathCheckError(ctxt)) {
            return;
        }
        total += set ? static_cast<std::size_t>(set->nodeNr) : 0;
    }
    if (NodeSet merged(xmlXPathNodeSetCreate(nullptr));
        merged && Reserve(merged.get(), total) && MergeInOrder(sets, merged.get())) {
        for (const NodeSet& set : sets) {
            ForgetPlainNodes(set.get(), false);
        }
        valuePush(ctxt, xmlXPathWrapNodeSet(merged.release()));
        return;
    }
    NodeSet result = sets.front() ? std::move(sets.front()) : NodeSet(xmlXPathNodeSetCreate(nullptr));
    Push(ctxt, std::move(result), sorted, [&](xmlNodeSetPtr united) {
        if (!Reserve(united, total)) {
            return false;
        }
        MemberSet seen(total);
        for (int i = 0; i < united->nodeNr; ++i) {
            seen.Insert(MemberOf(united->nodeTab[i]));
        }
        for (std::size_t s = 1; s < sets.size(); ++s) {
            const NodeSet& set = sets[s];
            bool declarations = false;
            for (int i = 0; set && i < set->nodeNr; ++i) {
                Member member = MemberOf(set->nodeTab[i]);
                declarations = declarations || member.IsDeclaration();
                if (seen.Insert(member) && !Add(united, member)) {
                    return false;
                }
            }
            ForgetPlainNodes(set.get(), declarations);
        }
        return true;
    });
}

// xslp-union(a, ...): the union in document order.
void Union(xmlXPathParserContextPtr ctxt, int nargs) {
    Unite(ctxt, nargs, true);
}

// The union operator of plain XPath: libxml2 sorts its result where the
// order matters (a parenthesised expression, an argument, the whole
// expression), and sorts what this merges at the same places.
void UnionOperator(xmlXPathParserContextPtr ctxt, int nargs) {
    Unite(ctxt, nargs, false);
}

// xslp-intersect(a, b): the nodes of a that are also in b, in document order.
void Intersect(xmlXPathParserContextPtr ctxt, int nargs) {
    CHECK_ARITY(2);
    NodeSet second(xmlXPathPopNodeSet(ctxt));
    NodeSet first(xmlXPathPopNodeSet(ctxt));
    if (xmlXPathCheckError(ctxt)) {
        return;
    }
    Push(ctxt, NodeSet(xmlXPathNodeSetCreate(nullptr)), true, [&](xmlNodeSetPtr result) {
        MemberSet inSecond(second ? static_cast<std::size_t>(second->nodeNr) : 0);
        for (int j = 0; second && j < second->nodeNr; ++j) {
            inSecond.Insert(MemberOf(second->nodeTab[j]));
        }
        for (int i = 0; first && i < first->nodeNr; ++i) {
            Member member = MemberOf(first->nodeTab[i]);
            if (inSecond.Contains(member) && !Add(result, member)) {
                return false;
            }
        }
        return true;
    });
}

} // namespace

void RegisterFunctions(xmlXPathContextPtr context, IndexMemo* memo) {
    context->extra = memo;
    struct Entry {
        const char* name;
        xmlXPathFunction function;
    };
    static const Entry entries[] = {
        {"xslp-index", Index},           {"xslp-end", End},
        {"xslp-node-type", NodeType},    {"xslp-own-ns", OwnDeclaration},
        {"xslp-compare", CompareValues}, {"xslp-intersect", Intersect},
        {"xslp-union", Union},
    };
    for (const Entry& entry : entries) {
        xmlXPathRegisterFunc(context, reinterpret_cast<const xmlChar*>(entry.name), entry.function);
    }
}

void RegisterUnion(xmlXPathContextPtr context, const std::string& name) {
    xmlXPathRegisterFunc(context, reinterpret_cast<const xmlChar*>(name.c_str()), UnionOperator);
}

} // namespace XslPattern
