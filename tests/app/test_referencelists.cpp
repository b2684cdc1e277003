// The reference-list page and its pickers: the tab opened for each button, OK filling the
// fields of the tab selected at the time of OK on their own page, "Anuluj" and OK without an
// entry changing nothing, a double click as OK, editing with "Edytuj" / "Zakończ edycję"
// writing "podpowiedzi.txt" (and a failing write keeping OK and Anuluj disabled), and the
// context menu's "Wstaw wiersz" and "Usuń wiersz".
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include "app/document/document.h"
#include "app/pages/cards/measurementcardpage.h"
#include "app/pages/general/generaldatapage.h"
#include "app/pages/general/personlistbox.h"
#include "app/pages/reflists/referencelistspage.h"
#include "app/platform/pathutil.h"
#include "app/shell/application.h"
#include "app/shell/documentcommands.h"
#include "app/widgets/grid/alignedgrid.h"
#include "app/widgets/grid/griddelegate.h"
#include "app/wizard/pickerservice.h"
#include "app/wizard/wizard.h"
#include "core/base/cp1250.h"
#include "tests/app/support/testsupport.h"

using namespace tarnik;
using namespace tarnik::testing;

class ReferenceListsTest : public QObject, WindowTestBase {
    Q_OBJECT

    Assessment& a() { return w->document().assessment(); }
    Wizard& wiz() { return w->wizard(); }
    ReferenceListsPage* lists() { return wiz().page<ReferenceListsPage>(); }
    GeneralDataPage* general() { return wiz().page<GeneralDataPage>(); }
    ReferenceLists& data() { return w->referenceLists(); }
    // "Zakończ edycję" writes the user's copy of the lists.
    QString listFile() const {
        return home->dataHome() + QStringLiteral("/Tarnik/podpowiedzi.txt");
    }
    QByteArray fileBytes() {
        QFile f(listFile());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    void fillLists() {
        data()[kRefEstablishments].setCell(0, 0, "Huta Łabędy");
        data()[kRefEstablishments].setCell(1, 0, "271234567");
        data()[kRefEstablishments].setCell(0, 1, "Zakład Mechaniczny\r\nOddział 2");
        data()[kRefEstablishments].setCell(1, 1, "");
        data()[kRefResponsible].setCell(0, 0, "Nowak");
        data()[kRefResponsible].setCell(1, 0, "Anna");
        data()[kRefResponsible].setCell(2, 0, "kierownik");
        data()[kRefCommission].setCell(0, 0, "Lis");
        data()[kRefCommission].setCell(1, 0, "Jan");
        data()[kRefCommission].setCell(2, 0, "inspektor bhp");
        data()[kRefMethods].setCell(0, 0, "PN-Z-04008-7");
        data()[kRefMethods].setCell(0, 1, "PN-EN 689");
    }
    void activate() {
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
    }

private slots:
    void init() {
        openWindow();
        QVERIFY(showWindow());
        QApplication::processEvents(); // the first showing loads the lists
        fillLists();
    }
    void cleanup() { closeWindow(); }

    void eachButtonOpensItsList() {
        QTest::keyClicks(general()->EdtZaklad(), QStringLiteral("Z"));
        struct {
            QPushButton* button;
            int list;
        } buttons[] = {{general()->insertEstablishmentButton(), kRefEstablishments},
                       {general()->responsiblePersons()->insertButton(), kRefResponsible},
                       {general()->commission()->insertButton(), kRefCommission}};
        for (const auto& b : buttons) {
            QVERIFY(b.button->isEnabled());
            QTest::mouseClick(b.button, Qt::LeftButton);
            QCOMPARE(wiz().currentIndex(), int(kPageReferenceLists));
            QCOMPARE(lists()->tabs()->currentIndex(), b.list);
            QVERIFY(wiz().nextButton()->isHidden());
            QVERIFY(!w->picker().flag());
            QTest::mouseClick(lists()->cancelButton(), Qt::LeftButton);
            QCOMPARE(wiz().currentIndex(), int(kPageGeneralData));
            QVERIFY(!wiz().nextButton()->isHidden());
        }
        QCOMPARE(general()->EdtZaklad()->toPlainText(), QStringLiteral("Z"));
    }

    void okPutsTheRowIntoTheFieldsOfItsList() {
        QTest::mouseClick(general()->commission()->insertButton(), Qt::LeftButton);
        lists()->grid(kRefCommission)->setCurrentCell(0, 1);
        QTest::mouseClick(lists()->okButton(), Qt::LeftButton);
        QCOMPARE(wiz().currentIndex(), int(kPageGeneralData));
        PersonListBox* box = general()->commission();
        QCOMPARE(box->firstNameEdit()->text(), QStringLiteral("Jan"));
        QCOMPARE(box->surnameEdit()->text(), QStringLiteral("Lis"));
        QCOMPARE(box->positionEdit()->text(), QStringLiteral("inspektor bhp"));
        QVERIFY(box->addButton()->isEnabled());
        QVERIFY(general()->responsiblePersons()->surnameEdit()->text().isEmpty());

        // An establishment of two lines, and an empty REGON that replaces the one typed.
        general()->EdtRegon()->setText(QStringLiteral("999"));
        QTest::mouseClick(general()->insertEstablishmentButton(), Qt::LeftButton);
        lists()->grid(kRefEstablishments)->setCurrentCell(0, 2);
        lists()->okButton()->click();
        QCOMPARE(general()->EdtZaklad()->toPlainText(),
                 QStringLiteral("Zakład Mechaniczny\nOddział 2"));
        QCOMPARE(a().EdtZaklad, std::string("Zakład Mechaniczny\r\nOddział 2"));
        QCOMPARE(a().EdtRegon, std::string(""));
        QVERIFY(wiz().nextButton()->isEnabled());
    }

    void aMethodPickerSwitchedToEstablishmentsFillsTheGeneralData() {
        FactorEntry& factor = a().LB501[0];
        factor.checked = true;
        factor.record->Ed605 = "metoda własna";
        wiz().showPage(kPageStation); // Back is shown from page 1 on
        wiz().showPage(kPageMeasurementCards);
        auto* card = wiz().page<MeasurementCardPage>();
        w->document().SetSaved(true);

        w->picker().open(card, kRefMethods);
        QCOMPARE(wiz().currentIndex(), int(kPageReferenceLists));
        QCOMPARE(lists()->tabs()->currentIndex(), int(kRefMethods));
        QVERIFY(w->picker().flag());
        lists()->tabs()->setCurrentIndex(kRefEstablishments);
        lists()->grid(kRefEstablishments)->setCurrentCell(0, 1);
        QTest::mouseClick(lists()->okButton(), Qt::LeftButton);

        QCOMPARE(wiz().currentIndex(), int(kPageMeasurementCards));
        QVERIFY(!w->picker().flag());
        QVERIFY(!wiz().backButton()->isHidden());
        QVERIFY(!wiz().nextButton()->isHidden());
        QCOMPARE(a().LB501[0].record->Ed605, std::string("metoda własna"));
        QCOMPARE(a().EdtZaklad, std::string("Huta Łabędy"));
        QCOMPARE(a().EdtRegon, std::string("271234567"));
        QCOMPARE(general()->EdtZaklad()->toPlainText(), QStringLiteral("Huta Łabędy"));
        QVERIFY(!w->document().IsSaved());
    }

    void cancelAndAnOkWithoutAnEntryChangeNothing() {
        general()->EdtZaklad()->setPlainText(QStringLiteral("Stary zakład"));
        general()->EdtRegon()->setText(QStringLiteral("123"));
        QTest::mouseClick(general()->insertEstablishmentButton(), Qt::LeftButton);
        lists()->grid(kRefEstablishments)->setCurrentCell(0, 1);
        QTest::mouseClick(lists()->cancelButton(), Qt::LeftButton);
        QCOMPARE(general()->EdtZaklad()->toPlainText(), QStringLiteral("Stary zakład"));

        // An empty list: its one empty row is no entry.
        general()->responsiblePersons()->surnameEdit()->setText(QStringLiteral("Kos"));
        data()[kRefResponsible] = RefList(3);
        QTest::mouseClick(general()->responsiblePersons()->insertButton(), Qt::LeftButton);
        QCOMPARE(lists()->grid(kRefResponsible)->rowCount(), 2);
        lists()->okButton()->click();
        QCOMPARE(wiz().currentIndex(), int(kPageGeneralData));
        QCOMPARE(general()->responsiblePersons()->surnameEdit()->text(), QStringLiteral("Kos"));

        // No row selected.
        QTest::mouseClick(general()->insertEstablishmentButton(), Qt::LeftButton);
        lists()->grid(kRefEstablishments)->clearSelection();
        lists()->okButton()->click();
        QCOMPARE(wiz().currentIndex(), int(kPageGeneralData));
        QCOMPARE(general()->EdtZaklad()->toPlainText(), QStringLiteral("Stary zakład"));
        QCOMPARE(general()->EdtRegon()->text(), QStringLiteral("123"));
    }

    void aDoubleClickOrEnterWhileBrowsingActsAsOk() {
        activate();
        QTest::mouseClick(general()->responsiblePersons()->insertButton(), Qt::LeftButton);
        TAlignedGrid* g = lists()->grid(kRefResponsible);
        const QRect r = g->visualRect(g->model()->index(0, 1));
        QTest::mouseDClick(g->viewport(), Qt::LeftButton, {}, r.center());
        QCOMPARE(wiz().currentIndex(), int(kPageGeneralData));
        QCOMPARE(general()->responsiblePersons()->firstNameEdit()->text(), QStringLiteral("Anna"));

        QTest::mouseClick(general()->insertEstablishmentButton(), Qt::LeftButton);
        QApplication::processEvents();
        QCOMPARE(QApplication::focusWidget(), lists()->grid(kRefEstablishments));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(wiz().currentIndex(), int(kPageGeneralData));
        QCOMPARE(a().EdtZaklad, std::string("Huta Łabędy"));
    }

    void editingDisablesOkAndCancelAndItsEndWritesTheFile() {
        activate();
        QTest::mouseClick(general()->insertEstablishmentButton(), Qt::LeftButton);
        QVERIFY(lists()->okButton()->isEnabled());
        QVERIFY(!lists()->insertRowAction()->isEnabled());
        QTest::mouseClick(lists()->editButton(), Qt::LeftButton);
        QVERIFY(lists()->editing());
        QCOMPARE(lists()->editButton()->text(), QStringLiteral("&Zakończ edycję"));
        QVERIFY(!lists()->okButton()->isEnabled());
        QVERIFY(!lists()->cancelButton()->isEnabled());
        QVERIFY(lists()->insertRowAction()->isEnabled());
        for (int i = 0; i < kRefListCount; ++i)
            QVERIFY(lists()->grid(i)->options() & TAlignedGrid::Editing);
        // OK and Anuluj cannot be had another way either.
        lists()->okButton()->click();
        QCOMPARE(wiz().currentIndex(), int(kPageReferenceLists));

        // A new method, typed into the grid.
        lists()->tabs()->setCurrentIndex(kRefMethods);
        TAlignedGrid* g = lists()->grid(kRefMethods);
        lists()->insertRowAction()->trigger();
        QCOMPARE(g->rowCount(), 4);
        QVERIFY(g->isEditing());
        QCOMPARE(g->editedCell(), std::make_pair(0, 3));
        g->editor()->insertPlainText(QStringLiteral("Metoda dozymetryczna"));
        shot("lists-editing");
        QTest::mouseClick(lists()->editButton(), Qt::LeftButton);
        QVERIFY(!lists()->editing());
        QCOMPARE(lists()->editButton()->text(), QStringLiteral("&Edytuj"));
        QVERIFY(lists()->okButton()->isEnabled());
        QVERIFY(lists()->cancelButton()->isEnabled());
        QVERIFY(g->options() & TAlignedGrid::RowSelect);
        QCOMPARE(data()[kRefMethods].cell(0, 2), std::string("Metoda dozymetryczna"));
        const QByteArray bytes = fileBytes();
        QVERIFY(
            bytes.contains("[METODY]\r\n*Metoda\r\nPN-Z-04008-7\r\n**\r\n*Metoda\r\nPN-EN 689"));
        QVERIFY(bytes.contains("*Metoda\r\nMetoda dozymetryczna\r\n**\r\n"));
        QVERIFY(bytes.contains(QByteArray::fromStdString(utf8ToCp1250("Huta Łabędy"))));
        QVERIFY(prompts->messages().isEmpty());
    }

    void aFailingWriteKeepsOkAndCancelDisabledUntilAWriteSucceeds() {
        QTest::mouseClick(general()->insertEstablishmentButton(), Qt::LeftButton);
        // A folder where the file should go: the file cannot be written.
        QVERIFY(QDir().mkpath(listFile()));
        lists()->editButton()->click();
        lists()->editButton()->click();
        QCOMPARE(prompts->messages().size(), 1);
        QCOMPARE(prompts->messages().first().title, QStringLiteral("Błąd"));
        QVERIFY(!lists()->editing());
        QCOMPARE(lists()->editButton()->text(), QStringLiteral("&Edytuj"));
        QVERIFY(lists()->grid(0)->options() & TAlignedGrid::RowSelect);
        QVERIFY(!lists()->okButton()->isEnabled());
        QVERIFY(!lists()->cancelButton()->isEnabled());
        lists()->grid(0)->setCurrentCell(0, 1);
        emit lists()->grid(0)->rowChosen(1); // a double click does not get past it either
        QCOMPARE(wiz().currentIndex(), int(kPageReferenceLists));

        QVERIFY(QDir(listFile()).removeRecursively());
        lists()->editButton()->click();
        lists()->editButton()->click();
        QCOMPARE(prompts->messages().size(), 1);
        QVERIFY(lists()->okButton()->isEnabled());
        QVERIFY(lists()->cancelButton()->isEnabled());
        QVERIFY(fileBytes().startsWith("[ZAKLADY]\r\n"));
    }

    // "Nowy" while the lists are being edited: the editing period ends as "Zakończ edycję"
    // ends it, with the file written, instead of leaving the edits unwritten.
    void aNewDocumentEndsTheEditingWithTheFileWritten() {
        activate();
        QTest::mouseClick(general()->insertEstablishmentButton(), Qt::LeftButton);
        lists()->editButton()->click();
        TAlignedGrid* g = lists()->grid(kRefEstablishments);
        g->setCurrentCell(1, 1);
        QApplication::processEvents();
        QVERIFY(g->isEditing());
        g->editor()->selectAll();
        g->editor()->insertPlainText(QStringLiteral("000111222"));
        w->document().SetSaved(true);
        w->commands().New();
        QCOMPARE(wiz().currentIndex(), int(kPageGeneralData));
        QVERIFY(!lists()->editing());
        QVERIFY(lists()->okButton()->isEnabled());
        QCOMPARE(data()[kRefEstablishments].cell(1, 0), std::string("000111222"));
        QVERIFY(fileBytes().contains("*Regon\r\n000111222\r\n"));
        QVERIFY(!wiz().nextButton()->isHidden());
    }

    void removeRowTakesTheEntryAway() {
        activate();
        QTest::mouseClick(general()->commission()->insertButton(), Qt::LeftButton);
        lists()->tabs()->setCurrentIndex(kRefMethods);
        lists()->editButton()->click();
        TAlignedGrid* g = lists()->grid(kRefMethods);
        QVERIFY(!lists()->removeRowAction()->text().isEmpty());
        g->setCurrentCell(0, 1);
        lists()->removeRowAction()->trigger();
        QCOMPARE(data()[kRefMethods].rowCount(), std::size_t(1));
        QCOMPARE(data()[kRefMethods].cell(0, 0), std::string("PN-EN 689"));
        QCOMPARE(g->rowCount(), 2);
        QCOMPARE(g->cell(0, 1), std::string("PN-EN 689"));
        // The only entry: emptied, so that the grid keeps a row to type into.
        lists()->removeRowAction()->trigger();
        QCOMPARE(g->rowCount(), 2);
        QCOMPARE(g->cell(0, 1), std::string(""));
        // Emptying a first cell by hand removes an entry too.
        lists()->tabs()->setCurrentIndex(kRefCommission);
        TAlignedGrid* c = lists()->grid(kRefCommission);
        c->setFocus();
        c->setCurrentCell(0, 1);
        QApplication::processEvents();
        QVERIFY(c->isEditing());
        c->editor()->clear();
        lists()->editButton()->click();
        const QByteArray bytes = fileBytes();
        QVERIFY(bytes.contains("[KOMISJA]\r\n[CZYNNIKI]\r\n[WYKONAWCY]\r\n[METODY]\r\n"));
        QVERIFY(bytes.endsWith("[METODY]\r\n"));
    }
};

TARNIK_TEST_MAIN(ReferenceListsTest)
#include "test_referencelists.moc"
