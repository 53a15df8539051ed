// Surface-mount resistor markings in both directions: the value a printed
// code carries, and every code that can carry a typed value. Plain C++, no
// toolkit types: the page reads the box, calls these and shows the texts.
//
// The codes read here:
//   3 digits   two figures and a power of ten, 5%:        472 = 4.7K
//   4 digits   three figures and a power of ten, 1%:      4701 = 4.7K
//   R as point 3 characters 5%, 4 characters 1%:          4R7, R47, 12R0
//   EIA-96     two digits 01..96 naming an E96 value and a multiplier
//              letter, 1%:                                01C = 10K, 68X = 49.9
//   links      0, 000 and 0000 (and an R code of zeros) are zero-ohm links
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace ohm {

// ---- reading a marking ---------------------------------------------------

enum class MarkingCheck {
    Ok,
    NotAMarking,  // empty, or not one of the codes above: the box is selected, nothing else changes
};

struct MarkingReadResult {
    MarkingCheck check = MarkingCheck::Ok;
    std::string message;          // MessageText(check); empty when Ok
    // Written in this order; all empty on NotAMarking.
    std::string marking;          // as the chip shows it: upper case, blanks around it gone ("4R7")
    std::string valueText;        // first reading, resistor form: "4.7K", "0.47", "97.6M"; "0" for a link
    std::string toleranceText;    // "@ 5%" or "@ 1%", as after a band reading; empty for a link
    std::string rangeText;        // "4.465K to 4.935K"; empty for a link
    std::string seriesText;       // SeriesText() of the first reading; "Zero-ohm link" for a link
    std::string otherReadingText; // a second, different reading: "or 1.24 @ 1% as EIA-96"; else empty
    double ohms = 0;              // the first reading
    double tolerancePercent = 0;  // 5, 1, or 0 for a link
    double otherOhms = 0;         // the second reading; 0 when there is none
};

// Case and blanks around the marking don't matter ("  4r7 "). A 3-character
// code that reads both with R as the point and as EIA-96 (10R: 10 ohms, or
// 124 x 0.01 = 1.24 ohms) gives the R-as-point reading first and the other
// in otherReadingText; one that reads the same both ways (01R) is shown once.
// Values above 10M are read like any other (96F = 97.6M, 107 = 100M).
MarkingReadResult ReadMarking(std::string_view typed);

// ---- every marking for a value -------------------------------------------

enum class MarkingWriteCheck {
    Ok,
    Empty,      // nothing typed: the band page's empty message
    NotAValue,  // no digit in what was typed ("K", "abc")
    NoMarking,  // a value, but no code can carry it (4.751K, 0.0001, 1000G)
};

struct MarkingWriteResult {
    MarkingWriteCheck check = MarkingWriteCheck::Ok;
    std::string message;               // MessageText(check); empty when Ok
    // Written in this order, as far as the checks went.
    std::string cleaned;               // what the value box shows afterwards (ReadResistance)
    double ohms = 0;                   // the value read from it
    std::string seriesText;            // SeriesText(ohms); "Zero-ohm link" for zero; also on NoMarking
    std::vector<std::string> markings; // 3-digit, then 4-digit, then EIA-96: {"103", "1002", "01C"}
    std::string markingsText;          // the list joined for display: "103, 1002, 01C"
    std::string chipText;              // the first marking, for the chip picture
};

// Reads the value box as the band formats do ("4K7", "12.4K", "4.7") and
// gives every code that carries that value exactly. R marks the point only
// where the digits can't carry the value: below 10 ohms for 3 characters
// (4R7; 47 ohms is 470) and below 100 ohms for 4 (47R5, 4R70). EIA-96 codes
// use the first letter of each pair (Y, X, B). Zero gives the links 000 and
// 0000. The band page's 10M limit doesn't apply: 100M gives 107 and 1006.
MarkingWriteResult MarkingsFor(std::string_view typed);

// The message texts of the checks above; empty for Ok. Only the empty value
// box carries the error title (kErrorTitle), as on the band formats.
std::string MessageText(MarkingCheck check);
std::string MessageText(MarkingWriteCheck check);
bool HasErrorTitle(MarkingCheck check);
bool HasErrorTitle(MarkingWriteCheck check);

}  // namespace ohm
