// The template library's base header; its COM client classes live in
// atlcomcli.h.
#pragma once

#include <atlcomcli.h>
