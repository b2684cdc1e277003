// The style list of a document and the report's eighteen styles.
#include "core/layout/styles.h"

namespace tarnik {

TStyle& TStyles::Add(TStyle style) {
    styles_.push_back(std::make_unique<TStyle>(std::move(style)));
    return *styles_.back();
}

const TStyle* TStyles::Find(std::string_view name) const {
    for (const auto& s : styles_)
        if (s->name == name) return s.get();
    return nullptr;
}

void AddReportStyles(TStyles& styles, const std::string& face) {
    struct Row {
        const char* name;
        int points;
        bool bold;
        Colour colour;
        unsigned format;
        int spacing;
    };
    constexpr unsigned wrapLeft = kTextWordBreak;
    constexpr unsigned wrapCentre = kTextWordBreak | kTextCenter;
    constexpr unsigned wrapRight = kTextWordBreak | kTextRight;
    static const Row rows[] = {
        {"Normal", 10, false, kBlack, wrapLeft, 10},
        {"NormalMaly", 9, false, kBlack, wrapLeft, 5},
        {"NormalBardzoMaly", 6, false, kBlack, wrapLeft, 3},
        {"NormalRed", 9, false, kRed, wrapLeft, 5},
        {"Center", 10, false, kBlack, wrapCentre, 10},
        {"CenterBold", 10, true, kBlack, wrapCentre, 10},
        {"NBold", 10, true, kBlack, wrapLeft, 10},
        {"BigHeader", 16, true, kBlack, wrapCentre, 0},
        {"BigBigHeader", 22, true, kBlack, wrapCentre, 0},
        {"Z_Header", 8, true, kBlack, kTextCenter, 0},
        {"Header", 14, true, kBlack, wrapLeft, 0},
        {"TableText", 10, false, kBlack, wrapCentre, 0},
        {"TableGlowa", 9, true, kBlack, wrapCentre, 0},
        {"TableLeft", 10, false, kBlack, wrapLeft, 0},
        {"TableLeft8", 8, false, kBlack, wrapLeft, 0},
        {"TableRight", 10, false, kBlack, wrapRight, 0},
        {"TableMaly", 6, false, kBlack, wrapCentre, 0},
        {"TableMalyBottom", 6, false, kBlack, wrapCentre | kTextBottom, 0},
    };
    for (const Row& r : rows)
        styles.Add(TStyle{r.name, FontSpec{face, r.points, r.colour, r.bold}, r.spacing, r.format});
}

} // namespace tarnik
