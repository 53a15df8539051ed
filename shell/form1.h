// The main window: title, version and credit, the tab strip with its six
// pages, "Quit", start-up and the farewell box.
#pragma once

#include <QWidget>

#include <string>
#include <vector>

#include "shell/page.h"

class QTabWidget;

namespace kit {
class Messages;
}

namespace ohm {

class ResistorsPage;
class CapacitorsPage;
class DividerPage;
class CmosMonostablePage;
class CmosAstablePage;
class Timer555Page;

class Form1 : public QWidget {
    Q_OBJECT
public:
    explicit Form1(kit::Messages& messages, QWidget* parent = nullptr);
    ~Form1() override;

    WindowVars& vars() { return vars_; }
    QTabWidget* tabStrip() const { return tabStrip_; }

    void TabStrip1_Click();
    void CMDExit_Click();

    // The eight lines of the farewell box, joined by single carriage returns.
    static std::string FarewellText();
    static const char* CreditLine();
    static const char* WebAddress();

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    void Form_Load();
    void Form_Unload();

    kit::Messages& messages_;
    WindowVars vars_;
    bool farewellShown_ = false;
    QTabWidget* tabStrip_ = nullptr;

    ResistorsPage* resistors_ = nullptr;
    CapacitorsPage* capacitors_ = nullptr;
    DividerPage* divider_ = nullptr;
    CmosMonostablePage* cmosMono_ = nullptr;
    CmosAstablePage* cmosAstable_ = nullptr;
    Timer555Page* timer555_ = nullptr;
};

}  // namespace ohm
