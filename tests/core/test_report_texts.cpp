// The texts the report composes from the records: the result and interpretation lines of a
// measurement card, the verdict of a described factor, a worker's trainings, and the lines of a
// multi-line text.
#include "core/report/reporttexts.h"

#include <gtest/gtest.h>

#include "tests/support/test_support.h"

using namespace tarnik;
using tarnik::test_support::ymd;

TEST(ReportTexts, InterpretationLinesNameTheLimitOrPrintTheMultiple) {
    FactorRecord f;
    f.Ed607 = "P";
    f.Ed608 = "c";
    f.Ed609 = "0,8";
    f.Ed610 = "";
    EXPECT_EQ(interpretationLines(f),
              "Przekroczone NDSP w stosunku do wymagań ogólnych\r\n"
              "Przekroczone NDSCh w stosunku do kobiet\r\n"
              "Krotnośc NDS w stosunku do kobiet w ciąży lub w okresie karmienia: 0,8\r\n"
              "Krotnośc NDS w stosunku do młodocianych: ");
    f.Ed607 = "r";
    f.Ed608 = "R";
    f.Ed609 = "p";
    f.Ed610 = "PP";
    EXPECT_EQ(interpretationLines(f),
              "Działanie rakotwórcze lub mutagenne w stosunku do wymagań ogólnych\r\n"
              "Działanie rakotwórcze lub mutagenne w stosunku do kobiet\r\n"
              "Przekroczone NDSP w stosunku do kobiet w ciąży lub w okresie karmienia\r\n"
              "Krotnośc NDS w stosunku do młodocianych: PP");
}

TEST(ReportTexts, TheCardResultFollowsTheFormAndTheGroup) {
    FactorRecord f;
    f.Ed606 = "12 mg/m3";
    f.Ed607 = "0,5";
    f.factorGroup = kDust;
    EXPECT_EQ(measurementCardTexts(f).result, "12 mg/m3");
    EXPECT_EQ(measurementCardTexts(f).interpretation, interpretationLines(f));

    f.factorGroup = kLighting;
    f.Ed606 = "300 lx";
    EXPECT_EQ(measurementCardTexts(f).result, "300 lx\r\n- ");
    EXPECT_EQ(measurementCardTexts(f).interpretation, "Spełnia wymagania");
    f.Ed606 = "  ";
    f.RG602 = 1;
    EXPECT_EQ(measurementCardTexts(f).result, "  ");
    EXPECT_EQ(measurementCardTexts(f).interpretation, "Nie spełnia wymagań");
    f.RG602 = 2;
    EXPECT_EQ(measurementCardTexts(f).interpretation, "");

    f.factorGroup = kElectricCurrent;
    f.RG602 = 0;
    EXPECT_EQ(measurementCardTexts(f).result, " ");
    EXPECT_EQ(measurementCardTexts(f).interpretation, "Spełnia wymagania");

    f.factorGroup = kBiological;
    EXPECT_EQ(measurementCardTexts(f).result, "");
    EXPECT_EQ(measurementCardTexts(f).interpretation, "");

    f.descriptionForm = 1;
    f.Mem611 = "Praca w hałasie";
    EXPECT_EQ(measurementCardTexts(f).result, "Praca w hałasie");
    EXPECT_EQ(measurementCardTexts(f).interpretation, "Narażenie akceptowalne (czynnik uciążliwy)");
    f.descriptionForm = 2;
    EXPECT_EQ(measurementCardTexts(f).result, "");
}

TEST(ReportTexts, TheVerdictTakesTheFirstBoxThatHolds) {
    FactorRecord f; // CB601 is set on a new record
    EXPECT_EQ(verdictText(f), "Narażenie akceptowalne (czynnik uciążliwy)");
    f.CB601 = false;
    f.CB606 = true;
    f.CB607 = true;
    EXPECT_EQ(verdictText(f), "Działanie rakotwórcze lub mutagenne");
    f.CB606 = false;
    EXPECT_EQ(verdictText(f), "Powoduje zagrożenie bakteriami lub wirusami chorobotwórczymi");
    f.CB607 = false;
    const std::string head =
        "Narażenie nie do zaakceptowania (czynnik niebezpieczny) w stosunku do:\r\n";
    f.CB602 = f.CB603 = f.CB605 = true;
    EXPECT_EQ(verdictText(f), head + "- wszystkich grup pracowniczych");
    f.CB602 = false;
    f.CB604 = true;
    // The pregnant or nursing women stand only when the women do not.
    EXPECT_EQ(verdictText(f), head + "- kobiet- młodocianych");
    f.CB603 = false;
    EXPECT_EQ(verdictText(f), head + "- kobiet w ciąży lub w okresie karmienia- młodocianych");
    f.CB604 = f.CB605 = false;
    EXPECT_EQ(verdictText(f), head);
}

TEST(ReportTexts, TrainingListsLoseTheirFinalCommaButKeepTheirBlank) {
    WorkerRecord w;
    w.RB404 = true;
    w.RB405 = true;
    w.RB406 = false;
    w.RB407 = false;
    w.trainingCurrent = w.trainingCurrent2 = false;
    EXPECT_EQ(completedTrainings(w, 12), "ogólne, stanowiskowe ");
    EXPECT_EQ(missingTrainings(w, 12), " pierwsze okresowe,  kolejne okresowe ");
    // A current periodic training is not missing, even when none was done; both copies count.
    w.trainingCurrent = w.trainingCurrent2 = true;
    EXPECT_EQ(missingTrainings(w, 12), "");
    w.trainingCurrent2 = false;
    EXPECT_EQ(missingTrainings(w, 12), " pierwsze okresowe,  kolejne okresowe ");
    // Without a periodic interval only the general and the station training count.
    EXPECT_EQ(missingTrainings(w, 0), "");
    w.RB404 = false;
    EXPECT_EQ(missingTrainings(w, 0), "ogólne ");
    EXPECT_EQ(completedTrainings(w, 0), "stanowiskowe ");
    w.RB405 = false;
    EXPECT_EQ(completedTrainings(w, 12), "");

    w.RB406 = true;
    w.RB407 = true;
    w.DTP403 = ymd(2001, 6, 1);
    w.DTP404 = ymd(2003, 6, 1);
    EXPECT_EQ(completedTrainings(w, 12), " pierwsze okresowe,  kolejne okresowe ");
    EXPECT_EQ(periodicTrainingDates(w, 12, true),
              "Data piewszego szkolenia okresowego: 1 czerwca 2001    "
              "Data kolejnego szkolenia okresowego: 1 czerwca 2003");
    EXPECT_EQ(periodicTrainingDates(w, 12, false).substr(0, 37),
              "Data pierwszego szkolenia okresowego:");
    w.RB406 = false;
    EXPECT_EQ(periodicTrainingDates(w, 12, false),
              "Data kolejnego szkolenia okresowego: 1 czerwca 2003");
    EXPECT_EQ(periodicTrainingDates(w, 0, false), "");
}
