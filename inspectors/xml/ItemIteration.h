// Iterations over the parser's collections: a node list (children, or the
// nodes a selection matched) or an attribute map. The state lives in two
// words of host storage, from the host's constructState to its destroyState,
// and keeps the collection alive meanwhile.
#pragma once

#include "frame/NoSuchObject.h"
#include "inspectors/xml/ComFailure.h"
#include "inspectors/xml/XmlDomValues.h"
#include "universe/integers/IntegerTypes.h"

#include <comdef.h>
#include <utility>

// Item `position` of a node list or an attribute map; a position at or beyond
// the end yields a null item and so NoSuchObject.
template <typename CollectionPtr>
XmlDomNode ItemAt(const CollectionPtr& items, int32 position, const XmlDomNode& directObject) {
    IXMLDOMNodePtr item;
    CheckResult(items->get_item(position, &item));
    return MakeNode(directObject.owner, std::move(item));
}

template <typename CollectionPtr>
class ItemIteration {
public:
    // Takes the collection (a null one fails with E_POINTER at the first
    // step) and delivers its first item.
    XmlDomNode Start(CollectionPtr collection, const XmlDomNode& directObject) {
        items = std::move(collection);
        position = 0;
        return Next(directObject);
    }

    // The length is asked at every step: the parser's collections answer it
    // at once. The end, or a null item, raises NoSuchObject.
    XmlDomNode Next(const XmlDomNode& directObject) {
        LONG length = 0;
        CheckResult(items->get_length(&length));
        if (position >= length) {
            throw NoSuchObject();
        }
        return ItemAt(items, position++, directObject);
    }

private:
    CollectionPtr items; // null until the iteration starts
    int32 position;      // of the next item to deliver
};

// The state of "child nodes" and of the selections.
class NodeListIteration : public ItemIteration<IXMLDOMNodeListPtr> {};
static_assert(sizeof(NodeListIteration) == 2 * sizeof(void*));

// The state of "attributes". A node without an attribute map (anything but an
// element) fails at the first step with E_POINTER instead of delivering
// nothing.
class AttributeIteration : public ItemIteration<IXMLDOMNamedNodeMapPtr> {
public:
    XmlDomNode First(const XmlDomNode& directObject) {
        IXMLDOMNamedNodeMapPtr attributes;
        CheckResult(directObject.node->get_attributes(&attributes));
        return Start(std::move(attributes), directObject);
    }
};
static_assert(sizeof(AttributeIteration) == 2 * sizeof(void*));
