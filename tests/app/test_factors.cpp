// Page 4, the factor selection: ticks in every list counted and Next following the count, only
// the chosen group's list shown, the filter narrowing the list without touching the ticks, and
// factors added for this assessment or permanently, with a catalogue that cannot be written.
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "app/document/document.h"
#include "app/pages/factors/factorlistmodel.h"
#include "app/pages/factors/factorspage.h"
#include "app/shell/application.h"
#include "app/shell/documentcommands.h"
#include "app/wizard/wizard.h"
#include "core/base/cp1250.h"
#include "tests/app/support/testsupport.h"

using namespace tarnik;
using namespace tarnik::testing;

namespace {

QByteArray fileBytes(const QString& name) {
    QFile f(name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

QStringList shownNames(const QListView* view) {
    QStringList names;
    for (int r = 0; r < view->model()->rowCount(); ++r)
        names << view->model()->index(r, 0).data().toString();
    return names;
}

} // namespace

class FactorsPageTest : public QObject, WindowTestBase {
    Q_OBJECT

    FactorsPage* page = nullptr;

    Assessment& model() { return w->document().assessment(); }
    QString dataFile(const char* name) {
        return w->programDir() + QLatin1Char('/') + QLatin1String(name);
    }
    // The user's copy, which a factor added "na stałe" goes into.
    QString userFile(const char* name) {
        return home->dataHome() + QStringLiteral("/Tarnik/") + QLatin1String(name);
    }
    // Ticks or unticks a row of the visible list, as a click on its box does.
    void tick(int row, bool on) {
        QListView* view = page->groupList(page->chosenGroup());
        QVERIFY(view->model()->setData(view->model()->index(row, 0),
                                       on ? Qt::Checked : Qt::Unchecked, Qt::CheckStateRole));
    }
    // Types into the edit (keyClicks takes Latin-1 only).
    void typeNewFactor(const QString& name) {
        page->newFactorEdit()->clear();
        page->newFactorEdit()->insert(name);
    }
    static void click(QAbstractButton* b) {
        QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(6, b->height() / 2));
    }

private slots:
    void init() {
        openWindow();
        w->show();
        page = w->wizard().page<FactorsPage>();
        QVERIFY(page);
        w->wizard().showPage(kPageFactors);
        w->document().SetSaved(true);
    }
    void cleanup() { closeWindow(); }

    void onlyTheChosenGroupsListIsShown() {
        QCOMPARE(page->chosenGroup(), 0);
        QVERIFY(page->groupButton(0)->isChecked());
        QCOMPARE(page->listHeading()->text(), QStringLiteral("Czynniki chemiczne"));
        QCOMPARE(page->addButton()->text().remove(QLatin1Char('&')),
                 QStringLiteral("Dodaj do czynników CHEMICZNYCH"));
        QVERIFY(page->permanentCheck()->isChecked());
        QCOMPARE(shownNames(page->groupList(0)), (QStringList{"Aceton", "Toluen"}));

        const QStringList headings = {"Czynniki chemiczne", "Pyły", "Czynniki fizyczne",
                                      "Czynniki biologiczne", "Czynniki uciążliwe "};
        const QStringList captions = {
            "Dodaj do czynników CHEMICZNYCH", "Dodaj do PYŁÓW", "Dodaj do czynników FIZYCZNYCH",
            "Dodaj do czynników BIOLOGICZNYCH", "Dodaj do czynników UCIĄŻLIWYCH"};
        for (int g = 4; g >= 0; --g) {
            click(page->groupButton(g));
            QCOMPARE(page->chosenGroup(), g);
            QCOMPARE(page->listHeading()->text(), headings[g]);
            QCOMPARE(page->addButton()->text().remove(QLatin1Char('&')), captions[g]);
            for (int other = 0; other < kCatalogueCount; ++other)
                QCOMPARE(page->groupList(other)->isVisible(), other == g);
        }
        QCOMPARE(shownNames(page->groupList(2)), (QStringList{"Hałas", "Oświetlenie - natężenie"}));
        // Choosing a group changes nothing in the document.
        QVERIFY(w->document().IsSaved());
    }

    void ticksInHiddenListsCountAndNextFollowsTheCount() {
        // Showing the page leaves the counter empty and Next as it was.
        QVERIFY(page->counterLabel()->text().isEmpty());
        const bool nextBefore = w->wizard().nextButton()->isEnabled();
        w->wizard().showPage(kPageWorkers);
        w->wizard().nextButton()->setEnabled(!nextBefore);
        w->wizard().showPage(kPageFactors);
        QCOMPARE(w->wizard().nextButton()->isEnabled(), !nextBefore);

        // The first tick, with the keyboard.
        QListView* chemical = page->groupList(0);
        chemical->setCurrentIndex(chemical->model()->index(1, 0));
        QTest::keyClick(chemical, Qt::Key_Space);
        QVERIFY(model().LB501[1].checked);
        QCOMPARE(page->counterLabel()->text(), QStringLiteral("Liczba zaznaczonych czynników: 1"));
        QVERIFY(w->wizard().nextButton()->isEnabled());
        QVERIFY(!w->document().IsSaved());

        // Two physical ones; shown with the dust list visible.
        page->chooseGroup(2);
        tick(0, true);
        tick(1, true);
        page->chooseGroup(1);
        QCOMPARE(page->counterLabel()->text(), QStringLiteral("Liczba zaznaczonych czynników: 3"));
        QVERIFY(page->groupList(1)->isVisible());
        QVERIFY(!page->groupList(2)->isVisible());
        tick(0, true);
        QCOMPARE(page->counterLabel()->text(), QStringLiteral("Liczba zaznaczonych czynników: 4"));
        // Unticking all of them: 0 and Next disabled.
        tick(0, false);
        page->chooseGroup(2);
        tick(0, false);
        tick(1, false);
        QVERIFY(w->wizard().nextButton()->isEnabled());
        page->chooseGroup(0);
        tick(1, false);
        QCOMPARE(page->counterLabel()->text(), QStringLiteral("Liczba zaznaczonych czynników: 0"));
        QVERIFY(!w->wizard().nextButton()->isEnabled());
        // A tick that changes nothing does not count as a change.
        tick(1, false);
        QCOMPARE(page->counterLabel()->text(), QStringLiteral("Liczba zaznaczonych czynników: 0"));
    }

    void theFilterHidesAndShowsWithoutTouchingTheTicks() {
        tick(1, true); // Toluen
        QListView* view = page->groupList(0);
        QTest::keyClicks(page->filterEdit(), QStringLiteral("TOLU"));
        QCOMPARE(shownNames(view), QStringList{"Toluen"});
        QCOMPARE(view->model()->index(0, 0).data(Qt::CheckStateRole).toInt(), int(Qt::Checked));
        // A hidden tick still counts, and ticking through the filter ticks the right entry.
        page->filterEdit()->setText(QStringLiteral("acet"));
        QCOMPARE(shownNames(view), QStringList{"Aceton"});
        tick(0, true);
        QVERIFY(model().LB501[0].checked);
        QCOMPARE(page->counterLabel()->text(), QStringLiteral("Liczba zaznaczonych czynników: 2"));
        page->filterEdit()->setText(QStringLiteral("brak takiego"));
        QCOMPARE(view->model()->rowCount(), 0);
        QCOMPARE(page->counterLabel()->text(), QStringLiteral("Liczba zaznaczonych czynników: 2"));
        // Clearing shows all again, in catalogue order, with their ticks.
        page->filterEdit()->clear();
        QCOMPARE(shownNames(view), (QStringList{"Aceton", "Toluen"}));
        QVERIFY(model().LB501[0].checked && model().LB501[1].checked);
        QCOMPARE(model().LB501[0].text, std::string("Aceton"));

        // Diacritics folded both ways; the filter resets when the group changes.
        page->chooseGroup(2);
        QTest::keyClicks(page->filterEdit(), QStringLiteral("halas"));
        QCOMPARE(shownNames(page->groupList(2)), QStringList{"Hałas"});
        page->filterEdit()->setText(QStringLiteral("ŚWIETL"));
        QCOMPARE(shownNames(page->groupList(2)), QStringList{"Oświetlenie - natężenie"});
        page->chooseGroup(0);
        QVERIFY(page->filterEdit()->text().isEmpty());
        page->chooseGroup(2);
        QCOMPARE(page->groupList(2)->model()->rowCount(), 2);
    }

    void addingTwiceGivesTwoEntriesAndNoFileWithoutTheOption() {
        const QByteArray before = fileBytes(dataFile("fizyczne.txt"));
        page->chooseGroup(2);
        page->permanentCheck()->setChecked(false);
        for (int i = 0; i < 2; ++i) {
            typeNewFactor(QStringLiteral("Hałas impulsowy"));
            QTest::mouseClick(page->addButton(), Qt::LeftButton);
            QVERIFY(page->newFactorEdit()->text().isEmpty());
        }
        QCOMPARE(model().LB503.size(), std::size_t(4));
        QCOMPARE(shownNames(page->groupList(2)),
                 (QStringList{"Hałas", "Oświetlenie - natężenie", "Hałas impulsowy",
                              "Hałas impulsowy"}));
        QVERIFY(!model().LB503[2].checked && !model().LB503[3].checked);
        QVERIFY(model().LB503[2].record.get() != model().LB503[3].record.get());
        QCOMPARE(model().LB503[3].record->factorGroup, int(kPhysical));
        QCOMPARE(fileBytes(dataFile("fizyczne.txt")), before);
        QVERIFY(!QFile::exists(userFile("fizyczne.txt")));
        QVERIFY(!w->document().IsSaved());
        // The counter and Next are left alone: the new entries are not ticked.
        QVERIFY(page->counterLabel()->text().isEmpty());

        // An empty name adds nothing.
        w->document().SetSaved(true);
        QTest::mouseClick(page->addButton(), Qt::LeftButton);
        QCOMPARE(model().LB503.size(), std::size_t(4));
        QVERIFY(w->document().IsSaved());
    }

    void addingPermanentlyWritesTheCatalogue() {
        typeNewFactor(QStringLiteral("prąd elektryczny"));
        QTest::keyClick(page->newFactorEdit(), Qt::Key_Return);
        QCOMPARE(model().LB501.size(), std::size_t(3));
        // The special name, whatever list it is added to.
        QCOMPARE(model().LB501[2].record->factorGroup, int(kElectricCurrent));
        QCOMPARE(
            fileBytes(userFile("chemiczne.txt")),
            QByteArray::fromStdString(utf8ToCp1250("Aceton\r\nToluen\r\nprąd elektryczny\r\n")));
        QCOMPARE(fileBytes(dataFile("chemiczne.txt")), QByteArray("Aceton\r\nToluen\r\n"));
        QVERIFY(!w->document().IsSaved());
    }

    void aCatalogueThatCannotBeWrittenKeepsTheEntryAndTheText() {
        // The place of the user's copy of the dust catalogue is taken by a folder.
        QVERIFY(QDir().mkpath(userFile("pyly.txt") + QStringLiteral("/zajete")));
        page->chooseGroup(1);
        typeNewFactor(QStringLiteral("Pył szklany"));
        QTest::mouseClick(page->addButton(), Qt::LeftButton);
        QCOMPARE(prompts->messages().size(), 1);
        QCOMPARE(prompts->messages().first().title, QStringLiteral("Błąd"));
        QVERIFY(prompts->messages().first().text.contains(QStringLiteral("pyly.txt")));
        QCOMPARE(model().LB502.size(), std::size_t(2));
        QCOMPARE(shownNames(page->groupList(1)),
                 (QStringList{"Pył drewna twardego", "Pył szklany"}));
        QCOMPARE(page->newFactorEdit()->text(), QStringLiteral("Pył szklany"));
        QVERIFY(w->document().IsSaved());
    }

    // Coming back to the page finds the list where it was left, with the ticks made meanwhile.
    void theListKeepsItsPlaceBetweenShowings() {
        QListView* view = page->groupList(0);
        view->setCurrentIndex(view->model()->index(1, 0));
        w->wizard().showPage(kPageMeasurementCards);
        model().LB501[0].checked = true;
        w->wizard().showPage(kPageFactors);
        QCOMPARE(view->currentIndex().row(), 1);
        QCOMPARE(view->model()->index(0, 0).data(Qt::CheckStateRole).toInt(), int(Qt::Checked));
    }

    // A new or opened document starts with the first group, no filter and no count.
    void aNewDocumentStartsAfresh() {
        page->chooseGroup(3);
        tick(0, true);
        QTest::keyClicks(page->filterEdit(), QStringLiteral("bak"));
        w->document().SetSaved(true);
        w->commands().New();
        QCOMPARE(page->chosenGroup(), 0);
        QVERIFY(page->filterEdit()->text().isEmpty());
        QVERIFY(page->counterLabel()->text().isEmpty());
        w->wizard().showPage(kPageFactors);
        QVERIFY(page->groupList(0)->isVisible());
        QCOMPARE(page->groupList(3)->model()->rowCount(), 1);
        QCOMPARE(page->groupList(3)->model()->index(0, 0).data(Qt::CheckStateRole).toInt(),
                 int(Qt::Unchecked));
    }
};

TARNIK_TEST_MAIN(FactorsPageTest)
#include "test_factors.moc"
