#include "app/rich_text_view.h"

#include <fstream>
#include <system_error>

#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>

namespace korvex::app {

namespace {

Qt::Alignment qt_alignment(persist::RtfAlignment alignment) {
    switch (alignment) {
    case persist::RtfAlignment::centre:
        return Qt::AlignHCenter;
    case persist::RtfAlignment::right:
        return Qt::AlignRight;
    case persist::RtfAlignment::justified:
        return Qt::AlignJustify;
    case persist::RtfAlignment::left:
        break;
    }
    return Qt::AlignLeft;
}

QTextCharFormat char_format(const persist::RtfStyle& style, const QFont& base) {
    QTextCharFormat format;
    format.setFontFamilies({base.family()});
    format.setFontPointSize(style.halfPoints / 2.0);
    format.setFontWeight(style.bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(style.italic);
    format.setFontUnderline(style.underline);
    format.setForeground(QColor::fromRgb((style.colour >> 16) & 0xFF, (style.colour >> 8) & 0xFF,
                                         style.colour & 0xFF));
    return format;
}

QString path_text(const std::filesystem::path& file) {
    return QString::fromStdString(file.string());
}

} // namespace

void fill_document(QTextDocument& document, const persist::RtfDocument& rtf, const QFont& base) {
    document.clear();
    document.setDefaultFont(base);
    QTextCursor cursor(&document);
    bool first = true;
    for (const persist::RtfParagraph& paragraph : rtf.paragraphs) {
        QTextBlockFormat block;
        block.setAlignment(qt_alignment(paragraph.alignment));
        if (first)
            cursor.setBlockFormat(block);
        else
            cursor.insertBlock(block);
        first = false;
        for (const persist::RtfRun& run : paragraph.runs) {
            // A line break inside the paragraph must not start a new block.
            QString text = QString::fromStdString(run.text);
            text.replace(QLatin1Char('\n'), QChar::LineSeparator);
            cursor.insertText(text, char_format(run.style, base));
        }
    }
}

std::variant<persist::RtfDocument, QString> read_rich_text_file(const std::filesystem::path& file) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec))
        return QStringLiteral("ファイル「%1」が見つかりません。").arg(path_text(file));
    const std::uintmax_t size = std::filesystem::file_size(file, ec);
    if (ec || size > kMaxRichTextBytes)
        return QStringLiteral("ファイル「%1」を読み込めません。").arg(path_text(file));
    std::ifstream in(file, std::ios::binary);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    if (!in || !in.read(bytes.data(), static_cast<std::streamsize>(bytes.size())))
        return QStringLiteral("ファイル「%1」を読み込めません。").arg(path_text(file));
    auto document = persist::read_rtf(bytes);
    if (!document)
        return QStringLiteral("ファイル「%1」はリッチテキスト形式の文書ではありません。")
            .arg(path_text(file));
    return std::move(*document);
}

} // namespace korvex::app
