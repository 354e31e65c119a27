// libFuzzer target: any bytes as a query, evaluated by the host with the
// inspector library loaded, so that every vocabulary (aggregates, ropes, html,
// xml documents and their selections) meets hostile operands. A query must
// give values, each of which renders, or a QueryError; never a crash, a hang,
// a leak, a failed check or a sanitizer report.
#include "host/Veritor.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Loaded once and kept: its registrations are the vocabulary under test.
    static const veritor::Plugin inspectors(VERITOR_INSPECTORS);
    std::string_view query(reinterpret_cast<const char*>(data), size);
    try {
        for (const veritor::Value& value : veritor::Run(query).values) {
            (void)veritor::RenderText(value);
        }
    } catch (const veritor::QueryError&) {
    }
    return 0;
}
