// How the pages meet: the wizard tells each page why it is shown or left, asks it before Next,
// makes it store its pending edit before saving and the question, walks the pages for printing,
// lets a picker stand in for a page, and replaces the document without storing anything into
// the old one. Probe pages record what reaches them.
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

#include "app/document/document.h"
#include "app/platform/pathutil.h"
#include "app/print/printcommand.h"
#include "app/shell/application.h"
#include "app/shell/documentcommands.h"
#include "app/wizard/pickerservice.h"
#include "app/wizard/wizard.h"
#include "core/base/errors.h"
#include "core/model/trkfile.h"
#include "core/rules/reflists/reflists.h"
#include "tests/app/support/testsupport.h"

using namespace tarnik;
using namespace tarnik::testing;

namespace {

QString reasonName(PageReason r) {
    switch (r) {
    case PageReason::Navigation:
        return QStringLiteral("nav");
    case PageReason::Picker:
        return QStringLiteral("picker");
    case PageReason::PrintWalk:
        return QStringLiteral("walk");
    case PageReason::Reset:
        return QStringLiteral("reset");
    }
    return {};
}

// A page that behaves as the measurement card does: it edits the code of the first chemical
// factor in an edit of its own, keeps the edit until it is left, and stores it on leaving, on
// the pending-edit route and before Next.
class ProbePage : public WizardPage {
    Q_OBJECT
public:
    ProbePage(PageContext& ctx, int index, QStringList& log)
        : WizardPage(ctx, QStringLiteral("Strona %1").arg(index), QString()), index_(index),
          log_(log) {
        edit = new QLineEdit(this);
        button = new QPushButton(QStringLiteral("Sprawdź"), this);
        content()->addWidget(edit);
        content()->addWidget(button);
    }

    bool keepsEdit = false;
    bool refuseForward = false;
    bool failToStore = false;
    bool selectOnShow = false;
    QLineEdit* edit = nullptr;
    QPushButton* button = nullptr;
    // The record being edited: a pointer into the assessment, as the card keeps one.
    FactorRecord* current = nullptr;
    int stores = 0;

    void select() {
        current = model().LB501.empty() ? nullptr : model().LB501.front().record.get();
    }

    bool mayLeaveForward() override {
        log_ << QStringLiteral("%1 ask").arg(index_);
        storePendingEdit();
        return !refuseForward;
    }
    void storePendingEdit() override {
        if (!current) return;
        if (failToStore) throw ConversionError("„x” nie jest liczbą.");
        current->Ed602 = edit->text().toStdString();
        ++stores;
        document().SetSaved(false);
    }
    void documentReset() override { current = nullptr; }
    // Connected the way every page connects a handler that may throw.
    template <class F> void onButton(F f) {
        connect(button, &QPushButton::clicked, this, guard(std::move(f)));
    }
    bool keepsEditDuringPicker() const override { return keepsEdit; }

protected:
    void loadFromModel() override {
        current = nullptr;
        edit->clear();
    }
    void pageShown(PageReason why) override {
        log_ << QStringLiteral("%1 shown %2").arg(index_).arg(reasonName(why));
        if (selectOnShow) select();
    }
    void pageHidden(PageReason why) override {
        log_ << QStringLiteral("%1 hidden %2").arg(index_).arg(reasonName(why));
        if (why != PageReason::Reset) storePendingEdit();
        current = nullptr;
    }

private:
    int index_;
    QStringList& log_;
};

// One factor in the chemical list, as the catalogues give it.
void loadOneFactor(Assessment& a, const QString&, LoadOccasion) {
    a.questions.DodajPytaniebhp("Czy przejścia są wolne?");
    a.LB501.emplace_back("Aceton", true, newFactorRecord("Aceton", 0, 38061));
}

} // namespace

class PageFrameworkTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TemporaryHome> home;
    std::unique_ptr<ScriptedPrompts> prompts;
    std::unique_ptr<QWidget> window;
    std::unique_ptr<Document> document;
    ReferenceLists lists;
    Wizard* wizard = nullptr;
    PickerService* picker = nullptr;
    PrintCommand* print = nullptr;
    std::unique_ptr<PageContext> ctx;
    DocumentCommands* commands = nullptr;
    QList<ProbePage*> pages;
    QStringList log;

    ProbePage* card() { return pages[kPageMeasurementCards]; }

private slots:
    void init() {
        home = std::make_unique<TemporaryHome>();
        prompts = std::make_unique<ScriptedPrompts>();
        window = std::make_unique<QWidget>();
        document = std::make_unique<Document>();
        auto* layout = new QVBoxLayout(window.get());
        wizard = new Wizard(window.get());
        layout->addWidget(wizard);
        picker = new PickerService(*wizard, window.get());
        print = new PrintCommand(*wizard, window.get());
        ctx = std::make_unique<PageContext>(
            PageContext{*document, *wizard, home->path(), lists, *picker, *print});
        pages.clear();
        for (int i = 0; i < kPageCount; ++i) {
            pages << new ProbePage(*ctx, i, log);
            wizard->addPage(pages.last());
        }
        card()->keepsEdit = true;
        commands =
            new DocumentCommands(*document, *wizard, loadOneFactor, home->path(), window.get());
        commands->prepareAtStartup();
        window->show();
        log.clear();
    }
    void cleanup() {
        commands = nullptr;
        window.reset();
        ctx.reset();
        document.reset();
        prompts.reset();
        home.reset();
    }

    void pagesLearnWhyTheyAreShownAndLeft() {
        wizard->showPage(2);
        QCOMPARE(log, (QStringList{"0 hidden nav", "2 shown nav"}));
        log.clear();
        wizard->next();
        QCOMPARE(log, (QStringList{"2 ask", "2 hidden nav", "3 shown nav"}));
        // A page that refuses keeps the user, and is not left.
        pages[3]->refuseForward = true;
        log.clear();
        wizard->next();
        QCOMPARE(log, QStringList{"3 ask"});
        QCOMPARE(wizard->currentIndex(), 3);
        // Back asks nothing.
        log.clear();
        wizard->back();
        QCOMPARE(log, (QStringList{"3 hidden nav", "2 shown nav"}));
    }

    // The picker flag: a page that keeps its edit during a picker ignores the round trip, a
    // page that does not is left and shown again, and reloads.
    void pickerRoundTripKeepsTheEditOfTheCard() {
        wizard->showPage(kPageMeasurementCards);
        card()->select();
        card()->edit->setText(QStringLiteral("K-12"));
        QString filled;
        picker->setTarget(kRefPerformers, [&](const std::vector<std::string>& cells) {
            filled = QString::fromStdString(cells.at(0));
        });
        log.clear();
        picker->open(card(), kRefPerformers);
        QVERIFY(picker->flag());
        QCOMPARE(picker->requestedList(), int(kRefPerformers));
        QCOMPARE(wizard->currentIndex(), int(kPageReferenceLists));
        QCOMPARE(log, QStringList{"13 shown picker"});
        picker->accept(kRefPerformers, {"Laboratorium Łódź"});
        QVERIFY(!picker->flag());
        QCOMPARE(log, (QStringList{"13 shown picker", "13 hidden picker"}));
        QCOMPARE(wizard->currentIndex(), int(kPageMeasurementCards));
        QCOMPARE(card()->edit->text(), QStringLiteral("K-12"));
        QVERIFY(card()->current);
        QCOMPARE(filled, QStringLiteral("Laboratorium Łódź"));
        QCOMPARE(card()->stores, 0);

        // Cancelled the same way; nothing filled.
        filled.clear();
        picker->open(card(), kRefPerformers);
        picker->cancel();
        QVERIFY(filled.isEmpty());
        QCOMPARE(card()->edit->text(), QStringLiteral("K-12"));

        // A normal return reloads the page: the edit was stored on leaving, the card is empty.
        wizard->showPage(kPageHazardCard);
        QCOMPARE(document->assessment().LB501[0].record->Ed602, std::string("K-12"));
        wizard->showPage(kPageMeasurementCards);
        QVERIFY(card()->edit->text().isEmpty());
        QVERIFY(!card()->current);

        // A page without the flag is left and shown again for the picker.
        wizard->showPage(kPageGeneralData);
        log.clear();
        picker->open(pages[0], kRefEstablishments);
        QVERIFY(!picker->flag());
        picker->cancel();
        QCOMPARE(log, (QStringList{"0 hidden picker", "13 shown picker", "13 hidden picker",
                                   "0 shown picker"}));
    }

    // New and Open while a page holds a pointer into the assessment and an edit: the edit is
    // stored before the question, and nothing is stored once the reset has begun (an edit
    // stored after the clear would write into a freed record, which the sanitizer run sees).
    void newAndOpenStoreNothingIntoTheOldAssessment() {
        wizard->showPage(kPageMeasurementCards);
        card()->select();
        card()->edit->setText(QStringLiteral("K-1"));
        document->SetSaved(true);
        prompts->answers.enqueue(false); // "Zapisać zmiany?" No
        log.clear();
        commands->New();
        QCOMPARE(prompts->count(QStringLiteral("question")), 1);
        QCOMPARE(card()->stores, 1);
        QVERIFY(!card()->current);
        QCOMPARE(log.mid(0, 2), (QStringList{"5 hidden reset", "0 shown reset"}));
        QCOMPARE(document->assessment().LB501.size(), std::size_t(1));
        QVERIFY(document->assessment().LB501[0].record->Ed602.empty());
        QCOMPARE(wizard->currentIndex(), 0);

        // Open: the same order.
        const QString file = home->path() + QStringLiteral("/ocena.trk");
        document->assessment().LB501[0].record->Ed602 = "zapisany";
        saveTrkFile(document->assessment(), toPath(file));
        wizard->showPage(kPageMeasurementCards);
        card()->select();
        card()->edit->setText(QStringLiteral("K-2"));
        card()->stores = 0;
        prompts->answers.enqueue(false);
        prompts->openNames.enqueue(file);
        commands->Open();
        QCOMPARE(card()->stores, 1);
        QCOMPARE(document->assessment().LB501[0].record->Ed602, std::string("zapisany"));
        QVERIFY(document->IsSaved());

        // The picker is forgotten when the document is replaced while it is open.
        wizard->showPage(kPageMeasurementCards);
        card()->select();
        picker->open(card(), kRefMethods);
        prompts->answers.enqueue(false);
        commands->New();
        QVERIFY(!picker->isOpen());
        QVERIFY(!picker->flag());
        QVERIFY(!card()->current);
        QVERIFY(wizard->backButton()->isHidden());
        QVERIFY(!wizard->nextButton()->isHidden());
    }

    // Ctrl+S writes the edit the page holds; the question is asked for an edit that only the
    // page held.
    void savingAndTheQuestionTakeThePendingEdit() {
        const QString file = home->path() + QStringLiteral("/karta.trk");
        wizard->showPage(kPageMeasurementCards);
        card()->select();
        card()->edit->setText(QStringLiteral("CAS 67-64-1"));
        prompts->saveNames.enqueue(file);
        QVERIFY(commands->Save());
        auto codeInFile = [&] {
            Assessment back;
            back.questions.clear();
            if (readTrkFile(back, toPath(file)).status != TrkReadResult::Status::Read)
                return std::string("?");
            return back.LB501.at(0).record->Ed602;
        };
        QCOMPARE(codeInFile(), std::string("CAS 67-64-1"));
        QVERIFY(document->IsSaved());

        // Nothing pending: no question.
        card()->current = nullptr;
        commands->askToSave();
        QCOMPARE(prompts->count(QStringLiteral("question")), 0);
        // An edit held by the card alone: the question, and Yes writes it.
        card()->select();
        card()->edit->setText(QStringLiteral("CAS 108-88-3"));
        prompts->answers.enqueue(true);
        commands->askToSave();
        QCOMPARE(prompts->count(QStringLiteral("question")), 1);
        QCOMPARE(prompts->shown.last().text, QStringLiteral("Zapisać zmiany?"));
        QCOMPARE(codeInFile(), std::string("CAS 108-88-3"));

        // An edit that cannot be stored stops the save: the file stays as it was.
        card()->failToStore = true;
        card()->edit->setText(QStringLiteral("x"));
        QVERIFY(!runGuarded([&] { commands->Save(); }));
        QCOMPARE(prompts->messages().last().title, QStringLiteral("Błąd"));
        QCOMPARE(codeInFile(), std::string("CAS 108-88-3"));
    }

    // The print walk from the third page: pages 4 ... last, then the first, each once, then
    // back to the third with Back and Next as they were.
    void printWalkShowsEveryLaterPageThenTheFirst() {
        wizard->showPage(2);
        wizard->setBackVisible(true);
        wizard->setNextVisible(false);
        card()->select();
        card()->edit->setText(QStringLiteral("K-9"));
        log.clear();
        print->preparePages();
        QStringList shown;
        for (const QString& l : log)
            if (l.contains(QStringLiteral(" shown "))) shown << l;
        QStringList expected;
        for (int i = 3; i < kPageCount; ++i)
            expected << QStringLiteral("%1 shown walk").arg(i);
        expected << QStringLiteral("0 shown walk") << QStringLiteral("2 shown walk");
        QCOMPARE(shown, expected);
        QCOMPARE(wizard->currentIndex(), 2);
        QVERIFY(!wizard->backButton()->isHidden());
        QVERIFY(wizard->nextButton()->isHidden());
        // The pending edit was stored first.
        QCOMPARE(document->assessment().LB501[0].record->Ed602, std::string("K-9"));

        // From the first page: every other page once, and the first page stays active.
        wizard->showPage(0);
        log.clear();
        print->preparePages();
        shown.clear();
        for (const QString& l : log)
            if (l.contains(QStringLiteral(" shown "))) shown << l;
        QCOMPARE(shown.size(), kPageCount);
        QCOMPARE(shown.last(), QStringLiteral("0 shown walk"));
        QCOMPARE(wizard->currentIndex(), 0);

        // A pending edit that cannot be stored: nothing is walked.
        wizard->showPage(4);
        card()->select();
        card()->failToStore = true;
        log.clear();
        QVERIFY(!runGuarded([&] { print->preparePages(); }));
        QVERIFY(log.isEmpty());
        QCOMPARE(wizard->currentIndex(), 4);
        // A page that cannot be left ends the walk on it, with the buttons as they were.
        card()->selectOnShow = true;
        wizard->setNextVisible(false);
        QVERIFY(!runGuarded([&] { wizard->walkPages(); }));
        QCOMPARE(wizard->currentIndex(), int(kPageMeasurementCards));
        QVERIFY(wizard->nextButton()->isHidden());
        QVERIFY(!wizard->backButton()->isHidden());
    }

    // A page handler connected through guard() that throws a file error: the error box, and the
    // program goes on.
    void aThrowingHandlerShowsTheError() {
        ProbePage* page = pages[1];
        int calls = 0;
        page->onButton([&] {
            ++calls;
            throw FileError("Nie można zapisać pliku „chemiczne.txt”: brak uprawnień.");
        });
        wizard->showPage(1);
        QTest::mouseClick(page->button, Qt::LeftButton);
        QTest::mouseClick(page->button, Qt::LeftButton);
        QCOMPARE(calls, 2);
        QCOMPARE(prompts->messages().size(), 2);
        QCOMPARE(prompts->messages().first().title, QStringLiteral("Błąd"));
        QVERIFY(prompts->messages().first().text.contains(QStringLiteral("chemiczne.txt")));
        wizard->next();
        QCOMPARE(wizard->currentIndex(), 2);

        // A step that has told the user why it cannot go on stops the command without a box.
        const qsizetype shown = prompts->messages().size();
        QVERIFY(!runGuarded([] { throw ActionCancelled(); }));
        QCOMPARE(prompts->messages().size(), shown);
    }
};

TARNIK_TEST_MAIN(PageFrameworkTest)
#include "test_pageframework.moc"
