#include "inspectors/html/RenderElement.h"

#include "frame/InspectorMemory.h"
#include "frame/NoSuchObject.h"
#include "inspectors/html/HtmlEscape.h"
#include "universe/buffers/Buffer.h"
#include "universe/buffers/BufferExceptions.h"

namespace {

void RequireName(ConstData tag) {
    if (tag.IsEmpty()) {
        throw NoSuchObject();
    }
}

// One block for an element of `length` bytes.
Buffer ElementBlock(uint64 length) {
    if (length > maxuint32) {
        throw DataOverflow();
    }
    return Buffer(InspectorMemory(static_cast<uint32>(length)));
}

// The length of "<" tag [" " attributes] without what closes the start tag.
uint64 StartTagLength(ConstData tag, ConstData attributes) {
    return 1 + uint64{tag.Length()} + (attributes.IsEmpty() ? 0 : 1 + uint64{attributes.Length()});
}

void OpenStartTag(Buffer& element, ConstData tag, ConstData attributes) {
    element.Put('<');
    element.Write(tag);
    if (!attributes.IsEmpty()) {
        element.Put(' ');
        element.Write(attributes);
    }
}

// Writes an element whose content `write` puts into a Data of exactly
// `contentLength` bytes.
template <typename WriteContent>
Html Render(ConstData tag, ConstData attributes, uint64 contentLength, WriteContent write) {
    Buffer element =
        ElementBlock(StartTagLength(tag, attributes) + 1 + contentLength + 3 + tag.Length());
    OpenStartTag(element, tag, attributes);
    element.Put('>');
    const auto length = static_cast<uint32>(contentLength);
    write(element.Unused().First(length));
    element.Advance(length);
    element.Put('<');
    element.Put('/');
    element.Write(tag);
    element.Put('>');
    return HtmlFromMarkup(element.Used());
}

} // namespace

Html RenderElement(ConstData tag, ConstData attributes, const Html& content) {
    RequireName(tag);
    return Render(tag, attributes, RopeLength(content),
                  [&](Data into) { RopeWrite(content, into); });
}

Html RenderTextElement(ConstData tag, ConstData attributes, ConstData text) {
    RequireName(tag);
    return Render(tag, attributes, EscapedLength(text),
                  [&](Data into) { WriteEscaped(text, into); });
}

Html RenderEmptyElement(ConstData tag, ConstData attributes) {
    RequireName(tag);
    Buffer element = ElementBlock(StartTagLength(tag, attributes) + 2);
    OpenStartTag(element, tag, attributes);
    element.Put('/');
    element.Put('>');
    return HtmlFromMarkup(element.Used());
}
