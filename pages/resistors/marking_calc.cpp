#include "pages/resistors/marking_calc.h"

namespace ohm {

std::string SeriesText(double) { return std::string(); }
MarkingReadResult ReadMarking(std::string_view) { return {}; }
MarkingWriteResult MarkingsFor(std::string_view) { return {}; }
std::string MessageText(MarkingCheck) { return std::string(); }
std::string MessageText(MarkingWriteCheck) { return std::string(); }
bool HasErrorTitle(MarkingCheck) { return false; }
bool HasErrorTitle(MarkingWriteCheck) { return false; }

}  // namespace ohm
