// The register of assessments: the row of a file, the dates that fall due, and the JSON, CSV and
// iCalendar written from the rows.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <set>
#include <sstream>

#include "core/base/text.h"
#include "core/evaluation/recompute.h"
#include "core/evaluation/summary.h"
#include "core/model/convert.h"
#include "core/model/trkfile.h"
#include "core/register/registerexport.h"
#include "core/register/registerrow.h"
#include "core/rules/factors/catalogues.h"
#include "core/rules/workers/training.h"
#include "tests/support/fixtures.h"
#include "tests/support/test_support.h"

using namespace tarnik;
namespace fs = std::filesystem;

namespace {

DayNumber day(int y, int m, int d) {
    return dayNumberFromCivil(y, m, d);
}

// The level of summaryAssessment() is 6594, dated 1 January 2004.
constexpr int kSummaryLevel = 6594;

Assessment summaryWithLimits(int a, int b, int c, int d) {
    Assessment s = fixtures::summaryAssessment();
    s.restoreBandLimits(a, b, c, d);
    return s;
}

std::unique_ptr<WorkerRecord> worker(const std::string& surname, DayNumber employed,
                                     DayNumber examination) {
    auto w = std::make_unique<WorkerRecord>();
    w->Ed401 = "Jan";
    w->Ed402 = surname;
    w->DTP401 = employed;
    w->DTP402 = examination;
    w->RB406 = false;
    w->RB407 = false;
    return w;
}

// The rows opened the whole way, as the command line does, without leaving anything out.
RegisterRow rowOpenedWhole(const fs::path& path) {
    Assessment a;
    a.questions.clear();
    EXPECT_FALSE(openForCommandLine(path, a).has_value()) << path;
    return registerRowOf(a);
}

std::vector<std::string> splitCrLf(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t end = text.find("\r\n", pos);
        if (end == std::string::npos) {
            lines.push_back(text.substr(pos));
            break;
        }
        lines.push_back(text.substr(pos, end - pos));
        pos = end + 2;
    }
    return lines;
}

// The content lines of an iCalendar text, continuation lines joined back.
std::vector<std::string> unfold(const std::string& ics) {
    std::vector<std::string> lines;
    for (const std::string& l : splitCrLf(ics)) {
        if (!l.empty() && l[0] == ' ' && !lines.empty())
            lines.back() += l.substr(1);
        else
            lines.push_back(l);
    }
    return lines;
}

std::vector<std::string> linesStartingWith(const std::vector<std::string>& lines,
                                           const std::string& prefix) {
    std::vector<std::string> out;
    for (const std::string& l : lines)
        if (l.rfind(prefix, 0) == 0) out.push_back(l.substr(prefix.size()));
    return out;
}

// A station with the whole shipped catalogues in its lists (most of a real file), every ninth
// factor ticked and described.
Assessment withShippedCatalogues() {
    const char* data = std::getenv("TARNIK_DATA_DIR");
    EXPECT_TRUE(data && *data)
        << "TARNIK_DATA_DIR is not set: the test runner gives the data folder";
    Assessment a = fixtures::evaluationAssessment();
    if (!data || !*data) return a;
    loadQuestionsAndCatalogues(data, a, QuestionLines::CutTo255, day(2024, 3, 1));
    for (int c = 0; c < kCatalogueCount; ++c) {
        FactorList& list = a.factorList(c);
        for (auto i = static_cast<std::size_t>(c); i < list.size(); i += 9) {
            list[i].checked = true;
            list[i].record->described = true;
            list[i].record->hazardCategory = {1 + c, 2, 0, 9};
        }
    }
    return a;
}

} // namespace

// ---------------------------------------------------------------------------------------------
// The row of an assessment

TEST(RegisterRow, TakesTheFiguresPrintingWouldShow) {
    Assessment a = fixtures::summaryAssessment();
    a.EdtZaklad = "Huta Łódź";
    a.EdtStanowisko = "Spawacz";
    a.EdtKStan = "SP-01";
    a.EdtNr = 3;
    a.Plan = {{"Wymienić wentylację", "", ""}, {"", "", ""}, {"", "Kowalski", ""}, {"", "", ""}};
    const Assessment before = a;

    const RegisterRow row = registerRowOf(a);
    EXPECT_EQ(a, before) << "the caller's assessment is left as it was";
    EXPECT_TRUE(row.readable());
    EXPECT_EQ(row.EdtZaklad, "Huta Łódź");
    EXPECT_EQ(row.EdtStanowisko, "Spawacz");
    EXPECT_EQ(row.EdtKStan, "SP-01");
    EXPECT_EQ(row.EdtNr, 3);
    EXPECT_EQ(row.DTPOcena, day(2004, 1, 1));
    // The third assessment divides the probability index by three: 720 becomes 240.
    EXPECT_EQ(row.riskLevel, 6416);
    EXPECT_EQ(row.riskGrade, "DUŻE");
    EXPECT_EQ(row.nextAssessment, (NextAssessment{NextAssessment::Kind::On, day(2004, 6, 29)}));
    EXPECT_EQ(row.planTasks, 2) << "a row with any cell filled is a task";
    ASSERT_EQ(row.workers.size(), 10u);
    EXPECT_EQ(row.workers[0].name, "Jan Adamski");
    EXPECT_FALSE(row.workers[0].trainingCurrentUntil) << "the plan requires no first training";
}

TEST(RegisterRow, NextAssessmentFollowsTheGradeAsTheRecommendationsSay) {
    struct Case {
        std::array<int, 4> limits;
        const char* grade;
        NextAssessment::Kind kind;
        int days;
    };
    // The level 6594 against moved band limits; each limit is the lowest level of its band.
    const Case cases[] = {
        {{7000, 8000, 9000, 10000}, "BARDZO MAŁE", NextAssessment::Kind::None, 0},
        {{kSummaryLevel + 1, 8000, 9000, 10000}, "BARDZO MAŁE", NextAssessment::Kind::None, 0},
        {{kSummaryLevel, 8000, 9000, 10000}, "MAŁE", NextAssessment::Kind::On, 730},
        {{900, kSummaryLevel + 1, 8000, 9000}, "MAŁE", NextAssessment::Kind::On, 730},
        {{900, kSummaryLevel, 8000, 9000}, "ŚREDNIE", NextAssessment::Kind::On, 365},
        {{900, 3000, kSummaryLevel + 1, 8000}, "ŚREDNIE", NextAssessment::Kind::On, 365},
        {{900, 3000, kSummaryLevel, 8000}, "DUŻE", NextAssessment::Kind::On, 180},
        {{900, 3000, 5000, kSummaryLevel + 1}, "DUŻE", NextAssessment::Kind::On, 180},
        {{900, 3000, 5000, kSummaryLevel}, "BARDZO DUŻE", NextAssessment::Kind::Immediately, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.grade + std::string(" from ") + std::to_string(c.limits[0]));
        Assessment a = summaryWithLimits(c.limits[0], c.limits[1], c.limits[2], c.limits[3]);
        const RegisterRow row = registerRowOf(a);
        EXPECT_EQ(row.riskLevel, kSummaryLevel);
        EXPECT_EQ(row.riskGrade, c.grade);
        EXPECT_EQ(row.nextAssessment.kind, c.kind);
        if (c.kind != NextAssessment::Kind::On) continue;
        EXPECT_EQ(row.nextAssessment.date, day(2004, 1, 1) + c.days);

        // The recommendations printed for the same assessment name the same day.
        Evaluation e;
        recomputeEvaluation(a, e);
        const std::string due = "nie później niż " + formatPolishDate(row.nextAssessment.date);
        EXPECT_NE(e.recommendationsText().find(due), std::string::npos) << e.recommendationsText();
    }
}

TEST(RegisterRow, ExaminationsDueOnTodayOrBeforeAreOverdue) {
    const DayNumber today = day(2024, 5, 15);
    Assessment a(day(2024, 1, 10));
    a.questions.clear();
    a.ListaPrac.insert(worker("Adamski", day(2020, 1, 1), today - 1));
    a.ListaPrac.insert(worker("Bąk", day(2020, 1, 1), today));
    a.ListaPrac.insert(worker("Cichy", day(2020, 1, 1), today + 1));
    const RegisterRow row = registerRowOf(a);
    ASSERT_EQ(row.workers.size(), 3u);
    EXPECT_EQ(row.workers[1].examination, today);
    EXPECT_EQ(row.examsOverdue(today), 2);
    EXPECT_EQ(row.examsOverdue(today - 1), 1);
    EXPECT_EQ(row.examsOverdue(today - 2), 0);
    EXPECT_EQ(row.examsOverdue(today + 1), 3);
    // The time of day plays no part.
    EXPECT_EQ(row.examsOverdue(today + 0.99), 2);
}

TEST(RegisterRow, TrainingsLapseTheDayAfterTheirLastCurrentDay) {
    const DayNumber today = day(2024, 5, 15);
    // First training within 6 months of employment, further ones every 12 months.
    Assessment a(day(2024, 1, 10));
    a.questions.clear();
    a.RG301 = 1;
    a.RG302 = 1;
    int n = 0;
    for (DayNumber firstTraining : {day(2023, 5, 14), day(2023, 5, 15), day(2023, 5, 16)}) {
        auto w = worker("Pracownik" + std::to_string(n++), day(2020, 1, 10), today + 400);
        w->RB406 = true;
        w->DTP403 = firstTraining;
        a.ListaPrac.insert(std::move(w));
    }
    RegisterRow row = registerRowOf(a);
    ASSERT_EQ(row.workers.size(), 3u);
    EXPECT_EQ(row.workers[0].trainingCurrentUntil, std::optional<DayNumber>(today - 1));
    EXPECT_EQ(row.workers[1].trainingCurrentUntil, std::optional<DayNumber>(today));
    EXPECT_EQ(row.workers[2].trainingCurrentUntil, std::optional<DayNumber>(today + 1));
    EXPECT_EQ(row.trainingsOverdue(today), 1);
    EXPECT_EQ(row.trainingsOverdue(today - 1), 0);
    EXPECT_EQ(row.trainingsOverdue(today + 1), 2);
    EXPECT_EQ(row.examsOverdue(today), 0);

    // While the first training's deadline is the later one, the worker is current until then:
    // first within 12 months, further every 6, nothing done yet.
    a.RG301 = 2;
    a.RG302 = 0;
    a.ListaPrac.clear();
    a.ListaPrac.insert(worker("Nowy", day(2023, 5, 15), today + 400));
    row = registerRowOf(a);
    ASSERT_EQ(row.workers.size(), 1u);
    EXPECT_EQ(row.workers[0].trainingCurrentUntil, std::optional<DayNumber>(today));
    EXPECT_EQ(row.trainingsOverdue(today), 0);
    EXPECT_EQ(row.trainingsOverdue(today + 1), 1);

    // A plan that requires no first training never lets it lapse.
    a.RG301 = 0;
    row = registerRowOf(a);
    EXPECT_FALSE(row.workers[0].trainingCurrentUntil);
    EXPECT_EQ(row.trainingsOverdue(today + 5000), 0);
}

TEST(RegisterRow, CountsAgreeWithTheWorkerPageOnEveryPlan) {
    const DayNumber employed = day(2021, 8, 31);
    const DayNumber first = day(2022, 2, 28);
    const DayNumber further = day(2023, 2, 28);
    for (int rg301 = 0; rg301 <= 2; ++rg301) {
        for (int rg302 = 0; rg302 <= 6; ++rg302) {
            Assessment a(day(2024, 1, 10));
            a.questions.clear();
            a.RG301 = rg301;
            a.RG302 = rg302;
            int n = 0;
            for (bool rb406 : {false, true}) {
                for (bool rb407 : {false, true}) {
                    auto w = worker("P" + std::to_string(n++), employed, further);
                    w->RB406 = rb406;
                    w->RB407 = rb407;
                    w->DTP403 = first;
                    w->DTP404 = further;
                    a.ListaPrac.insert(std::move(w));
                }
            }
            const RegisterRow row = registerRowOf(a);
            ASSERT_EQ(row.workers.size(), a.ListaPrac.size());
            const TrainingPlan plan = trainingPlanOf(a);
            for (std::size_t i = 0; i < row.workers.size(); ++i) {
                const WorkerRecord& w = a.ListaPrac[i];
                RegisterRow one;
                one.workers = {row.workers[i]};
                // Every day where a deadline can fall, with a day on each side.
                for (DayNumber today = employed - 1; today <= day(2030, 3, 2); today += 1) {
                    const bool current = PrAktualneSzkolenie(plan, today, w.RB406, w.RB407,
                                                             w.DTP403, w.DTP404, w.DTP401);
                    ASSERT_EQ(one.trainingsOverdue(today), current ? 0 : 1)
                        << "RG301 " << rg301 << " RG302 " << rg302 << " worker " << i << " on "
                        << isoDate(today);
                    ASSERT_EQ(one.examsOverdue(today), PrAktualneBadanie(w.DTP402, today) ? 0 : 1);
                }
            }
        }
    }
}

// ---------------------------------------------------------------------------------------------
// Reading a file

TEST(RegisterFile, ReadingGivesTheRowOfTheWholeAssessment) {
    test_support::ScratchFolder folder;
    std::vector<std::pair<std::string, Assessment>> samples;
    samples.emplace_back("full", fixtures::fullAssessment());
    samples.emplace_back("filled", fixtures::filledAssessment());
    samples.emplace_back("evaluation", fixtures::evaluationAssessment());
    samples.emplace_back("summary", fixtures::summaryAssessment());
    samples.emplace_back("report", fixtures::reportAssessment());
    samples.emplace_back("large", fixtures::largeAssessment(40, 300));
    samples.emplace_back("largeReport", fixtures::largeReportAssessment({30, 60, 50, 12}));

    Assessment catalogues = withShippedCatalogues();
    samples.emplace_back("catalogues", std::move(catalogues));

    for (const auto& [name, a] : samples) {
        SCOPED_TRACE(name);
        const fs::path path = folder / (name + ".trk");
        saveTrkFile(a, path);
        const RegisterRow row = readRegisterRow(path, "sub/" + name + ".trk");
        EXPECT_TRUE(row.readable()) << row.error;
        EXPECT_EQ(row.file, "sub/" + name + ".trk");
        RegisterRow whole = rowOpenedWhole(path);
        whole.file = row.file;
        EXPECT_EQ(row, whole);
        // And the same figures as the assessment before it was saved.
        RegisterRow before = registerRowOf(a);
        before.file = row.file;
        EXPECT_EQ(row, before);
    }
    EXPECT_GT(samples.back().second.factorList(0).size(), 50u);
}

TEST(RegisterFile, AFileThatCannotBeReadIsListedWithTheCommandLinesMessage) {
    test_support::ScratchFolder folder;
    const std::string bytes = serializeTrk(fixtures::summaryAssessment());
    folder.putBytes("cut.trk", bytes.substr(0, bytes.size() / 2));
    folder.putBytes("text.trk", "To nie jest ocena.");

    const RegisterRow cut = readRegisterRow(folder / "cut.trk", "cut.trk");
    EXPECT_FALSE(cut.readable());
    EXPECT_EQ(cut.file, "cut.trk");
    EXPECT_EQ(cut.error, summarizeTrkFile(folder / "cut.trk").message);
    EXPECT_EQ(cut.error.rfind("Plik jest uszkodzony lub niekompletny", 0), 0u) << cut.error;
    EXPECT_EQ(cut.error.find_first_of("\r\n"), std::string::npos);
    RegisterRow expected;
    expected.file = "cut.trk";
    expected.error = cut.error;
    EXPECT_EQ(cut, expected) << "no value of the half-read file is shown";

    // Cut among the unticked factors, which the register leaves out: the records counted and the
    // bytes read are told as when the whole file is read.
    const std::string big = serializeTrk(withShippedCatalogues());
    ASSERT_GT(big.size(), 300000u);
    folder.putBytes("big.trk", big.substr(0, big.size() * 2 / 3));
    const RegisterRow bigCut = readRegisterRow(folder / "big.trk", "big.trk");
    EXPECT_EQ(bigCut.error, summarizeTrkFile(folder / "big.trk").message);
    EXPECT_FALSE(bigCut.readable());

    const RegisterRow text = readRegisterRow(folder / "text.trk", "text.trk");
    EXPECT_EQ(text.error, kBadSignatureMessage);

    const RegisterRow missing = readRegisterRow(folder / "gone.trk", "gone.trk");
    EXPECT_FALSE(missing.readable());
    EXPECT_EQ(missing.error, summarizeTrkFile(folder / "gone.trk").message);
}

// ---------------------------------------------------------------------------------------------
// Stations and dates

TEST(RegisterStation, RowsOfOneStationShareTheirKey) {
    RegisterRow a;
    a.EdtZaklad = "Huta Łódź";
    a.EdtStanowisko = "Spawacz";
    a.EdtKStan = "SP-01";
    RegisterRow b;
    b.EdtZaklad = " HUTA LODZ ";
    b.EdtStanowisko = "spawacz";
    b.EdtKStan = "sp-01 ";
    EXPECT_EQ(stationKey(a), stationKey(b));

    RegisterRow otherCode = a;
    otherCode.EdtKStan = "SP-02";
    EXPECT_NE(stationKey(a), stationKey(otherCode));
    RegisterRow otherStation = a;
    otherStation.EdtStanowisko = "Spawacz II";
    EXPECT_NE(stationKey(a), stationKey(otherStation));

    // Words moved from one field to the next make another station.
    RegisterRow x;
    x.EdtZaklad = "Huta";
    x.EdtStanowisko = "Łódź Spawacz";
    RegisterRow y;
    y.EdtZaklad = "Huta Łódź";
    y.EdtStanowisko = "Spawacz";
    EXPECT_NE(stationKey(x), stationKey(y));
}

TEST(RegisterDates, OverdueBeforeTodaySoonWithinThirtyDays) {
    const DayNumber today = day(2024, 5, 15);
    EXPECT_EQ(dueState(today - 1, today), DueState::Overdue);
    EXPECT_EQ(dueState(today, today), DueState::Soon);
    EXPECT_EQ(dueState(today + 30, today), DueState::Soon);
    EXPECT_EQ(dueState(today + 31, today), DueState::Later);
    EXPECT_EQ(dueState(today + 7, today, 7), DueState::Soon);
    EXPECT_EQ(dueState(today + 8, today, 7), DueState::Later);
    EXPECT_EQ(dueState(today + 0.75, today + 0.25), DueState::Soon) << "days, not hours";

    EXPECT_EQ(dueState(NextAssessment{}, today), DueState::None);
    EXPECT_EQ(dueState(NextAssessment{NextAssessment::Kind::Immediately, 0}, today),
              DueState::Overdue);
    EXPECT_EQ(dueState(NextAssessment{NextAssessment::Kind::On, today - 1}, today),
              DueState::Overdue);
    EXPECT_EQ(dueState(NextAssessment{NextAssessment::Kind::On, today + 30}, today),
              DueState::Soon);
    EXPECT_EQ(dueState(NextAssessment{NextAssessment::Kind::On, today + 31}, today),
              DueState::Later);

    EXPECT_EQ(daysUntil(today + 12, today), 12);
    EXPECT_EQ(daysUntil(today - 3, today), -3);
    EXPECT_EQ(daysUntil(today + 1.1, today + 0.9), 1);
}

TEST(RegisterDates, IsoDatesBothWays) {
    EXPECT_EQ(isoDate(day(2004, 1, 1)), "2004-01-01");
    EXPECT_EQ(isoDate(day(987, 12, 31)), "0987-12-31");
    EXPECT_EQ(isoDate(day(2004, 2, 29) + 0.75), "2004-02-29");
    EXPECT_EQ(parseIsoDate("2024-02-29"), std::optional<DayNumber>(day(2024, 2, 29)));
    EXPECT_FALSE(parseIsoDate("2023-02-29"));
    EXPECT_FALSE(parseIsoDate("2024-2-29"));
    EXPECT_FALSE(parseIsoDate("2024-02-29 "));
    EXPECT_FALSE(parseIsoDate("2024/02/29"));
    EXPECT_FALSE(parseIsoDate("0000-01-01"));
}

// ---------------------------------------------------------------------------------------------
// Exports

namespace {

// Three rows: one with a date due, one of the highest band with its workers, one unreadable.
std::vector<RegisterRow> sampleRows() {
    RegisterRow dated;
    dated.file = "Huta/spawacz.trk";
    dated.EdtZaklad = "Huta \"Łódź\"\r\nul. Długa 1; Łódź";
    dated.EdtStanowisko = "Spawacz";
    dated.EdtKStan = "SP-01";
    dated.EdtNr = 2;
    dated.DTPOcena = day(2004, 1, 1);
    dated.riskLevel = 6594;
    dated.riskGrade = "DUŻE";
    dated.nextAssessment = {NextAssessment::Kind::On, day(2004, 6, 29)};
    dated.planTasks = 3;
    dated.workers = {{"Jan Nowak", day(2004, 6, 1), std::nullopt},
                     {"Anna Kowalska", day(2004, 7, 1), day(2004, 5, 31)}};

    RegisterRow immediate;
    immediate.file = "tokarz.trk";
    immediate.EdtZaklad = "Odlewnia";
    immediate.EdtStanowisko = "Tokarz";
    immediate.EdtNr = 1;
    immediate.DTPOcena = day(2003, 12, 31);
    immediate.riskLevel = 9000;
    immediate.riskGrade = "BARDZO DUŻE";
    immediate.nextAssessment = {NextAssessment::Kind::Immediately, 0};

    RegisterRow none = immediate;
    none.file = "biuro.trk";
    none.riskLevel = 10;
    none.riskGrade = "BARDZO MAŁE";
    none.nextAssessment = {};

    RegisterRow broken;
    broken.file = "zepsuty.trk";
    broken.error = "Nieprawidłowy format pliku.";
    return {dated, immediate, none, broken};
}

} // namespace

TEST(RegisterJson, KeysInOrderNullWhereNoAssessmentIsDue) {
    const std::string json = registerJson(sampleRows(), day(2004, 6, 1));
    EXPECT_EQ(json, R"([
  {
    "file": "Huta/spawacz.trk",
    "EdtZaklad": "Huta \"Łódź\"\r\nul. Długa 1; Łódź",
    "EdtStanowisko": "Spawacz",
    "EdtKStan": "SP-01",
    "EdtNr": 2,
    "DTPOcena": "2004-01-01",
    "riskLevel": 6594,
    "riskGrade": "DUŻE",
    "nextAssessment": "2004-06-29",
    "examsOverdue": 1,
    "trainingsOverdue": 1,
    "planTasks": 3
  },
  {
    "file": "tokarz.trk",
    "EdtZaklad": "Odlewnia",
    "EdtStanowisko": "Tokarz",
    "EdtKStan": "",
    "EdtNr": 1,
    "DTPOcena": "2003-12-31",
    "riskLevel": 9000,
    "riskGrade": "BARDZO DUŻE",
    "nextAssessment": "niezwłocznie",
    "examsOverdue": 0,
    "trainingsOverdue": 0,
    "planTasks": 0
  },
  {
    "file": "biuro.trk",
    "EdtZaklad": "Odlewnia",
    "EdtStanowisko": "Tokarz",
    "EdtKStan": "",
    "EdtNr": 1,
    "DTPOcena": "2003-12-31",
    "riskLevel": 10,
    "riskGrade": "BARDZO MAŁE",
    "nextAssessment": null,
    "examsOverdue": 0,
    "trainingsOverdue": 0,
    "planTasks": 0
  },
  {
    "file": "zepsuty.trk",
    "error": "Nieprawidłowy format pliku."
  }
]
)");
    // The counts are taken on the day asked for.
    const std::string dayBefore = registerJson(sampleRows(), day(2004, 5, 31));
    EXPECT_NE(dayBefore.find("\"examsOverdue\": 0,\n    \"trainingsOverdue\": 0"),
              std::string::npos);
    EXPECT_EQ(registerJson({}, day(2004, 6, 1)), "[]\n");
}

TEST(RegisterCsv, PolishSpreadsheetLayout) {
    const std::string csv = registerCsv(sampleRows(), day(2004, 6, 1));
    ASSERT_EQ(csv.substr(0, 3), "\xEF\xBB\xBF");
    const std::string expected =
        "Zakład;Stanowisko;Kod;Nr oceny;Data oceny;Poziom ryzyka;Ocena;Następna ocena;"
        "Badania nieaktualne;Szkolenia nieaktualne;Zadania planu;Plik\r\n"
        "\"Huta \"\"Łódź\"\"\r\nul. Długa 1; Łódź\";Spawacz;SP-01;2;2004-01-01;6594;DUŻE;"
        "2004-06-29;1;1;3;Huta/spawacz.trk\r\n"
        "Odlewnia;Tokarz;;1;2003-12-31;9000;BARDZO DUŻE;niezwłocznie;0;0;0;tokarz.trk\r\n"
        "Odlewnia;Tokarz;;1;2003-12-31;10;BARDZO MAŁE;;0;0;0;biuro.trk\r\n"
        ";;;;;;Nieprawidłowy format pliku.;;;;;zepsuty.trk\r\n";
    EXPECT_EQ(csv.substr(3), expected);
    EXPECT_EQ(registerColumnTitles().size(), 12u);

    // A field with a semicolon alone, or a lone line break, is quoted too.
    std::vector<RegisterRow> rows(1);
    rows[0].EdtStanowisko = "a;b";
    rows[0].EdtKStan = "x\ny";
    rows[0].file = "plain.trk";
    const std::string one = registerCsv(rows, 0);
    EXPECT_NE(one.find(";\"a;b\";\"x\ny\";"), std::string::npos) << one;
}

TEST(RegisterCalendar, OneAllDayEventPerDueDate) {
    const std::string ics = registerICalendar(sampleRows(), day(2024, 5, 15) + 0.5);
    const std::vector<std::string> raw = splitCrLf(ics);
    ASSERT_EQ(ics.substr(ics.size() - 2), "\r\n");
    EXPECT_EQ(ics.find('\n'), ics.find("\r\n") + 1) << "every line ends with CR LF";
    const std::vector<std::string> lines = unfold(ics);
    ASSERT_GE(lines.size(), 4u);
    EXPECT_EQ(lines.front(), "BEGIN:VCALENDAR");
    EXPECT_EQ(lines[1], "VERSION:2.0");
    EXPECT_EQ(linesStartingWith(lines, "PRODID:").size(), 1u);
    EXPECT_EQ(lines.back(), "END:VCALENDAR");

    // The dated assessment, two examinations and one training; nothing for "niezwłocznie", for
    // a grade that needs no further assessment or for the unreadable file.
    EXPECT_EQ(linesStartingWith(lines, "BEGIN:VEVENT").size(), 4u);
    EXPECT_EQ(linesStartingWith(lines, "END:VEVENT").size(), 4u);
    EXPECT_EQ(linesStartingWith(lines, "DTSTART;VALUE=DATE:"),
              (std::vector<std::string>{"20040629", "20040601", "20040701", "20040531"}));
    EXPECT_EQ(linesStartingWith(lines, "DTEND;VALUE=DATE:"),
              (std::vector<std::string>{"20040630", "20040602", "20040702", "20040601"}));
    EXPECT_EQ(linesStartingWith(lines, "DTSTAMP:"),
              (std::vector<std::string>(4, "20240515T120000Z")));
    EXPECT_EQ(
        linesStartingWith(lines, "SUMMARY:"),
        (std::vector<std::string>{"Ocena ryzyka: Spawacz (Huta \"Łódź\"\\, ul. Długa 1\\; Łódź)",
                                  "Badania lekarskie: Jan Nowak – Spawacz",
                                  "Badania lekarskie: Anna Kowalska – Spawacz",
                                  "Szkolenie okresowe: Anna Kowalska – Spawacz"}));

    const std::vector<std::string> uids = linesStartingWith(lines, "UID:");
    ASSERT_EQ(uids.size(), 4u);
    EXPECT_EQ(std::set<std::string>(uids.begin(), uids.end()).size(), 4u);
    for (const std::string& uid : uids)
        EXPECT_EQ(uid.substr(uid.size() - 7), "@tarnik");
    // The same rows exported another day give the same events.
    const std::vector<std::string> later =
        linesStartingWith(unfold(registerICalendar(sampleRows(), day(2025, 1, 1))), "UID:");
    EXPECT_EQ(later, uids);

    // A year's last day ends on the next year's first.
    std::vector<RegisterRow> rows = sampleRows();
    rows[0].nextAssessment.date = day(2004, 12, 31);
    EXPECT_EQ(linesStartingWith(unfold(registerICalendar(rows, 0)), "DTEND;VALUE=DATE:").front(),
              "20050101");
}

TEST(RegisterCalendar, TextIsEscapedAndLongLinesFolded) {
    RegisterRow row;
    row.file = "a\\b.trk";
    row.EdtStanowisko = "Spawacz, ślusarz; tokarz \\ frezer";
    // Two-byte letters from the first byte on, so that a cut at 75 octets would fall inside one
    // on some line.
    std::string longName;
    for (int i = 0; i < 40; ++i)
        longName += "Żółć ";
    row.EdtZaklad = longName + "\r\nZakład Produkcji Łożysk\nul. Łąkowa 5";
    row.nextAssessment = {NextAssessment::Kind::On, day(2024, 5, 15)};
    row.workers = {{"Łukasz Żółtowski-Źdźbło", day(2024, 5, 16), std::nullopt}};
    const std::string ics = registerICalendar({row, row}, day(2024, 5, 15));

    for (const std::string& l : splitCrLf(ics)) {
        EXPECT_LE(l.size(), 75u) << l;
        const std::string content = !l.empty() && l[0] == ' ' ? l.substr(1) : l;
        ASSERT_FALSE(content.empty());
        EXPECT_NE(static_cast<unsigned char>(content[0]) & 0xC0, 0x80)
            << "a line begins inside a character: " << l;
        EXPECT_EQ(utf8ToU32(content).find(U'\uFFFD'), std::u32string::npos);
    }

    const std::vector<std::string> lines = unfold(ics);
    const std::vector<std::string> summaries = linesStartingWith(lines, "SUMMARY:");
    ASSERT_EQ(summaries.size(), 4u);
    const std::string station = "Spawacz\\, ślusarz\\; tokarz \\\\ frezer";
    EXPECT_EQ(summaries[0], "Ocena ryzyka: " + station + " (" + trim(longName) +
                                "\\, Zakład Produkcji Łożysk\\, ul. Łąkowa 5)");
    EXPECT_EQ(summaries[1], "Badania lekarskie: Łukasz Żółtowski-Źdźbło – " + station);
    EXPECT_EQ(linesStartingWith(lines, "DESCRIPTION:").front(),
              longName + "\\nZakład Produkcji Łożysk\\nul. Łąkowa 5\\nPlik: a\\\\b.trk");

    // The same row twice still gives four distinct events.
    const std::vector<std::string> uids = linesStartingWith(lines, "UID:");
    EXPECT_EQ(std::set<std::string>(uids.begin(), uids.end()).size(), 4u);
}
