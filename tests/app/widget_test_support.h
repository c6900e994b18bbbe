#pragma once

// What the window tests share: one QApplication for the whole test program,
// made before any test runs (a plain QGuiApplication would rule out widgets),
// and sessions on the shipped data folder. The user's folders and settings are
// temporary ones: no test reads or writes the real user's.

#include <gtest/gtest.h>

#include <memory>

#include <QApplication>
#include <QKeyEvent>
#include <QSettings>
#include <QStandardPaths>
#include <QString>
#include <QTemporaryDir>
#include <QWidget>

#include "form/calculate.h"
#include "form/session.h"

namespace korvex::testing {

class QtApplicationEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        static QTemporaryDir user_home;
        qputenv("XDG_DATA_HOME", user_home.filePath("data").toUtf8());
        qputenv("XDG_CONFIG_HOME", user_home.filePath("config").toUtf8());
        QStandardPaths::setTestModeEnabled(true);
        for (const auto format : {QSettings::NativeFormat, QSettings::IniFormat})
            QSettings::setPath(format, QSettings::UserScope, user_home.filePath("settings"));
        static int argc = 1;
        static char name[] = "app_tests";
        static char* argv[] = {name, nullptr};
        if (!QCoreApplication::instance()) new QApplication(argc, argv);
        QCoreApplication::setOrganizationName(QStringLiteral("Velmora"));
        QCoreApplication::setApplicationName(QStringLiteral("Korvex for wood tests"));
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
