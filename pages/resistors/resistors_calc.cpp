#include "pages/resistors/resistors_calc.h"

#include <cmath>
#include <utility>

#include "values/values.h"

namespace ohm {
namespace {

bool IsFive(int bandCount) { return bandCount == 5; }

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

int BodyCode(int bandCount) { return IsFive(bandCount) ? -4 : -3; }

std::optional<int> BandFillCode(int index, int position, int bandCount) {
    switch (index) {
        case 0:
        case 1:
            return DigitCode(index, position);
        case 2:
        case 3:
            // Band 2 carries Gold and Silver only in the 4-band format, but a
            // list position means the same colour whichever list holds it.
            return MultiplierCode(position);
        case 4:
            switch (position) {
                case 0: return 1;       // 1%  Brown
                case 1: return 2;       // 2%  Red
                case 2: return kGold;   // 5%
                case 3: return kSilver; // 10%
                case 4: return BodyCode(bandCount);  // 20%: no band at all
                default: return std::nullopt;
            }
        default:
            return std::nullopt;
    }
}

ColoursToValueResult ColoursToValue(int bandCount, const std::array<int, 5>& positions) {
    ColoursToValueResult out;
    const bool five = IsFive(bandCount);
    const int digitBands = five ? 3 : 2;
    const int multiplierBand = digitBands;

    std::string digits;
    for (int i = 0; i < digitBands; ++i) {
        const std::optional<int> d = DigitCode(i, positions[i]);
        if (!d) {
            out.check = five ? ColoursCheck::FirstFourMissing : ColoursCheck::FirstThreeMissing;
            return out;
        }
        digits.push_back(static_cast<char>('0' + *d));
    }
    const std::optional<int> exponent = MultiplierCode(positions[multiplierBand]);
    if (!exponent) {
        out.check = five ? ColoursCheck::FirstFourMissing : ColoursCheck::FirstThreeMissing;
        return out;
    }

    const double resistance = LeadingNumber(digits) * std::pow(10.0, *exponent);
    // Violet and up on the multiplier can pass 10 megohms; exactly 10M is fine.
    if (resistance > 10000000.0) {
        out.check = ColoursCheck::AboveTenMegohms;
        return out;
    }
    out.valueText = FormatRes(NumberText(resistance));

    static const char* const kTolerance[] = {"@ 1%", "@ 2%", "@ 5%", "@ 10%", "@ 20%"};
    if (positions[4] >= 0 && positions[4] <= 4) out.toleranceText = kTolerance[positions[4]];
    return out;
}

ValueToColoursResult ValueToColours(std::string_view typed, int bandCount) {
    ValueToColoursResult out;
    const bool five = IsFive(bandCount);
    const int body = BodyCode(bandCount);
    out.fills.fill(body);
    if (typed.empty()) {
        out.check = ValueCheck::Empty;
        return out;
    }

    TypedResistance read = ReadResistance(typed);
    out.cleaned = std::move(read.cleaned);
    float r = read.ohms;
    out.resistance = r;

    // Compared at single precision, so a typed 0.01 is still accepted.
    if (!(r >= 0.01F && r <= 10000000.0F)) {
        out.check = ValueCheck::OutOfRange;
        return out;
    }

    // Bring the value into [10, 100) or [100, 1000), one digit per band,
    // storing each step at single precision.
    const float low = five ? 100.0F : 10.0F;
    const float high = five ? 1000.0F : 100.0F;
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
    if (five) {
        out.fills = {n / 100, n / 10 % 10, n % 10, multiplier, body};
    } else {
        out.fills = {n / 10, n % 10, multiplier, body, body};
    }
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
