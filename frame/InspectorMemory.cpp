#include "frame/InspectorMemory.h"

#include "frame/VeritorInterface.h"

Data InspectorMemory(uint32 length) {
    // Never null: the host answers an exhausted memory its own way.
    return Data(static_cast<uint8*>(Allocate_Inspector_Memory(length)), length);
}
