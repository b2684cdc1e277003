// Texts the file keeps up to a fixed length: the one-line fields stop at it, the multi-line
// boxes count towards it ("123 / 255", red at the limit) and refuse more, a paste or "Dodaj z
// listy" adds what fits and says what did not, and a saved list opens again as it was shown.
// The station memos, kept in full, have no limit.
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "app/document/document.h"
#include "app/pages/cards/factorcardeditor.h"
#include "app/pages/cards/measurementbox.h"
#include "app/pages/cards/measurementcardpage.h"
#include "app/pages/closing/acquaintancepage.h"
#include "app/pages/closing/planpage.h"
#include "app/pages/evaluation/supplementarypage.h"
#include "app/pages/general/generaldatapage.h"
#include "app/pages/general/stationpage.h"
#include "app/shell/application.h"
#include "app/shell/documentcommands.h"
#include "app/widgets/grid/alignedgrid.h"
#include "app/widgets/grid/griddelegate.h"
#include "app/wizard/wizard.h"
#include "tests/app/support/testsupport.h"

using namespace tarnik;
using namespace tarnik::testing;

class LengthLimitsTest : public QObject, WindowTestBase {
    Q_OBJECT

    Assessment& a() { return w->document().assessment(); }
    Wizard& wiz() { return w->wizard(); }

    static QLabel* counterOf(QWidget* box) {
        return box->findChild<QLabel*>(QStringLiteral("Licznik"));
    }
    static bool red(QLabel* counter) {
        return counter->palette().color(QPalette::WindowText) == QColor(255, 0, 0);
    }
    void addWorker(const QString& first, const QString& surname) {
        auto r = std::make_unique<WorkerRecord>();
        r->Ed401 = first.toStdString();
        r->Ed402 = surname.toStdString();
        a().ListaPrac.insert(std::move(r));
    }

private slots:
    void init() {
        openWindow();
        QVERIFY(showWindow(true));
    }
    void cleanup() { closeWindow(); }

    void oneLineFieldsStopAtTheirStoredLength() {
        wiz().showPage(kPageGeneralData);
        QLineEdit* station = wiz().page<GeneralDataPage>()->EdtStanowisko();
        QTest::keyClicks(station, QString(300, QLatin1Char('s')));
        QCOMPARE(station->text(), QString(255, QLatin1Char('s')));
        QCOMPARE(a().EdtStanowisko, std::string(255, 's'));

        wiz().showPage(kPageStation);
        QLineEdit* unit = wiz().page<StationPage>()->Ed201();
        QTest::keyClicks(unit, QString(256, QLatin1Char('r')));
        QCOMPARE(unit->text(), QString(255, QLatin1Char('r')));
    }

    void anEstablishmentFromTheListIsCutWithAMessage() {
        wiz().showPage(kPageGeneralData);
        auto* page = wiz().page<GeneralDataPage>();
        page->setEstablishment(QString(300, QLatin1Char('z')), QStringLiteral("123"));
        QCOMPARE(page->EdtZaklad()->toPlainText(), QString(255, QLatin1Char('z')));
        QCOMPARE(counterOf(page->EdtZaklad())->text(), QStringLiteral("255 / 255"));
        QCOMPARE(a().EdtZaklad, std::string(255, 'z'));
        QCOMPARE(prompts->messages().size(), 1);
        QCOMPARE(prompts->messages().first().text,
                 QStringLiteral("Nie zmieściło się 45 znaków wstawionego tekstu: tekst może mieć "
                                "najwyżej 255 znaków."));
        // A name that fits replaces the whole text without a word.
        page->setEstablishment(QStringLiteral("Zakład"), QString());
        QCOMPARE(page->EdtZaklad()->toPlainText(), QStringLiteral("Zakład"));
        QCOMPARE(prompts->messages().size(), 1);
    }

    void theMultiplesStopAtTen() {
        a().LB501[0].checked = true;
        wiz().showPage(kPageMeasurementCards);
        auto* page = wiz().page<MeasurementCardPage>();
        page->selectFactor(0);
        QLineEdit* multiple = page->card()->measurement()->multiplicityEdit(0);
        QTest::keyClicks(multiple, QStringLiteral("12345678901"));
        QCOMPARE(multiple->text(), QStringLiteral("1234567890"));
    }

    void theJustificationCountsAndStopsAtTheLimit() {
        wiz().showPage(kPageSupplementary);
        QPlainTextEdit* memo = wiz().page<SupplementaryPage>()->justification();
        QLabel* counter = counterOf(memo);
        QVERIFY(counter);
        QCOMPARE(counter->text(), QStringLiteral("0 / 255"));
        QTest::keyClicks(memo, QString(253, QLatin1Char('u')));
        QCOMPARE(counter->text(), QStringLiteral("253 / 255"));
        QVERIFY(!red(counter));
        // A line break counts two, as CR LF in the file: at 254 it no longer fits.
        QTest::keyClicks(memo, QStringLiteral("u"));
        QTest::keyClick(memo, Qt::Key_Return);
        QCOMPARE(memo->toPlainText(), QString(254, QLatin1Char('u')));
        QTest::keyClicks(memo, QStringLiteral("vwx"));
        QCOMPARE(memo->toPlainText(), QString(254, QLatin1Char('u')) + QLatin1Char('v'));
        QCOMPARE(counter->text(), QStringLiteral("255 / 255"));
        QVERIFY(red(counter));
        QCOMPARE(a().Memo1.size(), std::size_t(255));
        QCOMPARE(prompts->count(QStringLiteral("message")), 0);

        // A paste adds what fits and says how much did not.
        memo->setPlainText(QString(250, QLatin1Char('u')));
        memo->moveCursor(QTextCursor::End);
        QGuiApplication::clipboard()->setText(QStringLiteral("abc\ndefgh"));
        memo->paste();
        // 3 + 2 fit; the 4 characters after the break do not.
        QCOMPARE(memo->toPlainText(), QString(250, QLatin1Char('u')) + QStringLiteral("abc\n"));
        QCOMPARE(a().Memo1, std::string(250, 'u') + "abc\r\n");
        QCOMPARE(prompts->messages().size(), 1);
        QCOMPARE(prompts->messages().first().title, QStringLiteral("Uwaga"));
        QCOMPARE(prompts->messages().first().text,
                 QStringLiteral("Nie zmieściło się 5 znaków wklejonego tekstu: tekst może mieć "
                                "najwyżej 255 znaków."));
    }

    void addingWorkersStopsAtTheLimitAndTheSavedListOpensTheSame() {
        // Thirteen lines of 17 characters and one of 8: 13 * 17 + 8 + 13 * 2 = 255. Five more
        // workers do not fit.
        for (char c = 'A'; c <= 'R'; ++c)
            addWorker(QStringLiteral("Łucja"), QStringLiteral("Żółkiewska") + QLatin1Char(c));
        addWorker(QStringLiteral("Anna"), QStringLiteral("Lis"));
        QCOMPARE(a().ListaPrac.size(), std::size_t(19));
        wiz().showPage(kPagePlan);
        wiz().showPage(kPageAcquaintance);
        auto* page = wiz().page<AcquaintancePage>();
        QLabel* counter = counterOf(page->Osoby());
        QVERIFY(counter);
        QVERIFY(!red(counter));
        QTest::mouseClick(page->addFromListButton(), Qt::LeftButton);

        const QString shown = page->Osoby()->toPlainText();
        const QStringList names = shown.split(QLatin1Char('\n'));
        QCOMPARE(names.size(), 14);
        QVERIFY(names.contains(QStringLiteral("Anna Lis")));
        for (const QString& n : names)
            QVERIFY2(n == QStringLiteral("Anna Lis") ||
                         (n.size() == 17 && n.startsWith(QStringLiteral("Łucja Żółkiewska"))),
                     qPrintable(n));
        QCOMPARE(counter->text(), QStringLiteral("255 / 255"));
        QVERIFY(red(counter));
        QCOMPARE(prompts->messages().size(), 1);
        QCOMPARE(prompts->messages().first().title, QStringLiteral("Uwaga"));
        QCOMPARE(prompts->messages().first().text,
                 QStringLiteral("Nie zmieściło się 5 osób z listy: tekst może mieć najwyżej 255 "
                                "znaków."));
        // Typing at the limit adds nothing.
        page->Osoby()->moveCursor(QTextCursor::End);
        QTest::keyClicks(page->Osoby(), QStringLiteral("x"));
        QCOMPARE(page->Osoby()->toPlainText(), shown);

        const QString file = home->path() + QStringLiteral("/lista.trk");
        prompts->saveNames.enqueue(file);
        QVERIFY(w->commands().SaveAs());
        w->commands().New();
        QVERIFY(a().Osoby.empty());
        w->commands().openAtStartup(file);
        wiz().showPage(kPagePlan);
        wiz().showPage(kPageAcquaintance);
        QCOMPARE(page->Osoby()->toPlainText(), shown);
    }

    void aPastedListKeepsWholeNames() {
        wiz().showPage(kPagePlan);
        wiz().showPage(kPageAcquaintance);
        QPlainTextEdit* osoby = wiz().page<AcquaintancePage>()->Osoby();
        osoby->setPlainText(QString(240, QLatin1Char('o')));
        osoby->moveCursor(QTextCursor::End);
        // "\n" and "Jan Kowalski" take 14 and fit; "\nEwa Nowak" would pass 255.
        QGuiApplication::clipboard()->setText(QStringLiteral("\nJan Kowalski\nEwa Nowak\n"));
        osoby->paste();
        QCOMPARE(osoby->toPlainText(),
                 QString(240, QLatin1Char('o')) + QStringLiteral("\nJan Kowalski"));
        QCOMPARE(prompts->messages().size(), 1);
        QCOMPARE(prompts->messages().first().text,
                 QStringLiteral("Nie zmieściła się 1 osoba z listy: tekst może mieć najwyżej 255 "
                                "znaków."));
    }

    void aPlanCellStopsAtTheLimit() {
        wiz().showPage(kPageRiskLevel);
        wiz().showPage(kPagePlan);
        TAlignedGrid* grid = wiz().page<PlanPage>()->Plan();
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        grid->setCurrentCell(0, 1);
        grid->setFocus(Qt::OtherFocusReason);
        QApplication::processEvents();
        QVERIFY(grid->isEditing());
        GridCellEditor* editor = grid->editor();
        editor->insertPlainText(QString(250, QLatin1Char('p')));
        QTest::keyClicks(editor, QStringLiteral("qrstuvw"));
        QCOMPARE(editor->toPlainText(), QString(250, QLatin1Char('p')) + QStringLiteral("qrstu"));
        QCOMPARE(prompts->count(QStringLiteral("message")), 0);

        editor->setPlainText(QString(253, QLatin1Char('p')));
        editor->moveCursor(QTextCursor::End);
        QGuiApplication::clipboard()->setText(QStringLiteral("xyz"));
        editor->paste();
        QCOMPARE(editor->toPlainText(), QString(253, QLatin1Char('p')) + QStringLiteral("xy"));
        QCOMPARE(prompts->messages().size(), 1);
        QCOMPARE(prompts->messages().first().title, QStringLiteral("Uwaga"));
        QCOMPARE(prompts->messages().first().text,
                 QStringLiteral("Nie zmieścił się 1 znak wklejonego tekstu: tekst może mieć "
                                "najwyżej 255 znaków."));
        grid->commitPendingEdit();
        QCOMPARE(a().Plan[0][0], std::string(253, 'p') + "xy");
    }

    void theStationMemosHaveNoLimit() {
        wiz().showPage(kPageStation);
        QPlainTextEdit* memo = wiz().page<StationPage>()->mm(204);
        QVERIFY(!counterOf(memo));
        QTest::keyClicks(memo, QString(300, QLatin1Char('m')));
        QCOMPARE(memo->toPlainText(), QString(300, QLatin1Char('m')));
    }
};

TARNIK_TEST_MAIN(LengthLimitsTest)
#include "test_lengthlimits.moc"
