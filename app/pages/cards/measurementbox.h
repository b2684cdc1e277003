#pragma once
// The measurement card of page 5, the group "Pomiar": date, place, performer, method and result of
// the measurement, "Spełnia wymagania:" for lighting and electric current, and the four multiples
// of the exposure limit with their legend. Which rows show depends on the factor's group
// (CardLayout).
#include <QDate>
#include <QGroupBox>
#include <array>

#include "core/rules/factors/cards.h"

class QButtonGroup;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace tarnik {

class MeasurementBox : public QGroupBox {
    Q_OBJECT
public:
    explicit MeasurementBox(QWidget* parent = nullptr);

    // Shows the card's measurement fields (date, place, performer, method, result, the multiples
    // and "Spełnia wymagania:").
    void showValues(const CardInput& in);
    // Copies the same fields back. The date keeps its exact stored value while the user has not
    // changed it.
    void readValues(CardInput& out) const;
    void applyLayout(const CardLayout& layout);

    QDateEdit* dateEdit() const { return date_; }
    QLineEdit* placeEdit() const { return place_; }
    QLineEdit* performerEdit() const { return performer_; }
    QLineEdit* methodEdit() const { return method_; }
    QLineEdit* resultEdit() const { return result_; }
    QLabel* resultLabel() const { return resultLabel_; }
    QRadioButton* meetsYes() const { return meetsYes_; }
    QRadioButton* meetsNo() const { return meetsNo_; }
    QLabel* limitLabel() const { return limitLabel_; }
    // Ed607 .. Ed610.
    QLineEdit* multiplicityEdit(int column) const;
    QWidget* multiplicityArea() const { return multiplicityArea_; }
    QWidget* legendPC() const { return legendPC_; }
    QWidget* legendR() const { return legendR_; }
    QPushButton* performerInsertButton() const { return performerInsert_; }
    QPushButton* methodInsertButton() const { return methodInsert_; }

signals:
    // A multiplicity edit lost the focus (Ed607Exit .. Ed610Exit).
    void multiplicityLeft(int column);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QDateEdit* date_ = nullptr;
    QLineEdit* place_ = nullptr;
    QLineEdit* performer_ = nullptr;
    QLineEdit* method_ = nullptr;
    QLineEdit* result_ = nullptr;
    QLabel* resultLabel_ = nullptr;
    QPushButton* performerInsert_ = nullptr;
    QPushButton* methodInsert_ = nullptr;
    QLabel* meetsLabel_ = nullptr;
    QWidget* meetsChoice_ = nullptr;
    QButtonGroup* meets_ = nullptr;
    QRadioButton* meetsYes_ = nullptr;
    QRadioButton* meetsNo_ = nullptr;
    QWidget* multiplicityArea_ = nullptr;
    QLabel* limitLabel_ = nullptr;
    std::array<QLineEdit*, 4> multiples_{};
    QWidget* legend_ = nullptr;
    QWidget* legendPC_ = nullptr;
    QWidget* legendR_ = nullptr;
    // The stored date and the date the control showed for it, so that an untouched date goes
    // back unchanged (a stored time of day, or a date outside the control's range, included).
    DayNumber loadedDate_ = 0;
    QDate shownDate_;
};

} // namespace tarnik
