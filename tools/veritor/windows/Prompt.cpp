// The prompt on Windows reads plain lines: the console edits them itself.
#include "tools/veritor/Interactive.h"

#include <iostream>

namespace veritor::tool {

void RunPrompt(const std::function<void(const std::string&)>& evaluate) {
    std::string query;
    while (std::cout << "veritor> " << std::flush && std::getline(std::cin, query)) {
        if (!query.empty() && query.back() == '\r') {
            query.pop_back();
        }
        if (query.find_first_not_of(" \t") == std::string::npos) {
            continue;
        }
        evaluate(query);
    }
    std::cout << '\n';
}

} // namespace veritor::tool
