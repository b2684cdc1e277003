#include "core/rules/checklist/checklist.h"

#include "core/base/text.h"
#include "core/base/textfile.h"

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

const std::string& Checklist::stepAnswer(std::size_t i) {
    Question& q = questions_.at(i);
    q.answer = nextAnswer(q.answer);
    return q.answer;
}

const std::string& Checklist::stepAnswerBack(std::size_t i) {
    Question& q = questions_.at(i);
    q.answer = previousAnswer(q.answer);
    return q.answer;
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

std::string nextAnswer(std::string_view answer) {
    if (answer == kAnswerYes) return kAnswerNo;
    if (answer == kAnswerNo) return {};
    return kAnswerYes;
}

std::string previousAnswer(std::string_view answer) {
    if (answer == kAnswerNo) return kAnswerYes;
    if (answer == kAnswerYes) return {};
    return kAnswerNo;
}

std::size_t loadQuestions(Checklist& checklist, const std::filesystem::path& file,
                          QuestionLines lines) {
    checklist.clear();
    const std::vector<std::string> read = readDataFileLines(file);
    for (const std::string& line : read)
        checklist.DodajPytaniebhp(lines == QuestionLines::CutTo255 ? utf8Left(line, 255) : line);
    return checklist.questionCount();
}

std::optional<std::size_t> addTypedQuestion(Checklist& checklist, std::string_view typed) {
    const std::string text = trim(typed);
    if (text.empty()) return std::nullopt;
    return checklist.DodajPytaniebhp(text);
}

} // namespace tarnik
