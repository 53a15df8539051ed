#include "shell/main_window.h"

#include <QCloseEvent>
#include <QFont>
#include <QIcon>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>

#include <string>

#include "pages/capacitors/capacitors_page.h"
#include "pages/cmos_astable/cmos_astable_page.h"
#include "pages/cmos_monostable/cmos_monostable_page.h"
#include "pages/divider/divider_page.h"
#include "pages/resistors/resistors_page.h"
#include "pages/timer555/timer555_page.h"
#include "kit/kit.h"
#include "kit/messages.h"
#include "pages/page.h"
#include "shell/appearance.h"

namespace ohm {
namespace {
constexpr int kClientWidth = 7170;
constexpr int kClientHeight = 5415;
const char* const kTabCaptions[] = {"Resistors",        "Capacitors",    "Potential Dividers",
                                    "CMOS Monostables", "CMOS Astables", "555 Timer"};

const char* creditLine() { return "Ohmbench developers, December 2026"; }
const char* webAddress() { return "www.example.org/ohmbench"; }

// The eight lines of the farewell box, joined by single carriage returns.
std::string farewellText() {
    const std::string cr = "\r";
    return std::string(12, ' ') + "Thank you for using the" + cr + cr + "===  OHMBENCH  ===" + cr +
           cr + std::string(10, ' ') + creditLine() + cr + std::string(24, ' ') + "Ver: 1.1" + cr +
           cr + std::string(12, ' ') + "Visit " + webAddress();
}
}  // namespace

MainWindow::MainWindow(kit::Messages& messages, QWidget* parent) : QWidget(parent), messages_(messages) {
    setObjectName(QStringLiteral("mainWindow"));
    // The window's own face, before any control exists: every control takes
    // it from here, whatever face a desktop theme gives the application or
    // gives labels and buttons of its own accord.
    setFont(windowFont());
    setWindowTitle(QStringLiteral("Ohmbench"));
    setWindowIcon(QIcon(QStringLiteral(":/assets/ohmbench.svg")));
    setFixedSize(kit::px(kClientWidth), kit::px(kClientHeight));

    auto* title = kit::label(this, "title", {120, 60, 6915, 255}, QStringLiteral("OHMBENCH"));
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    kit::label(this, "version", {6240, 90, 765, 195}, QStringLiteral("Ver: 1.1"));
    auto* credit = kit::label(this, "credit", {120, 5010, 2625, 345},
                              QString::fromLatin1(creditLine()) + QLatin1Char('\n') +
                                  QString::fromLatin1(webAddress()));
    QFont small = credit->font();
    small.setPixelSize(8);
    credit->setFont(small);

    tabStrip_ = new QTabWidget(this);
    tabStrip_->setObjectName(QStringLiteral("pages"));
    tabStrip_->setAccessibleName(QStringLiteral("Pages"));
    kit::place(tabStrip_, {120, 300, 6945, 4665});
    tabStrip_->tabBar()->setUsesScrollButtons(false);
    tabStrip_->tabBar()->setExpanding(false);
    for (const char* caption : kTabCaptions) {
        auto* empty = new QWidget;
        empty->setFocusPolicy(Qt::NoFocus);
        tabStrip_->addTab(empty, QString::fromLatin1(caption));
    }

    // Frames lie over the tab strip's page area, so they are made after it.
    resistors_ = new ResistorsPage(this, messages_);
    capacitors_ = new CapacitorsPage(this, messages_);
    divider_ = new DividerPage(this, messages_);
    cmosMonostable_ = new CmosMonostablePage(this, messages_);
    cmosAstable_ = new CmosAstablePage(this, messages_);
    timer555_ = new Timer555Page(this, messages_);

    auto* quit = kit::button(this, "quit", {5250, 5040, 1815, 315}, QStringLiteral("Quit"),
                             QStringLiteral("Quit"));
    connect(quit, &QPushButton::clicked, this, &MainWindow::quit);

    startUp();
    connect(tabStrip_, &QTabWidget::currentChanged, this, &MainWindow::showChosenPage);
    // A click on the tab already chosen changes no index, but still puts the
    // keyboard back on that page's main box.
    connect(tabStrip_, &QTabWidget::tabBarClicked, this, [this](int index) {
        if (index == tabStrip_->currentIndex()) showChosenPage();
    });
}

MainWindow::~MainWindow() = default;

void MainWindow::startUp() {
    resistors_->frame()->show();
    divider_->frame()->hide();
    timer555_->frame()->hide();
    cmosAstable_->frame()->hide();
    cmosMonostable_->frame()->hide();
    capacitors_->frame()->hide();

    resistors_->startUp();
    divider_->startUp();
    timer555_->startUp();
    cmosAstable_->startUp();
    cmosMonostable_->startUp();
    capacitors_->startUp();
}

void MainWindow::showChosenPage() {
    const QString caption = tabStrip_->tabText(tabStrip_->currentIndex());
    // The page is found by its tab's caption, in this order of checks.
    const std::pair<const char*, Page*> checks[] = {
        {"Resistors", resistors_},         {"Potential Dividers", divider_},
        {"555 Timer", timer555_},          {"CMOS Astables", cmosAstable_},
        {"CMOS Monostables", cmosMonostable_},   {"Capacitors", capacitors_},
    };
    for (const auto& [tab, page] : checks) {
        if (caption == QLatin1String(tab)) {
            page->frame()->show();
            page->frame()->raise();
            page->focusOnShow();
        } else {
            page->frame()->hide();
        }
    }
}

void MainWindow::quit() { close(); }

void MainWindow::closeEvent(QCloseEvent* e) {
    sayFarewell();
    e->accept();
}

void MainWindow::sayFarewell() {
    // Whatever closes the window, the farewell is said once.
    if (farewellShown_) return;
    farewellShown_ = true;
    messages_.show(farewellText(), kit::kAppTitle);
}

}  // namespace ohm
