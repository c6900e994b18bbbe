#pragma once

// Rich-text documents read by persist::read_rtf, put into a QTextDocument.

#include <filesystem>
#include <variant>

#include <QFont>
#include <QString>
#include <QTextDocument>

#include "persist/rtf_reader.h"

namespace korvex::app {

// An overview document is a few dozen kilobytes; far larger is not ours.
inline constexpr std::uintmax_t kMaxRichTextBytes = 8 * 1024 * 1024;

// Replaces the content of `document` with the paragraphs of `rtf`, every run in
// `base`'s family with the run's own size, style and colour.
void fill_document(QTextDocument& document, const persist::RtfDocument& rtf, const QFont& base);

// Reads an RTF file, or says clearly why it cannot: missing, unreadable, too
// large, or no rich text.
std::variant<persist::RtfDocument, QString> read_rich_text_file(const std::filesystem::path& file);

} // namespace korvex::app
