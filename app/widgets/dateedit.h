#pragma once
// The date field of the pages: day, the month's full Polish name and the year ("d MMMM yyyy"),
// with a calendar to choose from. It is never narrower than its longest date, so that the year
// of "28 października 2026" is not cut off.
#include <QDateEdit>

namespace tarnik {

class DateEdit : public QDateEdit {
    Q_OBJECT
public:
    explicit DateEdit(QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // The width of the longest text the field can show in its font: the widest month name, its
    // day and year written with the widest digit.
    int longestTextWidth() const;

private:
    // What the field must add to the width the editor counts from its first and last dates.
    int missingWidth() const;
};

} // namespace tarnik
