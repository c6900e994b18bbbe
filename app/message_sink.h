#pragma once

// Where the windows send the messages they show the user. The program shows them
// in modal message boxes; tests put a recorder in their place.

#include <QString>
#include <QStringList>

class QWidget;

namespace korvex::app {

class MessageSink {
public:
    virtual ~MessageSink() = default;
    // A modal message with the single button OK.
    virtual void show_message(QWidget* parent, const QString& text) = 0;
    // A modal question with Yes and No; true for Yes.
    virtual bool ask(QWidget* parent, const QString& text) = 0;
};

// Message boxes titled "Korvex for wood".
class MessageBoxSink : public MessageSink {
public:
    void show_message(QWidget* parent, const QString& text) override;
    bool ask(QWidget* parent, const QString& text) override;
};

// Keeps every message; questions get the prepared answer.
class RecordingSink : public MessageSink {
public:
    void show_message(QWidget*, const QString& text) override { messages << text; }
    bool ask(QWidget*, const QString& text) override {
        questions << text;
        return answer;
    }
    QStringList messages;
    QStringList questions;
    bool answer = true;
};

} // namespace korvex::app
