// What every page of the window shares: its frame over the tab strip, the
// drawing layer under its controls, and the message boxes.
#pragma once

#include <QObject>
#include <QString>

class QGroupBox;
class QWidget;

namespace kit {
class Drawing;
class Messages;
}  // namespace kit

namespace ohm {

class Page : public QObject {
    Q_OBJECT
public:
    // All six frames share one rectangle inside the tab strip's page area.
    Page(QWidget* window, kit::Messages& messages, const char* frameName, const QString& caption);
    ~Page() override;

    QGroupBox* frame() const { return frame_; }
    kit::Drawing* drawing() const { return drawing_; }

    // This page's share of the window's start-up.
    virtual void startUp() = 0;
    // Where the keyboard goes when the page's tab is chosen.
    virtual void focusOnShow() = 0;

protected:
    kit::Messages& messages_;

private:
    QGroupBox* frame_;
    kit::Drawing* drawing_;
};

}  // namespace ohm
