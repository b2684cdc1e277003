#pragma once
// The safety-state questionnaire: an ordered list of yes/no questions with their answers.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tarnik {

inline constexpr const char* kAnswerYes = "TAK";
inline constexpr const char* kAnswerNo = "NIE";

struct Question {
    std::string text;   // the question without its number
    std::string answer; // "TAK", "NIE" or empty
    friend bool operator==(const Question&, const Question&) = default;
};

class Checklist {
public:
    // Appends a question (DodajPytaniebhp): it takes the next number, and the old misprint
    // "niebezpieczne posiadają pakowania" is mended by turning its first " pakowania" into
    // " opakowania". Returns the new question's 0-based index.
    std::size_t DodajPytaniebhp(std::string_view text);

    // Number of questions (questionCount). There is no upper limit: every question is kept.
    std::size_t questionCount() const { return questions_.size(); }
    bool empty() const { return questions_.empty(); }
    void clear() { questions_.clear(); }

    const Question& operator[](std::size_t i) const { return questions_[i]; }
    Question& operator[](std::size_t i) { return questions_[i]; }
    const std::vector<Question>& questions() const { return questions_; }

    // On-screen label of question i (0-based): its 1-based number, ". " and the text.
    std::string label(std::size_t i) const;

    // The text stored for question i in an assessment file: the label cut to 255 characters
    // without everything up to and including its first blank (the number prefix).
    std::string storedText(std::size_t i) const;

    // The answer of the 1-based position n, empty when the list is shorter.
    std::string answerAt(std::size_t n) const;

    // Sets the answer of question i.
    void setAnswer(std::size_t i, std::string answer) { questions_[i].answer = std::move(answer); }

    friend bool operator==(const Checklist&, const Checklist&) = default;

private:
    std::vector<Question> questions_;
};

// The mended text of a question (the " pakowania" correction alone).
std::string correctQuestionText(std::string_view text);

} // namespace tarnik
