#pragma once

// What the window tests share: one QApplication for the whole test program,
// made before any test runs (a plain QGuiApplication would rule out widgets),
// and sessions on the shipped data folder.

#include <gtest/gtest.h>

#include <memory>

#include <QApplication>
#include <QKeyEvent>
#include <QString>
#include <QWidget>

#include "form/calculate.h"
#include "form/session.h"

namespace korvex::testing {

class QtApplicationEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        static int argc = 1;
        static char name[] = "app_tests";
        static char* argv[] = {name, nullptr};
        if (!QCoreApplication::instance()) new QApplication(argc, argv);
    }
};

inline ::testing::Environment* const kQtApplication =
    ::testing::AddGlobalTestEnvironment(new QtApplicationEnvironment);

// A session as the program starts it.
inline std::unique_ptr<form::Session> started_session() {
    auto session = std::make_unique<form::Session>();
    if (form::start_session(*session, KORVEX_DATA_DIR, "1.0")) return nullptr;
    return session;
}

// A session after Calculate on the start-up inputs.
inline std::unique_ptr<form::Session> calculated_session() {
    auto session = started_session();
    if (!session || form::calculate(*session)) return nullptr;
    return session;
}

// Keys as the user types them, one event per character.
inline void type_text(QWidget* widget, const QString& text) {
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
    }
}

inline void press_key(QWidget* widget, int key, const QString& text = {}) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &press);
}

} // namespace korvex::testing
