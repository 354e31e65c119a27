// libFuzzer target: any bytes as a query must give a value or a QueryError,
// never a crash, a hang or a sanitizer report. Only the host's built-in
// vocabulary is loaded.
#include "host/Veritor.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view query(reinterpret_cast<const char*>(data), size);
    try {
        veritor::Result result = veritor::Run(query);
        for (const auto& value : result.values) {
            (void)veritor::RenderText(value);
        }
    } catch (const veritor::QueryError&) {
    }
    return 0;
}
