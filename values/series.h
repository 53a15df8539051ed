// Preferred component values (E6, E12, E24), as comma-separated texts.
// The texts are what the pages step through and fit to; a page splits one
// into entries whenever it needs them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace ohm {

// E6 over three decades, 1 to 680 (18 entries).
inline constexpr std::string_view kE6ThreeDecades =
    "1,1.5,2.2,3.3,4.7,6.8,10,15,22,33,47,68,100,150,220,330,470,680";
// E12 over one decade, 1 to 8.2 (12 entries).
inline constexpr std::string_view kE12Decade = "1,1.2,1.5,1.8,2.2,2.7,3.3,3.9,4.7,5.6,6.8,8.2";
// E24 over one decade, 1 to 9.1 (24 entries).
inline constexpr std::string_view kE24Decade =
    "1,1.1,1.2,1.3,1.5,1.6,1.8,2,2.2,2.4,2.7,3,3.3,3.6,3.9,4.3,4.7,5.1,5.6,6.2,6.8,7.5,8.2,9.1";
// E24 over three decades, 1 to 910 (72 entries).
inline constexpr std::string_view kE24ThreeDecades =
    "1,1.1,1.2,1.3,1.5,1.6,1.8,2,2.2,2.4,2.7,3,3.3,3.6,3.9,4.3,4.7,5.1,5.6,6.2,6.8,7.5,8.2,9.1,"
    "10,11,12,13,15,16,18,20,22,24,27,30,33,36,39,43,47,51,56,62,68,75,82,91,"
    "100,110,120,130,150,160,180,200,220,240,270,300,330,360,390,430,470,510,560,620,680,750,820,"
    "910";

// Splits a series text at every comma, entries indexed from 0.
std::vector<std::string> SplitSeries(std::string_view series);

}  // namespace ohm
