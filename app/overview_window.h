#pragma once

// The overview viewer "概　　要": the program's description read from
// "Kvxw_general.rtf" in the data folder, read-only, beside the main window.
// The program keeps one viewer; showing it again reloads the document.

#include <filesystem>

#include <QWidget>

#include "app/message_sink.h"

class QTextEdit;

namespace korvex::app {

inline constexpr const char* kOverviewFileName = "Kvxw_general.rtf";

class OverviewWindow : public QWidget {
    Q_OBJECT
public:
    explicit OverviewWindow(MessageSink& sink, QWidget* owner = nullptr);

    // The main window's "概　要": loads the document of `dataFolder`, replacing
    // what the view held, and shows the viewer. A missing or unreadable file is
    // reported through the sink and the viewer is not shown; false then.
    bool show_overview(const std::filesystem::path& data_folder);

    QTextEdit* view() const { return documentView_; }

private:
    MessageSink& sink_;
    QTextEdit* documentView_;
};

} // namespace korvex::app
