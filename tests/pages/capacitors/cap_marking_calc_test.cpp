#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "pages/capacitors/cap_marking_calc.h"
#include "pages/capacitors/capacitors_calc.h"
#include "values/series.h"

namespace {

// What the page shows for a marking: the box's number and unit, then the readout.
std::string Shown(const char* typed) {
    const ohm::CapMarkingReading r = ohm::ReadCapMarking(typed);
    if (r.check != ohm::CapMarkingCheck::Ok) return "message";
    return r.valueText + " " + std::string(ohm::kCapUnits[static_cast<std::size_t>(r.unit)]) + " | " + r.readout;
}

// Codes by hand: XY x 10^Z pF (8 and 9 for x 0.01, x 0.1), and the letter as the decimal point.
TEST(CapMarking, EveryFormRead) {
    const std::pair<const char*, const char*> rows[] = {
        {"104", "100 nF | 100 nF"},
        {"104K", "100 nF | 100 nF ±10% (90 nF to 110 nF)"},
        {"2A104J", "100 nF | 100 nF ±5% (95 nF to 105 nF), 100 V"},
        {"473J 100V", "47 nF | 47 nF ±5% (44.7 nF to 49.4 nF), 100 V"},
        {"1H 2u2 M", "2.2 uF | 2.2 uF ±20% (1.76 uF to 2.64 uF), 50 V"},
        {"4n7", "4.7 nF | 4.7 nF"}, {"p47", "0.47 pF | 0.47 pF"}, {"1n0", "1 nF | 1 nF"}, {"47n", "47 nF | 47 nF"},
        {"n10", "100 pF | 100 pF"}, {"p4", "0.4 pF | 0.4 pF"}, {"12n34", "12.34 nF | 12.3 nF"},
        {"1234n", "1.234 uF | 1.23 uF"}, {"1000u", "1 mF | 1 mF"}, {"4 n 7", "4.7 nF | 4.7 nF"},
        {"10", "10 pF | 10 pF"}, {"100", "10 pF | 10 pF"}, {"229", "2.2 pF | 2.2 pF"}, {"478", "0.47 pF | 0.47 pF"},
        {"0.1uF", "100 nF | 100 nF"}, {"100 nF", "100 nF | 100 nF"}, {"22pF", "22 pF | 22 pF"},
        {"4n7F", "4.7 nF | 4.7 nF ±1% (4.65 nF to 4.75 nF)"},  // F after a figure is the 1% letter
        {"2P104J", "100 nF | 100 nF ±5% (95 nF to 105 nF), 220 V"},  // the voltage code before three digits
        {"2p2", "2.2 pF | 2.2 pF"}, {"2P 4n7", "4.7 nF | 4.7 nF, 220 V"},
        {"2a 104 j", "100 nF | 100 nF ±5% (95 nF to 105 nF), 100 V"},
        {"3A 105Z", "1 uF | 1 uF +80%/-20% (800 nF to 1.8 uF), 1000 V"},
        {"0J 2\xC2\xB5" "2", "2.2 uF | 2.2 uF, 6.3 V"}, {"4.7\xCE\xBC" "F 6.3V", "4.7 uF | 4.7 uF, 6.3 V"},
        // ±0.5 pF on 0.47 pF would reach below zero: the range stops at nothing.
        {"p47D", "0.47 pF | 0.47 pF ±0.5 pF (0 pF to 0.97 pF)"},
        {"abc", "message"}, {"107", "message"}, {"4K7", "message"}, {"2A", "message"}, {"104Q", "message"},
        {"0", "message"}, {"000", "message"}, {"", "message"}, {"1 04", "message"}, {"1A 104 100V", "message"},
        {"1.5", "message"}, {"1000", "message"}, {"4n7n", "message"}, {"1234567890123456n", "message"},
    };
    for (const auto& [typed, shown] : rows) EXPECT_EQ(Shown(typed), shown) << typed;
    EXPECT_EQ(ohm::ReadCapMarking("x\xC3\xA9y").message,
              "Entry Error:  \"x\xC3\xA9y\" is not a capacitor marking\r\r"
              "Type a marking such as 104, 473J, 2A104J, 4n7, p47 or 0.1uF");
}

TEST(CapMarking, CodesWritten) {
    constexpr int pF = 0, nF = 1, uF = 2, mF = 3;
    const std::tuple<const char*, int, const char*> rows[] = {
        {"100", nF, "Code 104, or 100n"}, {"4.7", nF, "Code 472, or 4n7"}, {"10", pF, "Code 100, or 10p"},
        {"2.2", pF, "Code 229, or 2p2"}, {"0.47", pF, "Code 478, or p47"}, {"10", uF, "Code 106, or 10u"},
        {"1", uF, "Code 105, or 1u0"}, {"3.3", nF, "Code 332, or 3n3"}, {"1.5", pF, "Code 159, or 1p5"},
        {"470", uF, "Code 470u"}, {"123", nF, "Code 123n"}, {"0.1", pF, "Code 108, or p10"},
        {"99", uF, "Code 996, or 99u"}, {"4.7", mF, "Code 4700u"}, {"10", -1, "Code 106, or 10u"},
        {"0", uF, "No code"}, {"abc", uF, "No code"}, {"1.234", nF, "No code"}, {"-10", uF, "No code"},
    };
    for (const auto& [text, unit, codes] : rows) EXPECT_EQ(ohm::CodesForCapacitance(text, unit).text, codes) << text;
}

// Every E12 value from 1 pF to 82 uF: both codes read back as the value, in the unit the list would show.
TEST(CapMarking, E12RoundTrip) {
    for (int unit = 0; unit < 3; ++unit)
        for (int decade = 0; decade < (unit == 2 ? 2 : 3); ++decade)  // up to 82 uF
            for (const double v : ohm::kE12Decade) {
                const std::string text = std::to_string(std::lround(v * 10) * static_cast<long>(std::pow(10, decade)));
                const double number = std::stod(text) / 10;
                const ohm::CapCodes codes = ohm::CodesForCapacitance(std::to_string(number), unit);
                ASSERT_FALSE(codes.threeDigit.empty() || codes.letter.empty()) << number << " unit " << unit;
                for (const std::string& code : {codes.threeDigit, codes.letter}) {
                    const ohm::CapMarkingReading r = ohm::ReadCapMarking(code);
                    EXPECT_DOUBLE_EQ(r.picofarads, number * std::pow(1000.0, unit)) << code;
                    EXPECT_EQ(ohm::CodesForCapacitance(r.valueText, r.unit).text, codes.text) << code;
                }
            }
}

TEST(CapReadouts, TimeConstantCutOffAndSupplyLabels) {
    // 1 K with 10 uF: 10 ms, and 1 / (2 pi 10 ms) = 15.9 Hz; no time constant without a resistance.
    const ohm::RcReadouts start = ohm::RcTimes({"10", "10", 2, "10", 2, "1", 1, ""});
    EXPECT_EQ(start.timeConstant + " " + start.cutOff, "10 ms 15.9 Hz");
    const ohm::RcReadouts none = ohm::RcTimes({"10", "10", 2, "10", 2, "", 1, ""});
    EXPECT_EQ(none.timeConstant + none.cutOff, "");
    EXPECT_EQ(ohm::SupplyLabelText("12") + ohm::SupplyLabelText(" .5") + ohm::SupplyLabelText("x"), "12v.5v0v");
}

}  // namespace
