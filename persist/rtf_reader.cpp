#include "persist/rtf_reader.h"

#include <algorithm>
#include <cctype>

#include "common/text_encoding.h"

namespace korvex::persist {

namespace {

// Nesting deeper than this is treated as one flat group: no real document comes
// near it, and it keeps hostile input from growing the state stack without bound.
constexpr std::size_t kMaxDepth = 256;

struct GroupState {
    RtfStyle style;
    bool skip = false;   // inside a destination whose text is not shown
    int unicodeSkip = 1; // \ucN: fallback characters after each \uN
};

class Reader {
public:
    explicit Reader(std::string_view input) : in_(input) {}

    RtfDocument read() {
        stack_.push_back(GroupState{});
        while (pos_ < in_.size()) {
            const char c = in_[pos_];
            if (c == '{') {
                ++pos_;
                flush_bytes();
                if (stack_.size() < kMaxDepth)
                    stack_.push_back(stack_.back());
                else
                    ++flatDepth_;
            } else if (c == '}') {
                ++pos_;
                flush_bytes();
                if (flatDepth_ > 0)
                    --flatDepth_;
                else if (stack_.size() > 1)
                    stack_.pop_back();
            } else if (c == '\\') {
                ++pos_;
                control();
            } else if (c == '\r' || c == '\n') {
                ++pos_;
            } else {
                ++pos_;
                byte(static_cast<unsigned char>(c));
            }
        }
        flush_bytes();
        end_paragraph(true);
        return std::move(doc_);
    }

private:
    GroupState& state() { return stack_.back(); }

    void control() {
        if (pos_ >= in_.size()) return;
        const char c = in_[pos_];
        if (!std::isalpha(static_cast<unsigned char>(c))) {
            ++pos_;
            control_symbol(c);
            return;
        }
        const std::size_t start = pos_;
        while (pos_ < in_.size() && std::isalpha(static_cast<unsigned char>(in_[pos_]))) ++pos_;
        const std::string word(in_.substr(start, pos_ - start));
        bool has_param = false;
        long param = 0;
        bool negative = false;
        if (pos_ < in_.size() && in_[pos_] == '-') {
            negative = true;
            ++pos_;
        }
        while (pos_ < in_.size() && std::isdigit(static_cast<unsigned char>(in_[pos_]))) {
            has_param = true;
            if (param < 1000000000) param = param * 10 + (in_[pos_] - '0');
            ++pos_;
        }
        if (negative) param = -param;
        if (pos_ < in_.size() && in_[pos_] == ' ') ++pos_; // the delimiter belongs to the word
        control_word(word, has_param, param);
    }

    void control_symbol(char c) {
        switch (c) {
        case '\\':
        case '{':
        case '}':
            byte(static_cast<unsigned char>(c));
            break;
        case '~':
            text("\u00A0");
            break;
        case '_':
            text("-");
            break;
        case '*':
            state().skip = true;
            break; // ignorable destination
        case '\'': {
            if (pos_ + 2 <= in_.size()) {
                const auto hex = [](char h) -> int {
                    if (h >= '0' && h <= '9') return h - '0';
                    if (h >= 'a' && h <= 'f') return h - 'a' + 10;
                    if (h >= 'A' && h <= 'F') return h - 'A' + 10;
                    return -1;
                };
                const int hi = hex(in_[pos_]);
                const int lo = hex(in_[pos_ + 1]);
                if (hi >= 0 && lo >= 0) {
                    pos_ += 2;
                    if (pendingSkip_ > 0)
                        --pendingSkip_;
                    else
                        byte(static_cast<unsigned char>(hi * 16 + lo), true);
                }
            }
            break;
        }
        default:
            break; // \- optional hyphen, \: index entries and the like
        }
    }

    void control_word(const std::string& w, bool has_param, long p) {
        static const char* const kDestinations[] = {
            "fonttbl",      "stylesheet", "info",      "pict",
            "header",       "footer",     "headerl",   "headerr",
            "footerl",      "footerr",    "object",    "field",
            "fldinst",      "xmlnstbl",   "listtable", "listoverridetable",
            "rsidtbl",      "generator",  "themedata", "colorschememapping",
            "latentstyles", "datastore",  "filetbl",   "revtbl"};
        if (w == "colortbl") {
            flush_bytes();
            read_colour_table();
            return;
        }
        for (const char* d : kDestinations) {
            if (w == d) {
                state().skip = true;
                return;
            }
        }
        RtfStyle& s = state().style;
        const bool on = !has_param || p != 0;
        if (w == "par") {
            flush_bytes();
            end_paragraph(false);
        } else if (w == "line")
            text("\n");
        else if (w == "tab")
            text("\t");
        else if (w == "b") {
            flush_bytes();
            s.bold = on;
        } else if (w == "i") {
            flush_bytes();
            s.italic = on;
        } else if (w == "ul") {
            flush_bytes();
            s.underline = on;
        } else if (w == "ulnone") {
            flush_bytes();
            s.underline = false;
        } else if (w == "fs") {
            flush_bytes();
            s.halfPoints = has_param && p > 0 && p < 4000 ? static_cast<int>(p) : 24;
        } else if (w == "cf") {
            flush_bytes();
            s.colour = colour_at(p);
        } else if (w == "plain") {
            flush_bytes();
            s = RtfStyle{};
        } else if (w == "pard")
            alignment_ = RtfAlignment::left;
        else if (w == "ql")
            alignment_ = RtfAlignment::left;
        else if (w == "qc")
            alignment_ = RtfAlignment::centre;
        else if (w == "qr")
            alignment_ = RtfAlignment::right;
        else if (w == "qj")
            alignment_ = RtfAlignment::justified;
        else if (w == "ansicpg")
            codepage_ = p == 1252 ? 1252 : 932;
        else if (w == "uc")
            state().unicodeSkip = has_param ? static_cast<int>(std::clamp(p, 0L, 10L)) : 1;
        else if (w == "u" && has_param) {
            flush_bytes();
            // A signed 16-bit value; anything outside it is no character.
            const long code = p < -32768 || p > 65535 ? 0xFFFD : p < 0 ? p + 65536 : p;
            append_code_point(static_cast<char32_t>(code));
            pendingSkip_ = state().unicodeSkip;
        }
    }

    // {\colortbl;\red0\green0\blue0;\red204\green0\blue0;}: the first entry may be
    // empty ("auto").
    void read_colour_table() {
        int depth = 1;
        std::uint32_t r = 0, g = 0, b = 0;
        while (pos_ < in_.size() && depth > 0) {
            const char c = in_[pos_];
            if (c == '{') {
                ++depth;
                ++pos_;
            } else if (c == '}') {
                --depth;
                if (depth > 0) ++pos_;
            } else if (c == ';') {
                colours_.push_back(r << 16 | g << 8 | b);
                r = g = b = 0;
                ++pos_;
            } else if (c == '\\') {
                ++pos_;
                const std::size_t start = pos_;
                while (pos_ < in_.size() && std::isalpha(static_cast<unsigned char>(in_[pos_])))
                    ++pos_;
                const std::string_view word = in_.substr(start, pos_ - start);
                std::uint32_t value = 0;
                while (pos_ < in_.size() && std::isdigit(static_cast<unsigned char>(in_[pos_]))) {
                    value = std::min<std::uint32_t>(value * 10 + (in_[pos_] - '0'), 255);
                    ++pos_;
                }
                if (pos_ < in_.size() && in_[pos_] == ' ') ++pos_;
                if (word == "red")
                    r = value;
                else if (word == "green")
                    g = value;
                else if (word == "blue")
                    b = value;
                else if (word.empty() && pos_ < in_.size())
                    ++pos_;
            } else {
                ++pos_;
            }
        }
        // The closing brace of the table's group is left for the main loop.
    }

    std::uint32_t colour_at(long index) const {
        if (index < 0 || static_cast<std::size_t>(index) >= colours_.size()) return 0;
        return colours_[static_cast<std::size_t>(index)];
    }

    void byte(unsigned char b, bool escaped = false) {
        if (state().skip) return;
        if (!escaped && pendingSkip_ > 0) {
            --pendingSkip_;
            return;
        }
        bytes_.push_back(static_cast<char>(b));
    }

    void text(const std::string& utf8) {
        flush_bytes();
        if (state().skip) return;
        append_run(utf8);
    }

    void append_code_point(char32_t cp) {
        if (state().skip) return;
        std::string out;
        if (cp < 0x80)
            out += static_cast<char>(cp);
        else if (cp < 0x800) {
            out += static_cast<char>(0xC0 | (cp >> 6));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        } else {
            if (cp >= 0xD800 && cp <= 0xDFFF) cp = 0xFFFD; // lone surrogate halves
            out += static_cast<char>(0xE0 | (cp >> 12));
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        }
        append_run(out);
    }

    // Decodes the collected bytes in the document's code page.
    void flush_bytes() {
        if (bytes_.empty()) return;
        std::string decoded;
        if (codepage_ == 932) {
            // Decode byte pairs one character at a time so that one bad byte costs one
            // replacement character, not the paragraph.
            std::size_t i = 0;
            while (i < bytes_.size()) {
                const auto b = static_cast<unsigned char>(bytes_[i]);
                const bool lead = (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
                const std::size_t len = lead && i + 1 < bytes_.size() ? 2 : 1;
                const auto piece = common::cp932_to_utf8(std::string_view(bytes_).substr(i, len));
                decoded += piece ? *piece : "\uFFFD";
                i += len;
            }
        } else {
            for (unsigned char b : bytes_) {
                const char32_t cp = b; // Latin-1 covers the printable part of 1252 well enough
                if (cp < 0x80)
                    decoded += static_cast<char>(cp);
                else {
                    decoded += static_cast<char>(0xC0 | (cp >> 6));
                    decoded += static_cast<char>(0x80 | (cp & 0x3F));
                }
            }
        }
        bytes_.clear();
        append_run(decoded);
    }

    void append_run(const std::string& utf8) {
        if (utf8.empty()) return;
        auto& runs = current_.runs;
        const RtfStyle& style = state().style;
        if (!runs.empty() && runs.back().style == style)
            runs.back().text += utf8;
        else
            runs.push_back(RtfRun{utf8, style});
    }

    void end_paragraph(bool at_end) {
        if (at_end && current_.runs.empty()) return;
        current_.alignment = alignment_;
        doc_.paragraphs.push_back(std::move(current_));
        current_ = RtfParagraph{};
    }

    std::string_view in_;
    std::size_t pos_ = 0;
    std::vector<GroupState> stack_;
    std::size_t flatDepth_ = 0;
    int pendingSkip_ = 0;
    int codepage_ = 932;
    std::string bytes_;
    std::vector<std::uint32_t> colours_;
    RtfAlignment alignment_ = RtfAlignment::left;
    RtfParagraph current_;
    RtfDocument doc_;
};

} // namespace

std::optional<RtfDocument> read_rtf(std::string_view bytes) {
    std::size_t start = 0;
    while (start < bytes.size() && std::isspace(static_cast<unsigned char>(bytes[start]))) ++start;
    if (bytes.substr(start, 5) != "{\\rtf") return std::nullopt;
    return Reader(bytes.substr(start)).read();
}

} // namespace korvex::persist
