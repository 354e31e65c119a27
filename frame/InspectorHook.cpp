#include "frame/InspectorHook.h"

void InspectorHook() {}
