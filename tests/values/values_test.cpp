#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <string>
#include <utility>

#include "values/values.h"

namespace {

using TextRows = std::initializer_list<std::pair<std::string, std::string>>;

void ExpectRows(std::string (*routine)(std::string_view), TextRows rows) {
    for (const auto& [in, out] : rows) EXPECT_EQ(routine(in), out) << '"' << in << '"';
}

TEST(LeadingNumber, ReadsTheNumberAtTheStart) {
    const std::pair<std::string, double> rows[] = {
        {"4.7", 4.7}, {"1 000", 1000}, {"5-3", 5}, {"1.2.3", 1.2}, {"--5", 0}, {"", 0}, {"-", 0}, {".", 0},
        {"abc", 0}, {"&H10", 16}, {"&h10", 16}, {"&O17", 15}, {"&HDFCDA8", 14667176}, {"1E3", 1000}, {"1e-2", 0.01},
        {"2D2", 200}, {"1E", 1}, {"1E+", 1}, {"-.5", -0.5}, {"+7", 7}, {" \t12\n5 V", 125}, {"1,5", 1}, {".47", 0.47},
        {"5.", 5}, {"1E-400", 0}, {"-0", 0}, {"0.0000000000000000000000001E+30", 100000},
        // Past the double range: the largest finite value with its sign; far below it, 0.
        {"1E400", DBL_MAX}, {"-1E400", -DBL_MAX}, {"1" + std::string(400, '0'), DBL_MAX},
        {"1" + std::string(500, '0') + "E-10", DBL_MAX}, {"1E99999999999999999999999", DBL_MAX},
        {"&H" + std::string(300, 'F'), DBL_MAX}, {"." + std::string(400, '0') + "1", 0},
    };
    for (const auto& [text, expected] : rows) EXPECT_EQ(ohm::LeadingNumber(text), expected) << text;
    EXPECT_FALSE(std::signbit(ohm::LeadingNumber("-0.0")));
}

TEST(NumberText, SignColumnNoLeadingZeroExponentFormAtTheEnds) {
    const std::pair<double, const char*> rows[] = {
        {0.47, " .47"}, {-0.5, "-.5"}, {0, " 0"}, {4.7, " 4.7"}, {470, " 470"}, {0.00001, " 1E-05"},
        {1.5e16, " 1.5E+16"}, {0.0001, " .0001"}, {144927.536231884, " 144927.536231884"}, {1e15, " 1E+15"},
        {999999999999999, " 999999999999999"}, {-1234.5, "-1234.5"}, {1e-300, " 1E-300"},
        {0.1 + 0.2, " .3"},  // 15 digits hide the binary tail
        {NAN, " 0"}, {INFINITY, " 1.79769313486232E+308"},  // never "nan" or "inf" on screen
    };
    for (const auto& [value, expected] : rows) EXPECT_EQ(ohm::NumberText(value), expected) << value;
    const std::pair<float, const char*> singles[] = {  // seven digits
        {0.47F, " .47"}, {92000.0F, " 92000"}, {1e7F, " 1E+07"}, {9999999.0F, " 9999999"},
        {121333.3F, " 121333.3"}, {0.01F, " .01"}, {-INFINITY, "-3.402823E+38"},
    };
    for (const auto& [value, expected] : singles) EXPECT_EQ(ohm::NumberText(value), expected) << value;
}

TEST(PlainText, ShortestDigitsNeverInExponentForm) {
    const std::pair<double, const char*> rows[] = {
        {1000, "1000"}, {1, "1"}, {0.5, "0.5"}, {0.00001, "0.00001"}, {-2.5, "-2.5"}, {0, "0"}, {-0.0, "0"}, {NAN, "0"},
        {1.5e16, "15000000000000000"}, {0.1 + 0.2, "0.30000000000000004"},  // shortest round trip, not 15 digits
    };
    for (const auto& [value, expected] : rows) EXPECT_EQ(ohm::PlainText(value), expected) << value;
    EXPECT_EQ(ohm::PlainText(0.47F), "0.47");  // a float's own shortest form, not 0.4699999988
    EXPECT_EQ(ohm::PlainText(3.4028235e38F), "340282350000000000000000000000000000000");
}

TEST(NumberIn, KeepsMinusPointAndDigits) {
    ExpectRows(ohm::NumberIn, {{"4.7uF", "4.7"}, {"4k7", "47"}, {" 12.5 V", "12.5"}, {"1,000", "1000"},
                               {"-3.3v", "-3.3"}, {"1E3", "13"}, {" 1E-05", "1-05"}, {"1.2.3", "1.2.3"},
                               {"abc", ""}, {"--5", "--5"}, {"\xce\xa9" "5\xe2\x82\xac", "5"}});
    ExpectRows(ohm::NoSpaces, {{" 4.7K", "4.7K"}, {"a\tb c", "a\tbc"}});
}

TEST(FormatRes, EveryRowOfTheTable) {
    ExpectRows(ohm::FormatRes, {
        {"0.47", "0.47"}, {"0.047", "0.05"}, {"0", "0"}, {"0.996", "1"}, {"2.2", "2.2"}, {"4.749", "4.75"},
        {"9.996", "10"}, {"47.25", "47.3"}, {"99.96", "100"}, {"120", "120"}, {"470.5", "471"}, {"999.5", "1000"},
        {"1000", "1K"}, {"1005", "1.01K"}, {"4700", "4.7K"}, {"10000", "10K"}, {"12345", "12.3K"}, {"99950", "100K"},
        {"100000", "100K"}, {"999500", "1000K"}, {"2200000", "2.2M"}, {"4745000", "4.75M"}, {"10000000", "10M"},
        {"12345678", "12M"}, {"abc", "0"}, {" 144927.536231884", "145K"}, {" 4.7", "4.7"},
        {"999999.5", "1M"},   // between the K and M rows: equally near, the larger wins
        {"999.99994", "1K"},  // the single value between 999.9999 and 1000, likewise
        {"-4700", "-4.7K"}, {"-0.47", "-0.47"},
        {"1E300", "3.40282346638529E+32M"}, {"-1E300", "-3.40282346638529E+32M"},  // the largest single
    });
}

TEST(FormatVolt, EveryRowOfTheTableAndTheGapsBetween) {
    ExpectRows(ohm::FormatVolt, {
        {"-150", "-150v"}, {"-150.2", "-151v"}, {"-10", "-10v"}, {"-12.25", "-12.2v"}, {"-50.26", "-50.3v"},
        {"-1", "-1v"}, {"-5.5", "-5.5v"}, {"-0.5", "-0.5v"}, {"-0.01", "-0.01v"}, {"-0.125", "-0.12v"}, {"0", "0v"},
        {"0.125", "0.12v"}, {"0.99", "0.99v"}, {"1", "1v"}, {"2.345", "2.35v"}, {"9.9999", "10v"}, {"12", "12v"},
        {"12.25", "12.2v"}, {"12.35", "12.4v"}, {"99.999", "100v"}, {"100", "100v"}, {"150.7", "150v"},
        {"12v", "12v"}, {" 5.00", "5v"}, {"abc", "0v"}, {" .3", "0.3v"},
        // Gaps between rows go to the nearest covered value, the larger on a tie.
        {"0.004", "0v"}, {"0.995", "1v"}, {"-0.995", "-1v"}, {"99.9995", "100v"}, {"-0.006", "-0.01v"},
        {"9.99995", "10v"}, {"-99.9995", "-100v"}, {"1" + std::string(45, '0'), "3.402823E+38v"},
    });
}

TEST(Single, ClampsInsteadOfOverflowing) {
    EXPECT_EQ(ohm::Single(1e300), FLT_MAX);
    EXPECT_EQ(ohm::Single(-1e300), -FLT_MAX);
    EXPECT_EQ(ohm::Single(0.1), 0.1F);
    EXPECT_TRUE(std::isnan(ohm::Single(NAN)));
}


// The one reader of typed resistances every page shares.
TEST(ReadResistance, LettersAreDecimalPointsAndMultipliers) {
    struct Row { const char* typed; const char* cleaned; float ohms; };
    const Row rows[] = {
        {"4K7", "4K7", 4700}, {"4.7K", "4.7K", 4700}, {"2M2", "2M2", 2200000}, {"470", "470", 470},
        {"4.7k", "4.7", 4.7F}, {"1M", "1M", 1000000}, {"47K \u03A9", "47K", 47000}, {"", "", 0}, {"K", "K", 0},
    };
    for (const Row& r : rows) {
        const ohm::TypedResistance got = ohm::ReadResistance(r.typed);
        EXPECT_EQ(got.cleaned, r.cleaned) << r.typed;
        EXPECT_EQ(got.ohms, r.ohms) << r.typed;
    }
}

// Readouts worked by hand: the number lands between 1 and 999 under its prefix, rounding is decided on
// the decimal digits, and a rounding that reaches 1000 moves up a prefix.
TEST(EngineeringText, SignificantFiguresUnderTheRightPrefix) {
    using ohm::Prefixes;
    struct Row { double value; int figures; const char* unit; int low, high; Prefixes style; const char* text; };
    const Row rows[] = {
        {146.1, 3, "Hz", -6, 6, Prefixes::Metric, "146 Hz"},
        {0.0009999, 3, "s", -9, 0, Prefixes::Metric, "1 ms"},           // 999.9 µs rounds up a prefix
        {0.000503, 3, "s", -9, 0, Prefixes::Metric, "503 µs"},
        {480e6, 3, "Hz", -6, 6, Prefixes::Metric, "480 MHz"},
        {48.0e-6, 3, "Hz", -6, 6, Prefixes::Metric, "48 µHz"},
        {1500e6, 3, "Hz", -6, 9, Prefixes::Metric, "1.5 GHz"},
        {2e12, 3, "Hz", -6, 6, Prefixes::Metric, "2000000 MHz"},        // past the top prefix
        {0.000961, 3, "A", -6, 0, Prefixes::MetricAscii, "961 uA"},
        {0.00103, 3, "A", -6, 0, Prefixes::MetricAscii, "1.03 mA"},
        {1.2, 3, "W", -6, 0, Prefixes::MetricAscii, "1.2 W"},
        {4465, 4, "", 0, 6, Prefixes::Resistor, "4.465K"},
        {4935, 4, "", 0, 6, Prefixes::Resistor, "4.935K"},
        {10.5e6, 4, "", 0, 6, Prefixes::Resistor, "10.5M"},
        {0.0095, 4, "", 0, 6, Prefixes::Resistor, "0.0095"},            // no prefix below ohms
        {0.44650001, 4, "", 0, 6, Prefixes::Resistor, "0.4465"},
        {999.95, 4, "", 0, 6, Prefixes::Resistor, "1K"},
        {0, 3, "s", -9, 0, Prefixes::Metric, "0 s"},
        {-0.0025, 2, "V", -3, 0, Prefixes::Metric, "-2.5 mV"},
        {NAN, 3, "Hz", -6, 6, Prefixes::Metric, "0 Hz"},
    };
    for (const Row& r : rows)
        EXPECT_EQ(ohm::EngineeringText(r.value, r.figures, r.unit, r.low, r.high, r.style), r.text) << r.value;
    EXPECT_EQ(ohm::EngineeringText(INFINITY, 3, "Hz", -6, 6, Prefixes::Metric).find("inf"), std::string::npos);
}

// The tolerance ranges worked by hand: 4K7 at 5%, 10K at 1%, 10M at 5%.
TEST(ToleranceRangeText, BothEndsToFourFigures) {
    EXPECT_EQ(ohm::ToleranceRangeText(4700, 5), "4.465K to 4.935K");
    EXPECT_EQ(ohm::ToleranceRangeText(10000, 1), "9.9K to 10.1K");
    EXPECT_EQ(ohm::ToleranceRangeText(10000, 0.05), "9.995K to 10.01K");  // an exact half rounds up
    EXPECT_EQ(ohm::ToleranceRangeText(24.9F, 5), "23.66 to 26.15");  // Mended: 26.145 read 26.14
    EXPECT_EQ(ohm::ToleranceRangeText(10e6, 5), "9.5M to 10.5M");
    EXPECT_EQ(ohm::ToleranceRangeText(0.47, 20), "0.376 to 0.564");
}

// The third figure survives where FormatRes would round it away.
TEST(ThreeFigureResistanceText, KeepsEveryFigure) {
    const std::pair<double, const char*> rows[] = {{0.976, "0.976"}, {97.6e6, "97.6M"}, {99e9, "99000M"}};
    for (const auto& [ohms, shown] : rows) EXPECT_EQ(ohm::ThreeFigureResistanceText(ohms), shown);
}
}  // namespace

namespace {
// What a divider costs: whole millivolts, halves away from zero, nothing unreadable; current and power as
// EngineeringText writes them under u, m or no prefix.
TEST(CostReadouts, MillivoltsCurrentAndPower) {
    const std::pair<double, const char*> millivolts[] = {{0.0310, "31 mV"}, {0.0055, "6 mV"}, {-0.0065, "-7 mV"},
        {-0.0004, "0 mV"}, {1.5, "1500 mV"}, {NAN, "0 mV"}, {1e300, "1000000000000000 mV"}};
    for (const auto& [volts, text] : millivolts) EXPECT_EQ(ohm::MillivoltsText(volts), text) << volts;
    EXPECT_EQ(ohm::CurrentText(0.11) + ", " + ohm::CurrentText(1.5), "110 mA, 1.5 A");
    EXPECT_EQ(ohm::PowerText(0.000000525) + ", " + ohm::PowerText(0.25), "0.525 uW, 250 mW");
}
}  // namespace
