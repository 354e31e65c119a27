#include "platform/xml/xslpattern/Signature.h"

#include <utility>

namespace XslPattern::Signature {

namespace {

bool IsChildKind(xmlElementType type) {
    switch (type) {
    case XML_ELEMENT_NODE:
    case XML_TEXT_NODE:
    case XML_CDATA_SECTION_NODE:
    case XML_PI_NODE:
    case XML_COMMENT_NODE:
        return true;
    default:
        return false;
    }
}

bool WrittenNameIs(std::string_view qname, const Member& candidate) {
    std::string_view prefix = Prefix(candidate);
    std::string_view local = LocalName(candidate);
    if (prefix.empty()) {
        return qname == local;
    }
    return qname.size() == prefix.size() + 1 + local.size() && qname.starts_with(prefix) &&
           qname[prefix.size()] == ':' && qname.ends_with(local);
}

// A signature taken apart once, so that testing many siblings against it
// does no parsing.
struct Compiled {
    enum class Form {
        Invalid,
        AnyChild,
        TextOrCData,
        TextOnly,
        CDataOnly,
        Comment,
        Instruction,
        SameAsSelf,
        AnyName,
        Namespace,
        WrittenName,
        WrittenPrefix,
    };
    Form form = Form::Invalid;
    bool attributes = false;
    std::string_view name; // written name, prefix or local name in a namespace
    std::string_view uri;

    explicit Compiled(std::string_view signature);
    // Whether the siblings that match depend on the node counted among them.
    bool DependsOnSelf() const { return form == Form::SameAsSelf; }
    bool Matches(const Member& candidate, const Member& self) const;
    bool NameMatches(const Member& candidate) const;
};

Compiled::Compiled(std::string_view signature) {
    static constexpr std::pair<std::string_view, Form> kinds[] = {
        {AnyChild, Form::AnyChild},     {TextOrCData, Form::TextOrCData},
        {TextOnly, Form::TextOnly},     {CDataOnly, Form::CDataOnly},
        {Comment, Form::Comment},       {Instruction, Form::Instruction},
        {SameAsSelf, Form::SameAsSelf}, {AnyElement, Form::AnyName},
    };
    for (const auto& [text, kind] : kinds) {
        if (signature == text) {
            form = kind;
            return;
        }
    }
    if (signature.starts_with('@')) {
        attributes = true;
        signature.remove_prefix(1);
        if (signature == AnyElement) {
            form = Form::AnyName;
            return;
        }
    }
    if (signature.empty()) {
        return;
    }
    std::string_view rest = signature.substr(1);
    switch (signature.front()) {
    case 'q':
        form = Form::WrittenName;
        name = rest;
        break;
    case 'p':
        form = Form::WrittenPrefix;
        name = rest;
        break;
    case '{': {
        std::size_t close = rest.rfind('}');
        if (close != std::string_view::npos) {
            form = Form::Namespace;
            uri = rest.substr(0, close);
            name = rest.substr(close + 1);
        }
        break;
    }
    default:
        break;
    }
}

bool Compiled::NameMatches(const Member& candidate) const {
    switch (form) {
    case Form::AnyName:
        return true;
    case Form::WrittenName:
        return WrittenNameIs(name, candidate);
    case Form::WrittenPrefix:
        return Prefix(candidate) == name;
    case Form::Namespace:
        return NamespaceUri(candidate) == uri && (name == "*" || LocalName(candidate) == name);
    default:
        return false;
    }
}

bool Compiled::Matches(const Member& candidate, const Member& self) const {
    int type = DomNodeType(candidate);
    if (attributes) {
        // Declarations match the wildcard and their written names ("xmlns",
        // "xmlns:p", "xmlns:*"), not local names.
        bool byName =
            !candidate.IsDeclaration() || form == Form::WrittenName || form == Form::WrittenPrefix;
        return type == XML_ATTRIBUTE_NODE &&
               (form == Form::AnyName || (byName && NameMatches(candidate)));
    }
    switch (form) {
    case Form::Invalid:
        return false;
    case Form::AnyChild:
        return !candidate.IsDeclaration() && IsChildKind(candidate.node->type);
    case Form::TextOrCData:
        return type == XML_TEXT_NODE || type == XML_CDATA_SECTION_NODE;
    case Form::TextOnly:
        return type == XML_TEXT_NODE;
    case Form::CDataOnly:
        return type == XML_CDATA_SECTION_NODE;
    case Form::Comment:
        return type == XML_COMMENT_NODE;
    case Form::Instruction:
        return type == XML_PI_NODE;
    case Form::SameAsSelf:
        return type == DomNodeType(self) && LocalName(candidate) == LocalName(self) &&
               Prefix(candidate) == Prefix(self) && NamespaceUri(candidate) == NamespaceUri(self);
    default:
        return type == XML_ELEMENT_NODE && NameMatches(candidate);
    }
}

// Counting walks outwards from the node, so that end() only looks as far as
// the next match and index() only at what precedes: a filter over n
// siblings stays cheap where rebuilding the sibling list per node would not.
// An element's attributes come before the namespace declarations it makes,
// as the XPath evaluator sorts them.
class Counter {
public:
    Counter(std::string_view signature, const Member& self)
        : signature_(signature)
        , self_(self) {}

    bool Matches(const Member& candidate) const { return signature_.Matches(candidate, self_); }
    bool DependsOnSelf() const { return signature_.DependsOnSelf(); }
    // Stops at the node of an earlier count if it can go on from there: for
    // "same as self" only when that node was counted among the same set.
    std::size_t CountBackwards(xmlNodePtr from, bool attributes,
                               const IndexMemo::Entry* earlier = nullptr) const {
        std::size_t count = 0;
        for (xmlNodePtr node = from; node; node = node->prev) {
            bool matches = (attributes || IsChildKind(node->type)) && Matches({node, nullptr});
            if (earlier && node == earlier->node && (matches || !signature_.DependsOnSelf())) {
                return count + matches + earlier->index;
            }
            count += matches;
        }
        return count;
    }
    bool AnyForwards(xmlNodePtr from, bool attributes) const {
        for (xmlNodePtr node = from; node; node = node->next) {
            if ((attributes || IsChildKind(node->type)) && Matches({node, nullptr})) {
                return true;
            }
        }
        return false;
    }
    std::size_t CountDeclarations(xmlNodePtr element, xmlNsPtr from, xmlNsPtr until) const {
        std::size_t count = 0;
        for (xmlNsPtr ns = from; ns && ns != until; ns = ns->next) {
            count += Matches({element, ns});
        }
        return count;
    }

private:
    Compiled signature_;
    const Member& self_;
};

xmlNsPtr OwnDeclaration(xmlNodePtr element, const xmlNs* copy) {
    for (xmlNsPtr ns = element->nsDef; ns; ns = ns->next) {
        bool bothDefault = ns->prefix == nullptr && copy->prefix == nullptr;
        if (bothDefault || (ns->prefix && copy->prefix && xmlStrEqual(ns->prefix, copy->prefix))) {
            return ns;
        }
    }
    return nullptr;
}

} // namespace

bool Matches(std::string_view signature, const Member& candidate, const Member& self) {
    return Compiled(signature).Matches(candidate, self);
}

std::size_t IndexAmongSiblings(const Member& member, std::string_view signature,
                               IndexMemo* memo) {
    Counter counter(signature, member);
    xmlNodePtr node = member.node;
    if (member.IsDeclaration()) {
        if (!node || node->type != XML_ELEMENT_NODE) {
            return 0;
        }
        std::size_t index = 0;
        for (xmlAttrPtr attribute = node->properties; attribute; attribute = attribute->next) {
            index += counter.Matches({reinterpret_cast<xmlNodePtr>(attribute), nullptr});
        }
        return index +
               counter.CountDeclarations(node, node->nsDef, OwnDeclaration(node, member.ns));
    }
    if (!node->parent) {
        return 0;
    }
    if (!memo) {
        return counter.CountBackwards(node->prev, node->type == XML_ATTRIBUTE_NODE);
    }
    // "Same as self" counts another set for each type and name, and a group
    // of steps alternates them: the memo keeps a count for each.
    std::string key(signature);
    if (counter.DependsOnSelf()) {
        key.append(1, '\n')
            .append(1, static_cast<char>('0' + DomNodeType(member)))
            .append(Prefix(member))
            .append(1, ':')
            .append(LocalName(member))
            .append(1, '\n')
            .append(NamespaceUri(member));
    }
    const IndexMemo::Entry* earlier = memo->Find(node->parent, key);
    if (earlier && earlier->node == node) {
        return earlier->index;
    }
    std::size_t index =
        counter.CountBackwards(node->prev, node->type == XML_ATTRIBUTE_NODE, earlier);
    memo->Remember(node->parent, key, node, index);
    return index;
}

bool LastAmongSiblings(const Member& member, std::string_view signature) {
    Counter counter(signature, member);
    xmlNodePtr node = member.node;
    if (member.IsDeclaration()) {
        if (!node || node->type != XML_ELEMENT_NODE) {
            return true;
        }
        xmlNsPtr own = OwnDeclaration(node, member.ns);
        return !own || counter.CountDeclarations(node, own->next, nullptr) == 0;
    }
    if (!node->parent) {
        return true;
    }
    bool attribute = node->type == XML_ATTRIBUTE_NODE;
    if (counter.AnyForwards(node->next, attribute)) {
        return false;
    }
    xmlNodePtr parent = node->parent;
    return !attribute || parent->type != XML_ELEMENT_NODE ||
           counter.CountDeclarations(parent, parent->nsDef, nullptr) == 0;
}

} // namespace XslPattern::Signature
