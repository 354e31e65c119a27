// The state of the list aggregates: one ul, ol or dl element built from a
// plural of items, each item in an element of its own (li, or dt and dd in
// turn). The start tag, with the attribute text when there is one, comes
// before the first item; finish closes the list.
//
// A list without items is an empty list element, "<ul></ul>" (with its
// attribute text, "<ul class=x></ul>"): the list is there, it has nothing in
// it.
#pragma once

#include "inspectors/html/Html.h"
#include "inspectors/html/HtmlAccumulator.h"
#include "universe/strings/ConstCString.h"

// The element names of one kind of list.
struct ListTags {
    const char* list;
    const char* firstItem;  // of the 1st, 3rd, 5th ... item
    const char* secondItem; // of the 2nd, 4th, 6th ... item
};

class HtmlListAccumulator {
public:
    explicit HtmlListAccumulator(const ListTags& tags);
    HtmlListAccumulator(const HtmlListAccumulator&) = delete;
    HtmlListAccumulator& operator=(const HtmlListAccumulator&) = delete;

    // Starts a new list: no items, and the next item is a first item again.
    Html Begin();
    Html BeginAlt();

    // Items as strings are escaped; items as html keep their markup. The
    // attribute text of the list element is written with the first item.
    Html Add(const string_value& item);
    Html Add(const string_value& attributes, const string_value& item);
    Html Add(const Html& item);
    Html Add(const string_value& attributes, const Html& item);

    Html AddAlt(const string_value& item);
    Html AddAlt(const string_value& attributes, const string_value& item);
    Html AddAlt(const Html& item);
    Html AddAlt(const string_value& attributes, const Html& item);

    // Closes the list and returns a view of its text (see HtmlAccumulator).
    // The attribute text is read here only for a list that has no items.
    Html Finish();
    Html Finish(const string_value& attributes);
    Html FinishAlt();

private:
    // Writes the start tag unless the list has one already.
    void Open(ConstData attributes);
    template <typename Item>
    [[noreturn]] void AddItem(ConstData attributes, const Item& item);
    void AppendTag(ConstData opening, ConstCString name);
    [[noreturn]] static void Unsupported();

    HtmlAccumulator text;
    ConstCString listTag;
    ConstCString firstItemTag;
    ConstCString secondItemTag;
    const ConstCString* currentItemTag;
};

// The state of one kind of list, as the host constructs it.
template <const ListTags& tags>
class HtmlList : public HtmlListAccumulator {
public:
    HtmlList()
        : HtmlListAccumulator(tags) {}
};
