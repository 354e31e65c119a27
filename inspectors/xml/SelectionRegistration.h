// The registration of the selections ("select" and the two "xpath"): an
// iterated property over a NodeListIteration whose two steps are operations
// stored in the registration object. The first step differs per property (it
// sets the selection language and namespaces and selects); every later step
// is the node list's shared Next.
#pragma once

#include "frame/IteratedPropertyRegistration.h"
#include "frame/Operands.h"
#include "frame/ResultStorage.h"
#include "frame/StateStorage.h"
#include "inspectors/xml/ItemIteration.h"
#include "inspectors/xml/XmlDomValues.h"

template <typename Index>
class SelectionRegistration : public IteratedPropertyRegistrationBase {
public:
    using FirstOperation = XmlDomNode (*)(NodeListIteration& state, const Index& index,
                                          const XmlDomNode& directObject);
    using NextOperation = XmlDomNode (NodeListIteration::*)(const XmlDomNode& directObject);

    // Direct object and result "xml dom node", no hook.
    SelectionRegistration(const char* name, const char* pluralName, const char* indexType,
                          FirstOperation firstOperation, NextOperation nextOperation)
        : IteratedPropertyRegistrationBase(
              name, pluralName, indexType, XmlDomNodeTypeName(), XmlDomNodeTypeName(),
              sizeof(NodeListIteration), &ConstructStateInPlace<NodeListIteration>,
              &DestroyStateInPlace<NodeListIteration>, &First, &Next, nullptr)
        , firstOperation(firstOperation)
        , nextOperation(nextOperation) {}

private:
    static const SelectionRegistration& Self(const void* registration) {
        return *static_cast<const SelectionRegistration*>(
            static_cast<const IteratedPropertyRegistrationBase*>(registration));
    }

    static void* First(void* resultStorage, const void* index, const void* directObject,
                       void* state, const void* registration) {
        return ConstructResult<XmlDomNode>(resultStorage, [&] {
            return Self(registration)
                .firstOperation(*static_cast<NodeListIteration*>(state), OperandAt<Index>(index),
                                OperandAt<XmlDomNode>(directObject));
        });
    }

    static void* Next(void* resultStorage, const void* /*index*/, const void* directObject,
                      void* state, const void* registration) {
        return ConstructResult<XmlDomNode>(resultStorage, [&] {
            return (static_cast<NodeListIteration*>(state)->*Self(registration).nextOperation)(
                OperandAt<XmlDomNode>(directObject));
        });
    }

    FirstOperation firstOperation;
    NextOperation nextOperation;
};
