#include "tools/veritor/Interactive.h"

namespace veritor::tool {

std::vector<std::string> Completions(const std::string& text,
                                     const std::vector<std::string>& candidates) {
    std::vector<std::string> found;
    for (std::size_t start = 0; start <= text.size(); ++start) {
        if (start > 0 && text[start - 1] != ' ') {
            continue;
        }
        std::string typed = text.substr(start);
        if (typed.empty() && start != text.size()) {
            continue;
        }
        for (const auto& name : candidates) {
            if (name.starts_with(typed) && !typed.empty()) {
                found.push_back(text.substr(0, start) + name);
            }
        }
        if (!found.empty()) {
            break;
        }
    }
    return found;
}

} // namespace veritor::tool
