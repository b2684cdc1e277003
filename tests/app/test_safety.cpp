// The safety checklist page: answers moved by clicks, double clicks and the keyboard, each step
// marking the document; questions added under "Nowe pytanie:" with the list left where it was;
// five hundred questions from the questions file, all shown, answered and saved.
#include <QAccessible>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

#include "app/document/document.h"
#include "app/pages/safety/checklistmodel.h"
#include "app/pages/safety/checklistview.h"
#include "app/pages/safety/safetypage.h"
#include "app/shell/application.h"
#include "app/shell/documentcommands.h"
#include "app/wizard/wizard.h"
#include "core/base/cp1250.h"
#include "tests/app/support/testsupport.h"

using namespace tarnik;
using namespace tarnik::testing;

namespace {

// A questions file of n lines.
void writeQuestions(const QString& dir, int n) {
    std::string text;
    for (int i = 1; i <= n; ++i)
        text += "Czy wymóg bezpieczeństwa numer " + std::to_string(i) +
                (i % 7 == 0 ? " dotyczący maszyn, urządzeń, narzędzi, dróg komunikacyjnych, "
                              "oznakowania stref niebezpiecznych, instrukcji stanowiskowych, "
                              "środków ochrony zbiorowej i indywidualnej, szkoleń, badań "
                              "lekarskich oraz dokumentacji stanowiska jest spełniony w całości "
                              "i bez zastrzeżeń?"
                            : " jest spełniony?") +
                "\r\n";
    writeBytes(dir + QStringLiteral("/pytania.txt"), QByteArray::fromStdString(utf8ToCp1250(text)));
}

} // namespace

class SafetyTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TemporaryHome> home;
    std::unique_ptr<ScriptedPrompts> prompts;
    std::unique_ptr<MainWindow> w;
    QTemporaryDir dir;

    Wizard& wiz() { return w->wizard(); }
    SafetyPage* page() { return wiz().page<SafetyPage>(); }
    ChecklistView* view() { return page()->view(); }
    Checklist& questions() { return w->document().assessment().questions; }
    QString answer(int row) { return QString::fromStdString(questions()[std::size_t(row)].answer); }
    QString shownAnswer(int row) {
        return page()->checklistModel()->index(row, 1).data().toString();
    }
    void click(int row) {
        view()->scrollTo(page()->checklistModel()->index(row, 1));
        QTest::mouseClick(view()->viewport(), Qt::LeftButton, {}, view()->answerRect(row).center());
    }
    void start(int questionCount) {
        home = std::make_unique<TemporaryHome>();
        MainWindowOptions o;
        o.programDir = home->path() + QStringLiteral("/program");
        writeSmallData(o.programDir);
        if (questionCount > 0) writeQuestions(o.programDir, questionCount);
        w = makeWindow(*home, o);
        w->show();
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        wiz().showPage(kPageSafety);
        QApplication::processEvents();
    }

private slots:
    void init() { prompts = std::make_unique<ScriptedPrompts>(); }
    void cleanup() {
        if (w) w->document().SetSaved(true);
        w.reset();
        prompts.reset();
        home.reset();
    }

    // Three clicks on an answer box give "TAK", "NIE", then no answer; each one marks the
    // document. A click on the question itself answers nothing.
    void clicksCycleTheAnswer() {
        start(0);
        QCOMPARE(page()->checklistModel()->rowCount(), 3);
        QCOMPARE(page()->checklistModel()->index(0, 0).data().toString(),
                 QStringLiteral("1. Czy przejścia są wolne?"));
        QCOMPARE(page()->checklistModel()->headerData(1, Qt::Horizontal).toString(),
                 QStringLiteral("Odpowiedź:"));
        const QStringList cycle = {QStringLiteral("TAK"), QStringLiteral("NIE"), QString()};
        for (const QString& expected : cycle) {
            w->document().SetSaved(true);
            click(1);
            QCOMPARE(answer(1), expected);
            QCOMPARE(shownAnswer(1), expected);
            QVERIFY(!w->document().IsSaved());
        }
        QCOMPARE(answer(0), QString());
        w->document().SetSaved(true);
        const QRect question = view()->visualRect(page()->checklistModel()->index(2, 0));
        QTest::mouseClick(view()->viewport(), Qt::LeftButton, {}, question.center());
        QCOMPARE(answer(2), QString());
        QVERIFY(w->document().IsSaved());
        // ... but it puts the keyboard on that question's answer box.
        QCOMPARE(view()->currentIndex(), page()->checklistModel()->index(2, 1));
    }

    // A double click is a click and a double click: two steps.
    void aDoubleClickIsTwoSteps() {
        start(0);
        const QPoint at = view()->answerRect(0).center();
        // As the window system delivers one: press, release, double click, release.
        QTest::mousePress(view()->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseRelease(view()->viewport(), Qt::LeftButton, {}, at);
        QCOMPARE(answer(0), QStringLiteral("TAK"));
        QTest::mouseDClick(view()->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseRelease(view()->viewport(), Qt::LeftButton, {}, at);
        QCOMPARE(answer(0), QStringLiteral("NIE"));
        QTest::mouseClick(view()->viewport(), Qt::LeftButton, {}, at);
        QCOMPARE(answer(0), QString());
    }

    // Tab reaches every answer box in turn, Space moves the answer, and Tab from the last one
    // goes on to "Nowe pytanie:"; a screen reader names each box by its question.
    void theKeyboardReachesAndAnswersEveryBox() {
        start(0);
        page()->newQuestionEdit()->setFocus();
        QTest::keyClick(page()->newQuestionEdit(), Qt::Key_Backtab);
        QVERIFY(view()->hasFocus());
        QCOMPARE(view()->currentIndex(), page()->checklistModel()->index(0, 1));
        for (int row = 0; row < 3; ++row) {
            QCOMPARE(view()->currentIndex().row(), row);
            QCOMPARE(view()->currentIndex().column(), 1);
            for (int press = 0; press <= row; ++press)
                QTest::keyClick(view(), Qt::Key_Space);
            QTest::keyClick(view(), Qt::Key_Tab);
        }
        QCOMPARE(answer(0), QStringLiteral("TAK"));
        QCOMPARE(answer(1), QStringLiteral("NIE"));
        QCOMPARE(answer(2), QString());
        QVERIFY(page()->newQuestionEdit()->hasFocus());
        QVERIFY(!w->document().IsSaved());

        // Back with Shift+Tab, and the arrows keep to the answer boxes.
        QTest::keyClick(page()->newQuestionEdit(), Qt::Key_Backtab);
        QVERIFY(view()->hasFocus());
        QCOMPARE(view()->currentIndex(), page()->checklistModel()->index(2, 1));
        QTest::keyClick(view(), Qt::Key_Down);
        QCOMPARE(view()->currentIndex(), page()->checklistModel()->index(2, 1));
        QTest::keyClick(view(), Qt::Key_Up);
        QTest::keyClick(view(), Qt::Key_Left);
        QCOMPARE(view()->currentIndex(), page()->checklistModel()->index(1, 1));
        QTest::keyClick(view(), Qt::Key_Backtab);
        QCOMPARE(view()->currentIndex(), page()->checklistModel()->index(0, 1));

        // The focused answer box is named by its question and tells its answer.
        QAccessibleInterface* list = QAccessible::queryAccessibleInterface(view());
        QVERIFY(list);
        QAccessibleInterface* cell = list->focusChild();
        QVERIFY(cell);
        QCOMPARE(cell->text(QAccessible::Name), QStringLiteral("1. Czy przejścia są wolne?"));
        QCOMPARE(cell->text(QAccessible::Description), QStringLiteral("TAK"));
        QCOMPARE(list->text(QAccessible::Name), QStringLiteral("Odpowiedź:"));
    }

    // T answers "TAK" and N "NIE", each going on to the next question; Delete and Backspace
    // clear the answer where the focus is; Space still cycles. Each change marks the document.
    void lettersAnswerFromTheKeyboard() {
        start(0);
        view()->setFocus();
        view()->setCurrentIndex(page()->checklistModel()->index(0, 1));
        w->document().SetSaved(true);
        QTest::keyClick(view(), Qt::Key_T);
        QCOMPARE(answer(0), QStringLiteral("TAK"));
        QCOMPARE(shownAnswer(0), QStringLiteral("TAK"));
        QCOMPARE(view()->currentIndex(), page()->checklistModel()->index(1, 1));
        QVERIFY(!w->document().IsSaved());
        QTest::keyClick(view(), Qt::Key_N);
        QCOMPARE(answer(1), QStringLiteral("NIE"));
        QCOMPARE(view()->currentIndex(), page()->checklistModel()->index(2, 1));
        // A capital letter answers the same; the last question keeps the focus.
        QTest::keyClick(view(), Qt::Key_N, Qt::ShiftModifier);
        QCOMPARE(answer(2), QStringLiteral("NIE"));
        QCOMPARE(view()->currentIndex(), page()->checklistModel()->index(2, 1));
        QTest::keyClick(view(), Qt::Key_T);
        QCOMPARE(answer(2), QStringLiteral("TAK"));
        QCOMPARE(answer(1), QStringLiteral("NIE"));

        // Delete and Backspace clear, and stay on the question.
        w->document().SetSaved(true);
        QTest::keyClick(view(), Qt::Key_Delete);
        QCOMPARE(answer(2), QString());
        QCOMPARE(shownAnswer(2), QString());
        QCOMPARE(view()->currentIndex(), page()->checklistModel()->index(2, 1));
        QVERIFY(!w->document().IsSaved());
        QTest::keyClick(view(), Qt::Key_Up);
        QTest::keyClick(view(), Qt::Key_Backspace);
        QCOMPARE(answer(1), QString());
        QCOMPARE(view()->currentIndex(), page()->checklistModel()->index(1, 1));
        // Clearing no answer changes nothing.
        w->document().SetSaved(true);
        QTest::keyClick(view(), Qt::Key_Delete);
        QVERIFY(w->document().IsSaved());

        // Space cycles as before; Ctrl+T answers nothing.
        QTest::keyClick(view(), Qt::Key_Space);
        QCOMPARE(answer(1), QStringLiteral("TAK"));
        QTest::keyClick(view(), Qt::Key_Space);
        QCOMPARE(answer(1), QStringLiteral("NIE"));
        QTest::keyClick(view(), Qt::Key_T, Qt::ControlModifier);
        QCOMPARE(answer(1), QStringLiteral("NIE"));
        QCOMPARE(answer(0), QStringLiteral("TAK"));
    }

    // Typing does not jump to the next question whose answer or text begins with the letters.
    void typingDoesNotMoveTheCurrentQuestion() {
        start(0);
        click(2);
        QCOMPARE(answer(2), QStringLiteral("TAK"));
        view()->setFocus();
        view()->setCurrentIndex(page()->checklistModel()->index(0, 1));
        view()->keyboardSearch(QStringLiteral("T"));
        QCOMPARE(view()->currentIndex(), page()->checklistModel()->index(0, 1));
        view()->keyboardSearch(QStringLiteral("1"));
        QCOMPARE(view()->currentIndex(), page()->checklistModel()->index(0, 1));
        QTest::keyClick(view(), Qt::Key_K);
        QCOMPARE(view()->currentIndex(), page()->checklistModel()->index(0, 1));
        QCOMPARE(answer(0), QString());
    }

    // Five hundred questions: all in the list, the new one placed below the last, and the list
    // left where the user had scrolled it.
    void addingAQuestionKeepsTheScrollPosition() {
        start(500);
        QCOMPARE(page()->checklistModel()->rowCount(), 500);
        // A long question has the room its lines need.
        QVERIFY2(view()->rowHeight(6) > view()->rowHeight(5),
                 qPrintable(QStringLiteral("rows %1 and %2 high, the question column %3 wide")
                                .arg(view()->rowHeight(5))
                                .arg(view()->rowHeight(6))
                                .arg(view()->columnWidth(0))));
        QVERIFY(view()->rowHeight(6) >= 3 * view()->fontMetrics().lineSpacing());
        QScrollBar* bar = view()->verticalScrollBar();
        QVERIFY(bar->maximum() > 0);
        bar->setValue(bar->maximum() / 2);
        const int position = bar->value();
        const int topRow = view()->rowAt(0);
        QVERIFY(topRow > 100 && topRow < 400);

        w->document().SetSaved(true);
        page()->newQuestionEdit()->setText(QStringLiteral("  Czy apteczka jest uzupełniona?  "));
        QTest::mouseClick(page()->addButton(), Qt::LeftButton);
        QCOMPARE(page()->checklistModel()->rowCount(), 501);
        QCOMPARE(page()->checklistModel()->index(500, 0).data().toString(),
                 QStringLiteral("501. Czy apteczka jest uzupełniona?"));
        QCOMPARE(QString::fromStdString(questions()[500].text),
                 QStringLiteral("Czy apteczka jest uzupełniona?"));
        QCOMPARE(page()->newQuestionEdit()->text(), QString());
        QApplication::processEvents();
        QCOMPARE(bar->value(), position);
        QCOMPARE(view()->rowAt(0), topRow);
        QVERIFY(!w->document().IsSaved());

        // Blanks only: nothing is added, the edit is emptied, the document stays as it was.
        w->document().SetSaved(true);
        page()->newQuestionEdit()->setText(QStringLiteral("   "));
        QTest::keyClick(page()->newQuestionEdit(), Qt::Key_Return);
        QCOMPARE(page()->checklistModel()->rowCount(), 501);
        QCOMPARE(page()->newQuestionEdit()->text(), QString());
        QVERIFY(w->document().IsSaved());

        // Going on and coming back keeps the list where it was.
        wiz().next();
        wiz().back();
        QApplication::processEvents();
        QCOMPARE(bar->value(), position);
    }

    // A typed question stops at the length the file keeps: 255 characters go in whole, the
    // 256th is refused while typing, so nothing is cut on saving.
    void aTypedQuestionStopsAtItsStoredLength() {
        start(3);
        QLineEdit* edit = page()->newQuestionEdit();
        edit->setFocus();
        const QString words = QStringLiteral("Czy drogi ewakuacyjne sa wolne? ");
        QString typed;
        while (typed.size() < 300)
            typed += words;
        QTest::keyClicks(edit, typed.left(300));
        QCOMPARE(edit->text().size(), 255);
        QCOMPARE(edit->text(), typed.left(255));
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(page()->checklistModel()->rowCount(), 4);
        QCOMPARE(QString::fromStdString(questions()[3].text), typed.left(255).trimmed());
    }

    // Questions past the two hundredth are answered, saved and opened like the others.
    void everyQuestionIsSavedWithItsAnswer() {
        start(500);
        click(449);
        click(449);
        click(0);
        QCOMPARE(answer(449), QStringLiteral("NIE"));
        const QString file = dir.filePath(QStringLiteral("ankieta.trk"));
        prompts->saveNames.enqueue(file);
        QVERIFY(w->commands().SaveAs());
        w->commands().New();
        wiz().showPage(kPageSafety);
        QCOMPARE(page()->checklistModel()->rowCount(), 500);
        QCOMPARE(shownAnswer(449), QString());
        w->commands().openAtStartup(file);
        wiz().showPage(kPageSafety);
        QCOMPARE(page()->checklistModel()->rowCount(), 500);
        QCOMPARE(shownAnswer(449), QStringLiteral("NIE"));
        QCOMPARE(shownAnswer(0), QStringLiteral("TAK"));
        QCOMPARE(page()->checklistModel()->index(449, 0).data().toString(),
                 QStringLiteral("450. Czy wymóg bezpieczeństwa numer 450 jest spełniony?"));
        // The opened document's questions replace the others while the page is shown.
        writeSmallData(w->programDir());
        w->commands().New();
        wiz().showPage(kPageSafety);
        QCOMPARE(page()->checklistModel()->rowCount(), 3);
    }
};

TARNIK_TEST_MAIN(SafetyTest)
#include "test_safety.moc"
