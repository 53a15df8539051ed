#include "pages/resistors/marking_calc.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <utility>

#include "pages/resistors/resistors_calc.h"
#include "values/series.h"
#include "values/values.h"

namespace ohm {
namespace {

constexpr std::string_view kLinkText = "Zero-ohm link";

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// A value as exact decimal digits: figures x 10^power. Markings carry at most
// three figures, so equal values compare without any floating point.
struct Decimal {
    long long figures = 0;
    int power = 0;
    bool operator==(const Decimal&) const = default;
};

Decimal Normalised(Decimal d) {
    while (d.figures != 0 && d.figures % 10 == 0) {
        d.figures /= 10;
        ++d.power;
    }
    return d;
}

double OhmsOf(Decimal d) {
    // Dividing by an exact power of ten rounds once, so 124 x 10^-2 is the
    // double nearest 1.24.
    if (d.power >= 0) return static_cast<double>(d.figures) * std::pow(10.0, d.power);
    return static_cast<double>(d.figures) / std::pow(10.0, -d.power);
}

long long FiguresOf(std::string_view digits) {
    long long n = 0;
    for (char c : digits) n = n * 10 + (c - '0');
    return n;
}

// EIA-96 multiplier letters and their powers of ten; the first letter of each
// pair is the one written.
struct Multiplier {
    char letter;
    int power;
};
constexpr std::array<Multiplier, 12> kMultipliers = {{
    {'Z', -3}, {'Y', -2}, {'R', -2}, {'X', -1}, {'S', -1}, {'A', 0},
    {'B', 1},  {'H', 1},  {'C', 2},  {'D', 3},  {'E', 4},  {'F', 5},
}};

// The E96 value of a decade as three figures, 100 to 976.
int E96Figures(size_t index) { return static_cast<int>(std::nearbyint(kE96Decade[index] * 100)); }

struct Reading {
    Decimal value;
    double percent = 0;  // 0 for a zero-ohm link
};

std::optional<Reading> EiaReading(std::string_view m) {
    if (m.size() != 3 || !IsDigit(m[0]) || !IsDigit(m[1])) return std::nullopt;
    const int code = static_cast<int>(FiguresOf(m.substr(0, 2)));
    if (code < 1 || code > 96) return std::nullopt;
    for (const Multiplier& x : kMultipliers)
        if (x.letter == m[2]) return Reading{{E96Figures(static_cast<size_t>(code - 1)), x.power}, 1};
    return std::nullopt;
}

// Digits with one R standing for the point: 4R7, R47, 47R, 12R0, R047.
std::optional<Reading> PointReading(std::string_view m) {
    const size_t r = m.find('R');
    if ((m.size() != 3 && m.size() != 4) || r == std::string_view::npos) return std::nullopt;
    std::string digits;
    for (size_t i = 0; i < m.size(); ++i) {
        if (i == r) continue;
        if (!IsDigit(m[i])) return std::nullopt;
        digits.push_back(m[i]);
    }
    const int decimals = static_cast<int>(m.size() - 1 - r);
    return Reading{{FiguresOf(digits), -decimals}, m.size() == 3 ? 5.0 : 1.0};
}

// 3 or 4 digits: the figures, then the power of ten. Zero figures carry no
// power: 000 and 0000 are links, 001 is nothing.
std::optional<Reading> DigitReading(std::string_view m) {
    if (m == "0") return Reading{};
    if (m.size() != 3 && m.size() != 4) return std::nullopt;
    for (char c : m)
        if (!IsDigit(c)) return std::nullopt;
    const long long figures = FiguresOf(m.substr(0, m.size() - 1));
    const int power = m.back() - '0';
    if (figures == 0 && power != 0) return std::nullopt;
    return Reading{{figures, power}, m.size() == 3 ? 5.0 : 1.0};
}

std::string ToleranceText(double percent) { return "@ " + WholeText(std::lround(percent)) + "%"; }

std::string UpperTrimmed(std::string_view typed) {
    std::string m = Trim(typed);
    for (char& c : m)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return m;
}

// ---- writing -------------------------------------------------------------

// The significant digits of a value and the place of the first one:
// 12400 is "124" with 5 digits before the point, 0.047 is "47" with -1.
struct Digits {
    std::string significant;
    int before = 0;  // digits before the point; 0 or less below 1

    int Last() const { return before - static_cast<int>(significant.size()); }  // power of the last digit
    char At(int power) const {
        const int index = before - 1 - power;
        if (index < 0 || index >= static_cast<int>(significant.size())) return '0';
        return significant[static_cast<size_t>(index)];
    }
    std::string Span(int high, int low) const {  // the digits from 10^high down to 10^low
        std::string out;
        for (int p = high; p >= low; --p) out.push_back(At(p));
        return out;
    }
};

// Read from the shortest decimal text of the single-precision value, which is
// what was typed, so the digits are decided exactly ("0.1" stays 1 x 10^-1).
Digits DigitsOf(float ohms) {
    const std::string plain = PlainText(ohms);
    const size_t point = plain.find('.');
    const std::string whole = plain.substr(0, point);
    std::string all = whole + (point == std::string::npos ? "" : plain.substr(point + 1));
    Digits d;
    d.before = static_cast<int>(whole.size());
    size_t first = all.find_first_not_of('0');
    if (first == std::string::npos) return Digits{};
    d.before -= static_cast<int>(first);
    all.erase(0, first);
    while (all.back() == '0') all.pop_back();
    d.significant = all;
    return d;
}

// Figures and a power of ten: two figures for 3 digits, three for 4.
std::optional<std::string> DigitMarking(const Digits& d, int figures) {
    const int power = d.before - figures;
    if (static_cast<int>(d.significant.size()) > figures || power < 0 || power > 9) return std::nullopt;
    return d.Span(d.before - 1, power) + static_cast<char>('0' + power);
}

// R as the point in `length` characters, for values the digits can't carry.
std::optional<std::string> PointMarking(const Digits& d, int length) {
    const int whole = std::max(d.before, 0);
    const int decimals = length - 1 - whole;
    if (d.Last() < -decimals) return std::nullopt;
    return d.Span(whole - 1, 0) + "R" + d.Span(-1, -decimals);
}

std::optional<std::string> EiaMarking(const Digits& d) {
    if (d.significant.size() > 3) return std::nullopt;
    const int figures = static_cast<int>(FiguresOf(d.Span(d.before - 1, d.before - 3)));
    const int power = d.before - 3;
    for (size_t i = 0; i < kE96Decade.size(); ++i) {
        if (E96Figures(i) != figures) continue;
        for (const Multiplier& x : kMultipliers)
            if (x.power == power) {
                const int code = static_cast<int>(i) + 1;
                return std::string{static_cast<char>('0' + code / 10), static_cast<char>('0' + code % 10), x.letter};
            }
    }
    return std::nullopt;
}

}  // namespace

MarkingReadResult ReadMarking(std::string_view typed) {
    MarkingReadResult out;
    const std::string m = UpperTrimmed(typed);
    std::optional<Reading> first = DigitReading(m);
    std::optional<Reading> second;
    if (!first) {
        first = PointReading(m);
        second = EiaReading(m);
        if (!first) std::swap(first, second);
    }
    if (!first) {
        out.check = MarkingCheck::NotAMarking;
        out.message = MessageText(out.check);
        return out;
    }

    out.marking = m;
    out.ohms = OhmsOf(first->value);
    out.valueText = ThreeFigureResistanceText(out.ohms);
    if (first->value.figures == 0) {
        out.seriesText = kLinkText;
        return out;
    }
    out.tolerancePercent = first->percent;
    out.toleranceText = ToleranceText(first->percent);
    out.rangeText = ToleranceRangeText(out.ohms, first->percent);
    out.seriesText = SeriesText(out.ohms);

    // 01R is 1 ohm read either way: a second reading only when it differs.
    if (second) {
        if (!(Normalised(first->value) == Normalised(second->value))) {
            out.otherOhms = OhmsOf(second->value);
            out.otherReadingText = "or " + ThreeFigureResistanceText(out.otherOhms) + " " +
                                   ToleranceText(second->percent) + " as EIA-96";
        }
    }
    return out;
}

MarkingWriteResult MarkingsFor(std::string_view typed) {
    MarkingWriteResult out;
    if (typed.empty()) {
        out.check = MarkingWriteCheck::Empty;
        out.message = MessageText(out.check);
        return out;
    }
    TypedResistance read = ReadResistance(typed);
    out.cleaned = std::move(read.cleaned);
    if (out.cleaned.find_first_of("0123456789") == std::string::npos) {
        out.check = MarkingWriteCheck::NotAValue;
        out.message = MessageText(out.check);
        return out;
    }
    // The double nearest the typed decimal, not the single-precision value,
    // so 4.7 is an E6 value.
    out.ohms = LeadingNumber(PlainText(read.ohms));

    const Digits d = DigitsOf(read.ohms);
    if (out.cleaned.find_first_of("123456789") == std::string::npos) {
        out.seriesText = kLinkText;
        out.markings = {"000", "0000"};
    } else {
        out.seriesText = SeriesText(out.ohms);
        const bool belowTen = d.before <= 1;
        const bool belowHundred = d.before <= 2;
        // No significant digits: a value below the single range, which no marking carries.
        if (!d.significant.empty())
            for (const std::optional<std::string>& m : {belowTen ? PointMarking(d, 3) : DigitMarking(d, 2),
                                                        belowHundred ? PointMarking(d, 4) : DigitMarking(d, 3),
                                                        EiaMarking(d)})
                if (m) out.markings.push_back(*m);
    }
    if (out.markings.empty()) {
        out.check = MarkingWriteCheck::NoMarking;
        out.message = MessageText(out.check);
        return out;
    }
    for (const std::string& m : out.markings) out.markingsText += (out.markingsText.empty() ? "" : ", ") + m;
    out.chipText = out.markings.front();
    return out;
}

std::string MessageText(MarkingCheck check) {
    switch (check) {
        case MarkingCheck::NotAMarking:
            return "Enter a marking: 3 or 4 digits (472, 4701), digits with R as the point (4R7, R47, 12R0), "
                   "or an EIA-96 code of two digits and a letter (01C)";
        case MarkingCheck::Ok: break;
    }
    return std::string();
}

std::string MessageText(MarkingWriteCheck check) {
    switch (check) {
        case MarkingWriteCheck::Empty: return MessageText(ValueCheck::Empty);
        case MarkingWriteCheck::NotAValue: return "Enter a value such as 4K7, 12.4K or 470";
        case MarkingWriteCheck::NoMarking:
            return "No marking carries this value: a marking holds at most three significant figures";
        case MarkingWriteCheck::Ok: break;
    }
    return std::string();
}

bool HasErrorTitle(MarkingCheck) { return false; }

bool HasErrorTitle(MarkingWriteCheck check) { return check == MarkingWriteCheck::Empty; }

}  // namespace ohm
