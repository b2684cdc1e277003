// Sections both forms share: persons, station-description memos, workers and training scope.
#include <array>

#include "core/base/dates.h"
#include "core/base/text.h"
#include "core/report/reportbuilder.h"
#include "core/report/reporttexts.h"
#include "core/rules/workers/training.h"

namespace tarnik {

namespace {

constexpr std::array<const char*, 10> kMemoLabels{"Rodzaj produkcji:",
                                                  "Technologia:",
                                                  "Materiały, surowce:",
                                                  "Maszyny, urządzenia i narzędzia:",
                                                  "Podstawowe zagrożenia:",
                                                  "Opis pracy - czynności:",
                                                  "Sposób wykonywania pracy:",
                                                  "Czas pracy z podziałem na czynności:",
                                                  "Środki ochrony indywidualnej:",
                                                  "Środki ochrony zbiorowej:"};

} // namespace

void ReportBuilder::personTable(const char* heading, const std::vector<PersonEntry>& people,
                                bool signature) {
    beginHeading(heading, "NBold", 2);
    std::vector<int> columns{1, 4, 4, 4};
    if (signature) columns.push_back(4);
    placeLongTable(
        {columns, 2, true},
        [signature](TTable& t) {
            t.NewRow();
            for (const char* caption : {"Lp.", "Nazwisko", "Imię", "Stanowisko"})
                t.AddCell(caption, "TableGlowa");
            if (signature) t.AddCell("Podpis", "TableGlowa");
        },
        people.size(),
        [&people, signature](TTable& t, std::size_t i) {
            const PersonEntry& p = people[i];
            t.NewRow();
            t.AddCell(std::to_string(i + 1), "TableText");
            t.AddCell(p.surname, "TableLeft");
            t.AddCell(p.firstName, "TableLeft");
            t.AddCell(p.position, "TableLeft");
            // Two lines of room to sign in.
            if (signature) t.AddCell(" \r\n", "TableLeft");
        });
}

void ReportBuilder::memoTables(int innerMargin, bool border) {
    for (int n = 204; n <= 213; ++n) {
        const std::string& text = a().mm(n);
        if (trim(text).empty()) continue;
        place(labelValue({1, 3}, innerMargin, border,
                         kMemoLabels[static_cast<std::size_t>(n - 204)], text));
    }
}

void ReportBuilder::workerBlocks(bool registerForm) {
    const WorkerList& workers = a().ListaPrac;
    if (workers.empty()) return;
    const int interval = CoIleSzkolenie(a().RG302.get());
    beginHeading("\r\n\r\nDane o pracownikach\r\n", "Header");
    for (std::size_t i = 0; i < workers.size(); ++i)
        workerBlock(workers[i], registerForm, interval);
}

void ReportBuilder::workerBlock(const WorkerRecord& w, bool registerForm, int interval) {
    auto group = std::make_unique<TGroup>(doc());
    const auto line = [&](std::string text, const char* style) {
        group->Add(textItem(std::move(text), style));
    };
    line(w.Ed401 + " " + w.Ed402, "NBold");
    if (w.workerCategory == kPregnantOrNursing)
        line("     - kobieta w ciąży lub w okresie karmienia", "NormalMaly");
    else if (w.workerCategory == kJuveniles)
        line("     - młodociany", "NormalMaly");
    line("     Stanowisko: " + (registerForm ? w.Ed403 : a().EdtStanowisko), "NormalMaly");
    line("     Data zatrudnienia: " + formatPolishDate(w.DTP401), "NormalMaly");
    line(std::string("     ") + (w.RB402
                                     ? "Posiada odpowiednie kwalifikacje"
                                     : "Uwaga: Pracownik nie posiada odpowiednich kwalifikacji"),
         "NormalMaly");
    line(std::string("     ") +
             (w.RB403 ? "Przeszedł odpowiednie profilaktyczne badania lekarskie"
                      : "Uwaga: Pracownik nie przeszedł odpowiednich profilaktycznych badań "
                        "lekarskich"),
         "NormalMaly");
    line("     Data następnego badania: " + formatPolishDate(w.DTP402), "NormalMaly");
    if (!w.examinationCurrent) line("     Uwaga: Badanie nieaktualne", "NormalMaly");

    const std::string completed = completedTrainings(w, interval);
    if (!completed.empty()) {
        line("     Pracownik ukończył z wynikiem pozytywnym szkolenia:", "NormalMaly");
        line("     " + completed, "NormalMaly");
    }
    const std::string missing = missingTrainings(w, interval);
    if (!missing.empty()) {
        line("     Następujące szkolenia nie zostały ukończone:", "NormalRed");
        line("     " + missing, "NormalRed");
    }
    if (interval > 0) {
        const std::string dates = periodicTrainingDates(w, interval, registerForm);
        if (!dates.empty()) line("     " + dates, "NormalMaly");
        if (!trainingIsCurrent(w) && (w.RB406 || w.RB407))
            line("     Uwaga: Szkolenie nieaktualne", "NormalRed");
    }
    line(" ", "Normal");
    place(std::move(group));
}

void ReportBuilder::trainingScope() {
    auto group = std::make_unique<TGroup>(doc());
    group->Add(textItem("\r\n\r\nZakres szkoleń BHP\r\n", "Header"));
    const auto first = static_cast<std::size_t>(a().RG301.get());
    const auto further = static_cast<std::size_t>(a().RG302.get());
    group->Add(textItem(kFirstTrainingScope.at(first), "Normal"));
    group->Add(textItem(std::string(kFurtherTrainingScope.at(further)) + "\r\n", "Normal"));
    place(std::move(group));
}

} // namespace tarnik
