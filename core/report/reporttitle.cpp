// The title page and the legal-basis page of the report.
#include "core/base/dates.h"
#include "core/base/text.h"
#include "core/report/reportbuilder.h"
#include "core/report/reporttexts.h"

namespace tarnik {

void ReportBuilder::titlePage() {
    log("- tytułowa");
    blanks(4, "BigHeader");
    paragraph("Tarnik", "BigBigHeader");
    blanks(2, "BigHeader");
    const std::string employer = trim(a().EdtZaklad);
    paragraph(employer.empty() ? std::string(" ") : "\r\n" + employer + "\r\n", "BigHeader");
    paragraph("stanowisko:", "BigHeader");
    paragraph(a().EdtStanowisko, "BigHeader");
    blanks(in_.options.spacing(), "BigHeader");
    paragraph("zatwierdził: .............................................. podpis "
              ".......................................",
              "Center");
    blanks(2, "Normal");
    paragraph("data wykonania oceny: " + formatPolishDate(a().DTPOcena), "Center");
}

void ReportBuilder::legalBasis() {
    doc().NewPage();
    auto group = std::make_unique<TGroup>(doc());
    group->Add(textItem(kLegalBasisHeading, "Header"));
    auto intro = table({{1}, 2, false});
    row(*intro, {{kLegalBasisIntro, "TableLeft8"}});
    group->Add(std::move(intro));
    auto acts = table({{1, 25}, 2, false});
    for (std::size_t i = 0; i < kLegalBasisActs.size(); ++i)
        row(*acts,
            {{std::to_string(i + 1) + ".", "TableLeft8"}, {kLegalBasisActs[i], "TableLeft8"}});
    group->Add(std::move(acts));
    place(std::move(group));
}

} // namespace tarnik
