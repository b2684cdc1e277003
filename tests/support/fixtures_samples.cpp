// The smaller sample assessments: the file tests', the evaluation pages', the summary's and the
// report tests'.
#include <array>
#include <string>
#include <vector>

#include "core/base/dates.h"
#include "tests/support/fixtures.h"

namespace tarnik::fixtures {

Assessment filledAssessment() {
    Assessment a(38061); // 15 March 2004
    a.EdtZaklad = "Zakład Produkcji Łożysk \"ŁÓDŹ\" S.A.\r\nul. Żółkiewskiego 12";
    a.EdtRegon = "471234567";
    a.EdtNr = 3;
    a.EdtStanowisko = "Spawacz";
    a.EdtKStan = "SP-01";
    a.EdtLStan = 4;
    a.EdtJednostka = "Służba BHP";
    a.ListOdpow = {{"Kowalski", "Jan", "Kierownik"}, {"Nowak", "Anna", "Mistrz"}};
    a.ListKomisja = {{"Wiśniewska", "Ewa", "Specjalista BHP"}};
    a.Ed201 = "Wydział spawalni";
    a.Ed202 = "Hala 3";
    a.Ed203 = "Przy bramie";
    for (int n = 204; n <= 213; ++n)
        a.mm(n) = "Opis " + std::to_string(n) + "\r\nDruga linia ąęśćżźńół";
    a.RG301 = 2;
    a.RG302 = 5;

    auto worker = [](const char* first, const char* last, int cat) {
        auto w = std::make_unique<WorkerRecord>();
        w->Ed401 = first;
        w->Ed402 = last;
        w->workerCategory = cat;
        w->Ed403 = "Spawacz";
        w->DTP401 = 37000;
        w->RB402 = true;
        w->RB403 = false;
        w->DTP402 = 38100.5;
        w->RB404 = true;
        w->RB405 = false;
        w->RB406 = true;
        w->DTP403 = 37200;
        w->RB407 = false;
        w->DTP404 = 37300;
        w->examinationCurrent = true;
        w->trainingCurrent = true;
        w->trainingCurrent2 = true;
        return w;
    };
    a.ListaPrac.insert(worker("Zenon", "Żak", 0));
    a.ListaPrac.insert(worker("Adam", "Łukasik", 3));
    a.ListaPrac.insert(worker("Ola", "Lis", 1));
    a.ListaPrac.insert(worker("Iza", "Adamska", 2));
    a.setWorkerCounts({1, 1, 1, 1});

    for (int c = 0; c < kCatalogueCount; ++c) {
        for (int i = 0; i < 2; ++i) {
            auto f =
                newFactorRecord("Czynnik " + std::to_string(c) + "." + std::to_string(i), c, 38000);
            f->described = i == 0;
            f->Ed602 = "K-" + std::to_string(c);
            f->descriptionForm = 1;
            f->ED603 = "Stanowisko";
            f->Ed604 = "Laboratorium";
            f->Ed605 = "PN-Z-04008";
            f->Ed606 = "0,5 mg/m3";
            f->Ed607 = "P";
            f->Ed608 = "0,7";
            f->Ed609 = "1";
            f->Ed610 = "0,3";
            f->RG603 = 1;
            f->RG604 = 2;
            f->RG605 = 1;
            f->RG606 = 2;
            f->RG602 = 1;
            f->Mem611 = "Charakterystyka";
            f->CB601 = false;
            f->CB602 = true;
            f->CB603 = true;
            f->CB604 = true;
            f->CB605 = true;
            f->CB606 = false;
            f->CB607 = true;
            f->hazardCategory = {1, 6, 6, 7};
            std::string text = f->name;
            a.factorList(c).emplace_back(text, i == 0, std::move(f));
        }
    }

    a.questions.DodajPytaniebhp("Czy maszyny mają osłony?");
    a.questions.DodajPytaniebhp("Czy substancje niebezpieczne posiadają pakowania zgodne z normą?");
    a.questions.DodajPytaniebhp("");
    a.questions.setAnswer(0, "TAK");
    a.questions.setAnswer(1, "NIE");

    for (int row = 1; row <= 9; ++row)
        a.weight(row) = 100 + row;
    a.SE901 = 2;
    a.SE902 = 3;
    a.SE903 = 1;
    a.SE904 = 45;
    a.SE905 = 1;
    a.SE1001 = 80;
    a.SE1002 = 9;
    a.SE1003 = 3000;
    a.SE1004 = 6000;
    a.SE1005 = 2;
    a.SE1006 = -1;
    a.SE1007 = -500;
    a.Memo1 = "Uzasadnienie\r\neksperta";
    a.restoreBandLimits(3500, 6000, 9000, 9500);

    a.Plan.clear();
    a.Plan.push_back({"Wymiana osłon", "Kowalski", "30 czerwca 2004"});
    a.Plan.push_back({"Szkolenie\r\nuzupełniające", "Nowak", "2004"});
    a.Osoby = "Jan Kowalski\r\nAnna Nowak";
    return a;
}

Assessment evaluationAssessment() {
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

namespace {

std::unique_ptr<WorkerRecord> registeredWorker(const char* surname, int category) {
    auto w = std::make_unique<WorkerRecord>();
    w->Ed401 = "Jan";
    w->Ed402 = surname;
    w->workerCategory = category;
    return w;
}

void addFactor(Assessment& a, int catalogue, const char* name, bool checked, int row) {
    auto r = newFactorRecord(name, catalogue, 38000);
    r->hazardCategory = {row, row, row, row};
    r->described = true;
    a.factorList(catalogue).emplace_back(name, checked, std::move(r));
}

} // namespace

Assessment summaryAssessment() {
    Assessment a(dayNumberFromCivil(2004, 1, 1));
    a.questions.clear();
    a.setWorkerCounts({1, 1, 1, 1});
    for (const char* s : {"Adamski", "Bąk", "Cichy", "Dudek", "Ejsmont", "Filipek"})
        a.ListaPrac.insert(registeredWorker(s, kMen));
    for (const char* s : {"Górska", "Hajduk", "Iwańska", "Jasińska"})
        a.ListaPrac.insert(registeredWorker(s, kWomen));
    addFactor(a, 0, "Benzen", true, 1);
    addFactor(a, 0, "Toluen", false, 2);
    addFactor(a, 2, "Hałas", true, 7);
    a.SE901 = 2;
    a.SE902 = 3;
    a.SE903 = 1;
    a.SE904 = 45;
    a.SE905 = 1;
    a.SE1001 = 80;
    a.SE1002 = 9;
    std::vector<std::string> answers(40, "TAK");
    for (std::size_t i : {33u, 37u, 0u, 5u, 10u, 15u})
        answers[i] = "NIE";
    for (std::size_t i : {1u, 2u, 3u, 36u})
        answers[i] = "";
    for (std::size_t i = 0; i < answers.size(); ++i) {
        a.questions.DodajPytaniebhp("Pytanie " + std::to_string(i + 1));
        a.questions.setAnswer(i, answers[i]);
    }
    return a;
}

Assessment reportAssessment() {
    Assessment a(dayNumberFromCivil(2004, 3, 15));
    a.questions.clear();
    a.EdtZaklad = "Huta Łódź";
    a.EdtStanowisko = "Spawacz";
    return a;
}

std::unique_ptr<WorkerRecord> currentWorker(const std::string& first, const std::string& last,
                                            int category) {
    auto w = std::make_unique<WorkerRecord>();
    w->Ed401 = first;
    w->Ed402 = last;
    w->workerCategory = category;
    w->Ed403 = "Spawacz";
    w->DTP401 = dayNumberFromCivil(2001, 2, 1);
    w->DTP402 = dayNumberFromCivil(2005, 1, 10);
    w->DTP403 = dayNumberFromCivil(2001, 6, 1);
    w->DTP404 = dayNumberFromCivil(2003, 6, 1);
    w->examinationCurrent = true;
    w->trainingCurrent = true;
    w->trainingCurrent2 = true;
    return w;
}

FactorRecord& tickFactor(Assessment& a, int list, const std::string& name) {
    auto record = newFactorRecord(name, list, dayNumberFromCivil(2004, 2, 1));
    FactorRecord& ref = *record;
    a.factorList(list).emplace_back(name, true, std::move(record));
    return ref;
}

} // namespace tarnik::fixtures
