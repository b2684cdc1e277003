#pragma once
// The named text styles of the page-layout model and the report's set of them.
//
// A style gives an item its font (in points), the empty space a paragraph leaves above its text and
// the flag word of the text output. The document's style list owns its styles; the items refer to
// them by name.
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/layout/canvas.h"

namespace tarnik {

// One named text style: the font, the empty space a paragraph leaves above its text, and the
// flag word of the text output (kTextWordBreak, kTextCenter, ...).
struct TStyle {
    std::string name;
    FontSpec font;
    int spacing = 0;
    unsigned format = kTextWordBreak;
};

// The styles of one document, in the order added. The list owns its styles; items refer to them.
class TStyles {
public:
    TStyles() = default;
    TStyles(const TStyles&) = delete;
    TStyles& operator=(const TStyles&) = delete;

    TStyle& Add(TStyle style);
    // The first style whose name is exactly the given one (case-sensitive), or null.
    const TStyle* Find(std::string_view name) const;

    std::size_t size() const { return styles_.size(); }
    const TStyle& operator[](std::size_t i) const { return *styles_[i]; }

private:
    std::vector<std::unique_ptr<TStyle>> styles_;
};

// The 18 styles of the report, in their order, every font in the given face.
void AddReportStyles(TStyles& styles, const std::string& face);

} // namespace tarnik
