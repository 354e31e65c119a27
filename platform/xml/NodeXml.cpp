#include "platform/xml/NodeXml.h"

#include "platform/xml/Navigation.h"
#include "platform/xml/NodeFacts.h"


namespace Xml {

namespace {

class XmlWriter {
public:
    explicit XmlWriter(DocumentTree& tree)
        : tree_(tree) {}

    void Node(const xmlNode* node, int level) {
        switch (node->type) {
        case XML_DOCUMENT_NODE:
        case XML_HTML_DOCUMENT_NODE:
        case XML_DOCUMENT_FRAG_NODE:
            for (const xmlNode* child = FirstChildOf(node); child != nullptr;
                 child = NextSiblingOf(child)) {
                Node(child, 0);
                out_ += "\r\n";
            }
            break;
        case XML_ELEMENT_NODE:
            Element(node, level);
            break;
        case XML_ATTRIBUTE_NODE:
            Attribute(node);
            break;
        case XML_TEXT_NODE:
            Escaped(node->content, false);
            break;
        case XML_CDATA_SECTION_NODE:
            out_ += "<![CDATA[";
            Raw(node->content);
            out_ += "]]>";
            break;
        case XML_COMMENT_NODE:
            out_ += "<!--";
            Raw(node->content);
            out_ += "-->";
            break;
        case XML_PI_NODE:
            ProcessingInstruction(node);
            break;
        case XML_ENTITY_REF_NODE:
            out_ += '&';
            Raw(node->name);
            out_ += ';';
            break;
        case XML_DTD_NODE:
            DocumentType();
            break;
        default:
            break;
        }
    }

    std::string Result() && { return std::move(out_); }

private:
    void Element(const xmlNode* node, int level) {
        const std::string name = NameOf(node);
        out_ += '<';
        out_ += name;
        for (const xmlNode* attribute : tree_.WrittenAttributesOf(const_cast<xmlNodePtr>(node))) {
            out_ += ' ';
            Attribute(attribute);
        }
        const bool droppedAtEnd = DocumentTree::MarkedDroppedAtEnd(node);
        if (FirstChildOf(node) == nullptr && !droppedAtEnd) {
            out_ += "/>";
            return;
        }
        out_ += '>';
        for (const xmlNode* child = FirstChildOf(node); child != nullptr;
             child = NextSiblingOf(child)) {
            if (DocumentTree::MarkedDroppedBefore(child)) {
                LineBreak(level + 1);
            }
            Node(child, level + 1);
        }
        if (droppedAtEnd) {
            LineBreak(level);
        }
        out_ += "</";
        out_ += name;
        out_ += '>';
    }

    void Attribute(const xmlNode* attribute) {
        out_ += NameOf(attribute);
        out_ += "=\"";
        const std::string value = ValueOf(attribute);
        Escaped(reinterpret_cast<const xmlChar*>(value.c_str()), true);
        out_ += '"';
    }

    void ProcessingInstruction(const xmlNode* node) {
        out_ += "<?";
        Raw(node->name);
        if (node == tree_.Declaration()) {
            // Only what still holds for the text is written: not the encoding.
            for (const xmlAttr* attribute : tree_.DeclarationAttributes()) {
                const auto* pseudo = reinterpret_cast<const xmlNode*>(attribute);
                if (NameOf(pseudo) != "encoding") {
                    out_ += ' ';
                    Attribute(pseudo);
                }
            }
        } else if (node->content != nullptr && *node->content != 0) {
            out_ += ' ';
            Raw(node->content);
        }
        out_ += "?>";
    }

    void DocumentType() {
        const std::string& text = tree_.DocumentTypeText();
        Raw(reinterpret_cast<const xmlChar*>(text.c_str()));
    }

    void LineBreak(int level) {
        out_ += "\r\n";
        out_.append(static_cast<std::size_t>(level), '\t');
    }

    // Text as it is, line feeds as CRLF.
    void Raw(const xmlChar* text) {
        if (text == nullptr) {
            return;
        }
        for (const xmlChar* c = text; *c != 0; ++c) {
            if (*c == '\n') {
                out_ += "\r\n";
            } else {
                out_ += static_cast<char>(*c);
            }
        }
    }

    void Escaped(const xmlChar* text, bool inAttribute) {
        if (text == nullptr) {
            return;
        }
        for (const xmlChar* c = text; *c != 0; ++c) {
            switch (*c) {
            case '&':
                out_ += "&amp;";
                break;
            case '<':
                out_ += "&lt;";
                break;
            case '>':
                out_ += inAttribute ? ">" : "&gt;";
                break;
            case '"':
                out_ += inAttribute ? "&quot;" : "\"";
                break;
            case '\n':
                out_ += inAttribute ? "\n" : "\r\n";
                break;
            default:
                out_ += static_cast<char>(*c);
            }
        }
    }

    DocumentTree& tree_;
    std::string out_;
};

} // namespace

std::string XmlOf(DocumentTree& tree, const xmlNode* node) {
    XmlWriter writer(tree);
    writer.Node(node, NestingLevelOf(node));
    return std::move(writer).Result();
}

} // namespace Xml
