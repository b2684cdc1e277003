#pragma once
// What the handler of an input field of the evaluation pages did: whether it changed the
// document, and the text that must replace the field's text, if any.
#include <optional>
#include <string>

namespace tarnik {

struct FieldEdit {
    bool changed = false;
    std::optional<std::string> replacement;
};

} // namespace tarnik
