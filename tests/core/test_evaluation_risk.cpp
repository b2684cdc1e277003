// The risk level page: safety and protection indices, the level, its grade and recommendations,
// the band limits and the risk chart.
#include <gtest/gtest.h>

#include "core/evaluation/evaluation.h"
#include "core/model/trkfile.h"
#include "tests/support/test_support.h"

using namespace tarnik;

namespace {

// A checklist of `answers.size()` questions with these answers.
void setAnswers(Assessment& a, const std::vector<std::string>& answers) {
    a.questions.clear();
    for (std::size_t i = 0; i < answers.size(); ++i) {
        a.questions.DodajPytaniebhp("Pytanie " + std::to_string(i + 1));
        a.questions.setAnswer(i, answers[i]);
    }
}

// 40 questions: 30 "TAK", 6 "NIE", 4 unanswered; questions 34..38 answer "NIE", "TAK", "TAK",
// nothing, "NIE".
std::vector<std::string> workedExampleAnswers() {
    std::vector<std::string> answers(40, "TAK");
    answers[33] = "NIE";
    answers[34] = "TAK";
    answers[35] = "TAK";
    answers[36] = "";
    answers[37] = "NIE";
    for (std::size_t i : {0u, 5u, 10u, 15u})
        answers[i] = "NIE";
    for (std::size_t i : {1u, 2u, 3u})
        answers[i] = "";
    return answers;
}

// An evaluation whose only non-zero component is the total exposure index x.
Evaluation withLevel(Assessment& a, int x) {
    Evaluation e;
    e.totalExposureIndex = x;
    a.questions.clear();
    e.recountRiskLevel(a);
    return e;
}

} // namespace

TEST(RiskLevel, SafetyAndProtectionIndices) {
    Assessment a(38061);
    setAnswers(a, workedExampleAnswers());
    Evaluation e;
    EXPECT_EQ(Evaluation::WskaznikBHP(a), 166);
    e.totalExposureIndex = 5010;
    EXPECT_EQ(e.WskaznikOchron(a), 2505);

    // Fewer than 38 questions: the missing positions are unanswered.
    setAnswers(a, std::vector<std::string>(35, "NIE"));
    EXPECT_EQ(Evaluation::WskaznikBHP(a), 1000);
    EXPECT_EQ(e.WskaznikOchron(a), 5010); // questions 34 and 35 only
    setAnswers(a, std::vector<std::string>(33, "NIE"));
    EXPECT_EQ(e.WskaznikOchron(a), 0);
    // Nothing answered.
    setAnswers(a, std::vector<std::string>(40, ""));
    EXPECT_EQ(Evaluation::WskaznikBHP(a), 0);
    EXPECT_EQ(e.WskaznikOchron(a), 0);
    // Answers other than "TAK" and "NIE" count in neither.
    setAnswers(a, {"tak", "NIE", "nie", "TAK"});
    EXPECT_EQ(Evaluation::WskaznikBHP(a), 500);
}

TEST(RiskLevel, WorkedExampleLevelGradeMemoAndChart) {
    Assessment a(dayNumberFromCivil(2004, 1, 1));
    setAnswers(a, workedExampleAnswers());
    Evaluation e;
    e.totalExposureIndex = 5010;
    e.frequencyIndex = 150;
    e.severityIndex = 22;
    e.fatalityAddend = 1000;
    e.correctedSeverityIndex = 1022;
    e.diseaseIndex = 50;
    e.probabilityIndex = 720;
    e.planIndex = 0;
    e.recountRiskLevel(a);

    EXPECT_EQ(e.safetyIndex, 166);
    EXPECT_EQ(e.protectionIndex, 2505);
    EXPECT_EQ(e.riskLevel, 6525);
    EXPECT_EQ(e.ST1101, "Poziom ryzyka: 6525");
    EXPECT_EQ(e.riskGrade, "DUŻE");
    EXPECT_EQ(e.StaticText23, "Ryzyko DUŻE");
    // The plain severity index is shown and charted, the corrected one enters the level.
    EXPECT_EQ(e.Memo7, (std::vector<std::string>{" ", " 5010", " 150", " 22", " 50", " 166",
                                                 " 2505", " 720", " 0", " 0", " 6525"}));
    const ChartData& c = e.Chart2.data();
    EXPECT_EQ(c.values, (std::vector<double>{5010, 150, 22, 50, 166, 2505, 720, 0, 0, 6525}));
    EXPECT_EQ(c.axisMax, 7000);
    EXPECT_EQ(c.axisStep, 1400);
    EXPECT_EQ(c.axisMin, 0);
    // "NIE" at question 34 puts the warning first; 180 days after 1 January 2004.
    EXPECT_EQ(e.Memo6, (std::vector<std::string>{
                           "UWAGA: Pracownicy nie stosują środków ochrony indywidualnej",
                           "Kolejną ocenę ryzyka zawodowego należy przeprowadzić nie później niż "
                           "29 czerwca 2004",
                           " ", "Należy opracowav plan poprawy warunków pracy", " ",
                           "Należy dokonać tego niezwłocznie"}));
    EXPECT_EQ(e.recommendationsText().find("\r\n \r\n"), e.Memo6[0].size() + 2 + e.Memo6[1].size());

    // The expert index shifts the level.
    a.SE1007 = -500;
    e.LiczRyzyko(a);
    EXPECT_EQ(e.riskLevel, 6025);
    EXPECT_EQ(e.expertIndex, -500);
    EXPECT_EQ(e.Memo7[9], " -500");
}

TEST(RiskLevel, NewAssessmentAndSingleComponents) {
    Assessment a(38061);
    a.questions.clear();
    Evaluation e;
    e.recountRiskLevel(a);
    EXPECT_EQ(e.ST1101, "Poziom ryzyka: 0");
    EXPECT_EQ(e.StaticText23, "Ryzyko BARDZO MAŁE");
    EXPECT_EQ(e.Memo6, (std::vector<std::string>{
                           "Nie trzeba przeprowadzać kolejnych ocen ryzyka zawodowego o ile "
                           "warunki pracy na stanowisku nie ulegną zmianie."}));
    EXPECT_EQ(e.Chart2.data().axisMax, 500);
    EXPECT_EQ(e.Chart2.data().axisStep, 100);

    // With every component 0 the expert index is ignored.
    a.SE1007 = 700;
    e.LiczRyzyko(a);
    EXPECT_EQ(e.riskLevel, 0);
    a.SE1007 = 0;

    // A single non-zero component x gives x.
    for (int x : {1, 7, 899, 123456})
        EXPECT_EQ(withLevel(a, x).riskLevel, x) << x;

    EXPECT_EQ(riskChartTop(0), 500);
    EXPECT_EQ(riskChartTop(499), 500);
    EXPECT_EQ(riskChartTop(500), 1000);
    EXPECT_EQ(riskChartTop(1000), 1500);
    EXPECT_EQ(riskChartTop(-20), 500);
    EXPECT_EQ(riskChartTop(2147483647), 2147483647);
}

TEST(RiskLevel, GradeEdgesWithTheDefaultLimits) {
    Assessment a(38061);
    EXPECT_EQ(withLevel(a, 899).riskGrade, "BARDZO MAŁE");
    EXPECT_EQ(withLevel(a, 900).riskGrade, "MAŁE");
    EXPECT_EQ(withLevel(a, 2999).riskGrade, "MAŁE");
    EXPECT_EQ(withLevel(a, 3000).riskGrade, "ŚREDNIE");
    EXPECT_EQ(withLevel(a, 4999).riskGrade, "ŚREDNIE");
    EXPECT_EQ(withLevel(a, 5000).riskGrade, "DUŻE");
    EXPECT_EQ(withLevel(a, 7999).riskGrade, "DUŻE");
    EXPECT_EQ(withLevel(a, 8000).riskGrade, "BARDZO DUŻE");
    // The report grades through OcenRyzyko on the level as it stands.
    Evaluation e = withLevel(a, 8000);
    e.riskLevel = 10;
    EXPECT_EQ(e.OcenRyzyko(a), "BARDZO MAŁE");
    EXPECT_EQ(e.riskGrade, "BARDZO DUŻE");
}

TEST(RiskLevel, RecommendationsPerGrade) {
    Assessment a(dayNumberFromCivil(2004, 1, 1));
    const std::string next =
        "Kolejną ocenę ryzyka zawodowego należy przeprowadzić nie później niż ";
    // 730 days, not two calendar years.
    EXPECT_EQ(withLevel(a, 900).Memo6, (std::vector<std::string>{next + "31 grudnia 2005"}));
    EXPECT_EQ(withLevel(a, 3000).Memo6,
              (std::vector<std::string>{next + "31 grudnia 2004", " ",
                                        "Należy opracować plan poprawy warunków pracy"}));
    EXPECT_EQ(withLevel(a, 8000).Memo6,
              (std::vector<std::string>{
                  "Należy opracować plan poprawy warunków pracy", " ",
                  "Należy dokonać tego niezwłocznie", " ",
                  "Uwaga: Do czasu zrealizowania planu naprawczego praca na stanowisku powinna "
                  "zostać wstrzymana",
                  " ",
                  "Kolejną ocenę ryzyka zawodowego należy przeprowadzić niezwłocznie po "
                  "realizacji planu poprawy warunków pracy"}));

    // "NIE" outside questions 34..38 adds no warning; inside it does, before the grade lines.
    Evaluation e;
    std::vector<std::string> answers(40, "TAK");
    answers[32] = "NIE";
    answers[38] = "NIE";
    setAnswers(a, answers);
    e.recountRiskLevel(a);
    EXPECT_EQ(e.Memo6.front().rfind("Nie trzeba", 0), 0u);
    answers[36] = "NIE";
    setAnswers(a, answers);
    e.recountRiskLevel(a);
    EXPECT_EQ(e.Memo6.front(), "UWAGA: Pracownicy nie stosują środków ochrony indywidualnej");
    EXPECT_EQ(e.Memo6.size(), 2u);
}

TEST(RiskLevel, OverflowingComponentsAreHeld) {
    // Accident inputs at the 32-bit limit make three components of 2147483647: their squares
    // add up beyond 64 bits.
    Assessment a(38061);
    a.questions.clear();
    a.setWorkerCounts({1, 0, 0, 0});
    a.SE901 = 1;
    a.SE902 = 2147483647;
    a.SE903 = 2147483647;
    a.SE905 = 2147483647;
    Evaluation e;
    e.recountAccidents(a);
    e.recountRiskLevel(a);
    EXPECT_EQ(e.riskLevel, 2147483647);
    EXPECT_EQ(e.riskGrade, "BARDZO DUŻE");
    EXPECT_EQ(e.Chart2.data().axisMax, 2147483647);
    EXPECT_EQ(e.Chart2.data().axisStep, 2147483647 / 5);
    // Σ = 3M and Q div Σ = M exactly, so the level before the shift is 2M; the lowest expert
    // index brings it back into range: 2M - 2^31 = M - 1.
    a.SE1007 = -2147483647 - 1;
    e.LiczRyzyko(a);
    EXPECT_EQ(e.riskLevel, 2147483646);
}

// ---------------------------------------------------------------------------------------------
// Band limits

TEST(BandLimits, RaisingALimitMovesItsNeighboursBoundsAndRegrades) {
    Assessment a(38061);
    Evaluation e = withLevel(a, 3500);
    EXPECT_EQ(e.riskGrade, "ŚREDNIE");
    test_support::ModifiedCounter modified;
    modified.attach(e);

    EXPECT_EQ(e.bandLimitChange(a, 2, "4000"), std::nullopt);
    EXPECT_EQ(a.SE1102.get(), 4000);
    EXPECT_EQ(e.E1102, "3999");
    EXPECT_EQ(a.SE1101.max(), 3998);
    EXPECT_EQ(a.SE1103.min(), 4002);
    EXPECT_EQ(e.riskGrade, "MAŁE"); // re-graded at once, level unchanged
    EXPECT_EQ(e.StaticText23, "Ryzyko MAŁE");
    EXPECT_EQ(e.riskLevel, 3500);
    EXPECT_EQ(modified.calls, 1);
    EXPECT_EQ(e.E1101, "899");
    EXPECT_EQ(e.E1103, "4999");
    EXPECT_EQ(e.E1104, "7999");
}

TEST(BandLimits, TypingLeavingEmptyAndUnparsableTexts) {
    Assessment a(38061);
    Evaluation e;
    test_support::ModifiedCounter modified;
    modified.attach(e);
    EXPECT_EQ(e.bandLimitChange(a, 1, "2500"), std::nullopt);
    EXPECT_EQ(a.SE1102.min(), 2502);
    // Typing "4000" key by key into SE1102 passes through values held at its lower bound
    // (SE1101 + 2) without disturbing SE1101.
    for (const char* typed : {"4", "40", "400", "4000"})
        EXPECT_EQ(e.bandLimitChange(a, 2, typed), std::nullopt) << typed;
    EXPECT_EQ(a.SE1101.get(), 2500);
    EXPECT_EQ(a.SE1102.get(), 4000);
    EXPECT_EQ(a.SE1101.max(), 3998);

    // Leaving shows the value held within the bounds.
    EXPECT_EQ(e.bandLimitChange(a, 2, " 4000 ", true), std::optional<std::string>("4000"));
    EXPECT_EQ(e.bandLimitChange(a, 2, "4000", true), std::nullopt);
    EXPECT_EQ(e.bandLimitChange(a, 3, "999999", true), std::optional<std::string>("7997"));
    EXPECT_EQ(a.SE1103.get(), 7997);
    EXPECT_EQ(a.SE1104.min(), 7999);
    EXPECT_EQ(a.SE1102.max(), 7995);

    // An empty text takes the lower bound.
    EXPECT_EQ(e.bandLimitChange(a, 1, ""), std::optional<std::string>("3"));
    EXPECT_EQ(a.SE1101.get(), 3);
    EXPECT_EQ(a.SE1102.min(), 5);
    EXPECT_EQ(e.E1101, "2");

    // A text that is no integer at all changes nothing and marks nothing.
    const Assessment before = a;
    const int calls = modified.calls;
    EXPECT_EQ(e.bandLimitChange(a, 4, "-"), std::nullopt);
    EXPECT_EQ(e.bandLimitChange(a, 4, "12x"), std::nullopt);
    EXPECT_EQ(a.SE1104.get(), before.SE1104.get());
    EXPECT_EQ(a.SE1103.max(), before.SE1103.max());
    EXPECT_EQ(modified.calls, calls);

    // A limit squeezed between its neighbours (equal bounds) shows that bound whatever is typed.
    a.SE1102.setBounds(4000, 4000);
    EXPECT_EQ(e.bandLimitChange(a, 2, "17"), std::optional<std::string>("4000"));
    EXPECT_EQ(a.SE1102.get(), 4000);

    // Re-grading opens SE1101 down to 3 again.
    a.SE1101.setBounds(50, 100);
    e.ZmianaRyzyka(a);
    EXPECT_EQ(a.SE1101.min(), 3);
    EXPECT_EQ(a.SE1101.max(), 100);
}

TEST(BandLimits, StoredLimitsComeBackExactly) {
    Assessment stored(38061);
    stored.restoreBandLimits(3500, 6000, 9000, 9500);
    const std::string bytes = serializeTrk(stored);

    Assessment a(40000);
    a.questions.clear();
    ASSERT_TRUE(readTrk(a, bytes).ok());
    Evaluation e;
    test_support::ModifiedCounter modified;
    modified.attach(e);
    e.afterDocumentLoaded(a);
    EXPECT_EQ(a.SE1101.get(), 3500);
    EXPECT_EQ(a.SE1102.get(), 6000);
    EXPECT_EQ(a.SE1103.get(), 9000);
    EXPECT_EQ(a.SE1104.get(), 9500);
    EXPECT_EQ(e.E1101, "3499");
    EXPECT_EQ(e.E1102, "5999");
    EXPECT_EQ(e.E1103, "8999");
    EXPECT_EQ(e.E1104, "9499");
    EXPECT_EQ(modified.calls, 0); // loading is not an edit
    // The bounds follow the restored neighbours.
    EXPECT_EQ(a.SE1101.min(), 3);
    EXPECT_EQ(a.SE1101.max(), 5998);
    EXPECT_EQ(a.SE1102.min(), 3502);
    EXPECT_EQ(a.SE1102.max(), 8998);
    EXPECT_EQ(a.SE1103.min(), 6002);
    EXPECT_EQ(a.SE1103.max(), 9498);
    EXPECT_EQ(a.SE1104.min(), 9002);
    // Grading uses them: a level of 8000 is "ŚREDNIE" here.
    e.riskLevel = 8000;
    e.ZmianaRyzyka(a);
    EXPECT_EQ(e.riskGrade, "ŚREDNIE");
    // Editing after the open goes on from the restored bounds.
    EXPECT_EQ(e.bandLimitChange(a, 4, "9100", true), std::nullopt);
    EXPECT_EQ(a.SE1103.max(), 9098);
}
