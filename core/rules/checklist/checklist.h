#pragma once
// The safety-state questionnaire: an ordered list of yes/no questions with their answers.
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarnik {

inline constexpr const char* kAnswerYes = "TAK";
inline constexpr const char* kAnswerNo = "NIE";

// The questions file beside the program: one question per line, every line a question (an empty
// line too), Windows-1250, a line ends at CR and one LF after it is skipped, 0x1A ends the file.
inline constexpr const char* kQuestionsFileName = "pytania.txt";

// How the lines of "pytania.txt" are taken.
enum class QuestionLines {
    CutTo255, // at start-up: each line is cut to its first 255 characters
    Whole,    // when a new assessment is begun: whole lines
};

// The answer one step along the cycle: empty -> "TAK" -> "NIE" -> empty; any other text becomes
// "TAK".
std::string nextAnswer(std::string_view answer);
// The answer one step back along the cycle: empty -> "NIE" -> "TAK" -> empty; any other text
// becomes "NIE".
std::string previousAnswer(std::string_view answer);

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

    // Moves the answer of question i one step along the cycle and returns the new answer (a click
    // on its answer box is one step, and so is each of the two clicks of a double click). The
    // caller marks the assessment modified.
    const std::string& stepAnswer(std::size_t i);
    // The same one step back along the cycle.
    const std::string& stepAnswerBack(std::size_t i);

    friend bool operator==(const Checklist&, const Checklist&) = default;

private:
    std::vector<Question> questions_;
};

// The mended text of a question (the " pakowania" correction alone).
std::string correctQuestionText(std::string_view text);

// Empties the checklist and appends every line of the questions file, in order, through
// DodajPytaniebhp; the answers are empty. Returns the number of questions. Throws FileError when
// the file is missing or unreadable; the checklist is then left empty.
std::size_t loadQuestions(Checklist& checklist, const std::filesystem::path& file,
                          QuestionLines lines);

// A question typed on the page ("Nowe pytanie:" and "Dodaj"): the text is trimmed; a text that is
// empty then adds nothing and gives nullopt, any other is appended through DodajPytaniebhp and
// its index returned. It belongs to the assessment only ("pytania.txt" is not written). In both
// cases the page empties its edit; after an addition it marks the assessment modified.
std::optional<std::size_t> addTypedQuestion(Checklist& checklist, std::string_view typed);

} // namespace tarnik
