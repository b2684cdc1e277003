// Document handling: the caption and its " *", the question before a document is given up, Open
// and Save with their dialogs, damaged and foreign files, the start-up open.
#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include "app/document/document.h"
#include "app/pages/general/generaldatapage.h"
#include "app/pages/general/stationpage.h"
#include "app/platform/errorhandler.h"
#include "app/platform/pathutil.h"
#include "app/shell/application.h"
#include "app/shell/documentcommands.h"
#include "app/wizard/wizard.h"
#include "core/model/trkfile.h"
#include "tests/app/support/modalanswerer.h"
#include "tests/app/support/testsupport.h"

using namespace tarnik;
using namespace tarnik::testing;

namespace {

// An assessment file with one establishment name and two workers (a man and a juvenile).
QByteArray sampleFile(const std::string& establishment = "Huta Łabędy") {
    Assessment a(38000);
    a.EdtZaklad = establishment;
    a.questions.DodajPytaniebhp("Czy drogi ewakuacyjne są oznakowane?");
    auto w1 = std::make_unique<WorkerRecord>();
    w1->Ed401 = "Jan";
    w1->Ed402 = "Kowalski";
    a.ListaPrac.insert(std::move(w1));
    auto w2 = std::make_unique<WorkerRecord>();
    w2->Ed401 = "Piotr";
    w2->Ed402 = "Nowak";
    w2->workerCategory = kJuveniles;
    a.ListaPrac.insert(std::move(w2));
    // Counts that disagree with the register, as an older program could have stored them.
    a.setWorkerCounts({5, 0, 0, 0});
    return QByteArray::fromStdString(serializeTrk(a));
}

Assessment readBack(const QString& file) {
    Assessment a(0);
    a.questions.clear();
    const TrkReadResult r = readTrkFile(a, toPath(file));
    if (!r.ok()) qWarning("read back: %s", r.message.c_str());
    return a;
}

} // namespace

class DocumentTest : public QObject, WindowTestBase {
    Q_OBJECT

    QString file(const QString& name) const { return home->path() + QLatin1Char('/') + name; }
    void typeIntoStation(const QString& text) {
        QLineEdit* e = w->wizard().page<GeneralDataPage>()->EdtStanowisko();
        e->setFocus();
        QTest::keyClicks(e, text);
    }

private slots:
    void init() { openWindow(); }
    void cleanup() { closeWindow(); }

    void captionMarksTheFirstChangeOnly() {
        QCOMPARE(w->windowTitle(), QStringLiteral("Tarnik - bez nazwy"));
        QVERIFY(w->document().IsSaved());
        // Filling the document at start-up (questions, catalogues, date) is no change.
        QCOMPARE(w->document().assessment().questions.questionCount(), std::size_t(3));
        typeIntoStation(QStringLiteral("T"));
        QCOMPARE(w->windowTitle(), QStringLiteral("Tarnik - bez nazwy *"));
        QVERIFY(!w->document().IsSaved());
        typeIntoStation(QStringLiteral("o"));
        QCOMPARE(w->windowTitle(), QStringLiteral("Tarnik - bez nazwy *"));
        QCOMPARE(w->document().assessment().EdtStanowisko, std::string("To"));
    }

    void saveUntitledAsksForANameAndAddsTheExtension() {
        typeIntoStation(QStringLiteral("Tokarz"));
        // Cancelled: nothing written, still changed.
        prompts->saveNames.enqueue(QString());
        QVERIFY(!w->commands().Save());
        QCOMPARE(prompts->count(QStringLiteral("save")), 1);
        QCOMPARE(prompts->shown.last().text, kTrkFilter);
        QVERIFY(!w->document().IsSaved());
        QCOMPARE(w->windowTitle(), QStringLiteral("Tarnik - bez nazwy *"));

        prompts->saveNames.enqueue(file(QStringLiteral("tokarz")));
        QVERIFY(w->commands().Save());
        QVERIFY(QFile::exists(file(QStringLiteral("tokarz.trk"))));
        QCOMPARE(w->document().CurrentFileName(), file(QStringLiteral("tokarz.trk")));
        QCOMPARE(w->windowTitle(), QStringLiteral("Tarnik - tokarz.trk"));
        QVERIFY(w->document().IsSaved());
        QCOMPARE(readBack(file(QStringLiteral("tokarz.trk"))).EdtStanowisko, std::string("Tokarz"));

        // A second Save writes to the same file without asking.
        typeIntoStation(QStringLiteral(" CNC"));
        QCOMPARE(w->windowTitle(), QStringLiteral("Tarnik - tokarz.trk *"));
        QVERIFY(w->commands().Save());
        QCOMPARE(prompts->count(QStringLiteral("save")), 2);
        QCOMPARE(readBack(file(QStringLiteral("tokarz.trk"))).EdtStanowisko,
                 std::string("Tokarz CNC"));
        // Each save dialog was told to add the assessment extension.
        QCOMPARE(prompts->saveSuffixes,
                 (QStringList{QStringLiteral("trk"), QStringLiteral("trk")}));
    }

    // The program's own save dialog: "ocena1" typed while "ocena1.trk" exists asks before the
    // file is replaced, as "ocena1.trk" does. No leaves the dialog open and the file whole; Yes
    // writes it.
    void saveDialogAsksBeforeReplacingANameTypedWithoutExtension_data() {
        QTest::addColumn<bool>("replace");
        QTest::newRow("No") << false;
        QTest::newRow("Yes") << true;
    }
    void saveDialogAsksBeforeReplacingANameTypedWithoutExtension() {
        QFETCH(bool, replace);
        const QByteArray original = sampleFile();
        writeBytes(file(QStringLiteral("ocena1.trk")), original);
        typeIntoStation(QStringLiteral("Tokarz"));
        // The platform dialogs instead of the scripted ones.
        setFileDialogs(nullptr);
        bool stayedOpenAfterNo = false;
        ModalAnswerer dialog([&](QWidget* modal, ModalAnswerer& answerer) {
            auto* d = qobject_cast<QFileDialog*>(modal);
            if (!d) return answerer.fail(QStringLiteral("no file dialog"));
            d->setDirectory(home->path());
            auto* name = d->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            if (!name) return answerer.fail(QStringLiteral("no file name field"));
            name->clear();
            QTest::keyClicks(name, QStringLiteral("ocena1"));
            if (!clickButton(d, QStringLiteral("Save")))
                return answerer.fail(QStringLiteral("no button \"Save\""));
            if (replace) return;
            stayedOpenAfterNo = d->isVisible();
            d->reject();
        });
        QString question;
        ModalAnswerer overwrite([&](QWidget* modal, ModalAnswerer& answerer) {
            if (auto* box = qobject_cast<QMessageBox*>(modal)) question = box->text();
            if (!clickButton(modal, replace ? QStringLiteral("Yes") : QStringLiteral("No")))
                answerer.fail(QStringLiteral("no Yes/No question"));
        });
        const bool saved = w->commands().SaveAs();
        setFileDialogs(prompts.get());
        QVERIFY2(dialog.ok(), qPrintable(dialog.message()));
        QVERIFY2(overwrite.ok(), qPrintable(overwrite.message()));
        QVERIFY2(question.contains(QStringLiteral("ocena1.trk")), qPrintable(question));
        QCOMPARE(saved, replace);
        if (replace) {
            QCOMPARE(readBack(file(QStringLiteral("ocena1.trk"))).EdtStanowisko,
                     std::string("Tokarz"));
            QCOMPARE(w->windowTitle(), QStringLiteral("Tarnik - ocena1.trk"));
        } else {
            QVERIFY(stayedOpenAfterNo);
            QFile f(file(QStringLiteral("ocena1.trk")));
            QVERIFY(f.open(QIODevice::ReadOnly));
            QCOMPARE(f.readAll(), original);
            QVERIFY(!QFile::exists(file(QStringLiteral("ocena1"))));
            QCOMPARE(w->windowTitle(), QStringLiteral("Tarnik - bez nazwy *"));
        }
    }

    void failedSaveKeepsTheDocumentState() {
        typeIntoStation(QStringLiteral("Spawacz"));
        // A folder that does not exist cannot take the file.
        prompts->saveNames.enqueue(file(QStringLiteral("brak/folderu/ocena.trk")));
        QVERIFY(!runGuarded([&] { w->commands().Save(); }));
        QCOMPARE(prompts->messages().size(), 1);
        QCOMPARE(prompts->messages().first().title, kTitleError);
        QVERIFY(!prompts->messages().first().text.isEmpty());
        QVERIFY(!w->document().IsSaved());
        QVERIFY(w->document().CurrentFileName().isEmpty());
        QCOMPARE(w->windowTitle(), QStringLiteral("Tarnik - bez nazwy *"));
    }

    void askToSaveOnNew_data() {
        QTest::addColumn<bool>("yes");
        QTest::addColumn<QString>("saveName");
        QTest::addColumn<bool>("written");
        QTest::newRow("No") << false << QString() << false;
        QTest::newRow("Yes, named") << true << QStringLiteral("nowa") << true;
    }
    void askToSaveOnNew() {
        QFETCH(bool, yes);
        QFETCH(QString, saveName);
        QFETCH(bool, written);
        typeIntoStation(QStringLiteral("Slusarz"));
        prompts->answers.enqueue(yes);
        if (!saveName.isEmpty()) prompts->saveNames.enqueue(file(saveName));
        w->commands().New();
        QCOMPARE(prompts->count(QStringLiteral("question")), 1);
        QCOMPARE(prompts->shown.first().title, QStringLiteral("Ocena ryzyka"));
        QCOMPARE(prompts->shown.first().text, QStringLiteral("Zapisać zmiany?"));
        QCOMPARE(prompts->count(QStringLiteral("save")), yes ? 1 : 0);
        QCOMPARE(QFile::exists(file(QStringLiteral("nowa.trk"))), written);
        // New goes on: a fresh, untitled document on page 0.
        QCOMPARE(w->document().assessment().EdtStanowisko, std::string());
        QVERIFY(w->wizard().page<GeneralDataPage>()->EdtStanowisko()->text().isEmpty());
        QCOMPARE(w->windowTitle(), QStringLiteral("Tarnik - bez nazwy"));
        QVERIFY(w->document().IsSaved());
        QCOMPARE(w->wizard().currentIndex(), 0);
        QCOMPARE(w->document().assessment().questions.questionCount(), std::size_t(3));
    }

    // "Anuluj" in "Zapisać zmiany?", and "Tak" followed by a cancelled save dialog, stop New,
    // Open and closing: the document stays as it was, with its file name and its " *".
    void cancelLeavesTheDocumentAsItWas_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<bool>("viaCancelledDialog");
        for (const char* command : {"New", "Open", "close"}) {
            QTest::addRow("Anuluj, %s", command) << QString::fromLatin1(command) << false;
            QTest::addRow("Tak, dialog cancelled, %s", command)
                << QString::fromLatin1(command) << true;
        }
    }
    void cancelLeavesTheDocumentAsItWas() {
        QFETCH(QString, command);
        QFETCH(bool, viaCancelledDialog);
        writeBytes(file(QStringLiteral("huta.trk")), sampleFile());
        writeBytes(file(QStringLiteral("inna.trk")), sampleFile("Inny zakład"));
        QString fileName;
        QString caption = QStringLiteral("Tarnik - bez nazwy *");
        if (!viaCancelledDialog) {
            // A document with a name: "Tak" would write it without a dialog.
            w->commands().openAtStartup(file(QStringLiteral("huta.trk")));
            fileName = file(QStringLiteral("huta.trk"));
            caption = QStringLiteral("Tarnik - huta.trk *");
        }
        typeIntoStation(QStringLiteral("Hutnik"));
        const std::string establishment = w->document().assessment().EdtZaklad;
        if (viaCancelledDialog) {
            prompts->answers.enqueue(true);
            prompts->saveNames.enqueue(QString());
        } else {
            prompts->answers.enqueue(Reply::Cancel);
        }
        prompts->openNames.enqueue(file(QStringLiteral("inna.trk")));
        w->show();
        if (command == QLatin1String("New")) {
            w->commands().New();
        } else if (command == QLatin1String("Open")) {
            w->commands().Open();
        } else {
            QVERIFY(!w->close());
            QVERIFY(w->isVisible());
        }
        QCOMPARE(prompts->questionsWithCancel, 1);
        QCOMPARE(prompts->shown.first().title, QStringLiteral("Ocena ryzyka"));
        QCOMPARE(prompts->shown.first().text, QStringLiteral("Zapisać zmiany?"));
        QCOMPARE(prompts->count(QStringLiteral("save")), viaCancelledDialog ? 1 : 0);
        QCOMPARE(prompts->count(QStringLiteral("open")), 0);
        QVERIFY(prompts->messages().isEmpty());
        QCOMPARE(w->document().assessment().EdtStanowisko, std::string("Hutnik"));
        QCOMPARE(w->document().assessment().EdtZaklad, establishment);
        QCOMPARE(w->wizard().page<GeneralDataPage>()->EdtStanowisko()->text(),
                 QStringLiteral("Hutnik"));
        QCOMPARE(w->document().CurrentFileName(), fileName);
        QVERIFY(!w->document().IsSaved());
        QCOMPARE(w->windowTitle(), caption);
        // Nothing was written.
        QCOMPARE(readBack(file(QStringLiteral("huta.trk"))).EdtStanowisko, std::string());
    }

    // The question itself: the title, the text and the buttons "Tak", "Nie" and "Anuluj".
    void theQuestionOffersTakNieAnuluj() {
        typeIntoStation(QStringLiteral("Hutnik"));
        setMessageBoxes(nullptr);
        QString title, text;
        QStringList buttons;
        ModalAnswerer answer([&](QWidget* modal, ModalAnswerer& answerer) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            if (!box) return answerer.fail(QStringLiteral("no message box"));
            title = box->windowTitle();
            text = box->text();
            for (QAbstractButton* b : box->buttons())
                buttons << b->text();
            if (!clickButton(box, QStringLiteral("Anuluj")))
                answerer.fail(QStringLiteral("no button \"Anuluj\""));
        });
        w->commands().New();
        setMessageBoxes(prompts.get());
        QVERIFY2(answer.ok(), qPrintable(answer.message()));
        QCOMPARE(title, QStringLiteral("Ocena ryzyka"));
        QCOMPARE(text, QStringLiteral("Zapisać zmiany?"));
        buttons.sort();
        QCOMPARE(buttons, (QStringList{QStringLiteral("&Nie"), QStringLiteral("&Tak"),
                                       QStringLiteral("Anuluj")}));
        QCOMPARE(w->document().assessment().EdtStanowisko, std::string("Hutnik"));
        QCOMPARE(w->windowTitle(), QStringLiteral("Tarnik - bez nazwy *"));
    }

    // "Tak" and a save that fails: New and Open stop with the message, the document kept.
    void aFailedSaveAfterTakStopsNewAndOpen() {
        writeBytes(file(QStringLiteral("huta.trk")), sampleFile());
        typeIntoStation(QStringLiteral("Hutnik"));
        // A file in a folder that does not exist cannot be written.
        w->document().setCurrentFileName(file(QStringLiteral("nie/ma/ocena.trk")));
        prompts->answers.enqueue(true);
        prompts->answers.enqueue(true);
        prompts->openNames.enqueue(file(QStringLiteral("huta.trk")));
        QVERIFY(!runGuarded([&] { w->commands().New(); }));
        QVERIFY(!runGuarded([&] { w->commands().Open(); }));
        QCOMPARE(prompts->count(QStringLiteral("question")), 2);
        QCOMPARE(prompts->messages().size(), 2);
        QCOMPARE(prompts->messages().first().title, kTitleError);
        QCOMPARE(prompts->count(QStringLiteral("open")), 0);
        QCOMPARE(w->document().assessment().EdtStanowisko, std::string("Hutnik"));
        QCOMPARE(w->document().CurrentFileName(), file(QStringLiteral("nie/ma/ocena.trk")));
        QVERIFY(!w->document().IsSaved());
    }

    void noQuestionWhenNothingChanged() {
        w->commands().New();
        QCOMPARE(prompts->count(QStringLiteral("question")), 0);
    }

    void askToSaveOnOpenAndClose() {
        writeBytes(file(QStringLiteral("huta.trk")), sampleFile());
        typeIntoStation(QStringLiteral("x"));
        prompts->answers.enqueue(false);
        prompts->openNames.enqueue(file(QStringLiteral("huta.trk")));
        w->commands().Open();
        QCOMPARE(prompts->count(QStringLiteral("question")), 1);
        QCOMPARE(prompts->shown.at(1).kind, QStringLiteral("open"));
        QCOMPARE(prompts->shown.at(1).title, QStringLiteral("Otwórz"));
        QCOMPARE(w->windowTitle(), QStringLiteral("Tarnik - huta.trk"));

        // Closing a changed document asks; Yes saves into its file.
        typeIntoStation(QStringLiteral("Hutnik"));
        prompts->answers.enqueue(true);
        w->show();
        QVERIFY(w->close());
        QCOMPARE(prompts->count(QStringLiteral("question")), 2);
        QCOMPARE(readBack(file(QStringLiteral("huta.trk"))).EdtStanowisko, std::string("Hutnik"));
    }

    void closeStaysOpenWhenTheSaveFails() {
        writeBytes(file(QStringLiteral("huta.trk")), sampleFile());
        w->commands().openAtStartup(file(QStringLiteral("huta.trk")));
        typeIntoStation(QStringLiteral("Hutnik"));
        // A file in a folder that does not exist cannot be written.
        w->document().setCurrentFileName(file(QStringLiteral("nie/ma/huta.trk")));
        prompts->answers.enqueue(true);
        w->show();
        QVERIFY(!w->close());
        QVERIFY(w->isVisible());
        QCOMPARE(prompts->messages().size(), 1);
        QVERIFY(!w->document().IsSaved());
        prompts->answers.enqueue(false);
        QVERIFY(w->close());
    }

    void openOfAMissingNameThenSaveWritesThere() {
        typeIntoStation(QStringLiteral("Malarz"));
        prompts->answers.enqueue(false);
        prompts->openNames.enqueue(file(QStringLiteral("nowy")));
        w->commands().Open();
        QCOMPARE(prompts->messages().size(), 1);
        QCOMPARE(prompts->messages().first().title, QStringLiteral("Ocena ryzyka"));
        QCOMPARE(prompts->messages().first().text,
                 QStringLiteral("Plik o podanej nazwie nie istnieje."));
        // The document stays, and belongs to the new name.
        QCOMPARE(w->document().assessment().EdtStanowisko, std::string("Malarz"));
        QCOMPARE(w->windowTitle(), QStringLiteral("Tarnik - nowy.trk *"));
        QVERIFY(w->commands().Save());
        QCOMPARE(prompts->count(QStringLiteral("save")), 0);
        QCOMPARE(readBack(file(QStringLiteral("nowy.trk"))).EdtStanowisko, std::string("Malarz"));
    }

    void openReadsTheFileAndRecountsWorkers() {
        writeBytes(file(QStringLiteral("huta.trk")), sampleFile());
        prompts->openNames.enqueue(file(QStringLiteral("huta.trk")));
        w->commands().Open();
        const Assessment& a = w->document().assessment();
        QCOMPARE(a.EdtZaklad, std::string("Huta Łabędy"));
        QCOMPARE(a.workerCounts, (std::array<int, 4>{1, 0, 0, 1}));
        QCOMPARE(a.SE_razem, std::string("2"));
        // The questions come from the file only.
        QCOMPARE(a.questions.questionCount(), std::size_t(1));
        QCOMPARE(w->wizard().page<GeneralDataPage>()->EdtZaklad()->toPlainText(),
                 QStringLiteral("Huta Łabędy"));
        QVERIFY(w->document().IsSaved());
        QVERIFY(w->wizard().nextButton()->isEnabled());
    }

    void startupOpenRecountsWorkersAndShowsTheFile() {
        writeBytes(file(QStringLiteral("huta.trk")), sampleFile());
        MainWindowOptions o;
        o.fileToOpen = file(QStringLiteral("huta.trk"));
        w = makeWindow(*home, o);
        w->show();
        QTRY_COMPARE(w->windowTitle(), QStringLiteral("Tarnik - huta.trk"));
        QCOMPARE(w->document().assessment().workerCounts, (std::array<int, 4>{1, 0, 0, 1}));
        QCOMPARE(prompts->count(QStringLiteral("question")), 0);
        QCOMPARE(w->document().CurrentFileName(), file(QStringLiteral("huta.trk")));
    }

    void foreignFileLeavesANewUntitledDocument_data() {
        QTest::addColumn<bool>("atStartup");
        QTest::newRow("Open") << false;
        QTest::newRow("start-up open") << true;
    }
    void foreignFileLeavesANewUntitledDocument() {
        QFETCH(bool, atStartup);
        writeBytes(file(QStringLiteral("obcy.trk")), "To nie jest plik oceny ryzyka.");
        const QByteArray original = "To nie jest plik oceny ryzyka.";
        if (atStartup) {
            w->commands().openAtStartup(file(QStringLiteral("obcy.trk")));
        } else {
            prompts->openNames.enqueue(file(QStringLiteral("obcy.trk")));
            w->commands().Open();
        }
        QCOMPARE(prompts->messages().size(), 1);
        QCOMPARE(prompts->messages().first().text, QStringLiteral("Nieprawidłowy format pliku."));
        // Questions and catalogues are back, the document has no name.
        const Assessment& a = w->document().assessment();
        QCOMPARE(a.questions.questionCount(), std::size_t(3));
        QCOMPARE(a.LB501.size(), std::size_t(2));
        QVERIFY(w->document().CurrentFileName().isEmpty());
        QCOMPARE(w->windowTitle(), QStringLiteral("Tarnik - bez nazwy"));
        // A later Save asks for a name and never overwrites the foreign file.
        typeIntoStation(QStringLiteral("x"));
        prompts->saveNames.enqueue(QString());
        QVERIFY(!w->commands().Save());
        QCOMPARE(prompts->count(QStringLiteral("save")), 1);
        QFile f(file(QStringLiteral("obcy.trk")));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), original);
    }

    void missingFileAtStartupLeavesANewDocument() {
        w->commands().openAtStartup(file(QStringLiteral("nie-ma.trk")));
        QCOMPARE(prompts->messages().size(), 1);
        QCOMPARE(prompts->messages().first().title, kTitleError);
        QCOMPARE(w->document().assessment().questions.questionCount(), std::size_t(3));
        QVERIFY(w->document().CurrentFileName().isEmpty());
        QCOMPARE(w->windowTitle(), QStringLiteral("Tarnik - bez nazwy"));
    }

    void damagedFileKeepsWhatWasReadUntitledAndChanged() {
        QByteArray bytes = sampleFile("Zakład uszkodzony");
        bytes.chop(300); // the end of the file is lost
        writeBytes(file(QStringLiteral("uszkodzony.trk")), bytes);
        prompts->openNames.enqueue(file(QStringLiteral("uszkodzony.trk")));
        w->commands().Open();
        QCOMPARE(prompts->messages().size(), 1);
        QVERIFY(
            prompts->messages().first().text.startsWith(QStringLiteral("Plik jest uszkodzony")));
        QCOMPARE(w->document().assessment().EdtZaklad, std::string("Zakład uszkodzony"));
        QCOMPARE(w->wizard().page<GeneralDataPage>()->EdtZaklad()->toPlainText(),
                 QStringLiteral("Zakład uszkodzony"));
        QVERIFY(w->document().CurrentFileName().isEmpty());
        QVERIFY(!w->document().IsSaved());
        QCOMPARE(w->windowTitle(), QStringLiteral("Tarnik - bez nazwy *"));
        // Closing asks, and a save asks for a new name; a cancelled dialog keeps the window.
        prompts->answers.enqueue(true);
        prompts->saveNames.enqueue(QString());
        w->show();
        QVERIFY(!w->close());
        QCOMPARE(prompts->count(QStringLiteral("save")), 1);
        QFile f(file(QStringLiteral("uszkodzony.trk")));
        QCOMPARE(f.size(), bytes.size());
    }

    void badWorkerCountIsShownAndTheFileKept() {
        Assessment a(38000);
        a.EdtZaklad = "Zakład";
        QByteArray bytes = QByteArray::fromStdString(serializeTrk(a));
        // The first count text (tag 11) becomes "x".
        const QByteArray tag11("\x0b\0\0\0\x01\x30", 6);
        const qsizetype at = bytes.indexOf(tag11);
        QVERIFY(at > 0);
        bytes[at + 5] = 'x';
        writeBytes(file(QStringLiteral("liczby.trk")), bytes);
        prompts->openNames.enqueue(file(QStringLiteral("liczby.trk")));
        w->commands().Open();
        QCOMPARE(prompts->messages().size(), 1);
        QVERIFY(prompts->messages().first().text.contains(QStringLiteral("„x”")));
        QCOMPARE(w->document().assessment().EdtZaklad, std::string("Zakład"));
        QVERIFY(w->document().CurrentFileName().isEmpty());
        QCOMPARE(w->windowTitle(), QStringLiteral("Tarnik - bez nazwy *"));
    }

    void newWithoutQuestionsFileEndsUntitled() {
        writeBytes(file(QStringLiteral("huta.trk")), sampleFile());
        w->commands().openAtStartup(file(QStringLiteral("huta.trk")));
        QFile::remove(home->path() + QStringLiteral("/program/pytania.txt"));
        w->commands().New();
        QCOMPARE(prompts->messages().size(), 1);
        QCOMPARE(prompts->messages().first().title, kTitleError);
        QVERIFY(prompts->messages().first().text.contains(QStringLiteral("pytania.txt")));
        // Cleared, and shown as the new untitled document it is.
        QCOMPARE(w->document().assessment().EdtZaklad, std::string());
        QVERIFY(w->document().CurrentFileName().isEmpty());
        QCOMPARE(w->windowTitle(), QStringLiteral("Tarnik - bez nazwy"));
        QVERIFY(w->wizard().page<GeneralDataPage>()->EdtZaklad()->toPlainText().isEmpty());
    }

    void editsThatMarkAndEditsThatNeedNotFill() {
        // Filling the pages from a document is never a change.
        writeBytes(file(QStringLiteral("huta.trk")), sampleFile());
        w->commands().openAtStartup(file(QStringLiteral("huta.trk")));
        w->wizard().showPage(kPageStation);
        w->wizard().showPage(kPageGeneralData);
        QVERIFY(w->document().IsSaved());
        // Every edit of the user's reaches the model and marks the document.
        w->wizard().page<StationPage>()->mm(208)->setPlainText(QStringLiteral("Hałas\nPył"));
        QCOMPARE(w->document().assessment().mm(208), std::string("Hałas\r\nPył"));
        QVERIFY(!w->document().IsSaved());
    }
};

TARNIK_TEST_MAIN(DocumentTest)
#include "test_document.moc"
