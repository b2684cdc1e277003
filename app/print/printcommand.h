#pragma once
// The print command of the menu "Drukuj" and of the button "Drukuj Ocenę", with the print
// preview and the export to PDF, which build the same report.
//
// Printing (Drukuj1Click): the progress window is cleared (and shown when the options ask for
// it), the page range is asked for in the platform print dialog or in the program's own
// "Drukuj" dialog, the page being edited stores what it holds and the wizard walks through its
// pages (storing what they hold, with their checks), the evaluation is brought up to date by the
// one recompute sequence of the core (recompute.h), so that the figures printed are those of the
// command line whatever page printing started from, then the report is laid out and the chosen
// pages are printed. Cancelling a dialog logs "Drukowanie anulowane" and builds nothing.
//
// The pictures of the charts take the proportions the evaluation pages last laid their charts
// out in (chartLaidOut); the font face of their texts comes from the print options.
#include <QObject>
#include <QPrinter>
#include <QString>

#include "app/export/documentexport.h"
#include "core/layout/printrange.h"
#include "core/report/report.h"

class QWidget;

namespace tarnik {

class Document;
class PrintOptions;
class TPrintPrg;
class Wizard;

// The platform print dialog on `printer` (its settings stay for the next print), asking for a
// page range; the range chosen goes into `range`. False when the dialog was cancelled.
bool askPrintRangeInPlatformDialog(QPrinter& printer, QWidget* parent, PrintRange& range);

// Whether what the print dialog left on the printer prints anywhere: a file the dialog chose, or a
// printer of the system. Without printers the toolkit falls back to a PDF without a file name,
// which prints nowhere.
bool printerHasOutput(const QPrinter& printer);

// The two charts of the report.
enum class ReportChart { HazardCard, RiskLevel };

class PrintCommand : public QObject {
    Q_OBJECT
public:
    explicit PrintCommand(Wizard& wizard, QObject* parent = nullptr);
    ~PrintCommand() override;

    // The document to print, the options that steer it and the window its dialogs belong to.
    // Printing needs them; walking the pages does not.
    void setDocument(Document& document, PrintOptions& options, QWidget* window);

    // The pending edit of the pages is stored, then every page after the active one and then
    // the first is shown once, and the wizard returns to the page it started from with Back and
    // Next as they were. Throws when the pending edit cannot be stored; nothing is walked then.
    void preparePages();

    // The commands, each under the general error handler: an error is shown and the command
    // stops where it arose.
public slots:
    // "Drukuj" (Ctrl+P) and "Drukuj Ocenę".
    void run();
    // "Podgląd wydruku...": the report in the platform's print preview, from where it can be
    // printed too.
    void preview();
    // "Eksportuj do PDF...": the report into a PDF file chosen by the user.
    void exportPdf();
    // "Eksportuj do dokumentu...": the report into a Word or OpenDocument file chosen by the
    // user, the type by the name's suffix (the type last chosen for a name without one).
    void exportDocument();
    // "Eksportuj plan (.xlsx)...": the improvement plan and the register of workers into a
    // spreadsheet chosen by the user.
    void exportPlan();

public:
    // The same, letting errors through to the caller.
    void Drukuj1Click();
    void previewReport();
    void exportReportPdf();
    void exportReportDocument();
    void exportPlanWorkbook();

    // DrukujWszystko: lays the report out and prints the range on the printer; the clean-ups
    // reach the page the user sees.
    ReportResult DrukujWszystko(const PrintRange& range);

    // The printer of the print dialog and the printer-setup dialog; its settings stay for the
    // next print.
    QPrinter& printer() { return printer_; }
    TPrintPrg& progress() const;
    // The printer-setup dialog ("Ustawienia...").
    void showPageSetup();

    // The report's input as the document stands, with the charts' proportions on screen.
    ReportInput reportInput();

    // A page has laid its chart out on screen in these proportions.
    void chartLaidOut(ReportChart chart, ChartProportions proportions);

private:
    void log(const QString& line);
    // Clears the progress window and shows it when the options ask for it.
    void startProgress();
    // Asks for the page range (steps 2 to 4 of the print command). False when cancelled.
    bool askForRange(PrintRange& range);
    // The walk, logged, and the evaluation brought up to date.
    void walkLogged();
    // After a report was laid out: the clean-ups count as changes where their controls say so,
    // and the page on screen shows them.
    void afterReport(const ReportResult& result);
    void requireDocument() const;
    // The target is the open assessment's own file.
    bool isAssessmentFile(const QString& target) const;
    QWidget* window() const;

    Wizard& wizard_;
    Document* document_ = nullptr;
    PrintOptions* options_ = nullptr;
    QWidget* window_ = nullptr;
    QPrinter printer_{QPrinter::HighResolution};
    OfficeFormat lastOfficeFormat_ = OfficeFormat::Docx;
    ChartProportions hazardChart_ = kChartDesignSize;
    ChartProportions riskChart_ = kChartDesignSize;
    mutable TPrintPrg* progress_ = nullptr; // made when first needed
};

} // namespace tarnik
