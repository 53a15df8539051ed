// Feeds every text box of every page with generated hostile texts (fixed seed) and presses every button
// after each: the outcome must always be a result or one of the page's messages, with no "nan", "inf" or
// bare unit anywhere on screen, and no crash (this test also runs under ASan + UBSan).
#include <QHash>
#include <QRegularExpression>
#include <QStringList>

#include <random>

#include "tools/spoken.h"
#include "tests/support/ui_driver.h"

namespace {

// Texts a person could type or paste.
QString HostileText(std::mt19937& rng) {
    static const QStringList pieces = {
        "0", "1", "9", ".", "-", "+", "E", "e", "D", "K", "M", "k", "&H", "&O", " ", ",", "v", "uF",
        "\u03a9", "\u4e2d", "\u0661", "\t", "\n", "\x01", "1E308", "1E-320", "999999999999", "nan", "inf",
        "0.0000001", "\U0001F600", "1e99999",
    };
    std::uniform_int_distribution<int> kind(0, 19), digit(0, 9), length(1, 12);
    std::uniform_int_distribution<qsizetype> piece(0, pieces.size() - 1);
    QString s;
    switch (kind(rng)) {
        case 0: return s;
        case 1: return "     ";
        case 2:  // ten thousand digits
            for (int i = 0; i < 10000; ++i) s += QChar(u'0' + digit(rng));
            return s;
        case 3: return QString(10000, u'-');
        case 4: return QString(5000, u'.') + "5";
        default:
            for (int n = length(rng); n > 0; --n) s += pieces[piece(rng)];
            return s;
    }
}

bool ShowsNanOrInf(const QString& text) {
    static const QRegularExpression nanOrInf("(^|[^a-z])(nan|inf)", QRegularExpression::CaseInsensitiveOption);
    return nanOrInf.match(text).hasMatch();
}

// nan or inf, or a result reduced to its unit. A caption that repeats a typed
// text is left alone: it says what was typed.
bool LooksBroken(const QLabel* l, const QHash<QLineEdit*, QString>& typed) {
    static const QRegularExpression bareUnit("^(v|K|M|ohms)$");
    for (const QString& t : typed)
        if (!t.trimmed().isEmpty() && l->text().contains(t.trimmed())) return false;
    const bool result = l->textInteractionFlags().testFlag(Qt::TextSelectableByMouse);
    return ShowsNanOrInf(l->text()) || (result && bareUnit.match(l->text().trimmed()).hasMatch());
}

using PageRow = std::pair<const char*, const char*>;  // the tab, and its frame as a screen reader names it

class HostileInput : public ::testing::TestWithParam<PageRow> {};

TEST_P(HostileInput, EveryOutcomeIsAResultOrAMessage) {
    uitest::Window w;
    const auto [tab, frameName] = GetParam();
    w.showTab(tab);
    QGroupBox* frame = w.group(frameName);
    ASSERT_NE(frame, nullptr);
    // Texts the person can type into: not the read-only ones a spin button owns, nor a list's own.
    QList<QLineEdit*> boxes;
    for (QLineEdit* e : frame->findChildren<QLineEdit*>())
        if (!e->isReadOnly() && !qobject_cast<QComboBox*>(e->parent())) boxes << e;
    ASSERT_FALSE(boxes.isEmpty());
    const auto options = frame->findChildren<kit::OptionButton*>();
    const auto lists = frame->findChildren<QComboBox*>();
    std::mt19937 rng(20261206);
    auto any = [&rng](const auto& in) { return in[std::uniform_int_distribution<qsizetype>(0, in.size() - 1)(rng)]; };
    auto name = [](QWidget* c) { return uitest::spokenName(c).toStdString(); };

    QHash<QLineEdit*, QString> typed;  // what the test typed is not the program's doing
    for (int n = 0; n < 2500; ++n) {
        // Now and then change a mode or a unit, so every path gets its turn.
        if (!options.isEmpty() && n % 7 == 0) any(options)->click();
        if (!lists.isEmpty() && n % 11 == 0) {
            QComboBox* l = any(lists);
            if (l->count() > 0) l->setCurrentIndex(std::uniform_int_distribution<int>(0, l->count() - 1)(rng));
        }
        QLineEdit* box = any(boxes);
        box->setText(HostileText(rng));  // as pasted; the box keeps what its length limit allows
        typed[box] = box->text();
        const std::string after = " after '" + box->text().left(60).toStdString() + "' in " + name(box) + ", " + tab;
        for (QPushButton* b : frame->findChildren<QPushButton*>()) {
            w.clearMessages();
            b->click();
            for (const auto& m : w.messages.shown)
                ASSERT_TRUE(!m.text.empty() && !ShowsNanOrInf(QString::fromStdString(m.text))) << m.text << after;
        }
        for (QLabel* l : frame->findChildren<QLabel*>())
            ASSERT_FALSE(LooksBroken(l, typed)) << name(l) << " shows '" << l->text().toStdString() << "'" << after;
        for (QLineEdit* e : frame->findChildren<QLineEdit*>())
            ASSERT_FALSE(typed.value(e) != e->text() && ShowsNanOrInf(e->text()))
                << name(e) << " shows '" << e->text().toStdString() << "'" << after;
    }
}

INSTANTIATE_TEST_SUITE_P(AllPages, HostileInput, ::testing::ValuesIn(std::vector<PageRow>{
    {"Resistors", "Resistor Conversion"}, {"Capacitors", "Capacitor Timings"},
    {"Potential Dividers", "Potential Divider Calculations"}, {"CMOS Monostables", "CMOS Monostables"},
    {"CMOS Astables", "CMOS Astables"}, {"555 Timer", "555 Monostable/Astable"}}),
    [](const auto& info) { std::string s = info.param.first; std::erase(s, ' '); return s; });

}  // namespace
