#include "pages/capacitors/cap_marking_calc.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <vector>

#include "pages/capacitors/capacitors_calc.h"
#include "values/readouts.h"
#include "values/values.h"

namespace ohm {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// A capacitance as exact decimal digits: figures x 10^power picofarads, so a
// code written for a value reads back as exactly that value.
struct Picofarads {
    long long figures = 0;
    int power = 0;
};

double ValueOf(Picofarads p, int shift = 0) {
    // One division or multiplication by an exact power of ten rounds once:
    // 47 x 10^-2 is the double nearest 0.47.
    const int power = p.power - shift;
    if (power >= 0) return static_cast<double>(p.figures) * std::pow(10.0, power);
    return static_cast<double>(p.figures) / std::pow(10.0, -power);
}

// ---- reading -----------------------------------------------------------------

// A marking split into its parts: numbers (digits with at most one point,
// kept whole) and single letters, upper case. Blanks only separate parts.
struct Part {
    std::string text;
    bool number = false;
};

// No more digits than a long long holds exactly; no marking comes near.
constexpr std::size_t kMostDigits = 15;

std::optional<std::vector<Part>> Split(std::string_view typed) {
    std::vector<Part> parts;
    bool inNumber = false;
    for (std::size_t i = 0; i < typed.size(); ++i) {
        const char c = typed[i];
        if (IsDigit(c) || c == '.') {
            if (!inNumber) parts.push_back({std::string(), true});
            parts.back().text.push_back(c);
            inNumber = true;
            continue;
        }
        inNumber = false;
        if (c == ' ' || c == '\t') continue;
        // Micro as the micro sign (U+00B5) or the Greek letter mu (U+03BC), in UTF-8.
        if ((c == '\xC2' || c == '\xCE') && i + 1 < typed.size() &&
            ((c == '\xC2' && typed[i + 1] == '\xB5') || (c == '\xCE' && typed[i + 1] == '\xBC'))) {
            parts.push_back({"U", false});
            ++i;
            continue;
        }
        if (c >= 'a' && c <= 'z') {
            parts.push_back({std::string(1, static_cast<char>(c - 'a' + 'A')), false});
        } else if (c >= 'A' && c <= 'Z') {
            parts.push_back({std::string(1, c), false});
        } else {
            return std::nullopt;
        }
    }
    for (const Part& p : parts)
        if (p.number && (p.text == "." || std::count(p.text.begin(), p.text.end(), '.') > 1 ||
                         p.text.size() > kMostDigits + 1))
            return std::nullopt;
    return parts;
}

struct VoltageCode {
    const char* code;
    double volts;
};
constexpr std::array<VoltageCode, 25> kVoltageCodes = {{
    {"0G", 4},    {"0L", 5.5},  {"0J", 6.3},  {"1A", 10},   {"1C", 16},   {"1D", 20},   {"1E", 25},
    {"1V", 35},   {"1H", 50},   {"1J", 63},   {"1K", 80},   {"2A", 100},  {"2Q", 110},  {"2B", 125},
    {"2C", 160},  {"2D", 200},  {"2P", 220},  {"2E", 250},  {"2F", 315},  {"2V", 350},  {"2G", 400},
    {"2W", 450},  {"2H", 500},  {"2J", 630},  {"3A", 1000},
}};

// Tolerance letters: picofarads for the small values, a percentage otherwise.
struct Tolerance {
    char letter;
    double below;  // how far the value may lie below, in pF or %
    double above;
    bool percent;
    const char* text;
};
constexpr std::array<Tolerance, 9> kTolerances = {{
    {'B', 0.1, 0.1, false, "±0.1 pF"},
    {'C', 0.25, 0.25, false, "±0.25 pF"},
    {'D', 0.5, 0.5, false, "±0.5 pF"},
    {'F', 1, 1, true, "±1%"},
    {'G', 2, 2, true, "±2%"},
    {'J', 5, 5, true, "±5%"},
    {'K', 10, 10, true, "±10%"},
    {'M', 20, 20, true, "±20%"},
    {'Z', 20, 80, true, "+80%/-20%"},
}};

int PrefixPower(const std::string& letter) {
    if (letter == "P") return 0;
    if (letter == "N") return 3;
    if (letter == "U") return 6;
    return -1;
}

// Digits with an optional point as figures and a power: "0.1" is 1 x 10^-1.
// Nothing for more figures than are kept exactly.
std::optional<Picofarads> Decimal(const std::string& digits, int power) {
    Picofarads p{0, power};
    bool afterPoint = false;
    std::size_t figures = 0;
    for (char c : digits) {
        if (c == '.') {
            afterPoint = true;
            continue;
        }
        if (p.figures > 0 || c != '0') ++figures;
        p.figures = p.figures * 10 + (c - '0');
        if (afterPoint) --p.power;
    }
    if (figures > kMostDigits) return std::nullopt;
    return p;
}

struct Marking {
    std::optional<Picofarads> value;
    bool threeDigitCode = false;
    const Tolerance* tolerance = nullptr;
    std::optional<double> volts;
};

// Reads the value and what follows it from part `at` on; nothing unless every part is used.
std::optional<Marking> ReadFrom(const std::vector<Part>& parts, std::size_t at, bool voltageCoded) {
    Marking m;
    const auto part = [&](std::size_t i) -> const Part* { return i < parts.size() ? &parts[i] : nullptr; };
    const auto letterAt = [&](std::size_t i) { return part(i) != nullptr && !part(i)->number; };
    const auto wholeAt = [&](std::size_t i) {
        return part(i) != nullptr && part(i)->number && part(i)->text.find('.') == std::string::npos;
    };

    // The value: a number, a prefix letter, or both, in one of the four forms.
    std::size_t i = at;
    if (letterAt(i) && PrefixPower(parts[i].text) >= 0) {  // p47, n10
        if (!wholeAt(i + 1)) return std::nullopt;
        const std::string& after = parts[i + 1].text;
        m.value = Decimal(after, PrefixPower(parts[i].text) - static_cast<int>(after.size()));
        i += 2;
    } else if (part(i) != nullptr && part(i)->number) {
        const std::string& number = parts[i].text;
        if (letterAt(i + 1) && PrefixPower(parts[i + 1].text) >= 0) {
            const int power = PrefixPower(parts[i + 1].text);
            if (number.find('.') == std::string::npos && wholeAt(i + 2)) {  // 4n7, 12n34
                const std::string& after = parts[i + 2].text;
                m.value = Decimal(number + after, power - static_cast<int>(after.size()));
                i += 3;
            } else {  // 47n, 0.1u, and F straight after the letter is farads: 22pF
                m.value = Decimal(number, power);
                i += 2;
                if (letterAt(i) && parts[i].text == "F") ++i;
            }
        } else if (number.find('.') != std::string::npos) {
            return std::nullopt;
        } else if (number.size() == 3) {  // XY x 10^Z pF; Z 8 and 9 are x 0.01 and x 0.1, 7 is no code
            const int z = number[2] - '0';
            if (z == 7) return std::nullopt;
            m.value = Picofarads{(number[0] - '0') * 10 + (number[1] - '0'), z == 8 ? -2 : z == 9 ? -1 : z};
            m.threeDigitCode = true;
            ++i;
        } else if (number.size() <= 2) {  // picofarads
            m.value = Decimal(number, 0);
            ++i;
        } else {
            return std::nullopt;
        }
    } else {
        return std::nullopt;
    }
    if (!m.value || m.value->figures == 0) return std::nullopt;  // zero is no capacitor

    if (letterAt(i))
        for (const Tolerance& t : kTolerances)
            if (parts[i].text[0] == t.letter) {
                m.tolerance = &t;
                ++i;
                break;
            }
    if (!voltageCoded && part(i) != nullptr && part(i)->number && letterAt(i + 1) && parts[i + 1].text == "V") {
        m.volts = LeadingNumber(parts[i].text);
        i += 2;
    }
    if (i != parts.size()) return std::nullopt;
    return m;
}

std::optional<Marking> Read(std::string_view typed) {
    const std::optional<std::vector<Part>> parts = Split(typed);
    if (!parts) return std::nullopt;
    // A voltage code: one digit, then its letter.
    std::optional<Marking> coded;
    if (parts->size() >= 2 && (*parts)[0].number && (*parts)[0].text.size() == 1 && !(*parts)[1].number) {
        const std::string code = (*parts)[0].text + (*parts)[1].text;
        for (const VoltageCode& v : kVoltageCodes)
            if (code == v.code) {
                coded = ReadFrom(*parts, 2, true);
                if (coded) coded->volts = v.volts;
            }
    }
    // "2P" is 220 V, but "2p2" is 2.2 pF: the voltage code wins only before a
    // three-digit code, or where the text reads no other way ("2P 4n7").
    if (coded && coded->threeDigitCode) return coded;
    if (std::optional<Marking> plain = ReadFrom(*parts, 0, false)) return plain;
    return coded;
}

// The largest unit of the list (pF, nF, uF, mF) that keeps the number at 1 or more.
int UnitFor(Picofarads p) {
    int digits = 0;
    for (long long f = p.figures; f > 0; f /= 10) ++digits;
    const int magnitude = p.power + digits - 1;  // power of ten of the first figure
    return std::clamp(magnitude >= 0 ? magnitude / 3 : 0, 0, 3);
}

std::string Readout(const Marking& m, double pf) {
    std::string out = CapacitanceText(pf);
    if (const Tolerance* t = m.tolerance) {
        const double low = t->percent ? pf * (100 - t->below) / 100 : pf - t->below;
        const double high = t->percent ? pf * (100 + t->above) / 100 : pf + t->above;
        // ±0.5 pF on 0.47 pF reaches below zero; no part is smaller than nothing.
        out += std::string(" ") + t->text + " (" + CapacitanceText(std::max(low, 0.0)) + " to " +
               CapacitanceText(high) + ")";
    }
    if (m.volts) out += ", " + EngineeringText(*m.volts, 3, "V", 0, 0, Prefixes::Metric);
    return out;
}

// ---- writing -----------------------------------------------------------------

// The significant digits of a value: 4700 is "47" with 4 digits before the
// point, 0.047 is "47" with -1. Read from the shortest decimal text of the
// double, which is what was typed.
struct Digits {
    std::string significant;
    int before = 0;
};

Digits DigitsOf(double value) {
    const std::string plain = PlainText(value);
    const std::size_t point = plain.find('.');
    const std::string whole = plain.substr(0, point);
    std::string all = whole + (point == std::string::npos ? "" : plain.substr(point + 1));
    Digits d;
    const std::size_t first = all.find_first_not_of('0');
    if (first == std::string::npos) return d;
    d.before = static_cast<int>(whole.size()) - static_cast<int>(first);
    all.erase(0, first);
    while (all.back() == '0') all.pop_back();
    d.significant = all;
    return d;
}

std::string ThreeDigitCode(const Digits& pf) {
    if (pf.significant.size() > 2) return std::string();
    const std::string xy = pf.significant.size() == 2 ? pf.significant : pf.significant + "0";
    const int z = pf.before - 2;  // the value is XY x 10^z pF
    if (z >= 0 && z <= 6) return xy + static_cast<char>('0' + z);
    if (z == -1) return xy + "9";  // 1.0 to 9.9 pF
    if (z == -2) return xy + "8";  // 0.10 to 0.99 pF
    return std::string();
}

std::string LetterCode(const Digits& pf) {
    if (pf.significant.size() > 3) return std::string();
    // The largest of p, n and u that keeps the number at 1 or more; from
    // 1000 uF up it stays u (1000u).
    const int step = std::clamp((pf.before - 1) / 3, 0, 2);
    const int before = pf.before - 3 * step;  // digits before the letter
    std::string whole, fraction;
    for (int k = 0; k < std::max(before, 0); ++k)
        whole.push_back(k < static_cast<int>(pf.significant.size()) ? pf.significant[static_cast<std::size_t>(k)] : '0');
    if (before < 0) fraction = std::string(static_cast<std::size_t>(-before), '0') + pf.significant;
    else if (before < static_cast<int>(pf.significant.size())) fraction = pf.significant.substr(static_cast<std::size_t>(before));
    // At least two digits: 1u0, p10; and no more than a marking is read with.
    if (whole.size() + fraction.size() < 2) fraction += "0";
    if (whole.size() > kMostDigits || fraction.size() > kMostDigits) return std::string();
    return whole + "pnu"[step] + fraction;
}

}  // namespace

CapMarkingReading ReadCapMarking(std::string_view typed) {
    CapMarkingReading out;
    const std::optional<Marking> m = Read(typed);
    if (!m) {
        out.check = CapMarkingCheck::NotAMarking;
        out.message = MessageText(out.check, typed);
        return out;
    }
    out.picofarads = ValueOf(*m->value);
    out.unit = UnitFor(*m->value);
    out.valueText = PlainText(ValueOf(*m->value, 3 * out.unit));
    out.readout = Readout(*m, out.picofarads);
    return out;
}

CapCodes CodesForCapacitance(std::string_view capText, int unit) {
    CapCodes out;
    // No selection reads as microfarads, as the voltages are worked out.
    const int power = 3 * (unit >= 0 && unit <= 3 ? unit : 2);
    const double number = LeadingNumber(capText);
    if (number > 0 && number < 1e300) {
        Digits pf = DigitsOf(number);
        pf.before += power;
        if (!pf.significant.empty()) {
            out.threeDigit = ThreeDigitCode(pf);
            out.letter = LetterCode(pf);
        }
    }
    if (out.letter.empty()) out.text = "No code";
    else if (out.threeDigit.empty()) out.text = "Code " + out.letter;
    else out.text = "Code " + out.threeDigit + ", or " + out.letter;
    return out;
}

std::string MessageText(CapMarkingCheck check, std::string_view typed) {
    if (check == CapMarkingCheck::Ok) return std::string();
    // What was typed, cut short on a whole UTF-8 character.
    std::string shown(typed.substr(0, 24));
    while (shown.size() < typed.size() && !shown.empty() && (static_cast<unsigned char>(typed[shown.size()]) & 0xC0) == 0x80)
        shown.pop_back();
    if (shown.size() < typed.size()) shown += "...";
    return TwoPart("Entry Error:  \"" + shown + "\" is not a capacitor marking",
                   "Type a marking such as 104, 473J, 2A104J, 4n7, p47 or 0.1uF");
}

}  // namespace ohm
