// The complete assessment of the widget tests, built through the core rules as the program
// would build it.
#include <array>
#include <initializer_list>

#include "core/rules/checklist/checklist.h"
#include "core/rules/factors/cards.h"
#include "core/rules/factors/catalogues.h"
#include "core/rules/workers/workers.h"
#include "tests/support/fixtures.h"

namespace tarnik::fixtures {

namespace {

DayNumber ymd(int year, int month, int day) {
    return dayNumberFromCivil(year, month, day);
}

// The first questions of the shipped questionnaire; 34..38 are those on protective equipment.
constexpr std::array<const char*, kFullQuestionCount> kQuestions{
    "Czy stanowisko pracy jest urządzone zgodnie z przepisami i zasadami bezpieczeństwa i higieny "
    "pracy?",
    "Czy na stanowisku pracy jest dostępna aktualna instrukcja bezpieczeństwa i higieny pracy?",
    "Czy pracownicy zostali zapoznani z instrukcją bhp dla stanowiska i potwierdzili to podpisem?",
    "Czy pracownicy odbyli szkolenie wstępne ogólne i stanowiskowe w dziedzinie bhp?",
    "Czy pracownicy mają aktualne szkolenia okresowe w dziedzinie bhp?",
    "Czy pracownicy mają aktualne orzeczenia lekarskie o braku przeciwwskazań do pracy na "
    "stanowisku?",
    "Czy pracownicy mają wymagane kwalifikacje i uprawnienia do obsługi maszyn i urządzeń?",
    "Czy pracownicy zostali poinformowani o ryzyku zawodowym związanym z wykonywaną pracą?",
    "Czy maszyny i urządzenia mają oznakowanie CE lub spełniają wymagania minimalne?",
    "Czy ruchome części maszyn, które mogą spowodować urazy, są osłonięte?",
    "Czy elementy sterownicze maszyn są oznakowane i zabezpieczone przed przypadkowym "
    "uruchomieniem?",
    "Czy maszyny mają sprawne wyłączniki awaryjne łatwo dostępne ze stanowiska pracy?",
    "Czy przeglądy i konserwacje maszyn i urządzeń są wykonywane w terminach i odnotowywane?",
    "Czy urządzenia podlegające dozorowi technicznemu mają aktualne decyzje zezwalające na "
    "eksploatację?",
    "Czy instalacja elektryczna ma aktualne pomiary skuteczności ochrony przeciwporażeniowej?",
    "Czy narzędzia ręczne są sprawne i odpowiednie do wykonywanej pracy?",
    "Czy przejścia i drogi komunikacyjne mają wymaganą szerokość i są wolne od przeszkód?",
    "Czy podłogi są równe, nieśliskie i utrzymane w czystości?",
    "Czy materiały i wyroby są składowane w sposób stabilny i bezpieczny?",
    "Czy oświetlenie stanowiska pracy jest odpowiednie do rodzaju wykonywanej pracy?",
    "Czy pomieszczenie pracy ma sprawną wentylację?",
    "Czy temperatura w pomieszczeniu pracy jest odpowiednia do rodzaju wykonywanej pracy?",
    "Czy pomiary czynników szkodliwych dla zdrowia są wykonywane w wymaganych terminach?",
    "Czy wyniki pomiarów czynników szkodliwych są udostępniane pracownikom?",
    "Czy substancje i mieszaniny niebezpieczne mają opakowania oznakowane zgodnie z przepisami?",
    "Czy na stanowisku są dostępne karty charakterystyki stosowanych substancji i mieszanin "
    "niebezpiecznych?",
    "Czy prowadzony jest spis substancji i mieszanin niebezpiecznych stosowanych na stanowisku?",
    "Czy prace szczególnie niebezpieczne są wykonywane pod nadzorem i przez co najmniej dwie "
    "osoby?",
    "Czy przy ręcznych pracach transportowych przestrzegane są dopuszczalne masy ładunków?",
    "Czy organizacja pracy zapewnia przerwy wymagane przepisami?",
    "Czy na stanowisku lub w jego pobliżu jest apteczka pierwszej pomocy?",
    "Czy wyznaczono pracowników do udzielania pierwszej pomocy?",
    "Czy pracodawca zapewnia nieodpłatnie środki ochrony indywidualnej odpowiednie do zagrożeń?",
    "Czy pracownicy stosują środki ochrony głowy tam, gdzie jest to wymagane?",
    "Czy pracownicy stosują środki ochrony oczu i twarzy tam, gdzie jest to wymagane?",
    "Czy pracownicy stosują środki ochrony słuchu w strefach, w których hałas przekracza wartości "
    "dopuszczalne?",
    "Czy pracownicy stosują środki ochrony rąk i nóg (rękawice, obuwie ochronne)?",
    "Czy pracownicy stosują środki ochrony układu oddechowego tam, gdzie jest to wymagane?",
    "Czy środki ochrony indywidualnej mają oznakowanie CE i są utrzymywane w stanie sprawnym?",
    "Czy pracownicy otrzymują odzież i obuwie robocze zgodnie z tabelą norm przydziału?",
    "Czy zapewnione jest pranie i konserwacja odzieży roboczej i ochronnej?",
    "Czy pracownicy mają dostęp do pomieszczeń higieniczno-sanitarnych?",
};

void addQuestions(Assessment& a) {
    for (const char* q : kQuestions)
        a.questions.DodajPytaniebhp(q);
    for (std::size_t i = 0; i < a.questions.questionCount(); ++i)
        a.questions.setAnswer(i, kAnswerYes);
    for (std::size_t n : {5, 13, 23, 35, 37})
        a.questions.setAnswer(n - 1, kAnswerNo);
    for (std::size_t n : {9, 20, 38, 41, 42})
        a.questions.setAnswer(n - 1, "");
}

// ---------------------------------------------------------------------------------------------
// Workers

struct Worker {
    const char* firstName;
    const char* surname;
    int category;
    const char* position;
    DayNumber employed;
    DayNumber nextExamination;
    bool generalTraining;
    bool stationTraining;
    bool firstPeriodic;
    DayNumber firstPeriodicDate; // 0: the editor's default, the assessment date
    bool furtherPeriodic;
    DayNumber furtherPeriodicDate;
    bool qualified = true;
    bool examined = true;
};

void addWorker(Assessment& a, const Worker& w) {
    WorkerRecord f = clearedWorkerFields(a.DTPOcena);
    f.Ed401 = w.firstName;
    f.Ed402 = w.surname;
    f.workerCategory = w.category;
    f.Ed403 = w.position;
    f.DTP401 = w.employed;
    f.RB402 = w.qualified;
    f.RB403 = w.examined;
    f.DTP402 = w.nextExamination;
    f.RB404 = w.generalTraining;
    f.RB405 = w.stationTraining;
    f.RB406 = w.firstPeriodic;
    if (w.firstPeriodicDate != 0) f.DTP403 = w.firstPeriodicDate;
    f.RB407 = w.furtherPeriodic;
    if (w.furtherPeriodicDate != 0) f.DTP404 = w.furtherPeriodicDate;
    PrDodajPrac(a, f);
}

void addWorkers(Assessment& a) {
    const Worker workers[] = {
        // Men: one current, one whose trainings were never done and examination lapsed.
        {"Łukasz", "Żmuda", kMen, "spawacz", ymd(2001, 9, 3), ymd(2005, 1, 31), true, true, true,
         ymd(2002, 2, 11), true, ymd(2003, 11, 20)},
        {"Grzegorz", "Brzęczyszczykiewicz", kMen, "pomocnik spawacza", ymd(2000, 4, 3),
         ymd(2004, 2, 27), true, false, false, 0, false, 0, false, false},
        // Women: one with the first periodic training done and the further one not yet due;
        // one whose further training fell due the day before the assessment and whose
        // examination falls due on the assessment date itself.
        {"Agnieszka", "Wójcik", kWomen, "kontroler jakości", ymd(2002, 5, 6), ymd(2004, 9, 30),
         true, true, true, ymd(2003, 10, 14), false, 0},
        {"Małgorzata", "Kołodziej", kWomen, "magazynierka", ymd(1998, 3, 2), ymd(2004, 3, 15), true,
         true, true, ymd(1998, 8, 17), true, ymd(2003, 3, 14)},
        // Pregnant or nursing: further training falling due on the assessment date (current);
        // one without the general and the periodic trainings, employed over a year ago.
        {"Joanna", "Śliwińska", kPregnantOrNursing, "technolog", ymd(1999, 1, 11), ymd(2004, 3, 16),
         true, true, true, ymd(1999, 6, 21), true, ymd(2003, 3, 15)},
        {"Ewa", "Zając", kPregnantOrNursing, "pracownik biurowy", ymd(2003, 1, 13),
         ymd(2004, 12, 31), false, true, false, 0, false, 0},
        // Juveniles: an apprentice still within the time allowed for the first periodic
        // training; one whose first training never took place and whose time ran out long ago.
        {"Bartosz", "Ćwikła", kJuveniles, "uczeń - spawacz", ymd(2004, 2, 2), ymd(2004, 8, 31),
         true, true, false, 0, false, 0},
        {"Kacper", "Dąbrowski", kJuveniles, "uczeń - ślusarz", ymd(2002, 9, 2), ymd(2004, 1, 30),
         true, true, false, 0, false, 0, true, false},
    };
    for (const Worker& w : workers)
        addWorker(a, w);
    UpdateWorkers(a);
}

// ---------------------------------------------------------------------------------------------
// Factors

FactorEntry& addFactor(Assessment& a, int catalogue, const char* name, bool ticked,
                       DayNumber listed) {
    FactorEntry* e = DodajCzynnik(a, name, catalogue, listed);
    e->checked = ticked;
    return *e;
}

CardInput card(const Assessment& a, const char* code, int form, DayNumber measured) {
    CardInput in = emptyCardInput(a.DTPOcena);
    in.Ed602 = code;
    in.descriptionForm = form;
    in.DTP601 = measured;
    in.ED603 = "Hala spawalni nr 2, stanowisko przy ścianie północnej";
    in.Ed604 = "Laboratorium Higieny Pracy „Środowisko” w Łodzi";
    return in;
}

CardInput measurementCard(const Assessment& a, const char* code, DayNumber measured,
                          const char* method, const char* result,
                          std::array<const char*, 4> multiples) {
    CardInput in = card(a, code, kMeasurementCard, measured);
    in.Ed605 = method;
    in.Ed606 = result;
    for (std::size_t i = 0; i < multiples.size(); ++i)
        in.multiples[i] = multiples[i];
    in.RG603 = 1;
    in.RG604 = 0;
    in.RG605 = 2;
    in.RG606 = 0;
    return in;
}

CardInput supplementaryCard(const Assessment& a, const char* code, DayNumber measured,
                            const char* characteristic, std::initializer_list<int> ticked) {
    CardInput in = card(a, code, kSupplementaryCard, measured);
    in.Mem611 = characteristic;
    for (int box : ticked)
        in.boxes = coupleCardBoxes(in.boxes, box, true);
    return in;
}

void describe(FactorEntry& e, const CardInput& in) {
    KrtAktualizujCzynnik(*e.record, in);
}

void addFactors(Assessment& a, bool withUndescribed) {
    const DayNumber listed = a.DTPOcena;
    const DayNumber measured = ymd(2004, 2, 16);

    // Chemical.
    describe(addFactor(a, 0, "aceton", true, listed),
             measurementCard(a, "67-64-1", measured, "PN-Z-04222-1:2001",
                             "stężenie średnie ważone 180 mg/m3", {"0,3", "0,25", "0,4", " 0,1 "}));
    describe(addFactor(a, 0, "benzen", true, listed),
             measurementCard(a, "71-43-2", measured, "PN-Z-04077:1996", "1,2 mg/m3",
                             {"R", "r", "R", "R"}));
    describe(addFactor(a, 0, "ditlenek azotu", true, listed),
             supplementaryCard(a, "10102-44-0", measured,
                               "Gaz drażniący drogi oddechowe; powstaje przy spawaniu łukowym.",
                               {kBoxWomen}));
    addFactor(a, 0, "amoniak", false, listed);
    describe(addFactor(a, 0, "chlor", false, listed),
             measurementCard(a, "7782-50-5", ymd(2003, 11, 4), "PN-Z-04011:1994", "0,9 mg/m3",
                             {"0,8", "1,2", "C", "0,6"}));
    if (withUndescribed) addFactor(a, 0, kUndescribedFactorName, true, listed);

    // Dusts.
    describe(addFactor(a, 1, "pył drewna twardego", true, listed),
             measurementCard(a, "PD-1", measured, "PN-Z-04030-05:1991", "3,1 mg/m3",
                             {"P", "1,5", "0,7", "C"}));
    describe(addFactor(a, 1, "pył mąki", true, listed),
             supplementaryCard(a, "PM-2", measured, "Pył organiczny o działaniu uczulającym.",
                               {kBoxAllGroups}));
    addFactor(a, 1, "pył cementu portlandzkiego", false, listed);

    // Physical, with lighting and electric current placed here as a file read puts them.
    describe(addFactor(a, 2, "hałas", true, listed),
             measurementCard(a, "H-01", measured, "PN-N-01307:1994", "LEX,8h = 91 dB",
                             {"1,8", "1,8", "2", "2,5"}));
    describe(addFactor(a, 2, "drgania mechaniczne działające przez kończyny górne", true, listed),
             supplementaryCard(a, "D-02", measured, "Szlifierka kątowa używana do 2 h dziennie.",
                               {kBoxAcceptable}));
    addFactor(a, 2, "mikroklimat zimny", false, listed);
    {
        CardInput in = card(a, "O-03", kMeasurementCard, measured);
        in.Ed605 = "PN-EN 12464-1:2004";
        in.Ed606 = "natężenie 180 lx przy wymaganych 300 lx";
        in.RG602 = 1; // does not meet the requirements
        describe(addFactor(a, 2, "oświetlenie - natężenie", true, listed), in);
    }
    addFactor(a, 2, "oświetlenie - równomierność", false, listed);
    {
        CardInput in = card(a, "E-04", kMeasurementCard, ymd(2003, 12, 8));
        in.Ed605 = "pomiar skuteczności ochrony przeciwporażeniowej";
        in.RG602 = 0; // meets the requirements
        describe(addFactor(a, 2, "prąd elektryczny", true, listed), in);
    }

    // Biological.
    describe(addFactor(a, 3, "Borrelia burgdorferi (borelioza)", true, listed),
             supplementaryCard(a, "B-01", measured,
                               "Prace przy wycince zarośli na terenie zakładu.", {kBoxInfectious}));
    addFactor(a, 3, "Escherichia coli", false, listed);

    // Onerous.
    describe(addFactor(a, 4, "praca w pozycji wymuszonej", true, listed),
             supplementaryCard(a, "U-01", measured, "Spawanie w pozycji pochylonej nad stołem.",
                               {kBoxJuveniles}));
    describe(
        addFactor(a, 4, "ręczne podnoszenie i przenoszenie ciężarów", true, listed),
        supplementaryCard(a, "U-02", measured, "Przenoszenie elementów do 25 kg.", {kBoxPregnant}));
    addFactor(a, 4, "praca zmianowa", false, listed);
}

} // namespace

Assessment fullAssessment(const FullAssessmentOptions& options) {
    Assessment a(kFullAssessmentDate);

    // General data.
    a.EdtZaklad = "Zakład Mechaniczny „Metalpol” Sp. z o.o.\r\nul. Przemysłowa 12\r\n"
                  "42-200 Częstochowa";
    a.EdtRegon = "151234560";
    a.EdtNr = 2;
    a.EdtStanowisko = "Spawacz elektryczny";
    a.EdtKStan = "SP-02/Ł";
    a.EdtLStan = 3;
    a.EdtJednostka = "Służba BHP zakładu – Wydział Spawalni";
    a.ListOdpow = {{"Kowalski", "Jan", "kierownik wydziału"},
                   {"Wiśniewska", "Żaneta", "mistrz zmiany"}};
    a.ListKomisja = {{"Nowak", "Anna", "specjalista ds. bhp"},
                     {"Zieliński", "Paweł", "społeczny inspektor pracy"},
                     {"Gąsior", "Dorota", "lekarz medycyny pracy"}};

    // Station description.
    a.Ed201 = "Wydział Spawalni";
    a.Ed202 = "Hala nr 2, stanowisko spawania łukowego";
    a.Ed203 = "Praca dwuzmianowa, 8 godzin";
    a.mm(204) = "Spawanie elementów konstrukcji stalowych metodą MAG.";
    a.mm(205) = "Półautomat spawalniczy\r\nStół spawalniczy z odciągiem miejscowym";
    a.mm(206) = "Stal węglowa, drut spawalniczy, gaz osłonowy (mieszanka argonu i CO2)";
    a.mm(207) = "Przyłbica spawalnicza, rękawice, fartuch skórzany, obuwie ochronne";
    a.mm(208) = "Instrukcja stanowiskowa bhp nr 12/2003";
    a.mm(209) = "Uprawnienia spawalnicze kat. MAG";
    a.mm(210) = "Wentylacja ogólna mechaniczna";
    a.mm(211) = "Oświetlenie ogólne i miejscowe";
    a.mm(212) = "Brak";
    a.mm(213) = "Stanowisko oddzielone ekranami od przejść.\r\nGaśnica proszkowa przy wejściu.";

    // Training plan: first periodic training within 6 months, further ones every 12 months.
    a.RG301 = 1;
    a.RG302 = 1;

    addWorkers(a);
    addFactors(a, options.withUndescribedFactor);
    addQuestions(a);

    // Accidents and occupational diseases.
    a.SE901 = 2;
    a.SE902 = 1;
    a.SE903 = 0;
    a.SE904 = 37;
    a.SE905 = 1;

    // Supplementary card.
    a.SE1001 = 12;
    a.SE1002 = 3;
    a.SE1003 = 40;
    a.SE1004 = 2;
    a.SE1005 = 1;
    a.SE1006 = 0;
    a.SE1007 = 150;
    a.Memo1 = "Wskaźnik podwyższony z powodu częstych prac w ciasnych przestrzeniach.";

    // Improvement plan and acquaintance list.
    a.Plan.clear();
    a.Plan.push_back(
        {"Wymiana odciągu miejscowego na stole spawalniczym", "Jan Kowalski", "30 czerwca 2004"});
    a.Plan.push_back({"Szkolenie okresowe bhp\r\ndla pracowników z nieaktualnym szkoleniem",
                      "Anna Nowak", "do końca kwietnia 2004"});
    a.Plan.push_back({"Doświetlenie stanowiska do 300 lx", "Żaneta Wiśniewska", "maj 2004"});
    a.Osoby = "Łukasz Żmuda\r\nAgnieszka Wójcik\r\nBartosz Ćwikła";
    return a;
}

Assessment asReopened(Assessment a) {
    a.Plan.emplace_back();
    return a;
}

} // namespace tarnik::fixtures
