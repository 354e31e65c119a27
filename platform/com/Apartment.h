// What the class table needs to know about the calling thread.
#pragma once

// True between a thread's first CoInitializeEx and its matching CoUninitialize.
bool ComIsInitializedOnThisThread();
