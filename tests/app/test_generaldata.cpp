// The general data page: the two person lists with their buttons, and the fields reaching the
// document and coming back from a file.
#include <QDateEdit>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTreeWidget>

#include "app/document/document.h"
#include "app/pages/general/generaldatapage.h"
#include "app/pages/general/personlistbox.h"
#include "app/pages/general/stationpage.h"
#include "app/shell/application.h"
#include "app/shell/documentcommands.h"
#include "app/wizard/wizard.h"
#include "tests/app/support/testsupport.h"

using namespace tarnik;
using namespace tarnik::testing;

class GeneralDataTest : public QObject, WindowTestBase {
    Q_OBJECT

    GeneralDataPage* page() { return w->wizard().page<GeneralDataPage>(); }
    static void fill(PersonListBox* box, const QString& first, const QString& surname,
                     const QString& position) {
        box->firstNameEdit()->setText(first);
        box->surnameEdit()->setText(surname);
        box->positionEdit()->setText(position);
    }
    static void selectRow(PersonListBox* box, int row) {
        QTreeWidget* list = box->list();
        const QRect r = list->visualItemRect(list->topLevelItem(row));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, r.center());
    }

private slots:
    void init() {
        openWindow();
        w->show();
    }
    void cleanup() { closeWindow(); }

    void personLists_data() {
        QTest::addColumn<int>("which");
        QTest::newRow("ListOdpow") << 0;
        QTest::newRow("ListKomisja") << 1;
    }
    void personLists() {
        QFETCH(int, which);
        PersonListBox* box = which == 0 ? page()->responsiblePersons() : page()->commission();
        std::vector<PersonEntry>& persons = which == 0 ? w->document().assessment().ListOdpow
                                                       : w->document().assessment().ListKomisja;
        QVERIFY(!box->addButton()->isEnabled());
        QVERIFY(!box->removeButton()->isEnabled());
        // A first name alone, or a surname alone, is not enough.
        fill(box, QStringLiteral("Anna"), QString(), QString());
        QVERIFY(!box->addButton()->isEnabled());
        fill(box, QString(), QStringLiteral("Nowak"), QString());
        QVERIFY(!box->addButton()->isEnabled());
        fill(box, QStringLiteral("Anna"), QStringLiteral("Nowak"), QString());
        QVERIFY(box->addButton()->isEnabled());
        QTest::mouseClick(box->addButton(), Qt::LeftButton);
        QCOMPARE(persons.size(), std::size_t(1));
        QCOMPARE(persons[0], (PersonEntry{"Nowak", "Anna", ""}));
        QCOMPARE(box->list()->topLevelItem(0)->text(0), QStringLiteral("Nowak"));
        QCOMPARE(box->list()->topLevelItem(0)->text(1), QStringLiteral("Anna"));
        QVERIFY(box->firstNameEdit()->text().isEmpty());
        QVERIFY(box->surnameEdit()->text().isEmpty());
        QVERIFY(!box->addButton()->isEnabled());
        QCOMPARE(w->windowTitle(), QStringLiteral("Tarnik - bez nazwy *"));

        // The same person twice gives two entries, in the order added; Enter adds too.
        fill(box, QStringLiteral("Anna"), QStringLiteral("Nowak"), QStringLiteral("kierownik"));
        QTest::keyClick(box->positionEdit(), Qt::Key_Return);
        fill(box, QStringLiteral(" Jan"), QStringLiteral("Adamski "), QString());
        QTest::mouseClick(box->addButton(), Qt::LeftButton);
        QCOMPARE(persons.size(), std::size_t(3));
        QCOMPARE(persons[1], (PersonEntry{"Nowak", "Anna", "kierownik"}));
        // Typed texts are kept as typed.
        QCOMPARE(persons[2], (PersonEntry{"Adamski ", " Jan", ""}));

        selectRow(box, 1);
        QVERIFY(box->removeButton()->isEnabled());
        QTest::mouseClick(box->removeButton(), Qt::LeftButton);
        QCOMPARE(persons.size(), std::size_t(2));
        QCOMPARE(persons[1].surname, std::string("Adamski "));
        QVERIFY(!box->removeButton()->isEnabled());
        selectRow(box, 0);
        QTest::mouseClick(box->removeButton(), Qt::LeftButton);
        selectRow(box, 0);
        QTest::mouseClick(box->removeButton(), Qt::LeftButton);
        QVERIFY(persons.empty());
        QCOMPARE(box->list()->topLevelItemCount(), 0);
        QVERIFY(!box->removeButton()->isEnabled());
    }

    void selectingAnEntryCountsAsAChange() {
        PersonListBox* box = page()->commission();
        fill(box, QStringLiteral("Anna"), QStringLiteral("Nowak"), QString());
        box->addButton()->click();
        w->document().SetSaved(true);
        w->document().setUntitledCaption();
        selectRow(box, 0);
        QVERIFY(!w->document().IsSaved());
    }

    void showingThePageResetsTheButtons() {
        PersonListBox* box = page()->responsiblePersons();
        fill(box, QStringLiteral("Anna"), QStringLiteral("Nowak"), QString());
        box->addButton()->click();
        selectRow(box, 0);
        box->firstNameEdit()->setText(QStringLiteral("Ewa"));
        box->surnameEdit()->setText(QStringLiteral("Lis"));
        QTest::keyClicks(page()->EdtZaklad(), QStringLiteral("Z"));
        w->wizard().next();
        w->wizard().back();
        QVERIFY(!box->removeButton()->isEnabled());
        QVERIFY(box->addButton()->isEnabled());
    }

    void fieldsSurviveSavingAndOpening() {
        page()->EdtZaklad()->setPlainText(QStringLiteral("Huta Łabędy\nWydział walcowni"));
        page()->EdtRegon()->setText(QStringLiteral("271234567"));
        page()->EdtNr()->setValue(3);
        page()->EdtStanowisko()->setText(QStringLiteral("Walcownik"));
        page()->EdtKStan()->setText(QStringLiteral("W-12"));
        page()->EdtLStan()->setValue(4);
        page()->DTPOcena()->setDate(QDate(2004, 6, 15));
        page()->EdtJednostka()->setText(QStringLiteral("Dział BHP"));
        fill(page()->responsiblePersons(), QStringLiteral("Jan"), QStringLiteral("Kowalski"),
             QStringLiteral("mistrz"));
        page()->responsiblePersons()->addButton()->click();
        w->wizard().next();
        w->wizard().page<StationPage>()->Ed201()->setText(QStringLiteral("Walcownia"));
        w->wizard().page<StationPage>()->mm(213)->setPlainText(QString(400, QLatin1Char('x')));

        const QString name = home->path() + QStringLiteral("/walcownik.trk");
        prompts->saveNames.enqueue(name);
        QVERIFY(w->commands().Save());
        prompts->openNames.enqueue(name);
        w->commands().New();
        QVERIFY(page()->EdtZaklad()->toPlainText().isEmpty());
        w->commands().Open();

        QCOMPARE(page()->EdtZaklad()->toPlainText(),
                 QStringLiteral("Huta Łabędy\nWydział walcowni"));
        QCOMPARE(w->document().assessment().EdtZaklad,
                 std::string("Huta Łabędy\r\nWydział walcowni"));
        QCOMPARE(page()->EdtRegon()->text(), QStringLiteral("271234567"));
        QCOMPARE(page()->EdtNr()->value(), 3);
        QCOMPARE(page()->EdtLStan()->value(), 4);
        QCOMPARE(page()->DTPOcena()->date(), QDate(2004, 6, 15));
        QCOMPARE(page()->EdtJednostka()->text(), QStringLiteral("Dział BHP"));
        QCOMPARE(page()->responsiblePersons()->list()->topLevelItemCount(), 1);
        QCOMPARE(page()->responsiblePersons()->list()->topLevelItem(0)->text(2),
                 QStringLiteral("mistrz"));
        QVERIFY(w->wizard().nextButton()->isEnabled());
        w->wizard().next();
        QCOMPARE(w->wizard().page<StationPage>()->Ed201()->text(), QStringLiteral("Walcownia"));
        QCOMPARE(w->wizard().page<StationPage>()->mm(213)->toPlainText().size(), 400);
        QVERIFY(w->document().IsSaved());
    }
};

TARNIK_TEST_MAIN(GeneralDataTest)
#include "test_generaldata.moc"
