#include "pages/resistors/resistors_calc.h"

#include <cmath>
#include <utility>

#include "values/series.h"
#include "values/values.h"

namespace ohm {
namespace {

inline constexpr int kTan = -3, kPaleBlue = -4;

// Digit band lists: the first starts at Brown (a value never starts with 0),
// the others at Black.
std::optional<int> DigitCode(int index, int position) {
    if (index == 0) {
        if (position >= 0 && position <= 8) return position + 1;
        return std::nullopt;
    }
    if (position >= 0 && position <= 9) return position;
    return std::nullopt;
}

// Multiplier lists: ten colours, then Gold (x 0.1) and Silver (x 0.01).
std::optional<int> MultiplierCode(int position) {
    if (position >= 0 && position <= 9) return position;
    if (position == 10) return kGold;
    if (position == 11) return kSilver;
    return std::nullopt;
}

// Tolerance list positions: Brown 1%, Red 2%, Gold 5%, Silver 10%, [blank] 20%,
// and in the precision formats Green 0.5%, Blue 0.25%, Violet 0.1%, Grey 0.05%.
struct ToleranceEntry {
    int code;  // the body code stands for [blank]
    const char* text;
    double percent;
};
constexpr ToleranceEntry kTolerances[] = {
    {1, "@ 1%", 1},      {2, "@ 2%", 2},       {kGold, "@ 5%", 5},  {kSilver, "@ 10%", 10}, {kTan, "@ 20%", 20},
    {5, "@ 0.5%", 0.5},  {6, "@ 0.25%", 0.25}, {7, "@ 0.1%", 0.1},  {8, "@ 0.05%", 0.05},
};
int ToleranceCount(BandFormat format) { return LayoutOf(format).precision ? 9 : 5; }

// Temperature coefficient colours Black to Grey, in ppm/K.
constexpr int kCoefficients[] = {250, 100, 50, 15, 25, 20, 10, 5, 1};
constexpr int kCoefficientCount = 9;

}  // namespace

std::string ResColCode(int code) {
    // Blue, green, red. Orange, yellow and green carry a blue of 1, not 0.
    static const char* const kTable[] = {
        "&HDFCDA8",  // -4 body of the 5-band picture (pale blue)
        "&H66CCFF",  // -3 body of the 4-band picture (tan)
        "&HF0F0F0",  // -2 Silver
        "&H61E3FF",  // -1 Gold
        "&H000000",  //  0 Black
        "&H004080",  //  1 Brown
        "&H0000FF",  //  2 Red
        "&H0180FF",  //  3 Orange
        "&H01FFFF",  //  4 Yellow
        "&H01FF00",  //  5 Green
        "&HFF0000",  //  6 Blue
        "&HFF00FF",  //  7 Violet
        "&HA0A0A0",  //  8 Grey
        "&HFFFFFF",  //  9 White
    };
    if (code < -4 || code > 9) return std::string();
    return kTable[code + 4];
}

BandLayout LayoutOf(BandFormat format) {
    switch (format) {
        case BandFormat::Four: return {2, kTan, false, false};
        case BandFormat::Five: return {3, kPaleBlue, false, false};
        case BandFormat::Six: break;
    }
    return {3, kPaleBlue, true, true};
}

int BodyCode(BandFormat format) { return LayoutOf(format).bodyCode; }

bool HasList(BandFormat format, int list) {
    const BandLayout layout = LayoutOf(format);
    if (list < 0 || list >= kBandLists) return false;
    // The multiplier list follows the digit lists; with two digits list 3 has no band.
    return list <= layout.digitBands || list == kToleranceList || (list == kCoefficientList && layout.coefficient);
}

std::vector<int> ListColours(BandFormat format, int list) {
    std::vector<int> out;
    const int digitBands = LayoutOf(format).digitBands;
    if (list == kToleranceList) {
        for (int i = 0; i < ToleranceCount(format); ++i)
            out.push_back(kTolerances[i].code == kTan ? BodyCode(format) : kTolerances[i].code);
        return out;
    }
    // The coefficient list keeps its entries (and its pick) in every format.
    if (list == kCoefficientList) {
        for (int c = 0; c < kCoefficientCount; ++c) out.push_back(c);
        return out;
    }
    if (list < 0 || list > 3) return out;
    for (int c = list == 0 ? 1 : 0; c <= 9; ++c) out.push_back(c);
    // List 3 is a multiplier whichever format shows it; list 2 only with two digits.
    if (list == 3 || (list == 2 && digitBands == 2)) {
        out.push_back(kGold);
        out.push_back(kSilver);
    }
    return out;
}

std::string ColourName(int code) {
    static const char* const kNames[] = {"Black", "Brown", "Red",    "Orange", "Yellow",
                                         "Green", "Blue",  "Violet", "Grey",   "White"};
    if (code >= 0 && code <= 9) return kNames[code];
    if (code == kGold) return "Gold";
    if (code == kSilver) return "Silver";
    return "[blank]";
}

int PickAfterSwitch(BandFormat format, int list, int position) {
    if (position < 0) return position;
    const std::size_t entries = ListColours(format, list).size();
    if (static_cast<std::size_t>(position) < entries) return position;
    return list == 2 ? 0 : -1;
}

std::optional<int> BandFillCode(int list, int position, BandFormat format) {
    switch (list) {
        case 0:
        case 1:
            return DigitCode(list, position);
        case 2:
        case 3:
            // Band 2 carries Gold and Silver only in the 4-band format, but a
            // list position means the same colour whichever list holds it.
            return MultiplierCode(position);
        case kToleranceList:
            if (position < 0 || position >= ToleranceCount(format)) return std::nullopt;
            return kTolerances[position].code == kTan ? BodyCode(format) : kTolerances[position].code;
        case kCoefficientList:
            if (position < 0 || position >= kCoefficientCount) return std::nullopt;
            return position;
        default:
            return std::nullopt;
    }
}

ColoursToValueResult ColoursToValue(BandFormat format, const BandPicks& positions) {
    ColoursToValueResult out;
    const int digitBands = LayoutOf(format).digitBands;
    const int multiplierBand = digitBands;
    const ColoursCheck missing = digitBands == 3 ? ColoursCheck::FirstFourMissing : ColoursCheck::FirstThreeMissing;

    std::string digits;
    for (int i = 0; i < digitBands; ++i) {
        const std::optional<int> d = DigitCode(i, positions[i]);
        if (!d) {
            out.check = missing;
            return out;
        }
        digits.push_back(static_cast<char>('0' + *d));
    }
    const std::optional<int> exponent = MultiplierCode(positions[multiplierBand]);
    if (!exponent) {
        out.check = missing;
        return out;
    }

    const double resistance = LeadingNumber(digits) * std::pow(10.0, *exponent);
    // Violet and up on the multiplier can pass 10 megohms; exactly 10M is fine.
    if (resistance > 10000000.0) {
        out.check = ColoursCheck::AboveTenMegohms;
        return out;
    }
    out.valueText = FormatRes(NumberText(resistance));

    const int tolerance = positions[kToleranceList];
    if (tolerance >= 0 && tolerance < ToleranceCount(format)) {
        out.toleranceText = kTolerances[tolerance].text;
        out.rangeText = ToleranceRangeText(resistance, kTolerances[tolerance].percent);
    }
    out.seriesText = SeriesText(resistance);
    const int coefficient = positions[kCoefficientList];
    if (LayoutOf(format).coefficient && coefficient >= 0 && coefficient < kCoefficientCount)
        out.coefficientText = TemperatureCoefficientText(kCoefficients[coefficient]);
    return out;
}

ValueToColoursResult ValueToColours(std::string_view typed, BandFormat format, int coefficientPick) {
    ValueToColoursResult out;
    const BandLayout layout = LayoutOf(format);
    const int body = layout.bodyCode;
    out.fills.fill(body);
    // The coefficient is picked, not computed: it stands whatever the value.
    if (layout.coefficient) out.fills[kCoefficientList] = BandFillCode(kCoefficientList, coefficientPick, format).value_or(body);
    if (typed.empty()) {
        out.check = ValueCheck::Empty;
        return out;
    }

    TypedResistance read = ReadResistance(typed);
    out.cleaned = std::move(read.cleaned);
    float r = read.ohms;
    out.resistance = r;
    out.ohms = LeadingNumber(PlainText(r));

    // Compared at single precision, so a typed 0.01 is still accepted.
    if (!(r >= 0.01F && r <= 10000000.0F)) {
        out.check = ValueCheck::OutOfRange;
        return out;
    }

    // Bring the value into [10, 100) or [100, 1000), one digit per band,
    // storing each step at single precision.
    const float low = layout.digitBands == 3 ? 100.0F : 10.0F;
    const float high = layout.digitBands == 3 ? 1000.0F : 100.0F;
    int exponent = 0;
    while (r >= high) {
        r = Single(static_cast<double>(r) / 10.0);
        ++exponent;
    }
    while (r < low) {
        r = Single(static_cast<double>(r) * 10.0);
        --exponent;
    }

    // Round the whole value, not just its last digit, so 99.6 becomes 100
    // (Brown, Black, Brown) rather than 90. A value that rounds up to the
    // next decade moves one place along the multiplier.
    double whole = std::nearbyint(static_cast<double>(r));
    if (whole >= high) {
        whole /= 10.0;
        ++exponent;
    }
    const int n = static_cast<int>(whole);  // within [10, 100] or [100, 1000]: safe
    out.exponent = exponent;

    // Below x 10^-4 no band colour exists; the band shows the body instead.
    const int multiplier = exponent >= -4 && exponent <= 9 ? exponent : body;
    // Digits from the most significant; the multiplier band follows them.
    for (int i = layout.digitBands - 1, rest = n; i >= 0; --i, rest /= 10) out.fills[i] = rest % 10;
    out.fills[layout.digitBands] = multiplier;
    // The series of the value the bands carry, which may differ from the one
    // typed: a 4K75 painted in 4 bands reads 4K8.
    out.seriesText = SeriesText(n * std::pow(10.0, exponent));
    return out;
}

std::string MessageText(ColoursCheck check) {
    switch (check) {
        case ColoursCheck::FirstThreeMissing: return "You must select at least the first 3 colours";
        case ColoursCheck::FirstFourMissing: return "You must select at least the first 4 colours";
        case ColoursCheck::AboveTenMegohms: return "Result is greater than 10Mohms";
        case ColoursCheck::Ok: break;
    }
    return std::string();
}

std::string MessageText(ValueCheck check) {
    switch (check) {
        case ValueCheck::Empty: return "You must enter a value!";
        case ValueCheck::OutOfRange: return "Enter a value between 0.01 and 10,000,000";
        case ValueCheck::Ok: break;
    }
    return std::string();
}

bool HasErrorTitle(ColoursCheck check) {
    return check == ColoursCheck::FirstThreeMissing || check == ColoursCheck::FirstFourMissing;
}

bool HasErrorTitle(ValueCheck check) { return check == ValueCheck::Empty; }

}  // namespace ohm
