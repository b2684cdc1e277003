// The next assessment of a station from its previous file: "Plik → Nowa ocena na podstawie
// poprzedniej..." with its questions, the dialog of finished tasks, the untitled document and the
// name its first save offers, the supplementary card that computes with the previous figures,
// and `tarnik --next` from the command line.
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

#include "app/cli/commandline.h"
#include "app/document/document.h"
#include "app/pages/evaluation/supplementarypage.h"
#include "app/platform/pathutil.h"
#include "app/reassessment/comparisonwindow.h"
#include "app/reassessment/finishedtasksdialog.h"
#include "app/reassessment/nextassessmentcommand.h"
#include "app/register/registerwindow.h"
#include "app/shell/application.h"
#include "app/shell/documentcommands.h"
#include "app/shell/mainwindow.h"
#include "app/widgets/fieldspinbox.h"
#include "app/wizard/wizard.h"
#include "core/evaluation/evaluation.h"
#include "core/evaluation/recompute.h"
#include "core/model/trkfile.h"
#include "core/reassessment/nextassessment.h"
#include "tests/app/support/assessmentfiles.h"
#include "tests/app/support/fixedtoday.h"
#include "tests/app/support/modalanswerer.h"
#include "tests/app/support/testsupport.h"

using namespace tarnik;
using namespace tarnik::testing;

namespace {

const DayNumber kToday = dayNumberFromCivil(2026, 12, 10);

// The previous assessment: the full sample, its second assessment, three tasks in its plan.
Assessment previousAssessment() {
    Assessment a = fixtures::fullAssessment();
    a.EdtNr = 2;
    return a;
}

int totalExposure(Assessment a) {
    Evaluation e;
    recomputeEvaluation(a, e);
    return e.totalExposureIndex;
}

} // namespace

class NextAssessmentTest : public QObject, public WindowTestBase {
    Q_OBJECT

    std::unique_ptr<FixedToday> today_;
    std::unique_ptr<QTemporaryDir> dir_;

    QString file(const QString& name) const { return dir_->filePath(name); }
    QString program() const { return tarnikProgram(); }

    // Opens the file in the window, as "Otwórz..." does.
    void open(const QString& path) {
        prompts->openNames.enqueue(path);
        w->commands().Open();
        QCOMPARE(w->document().CurrentFileName(), path);
    }

private slots:
    void init() {
        today_ = std::make_unique<FixedToday>(kToday);
        dir_ = std::make_unique<QTemporaryDir>();
        openWindow();
    }
    void cleanup() {
        closeWindow();
        dir_.reset();
        today_.reset();
    }

    // The open, saved document is offered as the previous one; two of its three tasks are
    // ticked; the new assessment is untitled and changed, and its first save offers the old name
    // with the new number.
    void fromTheOpenDocument() {
        const QString previousFile = file(QStringLiteral("spawacz 2.trk"));
        saveAssessmentFile(previousAssessment(), previousFile);
        open(previousFile);
        QVERIFY(w->document().IsSaved());

        QString countText;
        int rows = 0;
        ModalAnswerer answer([&](QWidget* modal, ModalAnswerer& answerer) {
            auto* dialog = qobject_cast<FinishedTasksDialog*>(modal);
            if (!dialog) return answerer.fail(modal->metaObject()->className());
            rows = dialog->view()->model()->rowCount();
            // Space ticks the current task; the buttons tick them all or none.
            dialog->view()->setFocus();
            QTest::keyClick(dialog->view(), Qt::Key_Space);
            dialog->setFinished(2, true);
            countText = dialog->countLabel()->text();
            shot("zadania-poprzedniej-oceny", dialog);
            dialog->accept();
        });
        prompts->openNames.enqueue(previousFile);
        QVERIFY(w->nextAssessmentAction()->isEnabled());
        w->nextAssessmentAction()->trigger();
        QVERIFY2(answer.ok(), qPrintable(answer.message()));
        QCOMPARE(prompts->suggestedOpenNames, QStringList{previousFile});
        QCOMPARE(rows, 3);
        QCOMPARE(countText, QStringLiteral("Niezrealizowane: 1 z 3"));

        const Assessment& a = w->document().assessment();
        QCOMPARE(int(a.EdtNr), 3);
        QCOMPARE(a.DTPOcena, kToday);
        QCOMPARE(int(a.SE1003), totalExposure(previousAssessment()));
        QCOMPARE(int(a.SE1005), 3);
        QCOMPARE(a.SE1006, 1);
        QCOMPARE(a.Plan.size(), std::size_t(1));
        QCOMPARE(a.Plan[0], previousAssessment().Plan[1]);
        QCOMPARE(a.Osoby, std::string());
        QCOMPARE(w->document().CurrentFileName(), QString());
        QVERIFY(!w->document().IsSaved());
        QCOMPARE(w->windowTitle(), QStringLiteral("Tarnik - bez nazwy *"));

        // The supplementary card shows the previous figures and computes with them.
        w->wizard().showPage(kPageSupplementary);
        auto* page = w->wizard().page<SupplementaryPage>();
        QVERIFY(page->planGroup()->isVisibleTo(w.get()));
        QCOMPARE(page->field(1003)->rawText(), QString::number(a.SE1003));
        QCOMPARE(page->field(1005)->rawText(), QStringLiteral("3"));
        QCOMPARE(page->field(1006)->rawText(), QStringLiteral("1"));
        // This assessment's exposure equals the previous one: 1 of 3 tasks left gives 0, all
        // three left would give 1.
        QCOMPARE(w->document().evaluation().planIndex, 0);
        page->field(1006)->replaceText(QStringLiteral("3"));
        QCOMPARE(w->document().evaluation().planIndex, 1);

        // Saving asks for a name, offering the old one with the new number.
        const QString offered = file(QStringLiteral("spawacz 3.trk"));
        prompts->saveNames.enqueue(offered);
        QVERIFY(w->commands().Save());
        QCOMPARE(prompts->suggestedNames.last(), offered);
        QCOMPARE(prompts->saveSuffixes.last(), QStringLiteral("trk"));
        Assessment back;
        QVERIFY(readAssessmentFile(offered, back));
        QCOMPARE(int(back.EdtNr), 3);
        QCOMPARE(back.SE1006, 3);
        // The previous file is untouched.
        Assessment before;
        QVERIFY(readAssessmentFile(previousFile, before));
        QCOMPARE(int(before.EdtNr), 2);
        // A later Save as offers nothing special any more.
        const int offers = int(prompts->suggestedNames.size());
        prompts->saveNames.enqueue(file(QStringLiteral("kopia.trk")));
        QVERIFY(w->commands().SaveAs());
        QCOMPARE(int(prompts->suggestedNames.size()), offers);
    }

    // Unsaved changes are asked about first; "Anuluj" there, in the file dialog or in the tasks
    // dialog leaves the document as it was.
    void everyCancelKeepsTheDocument() {
        const QString previousFile = file(QStringLiteral("poprzednia.trk"));
        saveAssessmentFile(previousAssessment(), previousFile);
        open(previousFile);
        w->document().assessment().EdtStanowisko = "Zmienione";
        w->document().markChanged();

        prompts->answers.enqueue(Reply::Cancel);
        w->nextAssessmentAction()->trigger();
        QCOMPARE(prompts->count(QStringLiteral("open")), 1); // the one of open() above
        QCOMPARE(w->document().CurrentFileName(), previousFile);

        // "Nie": the open document is not in its file as it stands, so nothing is offered.
        prompts->answers.enqueue(Reply::No);
        w->nextAssessmentAction()->trigger();
        QCOMPARE(prompts->suggestedOpenNames.last(), QString());
        QCOMPARE(w->document().CurrentFileName(), previousFile);

        prompts->answers.enqueue(Reply::No);
        prompts->openNames.enqueue(previousFile);
        ModalAnswerer answer(ModalAnswerer::reject());
        w->nextAssessmentAction()->trigger();
        QVERIFY2(answer.ok(), qPrintable(answer.message()));
        QCOMPARE(w->document().CurrentFileName(), previousFile);
        QCOMPARE(w->document().assessment().EdtStanowisko, std::string("Zmienione"));
        QVERIFY(!w->document().IsSaved());
    }

    // A previous file that cannot be read whole is reported and changes nothing; a plan
    // without tasks needs no dialog.
    void unreadableAndTasklessPreviousFiles() {
        const QString damaged = file(QStringLiteral("uszkodzona.trk"));
        std::string bytes = serializeTrk(previousAssessment());
        writeBytes(damaged, QByteArray(bytes.data(), 5000));
        prompts->openNames.enqueue(damaged);
        w->nextAssessmentAction()->trigger();
        QCOMPARE(prompts->messages().size(), 1);
        QVERIFY(prompts->messages()[0].text.contains(QStringLiteral("uszkodzony")));
        QCOMPARE(w->document().assessment().EdtNr, 1);
        QVERIFY(w->document().IsSaved());

        Assessment noTasks = previousAssessment();
        noTasks.Plan = {{}};
        const QString plain = file(QStringLiteral("bez zadań.trk"));
        saveAssessmentFile(noTasks, plain);
        QVERIFY(w->nextAssessmentCommand().runFrom(plain));
        QCOMPARE(int(w->document().assessment().EdtNr), 3);
        QCOMPARE(int(w->document().assessment().SE1005), 0);
        QCOMPARE(w->document().assessment().Plan, std::vector<PlanRow>(1));
        prompts->saveNames.enqueue(QString());
        QVERIFY(!w->commands().Save());
        QCOMPARE(prompts->suggestedNames.last(), file(QStringLiteral("bez zadań nr 3.trk")));
    }

    // The register's history asks the main window for the next assessment and a comparison.
    void fromTheRegistersHistory() {
        Assessment older = previousAssessment();
        older.Plan = {{}};
        const QString olderFile = file(QStringLiteral("a.trk"));
        saveAssessmentFile(older, olderFile);
        Assessment newer = older;
        newer.EdtNr = 3;
        newer.EdtStanowisko = "Spawacz MIG";
        const QString newerFile = file(QStringLiteral("b.trk"));
        saveAssessmentFile(newer, newerFile);

        RegisterWindow* reg = w->registerWindow();
        emit reg->compareRequested(newerFile, olderFile);
        QVERIFY(w->comparisonWindow());
        QVERIFY(w->comparisonWindow()->isVisible());
        shot("porownanie-z-rejestru", w->comparisonWindow());
        emit reg->nextAssessmentRequested(newerFile);
        QCOMPARE(int(w->document().assessment().EdtNr), 4);
        QCOMPARE(w->document().assessment().EdtStanowisko, std::string("Spawacz MIG"));
        QVERIFY(!w->document().IsSaved());
    }

    void theDialogListsTheTasksAndCountsTheUnfinished() {
        std::vector<PlanRow> tasks = {{"Wymiana odciągu", "Jan Kowalski", "maj"},
                                      {"Szkolenie\r\nokresowe", "Anna Nowak", ""}};
        FinishedTasksDialog dialog(tasks);
        QCOMPARE(dialog.windowTitle(), kFinishedTasksTitle);
        const QAbstractItemModel* m = dialog.view()->model();
        QCOMPARE(m->headerData(0, Qt::Horizontal).toString(), QStringLiteral("zrealizowane"));
        QCOMPARE(m->index(1, 1).data().toString(), QStringLiteral("Szkolenie\nokresowe"));
        QCOMPARE(m->index(0, 2).data().toString(), QStringLiteral("Jan Kowalski"));
        QCOMPARE(dialog.finished(), (std::vector<bool>{false, false}));
        QCOMPARE(dialog.countLabel()->text(), QStringLiteral("Niezrealizowane: 2 z 2"));
        for (QPushButton* b : dialog.findChildren<QPushButton*>())
            if (b->text() == QStringLiteral("Zaznacz &wszystkie")) b->click();
        QCOMPARE(dialog.finished(), (std::vector<bool>{true, true}));
        QCOMPARE(dialog.countLabel()->text(), QStringLiteral("Niezrealizowane: 0 z 2"));
        dialog.setFinished(0, false);
        QCOMPARE(dialog.finished(), (std::vector<bool>{false, true}));
        QCOMPARE(dialog.view()->accessibleName(), QStringLiteral("Zadania poprzedniej oceny"));
    }

    // tarnik --next writes the next assessment without a window; --summary of it computes the
    // plan index from the previous figures.
    void nextThroughTheProgram() {
        QVERIFY2(QFile::exists(program()),
                 "the tarnik program is not built beside the tests: build the target tarnik first");
        const QString previousFile = file(QStringLiteral("ocena łódzka.trk"));
        saveAssessmentFile(previousAssessment(), previousFile);
        const QString out = file(QStringLiteral("następna.trk"));
        QProcess p;
        withoutDisplay(p);
        p.start(program(),
                {QStringLiteral("--next"), out, previousFile, QStringLiteral("--today"),
                 QStringLiteral("2027-01-05"), QStringLiteral("--done"), QStringLiteral("1,3")});
        QVERIFY(p.waitForFinished(30000));
        QCOMPARE(p.readAllStandardError(), QByteArray());
        QCOMPARE(p.exitCode(), 0);
        Assessment next;
        QVERIFY(readAssessmentFile(out, next));
        QCOMPARE(int(next.EdtNr), 3);
        QCOMPARE(next.DTPOcena, dayNumberFromCivil(2027, 1, 5));
        QCOMPARE(int(next.SE1003), totalExposure(previousAssessment()));
        QCOMPARE(int(next.SE1005), 3);
        QCOMPARE(next.SE1006, 1);

        // Without --done no task counts as carried out.
        const QString none = file(QStringLiteral("bez-done.trk"));
        p.start(program(), {QStringLiteral("--next"), none, previousFile});
        QVERIFY(p.waitForFinished(30000));
        QCOMPARE(p.exitCode(), 0);
        QVERIFY(readAssessmentFile(none, next));
        QCOMPARE(next.SE1006, 3);

        // The summary computes the plan index from the figures: this exposure times the tasks not
        // carried out over the previous exposure times all tasks (1 of 3: 0; 3 of 3: 1).
        const auto planIndexOf = [&](const QString& path) {
            p.start(program(), {QStringLiteral("--summary"), path});
            if (!p.waitForFinished(30000) || p.exitCode() != 0) return -1;
            return QJsonDocument::fromJson(p.readAllStandardOutput())
                .object()
                .value(QStringLiteral("planIndex"))
                .toInt(-1);
        };
        QCOMPARE(planIndexOf(out), 0);
        QCOMPARE(planIndexOf(none), 1);

        // A task that the previous plan does not have: nothing is written.
        const QString wrong = file(QStringLiteral("zle.trk"));
        p.start(program(), {QStringLiteral("--next"), wrong, previousFile, QStringLiteral("--done"),
                            QStringLiteral("4")});
        QVERIFY(p.waitForFinished(30000));
        QCOMPARE(p.exitCode(), 1);
        QCOMPARE(QString::fromLocal8Bit(p.readAllStandardError()).trimmed(),
                 QStringLiteral("Zadanie 4 nie istnieje: plan poprzedniej oceny ma zadania od 1 "
                                "do 3."));
        QVERIFY(!QFile::exists(wrong));
    }

    void nextOnTheCommandLine() {
        const CommandLine cl = parseCommandLine(
            {QStringLiteral("--next"), QStringLiteral("--done"), QStringLiteral("1, 3"),
             QStringLiteral("nowa.trk"), QStringLiteral("stara.trk"), QStringLiteral("--today"),
             QStringLiteral("2027-01-05")});
        QCOMPARE(cl.mode, CommandLine::Mode::Next);
        QCOMPARE(cl.nextOut, QStringLiteral("nowa.trk"));
        QCOMPARE(cl.nextIn, QStringLiteral("stara.trk"));
        QCOMPARE(cl.nextDone, QStringLiteral("1, 3"));
        QCOMPARE(cl.today, std::optional<DayNumber>(dayNumberFromCivil(2027, 1, 5)));
        const QString usage = QStringLiteral(
            "Użycie: tarnik --next WYJŚCIE.trk POPRZEDNIA.trk [--today RRRR-MM-DD] [--done 1,3]");
        for (const QStringList& wrong :
             {QStringList{QStringLiteral("--next"), QStringLiteral("a.trk")},
              QStringList{QStringLiteral("--next"), QStringLiteral("a.trk"),
                          QStringLiteral("b.trk"), QStringLiteral("c.trk")},
              QStringList{QStringLiteral("--next"), QStringLiteral("a.trk"),
                          QStringLiteral("b.trk"), QStringLiteral("--done")},
              QStringList{QStringLiteral("--next"), QStringLiteral("a.trk"),
                          QStringLiteral("b.trk"), QStringLiteral("--bogus")}}) {
            const CommandLine e = parseCommandLine(wrong);
            QCOMPARE(e.mode, CommandLine::Mode::Error);
            QCOMPARE(e.error, usage);
        }
        const CommandLine date = parseCommandLine(
            {QStringLiteral("--next"), QStringLiteral("a.trk"), QStringLiteral("b.trk"),
             QStringLiteral("--today"), QStringLiteral("2027-02-29")});
        QCOMPARE(date.mode, CommandLine::Mode::Error);
        QCOMPARE(
            date.error,
            QStringLiteral("Nieprawidłowa data: 2027-02-29 (podaj RRRR-MM-DD, np. 2024-03-15)"));
        QVERIFY(helpText().contains(
            QStringLiteral("--next WYJŚCIE.trk POPRZEDNIA.trk [--today RRRR-MM-DD] [--done 1,3]")));
    }
};

TARNIK_TEST_MAIN(NextAssessmentTest)

#include "test_nextassessment.moc"
