// The large assessments of the benchmarks.
#include <random>
#include <string>

#include "core/base/dates.h"
#include "core/rules/workers/workers.h"
#include "tests/support/fixtures.h"

namespace tarnik::fixtures {

namespace {

// `count` words from a fixed pool, chosen by `seed`.
std::string words(int seed, int count) {
    static const char* const pool[] = {
        "ocena",    "ryzyka",    "zawodowego", "stanowisko", "pracy",     "hałas",  "pyły",
        "czynniki", "szkodliwe", "środki",     "ochrony",    "zbiorowej", "pomiar", "wartość",
        "łączny",   "wskaźnik",  "spawalnia",  "maszyny",    "szkolenie", "zażółć"};
    std::string s;
    for (int i = 0; i < count; ++i) {
        if (i) s += ' ';
        s += pool[static_cast<unsigned>(seed * 7 + i * 13) % std::size(pool)];
    }
    return s;
}

} // namespace

Assessment largeAssessment(int workers, int factors) {
    Assessment a(38061);
    a.EdtZaklad = "Zakład Produkcji Łożysk";
    std::mt19937 rng(7);
    const char* surnames[] = {"Kowalski",  "Nowak",       "Wiśniewski", "Wójcik",     "Kowalczyk",
                              "Kamiński",  "Lewandowski", "Zieliński",  "Szymański",  "Woźniak",
                              "Dąbrowski", "Kozłowski",   "Jankowski",  "Mazur",      "Kwiatkowski",
                              "Krawczyk",  "Piotrowski",  "Grabowski",  "Nowakowski", "Pawłowski"};
    for (int i = 0; i < workers; ++i) {
        auto w = std::make_unique<WorkerRecord>();
        w->Ed401 = "Imię" + std::to_string(i);
        w->Ed402 = std::string(surnames[rng() % 20]) + std::to_string(rng() % 1000);
        w->workerCategory = static_cast<int>(rng() % 4);
        w->Ed403 = "Operator maszyn i urządzeń";
        w->DTP401 = 36000 + static_cast<double>(rng() % 3000);
        w->DTP402 = 38000 + static_cast<double>(rng() % 700);
        a.ListaPrac.insert(std::move(w));
    }
    for (int i = 0; i < factors; ++i) {
        const int c = i % kCatalogueCount;
        const std::string name = "Czynnik szkodliwy nr " + std::to_string(i);
        auto f = newFactorRecord(name, c, 38000);
        f->Ed605 = "PN-Z-04008-7:2002 Ochrona czystości powietrza";
        f->Mem611 = "Krótka charakterystyka czynnika, jego działania i źródeł emisji";
        a.factorList(c).emplace_back(name, i % 3 == 0, std::move(f));
    }
    for (int i = 0; i < 60; ++i)
        a.questions.DodajPytaniebhp("Pytanie kontrolne " + std::to_string(i));
    return a;
}

Assessment largeReportAssessment(const LargeReportSize& size) {
    const DayNumber today = dayNumberFromCivil(2004, 3, 15);
    Assessment a(today);
    a.questions.clear();
    a.EdtZaklad = "Zakład Produkcji Łożysk \"ŁÓDŹ\" S.A.";
    a.EdtRegon = "471234567";
    a.EdtStanowisko = "Spawacz";
    a.EdtKStan = "SP-01";
    a.EdtNr = 2;
    a.EdtJednostka = "Służba BHP";
    a.ListOdpow = {{"Kowalski", "Jan", "Kierownik"}, {"Nowak", "Anna", "Mistrz"}};
    a.ListKomisja = {{"Wiśniewska", "Ewa", "Specjalista BHP"}, {"Zieliński", "Piotr", "Lekarz"}};
    a.Ed201 = "Spawalnia";
    a.Ed202 = "Hala 3";
    a.Ed203 = "Przy bramie";
    for (int n = 204; n <= 213; ++n)
        a.mm(n) = words(n, 30);
    a.RG301 = 1;
    a.RG302 = 2;
    for (int i = 0; i < size.workers; ++i) {
        auto w = std::make_unique<WorkerRecord>();
        w->Ed401 = "Jan";
        w->Ed402 = "Nowak " + std::to_string(10000 + i);
        w->workerCategory = i % 4;
        w->Ed403 = "Spawacz";
        w->DTP401 = today - 2000 - i;
        w->DTP402 = today + (i % 3 ? 100 : -5);
        w->RB404 = i % 5 != 0;
        w->RB406 = i % 2 == 0;
        w->DTP403 = today - 700;
        w->DTP404 = today - 300;
        w->examinationCurrent = i % 3 != 0;
        w->trainingCurrent = w->trainingCurrent2 = i % 4 != 0;
        a.ListaPrac.insert(std::move(w));
    }
    for (int i = 0; i < size.factors; ++i) {
        const int list = i % kCatalogueCount;
        auto f = newFactorRecord("Czynnik " + std::to_string(1000 + i), list, today - 30);
        f->Ed602 = "K-" + std::to_string(i);
        f->ED603 = "Stanowisko spawania";
        f->Ed604 = "Laboratorium";
        f->Ed605 = "PN-Z-04008";
        f->Ed606 = "0,5 mg/m3";
        f->Ed607 = "P";
        f->Ed608 = "0,7";
        f->Ed609 = "c";
        f->Ed610 = "";
        f->descriptionForm = list == 4 ? 1 : 0;
        f->Mem611 = words(i, 12);
        f->hazardCategory = {1 + i % 9, 6, 7, 9};
        f->described = true;
        const std::string name = f->name;
        a.factorList(list).emplace_back(name, true, std::move(f));
    }
    for (int i = 0; i < size.questions; ++i) {
        a.questions.DodajPytaniebhp("Czy " + words(i, 8) + "?");
        a.questions.setAnswer(static_cast<std::size_t>(i), i % 3 ? "TAK" : "NIE");
    }
    a.Plan.clear();
    for (int i = 0; i < size.planRows; ++i)
        a.Plan.push_back({"Zadanie " + std::to_string(i + 1) + ": " + words(i, 10), "Kowalski",
                          "30 czerwca 2004"});
    if (a.Plan.empty()) a.Plan.push_back({});
    a.SE901 = 2;
    a.SE902 = 2;
    a.SE904 = 30;
    a.SE1001 = 50;
    a.SE1002 = 5;
    a.Osoby = "Jan Kowalski\r\nAnna Nowak";
    return a;
}

WorkerRecord numberedWorker(DayNumber assessmentDate, int i, int count) {
    WorkerRecord w = clearedWorkerFields(assessmentDate);
    w.Ed401 = "Jan";
    w.Ed402 = "Pracownik " + std::to_string(100000 + (i * 7919) % count);
    w.workerCategory = i % 4;
    return w;
}

} // namespace tarnik::fixtures
