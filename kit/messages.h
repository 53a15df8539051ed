// Message boxes behind one interface: a modal OK-only box without an icon in
// the program, a recorder in tests. Texts keep their carriage returns (code
// 13) as data; the box shows them as line breaks. (The recorder that tests,
// screenshots and benchmarks use lives with them, in tools/.)
#pragma once

#include <initializer_list>
#include <string>

class QLabel;
class QLineEdit;
class QWidget;

namespace kit {

class Messages {
public:
    virtual ~Messages() = default;
    virtual void show(const std::string& text, const std::string& title) = 0;
};

class BoxMessages : public Messages {
public:
    explicit BoxMessages(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }
    void show(const std::string& text, const std::string& title) override;

private:
    QWidget* parent_;
};

// The usual reaction to faulty input: empty the result labels the fault
// concerns, select the whole text of the box to correct and give it the
// focus, then show the message under the application's title.
void reportFault(Messages& messages, QLineEdit* box, const std::string& text,
                 std::initializer_list<QLabel*> emptied = {});

}  // namespace kit
