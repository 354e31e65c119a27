// A property that picks one item of a node's collection by an "integer"
// position counted from 0: "child node" and "attribute" with an index. Both
// share this adapter, which answers a position outside 0 to 2^31 - 1 with
// NoSuchObject before anything else is done.
#pragma once

#include "frame/PropertyRegistration.h"
#include "inspectors/xml/XmlDomValues.h"
#include "universe/integers/IntegerTypes.h"

class PositionPropertyRegistration : public PropertyRegistrationBase {
public:
    using ItemFunction = XmlDomNode (*)(const XmlDomNode& directObject, int32 position);

    // Index "integer", direct object and result "xml dom node", no hook.
    PositionPropertyRegistration(const char* name, const char* pluralName, ItemFunction item);

private:
    static void* Evaluate(void* resultStorage, const void* index, const void* directObject,
                          void* unused, const void* registration);

    ItemFunction item;
};
