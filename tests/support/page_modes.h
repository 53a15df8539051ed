// Every page in every mode it has, as data: one row per mode, with the steps
// a person takes to reach it (and to fill its results), controls named as a
// screen reader speaks them. Checks that must hold everywhere (captions fit,
// drawings read) walk this one table; a new mode is one more row.
#pragma once

#include <string>
#include <vector>

class QWidget;

namespace uitest {

struct Step {
    enum class Kind { Tab, Choose, Type, Pick, Click, StepUp };
    Kind kind;
    const char* name;          // tab caption or spoken name of the control
    const char* text = "";     // typed text
    int count = 0;             // list entry, or steps of a spin button
};

inline Step tab(const char* caption) { return {Step::Kind::Tab, caption}; }
inline Step choose(const char* option) { return {Step::Kind::Choose, option}; }
inline Step type(const char* box, const char* text) { return {Step::Kind::Type, box, text}; }
inline Step pick(const char* list, int entry) { return {Step::Kind::Pick, list, "", entry}; }
inline Step click(const char* button) { return {Step::Kind::Click, button}; }
inline Step stepUp(const char* spin, int steps) { return {Step::Kind::StepUp, spin, "", steps}; }

struct PageMode {
    const char* name;
    std::vector<Step> steps;
};

const std::vector<PageMode>& pageModes();

// Takes a fresh window through the row's steps; returns what could not be
// done (a control not found on the page showing), empty when all went well.
std::string reach(QWidget* window, const PageMode& mode);

}  // namespace uitest
