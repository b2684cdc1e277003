// The print flow in the program: the page-range dialog and its handlers, the progress window,
// "Drukuj" with either dialog, the walk and the report on the printer (a PDF file here) with the
// figures of the command line whatever page it started from, the charts' proportions, the
// clean-ups reaching the document, the print preview and the export to PDF.
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

#include "app/document/document.h"
#include "app/pages/evaluation/hazardcardpage.h"
#include "app/pages/evaluation/risklevelpage.h"
#include "app/platform/pathutil.h"
#include "app/print/pagerangedialog.h"
#include "app/print/printcommand.h"
#include "app/print/printprogress.h"
#include "app/print/qtcanvas.h"
#include "app/print/reportprinting.h"
#include "app/shell/application.h"
#include "app/shell/documentcommands.h"
#include "app/widgets/chartwidget.h"
#include "app/wizard/wizard.h"
#include "core/base/errors.h"
#include "core/base/settings.h"
#include "core/evaluation/recompute.h"
#include "core/evaluation/summary.h"
#include "core/model/convert.h"
#include "tests/app/support/assessmentfiles.h"
#include "tests/app/support/pdftext.h"
#include "tests/app/support/testsupport.h"
#include "tests/support/fixtures.h"
#include "tests/support/testcanvas.h"

using namespace tarnik;
using namespace tarnik::testing;

namespace {

// Runs `act` on the next modal dialog as soon as it is shown.
void onNextModal(std::function<void(QWidget*)> act) {
    auto* timer = new QTimer(qApp);
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, act] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) return;
        timer->stop();
        timer->deleteLater();
        act(modal);
    });
    timer->start();
}

void focus(QWidget* w, QEvent::Type type) {
    QFocusEvent e(type, Qt::TabFocusReason);
    QApplication::sendEvent(w, &e);
}

// The text of a PDF, pages separated by form feeds; empty when pdftotext is missing.
QString textOf(const QString& pdf) {
    return testing::pdfText(pdf).text;
}

int pageCount(const QString& text) {
    return int(text.count(QLatin1Char('\f')));
}

const QString kDashes35 = QStringLiteral("-----------------------------------");

} // namespace

class PrintTest : public QObject, WindowTestBase {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir;
    MemorySettingsStore store;

    PrintCommand& print() { return w->printCommand(); }
    PrintOptions& options() { return w->printOptions(); }
    QString file(const QString& name) const { return dir->filePath(name); }
    bool hasPdfTools() const { return !findTool(QStringLiteral("pdftotext")).isEmpty(); }

private slots:
    void init() {
        dir = std::make_unique<QTemporaryDir>();
        openWindow();
        Assessment& a = w->document().assessment();
        a.EdtZaklad = "Huta Łódź";
        a.EdtStanowisko = "Spawacz";
        a.setWorkerCounts({2, 1, 0, 0});
        w->show();
        options().setShowProgress(false, store);
        options().setStandardPrintDialog(false, store);
        print().printer().setOutputFileName(file(QStringLiteral("wydruk.pdf")));
    }
    void cleanup() {
        closeWindow();
        dir.reset();
    }

    void pageRangeDialogKeepsItsFieldsIntegers() {
        int setUps = 0;
        TForm6 form([&setUps] { ++setUps; });
        QCOMPARE(form.windowTitle(), QStringLiteral("Drukuj"));
        QVERIFY(form.rbAll()->isChecked());
        QCOMPARE(form.edtFrom()->text(), QStringLiteral("1"));
        QCOMPARE(form.edtTo()->text(), QStringLiteral("1"));
        QVERIFY(form.printButton()->isDefault());

        // Entering a field chooses "Strony"; leaving it makes its text an integer.
        focus(form.edtFrom(), QEvent::FocusIn);
        QVERIFY(form.rbFromTo()->isChecked());
        QVERIFY(!form.rbAll()->isChecked());
        form.edtFrom()->setText(QStringLiteral("abc"));
        focus(form.edtFrom(), QEvent::FocusOut);
        QCOMPARE(form.edtFrom()->text(), QStringLiteral("1"));
        form.edtFrom()->setText(QStringLiteral("  7 "));
        focus(form.edtFrom(), QEvent::FocusOut);
        QCOMPARE(form.edtFrom()->text(), QStringLiteral("7"));
        form.edtFrom()->setText(QStringLiteral("+012"));
        focus(form.edtFrom(), QEvent::FocusOut);
        QCOMPARE(form.edtFrom()->text(), QStringLiteral("12"));
        form.edtTo()->setText(QStringLiteral("xyz"));
        focus(form.edtTo(), QEvent::FocusOut);
        QCOMPARE(form.edtTo()->text(), QStringLiteral("12"));
        form.edtTo()->setText(QStringLiteral("3"));
        focus(form.edtTo(), QEvent::FocusOut);
        QCOMPARE(form.edtTo()->text(), QStringLiteral("3"));
        // No rule relates the two: 12 to 3 is a range without pages.
        const PrintRange r = form.range();
        QVERIFY(!r.allPages);
        QCOMPARE(r.from, 12);
        QCOMPARE(r.to, 3);

        // "Wszystkie strony" prints everything whatever the fields hold.
        form.edtFrom()->setText(QStringLiteral("abc"));
        form.rbAll()->click();
        QVERIFY(!form.rbFromTo()->isChecked());
        QVERIFY(form.range().allPages);
        // A field left unconverted stops the print with the conversion's message.
        form.rbFromTo()->click();
        QVERIFY(!form.rbAll()->isChecked());
        try {
            form.range();
            QFAIL("no conversion error");
        } catch (const ConversionError& e) {
            QCOMPARE(QString::fromUtf8(e.what()),
                     QStringLiteral("„abc” nie jest poprawną liczbą całkowitą."));
        }

        form.settingsButton()->click();
        QCOMPARE(setUps, 1);
        // Execute: true only for "Drukuj".
        onNextModal([&form](QWidget*) { form.printButton()->click(); });
        QVERIFY(form.Execute());
        onNextModal([&form](QWidget*) { form.cancelButton()->click(); });
        QVERIFY(!form.Execute());
        onNextModal([](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Escape); });
        QVERIFY(!form.Execute());
    }

    void progressWindowShowsEveryEntryEvenWhenHidden() {
        TPrintPrg progress;
        QCOMPARE(progress.windowTitle(), QStringLiteral("Przygotowanie do druku"));
        QVERIFY(!progress.isModal());
        progress.append(QStringLiteral("Przygotowanie dokumentu do druku\r\n"));
        progress.append(QStringLiteral("- tytułowa"));
        QVERIFY(!progress.isVisible());
        QCOMPARE(progress.entries().size(), 2);
        QCOMPARE(progress.text(), QStringLiteral("Przygotowanie dokumentu do druku\n\n- tytułowa"));
        progress.showProgress();
        QVERIFY(progress.isVisible());
        progress.findChild<QPushButton*>(QStringLiteral("Zamknij"))->click();
        QVERIFY(!progress.isVisible());
        progress.clear();
        QVERIFY(progress.entries().isEmpty());
        QCOMPARE(progress.text(), QString());
    }

    // "Drukuj" with the program's own dialog: pages 2 to 3 of the report, the walk logged, the
    // progress window written though hidden, and the wizard back where it was.
    void printsTheChosenPagesAfterTheWalk() {
        w->wizard().showPage(kPageStation);
        onNextModal([](QWidget* modal) {
            auto* form = qobject_cast<TForm6*>(modal);
            QVERIFY(form);
            form->rbFromTo()->click();
            form->edtFrom()->setText(QStringLiteral("2"));
            form->edtTo()->setText(QStringLiteral("3"));
            form->printButton()->click();
        });
        print().run();
        QCOMPARE(prompts->count(QStringLiteral("message")), 0);
        QCOMPARE(w->wizard().currentIndex(), int(kPageStation));
        const QStringList& log = print().progress().entries();
        QVERIFY(!print().progress().isVisible());
        QVERIFY(log.size() > 20);
        const QStringList start{
            kDashes35,
            QStringLiteral("Wybrano polecenie drukowania\r\n"),
            QStringLiteral("Otwieram okienko opcji drukowania\r\n"),
            kDashes35,
            QStringLiteral("Rozpoczynam przygotowanie dokumentu do drukowania\r\n"),
            QStringLiteral("Przeglądanie kolejnych stron\r\n"),
            QStringLiteral("Przeglądanie stron zakończone\r\n"),
            kDashes35,
            QStringLiteral("Przygotowanie dokumentu do druku\r\n")};
        QCOMPARE(log.mid(0, start.size()), start);
        QCOMPARE(log.at(log.size() - 2), QStringLiteral("Dane przesłane do drukarki"));

        QVERIFY2(hasPdfTools(), "pdftotext is not installed: the PDF checks need poppler-utils");
        const QString text = textOf(file(QStringLiteral("wydruk.pdf")));
        QCOMPARE(pageCount(text), 2);
        QVERIFY(text.contains(QStringLiteral("Spawacz, strona 2")));
        QVERIFY(text.contains(QStringLiteral("Spawacz, strona 3")));
        QVERIFY(!text.contains(QStringLiteral("strona 4")));
        QVERIFY(text.contains(QStringLiteral("Podstawa prawna analizy ryzyka zawodowego")));
    }

    void cancellingOrAWrongNumberBuildsNothing() {
        const QString pdf = file(QStringLiteral("wydruk.pdf"));
        onNextModal([](QWidget* modal) { qobject_cast<TForm6*>(modal)->cancelButton()->click(); });
        print().run();
        QCOMPARE(print().progress().entries().last(), QStringLiteral("Drukowanie anulowane"));
        QVERIFY(!print().progress().entries().contains(
            QStringLiteral("Przeglądanie kolejnych stron\r\n")));
        QVERIFY(!QFile::exists(pdf));

        // "Drukuj" pressed while a field still holds letters: the conversion error stops it.
        onNextModal([](QWidget* modal) {
            auto* form = qobject_cast<TForm6*>(modal);
            form->rbFromTo()->click();
            form->edtTo()->setText(QStringLiteral("dwa"));
            form->printButton()->click();
        });
        print().run();
        QCOMPARE(prompts->count(QStringLiteral("message")), 1);
        QCOMPARE(prompts->messages().first().title, QStringLiteral("Błąd"));
        QVERIFY(prompts->messages().first().text.contains(QStringLiteral("„dwa”")));
        QVERIFY(!QFile::exists(pdf));
    }

    // Without a printer the report goes nowhere: the user is told where to save it instead.
    void withoutAPrinterTheUserIsToldToExport() {
        if (systemHasPrinter()) QSKIP("this system has a printer");
        print().printer().setOutputFileName(QString());
        print().printer().setOutputFormat(QPrinter::NativeFormat);
        onNextModal([](QWidget* modal) { qobject_cast<TForm6*>(modal)->printButton()->click(); });
        print().run();
        QCOMPARE(prompts->count(QStringLiteral("message")), 1);
        QCOMPARE(prompts->messages().first().title, QStringLiteral("Uwaga"));
        QVERIFY(prompts->messages().first().text.contains(QStringLiteral("Eksportuj do PDF")));
        QCOMPARE(print().progress().entries().last(), QStringLiteral("Drukowanie anulowane"));
    }

    void thePlatformDialogDecidesWhenItIsChosen() {
#ifdef Q_OS_WIN
        QSKIP("Windows shows its own print dialog, outside the program's windows: no test answers "
              "it there");
#endif
        options().setStandardPrintDialog(true, store);
        onNextModal([](QWidget* modal) {
            QVERIFY(qobject_cast<QPrintDialog*>(modal));
            qobject_cast<QDialog*>(modal)->reject();
        });
        print().run();
        QCOMPARE(print().progress().entries().last(), QStringLiteral("Drukowanie anulowane"));
        QVERIFY(!QFile::exists(file(QStringLiteral("wydruk.pdf"))));
    }

    void theProgressWindowShowsWhenTheOptionsAskForIt() {
        options().setShowProgress(true, store);
        onNextModal([](QWidget* modal) { qobject_cast<TForm6*>(modal)->printButton()->click(); });
        print().run();
        QVERIFY(print().progress().isVisible());
        QVERIFY(print().progress().text().contains(QStringLiteral("- karta poziomu")));
        QVERIFY(QFile::exists(file(QStringLiteral("wydruk.pdf"))));
    }

    // The clean-ups of printing reach the document and the pages that show it. (Whether the
    // document counts as changed afterwards is not theirs to say alone: the walk through the
    // pages runs every page's show handler, and showing the card page marks the document.)
    void theCleanUpsReachTheDocument() {
        Assessment& a = w->document().assessment();
        a.Plan = {{"Osłony", "Kowalski", "2004"}, {"", "", ""}};
        a.Osoby = "  Jan Kowalski \r\n\r\n";
        onNextModal([](QWidget* modal) { qobject_cast<TForm6*>(modal)->printButton()->click(); });
        print().run();
        QCOMPARE(a.Plan.size(), std::size_t(1));
        QCOMPARE(QString::fromStdString(a.Osoby), QStringLiteral("Jan Kowalski"));
        w->wizard().showPage(kPageAcquaintance);
        auto* osoby = w->wizard().page(kPageAcquaintance)->findChild<QPlainTextEdit*>();
        QVERIFY(osoby);
        QCOMPARE(osoby->toPlainText(), QStringLiteral("Jan Kowalski"));
    }

    void exportWritesTheReportWhereTheUserChose() {
        const QString trk = file(QStringLiteral("ocena.trk"));
        w->document().setCurrentFileName(trk);
        w->document().assessment().EdtStanowisko = "Spawacz / ślusarz";
        prompts->saveNames << file(QStringLiteral("raport"));
        print().exportPdf();
        QCOMPARE(prompts->suggestedNames,
                 QStringList{file(QStringLiteral("Spawacz _ ślusarz.pdf"))});
        const QString pdf = file(QStringLiteral("raport.pdf"));
        QVERIFY(QFile::exists(pdf));
        QCOMPARE(prompts->messages().size(), 1);
        QVERIFY(prompts->messages().first().text.contains(pdf));
        QVERIFY(print().progress().entries().contains(
            QStringLiteral("Przeglądanie kolejnych stron\r\n")));
        if (hasPdfTools()) {
            const QString text = textOf(pdf);
            QVERIFY(text.contains(QStringLiteral("Poziom ryzyka: ")));
            QVERIFY(text.contains(QStringLiteral("Spawacz / ślusarz, strona 2")));
        }

        // Cancelled: nothing is walked or written; the assessment file itself is refused.
        print().progress().clear();
        print().exportPdf();
        QVERIFY(print().progress().entries().isEmpty());
        prompts->saveNames << trk;
        print().exportPdf();
        QVERIFY(!QFile::exists(trk));
        QCOMPARE(prompts->messages().last().title, QStringLiteral("Uwaga"));
    }

    void previewShowsTheSameReport() {
        bool painted = false;
        onNextModal([&painted, this](QWidget* modal) {
            auto* preview = qobject_cast<QPrintPreviewDialog*>(modal);
            QVERIFY(preview);
            painted =
                print().progress().entries().contains(QStringLiteral("Dane przesłane do drukarki"));
            preview->reject();
        });
        print().preview();
        QVERIFY(painted);
        QVERIFY(print().progress().entries().contains(
            QStringLiteral("Przeglądanie stron zakończone\r\n")));
        // The preview prints nothing by itself.
        QVERIFY(!QFile::exists(file(QStringLiteral("wydruk.pdf"))));
    }

    void theMenuRunsThePrintCommands() {
        QVERIFY(w->printAction()->isEnabled());
        QCOMPARE(w->printAction()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_P));
        QVERIFY(w->previewAction()->isEnabled());
        QVERIFY(w->exportPdfAction()->isEnabled());
        onNextModal([](QWidget* modal) { qobject_cast<TForm6*>(modal)->cancelButton()->click(); });
        w->printAction()->trigger();
        QCOMPARE(print().progress().entries().last(), QStringLiteral("Drukowanie anulowane"));
    }

    void picturesTakeTheProportionsOfTheChartsOnScreen() {
        QWidget window;
        auto* shown = new ChartWidget(&window);
        shown->setFixedSize(300, 150);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const ChartProportions p = laidOutProportions(shown);
        QCOMPARE(p.width, 300);
        QCOMPARE(p.height, 150);
        // No chart, or one never shown: the design size.
        const ChartProportions none = laidOutProportions(nullptr);
        QCOMPARE(none.width, 400);
        QWidget hidden;
        auto* never = new ChartWidget(&hidden);
        QCOMPARE(laidOutProportions(never).height, 260);
    }

    // The evaluation pages hand the report the size their charts were last laid out in; a chart
    // whose page was never shown keeps the design size.
    void theReportTakesTheChartsAsTheyWereLastLaidOut() {
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        QCOMPARE(print().reportInput().chart2.width, 400);
        QCOMPARE(print().reportInput().chart2.height, 260);

        w->wizard().showPage(kPageHazardCard);
        ChartWidget* hazard = w->wizard().page<HazardCardPage>()->chart();
        QVERIFY(hazard->width() > 100 && hazard->height() > 80);
        QCOMPARE(print().reportInput().chart1.width, hazard->width());
        QCOMPARE(print().reportInput().chart1.height, hazard->height());
        QCOMPARE(print().reportInput().chart2.width, 400);

        w->wizard().showPage(kPageRiskLevel);
        ChartWidget* risk = w->wizard().page<RiskLevelPage>()->chart();
        const QSize before = risk->size();
        w->resize(w->width() + 120, w->height() + 60);
        QTRY_VERIFY(risk->size() != before);
        QCOMPARE(print().reportInput().chart2.width, risk->width());
        QCOMPARE(print().reportInput().chart2.height, risk->height());
        // The hazard card's chart keeps the size it had when its page was left.
        QCOMPARE(print().reportInput().chart1.width, hazard->width());
    }

    // Printing from the last page, whose walk shows none of the evaluation pages, prints the
    // figures of "tarnik --summary" for the same file.
    void printingFromTheLastPageGivesTheFiguresOfTheSummary() {
        const QString trk = file(QStringLiteral("szlifierz.trk"));
        saveAssessmentFile(fixtures::evaluationAssessment(), trk);
        w->commands().openAtStartup(trk);
        w->wizard().showPage(kLastWizardPage);
        prompts->saveNames << file(QStringLiteral("raport"));
        print().exportPdf();
        QVERIFY(QFile::exists(file(QStringLiteral("raport.pdf"))));
        QCOMPARE(w->wizard().currentIndex(), int(kLastWizardPage));

        const SummaryResult summary = summarizeTrkFile(toPath(trk));
        QCOMPARE(summary.exitCode, 0);
        QCOMPARE(QString::fromStdString(
                     summaryJson(w->document().evaluation(), w->document().assessment())),
                 QString::fromStdString(summary.json));
        QVERIFY(w->document().evaluation().riskLevel > 0);

        // The report of the window and the report of the command line, text for text.
        Assessment a;
        a.questions.clear();
        QVERIFY(!openForCommandLine(toPath(trk), a));
        Evaluation e;
        e.afterDocumentLoaded(a);
        recomputeEvaluation(a, e);
        TestCanvas fromWindow;
        TestCanvas fromCommandLine;
        QVERIFY(BuildReport(fromWindow, print().reportInput()).ok);
        QVERIFY(BuildReport(fromCommandLine, ReportInput(a, e, options())).ok);
        QCOMPARE(fromWindow.texts.size(), fromCommandLine.texts.size());
        for (std::size_t i = 0; i < fromWindow.texts.size(); ++i)
            QCOMPARE(QString::fromStdString(fromWindow.texts[i].text),
                     QString::fromStdString(fromCommandLine.texts[i].text));
        QCOMPARE(fromWindow.charts.size(), std::size_t(2));
        QCOMPARE(fromCommandLine.charts.size(), std::size_t(2));
        for (std::size_t i = 0; i < 2; ++i)
            QCOMPARE(fromWindow.charts[i].chart.values, fromCommandLine.charts[i].chart.values);
    }

    void aPdfIsOfferedUnderTheStationsName() {
        // A name as the system spells it ("Z:/x/y/..." under Wine).
        const auto absolute = [](const char* name) {
            return QFileInfo(QString::fromLatin1(name)).absoluteFilePath();
        };
        QCOMPARE(suggestedPdfName(QStringLiteral(" Spawacz: A*B? "),
                                  QStringLiteral("/x/y/ocena.trk"), QStringLiteral("/home")),
                 absolute("/x/y/Spawacz_ A_B_.pdf"));
        QCOMPARE(
            suggestedPdfName(QString(), QStringLiteral("/x/ocena 1.trk"), QStringLiteral("/h")),
            absolute("/x/ocena 1.pdf"));
        QCOMPARE(suggestedPdfName(QStringLiteral("..."), QString(), QStringLiteral("/h")),
                 QStringLiteral("/h/ocena.pdf"));
    }
};

TARNIK_TEST_MAIN(PrintTest)
#include "test_print.moc"
