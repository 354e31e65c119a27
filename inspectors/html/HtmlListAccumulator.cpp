#include "inspectors/html/HtmlListAccumulator.h"

#include "frame/NoSuchObject.h"

HtmlListAccumulator::HtmlListAccumulator(const ListTags& tags)
    : listTag(tags.list)
    , firstItemTag(tags.firstItem)
    , secondItemTag(tags.secondItem)
    , currentItemTag(&firstItemTag) {}

Html HtmlListAccumulator::Begin() {
    text.Clear();
    currentItemTag = &firstItemTag;
    throw NoSuchObject();
}

Html HtmlListAccumulator::BeginAlt() {
    throw NoSuchObject();
}

Html HtmlListAccumulator::Add(const string_value& item) {
    AddItem(ConstData(), BytesOf(item));
}

Html HtmlListAccumulator::Add(const string_value& attributes, const string_value& item) {
    AddItem(BytesOf(attributes), BytesOf(item));
}

Html HtmlListAccumulator::Add(const Html& item) {
    AddItem(ConstData(), item);
}

Html HtmlListAccumulator::Add(const string_value& attributes, const Html& item) {
    AddItem(BytesOf(attributes), item);
}

Html HtmlListAccumulator::AddAlt(const string_value&) {
    Unsupported();
}

Html HtmlListAccumulator::AddAlt(const string_value&, const string_value&) {
    Unsupported();
}

Html HtmlListAccumulator::AddAlt(const Html&) {
    Unsupported();
}

Html HtmlListAccumulator::AddAlt(const string_value&, const Html&) {
    Unsupported();
}

Html HtmlListAccumulator::Finish() {
    return Finish(string_value{nullptr, 0});
}

Html HtmlListAccumulator::Finish(const string_value& attributes) {
    Open(BytesOf(attributes));
    AppendTag("</", listTag);
    return HtmlFromMarkup(text.View());
}

Html HtmlListAccumulator::FinishAlt() {
    throw NoSuchObject();
}

void HtmlListAccumulator::Open(ConstData attributes) {
    if (text.Start()) {
        return;
    }
    text.Append('<');
    text.Append(listTag);
    if (!attributes.IsEmpty()) {
        text.Append(' ');
        text.Append(attributes);
    }
    text.Append('>');
}

template <typename Item>
void HtmlListAccumulator::AddItem(ConstData attributes, const Item& item) {
    Open(attributes);
    AppendTag("<", *currentItemTag);
    if constexpr (std::is_same_v<Item, Html>) {
        text.AppendHtml(item);
    } else {
        text.AppendEscaped(item);
    }
    AppendTag("</", *currentItemTag);
    currentItemTag = currentItemTag == &firstItemTag ? &secondItemTag : &firstItemTag;
    throw NoSuchObject();
}

void HtmlListAccumulator::AppendTag(ConstData opening, ConstCString name) {
    text.Append(opening);
    text.Append(name);
    text.Append('>');
}

void HtmlListAccumulator::Unsupported() {
    ASSERT(false);
    throw NoSuchObject();
}
