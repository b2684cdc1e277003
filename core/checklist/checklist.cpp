#include "checklist/checklist.h"

#include "model/text.h"

namespace tarnik {

std::string correctQuestionText(std::string_view text) {
    std::string s(text);
    if (s.find("niebezpieczne posiadają pakowania") != std::string::npos) {
        const std::string from = " pakowania";
        const std::size_t at = s.find(from);
        if (at != std::string::npos) s.replace(at, from.size(), " opakowania");
    }
    return s;
}

std::size_t Checklist::DodajPytaniebhp(std::string_view text) {
    questions_.push_back(Question{correctQuestionText(text), {}});
    return questions_.size() - 1;
}

std::string Checklist::label(std::size_t i) const {
    return std::to_string(i + 1) + ". " + questions_[i].text;
}

std::string Checklist::storedText(std::size_t i) const {
    const std::string cut = utf8Left(label(i), 255);
    const std::size_t blank = cut.find(' ');
    return blank == std::string::npos ? std::string() : cut.substr(blank + 1);
}

std::string Checklist::answerAt(std::size_t n) const {
    if (n == 0 || n > questions_.size()) return {};
    return questions_[n - 1].answer;
}

} // namespace tarnik
