#include <gtest/gtest.h>

#include <array>
#include <string>

#include "pages/resistors/resistors_calc.h"
#include "values/values.h"

namespace {

using ohm::ColoursCheck;
using ohm::ValueCheck;

constexpr int B4 = -3;  // tan body, 4-band picture
constexpr int B5 = -4;  // pale blue body, 5-band picture
constexpr int Gold = -1;
constexpr int Silver = -2;

// ---- the colour table ------------------------------------------------------

TEST(ResColCode, ColoursAsRedGreenBlue) {
    // The red, green, blue column of the colour table; the code stores them
    // as blue-green-red hexadecimal texts.
    struct Row {
        int code;
        int red, green, blue;
    };
    const Row rows[] = {
        {-4, 168, 205, 223}, {-3, 255, 204, 102}, {-2, 240, 240, 240}, {-1, 255, 227, 97},
        {0, 0, 0, 0},        {1, 128, 64, 0},     {2, 255, 0, 0},      {3, 255, 128, 1},
        {4, 255, 255, 1},    {5, 0, 255, 1},      {6, 0, 0, 255},      {7, 255, 0, 255},
        {8, 160, 160, 160},  {9, 255, 255, 255},
    };
    for (const Row& r : rows) {
        const std::string text = ohm::ResColCode(r.code);
        ASSERT_EQ(text.substr(0, 2), "&H") << r.code;
        const auto n = static_cast<long>(ohm::LeadingNumber(text));
        EXPECT_EQ(n & 0xFF, r.red) << r.code;
        EXPECT_EQ((n >> 8) & 0xFF, r.green) << r.code;
        EXPECT_EQ((n >> 16) & 0xFF, r.blue) << r.code;
    }
}

TEST(ResColCode, NoColourOutsideTheTable) {
    for (int code : {-5, 10, -32768, 32767}) EXPECT_EQ(ohm::ResColCode(code), "") << code;
}

TEST(BandFillCode, ListPositionsToColours) {
    struct Row {
        const char* name;
        int index, position, bands;
        std::optional<int> code;
    };
    const Row rows[] = {
        {"first band starts at Brown", 0, 0, 4, 1},
        {"first band White", 0, 8, 4, 9},
        {"second band Black", 1, 0, 4, 0},
        {"multiplier Gold", 2, 10, 4, Gold},
        {"multiplier Silver", 3, 11, 5, Silver},
        {"tolerance Brown", 4, 0, 4, 1},
        {"tolerance Red", 4, 1, 5, 2},
        {"tolerance Gold", 4, 2, 4, Gold},
        {"tolerance Silver", 4, 3, 4, Silver},
        {"tolerance blank, 4 bands", 4, 4, 4, B4},
        {"tolerance blank, 5 bands", 4, 4, 5, B5},
        {"no selection", 1, -1, 4, std::nullopt},
        {"no selection, first band", 0, -1, 4, std::nullopt},
        {"no selection, tolerance", 4, -1, 4, std::nullopt},
        {"beyond the list", 0, 9, 4, std::nullopt},
    };
    for (const Row& r : rows) EXPECT_EQ(ohm::BandFillCode(r.index, r.position, r.bands), r.code) << r.name;
}

// ---- colours to value ------------------------------------------------------

TEST(ColoursToValue, Values) {
    // Positions: band 0 from Brown (0 = digit 1), bands 1..3 from Black,
    // multipliers 10 = Gold, 11 = Silver; tolerance 0..4 = 1%, 2%, 5%, 10%, 20%.
    struct Row {
        const char* name;
        int bands;
        std::array<int, 5> pos;
        const char* value;
        const char* tolerance;
    };
    const Row rows[] = {
        {"Yellow Violet Red, Gold: 47 x 100", 4, {3, 7, 2, -1, 2}, "4.7K", "@ 5%"},
        {"Brown Black Black Brown: 100 x 10", 5, {0, 0, 0, 1, -1}, "1K", ""},
        {"Brown Black Blue: exactly 10M", 4, {0, 0, 6, -1, -1}, "10M", ""},
        {"Brown Black Silver: 10 x 0.01", 4, {0, 0, 11, -1, -1}, "0.1", ""},
        {"Red Red Gold: 22 x 0.1", 4, {1, 2, 10, -1, -1}, "2.2", ""},
        {"hidden band 3 ignored", 4, {0, 0, 2, 7, 0}, "1K", "@ 1%"},
        {"White White White Yellow: 999 x 10^4", 5, {8, 9, 9, 4, 1}, "9.99M", "@ 2%"},
        {"Brown Black Black Silver: 100 x 0.01", 5, {0, 0, 0, 11, 3}, "1", "@ 10%"},
        {"Orange Orange Black, blank: 33 ohms", 4, {2, 3, 0, -1, 4}, "33", "@ 20%"},
        {"Brown Black Green Yellow: 105 x 10^4", 5, {0, 0, 5, 4, -1}, "1.05M", ""},
    };
    for (const Row& r : rows) {
        const ohm::ColoursToValueResult got = ohm::ColoursToValue(r.bands, r.pos);
        ASSERT_EQ(got.check, ColoursCheck::Ok) << r.name;
        EXPECT_EQ(got.valueText, r.value) << r.name;
        EXPECT_EQ(got.toleranceText, r.tolerance) << r.name;
    }
}

TEST(ColoursToValue, FailedChecks) {
    struct Row {
        const char* name;
        int bands;
        std::array<int, 5> pos;
        ColoursCheck check;
        const char* message;
        bool errorTitle;
    };
    const char* three = "You must select at least the first 3 colours";
    const char* four = "You must select at least the first 4 colours";
    const char* high = "Result is greater than 10Mohms";
    const Row rows[] = {
        {"nothing picked", 4, {-1, -1, -1, -1, -1}, ColoursCheck::FirstThreeMissing, three, true},
        {"no multiplier, tolerance set", 4, {0, 0, -1, -1, 2}, ColoursCheck::FirstThreeMissing, three, true},
        {"band 3 does not stand in for band 2", 4, {0, 0, -1, 2, -1}, ColoursCheck::FirstThreeMissing, three, true},
        {"no first band", 4, {-1, 0, 2, -1, -1}, ColoursCheck::FirstThreeMissing, three, true},
        {"5 bands, no multiplier", 5, {0, 0, 0, -1, 2}, ColoursCheck::FirstFourMissing, four, true},
        {"5 bands, no third digit", 5, {0, 0, -1, 2, -1}, ColoursCheck::FirstFourMissing, four, true},
        {"5 bands, no second digit", 5, {0, -1, 0, 2, -1}, ColoursCheck::FirstFourMissing, four, true},
        {"position past the list", 4, {0, 0, 12, -1, -1}, ColoursCheck::FirstThreeMissing, three, true},
        {"Brown Black Violet: 100M", 4, {0, 0, 7, -1, -1}, ColoursCheck::AboveTenMegohms, high, false},
        {"Brown Black Black Blue: 100M", 5, {0, 0, 0, 6, -1}, ColoursCheck::AboveTenMegohms, high, false},
        {"White White White White: 999G", 5, {8, 9, 9, 9, -1}, ColoursCheck::AboveTenMegohms, high, false},
    };
    for (const Row& r : rows) {
        const ohm::ColoursToValueResult got = ohm::ColoursToValue(r.bands, r.pos);
        EXPECT_EQ(got.check, r.check) << r.name;
        EXPECT_EQ(ohm::MessageText(got.check), r.message) << r.name;
        EXPECT_EQ(ohm::HasErrorTitle(got.check), r.errorTitle) << r.name;
        EXPECT_EQ(got.valueText, "") << r.name;
    }
}

// ---- value to colours ------------------------------------------------------

TEST(ValueToColours, Bands) {
    struct Row {
        const char* typed;
        int bands;
        const char* cleaned;
        std::array<int, 5> fills;
    };
    const Row rows[] = {
        // 4700 ohms = 47 x 10^2: Yellow, Violet, Red / Yellow, Violet, Black, Brown.
        {"4K7", 4, "4K7", {4, 7, 2, B4, B4}},
        {"4.7K", 4, "4.7K", {4, 7, 2, B4, B4}},
        {"4700", 4, "4700", {4, 7, 2, B4, B4}},
        {"4K7", 5, "4K7", {4, 7, 0, 1, B5}},
        {"4700", 5, "4700", {4, 7, 0, 1, B5}},
        {"470", 4, "470", {4, 7, 1, B4, B4}},
        // 0.47 = 47 x 0.01 (Silver); in 5 bands 470 x 10^-3, the tan body colour.
        {"0.47", 4, "0.47", {4, 7, Silver, B4, B4}},
        {"0.47", 5, "0.47", {4, 7, 0, B4, B5}},
        {"10M", 4, "10M", {1, 0, 6, B4, B4}},
        {"10000000", 4, "10000000", {1, 0, 6, B4, B4}},
        {"10M", 5, "10M", {1, 0, 0, 5, B5}},
        {"10000000", 5, "10000000", {1, 0, 0, 5, B5}},
        {"1", 4, "1", {1, 0, Gold, B4, B4}},
        {"1", 5, "1", {1, 0, 0, Silver, B5}},
        {"2M2", 4, "2M2", {2, 2, 5, B4, B4}},
        // Lower-case k is dropped: 4.7 ohms.
        {"4.7k", 4, "4.7", {4, 7, Gold, B4, B4}},
        {" 4.7 K", 4, "4.7K", {4, 7, 2, B4, B4}},
        // 1.2 thousand first, then the M makes it 1.2 million.
        {"1K2M", 4, "1K2M", {1, 2, 5, B4, B4}},
        {"12345", 4, "12345", {1, 2, 3, B4, B4}},
        {"12345", 5, "12345", {1, 2, 3, 2, B5}},
        // Everything after the second point is ignored: 1.2 ohms.
        {"1.2.3", 4, "1.2.3", {1, 2, Gold, B4, B4}},
        {"1,500 ohms", 4, "1500", {1, 5, 2, B4, B4}},
        // Non-Latin digits and letters are not ours to read: "4" and "0" stay.
        {"4\xEF\xBC\x97" "0 \xCE\xA9", 4, "40", {4, 0, 0, B4, B4}},
    };
    for (const Row& r : rows) {
        const ohm::ValueToColoursResult got = ohm::ValueToColours(r.typed, r.bands);
        ASSERT_EQ(got.check, ValueCheck::Ok) << r.typed << " / " << r.bands;
        EXPECT_EQ(got.cleaned, r.cleaned) << r.typed;
        EXPECT_EQ(got.fills, r.fills) << r.typed << " / " << r.bands;
    }
}

TEST(ValueToColours, WholeValueIsRoundedWithCarry) {
    // Each value rounds to the nearest two (or three) significant digits; a
    // round-up that reaches the next decade moves the multiplier along.
    struct Row {
        const char* typed;
        int bands;
        std::array<int, 5> fills;
    };
    const Row rows[] = {
        {"99.6", 4, {1, 0, 1, B4, B4}},      // 100 ohms, not 90
        {"1960", 4, {2, 0, 2, B4, B4}},      // 19.6 -> 20 x 100, not 1.0K
        {"1940", 4, {1, 9, 2, B4, B4}},      // 19.4 -> 19 x 100
        {"999.6", 5, {1, 0, 0, 1, B5}},      // 1000 ohms
        {"0.02", 5, {2, 0, 0, B5, B5}},      // 199.99998 x 10^-4 -> 200 x 10^-4
        {"0.01", 4, {1, 0, B4, B4, B4}},     // 99.99999 x 10^-4 -> 10 x 10^-3
        {"0.01", 5, {1, 0, 0, B5, B5}},      // 999.9999 x 10^-5 -> 100 x 10^-4
        {"9999999", 4, {1, 0, 6, B4, B4}},   // 99.99999 x 10^5 -> 10M
        {"12.5", 4, {1, 2, 0, B4, B4}},      // an exact half goes to the even 12
        {"13.5", 4, {1, 4, 0, B4, B4}},      // and to the even 14
        {"112.5", 5, {1, 1, 2, 0, B5}},
    };
    for (const Row& r : rows) {
        const ohm::ValueToColoursResult got = ohm::ValueToColours(r.typed, r.bands);
        ASSERT_EQ(got.check, ValueCheck::Ok) << r.typed;
        EXPECT_EQ(got.fills, r.fills) << r.typed << " / " << r.bands;
    }
}

TEST(ValueToColours, FailedChecks) {
    struct Row {
        const char* name;
        std::string typed;
        const char* cleaned;
        ValueCheck check;
    };
    const Row rows[] = {
        {"empty", "", "", ValueCheck::Empty},
        {"blanks only", "   ", "", ValueCheck::OutOfRange},
        {"letters", "abc", "", ValueCheck::OutOfRange},
        {"just over 10M", "10000001", "10000001", ValueCheck::OutOfRange},
        {"11M", "11M", "11M", ValueCheck::OutOfRange},
        {"under 0.01", "0.0099", "0.0099", ValueCheck::OutOfRange},
        {"zero", "0", "0", ValueCheck::OutOfRange},
        {"a minus sign is dropped, 0 is left", "-0", "0", ValueCheck::OutOfRange},
        {"letter alone", "K", "K", ValueCheck::OutOfRange},
        {"exponent letters dropped: 1e9 reads 19", "1e9", "19", ValueCheck::Ok},
        {"10,000 nines", std::string(10000, '9'), nullptr, ValueCheck::OutOfRange},
        {"points only", "....", "....", ValueCheck::OutOfRange},
    };
    for (const Row& r : rows) {
        for (int bands : {4, 5}) {
            const ohm::ValueToColoursResult got = ohm::ValueToColours(r.typed, bands);
            EXPECT_EQ(got.check, r.check) << r.name;
            if (r.cleaned != nullptr) {
                EXPECT_EQ(got.cleaned, r.cleaned) << r.name;
            }
            if (got.check != ValueCheck::Ok) {
                const int body = bands == 5 ? B5 : B4;
                EXPECT_EQ(got.fills, (std::array<int, 5>{body, body, body, body, body})) << r.name;
            }
        }
    }
    EXPECT_EQ(ohm::MessageText(ValueCheck::Empty), "You must enter a value!");
    EXPECT_TRUE(ohm::HasErrorTitle(ValueCheck::Empty));
    EXPECT_EQ(ohm::MessageText(ValueCheck::OutOfRange), "Enter a value between 0.01 and 10,000,000");
    EXPECT_FALSE(ohm::HasErrorTitle(ValueCheck::OutOfRange));
}

}  // namespace
