// Resistor colour codes: the colour table and both directions of conversion,
// bands to value and value to bands. Plain C++, no toolkit types: the page
// reads its controls, calls these and paints what they return.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace ohm {

// Colour codes: 0..9 the digit colours, -1 Gold and -2 Silver (the fractional
// multipliers), -3 and -4 the body colours of the 4-band (tan) and 5-band
// (pale blue) resistor pictures, used for a band that shows no colour.
inline constexpr int kGold = -1;
inline constexpr int kSilver = -2;

// The display colour of a code as an "&HBBGGRR" text; empty outside -4..9.
std::string ResColCode(int code);

// The body colour code of a band format: -3 for 4 bands, -4 for 5 bands.
int BodyCode(int bandCount);

// What picking entry `position` of band list `index` paints on that band's
// rectangle; nothing for no selection (or a position the list cannot hold).
std::optional<int> BandFillCode(int index, int position, int bandCount);

// ---- colours to value ----------------------------------------------------

enum class ColoursCheck {
    Ok,
    FirstThreeMissing,  // 4 bands: a digit or the multiplier band has no colour
    FirstFourMissing,   // 5 bands: the same
    AboveTenMegohms,    // more than the 10 000 000 ohms the page shows
};

struct ColoursToValueResult {
    ColoursCheck check = ColoursCheck::Ok;
    std::string valueText;      // FormatRes form, for the value box
    std::string toleranceText;  // written after the value: "@ 5%", or empty
};

// `positions` are the selected list positions of the five band lists, -1 for
// none. In the 4-band format the fourth list (index 3) is ignored.
ColoursToValueResult ColoursToValue(int bandCount, const std::array<int, 5>& positions);

// ---- value to colours ----------------------------------------------------

enum class ValueCheck {
    Ok,
    Empty,       // nothing typed: nothing changes but the focus
    OutOfRange,  // below 0.01 or above 10 000 000 ohms, or no number at all
};

struct ValueToColoursResult {
    ValueCheck check = ValueCheck::Ok;
    std::string cleaned;      // what the value box shows afterwards
    float resistance = 0;     // the value read from the cleaned text, ohms
    int exponent = 0;         // power of ten of the multiplier band
    std::array<int, 5> fills{};  // colour code for each band rectangle
};

// Reads a typed resistance ("4K7", "4.7K", "2M2", "470") and gives the
// colour code of every band rectangle in the current format. On OutOfRange
// the fills are all the body colour, as the bands are reset before reading.
ValueToColoursResult ValueToColours(std::string_view typed, int bandCount);

// The texts of the page's message boxes, and whether the box carries the
// error title rather than the application's own.
std::string MessageText(ColoursCheck check);
std::string MessageText(ValueCheck check);
bool HasErrorTitle(ColoursCheck check);
bool HasErrorTitle(ValueCheck check);
inline constexpr const char* kErrorTitle = "Calculator - Error!";

}  // namespace ohm
