#include "inspectors/xml/PositionPropertyRegistration.h"

#include "frame/HostTypeNames.h"
#include "frame/NoSuchObject.h"
#include "frame/Operands.h"

#include <limits>

PositionPropertyRegistration::PositionPropertyRegistration(const char* name, const char* pluralName,
                                                           ItemFunction item)
    : PropertyRegistrationBase(name, pluralName, IntegerTypeName(), XmlDomNodeTypeName(),
                               XmlDomNodeTypeName(), &Evaluate, nullptr)
    , item(item) {}

void* PositionPropertyRegistration::Evaluate(void* resultStorage, const void* index,
                                             const void* directObject, void* /*unused*/,
                                             const void* registration) {
    const int64 position = OperandAt<integer>(index).Value();
    if (position < 0 || position > std::numeric_limits<int32>::max()) {
        throw NoSuchObject();
    }
    const auto& self = *static_cast<const PositionPropertyRegistration*>(
        static_cast<const PropertyRegistrationBase*>(registration));
    return ConstructResult<XmlDomNode>(resultStorage, [&] {
        return self.item(OperandAt<XmlDomNode>(directObject), static_cast<int32>(position));
    });
}
