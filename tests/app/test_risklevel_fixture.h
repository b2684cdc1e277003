#pragma once
// The assessment the tests of the evaluation pages walk through: ten workers in all four groups,
// four described factors in five rows of the hazard card (and one factor not ticked), forty
// answered questions, accidents, a third assessment of the station with its plan figures and an
// expert index.
#include <QString>
#include <memory>

#include "app/platform/pathutil.h"
#include "core/model/assessment.h"
#include "core/model/trkfile.h"

namespace tarnik::testing {

inline Assessment evaluationFixture() {
    Assessment a(38061); // 15 March 2004
    a.EdtZaklad = "Zakład Mechaniczny \"Odlew\"";
    a.EdtStanowisko = "Szlifierz";
    a.EdtNr = 3;

    const struct {
        const char* first;
        const char* last;
        int category;
    } workers[] = {{"Adam", "Nowak", 0},  {"Bogdan", "Kowalski", 0}, {"Cezary", "Wójcik", 0},
                   {"Damian", "Lis", 0},  {"Edward", "Mazur", 0},    {"Anna", "Zając", 1},
                   {"Beata", "Król", 1},  {"Celina", "Wrona", 1},    {"Dorota", "Sowa", 2},
                   {"Jan", "Młodziak", 3}};
    for (const auto& w : workers) {
        auto r = std::make_unique<WorkerRecord>();
        r->Ed401 = w.first;
        r->Ed402 = w.last;
        r->workerCategory = w.category;
        r->Ed403 = "Szlifierz";
        r->DTP401 = 37000;
        r->DTP402 = 38400;
        a.ListaPrac.insert(std::move(r));
    }
    a.setWorkerCounts({5, 3, 1, 1});

    auto factor = [&](int catalogue, const char* name, std::array<int, 4> rows, bool ticked) {
        auto f = newFactorRecord(name, catalogue, 38000);
        f->hazardCategory = rows;
        f->described = true;
        a.factorList(catalogue).emplace_back(name, ticked, std::move(f));
    };
    factor(0, "Benzen", {1, 1, 1, 1}, true);
    factor(0, "Toluen", {2, 2, 2, 2}, false);
    factor(1, "Pył drewna", {6, 6, 6, 6}, true);
    factor(2, "Hałas", {7, 7, 7, 8}, true);
    factor(4, "Obciążenie fizyczne", {9, 9, 9, 9}, true);

    // 30 "TAK", 6 "NIE", 4 unanswered; of questions 34..38 two say "NIE".
    a.questions.clear();
    for (int n = 1; n <= 40; ++n)
        a.questions.DodajPytaniebhp("Czy na stanowisku spełniony jest wymóg numer " +
                                    std::to_string(n) + "?");
    for (std::size_t i = 0; i < 40; ++i)
        a.questions.setAnswer(i, "TAK");
    for (std::size_t i : {0u, 5u, 10u, 15u, 33u, 37u})
        a.questions.setAnswer(i, "NIE");
    for (std::size_t i : {1u, 2u, 3u, 36u})
        a.questions.setAnswer(i, "");

    a.SE901 = 2;
    a.SE902 = 3;
    a.SE903 = 1;
    a.SE904 = 45;
    a.SE905 = 1;
    a.SE1001 = 80;
    a.SE1002 = 9;
    a.SE1003 = 1000;
    a.SE1004 = 0; // the hazard card brings the current total
    a.SE1005 = 2;
    a.SE1006 = 2;
    a.SE1007 = 100;
    a.Memo1 = "Stan osłon szlifierek\r\nwymaga poprawy";
    return a;
}

inline void saveEvaluationFixture(const QString& file) {
    saveTrkFile(evaluationFixture(), toPath(file));
}

} // namespace tarnik::testing
