// Screenshot scenes: each names a picture and puts a fresh window into the
// state to show. A page registers its scenes in tools/scenes/<page>.cpp.
#pragma once

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QString>

#include <functional>
#include <vector>

#include "shell/main_window.h"

namespace scenes {

struct Scene {
    const char* file;  // picture name, without ".png"
    std::function<void(ohm::MainWindow&)> setUp;
};

std::vector<Scene>& registry();

struct Register {
    Register(const char* file, std::function<void(ohm::MainWindow&)> setUp) {
        registry().push_back({file, std::move(setUp)});
    }
};

// Helpers for setting a scene up; controls are named as a screen reader
// speaks them, on the page showing.
void showTab(ohm::MainWindow& w, const char* caption);
void setText(ohm::MainWindow& w, const char* box, const QString& text);
void pick(ohm::MainWindow& w, const char* list, int index);
void click(ohm::MainWindow& w, const char* button);
void choose(ohm::MainWindow& w, const char* option);
void tick(ohm::MainWindow& w, const char* checkBox);
void stepUp(ohm::MainWindow& w, const char* spin, int steps);

}  // namespace scenes
