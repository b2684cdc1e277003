// The texts the report composes from the records, and the clean-ups before they print.
#include "core/report/reporttexts.h"

#include "core/base/dates.h"
#include "core/base/text.h"

namespace tarnik {

const std::array<const char*, 7> kLegalBasisActs{
    "ustawa Kodeks pracy z dnia 26 czerwca 1974 r. (Dz.U. z 1998 r. Nr 21, poz. 94 z późn. zm.), "
    "której art. 226 stwierdza:\r\n\"Pracodawca:\r\n1) ocenia i dokumentuje ryzyko zawodowe "
    "związane z wykonywaną pracą oraz stosuje niezbędne środki profilaktyczne zmniejszające "
    "ryzyko,\r\n2) informuje pracowników o ryzyku zawodowym, które wiąże się z wykonywaną pracą, "
    "oraz o zasadach ochrony przed zagrożeniami.\"",
    "rozporządzenie Ministra Pracy i Polityki Socjalnej z dnia 26 września 1997 r. w sprawie "
    "ogólnych przepisów bezpieczeństwa i higieny pracy (tekst jednolity: Dz.U. z 2003 r. Nr 169, "
    "poz. 1650 z późn. zm.), które w par. 39a ust. 1 i 3 stwierdza:\r\n\"Pracodawca ocenia ryzyko "
    "zawodowe występujące przy wykonywanych pracach, w szczególności przy doborze wyposażenia "
    "stanowisk i miejsc pracy, stosowanych substancji i preparatów chemicznych, biologicznych, "
    "rakotwórczych lub mutagennych oraz zmianie organizacji pracy. Podczas oceny ryzyka zawodowego "
    "uwzględnia się wszystkie czynniki środowiska pracy występujące przy wykonywanych pracach oraz "
    "sposoby wykonywania prac.(...) \r\n\r\nPracodawca prowadzi dokumentację oceny ryzyka "
    "zawodowego oraz zastosowanych niezbędnych środków profilaktycznych.\"",
    "ustawa z dnia 27 czerwca 1997 r. o służbie medycyny pracy (tekst jednolity: Dz.U. z 2004 r. "
    "Nr 125, poz. 1317), która obok określenia zadań służby medycyny pracy w dziedzinie ochrony "
    "zdrowia zawodowego podaje w art. 4 następującą definicję ryzyka zawodowego:\r\n\"Ilekroć w "
    "ustawie jest mowa o ryzyku zawodowym - należy przez to rozumieć możliwość wystąpienia "
    "niepożądanych, związanych z wykonywaną pracą zdarzeń powodujących straty, w szczególności "
    "niekorzystnych skutków zdrowotnych będących wynikiem zagrożeń zawodowych występujących w "
    "środowisku pracy lub związanych ze sposobem wykonywania pracy\".\r\n",
    "Rozporządzenie Ministra Zdrowia z dnia 22 kwietnia 2005 r. w sprawie szkodliwych czynników "
    "biologicznych dla zdrowia w środowisku pracy oraz ochrony zdrowia pracowników zawodowo "
    "narażonych na te czynniki (Dz.U. Nr 81, poz. 716):\r\n§ 5. 1. Przed wyborem środka "
    "zapobiegawczego pracodawca dokonuje oceny ryzyka zawodowego, na jakie jest lub może być "
    "narażony pracownik (...)\r\n",
    "Rozporządzenie Ministra Zdrowia z dnia 1 grudnia 2004 r. w sprawie substancji, preparatów, "
    "czynników lub procesów technologicznych o działaniu rakotwórczym lub mutagennym w środowisku "
    "pracy (Dz.U. Nr 280, poz. 2771 z późn. zm.):\r\n§ 5. 2. Pracodawca (...) jest obowiązany "
    "przeszkolić pracownika (...) w zakresie:\r\n1) ryzyka dla zdrowia, jakie wynika z oceny "
    "narażenia zawodowego i dodatkowego ryzyka wynikającego z palenia tytoniu oraz środków "
    "ostrożności, które powinny być podejmowane w celu ograniczenia narażenia; \r\n",
    "Rozporządzenie Ministra Zdrowia z dnia 30 grudnia 2004 r. w sprawie bezpieczeństwa i higieny "
    "pracy związanej z występowaniem w miejscu pracy czynników chemicznych (Dz.U. z 2005 r. Nr 11, "
    "poz. 86):\r\n§ 2. Pracodawca jest obowiązany do ustalenia, czy w środowisku pracy występuje "
    "czynnik chemiczny stwarzający zagrożenie oraz do dokonania i udokumentowania oceny ryzyka "
    "zawodowego stwarzanego przez czynnik chemiczny.\r\n",
    "Rozporządzenie Ministra Gospodarki i Pracy z dnia 5 sierpnia 2005 r. w sprawie bezpieczeństwa "
    "i higieny pracy przy pracach związanych z narażeniem na hałas lub drgania mechaniczne (Dz.U. "
    "Nr 157, poz. 1318):\r\n§ 4. 1. Pracodawca ocenia ryzyko zawodowe związane z narażeniem "
    "pracowników na hałas lub drgania mechaniczne, wynikające z cech miejsca pracy oraz ze "
    "stosowanych w konkretnych warunkach środków lub procesów pracy...\r\n",
};

const std::array<const char*, 3> kFirstTrainingScope{
    "Na stanowisku nie jest wymagane ukończenie pierwszego szkolenia okresowego",
    "Na stanowisku ukończenie pierwszego szkolenia okresowego jest wymagane w ciągu 6 miesięcy "
    "od dnia rozpoczęcia pracy",
    "Na stanowisku ukończenie pierwszego szkolenia okresowego jest wymagane w ciągu 12 miesięcy "
    "od dnia rozpoczęcia pracy"};

const std::array<const char*, 7> kFurtherTrainingScope{
    "Szkolenia okresowe należy przeprowadzać nie rzadziej niż co 6 miesięcy",
    "Szkolenia okresowe należy przeprowadzać nie rzadziej niż co 12 miesięcy",
    "Szkolenia okresowe należy przeprowadzać nie rzadziej niż co 2 lata",
    "Szkolenia okresowe należy przeprowadzać nie rzadziej niż co 3 lata",
    "Szkolenia okresowe należy przeprowadzać nie rzadziej niż co 4 lata",
    "Szkolenia okresowe należy przeprowadzać nie rzadziej niż co 5 lat",
    "Szkolenia okresowe należy przeprowadzać nie rzadziej niż co 6 lat"};

const std::array<const char*, 9> kHazardCardRows{
    "których przekroczone jest NDSP",
    "których przekroczone jest NDSCh",
    "których przekroczone są NDN lub NDS",
    "o działaniu mutagennym lub rakotwórczym",
    "powodujących zakażenia bakteriami lub wirusami chorobotwórczymi",
    "których wartości mieszczą się pomiędzy 0,5 a 1,0 NDN lub NDS",
    "których wartości mieszczą się pomiędzy 0 a 0,5 NDN lub NDS",
    "pozostałe czynniki występujące na poziomie nie do zaakceptowania",
    "pozostałe czynniki nie uwzględnione powyżej"};

namespace {

// The worker groups as the interpretation lines name them.
constexpr std::array<const char*, kWorkerGroupCount> kGroupNames{
    " wymagań ogólnych", " kobiet", " kobiet w ciąży lub w okresie karmienia", " młodocianych"};

std::string interpretationLine(const std::string& m, const char* group) {
    if (m == "p" || m == "P") return std::string("Przekroczone NDSP w stosunku do") + group;
    if (m == "c" || m == "C") return std::string("Przekroczone NDSCh w stosunku do") + group;
    if (m == "r" || m == "R")
        return std::string("Działanie rakotwórcze lub mutagenne w stosunku do") + group;
    return std::string("Krotnośc NDS w stosunku do") + group + ": " + m;
}

// "ogólne, stanowiskowe, " loses its final comma: "ogólne, stanowiskowe ".
void dropFinalComma(std::string& list) {
    if (list.size() >= 2) list.erase(list.size() - 2, 1);
}

} // namespace

std::string interpretationLines(const FactorRecord& f) {
    const std::array<const std::string*, kWorkerGroupCount> multiples{&f.Ed607, &f.Ed608, &f.Ed609,
                                                                      &f.Ed610};
    std::string out;
    for (std::size_t g = 0; g < multiples.size(); ++g) {
        if (g > 0) out += "\r\n";
        out += interpretationLine(*multiples[g], kGroupNames[g]);
    }
    return out;
}

std::string requirementVerdict(int RG602) {
    if (RG602 == 0) return "Spełnia wymagania";
    if (RG602 == 1) return "Nie spełnia wymagań";
    return {};
}

std::string verdictText(const FactorRecord& f) {
    if (f.CB601) return "Narażenie akceptowalne (czynnik uciążliwy)";
    if (f.CB606) return "Działanie rakotwórcze lub mutagenne";
    if (f.CB607) return "Powoduje zagrożenie bakteriami lub wirusami chorobotwórczymi";
    std::string v = "Narażenie nie do zaakceptowania (czynnik niebezpieczny) w stosunku do:\r\n";
    if (f.CB602) return v + "- wszystkich grup pracowniczych";
    if (f.CB603) v += "- kobiet";
    if (f.CB604 && !f.CB603) v += "- kobiet w ciąży lub w okresie karmienia";
    if (f.CB605) v += "- młodocianych";
    return v;
}

CardTexts measurementCardTexts(const FactorRecord& f) {
    if (f.descriptionForm == 1) return {f.Mem611, verdictText(f)};
    if (f.descriptionForm != 0) return {};
    switch (f.factorGroup) {
    case kChemical:
    case kDust:
    case kPhysical:
        return {f.Ed606, interpretationLines(f)};
    case kLighting: {
        std::string r = f.Ed606;
        if (!trim(f.Ed606).empty()) r = f.Ed606 + "\r\n" + "- ";
        return {r, requirementVerdict(f.RG602)};
    }
    case kElectricCurrent:
        return {" ", requirementVerdict(f.RG602)};
    default:
        return {};
    }
}

bool trainingIsCurrent(const WorkerRecord& w) {
    return w.trainingCurrent && w.trainingCurrent2;
}

std::string completedTrainings(const WorkerRecord& w, int periodicIntervalMonths) {
    std::string c;
    if (w.RB404) c += "ogólne, ";
    if (w.RB405) c += "stanowiskowe, ";
    if (periodicIntervalMonths > 0) {
        if (w.RB406) c += " pierwsze okresowe, ";
        if (w.RB407) c += " kolejne okresowe, ";
    }
    dropFinalComma(c);
    return c;
}

std::string missingTrainings(const WorkerRecord& w, int periodicIntervalMonths) {
    std::string m;
    if (!w.RB404) m += "ogólne, ";
    if (!w.RB405) m += "stanowiskowe, ";
    if (periodicIntervalMonths > 0) {
        const bool current = trainingIsCurrent(w);
        if (!w.RB406 && !current) m += " pierwsze okresowe, ";
        if (!w.RB407 && !current) m += " kolejne okresowe, ";
    }
    dropFinalComma(m);
    return m;
}

std::string periodicTrainingDates(const WorkerRecord& w, int periodicIntervalMonths,
                                  bool registerForm) {
    if (periodicIntervalMonths <= 0) return {};
    std::string d;
    if (w.RB406)
        d += std::string(registerForm ? "Data piewszego szkolenia okresowego: "
                                      : "Data pierwszego szkolenia okresowego: ") +
             formatPolishDate(w.DTP403) + "    ";
    if (w.RB407) d += "Data kolejnego szkolenia okresowego: " + formatPolishDate(w.DTP404);
    return d;
}

} // namespace tarnik
