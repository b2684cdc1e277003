// The main window's ties to the evaluation and the print options: the computed values follow
// an opened document, edits through the evaluation mark it changed, and the options dialog is
// reached from the menu and hands its font to both charts.
#include <QAction>
#include <QFontDialog>
#include <QtTest>

#include "app/dialogs/optionsdialog.h"
#include "app/document/document.h"
#include "app/platform/pathutil.h"
#include "app/shell/application.h"
#include "app/shell/documentcommands.h"
#include "core/base/settings.h"
#include "core/model/trkfile.h"
#include "tests/app/support/modalanswerer.h"
#include "tests/app/support/testsupport.h"

using namespace tarnik;
using namespace tarnik::testing;

class MainWindowWiringTest : public QObject {
    Q_OBJECT

private slots:
    void openedDocumentBringsItsIndices() {
        TemporaryHome home;
        ScriptedPrompts prompts;
        auto w = makeWindow(home);
        // An assessment with accident figures and a band limit above its default bound.
        Assessment a(38061);
        a.setWorkerCounts({20, 0, 0, 0});
        a.SE901 = 2;
        a.SE902 = 3;
        a.SE903 = 1;
        a.SE904 = 45;
        a.SE905 = 1;
        a.restoreBandLimits(900, 3000, 5000, 9500);
        const QString file = home.path() + QStringLiteral("/ocena.trk");
        saveTrkFile(a, toPath(file));

        prompts.openNames.enqueue(file);
        w->commands().Open();
        const Evaluation& e = w->document().evaluation();
        QCOMPARE(e.frequencyIndex, 150);
        QCOMPARE(e.correctedSeverityIndex, 1022);
        QCOMPARE(e.diseaseIndex, 50);
        QCOMPARE(QString::fromStdString(e.E1104), QStringLiteral("9499"));
        QVERIFY(w->document().IsSaved());

        // An input handler of the evaluation marks the document changed.
        w->document().evaluation().expertIndexEntered(w->document().assessment(), "-500");
        QVERIFY(!w->document().IsSaved());
        QVERIFY(w->windowTitle().endsWith(QStringLiteral(" *")));
    }

    void optionsComeFromTheStoreAndTheDialogSetsTheChartsFont() {
        TemporaryHome home;
        ScriptedPrompts prompts;
        MemorySettingsStore store;
        store.writeString("DrukujPodstawe", "NIE");
        store.writeInt("OdstepPodpis", 3);
        store.clearWrites();
        MainWindowOptions options;
        options.settings = &store;
        auto w = makeWindow(home, options);
        QVERIFY(!w->printOptions().legalBasis());
        QVERIFY(w->printOptions().registerForm());
        QCOMPARE(w->printOptions().spacing(), 3);
        // Loading wrote no option back.
        for (const std::string& write : store.writes())
            QVERIFY2(write.rfind("DrukujPodstawe", 0) != 0, write.c_str());

        QVERIFY(w->optionsAction()->isEnabled());
        ModalAnswerer answer([](QWidget* modal, ModalAnswerer& answerer) {
            auto* dialog = qobject_cast<TOpcje*>(modal);
            auto* fd = dialog ? dialog->findChild<QFontDialog*>(QStringLiteral("FD1")) : nullptr;
            if (!fd) return answerer.fail(QStringLiteral("not the options dialog and its fonts"));
            emit fd->fontSelected(QFont(QStringLiteral("DejaVu Serif")));
            dialog->accept();
        });
        w->optionsAction()->trigger();
        QVERIFY2(answer.ok(), qPrintable(answer.message()));
        QCOMPARE(answer.windowTitle(), QStringLiteral("Opcje"));
        const Evaluation& e = w->document().evaluation();
        QCOMPARE(QString::fromStdString(e.Chart1.data().fontFace), QStringLiteral("DejaVu Serif"));
        QCOMPARE(QString::fromStdString(e.Chart2.data().fontFace), QStringLiteral("DejaVu Serif"));
        QCOMPARE(QString::fromStdString(w->printOptions().fontFace()),
                 QStringLiteral("DejaVu Serif"));
    }
};

TARNIK_TEST_MAIN(MainWindowWiringTest)
#include "test_mainwindow_wiring.moc"
