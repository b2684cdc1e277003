// The wizard: page order and headings, Next and Back with their rules, the blinking of the
// worker counts.
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include "app/document/document.h"
#include "app/pages/general/generaldatapage.h"
#include "app/pages/general/personlistbox.h"
#include "app/pages/workers/workerspage.h"
#include "app/print/printcommand.h"
#include "app/shell/application.h"
#include "app/shell/documentcommands.h"
#include "app/widgets/blinker.h"
#include "app/wizard/pickerservice.h"
#include "app/wizard/wizard.h"
#include "tests/app/support/testsupport.h"

using namespace tarnik;
using namespace tarnik::testing;

class WizardTest : public QObject, WindowTestBase {
    Q_OBJECT

    Wizard& wiz() { return w->wizard(); }
    void nameTheEstablishment() {
        QTest::keyClicks(w->wizard().page<GeneralDataPage>()->EdtZaklad(),
                         QStringLiteral("Zaklad"));
    }

private slots:
    void init() {
        openWindow();
        w->show();
    }
    void cleanup() { closeWindow(); }

    void pagesStandInTheirOrderWithTheirHeadings() {
        const QStringList headings = {
            QStringLiteral("Dane ogólne"),
            QStringLiteral("Opis i charakterystyka stanowiska"),
            QStringLiteral("Zakres szkoleń bhp"),
            QStringLiteral("Pracownicy"),
            QStringLiteral("Czynniki szkodliwe, niebezpieczne i uciążliwe"),
            QStringLiteral("Karta pomiaru czynników"),
            QStringLiteral("Karta poziomu zagrożeń"),
            QStringLiteral("Ocena stanu bhp"),
            QStringLiteral("Wypadki przy pracy"),
            QStringLiteral("Karta uzupełniajaca"),
            QStringLiteral("Poziom ryzyka"),
            QStringLiteral("Plan poprawy warunków pracy"),
            QStringLiteral("Lista osób zapoznanych z wynikami oceny ryzyka zawodowego"),
            QStringLiteral("Listy podpowiedzi"),
        };
        QCOMPARE(wiz().count(), headings.size());
        for (int i = 0; i < headings.size(); ++i) {
            QCOMPARE(wiz().page(i)->heading(), headings[i]);
            auto* label = wiz().page(i)->findChild<QLabel*>(QStringLiteral("pageHeading"));
            QVERIFY(label && label->font().bold());
        }
        QCOMPARE(wiz().backButton()->text(), QStringLiteral("  Ws&tecz"));
        QCOMPARE(wiz().nextButton()->text(), QStringLiteral("&Dalej  "));
    }

    void pageZeroNeedsAnEstablishmentName() {
        QCOMPARE(wiz().currentIndex(), 0);
        QVERIFY(wiz().backButton()->isHidden());
        QVERIFY(!wiz().nextButton()->isEnabled());
        QTest::keyClick(w->wizard().page<GeneralDataPage>()->EdtZaklad(), Qt::Key_A);
        QVERIFY(wiz().nextButton()->isEnabled());
        QTest::keyClick(w->wizard().page<GeneralDataPage>()->EdtZaklad(), Qt::Key_Backspace);
        QVERIFY(!wiz().nextButton()->isEnabled());
        // A name of two lines is a name; the model keeps its line break as CR LF.
        QTest::keyClicks(w->wizard().page<GeneralDataPage>()->EdtZaklad(), QStringLiteral("Huta"));
        QTest::keyClick(w->wizard().page<GeneralDataPage>()->EdtZaklad(), Qt::Key_Return);
        QTest::keyClicks(w->wizard().page<GeneralDataPage>()->EdtZaklad(),
                         QStringLiteral("Oddzial 2"));
        QCOMPARE(w->document().assessment().EdtZaklad, std::string("Huta\r\nOddzial 2"));
        QTest::mouseClick(wiz().nextButton(), Qt::LeftButton);
        QCOMPARE(wiz().currentIndex(), 1);
        QVERIFY(!wiz().backButton()->isHidden());
        QTest::mouseClick(wiz().backButton(), Qt::LeftButton);
        QCOMPARE(wiz().currentIndex(), 0);
        QVERIFY(wiz().backButton()->isHidden());
        QVERIFY(wiz().nextButton()->isEnabled());
    }

    void workersCheckHoldsTheUserAndBlinks() {
        nameTheEstablishment();
        wiz().showPage(kPageWorkers);
        QVERIFY(wiz().nextButton()->isEnabled());
        wiz().next();
        QCOMPARE(wiz().currentIndex(), int(kPageWorkers));
        QCOMPARE(prompts->messages().size(), 1);
        QCOMPARE(prompts->messages().first().title, QStringLiteral("Brak danych"));
        QCOMPARE(prompts->messages().first().text.split(QStringLiteral("\r\n")),
                 QStringList({QStringLiteral("Brakuje danych na temat pracowników."),
                              QStringLiteral("Do prawidłowego obliczenia ryzyka potrzebna jest "
                                             "liczba pracowników w poszczególnych grupach."),
                              QStringLiteral("Proszę wprowadzić dane pracowników pracujących na "
                                             "ocenianym stanowisku, albo wpisać liczbę"),
                              QStringLiteral("pracowników zaliczonych do odpowiednich grup.")}));
        WorkersPage* page = w->wizard().page<WorkersPage>();
        QVERIFY(w->wizard().page<WorkersPage>()->blinker().isRunning());
        QVERIFY(page->newButton()->isHidden());
        QVERIFY(page->countsFrame()->isHidden());
        // Let it run out: it ends visible.
        QTRY_VERIFY_WITH_TIMEOUT(!w->wizard().page<WorkersPage>()->blinker().isRunning(), 5000);
        QVERIFY(!page->newButton()->isHidden());
        QVERIFY(!page->countsFrame()->isHidden());

        // Two women typed in: the total follows and Next goes on.
        page->countEdit(kWomen)->setValue(2);
        QCOMPARE(page->totalEdit()->text(), QStringLiteral("2"));
        QCOMPARE(w->document().assessment().workerCounts, (std::array<int, 4>{0, 2, 0, 0}));
        wiz().next();
        QCOMPARE(wiz().currentIndex(), int(kPageFactors));
        QCOMPARE(prompts->messages().size(), 1);
    }

    void blinkingSequence() {
        Blinker& b = w->wizard().page<WorkersPage>()->blinker();
        QWidget* button = w->wizard().page<WorkersPage>()->newButton();
        QCOMPARE(b.step(), 700);
        b.start();
        QVERIFY(button->isHidden());
        QCOMPARE(b.currentInterval(), 700);
        // Ticks after 700, 600 ... 100 ms: seven toggles, ending visible.
        QList<int> intervals;
        QList<bool> hidden;
        while (b.isRunning()) {
            intervals << b.currentInterval();
            b.tick();
            hidden << button->isHidden();
        }
        QCOMPARE(intervals, (QList<int>{700, 600, 500, 400, 300, 200, 100}));
        QCOMPARE(hidden, (QList<bool>{false, true, false, true, false, true, false}));
        QCOMPARE(b.step(), 700);

        // A run started while one runs begins at 700 ms, then goes on from the step reached.
        b.start();
        b.tick();
        b.tick(); // step now 500
        b.start();
        QVERIFY(button->isHidden());
        QCOMPARE(b.currentInterval(), 700);
        b.tick();
        QCOMPARE(b.currentInterval(), 400);
        while (b.isRunning())
            b.tick();
        QVERIFY(!button->isHidden());
        QVERIFY(!w->wizard().page<WorkersPage>()->countsFrame()->isHidden());
    }

    void measurementCardsMustAllBeDescribed() {
        Assessment& a = w->document().assessment();
        QCOMPARE(a.LB501.size(), std::size_t(2));
        a.LB501[0].checked = true;
        a.LB503[1].checked = true;
        a.LB503[1].record->described = true;
        wiz().showPage(kPageMeasurementCards);
        wiz().setNextEnabled(true);
        wiz().next();
        QCOMPARE(wiz().currentIndex(), int(kPageMeasurementCards));
        QCOMPARE(prompts->messages().size(), 1);
        QCOMPARE(prompts->messages().first().title, QStringLiteral("Uwaga"));
        QCOMPARE(prompts->messages().first().text,
                 QStringLiteral("Nie są opisane wszystkie czynniki."));
        // An unticked factor needs no card.
        a.LB501[0].checked = false;
        a.LB501[1].checked = false;
        wiz().next();
        QCOMPARE(wiz().currentIndex(), int(kPageHazardCard));
    }

    void theEndsCannotBePassed() {
        nameTheEstablishment();
        wiz().showPage(kPagePlan);
        QVERIFY(wiz().nextButton()->isEnabled());
        wiz().next();
        QCOMPARE(wiz().currentIndex(), int(kPageAcquaintance));
        QVERIFY(!wiz().nextButton()->isEnabled());
        wiz().next(); // even when called directly, page 13 is not entered by Next
        QCOMPARE(wiz().currentIndex(), int(kPageAcquaintance));
        wiz().back();
        QCOMPARE(wiz().currentIndex(), int(kPagePlan));
        QVERIFY(wiz().nextButton()->isEnabled());
        // The whole way back to page 0 with Back.
        for (int i = kPagePlan; i > 0; --i)
            QTest::mouseClick(wiz().backButton(), Qt::LeftButton);
        QCOMPARE(wiz().currentIndex(), 0);
        QVERIFY(wiz().backButton()->isHidden());
    }

    // The reference-list page stands in for the calling page: Back and Next are hidden while it
    // is open and come back as they were; OK fills the fields of the list whose tab is selected.
    void pickerHidesBothButtonsAndReturns() {
        nameTheEstablishment();
        PickerService& picker = w->picker();
        // From page 0, where Back is hidden.
        picker.open(wiz().page(kPageGeneralData), kRefResponsible);
        QCOMPARE(wiz().currentIndex(), int(kPageReferenceLists));
        QVERIFY(wiz().backButton()->isHidden());
        QVERIFY(wiz().nextButton()->isHidden());
        QVERIFY(!picker.flag());
        picker.cancel();
        QCOMPARE(wiz().currentIndex(), int(kPageGeneralData));
        QVERIFY(wiz().backButton()->isHidden());
        QVERIFY(!wiz().nextButton()->isHidden());

        // From page 1 with both shown; OK with the establishments tab selected.
        wiz().showPage(kPageStation);
        picker.open(wiz().page(kPageStation), kRefMethods);
        picker.accept(kRefEstablishments, {"Huta Łabędy\r\nOddział 2", "123456785"});
        QCOMPARE(wiz().currentIndex(), int(kPageStation));
        QVERIFY(!wiz().backButton()->isHidden());
        QVERIFY(!wiz().nextButton()->isHidden());
        auto* general = wiz().page<GeneralDataPage>();
        QCOMPARE(general->EdtZaklad()->toPlainText(), QStringLiteral("Huta Łabędy\nOddział 2"));
        QCOMPARE(w->document().assessment().EdtZaklad, std::string("Huta Łabędy\r\nOddział 2"));
        QCOMPARE(w->document().assessment().EdtRegon, std::string("123456785"));
        QVERIFY(!w->document().IsSaved());

        // A commission member goes into the edits of a new member: first name, surname,
        // position from columns 1, 0, 2; Next of the page shown is left alone.
        wiz().setNextEnabled(false);
        picker.open(wiz().page(kPageStation), kRefCommission);
        picker.accept(kRefCommission, {"Nowak", "Ewa", "Inspektor"});
        QCOMPARE(general->commission()->firstNameEdit()->text(), QStringLiteral("Ewa"));
        QCOMPARE(general->commission()->surnameEdit()->text(), QStringLiteral("Nowak"));
        QCOMPARE(general->commission()->positionEdit()->text(), QStringLiteral("Inspektor"));
        QVERIFY(!wiz().nextButton()->isEnabled());
    }

    // Printing walks the pages from the third one and comes back to it, Back and Next as they
    // were; each page's show handler ran (the risk level page makes Next visible again).
    void printWalkReturnsToThePageItStartedFrom() {
        nameTheEstablishment();
        wiz().next();
        wiz().next();
        QCOMPARE(wiz().currentIndex(), int(kPageTraining));
        wiz().setNextVisible(false);
        w->printCommand().preparePages();
        QCOMPARE(wiz().currentIndex(), int(kPageTraining));
        QVERIFY(!wiz().backButton()->isHidden());
        QVERIFY(wiz().nextButton()->isHidden());
        QVERIFY(wiz().nextButton()->isEnabled());
    }

    void newReturnsToTheFirstPage() {
        nameTheEstablishment();
        wiz().showPage(kPageRiskLevel);
        prompts->answers.enqueue(false);
        w->commands().New();
        QCOMPARE(wiz().currentIndex(), 0);
        QVERIFY(wiz().backButton()->isHidden());
        QVERIFY(!wiz().nextButton()->isHidden());
        QVERIFY(!wiz().nextButton()->isEnabled());
    }
};

TARNIK_TEST_MAIN(WizardTest)
#include "test_wizard.moc"
