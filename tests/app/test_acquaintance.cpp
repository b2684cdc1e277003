// The acquaintance list page: the list reaching the assessment and marking the document, "Dodaj
// z listy" with the workers of the register, the button's state, "Drukuj Ocenę", and Next.
#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "app/document/document.h"
#include "app/pages/closing/acquaintancepage.h"
#include "app/shell/application.h"
#include "app/wizard/wizard.h"
#include "tests/app/support/testsupport.h"

using namespace tarnik;
using namespace tarnik::testing;

class AcquaintanceTest : public QObject, WindowTestBase {
    Q_OBJECT

    Assessment& a() { return w->document().assessment(); }
    AcquaintancePage* page() { return w->wizard().page<AcquaintancePage>(); }
    void addWorker(const char* first, const char* surname) {
        auto r = std::make_unique<WorkerRecord>();
        r->Ed401 = first;
        r->Ed402 = surname;
        a().ListaPrac.insert(std::move(r));
    }
    void showPage() {
        w->wizard().showPage(kPagePlan);
        w->wizard().showPage(kPageAcquaintance);
        QApplication::processEvents();
    }

private slots:
    void init() {
        openWindow();
        QVERIFY(showWindow());
    }
    void cleanup() { closeWindow(); }

    void addFromListSkipsANameAlreadyThereInLowerCase() {
        addWorker("Jan", "Kowalski");
        addWorker("Anna", "Żak");
        a().Osoby = "jan kowalski";
        showPage();
        w->document().SetSaved(true);
        QVERIFY(page()->addFromListButton()->isEnabled());
        QVERIFY(page()->addFromListNote()->isEnabled());
        QTest::mouseClick(page()->addFromListButton(), Qt::LeftButton);
        QCOMPARE(a().Osoby, std::string("Anna Żak\r\njan kowalski"));
        QCOMPARE(page()->Osoby()->toPlainText(), QStringLiteral("Anna Żak\njan kowalski"));
        QVERIFY(!w->document().IsSaved());
        // A second time there is nothing to add: the list stays and is no new change.
        w->document().SetSaved(true);
        page()->addFromListButton()->click();
        QCOMPARE(a().Osoby, std::string("Anna Żak\r\njan kowalski"));
        QVERIFY(w->document().IsSaved());
    }

    void withoutWorkersTheButtonAndItsNoteAreDisabled() {
        showPage();
        QVERIFY(!page()->addFromListButton()->isEnabled());
        QVERIFY(!page()->addFromListNote()->isEnabled());
        QCOMPARE(page()->addFromListNote()->text(),
                 QStringLiteral("Dodaje imiona i nazwiska pracowników, które zostały wpisane na "
                                "stronie \"Pracownicy\"."));
        // Workers entered meanwhile: the next showing enables both.
        addWorker("Ewa", "Lis");
        showPage();
        QVERIFY(page()->addFromListButton()->isEnabled());
        QVERIFY(page()->addFromListNote()->isEnabled());
    }

    void typingChangesTheListAndMarksTheDocument() {
        showPage();
        w->document().SetSaved(true);
        page()->Osoby()->setFocus();
        QTest::keyClicks(page()->Osoby(), QStringLiteral("Adam Nowak"));
        QTest::keyClick(page()->Osoby(), Qt::Key_Return);
        QTest::keyClicks(page()->Osoby(), QStringLiteral("Ewa Lis"));
        QCOMPARE(a().Osoby, std::string("Adam Nowak\r\nEwa Lis"));
        QVERIFY(!w->document().IsSaved());
        // Showing the page fills the list from the assessment, and is no change.
        a().Osoby = "Piotr Kos";
        w->document().SetSaved(true);
        showPage();
        QCOMPARE(page()->Osoby()->toPlainText(), QStringLiteral("Piotr Kos"));
        QVERIFY(w->document().IsSaved());
    }

    void theLastPageDisablesNextAndWaitsForPrinting() {
        QTest::keyClicks(w->wizard()
                             .page(kPageGeneralData)
                             ->findChild<QPlainTextEdit*>(QStringLiteral("EdtZaklad")),
                         QStringLiteral("Zaklad"));
        showPage();
        QVERIFY(!w->wizard().nextButton()->isEnabled());
        QPushButton* print = page()->printButton();
        QCOMPARE(print->text(), QStringLiteral("Drukuj Ocenę"));
        QVERIFY(print->isVisible());
        QVERIFY(print->isEnabled());
        w->wizard().back();
        QCOMPARE(w->wizard().currentIndex(), int(kPagePlan));
        QVERIFY(w->wizard().nextButton()->isEnabled());
    }
};

TARNIK_TEST_MAIN(AcquaintanceTest)
#include "test_acquaintance.moc"
