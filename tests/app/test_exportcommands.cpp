// "Eksportuj do dokumentu..." and "Eksportuj plan (.xlsx)..." in the window: the names offered,
// the type a name asks for, what is refused, and the files written with what the pages hold.
#include <QFile>
#include <QLineEdit>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>
#include <zip.h>

#include "app/document/document.h"
#include "app/platform/prompts.h"
#include "app/print/printcommand.h"
#include "app/print/printprogress.h"
#include "app/shell/application.h"
#include "app/wizard/wizard.h"
#include "core/base/settings.h"
#include "tests/app/support/testsupport.h"

using namespace tarnik;
using namespace tarnik::testing;

namespace {

// One entry of a ZIP container, read with libzip; empty when the file or the entry is missing.
QByteArray zipEntry(const QString& file, const char* entry) {
    int error = 0;
    zip_t* archive = zip_open(QFile::encodeName(file).constData(), ZIP_RDONLY, &error);
    if (!archive) return {};
    QByteArray bytes;
    zip_stat_t st;
    if (zip_stat(archive, entry, 0, &st) == 0) {
        if (zip_file_t* f = zip_fopen(archive, entry, 0)) {
            bytes.resize(qsizetype(st.size));
            const zip_int64_t n = zip_fread(f, bytes.data(), st.size);
            if (n != zip_int64_t(st.size)) bytes.clear();
            zip_fclose(f);
        }
    }
    zip_close(archive);
    return bytes;
}

QByteArray fileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class ExportCommandsTest : public QObject, WindowTestBase {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir;
    MemorySettingsStore store;

    PrintCommand& print() { return w->printCommand(); }
    QString file(const QString& name) const { return dir->filePath(name); }

private slots:
    void init() {
        dir = std::make_unique<QTemporaryDir>();
        openWindow();
        Assessment& a = w->document().assessment();
        a.EdtZaklad = "Huta Łódź";
        a.EdtStanowisko = "Spawacz / ślusarz";
        a.setWorkerCounts({2, 1, 0, 0});
        a.Plan = {{"Wymiana osłon <spawalniczych>", "Kowalski & Nowak", "marzec 2027"}};
        w->document().setCurrentFileName(file(QStringLiteral("ocena.trk")));
        w->show();
        w->printOptions().setShowProgress(false, store);
    }
    void cleanup() {
        closeWindow();
        dir.reset();
    }

    void theFileMenuOffersBothExports() {
        QStringList texts;
        for (QAction* a : w->menuBar()->actions().first()->menu()->actions())
            texts << a->text();
        const qsizetype pdf = texts.indexOf(QStringLiteral("&Eksportuj do PDF..."));
        QVERIFY(pdf >= 0);
        QCOMPARE(texts.value(pdf + 1), QStringLiteral("Eksportuj do dok&umentu..."));
        QCOMPARE(texts.value(pdf + 2), QStringLiteral("Eksportuj p&lan (.xlsx)..."));
        QCOMPARE(w->exportDocumentAction()->text(), texts.value(pdf + 1));
        QCOMPARE(w->exportPlanAction()->text(), texts.value(pdf + 2));
    }

    void aDocumentTakesTheTypeOfItsName() {
        // A name without a suffix: the type offered (Word at first).
        prompts->saveNames << file(QStringLiteral("raport"));
        print().exportDocument();
        QCOMPARE(prompts->suggestedNames,
                 QStringList{file(QStringLiteral("Spawacz _ ślusarz.docx"))});
        QCOMPARE(prompts->saveSuffixes.last(), QStringLiteral("docx"));
        const QString docx = file(QStringLiteral("raport.docx"));
        const QByteArray body = zipEntry(docx, "word/document.xml");
        QVERIFY2(body.contains("Wymiana osłon &lt;spawalniczych&gt;"), body.left(300).constData());
        QVERIFY(body.contains("Kowalski &amp; Nowak"));
        QCOMPARE(prompts->messages().size(), 1);
        QVERIFY(prompts->messages().first().text.contains(docx));
        QVERIFY(print().progress().entries().contains(
            QStringLiteral("Przeglądanie kolejnych stron\r\n")));

        // ".odt" writes OpenDocument, and the next export offers that type.
        prompts->saveNames << file(QStringLiteral("raport.ODT"));
        print().exportDocument();
        const QString odt = file(QStringLiteral("raport.ODT"));
        QCOMPARE(fileBytes(odt).mid(30, 47),
                 QByteArray("mimetypeapplication/vnd.oasis.opendocument.text"));
        QVERIFY(zipEntry(odt, "content.xml").contains("Kowalski &amp; Nowak"));
        prompts->saveNames << QString();
        print().exportDocument();
        QCOMPARE(prompts->suggestedNames.last(), file(QStringLiteral("Spawacz _ ślusarz.odt")));
        QCOMPARE(prompts->saveSuffixes.last(), QStringLiteral("odt"));
    }

    void aDocumentIsRefusedWhereItCannotGo() {
        // Another suffix: said, nothing written or walked.
        prompts->saveNames << file(QStringLiteral("raport.txt"));
        print().exportDocument();
        QVERIFY(!QFile::exists(file(QStringLiteral("raport.txt"))));
        QCOMPARE(prompts->messages().size(), 1);
        QCOMPARE(prompts->messages().first().title, QStringLiteral("Uwaga"));
        QVERIFY(prompts->messages().first().text.contains(QStringLiteral(".docx")));
        QVERIFY(print().progress().entries().isEmpty());
        // Cancelled: nothing at all.
        print().exportDocument();
        QCOMPARE(prompts->messages().size(), 1);
        // Never the assessment file, even under a document's suffix.
        const QString trk = file(QStringLiteral("ocena.docx"));
        w->document().setCurrentFileName(trk);
        prompts->saveNames << trk;
        print().exportDocument();
        QVERIFY(!QFile::exists(trk));
        QCOMPARE(prompts->messages().last().text,
                 QStringLiteral("Dokument nie może zastąpić pliku oceny."));
        // A folder that does not exist: the error is shown, nothing is left behind.
        prompts->saveNames << file(QStringLiteral("brak/raport.docx"));
        print().exportDocument();
        QCOMPARE(prompts->messages().last().title, QStringLiteral("Błąd"));
        QVERIFY(!QFile::exists(file(QStringLiteral("brak"))));
    }

    void thePlanGoesToAWorkbookWithWhatThePagesHold() {
        prompts->saveNames << file(QStringLiteral("plan"));
        print().exportPlan();
        QCOMPARE(prompts->suggestedNames,
                 QStringList{file(QStringLiteral("Spawacz _ ślusarz - plan.xlsx"))});
        QCOMPARE(prompts->saveSuffixes.last(), QStringLiteral("xlsx"));
        const QString xlsx = file(QStringLiteral("plan.xlsx"));
        const QByteArray sheet = zipEntry(xlsx, "xl/worksheets/sheet1.xml");
        QVERIFY2(sheet.contains("Wymiana osłon &lt;spawalniczych&gt;"),
                 sheet.left(300).constData());
        QCOMPARE(prompts->messages().size(), 1);
        QVERIFY(prompts->messages().first().text.contains(xlsx));

        // The assessment file is refused; a cancelled dialog writes nothing.
        const QString trk = file(QStringLiteral("ocena.xlsx"));
        w->document().setCurrentFileName(trk);
        prompts->saveNames << trk;
        print().exportPlan();
        QVERIFY(!QFile::exists(trk));
        QCOMPARE(prompts->messages().last().text,
                 QStringLiteral("Skoroszyt nie może zastąpić pliku oceny."));
        const int shown = int(prompts->messages().size());
        print().exportPlan();
        QCOMPARE(int(prompts->messages().size()), shown);
    }

    void theSaveDialogsSuffixFollowsTheChosenType() {
        QCOMPARE(filterSuffix(QStringLiteral("Dokument Word (*.docx)")), QStringLiteral("docx"));
        QCOMPARE(filterSuffix(QStringLiteral("Dokument OpenDocument (*.odt)")),
                 QStringLiteral("odt"));
        QCOMPARE(filterSuffix(QStringLiteral("archiwa (*.tar.gz *.tgz)")),
                 QStringLiteral("tar.gz"));
        QCOMPARE(filterSuffix(QStringLiteral("wszystkie pliki (*)")), QString());
        QCOMPARE(filterSuffix(QStringLiteral("kopie (*.b*)")), QString());
        QCOMPARE(filterSuffix(QStringLiteral("bez wzorca")), QString());
    }
};

TARNIK_TEST_MAIN(ExportCommandsTest)
#include "test_exportcommands.moc"
