// The main window: title, version and credit, the tab strip with its six
// pages, "Quit", start-up and the farewell box.
#pragma once

#include <QWidget>

class QTabWidget;

namespace kit {
class Messages;
}

namespace ohm {

class Page;
class ResistorsPage;
class CapacitorsPage;
class DividerPage;
class CmosMonostablePage;
class CmosAstablePage;
class Timer555Page;

class MainWindow : public QWidget {
    Q_OBJECT
public:
    explicit MainWindow(kit::Messages& messages, QWidget* parent = nullptr);
    ~MainWindow() override;

    QTabWidget* tabStrip() const { return tabStrip_; }

    // Shows the page of the chosen tab, hides the others, and puts the
    // keyboard on the shown page's main box.
    void showChosenPage();
    void quit();

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    void startUp();
    void sayFarewell();

    kit::Messages& messages_;
    bool farewellShown_ = false;
    QTabWidget* tabStrip_ = nullptr;

    ResistorsPage* resistors_ = nullptr;
    CapacitorsPage* capacitors_ = nullptr;
    DividerPage* divider_ = nullptr;
    CmosMonostablePage* cmosMonostable_ = nullptr;
    CmosAstablePage* cmosAstable_ = nullptr;
    Timer555Page* timer555_ = nullptr;
};

}  // namespace ohm
