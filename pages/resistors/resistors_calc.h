// Resistor colour codes: the colour table and both directions of conversion,
// bands to value and value to bands. Plain C++, no toolkit types: the page
// reads its controls, calls these and paints what they return.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ohm {

// Colour codes: 0..9 the digit colours, -1 Gold and -2 Silver (the fractional
// multipliers), -3 and -4 the body colours of the 4-band (tan) and 5-band
// (pale blue) resistor pictures, used for a band that shows no colour.
inline constexpr int kGold = -1;
inline constexpr int kSilver = -2;

// The display colour of a code as an "&HBBGGRR" text; empty outside -4..9.
std::string ResColCode(int code);

// ---- band formats ----------------------------------------------------------

enum class BandFormat { Four, Five, Six };
inline constexpr int kBandFormats = 3;
inline constexpr std::array<BandFormat, kBandFormats> kAllBandFormats = {BandFormat::Four, BandFormat::Five,
                                                                        BandFormat::Six};

// The page's band lists, left to right: digits, the multiplier of the formats
// with three digits, the tolerance, the temperature coefficient. A format
// leaves out the lists it has no band for.
inline constexpr int kBandLists = 6;
inline constexpr int kToleranceList = 4;
inline constexpr int kCoefficientList = 5;
// A selected list position per band list (-1 for none), or a colour code per
// band rectangle.
using BandPicks = std::array<int, kBandLists>;
using BandFills = std::array<int, kBandLists>;

struct BandLayout {
    int digitBands;  // 2 or 3; the multiplier band follows them
    int bodyCode;    // body colour, shown by a band without a colour
    bool precision;  // the tolerance list also offers 0.5% down to 0.05%
    bool coefficient;  // a last band for the temperature coefficient
};
BandLayout LayoutOf(BandFormat format);

// Whether the format has a band for list `list`.
bool HasList(BandFormat format, int list);

// The colour codes list `list` offers in `format`, in list order. The body
// code stands for the "[blank]" tolerance (20%, no band at all).
std::vector<int> ListColours(BandFormat format, int list);

// A list entry's text: "Black" ... "White", "Gold", "Silver", "[blank]".
std::string ColourName(int code);

// The position list `list` keeps when the page switches to `format`: the same
// one where the list still offers it; Gold or Silver on band 2 turn Black as it
// becomes a digit, and a precision tolerance is dropped.
int PickAfterSwitch(BandFormat format, int list, int position);

// The body colour code of a band format: -3 for 4 bands, -4 for 5 and 6.
int BodyCode(BandFormat format);

// What picking entry `position` of band list `list` paints on that band's
// rectangle; nothing for no selection (or a position the list cannot hold).
std::optional<int> BandFillCode(int list, int position, BandFormat format);

// ---- colours to value ----------------------------------------------------

enum class ColoursCheck {
    Ok,
    FirstThreeMissing,  // 2 digit bands: a digit or the multiplier band has no colour
    FirstFourMissing,   // 3 digit bands: the same
    AboveTenMegohms,    // more than the 10 000 000 ohms the page shows
};

struct ColoursToValueResult {
    ColoursCheck check = ColoursCheck::Ok;
    std::string valueText;      // FormatRes form, for the value box
    std::string toleranceText;  // written after the value: "@ 5%", or empty
    std::string coefficientText;  // 6 bands: "50 ppm/K", or empty
    std::string rangeText;        // "4.465K to 4.935K" at the tolerance; empty without one
    std::string seriesText;       // "E12 value", or that it is in no series
};

// Reads the picked colours; lists the format has no band for are ignored.
ColoursToValueResult ColoursToValue(BandFormat format, const BandPicks& picks);

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
    double ohms = 0;          // the double nearest the typed decimal (4K75 is 4750 though it paints 4K8)
    int exponent = 0;         // power of ten of the multiplier band
    BandFills fills{};        // colour code for each band rectangle
    std::string seriesText;   // of the value the bands carry, not the one typed
};

// Reads a typed resistance ("4K7", "4.7K", "2M2", "470") and gives the
// colour code of every band rectangle in the current format; a coefficient
// band shows the colour picked in its list (`coefficientPick`). On OutOfRange
// the other fills are all the body colour, as the bands are reset before reading.
ValueToColoursResult ValueToColours(std::string_view typed, BandFormat format, int coefficientPick = -1);

// The texts of the page's message boxes, and whether the box carries the
// error title rather than the application's own.
std::string MessageText(ColoursCheck check);
std::string MessageText(ValueCheck check);
bool HasErrorTitle(ColoursCheck check);
bool HasErrorTitle(ValueCheck check);
inline constexpr const char* kErrorTitle = "Calculator - Error!";

}  // namespace ohm
