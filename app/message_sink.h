#pragma once

// Where the windows send the messages they show the user. The program shows them
// in modal message boxes; tests put a recorder in their place.

#include <deque>

#include <QString>
#include <QStringList>

class QWidget;

namespace korvex::app {

// The answers to "変更を保存しますか？".
enum class SaveAnswer { save, discard, cancel };

class MessageSink {
public:
    virtual ~MessageSink() = default;
    // A modal message with the single button OK.
    virtual void show_message(QWidget* parent, const QString& text) = 0;
    // A modal question with Yes and No; true for Yes.
    virtual bool ask(QWidget* parent, const QString& text) = 0;
    // A modal question with はい (save), いいえ (discard) and キャンセル.
    virtual SaveAnswer ask_to_save(QWidget* parent, const QString& text) = 0;
};

// Message boxes titled "Korvex for wood".
class MessageBoxSink : public MessageSink {
public:
    void show_message(QWidget* parent, const QString& text) override;
    bool ask(QWidget* parent, const QString& text) override;
    SaveAnswer ask_to_save(QWidget* parent, const QString& text) override;
};

// Keeps every message; questions get the prepared answer. The save question
// takes the prepared answers in turn, then the standing one.
class RecordingSink : public MessageSink {
public:
    void show_message(QWidget*, const QString& text) override { messages << text; }
    bool ask(QWidget*, const QString& text) override {
        questions << text;
        return answer;
    }
    SaveAnswer ask_to_save(QWidget*, const QString& text) override {
        questions << text;
        if (saveAnswers.empty()) return saveAnswer;
        const SaveAnswer next = saveAnswers.front();
        saveAnswers.pop_front();
        return next;
    }
    QStringList messages;
    QStringList questions;
    bool answer = true;
    std::deque<SaveAnswer> saveAnswers;
    SaveAnswer saveAnswer = SaveAnswer::discard;
};

} // namespace korvex::app
