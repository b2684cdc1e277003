// Form B of the general part, the standard form.
//
// It holds the general data, the persons, the date and the assessing unit, the commission, the
// station description, the training scope, the workers and the factor blocks.
#include "core/base/dates.h"
#include "core/report/reportbuilder.h"

namespace tarnik {

void ReportBuilder::formB() {
    doc().NewPage();
    log("- dane ogólne");
    {
        auto group = std::make_unique<TGroup>(doc());
        group->Add(textItem("Dane Ogólne", "Header"));
        group->Add(textItem(" ", "Normal"));
        place(std::move(group));
    }
    auto general = table({{3, 8}, 2, false});
    pair(*general, "Nazwa zakładu:", a().EdtZaklad, "TableLeft");
    pair(*general, "Regon:", a().EdtRegon, "TableLeft");
    pair(*general, "Numer kolejny oceny stanowiska:", "\r\n" + std::to_string(a().EdtNr.get()),
         "TableLeft");
    pair(*general, "Nazwa stanowiska:", a().EdtStanowisko, "TableLeft");
    pair(*general, "Kod stanowiska:", a().EdtKStan, "TableLeft");
    pair(*general, "Liczba stanowisk:", std::to_string(a().EdtLStan.get()), "TableLeft");
    place(std::move(general));

    if (!a().ListOdpow.empty())
        personTable("\r\nOsoby odpowiedzialne za stan bezpieczeństwa na stanowisku:\r\n",
                    a().ListOdpow, false);
    paragraph("\r\nData oceny: " + formatPolishDate(a().DTPOcena), "Normal");
    paragraph("Nazwa jednostki dokonującej oceny ryzyka: " + a().EdtJednostka, "Normal");
    if (!a().ListKomisja.empty()) personTable("\r\nSkład komisji:\r\n", a().ListKomisja, false);

    log("- opis stanowiska");
    beginHeading("\r\n\r\nOpis stanowiska\r\n", "Header");
    auto station = table({{1, 3}, 2, true});
    pair(*station, "Wydział:", a().Ed201, "TableLeft");
    pair(*station, "Hala / pomieszczenie:", a().Ed202, "TableLeft");
    pair(*station, "Ustawienie / lokalizacja w hali:", a().Ed203, "TableLeft");
    place(std::move(station));
    memoTables(2, true);

    log("- zakres szkoleń bhp");
    trainingScope();
    log("- dane pracowników");
    workerBlocks(false);

    log("- czynniki szkodliwe");
    if (!lb601_.empty()) {
        blanks(2, "Header");
        bool first = true;
        for (const FactorToDescribe& f : lb601_) {
            if (first) beginHeading("Czynniki szkodliwe, niebezpieczne i uciążliwe\r\n", "Header");
            first = false;
            place(factorBlock(*f.record));
            paragraph("\r\n", "Normal");
        }
    }
}

} // namespace tarnik
