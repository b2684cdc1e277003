// Where the program finds its data: the shipped folder beside the executable, in the installed
// share/tarnik or named by TARNIK_DATA_DIR; the user's own copies of the files they change, read
// first and written instead of the shipped ones, so that an installation the user cannot write to
// keeps working.
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "app/dialogs/catalogueeditor.h"
#include "app/document/document.h"
#include "app/pages/reflists/referencelistspage.h"
#include "app/platform/datafolders.h"
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

QByteArray cp1250(const char* utf8) {
    return QByteArray::fromStdString(utf8ToCp1250(utf8));
}

QStringList names(const FactorList& list) {
    QStringList out;
    for (const FactorEntry& e : list)
        out << QString::fromStdString(e.text);
    return out;
}

// TARNIK_DATA_DIR unset for the life of the object.
class NoDataDirVariable {
public:
    NoDataDirVariable() : old_(qgetenv("TARNIK_DATA_DIR")) { qunsetenv("TARNIK_DATA_DIR"); }
    ~NoDataDirVariable() {
        if (!old_.isEmpty()) qputenv("TARNIK_DATA_DIR", old_);
    }

private:
    QByteArray old_;
};

// Files and folder readable only, as an installation under /usr is for its users.
void makeReadOnly(const QString& dir, bool readOnly) {
    const QFileDevice::Permissions file =
        QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther |
        (readOnly ? QFileDevice::Permissions{} : QFileDevice::Permissions{QFileDevice::WriteOwner});
    for (const QString& name : QDir(dir).entryList(QDir::Files))
        QFile::setPermissions(QDir(dir).filePath(name), file);
    QFile::setPermissions(dir, file | QFileDevice::ExeOwner | QFileDevice::ExeGroup |
                                   QFileDevice::ExeOther);
}

} // namespace

class DataFoldersTest : public QObject, WindowTestBase {
    Q_OBJECT

    QString shipped;

    QString userFile(const char* name) const {
        return home->dataHome() + QStringLiteral("/Tarnik/") + QLatin1String(name);
    }
    QString shippedFile(const char* name) const {
        return shipped + QLatin1Char('/') + QLatin1String(name);
    }
    Assessment& model() { return w->document().assessment(); }
    // Replaces the editor's text as typing over a selection does.
    static void type(TForm8* editor, const QString& text) {
        editor->textEdit()->selectAll();
        editor->textEdit()->insertPlainText(text);
    }

    // A home, and a read-only shipped folder in it with a small questionnaire, five small
    // catalogues, the editor's text and one establishment in the reference lists; no window yet.
    void installReadOnly() {
        closeWindow();
        home = std::make_unique<TemporaryHome>();
        prompts = std::make_unique<ScriptedPrompts>();
        shipped = home->path() + QStringLiteral("/usr/share/tarnik");
        writeSmallData(shipped);
        writeBytes(shippedFile("edytor.txt"), cp1250("Edytor katalogów\r\n"));
        writeBytes(shippedFile("podpowiedzi.txt"),
                   cp1250("[ZAKLADY]\r\n*Nazwa\r\nHuta Łabędy\r\n*Regon\r\n271234567\r\n**\r\n"));
        makeReadOnly(shipped, true);
    }
    void startWindow() {
        MainWindowOptions o;
        o.programDir = shipped;
        w = makeWindow(*home, o);
    }

private slots:
    void cleanup() {
        if (!shipped.isEmpty() && QFileInfo::exists(shipped)) makeReadOnly(shipped, false);
        if (w) w->document().SetSaved(true);
        closeWindow();
        shipped.clear();
    }

    void theShippedFolderIsBesideTheProgramOrInTheInstalledShare() {
        QTemporaryDir root;
        const QString bin = root.path() + QStringLiteral("/bin");
        const QString share = root.path() + QStringLiteral("/share/tarnik");
        QVERIFY(QDir().mkpath(bin));
        {
            NoDataDirVariable unset;
            // Nothing anywhere: the executable's folder, where the missing file is reported.
            QCOMPARE(shippedDataFolder(bin), bin);
            // A share folder without the questions is not the data.
            writeBytes(share + QStringLiteral("/help/index.html"), "<html></html>");
            QCOMPARE(shippedDataFolder(bin), bin);
            // Installed: <prefix>/bin/tarnik and <prefix>/share/tarnik.
            writeBytes(share + QStringLiteral("/pytania.txt"), "Pytanie\r\n");
            QCOMPARE(shippedDataFolder(bin), share);
            QCOMPARE(shippedDataFolder(bin + QStringLiteral("/")), share);
            // Built: the data beside the executable comes first.
            writeBytes(bin + QStringLiteral("/pytania.txt"), "Pytanie\r\n");
            QCOMPARE(shippedDataFolder(bin), bin);
        }
        // The variable names the folder, whatever lies beside the executable.
        const QByteArray old = qgetenv("TARNIK_DATA_DIR");
        qputenv("TARNIK_DATA_DIR", (root.path() + QStringLiteral("/inne")).toLocal8Bit());
        const QString named = shippedDataFolder(bin);
        qputenv("TARNIK_DATA_DIR", old);
        QCOMPARE(named, root.path() + QStringLiteral("/inne"));
    }

    void theUsersCopyIsReadFirstAndStartsFromTheShippedFile() {
        installReadOnly();
        QCOMPARE(userDataFolder(), home->dataHome() + QStringLiteral("/Tarnik"));
        // No copy of the user's: the shipped file.
        QCOMPARE(dataFileToRead(shipped, QStringLiteral("pyly.txt")), shippedFile("pyly.txt"));
        QVERIFY(!QFileInfo::exists(home->dataHome() + QStringLiteral("/Tarnik")));
        // Writing makes the folder and starts from the shipped text.
        QCOMPARE(dataFileToWrite(shipped, QStringLiteral("pyly.txt")), userFile("pyly.txt"));
        QCOMPARE(fileBytes(userFile("pyly.txt")), cp1250("Pył drewna twardego\r\n"));
        QCOMPARE(dataFileToRead(shipped, QStringLiteral("pyly.txt")), userFile("pyly.txt"));
        // A copy the user changed (writable, though the shipped file is not) is kept as it is.
        writeBytes(userFile("pyly.txt"), cp1250("pył mąki\r\n"));
        QCOMPARE(dataFileToWrite(shipped, QStringLiteral("pyly.txt")), userFile("pyly.txt"));
        QCOMPARE(fileBytes(userFile("pyly.txt")), cp1250("pył mąki\r\n"));
        // A file the program does not ship: nothing to start from.
        QCOMPARE(dataFileToWrite(shipped, QStringLiteral("nowy.txt")), userFile("nowy.txt"));
        QVERIFY(!QFileInfo::exists(userFile("nowy.txt")));
        // The other files are still read from the shipped folder.
        QCOMPARE(dataFileToRead(shipped, QStringLiteral("pytania.txt")),
                 shippedFile("pytania.txt"));
    }

    void aCatalogueEditedInAReadOnlyInstallationIsTheUsersCopyFromThenOn() {
        installReadOnly();
        const QByteArray shippedChemicals = fileBytes(shippedFile("chemiczne.txt"));
        const QByteArray shippedQuestions = fileBytes(shippedFile("pytania.txt"));
        startWindow();
        QCOMPARE(names(model().LB501), (QStringList{"Aceton", "Toluen"}));
        QCOMPARE(model().questions.questionCount(), std::size_t(3));

        TForm8* editor = w->catalogueEditor();
        editor->chooseItem(0);
        type(editor, QStringLiteral("Benzen\nKsylen"));
        editor->saveClicked();
        editor->chooseItem(5);
        type(editor, QStringLiteral("Czy jest apteczka?"));
        editor->saveClicked();
        QVERIFY(prompts->messages().isEmpty());
        QCOMPARE(fileBytes(userFile("chemiczne.txt")), cp1250("Benzen\r\nKsylen\r\n"));
        QCOMPARE(fileBytes(userFile("pytania.txt")), cp1250("Czy jest apteczka?\r\n"));
        QCOMPARE(fileBytes(shippedFile("chemiczne.txt")), shippedChemicals);
        QCOMPARE(fileBytes(shippedFile("pytania.txt")), shippedQuestions);
        // The editor shows the user's copy when the file is chosen again.
        editor->chooseItem(1);
        editor->chooseItem(0);
        QCOMPARE(editor->textEdit()->toPlainText(), QStringLiteral("Benzen\nKsylen"));

        // "Nowy" reads the user's copies, and the shipped files of the rest.
        w->commands().New();
        QCOMPARE(names(model().LB501), (QStringList{"Benzen", "Ksylen"}));
        QCOMPARE(model().questions.questionCount(), std::size_t(1));
        QCOMPARE(names(model().LB502), QStringList{"Pył drewna twardego"});
        // So does the next start.
        w->document().SetSaved(true);
        w.reset();
        startWindow();
        QCOMPARE(names(model().LB501), (QStringList{"Benzen", "Ksylen"}));
        QCOMPARE(model().questions.questionCount(), std::size_t(1));
        QCOMPARE(names(model().LB503), (QStringList{"Hałas", "Oświetlenie - natężenie"}));
    }

    void theReferenceListsAreSavedToTheUsersCopyAndReadFromIt() {
        installReadOnly();
        const QByteArray shippedLists = fileBytes(shippedFile("podpowiedzi.txt"));
        startWindow();
        QVERIFY(showWindow());
        QApplication::processEvents(); // the first showing loads the lists
        QCOMPARE(w->referenceLists()[kRefEstablishments].cell(0, 0), std::string("Huta Łabędy"));

        w->referenceLists()[kRefEstablishments].setCell(0, 1, "Zakład Mechaniczny");
        auto* page = w->wizard().page<ReferenceListsPage>();
        page->editButton()->click();
        page->editButton()->click();
        QVERIFY(prompts->messages().isEmpty());
        QVERIFY(
            fileBytes(userFile("podpowiedzi.txt")).contains(cp1250("\r\nZakład Mechaniczny\r\n")));
        QCOMPARE(fileBytes(shippedFile("podpowiedzi.txt")), shippedLists);
    }

    void withoutAUsersCopyTheShippedListsAreRead() {
        installReadOnly();
        startWindow();
        QVERIFY(showWindow());
        QApplication::processEvents();
        QCOMPARE(w->referenceLists()[kRefEstablishments].rowCount(), std::size_t(1));
        QCOMPARE(w->referenceLists()[kRefEstablishments].cell(1, 0), std::string("271234567"));
        // A copy of the user's replaces them at the next start.
        makeReadOnly(shipped, false);
        writeBytes(userFile("podpowiedzi.txt"),
                   cp1250("[ZAKLADY]\r\n*Nazwa\r\nZakład Mechaniczny\r\n**\r\n"));
        makeReadOnly(shipped, true);
        w->document().SetSaved(true);
        w.reset();
        startWindow();
        QVERIFY(showWindow());
        QApplication::processEvents();
        QCOMPARE(w->referenceLists()[kRefEstablishments].cell(0, 0),
                 std::string("Zakład Mechaniczny"));
    }
};

TARNIK_TEST_MAIN(DataFoldersTest)
#include "test_datafolders.moc"
