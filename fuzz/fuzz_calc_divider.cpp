// CalcDivider on any texts. Fields: four bytes (tap count, current, series, best fit), Vs1, Vs2, taps 1 to 4.
#include <algorithm>

#include "fuzz/fuzz_support.h"
#include "pages/divider/divider_calc.h"

void fuzz::Check(std::string_view input) {
    const auto f = Fields<7>(input);
    const int series = Byte(f[0], 2) % 7;  // 0: ideal values, then E6 to E192
    const ohm::DividerInput in{Byte(f[0]) % 6, f[1], f[2], {f[3], f[4], f[5], f[6]},  // counts past 1..4 on purpose
                               Byte(f[0], 1) % 8 - 1,
                               series ? std::optional(ohm::kAllSeries[series - 1U]) : std::nullopt,
                               Byte(f[0], 3) % 2 == 1, {f[6], f[5], f[4], f[3]}};  // asked: the boxes turned round
    const ohm::DividerResult r = ohm::CalcDivider(in);
    const int n = std::clamp(in.taps, 1, 4);
    for (const auto& texts : {r.tapText, r.fittedTapText, {r.vs1Text.value_or("0v"), r.vs2Text.value_or("0v")}})
        for (const std::string& t : texts) Volts(t, "voltage text"), Require(t.size() <= 6, "fits its box", t);
    OneOutcome(!r.failure, r.failure ? r.failure->prompt : "");
    if (r.failure) Require(int(r.failure->box) <= int(ohm::DividerBox::Tap1) + n - 1, "tap shown");
    Require(r.failure || (r.savedTapText == r.tapText && r.tapText.size() == size_t(n)), "every tap rewritten and kept");
    Require(r.captions.size() == (r.failure ? 0 : n + 1U), "one caption per resistor, none after a failed check");
    Require(r.fittedTapText.size() == (r.failure || !in.series ? 0 : n + 0U), "fitted taps");
    Require(r.failure || (r.cost && r.cost->power.size() == n + 1U), "a cost for every chain shown");
    for (const ohm::ResistorPower& p : r.cost ? r.cost->power : std::vector<ohm::ResistorPower>{})
        Shown(r.cost->largestTapErrorText + r.cost->currentText + p.description, "0123456789. PowerumVAW,", "cost");
    for (std::size_t j = 0; j < r.captions.size(); ++j) {
        Require(std::isfinite(r.resistors[j]) && r.resistors[j] > 0, "every resistor finite and positive");
        Shown(r.captions[j], "0123456789.KMR", "caption");
    }
}
