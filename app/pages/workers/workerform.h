#pragma once
// The edit fields of one worker on the worker page: names and position, the date of employment,
// the group (RG401), the yes/no pairs of qualifications, examinations and the four trainings with
// their dates, and the red warnings STBad and STSzkol. The form keeps the fields in a
// WorkerRecord as they are typed; the page decides when they are stored in the register.
#include <QWidget>
#include <array>

#include "core/model/assessment.h"

class QButtonGroup;
class QDateEdit;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace tarnik {

class WorkerForm : public QWidget {
    Q_OBJECT
public:
    // The yes/no pairs, in the order of the record: RB402/RB412 qualifications, RB403/RB413
    // examinations, RB404/RB414 "ogólne", RB405/RB415 "stanowiskowe", RB406/RB416 "pierwsze
    // okresowe", RB407/RB417 "kolejne okresowe".
    enum Answer {
        kQualifications,
        kExaminations,
        kGeneralTraining,
        kStationTraining,
        kFirstPeriodic,
        kFurtherPeriodic,
        kAnswerCount
    };
    // DTP401 employment, DTP402 next examination, DTP403 first periodic training, DTP404 last
    // further periodic training.
    enum DateField { kEmployment, kNextExamination, kFirstPeriodicDate, kFurtherPeriodicDate };

    // `assessment` gives the training plan and the assessment date of the live warnings.
    explicit WorkerForm(const Assessment& assessment, QWidget* parent = nullptr);

    // PrWyczyscEdycje: empty texts, "mężczyzna", every "tak", the dates the assessment date, no
    // warnings.
    void clear();
    // PrEdytujPracownika: the record in the fields, the warnings from its stored flags.
    void load(const WorkerRecord& record);
    // The examination and training warnings of the fields as they now stand (a new worker's
    // defaults may be out of date from the start).
    void showCurrentWarnings();
    // PrEdycjaOn / PrEdycjaOFF. The date of a periodic training is open while its "tak" is
    // chosen.
    void setEditing(bool on);

    // The fields as they now stand.
    const WorkerRecord& fields() const { return fields_; }
    // Whether anything was changed since the fields were cleared or loaded.
    bool edited() const { return !(fields_ == baseline_); }

    QLineEdit* firstNameEdit() const { return firstName_; }
    QLineEdit* surnameEdit() const { return surname_; }
    QLineEdit* positionEdit() const { return position_; }
    QDateEdit* dateEdit(DateField field) const { return dates_[static_cast<std::size_t>(field)]; }
    QRadioButton* categoryButton(int category) const {
        return categories_[static_cast<std::size_t>(category)];
    }
    QRadioButton* yesButton(Answer a) const { return pairs_[static_cast<std::size_t>(a)].yes; }
    QRadioButton* noButton(Answer a) const { return pairs_[static_cast<std::size_t>(a)].no; }
    QLabel* examinationWarningLabel() const { return stBad_; }
    QLabel* trainingWarningLabel() const { return stSzkol_; }
    // The controls in reading order, for the page's Tab order.
    QList<QWidget*> tabOrder() const;

private:
    struct Pair {
        QRadioButton* yes = nullptr;
        QRadioButton* no = nullptr;
        QButtonGroup* group = nullptr;
    };

    QGroupBox* buildCategories();
    QGroupBox* buildQualifications();
    QGroupBox* buildExaminations();
    QGroupBox* buildTrainings();
    Pair makePair(Answer a, const QString& caption, QWidget* parent);
    QDateEdit* makeDate(DateField field, const char* name, QWidget* parent);
    void connectHandlers();

    // Everything shown from fields_, with the change handlers quiet.
    void showFields();
    bool& flag(Answer a);
    DayNumber& date(DateField field);
    void answerClicked(Answer a, bool yes);
    // The two periodic-training dates open for typing while the worker is edited and the
    // record gives them.
    void showPeriodicDatesOpen();
    void dateChanged(DateField field, const QDate& d);
    // DTP402Change and the training handlers: the live warnings.
    void updateExaminationWarning();
    void updateTrainingWarning();

    const Assessment& assessment_;
    WorkerRecord fields_;
    WorkerRecord baseline_;
    bool editing_ = false;
    int quiet_ = 0;

    QLineEdit* firstName_ = nullptr;
    QLineEdit* surname_ = nullptr;
    QLineEdit* position_ = nullptr;
    std::array<QDateEdit*, 4> dates_{};
    std::array<QRadioButton*, 4> categories_{};
    QButtonGroup* categoryGroup_ = nullptr;
    QGroupBox* categoryBox_ = nullptr;
    std::array<Pair, kAnswerCount> pairs_{};
    QLabel* stBad_ = nullptr;
    QLabel* stSzkol_ = nullptr;
};

} // namespace tarnik
