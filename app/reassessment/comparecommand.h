#pragma once
// "Plik → Porównaj z...": the open assessment, as it stands on screen, compared with an
// assessment file; and the comparison of two assessments or two files for the register's
// history. The earlier of the two (assessedBefore) is the previous assessment. One window shows
// the comparison: made on first use, kept, and given each new comparison.
#include <QObject>
#include <QString>

#include "core/model/assessment.h"

class QPrinter;
class QWidget;

namespace tarnik {

class ComparisonWindow;
class Document;
class PrintOptions;
class Wizard;

class CompareCommand : public QObject {
    Q_OBJECT
public:
    // `printer` and `options` are those of the program's print command; `window` is the main
    // window, the parent of the comparison window and of the messages.
    CompareCommand(Document& document, Wizard& wizard, QPrinter& printer,
                   const PrintOptions& options, QWidget* window);

    // The menu command: the pending edit of the page stored, a file chosen in the open dialog,
    // read, and compared with the open assessment. A cancelled dialog does nothing; a file that
    // cannot be read whole is reported and nothing else happens. Errors reach the caller.
    void compareWithFile();

    // Shows the comparison of two assessments in the window. `olderFile` and `newerFile` (either
    // may be empty) name the files they come from: the PDF is offered in the newer one's folder
    // and never replaces either.
    void showComparison(const Assessment& older, const Assessment& newer,
                        const QString& olderFile = {}, const QString& newerFile = {});

    // Reads both files and shows their comparison, the earlier one as the previous assessment.
    // False, with the message shown, when either cannot be read whole.
    bool compareFiles(const QString& a, const QString& b);

    // The window, null until the first comparison.
    ComparisonWindow* comparisonWindow() const { return window_; }

private:
    // Reads an assessment file as the program opens one; false, with the message shown, when it
    // cannot be read whole.
    bool readAssessment(const QString& fileName, Assessment& into);
    // Compares `a` and `b` in the order assessedBefore gives them.
    void showInOrder(const Assessment& a, const QString& aFile, const Assessment& b,
                     const QString& bFile);

    Document& document_;
    Wizard& wizard_;
    QPrinter& printer_;
    const PrintOptions& options_;
    QWidget* parent_;
    ComparisonWindow* window_ = nullptr;
};

} // namespace tarnik
