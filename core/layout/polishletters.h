#pragma once
// The Polish letters of a text replaced by their base letters, for printers that are not to
// print them.
#include <string>
#include <string_view>

namespace tarnik {

// The text with every Polish letter replaced by its base letter ("Łódź" → "Lodz"); every other
// character, a malformed byte included, is kept as it is.
std::string StripPolishLetters(std::string_view text);

} // namespace tarnik
