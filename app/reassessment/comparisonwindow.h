#pragma once
// "Porównanie ocen": what changed between two assessments of a station. The two assessments at
// the top, then the differences by section in a tree (a row per section that has any, with its
// differences below it in the columns "Pozycja", "Poprzednia ocena", "Nowa ocena"), "Brak
// różnic." when there are none. "Drukuj" prints it through the platform print dialog,
// "Eksportuj do PDF..." writes it as a PDF/A file, both with the layout of the program's report.
#include <QString>
#include <QStringList>
#include <QWidget>

#include "app/print/pdfarchive.h"
#include "core/reassessment/comparison.h"

class QLabel;
class QPrinter;
class QPushButton;
class QStandardItemModel;
class QTreeView;

namespace tarnik {

class PrintOptions;

// What stands in a column for a value that is not there (a worker added has no old group).
inline const QString kNoValue = QStringLiteral("\u2014");
inline const QString kNoDifferencesText = QStringLiteral("Brak różnic.");

// The section captions, in the order shown.
inline const QString kSectionGeneral = QStringLiteral("Dane ogólne");
inline const QString kSectionWorkers = QStringLiteral("Pracownicy");
inline const QString kSectionFactors = QStringLiteral("Czynniki");
inline const QString kSectionFigures = QStringLiteral("Wskaźniki i poziom ryzyka");
inline const QString kSectionPlan = QStringLiteral("Plan poprawy warunków pracy");

// Fills `model` with the comparison: the three columns, a row per section with differences and
// the differences as its children; a single row kNoDifferencesText when there are none.
void fillComparisonModel(QStandardItemModel& model, const AssessmentComparison& comparison);

// Where the comparison goes besides the screen.
struct ComparisonOutput {
    PdfDocumentInfo pdfInfo; // the properties of its PDF
    QString suggestedPdf;    // the full name the PDF is offered under
    QStringList files;       // the assessment files compared: never replaced by the PDF
};

class ComparisonWindow : public QWidget {
    Q_OBJECT
public:
    // `printer` is the program's printer, whose settings stay from print to print; `options`
    // give the report's font face and Polish-letter setting. Both outlive the window.
    ComparisonWindow(QPrinter& printer, const PrintOptions& options, QWidget* parent = nullptr);

    // Shows `comparison` in place of what the window showed before.
    void setComparison(AssessmentComparison comparison, ComparisonOutput output);
    const AssessmentComparison& comparison() const { return comparison_; }
    const ComparisonOutput& output() const { return output_; }

    QLabel* oldTitleLabel() const { return oldTitle_; }
    QLabel* newTitleLabel() const { return newTitle_; }
    QTreeView* view() const { return view_; }
    QStandardItemModel* model() const { return model_; }
    QPushButton* printButton() const { return print_; }
    QPushButton* pdfButton() const { return pdf_; }
    QPushButton* closeButton() const { return close_; }

    // The commands, letting errors through to the caller; the buttons run them under the general
    // error handler.
    // "Drukuj": the platform print dialog, then the chosen pages on its printer.
    void printComparison();
    // "Eksportuj do PDF...": the file chosen in the save dialog, written whole or not at all.
    void exportComparisonPdf();

private:
    QPrinter& printer_;
    const PrintOptions& options_;
    AssessmentComparison comparison_;
    ComparisonOutput output_;
    QLabel* oldTitle_ = nullptr;
    QLabel* newTitle_ = nullptr;
    QTreeView* view_ = nullptr;
    QStandardItemModel* model_ = nullptr;
    QPushButton* print_ = nullptr;
    QPushButton* pdf_ = nullptr;
    QPushButton* close_ = nullptr;
};

} // namespace tarnik
