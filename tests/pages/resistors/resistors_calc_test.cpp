#include <gtest/gtest.h>

#include <array>
#include <string>

#include "pages/resistors/resistors_calc.h"
#include "values/values.h"

namespace {

using ohm::ColoursCheck;
using ohm::ValueCheck;
using Fills = std::array<int, 5>;
constexpr int B4 = -3, B5 = -4, Gold = -1, Silver = -2;  // tan and pale blue bodies

TEST(ResColCode, TableAsRedGreenBlue) {
    // The red, green, blue column of the colour table, codes -4 to 9; the
    // texts store them blue first. Orange, yellow and green keep a blue of 1.
    const int rgb[][3] = {{168, 205, 223}, {255, 204, 102}, {240, 240, 240}, {255, 227, 97},
                          {0, 0, 0},       {128, 64, 0},    {255, 0, 0},     {255, 128, 1},
                          {255, 255, 1},   {0, 255, 1},     {0, 0, 255},     {255, 0, 255},
                          {160, 160, 160}, {255, 255, 255}};
    for (int code = -4; code <= 9; ++code) {
        const std::string text = ohm::ResColCode(code);
        ASSERT_EQ(text.substr(0, 2), "&H") << code;
        const auto n = static_cast<long>(ohm::LeadingNumber(text));
        const int* c = rgb[code + 4];
        EXPECT_EQ((std::array<long, 3>{n & 0xFF, (n >> 8) & 0xFF, (n >> 16) & 0xFF}),
                  (std::array<long, 3>{c[0], c[1], c[2]}))
            << code;
    }
    for (int code : {-5, 10, -32768}) EXPECT_EQ(ohm::ResColCode(code), "") << code;
}

TEST(ColoursToValue, Values) {
    // Positions: band 0 from Brown, the others from Black; 10 Gold, 11 Silver;
    // tolerance 0..4 for 1%, 2%, 5%, 10%, 20%.
    struct Row {
        int bands;
        std::array<int, 5> pos;
        const char* value;
        const char* tolerance;
    };
    const Row rows[] = {
        {4, {3, 7, 2, -1, 2}, "4.7K", "@ 5%"},   // Yellow Violet Red: 47 x 100
        {5, {0, 0, 0, 1, -1}, "1K", ""},         // 100 x 10
        {4, {0, 0, 6, -1, -1}, "10M", ""},       // exactly 10 000 000 is allowed
        {4, {0, 0, 11, -1, 3}, "0.1", "@ 10%"},  // 10 x 0.01
        {4, {1, 2, 10, -1, 4}, "2.2", "@ 20%"},  // 22 x 0.1
        {4, {0, 0, 2, 7, 0}, "1K", "@ 1%"},      // hidden band 3 ignored
        {5, {8, 9, 9, 4, 1}, "9.99M", "@ 2%"},   // 999 x 10^4
        {5, {0, 0, 0, 11, -1}, "1", ""},         // 100 x 0.01
    };
    for (const Row& r : rows) {
        const ohm::ColoursToValueResult got = ohm::ColoursToValue(r.bands, r.pos);
        ASSERT_EQ(got.check, ColoursCheck::Ok) << r.value;
        EXPECT_EQ(got.valueText, r.value);
        EXPECT_EQ(got.toleranceText, r.tolerance) << r.value;
    }
}

TEST(ColoursToValue, FailedChecks) {
    struct Row {
        int bands;
        std::array<int, 5> pos;
        ColoursCheck check;
    };
    const Row rows[] = {
        {4, {0, 0, -1, 2, 2}, ColoursCheck::FirstThreeMissing},  // band 3 is no stand-in
        {4, {-1, 0, 2, -1, -1}, ColoursCheck::FirstThreeMissing},
        {4, {0, 0, 12, -1, -1}, ColoursCheck::FirstThreeMissing},  // past the list
        {5, {0, 0, 0, -1, 2}, ColoursCheck::FirstFourMissing},
        {5, {0, -1, 0, 2, -1}, ColoursCheck::FirstFourMissing},
        {4, {0, 0, 7, -1, -1}, ColoursCheck::AboveTenMegohms},   // 100M
        {5, {8, 9, 9, 9, -1}, ColoursCheck::AboveTenMegohms},    // 999G
    };
    for (const Row& r : rows) {
        const ohm::ColoursToValueResult got = ohm::ColoursToValue(r.bands, r.pos);
        EXPECT_EQ(got.check, r.check) << r.pos[0] << r.pos[1] << r.pos[2] << r.pos[3];
        EXPECT_EQ(got.valueText, "");
    }
    EXPECT_EQ(ohm::MessageText(ColoursCheck::FirstThreeMissing), "You must select at least the first 3 colours");
    EXPECT_EQ(ohm::MessageText(ColoursCheck::FirstFourMissing), "You must select at least the first 4 colours");
    EXPECT_EQ(ohm::MessageText(ColoursCheck::AboveTenMegohms), "Result is greater than 10Mohms");
    EXPECT_TRUE(ohm::HasErrorTitle(ColoursCheck::FirstFourMissing));
    EXPECT_FALSE(ohm::HasErrorTitle(ColoursCheck::AboveTenMegohms));
}

TEST(ValueToColours, Bands) {
    struct Row {
        const char* typed;
        int bands;
        const char* cleaned;
        Fills fills;
    };
    const Row rows[] = {
        {"4K7", 4, "4K7", {4, 7, 2, B4, B4}},  // 47 x 10^2
        {"4.7K", 4, "4.7K", {4, 7, 2, B4, B4}},
        {"4700", 5, "4700", {4, 7, 0, 1, B5}},
        {"0.47", 4, "0.47", {4, 7, Silver, B4, B4}},
        {"0.47", 5, "0.47", {4, 7, 0, B4, B5}},  // 470 x 10^-3: the tan body
        {"10M", 4, "10M", {1, 0, 6, B4, B4}},
        {"10000000", 5, "10000000", {1, 0, 0, 5, B5}},
        {"1", 4, "1", {1, 0, Gold, B4, B4}},
        {"1", 5, "1", {1, 0, 0, Silver, B5}},
        {"2M2", 4, "2M2", {2, 2, 5, B4, B4}},
        {"4.7k", 4, "4.7", {4, 7, Gold, B4, B4}},  // lower-case k is dropped
        {" 4.7 K", 4, "4.7K", {4, 7, 2, B4, B4}},
        {"1K2M", 4, "1K2M", {1, 2, 5, B4, B4}},   // 1.2 thousand, then 1.2 million
        {"12345", 4, "12345", {1, 2, 3, B4, B4}},
        {"12345", 5, "12345", {1, 2, 3, 2, B5}},
        {"1.2.3", 4, "1.2.3", {1, 2, Gold, B4, B4}},
        {"1e9", 4, "19", {1, 9, 0, B4, B4}},
        {"4\xEF\xBC\x97" "0 \xCE\xA9", 4, "40", {4, 0, 0, B4, B4}},  // full-width 7, omega
    };
    for (const Row& r : rows) {
        const ohm::ValueToColoursResult got = ohm::ValueToColours(r.typed, r.bands);
        ASSERT_EQ(got.check, ValueCheck::Ok) << r.typed;
        EXPECT_EQ(got.cleaned, r.cleaned);
        EXPECT_EQ(got.fills, r.fills) << r.typed << " / " << r.bands;
    }
}

TEST(ValueToColours, WholeValueIsRoundedWithCarry) {
    // Rounded to two (three) significant digits as a whole; reaching the next
    // decade moves the multiplier along.
    struct Row {
        const char* typed;
        int bands;
        Fills fills;
    };
    const Row rows[] = {
        {"99.6", 4, {1, 0, 1, B4, B4}},     // 100, not 90
        {"1960", 4, {2, 0, 2, B4, B4}},     // 19.6 -> 20 x 100, not 1.0K
        {"1940", 4, {1, 9, 2, B4, B4}},
        {"999.6", 5, {1, 0, 0, 1, B5}},
        {"0.02", 5, {2, 0, 0, B5, B5}},     // 199.99998 -> 200 x 10^-4
        {"0.01", 4, {1, 0, B4, B4, B4}},    // 99.99999 x 10^-4 -> 10 x 10^-3
        {"0.01", 5, {1, 0, 0, B5, B5}},     // 999.9999 x 10^-5 -> 100 x 10^-4
        {"9999999", 4, {1, 0, 6, B4, B4}},
        {"12.5", 4, {1, 2, 0, B4, B4}},     // exact halves go to the even neighbour
        {"13.5", 4, {1, 4, 0, B4, B4}},
    };
    for (const Row& r : rows) {
        const ohm::ValueToColoursResult got = ohm::ValueToColours(r.typed, r.bands);
        ASSERT_EQ(got.check, ValueCheck::Ok) << r.typed;
        EXPECT_EQ(got.fills, r.fills) << r.typed << " / " << r.bands;
    }
}

TEST(ValueToColours, FailedChecks) {
    const std::string rows[] = {"   ", "abc", "10000001", "11M", "0.0099", "-0", "K", "....",
                                std::string(10000, '9')};
    for (int bands : {4, 5}) {
        const int b = bands == 5 ? B5 : B4;
        EXPECT_EQ(ohm::ValueToColours("", bands).check, ValueCheck::Empty);
        for (const std::string& typed : rows) {
            const ohm::ValueToColoursResult got = ohm::ValueToColours(typed, bands);
            EXPECT_EQ(got.check, ValueCheck::OutOfRange) << typed.substr(0, 12);
            EXPECT_EQ(got.fills, (Fills{b, b, b, b, b})) << typed.substr(0, 12);
        }
    }
    EXPECT_EQ(ohm::ValueToColours(" a b c", 4).cleaned, "");
    EXPECT_EQ(ohm::MessageText(ValueCheck::Empty), "You must enter a value!");
    EXPECT_TRUE(ohm::HasErrorTitle(ValueCheck::Empty));
    EXPECT_EQ(ohm::MessageText(ValueCheck::OutOfRange), "Enter a value between 0.01 and 10,000,000");
    EXPECT_FALSE(ohm::HasErrorTitle(ValueCheck::OutOfRange));
}

}  // namespace
