// What changed between two assessments: each section of the comparison from pairs that differ in
// known places, the comparison of an assessment with itself and with its file read back, the JSON
// of the command line and the printed document.
#include <gtest/gtest.h>

#include "core/base/text.h"
#include "core/layout/printrange.h"
#include "core/model/trkfile.h"
#include "core/reassessment/comparison.h"
#include "core/reassessment/comparisonreport.h"
#include "core/report/printoptions.h"
#include "tests/core/test_trkfile_support.h"
#include "tests/support/fixtures.h"
#include "tests/support/testcanvas.h"

using namespace tarnik;

namespace tarnik {
void PrintTo(const Difference& d, std::ostream* os) {
    const auto value = [](const std::optional<std::string>& v) {
        return v ? "\"" + *v + "\"" : "null";
    };
    *os << "{" << d.key << " | " << d.caption << " | " << value(d.oldValue) << " -> "
        << value(d.newValue) << "}";
}
} // namespace tarnik

namespace {

using Diffs = std::vector<Difference>;
constexpr std::nullopt_t none = std::nullopt;

DayNumber day(int y, int m, int d) {
    return dayNumberFromCivil(y, m, d);
}

std::vector<std::string> keys(const Diffs& list) {
    std::vector<std::string> out;
    for (const Difference& d : list)
        out.push_back(d.key);
    return out;
}

const Difference* find(const Diffs& list, const std::string& key) {
    for (const Difference& d : list)
        if (d.key == key) return &d;
    return nullptr;
}

void addWorker(Assessment& a, const std::string& first, const std::string& last, int group) {
    a.ListaPrac.insert(fixtures::currentWorker(first, last, group));
}

} // namespace

// ---------------------------------------------------------------------------------------------
// Nothing changed

TEST(Comparison, AnAssessmentComparedWithItselfOrItsFileReadBackHasNoDifferences) {
    const Assessment full = fixtures::fullAssessment();
    EXPECT_TRUE(compareAssessments(full, full).empty());
    const Assessment back = trk_test::roundTrip(full);
    const AssessmentComparison c = compareAssessments(full, back);
    EXPECT_TRUE(c.empty()) << comparisonJson(c);
    EXPECT_TRUE(compareAssessments(back, full).empty());
    EXPECT_EQ(comparisonJson(c), "{\n"
                                 "  \"general\": [],\n"
                                 "  \"workers\": [],\n"
                                 "  \"factors\": [],\n"
                                 "  \"figures\": [],\n"
                                 "  \"plan\": []\n"
                                 "}\n");
}

TEST(Comparison, AFileOfAnOlderFormatComparesWithTheSameAssessmentInTheCurrentOne) {
    // TRK2090 stores eight memo texts of the station description; the other two stay empty.
    Assessment a = fixtures::fullAssessment();
    a.mm(212).clear();
    a.mm(213).clear();
    const std::string current = serializeTrk(a);
    std::string old = current.substr(0, current.size() - 12) + test_support::int32Bytes(9999);
    old.replace(1, 7, "TRK2090");
    Assessment older = trk_test::cleared();
    ASSERT_TRUE(readTrk(older, old).ok());
    EXPECT_TRUE(compareAssessments(older, a).empty())
        << comparisonJson(compareAssessments(older, a));

    Assessment newer = a;
    newer.mm(212) = "Okulary ochronne";
    const AssessmentComparison c = compareAssessments(older, newer);
    EXPECT_EQ(c.general,
              (Diffs{{"mm212", "Środki ochrony indywidualnej", "", "Okulary ochronne"}}));
    EXPECT_TRUE(c.workers.empty() && c.factors.empty() && c.figures.empty() && c.plan.empty());
}

// ---------------------------------------------------------------------------------------------
// General data

TEST(Comparison, GeneralDataListsExactlyTheFieldsThatDifferWithTheirCaptions) {
    const Assessment older = fixtures::reportAssessment();
    Assessment newer = older;
    newer.EdtZaklad = "Huta Łódź S.A.\r\nul. Hutnicza 1";
    newer.EdtLStan = 4;
    newer.DTPOcena = day(2005, 3, 15);
    newer.ListKomisja = {{"Nowak", "Anna", "specjalista ds. bhp"}, {"Lis", "Ewa", ""}};
    newer.Ed203 = "przy oknie";
    newer.mm(205) = "MAG";
    newer.RG301 = 2;
    newer.RG302 = 5;

    const AssessmentComparison c = compareAssessments(older, newer);
    EXPECT_EQ(
        c.general,
        (Diffs{{"EdtZaklad", "Nazwa zakładu", "Huta Łódź", "Huta Łódź S.A.\r\nul. Hutnicza 1"},
               {"EdtLStan", "Liczba stanowisk", "1", "4"},
               {"DTPOcena", "Data oceny", "15 marca 2004", "15 marca 2005"},
               {"ListKomisja", "Skład komisji", "", "Anna Nowak, specjalista ds. bhp; Ewa Lis"},
               {"Ed203", "Ustawienie – lokalizacja", "", "przy oknie"},
               {"mm205", "Technologia", "", "MAG"},
               {"RG301", "Pierwsze szkolenie okresowe", "nie jest wymagane",
                "wymagane w okresie 12 miesięcy od dnia rozpoczęcia pracy"},
               {"RG302", "Kolejne szkolenia okresowe", "należy przeprowadzać co 6 miesięcy",
                "należy przeprowadzać co 5 lat"}}));
    EXPECT_TRUE(c.workers.empty() && c.factors.empty() && c.plan.empty());
    EXPECT_EQ(c.oldTitle, "Ocena nr 1 z 15 marca 2004 (Spawacz)");
    EXPECT_EQ(c.newTitle, "Ocena nr 1 z 15 marca 2005 (Spawacz)");
}

// ---------------------------------------------------------------------------------------------
// Workers

TEST(Comparison, WorkersAddedRemovedAndRegroupedByNameInBothDirections) {
    Assessment older = fixtures::reportAssessment();
    addWorker(older, "Jan", "Kowalski", kMen);
    addWorker(older, "Anna", "Nowak", kWomen);
    addWorker(older, "Piotr", "Zieliński", kMen);
    addWorker(older, "Piotr", "Zieliński", kJuveniles);
    Assessment newer = fixtures::reportAssessment();
    addWorker(newer, "Jan", "Kowalski", kMen);
    addWorker(newer, "Anna", "Nowak", kPregnantOrNursing);
    addWorker(newer, "Piotr", "Zieliński", kMen);
    addWorker(newer, "Ewa", "Lis", kWomen);

    const AssessmentComparison c = compareAssessments(older, newer);
    EXPECT_EQ(c.workers, (Diffs{{"Anna Nowak", "Anna Nowak", "kobieta",
                                 "kobieta w ciąży lub w okresie karmienia"},
                                {"Piotr Zieliński", "Piotr Zieliński", "młodociany", none},
                                {"Ewa Lis", "Ewa Lis", none, "kobieta"}}));
    EXPECT_TRUE(c.general.empty() && c.factors.empty() && c.plan.empty());

    const AssessmentComparison back = compareAssessments(newer, older);
    EXPECT_EQ(back.workers, (Diffs{{"Ewa Lis", "Ewa Lis", "kobieta", none},
                                   {"Anna Nowak", "Anna Nowak",
                                    "kobieta w ciąży lub w okresie karmienia", "kobieta"},
                                   {"Piotr Zieliński", "Piotr Zieliński", none, "młodociany"}}));
}

TEST(Comparison, TypedCountsAreComparedOnlyWhenNeitherAssessmentHasARegister) {
    Assessment older = fixtures::reportAssessment();
    older.setWorkerCounts({3, 0, 0, 1});
    Assessment newer = older;
    newer.setWorkerCounts({3, 2, 0, 0});
    const AssessmentComparison c = compareAssessments(older, newer);
    EXPECT_EQ(c.workers, (Diffs{{"SE_k", "Liczba pracowników: kobiet", "0", "2"},
                                {"SE_ml", "Liczba pracowników: młodocianych", "1", "0"}}));

    // With a register in the newer one its workers are listed, not the counts typed before.
    addWorker(newer, "Jan", "Kowalski", kMen);
    EXPECT_EQ(compareAssessments(older, newer).workers,
              (Diffs{{"Jan Kowalski", "Jan Kowalski", none, "mężczyzna"}}));
}

// ---------------------------------------------------------------------------------------------
// Factors and figures

TEST(Comparison, FactorsTickedUntickedAndTheirHazardRowsPerGroup) {
    Assessment older = fixtures::reportAssessment();
    fixtures::tickFactor(older, 0, "benzen").hazardCategory = {1, 1, 0, 0};
    fixtures::tickFactor(older, 2, "hałas").hazardCategory = {7, 7, 7, 7};
    fixtures::tickFactor(older, 4, "praca w pozycji wymuszonej");
    Assessment newer = older;
    newer.LB501[0].record->hazardCategory = {1, 6, 0, 3};
    newer.LB503[0].checked = false;
    newer.LB505.clear();
    fixtures::tickFactor(newer, 1, "pył mąki");
    older.LB502.emplace_back("pył mąki", false, nullptr);

    const AssessmentComparison c = compareAssessments(older, newer);
    EXPECT_EQ(
        c.factors,
        (Diffs{{"benzen — kobiety", "benzen — kobiety", "1. których przekroczone jest NDSP",
                "6. których wartości mieszczą się pomiędzy 0,5 a 1,0 NDN lub NDS"},
               {"benzen — młodociani", "benzen — młodociani", "brak",
                "3. których przekroczone są NDN lub NDS"},
               {"pył mąki", "pył mąki", "nie zaznaczony", "zaznaczony"},
               {"hałas", "hałas", "zaznaczony", "nie zaznaczony"},
               {"praca w pozycji wymuszonej", "praca w pozycji wymuszonej", "zaznaczony", none}}));
    EXPECT_TRUE(c.general.empty() && c.workers.empty() && c.plan.empty());
}

TEST(Comparison, TickingAFactorChangesTheFiguresOfTheEvaluation) {
    Assessment older = fixtures::reportAssessment();
    addWorker(older, "Jan", "Kowalski", kMen);
    addWorker(older, "Anna", "Nowak", kWomen);
    Assessment newer = older;
    fixtures::tickFactor(newer, 0, "benzen").hazardCategory = {1, 0, 0, 0};

    const AssessmentComparison c = compareAssessments(older, newer);
    EXPECT_EQ(c.factors, (Diffs{{"benzen", "benzen", none, "zaznaczony"}}));
    EXPECT_EQ(keys(c.figures),
              (std::vector<std::string>{"groupExposureIndex.men", "totalExposureIndex", "riskLevel",
                                        "riskGrade", "nextAssessment"}));
    EXPECT_EQ(
        *find(c.figures, "groupExposureIndex.men"),
        (Difference{"groupExposureIndex.men", "Wskaźnik narażenia — mężczyźni", "0", "2500"}));
    EXPECT_EQ(find(c.figures, "riskGrade")->caption, "Ryzyko");
    EXPECT_EQ(find(c.figures, "nextAssessment")->caption, "Termin następnej oceny");
    // The documents themselves are not changed by the comparison.
    EXPECT_EQ(newer.SE1004.get(), older.SE1004.get());
}

// ---------------------------------------------------------------------------------------------
// Plan

TEST(Comparison, TasksOfTheOlderPlanAreFinishedOnlyWhenTheNewerHasAHigherNumber) {
    Assessment older = fixtures::reportAssessment();
    older.EdtNr = 2;
    older.Plan = {{"Wymiana odciągu", "Jan Kowalski", "maj 2004"},
                  {"Szkolenie bhp", "Anna Nowak", "czerwiec 2004"},
                  {"", "", ""}};
    Assessment newer = older;
    newer.Plan = {{"Wymiana odciągu", "Jan Kowalski, Ewa Lis", "maj 2004"},
                  {"", "", ""},
                  {"Doświetlenie stanowiska", "Ewa Lis", "2005"}};

    // The same number: the task is gone from the plan, not carried out.
    const AssessmentComparison same = compareAssessments(older, newer);
    EXPECT_EQ(
        same.plan,
        (Diffs{{"Wymiana odciągu — osoby odpowiedzialne", "Wymiana odciągu — osoby odpowiedzialne",
                "Jan Kowalski", "Jan Kowalski, Ewa Lis"},
               {"Szkolenie bhp", "Szkolenie bhp", "w planie", "usunięte"},
               {"Doświetlenie stanowiska", "Doświetlenie stanowiska", none, "dodane"}}));
    EXPECT_TRUE(same.general.empty());

    newer.EdtNr = 3;
    newer.Plan[0][2] = "lipiec 2005";
    const AssessmentComparison next = compareAssessments(older, newer);
    EXPECT_EQ(
        next.plan,
        (Diffs{{"Wymiana odciągu — osoby odpowiedzialne", "Wymiana odciągu — osoby odpowiedzialne",
                "Jan Kowalski", "Jan Kowalski, Ewa Lis"},
               {"Wymiana odciągu — termin realizacji", "Wymiana odciągu — termin realizacji",
                "maj 2004", "lipiec 2005"},
               {"Szkolenie bhp", "Szkolenie bhp", "w planie", "zrealizowane"},
               {"Doświetlenie stanowiska", "Doświetlenie stanowiska", none, "dodane"}}));
    EXPECT_EQ(next.general, (Diffs{{"EdtNr", "Nr kolejny oceny stanowiska", "2", "3"}}));

    // An older assessment with the lower number compared the other way round: nothing finished.
    EXPECT_EQ(find(compareAssessments(newer, older).plan, "Doświetlenie stanowiska")->newValue,
              "usunięte");
}

TEST(Comparison, TheEarlierAssessmentByNumberThenByDate) {
    Assessment a = fixtures::reportAssessment();
    Assessment b = a;
    EXPECT_TRUE(assessedBefore(a, b));
    EXPECT_TRUE(assessedBefore(b, a));
    b.DTPOcena = a.DTPOcena + 1;
    EXPECT_TRUE(assessedBefore(a, b));
    EXPECT_FALSE(assessedBefore(b, a));
    a.EdtNr = 2; // a later number wins over an earlier date
    EXPECT_FALSE(assessedBefore(a, b));
    EXPECT_TRUE(assessedBefore(b, a));
}

// ---------------------------------------------------------------------------------------------
// JSON

TEST(Comparison, JsonHoldsEveryListWithEscapedTextsAndNullForAMissingValue) {
    AssessmentComparison c;
    c.general = {{"EdtZaklad", "Nazwa zakładu", "Huta \"Łódź\"", "Huta\r\nŁódź\\1"}};
    c.workers = {{"Ewa Lis", "Ewa Lis", none, "kobieta"},
                 {"Jan Kowalski", "Jan Kowalski", "mężczyzna", none}};
    c.plan = {{"Szkolenie\tbhp", "Szkolenie\tbhp", "w planie", "zrealizowane"}};
    EXPECT_EQ(
        comparisonJson(c),
        "{\n"
        "  \"general\": [\n"
        "    {\"field\": \"EdtZaklad\", \"old\": \"Huta \\\"Łódź\\\"\", \"new\": "
        "\"Huta\\r\\nŁódź\\\\1\"}\n"
        "  ],\n"
        "  \"workers\": [\n"
        "    {\"name\": \"Ewa Lis\", \"old\": null, \"new\": \"kobieta\"},\n"
        "    {\"name\": \"Jan Kowalski\", \"old\": \"mężczyzna\", \"new\": null}\n"
        "  ],\n"
        "  \"factors\": [],\n"
        "  \"figures\": [],\n"
        "  \"plan\": [\n"
        "    {\"name\": \"Szkolenie\\tbhp\", \"old\": \"w planie\", \"new\": \"zrealizowane\"}\n"
        "  ]\n"
        "}\n");
}

// ---------------------------------------------------------------------------------------------
// The printed comparison

namespace {

constexpr int kBottomMargin = 2970 - 200; // 20 mm

struct Printed {
    explicit Printed(const AssessmentComparison& c) {
        MemorySettingsStore store;
        options.WczytajOpcjeZRejestru(store);
        result = BuildComparisonReport(canvas, c, options);
    }
    int sheetOf(const std::string& text) const {
        for (const auto& t : canvas.texts)
            if (t.text == text) return t.sheet;
        return -1;
    }
    int count(const std::string& text) const {
        int n = 0;
        for (const auto& t : canvas.texts)
            n += t.text == text ? 1 : 0;
        return n;
    }
    TestCanvas canvas{2100, 2970, 4};
    PrintOptions options;
    ReportResult result;
};

AssessmentComparison titled() {
    AssessmentComparison c;
    c.oldTitle = "Ocena nr 1 z 15 marca 2004 (Spawacz)";
    c.newTitle = "Ocena nr 2 z 15 marca 2005 (Spawacz)";
    c.station = "Spawacz";
    return c;
}

} // namespace

TEST(ComparisonReport, AnEmptyComparisonPrintsItsTitlesAndNoDifferences) {
    const Printed p(titled());
    EXPECT_TRUE(p.result.ok);
    EXPECT_EQ(p.result.pageCount, 1);
    EXPECT_EQ(p.canvas.jobLog.front(), "begin Porównanie ocen");
    EXPECT_EQ(p.count("Ocena nr 1 z 15 marca 2004 (Spawacz)"), 1);
    EXPECT_EQ(p.count("Ocena nr 2 z 15 marca 2005 (Spawacz)"), 1);
    EXPECT_EQ(p.count("\r\nBrak różnic."), 1);
    EXPECT_EQ(p.count("Pozycja"), 0);
}

TEST(ComparisonReport, EveryDifferenceIsPrintedUnderItsSectionAndHeadingsRepeatOnEveryPage) {
    AssessmentComparison c = titled();
    c.general = {{"EdtZaklad", "Nazwa zakładu", "Huta Łódź", "Huta Łódź S.A."}};
    c.workers = {{"Ewa Lis", "Ewa Lis", none, "kobieta"}};
    c.figures = {{"riskGrade", "Ryzyko", "MAŁE", "ŚREDNIE"}};
    // A plan long enough for three pages, one task with a text longer than a page.
    for (int i = 1; i <= 60; ++i)
        c.plan.push_back({"Zadanie " + std::to_string(i), "Zadanie " + std::to_string(i),
                          "w planie", "zrealizowane"});
    std::string longTask;
    for (int i = 0; i < 600; ++i)
        longTask += "słowo" + std::to_string(i) + " ";
    c.plan.push_back({longTask, longTask, none, "dodane"});

    const Printed p(c);
    ASSERT_TRUE(p.result.ok);
    EXPECT_GE(p.result.pageCount, 4);
    EXPECT_EQ(p.count("Brak różnic."), 0);
    for (const char* text :
         {"Nazwa zakładu", "Huta Łódź", "Huta Łódź S.A.", "Ewa Lis", "—", "kobieta", "Ryzyko",
          "MAŁE", "ŚREDNIE", "Zadanie 1", "Zadanie 60", "\r\nDane ogólne\r\n", "\r\nPracownicy\r\n",
          "\r\nWskaźniki i poziom ryzyka\r\n", "\r\nPlan poprawy warunków pracy\r\n"})
        EXPECT_GE(p.count(text), 1) << text;
    EXPECT_EQ(p.count("\r\nCzynniki\r\n"), 0); // a section without differences is left out
    EXPECT_EQ(p.sheetOf("Zadanie 1"), p.sheetOf("\r\nPlan poprawy warunków pracy\r\n"));

    // Each sheet after the first that carries the plan begins its table with the headings.
    int sheets = 0;
    for (const auto& t : p.canvas.texts)
        sheets = std::max(sheets, t.sheet + 1);
    for (int sheet = p.sheetOf("Zadanie 1"); sheet < sheets; ++sheet) {
        const std::vector<std::string> texts = p.canvas.textsOnSheet(sheet);
        const auto heading = std::find(texts.begin(), texts.end(), "Pozycja");
        ASSERT_NE(heading, texts.end()) << "sheet " << sheet;
        EXPECT_EQ(*(heading + 1), "Poprzednia ocena");
        EXPECT_EQ(*(heading + 2), "Nowa ocena");
    }
    // Every word of the long task, and nothing below the bottom margin.
    std::string printed;
    for (const auto& t : p.canvas.texts) {
        if (t.text.find("słowo") != std::string::npos) printed += t.text + " ";
        for (const auto& line : t.lines)
            EXPECT_LE(line.y + p.canvas.lineHeight(t.font.points), kBottomMargin) << t.text;
    }
    for (const char* word : {"słowo0 ", "słowo299 ", "słowo599 "})
        EXPECT_NE(printed.find(word), std::string::npos) << word;
    // The running header names the station.
    EXPECT_NE(p.sheetOf("Porównanie ocen – Spawacz,   strona 2"), -1);
}

TEST(ComparisonReport, WithoutPolishLettersAndInTheChosenFace) {
    AssessmentComparison c = titled();
    c.general = {{"EdtZaklad", "Nazwa zakładu", "Huta Łódź", "Huta Żelazna"}};
    MemorySettingsStore store;
    PrintOptions options;
    options.setPolishLetters(false, store);
    options.setFontFace("Liberation Serif");
    TestCanvas canvas{2100, 2970, 4};
    ASSERT_TRUE(BuildComparisonReport(canvas, c, options).ok);
    std::vector<std::string> texts;
    for (const auto& t : canvas.texts) {
        texts.push_back(t.text);
        EXPECT_EQ(t.font.face, "Liberation Serif");
    }
    EXPECT_NE(std::find(texts.begin(), texts.end(), "Huta Lodz"), texts.end());
    EXPECT_NE(std::find(texts.begin(), texts.end(), "Huta Zelazna"), texts.end());
    EXPECT_EQ(std::find(texts.begin(), texts.end(), "Huta Łódź"), texts.end());
}
