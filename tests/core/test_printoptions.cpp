#include "core/report/printoptions.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace tarnik;

namespace {

using Writes = std::vector<std::string>;

Writes allSix(const char* rejestr, const char* litery, int spacing, const char* podstawa = "TAK") {
    return {"PokazPrzebiegDrukowania=TAK",
            "StandardoweOkienkoDrukowania=TAK",
            std::string("DrukujPodstawe=") + podstawa,
            std::string("DrukujRejestr=") + rejestr,
            std::string("PolskieLiterki=") + litery,
            "OdstepPodpis=" + std::to_string(spacing)};
}

} // namespace

TEST(PrintOptions, AnEmptyStoreTurnsEveryOptionOnAndWritesNothing) {
    MemorySettingsStore store;
    PrintOptions o;
    o.WczytajOpcjeZRejestru(store);
    EXPECT_TRUE(o.showProgress());
    EXPECT_TRUE(o.standardPrintDialog());
    EXPECT_TRUE(o.legalBasis());
    EXPECT_TRUE(o.registerForm());
    EXPECT_TRUE(o.polishLetters());
    EXPECT_TRUE(o.printPolishLetters());
    EXPECT_EQ(o.spacing(), 19);
    EXPECT_EQ(o.fontFace(), "Arial");
    EXPECT_TRUE(store.writes().empty());
    EXPECT_FALSE(store.contains("OdstepPodpis"));
}

TEST(PrintOptions, OnlyTheExactTextNIETurnsAnOptionOff) {
    MemorySettingsStore store;
    store.writeString("PokazPrzebiegDrukowania", "nie");
    store.writeString("StandardoweOkienkoDrukowania", "NIE");
    store.writeString("DrukujPodstawe", " NIE");
    store.writeString("DrukujRejestr", "");
    store.writeString("PolskieLiterki", "NIE");
    store.writeInt("OdstepPodpis", 3);
    store.clearWrites();
    PrintOptions o;
    o.WczytajOpcjeZRejestru(store);
    EXPECT_TRUE(o.showProgress());
    EXPECT_FALSE(o.standardPrintDialog());
    EXPECT_TRUE(o.legalBasis());
    EXPECT_TRUE(o.registerForm());
    EXPECT_FALSE(o.polishLetters());
    EXPECT_FALSE(o.printPolishLetters());
    EXPECT_EQ(o.spacing(), 3);
    // Loading writes nothing back: "nie" stays "nie".
    EXPECT_TRUE(store.writes().empty());
    EXPECT_EQ(store.readString("PokazPrzebiegDrukowania"), "nie");
}

TEST(PrintOptions, TheStoredSpacingIsKeptWithinItsLimits) {
    for (const auto& [stored, loaded] : std::vector<std::pair<int, int>>{
             {0, 1}, {-5, 1}, {1, 1}, {25, 25}, {26, 25}, {1000, 25}}) {
        MemorySettingsStore store;
        store.writeInt("OdstepPodpis", stored);
        PrintOptions o;
        o.WczytajOpcjeZRejestru(store);
        EXPECT_EQ(o.spacing(), loaded) << stored;
    }
    // A spacing stored as text is no number: the default stays.
    MemorySettingsStore text;
    text.writeString("OdstepPodpis", "dużo");
    PrintOptions o;
    o.WczytajOpcjeZRejestru(text);
    EXPECT_EQ(o.spacing(), 19);
}

TEST(PrintOptions, EachChangeWritesItsOwnValueOrAllSix) {
    MemorySettingsStore store;
    PrintOptions o;
    o.WczytajOpcjeZRejestru(store);

    o.setLegalBasis(false, store);
    EXPECT_EQ(store.writes(), (Writes{"DrukujPodstawe=NIE"}));
    EXPECT_FALSE(store.contains("DrukujRejestr"));
    store.clearWrites();
    o.setShowProgress(false, store);
    o.setStandardPrintDialog(true, store);
    EXPECT_EQ(store.writes(),
              (Writes{"PokazPrzebiegDrukowania=NIE", "StandardoweOkienkoDrukowania=TAK"}));
    o.setShowProgress(true, store);
    store.clearWrites();

    o.setSpacing(3, store);
    EXPECT_EQ(store.writes(), allSix("TAK", "TAK", 3, "NIE"));
    store.clearWrites();
    o.setRegisterForm(false, store);
    EXPECT_EQ(store.writes(), allSix("NIE", "TAK", 3, "NIE"));
    store.clearWrites();
    o.setPolishLetters(false, store);
    EXPECT_EQ(store.writes(), allSix("NIE", "NIE", 3, "NIE"));
    EXPECT_FALSE(o.printPolishLetters());
    store.clearWrites();
    o.setSpacing(40, store);
    EXPECT_EQ(o.spacing(), 25);
    EXPECT_EQ(store.readInt("OdstepPodpis"), 25);
}

TEST(PrintOptions, ARestartKeepsTheStoredOptionsButNotTheFont) {
    MemorySettingsStore store;
    {
        PrintOptions o;
        o.WczytajOpcjeZRejestru(store);
        o.setStandardPrintDialog(false, store);
        o.setSpacing(3, store);
        o.setPolishLetters(false, store);
        o.setFontFace("Times New Roman");
        EXPECT_EQ(o.fontFace(), "Times New Roman");
    }
    PrintOptions again;
    again.WczytajOpcjeZRejestru(store);
    EXPECT_FALSE(again.standardPrintDialog());
    EXPECT_EQ(again.spacing(), 3);
    EXPECT_FALSE(again.printPolishLetters());
    EXPECT_TRUE(again.registerForm());
    EXPECT_EQ(again.fontFace(), "Arial");
}

TEST(PrintOptions, EachCheckBoxComesBackFromTheStoreAsItWasSetAndNoOtherFollowsIt) {
    using Setter = void (PrintOptions::*)(bool, SettingsStore&);
    using Getter = bool (PrintOptions::*)() const;
    struct Option {
        const char* name;
        Setter set;
        Getter get;
    };
    const std::vector<Option> options{
        {"PokazPrzebiegDrukowania", &PrintOptions::setShowProgress, &PrintOptions::showProgress},
        {"StandardoweOkienkoDrukowania", &PrintOptions::setStandardPrintDialog,
         &PrintOptions::standardPrintDialog},
        {"DrukujPodstawe", &PrintOptions::setLegalBasis, &PrintOptions::legalBasis},
        {"DrukujRejestr", &PrintOptions::setRegisterForm, &PrintOptions::registerForm},
        {"PolskieLiterki", &PrintOptions::setPolishLetters, &PrintOptions::polishLetters},
    };
    // From every option on, one is turned off; from every option off, one is turned on.
    for (const bool value : {false, true}) {
        for (const Option& changed : options) {
            MemorySettingsStore store;
            for (const Option& o : options)
                store.writeString(o.name, value ? "NIE" : "TAK");
            PrintOptions before;
            before.WczytajOpcjeZRejestru(store);
            (before.*changed.set)(value, store);

            PrintOptions again;
            again.WczytajOpcjeZRejestru(store);
            for (const Option& o : options)
                EXPECT_EQ((again.*o.get)(), &o == &changed ? value : !value)
                    << changed.name << " set to " << value << ", " << o.name << " read back";
            EXPECT_EQ(again.printPolishLetters(), again.polishLetters()) << changed.name;
        }
    }
}

TEST(PrintOptions, AStoreThatCannotBeOpenedKeepsTheDefaultsAndSkipsWrites) {
    MemorySettingsStore closed(false);
    PrintOptions o;
    o.WczytajOpcjeZRejestru(closed);
    EXPECT_EQ(o.spacing(), 19);
    EXPECT_TRUE(o.registerForm());
    EXPECT_FALSE(o.polishLetters()); // the dialog's own default, nothing was loaded
    o.setRegisterForm(false, closed);
    o.setPolishLetters(true, closed);
    EXPECT_FALSE(o.registerForm()); // the change holds for this run
    EXPECT_TRUE(o.printPolishLetters());
    EXPECT_TRUE(closed.writes().empty());
}
