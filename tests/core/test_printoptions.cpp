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
    EXPECT_TRUE(o.cbPostep());
    EXPECT_TRUE(o.cbStandard());
    EXPECT_TRUE(o.cbPodstawa());
    EXPECT_TRUE(o.cbRejestr());
    EXPECT_TRUE(o.PLLetters());
    EXPECT_TRUE(o.printPolishLetters());
    EXPECT_EQ(o.SpinEdit1(), 19);
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
    EXPECT_TRUE(o.cbPostep());
    EXPECT_FALSE(o.cbStandard());
    EXPECT_TRUE(o.cbPodstawa());
    EXPECT_TRUE(o.cbRejestr());
    EXPECT_FALSE(o.PLLetters());
    EXPECT_FALSE(o.printPolishLetters());
    EXPECT_EQ(o.SpinEdit1(), 3);
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
        EXPECT_EQ(o.SpinEdit1(), loaded) << stored;
    }
    // A spacing stored as text is no number: the default stays.
    MemorySettingsStore text;
    text.writeString("OdstepPodpis", "dużo");
    PrintOptions o;
    o.WczytajOpcjeZRejestru(text);
    EXPECT_EQ(o.SpinEdit1(), 19);
}

TEST(PrintOptions, EachChangeWritesItsOwnValueOrAllSix) {
    MemorySettingsStore store;
    PrintOptions o;
    o.WczytajOpcjeZRejestru(store);

    o.cbPodstawaClick(false, store);
    EXPECT_EQ(store.writes(), (Writes{"DrukujPodstawe=NIE"}));
    EXPECT_FALSE(store.contains("DrukujRejestr"));
    store.clearWrites();
    o.cbPostepClick(false, store);
    o.cbStandardClick(true, store);
    EXPECT_EQ(store.writes(),
              (Writes{"PokazPrzebiegDrukowania=NIE", "StandardoweOkienkoDrukowania=TAK"}));
    o.cbPostepClick(true, store);
    store.clearWrites();

    o.SpinEdit1Change(3, store);
    EXPECT_EQ(store.writes(), allSix("TAK", "TAK", 3, "NIE"));
    store.clearWrites();
    o.cbRejestrClick(false, store);
    EXPECT_EQ(store.writes(), allSix("NIE", "TAK", 3, "NIE"));
    store.clearWrites();
    o.PLLettersClick(false, store);
    EXPECT_EQ(store.writes(), allSix("NIE", "NIE", 3, "NIE"));
    EXPECT_FALSE(o.printPolishLetters());
    store.clearWrites();
    o.SpinEdit1Change(40, store);
    EXPECT_EQ(o.SpinEdit1(), 25);
    EXPECT_EQ(store.readInt("OdstepPodpis"), 25);
}

TEST(PrintOptions, ARestartKeepsTheStoredOptionsButNotTheFont) {
    MemorySettingsStore store;
    {
        PrintOptions o;
        o.WczytajOpcjeZRejestru(store);
        o.cbStandardClick(false, store);
        o.SpinEdit1Change(3, store);
        o.PLLettersClick(false, store);
        o.setFontFace("Times New Roman");
        EXPECT_EQ(o.fontFace(), "Times New Roman");
    }
    PrintOptions again;
    again.WczytajOpcjeZRejestru(store);
    EXPECT_FALSE(again.cbStandard());
    EXPECT_EQ(again.SpinEdit1(), 3);
    EXPECT_FALSE(again.printPolishLetters());
    EXPECT_TRUE(again.cbRejestr());
    EXPECT_EQ(again.fontFace(), "Arial");
}

TEST(PrintOptions, AStoreThatCannotBeOpenedKeepsTheDefaultsAndSkipsWrites) {
    MemorySettingsStore closed(false);
    PrintOptions o;
    o.WczytajOpcjeZRejestru(closed);
    EXPECT_EQ(o.SpinEdit1(), 19);
    EXPECT_TRUE(o.cbRejestr());
    EXPECT_FALSE(o.PLLetters()); // the dialog's own default, nothing was loaded
    o.cbRejestrClick(false, closed);
    o.PLLettersClick(true, closed);
    EXPECT_FALSE(o.cbRejestr()); // the change holds for this run
    EXPECT_TRUE(o.printPolishLetters());
    EXPECT_TRUE(closed.writes().empty());
}
