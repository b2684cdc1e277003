#pragma once
// TForm6: the program's own page-range dialog "Drukuj".
//
// It is used instead of the platform print dialog when the option "Pokaż standardowe okienko
// drukowania" is off: all pages, or the pages from..to, and "Ustawienia..." for the printer's
// setup.
#include <QDialog>
#include <functional>

#include "core/layout/printrange.h"

class QLineEdit;
class QPushButton;
class QRadioButton;

namespace tarnik {

class TForm6 : public QDialog {
    Q_OBJECT
public:
    // `setUpPrinter` runs when "Ustawienia..." is pressed (the printer-setup dialog).
    explicit TForm6(std::function<void()> setUpPrinter, QWidget* parent = nullptr);

    // Shows the dialog modally; true when the user pressed "Drukuj".
    bool Execute();

    // The range chosen: all pages, or the integers of the two fields. Throws ConversionError
    // when "Strony" is chosen and a field does not hold an integer (the fields are made integers
    // whenever the user leaves them, but Enter prints without leaving).
    PrintRange range() const;

    QRadioButton* rbAll() const { return rbAll_; }
    QRadioButton* rbFromTo() const { return rbFromTo_; }
    QLineEdit* edtFrom() const { return edtFrom_; }
    QLineEdit* edtTo() const { return edtTo_; }
    QPushButton* printButton() const { return print_; }
    QPushButton* cancelButton() const { return cancel_; }
    QPushButton* settingsButton() const { return settings_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Leaving a field: its text trimmed, as an integer in plain decimal form; a text that is not
    // an integer becomes "1" in "od" and a copy of "od" in "do".
    void edtFromExit();
    void edtToExit();

    std::function<void()> setUpPrinter_;
    QRadioButton* rbAll_ = nullptr;
    QRadioButton* rbFromTo_ = nullptr;
    QLineEdit* edtFrom_ = nullptr;
    QLineEdit* edtTo_ = nullptr;
    QPushButton* print_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QPushButton* settings_ = nullptr;
    bool result_ = false;
};

} // namespace tarnik
