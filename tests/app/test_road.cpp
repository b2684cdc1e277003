// The whole road of one assessment, as a user walks it: the establishment, the station, the
// training plan, the workers, a factor ticked and described, the hazard card, the checklist,
// accidents and the supplementary card, the risk level, the plan and the acquaintance list;
// then the report exported to PDF, the assessment saved, opened again and the same report
// produced. The program is driven by the captions on the screen, as a screen reader or an
// automation tool finds its controls.
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTest>

#include "app/document/document.h"
#include "app/print/printcommand.h"
#include "app/shell/application.h"
#include "app/shell/documentcommands.h"
#include "app/widgets/grid/alignedgrid.h"
#include "app/widgets/grid/griddelegate.h"
#include "app/wizard/wizard.h"
#include "core/base/dates.h"
#include "tests/app/support/fixedtoday.h"
#include "tests/app/support/pdftext.h"
#include "tests/app/support/testsupport.h"

using namespace tarnik;
using namespace tarnik::testing;

namespace {

QString nameOf(QObject* o) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(o);
    return iface ? iface->text(QAccessible::Name).trimmed() : QString();
}

// The one visible control of type T under `root` that is named `caption`.
template <class T> T* byName(QWidget* root, const QString& caption) {
    T* found = nullptr;
    for (T* w : root->findChildren<T*>()) {
        if (!w->isVisibleTo(root->window()) || nameOf(w) != caption) continue;
        // A caption names itself too; the control is what it names.
        if (qobject_cast<QLabel*>(w) || qobject_cast<QGroupBox*>(w)) continue;
        // A part of a named control (the text area of an edit) is that control.
        bool part = false;
        for (QWidget* p = w->parentWidget(); p && p != root; p = p->parentWidget())
            if (nameOf(p) == caption) part = true;
        if (part) continue;
        if (found) {
            qWarning("more than one control named \"%s\": %s %s", qPrintable(caption),
                     found->metaObject()->className(), w->metaObject()->className());
            return nullptr;
        }
        found = w;
    }
    if (!found) qWarning("no control named \"%s\"", qPrintable(caption));
    return found;
}

// The group box with the given title (mnemonic sign left out).
QGroupBox* group(QWidget* root, const QString& title) {
    for (QGroupBox* g : root->findChildren<QGroupBox*>())
        if (g->title().remove(QLatin1Char('&')) == title) return g;
    qWarning("no group \"%s\"", qPrintable(title));
    return nullptr;
}

// Types a text key by key; letters beyond ASCII arrive as the keyboard sends them, as text.
void typeText(QWidget* w, const QString& text) {
    for (const QChar c : text) {
        if (c.unicode() < 0x80)
            QTest::keyClick(w, c.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

} // namespace

class RoadTest : public QObject, WindowTestBase {
    Q_OBJECT

    std::unique_ptr<FixedToday> today;

    QWidget* page() { return w->wizard().currentPage(); }
    QString file(const QString& name) { return home->path() + QLatin1Char('/') + name; }

    // Types into a field found by its caption on the current page (or within `root`).
    bool type(const QString& caption, const QString& text, QWidget* root = nullptr) {
        QWidget* field = byName<QWidget>(root ? root : page(), caption);
        if (!field) return false;
        field->setFocus();
        if (auto* spin = qobject_cast<QAbstractSpinBox*>(field)) {
            spin->selectAll();
            typeText(spin, text);
            // Leaving the field is what counts for some of them.
            QTest::keyClick(spin, Qt::Key_Tab);
            return true;
        }
        typeText(field, text);
        return true;
    }
    bool click(const QString& caption, QWidget* root = nullptr) {
        auto* b = byName<QAbstractButton>(root ? root : page(), caption);
        if (!b || !b->isEnabled()) return false;
        QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(6, b->height() / 2));
        return true;
    }
    bool next() {
        const int at = w->wizard().currentIndex();
        QTest::mouseClick(w->wizard().nextButton(), Qt::LeftButton);
        return w->wizard().currentIndex() == at + 1;
    }
    // The row of a list whose text is `text`, made current, then keys pressed on it.
    bool pressOnRow(QAbstractItemView* view, const QString& text, QList<Qt::Key> keys) {
        QAbstractItemModel* m = view->model();
        for (int r = 0; r < m->rowCount(); ++r) {
            const QModelIndex i = m->index(r, 0);
            if (i.data().toString() != text) continue;
            view->setFocus();
            view->setCurrentIndex(i);
            for (Qt::Key k : keys)
                QTest::keyClick(view, k);
            return true;
        }
        return false;
    }
    QString exportPdf(const QString& name) {
        prompts->saveNames.enqueue(file(name));
        w->printCommand().exportPdf();
        const PdfText t = pdfText(file(name));
        if (!t.available) return QStringLiteral("(pdftotext missing)");
        return t.ok ? t.text : QStringLiteral("(unreadable: %1)").arg(t.error);
    }

private slots:
    void initTestCase() {
        today = std::make_unique<FixedToday>(dayNumberFromCivil(2004, 3, 10));
        MainWindowOptions o;
        o.programDir = shippedDataDir();
        openWindow(o);
        QVERIFY(showWindow());
    }
    void cleanupTestCase() { closeWindow(); }

    void theWholeRoad() {
        const Evaluation& e = w->document().evaluation();

        // Dane ogólne: the establishment makes Next possible.
        QVERIFY(!w->wizard().nextButton()->isEnabled());
        QVERIFY(type(QStringLiteral("Nazwa zakładu:"), QStringLiteral("Huta Łabędy S.A.")));
        QVERIFY(type(QStringLiteral("Regon:"), QStringLiteral("123456785")));
        QVERIFY(type(QStringLiteral("Nazwa stanowiska:"), QStringLiteral("Spawacz")));
        auto* date = byName<QDateEdit>(page(), QStringLiteral("Data oceny:"));
        QVERIFY(date);
        date->setDate(QDate(2004, 3, 15));
        QGroupBox* responsible = group(
            page(), QStringLiteral("Osoby odpowiedzialne za stan bezpieczeństwa na stanowisku"));
        QVERIFY(responsible);
        QVERIFY(type(QStringLiteral("Imię:"), QStringLiteral("Jan"), responsible));
        QVERIFY(type(QStringLiteral("Nazwisko:"), QStringLiteral("Kowalski"), responsible));
        QVERIFY(type(QStringLiteral("Stanowisko:"), QStringLiteral("kierownik"), responsible));
        QVERIFY(click(QStringLiteral("Dodaj"), responsible));
        QVERIFY(next());

        // The station.
        QVERIFY(type(QStringLiteral("Wydział:"), QStringLiteral("Spawalnia")));
        QVERIFY(type(QStringLiteral("Rodzaj produkcji:"), QStringLiteral("konstrukcje stalowe")));
        QVERIFY(next());

        // The training plan.
        QVERIFY(click(QStringLiteral("wymagane w okresie 6 miesięcy od dnia rozpoczęcia pracy")));
        QVERIFY(click(QStringLiteral("należy przeprowadzać co 12 miesięcy")));
        QVERIFY(next());

        // Two men and a woman; the counts follow the register.
        struct Person {
            const char* first;
            const char* last;
            bool woman;
        };
        for (const Person& p : {Person{"Jan", "Kowalski", false}, Person{"Anna", "Nowak", true},
                                Person{"Piotr", "Zieliński", false}}) {
            QVERIFY(click(QStringLiteral("Nowy")));
            QVERIFY(type(QStringLiteral("Imię:"), QString::fromUtf8(p.first)));
            QVERIFY(type(QStringLiteral("Nazwisko:"), QString::fromUtf8(p.last)));
            QVERIFY(type(QStringLiteral("Stanowisko:"), QStringLiteral("spawacz")));
            if (p.woman) QVERIFY(click(QStringLiteral("kobieta")));
            QVERIFY(click(QStringLiteral("Dodaj")));
        }
        QCOMPARE(w->document().assessment().workerCounts, (std::array<int, 4>{2, 1, 0, 0}));
        QCOMPARE(w->document().assessment().SE_razem, std::string("3"));
        QVERIFY(next());

        // A chemical factor ticked.
        auto* chemical = byName<QListView>(page(), QStringLiteral("Czynniki chemiczne"));
        QVERIFY(chemical);
        QVERIFY(pressOnRow(chemical, QStringLiteral("aceton"), {Qt::Key_Space}));
        QVERIFY(w->wizard().nextButton()->isEnabled());
        QVERIFY(next());

        // Its measurement card: above NDSP for men, women and juveniles, 0,7 of the limit for
        // pregnant or nursing women.
        auto* toDescribe = page()->findChild<QAbstractItemView*>(QStringLiteral("LB601"));
        QVERIFY(toDescribe);
        QTest::mouseClick(toDescribe->viewport(), Qt::LeftButton, {},
                          toDescribe->visualRect(toDescribe->model()->index(0, 0)).center());
        QVERIFY(type(QStringLiteral("Miejsce pomiaru:"), QStringLiteral("hala 3")));
        QVERIFY(type(QStringLiteral("Krotność NDS:"), QStringLiteral("P")));
        QVERIFY(type(QStringLiteral("w stosunku do kobiet:"), QStringLiteral("P")));
        QVERIFY(type(QStringLiteral("w stosunku do kobiet w ciąży  i okresie karmienia:"),
                     QStringLiteral("0,7")));
        QVERIFY(type(QStringLiteral("w stosunku do młodocianych:"), QStringLiteral("P")));
        QVERIFY(next());

        // The hazard card: one factor in row 1 for men and women; 5000 x 2/3 and 5000 x 1/3.
        QCOMPARE(e.hazardCount(1, kMen), 1);
        QCOMPARE(e.hazardCount(6, kPregnantOrNursing), 1);
        QCOMPARE(e.groupExposureIndex, (std::array<int, 4>{3333, 1666, 0, 0}));
        QCOMPARE(e.totalExposureIndex, 4999);
        QVERIFY(next());

        // The checklist: the first question "TAK", the second "NIE".
        auto* checklist = page()->findChild<QAbstractItemView*>();
        QVERIFY(checklist);
        const QModelIndex first =
            checklist->model()->index(0, checklist->model()->columnCount() - 1);
        const QModelIndex second =
            checklist->model()->index(1, checklist->model()->columnCount() - 1);
        checklist->setFocus();
        checklist->setCurrentIndex(first);
        QTest::keyClick(checklist, Qt::Key_Space);
        checklist->setCurrentIndex(second);
        QTest::keyClick(checklist, Qt::Key_Space);
        QTest::keyClick(checklist, Qt::Key_Space);
        QCOMPARE(w->document().assessment().questions[0].answer, std::string("TAK"));
        QCOMPARE(w->document().assessment().questions[1].answer, std::string("NIE"));
        QVERIFY(next());

        // One accident, one injured, ten days.
        QVERIFY(type(QStringLiteral("liczba wypadków przy pracy:"), QStringLiteral("1")));
        QVERIFY(type(QStringLiteral("liczba poszkodowanych:"), QStringLiteral("1")));
        QVERIFY(type(QStringLiteral("liczba dni niezdolności do pracy spowodowanych wypadkami "
                                    "przy pracy:"),
                     QStringLiteral("10")));
        QVERIFY(e.frequencyIndex > 0);
        QVERIFY(next());

        // The supplementary card.
        QVERIFY(
            type(QStringLiteral("Prawdopodobieństwo zaistnienia wypadku:"), QStringLiteral("40")));
        QVERIFY(
            type(QStringLiteral("Poziom ewentualnych skutków zagrożenia:"), QStringLiteral("5")));
        QVERIFY(e.probabilityIndex > 0);
        QVERIFY(next());

        // The risk level: the safety index from the answers, the level shown on the page.
        QCOMPARE(e.safetyIndex, 500);
        QVERIFY(e.riskLevel > 4999);
        const QString levelLine = QStringLiteral("Poziom ryzyka: %1").arg(e.riskLevel);
        auto* level = page()->findChild<QLabel*>(QStringLiteral("ST1101"));
        QVERIFY(level);
        QCOMPARE(level->text(), levelLine);
        QVERIFY(next());

        // The improvement plan: one task typed into the grid.
        auto* plan = page()->findChild<TAlignedGrid*>(QStringLiteral("Plan"));
        QVERIFY(plan);
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        plan->setCurrentCell(0, 1);
        plan->setFocus(Qt::OtherFocusReason);
        QApplication::processEvents();
        QVERIFY(plan->isEditing());
        for (const QString& cell : {QStringLiteral("Wymiana osłon"), QStringLiteral("Jan Kowalski"),
                                    QStringLiteral("30 czerwca 2004")}) {
            typeText(plan->editor(), cell);
            if (!cell.startsWith(QLatin1Char('3')))
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        }
        QVERIFY(next());
        QCOMPARE(w->document().assessment().Plan.at(0),
                 (PlanRow{"Wymiana osłon", "Jan Kowalski", "30 czerwca 2004"}));

        // The acquaintance list from the register.
        QVERIFY(click(QStringLiteral("Dodaj z listy")));
        QCOMPARE(w->document().assessment().Osoby,
                 std::string("Anna Nowak\r\nJan Kowalski\r\nPiotr Zieliński"));

        // Printed to PDF: the figures of the pages are in the report.
        const QString report = exportPdf(QStringLiteral("ocena.pdf"));
        QVERIFY2(!report.startsWith(QStringLiteral("(pdftotext")),
                 "pdftotext is not installed: the PDF checks need poppler-utils");
        for (const QString& expected :
             {QStringLiteral("Huta"), QStringLiteral("Spawacz"), QStringLiteral("aceton"),
              QStringLiteral("Zieliński"), QStringLiteral("3333"), QStringLiteral("1666"),
              QStringLiteral("4999"), QString::number(e.riskLevel), QStringLiteral("Wymiana osłon"),
              QStringLiteral("15 marca 2004")})
            QVERIFY2(report.contains(expected), qPrintable(expected));

        // Saved, opened again, printed again: the same report.
        prompts->saveNames.enqueue(file(QStringLiteral("ocena.trk")));
        QVERIFY(w->commands().Save());
        QVERIFY(w->document().IsSaved());
        prompts->answers.enqueue(false);
        w->commands().New();
        QVERIFY(w->document().assessment().ListaPrac.empty());
        prompts->answers.enqueue(false);
        prompts->openNames.enqueue(file(QStringLiteral("ocena.trk")));
        w->commands().Open();
        QCOMPARE(w->document().assessment().ListaPrac.size(), std::size_t(3));
        const QString again = exportPdf(QStringLiteral("ponownie.pdf"));
        // The same words and figures in the same order (how pdftotext spaces the numbers of a
        // chart picture may differ by a blank line).
        auto words = [](const QString& text) {
            return text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
        };
        QCOMPARE(words(again), words(report));
        // Nothing went wrong on the way: the only messages say where the PDF went.
        for (const ScriptedPrompts::Shown& m : prompts->messages())
            QVERIFY2(m.text.startsWith(QStringLiteral("Ocenę zapisano w pliku PDF")),
                     qPrintable(m.title + QLatin1Char(' ') + m.text));
        QCOMPARE(prompts->messages().size(), 2);
    }
};

TARNIK_TEST_MAIN(RoadTest)
#include "test_road.moc"
