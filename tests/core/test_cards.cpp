#include "core/base/errors.h"
#include "core/base/text.h"
#include "core/rules/factors/cards.h"

#include <gtest/gtest.h>

#include <set>

using namespace tarnik;

namespace {

using Rows = std::array<int, 4>;

FactorRecord factorOfGroup(int group) {
    FactorRecord r;
    r.name = "czynnik";
    r.factorGroup = group;
    r.DTP601 = 38000;
    return r;
}

CardInput measurement(std::array<std::string, 4> multiples) {
    CardInput in;
    in.descriptionForm = kMeasurementCard;
    in.multiples = std::move(multiples);
    return in;
}

CardInput supplementary(CardBoxes boxes) {
    CardInput in;
    in.descriptionForm = kSupplementaryCard;
    in.boxes = boxes;
    return in;
}

// Boxes as the user gets them by clicking, starting from an empty card.
CardBoxes clicked(std::initializer_list<int> boxes) {
    CardBoxes state{};
    for (int b : boxes)
        state = coupleCardBoxes(state, b, !state[static_cast<std::size_t>(b)]);
    return state;
}

CardBoxes boxes(std::initializer_list<int> set) {
    CardBoxes state{};
    for (int b : set)
        state[static_cast<std::size_t>(b)] = true;
    return state;
}

} // namespace

TEST(CardStore, ChemicalRowsFromMultiples) {
    FactorRecord r = factorOfGroup(kChemical);
    KrtAktualizujCzynnik(r, measurement({"P", "0,7", "1", "0,3"}));
    EXPECT_EQ(r.hazardCategory, (Rows{1, 6, 6, 7}));
    EXPECT_TRUE(r.described);

    // The decimal point is read too, and small letters are the same rows as capitals.
    FactorRecord d = factorOfGroup(kDust);
    KrtAktualizujCzynnik(d, measurement({"c", "0.7", "r", "3"}));
    EXPECT_EQ(d.hazardCategory, (Rows{2, 6, 4, 3}));
}

TEST(CardStore, PhysicalRowsFromMultiples) {
    FactorRecord r = factorOfGroup(kPhysical);
    KrtAktualizujCzynnik(r, measurement({"1,2", "r", "R", "0"}));
    EXPECT_EQ(r.hazardCategory, (Rows{3, 4, 4, 7}));
    EXPECT_TRUE(r.described);
}

TEST(CardStore, NumberBoundaries) {
    EXPECT_EQ(hazardRowForMultiple("1", 0), 6);
    EXPECT_EQ(hazardRowForMultiple("1,0", 0), 6);
    EXPECT_EQ(hazardRowForMultiple("1,0001", 0), 3);
    EXPECT_EQ(hazardRowForMultiple("0,5", 0), 7);
    EXPECT_EQ(hazardRowForMultiple("0,5001", 0), 6);
    EXPECT_EQ(hazardRowForMultiple("0", 0), 7);
    EXPECT_EQ(hazardRowForMultiple("-2", 0), 7);
    EXPECT_EQ(hazardRowForMultiple("", 6), 6);
    EXPECT_THROW(hazardRowForMultiple("PP", 0), ConversionError);
    EXPECT_THROW(hazardRowForMultiple("x", 0), ConversionError);
}

TEST(CardStore, EmptyMultipleKeepsItsColumnAndLeavesFactorUndescribed) {
    FactorRecord r = factorOfGroup(kChemical);
    r.hazardCategory = {5, 5, 5, 5};
    KrtAktualizujCzynnik(r, measurement({"P", "", "0,2", "2"}));
    EXPECT_FALSE(r.described);
    EXPECT_EQ(r.hazardCategory, (Rows{1, 5, 7, 3}));
}

// A measured factor is described only with all four multiples: the juveniles' column, the last
// one, counts as much as the others, and blanks alone leave it empty.
TEST(CardStore, MeasuredFactorIsDescribedOnlyWithAllFourMultiples) {
    for (int group : {kChemical, kDust, kPhysical}) {
        FactorRecord withoutJuveniles = factorOfGroup(group);
        KrtAktualizujCzynnik(withoutJuveniles, measurement({"0,3", "0,3", "0,3", ""}));
        EXPECT_FALSE(withoutJuveniles.described) << "group " << group;

        FactorRecord blankJuveniles = factorOfGroup(group);
        KrtAktualizujCzynnik(blankJuveniles, measurement({"0,3", "0,3", "0,3", "  "}));
        EXPECT_FALSE(blankJuveniles.described) << "group " << group;

        FactorRecord complete = factorOfGroup(group);
        KrtAktualizujCzynnik(complete, measurement({"0,3", "0,3", "0,3", "0,3"}));
        EXPECT_TRUE(complete.described) << "group " << group;
    }
}

// "p" is the NDSP row as "P" is, in every column, for both groups that take the letter.
TEST(CardStore, SmallPIsTheNDSPRowInEveryColumn) {
    for (int group : {kChemical, kDust}) {
        for (const char* letter : {"p", "P"}) {
            FactorRecord r = factorOfGroup(group);
            r.hazardCategory = {9, 9, 9, 9};
            EXPECT_NO_THROW(KrtAktualizujCzynnik(r, measurement({letter, letter, letter, letter})))
                << "group " << group << ", " << letter;
            EXPECT_EQ(r.hazardCategory, (Rows{1, 1, 1, 1})) << "group " << group << ", " << letter;
            EXPECT_TRUE(r.described) << "group " << group << ", " << letter;
        }
    }
}

TEST(CardStore, FieldsStoredTrimmedAndCut) {
    FactorRecord r = factorOfGroup(kChemical);
    CardInput in = measurement({"  P  ", "0,12345678901", " 1 ", "\t0,3\t"});
    in.Ed602 = "7664-41-7";
    in.DTP601 = 38123;
    in.ED603 = std::string(300, 'x');
    in.Ed604 = "Laboratorium";
    in.Ed605 = "PN-Z-04008-7";
    in.Ed606 = "12,5 mg/m3";
    in.RG603 = 2;
    in.RG602 = 1;
    in.Mem611 = std::string(254, 'a') + "\r\nb";
    KrtAktualizujCzynnik(r, in);
    EXPECT_EQ(r.name, "czynnik"); // never written
    EXPECT_EQ(r.Ed602, "7664-41-7");
    EXPECT_EQ(r.DTP601, 38123);
    EXPECT_EQ(utf8Length(r.ED603), 255u);
    EXPECT_EQ(r.Ed605, "PN-Z-04008-7");
    EXPECT_EQ(r.Ed606, "12,5 mg/m3");
    EXPECT_EQ(r.Ed607, "P");
    EXPECT_EQ(r.Ed608, "0,12345678");
    EXPECT_EQ(r.Ed609, "1");
    EXPECT_EQ(r.Ed610, "0,3");
    EXPECT_EQ(r.RG603, 2);
    EXPECT_EQ(r.RG602, 1);
    // A cut between CR and LF does not leave a lone CR behind.
    EXPECT_EQ(r.Mem611, std::string(254, 'a'));
    EXPECT_EQ(r.hazardCategory, (Rows{1, 7, 6, 7}));
}

TEST(CardStore, BadMultipleStopsTheStoreAtItsColumn) {
    FactorRecord r = factorOfGroup(kChemical);
    r.hazardCategory = {9, 9, 9, 9};
    CardInput in = measurement({"P", "0,7", "abc", "C"});
    in.Ed604 = "Wykonawca";
    EXPECT_THROW(KrtAktualizujCzynnik(r, in), ConversionError);
    EXPECT_EQ(r.Ed604, "Wykonawca");                 // earlier steps stored
    EXPECT_EQ(r.Ed609, "abc");                       // the multiples too
    EXPECT_EQ(r.hazardCategory, (Rows{1, 6, 9, 9})); // columns from the bad one on unchanged
}

TEST(CardStoreSupplementary, RowsAndDescribed) {
    // Only "kobiet" clicked on a biological factor: the pregnant or nursing women follow.
    FactorRecord bio = factorOfGroup(kBiological);
    bio.descriptionForm = kSupplementaryCard;
    const CardBoxes women = clicked({kBoxWomen});
    EXPECT_EQ(women, boxes({kBoxWomen, kBoxPregnant}));
    KrtAktualizujCzynnik(bio, supplementary(women));
    EXPECT_EQ(bio.hazardCategory, (Rows{9, 8, 8, 9}));
    EXPECT_TRUE(bio.described);
    EXPECT_TRUE(bio.CB603);
    EXPECT_TRUE(bio.CB604);

    FactorRecord all = factorOfGroup(kOnerous);
    KrtAktualizujCzynnik(all, supplementary(clicked({kBoxAllGroups})));
    EXPECT_EQ(all.hazardCategory, (Rows{8, 8, 8, 8}));

    FactorRecord none = factorOfGroup(kOnerous);
    KrtAktualizujCzynnik(none, supplementary(CardBoxes{}));
    EXPECT_FALSE(none.described);
    EXPECT_EQ(none.hazardCategory, (Rows{9, 9, 9, 9}));

    // A chemical factor may be described on the supplementary card too; the multiples then
    // play no part.
    FactorRecord chem = factorOfGroup(kChemical);
    CardInput in = supplementary(boxes({kBoxMutagenic}));
    in.multiples = {"P", "", "", ""};
    KrtAktualizujCzynnik(chem, in);
    EXPECT_EQ(chem.hazardCategory, (Rows{4, 4, 4, 4}));
    EXPECT_TRUE(chem.described);
}

TEST(CardStoreSupplementary, FirstRuleThatApplies) {
    // States the coupling would not produce (from a damaged file) still give one answer.
    EXPECT_EQ(supplementaryRows(boxes({kBoxMutagenic, kBoxInfectious, kBoxAcceptable})),
              (Rows{4, 4, 4, 4}));
    EXPECT_EQ(supplementaryRows(boxes({kBoxInfectious, kBoxAcceptable})), (Rows{5, 5, 5, 5}));
    EXPECT_EQ(supplementaryRows(boxes({kBoxAcceptable, kBoxAllGroups})), (Rows{9, 9, 9, 9}));
    EXPECT_EQ(supplementaryRows(boxes({kBoxJuveniles})), (Rows{9, 9, 9, 8}));
    EXPECT_EQ(supplementaryRows(boxes({kBoxAllGroups})), (Rows{8, 9, 9, 9}));
}

TEST(CardStore, LightingAndCurrent) {
    FactorRecord light = factorOfGroup(kLighting);
    CardInput no = measurement({"", "", "", ""});
    no.RG602 = 1;
    KrtAktualizujCzynnik(light, no);
    EXPECT_TRUE(light.described);
    EXPECT_EQ(light.hazardCategory, (Rows{8, 8, 8, 8}));

    FactorRecord current = factorOfGroup(kElectricCurrent);
    KrtAktualizujCzynnik(current, measurement({"x", "", "", ""})); // multiples play no part
    EXPECT_TRUE(current.described);
    EXPECT_EQ(current.hazardCategory, (Rows{9, 9, 9, 9}));
}

TEST(CardStore, BiologicalOnMeasurementCardChangesNoRow) {
    FactorRecord r = factorOfGroup(kBiological);
    r.hazardCategory = {3, 3, 3, 3};
    r.described = true;
    KrtAktualizujCzynnik(r, measurement({"P", "P", "P", "P"}));
    EXPECT_FALSE(r.described);
    EXPECT_EQ(r.hazardCategory, (Rows{3, 3, 3, 3}));
}

TEST(MultiplicityCheck, LettersByGroupNumbersEverywhere) {
    for (const char* letter : {"p", "P", "c", "C", "r", "R"}) {
        EXPECT_TRUE(TestujNDS(letter, kChemical)) << letter;
        EXPECT_TRUE(TestujNDS(letter, kDust)) << letter;
    }
    EXPECT_TRUE(TestujNDS("", kChemical));
    EXPECT_TRUE(TestujNDS("r", kPhysical));
    EXPECT_TRUE(TestujNDS("", kPhysical));
    EXPECT_FALSE(TestujNDS("C", kPhysical));
    EXPECT_FALSE(TestujNDS("p", kPhysical));
    for (int g : {kBiological, kOnerous, kLighting, kElectricCurrent}) {
        EXPECT_FALSE(TestujNDS("", g)) << g;
        EXPECT_FALSE(TestujNDS("R", g)) << g;
        EXPECT_TRUE(TestujNDS("0,5", g)) << g;
    }
    EXPECT_TRUE(TestujNDS("0", kPhysical));
    EXPECT_FALSE(TestujNDS("-1", kChemical));
    EXPECT_FALSE(TestujNDS("PP", kChemical));

    const MultiplicityCheck typedC = checkMultiplicity("C", kPhysical);
    EXPECT_TRUE(typedC.rejected);
    EXPECT_EQ(typedC.text, "");
    const MultiplicityCheck padded = checkMultiplicity("  1,5 ", kPhysical);
    EXPECT_FALSE(padded.rejected);
    EXPECT_EQ(padded.text, "1,5");
    const MultiplicityCheck zero = checkMultiplicity("0", kPhysical);
    EXPECT_FALSE(zero.rejected);
    EXPECT_TRUE(checkMultiplicity("-1", kChemical).rejected);
}

TEST(DecimalNumbers, CommaOrPoint) {
    double v = -1;
    EXPECT_TRUE(parseDecimal("1,5", v));
    EXPECT_DOUBLE_EQ(v, 1.5);
    EXPECT_TRUE(parseDecimal("1.5", v));
    EXPECT_DOUBLE_EQ(v, 1.5);
    EXPECT_TRUE(parseDecimal(",5", v));
    EXPECT_DOUBLE_EQ(v, 0.5);
    EXPECT_TRUE(parseDecimal("5,", v));
    EXPECT_DOUBLE_EQ(v, 5);
    EXPECT_TRUE(parseDecimal("-0,3", v));
    EXPECT_DOUBLE_EQ(v, -0.3);
    EXPECT_TRUE(parseDecimal("+2", v));
    EXPECT_DOUBLE_EQ(v, 2);
    EXPECT_TRUE(parseDecimal("1,2E+1", v));
    EXPECT_DOUBLE_EQ(v, 12);
    v = 7;
    for (const char* bad : {"", ",", "-", "1,2,3", "1,2.3", "1 000", " 1", "1e", "e5", "0x10",
                            "inf", "nan", "1e400", "1,5%", "½"})
        EXPECT_FALSE(parseDecimal(bad, v)) << bad;
    EXPECT_EQ(v, 7); // untouched by a failure
}

TEST(CardBoxes, EachBoxInBothDirections) {
    const CardBoxes all = boxes({kBoxAllGroups, kBoxWomen, kBoxPregnant, kBoxJuveniles});
    // Setting.
    EXPECT_EQ(coupleCardBoxes(all, kBoxAcceptable, true), boxes({kBoxAcceptable}));
    EXPECT_EQ(coupleCardBoxes(boxes({kBoxMutagenic}), kBoxAllGroups, true), all);
    EXPECT_EQ(coupleCardBoxes(boxes({kBoxAcceptable}), kBoxWomen, true),
              boxes({kBoxWomen, kBoxPregnant}));
    EXPECT_EQ(coupleCardBoxes(boxes({kBoxInfectious}), kBoxPregnant, true), boxes({kBoxPregnant}));
    EXPECT_EQ(coupleCardBoxes(boxes({kBoxAcceptable, kBoxWomen}), kBoxJuveniles, true),
              boxes({kBoxWomen, kBoxJuveniles}));
    EXPECT_EQ(coupleCardBoxes(all, kBoxMutagenic, true), boxes({kBoxMutagenic}));
    EXPECT_EQ(coupleCardBoxes(boxes({kBoxMutagenic}), kBoxInfectious, true),
              boxes({kBoxInfectious}));
    // Clearing.
    EXPECT_EQ(coupleCardBoxes(boxes({kBoxAcceptable}), kBoxAcceptable, false), CardBoxes{});
    EXPECT_EQ(coupleCardBoxes(all, kBoxAllGroups, false),
              boxes({kBoxWomen, kBoxPregnant, kBoxJuveniles}));
    EXPECT_EQ(coupleCardBoxes(all, kBoxWomen, false), boxes({kBoxPregnant, kBoxJuveniles}));
    // Clearing the pregnant or nursing women clears "kobiet", which clears "wszystkich".
    EXPECT_EQ(coupleCardBoxes(all, kBoxPregnant, false), boxes({kBoxJuveniles}));
    EXPECT_EQ(coupleCardBoxes(all, kBoxJuveniles, false), boxes({kBoxWomen, kBoxPregnant}));
    EXPECT_EQ(coupleCardBoxes(boxes({kBoxMutagenic}), kBoxMutagenic, false), CardBoxes{});
    EXPECT_EQ(coupleCardBoxes(boxes({kBoxInfectious}), kBoxInfectious, false), CardBoxes{});
    // No change, no rule: setting a set box leaves an odd state as it is.
    const CardBoxes odd = boxes({kBoxAcceptable, kBoxWomen});
    EXPECT_EQ(coupleCardBoxes(odd, kBoxWomen, true), odd);
    EXPECT_EQ(coupleCardBoxes(odd, 7, true), odd);
}

TEST(CardBoxes, EveryReachableStateKeepsTheRulesAndLoadsUnchanged) {
    auto consistent = [](const CardBoxes& s) {
        const int exclusive = s[kBoxAcceptable] + s[kBoxMutagenic] + s[kBoxInfectious];
        const bool anyGroup =
            s[kBoxAllGroups] || s[kBoxWomen] || s[kBoxPregnant] || s[kBoxJuveniles];
        if (exclusive > 1 || (exclusive == 1 && anyGroup)) return false;
        if (s[kBoxAllGroups] && !(s[kBoxWomen] && s[kBoxPregnant] && s[kBoxJuveniles]))
            return false;
        return !s[kBoxWomen] || s[kBoxPregnant];
    };
    // Every state that clicks can produce from the empty card or a new factor's boxes.
    std::set<CardBoxes> reachable{CardBoxes{}, boxes({kBoxAcceptable})};
    std::vector<CardBoxes> todo(reachable.begin(), reachable.end());
    while (!todo.empty()) {
        const CardBoxes s = todo.back();
        todo.pop_back();
        for (int b = 0; b < 7; ++b) {
            const CardBoxes next = coupleCardBoxes(s, b, !s[static_cast<std::size_t>(b)]);
            EXPECT_TRUE(consistent(next));
            if (reachable.insert(next).second) todo.push_back(next);
        }
    }
    EXPECT_EQ(reachable.size(), 10u);
    for (const CardBoxes& shown : reachable)
        for (const CardBoxes& stored : reachable)
            EXPECT_EQ(loadCardBoxes(shown, stored), stored);
}

TEST(CardInputs, EmptyCardAndLoadedFactor) {
    const CardInput empty = emptyCardInput(38153);
    EXPECT_EQ(empty.DTP601, 38153);
    EXPECT_EQ(empty.descriptionForm, kMeasurementCard);
    EXPECT_EQ(empty.RG602, 0);
    EXPECT_EQ(empty.boxes, CardBoxes{});
    EXPECT_TRUE(empty.Ed602.empty() && empty.Mem611.empty() && empty.multiples[0].empty());

    FactorRecord r = factorOfGroup(kChemical);
    r.Ed602 = "kod";
    r.Ed609 = "0,4";
    r.CB601 = false;
    r.CB605 = true;
    const CardInput loaded =
        cardInputFromRecord(r, boxes({kBoxAllGroups, kBoxWomen, kBoxPregnant, kBoxJuveniles}));
    EXPECT_EQ(loaded.boxes, boxes({kBoxJuveniles}));
    EXPECT_EQ(loaded.Ed602, "kod");
    EXPECT_EQ(loaded.multiples[2], "0,4");
    EXPECT_EQ(loaded.DTP601, r.DTP601);

    // Storing the loaded card unchanged changes nothing but the verdicts.
    FactorRecord again = r;
    KrtAktualizujCzynnik(again, loaded);
    again.described = r.described;
    again.hazardCategory = r.hazardCategory;
    EXPECT_EQ(again, r);
}

TEST(CardLayouts, ByFactorGroup) {
    const CardLayout chem = cardLayoutFor(kChemical);
    EXPECT_TRUE(chem.formChoiceEnabled);
    EXPECT_EQ(chem.forcedForm, -1);
    EXPECT_STREQ(chem.limitLabel, "Krotność NDS:");
    EXPECT_TRUE(chem.showMultiplicityRows && chem.showLegendPC && chem.showLegendR);
    EXPECT_FALSE(chem.legendRInPlaceOfPC);
    EXPECT_FALSE(chem.showMeetsRequirements);
    EXPECT_TRUE(chem.showResult);
    EXPECT_EQ(cardLayoutFor(kDust), chem);
    EXPECT_EQ(cardLayoutFor(0), chem);

    const CardLayout phys = cardLayoutFor(kPhysical);
    EXPECT_STREQ(phys.limitLabel, "Krotność NDN:");
    EXPECT_FALSE(phys.showLegendPC);
    EXPECT_TRUE(phys.showLegendR && phys.legendRInPlaceOfPC);
    EXPECT_TRUE(phys.formChoiceEnabled);

    for (int g : {kBiological, kOnerous}) {
        const CardLayout l = cardLayoutFor(g);
        EXPECT_FALSE(l.formChoiceEnabled);
        EXPECT_EQ(l.forcedForm, kSupplementaryCard);
    }

    const CardLayout light = cardLayoutFor(kLighting);
    EXPECT_FALSE(light.formChoiceEnabled);
    EXPECT_EQ(light.forcedForm, kMeasurementCard);
    EXPECT_TRUE(light.showMeetsRequirements);
    EXPECT_FALSE(light.showMultiplicityRows || light.showLegendPC || light.showLegendR);
    EXPECT_TRUE(light.showResult);
    const CardLayout current = cardLayoutFor(kElectricCurrent);
    EXPECT_TRUE(current.showMeetsRequirements);
    EXPECT_FALSE(current.showResult);
}
