// What the class table needs to know about the calling thread. The state is
// kept in the shared library veritor_com, so that every module of a process
// sees the same initialisation of a thread.
#pragma once

// True between a thread's first CoInitializeEx and its matching CoUninitialize.
bool ComIsInitializedOnThisThread();
