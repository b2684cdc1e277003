// The document's pages: page breaking, the running header, and printing a range of pages.
#include "core/layout/pagination.h"

namespace tarnik {

TItem& TPage::Add(std::unique_ptr<TItem> item) {
    items.push_back(std::move(item));
    return *items.back();
}

TDoc::TDoc(Canvas& canvas, std::string jobTitle)
    : canvas_(canvas), jobTitle_(std::move(jobTitle)), savedPen_(canvas.pen()),
      savedBrush_(canvas.brush()) {
    if (!canvas_.printing()) beganJob_ = canvas_.beginDoc(jobTitle_);
}

TDoc::~TDoc() {
    // A document destroyed before it printed (a report that failed half-way) must not leave its
    // print job open.
    if (!printed_ && beganJob_ && canvas_.printing()) canvas_.abortDoc();
    canvas_.setPen(savedPen_);
    canvas_.setBrush(savedBrush_);
}

void TDoc::SetMargins(int left, int right, int top, int bottom) {
    leftMargin = left;
    rightMargin = right;
    topMargin = top;
    bottomMargin = bottom;
    usableWidth = canvas_.pageWidth() - left - right;
    usableHeight = canvas_.pageHeight() - top - bottom;
}

void TDoc::NewPage() {
    auto page = std::make_unique<TPage>();
    ++pageCount;
    page->leftMargin = leftMargin;
    page->rightMargin = rightMargin;
    page->topMargin = topMargin;
    page->bottomMargin = bottomMargin;
    page->usableHeight = usableHeight;
    page->usableWidth = usableWidth;
    usedHeight = 0;
    pageHasItems_ = false;
    if (!(pageCount == 1 && noHeaderOnFirstPage)) {
        std::string header = headerText;
        const std::string number = std::to_string(pageCount);
        for (std::size_t at = header.find("&p"); at != std::string::npos;
             at = header.find("&p", at + number.size()))
            header.replace(at, 2, number);
        const auto headerLine = [&](std::string lineText) {
            auto item = std::make_unique<TTextItem>(*this);
            item->Setup(std::move(lineText), "Z_Header", usableWidth);
            item->inner = Rect{5, 25, 5, 25};
            usedHeight += item->Height();
            page->Add(std::move(item));
        };
        headerLine(std::move(header));
        auto rule = std::make_unique<TRct>(*this);
        rule->width = usableWidth;
        rule->height = 1;
        usedHeight += rule->Height();
        page->Add(std::move(rule));
        headerLine(" ");
    }
    pages.push_back(std::move(page));
}

TItem& TDoc::AddItem(std::unique_ptr<TItem> item) {
    const int h = item->Height();
    // An item too tall for any page goes on the page just begun rather than leaving it blank.
    if (pages.empty() || (usedHeight + h > usableHeight && pageHasItems_)) NewPage();
    usedHeight += h;
    pageHasItems_ = true;
    return pages.back()->Add(std::move(item));
}

TTextItem& TDoc::AddText(std::string text, std::string_view styleName) {
    auto item = std::make_unique<TTextItem>(*this);
    item->Setup(std::move(text), styleName, usableWidth);
    return AddItem(std::move(item));
}

void TDoc::drawPage(const TPage& page) {
    const int x = page.leftMargin;
    int y = page.topMargin;
    for (const auto& item : page.items) {
        item->Draw(x, y);
        y += item->lastHeight();
    }
}

bool TDoc::Print(const PrintRange& range) {
    if (!canvas_.printing()) canvas_.beginDoc(jobTitle_);
    bool sheetUsed = false;
    for (std::size_t i = 0; i < pages.size(); ++i) {
        if (!range.includes(static_cast<int>(i) + 1)) continue;
        if (sheetUsed) canvas_.newSheet();
        drawPage(*pages[i]);
        sheetUsed = true;
    }
    printed_ = true;
    return canvas_.endDoc();
}

} // namespace tarnik
