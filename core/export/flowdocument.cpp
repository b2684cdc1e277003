// The flowing document's look-ups and the names of its pictures.
#include "core/export/flowdocument.h"

namespace tarnik {

const FlowStyle* FlowDocument::findStyle(const std::string& name) const {
    for (const FlowStyle& s : styles)
        if (s.name == name) return &s;
    return nullptr;
}

namespace {

void collectPictures(const std::vector<FlowBlock>& blocks, std::vector<const FlowPicture*>& out) {
    for (const FlowBlock& b : blocks)
        if (const auto* p = std::get_if<FlowPicture>(&b)) out.push_back(p);
}

} // namespace

std::vector<const FlowPicture*> FlowDocument::pictures() const {
    std::vector<const FlowPicture*> out;
    collectPictures(blocks, out);
    return out;
}

std::string pictureFileName(int index) {
    return "wykres" + std::to_string(index) + ".png";
}

} // namespace tarnik
