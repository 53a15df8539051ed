// Messages that are kept, not shown: what the widget tests read back, and
// what lets a screenshot or a benchmark run without a modal box in its way.
#pragma once

#include <string>
#include <vector>

#include "kit/messages.h"

namespace uitest {

class RecordingMessages : public kit::Messages {
public:
    struct Shown {
        std::string text;
        std::string title;
    };
    void show(const std::string& text, const std::string& title) override { shown.push_back({text, title}); }
    std::vector<Shown> shown;
};

}  // namespace uitest
