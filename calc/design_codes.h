#pragma once

// The closed sets of a design, and the one place where they meet numbers: the
// code the JSON prints and the code a project file stores (some sets with an
// offset, so every choice line of the file has its own range).

#include <optional>
#include <string_view>

namespace korvex::calc {

enum class RoofType { monoPitch = 3, gable = 4, arc = 5, canopy = 6 };
// How the wind derivation treats a roof type.
enum class RoofKind { pitched = 0, arc = 1, canopy = 2 };
enum class BuildingForm { closed = 0, windwardOpen = 1, leewardOpen = 2 };
enum class CanopyShape { gable = 0, wing = 1 };
// How the vertical snow depth is found: typed in, or by the formula from the site.
enum class SnowMethod { typedDepth = 0, formula = 1 };
// Loads derived from the notifications, or wind and snow loads entered directly.
enum class LayoutMode { derivedLoads = 0, directLoads = 1 };
// Which ends of the deck run on past their support.
enum class CantileverMode { none = 0, left = 1, right = 2, both = 3 };
// The sign of the wind pressure a load case is analysed with.
enum class WindPass { positive, negative };

// The codes of each set: the range of the JSON's code, and the offset the project
// file adds to it.
template <class E> struct Codes;
template <> struct Codes<RoofType> { static constexpr int kFirst = 3, kLast = 6, kFileOffset = 0; };
template <> struct Codes<RoofKind> { static constexpr int kFirst = 0, kLast = 2, kFileOffset = 0; };
template <> struct Codes<BuildingForm> {
    static constexpr int kFirst = 0, kLast = 2, kFileOffset = 7;
};
template <> struct Codes<CanopyShape> {
    static constexpr int kFirst = 0, kLast = 1, kFileOffset = 10;
};
template <> struct Codes<SnowMethod> {
    static constexpr int kFirst = 0, kLast = 1, kFileOffset = 1;
};
template <> struct Codes<LayoutMode> {
    static constexpr int kFirst = 0, kLast = 1, kFileOffset = 0;
};
template <> struct Codes<CantileverMode> {
    static constexpr int kFirst = 0, kLast = 3, kFileOffset = 0;
};

// The JSON's code of a value (roof type 3..6, building form 0..2, ...).
template <class E> constexpr int code(E value) {
    return static_cast<int>(value);
}

// The value of a JSON code; nothing when the code is outside the set.
template <class E> constexpr std::optional<E> from_code(int code) {
    if (code < Codes<E>::kFirst || code > Codes<E>::kLast) return std::nullopt;
    return static_cast<E>(code);
}

// The project file's code of a value, and back.
template <class E> constexpr int file_code(E value) {
    return code(value) + Codes<E>::kFileOffset;
}
template <class E> constexpr std::optional<E> from_file_code(int file_code) {
    // The range is checked before the offset is taken off, so no stored number
    // can overflow it.
    if (file_code < Codes<E>::kFirst + Codes<E>::kFileOffset ||
        file_code > Codes<E>::kLast + Codes<E>::kFileOffset)
        return std::nullopt;
    return static_cast<E>(file_code - Codes<E>::kFileOffset);
}

constexpr RoofKind roof_kind(RoofType type) {
    switch (type) {
    case RoofType::arc:
        return RoofKind::arc;
    case RoofType::canopy:
        return RoofKind::canopy;
    default:
        return RoofKind::pitched;
    }
}

constexpr bool has_left_cantilever(CantileverMode mode) {
    return mode == CantileverMode::left || mode == CantileverMode::both;
}
constexpr bool has_right_cantilever(CantileverMode mode) {
    return mode == CantileverMode::right || mode == CantileverMode::both;
}

// Where a site value came from: the shipped site table, the user's own site
// table, typed into the snow panel, or nowhere (the tables have no value).
enum class ValueSource { none, table, user, entered };

// The JSON's word for a source.
constexpr std::string_view value_source_name(ValueSource source) {
    switch (source) {
    case ValueSource::table:
        return "table";
    case ValueSource::user:
        return "user";
    case ValueSource::entered:
        return "entered";
    default:
        return "none";
    }
}

// "Ps" and "Ms", as the JSON and the report's records name the passes.
constexpr std::string_view wind_pass_text(WindPass pass) {
    return pass == WindPass::negative ? "Ms" : "Ps";
}

} // namespace korvex::calc
