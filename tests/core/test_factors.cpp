#include "core/base/errors.h"
#include "core/base/text.h"
#include "core/rules/factors/catalogues.h"
#include "core/rules/factors/selection.h"
#include "tests/support/test_support.h"

#include <gtest/gtest.h>

using namespace tarnik;
using tarnik::test_support::readBytes;
using tarnik::test_support::ScratchFolder;
using tarnik::test_support::ymd;

namespace {

const DayNumber kToday = ymd(2004, 6, 15) + 0.75; // a time of day that must not reach a record

std::vector<std::string> texts(const FactorList& list) {
    std::vector<std::string> out;
    for (const FactorEntry& e : list)
        out.push_back(e.text);
    return out;
}

// Writes all six start-up files, each with a few lines.
void putStartupFiles(const ScratchFolder& dir) {
    dir.putText("pytania.txt", "Pytanie pierwsze?\r\nPytanie drugie?\r\n");
    dir.putText("chemiczne.txt", "amoniak\r\nbenzen\r\n");
    dir.putText("pyly.txt", "pył mąki\r\n");
    dir.putText("fizyczne.txt", "hałas\r\nOświetlenie - natężenie\r\nprąd elektryczny\r\n");
    dir.putText("biologiczne.txt", "wirus grypy\r\n");
    dir.putText("uciazliwe.txt", "praca zmianowa\r\n");
}

} // namespace

TEST(Catalogues, LinesBecomeEntriesEmptyLinesSkippedBlanksKept) {
    ScratchFolder dir;
    // An empty line, a line of blanks, blanks around a name, a lone LF ending a line, a last
    // line without its ending, and everything after 0x1A ignored.
    dir.putText("chemiczne.txt", "amoniak\r\n\r\n   \r\n  aceton \r\nkwas\nsolny\r\nbenzen\x1A"
                                 "ukryty\r\n");
    Assessment a(kToday);
    EXPECT_EQ(WczytajCzynniki(a, dir / "chemiczne.txt", 0, kToday), 6);
    EXPECT_EQ(texts(a.LB501),
              (std::vector<std::string>{"amoniak", "   ", "  aceton ", "kwas", "solny", "benzen"}));
    for (const FactorEntry& e : a.LB501) {
        ASSERT_TRUE(e.record);
        EXPECT_FALSE(e.checked);
        EXPECT_EQ(e.record->name, e.text);
        EXPECT_EQ(e.record->factorGroup, kChemical);
        EXPECT_EQ(e.record->DTP601, ymd(2004, 6, 15));
        EXPECT_FALSE(e.record->described);
        EXPECT_TRUE(e.record->CB601);
        EXPECT_EQ(e.record->hazardCategory, (std::array<int, 4>{0, 0, 0, 0}));
    }
    EXPECT_TRUE(a.LB502.empty());
}

TEST(Catalogues, AnyLineEndsWithOrWithoutALastOne) {
    // The same catalogue as Windows, Linux and old Mac editors save it, each with and without
    // an end after its last line: an empty line is skipped, a line of blanks is a factor.
    const std::vector<std::string> expected{"hałas", "   ", " pole elektromagnetyczne ",
                                            "wibracja"};
    for (const std::string eol : {"\r\n", "\n", "\r"}) {
        for (const bool lastEnded : {true, false}) {
            SCOPED_TRACE(::testing::PrintToString(eol) + (lastEnded ? " ended" : " not ended"));
            ScratchFolder dir;
            dir.putText("fizyczne.txt", "hałas" + eol + eol + "   " + eol +
                                            " pole elektromagnetyczne " + eol + "wibracja" +
                                            (lastEnded ? eol : ""));
            Assessment a(kToday);
            EXPECT_EQ(WczytajCzynniki(a, dir / "fizyczne.txt", 2, kToday), 4);
            EXPECT_EQ(texts(a.LB503), expected);
        }
    }
    // Line ends mixed in one file, two empty lines in a row.
    ScratchFolder dir;
    dir.putText("pyly.txt", "pył drewna\n\r\n\rpył zbóż\rpył mąki\r\n");
    Assessment a(kToday);
    EXPECT_EQ(WczytajCzynniki(a, dir / "pyly.txt", 1, kToday), 3);
    EXPECT_EQ(texts(a.LB502), (std::vector<std::string>{"pył drewna", "pył zbóż", "pył mąki"}));
}

TEST(Catalogues, ThreeLinesWithEmptyMiddleGiveTwoEntries) {
    ScratchFolder dir;
    dir.putText("pyly.txt", "pył drewna\r\n\r\npył zbóż\r\n");
    Assessment a(kToday);
    WczytajCzynniki(a, dir / "pyly.txt", 1, kToday);
    EXPECT_EQ(texts(a.LB502), (std::vector<std::string>{"pył drewna", "pył zbóż"}));
    EXPECT_EQ(a.LB502[1].record->factorGroup, kDust);
}

TEST(Catalogues, LightingAndCurrentByFoldedNameWhateverTheCatalogue) {
    ScratchFolder dir;
    dir.putText("uciazliwe.txt", "Oświetlenie - natężenie\r\nOŚWIETLENIE - NATĘŻENIE\r\n"
                                 "oświetlenie - RÓWNOMIERNOŚĆ\r\nprąd elektryczny \r\n"
                                 "PRĄD ELEKTRYCZNY\r\nPrąd Elektryczny\r\n");
    Assessment a(kToday);
    WczytajCzynniki(a, dir / "uciazliwe.txt", 4, kToday);
    ASSERT_EQ(a.LB505.size(), 6u);
    EXPECT_EQ(a.LB505[0].record->factorGroup, kLighting);
    EXPECT_EQ(a.LB505[1].record->factorGroup, kOnerous); // only A-Z are folded
    // "Ó" and "Ś" are not folded, so this is not the lighting name.
    EXPECT_EQ(a.LB505[2].record->factorGroup, kOnerous);
    EXPECT_EQ(a.LB505[3].record->factorGroup, kOnerous); // no trimming
    EXPECT_EQ(a.LB505[4].record->factorGroup, kOnerous); // "Ą" stays capital
    EXPECT_EQ(a.LB505[5].record->factorGroup, kElectricCurrent);
}

TEST(Catalogues, LongLineShownWholeRecordKeeps255Characters) {
    ScratchFolder dir;
    std::string name;
    for (int i = 0; i < 300; ++i)
        name += i % 2 ? "ż" : "a";
    dir.putText("fizyczne.txt", name + "\r\n");
    Assessment a(kToday);
    WczytajCzynniki(a, dir / "fizyczne.txt", 2, kToday);
    ASSERT_EQ(a.LB503.size(), 1u);
    EXPECT_EQ(a.LB503[0].text, name);
    EXPECT_EQ(utf8Length(a.LB503[0].record->name), 255u);
    EXPECT_EQ(a.LB503[0].record->name, utf8Left(name, 255));
}

TEST(Catalogues, DodajCzynnik) {
    Assessment a(kToday);
    EXPECT_EQ(DodajCzynnik(a, "", 2, kToday), nullptr);
    EXPECT_EQ(DodajCzynnik(a, "hałas", 5, kToday), nullptr);
    EXPECT_EQ(DodajCzynnik(a, "hałas", -1, kToday), nullptr);
    EXPECT_TRUE(a.LB503.empty());

    // The same name twice: two entries, each with its own record.
    FactorEntry* first = DodajCzynnik(a, "hałas", 2, kToday);
    ASSERT_NE(first, nullptr);
    FactorEntry* second = DodajCzynnik(a, "hałas", 2, kToday);
    ASSERT_EQ(a.LB503.size(), 2u);
    EXPECT_EQ(second, &a.LB503[1]);
    EXPECT_NE(a.LB503[0].record.get(), a.LB503[1].record.get());
    a.LB503[0].record->Ed602 = "X";
    EXPECT_EQ(a.LB503[1].record->Ed602, "");

    // "prąd elektryczny" typed as a chemical factor stays in the chemical list with group 7.
    DodajCzynnik(a, "prąd elektryczny", 0, kToday);
    ASSERT_EQ(a.LB501.size(), 1u);
    EXPECT_EQ(a.LB501[0].record->factorGroup, kElectricCurrent);
}

TEST(Catalogues, MissingCatalogueThrowsAndAddsNothing) {
    ScratchFolder dir;
    Assessment a(kToday);
    try {
        WczytajCzynniki(a, dir / "brak.txt", 0, kToday);
        FAIL() << "no error";
    } catch (const FileError& e) {
        EXPECT_NE(e.path().find("brak.txt"), std::string::npos);
        EXPECT_NE(std::string(e.what()).find("brak.txt"), std::string::npos);
    }
    EXPECT_TRUE(a.LB501.empty());
}

TEST(LoadingSequence, LoadsQuestionsThenTheFiveCatalogues) {
    ScratchFolder dir;
    putStartupFiles(dir);
    Assessment a(kToday);
    // Whatever the lists held before is replaced.
    DodajCzynnik(a, "stary", 0, kToday);
    a.questions.DodajPytaniebhp("stare pytanie");

    loadQuestionsAndCatalogues(dir.path(), a, QuestionLines::Whole, kToday);
    EXPECT_EQ(a.questions.questionCount(), 2u);
    EXPECT_EQ(a.questions.label(1), "2. Pytanie drugie?");
    EXPECT_EQ(texts(a.LB501), (std::vector<std::string>{"amoniak", "benzen"}));
    EXPECT_EQ(a.LB502.size(), 1u);
    ASSERT_EQ(a.LB503.size(), 3u);
    EXPECT_EQ(a.LB503[1].record->factorGroup, kLighting);
    EXPECT_EQ(a.LB503[2].record->factorGroup, kElectricCurrent);
    EXPECT_EQ(a.LB504[0].record->factorGroup, kBiological);
    EXPECT_EQ(a.LB505[0].record->factorGroup, kOnerous);
}

TEST(LoadingSequence, StopsAtTheFirstMissingFileAndNamesIt) {
    ScratchFolder dir;
    putStartupFiles(dir);
    std::filesystem::remove(dir / "fizyczne.txt");
    std::filesystem::remove(dir / "uciazliwe.txt");
    Assessment a(kToday);
    try {
        loadQuestionsAndCatalogues(dir.path(), a, QuestionLines::CutTo255, kToday);
        FAIL() << "no error";
    } catch (const FileError& e) {
        EXPECT_EQ(std::filesystem::path(e.path()).filename(), "fizyczne.txt");
    }
    // Loaded before the failing file: the questions, the chemical and the dust catalogue.
    EXPECT_EQ(a.questions.questionCount(), 2u);
    EXPECT_EQ(a.LB501.size(), 2u);
    EXPECT_EQ(a.LB502.size(), 1u);
    // Not loaded: the failing one and those after it, though "biologiczne.txt" exists.
    EXPECT_TRUE(a.LB503.empty());
    EXPECT_TRUE(a.LB504.empty());
    EXPECT_TRUE(a.LB505.empty());
}

TEST(LoadingSequence, MissingQuestionsStopEverything) {
    ScratchFolder dir;
    putStartupFiles(dir);
    std::filesystem::remove(dir / "pytania.txt");
    Assessment a(kToday);
    DodajCzynnik(a, "stary", 0, kToday);
    try {
        loadQuestionsAndCatalogues(dir.path(), a, QuestionLines::Whole, kToday);
        FAIL() << "no error";
    } catch (const FileError& e) {
        EXPECT_EQ(std::filesystem::path(e.path()).filename(), "pytania.txt");
    }
    EXPECT_EQ(a.questions.questionCount(), 0u);
    for (int g = 0; g < kCatalogueCount; ++g)
        EXPECT_TRUE(a.factorList(g).empty()) << g;
}

TEST(LoadingSequence, QuestionLinesCutAtStartUpWholeForNewAssessment) {
    ScratchFolder dir;
    putStartupFiles(dir);
    std::string longLine;
    for (int i = 0; i < 300; ++i)
        longLine += "ą";
    dir.putText("pytania.txt", longLine + "\r\nkrótkie\r\n");
    Assessment a(kToday);
    loadQuestionsAndCatalogues(dir.path(), a, QuestionLines::CutTo255, kToday);
    ASSERT_EQ(a.questions.questionCount(), 2u);
    EXPECT_EQ(a.questions[0].text, utf8Left(longLine, 255));
    EXPECT_EQ(a.questions[1].text, "krótkie");
    loadQuestionsAndCatalogues(dir.path(), a, QuestionLines::Whole, kToday);
    ASSERT_EQ(a.questions.questionCount(), 2u);
    EXPECT_EQ(a.questions[0].text, longLine);
}

TEST(CatalogueWriting, AddsNewNamesAndKeepsLinesTheListLacks) {
    ScratchFolder dir;
    // The editor added "ozon" after the lists were filled; the list has a new factor.
    dir.putText("chemiczne.txt", "amoniak\r\nbenzen\r\nozon\r\n");
    Assessment a(kToday);
    DodajCzynnik(a, "amoniak", 0, kToday);
    DodajCzynnik(a, "benzen", 0, kToday);
    DodajCzynnik(a, "toluen", 0, kToday);
    writeCatalogue(dir / "chemiczne.txt", a.LB501);
    EXPECT_EQ(readBytes(dir / "chemiczne.txt"), "amoniak\r\nbenzen\r\nozon\r\ntoluen\r\n");

    // Nothing new: the file stays as it is.
    writeCatalogue(dir / "chemiczne.txt", a.LB501);
    EXPECT_EQ(readBytes(dir / "chemiczne.txt"), "amoniak\r\nbenzen\r\nozon\r\ntoluen\r\n");
}

TEST(CatalogueWriting, AFileWithLinuxLineEndsGetsOnlyTheNewName) {
    ScratchFolder dir;
    dir.putText("chemiczne.txt", "amoniak\nbenzen");
    Assessment a(kToday);
    WczytajCzynniki(a, dir / "chemiczne.txt", 0, kToday);
    DodajCzynnik(a, "toluen", 0, kToday);
    saveGroupToCatalogue(dir.path(), a, 0);
    EXPECT_EQ(readBytes(dir / "chemiczne.txt"), "amoniak\r\nbenzen\r\ntoluen\r\n");
}

TEST(CatalogueWriting, TheUsualCaseListOrderNewNameLast) {
    ScratchFolder dir;
    dir.putText("chemiczne.txt", "aceton\r\nfenol\r\n");
    Assessment a(kToday);
    WczytajCzynniki(a, dir / "chemiczne.txt", 0, kToday);
    DodajCzynnik(a, "kwas octowy", 0, kToday);
    saveGroupToCatalogue(dir.path(), a, 0);
    EXPECT_EQ(readBytes(dir / "chemiczne.txt"), utf8ToCp1250("aceton\r\nfenol\r\nkwas octowy\r\n"));
    Assessment b(kToday);
    WczytajCzynniki(b, dir / "chemiczne.txt", 0, kToday);
    EXPECT_EQ(texts(b.LB501), texts(a.LB501));
}

TEST(CatalogueWriting, DuplicatesCountedAndUnstorableCharactersNotAddedTwice) {
    ScratchFolder dir;
    dir.putText("fizyczne.txt", "hałas\r\n");
    Assessment a(kToday);
    DodajCzynnik(a, "hałas", 2, kToday);
    DodajCzynnik(a, "hałas", 2, kToday);     // added twice on purpose
    DodajCzynnik(a, "pole 5 μT", 2, kToday); // μ is not in Windows-1250
    writeCatalogue(dir / "fizyczne.txt", a.LB503);
    EXPECT_EQ(readBytes(dir / "fizyczne.txt"), utf8ToCp1250("hałas\r\nhałas\r\npole 5 ?T\r\n"));
    writeCatalogue(dir / "fizyczne.txt", a.LB503);
    EXPECT_EQ(readBytes(dir / "fizyczne.txt"), utf8ToCp1250("hałas\r\nhałas\r\npole 5 ?T\r\n"));
}

TEST(CatalogueWriting, MissingFileCreatedFailedWriteReported) {
    ScratchFolder dir;
    Assessment a(kToday);
    DodajCzynnik(a, "wirus grypy", 3, kToday);
    saveGroupToCatalogue(dir.path(), a, 3);
    EXPECT_EQ(readBytes(dir / "biologiczne.txt"), "wirus grypy\r\n");
    EXPECT_THROW(saveGroupToCatalogue(dir / "brak", a, 3), FileError);
}

TEST(FactorSelection, AddFromPageWritesOnlyWhenPermanent) {
    ScratchFolder dir;
    dir.putText("pyly.txt", "pył mąki\r\n");
    Assessment a(kToday);
    WczytajCzynniki(a, dir / "pyly.txt", 1, kToday);

    EXPECT_FALSE(addFactorFromPage(a, dir.path(), "", 1, true, kToday));
    EXPECT_EQ(a.LB502.size(), 1u);

    EXPECT_TRUE(addFactorFromPage(a, dir.path(), "pył gipsu", 1, false, kToday));
    EXPECT_EQ(readBytes(dir / "pyly.txt"), utf8ToCp1250("pył mąki\r\n"));

    EXPECT_TRUE(addFactorFromPage(a, dir.path(), "  ", 1, true, kToday));
    EXPECT_EQ(readBytes(dir / "pyly.txt"), utf8ToCp1250("pył mąki\r\npył gipsu\r\n  \r\n"));
    EXPECT_EQ(a.LB502.size(), 3u);

    // A catalogue that cannot be written: the error comes out, the entry stays.
    EXPECT_THROW(addFactorFromPage(a, dir / "brak", "pył zbóż", 1, true, kToday), FileError);
    ASSERT_EQ(a.LB502.size(), 4u);
    EXPECT_EQ(a.LB502.back().text, "pył zbóż");
}

TEST(FactorSelection, CountOverAllLists) {
    Assessment a(kToday);
    EXPECT_EQ(CzIleZaznaczonych(a), 0);
    DodajCzynnik(a, "amoniak", 0, kToday)->checked = true;
    DodajCzynnik(a, "pył", 1, kToday);
    DodajCzynnik(a, "hałas", 2, kToday)->checked = true;
    DodajCzynnik(a, "drgania", 2, kToday)->checked = true;
    EXPECT_EQ(CzIleZaznaczonych(a), 3);
    EXPECT_EQ(selectedCountText(3), "Liczba zaznaczonych czynników: 3");
    const auto chosen = chosenFactors(a);
    ASSERT_EQ(chosen.size(), 3u);
    EXPECT_EQ(chosen[0]->text, "amoniak");
    EXPECT_EQ(chosen[2]->text, "drgania");
    EXPECT_STREQ(addButtonCaption(9), "Dodaj do czynników UCIĄŻLIWYCH");
}

TEST(FactorSelection, ListToDescribeSortedWithRemainingCount) {
    Assessment a(kToday);
    const char* names[] = {"żelazo", "Benzen", "aceton", "ćma", "cynk", "Łój"};
    int group = 0;
    for (const char* n : names)
        DodajCzynnik(a, n, group++ % 5, kToday)->checked = true;
    DodajCzynnik(a, "nieużywany", 0, kToday); // unticked: not listed
    auto list = factorsToDescribe(a);
    std::vector<std::string> order;
    for (const auto& f : list)
        order.push_back(f.text);
    EXPECT_EQ(order,
              (std::vector<std::string>{"aceton", "Benzen", "cynk", "ćma", "Łój", "żelazo"}));
    EXPECT_EQ(remainingText(undescribedCount(list)), "Pozostało do opisania 6 czynników");
    EXPECT_FALSE(allDescribed(list));
    list[0].record->described = true;
    EXPECT_EQ(undescribedCount(factorsToDescribe(a)), 5u);
    EXPECT_EQ(factorCountText(list.size()), "Liczba czynników: 6");

    // Unticking keeps the record with its data; ticking again brings it back.
    FactorRecord* kept = list[0].record;
    a.LB503[0].checked = false;
    EXPECT_EQ(factorsToDescribe(a).size(), 5u);
    a.LB503[0].checked = true;
    EXPECT_EQ(factorsToDescribe(a)[0].record, kept);
}

TEST(FactorSelection, TwelveUndescribed) {
    Assessment a(kToday);
    for (int i = 0; i < 12; ++i)
        DodajCzynnik(a, "czynnik " + std::to_string(i), i % 5, kToday)->checked = true;
    const auto list = factorsToDescribe(a);
    EXPECT_EQ(remainingText(undescribedCount(list)), "Pozostało do opisania 12 czynników");
}

TEST(FactorFilter, IgnoresCaseAndPolishDiacritics) {
    const FactorFilter olow("olow");
    EXPECT_TRUE(olow.matches("ołów i jego związki nieorganiczne"));
    EXPECT_TRUE(olow.matches("tetraetyloOŁÓW"));
    EXPECT_FALSE(olow.matches("olej mineralny"));
    // The typed text may carry the diacritics and capitals itself.
    EXPECT_TRUE(FactorFilter("ŻELAZ").matches("tlenki żelaza - dymy"));
    EXPECT_TRUE(FactorFilter("zelaz").matches("TLENKI ŻELAZA"));
    EXPECT_TRUE(FactorFilter("śćźńę").matches("sczne"));
    EXPECT_TRUE(FactorFilter("Ą").matches("kwas"));
    // Other accented Latin letters fold to their base letter too.
    EXPECT_TRUE(FactorFilter("ecole").matches("École"));
    // Contained anywhere, blanks counted as typed.
    EXPECT_TRUE(FactorFilter("kwas o").matches("kwas octowy"));
    EXPECT_FALSE(FactorFilter("kwas  o").matches("kwas octowy"));
    EXPECT_TRUE(FactorFilter("(v)").matches("kwas azotowy(V)"));
    EXPECT_FALSE(FactorFilter("azotowy(VI)").matches("kwas azotowy(V)"));
}

TEST(FactorFilter, EmptyTextShowsEverything) {
    const FactorFilter none("");
    EXPECT_TRUE(none.empty());
    EXPECT_TRUE(none.matches(""));
    EXPECT_TRUE(none.matches("hałas"));
    EXPECT_FALSE(FactorFilter(" ").empty());
    EXPECT_FALSE(FactorFilter(" ").matches("hałas"));
    EXPECT_FALSE(FactorFilter("hałasy").matches("hałas"));
}
