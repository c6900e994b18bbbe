#include "form/hints.h"

#include "form/input_form.h"

namespace korvex::form {

std::string hint_short(std::string_view hint) {
    return std::string(hint.substr(0, hint.find('|')));
}

std::string hint_long(std::string_view hint) {
    const auto bar = hint.find('|');
    return std::string(bar == std::string_view::npos ? hint : hint.substr(bar + 1));
}

void show_hint(InputForm& form, std::string_view hint) {
    form.statusBar.caption = hint_long(hint);
}

std::string startup_status_text(const std::string& version) {
    return "Korvex for wood　木造梁に留めるデッキプレート屋根の計算プログラム　ver." + version;
}

} // namespace korvex::form
