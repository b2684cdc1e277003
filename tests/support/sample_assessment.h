#pragma once
// Assessments for the tests: one with every field filled, and helpers for raw file bytes.
#include <cstdint>
#include <string>

#include "core/model/assessment.h"

namespace tarnik::sample {

// An assessment in which every field differs from its New value.
inline Assessment filledAssessment() {
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

inline std::string int32Bytes(std::int32_t v) {
    std::string s(4, '\0');
    for (int i = 0; i < 4; ++i)
        s[static_cast<std::size_t>(i)] =
            static_cast<char>((static_cast<std::uint32_t>(v) >> (8 * i)) & 0xFF);
    return s;
}

inline std::int32_t int32At(const std::string& s, std::size_t at) {
    std::uint32_t u = 0;
    for (int i = 0; i < 4; ++i)
        u |= static_cast<std::uint32_t>(
                 static_cast<unsigned char>(s[at + static_cast<std::size_t>(i)]))
             << (8 * i);
    return static_cast<std::int32_t>(u);
}

// A counted string str[n] as the file holds it (ASCII text).
inline std::string counted(const std::string& text, std::size_t n) {
    std::string s(1, static_cast<char>(text.size()));
    s += text;
    s.append(n - text.size(), '\0');
    return s;
}

} // namespace tarnik::sample
