#include "platform/xml/BuildFilter.h"

#include "platform/xml/DocumentTree.h"
#include "platform/xml/EntityExpansion.h"

#include <cstdint>
#include <cstring>

namespace Xml {

namespace {

bool IsWhitespace(const xmlChar* text, int length) {
    for (int i = 0; i < length; ++i) {
        const xmlChar c = text[i];
        if (c != ' ' && c != '\t' && c != '\n' && c != '\r') {
            return false;
        }
    }
    return true;
}

} // namespace

BuildFilter::BuildFilter(xmlParserCtxtPtr context, bool preserveAll, AttributeOrder& attributeOrder,
                         LoadLimits& limits)
    : context_(context)
    , attributeOrder_(attributeOrder)
    , limits_(limits)
    , original_(*context->sax)
    , preserve_{preserveAll} {
    xmlSAXHandler* sax = context->sax;
    sax->characters = &Characters;
    sax->ignorableWhitespace = &Characters;
    sax->startElementNs = &StartElement;
    sax->endElementNs = &EndElement;
    sax->comment = &Comment;
    sax->processingInstruction = &ProcessingInstruction;
    sax->cdataBlock = &CdataBlock;
    sax->reference = &Reference;
    sax->getEntity = &GetEntity;
    sax->getParameterEntity = &GetParameterEntity;
}

BuildFilter* BuildFilter::Of(void* context) {
    return static_cast<BuildFilter*>(static_cast<xmlParserCtxtPtr>(context)->_private);
}

bool BuildFilter::SettleBeforeNode() {
    const bool dropped = !held_.empty();
    held_.clear();
    textInRun_ = false;
    return dropped;
}

void BuildFilter::MarkNewChild(bool dropped) {
    if (dropped && context_->node != nullptr && context_->node->last != nullptr) {
        DocumentTree::MarkDroppedBefore(context_->node->last);
    }
}

void BuildFilter::Characters(void* context, const xmlChar* text, int length) {
    BuildFilter* self = Of(context);
    if (!self->IsMain(context) || self->Preserving()) {
        self->original_.characters(context, text, length);
        return;
    }
    if (!self->textInRun_ && IsWhitespace(text, length)) {
        self->held_.append(reinterpret_cast<const char*>(text), static_cast<std::size_t>(length));
        return;
    }
    if (!self->held_.empty()) {
        self->original_.characters(context, reinterpret_cast<const xmlChar*>(self->held_.data()),
                                   static_cast<int>(self->held_.size()));
        self->held_.clear();
    }
    self->textInRun_ = true;
    self->original_.characters(context, text, length);
}

void BuildFilter::StartElement(void* context, const xmlChar* localName, const xmlChar* prefix,
                               const xmlChar* uri, int namespaceCount, const xmlChar** namespaces,
                               int attributeCount, int defaultedCount, const xmlChar** attributes) {
    BuildFilter* self = Of(context);
    auto* parser = static_cast<xmlParserCtxtPtr>(context);
    // Entity content counts from its own context's root; the finished tree is
    // measured again with the references expanded.
    if (!Admitted(parser, self->limits_.AdmitDepth(parser->nameNr + 1))) {
        return;
    }
    // Defaults are copied into every element that takes them: a long default
    // on many short elements would otherwise multiply the input.
    // Five entries per attribute: local name, prefix, URI, value start, value end.
    std::uint64_t defaultedBytes = 0;
    for (int i = attributeCount - defaultedCount; i < attributeCount; ++i) {
        const xmlChar** attribute = attributes + 5 * i;
        defaultedBytes += static_cast<std::uint64_t>(attribute[4] - attribute[3]);
    }
    if (!Admitted(parser, self->limits_.AdmitDefaults(defaultedBytes))) {
        return;
    }
    if (!self->IsMain(context)) {
        const xmlNode* parent = parser->node;
        self->original_.startElementNs(context, localName, prefix, uri, namespaceCount, namespaces,
                                       attributeCount, defaultedCount, attributes);
        if (parser->node != parent) {
            self->attributeOrder_.Note(parser, parser->node, defaultedCount);
            MarkUnboundNames(parser->node, localName, prefix, attributeCount, attributes);
        }
        return;
    }
    const bool dropped = self->SettleBeforeNode();
    self->original_.startElementNs(context, localName, prefix, uri, namespaceCount, namespaces,
                                   attributeCount, defaultedCount, attributes);
    self->attributeOrder_.Note(parser, parser->node, defaultedCount);
    if (dropped && self->context_->node != nullptr) {
        DocumentTree::MarkDroppedBefore(self->context_->node);
    }
    bool preserve = self->Preserving();
    for (int i = 0; i < attributeCount; ++i) {
        const xmlChar** attribute = attributes + 5 * i;
        if (xmlStrEqual(attribute[0], BAD_CAST "space") &&
            xmlStrEqual(attribute[1], BAD_CAST "xml")) {
            const std::string value(reinterpret_cast<const char*>(attribute[3]),
                                    static_cast<std::size_t>(attribute[4] - attribute[3]));
            if (value == "preserve") {
                preserve = true;
            } else if (value == "default") {
                preserve = false;
            }
        }
    }
    self->preserve_.push_back(preserve || self->preserve_.front());
}

void BuildFilter::EndElement(void* context, const xmlChar* localName, const xmlChar* prefix,
                             const xmlChar* uri) {
    BuildFilter* self = Of(context);
    if (self->IsMain(context)) {
        if (self->SettleBeforeNode() && self->context_->node != nullptr) {
            DocumentTree::MarkDroppedAtEnd(self->context_->node);
        }
        if (self->preserve_.size() > 1) {
            self->preserve_.pop_back();
        }
    }
    self->original_.endElementNs(context, localName, prefix, uri);
}

void BuildFilter::Comment(void* context, const xmlChar* text) {
    BuildFilter* self = Of(context);
    const bool dropped = self->IsMain(context) && self->SettleBeforeNode();
    self->original_.comment(context, text);
    self->MarkNewChild(dropped);
}

void BuildFilter::ProcessingInstruction(void* context, const xmlChar* target, const xmlChar* data) {
    BuildFilter* self = Of(context);
    const bool dropped = self->IsMain(context) && self->SettleBeforeNode();
    self->original_.processingInstruction(context, target, data);
    self->MarkNewChild(dropped);
}

void BuildFilter::CdataBlock(void* context, const xmlChar* text, int length) {
    BuildFilter* self = Of(context);
    if (!self->IsMain(context)) {
        self->original_.cdataBlock(context, text, length);
        return;
    }
    xmlNodePtr parent = self->context_->node;
    if (!self->held_.empty() && parent != nullptr && parent->last != nullptr &&
        parent->last->type == XML_CDATA_SECTION_NODE) {
        // Keep the sections apart; the pass over the tree drops this text.
        self->leftWhitespace_ = true;
        self->original_.characters(context, reinterpret_cast<const xmlChar*>(self->held_.data()),
                                   static_cast<int>(self->held_.size()));
        self->held_.clear();
    }
    const bool dropped = self->SettleBeforeNode();
    self->original_.cdataBlock(context, text, length);
    self->MarkNewChild(dropped);
}

void BuildFilter::Reference(void* context, const xmlChar* name) {
    BuildFilter* self = Of(context);
    const bool dropped = self->IsMain(context) && self->SettleBeforeNode();
    self->original_.reference(context, name);
    self->MarkNewChild(dropped);
}

bool BuildFilter::Admitted(xmlParserCtxtPtr parser, bool admitted) {
    if (!admitted) {
        // A context parsing entity content only reports failure through
        // its well-formedness.
        parser->wellFormed = 0;
        xmlStopParser(parser);
    }
    return admitted;
}

xmlEntityPtr BuildFilter::GetEntity(void* context, const xmlChar* name) {
    BuildFilter* self = Of(context);
    auto* parser = static_cast<xmlParserCtxtPtr>(context);
    xmlEntityPtr entity = self->original_.getEntity(context, name);
    return Admitted(parser, self->limits_.AdmitLookup(entity, parser->depth)) ? entity : nullptr;
}

xmlEntityPtr BuildFilter::GetParameterEntity(void* context, const xmlChar* name) {
    BuildFilter* self = Of(context);
    auto* parser = static_cast<xmlParserCtxtPtr>(context);
    xmlEntityPtr entity = self->original_.getParameterEntity(context, name);
    return Admitted(parser, self->limits_.AdmitLookup(entity, parser->depth)) ? entity : nullptr;
}

} // namespace Xml
