#include "values/values.h"

#include <algorithm>
#include <array>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstring>
#include <cstdio>
#include <system_error>

namespace ohm {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool IsSkippedBlank(char c) { return c == ' ' || c == '\t' || c == '\n'; }

int DigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return 99;
}

double ClampFinite(double v) {
    if (std::isnan(v)) return 0.0;
    if (v > DBL_MAX) return DBL_MAX;
    if (v < -DBL_MAX) return -DBL_MAX;
    return v;
}

// "&H1F" / "&O17": a whole number in base 16 or 8, as colour texts are written.
double ReadRadix(const std::string& s, int base) {
    double value = 0.0;
    for (size_t i = 2; i < s.size(); ++i) {
        const int d = DigitValue(s[i]);
        if (d >= base) break;
        value = value * base + d;
        if (value > DBL_MAX) return DBL_MAX;
    }
    return value;
}

// Decimal exponent of the first significant digit of a digit string with an
// optional point ("0.0047" gives -3); used only to tell overflow from underflow.
long long Magnitude(const std::string& mantissa) {
    const size_t point = mantissa.find('.');
    const size_t intEnd = point == std::string::npos ? mantissa.size() : point;
    for (size_t i = 0; i < intEnd; ++i)
        if (mantissa[i] != '0') return static_cast<long long>(intEnd - i) - 1;
    for (size_t i = intEnd + 1; i < mantissa.size(); ++i)
        if (mantissa[i] != '0') return -static_cast<long long>(i - intEnd);
    return 0;
}

}  // namespace

float Single(double value) {
    if (std::isnan(value)) return static_cast<float>(value);
    if (value > FLT_MAX) return FLT_MAX;
    if (value < -FLT_MAX) return -FLT_MAX;
    return static_cast<float>(value);
}

double DecimalOf(float value) {
    if (!std::isfinite(value)) return ClampFinite(value);
    std::array<char, 32> buffer{};
    const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value).ptr;
    double decimal = value;
    std::from_chars(buffer.data(), end, decimal);
    return decimal;
}

double LeadingNumber(std::string_view text) {
    std::string s;
    s.reserve(text.size());
    for (char c : text)
        if (!IsSkippedBlank(c)) s.push_back(c);

    if (s.size() >= 2 && s[0] == '&') {
        if (s[1] == 'H' || s[1] == 'h') return ReadRadix(s, 16);
        if (s[1] == 'O' || s[1] == 'o') return ReadRadix(s, 8);
    }

    size_t i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        negative = s[i] == '-';
        ++i;
    }
    std::string mantissa;
    bool point = false;
    int digits = 0;
    for (; i < s.size(); ++i) {
        const char c = s[i];
        if (IsDigit(c)) {
            mantissa.push_back(c);
            ++digits;
        } else if (c == '.' && !point) {
            point = true;
            mantissa.push_back(c);
        } else {
            break;
        }
    }
    if (digits == 0) return 0.0;

    // Exponent: E or D in either case, optional sign, at least one digit;
    // a letter with no digits after it is not part of the number ('1E' is 1).
    bool expNegative = false;
    std::string expDigits;
    if (i < s.size() && (s[i] == 'E' || s[i] == 'e' || s[i] == 'D' || s[i] == 'd')) {
        size_t j = i + 1;
        bool sign = false;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) {
            sign = s[j] == '-';
            ++j;
        }
        size_t k = j;
        while (k < s.size() && IsDigit(s[k])) ++k;
        if (k > j) {
            expNegative = sign;
            size_t first = j;
            while (first + 1 < k && s[first] == '0') ++first;  // leading zeros say nothing
            expDigits = s.substr(first, k - first);
            // Past a million the result is 0 or out of range whatever the mantissa.
            if (expDigits.size() > 7) expDigits = "9999999";
        }
    }

    std::string whole = mantissa;
    if (!expDigits.empty()) whole += (expNegative ? "e-" : "e") + expDigits;

    double value = 0.0;
    const auto [ptr, ec] = std::from_chars(whole.data(), whole.data() + whole.size(), value,
                                           std::chars_format::general);
    (void)ptr;
    if (ec == std::errc::result_out_of_range) {
        long long exponent = expDigits.empty() ? 0 : std::stoll(expDigits);
        if (expNegative) exponent = -exponent;
        value = Magnitude(mantissa) + exponent > 0 ? DBL_MAX : 0.0;
    } else if (ec != std::errc()) {
        value = 0.0;
    }
    value = ClampFinite(negative ? -value : value);
    return value == 0.0 ? 0.0 : value;  // no negative zero
}

namespace {

// Plain writing of a positive finite magnitude with `sig` significant digits.
template <typename T>
std::string Magnitude(T mag, int sig) {
    if (mag == 0) return "0";
    std::array<char, 64> buf{};
    const auto res = std::to_chars(buf.data(), buf.data() + buf.size(), mag,
                                   std::chars_format::scientific, sig - 1);
    const std::string sci(buf.data(), res.ptr);
    const size_t e = sci.find('e');
    std::string digits;
    for (size_t i = 0; i < e; ++i)
        if (IsDigit(sci[i])) digits.push_back(sci[i]);
    const int exponent = std::stoi(sci.substr(e + 1));
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();

    if (exponent < -4 || exponent >= sig) {
        std::string out(1, digits[0]);
        if (digits.size() > 1) out += "." + digits.substr(1);
        std::string expText = std::to_string(exponent < 0 ? -exponent : exponent);
        if (expText.size() < 2) expText = "0" + expText;
        return out + "E" + (exponent < 0 ? "-" : "+") + expText;
    }
    if (exponent >= 0) {
        const size_t intLen = static_cast<size_t>(exponent) + 1;
        if (digits.size() <= intLen) return digits + std::string(intLen - digits.size(), '0');
        return digits.substr(0, intLen) + "." + digits.substr(intLen);
    }
    return "." + std::string(static_cast<size_t>(-exponent - 1), '0') + digits;
}

template <typename T>
std::string SignedText(T value, int sig, T largest) {
    if (std::isnan(value)) return " 0";
    if (value > largest) value = largest;
    if (value < -largest) value = -largest;
    if (value < 0) return "-" + Magnitude<T>(-value, sig);
    return " " + Magnitude<T>(value, sig);
}

// The shortest digits that read back as the same value (from to_chars in
// scientific form, so the digits never depend on the library's fixed-form
// policy), laid out in plain writing: trailing zeros instead of an exponent.
template <typename T>
std::string Plain(T value, T largest) {
    if (std::isnan(value)) return "0";
    if (value > largest) value = largest;
    if (value < -largest) value = -largest;
    if (value == 0) return "0";  // also drops the sign of a negative zero
    std::array<char, 64> buf{};
    const auto res = std::to_chars(buf.data(), buf.data() + buf.size(), value, std::chars_format::scientific);
    if (res.ec != std::errc()) return "0";
    const std::string sci(buf.data(), res.ptr);
    const size_t e = sci.find('e');
    std::string digits;
    for (size_t i = 0; i < e; ++i)
        if (sci[i] >= '0' && sci[i] <= '9') digits.push_back(sci[i]);
    int exponent = 0;
    std::from_chars(sci.data() + e + 1 + (sci[e + 1] == '+' ? 1 : 0), sci.data() + sci.size(), exponent);

    std::string out = value < 0 ? "-" : "";
    if (exponent < 0) return out + "0." + std::string(static_cast<size_t>(-exponent - 1), '0') + digits;
    const size_t whole = static_cast<size_t>(exponent) + 1;
    if (digits.size() <= whole) return out + digits + std::string(whole - digits.size(), '0');
    return out + digits.substr(0, whole) + "." + digits.substr(whole);
}

}  // namespace

std::string NumberText(double value) { return SignedText<double>(value, 15, DBL_MAX); }

std::string NumberText(float value) { return SignedText<float>(value, 7, FLT_MAX); }

std::string PlainText(double value) { return Plain<double>(value, DBL_MAX); }

std::string PlainText(float value) { return Plain<float>(value, FLT_MAX); }

std::string NumberIn(std::string_view text) {
    std::string out;
    for (char c : text)
        if (c == '-' || c == '.' || IsDigit(c)) out.push_back(c);
    return out;
}

std::string NoSpaces(std::string_view text) {
    std::string out;
    for (char c : text)
        if (c != ' ') out.push_back(c);
    return out;
}

std::string Trim(std::string_view text) {
    size_t b = 0;
    size_t e = text.size();
    while (b < e && text[b] == ' ') ++b;
    while (e > b && text[e - 1] == ' ') --e;
    return std::string(text.substr(b, e - b));
}

std::string DropSignBlank(std::string_view text) {
    if (!text.empty() && text[0] == ' ') text.remove_prefix(1);
    return std::string(text);
}

std::string TwoPart(std::string_view fault, std::string_view advice) {
    return std::string(fault) + "\r\r" + std::string(advice);
}

std::string CapZeroPrompt() {
    return TwoPart("Entry Error:  Capacitor = 0", "You must enter a capacitor value above zero!");
}

std::string WholeText(long long value) { return std::to_string(value); }

std::string MillivoltsText(double volts) {
    // Clamped well inside long long, so the conversion is always defined.
    const double mv = std::clamp(std::round(ClampFinite(volts) * 1000), -1e15, 1e15);
    return WholeText(static_cast<long long>(mv)) + " mV";
}

std::string CurrentText(double amperes) { return EngineeringText(amperes, 3, "A", -6, 0, Prefixes::MetricAscii); }

std::string PowerText(double watts) { return EngineeringText(watts, 3, "W", -6, 0, Prefixes::MetricAscii); }

namespace {

// One row of a formatting table: the single-precision range it covers.
struct Range {
    float lo;
    float hi;
    bool loIncluded;
    bool hiIncluded;
    bool Contains(float v) const {
        return (loIncluded ? v >= lo : v > lo) && (hiIncluded ? v <= hi : v < hi);
    }
};

// Index of the row covering v. A value in a gap between rows is first moved
// to the nearest value a row covers (on a tie, the one of larger magnitude),
// so a result is never empty.
template <size_t N>
size_t CoveringRow(const std::array<Range, N>& rows, float& v) {
    for (size_t i = 0; i < N; ++i)
        if (rows[i].Contains(v)) return i;
    float best = v;
    double bestDistance = INFINITY;
    for (const Range& r : rows) {
        for (float edge : {r.lo, r.hi}) {
            const double d = std::fabs(static_cast<double>(edge) - static_cast<double>(v));
            if (d < bestDistance || (d == bestDistance && std::fabs(edge) > std::fabs(best))) {
                bestDistance = d;
                best = edge;
            }
        }
    }
    v = best;
    for (size_t i = 0; i < N; ++i)
        if (rows[i].Contains(v)) return i;
    return 0;  // unreachable: every edge is covered by some row
}

double HalfUp(double y) { return std::floor(y + 0.5); }

double HalfEven(double y) { return std::nearbyint(y); }

std::string FormatResMagnitude(float r) {
    static const std::array<Range, 9> rows{{
        {0.0F, 1.0F, true, false},
        {1.0F, 9.999999F, true, true},
        {10.0F, 99.99999F, true, true},
        {100.0F, 999.9999F, true, true},
        {1000.0F, 10000.0F, true, true},
        {10000.0F, 100000.0F, false, true},
        {100000.0F, 999999.0F, false, true},
        {1000000.0F, 10000000.0F, true, true},
        {10000000.0F, FLT_MAX, false, true},
    }};
    const size_t row = CoveringRow(rows, r);
    const double R = r;
    switch (row) {
        case 0: {
            const double v = HalfUp(R * 100) / 100;
            std::string t = NoSpaces(NumberText(v));
            if (v > 0 && v < 1) t = "0" + t;
            return t;
        }
        case 1: return NoSpaces(NumberText(HalfUp(R * 100) / 100));
        case 2: return NoSpaces(NumberText(HalfUp(R * 10) / 10));
        case 3: return NoSpaces(NumberText(HalfUp(R)));
        case 4: return NoSpaces(NumberText(HalfUp(R / 10) / 100) + "K");
        case 5: return NoSpaces(NumberText(HalfUp(R / 100) / 10) + "K");
        case 6: return NoSpaces(NumberText(HalfUp(R / 1000)) + "K");
        case 7: return NoSpaces(NumberText(HalfUp(R / 10000) / 100) + "M");
        default: return NoSpaces(NumberText(HalfUp(R / 1000000)) + "M");
    }
}

}  // namespace

std::string FormatRes(std::string_view text) {
    const float r = Single(LeadingNumber(text));
    if (r < 0) return "-" + FormatResMagnitude(-r);
    return FormatResMagnitude(r);
}

std::string FormatVolt(std::string_view text) {
    static const std::array<Range, 9> rows{{
        {-FLT_MAX, -100.0F, true, true},
        {-99.999F, -10.0F, true, true},
        {-9.9999F, -1.0F, true, true},
        {-0.99F, -0.01F, true, true},
        {0.0F, 0.0F, true, true},
        {0.01F, 0.99F, true, true},
        {1.0F, 9.9999F, true, true},
        {10.0F, 99.999F, true, true},
        {100.0F, FLT_MAX, true, true},
    }};
    float v = Single(LeadingNumber(NumberIn(text)));
    const size_t row = CoveringRow(rows, v);
    const double V = v;
    std::string t;
    switch (row) {
        case 0: t = NumberText(Single(std::floor(V))); break;
        case 1: t = NumberText(HalfEven(V * 10) / 10); break;
        case 2: t = NumberText(HalfEven(V * 100) / 100); break;
        case 3: t = "-0" + DropSignBlank(NumberText(HalfEven(std::fabs(V) * 100) / 100)); break;
        case 4: return "0v";
        case 5: t = "0" + DropSignBlank(NumberText(HalfEven(V * 100) / 100)); break;
        case 6: t = NumberText(HalfEven(V * 100) / 100); break;
        case 7: t = NumberText(HalfEven(V * 10) / 10); break;
        default: t = NumberText(Single(std::floor(V))); break;
    }
    return Trim(t + "v");
}

TypedResistance ReadResistance(std::string_view typed) {
    TypedResistance out;
    for (char c : typed)
        if (IsDigit(c) || c == '.' || c == 'K' || c == 'M') out.cleaned.push_back(c);

    // The letters work as decimal points: 4K7 and 4.7K are both 4700.
    std::string work = out.cleaned;
    out.ohms = Single(LeadingNumber(work));
    if (const size_t k = work.find('K'); k != std::string::npos) {
        work[k] = '.';
        out.ohms = Single(LeadingNumber(work) * 1000.0);
    }
    if (const size_t m = work.find('M'); m != std::string::npos) {
        work[m] = '.';
        out.ohms = Single(LeadingNumber(work) * 1000000.0);
    }
    return out;
}

std::string EngineeringText(double value, int figures, std::string_view unit, int lowestPower, int highestPower,
                            Prefixes style) {
    figures = std::clamp(figures, 1, 17);
    const double v = ClampFinite(value);

    // The shortest decimal that reads back as the value, rounded by hand with
    // halves upwards: a part at 10K + 0.05% ends at 10.01K, and 6.435 s
    // (stored as 6.43499...) reads 6.44 s, not 6.43 s.
    std::array<char, 64> buffer{};
    const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), std::fabs(v),
                                   std::chars_format::scientific).ptr;
    const std::string_view printed(buffer.data(), static_cast<size_t>(end - buffer.data()));
    const size_t e = printed.find('e');
    std::string digits;
    for (char c : printed.substr(0, e))
        if (IsDigit(c)) digits.push_back(c);
    digits.resize(std::max(digits.size(), static_cast<size_t>(figures) + 1), '0');
    int exponent = 0;
    std::from_chars(printed.data() + e + 1 + (printed[e + 1] == '+'), printed.data() + printed.size(), exponent);
    const bool up = digits[static_cast<size_t>(figures)] >= '5';
    digits.resize(static_cast<size_t>(figures));
    if (up) {
        size_t i = digits.size();
        while (i > 0 && digits[i - 1] == '9') digits[--i] = '0';
        if (i == 0) {
            digits.insert(digits.begin(), '1');
            digits.pop_back();
            ++exponent;
        } else {
            ++digits[i - 1];
        }
    }
    if (v == 0) exponent = 0;

    // The prefix: the power of a thousand at or below the number, within reach.
    const int low = lowestPower - ((lowestPower % 3) + 3) % 3;
    const int high = std::max(low, highestPower - ((highestPower % 3) + 3) % 3);
    const int floorThree = exponent >= 0 ? exponent / 3 * 3 : -((-exponent + 2) / 3 * 3);
    const int power = std::clamp(floorThree, low, high);

    // Place the point: the first digit stands at 10^(exponent - power).
    const int point = exponent - power + 1;  // digits before the point
    std::string whole, fraction;
    if (point <= 0) {
        whole = "0";
        fraction = std::string(static_cast<size_t>(-point), '0') + digits;
    } else if (static_cast<size_t>(point) >= digits.size()) {
        whole = digits + std::string(static_cast<size_t>(point) - digits.size(), '0');
    } else {
        whole = digits.substr(0, static_cast<size_t>(point));
        fraction = digits.substr(static_cast<size_t>(point));
    }
    while (!fraction.empty() && fraction.back() == '0') fraction.pop_back();

    std::string out = v < 0 ? "-" : "";
    out += whole;
    if (!fraction.empty()) out += "." + fraction;

    static constexpr std::string_view kResistor[] = {"", "K", "M", "G"};
    static constexpr std::string_view kMetric[] = {"n", "µ", "m", "", "k", "M", "G"};
    static constexpr std::string_view kAscii[] = {"n", "u", "m", "", "k", "M", "G"};
    const int step = power / 3;
    if (style == Prefixes::Resistor) {
        if (step >= 0 && step <= 3) out += kResistor[step];
        return out + std::string(unit);
    }
    out += ' ';
    if (step >= -3 && step <= 3) out += (style == Prefixes::Metric ? kMetric : kAscii)[step + 3];
    return out + std::string(unit);
}

std::string ThreeFigureResistanceText(double ohms) { return EngineeringText(ohms, 3, "", 0, 6, Prefixes::Resistor); }

std::string ToleranceRangeText(double ohms, double percent) {
    // A resistance the page stored in single precision counts as the decimal it was stored for.
    if (std::isfinite(ohms) && std::fabs(ohms) <= FLT_MAX && static_cast<double>(static_cast<float>(ohms)) == ohms)
        ohms = DecimalOf(static_cast<float>(ohms));
    // The ends cleared of binary noise at 15 figures, so an exact half (24.9 ohms at 5% is 23.655 to 26.145)
    // rounds up at both ends; values and percentages carry far fewer figures than that.
    auto decimal = [](double x) {
        std::array<char, 40> buffer{};
        std::snprintf(buffer.data(), buffer.size(), "%.15g", x);
        double cleared = x;
        std::from_chars(buffer.data(), buffer.data() + std::strlen(buffer.data()), cleared);
        return cleared;
    };
    const double low = decimal(ohms * (100.0 - percent) / 100.0);
    const double high = decimal(ohms * (100.0 + percent) / 100.0);
    return EngineeringText(low, 4, "", 0, 6, Prefixes::Resistor) + " to " +
           EngineeringText(high, 4, "", 0, 6, Prefixes::Resistor);
}

std::string TemperatureCoefficientText(double ppmPerKelvin) {
    return EngineeringText(ppmPerKelvin, 3, "ppm/K", 0, 0, Prefixes::Metric);
}

}  // namespace ohm
