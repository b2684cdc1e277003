#include "core/rules/factors/cards.h"

#include <charconv>
#include <cmath>

#include "core/base/errors.h"
#include "core/base/text.h"

namespace tarnik {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Cut to n characters without leaving half of a CR LF pair at the end.
std::string cutText(std::string_view s, std::size_t n) {
    std::string cut = utf8Left(s, n);
    if (cut.size() < s.size() && !cut.empty() && cut.back() == '\r') cut.pop_back();
    return cut;
}

std::string notANumberMessage(std::string_view text) {
    return "„" + std::string(text) + "” nie jest poprawną liczbą.";
}

bool isLetterOf(std::string_view text, std::string_view letters) {
    return text.size() == 1 && letters.find(text[0]) != std::string_view::npos;
}

// The rule of a box that changed to `value`: the changes it makes, each setting off its own.
void setBox(CardBoxes& s, int box, bool value);

void runRule(CardBoxes& s, int box, bool value) {
    auto clearExclusive = [&s] {
        setBox(s, kBoxAcceptable, false);
        setBox(s, kBoxMutagenic, false);
        setBox(s, kBoxInfectious, false);
    };
    switch (box) {
    case kBoxAcceptable:
    case kBoxMutagenic:
    case kBoxInfectious:
        if (value)
            for (int other = 0; other < 7; ++other)
                if (other != box) setBox(s, other, false);
        break;
    case kBoxAllGroups:
        if (value) {
            clearExclusive();
            setBox(s, kBoxWomen, true);
            setBox(s, kBoxPregnant, true);
            setBox(s, kBoxJuveniles, true);
        }
        break;
    case kBoxWomen:
        if (value) {
            setBox(s, kBoxPregnant, true);
            clearExclusive();
        } else {
            setBox(s, kBoxAllGroups, false);
        }
        break;
    case kBoxPregnant:
        if (value) {
            clearExclusive();
        } else {
            setBox(s, kBoxAllGroups, false);
            setBox(s, kBoxWomen, false);
        }
        break;
    case kBoxJuveniles:
        if (value)
            clearExclusive();
        else
            setBox(s, kBoxAllGroups, false);
        break;
    default:
        break;
    }
}

void setBox(CardBoxes& s, int box, bool value) {
    if (box < 0 || box >= 7) return;
    auto& cell = s[static_cast<std::size_t>(box)];
    if (cell == value) return;
    cell = value;
    runRule(s, box, value);
}

} // namespace

bool parseDecimal(std::string_view text, double& value) {
    std::size_t i = 0;
    std::string canonical;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-') canonical += '-';
        ++i;
    }
    std::string whole;
    std::string fraction;
    while (i < text.size() && isDigit(text[i]))
        whole += text[i++];
    if (i < text.size() && (text[i] == ',' || text[i] == '.')) {
        ++i;
        while (i < text.size() && isDigit(text[i]))
            fraction += text[i++];
    }
    if (whole.empty() && fraction.empty()) return false;
    canonical += whole.empty() ? "0" : whole;
    if (!fraction.empty()) canonical += "." + fraction;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        canonical += 'e';
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
            if (text[i] == '-') canonical += '-';
            ++i;
        }
        const std::size_t digitsFrom = i;
        while (i < text.size() && isDigit(text[i]))
            canonical += text[i++];
        if (i == digitsFrom) return false;
    }
    if (i != text.size()) return false;

    double v = 0;
    const auto [end, ec] =
        std::from_chars(canonical.data(), canonical.data() + canonical.size(), v);
    if (ec != std::errc() || end != canonical.data() + canonical.size() || !std::isfinite(v))
        return false;
    value = v;
    return true;
}

CardBoxes boxesOf(const FactorRecord& r) {
    return {r.CB601, r.CB602, r.CB603, r.CB604, r.CB605, r.CB606, r.CB607};
}

CardBoxes coupleCardBoxes(CardBoxes state, int box, bool value) {
    setBox(state, box, value);
    return state;
}

CardBoxes loadCardBoxes(CardBoxes shown, const CardBoxes& stored) {
    for (int box = 0; box < 7; ++box)
        setBox(shown, box, stored[static_cast<std::size_t>(box)]);
    return shown;
}

CardInput emptyCardInput(DayNumber assessmentDate) {
    CardInput in;
    in.DTP601 = assessmentDate;
    return in;
}

CardInput cardInputFromRecord(const FactorRecord& r, const CardBoxes& shownBefore) {
    CardInput in;
    in.Ed602 = r.Ed602;
    in.descriptionForm = r.descriptionForm;
    in.DTP601 = r.DTP601;
    in.ED603 = r.ED603;
    in.Ed604 = r.Ed604;
    in.Ed605 = r.Ed605;
    in.Ed606 = r.Ed606;
    in.multiples = {r.Ed607, r.Ed608, r.Ed609, r.Ed610};
    in.RG603 = r.RG603;
    in.RG604 = r.RG604;
    in.RG605 = r.RG605;
    in.RG606 = r.RG606;
    in.RG602 = r.RG602;
    in.Mem611 = r.Mem611;
    in.boxes = loadCardBoxes(shownBefore, boxesOf(r));
    return in;
}

int hazardRowForMultiple(std::string_view multiple, int previous) {
    if (isLetterOf(multiple, "Pp")) return kRowOverNDSP;
    if (isLetterOf(multiple, "Cc")) return kRowOverNDSCh;
    if (isLetterOf(multiple, "Rr")) return kRowMutagenic;
    if (multiple.empty()) return previous;
    double x = 0;
    if (!parseDecimal(multiple, x)) throw ConversionError(notANumberMessage(multiple));
    if (x > 1.0) return kRowOverNDN;
    if (x > 0.5) return kRowHalfToOne;
    return kRowUpToHalf;
}

std::array<int, 4> supplementaryRows(const CardBoxes& b) {
    if (b[kBoxMutagenic]) return {kRowMutagenic, kRowMutagenic, kRowMutagenic, kRowMutagenic};
    if (b[kBoxInfectious]) return {kRowInfectious, kRowInfectious, kRowInfectious, kRowInfectious};
    if (b[kBoxAcceptable]) return {kRowOther, kRowOther, kRowOther, kRowOther};
    std::array<int, 4> rows{};
    for (std::size_t column = 0; column < 4; ++column)
        rows[column] = b[kBoxAllGroups + column] ? kRowUnacceptable : kRowOther;
    return rows;
}

void KrtAktualizujCzynnik(FactorRecord& r, const CardInput& in) {
    // 1.
    r.Ed602 = cutText(in.Ed602, 255);
    r.descriptionForm =
        in.descriptionForm == kSupplementaryCard ? kSupplementaryCard : kMeasurementCard;
    r.DTP601 = in.DTP601;
    r.ED603 = cutText(in.ED603, 255);
    r.Ed604 = cutText(in.Ed604, 255);
    r.Ed605 = cutText(in.Ed605, 255);
    r.Ed606 = cutText(in.Ed606, 255);
    // 2.
    std::array<std::string*, 4> multiples{&r.Ed607, &r.Ed608, &r.Ed609, &r.Ed610};
    for (std::size_t column = 0; column < 4; ++column)
        *multiples[column] = utf8Left(trim(in.multiples[column]), 10);
    // 3.
    r.RG603 = in.RG603;
    r.RG604 = in.RG604;
    r.RG605 = in.RG605;
    r.RG606 = in.RG606;
    r.RG602 = in.RG602;
    r.Mem611 = cutText(in.Mem611, 255);
    r.CB601 = in.boxes[kBoxAcceptable];
    r.CB602 = in.boxes[kBoxAllGroups];
    r.CB603 = in.boxes[kBoxWomen];
    r.CB604 = in.boxes[kBoxPregnant];
    r.CB605 = in.boxes[kBoxJuveniles];
    r.CB606 = in.boxes[kBoxMutagenic];
    r.CB607 = in.boxes[kBoxInfectious];

    const bool supplementary = isSupplementaryForm(r.descriptionForm);
    const bool measuredGroup = r.factorGroup >= kChemical && r.factorGroup <= kPhysical;
    const bool lightingOrCurrent = r.factorGroup == kLighting || r.factorGroup == kElectricCurrent;

    // 4.
    r.described = false;
    if (supplementary) {
        const CardBoxes boxes = boxesOf(r);
        for (bool b : boxes)
            r.described = r.described || b;
    } else if (measuredGroup) {
        r.described = !r.Ed607.empty() && !r.Ed608.empty() && !r.Ed609.empty() && !r.Ed610.empty();
    } else if (lightingOrCurrent) {
        r.described = true;
    }

    // 5.
    if (supplementary) {
        r.hazardCategory = supplementaryRows(boxesOf(r));
    } else if (measuredGroup) {
        for (std::size_t column = 0; column < 4; ++column)
            r.hazardCategory[column] =
                hazardRowForMultiple(*multiples[column], r.hazardCategory[column]);
    } else if (lightingOrCurrent) {
        const int row = r.RG602 == 1 ? kRowUnacceptable : kRowOther;
        r.hazardCategory = {row, row, row, row};
    }
}

bool TestujNDS(std::string_view text, int factorGroup) {
    if (factorGroup == kChemical || factorGroup == kDust) {
        if (text.empty() || isLetterOf(text, "pPcCrR")) return true;
    } else if (factorGroup == kPhysical) {
        if (text.empty() || isLetterOf(text, "rR")) return true;
    }
    double x = 0;
    return parseDecimal(text, x) && x >= 0;
}

MultiplicityCheck checkMultiplicity(std::string_view typed, int factorGroup) {
    MultiplicityCheck check;
    check.text = trim(typed);
    if (!TestujNDS(check.text, factorGroup)) {
        check.text.clear();
        check.rejected = true;
    }
    return check;
}

CardLayout cardLayoutFor(int factorGroup) {
    CardLayout layout;
    switch (factorGroup) {
    case kPhysical:
        layout.limitLabel = kLimitLabelNDN;
        layout.showLegendPC = false;
        layout.legendRInPlaceOfPC = true;
        break;
    case kBiological:
    case kOnerous:
        layout.formChoiceEnabled = false;
        layout.forcedForm = kSupplementaryCard;
        layout.showMultiplicityRows = false;
        layout.showLegendPC = false;
        layout.showLegendR = false;
        layout.limitLabel = "";
        break;
    case kLighting:
    case kElectricCurrent:
        layout.formChoiceEnabled = false;
        layout.forcedForm = kMeasurementCard;
        layout.showMultiplicityRows = false;
        layout.showLegendPC = false;
        layout.showLegendR = false;
        layout.limitLabel = "";
        layout.showMeetsRequirements = true;
        layout.showResult = factorGroup == kLighting;
        break;
    default: // chemical, dust and anything unknown
        layout.limitLabel = kLimitLabelNDS;
        break;
    }
    return layout;
}

} // namespace tarnik
