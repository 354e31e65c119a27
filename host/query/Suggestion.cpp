#include "host/query/Suggestion.h"

#include <algorithm>

namespace veritor::host {

std::size_t EditDistance(std::string_view from, std::string_view to) {
    // Three rows of the distance table: two back, the previous one and the
    // one being filled; row i holds the distances from from[0, i).
    const std::size_t width = to.size() + 1;
    std::vector<std::size_t> twoBack(width), previous(width), current(width);
    for (std::size_t j = 0; j < width; ++j) {
        previous[j] = j;
    }
    for (std::size_t i = 1; i <= from.size(); ++i) {
        current[0] = i;
        for (std::size_t j = 1; j < width; ++j) {
            std::size_t replace = previous[j - 1] + (from[i - 1] == to[j - 1] ? 0 : 1);
            current[j] = std::min({previous[j] + 1, current[j - 1] + 1, replace});
            if (i > 1 && j > 1 && from[i - 1] == to[j - 2] && from[i - 2] == to[j - 1]) {
                current[j] = std::min(current[j], twoBack[j - 2] + 1);
            }
        }
        std::swap(twoBack, previous);
        std::swap(previous, current);
    }
    return previous[width - 1];
}

std::optional<std::string> ClosestName(std::string_view written,
                                       const std::vector<std::string_view>& candidates) {
    const std::size_t allowed = std::min(std::max<std::size_t>(1, written.size() / 3),
                                         written.size() == 0 ? 0 : written.size() - 1);
    std::optional<std::string> best;
    std::size_t bestDistance = allowed + 1;
    for (std::string_view candidate : candidates) {
        // The lengths alone bound the distance from below.
        std::size_t gap = candidate.size() > written.size() ? candidate.size() - written.size()
                                                            : written.size() - candidate.size();
        if (gap >= bestDistance || candidate == written) {
            continue;
        }
        if (std::size_t distance = EditDistance(written, candidate); distance < bestDistance) {
            best = std::string(candidate);
            bestDistance = distance;
        }
    }
    return best;
}

} // namespace veritor::host
