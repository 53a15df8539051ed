// Message boxes behind one interface: a modal OK-only box without an icon in
// the program, a recorder in tests. Texts keep their carriage returns (code
// 13) as data; the box shows them as line breaks.
#pragma once

#include <string>
#include <vector>

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

class RecordingMessages : public Messages {
public:
    struct Shown {
        std::string text;
        std::string title;
    };
    void show(const std::string& text, const std::string& title) override {
        shown.push_back({text, title});
    }
    std::vector<Shown> shown;
};

}  // namespace kit
