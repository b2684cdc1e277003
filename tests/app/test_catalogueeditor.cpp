// The catalogue editor "Edytor": reached from "Właściwości" → "Edytor...", shown modally and kept
// with its state; its three states, the refusal of an empty file, the question before a modified
// text is given up, and a file that cannot be written.
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "app/dialogs/catalogueeditor.h"
#include "app/document/document.h"
#include "app/shell/application.h"
#include "core/base/cp1250.h"
#include "tests/app/support/modalanswerer.h"
#include "tests/app/support/testsupport.h"

using namespace tarnik;
using namespace tarnik::testing;

namespace {

QByteArray fileBytes(const QString& name) {
    QFile f(name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

QByteArray cp1250(const char* utf8) {
    return QByteArray::fromStdString(utf8ToCp1250(utf8));
}

} // namespace

class CatalogueEditorTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TemporaryHome> home;
    std::unique_ptr<ScriptedPrompts> prompts;
    std::unique_ptr<MainWindow> w;
    QString dir;

    QString file(const char* name) { return dir + QLatin1Char('/') + QLatin1String(name); }
    // The user's copy, which a save writes.
    QString userFile(const char* name) {
        return home->dataHome() + QStringLiteral("/Tarnik/") + QLatin1String(name);
    }
    // Replaces the text as typing over a selection does.
    void type(TForm8* editor, const QString& text) {
        editor->textEdit()->selectAll();
        editor->textEdit()->insertPlainText(text);
    }

private slots:
    void init() {
        home = std::make_unique<TemporaryHome>();
        prompts = std::make_unique<ScriptedPrompts>();
        dir = home->path() + QStringLiteral("/program");
        writeSmallData(dir);
        writeBytes(file("edytor.txt"), cp1250("Edytor katalogów\r\nWybierz plik.\r\n"));
        MainWindowOptions o;
        o.programDir = dir;
        w = makeWindow(*home, o);
        w->show();
    }
    void cleanup() {
        w->document().SetSaved(true);
        w.reset();
        prompts.reset();
        home.reset();
    }

    void theMenuShowsTheEditorModallyAndItKeepsItsState() {
        QVERIFY(w->editorAction()->isEnabled());
        TForm8* seen = nullptr;
        QTimer::singleShot(0, this, [&] {
            seen = qobject_cast<TForm8*>(QApplication::activeModalWidget());
            if (!seen) return;
            QCOMPARE(seen->windowTitle(), QStringLiteral("Edytor"));
            QCOMPARE(seen->state(), EditorState::Initial);
            QCOMPARE(seen->textEdit()->toPlainText(),
                     QStringLiteral("Edytor katalogów\nWybierz plik."));
            QVERIFY(!seen->textEdit()->isEnabled());
            QVERIFY(!seen->saveButton()->isEnabled());
            QCOMPARE(seen->fileList()->count(), 6);
            QCOMPARE(seen->fileList()->itemText(1), QStringLiteral("pyły"));
            QCOMPARE(seen->fileList()->itemText(5), QStringLiteral("pytania do oceny stanu bhp"));
            seen->chooseItem(1);
            QTest::mouseClick(seen->closeButton(), Qt::LeftButton);
        });
        w->editorAction()->trigger();
        QVERIFY(seen);
        QVERIFY(!seen->isVisible());
        // Shown again: the same window, still on the dust catalogue.
        TForm8* again = nullptr;
        QTimer::singleShot(0, this, [&] {
            again = qobject_cast<TForm8*>(QApplication::activeModalWidget());
            if (again) again->reject();
        });
        w->editorAction()->trigger();
        QCOMPARE(again, seen);
        QCOMPARE(again->state(), EditorState::FileOpen);
        QCOMPARE(again->fileList()->currentIndex(), 1);
        QCOMPARE(again->textEdit()->toPlainText(), QStringLiteral("Pył drewna twardego"));
        QVERIFY(prompts->shown.isEmpty());
    }

    void savingWritesWindows1250AndRefusesAnEmptyText() {
        TForm8* editor = w->catalogueEditor();
        editor->chooseItem(1);
        QVERIFY(editor->textEdit()->isEnabled());
        QVERIFY(editor->saveButton()->isEnabled());
        type(editor, QStringLiteral("pył mąki\npył zbóż"));
        QCOMPARE(editor->state(), EditorState::Modified);
        QTest::mouseClick(editor->saveButton(), Qt::LeftButton);
        QCOMPARE(fileBytes(userFile("pyly.txt")), cp1250("pył mąki\r\npył zbóż\r\n"));
        QCOMPARE(editor->state(), EditorState::FileOpen);

        editor->textEdit()->selectAll();
        QTest::keyClick(editor->textEdit(), Qt::Key_Delete);
        QCOMPARE(editor->state(), EditorState::Modified);
        editor->saveClicked();
        QCOMPARE(prompts->messages().size(), 1);
        QCOMPARE(prompts->messages().first().title, QStringLiteral("Uwaga"));
        QCOMPARE(prompts->messages().first().text,
                 QStringLiteral("Nie można zapisać pustego pliku."));
        QCOMPARE(fileBytes(userFile("pyly.txt")), cp1250("pył mąki\r\npył zbóż\r\n"));
        QCOMPARE(editor->state(), EditorState::Modified);
        // "Zamknij" with Yes refuses it as "Zapisz" does and the window stays open, the text
        // still empty and modified; No then closes it, nothing written.
        prompts->clear();
        bool stayedOpen = false;
        bool closedByNo = false;
        QString textAfter = QStringLiteral("?");
        EditorState stateAfter = EditorState::Initial;
        QTimer::singleShot(0, this, [&] {
            prompts->answers.enqueue(true);
            if (!clickButton(editor, QStringLiteral("Zamknij"))) {
                editor->reject();
                return;
            }
            stayedOpen = editor->isVisible();
            textAfter = editor->textEdit()->toPlainText();
            stateAfter = editor->state();
            prompts->answers.enqueue(false);
            clickButton(editor, QStringLiteral("Zamknij"));
            closedByNo = !editor->isVisible();
            if (editor->isVisible()) editor->reject();
        });
        editor->exec();
        QVERIFY(stayedOpen);
        QVERIFY(closedByNo);
        QCOMPARE(textAfter, QString());
        QCOMPARE(stateAfter, EditorState::Modified);
        QCOMPARE(prompts->shown.size(), 3);
        QCOMPARE(prompts->shown.at(0).text, QStringLiteral("Czy zapisać zmiany?"));
        QCOMPARE(prompts->shown.at(0).title, QStringLiteral("Uwaga"));
        QCOMPARE(prompts->shown.at(1).kind, QStringLiteral("message"));
        QCOMPARE(prompts->shown.at(1).title, QStringLiteral("Uwaga"));
        QCOMPARE(prompts->shown.at(1).text, QStringLiteral("Nie można zapisać pustego pliku."));
        QCOMPARE(prompts->shown.at(2).text, QStringLiteral("Czy zapisać zmiany?"));
        QCOMPARE(fileBytes(userFile("pyly.txt")), cp1250("pył mąki\r\npył zbóż\r\n"));
    }

    void aModifiedTextAsksYesOrNo() {
        TForm8* editor = w->catalogueEditor();
        editor->chooseItem(0);
        type(editor, QStringLiteral("Aceton\nToluen\nKsylen"));
        // No: dropped, the other file shown.
        prompts->answers.enqueue(false);
        editor->chooseItem(3);
        QCOMPARE(prompts->count(QStringLiteral("question")), 1);
        QVERIFY(!QFile::exists(userFile("chemiczne.txt")));
        QCOMPARE(editor->textEdit()->toPlainText(), QStringLiteral("Bakterie"));
        QCOMPARE(editor->fileList()->currentIndex(), 3);
        // Yes: saved, then the other file.
        type(editor, QStringLiteral("Bakterie\nWirusy"));
        prompts->answers.enqueue(true);
        editor->chooseItem(0);
        QCOMPARE(fileBytes(userFile("biologiczne.txt")), cp1250("Bakterie\r\nWirusy\r\n"));
        QCOMPARE(editor->fileList()->currentIndex(), 0);
        // A character the code page lacks: the user is asked before anything is written.
        type(editor, QStringLiteral("Aceton\nα-pinen"));
        prompts->answers.enqueue(false);
        editor->saveClicked();
        QVERIFY(prompts->shown.last().text.contains(QStringLiteral("α")));
        QVERIFY(!QFile::exists(userFile("chemiczne.txt")));
        QCOMPARE(editor->state(), EditorState::Modified);
        prompts->answers.enqueue(true);
        editor->saveClicked();
        QCOMPARE(fileBytes(userFile("chemiczne.txt")), QByteArray("Aceton\r\n?-pinen\r\n"));
    }

    void aFailedWriteIsReportedAndTheWindowStaysOpen() {
        TForm8* editor = w->catalogueEditor();
        editor->chooseItem(4);
        // The place of the user's copy is taken by a folder.
        QVERIFY(QDir().mkpath(userFile("uciazliwe.txt") + QStringLiteral("/zajete")));
        type(editor, QStringLiteral("praca zmianowa"));
        bool closed = false;
        QTimer::singleShot(0, this, [&] {
            prompts->answers.enqueue(true);
            editor->closeClicked();
            closed = !editor->isVisible();
            editor->reject();
        });
        editor->exec();
        QVERIFY(!closed);
        QCOMPARE(prompts->messages().size(), 1);
        QCOMPARE(prompts->messages().first().title, QStringLiteral("Błąd"));
        QVERIFY(prompts->messages().first().text.contains(QStringLiteral("uciazliwe.txt")));
        QCOMPARE(editor->state(), EditorState::Modified);
        QCOMPARE(editor->textEdit()->toPlainText(), QStringLiteral("praca zmianowa"));
        // A file that cannot be read leaves the open one in the editor.
        QVERIFY(QFile::remove(file("pyly.txt")));
        prompts->answers.enqueue(false);
        editor->chooseItem(1);
        QCOMPARE(prompts->messages().size(), 2);
        QCOMPARE(editor->fileList()->currentIndex(), 4);
        QCOMPARE(editor->textEdit()->toPlainText(), QStringLiteral("praca zmianowa"));
    }

    void aMissingHelpTextIsReportedAndLeavesTheTextEmpty() {
        QVERIFY(QFile::remove(file("edytor.txt")));
        TForm8* editor = w->catalogueEditor();
        QCOMPARE(prompts->messages().size(), 1);
        QCOMPARE(prompts->messages().first().title, QStringLiteral("Błąd"));
        QVERIFY(editor->textEdit()->toPlainText().isEmpty());
        QCOMPARE(editor->state(), EditorState::Initial);
        // Made once: asking again reports nothing more.
        QCOMPARE(w->catalogueEditor(), editor);
        QCOMPARE(prompts->messages().size(), 1);
    }
};

TARNIK_TEST_MAIN(CatalogueEditorTest)
#include "test_catalogueeditor.moc"
