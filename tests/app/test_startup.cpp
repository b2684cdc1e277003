// Start-up: the stored values and the desktop files written into a temporary home, the help
// (F1 on a control, every topic number leading to a section), the about window's placement and
// the general error handler.
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QSpinBox>
#include <QTableView>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#ifdef Q_OS_WIN
#include <cstring>
#include <windows.h>
#endif

#include "app/help/helptopics.h"
#include "app/help/helpwindow.h"
#include "app/help/windowhelp.h"
#include "app/pages/general/generaldatapage.h"
#include "app/pages/general/personlistbox.h"
#include "app/pages/workers/workerspage.h"
#include "app/platform/appicon.h"
#include "app/platform/qtsettingsstore.h"
#include "app/platform/startupvalues.h"
#include "app/print/pagerangedialog.h"
#include "app/print/printprogress.h"
#include "app/register/registerwindow.h"
#include "app/shell/aboutwindow.h"
#include "app/shell/application.h"
#include "app/wizard/wizard.h"
#include "core/base/errors.h"
#include "tests/app/support/fixedtoday.h"
#include "tests/app/support/modalanswerer.h"
#include "tests/app/support/testsupport.h"

using namespace tarnik;
using namespace tarnik::testing;

namespace {

[[maybe_unused]] QString readText(const QString& file) {
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(f.readAll());
}

// Throws from an event handler that no guard wraps.
class Thrower : public QObject {
public:
    bool event(QEvent* e) override {
        if (e->type() == QEvent::User) throw FileError("Nie można otworzyć pliku „x”.");
        return QObject::event(e);
    }
};

#ifdef Q_OS_WIN
// A value of the current user's registry as text, read with the Windows API; "<none>" when the
// key or the value is missing. A null name reads the key's default value.
QString registryText(const wchar_t* key, const wchar_t* name) {
    wchar_t buffer[1024];
    DWORD size = sizeof buffer;
    DWORD type = 0;
    if (RegGetValueW(HKEY_CURRENT_USER, key, name, RRF_RT_REG_SZ | RRF_RT_REG_DWORD, &type, buffer,
                     &size) != ERROR_SUCCESS)
        return QStringLiteral("<none>");
    if (type == REG_DWORD) {
        DWORD number = 0;
        std::memcpy(&number, buffer, sizeof number);
        return QString::number(number);
    }
    return QString::fromWCharArray(buffer);
}

void clearRegistryKey(const wchar_t* key) {
    RegDeleteTreeW(HKEY_CURRENT_USER, key);
}
#endif

} // namespace

class StartupTest : public QObject {
    Q_OBJECT

private slots:
    void storedValuesAndAssociationAreWritten() {
        TemporaryHome home;
        ScriptedPrompts prompts;
        MainWindowOptions o;
        o.executable = home.path() + QStringLiteral("/Program Files/tarnik");
#ifdef Q_OS_WIN
        // Read back from the registry itself, not through the settings class that wrote it.
        clearRegistryKey(L"Software\\Classes\\.trk");
        clearRegistryKey(L"Software\\Classes\\Tarnik.Ocena.2");
        auto w = makeWindow(home, o);
        const wchar_t* startup = L"SOFTWARE\\TRK2000\\Startup";
        QCOMPARE(registryText(startup, L"Ostatnia aktualizacja"), QStringLiteral("20-05-2002"));
        QCOMPARE(registryText(startup, L"Version"), QStringLiteral("20100"));
        QVERIFY(!registryText(startup, L"Producent").isEmpty());
        QCOMPARE(registryText(startup, L"DefaultPath"),
                 QDir::toNativeSeparators(QDir(w->programDir()).absolutePath()) +
                     QLatin1Char('\\'));
        const QString exe = QDir::toNativeSeparators(o.executable);
        QCOMPARE(registryText(L"Software\\Classes\\.trk", nullptr), kTrkProgId);
        QCOMPARE(registryText(L"Software\\Classes\\Tarnik.Ocena.2\\DefaultIcon", nullptr),
                 exe + QStringLiteral(",1"));
        QCOMPARE(registryText(L"Software\\Classes\\Tarnik.Ocena.2\\shell", nullptr),
                 QStringLiteral("open"));
        QCOMPARE(registryText(L"Software\\Classes\\Tarnik.Ocena.2\\shell\\open\\command", nullptr),
                 QLatin1Char('"') + exe + QStringLiteral("\" \"%1\""));
#else
        auto w = makeWindow(home, o);

        QSettings ini(home.configHome() + QStringLiteral("/TRK2000/Startup.ini"),
                      QSettings::IniFormat);
        QCOMPARE(ini.value(QStringLiteral("Ostatnia aktualizacja")).toString(),
                 QStringLiteral("20-05-2002"));
        QCOMPARE(ini.value(QStringLiteral("Version")).toString(), QStringLiteral("20100"));
        QVERIFY(!ini.value(QStringLiteral("Producent")).toString().isEmpty());
        QCOMPARE(ini.value(QStringLiteral("DefaultPath")).toString(),
                 QDir(w->programDir()).absolutePath() + QLatin1Char('/'));

        const QString mime =
            readText(home.dataHome() + QStringLiteral("/mime/packages/tarnik-ocena.xml"));
        QVERIFY(mime.contains(QStringLiteral("<glob pattern=\"*.trk\"/>")));
        QVERIFY(mime.contains(QStringLiteral("type=\"application/x-tarnik-ocena\"")));
        const QString desktop =
            readText(home.dataHome() + QStringLiteral("/applications/tarnik.desktop"));
        QVERIFY(desktop.startsWith(QStringLiteral("[Desktop Entry]\n")));
        QVERIFY(desktop.contains(QStringLiteral("\nExec=\"") + o.executable +
                                 QStringLiteral("\" %f\n")));
        QVERIFY(desktop.contains(QStringLiteral("\nMimeType=application/x-tarnik-ocena;\n")));
        QVERIFY(QFile::exists(home.dataHome() +
                              QStringLiteral("/icons/hicolor/64x64/apps/tarnik.png")));
#endif
        QVERIFY(prompts.shown.isEmpty());

        // At the next start the same files are there and nothing new is written.
        const AssociationResult again = registerFileAssociation(o.executable);
        QCOMPARE(again.skipped, 0);
        QVERIFY(!again.changed);
    }

    void whatCannotBeWrittenIsSkippedSilently() {
        TemporaryHome home;
        ScriptedPrompts prompts;
        // The data home and the config home are files, not folders.
        writeBytes(home.dataHome(), "x");
        writeBytes(home.configHome(), "x");
        auto w = makeWindow(home);
        QVERIFY(prompts.shown.isEmpty());
        QCOMPARE(w->windowTitle(), QStringLiteral("Tarnik - bez nazwy"));
#ifndef Q_OS_WIN // the association lives in the registry there, which no file blocks
        const AssociationResult r = registerFileAssociation(QStringLiteral("/usr/bin/tarnik"));
        QCOMPARE(r.written, 0);
        QVERIFY(r.skipped > 0);
#endif
    }

    void windowsIconFilesHoldEverySizeAsPng() {
        const std::vector<QImage> sizes = windowsIconSizes(drawDocumentIcon);
        const QByteArray ico = icoFile(sizes);
        auto u16 = [&ico](int at) { return int(quint8(ico[at])) | int(quint8(ico[at + 1])) << 8; };
        auto u32 = [&](int at) { return u16(at) | u16(at + 2) << 16; };
        QVERIFY(ico.size() > 6);
        QCOMPARE(u16(0), 0); // reserved
        QCOMPARE(u16(2), 1); // an icon, not a cursor
        QCOMPARE(u16(4), 6);
        int next = 6 + 16 * 6;
        const int sides[] = {16, 24, 32, 48, 64, 256};
        for (int i = 0; i < 6; ++i) {
            const int entry = 6 + 16 * i;
            // 256 pixels are written as 0 in the entry's one byte.
            QCOMPARE(int(quint8(ico[entry])), sides[i] % 256);
            QCOMPARE(int(quint8(ico[entry + 1])), sides[i] % 256);
            QCOMPARE(u16(entry + 4), 1);
            QCOMPARE(u16(entry + 6), 32);
            const int size = u32(entry + 8);
            QCOMPARE(u32(entry + 12), next);
            const QImage png = QImage::fromData(ico.mid(next, size), "PNG");
            QCOMPARE(png.size(), QSize(sides[i], sides[i]));
            QCOMPARE(png.pixel(sides[i] / 2, sides[i] / 2),
                     sizes[size_t(i)].pixel(sides[i] / 2, sides[i] / 2));
            next += size;
        }
        QCOMPARE(next, int(ico.size()));

        // What an icon file cannot hold is refused whole.
        QVERIFY(!icoFile({drawProgramIcon(256)}).isEmpty());
        QVERIFY(icoFile({drawProgramIcon(257)}).isEmpty());
        QVERIFY(icoFile({drawProgramIcon(1)}).size() > 22);
        QVERIFY(icoFile({QImage(32, 16, QImage::Format_ARGB32)}).isEmpty());
        QVERIFY(icoFile({drawProgramIcon(32), QImage()}).isEmpty());
        QVERIFY(icoFile({}).isEmpty());
    }

    void execKeyQuoting() {
        QCOMPARE(desktopExecQuoted(QStringLiteral("/opt/my $app/100%/ta\"rnik")),
                 QStringLiteral("\"/opt/my \\$app/100%%/ta\\\"rnik\""));
    }

    void startupLoadingFailureIsShownAndTheWindowOpens() {
        TemporaryHome home;
        ScriptedPrompts prompts;
        MainWindowOptions o;
        o.programDir = home.path() + QStringLiteral("/pusty");
        writeSmallData(o.programDir, false);
        auto w = makeWindow(home, o);
        QCOMPARE(prompts.messages().size(), 1);
        QVERIFY(prompts.messages().first().text.contains(QStringLiteral("pytania.txt")));
        QCOMPARE(w->document().assessment().questions.questionCount(), std::size_t(0));
        QCOMPARE(w->windowTitle(), QStringLiteral("Tarnik - bez nazwy"));
    }

    void shippedDataLoadsAtStartup() {
        FixedToday today(dayNumberFromCivil(2011, 5, 9));
        TemporaryHome home;
        ScriptedPrompts prompts;
        MainWindowOptions o;
        o.programDir = shippedDataDir();
        auto w = makeWindow(home, o);
        QVERIFY(prompts.shown.isEmpty());
        const Assessment& a = w->document().assessment();
        QVERIFY(a.questions.questionCount() >= 38);
        for (int c = 0; c < kCatalogueCount; ++c)
            QVERIFY(!a.factorList(c).empty());
        QCOMPARE(a.DTPOcena, dayNumberFromCivil(2011, 5, 9));
        QVERIFY(w->document().IsSaved());
    }

    void f1OpensTheTopicOfTheFocusedControl() {
        TemporaryHome home;
        ScriptedPrompts prompts;
        MainWindowOptions o;
        o.programDir = shippedDataDir();
        auto w = makeWindow(home, o);
        w->show();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));

        QLineEdit* regon = w->wizard().page<GeneralDataPage>()->EdtRegon();
        regon->setFocus();
        QTest::keyClick(regon, Qt::Key_F1);
        HelpWindow* help = w->helpWindow();
        QVERIFY(help->isVisible());
        QCOMPARE(help->currentTopic(), QStringLiteral("dane-ogolne.html#regon"));
        QVERIFY(help->browser()->toPlainText().contains(QStringLiteral("REGON")));

        // A spin box's inner editor has the focus: its box's topic counts.
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        w->wizard().page<GeneralDataPage>()->EdtNr()->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
        QCOMPARE(help->currentTopic(), QStringLiteral("dane-ogolne.html#nr"));

        // A control without a number of its own: the page's topic.
        w->wizard().page<GeneralDataPage>()->EdtZaklad()->setFocus();
        w->showContextHelp();
        QCOMPARE(help->currentTopic(), QStringLiteral("dane-ogolne.html"));

        w->wizard().showPage(kPageWorkers);
        w->wizard().page<WorkersPage>()->countEdit(kJuveniles)->setFocus();
        w->showContextHelp();
        QCOMPARE(help->currentTopic(), QStringLiteral("pracownicy.html#liczba"));

        help->showContents();
        QCOMPARE(help->currentTopic(), QStringLiteral("index.html"));
        help->search(QStringLiteral("REGON"));
        QVERIFY(help->browser()->toHtml().contains(QStringLiteral("dane-ogolne.html")));
    }

    // F1 in a dialog shows the dialog's topic in a help window that the modal dialog does not
    // block; the window goes when the dialog closes. A modeless window uses the main help.
    void f1InTheDialogsOpensTheirTopics() {
        TemporaryHome home;
        ScriptedPrompts prompts;
        MainWindowOptions o;
        o.programDir = shippedDataDir();
        auto w = makeWindow(home, o);
        w->show();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));

        const auto pressF1 = [](QWidget* modal, ModalAnswerer& answerer, const QString& topic) {
            QWidget* focus = QApplication::focusWidget();
            QTest::keyClick(focus && focus->window() == modal ? focus : modal, Qt::Key_F1);
            auto* help = modal->findChild<HelpWindow*>(QString(), Qt::FindDirectChildrenOnly);
            if (!help || !help->isVisible())
                return answerer.fail(QStringLiteral("no help window over ") + modal->objectName());
            if (help->currentTopic() != topic) answerer.fail(help->currentTopic());
            if (!help->browser()->toPlainText().contains(QStringLiteral("Drukow")) &&
                !help->browser()->toPlainText().contains(QStringLiteral("Edytor")))
                answerer.fail(QStringLiteral("the page was not read"));
        };

        {
            ModalAnswerer answer([&](QWidget* modal, ModalAnswerer& answerer) {
                pressF1(modal, answerer, QStringLiteral("drukowanie.html#opcje"));
                qobject_cast<QDialog*>(modal)->reject();
            });
            w->optionsAction()->trigger();
            QVERIFY2(answer.ok(), qPrintable(answer.message()));
        }
        QPointer<HelpWindow> editorHelp;
        {
            ModalAnswerer answer([&](QWidget* modal, ModalAnswerer& answerer) {
                pressF1(modal, answerer, QStringLiteral("edytor.html"));
                editorHelp = modal->findChild<HelpWindow*>(QString(), Qt::FindDirectChildrenOnly);
                if (!clickButton(modal, QStringLiteral("Zamknij"))) answerer.fail("Zamknij");
            });
            w->editorAction()->trigger();
            QVERIFY2(answer.ok(), qPrintable(answer.message()));
        }
        // The editor is kept for later; its help window closed with it.
        QVERIFY(editorHelp);
        QVERIFY(!editorHelp->isVisible());
        {
            TForm6 range([] {}, w.get());
            ModalAnswerer answer([&](QWidget* modal, ModalAnswerer& answerer) {
                pressF1(modal, answerer, QStringLiteral("drukowanie.html#zakres"));
                qobject_cast<QDialog*>(modal)->reject();
            });
            range.exec();
            QVERIFY2(answer.ok(), qPrintable(answer.message()));
        }
        // No help window of the main window was needed for the dialogs.
        QVERIFY(!w->helpWindow()->isVisible());

        TPrintPrg progress(w.get());
        progress.show();
        progress.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&progress));
        QTest::keyClick(&progress, Qt::Key_F1);
        QVERIFY(w->helpWindow()->isVisible());
        QCOMPARE(w->helpWindow()->currentTopic(), QStringLiteral("drukowanie.html#postep"));

        // The register window, modeless too: the topic of the control, or of the window.
        RegisterWindow* reg = w->registerWindow();
        reg->show();
        reg->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(reg));
        auto* search = reg->findChild<QLineEdit*>();
        search->setFocus();
        QTest::keyClick(search, Qt::Key_F1);
        QCOMPARE(w->helpWindow()->currentTopic(), QStringLiteral("rejestr.html#szukaj"));
        QVERIFY(w->helpWindow()->browser()->toPlainText().contains(QStringLiteral("lodz")));
        auto* table = reg->findChild<QTableView*>();
        table->setFocus();
        QTest::keyClick(table, Qt::Key_F1);
        QCOMPARE(w->helpWindow()->currentTopic(), QStringLiteral("rejestr.html"));
    }

    // Every topic number leads to a help page that has the section it names, and every page of
    // the wizard has its page.
    void everyTopicHasItsSection() {
        const QString dir = shippedDataDir() + QStringLiteral("/help");
        const QList<int> numbers = helpContextNumbers();
        for (int n : {1100,
                      1200,
                      4020,
                      4030,
                      4040,
                      4050,
                      4060,
                      4070,
                      4080,
                      4090,
                      4100,
                      4110,
                      4120,
                      4130,
                      4140,
                      4150,
                      4160,
                      4170,
                      4670,
                      4680,
                      4690,
                      5500,
                      6500,
                      7500,
                      7600,
                      7610,
                      7710,
                      7720,
                      7730,
                      7740,
                      7750,
                      7760,
                      7770,
                      7780,
                      7790,
                      7800,
                      7810,
                      7910,
                      7911,
                      7912,
                      7913,
                      7914,
                      8500,
                      8510,
                      8520,
                      8530,
                      9500,
                      9510,
                      9520,
                      9530,
                      9540,
                      9550,
                      9560,
                      9570,
                      9580,
                      9700,
                      9710,
                      9720,
                      9730,
                      9740,
                      9750,
                      9760,
                      10500,
                      10600,
                      11500,
                      11600,
                      11700,
                      12500,
                      12600,
                      12700,
                      12800,
                      12900,
                      13500,
                      13600,
                      13700,
                      13720,
                      13730,
                      13800,
                      13900,
                      14500,
                      15500,
                      17000,
                      kHelpPrintRange,
                      kHelpPrintProgress,
                      kHelpPrintDialog,
                      kHelpPrintPreview,
                      kHelpOptions,
                      kHelpCatalogueEditor,
                      kHelpRegister,
                      kHelpRegisterFolder,
                      kHelpRegisterSearch,
                      kHelpRegisterHistory,
                      kHelpRegisterExport,
                      kHelpNextAssessment,

                      kHelpComparison,
                      kHelpComparisonOutput})
            QVERIFY2(numbers.contains(n), qPrintable(QString::number(n)));
        QStringList topics;
        for (int n : numbers)
            topics << helpTopicUrl(n);
        topics << kHelpContentsPage;
        for (const char* p :
             {"dane-ogolne.html", "opis-stanowiska.html", "szkolenia.html", "pracownicy.html",
              "czynniki.html", "karta-pomiaru.html", "karta-zagrozen.html", "stan-bhp.html",
              "wypadki.html", "karta-uzupelniajaca.html", "poziom-ryzyka.html", "plan.html",
              "lista-osob.html", "podpowiedzi.html", "drukowanie.html", "edytor.html",
              "rejestr.html", "porownanie.html"})
            topics << QString::fromLatin1(p);
        for (const QString& topic : topics) {
            const QString page = topic.section(QLatin1Char('#'), 0, 0);
            const QString anchor = topic.section(QLatin1Char('#'), 1);
            QFile f(dir + QLatin1Char('/') + page);
            QVERIFY2(f.open(QIODevice::ReadOnly), qPrintable(topic));
            const QString html = decodeHelpPage(f.readAll());
            QVERIFY2(html.contains(QStringLiteral("<title>")), qPrintable(page));
            // Written in Polish: the code page carries the letters.
            QVERIFY2(html.contains(QRegularExpression(QStringLiteral("[ąęłóśżźćń]"))),
                     qPrintable(page));
            if (!anchor.isEmpty())
                QVERIFY2(html.contains(QStringLiteral("id=\"%1\"").arg(anchor)), qPrintable(topic));
        }
    }

    void aboutWindowStaysOnScreen() {
        AboutWindow about;
        const QRect screen(0, 0, 1024, 768);
        const QSize size(380, 300);
        QCOMPARE(placeWithinScreen(QPoint(100, 50), size, screen), QPoint(100, 50));
        // Near the bottom right corner the window touches both edges.
        QCOMPARE(placeWithinScreen(QPoint(1000, 760), size, screen), QPoint(644, 468));
        QCOMPARE(placeWithinScreen(QPoint(-20, -5), size, QRect(0, 0, 200, 200)), QPoint(0, 0));
        about.showAt(QPoint(1000, 760), screen);
        QVERIFY(about.isVisible());
        QVERIFY(!about.isModal());
        QCOMPARE(about.windowTitle(), QStringLiteral("Info"));
        const QString history = about.historyText()->toPlainText();
        const QStringList versions = {
            QStringLiteral("Wersja 2.18"), QStringLiteral("Wersja 2.17"),
            QStringLiteral("Wersja 2.16"), QStringLiteral("Wersja 2.15"),
            QStringLiteral("Wersja 2.14"), QStringLiteral("Wersja 2.13"),
            QStringLiteral("Wersja 2.12"), QStringLiteral("Wersja 2.11"),
            QStringLiteral("Wersja 2.10"), QStringLiteral("Wersja 2.09"),
            QStringLiteral("Wersja 2.08"), QStringLiteral("Wesja 2.07"),
            QStringLiteral("Wersja 2.06"), QStringLiteral("Wersja 2.05"),
            QStringLiteral("Wersja 2.04"), QStringLiteral("Wersja 2.03"),
            QStringLiteral("Wersja 2.02"), QStringLiteral("Wersja 2.01"),
            QStringLiteral("Wersja 2.0 "), QStringLiteral("kwiecień 2002")};
        QVERIFY(history.startsWith(QStringLiteral("Historia zmian")));
        qsizetype at = 0;
        for (const QString& v : versions) {
            const qsizetype next = history.indexOf(v, at);
            QVERIFY2(next >= at, qPrintable(v));
            at = next + v.size();
        }
        QVERIFY(about.titleText()->text().contains(QStringLiteral("Tarnik 2.18")));
    }

    void errorsInHandlersAreShownAndTheLoopGoesOn() {
        ScriptedPrompts prompts;
        Thrower t;
        QCoreApplication::postEvent(&t, new QEvent(QEvent::User));
        bool after = false;
        QTimer::singleShot(0, [&] { after = true; });
        QTRY_VERIFY(after);
        QCOMPARE(prompts.messages().size(), 1);
        QCOMPARE(prompts.messages().first().title, QStringLiteral("Błąd"));
        QCOMPARE(prompts.messages().first().text, QStringLiteral("Nie można otworzyć pliku „x”."));
    }

    void fileDialogFilterAndExtension() {
        QCOMPARE(qtFileFilter(kTrkFilter),
                 QStringLiteral("pliki typu (*.trk);;wszystkie pliki (*)"));
        QCOMPARE(withTrkExtension(QStringLiteral("/tmp/ocena")), QStringLiteral("/tmp/ocena.trk"));
        QCOMPARE(withTrkExtension(QStringLiteral("/tmp/ocena.trk")),
                 QStringLiteral("/tmp/ocena.trk"));
        QCOMPARE(withTrkExtension(QStringLiteral("/tmp/kopia.bak")),
                 QStringLiteral("/tmp/kopia.bak"));
        QCOMPARE(withTrkExtension(QStringLiteral("/tmp.d/ocena")),
                 QStringLiteral("/tmp.d/ocena.trk"));
    }
};

TARNIK_TEST_MAIN(StartupTest)
#include "test_startup.moc"
