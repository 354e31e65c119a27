// A parsed document: libxml2's tree plus what the DOM shows beyond it.
//
// The tree is what XPath and XSL patterns evaluate over, so it holds exactly
// the DOM's children:
// - Whitespace-only text nodes dropped at load are really removed. Where one
//   lay is remembered in the `_private` field of the node that followed it
//   (MarkedDroppedBefore) or, for a run before an end tag, of the parent
//   (MarkedDroppedAtEnd); "text" and "xml" read these marks.
// - The XML declaration, when the text has one, is a real processing
//   instruction named "xml", the document's first child. Its pseudo-attributes
//   are attribute nodes owned here, outside the tree.
// - Namespace declarations are presented as attribute nodes ("xmlns",
//   "xmlns:p") made on first use and owned here, outside the tree; their parent
//   is null, as for every attribute in this DOM.
// - Attributes and namespace declarations that the internal subset's
//   defaults add are in the tree, as XPath must see them; AttributeOrder
//   knows them, and "xml" leaves them out, as it was not written.
// - Every entity reference holds its own copy of its entity's content, owned
//   here (EntityExpansion).
#pragma once

#include "platform/xml/AttributeOrder.h"
#include "platform/xml/EntityExpansion.h"
#include "platform/xml/xslpattern/XslPattern.h"

#include <libxml/tree.h>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace Xml {

class DomDocument;

class DocumentTree {
public:
    // Takes ownership of `document`.
    explicit DocumentTree(xmlDocPtr document, AttributeOrder attributeOrder = {});
    ~DocumentTree();
    DocumentTree(const DocumentTree&) = delete;
    DocumentTree& operator=(const DocumentTree&) = delete;

    xmlDocPtr Document() const { return document_; }

    // The document object that loaded the tree. A node object reaches it
    // here rather than holding it in a field of its own: a query may hold
    // millions of node objects at once, and the field took a quarter of each.
    DomDocument& Owner() const { return *owner_; }
    void SetOwner(DomDocument& owner) { owner_ = &owner; }

    // Gives the entity references their copies (once, after loading); false
    // if memory ran out.
    bool ExpandEntityReferences();

    // The declaration's processing instruction, or null.
    xmlNodePtr Declaration() const { return declaration_; }
    const std::vector<xmlAttrPtr>& DeclarationAttributes() const { return declarationAttributes_; }
    // Inserts the declaration as the first child, with its pseudo-attributes.
    void AddDeclaration(std::string_view data,
                        const std::vector<std::pair<std::string, std::string>>& attributes);

    // The document type declaration as written (InternalSubset), or "".
    const std::string& DocumentTypeText() const { return documentTypeText_; }
    void SetDocumentTypeText(std::string text) { documentTypeText_ = std::move(text); }

    // The attribute node presenting `declaration` (one of `element`'s nsDef).
    xmlAttrPtr NamespaceAttribute(xmlNsPtr declaration);
    // The attributes an element shows, namespace declarations among them, in
    // written order, then those the document type's defaults add.
    std::vector<xmlNodePtr> AttributesOf(xmlNodePtr element);
    // The same without the defaulted ones: what the element's markup holds.
    std::vector<xmlNodePtr> WrittenAttributesOf(xmlNodePtr element);

    // What XSL pattern translations may assume of the tree, found on first
    // use: the tree does not change after loading.
    const XslPattern::DocumentFacts& PatternFacts();

    // Numbers the elements in document order, once, before the first
    // selection that sorts a merged set: libxml2 keeps the number in an element's unused `content`
    // field and then compares two elements by it in constant time, where
    // otherwise it walks the tree between them. Sorting a node-set, as every
    // union does, then takes n log n comparisons of constant cost. Not done
    // at load: the load's own checks read `content` of every node.
    void NumberElements();

    static bool MarkedDroppedBefore(const xmlNode* node);
    static bool MarkedDroppedAtEnd(const xmlNode* node);
    static void MarkDroppedBefore(xmlNodePtr node);
    static void MarkDroppedAtEnd(xmlNodePtr node);

private:
    xmlAttrPtr MakeDetachedAttribute(const std::string& name, const std::string& value);

    xmlDocPtr document_;
    DomDocument* owner_ = nullptr;
    EntityExpansion entities_;
    xmlNodePtr declaration_ = nullptr;
    std::vector<xmlAttrPtr> declarationAttributes_;
    std::string documentTypeText_;
    std::unordered_map<xmlNsPtr, xmlAttrPtr> namespaceAttributes_;
    AttributeOrder attributeOrder_;
    std::once_flag patternFactsFound_;
    std::once_flag elementsNumbered_;
    XslPattern::DocumentFacts patternFacts_;
};

// Parses UTF-16 text as a document (see Loader.cpp for the rules); null if the
// text is not a well-formed document.
std::shared_ptr<DocumentTree> LoadDocumentTree(std::u16string_view text, bool preserveWhiteSpace);

// A document without children, as a new document object has.
std::shared_ptr<DocumentTree> EmptyDocumentTree();

} // namespace Xml
