#include <gtest/gtest.h>

#include "values/series.h"

namespace {

TEST(Series, SplitsIntoTheRightEntries) {
    struct Row {
        std::string_view series;
        size_t count;
        const char* first;
        const char* last;
    };
    const Row rows[] = {
        {ohm::kE6ThreeDecades, 18, "1", "680"},
        {ohm::kE12Decade, 12, "1", "8.2"},
        {ohm::kE24Decade, 24, "1", "9.1"},
        {ohm::kE24ThreeDecades, 72, "1", "910"},
    };
    for (const auto& r : rows) {
        const auto entries = ohm::SplitSeries(r.series);
        ASSERT_EQ(entries.size(), r.count) << r.series;
        EXPECT_EQ(entries.front(), r.first);
        EXPECT_EQ(entries.back(), r.last);
        for (const auto& e : entries) {
            EXPECT_FALSE(e.empty());
            EXPECT_EQ(e.find(' '), std::string::npos);
        }
    }
}

TEST(Series, DecadeStepsAreWrittenWithoutAPoint) {
    EXPECT_EQ(ohm::SplitSeries(ohm::kE6ThreeDecades)[6], "10");
    EXPECT_EQ(ohm::SplitSeries(ohm::kE24ThreeDecades)[24], "10");
    EXPECT_EQ(ohm::SplitSeries(ohm::kE24ThreeDecades)[48], "100");
    EXPECT_EQ(ohm::SplitSeries(ohm::kE24Decade)[7], "2");
}

}  // namespace
