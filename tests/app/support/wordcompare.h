#pragma once
// Two texts of one document compared word by word in order, for the tests that read the same
// report back from two different outputs (the printed PDF and an office document converted by
// LibreOffice), whose pages break in different places.
#include <QSet>
#include <QString>
#include <QStringList>

namespace tarnik::testing {

// The words of a text: what stands between white space, after the lines of the running header
// (any line that ends in ", strona N") are left out.
QStringList reportWords(const QString& text);

struct WordComparison {
    bool same = false;
    QString differences; // the runs of words found on one side only, with their places
};

// Whether `actual` has the words of `expected` in the same order. A run of words found on one
// side only is allowed when it repeats a run that stands earlier on the same side (the column
// headings of a table that a new page repeats), and on the expected side when every word of it
// is in `expectedOnly` (the texts of a chart that the other output holds as a picture).
WordComparison compareWords(const QStringList& expected, const QStringList& actual,
                            const QSet<QString>& expectedOnly = {});

} // namespace tarnik::testing
