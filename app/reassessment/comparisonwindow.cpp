#include "app/reassessment/comparisonwindow.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTreeView>
#include <QVBoxLayout>
#include <stdexcept>

#include "app/help/helpcontext.h"
#include "app/help/windowhelp.h"
#include "app/platform/errorhandler.h"
#include "app/platform/prompts.h"
#include "app/print/printcommand.h"
#include "app/print/qtcanvas.h"
#include "app/print/reportprinting.h"
#include "app/wizard/wizard.h"
#include "core/reassessment/comparisonreport.h"
#include "core/report/printoptions.h"

namespace tarnik {

namespace {

const QString kTitle = QStringLiteral("Porównanie ocen");
const QString kPdfFilter = QStringLiteral("pliki PDF (*.pdf)|*.pdf|wszystkie pliki|*.*");

QString shown(const std::optional<std::string>& value) {
    return value ? QString::fromStdString(*value) : kNoValue;
}

QStandardItem* readOnlyItem(const QString& text) {
    auto* item = new QStandardItem(text);
    item->setEditable(false);
    item->setToolTip(text);
    return item;
}

void addSection(QStandardItemModel& model, const QString& caption,
                const std::vector<Difference>& differences) {
    if (differences.empty()) return;
    auto* section = readOnlyItem(caption);
    QFont bold = section->font();
    bold.setBold(true);
    section->setFont(bold);
    section->setToolTip({});
    for (const Difference& d : differences)
        section->appendRow({readOnlyItem(QString::fromStdString(d.caption)),
                            readOnlyItem(shown(d.oldValue)), readOnlyItem(shown(d.newValue))});
    model.appendRow({section, readOnlyItem({}), readOnlyItem({})});
}

// The button's caption without its mnemonic mark, as a screen reader reads it.
void nameByCaption(QPushButton* button) {
    button->setAccessibleName(button->text().remove(QLatin1Char('&')));
}

} // namespace

void fillComparisonModel(QStandardItemModel& model, const AssessmentComparison& c) {
    model.clear();
    model.setHorizontalHeaderLabels({QStringLiteral("Pozycja"), QStringLiteral("Poprzednia ocena"),
                                     QStringLiteral("Nowa ocena")});
    addSection(model, kSectionGeneral, c.general);
    addSection(model, kSectionWorkers, c.workers);
    addSection(model, kSectionFactors, c.factors);
    addSection(model, kSectionFigures, c.figures);
    addSection(model, kSectionPlan, c.plan);
    if (model.rowCount() == 0) model.appendRow(readOnlyItem(kNoDifferencesText));
}

ComparisonWindow::ComparisonWindow(QPrinter& printer, const PrintOptions& options, QWidget* parent)
    : QWidget(parent, Qt::Window), printer_(printer), options_(options) {
    setWindowTitle(kTitle);
    setAttribute(Qt::WA_DeleteOnClose, false);

    oldTitle_ = new QLabel(this);
    newTitle_ = new QLabel(this);
    for (QLabel* title : {oldTitle_, newTitle_}) {
        title->setTextFormat(Qt::PlainText);
        title->setWordWrap(true);
        title->setTextInteractionFlags(Qt::TextSelectableByMouse);
    }

    auto* caption = new QLabel(QStringLiteral("&Różnice:"), this);
    model_ = new QStandardItemModel(this);
    view_ = new QTreeView(this);
    view_->setModel(model_);
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view_->setSelectionBehavior(QAbstractItemView::SelectRows);
    view_->setAlternatingRowColors(true);
    view_->setUniformRowHeights(false);
    view_->setWordWrap(true);
    view_->header()->setStretchLastSection(true);
    caption->setBuddy(view_);

    print_ = new QPushButton(QStringLiteral("&Drukuj"), this);
    pdf_ = new QPushButton(QStringLiteral("&Eksportuj do PDF..."), this);
    close_ = new QPushButton(QStringLiteral("&Zamknij"), this);
    for (QPushButton* b : {print_, pdf_, close_})
        nameByCaption(b);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(print_);
    buttons->addWidget(pdf_);
    buttons->addStretch();
    buttons->addWidget(close_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(oldTitle_);
    layout->addWidget(newTitle_);
    layout->addWidget(caption);
    layout->addWidget(view_, 1);
    layout->addLayout(buttons);
    nameControlsByTheirLabels(this);

    setHelpContext(this, kHelpComparison);
    setHelpContext(print_, kHelpComparisonOutput);
    setHelpContext(pdf_, kHelpComparisonOutput);

    connect(print_, &QPushButton::clicked, this,
            [this] { runGuarded([this] { printComparison(); }, this); });
    connect(pdf_, &QPushButton::clicked, this,
            [this] { runGuarded([this] { exportComparisonPdf(); }, this); });
    connect(close_, &QPushButton::clicked, this, &QWidget::close);

    resize(860, 560);
    setComparison({}, {});
}

void ComparisonWindow::setComparison(AssessmentComparison comparison, ComparisonOutput output) {
    comparison_ = std::move(comparison);
    output_ = std::move(output);
    oldTitle_->setText(QStringLiteral("Poprzednia ocena: ") +
                       QString::fromStdString(comparison_.oldTitle));
    newTitle_->setText(QStringLiteral("Nowa ocena: ") +
                       QString::fromStdString(comparison_.newTitle));
    oldTitle_->setAccessibleName(oldTitle_->text());
    newTitle_->setAccessibleName(newTitle_->text());
    fillComparisonModel(*model_, comparison_);
    view_->expandAll();
    view_->setColumnWidth(0, 300);
    view_->setColumnWidth(1, 250);
    // A section's caption, and "Brak różnic.", take the whole width.
    for (int row = 0; row < model_->rowCount(); ++row)
        view_->setFirstColumnSpanned(row, QModelIndex(), true);
}

void ComparisonWindow::printComparison() {
    PrintRange range;
    if (!askPrintRangeInPlatformDialog(printer_, this, range)) return;
    if (!printerHasOutput(printer_)) {
        showMessage(this, kTitleWarning,
                    QStringLiteral("W systemie nie ma drukarki. Porównanie można zapisać w pliku "
                                   "PDF przyciskiem \"Eksportuj do PDF...\"."));
        return;
    }
    QtPrinterCanvas canvas(printer_);
    const ReportResult result = BuildComparisonReport(canvas, comparison_, options_, range);
    if (!result.ok) {
        showMessage(this, kTitleError,
                    QStringLiteral("Drukowanie nie powiodło się: drukarka lub plik wydruku są "
                                   "niedostępne."));
    } else if (result.pagesPrinted == 0) {
        showMessage(this, kTitleAssessment, noPagesInRangeMessage(range, result.pageCount));
    }
}

void ComparisonWindow::exportComparisonPdf() {
    QString chosen = fileDialogs().saveFileNameAt(this, QStringLiteral("Eksportuj do PDF"),
                                                  kPdfFilter, output_.suggestedPdf);
    if (chosen.isEmpty()) return;
    if (QFileInfo(chosen).suffix().isEmpty() && !chosen.endsWith(QLatin1Char('.')))
        chosen += QStringLiteral(".pdf");
    const QString target = QFileInfo(chosen).absoluteFilePath();
    for (const QString& file : output_.files) {
        if (!file.isEmpty() && QFileInfo(file).absoluteFilePath() == target) {
            showMessage(this, kTitleWarning,
                        QStringLiteral("Plik PDF nie może zastąpić pliku oceny."));
            return;
        }
    }
    const ReportResult result = writePdf(target, output_.pdfInfo, [this](Canvas& canvas) {
        return BuildComparisonReport(canvas, comparison_, options_);
    });
    if (result.pagesPrinted == 0) throw std::runtime_error("Nie można przygotować dokumentu PDF.");
    showMessage(this, kTitleAssessment,
                QStringLiteral("Porównanie zapisano w pliku PDF:\r\n%1").arg(target));
}

} // namespace tarnik
