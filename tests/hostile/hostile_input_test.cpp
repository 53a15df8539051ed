// Feeds every text box of every page with generated hostile texts (fixed
// seed) and presses every button after each: the outcome must always be a
// result or one of the page's messages, with no "nan", "inf" or bare unit
// anywhere on screen, and no crash (this test also runs under ASan + UBSan).
#include <QComboBox>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>

#include <random>

#include "tests/support/ui_driver.h"

namespace {

// Texts a person could type or paste.
QString HostileText(std::mt19937& rng) {
    static const QString pieces[] = {
        QStringLiteral("0"),    QStringLiteral("1"),     QStringLiteral("9"),     QStringLiteral("."),
        QStringLiteral("-"),    QStringLiteral("+"),     QStringLiteral("E"),     QStringLiteral("e"),
        QStringLiteral("D"),    QStringLiteral("K"),     QStringLiteral("M"),     QStringLiteral("k"),
        QStringLiteral("&H"),   QStringLiteral("&O"),    QStringLiteral(" "),     QStringLiteral(","),
        QStringLiteral("v"),    QStringLiteral("uF"),    QStringLiteral("\u03a9"), QStringLiteral("\u4e2d"),
        QStringLiteral("\u0661"), QStringLiteral("\t"),  QStringLiteral("\n"),    QStringLiteral("\x01"),
        QStringLiteral("1E308"), QStringLiteral("1E-320"), QStringLiteral("999999999999"), QStringLiteral("nan"),
        QStringLiteral("inf"),  QStringLiteral("0.0000001"), QStringLiteral("\U0001F600"), QStringLiteral("1e99999"),
    };
    std::uniform_int_distribution<int> kind(0, 19);
    switch (kind(rng)) {
        case 0: return QString();
        case 1: return QStringLiteral("     ");
        case 2: {  // ten thousand characters
            QString s;
            std::uniform_int_distribution<int> pick(0, 9);
            for (int i = 0; i < 10000; ++i) s += QChar(u'0' + pick(rng));
            return s;
        }
        case 3: return QString(10000, u'-');
        case 4: return QString(5000, u'.') + QStringLiteral("5");
        default: {
            QString s;
            std::uniform_int_distribution<int> len(1, 12);
            std::uniform_int_distribution<int> pick(0, static_cast<int>(std::size(pieces)) - 1);
            for (int n = len(rng); n > 0; --n) s += pieces[pick(rng)];
            return s;
        }
    }
}

bool ShowsNanOrInf(const QString& text) {
    static const QRegularExpression nanOrInf(QStringLiteral("(^|[^a-z])(nan|inf)"),
                                             QRegularExpression::CaseInsensitiveOption);
    return nanOrInf.match(text).hasMatch();
}

// A computed value that lost its number: a result label showing only a unit.
bool LooksBroken(const QLabel* l) {
    static const QRegularExpression bareUnit(QStringLiteral("^(v|K|M|ohms)$"));
    const bool result = l->textInteractionFlags().testFlag(Qt::TextSelectableByMouse);
    return ShowsNanOrInf(l->text()) || (result && bareUnit.match(l->text().trimmed()).hasMatch());
}

bool EchoesTyped(const QString& caption, const QHash<QLineEdit*, QString>& typed) {
    for (const QString& t : typed)
        if (!t.trimmed().isEmpty() && caption.contains(t.trimmed())) return true;
    return false;
}

struct PageRow {
    const char* tab;
    const char* frame;
};

class HostileInput : public ::testing::TestWithParam<PageRow> {};

TEST_P(HostileInput, EveryOutcomeIsAResultOrAMessage) {
    const PageRow page = GetParam();
    uitest::Window w;
    w.showTab(page.tab);
    auto* frame = w.get<QGroupBox>(page.frame);
    ASSERT_NE(frame, nullptr);

    // Texts the person can type into: not the read-only ones a spin button owns.
    QList<QLineEdit*> boxes;
    for (QLineEdit* e : frame->findChildren<QLineEdit*>())
        if (!e->isReadOnly() && e->parent() && !qobject_cast<QComboBox*>(e->parent())) boxes << e;
    const QList<QPushButton*> buttons = frame->findChildren<QPushButton*>();
    const QList<kit::OptionButton*> options = frame->findChildren<kit::OptionButton*>();
    const QList<QComboBox*> lists = frame->findChildren<QComboBox*>();
    ASSERT_FALSE(boxes.isEmpty()) << page.tab;

    // What the test itself typed is not the program's doing.
    QHash<QLineEdit*, QString> typed;
    std::mt19937 rng(20261206);
    constexpr int kCases = 2500;
    for (int n = 0; n < kCases; ++n) {
        // Now and then change a mode or a unit, so every path gets its turn.
        if (!options.isEmpty() && n % 7 == 0)
            options[std::uniform_int_distribution<int>(0, static_cast<int>(options.size()) - 1)(rng)]->click();
        if (!lists.isEmpty() && n % 11 == 0) {
            QComboBox* l = lists[std::uniform_int_distribution<int>(0, static_cast<int>(lists.size()) - 1)(rng)];
            if (l->count() > 0) l->setCurrentIndex(std::uniform_int_distribution<int>(0, l->count() - 1)(rng));
        }
        QLineEdit* box = boxes[std::uniform_int_distribution<int>(0, static_cast<int>(boxes.size()) - 1)(rng)];
        const QString text = HostileText(rng);
        box->setText(text);  // as pasted; the box keeps what its length limit allows
        typed[box] = box->text();
        for (QPushButton* b : buttons) {
            w.clearMessages();
            b->click();
            for (const auto& m : w.messages.shown) {
                ASSERT_FALSE(m.text.empty()) << page.tab;
                ASSERT_FALSE(ShowsNanOrInf(QString::fromStdString(m.text)))
                    << page.tab << " message " << m.text << " after " << text.left(60).toStdString();
            }
        }
        for (QLabel* l : frame->findChildren<QLabel*>()) {
            if (EchoesTyped(l->text(), typed)) continue;  // a caption that repeats a typed text says what was typed
            ASSERT_FALSE(LooksBroken(l))
                << page.tab << " " << l->objectName().toStdString() << " shows '" << l->text().toStdString()
                << "' after '" << text.left(60).toStdString() << "' in " << box->objectName().toStdString();
        }
        for (QLineEdit* e : frame->findChildren<QLineEdit*>()) {
            if (typed.contains(e) && typed[e] == e->text()) continue;
            ASSERT_FALSE(ShowsNanOrInf(e->text()))
                << page.tab << " " << e->objectName().toStdString() << " shows '" << e->text().toStdString() << "'";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(AllPages, HostileInput,
                         ::testing::Values(PageRow{"Resistors", "FrmResCon"}, PageRow{"Capacitors", "FrmCapacitor"},
                                           PageRow{"Potential Dividers", "FrmPotDiv"},
                                           PageRow{"CMOS Monostables", "FrmMono"}, PageRow{"CMOS Astables", "FrmCMOS"},
                                           PageRow{"555 Timer", "Frm555"}),
                         [](const auto& info) {
                             std::string n = info.param.frame;
                             return n;
                         });

}  // namespace
