#include "app/print/printcommand.h"

#include <QFileInfo>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QStandardPaths>
#include <stdexcept>

#include "app/document/document.h"
#include "app/export/documentexport.h"
#include "app/export/planexport.h"
#include "app/help/helpcontext.h"
#include "app/help/windowhelp.h"
#include "app/platform/errorhandler.h"
#include "app/platform/prompts.h"
#include "app/print/pagerangedialog.h"
#include "app/print/printprogress.h"
#include "app/print/qtcanvas.h"
#include "app/print/reportprinting.h"
#include "app/wizard/wizard.h"
#include "core/evaluation/recompute.h"
#include "core/report/printoptions.h"

namespace tarnik {

namespace {

const QString kDashes35 = QStringLiteral("-----------------------------------");
const QString kPdfFilter = QStringLiteral("pliki PDF (*.pdf)|*.pdf|wszystkie pliki|*.*");
const QString kWorkbookFilter = QStringLiteral("Skoroszyt programu Excel (*.xlsx)|*.xlsx");
const QString kDocumentFilter =
    QStringLiteral("Dokument Word (*.docx)|*.docx|Dokument OpenDocument (*.odt)|*.odt");

} // namespace

bool askPrintRangeInPlatformDialog(QPrinter& printer, QWidget* parent, PrintRange& range) {
    QPrintDialog dialog(&printer, parent);
    setHelpContext(&dialog, kHelpPrintDialog);
    dialog.setMinMax(1, 1000);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    dialog.setOption(QAbstractPrintDialog::PrintCollateCopies, true);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    if (dialog.exec() != QDialog::Accepted) return false;
    range = printer.printRange() == QPrinter::PageRange
                ? PrintRange::pages(printer.fromPage(), printer.toPage())
                : PrintRange::all();
    return true;
}

bool printerHasOutput(const QPrinter& printer) {
    if (!printer.outputFileName().isEmpty()) return true;
    return printer.outputFormat() != QPrinter::PdfFormat && systemHasPrinter();
}

PrintCommand::PrintCommand(Wizard& wizard, QObject* parent) : QObject(parent), wizard_(wizard) {
    printer_.setCollateCopies(true);
    printer_.setFromTo(1, 1000);
}

PrintCommand::~PrintCommand() = default;

void PrintCommand::setDocument(Document& document, PrintOptions& options, QWidget* window) {
    document_ = &document;
    options_ = &options;
    window_ = window;
}

QWidget* PrintCommand::window() const {
    return window_ ? window_ : wizard_.window();
}

void PrintCommand::requireDocument() const {
    if (!document_ || !options_)
        throw std::logic_error("the print command has no document to print");
}

TPrintPrg& PrintCommand::progress() const {
    if (!progress_) progress_ = new TPrintPrg(window());
    return *progress_;
}

void PrintCommand::log(const QString& line) {
    progress().append(line);
}

void PrintCommand::startProgress() {
    progress().clear();
    if (options_->showProgress()) progress().showProgress();
}

void PrintCommand::preparePages() {
    wizard_.storePendingEdit();
    wizard_.walkPages();
}

void PrintCommand::walkLogged() {
    log(kDashes35);
    log(QStringLiteral("Rozpoczynam przygotowanie dokumentu do drukowania\r\n"));
    log(QStringLiteral("Przeglądanie kolejnych stron\r\n"));
    preparePages();
    // The figures printed come from the core's sequence, not from what the walk happened to
    // show.
    recomputeEvaluation(document_->assessment(), document_->evaluation());
    log(QStringLiteral("Przeglądanie stron zakończone\r\n"));
}

void PrintCommand::run() {
    runGuarded([this] { Drukuj1Click(); }, window());
}

void PrintCommand::preview() {
    runGuarded([this] { previewReport(); }, window());
}

void PrintCommand::exportPdf() {
    runGuarded([this] { exportReportPdf(); }, window());
}

void PrintCommand::exportDocument() {
    runGuarded([this] { exportReportDocument(); }, window());
}

void PrintCommand::exportPlan() {
    runGuarded([this] { exportPlanWorkbook(); }, window());
}

void PrintCommand::showPageSetup() {
    QPageSetupDialog dialog(&printer_, window());
    setHelpContext(&dialog, kHelpPrintRange);
    dialog.exec();
}

bool PrintCommand::askForRange(PrintRange& range) {
    log(QStringLiteral("Otwieram okienko opcji drukowania\r\n"));
    if (options_->standardPrintDialog())
        return askPrintRangeInPlatformDialog(printer_, window(), range);
    TForm6 dialog([this] { showPageSetup(); }, window());
    if (!dialog.Execute()) return false;
    range = dialog.range();
    return true;
}

void PrintCommand::Drukuj1Click() {
    requireDocument();
    startProgress();
    log(kDashes35);
    log(QStringLiteral("Wybrano polecenie drukowania\r\n"));
    PrintRange range;
    if (!askForRange(range)) {
        log(QStringLiteral("Drukowanie anulowane"));
        return;
    }
    if (!printerHasOutput(printer_)) {
        log(QStringLiteral("Drukowanie anulowane"));
        showMessage(window(), kTitleWarning,
                    QStringLiteral("W systemie nie ma drukarki. Ocenę można zapisać w pliku PDF "
                                   "poleceniem \"Plik\" - \"Eksportuj do PDF...\"."));
        return;
    }
    walkLogged();
    const ReportResult result = DrukujWszystko(range);
    if (!result.ok) {
        showMessage(window(), kTitleError,
                    QStringLiteral("Drukowanie nie powiodło się: drukarka lub plik wydruku są "
                                   "niedostępne."));
    } else if (result.pagesPrinted == 0) {
        showMessage(window(), kTitleAssessment, noPagesInRangeMessage(range, result.pageCount));
    }
}

ReportInput PrintCommand::reportInput() {
    requireDocument();
    ReportInput in(document_->assessment(), document_->evaluation(), *options_);
    in.chart1 = hazardChart_;
    in.chart2 = riskChart_;
    in.log = [this](const std::string& line) { log(QString::fromStdString(line)); };
    in.showProgress = [this] { progress().showProgress(); };
    const std::string& station = document_->assessment().EdtStanowisko;
    in.jobTitle = station.empty() ? "Tarnik" : "Tarnik - " + station;
    return in;
}

void PrintCommand::chartLaidOut(ReportChart chart, ChartProportions proportions) {
    (chart == ReportChart::HazardCard ? hazardChart_ : riskChart_) = proportions;
}

ReportResult PrintCommand::DrukujWszystko(const PrintRange& range) {
    QtPrinterCanvas canvas(printer_);
    const ReportResult result = BuildReport(canvas, reportInput(), range);
    afterReport(result);
    return result;
}

void PrintCommand::afterReport(const ReportResult& result) {
    // Tidying the acquaintance list changes its text, which counts as an edit; dropping empty
    // plan rows does not.
    if (result.cleanUps.acquaintanceChanged) document_->markChanged();
    if ((result.cleanUps.acquaintanceChanged || result.cleanUps.planChanged) &&
        wizard_.currentPage())
        wizard_.currentPage()->enter(PageReason::PrintWalk);
}

void PrintCommand::previewReport() {
    requireDocument();
    startProgress();
    log(kDashes35);
    log(QStringLiteral("Wybrano podgląd wydruku\r\n"));
    walkLogged();
    QPrintPreviewDialog dialog(&printer_, window());
    dialog.setWindowTitle(QStringLiteral("Podgląd wydruku"));
    setHelpContext(&dialog, kHelpPrintPreview);
    connect(&dialog, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter* target) {
        runGuarded(
            [&] {
                QtPrinterCanvas canvas(*target);
                afterReport(BuildReport(canvas, reportInput(), PrintRange::all()));
            },
            window());
    });
    dialog.exec();
}

void PrintCommand::exportReportPdf() {
    requireDocument();
    const QString fallback = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString suggested =
        suggestedPdfName(QString::fromStdString(document_->assessment().EdtStanowisko),
                         document_->CurrentFileName(), fallback);
    QString chosen = fileDialogs().saveFileNameAt(window(), QStringLiteral("Eksportuj do PDF"),
                                                  kPdfFilter, suggested);
    if (chosen.isEmpty()) return;
    if (QFileInfo(chosen).suffix().isEmpty() && !chosen.endsWith(QLatin1Char('.')))
        chosen += QStringLiteral(".pdf");
    const QString target = QFileInfo(chosen).absoluteFilePath();
    if (isAssessmentFile(target)) {
        showMessage(window(), kTitleWarning,
                    QStringLiteral("Plik PDF nie może zastąpić pliku oceny."));
        return;
    }

    startProgress();
    log(kDashes35);
    log(QStringLiteral("Wybrano eksport do pliku PDF\r\n"));
    walkLogged();
    const ReportResult result = writeReportPdf(target, reportInput());
    afterReport(result);
    log(QStringLiteral("Zapisano plik ") + target);
    showMessage(window(), kTitleAssessment,
                QStringLiteral("Ocenę zapisano w pliku PDF:\r\n%1").arg(target));
}

bool PrintCommand::isAssessmentFile(const QString& target) const {
    return !document_->CurrentFileName().isEmpty() &&
           QFileInfo(document_->CurrentFileName()).absoluteFilePath() == target;
}

void PrintCommand::exportReportDocument() {
    requireDocument();
    const QString fallback = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString suggested =
        suggestedDocumentName(QString::fromStdString(document_->assessment().EdtStanowisko),
                              document_->CurrentFileName(), fallback, lastOfficeFormat_);
    QString chosen =
        fileDialogs().saveFileNameAt(window(), QStringLiteral("Eksportuj do dokumentu"),
                                     kDocumentFilter, suggested, officeSuffix(lastOfficeFormat_));
    if (chosen.isEmpty()) return;
    if (QFileInfo(chosen).suffix().isEmpty() && !chosen.endsWith(QLatin1Char('.')))
        chosen += QLatin1Char('.') + officeSuffix(lastOfficeFormat_);
    const std::optional<OfficeFormat> format = officeFormatOf(chosen);
    if (!format) {
        showMessage(window(), kTitleWarning,
                    QStringLiteral("Nazwa dokumentu musi się kończyć na .docx (dokument Word) "
                                   "albo .odt (dokument OpenDocument):\r\n%1")
                        .arg(chosen));
        return;
    }
    const QString target = QFileInfo(chosen).absoluteFilePath();
    if (isAssessmentFile(target)) {
        showMessage(window(), kTitleWarning,
                    QStringLiteral("Dokument nie może zastąpić pliku oceny."));
        return;
    }
    lastOfficeFormat_ = *format;

    startProgress();
    log(kDashes35);
    log(QStringLiteral("Wybrano eksport do dokumentu %1\r\n").arg(officeSuffix(*format).toUpper()));
    walkLogged();
    const OfficeReport written = writeReportDocument(target, reportInput(), *format);
    ReportResult result;
    result.ok = true;
    result.pageCount = result.pagesPrinted = written.pageCount;
    result.cleanUps = written.cleanUps;
    afterReport(result);
    log(QStringLiteral("Zapisano plik ") + target);
    showMessage(window(), kTitleAssessment,
                QStringLiteral("Ocenę zapisano w dokumencie:\r\n%1").arg(target));
}

void PrintCommand::exportPlanWorkbook() {
    requireDocument();
    const QString fallback = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString suggested =
        suggestedWorkbookName(QString::fromStdString(document_->assessment().EdtStanowisko),
                              document_->CurrentFileName(), fallback);
    QString chosen =
        fileDialogs().saveFileNameAt(window(), QStringLiteral("Eksportuj plan"), kWorkbookFilter,
                                     suggested, QStringLiteral("xlsx"));
    if (chosen.isEmpty()) return;
    if (QFileInfo(chosen).suffix().isEmpty() && !chosen.endsWith(QLatin1Char('.')))
        chosen += QStringLiteral(".xlsx");
    const QString target = QFileInfo(chosen).absoluteFilePath();
    if (isAssessmentFile(target)) {
        showMessage(window(), kTitleWarning,
                    QStringLiteral("Skoroszyt nie może zastąpić pliku oceny."));
        return;
    }
    // What the pages hold, as the report would print it.
    preparePages();
    recomputeEvaluation(document_->assessment(), document_->evaluation());
    writePlanWorkbook(target, document_->assessment());
    showMessage(window(), kTitleAssessment,
                QStringLiteral("Plan poprawy warunków pracy i rejestr pracowników zapisano "
                               "w skoroszycie:\r\n%1")
                    .arg(target));
}

} // namespace tarnik
