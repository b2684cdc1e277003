#pragma once
// The measurement card rules ("Karta pomiaru czynników"): storing a card into a FactorRecord
// (KrtAktualizujCzynnik) with its verdicts `described` and `hazardCategory`, the check of the
// multiplicity edits (TestujNDS), the coupling of the supplementary card's seven check boxes, and
// the card's layout by factorGroup. The page holds the widgets and applies what these return.
#include <array>
#include <string>
#include <string_view>

#include "core/base/dates.h"
#include "core/model/assessment.h"

namespace tarnik {

// Rows of the hazard level card, the values of hazardCategory.
enum HazardRow {
    kRowNone = 0,         // no verdict in this column
    kRowOverNDSP = 1,     // "których przekroczone jest NDSP"
    kRowOverNDSCh = 2,    // "których przekroczone jest NDSCh"
    kRowOverNDN = 3,      // "których przekroczone jest NDN"
    kRowMutagenic = 4,    // "o działaniu mutagennym lub rakotwórczym"
    kRowInfectious = 5,   // "powodujących zakażenia bakteriami lub wirusami chorobotwórczymi"
    kRowHalfToOne = 6,    // "... pomiędzy 0,5 a 1,0 NDN lub NDS"
    kRowUpToHalf = 7,     // "... pomiędzy 0 a 0,5 NDN lub NDS"
    kRowUnacceptable = 8, // "pozostałe czynniki występujące na poziomie nie do zaakceptowania"
    kRowOther = 9,        // "pozostałe czynniki nie uwzględnione powyżej"
};

// Forms of description (RG601, descriptionForm).
enum DescriptionForm { kMeasurementCard = 0, kSupplementaryCard = 1 };
inline constexpr std::array<const char*, 2> kDescriptionFormItems{"karta pomiaru",
                                                                  "karta uzupełniająca"};

// Texts of the page.
inline constexpr const char* kMultiplicityMessage =
    "Wprowadź liczbę większą od 0 lub odpowiednią literę.";
inline constexpr const char* kMultiplicityMessageTitle = "Błąd";
inline constexpr const char* kNotAllDescribedMessage = "Nie są opisane wszystkie czynniki.";
inline constexpr const char* kNotAllDescribedTitle = "Uwaga";
inline constexpr const char* kLimitLabelNDS = "Krotność NDS:";
inline constexpr const char* kLimitLabelNDN = "Krotność NDN:";
inline constexpr const char* kLegendHeading = "Wpisz:";
inline constexpr const char* kLegendP = "P - w przypadku przekroczenia NDSP";
inline constexpr const char* kLegendC = "C - w przypadku przekroczenia NDSCh";
inline constexpr const char* kLegendR1 = "R - w przypadku działania rakotwórczego ";
inline constexpr const char* kLegendR2 = "lub mutagennego";

// Reads a decimal number written with a decimal comma (Polish notation) or a decimal point:
// optional sign, digits with at most one separator and at least one digit, optional exponent
// ("1,5", "-0.3", ",5", "2e-1"). Blanks are not allowed, nor thousands separators. False for
// anything else and for values too large to hold.
bool parseDecimal(std::string_view text, double& value);

// The supplementary card's seven check boxes, in the order CB601..CB607.
enum CardBox {
    kBoxAcceptable = 0, // CB601 "akceptowalne"
    kBoxAllGroups = 1,  // CB602 "wszystkich grup pracowniczych"
    kBoxWomen = 2,      // CB603 "kobiet"
    kBoxPregnant = 3,   // CB604 "kobiet w ciąży lub w okresie karmienia"
    kBoxJuveniles = 4,  // CB605 "młodocianych"
    kBoxMutagenic = 5,  // CB606 "o działaniu mutagennym lub rakotwórczym"
    kBoxInfectious = 6, // CB607 "powodujący zakażenia bakteriami" / "lub wirusami chorobotwórczymi"
};
using CardBoxes = std::array<bool, 7>;

CardBoxes boxesOf(const FactorRecord& r);

// The state of all seven boxes after box `box` (0..6) is given `value`, with every rule that the
// change sets off, and the changes those set off in turn:
//   "akceptowalne" set: clears the other six;
//   "wszystkich grup pracowniczych" set: clears "akceptowalne", the mutagenic and the bacterial
//     box and sets the three other group boxes;
//   "kobiet" set: sets the pregnant or nursing women, clears "akceptowalne", the mutagenic and
//     the bacterial box; cleared: clears "wszystkich grup pracowniczych";
//   the pregnant or nursing women set: clears "akceptowalne", the mutagenic and the bacterial
//     box; cleared: clears "wszystkich grup pracowniczych" and "kobiet";
//   "młodocianych" set: as the pregnant or nursing women; cleared: clears "wszystkich grup";
//   the mutagenic or the bacterial box set: clears the six others.
// A box given the value it already has changes nothing (no rule runs). A box outside 0..6
// changes nothing.
CardBoxes coupleCardBoxes(CardBoxes state, int box, bool value);

// Loading a factor's boxes into the card: starting from the boxes as the card shows them, the
// seven stored values are set one by one in the order CB601..CB607, the rules running on each
// change. A stored state that the rules can produce loads unchanged whatever was shown before.
CardBoxes loadCardBoxes(CardBoxes shown, const CardBoxes& stored);

// The values of the card's controls: what KrtCzynnikDoEdycji puts into them and what
// KrtAktualizujCzynnik copies back.
struct CardInput {
    std::string Ed602;                    // "Kod:"
    int descriptionForm = 0;              // RG601
    DayNumber DTP601 = 0;                 // "Data pomiaru:"
    std::string ED603;                    // "Miejsce pomiaru:"
    std::string Ed604;                    // "Wykonawca pomiaru:"
    std::string Ed605;                    // "Metoda pomiaru:"
    std::string Ed606;                    // "Wynik pomiaru:"
    std::array<std::string, 4> multiples; // Ed607..Ed610, as typed
    int RG603 = 0;
    int RG604 = 0;
    int RG605 = 0;
    int RG606 = 0;
    int RG602 = 0;      // "Spełnia wymagania:" 0 "Tak", 1 "Nie"
    std::string Mem611; // "Krótka charakterystyka czynnika:"
    CardBoxes boxes{};  // CB601..CB607
    friend bool operator==(const CardInput&, const CardInput&) = default;
};

// The card as it stands while no factor is selected: everything empty, "karta pomiaru",
// "Spełnia wymagania:" "Tak", all seven boxes cleared, the measurement date the assessment date.
CardInput emptyCardInput(DayNumber assessmentDate);

// The card loaded with a factor (KrtCzynnikDoEdycji): every field of the record; the boxes are
// set through loadCardBoxes from those the card showed before.
CardInput cardInputFromRecord(const FactorRecord& r, const CardBoxes& shownBefore);

// KrtAktualizujCzynnik: stores the card into the record, in this order:
//  1. code, form, date, place, performer, method, result (texts cut to 255 characters); the name
//     is never written;
//  2. the four multiples: trimmed, cut to 10 characters;
//  3. RG603..RG606, RG602, the characteristic (cut to 255) and the seven boxes;
//  4. `described`: on the supplementary card when any box is set; on the measurement card for
//     groups 1..3 when all four multiples are filled, for groups 6 and 7 always; else not;
//  5. hazardCategory (hazardRowForMultiple for groups 1..3 on the measurement card, 8 or 9 by
//     "Spełnia wymagania:" for groups 6 and 7, supplementaryRows on the supplementary card,
//     unchanged otherwise).
// A multiple that is neither a letter of the rules nor a number throws ConversionError: the
// fields and the columns before it are stored already, that column and those after it keep
// their previous rows. The caller then refreshes the ticks; after an error it does not go on
// with the action that asked for the store.
void KrtAktualizujCzynnik(FactorRecord& r, const CardInput& in);

// The row for one column of a measurement card of groups 1..3: "P"/"p" 1, "C"/"c" 2, "R"/"r" 4,
// empty keeps `previous`, a number x gives 3 when x > 1, 6 when 0,5 < x <= 1, 7 otherwise.
// Throws ConversionError for any other text.
int hazardRowForMultiple(std::string_view multiple, int previous);

// The rows of a supplementary card: the mutagenic box gives 4 everywhere, else the bacterial box
// 5, else "akceptowalne" 9, else per column 8 when its group box is set and 9 when not.
std::array<int, 4> supplementaryRows(const CardBoxes& boxes);

// TestujNDS: whether a (trimmed) multiplicity text is valid for the factor group: for groups 1
// and 2 "p", "P", "c", "C", "r", "R" and the empty text; for group 3 "r", "R" and the empty text;
// for every group a decimal number of at least 0. Other groups take numbers only.
bool TestujNDS(std::string_view text, int factorGroup);

// A multiplicity typed into the card (checked once its edit loses the focus): the text is trimmed
// and put back; an invalid one is removed and kMultiplicityMessage shown (title
// kMultiplicityMessageTitle).
struct MultiplicityCheck {
    std::string text;      // what the edit holds afterwards
    bool rejected = false; // show the message
};
MultiplicityCheck checkMultiplicity(std::string_view typed, int factorGroup);

// How the card is laid out for a factor's group (KrtCzynnikDoEdycji, after the fields are
// loaded). Groups outside 1..7 get the layout of the chemical group.
struct CardLayout {
    bool formChoiceEnabled = true;
    int forcedForm = -1;         // -1 keep the factor's form; 0 or 1: the choice is set to it
    const char* limitLabel = ""; // "Krotność NDS:"/"Krotność NDN:", empty when rows are hidden
    bool showMultiplicityRows = true;   // the four multiples and the legend area (full height)
    bool showLegendPC = true;           // the "P -" and "C -" lines
    bool showLegendR = true;            // the two "R -" lines
    bool legendRInPlaceOfPC = false;    // the R lines moved up into the place of P and C
    bool showMeetsRequirements = false; // "Spełnia wymagania:" "Tak"/"Nie"
    bool showResult = true;             // "Wynik pomiaru:" and its edit
    friend bool operator==(const CardLayout&, const CardLayout&) = default;
};
CardLayout cardLayoutFor(int factorGroup);

// The card shown for a form of description: the supplementary card for 1, the measurement card
// otherwise.
inline bool isSupplementaryForm(int descriptionForm) {
    return descriptionForm == kSupplementaryCard;
}

} // namespace tarnik
