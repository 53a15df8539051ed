// CalcCmosAstable and the capacitor caption on any texts: a design or exactly
// one failed check, finite working values, and only characters the
// formatting routines write in what reaches the screen.
#include <cmath>
#include <set>

#include "fuzz/fuzz_support.h"
#include "pages/cmos_astable/cmos_astable_calc.h"
#include "values/values.h"

namespace {

bool Known(const std::string& prompt) {
    static const std::set<std::string> fixed = {
        "Frequency must be between 0.5Hz and 1MHz",
        "Maximum frequency must be between 0.5Hz and 1MHz",
        "Maximum frequency must be higher than minimum!",
        ohm::CapZeroPrompt(),
    };
    if (fixed.count(prompt) != 0) return true;
    // "Range Error:  R1 =<value>ohms", two carriage returns, the advice.
    const size_t eq = prompt.find(" =");
    const size_t ohms = prompt.find("ohms\r\r");
    if (prompt.rfind("Range Error:  ", 0) != 0 || eq == std::string::npos || ohms == std::string::npos || ohms < eq)
        return false;
    const std::string value = prompt.substr(eq + 2, ohms - eq - 2);
    // Beyond 1E+21 ohms the Str form inside FormatRes turns to exponent form.
    return !value.empty() && fuzz::OnlyOf(value, "0123456789.-+EKM");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string field[6];
    fuzz::SplitInput(data, size, field);
    const int unit = field[3].empty() ? 1 : static_cast<int>(static_cast<unsigned char>(field[3][0]) % 5) - 1;
    const auto mode = (!field[5].empty() && (field[5][0] & 1) != 0) ? ohm::CmosAstableMode::Range
                                                                     : ohm::CmosAstableMode::Fixed;

    const std::string caption = ohm::CmosAstableCapCaption(field[2], unit);
    fuzz::Require(!caption.empty() && fuzz::OnlyOf(caption, "0123456789.-pnuF"), "caption characters", caption);

    const ohm::CmosAstableOutcome out = ohm::CalcCmosAstable({field[0], field[1], field[2], unit, field[4], mode});
    for (float v : {out.F1, out.F2, out.C, out.V, out.R1, out.R2, out.VR1, out.VR2})
        fuzz::Require(std::isfinite(v), "finite working values");
    if (out.capText) fuzz::Require(fuzz::OnlyOf(*out.capText, "0123456789.-"), "capacitor rewrite", *out.capText);
    if (out.maxFreqText)
        fuzz::Require(!out.maxFreqText->empty() && fuzz::OnlyOf(*out.maxFreqText, "0123456789.-"),
                      "maximum rewrite", *out.maxFreqText);
    fuzz::Require(mode == ohm::CmosAstableMode::Range || !out.maxFreqText, "maximum only rewritten in Range mode");

    for (const auto& [label, text] : out.written) {
        fuzz::Require(label >= 0 && label <= 3, "label index");
        fuzz::Require(!text.empty() && fuzz::OnlyOf(text, "0123456789.KM"), "value text", text);
    }
    if (!out.failure) {
        const size_t expected = mode == ohm::CmosAstableMode::Range ? 4 : 2;
        fuzz::Require(out.written.size() == expected, "a design writes every resistor");
        return 0;
    }
    fuzz::Require(out.written.size() < 4, "a failed check comes before the last value");
    fuzz::Require(Known(out.failure->prompt), "prompt", out.failure->prompt);
    for (int emptied : out.failure->emptied)
        for (const auto& w : out.written) fuzz::Require(w.first != emptied, "an emptied label was not written");
    return 0;
}
