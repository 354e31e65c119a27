// One property of the tag family: renders a fixed element from the
// property's operands. Which operands it has is its form: attribute text from
// a "string" index or none, and content from a "string" (escaped) or "html"
// direct object, or none for an element closed in its start tag.
#pragma once

#include "frame/PropertyRegistration.h"
#include "universe/buffers/ConstData.h"

enum class ElementContent { None, Text, Html };

struct ElementForm {
    bool attributesFromIndex;
    ElementContent content;
};

class ElementProperty : public PropertyRegistrationBase {
public:
    // `element` is the name rendered; the text must outlive the registration.
    ElementProperty(const char* name, const char* pluralName, const char* element,
                    ElementForm form);

private:
    static void* Evaluate(void* resultStorage, const void* index, const void* directObject,
                          void* unused, const void* registration);

    ConstData element;
    ElementForm form;
};
