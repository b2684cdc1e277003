#pragma once
// Polish alphabetical order: a ą b c ć d e ę f g h i j k l ł m n ń o ó p q r s ś t u v w x y z ź ż.
// Blanks and punctuation sort before digits, digits before letters. Letters outside the Polish
// alphabet sort with their base letter (é with e, ü with u ...), after it.
#include <string>
#include <string_view>

namespace tarnik {

enum class CaseMode { Sensitive, Insensitive };

// <0, 0, >0. Case-insensitive: "Ala" == "ala". Case-sensitive: letters compare as in the
// insensitive order first; only texts equal in that order are then told apart by case,
// small letters before capitals at the first difference ("ala" < "Ala" < "alb").
int comparePolish(std::string_view a, std::string_view b, CaseMode mode);

// The text with letter case and diacritics folded away, for searching: A-Z become a-z, the Polish
// letters their base letters ("Ołów" gives "olow"), other accented Latin letters theirs ("É" gives
// "e"), Greek and Cyrillic capitals their small letters. Everything else stays as it is.
std::string foldForSearch(std::string_view s);

struct PolishLess {
    CaseMode mode = CaseMode::Sensitive;
    bool operator()(std::string_view a, std::string_view b) const {
        return comparePolish(a, b, mode) < 0;
    }
};

} // namespace tarnik
