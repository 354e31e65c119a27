#include "inspectors/html/ElementProperty.h"

#include "frame/HostTypeNames.h"
#include "frame/InspectorHook.h"
#include "frame/Operands.h"
#include "frame/ResultStorage.h"
#include "inspectors/html/Html.h"
#include "inspectors/html/RenderElement.h"

#include <string_view>

namespace {

const char* IndexTypeOf(ElementForm form) {
    return form.attributesFromIndex ? StringTypeName() : "";
}

const char* DirectObjectTypeOf(ElementForm form) {
    switch (form.content) {
    case ElementContent::Text:
        return StringTypeName();
    case ElementContent::Html:
        return HtmlTypeName();
    case ElementContent::None:
        break;
    }
    return "";
}

} // namespace

ElementProperty::ElementProperty(const char* name, const char* pluralName, const char* element,
                                 ElementForm form)
    : PropertyRegistrationBase(name, pluralName, IndexTypeOf(form), DirectObjectTypeOf(form),
                               HtmlTypeName(), &Evaluate, InspectorHook)
    , element(std::string_view(element))
    , form(form) {}

void* ElementProperty::Evaluate(void* resultStorage, const void* index, const void* directObject,
                                void* /*unused*/, const void* registration) {
    const auto& self = *static_cast<const ElementProperty*>(
        static_cast<const PropertyRegistrationBase*>(registration));
    return ConstructResult<Html>(resultStorage, [&] {
        const ConstData attributes =
            self.form.attributesFromIndex ? BytesOf(OperandAt<string_value>(index)) : ConstData();
        switch (self.form.content) {
        case ElementContent::Text:
            return RenderTextElement(self.element, attributes,
                                     BytesOf(OperandAt<string_value>(directObject)));
        case ElementContent::Html:
            return RenderElement(self.element, attributes, OperandAt<Html>(directObject));
        case ElementContent::None:
            break;
        }
        return RenderEmptyElement(self.element, attributes);
    });
}
