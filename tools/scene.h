// Screenshot scenes: each names a picture and puts a fresh window into the
// state to show. A page registers its scenes in tools/scenes/<page>.cpp.
#pragma once

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QString>

#include <functional>
#include <vector>

#include "shell/form1.h"

namespace scenes {

struct Scene {
    const char* file;  // picture name, without ".png"
    std::function<void(ohm::Form1&)> setUp;
};

std::vector<Scene>& registry();

struct Register {
    Register(const char* file, std::function<void(ohm::Form1&)> setUp) {
        registry().push_back({file, std::move(setUp)});
    }
};

// Helpers for setting a scene up by control name.
void showTab(ohm::Form1& w, const char* caption);
void setText(ohm::Form1& w, const char* box, const QString& text);
void pick(ohm::Form1& w, const char* list, int index);
void click(ohm::Form1& w, const char* button);

}  // namespace scenes
