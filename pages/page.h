// What every page of the window shares: its frame over the tab strip, the
// drawing layer under its controls, and the message boxes.
#pragma once

#include <QObject>
#include <QString>

#include <string>
#include <vector>

class QGroupBox;
class QLabel;
class QLineEdit;
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

    // A failed check handed back to the person, the same on every page: the
    // labels emptied, the box selected (or only focused), then the prompt.
    // `boxOf` maps the routine's box to the page's, `labelsOf` a label to the
    // page's labels that show it.
    template <typename Failure, typename BoxOf, typename LabelsOf>
    void report(const Failure& failure, BoxOf boxOf, LabelsOf labelsOf) {
        std::vector<QLabel*> emptied;
        for (const auto& label : failure.emptied)
            for (QLabel* l : labelsOf(label)) emptied.push_back(l);
        report(boxOf(failure.box), failure.select, emptied, failure.prompt);
    }
    void report(QLineEdit* box, bool select, const std::vector<QLabel*>& emptied, const std::string& prompt);

private:
    QGroupBox* frame_;
    kit::Drawing* drawing_;
};

}  // namespace ohm
