// "html attribute list" and "attr list": the attribute part of a start tag,
// rendered from (name, value) pairs as name="value" with single spaces
// between them. Names are markup and are copied as they are; values are
// escaped, so that a quotation mark in a value cannot end the attribute.
#include "frame/AggregatePropertyRegistration.h"
#include "frame/InspectorHook.h"
#include "frame/NoSuchObject.h"
#include "frame/TupleElement.h"
#include "frame/TupleTypeNames.h"
#include "frame/TypeRegistration.h"
#include "inspectors/html/Html.h"
#include "inspectors/html/HtmlAccumulator.h"

namespace {

class AttributeListAccumulator : public HtmlAccumulator {
public:
    HtmlAttributeList Begin() {
        Clear();
        throw NoSuchObject();
    }

    HtmlAttributeList BeginAlt() { throw NoSuchObject(); }

    HtmlAttributeList Add(const TupleNode& pair) {
        if (Start()) {
            Append(' ');
        }
        Append(BytesOf(TupleComponent<string_value>(0, pair)));
        Append('=');
        Append('"');
        AppendEscaped(BytesOf(TupleComponent<string_value>(1, pair)));
        Append('"');
        throw NoSuchObject();
    }

    HtmlAttributeList AddAlt(const TupleNode& /*pair*/) {
        ASSERT(false);
        throw NoSuchObject();
    }

    // A view of the accumulated text, not a copy: see HtmlAccumulator.
    HtmlAttributeList Finish() { return View(); }

    HtmlAttributeList FinishAlt() { throw NoSuchObject(); }
};

ValueTypeRegistration<HtmlAttributeList> attributeListType(HtmlAttributeListTypeName());

AggregatePropertyRegistration<AttributeListAccumulator, HtmlAttributeList, TupleNode>
    attrList("attr list", "attr lists", "", StringStringTupleTypeName(),
             HtmlAttributeListTypeName(), InspectorHook);

} // namespace
