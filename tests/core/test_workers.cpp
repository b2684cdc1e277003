#include "core/base/text.h"
#include "core/rules/workers/training.h"
#include "core/rules/workers/workers.h"
#include "tests/support/test_support.h"

#include <gtest/gtest.h>

using namespace tarnik;
using tarnik::test_support::ymd;

namespace {

const DayNumber kAssessed = ymd(2004, 6, 15);

WorkerRecord fields(const std::string& first, const std::string& last, int category = kMen) {
    WorkerRecord w = clearedWorkerFields(kAssessed);
    w.Ed401 = first;
    w.Ed402 = last;
    w.workerCategory = category;
    return w;
}

std::vector<std::string> surnames(const Assessment& a) {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < a.ListaPrac.size(); ++i)
        out.push_back(a.ListaPrac[i].Ed402);
    return out;
}

} // namespace

TEST(Workers, AddingChecksNamesAndKeepsSortedOrder) {
    Assessment a(kAssessed);
    WorkerStoreResult r = PrDodajPrac(a, fields("", "Nowak"));
    EXPECT_FALSE(r.ok);
    EXPECT_STREQ(r.message, "Dane pracownika niekompletne. Brakuje imienia lub nazwiska.");
    r = PrDodajPrac(a, fields("Jan", ""));
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(a.ListaPrac.empty());

    EXPECT_TRUE(PrDodajPrac(a, fields("Jan", "Żak")).ok);
    r = PrDodajPrac(a, fields("Anna", "Adamczyk"));
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(r.index, 0u);
    EXPECT_TRUE(PrDodajPrac(a, fields(" ", "Łukasik")).ok); // a blank is a name
    EXPECT_TRUE(PrDodajPrac(a, fields("Ewa", "lis")).ok);
    // Polish order, case-sensitive: "lis" before "Łukasik" (l < ł), small before capital only
    // between otherwise equal names.
    EXPECT_EQ(surnames(a), (std::vector<std::string>{"Adamczyk", "lis", "Łukasik", "Żak"}));
}

TEST(Workers, RecordTextsCutAndVerdictsComputedAtAddition) {
    Assessment a(kAssessed);
    a.RG301 = 1;
    a.RG302 = 1;
    WorkerRecord w = fields(std::string(300, 'j'), "Kowalski");
    w.Ed403 = std::string(260, 'x');
    w.DTP401 = ymd(2003, 3, 1); // first deadline passed, nothing done since
    w.RB406 = false;
    w.RB407 = false;
    w.DTP402 = kAssessed; // examination due today: not current
    ASSERT_TRUE(PrDodajPrac(a, w).ok);
    const WorkerRecord& stored = a.ListaPrac[0];
    EXPECT_EQ(utf8Length(stored.Ed401), 255u);
    EXPECT_EQ(utf8Length(stored.Ed403), 255u);
    EXPECT_FALSE(stored.examinationCurrent);
    EXPECT_FALSE(stored.trainingCurrent);
    EXPECT_FALSE(stored.trainingCurrent2);

    w.RB406 = true;
    w.DTP403 = ymd(2003, 8, 10);
    w.DTP402 = ymd(2004, 6, 16);
    ASSERT_TRUE(PrKoniecEdycji(a, 0, w).ok);
    ASSERT_EQ(a.ListaPrac.size(), 1u);
    EXPECT_TRUE(a.ListaPrac[0].examinationCurrent);
    EXPECT_TRUE(a.ListaPrac[0].trainingCurrent);
    EXPECT_TRUE(a.ListaPrac[0].trainingCurrent2);
}

TEST(Workers, EndingAnEdit) {
    Assessment a(kAssessed);
    PrDodajPrac(a, fields("Anna", "Adamczyk"));
    PrDodajPrac(a, fields("Jan", "Kowalski"));
    const WorkerRecord before = a.ListaPrac[0];

    // Surname emptied: the long message, nothing changes.
    WorkerStoreResult r = PrKoniecEdycji(a, 0, fields("Anna", ""));
    EXPECT_FALSE(r.ok);
    EXPECT_STREQ(r.message, "Dane pracownika niekompletne. Brakuje imienia lub nazwiska. "
                            "Uzupełnij dane lub usuń tego pracownika z listy wciskając przycisk "
                            "\"Usuń\".");
    ASSERT_EQ(a.ListaPrac.size(), 2u);
    EXPECT_EQ(a.ListaPrac[0], before);

    // A new surname moves the worker to its sorted place.
    r = PrKoniecEdycji(a, 0, fields("Anna", "Zawada"));
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(r.index, 1u);
    EXPECT_EQ(surnames(a), (std::vector<std::string>{"Kowalski", "Zawada"}));
}

TEST(WorkerCounts, RegisterLocksTheCounts) {
    Assessment a(kAssessed);
    SE_pracownicy(a, kMen, "3");
    SE_pracownicy(a, kWomen, "2");
    EXPECT_EQ(a.SE_razem, "5");
    EXPECT_EQ(a.workerCounts, (std::array<int, 4>{3, 2, 0, 0}));
    EXPECT_TRUE(UpdateWorkers(a));
    EXPECT_EQ(a.workerCounts, (std::array<int, 4>{3, 2, 0, 0}));

    // The first worker, a juvenile, replaces the typed counts.
    PrDodajPrac(a, fields("Kamil", "Nowak", kJuveniles));
    EXPECT_FALSE(UpdateWorkers(a));
    EXPECT_FALSE(workerCountsEditable(a));
    EXPECT_EQ(a.workerCounts, (std::array<int, 4>{0, 0, 0, 1}));
    EXPECT_EQ(a.SE_m.get(), 0);
    EXPECT_EQ(a.SE_ml.get(), 1);
    EXPECT_EQ(a.SE_razem, "1");

    PrDodajPrac(a, fields("Ewa", "Bąk", kPregnantOrNursing));
    PrDodajPrac(a, fields("Ola", "Cis", kWomen));
    PrDodajPrac(a, fields("Iza", "Dąb", kWomen));
    UpdateWorkers(a);
    EXPECT_EQ(a.workerCounts, (std::array<int, 4>{0, 2, 1, 1}));
    EXPECT_EQ(a.SE_razem, "4");

    // Deleting every worker sets all counts and the total to 0 and unlocks them.
    while (!a.ListaPrac.empty())
        deleteWorker(a, 0);
    EXPECT_TRUE(workerCountsEditable(a));
    EXPECT_EQ(a.workerCounts, (std::array<int, 4>{0, 0, 0, 0}));
    EXPECT_EQ(a.SE_razem, "0");
    EXPECT_EQ(a.SE_k.get(), 0);
    EXPECT_FALSE(PrUsunPrac(a, 0));
}

TEST(WorkerCounts, TypedCounts) {
    Assessment a(kAssessed);
    EXPECT_EQ(SE_pracownicy(a, kMen, "7"), std::nullopt);
    EXPECT_EQ(SE_pracownicy(a, kPregnantOrNursing, "1"), std::nullopt);
    EXPECT_EQ(a.SE_razem, "8");
    // An emptied field shows "0".
    EXPECT_EQ(SE_pracownicy(a, kMen, ""), std::optional<std::string>("0"));
    EXPECT_EQ(a.workerCounts, (std::array<int, 4>{0, 0, 1, 0}));
    EXPECT_EQ(a.SE_razem, "1");
    // A lone sign while typing keeps the previous counts.
    SE_pracownicy(a, kWomen, "4");
    EXPECT_EQ(SE_pracownicy(a, kWomen, "-"), std::nullopt);
    EXPECT_EQ(SE_pracownicy(a, kWomen, "+"), std::nullopt);
    EXPECT_EQ(a.workerCounts, (std::array<int, 4>{0, 4, 1, 0}));
    EXPECT_EQ(a.SE_razem, "5");
    // A number beyond the bounds comes to the nearest one.
    EXPECT_EQ(SE_pracownicy(a, kJuveniles, "12000"), std::optional<std::string>("9999"));
    EXPECT_EQ(SE_pracownicy(a, kJuveniles, "-3"), std::optional<std::string>("0"));
    EXPECT_EQ(a.SE_razem, "5");
}

TEST(WorkerCounts, ForwardCheckNeedsAtLeastOneWorker) {
    Assessment a(kAssessed);
    EXPECT_TRUE(workersMissing(a));
    SE_pracownicy(a, kJuveniles, "1");
    EXPECT_FALSE(workersMissing(a));
    // A total that is no number, or below one, counts as none.
    a.SE_razem = "x";
    EXPECT_TRUE(workersMissing(a));
    a.SE_razem = "-2";
    EXPECT_TRUE(workersMissing(a));
    a.SE_razem = "0";
    EXPECT_TRUE(workersMissing(a));
}
