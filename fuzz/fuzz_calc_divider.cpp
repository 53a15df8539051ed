// The divider calculation on any texts in the rail and tap boxes, any tap
// count, current and series: a result or exactly one failed check, and only
// voltage and resistance texts on the way to the screen.
#include <cmath>

#include "fuzz/fuzz_support.h"
#include "pages/divider/divider_calc.h"
#include "values/series.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Field 0: tap count, current and series as three bytes; then Vs1, Vs2, taps 1 to 4.
    std::string field[7];
    fuzz::SplitInput(data, size, field);
    const std::string& choice = field[0];
    auto pickByte = [&](std::size_t i) { return i < choice.size() ? static_cast<unsigned char>(choice[i]) : 0U; };

    ohm::DividerInput in;
    in.taps = static_cast<int>(pickByte(0) % 6);  // 0 and 5 too: the routine must hold them in range
    in.current = static_cast<int>(pickByte(1) % 8) - 1;
    in.series = static_cast<ohm::DividerSeries>(pickByte(2) % 3);
    in.vs1 = field[1];
    in.vs2 = field[2];
    for (int i = 0; i < 4; ++i) in.tap[static_cast<std::size_t>(i)] = field[3 + i];

    const ohm::DividerResult r = ohm::CalcDivider(in);
    const std::size_t n = static_cast<std::size_t>(in.taps < 1 ? 1 : (in.taps > 4 ? 4 : in.taps));
    constexpr std::string_view kVolt = "0123456789.-v";

    auto voltText = [&](const std::string& t, const char* what) {
        fuzz::Require(!t.empty() && t.back() == 'v' && fuzz::OnlyOf(t, kVolt), what, t);
        fuzz::Require(t.size() <= 6, "a rewritten voltage fits its six-character box", t);
    };
    if (r.vs1Text) voltText(*r.vs1Text, "Vs1 text");
    if (r.vs2Text) voltText(*r.vs2Text, "Vs2 text");
    fuzz::Require(r.tapText.size() <= n, "no more taps rewritten than there are");
    for (const std::string& t : r.tapText) voltText(t, "tap text");

    if (r.fault) {
        fuzz::Require(!r.fault->message.empty(), "a failed check has a message");
        fuzz::Require(r.captions.empty() && r.savedTapText.empty() && r.fittedTapText.empty() &&
                          r.rangeMessages.empty(),
                      "nothing computed after a failed check");
        const bool tapCheck = r.fault->box == ohm::DividerBox::Tap;
        fuzz::Require(!tapCheck || (r.fault->tap >= 1 && static_cast<std::size_t>(r.fault->tap) <= n),
                      "a tap check names a tap that is shown");
        fuzz::Require(r.fault->select || r.fault->check == ohm::DividerCheck::TapEmpty,
                      "only an empty tap is focused without selecting");
        return 0;
    }

    fuzz::Require(r.vs1Text && r.vs2Text && r.tapText.size() == n, "every box rewritten on success");
    fuzz::Require(r.savedTapText == r.tapText, "the requested taps are kept");
    fuzz::Require(r.captions.size() == n + 1 && r.resistors.size() == n + 1, "one caption per resistor");
    fuzz::Require(r.fittedTapText.size() == (in.series == ohm::DividerSeries::Ideal ? 0 : n),
                  "fitted taps only for a series");
    for (const std::string& t : r.fittedTapText) voltText(t, "fitted tap text");
    fuzz::Require(r.rangeMessages.size() <= n + 1, "at most one range message per resistor");
    for (std::size_t j = 0; j < r.captions.size(); ++j) {
        const float R = r.resistors[j];
        fuzz::Require(std::isfinite(R) && R > 0, "every resistor finite and positive");
        const std::string& c = r.captions[j];
        fuzz::Require(!c.empty() && fuzz::OnlyOf(c, "0123456789.KMR"), "caption characters", c);
    }
    return 0;
}
