// The hook handed to the host with every registration of the core and html
// inspectors. The host may call it; it does nothing.
#pragma once

void InspectorHook();
