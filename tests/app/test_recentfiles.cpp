// Files on disk that change under the program and the files it opened last: saving over a file
// that someone else changed asks first, and "Plik → Ostatnio otwierane" keeps the last eight.
#include <algorithm>

#include <QAction>
#include <QFile>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QtTest>

#include "app/document/document.h"
#include "app/platform/pathutil.h"
#include "app/shell/application.h"
#include "app/shell/documentcommands.h"
#include "app/shell/mainwindow.h"
#include "app/shell/recentfiles.h"
#include "core/base/settings.h"
#include "core/model/trkfile.h"
#include "tests/app/support/assessmentfiles.h"
#include "tests/app/support/testsupport.h"

using namespace tarnik;
using namespace tarnik::testing;

namespace {

QByteArray bytesOf(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

Assessment sample(const std::string& station) {
    Assessment a(38000);
    a.EdtStanowisko = station;
    return a;
}

// The entries of the "Ostatnio otwierane" menu as the user sees them.
QMenu* recentMenu(MainWindow& w) {
    for (QAction* top : w.menuBar()->actions()) {
        if (!top->menu()) continue;
        for (QAction* a : top->menu()->actions())
            if (a->menu() && a->text().startsWith(QStringLiteral("Ostatnio"))) return a->menu();
    }
    return nullptr;
}

// The darkest grey level drawn in a menu entry: its text's colour.
int darkestIn(const QImage& picture, const QRect& area) {
    int darkest = 255;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            darkest = std::min(darkest, qGray(picture.pixel(x, y)));
    return darkest;
}

QList<QAction*> recentEntries(MainWindow& w) {
    if (QMenu* menu = recentMenu(w)) {
        emit menu->aboutToShow();
        return menu->actions();
    }
    return {};
}

} // namespace

class RecentFilesTest : public QObject, WindowTestBase {
    Q_OBJECT

    MemorySettingsStore store;

    QString file(const QString& name) const { return home->path() + QLatin1Char('/') + name; }
    void open(const QString& path) {
        prompts->openNames.enqueue(path);
        w->commands().Open();
    }

private slots:
    void init() {
        store = MemorySettingsStore();
        MainWindowOptions o;
        o.settings = &store;
        openWindow(o);
    }
    void cleanup() { closeWindow(); }

    void savingOverAFileChangedOnDiskAsksFirst() {
        const QString path = file(QStringLiteral("spawacz.trk"));
        saveAssessmentFile(sample("Spawacz"), path);
        open(path);
        prompts->shown.clear(); // the open dialog
        w->document().assessment().EdtZaklad = "Moja zmiana";
        w->document().markChanged();

        // Unchanged on disk, touched only: no question.
        QFile touched(path);
        QVERIFY(touched.open(QIODevice::ReadWrite));
        touched.setFileTime(QDateTime::currentDateTime().addSecs(60),
                            QFileDevice::FileModificationTime);
        touched.close();
        QVERIFY(w->commands().Save());
        QVERIFY2(prompts->shown.isEmpty(), qPrintable(prompts->shown.value(0).text));

        // Someone else writes the file: "Nie" keeps their file and our changes.
        saveAssessmentFile(sample("Cudza zmiana"), path);
        const QByteArray theirs = bytesOf(path);
        w->document().markChanged();
        prompts->answers.enqueue(false);
        QVERIFY(!w->commands().Save());
        QCOMPARE(prompts->shown.size(), 1);
        QCOMPARE(prompts->shown[0].text, kChangedOnDiskText);
        QCOMPARE(bytesOf(path), theirs);
        QVERIFY(!w->document().IsSaved());
        // Asked again on the next save; "Tak" replaces it, and the next save asks no more.
        prompts->answers.enqueue(true);
        QVERIFY(w->commands().Save());
        QCOMPARE(prompts->shown.size(), 2);
        QVERIFY(bytesOf(path) != theirs);
        QVERIFY(w->document().IsSaved());
        w->document().markChanged();
        QVERIFY(w->commands().Save());
        QCOMPARE(prompts->shown.size(), 2);

        // The question before closing stops there when the replacement is refused.
        saveAssessmentFile(sample("Znów cudza"), path);
        w->document().markChanged();
        prompts->answers.enqueue(Reply::Yes); // "Zapisać zmiany?"
        prompts->answers.enqueue(false);      // "Zastąpić go?"
        QVERIFY(!w->commands().askToSave());
        QCOMPARE(readBackStation(path), std::string("Znów cudza"));

        // A file deleted meanwhile is written again without a question.
        QFile::remove(path);
        const qsizetype asked = prompts->shown.size();
        QVERIFY(w->commands().Save());
        QCOMPARE(prompts->shown.size(), asked);
        QVERIFY(QFile::exists(path));

        // A name opened before its file existed: a file that appears meanwhile is asked about.
        const QString later = file(QStringLiteral("pozniej.trk"));
        open(later);
        saveAssessmentFile(sample("Utworzony obok"), later);
        prompts->shown.clear();
        prompts->answers.enqueue(false);
        QVERIFY(!w->commands().Save());
        QCOMPARE(prompts->shown.size(), 1);
        QCOMPARE(prompts->shown[0].text, kChangedOnDiskText);
        QCOMPARE(readBackStation(later), std::string("Utworzony obok"));
    }

    void theLastEightFilesOpenedOrSavedAreKept() {
        QStringList paths;
        for (int i = 1; i <= 9; ++i) {
            paths << file(QStringLiteral("ocena%1.trk").arg(i));
            saveAssessmentFile(sample("Stanowisko " + std::to_string(i)), paths.last());
        }
        for (int i = 0; i < 8; ++i)
            open(paths[i]);
        QCOMPARE(w->recentFiles().files().size(), 8);
        QCOMPARE(w->recentFiles().files().first(), paths[7]);
        QCOMPARE(w->recentFiles().files().last(), paths[0]);
        // The ninth pushes the oldest out; opening one again moves it to the top, once.
        open(paths[8]);
        QCOMPARE(w->recentFiles().files().size(), 8);
        QVERIFY(!w->recentFiles().files().contains(paths[0]));
        open(paths[4]);
        QCOMPARE(w->recentFiles().files().first(), paths[4]);
        QCOMPARE(w->recentFiles().files().count(paths[4]), 1);
        // Save as adds the new name.
        prompts->saveNames.enqueue(file(QStringLiteral("kopia.trk")));
        QVERIFY(w->commands().SaveAs());
        QCOMPARE(w->recentFiles().files().first(), file(QStringLiteral("kopia.trk")));

        // The menu shows them numbered, newest first; the list outlives the window.
        const QList<QAction*> entries = recentEntries(*w);
        QCOMPARE(entries.size(), 8);
        QCOMPARE(entries[0]->text(), QStringLiteral("&1 kopia.trk"));
        QCOMPARE(entries[1]->text(), QStringLiteral("&2 ocena5.trk"));
        const QStringList before = w->recentFiles().files();
        RecentFiles again(&store);
        QCOMPARE(again.files(), before);
    }

    void aFileThatIsGoneIsMarkedAndLeavesTheListWhenChosen() {
        const QString kept = file(QStringLiteral("jest.trk"));
        const QString gone = file(QStringLiteral("byl.trk"));
        saveAssessmentFile(sample("Jest"), kept);
        saveAssessmentFile(sample("Był"), gone);
        open(gone);
        open(kept);
        QFile::remove(gone);
        const QList<QAction*> entries = recentEntries(*w);
        QCOMPARE(entries.size(), 2);
        QCOMPARE(entries[1]->text(), QStringLiteral("&2 byl.trk") + kRecentMissingSuffix);
        QVERIFY(entries[1]->font().italic());
        QVERIFY(!entries[0]->font().italic());
        // Drawn greyed, as a disabled entry, though it can be chosen.
        QMenu* menu = recentMenu(*w);
        menu->adjustSize();
        const QImage picture = menu->grab().toImage();
        const int present = darkestIn(picture, menu->actionGeometry(entries[0]));
        const int greyed = darkestIn(picture, menu->actionGeometry(entries[1]));
        QVERIFY2(present < 90 && greyed > present + 60,
                 qPrintable(QStringLiteral("%1 / %2").arg(present).arg(greyed)));
        QVERIFY(entries[1]->isEnabled());

        entries[1]->trigger();
        QCOMPARE(prompts->messages().size(), 1);
        QCOMPARE(prompts->messages()[0].text, kFileDoesNotExistText);
        QCOMPARE(w->recentFiles().files(), QStringList{kept});
        QCOMPARE(w->document().CurrentFileName(), kept);

        // An entry that exists opens after the usual question about unsaved changes.
        saveAssessmentFile(sample("Drugi"), gone);
        open(gone);
        w->document().markChanged();
        prompts->answers.enqueue(Reply::Cancel);
        recentEntries(*w)[1]->trigger();
        QCOMPARE(w->document().CurrentFileName(), gone);
        prompts->answers.enqueue(Reply::No);
        recentEntries(*w)[1]->trigger();
        QCOMPARE(w->document().CurrentFileName(), kept);
        QCOMPARE(w->document().assessment().EdtStanowisko, std::string("Jest"));
    }

private:
    static std::string readBackStation(const QString& path) {
        Assessment a(0);
        a.questions.clear();
        readTrkFile(a, toPath(path));
        return a.EdtStanowisko;
    }
};

TARNIK_TEST_MAIN(RecentFilesTest)
#include "test_recentfiles.moc"
