// Rendering one element: "<" tag [" " attributes] ">" content "</" tag ">",
// or "<" tag [" " attributes] "/>" for an element without content. The
// attribute text is markup and is written as it is, after one space when it
// is not empty; no other white space is added. Each element is written into
// one block of inspector memory of exactly its length, so the result is a
// single-piece html value that refers to nothing but that block.
#pragma once

#include "inspectors/html/Html.h"
#include "universe/buffers/ConstData.h"

// An element around html content. An empty tag name has no element
// (NoSuchObject).
Html RenderElement(ConstData tag, ConstData attributes, const Html& content);

// An element around text, which is escaped straight into the element's block:
// the same as RenderElement(tag, attributes, HtmlFromText(text)), without a
// block for the escaped text.
Html RenderTextElement(ConstData tag, ConstData attributes, ConstData text);

// An element closed in its start tag ("<br/>").
Html RenderEmptyElement(ConstData tag, ConstData attributes);
