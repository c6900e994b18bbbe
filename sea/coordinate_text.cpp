#include "sea/coordinate_text.h"

#include <cmath>
#include <optional>
#include <vector>

#include "common/number_parse.h"
#include "common/number_text.h"

namespace korvex::sea {

namespace {

const char* const kUnreadable = "建設地の緯度・経度を読み取れません。「39.0822, 141.7083」や"
                                "「39°04'56\"N 141°42'30\"E」の形で入力して下さい。";

// Each symbol people use, as the one character the reader below knows: the
// hemisphere letters, and kDegree, kMinute and kSecond.
constexpr char kDegree = '\x01';
constexpr char kMinute = '\x02';
constexpr char kSecond = '\x03';

struct Replacement {
    std::string_view from;
    std::string_view to;
};
constexpr Replacement kReplacements[] = {
    {"北緯", "N"},  {"南緯", "S"},  {"東経", "E"}, {"西経", "W"},  {"°", "\x01"},  {"º", "\x01"},
    {"˚", "\x01"},  {"度", "\x01"}, {"′", "\x02"}, {"’", "\x02"},  {"‘", "\x02"},  {"分", "\x02"},
    {"″", "\x03"},  {"”", "\x03"},  {"“", "\x03"}, {"秒", "\x03"}, {"''", "\x03"}, {"'", "\x02"},
    {"\"", "\x03"}, {"、", ","},    {"　", " "},   {"−", "-"},
};

// Full-width ASCII (U+FF01-U+FF5E, bytes EF BC 81 to EF BD 9E) as ASCII, and the
// hemisphere letters in capitals.
std::string half_width(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c0 = static_cast<unsigned char>(text[i]);
        if (c0 == 0xEF && i + 2 < text.size()) {
            const auto c1 = static_cast<unsigned char>(text[i + 1]);
            const auto c2 = static_cast<unsigned char>(text[i + 2]);
            const int code = c1 == 0xBC ? 0xFF00 + c2 - 0x80 : c1 == 0xBD ? 0xFF40 + c2 - 0x80 : 0;
            if (code >= 0xFF01 && code <= 0xFF5E) {
                out += static_cast<char>(code - 0xFF01 + 0x21);
                i += 2;
                continue;
            }
        }
        out += text[i];
    }
    for (char& c : out)
        if (c == 'n' || c == 's' || c == 'e' || c == 'w') c = static_cast<char>(c - 'a' + 'A');
    return out;
}

std::string normalised(std::string_view text) {
    const std::string half = half_width(text);
    const std::string_view rest(half);
    std::string out;
    for (std::size_t i = 0; i < rest.size();) {
        bool replaced = false;
        for (const Replacement& r : kReplacements) {
            if (rest.substr(i, r.from.size()) == r.from) {
                out += r.to;
                i += r.from.size();
                replaced = true;
                break;
            }
        }
        if (!replaced) out += rest[i++];
    }
    return out;
}

enum class TokenKind { number, unit, hemisphere, separator };
struct Token {
    TokenKind kind;
    double value = 0.0;
    char symbol = 0;
};

std::optional<std::vector<Token>> tokens_of(const std::string& text) {
    std::vector<Token> tokens;
    for (std::size_t i = 0; i < text.size();) {
        const char c = text[i];
        if (c == ' ' || c == '\t') {
            ++i;
        } else if (c == ',' || c == ';' || c == '/') {
            tokens.push_back({TokenKind::separator, 0.0, ','});
            ++i;
        } else if (c == kDegree || c == kMinute || c == kSecond) {
            tokens.push_back({TokenKind::unit, 0.0, c});
            ++i;
        } else if (c == 'N' || c == 'S' || c == 'E' || c == 'W') {
            tokens.push_back({TokenKind::hemisphere, 0.0, c});
            ++i;
        } else if ((c >= '0' && c <= '9') || c == '.' || c == '-' || c == '+') {
            std::size_t end = i + 1;
            while (end < text.size() &&
                   ((text[end] >= '0' && text[end] <= '9') || text[end] == '.'))
                ++end;
            const auto value = common::parse_decimal(std::string_view(text).substr(i, end - i));
            if (!value) return std::nullopt;
            tokens.push_back({TokenKind::number, *value, 0});
            i = end;
        } else {
            return std::nullopt;
        }
    }
    return tokens;
}

struct Coordinate {
    double degrees = 0.0;
    char hemisphere = 0;
};

// [hemisphere] number [degree [number minute [number second]]] [hemisphere];
// minutes and seconds only after degrees marked as such.
class CoordinateReader {
public:
    explicit CoordinateReader(const std::vector<Token>& tokens) : tokens_(tokens) {}

    bool at_end() const { return at_ >= tokens_.size(); }
    void skip_separator() {
        if (peek(TokenKind::separator)) ++at_;
    }

    std::variant<Coordinate, std::string> read() {
        Coordinate c;
        bool prefixed = false;
        if (peek(TokenKind::hemisphere)) {
            c.hemisphere = tokens_[at_++].symbol;
            prefixed = true;
        }
        if (!peek(TokenKind::number)) return std::string(kUnreadable);
        c.degrees = tokens_[at_++].value;
        if (unit(kDegree)) {
            for (const char next : {kMinute, kSecond}) {
                if (!peek(TokenKind::number)) break;
                const double value = tokens_[at_].value;
                ++at_;
                if (!unit(next)) return std::string(kUnreadable);
                if (value < 0.0 || value >= 60.0)
                    return std::string("分・秒は 0 以上 60 未満で入力して下さい。");
                if (c.degrees < 0.0) return std::string(kUnreadable);
                c.degrees += value / (next == kMinute ? 60.0 : 3600.0);
            }
        }
        if (!prefixed && peek(TokenKind::hemisphere)) c.hemisphere = tokens_[at_++].symbol;
        return c;
    }

private:
    bool peek(TokenKind kind) const { return at_ < tokens_.size() && tokens_[at_].kind == kind; }
    bool unit(char symbol) {
        if (!peek(TokenKind::unit) || tokens_[at_].symbol != symbol) return false;
        ++at_;
        return true;
    }

    const std::vector<Token>& tokens_;
    std::size_t at_ = 0;
};

bool is_latitude_letter(char c) {
    return c == 'N' || c == 'S';
}

double signed_degrees(const Coordinate& c) {
    if (c.hemisphere == 0) return c.degrees;
    if (c.degrees < 0.0) return NAN; // a sign and a hemisphere both
    return c.hemisphere == 'S' || c.hemisphere == 'W' ? -c.degrees : c.degrees;
}

} // namespace

std::variant<GeoPoint, std::string> parse_coordinates(std::string_view text) {
    const auto tokens = tokens_of(normalised(text));
    if (!tokens || tokens->empty()) return std::string(kUnreadable);
    CoordinateReader reader(*tokens);
    auto first = reader.read();
    if (auto* message = std::get_if<std::string>(&first)) return *message;
    reader.skip_separator();
    if (reader.at_end()) return std::string("緯度と経度の両方を入力して下さい。");
    auto second = reader.read();
    if (auto* message = std::get_if<std::string>(&second)) return *message;
    if (!reader.at_end()) return std::string(kUnreadable);

    Coordinate latitude = std::get<Coordinate>(first);
    Coordinate longitude = std::get<Coordinate>(second);
    const bool swapped = (latitude.hemisphere && !is_latitude_letter(latitude.hemisphere)) ||
                         (longitude.hemisphere && is_latitude_letter(longitude.hemisphere));
    if (swapped) std::swap(latitude, longitude);
    if ((latitude.hemisphere && !is_latitude_letter(latitude.hemisphere)) ||
        (longitude.hemisphere && is_latitude_letter(longitude.hemisphere)))
        return std::string("緯度（N・S）と経度（E・W）を一つずつ入力して下さい。");
    const GeoPoint point{signed_degrees(latitude), signed_degrees(longitude)};
    if (std::isnan(point.latitude) || std::isnan(point.longitude)) return std::string(kUnreadable);
    if (std::fabs(point.latitude) > 90.0)
        return std::string("緯度は -90～90 度の範囲で入力して下さい。");
    if (std::fabs(point.longitude) > 180.0)
        return std::string("経度は -180～180 度の範囲で入力して下さい。");
    return point;
}

std::string coordinates_text(GeoPoint point) {
    const auto part = [](double value, const char* positive, const char* negative) {
        return std::string(value < 0.0 ? negative : positive) + " " +
               common::format_grouped(std::fabs(value), 4, true) + "°";
    };
    return part(point.latitude, "北緯", "南緯") + " " + part(point.longitude, "東経", "西経");
}

// Rounded from the decimal text: a scaled 141.7094444 is too large a number for
// the rounding rule's allowance for binary noise.
std::string coordinate_number(double degrees) {
    return common::format_grouped(degrees, 6, true);
}

} // namespace korvex::sea
