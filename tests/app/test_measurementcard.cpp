// Page 5, the measurement cards: each chosen factor described on the card its group calls for,
// with its rows of the hazard level card and its tick; the card stored on every event that leaves
// it; multiplicities checked when their edit is left; a multiplicity from a file that is not a
// number reported and stopping the action; the picker's round trip keeping the card.
#include <QAction>
#include <QCheckBox>
#include <QDateEdit>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "app/document/document.h"
#include "app/pages/cards/describelistmodel.h"
#include "app/pages/cards/factorcardeditor.h"
#include "app/pages/cards/measurementbox.h"
#include "app/pages/cards/measurementcardpage.h"
#include "app/pages/cards/supplementarybox.h"
#include "app/platform/pathutil.h"
#include "app/shell/application.h"
#include "app/shell/documentcommands.h"
#include "app/wizard/pickerservice.h"
#include "app/wizard/wizard.h"
#include "core/model/trkfile.h"
#include "core/rules/reflists/reflists.h"
#include "tests/app/support/testsupport.h"

using namespace tarnik;
using namespace tarnik::testing;

using Rows = std::array<int, 4>;

class MeasurementCardTest : public QObject, WindowTestBase {
    Q_OBJECT

    MeasurementCardPage* page = nullptr;

    Assessment& model() { return w->document().assessment(); }
    FactorCardEditor* card() { return page->card(); }
    MeasurementBox* measurement() { return card()->measurement(); }
    FactorRecord& aceton() { return *model().LB501[0].record; }
    FactorRecord& halas() { return *model().LB503[0].record; }
    FactorRecord& lighting() { return *model().LB503[1].record; }
    FactorRecord& bacteria() { return *model().LB504[0].record; }

    // The row of a factor in the page's list.
    int rowOf(const QString& name) {
        QAbstractItemModel* m = page->factorList()->model();
        for (int r = 0; r < m->rowCount(); ++r)
            if (m->index(r, 0).data().toString() == name) return r;
        return -1;
    }
    void select(const QString& name) {
        const int row = rowOf(name);
        QVERIFY2(row >= 0, qPrintable(name));
        page->selectFactor(row);
    }
    bool ticked(const QString& name) {
        return page->factorList()->model()->index(rowOf(name), 0).data(Qt::CheckStateRole) ==
               Qt::Checked;
    }
    void typeMultiples(const QStringList& texts) {
        for (int i = 0; i < 4; ++i)
            measurement()->multiplicityEdit(i)->setText(texts[i]);
    }
    // The edit loses the focus to another control.
    void leave(QWidget* edit) {
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(edit, &out);
    }
    // A click on a check box or radio button, on its indicator.
    static void click(QAbstractButton* b) {
        QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(6, b->height() / 2));
    }
    // Four ticked factors: chemical, physical, lighting and biological.
    void tickFactors() {
        model().LB501[0].checked = true;
        model().LB503[0].checked = true;
        model().LB503[1].checked = true;
        model().LB504[0].checked = true;
    }

private slots:
    void init() {
        openWindow();
        w->show();
        page = w->wizard().page<MeasurementCardPage>();
        QVERIFY(page);
        model().DTPOcena = dayNumberFromCivil(2024, 3, 5);
        tickFactors();
        w->wizard().showPage(kPageMeasurementCards);
    }
    void cleanup() { closeWindow(); }

    void theListHoldsTheChosenFactorsAlphabetically() {
        QAbstractItemModel* m = page->factorList()->model();
        QStringList names;
        for (int r = 0; r < m->rowCount(); ++r)
            names << m->index(r, 0).data().toString();
        QCOMPARE(names, (QStringList{"Aceton", "Bakterie", "Hałas", "Oświetlenie - natężenie"}));
        QCOMPARE(page->countLabel()->text(), QStringLiteral("Liczba czynników: 4"));
        QCOMPARE(page->remainingLabel()->text(),
                 QStringLiteral("Pozostało do opisania 4 czynników"));
        QVERIFY(!ticked(QStringLiteral("Aceton")));
        // Showing the page marks the document changed (the ticks were refreshed).
        QVERIFY(!w->document().IsSaved());
        // No factor selected: the card is empty, disabled and dated with the assessment.
        QVERIFY(!page->currentFactor());
        QVERIFY(!card()->cardEnabled());
        QVERIFY(!card()->codeEdit()->isEnabled());
        QVERIFY(!card()->measurementFormButton()->isEnabled());
        QVERIFY(card()->measurementFormButton()->isChecked());
        QVERIFY(card()->nameEdit()->text().isEmpty());
        QCOMPARE(measurement()->dateEdit()->date(), QDate(2024, 3, 5));
        QVERIFY(measurement()->meetsYes()->isChecked());
        for (int b = 0; b < 7; ++b)
            QVERIFY(!card()->supplementary()->box(b)->isChecked());
    }

    void aChemicalFactorOnTheMeasurementCard() {
        select(QStringLiteral("Aceton"));
        QCOMPARE(page->currentFactor(), &aceton());
        QVERIFY(card()->cardEnabled());
        QCOMPARE(card()->nameEdit()->text(), QStringLiteral("Aceton"));
        QVERIFY(card()->measurementFormButton()->isEnabled());
        QVERIFY(!card()->showsSupplementary());
        QCOMPARE(measurement()->limitLabel()->text().remove(QLatin1Char('&')),
                 QStringLiteral("Krotność NDS:"));
        QVERIFY(measurement()->multiplicityArea()->isVisible());
        QVERIFY(measurement()->legendPC()->isVisible());
        QVERIFY(measurement()->legendR()->isVisible());
        QVERIFY(!measurement()->meetsYes()->isVisible());
        QVERIFY(measurement()->resultEdit()->isVisible());

        card()->codeEdit()->setText(QStringLiteral("67-64-1"));
        measurement()->placeEdit()->setText(QStringLiteral("lakiernia"));
        measurement()->dateEdit()->setDate(QDate(2024, 2, 20));
        card()->characteristicEdit()->setPlainText(QStringLiteral("rozpuszczalnik\nlotny"));
        typeMultiples({"P", "0,7", "1", " 0.3 "});
        // Edits alone store nothing.
        QVERIFY(aceton().Ed602.empty());
        select(QStringLiteral("Hałas"));
        QCOMPARE(aceton().Ed602, std::string("67-64-1"));
        QCOMPARE(aceton().ED603, std::string("lakiernia"));
        QCOMPARE(aceton().DTP601, dayNumberFromCivil(2024, 2, 20));
        QCOMPARE(aceton().Mem611, std::string("rozpuszczalnik\r\nlotny"));
        QCOMPARE(aceton().Ed610, std::string("0.3"));
        QCOMPARE(aceton().hazardCategory, (Rows{1, 6, 6, 7}));
        QVERIFY(aceton().described);
        QVERIFY(ticked(QStringLiteral("Aceton")));
        QCOMPARE(page->remainingLabel()->text(),
                 QStringLiteral("Pozostało do opisania 3 czynników"));

        // Three of four filled: not described, the empty column keeps its row.
        select(QStringLiteral("Aceton"));
        QCOMPARE(measurement()->multiplicityEdit(1)->text(), QStringLiteral("0,7"));
        measurement()->multiplicityEdit(3)->clear();
        measurement()->multiplicityEdit(0)->setText(QStringLiteral("c"));
        select(QStringLiteral("Hałas"));
        QVERIFY(!aceton().described);
        QCOMPARE(aceton().hazardCategory, (Rows{2, 6, 6, 7}));
        QVERIFY(!ticked(QStringLiteral("Aceton")));
    }

    void aPhysicalFactorTakesOnlyR() {
        select(QStringLiteral("Hałas"));
        QCOMPARE(measurement()->limitLabel()->text().remove(QLatin1Char('&')),
                 QStringLiteral("Krotność NDN:"));
        QVERIFY(!measurement()->legendPC()->isVisible());
        QVERIFY(measurement()->legendR()->isVisible());
        // "C" is not for physical factors: rejected when the edit is left.
        QLineEdit* first = measurement()->multiplicityEdit(0);
        first->setText(QStringLiteral(" C "));
        leave(first);
        QVERIFY(first->text().isEmpty());
        QCOMPARE(prompts->messages().size(), 1);
        QCOMPARE(prompts->messages().first().title, QStringLiteral("Błąd"));
        QCOMPARE(prompts->messages().first().text,
                 QStringLiteral("Wprowadź liczbę większą od 0 lub odpowiednią literę."));
        // "0" is taken although the message speaks of numbers above 0; "-1" is not; blanks go.
        first->setText(QStringLiteral("0"));
        leave(first);
        QCOMPARE(first->text(), QStringLiteral("0"));
        first->setText(QStringLiteral("-1"));
        leave(first);
        QVERIFY(first->text().isEmpty());
        QCOMPARE(prompts->messages().size(), 2);
        first->setText(QStringLiteral(" 1,2 "));
        leave(first);
        QCOMPARE(first->text(), QStringLiteral("1,2"));
        QCOMPARE(prompts->messages().size(), 2);

        typeMultiples({"1,2", "r", "R", "0"});
        select(QStringLiteral("Aceton"));
        QCOMPARE(halas().hazardCategory, (Rows{3, 4, 4, 7}));
        QVERIFY(halas().described);
        // For a chemical factor "C" is a letter of the rules.
        QLineEdit* edit = measurement()->multiplicityEdit(2);
        edit->setText(QStringLiteral("C"));
        leave(edit);
        QCOMPARE(edit->text(), QStringLiteral("C"));
        QCOMPARE(prompts->messages().size(), 2);
    }

    void aBiologicalFactorOnTheSupplementaryCard() {
        select(QStringLiteral("Bakterie"));
        QVERIFY(card()->showsSupplementary());
        QVERIFY(card()->supplementaryFormButton()->isChecked());
        QVERIFY(!card()->measurementFormButton()->isEnabled());
        SupplementaryBox* s = card()->supplementary();
        // A new factor's card says "akceptowalne".
        QVERIFY(s->box(kBoxAcceptable)->isChecked());
        // "kobiet" sets the pregnant or nursing women and clears "akceptowalne".
        click(s->box(kBoxWomen));
        QVERIFY(s->box(kBoxPregnant)->isChecked());
        QVERIFY(!s->box(kBoxAcceptable)->isChecked());
        select(QStringLiteral("Aceton"));
        QCOMPARE(bacteria().hazardCategory, (Rows{9, 8, 8, 9}));
        QVERIFY(bacteria().described);
        QCOMPARE(bacteria().descriptionForm, int(kSupplementaryCard));
        // The boxes come back as stored, and "wszystkich grup pracowniczych" sets the others.
        select(QStringLiteral("Bakterie"));
        QVERIFY(s->box(kBoxWomen)->isChecked() && s->box(kBoxPregnant)->isChecked());
        QVERIFY(!s->box(kBoxJuveniles)->isChecked());
        s->box(kBoxAllGroups)->click();
        QVERIFY(s->box(kBoxJuveniles)->isChecked());
        // Clearing the box of juveniles clears "wszystkich grup pracowniczych".
        s->box(kBoxJuveniles)->click();
        QVERIFY(!s->box(kBoxAllGroups)->isChecked());
        // With no box set the card is not described.
        for (int b : {kBoxWomen, kBoxPregnant})
            if (s->box(b)->isChecked()) s->box(b)->click();
        select(QStringLiteral("Aceton"));
        QVERIFY(!bacteria().described);
        QCOMPARE(bacteria().hazardCategory, (Rows{9, 9, 9, 9}));
    }

    // Alt+D leaves the focus in the edit: the edit is checked as a click on "Dalej" would
    // have it checked, before the card is stored.
    void aCommandFromTheKeyboardChecksTheEditBeingTyped() {
        QApplication::setActiveWindow(w.get());
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        select(QStringLiteral("Hałas"));
        typeMultiples({"", "r", "R", "0"});
        QLineEdit* first = measurement()->multiplicityEdit(0);
        first->setFocus();
        QVERIFY(first->hasFocus());
        first->setText(QStringLiteral("C"));
        w->wizard().next();
        QCOMPARE(prompts->messages().size(), 2);
        QCOMPARE(prompts->messages().first().text,
                 QStringLiteral("Wprowadź liczbę większą od 0 lub odpowiednią literę."));
        QCOMPARE(prompts->messages().last().text,
                 QStringLiteral("Nie są opisane wszystkie czynniki."));
        QVERIFY(halas().Ed607.empty());
        QVERIFY(!halas().described);
        QCOMPARE(halas().hazardCategory[0], 0);
    }

    void aChemicalFactorMayUseTheSupplementaryCard() {
        select(QStringLiteral("Aceton"));
        click(card()->supplementaryFormButton());
        QVERIFY(card()->showsSupplementary());
        card()->supplementary()->box(kBoxMutagenic)->click();
        QVERIFY(!card()->supplementary()->box(kBoxAcceptable)->isChecked());
        select(QStringLiteral("Hałas"));
        QCOMPARE(aceton().hazardCategory, (Rows{4, 4, 4, 4}));
        QVERIFY(aceton().described);
        // The measurement card again: the form choice shows it.
        select(QStringLiteral("Aceton"));
        click(card()->measurementFormButton());
        QVERIFY(!card()->showsSupplementary());
    }

    void lightingIsJudgedByMeetingTheRequirements() {
        select(QStringLiteral("Oświetlenie - natężenie"));
        QCOMPARE(lighting().factorGroup, int(kLighting));
        QVERIFY(!card()->showsSupplementary());
        QVERIFY(!card()->measurementFormButton()->isEnabled());
        QVERIFY(measurement()->meetsYes()->isVisible());
        QVERIFY(!measurement()->multiplicityArea()->isVisible());
        QVERIFY(measurement()->resultEdit()->isVisible());
        click(measurement()->meetsNo());
        select(QStringLiteral("Aceton"));
        QCOMPARE(lighting().hazardCategory, (Rows{8, 8, 8, 8}));
        QVERIFY(lighting().described);
        QCOMPARE(lighting().RG602, 1);

        // Electric current: the same, without the result.
        lighting().factorGroup = kElectricCurrent;
        select(QStringLiteral("Oświetlenie - natężenie"));
        QVERIFY(!measurement()->resultEdit()->isVisible());
        QVERIFY(!measurement()->resultLabel()->isVisible());
        QVERIFY(measurement()->meetsNo()->isChecked());
        click(measurement()->meetsYes());
        select(QStringLiteral("Aceton"));
        QCOMPARE(lighting().hazardCategory, (Rows{9, 9, 9, 9}));
    }

    void untickingAndTickingAgainKeepsTheCard() {
        select(QStringLiteral("Hałas"));
        card()->codeEdit()->setText(QStringLiteral("HŁ-1"));
        typeMultiples({"1,2", "r", "R", "0"});
        w->wizard().showPage(kPageFactors);
        QCOMPARE(halas().Ed602, std::string("HŁ-1"));
        model().LB503[0].checked = false;
        w->wizard().showPage(kPageMeasurementCards);
        QCOMPARE(rowOf(QStringLiteral("Hałas")), -1);
        QCOMPARE(page->countLabel()->text(), QStringLiteral("Liczba czynników: 3"));
        w->wizard().showPage(kPageFactors);
        model().LB503[0].checked = true;
        w->wizard().showPage(kPageMeasurementCards);
        QVERIFY(ticked(QStringLiteral("Hałas")));
        select(QStringLiteral("Hałas"));
        QCOMPARE(card()->codeEdit()->text(), QStringLiteral("HŁ-1"));
        QCOMPARE(measurement()->multiplicityEdit(1)->text(), QStringLiteral("r"));
    }

    void leavingNextAndSavingStoreTheOpenCard() {
        // Leaving the page (Back).
        select(QStringLiteral("Aceton"));
        card()->codeEdit()->setText(QStringLiteral("K-1"));
        w->wizard().back();
        QCOMPARE(aceton().Ed602, std::string("K-1"));
        QVERIFY(!page->currentFactor());

        // Ctrl+S: the open card reaches the file; the card stays open.
        w->wizard().showPage(kPageMeasurementCards);
        select(QStringLiteral("Aceton"));
        card()->codeEdit()->setText(QStringLiteral("K-2"));
        const QString file = home->path() + QStringLiteral("/karta.trk");
        prompts->saveNames.enqueue(file);
        QAction* save = nullptr;
        for (QAction* a : w->findChildren<QAction*>())
            if (a->shortcut() == QKeySequence(Qt::CTRL | Qt::Key_S)) save = a;
        QVERIFY(save);
        save->trigger();
        Assessment back;
        QCOMPARE(readTrkFile(back, toPath(file)).status, TrkReadResult::Status::Read);
        QCOMPARE(back.LB501.at(0).record->Ed602, std::string("K-2"));
        QVERIFY(w->document().IsSaved());
        QCOMPARE(page->currentFactor(), &aceton());

        // Next: stored, then the forward check holds the user while factors are undescribed.
        typeMultiples({"P", "P", "P", "P"});
        w->wizard().next();
        QVERIFY(aceton().described);
        QCOMPARE(w->wizard().currentIndex(), int(kPageMeasurementCards));
        QCOMPARE(prompts->messages().last().title, QStringLiteral("Uwaga"));
        QCOMPARE(prompts->messages().last().text,
                 QStringLiteral("Nie są opisane wszystkie czynniki."));
    }

    void anUndescribedFactorFromAFileCanBeDescribedAndLeftForward() {
        Assessment a(dayNumberFromCivil(2024, 1, 10));
        a.EdtZaklad = "Zakład";
        a.LB501.emplace_back("benzen", true,
                             newFactorRecord("benzen", 0, dayNumberFromCivil(2024, 1, 10)));
        const QString file = home->path() + QStringLiteral("/ocena.trk");
        saveTrkFile(a, toPath(file));
        w->document().SetSaved(true);
        prompts->openNames.enqueue(file);
        w->commands().Open();
        w->wizard().showPage(kPageMeasurementCards);
        QCOMPARE(page->remainingLabel()->text(),
                 QStringLiteral("Pozostało do opisania 1 czynników"));
        w->wizard().next();
        QCOMPARE(w->wizard().currentIndex(), int(kPageMeasurementCards));
        select(QStringLiteral("benzen"));
        // The card shows the factor's own date, not the assessment's.
        QCOMPARE(measurement()->dateEdit()->date(), QDate(2024, 1, 10));
        typeMultiples({"R", "R", "R", "R"});
        w->wizard().next();
        QCOMPARE(w->wizard().currentIndex(), int(kPageHazardCard));
        const FactorRecord& benzen = *model().LB501.at(0).record;
        QVERIFY(benzen.described);
        QCOMPARE(benzen.hazardCategory, (Rows{4, 4, 4, 4}));
        QCOMPARE(benzen.DTP601, dayNumberFromCivil(2024, 1, 10));
    }

    void aBadMultiplicityFromAFileIsReportedAndStopsTheAction() {
        aceton().Ed607 = "P";
        aceton().Ed608 = "abc";
        aceton().Ed609 = "0,3";
        aceton().Ed610 = "R";
        aceton().hazardCategory = {0, 0, 0, 0};
        select(QStringLiteral("Aceton"));
        card()->codeEdit()->setText(QStringLiteral("K-7"));
        prompts->clear();
        select(QStringLiteral("Hałas"));
        QCOMPARE(prompts->messages().size(), 1);
        QCOMPARE(prompts->messages().first().title, QStringLiteral("Błąd"));
        QVERIFY(prompts->messages().first().text.contains(QStringLiteral("abc")));
        // The switch did not happen; the fields and the column before the bad one are stored.
        QCOMPARE(page->currentFactor(), &aceton());
        QCOMPARE(card()->nameEdit()->text(), QStringLiteral("Aceton"));
        QTRY_COMPARE(page->factorList()->currentIndex().row(), rowOf(QStringLiteral("Aceton")));
        QCOMPARE(aceton().Ed602, std::string("K-7"));
        QCOMPARE(aceton().hazardCategory, (Rows{1, 0, 0, 0}));

        // Leaving the page stops as well: the page stays.
        QVERIFY(!runGuarded([&] { w->wizard().showPage(kPageHazardCard); }));
        QCOMPARE(w->wizard().currentIndex(), int(kPageMeasurementCards));
        QCOMPARE(prompts->messages().size(), 2);
        QVERIFY(!runGuarded([&] { w->wizard().next(); }));
        QCOMPARE(w->wizard().currentIndex(), int(kPageMeasurementCards));

        // Put right, it is stored whole.
        QLineEdit* bad = measurement()->multiplicityEdit(1);
        leave(bad);
        QVERIFY(bad->text().isEmpty());
        bad->setText(QStringLiteral("0,8"));
        select(QStringLiteral("Hałas"));
        QCOMPARE(aceton().hazardCategory, (Rows{1, 6, 7, 4}));
        QCOMPARE(page->currentFactor(), &halas());
    }

    void thePickersFillTheCardAndKeepItsEdit() {
        QCOMPARE(card()->codeInsertButton()->text(), QStringLiteral("Wstaw..."));
        select(QStringLiteral("Hałas"));
        measurement()->placeEdit()->setText(QStringLiteral("hala 2"));
        PickerService& picker = w->picker();
        // Each button opens its list with the picker flag.
        const std::pair<QPushButton*, int> buttons[] = {
            {card()->codeInsertButton(), kRefFactors},
            {measurement()->performerInsertButton(), kRefPerformers},
            {measurement()->methodInsertButton(), kRefMethods}};
        for (const auto& [button, list] : buttons) {
            QVERIFY(button->isEnabled());
            QTest::mouseClick(button, Qt::LeftButton);
            QVERIFY(picker.isOpen());
            QCOMPARE(picker.requestedList(), list);
            QVERIFY(picker.flag());
            picker.cancel();
        }
        QCOMPARE(measurement()->placeEdit()->text(), QStringLiteral("hala 2"));
        picker.open(page, kRefMethods);
        QVERIFY(picker.flag());
        QCOMPARE(w->wizard().currentIndex(), int(kPageReferenceLists));
        picker.cancel();
        QCOMPARE(w->wizard().currentIndex(), int(kPageMeasurementCards));
        QCOMPARE(page->currentFactor(), &halas());
        QCOMPARE(measurement()->placeEdit()->text(), QStringLiteral("hala 2"));
        QVERIFY(halas().ED603.empty());

        picker.open(page, kRefMethods);
        picker.accept(kRefMethods, {"PN-EN ISO 9612"});
        QCOMPARE(measurement()->methodEdit()->text(), QStringLiteral("PN-EN ISO 9612"));
        picker.open(page, kRefPerformers);
        picker.accept(kRefPerformers, {"Laboratorium Łódź"});
        QCOMPARE(measurement()->performerEdit()->text(), QStringLiteral("Laboratorium Łódź"));
        picker.open(page, kRefFactors);
        picker.accept(kRefFactors, {"Hałas", "H-01", "hałas ustalony\r\nw hali"});
        QCOMPARE(card()->codeEdit()->text(), QStringLiteral("H-01"));
        QCOMPARE(card()->characteristicEdit()->toPlainText(),
                 QStringLiteral("hałas ustalony\nw hali"));
        QCOMPARE(page->currentFactor(), &halas());
        QCOMPARE(measurement()->placeEdit()->text(), QStringLiteral("hala 2"));
        // Filled, not stored, until the card is.
        QVERIFY(halas().Ed605.empty());
        select(QStringLiteral("Aceton"));
        QCOMPARE(halas().Ed605, std::string("PN-EN ISO 9612"));
        QCOMPARE(halas().Ed604, std::string("Laboratorium Łódź"));
        QCOMPARE(halas().Ed602, std::string("H-01"));
        QCOMPARE(halas().Mem611, std::string("hałas ustalony\r\nw hali"));
        QCOMPARE(halas().ED603, std::string("hala 2"));
    }

    void manyUndescribedFactorsAreCounted() {
        for (int i = 0; i < 9; ++i)
            model().LB505.emplace_back("czynnik " + std::to_string(i), true,
                                       newFactorRecord("czynnik", 4, model().DTPOcena));
        w->wizard().showPage(kPageFactors);
        w->wizard().showPage(kPageMeasurementCards);
        QCOMPARE(page->countLabel()->text(), QStringLiteral("Liczba czynników: 13"));
        QCOMPARE(page->remainingLabel()->text(),
                 QStringLiteral("Pozostało do opisania 13 czynników"));
        // A new document forgets the list and the factor being described.
        select(QStringLiteral("Aceton"));
        w->document().SetSaved(true);
        w->commands().New();
        QVERIFY(!page->currentFactor());
        QCOMPARE(page->factorListModel()->rowCount(), 0);
    }
};

TARNIK_TEST_MAIN(MeasurementCardTest)
#include "test_measurementcard.moc"
