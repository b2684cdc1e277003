// One factor in the report: the measurement card of form A and the factor block of form B.
#include "core/base/dates.h"
#include "core/base/text.h"
#include "core/report/reportbuilder.h"
#include "core/report/reporttexts.h"

namespace tarnik {

std::unique_ptr<TGroup> ReportBuilder::measurementCard(const FactorRecord& f, bool chemicalList,
                                                       bool leadingBlank) const {
    auto group = std::make_unique<TGroup>(doc());
    if (leadingBlank) group->Add(textItem("\r\n ", "Header"));
    const bool measured = f.descriptionForm == 0;
    const CardTexts texts = measurementCardTexts(f);
    std::string name = f.name;
    if (!f.Ed602.empty()) name += "  kod: " + f.Ed602;

    auto card = table({{1, 9, 15}, 2, true});
    const auto line = [&card](const char* number, const char* label, const std::string& value) {
        row(*card, {{number, "TableText"}, {label, "TableLeft"}, {value, "TableLeft"}});
    };
    line("1.", chemicalList ? "Nazwa czynnika/kod" : "Nazwa czynnika", name);
    line("2.", "Data pomiaru", measured ? formatPolishDate(f.DTP601) : std::string());
    line("3.", "Miejsce pomiaru", f.ED603);
    line("4.", "Wykonujący pomiar", f.Ed604);
    line("5.", "Metoda pomiaru", f.Ed605);
    line("6.", measured ? "Wyniki pomiaru" : "Krótka charakterystyka czynnika", texts.result);
    line("7.", "Interpretacja wyniku", texts.interpretation);
    group->Add(std::move(card));
    group->Add(textItem("\r\n", "Header"));
    return group;
}

std::unique_ptr<TGroup> ReportBuilder::factorBlock(const FactorRecord& f) const {
    auto group = std::make_unique<TGroup>(doc());
    auto name = table({{1}, 2, true});
    row(*name, {{f.name, "TableGlowa"}});
    group->Add(std::move(name));

    // A label and its value, only when the value holds something.
    const auto pairTable = [&](const char* label, const std::string& value) {
        if (trim(value).empty()) return;
        group->Add(labelValue({1, 4}, 2, true, label, value));
    };
    // A label and its value, printed whatever the value.
    const auto alwaysPair = [&](const char* label, const std::string& value) {
        group->Add(labelValue({1, 4}, 2, true, label, value));
    };
    const auto oneCell = [&](const std::string& text) {
        auto t = table({{1}, 2, true});
        row(*t, {{text, "TableLeft"}});
        group->Add(std::move(t));
    };

    const bool measured = f.descriptionForm == 0;
    pairTable("Kod: ", f.Ed602);
    if (measured) pairTable("Data pomiaru:", formatPolishDate(f.DTP601));
    pairTable("Miejsce pomiaru:", f.ED603);
    pairTable("Wykonawca pomiaru:", f.Ed604);
    pairTable("Metoda pomiaru:", f.Ed605);

    if (measured) {
        switch (f.factorGroup) {
        case kChemical:
        case kDust:
        case kPhysical:
            pairTable("Wynik pomiaru:", f.Ed606);
            oneCell(interpretationLines(f));
            break;
        case kLighting: {
            std::string value = f.Ed606;
            if (!f.Ed606.empty()) value += "\r\n- ";
            alwaysPair("Wynik pomiaru:", value + requirementVerdict(f.RG602));
            break;
        }
        case kElectricCurrent:
            alwaysPair("Wynik pomiaru:", requirementVerdict(f.RG602));
            break;
        default:
            break;
        }
    } else if (f.descriptionForm == 1) {
        pairTable("Krótka charakterystyka;", f.Mem611);
        const std::string verdict = verdictText(f);
        if (!trim(verdict).empty()) oneCell(verdict);
    }
    return group;
}

} // namespace tarnik
