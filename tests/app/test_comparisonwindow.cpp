// "Porównanie ocen": the window's rows from a comparison, "Plik → Porównaj z..." comparing the
// assessment as it stands on screen with a file (the earlier one as the previous assessment),
// a file that cannot be read, the comparison of two files for the register, the PDF and the
// print-out through the program's printing, the accessible names and F1.
#include <QAccessible>
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>

#include "app/document/document.h"
#include "app/help/helpwindow.h"
#include "app/pages/evaluation/hazardcardpage.h"
#include "app/print/printcommand.h"
#include "app/reassessment/comparecommand.h"
#include "app/reassessment/comparisonwindow.h"
#include "app/shell/application.h"
#include "app/shell/documentcommands.h"
#include "app/widgets/fieldspinbox.h"
#include "app/wizard/wizard.h"
#include "tests/app/support/assessmentfiles.h"
#include "tests/app/support/modalanswerer.h"
#include "tests/app/support/pdftext.h"
#include "tests/app/support/testsupport.h"
#include "tests/support/fixtures.h"

using namespace tarnik;
using namespace tarnik::testing;

namespace {

Difference diff(std::string key, std::string caption, std::optional<std::string> oldValue,
                std::optional<std::string> newValue) {
    return {std::move(key), std::move(caption), std::move(oldValue), std::move(newValue)};
}

// A comparison as the core makes one, with differences in every section but the plan.
AssessmentComparison craftedComparison() {
    AssessmentComparison c;
    c.oldTitle = "Spawacz, ocena nr 1 z 15.03.2004";
    c.newTitle = "Spawacz, ocena nr 2 z 20.03.2006";
    c.general = {diff("EdtZaklad", "Zakład pracy", "Huta Łódź", "Huta Katowice"),
                 diff("EdtKomisja", "Komisja", "Jan Nowak", std::nullopt)};
    c.workers = {diff("Anna Zielińska", "Anna Zielińska", std::nullopt, "kobiety"),
                 diff("Piotr Wójcik", "Piotr Wójcik", "mężczyźni", std::nullopt)};
    c.factors = {diff("hałas", "hałas", "zaznaczony", "niezaznaczony")};
    c.figures = {diff("poziom", "Poziom ryzyka", "1520", "1760")};
    return c;
}

QString cell(const QAbstractItemModel& m, int row, int column, const QModelIndex& parent = {}) {
    return m.index(row, column, parent).data().toString();
}

QString accessibleName(QObject* o) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(o);
    return iface ? iface->text(QAccessible::Name) : QString();
}

const Difference* findKey(const std::vector<Difference>& list, const std::string& key) {
    for (const Difference& d : list)
        if (d.key == key) return &d;
    return nullptr;
}

} // namespace

class ComparisonWindowTest : public QObject, WindowTestBase {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir;

    QString file(const QString& name) const { return dir->filePath(name); }
    ComparisonWindow* window() const { return w->comparisonWindow(); }

    // An assessment of the station "Spawacz" of the plant `plant`, numbered `number`.
    static Assessment assessment(const std::string& plant, int number) {
        Assessment a = fixtures::fullAssessment();
        a.EdtZaklad = plant;
        a.EdtStanowisko = "Spawacz";
        a.EdtNr = number;
        return a;
    }

    // Two files of the station, the first numbered 1 in "Huta Łódź", the second numbered 2 in
    // "Huta Katowice", compared through the main window.
    void compareTwoFiles() {
        saveAssessmentFile(assessment("Huta Łódź", 1), file(QStringLiteral("ocena1.trk")));
        saveAssessmentFile(assessment("Huta Katowice", 2), file(QStringLiteral("ocena2.trk")));
        QVERIFY(w->compareFiles(file(QStringLiteral("ocena2.trk")),
                                file(QStringLiteral("ocena1.trk"))));
        QVERIFY(window());
    }

private slots:
    void init() {
        dir = std::make_unique<QTemporaryDir>();
        openWindow();
        QVERIFY(showWindow(true));
    }
    void cleanup() {
        closeWindow();
        dir.reset();
    }

    // The sections with differences in their order, each with its rows below it, "—" for a
    // value that is not there; an empty comparison is "Brak różnic." alone; a new comparison
    // replaces the rows of the one before.
    void theWindowShowsTheDifferencesBySection() {
        w->showComparison(fixtures::reportAssessment(), fixtures::reportAssessment());
        ComparisonWindow* cw = window();
        QVERIFY(cw);
        cw->setComparison(craftedComparison(), {});
        const QStandardItemModel& m = *cw->model();
        QCOMPARE(m.columnCount(), 3);
        QCOMPARE(m.headerData(0, Qt::Horizontal).toString(), QStringLiteral("Pozycja"));
        QCOMPARE(m.headerData(1, Qt::Horizontal).toString(), QStringLiteral("Poprzednia ocena"));
        QCOMPARE(m.headerData(2, Qt::Horizontal).toString(), QStringLiteral("Nowa ocena"));
        QCOMPARE(m.rowCount(), 4);
        QCOMPARE(cell(m, 0, 0), QStringLiteral("Dane ogólne"));
        QCOMPARE(cell(m, 1, 0), QStringLiteral("Pracownicy"));
        QCOMPARE(cell(m, 2, 0), QStringLiteral("Czynniki"));
        QCOMPARE(cell(m, 3, 0), QStringLiteral("Wskaźniki i poziom ryzyka"));

        const QModelIndex general = m.index(0, 0);
        QCOMPARE(m.rowCount(general), 2);
        QCOMPARE(cell(m, 0, 0, general), QStringLiteral("Zakład pracy"));
        QCOMPARE(cell(m, 0, 1, general), QStringLiteral("Huta Łódź"));
        QCOMPARE(cell(m, 0, 2, general), QStringLiteral("Huta Katowice"));
        QCOMPARE(cell(m, 1, 2, general), QStringLiteral("—"));
        const QModelIndex workers = m.index(1, 0);
        QCOMPARE(cell(m, 0, 0, workers), QStringLiteral("Anna Zielińska"));
        QCOMPARE(cell(m, 0, 1, workers), QStringLiteral("—"));
        QCOMPARE(cell(m, 0, 2, workers), QStringLiteral("kobiety"));
        QCOMPARE(cell(m, 1, 1, workers), QStringLiteral("mężczyźni"));
        QCOMPARE(cell(m, 1, 2, workers), QStringLiteral("—"));
        QCOMPARE(m.rowCount(m.index(3, 0)), 1);
        QCOMPARE(cell(m, 0, 2, m.index(3, 0)), QStringLiteral("1760"));
        QVERIFY(cw->view()->isExpanded(general));
        QCOMPARE(cw->oldTitleLabel()->text(),
                 QStringLiteral("Poprzednia ocena: Spawacz, ocena nr 1 z 15.03.2004"));
        QCOMPARE(cw->newTitleLabel()->text(),
                 QStringLiteral("Nowa ocena: Spawacz, ocena nr 2 z 20.03.2006"));
        shot("porownanie-okno", cw);

        // A task finished: the plan's section comes last.
        AssessmentComparison withPlan = craftedComparison();
        withPlan.general.clear();
        withPlan.plan = {diff("Osłony", "Osłony", "do wykonania", "wykonane")};
        cw->setComparison(withPlan, {});
        QCOMPARE(m.rowCount(), 4);
        QCOMPARE(cell(m, 0, 0), QStringLiteral("Pracownicy"));
        QCOMPARE(cell(m, 3, 0), QStringLiteral("Plan poprawy warunków pracy"));
        QCOMPARE(cell(m, 0, 1, m.index(3, 0)), QStringLiteral("do wykonania"));

        AssessmentComparison none;
        none.oldTitle = "A";
        none.newTitle = "B";
        cw->setComparison(none, {});
        QCOMPARE(m.rowCount(), 1);
        QCOMPARE(cell(m, 0, 0), QStringLiteral("Brak różnic."));
        QCOMPARE(m.rowCount(m.index(0, 0)), 0);
        shot("porownanie-brak-roznic", cw);
    }

    // "Plik → Porównaj z...": the edit typed into a page and not yet saved is compared; the lower
    // number is the previous assessment, whichever of the two is open; the document keeps its
    // name and its unsaved change, and the window is the one kept by the main window.
    void theMenuComparesTheAssessmentOnScreenWithAFile() {
        const QString older = file(QStringLiteral("ocena1.trk"));
        saveAssessmentFile(assessment("Huta Łódź", 1), older);
        w->document().assessment() = assessment("Huta Łódź", 2);
        w->wizard().restart();
        w->wizard().showPage(kPageGeneralData);
        auto* plant = w->findChild<QPlainTextEdit*>(QStringLiteral("EdtZaklad"));
        QVERIFY(plant);
        plant->setFocus();
        plant->selectAll();
        QTest::keyClicks(plant, QStringLiteral("Huta Katowice"));
        QVERIFY(!w->document().IsSaved());

        prompts->openNames << older;
        w->compareAction()->trigger();
        QCOMPARE(prompts->count(QStringLiteral("open")), 1);
        QVERIFY(prompts->messages().isEmpty());
        ComparisonWindow* cw = window();
        QVERIFY(cw);
        QVERIFY(cw->isVisible());
        QVERIFY(!cw->isModal());
        const Difference* d = findKey(cw->comparison().general, "EdtZaklad");
        QVERIFY(d);
        QCOMPARE(d->oldValue, std::optional<std::string>("Huta Łódź"));
        QCOMPARE(d->newValue, std::optional<std::string>("Huta Katowice"));
        QVERIFY(!w->document().IsSaved());
        QVERIFY(w->document().CurrentFileName().isEmpty());
        QCOMPARE(w->document().assessment().EdtZaklad, std::string("Huta Katowice"));

        // The file is the later one now: it becomes the new assessment, in the same window.
        saveAssessmentFile(assessment("Huta Łódź", 3), older);
        prompts->openNames << older;
        w->compareAction()->trigger();
        QCOMPARE(window(), cw);
        d = findKey(cw->comparison().general, "EdtZaklad");
        QVERIFY(d);
        QCOMPARE(d->oldValue, std::optional<std::string>("Huta Katowice"));
        QCOMPARE(d->newValue, std::optional<std::string>("Huta Łódź"));

        // A cancelled dialog changes nothing.
        const AssessmentComparison before = cw->comparison();
        w->compareAction()->trigger();
        QCOMPARE(cw->comparison().general, before.general);
        QVERIFY(prompts->messages().isEmpty());
    }

    // A weight still being typed on the hazard card (stored only when its field is left) is
    // part of the assessment compared: the file the document was opened from differs from it.
    void aWeightStillBeingTypedIsCompared() {
        const QString trk = file(QStringLiteral("karta.trk"));
        saveAssessmentFile(fixtures::evaluationAssessment(), trk);
        w->commands().openAtStartup(trk);
        w->wizard().showPage(kPageHazardCard);
        prompts->openNames << trk;
        w->compareAction()->trigger();
        QVERIFY(window());
        QVERIFY(window()->comparison().empty());

        FieldSpinBox* weight = w->wizard().page<HazardCardPage>()->weightField(1);
        weight->setFocus();
        QVERIFY(weight->hasFocus());
        weight->selectAll();
        QTest::keyClicks(weight, QStringLiteral("6000"));
        prompts->openNames << trk;
        w->compareAction()->trigger();
        QVERIFY(!window()->comparison().figures.empty());
        QCOMPARE(w->document().assessment().p1.get(), 6000);
    }

    // A file that cannot be read whole is reported and compared with nothing: no window opens,
    // and an open window keeps the comparison it shows.
    void aFileThatCannotBeReadIsReported() {
        const QString bad = file(QStringLiteral("zla.trk"));
        writeBytes(bad, QByteArray("to nie jest ocena"));
        w->document().assessment().EdtZaklad = "Huta Łódź";
        w->document().SetSaved(false);
        prompts->openNames << bad;
        w->compareAction()->trigger();
        QCOMPARE(prompts->messages().size(), 1);
        QVERIFY(prompts->messages().first().text.contains(QStringLiteral("zla.trk")));
        QVERIFY(!window());
        QCOMPARE(w->document().assessment().EdtZaklad, std::string("Huta Łódź"));
        QVERIFY(!w->document().IsSaved());

        compareTwoFiles();
        const AssessmentComparison shown = window()->comparison();
        prompts->clear();
        QVERIFY(!w->compareFiles(file(QStringLiteral("ocena1.trk")), bad));
        QVERIFY(
            !w->compareFiles(file(QStringLiteral("brak.trk")), file(QStringLiteral("ocena1.trk"))));
        QCOMPARE(prompts->messages().size(), 2);
        QVERIFY(prompts->messages().last().text.contains(QStringLiteral("brak.trk")));
        QCOMPARE(window()->comparison().general, shown.general);
    }

    // The register's comparison of two files takes the earlier as the previous assessment,
    // whichever order it names them in.
    void twoFilesAreComparedInTheirOrder() {
        compareTwoFiles();
        const Difference* d = findKey(window()->comparison().general, "EdtZaklad");
        QVERIFY(d);
        QCOMPARE(d->oldValue, std::optional<std::string>("Huta Łódź"));
        QCOMPARE(d->newValue, std::optional<std::string>("Huta Katowice"));
        QVERIFY(w->compareFiles(file(QStringLiteral("ocena1.trk")),
                                file(QStringLiteral("ocena2.trk"))));
        d = findKey(window()->comparison().general, "EdtZaklad");
        QVERIFY(d);
        QCOMPARE(d->oldValue, std::optional<std::string>("Huta Łódź"));
        shot("porownanie-dwa-pliki", window());
    }

    // "Eksportuj do PDF...": offered as "<station> - porównanie.pdf" beside the newer file,
    // written where the user chose with the columns and the differences, PDF/A with the
    // station in its title; never over an assessment file.
    void thePdfHoldsTheComparison() {
        compareTwoFiles();
        prompts->saveNames << file(QStringLiteral("porownanie"));
        window()->pdfButton()->click();
        QCOMPARE(prompts->suggestedNames,
                 QStringList{file(QStringLiteral("Spawacz - porównanie.pdf"))});
        const QString pdf = file(QStringLiteral("porownanie.pdf"));
        QVERIFY(QFile::exists(pdf));
        QCOMPARE(prompts->messages().size(), 1);
        QVERIFY(prompts->messages().first().text.contains(pdf));
        const QString looking = qEnvironmentVariable("TARNIK_SCREENSHOT_DIR");
        if (!looking.isEmpty()) {
            QFile::remove(looking + QStringLiteral("/porownanie.pdf"));
            QVERIFY(QFile::copy(pdf, looking + QStringLiteral("/porownanie.pdf")));
        }
        const PdfText text = pdfText(pdf);
        QVERIFY2(text.available && text.ok, qPrintable(text.error));
        for (const QString& expected :
             {QStringLiteral("Pozycja"), QStringLiteral("Poprzednia ocena"),
              QStringLiteral("Nowa ocena"), QStringLiteral("Dane ogólne"),
              QStringLiteral("Huta Łódź"), QStringLiteral("Huta Katowice")})
            QVERIFY2(text.text.contains(expected), qPrintable(expected));
        const ToolRun info = runTool(QStringLiteral("pdfinfo"), {pdf});
        QVERIFY2(info.available && info.finished, qPrintable(info.error));
        QVERIFY2(info.out.contains(QStringLiteral("Porównanie ocen – Spawacz")),
                 qPrintable(info.out));
        QVERIFY(info.out.contains(QStringLiteral("Huta Katowice")));
        const ToolRun xmp = runTool(QStringLiteral("pdfinfo"), {QStringLiteral("-meta"), pdf});
        QVERIFY2(xmp.out.contains(QStringLiteral("pdfaid:part")), qPrintable(xmp.out));

        // The assessment file is refused; cancelling writes nothing.
        const QString trk = file(QStringLiteral("ocena2.trk"));
        QFile before(trk);
        QVERIFY(before.open(QIODevice::ReadOnly));
        const QByteArray bytes = before.readAll();
        before.close();
        prompts->clear();
        prompts->saveNames << trk;
        window()->pdfButton()->click();
        QCOMPARE(prompts->messages().size(), 1);
        QCOMPARE(prompts->messages().first().title, QStringLiteral("Uwaga"));
        QFile after(trk);
        QVERIFY(after.open(QIODevice::ReadOnly));
        QCOMPARE(after.readAll(), bytes);
        window()->pdfButton()->click();
        QCOMPARE(prompts->messages().size(), 1);
    }

    // "Drukuj": the platform print dialog on the program's printer, then the comparison on it
    // (a PDF file here); a cancelled dialog prints nothing.
    void printingGoesThroughThePrintDialog() {
#ifdef Q_OS_WIN
        QSKIP("Windows shows its own print dialog, outside the program's windows: no test answers "
              "it there");
#endif
        compareTwoFiles();
        const QString out = file(QStringLiteral("wydruk.pdf"));
        w->printCommand().printer().setOutputFileName(out);
        {
            ModalAnswerer answer([](QWidget* modal, ModalAnswerer& a) {
                if (!qobject_cast<QPrintDialog*>(modal)) a.fail(QStringLiteral("no print dialog"));
                qobject_cast<QDialog*>(modal)->reject();
            });
            window()->printButton()->click();
            QVERIFY2(answer.ok(), qPrintable(answer.message()));
        }
        QVERIFY(!QFile::exists(out));
        {
            ModalAnswerer answer([](QWidget* modal) { qobject_cast<QDialog*>(modal)->accept(); });
            window()->printButton()->click();
            QVERIFY2(answer.ok(), qPrintable(answer.message()));
        }
        QVERIFY(prompts->messages().isEmpty());
        const PdfText text = pdfText(w->printCommand().printer().outputFileName());
        QVERIFY2(text.available && text.ok, qPrintable(text.error));
        QVERIFY(text.text.contains(QStringLiteral("Poprzednia ocena")));
        QVERIFY(text.text.contains(QStringLiteral("Huta Katowice")));
    }

    // Every control is named by its caption, and F1 opens the comparison's help: the window's
    // topic, and the part about printing from its buttons.
    void controlsAreNamedAndHaveHelp() {
        // The help pages shipped with the program.
        closeWindow();
        MainWindowOptions options;
        options.programDir = shippedDataDir();
        openWindow(options);
        QVERIFY(showWindow(true));
        compareTwoFiles();
        ComparisonWindow* cw = window();
        QCOMPARE(accessibleName(cw->printButton()), QStringLiteral("Drukuj"));
        QCOMPARE(accessibleName(cw->pdfButton()), QStringLiteral("Eksportuj do PDF..."));
        QCOMPARE(accessibleName(cw->closeButton()), QStringLiteral("Zamknij"));
        QCOMPARE(accessibleName(cw->view()), QStringLiteral("Różnice:"));
        QVERIFY(accessibleName(cw->newTitleLabel()).startsWith(QStringLiteral("Nowa ocena: ")));
        for (QWidget* c : cw->findChildren<QWidget*>()) {
            if (!c->isVisibleTo(cw) || c->focusPolicy() == Qt::NoFocus || c->parent() != cw)
                continue;
            QVERIFY2(!accessibleName(c).isEmpty(), c->metaObject()->className());
        }

        QApplication::processEvents();
        cw->activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), cw);
        cw->view()->setFocus();
        QTest::keyClick(cw->view(), Qt::Key_F1);
        QCOMPARE(w->helpWindow()->currentTopic(), QStringLiteral("porownanie.html"));
        cw->pdfButton()->setFocus();
        QTest::keyClick(cw->pdfButton(), Qt::Key_F1);
        QCOMPARE(w->helpWindow()->currentTopic(), QStringLiteral("porownanie.html#drukowanie"));

        cw->closeButton()->click();
        QVERIFY(!cw->isVisible());
        QCOMPARE(window(), cw);
    }
};

TARNIK_TEST_MAIN(ComparisonWindowTest)
#include "test_comparisonwindow.moc"
