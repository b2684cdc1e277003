#include "app/widgets/dateedit.h"

#include <QFontMetrics>
#include <QLocale>
#include <algorithm>

namespace tarnik {

DateEdit::DateEdit(QWidget* parent) : QDateEdit(parent) {
    setLocale(QLocale(QLocale::Polish, QLocale::Poland));
    setDisplayFormat(QStringLiteral("d MMMM yyyy"));
    setCalendarPopup(true);
}

int DateEdit::longestTextWidth() const {
    const QFontMetrics fm = fontMetrics();
    QChar widestDigit = QLatin1Char('0');
    for (char c = '1'; c <= '9'; ++c)
        if (fm.horizontalAdvance(QLatin1Char(c)) > fm.horizontalAdvance(widestDigit))
            widestDigit = QLatin1Char(c);
    int widest = 0;
    for (int month = 1; month <= 12; ++month) {
        // The 28th is in every month; its text has as many digits as any day.
        QString text = textFromDateTime(QDateTime(QDate(2000, month, 28), QTime(0, 0)));
        for (QChar& c : text)
            if (c.isDigit()) c = widestDigit;
        widest = std::max(widest, fm.horizontalAdvance(text));
    }
    return widest;
}

int DateEdit::missingWidth() const {
    // The editor makes room for the texts of its first and last dates and a blank.
    const QFontMetrics fm = fontMetrics();
    const QChar blank = QLatin1Char(' ');
    const int counted = std::max(fm.horizontalAdvance(textFromDateTime(minimumDateTime()) + blank),
                                 fm.horizontalAdvance(textFromDateTime(maximumDateTime()) + blank));
    return std::max(0, longestTextWidth() + fm.horizontalAdvance(blank) - counted);
}

QSize DateEdit::sizeHint() const {
    QSize size = QDateEdit::sizeHint();
    size.rwidth() += missingWidth();
    return size;
}

QSize DateEdit::minimumSizeHint() const {
    QSize size = QDateEdit::minimumSizeHint();
    size.setWidth(std::max(size.width(), sizeHint().width()));
    return size;
}

} // namespace tarnik
