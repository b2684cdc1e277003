#include "app/reassessment/comparecommand.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <chrono>

#include "app/document/document.h"
#include "app/platform/pathutil.h"
#include "app/platform/prompts.h"
#include "app/print/reportprinting.h"
#include "app/reassessment/comparisonwindow.h"
#include "app/wizard/wizard.h"
#include "core/model/convert.h"
#include "core/reassessment/comparison.h"
#include "core/rules/workers/workers.h"

namespace tarnik {

namespace {

// The properties of the comparison's PDF, from the newer assessment: the title names the station,
// the author is the assessing unit, the subject the establishment.
PdfDocumentInfo comparisonPdfInfo(const Assessment& newer) {
    PdfDocumentInfo info;
    const std::string station = pdfPropertyText(newer.EdtStanowisko);
    info.title =
        station.empty() ? std::string("Porównanie ocen") : "Porównanie ocen \u2013 " + station;
    info.author = newer.EdtJednostka;
    info.subject = newer.EdtZaklad;
    info.creator = "Tarnik";
    info.producer = std::string("Qt ") + qVersion();
    info.created = std::chrono::system_clock::now();
    return normalizedPdfInfo(std::move(info));
}

// "<station> - porównanie.pdf" in the folder of the assessment file (the documents folder for an
// untitled one).
QString suggestedComparisonPdf(const Assessment& newer, const QString& file) {
    QString name =
        suggestedPdfName(QString::fromStdString(newer.EdtStanowisko), file,
                         QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    name.chop(4); // ".pdf"
    return name + QStringLiteral(" - porównanie.pdf");
}

} // namespace

CompareCommand::CompareCommand(Document& document, Wizard& wizard, QPrinter& printer,
                               const PrintOptions& options, QWidget* window)
    : QObject(window), document_(document), wizard_(wizard), printer_(printer), options_(options),
      parent_(window) {}

bool CompareCommand::readAssessment(const QString& fileName, Assessment& into) {
    into.resetToNew();
    into.questions.clear();
    if (auto failure = openForCommandLine(toPath(fileName), into)) {
        showMessage(parent_, kTitleAssessment,
                    QStringLiteral("Nie można porównać z plikiem %1:\r\n%2")
                        .arg(QDir::toNativeSeparators(fileName), QString::fromStdString(*failure)));
        return false;
    }
    UpdateWorkers(into);
    return true;
}

void CompareCommand::compareWithFile() {
    // What the page being edited holds counts: the assessment is compared as it stands on
    // screen.
    wizard_.storePendingEdit();
    const QString chosen =
        fileDialogs().openFileName(parent_, QStringLiteral("Porównaj z"), kTrkFilter);
    if (chosen.isEmpty()) return;
    const QString name = QFileInfo(withTrkExtension(chosen)).absoluteFilePath();
    Assessment other;
    if (!readAssessment(name, other)) return;
    showInOrder(document_.assessment(), document_.CurrentFileName(), other, name);
}

bool CompareCommand::compareFiles(const QString& a, const QString& b) {
    const QString aName = QFileInfo(a).absoluteFilePath();
    const QString bName = QFileInfo(b).absoluteFilePath();
    Assessment first;
    Assessment second;
    if (!readAssessment(aName, first) || !readAssessment(bName, second)) return false;
    showInOrder(first, aName, second, bName);
    return true;
}

void CompareCommand::showInOrder(const Assessment& a, const QString& aFile, const Assessment& b,
                                 const QString& bFile) {
    if (assessedBefore(a, b))
        showComparison(a, b, aFile, bFile);
    else
        showComparison(b, a, bFile, aFile);
}

void CompareCommand::showComparison(const Assessment& older, const Assessment& newer,
                                    const QString& olderFile, const QString& newerFile) {
    ComparisonOutput output;
    output.pdfInfo = comparisonPdfInfo(newer);
    output.suggestedPdf =
        suggestedComparisonPdf(newer, newerFile.isEmpty() ? olderFile : newerFile);
    for (const QString& file : {olderFile, newerFile})
        if (!file.isEmpty()) output.files << file;
    if (!window_) window_ = new ComparisonWindow(printer_, options_, parent_);
    window_->setComparison(compareAssessments(older, newer), std::move(output));
    window_->show();
    window_->raise();
    window_->activateWindow();
}

} // namespace tarnik
