// What every page of the window shares: its frame over the tab strip, the
// drawing layer under its controls, the message boxes, and the window-level
// variables it is handed by reference.
#pragma once

#include <QObject>
#include <QString>

#include <array>
#include <cstdint>
#include <string>

class QGroupBox;
class QWidget;

namespace kit {
class Drawing;
class Messages;
}  // namespace kit

namespace ohm {

// Window-level variables of Form1: set at start-up, living with the window.
struct WindowVars {
    std::int16_t BandCount = 4;
    std::string E6ThreeDecades;
    std::string E12Decade;
    std::string E24Decade;
    std::string E24ThreeDecades;
    std::array<std::string, 6> SavedTapText;
};

class Page : public QObject {
    Q_OBJECT
public:
    // All six frames share one rectangle inside the tab strip's page area.
    Page(QWidget* window, kit::Messages& messages, WindowVars& vars, const char* frameName,
         const QString& caption);
    ~Page() override;

    QGroupBox* frame() const { return frame_; }
    kit::Drawing* drawing() const { return drawing_; }

    // This page's share of the window's start-up.
    virtual void startUp() = 0;
    // Where the keyboard goes when the page's tab is chosen.
    virtual void focusOnShow() = 0;

protected:
    kit::Messages& messages_;
    WindowVars& vars_;

private:
    QGroupBox* frame_;
    kit::Drawing* drawing_;
};

}  // namespace ohm
