// Loads the inspector library under test into this process, as the host
// does, and unloads it again.
#pragma once

#include "tests/support/RecordingHost.h"

#include <gtest/gtest.h>

class InspectorLibrary {
public:
    // Loads the plug-in; its static registrations run now. Throws when the
    // loader refuses it (the message says why).
    InspectorLibrary();
    ~InspectorLibrary();

    InspectorLibrary(const InspectorLibrary&) = delete;
    InspectorLibrary& operator=(const InspectorLibrary&) = delete;

    // Whether the plug-in is mapped in this process at all.
    static bool IsMapped();
    static constexpr const char* path = VERITOR_INSPECTORS_PATH;

private:
    void* handle;
};

// Each test starts from an empty recording with the plug-in freshly loaded,
// and releases the values it produced before the plug-in unloads.
class LoadedInspectors : public testing::Test {
protected:
    ~LoadedInspectors() override { RecordingHost::ReleaseValues(); }

    struct FreshRecording {
        FreshRecording() { RecordingHost::Reset(); }
    };

    FreshRecording fresh; // before the library: its registrations are recorded
    InspectorLibrary library;
};
