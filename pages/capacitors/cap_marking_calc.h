// Capacitor markings in both directions: the value, tolerance and voltage a
// printed code carries, and the codes that carry a capacitance. Plain C++, no
// toolkit types: the Capacitors page reads its boxes, calls these and shows
// the texts.
//
// A marking is, in this order, upper or lower case alike, blanks allowed
// between the parts but never inside a number:
//   a voltage code, optional       2A = 100 V, 1H = 50 V, 2P = 220 V ...
//   the value                      104 (10 x 10^4 pF), 229 (22 x 0.1 pF),
//                                  47 (pF), 4n7, p47, 2u2, 0.1uF, 22pF
//   a tolerance letter, optional   B C D (pF), F G J K M (%), Z (+80/-20%)
//   a written voltage, optional    100V, 6.3V; only without a voltage code
#pragma once

#include <string>
#include <string_view>

namespace ohm {

enum class CapMarkingCheck {
    Ok,
    NotAMarking,  // nothing typed, no value in it, or zero: the marking box is selected, nothing else changes
};

struct CapMarkingReading {
    CapMarkingCheck check = CapMarkingCheck::Ok;
    std::string message;  // MessageText(check, typed); empty when Ok
    // Written in this order: the unit list, the capacitance box, the readout.
    int unit = -1;          // position in kCapUnits: the largest unit keeping the number at 1 or more
    std::string valueText;  // PlainText of the value in that unit: "100" (nF), "0.47" (pF)
    std::string readout;    // "100 nF ±5% (95 nF to 105 nF), 100 V"
    double picofarads = 0;  // the value, the double nearest the marking's decimal
};

CapMarkingReading ReadCapMarking(std::string_view typed);

// The codes that carry the capacitance a box holds (read as the page reads it,
// in unit list position `unit`; no selection counts as microfarads): the
// three-digit code for two significant figures from 0.1 pF to 99 uF, and the
// letter-as-point code for up to three.
struct CapCodes {
    std::string threeDigit;  // "106", or empty
    std::string letter;      // "10u", or empty
    std::string text;        // "Code 106, or 10u", "Code 470u" or "No code"
};
CapCodes CodesForCapacitance(std::string_view capText, int unit);

// The message for a marking that doesn't read: what was typed and examples.
std::string MessageText(CapMarkingCheck check, std::string_view typed);

}  // namespace ohm
