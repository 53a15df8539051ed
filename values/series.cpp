#include "values/series.h"

namespace ohm {

std::vector<std::string> SplitSeries(std::string_view series) {
    std::vector<std::string> entries;
    size_t start = 0;
    while (true) {
        const size_t comma = series.find(',', start);
        if (comma == std::string_view::npos) {
            entries.emplace_back(series.substr(start));
            return entries;
        }
        entries.emplace_back(series.substr(start, comma - start));
        start = comma + 1;
    }
}

}  // namespace ohm
