#pragma once

// A JSON document as the program writes it: objects with their keys in byte
// order, four-space indentation, and every number in the shortest form that
// reads back to the same double. The desktop's and the browser's `--json` both
// print through this one writer, so the same design gives the same bytes.

#include <string>
#include <utility>
#include <variant>
#include <vector>

namespace korvex::common {

class JsonValue;
using JsonArray = std::vector<JsonValue>;
// Keys are written sorted; a later duplicate key replaces an earlier one.
using JsonObject = std::vector<std::pair<std::string, JsonValue>>;

class JsonValue {
public:
    JsonValue() = default; // null
    JsonValue(std::nullptr_t) {}
    JsonValue(bool value) : value_(value) {}
    JsonValue(int value) : value_(static_cast<double>(value)) {}
    JsonValue(long long value) : value_(static_cast<double>(value)) {}
    JsonValue(double value) : value_(value) {}
    JsonValue(std::string value) : value_(std::move(value)) {}
    JsonValue(const char* value) : value_(std::string(value)) {}
    JsonValue(JsonArray value) : value_(std::move(value)) {}
    JsonValue(JsonObject value) : value_(std::move(value)) {}

    using Variant = std::variant<std::nullptr_t, bool, double, std::string, JsonArray, JsonObject>;
    const Variant& get() const { return value_; }

private:
    Variant value_ = nullptr;
};

// The whole document, ending with a line break.
std::string to_json_text(const JsonValue& document);

// A finite number: integral values up to 2^53 as whole numbers, others in the
// shorter of the plain and the exponent form ("1e-05", "1e+16", "0.001");
// anything else is null.
std::string json_number_text(double value);

} // namespace korvex::common
