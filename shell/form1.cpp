#include "shell/form1.h"

#include <QCloseEvent>
#include <QFont>
#include <QIcon>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>

#include "pages/capacitors/capacitors_page.h"
#include "pages/cmos_astable/cmos_astable_page.h"
#include "pages/cmos_monostable/cmos_monostable_page.h"
#include "pages/divider/divider_page.h"
#include "pages/resistors/resistors_page.h"
#include "pages/timer555/timer555_page.h"
#include "shell/kit/kit.h"
#include "shell/kit/messages.h"
#include "values/series.h"

namespace ohm {
namespace {
constexpr int kClientWidth = 7170;
constexpr int kClientHeight = 5415;
const char* const kTabCaptions[] = {"Resistors",        "Capacitors",    "Potential Dividers",
                                    "CMOS Monostables", "CMOS Astables", "555 Timer"};
}  // namespace

const char* Form1::CreditLine() { return "Ohmbench developers, December 2026"; }
const char* Form1::WebAddress() { return "www.example.org/ohmbench"; }

std::string Form1::FarewellText() {
    const std::string cr = "\r";
    return std::string(12, ' ') + "Thank you for using the" + cr + cr + "===  OHMBENCH  ===" + cr +
           cr + std::string(10, ' ') + CreditLine() + cr + std::string(24, ' ') + "Ver: 1.1" + cr +
           cr + std::string(12, ' ') + "Visit " + WebAddress();
}

Form1::Form1(kit::Messages& messages, QWidget* parent) : QWidget(parent), messages_(messages) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Ohmbench"));
    setWindowIcon(QIcon(QStringLiteral(":/assets/ohmbench.svg")));
    setFixedSize(kit::px(kClientWidth), kit::px(kClientHeight));

    auto* title = kit::label(this, "Label43", {120, 60, 6915, 255}, QStringLiteral("OHMBENCH"));
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    kit::label(this, "Label50", {6240, 90, 765, 195}, QStringLiteral("Ver: 1.1"));
    auto* credit = kit::label(this, "Label39", {120, 5010, 2625, 345},
                              QString::fromLatin1(CreditLine()) + QLatin1Char('\n') +
                                  QString::fromLatin1(WebAddress()));
    QFont small = credit->font();
    small.setPixelSize(8);
    credit->setFont(small);

    tabStrip_ = new QTabWidget(this);
    tabStrip_->setObjectName(QStringLiteral("TabStrip1"));
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
    resistors_ = new ResistorsPage(this, messages_, vars_);
    capacitors_ = new CapacitorsPage(this, messages_, vars_);
    divider_ = new DividerPage(this, messages_, vars_);
    cmosMono_ = new CmosMonostablePage(this, messages_, vars_);
    cmosAstable_ = new CmosAstablePage(this, messages_, vars_);
    timer555_ = new Timer555Page(this, messages_, vars_);

    auto* quit = kit::button(this, "CMDExit", {5250, 5040, 1815, 315}, QStringLiteral("Quit"),
                             QStringLiteral("Quit"));
    connect(quit, &QPushButton::clicked, this, &Form1::CMDExit_Click);

    Form_Load();
    connect(tabStrip_, &QTabWidget::currentChanged, this, &Form1::TabStrip1_Click);
    // A click on the tab already chosen changes no index, but still puts the
    // keyboard back on that page's main box.
    connect(tabStrip_, &QTabWidget::tabBarClicked, this, [this](int index) {
        if (index == tabStrip_->currentIndex()) TabStrip1_Click();
    });
}

Form1::~Form1() = default;

void Form1::Form_Load() {
    vars_.E6ThreeDecades = std::string(kE6ThreeDecades);
    vars_.E12Decade = std::string(kE12Decade);
    vars_.E24Decade = std::string(kE24Decade);
    vars_.E24ThreeDecades = std::string(kE24ThreeDecades);

    resistors_->frame()->show();
    divider_->frame()->hide();
    timer555_->frame()->hide();
    cmosAstable_->frame()->hide();
    cmosMono_->frame()->hide();
    capacitors_->frame()->hide();

    vars_.BandCount = 4;

    resistors_->startUp();
    divider_->startUp();
    timer555_->startUp();
    cmosAstable_->startUp();
    cmosMono_->startUp();
    capacitors_->startUp();
}

void Form1::TabStrip1_Click() {
    const QString caption = tabStrip_->tabText(tabStrip_->currentIndex());
    // The page is found by its tab's caption, in this order of checks.
    const std::pair<const char*, Page*> checks[] = {
        {"Resistors", resistors_},         {"Potential Dividers", divider_},
        {"555 Timer", timer555_},          {"CMOS Astables", cmosAstable_},
        {"CMOS Monostables", cmosMono_},   {"Capacitors", capacitors_},
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

void Form1::CMDExit_Click() { close(); }

void Form1::closeEvent(QCloseEvent* e) {
    Form_Unload();
    e->accept();
}

void Form1::Form_Unload() {
    // Whatever closes the window, the farewell is said once.
    if (farewellShown_) return;
    farewellShown_ = true;
    messages_.show(FarewellText(), kit::kAppTitle);
}

}  // namespace ohm
