#include "platform/xml/xslpattern/Signature.h"

#include <vector>

namespace XslPattern::Signature {

namespace {

bool NameMatches(std::string_view form, const Member& candidate) {
    if (form == "*") {
        return true;
    }
    char kind = form.front();
    std::string_view rest = form.substr(1);
    switch (kind) {
    case 'l':
        return LocalName(candidate) == rest;
    case 'q':
        return DomNodeName(candidate) == rest;
    case 'p':
        return Prefix(candidate) == rest;
    case '{': {
        std::size_t close = rest.rfind('}');
        std::string_view uri = rest.substr(0, close);
        std::string_view local = rest.substr(close + 1);
        return NamespaceUri(candidate) == uri && (local == "*" || LocalName(candidate) == local);
    }
    default:
        return false;
    }
}

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

// Siblings in the order the XPath evaluator sorts them: an element's
// attributes come before the namespace nodes it declares.
std::vector<Member> SiblingsOf(const Member& member) {
    std::vector<Member> siblings;
    bool attributeLike = member.IsDeclaration() || member.node->type == XML_ATTRIBUTE_NODE;
    if (attributeLike) {
        xmlNodePtr element = member.IsDeclaration() ? member.node : member.node->parent;
        if (!element) {
            return {member};
        }
        for (xmlAttrPtr attribute = element->properties; attribute; attribute = attribute->next) {
            siblings.push_back({reinterpret_cast<xmlNodePtr>(attribute), nullptr});
        }
        if (element->type == XML_ELEMENT_NODE) {
            for (xmlNsPtr ns = element->nsDef; ns; ns = ns->next) {
                siblings.push_back({element, ns});
            }
        }
        return siblings;
    }
    if (!member.node->parent) {
        return {member};
    }
    for (xmlNodePtr child = member.node->parent->children; child; child = child->next) {
        if (IsChildKind(child->type)) {
            siblings.push_back({child, nullptr});
        }
    }
    return siblings;
}

} // namespace

bool Matches(std::string_view signature, const Member& candidate, const Member& self) {
    if (signature.empty()) {
        return false;
    }
    int type = DomNodeType(candidate);
    if (signature.front() == '@') {
        if (type != XML_ATTRIBUTE_NODE) {
            return false;
        }
        std::string_view form = signature.substr(1);
        return form == "*" || (!candidate.IsDeclaration() && NameMatches(form, candidate));
    }
    if (signature == AnyChild) {
        return !candidate.IsDeclaration() && IsChildKind(candidate.node->type);
    }
    if (signature == TextOrCData) {
        return type == XML_TEXT_NODE || type == XML_CDATA_SECTION_NODE;
    }
    if (signature == TextOnly) {
        return type == XML_TEXT_NODE;
    }
    if (signature == CDataOnly) {
        return type == XML_CDATA_SECTION_NODE;
    }
    if (signature == Comment) {
        return type == XML_COMMENT_NODE;
    }
    if (signature == Instruction) {
        return type == XML_PI_NODE;
    }
    if (signature == SameAsSelf) {
        return type == DomNodeType(self) && DomNodeName(candidate) == DomNodeName(self) &&
               NamespaceUri(candidate) == NamespaceUri(self);
    }
    return type == XML_ELEMENT_NODE && NameMatches(signature, candidate);
}

Position PositionAmongSiblings(const Member& member, std::string_view signature) {
    std::vector<Member> siblings = SiblingsOf(member);
    Position position{0, true};
    bool seen = false;
    for (const Member& sibling : siblings) {
        if (sibling.SameAs(member)) {
            seen = true;
        } else if (Matches(signature, sibling, member)) {
            if (seen) {
                position.last = false;
                break;
            }
            ++position.index;
        }
    }
    return position;
}

} // namespace XslPattern::Signature
