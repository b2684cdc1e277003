#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QFontDialog>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>

#include "app/dialogs/optionsdialog.h"
#include "app/platform/qtsettingsstore.h"

using namespace tarnik;

namespace {

QCheckBox* box(TOpcje& d, const char* name) {
    return d.findChild<QCheckBox*>(QString::fromLatin1(name));
}

QSpinBox* spin(TOpcje& d) {
    return d.findChild<QSpinBox*>(QStringLiteral("SpinEdit1"));
}

// Clicks a check box on its indicator, as a user does.
void tick(QCheckBox* b) {
    QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(8, b->height() / 2));
}

bool inFrame(QWidget* w) {
    for (QWidget* p = w->parentWidget(); p; p = p->parentWidget())
        if (qobject_cast<QGroupBox*>(p)) return true;
    return false;
}

bool hasLabel(TOpcje& d, const QString& text) {
    for (QLabel* l : d.findChildren<QLabel*>())
        if (l->text() == text) return true;
    return false;
}

} // namespace

class OptionsDialogTest : public QObject {
    Q_OBJECT

private slots:
    void showsTheCaptionsAndTheLoadedOptions() {
        MemorySettingsStore store;
        store.writeString("StandardoweOkienkoDrukowania", "NIE");
        store.writeString("DrukujRejestr", "nie");
        store.writeInt("OdstepPodpis", 7);
        store.clearWrites();
        PrintOptions options;
        options.WczytajOpcjeZRejestru(store);
        TOpcje d(options, store);

        QCOMPARE(d.windowTitle(), QStringLiteral("Opcje"));
        auto* frame = d.findChild<QGroupBox*>();
        QVERIFY(frame);
        QCOMPARE(frame->title(), QStringLiteral("Drukowanie"));
        struct Expected {
            const char* name;
            const char* caption;
            bool checked;
            bool framed;
        };
        const Expected expected[] = {
            {"cbPostep", "Pokaż okienko postępu drukowania", true, true},
            {"cbStandard", "Pokaż standardowe okienko drukowania", false, true},
            {"cbPodstawa", "Drukuj podstawę prawną analizy ryzyka zawodowego", true, true},
            {"cbRejestr", "Drukuj Rejestr wyników badań zgodny z Rozporządzeniem", true, true},
            {"PLLetters", "Drukuj polskie znaki", true, false},
        };
        for (const Expected& e : expected) {
            QCheckBox* b = box(d, e.name);
            QVERIFY2(b, e.name);
            QCOMPARE(b->text(), QString::fromUtf8(e.caption));
            QCOMPARE(b->isChecked(), e.checked);
            QCOMPARE(inFrame(b), e.framed);
        }
        QCOMPARE(spin(d)->minimum(), 1);
        QCOMPARE(spin(d)->maximum(), 25);
        QCOMPARE(spin(d)->value(), 7);
        QVERIFY(inFrame(spin(d)));
        QVERIFY(hasLabel(d, QStringLiteral("Odstęp między nazwą stanowiska a podpisem osoby\n"
                                           "sporządzającej na stronie tytułowej wydruku.")));
        QVERIFY(hasLabel(d, QStringLiteral("Powoduje wyświetlenie okienka, z kolejnymi etapami "
                                           "przygotowania dokumentu do wydruku")));
        QVERIFY(hasLabel(d, QStringLiteral("Jeśli po wybraniu polecenia drukowania nie pojawia "
                                           "się okienko z opcjami drukowania proszę odznaczyć tę "
                                           "opcję")));
        bool fontButton = false;
        for (QPushButton* b : d.findChildren<QPushButton*>())
            fontButton |= b->text() == QStringLiteral("Wybierz czcionkę");
        QVERIFY(fontButton);
        QVERIFY(d.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok));
        // Showing the options wrote nothing.
        QVERIFY(store.writes().empty());
    }

    void eachClickWritesAsItsHandlerDoes() {
        MemorySettingsStore store;
        PrintOptions options;
        options.WczytajOpcjeZRejestru(store);
        TOpcje d(options, store);
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));

        tick(box(d, "cbPodstawa"));
        QCOMPARE(store.writes(), std::vector<std::string>{"DrukujPodstawe=NIE"});
        QVERIFY(!options.legalBasis());
        store.clearWrites();

        spin(d)->setValue(3);
        QCOMPARE(store.writes(), (std::vector<std::string>{
                                     "PokazPrzebiegDrukowania=TAK",
                                     "StandardoweOkienkoDrukowania=TAK", "DrukujPodstawe=NIE",
                                     "DrukujRejestr=TAK", "PolskieLiterki=TAK", "OdstepPodpis=3"}));
        store.clearWrites();

        tick(box(d, "PLLetters"));
        QVERIFY(!options.printPolishLetters());
        QCOMPARE(store.writes().size(), 6u);
        QCOMPARE(store.readString("PolskieLiterki"), std::optional<std::string>("NIE"));
        store.clearWrites();

        tick(box(d, "cbPostep"));
        QCOMPARE(store.writes(), std::vector<std::string>{"PokazPrzebiegDrukowania=NIE"});
    }

    void theChosenFaceStaysForTheRunOnly() {
        QTemporaryDir dir;
        const QString ini = dir.filePath(QStringLiteral("TRK2000/Startup.ini"));
        QString chosen;
        {
            QtSettingsStore store(ini);
            PrintOptions options;
            options.WczytajOpcjeZRejestru(store);
            TOpcje d(options, store);
            QCOMPARE(d.fontFace(), QStringLiteral("Arial"));
            QSignalSpy spy(&d, &TOpcje::fontFaceChosen);
            d.show();
            QVERIFY(QTest::qWaitForWindowExposed(&d));
            QPushButton* button = nullptr;
            for (QPushButton* b : d.findChildren<QPushButton*>())
                if (b->text() == QStringLiteral("Wybierz czcionkę")) button = b;
            QVERIFY(button);
            button->click();
            auto* fonts = d.findChild<QFontDialog*>();
            QVERIFY(fonts);
            QTRY_VERIFY(fonts->isVisible());
            fonts->setCurrentFont(QFont(QStringLiteral("DejaVu Serif")));
            fonts->accept();
            chosen = fonts->selectedFont().family();
            QCOMPARE(d.fontFace(), chosen);
            QCOMPARE(QString::fromStdString(options.fontFace()), chosen);
            QCOMPARE(spy.count(), 1);

            tick(box(d, "cbRejestr"));
            spin(d)->setValue(3);
            QVERIFY(d.findChild<QDialogButtonBox*>());
            d.accept();
        }
        // After a restart the stored options come back from the file, the font does not.
        QtSettingsStore store(ini);
        PrintOptions options;
        options.WczytajOpcjeZRejestru(store);
        QVERIFY(!options.registerForm());
        QCOMPARE(options.spacing(), 3);
        QCOMPARE(options.fontFace(), std::string("Arial"));
        QFile file(ini);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(!QString::fromUtf8(file.readAll()).contains(chosen)); // the face is not stored
        TOpcje again(options, store);
        QVERIFY(!box(again, "cbRejestr")->isChecked());
        QCOMPARE(spin(again)->value(), 3);
    }
};

QTEST_MAIN(OptionsDialogTest)
#include "test_optionsdialog.moc"
