#pragma once
// Page 7, "Ocena stanu bhp": the safety-state questionnaire. Every question stands under its
// number with its answer box; a click, a double click or Space moves the answer along empty,
// "TAK", "NIE" and empty again. A question typed under "Nowe pytanie:" is added to this
// assessment only.
#include "app/wizard/wizardpage.h"

class QLineEdit;
class QPushButton;

namespace tarnik {

class ChecklistModel;
class ChecklistView;

class SafetyPage : public WizardPage {
    Q_OBJECT
public:
    explicit SafetyPage(PageContext& ctx, QWidget* parent = nullptr);

    ChecklistView* view() const { return view_; }
    ChecklistModel* checklistModel() const { return model_; }
    QLineEdit* newQuestionEdit() const { return edit_; }
    QPushButton* addButton() const { return add_; }

    void documentReset() override;

protected:
    void loadFromModel() override;

private:
    // A click on a row's answer box: its answer moves one step.
    void stepAnswer(int row);
    // T, N, Delete or Backspace on a row's answer box: the answer becomes `answer`.
    void setAnswer(int row, const QString& answer);
    // Button1Click: the typed question is added.
    void addQuestion();

    ChecklistModel* model_ = nullptr;
    ChecklistView* view_ = nullptr;
    QLineEdit* edit_ = nullptr;
    QPushButton* add_ = nullptr;
    // The checklist was replaced since the rows were last read.
    bool stale_ = true;
};

} // namespace tarnik
