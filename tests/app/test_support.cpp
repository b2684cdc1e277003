// The helpers of the widget tests themselves: the full assessment, the modal-window answerer,
// the fixed today and the PDF text reader.
#include <QDialog>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QVBoxLayout>
#include <QtTest>
#include <map>
#include <set>

#include "app/shell/application.h"
#include "core/model/trkfile.h"
#include "core/rules/factors/cards.h"
#include "core/rules/workers/training.h"
#include "core/rules/workers/workers.h"
#include "tests/app/support/assessmentfiles.h"
#include "tests/app/support/fixedtoday.h"
#include "tests/app/support/modalanswerer.h"
#include "tests/app/support/pdftext.h"
#include "tests/app/support/testsupport.h"
#include "tests/app/support/wordcompare.h"

using namespace tarnik;
using namespace tarnik::testing;
using namespace tarnik::fixtures;

namespace {

// A small dialog with an edit and OK / Cancel, as the program's own dialogs are built.
class NameDialog : public QDialog {
public:
    explicit NameDialog(const QString& title) {
        setWindowTitle(title);
        edit = new QLineEdit(this);
        edit->setObjectName(QStringLiteral("name"));
        auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
        buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("&Zapisz"));
        buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Anuluj"));
        connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
        connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(edit);
        layout->addWidget(buttons);
    }
    QLineEdit* edit = nullptr;
};

// A dialog that cannot be rejected, as one that asks first and stays.
class StubbornDialog : public NameDialog {
public:
    using NameDialog::NameDialog;
    void reject() override {}
};

std::vector<const FactorRecord*> records(const Assessment& a) {
    std::vector<const FactorRecord*> out;
    for (int c = 0; c < kCatalogueCount; ++c)
        for (const FactorEntry& e : a.factorList(c))
            out.push_back(e.record.get());
    return out;
}

const FactorEntry* entryNamed(const Assessment& a, const std::string& name) {
    for (int c = 0; c < kCatalogueCount; ++c)
        for (const FactorEntry& e : a.factorList(c))
            if (e.text == name) return &e;
    return nullptr;
}

} // namespace

class SupportTest : public QObject {
    Q_OBJECT

private slots:
    // -----------------------------------------------------------------------------------------
    // The full assessment

    void reportWordsLeaveTheRunningHeadersOut() {
        const QStringList words = testing::reportWords(QStringLiteral(
            "Spawacz, strona 2\nOpis  stanowiska\n\fSpawacz,   strona 13 \nkoniec strona\n"));
        QCOMPARE(words, (QStringList{"Opis", "stanowiska", "koniec", "strona"}));
        // A word broken after its hyphen is joined again; a lone dash is a word of its own.
        QCOMPARE(testing::reportWords(QStringLiteral("kod D-\n02 oraz\n-\nkoniec")),
                 (QStringList{"kod", "D-02", "oraz", "-", "koniec"}));
    }

    void wordComparisonAllowsOnlyRepeatsAndPictureTexts() {
        const auto split = [](const char* text) {
            return QString::fromUtf8(text).split(QLatin1Char(' '));
        };
        const QStringList printed = split("Plan Zadanie Osoby Termin a1 b1 c1 Zadanie Osoby Termin "
                                          "a2 b2 c2 10 20 30 koniec");
        // The headings repeated elsewhere and the chart's numbers missing: the same report.
        const QStringList document =
            split("Plan Zadanie Osoby Termin a1 b1 c1 a2 Zadanie Osoby Termin b2 c2 koniec");
        const testing::WordComparison same =
            testing::compareWords(printed, document, {"10", "20", "30"});
        QVERIFY2(same.same, qPrintable(same.differences));
        // Without the chart's words they count.
        const testing::WordComparison charts = testing::compareWords(printed, document);
        QVERIFY(!charts.same);
        QVERIFY2(charts.differences.contains(QStringLiteral("\"10 20 30\"")),
                 qPrintable(charts.differences));
        // A word lost, one added, two swapped: each found.
        for (const QStringList& wrong :
             {split("Plan Zadanie Osoby Termin a1 c1 a2 b2 c2 koniec"),
              split("Plan Zadanie Osoby Termin a1 b1 c1 a2 b2 c2 nowe koniec"),
              split("Plan Zadanie Osoby Termin b1 a1 c1 a2 b2 c2 koniec")}) {
            const testing::WordComparison r =
                testing::compareWords(printed, wrong, {"10", "20", "30"});
            QVERIFY2(!r.same, qPrintable(wrong.join(QLatin1Char(' '))));
        }
        // Picture texts excuse only what the printed side has more.
        QVERIFY(!testing::compareWords(split("a b"), split("a 10 b"), {"10"}).same);
    }

    void fullAssessmentSavesAndReopensUnchanged_data() {
        QTest::addColumn<bool>("undescribed");
        QTest::newRow("all described") << false;
        QTest::newRow("one left undescribed") << true;
    }
    void fullAssessmentSavesAndReopensUnchanged() {
        QFETCH(bool, undescribed);
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("ocena pełna.trk"));
        QString error;
        QVERIFY2(writeFullAssessmentFile(file, {undescribed}, &error), qPrintable(error));

        Assessment back;
        QVERIFY2(readAssessmentFile(file, back, &error), qPrintable(error));
        const Assessment expected = asReopened(fullAssessment({undescribed}));
        QCOMPARE(back.questions.questionCount(), expected.questions.questionCount());
        QVERIFY(back.ListaPrac == expected.ListaPrac);
        QVERIFY(back.LB501 == expected.LB501);
        QVERIFY(back.LB503 == expected.LB503);
        QVERIFY(back.Plan == expected.Plan);
        QVERIFY(back == expected);
    }

    void aFileThatCannotBeWrittenOrReadIsReported() {
        QTemporaryDir dir;
        QString error;
        QVERIFY(!writeAssessmentFile(fullAssessment(), dir.filePath(QStringLiteral("brak/a.trk")),
                                     &error));
        QVERIFY(!error.isEmpty());
        error.clear();
        Assessment back;
        QVERIFY(!readAssessmentFile(dir.filePath(QStringLiteral("nie ma.trk")), back, &error));
        QVERIFY(!error.isEmpty());
        // A file cut short is read up to the cut: reported, not taken as whole.
        const QString file = dir.filePath(QStringLiteral("ucięty.trk"));
        writeBytes(file, QByteArray::fromStdString(serializeTrk(fullAssessment()).substr(0, 9000)));
        error.clear();
        QVERIFY(!readAssessmentFile(file, back, &error));
        QVERIFY(!error.isEmpty());
    }

    void fullAssessmentHasTheQuestionsAndGeneralData() {
        const Assessment a = fullAssessment();
        QCOMPARE(a.DTPOcena, kFullAssessmentDate);
        QCOMPARE(QString::fromStdString(formatPolishDate(a.DTPOcena)),
                 QStringLiteral("15 marca 2004"));
        QVERIFY(a.questions.questionCount() >= 40);
        QCOMPARE(a.questions.questionCount(), kFullQuestionCount);
        std::map<std::string, int> answers;
        for (const Question& q : a.questions.questions())
            ++answers[q.answer];
        QVERIFY(answers[kAnswerYes] > 0);
        QVERIFY(answers[kAnswerNo] > 0);
        QVERIFY(answers[""] > 0);
        QCOMPARE(int(answers.size()), 3);
        std::set<std::string> protective;
        for (std::size_t n = 34; n <= 38; ++n)
            protective.insert(a.questions.answerAt(n));
        QVERIFY(protective.count(kAnswerNo));
        QVERIFY(protective.count(kAnswerYes));
        QVERIFY(protective.count(""));

        QVERIFY(!a.ListOdpow.empty());
        QVERIFY(!a.ListKomisja.empty());
        QVERIFY(a.Plan.size() >= 3);
        for (const PlanRow& row : a.Plan)
            for (const std::string& cell : row)
                QVERIFY(!cell.empty());
        QVERIFY(QString::fromStdString(a.Osoby).split(QStringLiteral("\r\n")).size() >= 2);
        QVERIFY(a.Osoby.find('\n') == a.Osoby.find("\r\n") + 1);
        QVERIFY(QString::fromStdString(a.EdtZaklad).contains(QStringLiteral("ę")));
        QVERIFY(QString::fromStdString(a.Osoby).contains(QStringLiteral("Ż")));
    }

    void fullAssessmentHasEveryFactorGroupAndForm() {
        const Assessment a = fullAssessment();
        std::set<int> groups, supplementaryGroups, measuredGroups;
        int ticked = 0, unticked = 0, untickedWithCard = 0;
        for (int c = 0; c < kCatalogueCount; ++c) {
            for (const FactorEntry& e : a.factorList(c)) {
                QVERIFY(e.record);
                const FactorRecord& r = *e.record;
                QCOMPARE(catalogueForFactorGroup(r.factorGroup), c);
                QCOMPARE(r.factorGroup, factorGroupForName(e.text, c));
                groups.insert(r.factorGroup);
                (e.checked ? ticked : unticked)++;
                if (e.checked) QVERIFY2(r.described, e.text.c_str());
                if (!r.described) continue;
                if (!e.checked) ++untickedWithCard;
                (isSupplementaryForm(r.descriptionForm) ? supplementaryGroups : measuredGroups)
                    .insert(r.factorGroup);
            }
        }
        QCOMPARE(groups, (std::set<int>{1, 2, 3, 4, 5, 6, 7}));
        QCOMPARE(measuredGroups, (std::set<int>{1, 2, 3, 6, 7}));
        QCOMPARE(supplementaryGroups, (std::set<int>{1, 2, 3, 4, 5}));
        QVERIFY(ticked > 0);
        QVERIFY(unticked > 0);
        QVERIFY(untickedWithCard > 0);
        QVERIFY(!entryNamed(a, kUndescribedFactorName));

        const FactorEntry* lighting = entryNamed(a, "oświetlenie - natężenie");
        const FactorEntry* current = entryNamed(a, "prąd elektryczny");
        QVERIFY(lighting && current);
        QCOMPARE(lighting->record->factorGroup, int(kLighting));
        QCOMPARE(current->record->factorGroup, int(kElectricCurrent));
        QVERIFY(lighting->checked && current->checked);
    }

    void hazardRowsAreThoseTheCardRuleComputes() {
        const Assessment a = fullAssessment();
        int described = 0;
        for (const FactorRecord* r : records(a)) {
            if (!r->described) {
                QCOMPARE(r->hazardCategory, (std::array<int, 4>{}));
                continue;
            }
            ++described;
            // Stored again from a card that shows it, from a record that had no verdict yet.
            FactorRecord again = *r;
            again.described = false;
            again.hazardCategory = {};
            KrtAktualizujCzynnik(again, cardInputFromRecord(*r, CardBoxes{}));
            QVERIFY2(again == *r, r->name.c_str());
        }
        QVERIFY(described >= 12);
        const auto rows = [&](const char* name) {
            return entryNamed(a, name)->record->hazardCategory;
        };
        QCOMPARE(rows("aceton"), (std::array<int, 4>{7, 7, 7, 7}));
        QCOMPARE(rows("benzen"), (std::array<int, 4>{4, 4, 4, 4}));
        QCOMPARE(rows("pył drewna twardego"), (std::array<int, 4>{1, 3, 6, 2}));
        QCOMPARE(rows("oświetlenie - natężenie"), (std::array<int, 4>{8, 8, 8, 8}));
        QCOMPARE(rows("prąd elektryczny"), (std::array<int, 4>{9, 9, 9, 9}));
        QCOMPARE(rows("Borrelia burgdorferi (borelioza)"), (std::array<int, 4>{5, 5, 5, 5}));
        QCOMPARE(rows("praca w pozycji wymuszonej"), (std::array<int, 4>{9, 9, 9, 8}));
    }

    void theUndescribedFactorIsTickedWithoutACard() {
        const Assessment a = fullAssessment({.withUndescribedFactor = true});
        const FactorEntry* e = entryNamed(a, kUndescribedFactorName);
        QVERIFY(e);
        QVERIFY(e->checked);
        QVERIFY(!e->record->described);
        int undescribedTicked = 0;
        for (int c = 0; c < kCatalogueCount; ++c)
            for (const FactorEntry& f : a.factorList(c))
                undescribedTicked += f.checked && !f.record->described;
        QCOMPARE(undescribedTicked, 1);
    }

    void workersOfEveryGroupWithCurrentAndLapsedTrainings() {
        const Assessment a = fullAssessment();
        std::array<int, kWorkerGroupCount> count{}, current{}, lapsed{};
        int examinationLapsed = 0, missingTrainings = 0;
        for (std::size_t i = 0; i < a.ListaPrac.size(); ++i) {
            const WorkerRecord& w = a.ListaPrac[i];
            QVERIFY(w.workerCategory >= 0 && w.workerCategory < kWorkerGroupCount);
            const auto g = static_cast<std::size_t>(w.workerCategory);
            ++count[g];
            (w.trainingCurrent ? current : lapsed)[g]++;
            QCOMPARE(w.trainingCurrent, trainingCurrentFor(a, w));
            QCOMPARE(w.trainingCurrent2, w.trainingCurrent);
            QCOMPARE(w.examinationCurrent, examinationCurrentFor(a, w));
            examinationLapsed += !w.examinationCurrent;
            missingTrainings += !w.RB404 || !w.RB405 || !w.RB406 || !w.RB407;
            QVERIFY(w.DTP401 < a.DTPOcena);
            if (i > 0) QVERIFY(!workerSortsBefore(w, a.ListaPrac[i - 1]));
        }
        for (std::size_t g = 0; g < count.size(); ++g) {
            QVERIFY2(current[g] > 0, qPrintable(QString::number(g)));
            QVERIFY2(lapsed[g] > 0, qPrintable(QString::number(g)));
            QCOMPARE(a.countField(int(g)).get(), count[g]);
            QCOMPARE(a.workerCounts[g], count[g]);
        }
        QVERIFY(examinationLapsed > 0);
        QVERIFY(missingTrainings > 0);
        QCOMPARE(a.SE_razem, std::to_string(a.ListaPrac.size()));
        QVERIFY(!workerCountsEditable(a));
    }

    // -----------------------------------------------------------------------------------------
    // The modal-window answerer

    void anAnswerFillsTheDialogAndPressesItsButton() {
        NameDialog dialog(QStringLiteral("Nazwa stanowiska"));
        ModalAnswerer answer([](QWidget* modal) {
            modal->findChild<QLineEdit*>(QStringLiteral("name"))->setText(QStringLiteral("Łódź"));
            clickButton(modal, QStringLiteral("Zapisz"));
        });
        QCOMPARE(dialog.exec(), int(QDialog::Accepted));
        QVERIFY2(answer.ok(), qPrintable(answer.message()));
        QVERIFY(answer.message().isEmpty());
        QCOMPARE(dialog.edit->text(), QStringLiteral("Łódź"));
        QCOMPARE(answer.windowTitle(), QStringLiteral("Nazwa stanowiska"));
    }

    void pressButtonAnswersAMessageBox() {
        QMessageBox box(QMessageBox::Question, QStringLiteral("Uwaga"),
                        QStringLiteral("Czy zapisać zmiany?"));
        QAbstractButton* yes = box.addButton(QStringLiteral("&Tak"), QMessageBox::YesRole);
        box.addButton(QStringLiteral("&Nie"), QMessageBox::NoRole);
        ModalAnswerer answer(ModalAnswerer::pressButton(QStringLiteral("Tak")));
        box.exec();
        QVERIFY2(answer.ok(), qPrintable(answer.message()));
        QCOMPARE(box.clickedButton(), yes);
        QCOMPARE(answer.windowClass(), QStringLiteral("QMessageBox"));
    }

    void aDialogLeftOpenFailsAfterTheTimeoutInsteadOfHanging() {
        StubbornDialog dialog(QStringLiteral("Uparty"));
        ModalAnswerer answer(
            [](QWidget* modal) { modal->findChild<QLineEdit*>()->setText(QStringLiteral("x")); },
            300);
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(dialog.exec(), int(QDialog::Rejected));
        QVERIFY(clock.elapsed() >= 300);
        QVERIFY(clock.elapsed() < 4000);
        QVERIFY(answer.answered());
        QVERIFY(!answer.ok());
        QVERIFY2(answer.message().contains(QStringLiteral("still open")),
                 qPrintable(answer.message()));
        QVERIFY(!dialog.isVisible());
    }

    void anAnswerThatCannotBeGivenFailsAtOnce() {
        NameDialog dialog(QStringLiteral("Bez przycisku"));
        ModalAnswerer answer(ModalAnswerer::pressButton(QStringLiteral("Drukuj")), 3000);
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(dialog.exec(), int(QDialog::Rejected));
        QVERIFY(clock.elapsed() < 2000);
        QVERIFY(!answer.ok());
        QVERIFY2(answer.message().contains(QStringLiteral("\"Drukuj\"")),
                 qPrintable(answer.message()));
    }

    void noDialogFailsAfterTheTimeout() {
        ModalAnswerer answer(ModalAnswerer::reject(), 200);
        QElapsedTimer clock;
        clock.start();
        QVERIFY(!answer.wait());
        QVERIFY(clock.elapsed() >= 200);
        QVERIFY(clock.elapsed() < 3000);
        QVERIFY2(answer.message().contains(QStringLiteral("within 200 ms")),
                 qPrintable(answer.message()));
        QVERIFY(!answer.answered());
    }

    void aDialogThatComesTooLateIsClosed() {
        ModalAnswerer answer(ModalAnswerer::pressButton(QStringLiteral("Zapisz")), 100);
        NameDialog dialog(QStringLiteral("Spóźniony"));
        int result = -1;
        QTimer::singleShot(400, &dialog, [&] { result = dialog.exec(); });
        QVERIFY(QTest::qWaitFor([&] { return result != -1; }, 5000));
        QCOMPARE(result, int(QDialog::Rejected));
        QVERIFY(!answer.ok());
        QVERIFY2(answer.message().contains(QStringLiteral("within 100 ms")),
                 qPrintable(answer.message()));
    }

    void waitAnswersADialogOpenedLater() {
        NameDialog dialog(QStringLiteral("Później"));
        int result = -1;
        ModalAnswerer answer(ModalAnswerer::pressButton(QStringLiteral("Zapisz")));
        QTimer::singleShot(50, &dialog, [&] { result = dialog.exec(); });
        QVERIFY2(answer.wait(), qPrintable(answer.message()));
        QVERIFY(QTest::qWaitFor([&] { return result != -1; }, 1000));
        QCOMPARE(result, int(QDialog::Accepted));
    }

    void answerersTakeTheirWindowsInTurn() {
        NameDialog outer(QStringLiteral("Pierwsze"));
        NameDialog inner(QStringLiteral("Drugie"));
        NameDialog last(QStringLiteral("Trzecie"));
        int innerResult = -1;
        // The first answer opens a second dialog, which the second answerer answers; the third
        // dialog comes after both.
        ModalAnswerer first([&](QWidget* modal) {
            innerResult = inner.exec();
            clickButton(modal, QStringLiteral("Anuluj"));
        });
        ModalAnswerer second(ModalAnswerer::pressButton(QStringLiteral("Zapisz")));
        ModalAnswerer third(ModalAnswerer::pressButton(QStringLiteral("Zapisz")));
        QCOMPARE(outer.exec(), int(QDialog::Rejected));
        QCOMPARE(last.exec(), int(QDialog::Accepted));
        QCOMPARE(innerResult, int(QDialog::Accepted));
        QVERIFY2(first.ok(), qPrintable(first.message()));
        QVERIFY2(second.ok(), qPrintable(second.message()));
        QVERIFY2(third.ok(), qPrintable(third.message()));
        QCOMPARE(first.windowTitle(), QStringLiteral("Pierwsze"));
        QCOMPARE(second.windowTitle(), QStringLiteral("Drugie"));
        QCOMPARE(third.windowTitle(), QStringLiteral("Trzecie"));
    }

    void aWindowTheAnswerOpensAndNobodyAnswersIsClosed() {
        NameDialog outer(QStringLiteral("Zewnętrzne"));
        StubbornDialog inner(QStringLiteral("Nieoczekiwane"));
        ModalAnswerer answer(
            [&](QWidget* modal) {
                inner.exec();
                clickButton(modal, QStringLiteral("Zapisz"));
            },
            200);
        QCOMPARE(outer.exec(), int(QDialog::Accepted));
        QVERIFY(!inner.isVisible());
        QVERIFY(!answer.ok());
        QVERIFY2(answer.message().contains(QStringLiteral("Nieoczekiwane")),
                 qPrintable(answer.message()));
    }

    // -----------------------------------------------------------------------------------------
    // Fixed today, PDF text

    void fixedTodayReachesNewAssessmentsAndIsUndone() {
        const DayNumber clock = todayDayNumber();
        {
            FixedToday today;
            QCOMPARE(todayDayNumber(), kFullAssessmentDate);
            {
                FixedToday later(dayNumberFromCivil(2010, 6, 30));
                QCOMPARE(Assessment().DTPOcena, dayNumberFromCivil(2010, 6, 30));
            }
            QCOMPARE(todayDayNumber(), kFullAssessmentDate);
            TemporaryHome home;
            ScriptedPrompts prompts;
            auto w = makeWindow(home);
            QCOMPARE(w->document().assessment().DTPOcena, kFullAssessmentDate);
        }
        QVERIFY(!todayForTesting());
        QVERIFY(todayDayNumber() == clock || todayDayNumber() == clock + 1);
    }

    void pdfTextReportsAFileItCannotRead() {
        QTemporaryDir dir;
        const QString notPdf = dir.filePath(QStringLiteral("nie-pdf.pdf"));
        writeBytes(notPdf, "to nie jest PDF");
        const PdfText garbage = pdfText(notPdf);
        QVERIFY2(garbage.available,
                 "pdftotext is not installed: the PDF checks need poppler-utils");
        QVERIFY(!garbage.ok);
        QVERIFY(!garbage.error.isEmpty());
        const PdfText missing = pdfText(dir.filePath(QStringLiteral("brak.pdf")));
        QVERIFY(!missing.ok);
        QVERIFY(!missing.error.isEmpty());
    }
};

TARNIK_TEST_MAIN(SupportTest)
#include "test_support.moc"
