// The document's pages: page breaking, the running header, and printing a range of pages.
#include "core/layout/pagination.h"

#include <vector>

#include "core/base/text.h"
#include "core/layout/polishletters.h"

namespace tarnik {

namespace {

constexpr Rect kHeaderInner{5, 25, 5, 25};
constexpr std::string_view kEllipsis = "…";

std::string withPageNumber(std::string text, int pageNumber) {
    const std::string number = std::to_string(pageNumber);
    for (std::size_t at = text.find("&p"); at != std::string::npos;
         at = text.find("&p", at + number.size()))
        text.replace(at, 2, number);
    return text;
}

} // namespace

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

void TDoc::NewPage(PageStart start) {
    auto page = std::make_unique<TPage>();
    page->start = start;
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
        const auto headerLine = [&](std::string lineText) {
            auto item = std::make_unique<TTextItem>(*this);
            item->Setup(std::move(lineText), "Z_Header", usableWidth);
            item->inner = kHeaderInner;
            usedHeight += item->Height();
            page->Add(std::move(item));
        };
        headerLine(HeaderLine(pageCount));
        auto rule = std::make_unique<TRct>(*this);
        rule->width = usableWidth;
        rule->height = 1;
        usedHeight += rule->Height();
        page->Add(std::move(rule));
        headerLine(" ");
        page->headerItems = page->items.size();
    }
    pages.push_back(std::move(page));
}

std::string TDoc::HeaderLine(int pageNumber) const {
    std::string full = withPageNumber(headerText, pageNumber);
    if (!printPolishLetters) full = StripPolishLetters(full);
    const TStyle* style = styles ? styles->Find("Z_Header") : nullptr;
    if (!style) return full;
    const int room = usableWidth - kHeaderInner.left - kHeaderInner.right;
    canvas_.setFont(style->font);
    const auto fits = [&](std::string_view text) {
        Rect r{0, 0, room, 0};
        canvas_.drawText(text, r, kTextCalcRect);
        return r.width() <= room;
    };
    if (fits(full)) return full;

    // Too wide: what stands before the page number ("station,   strona &p": the station) is
    // shortened and ends in "…", so that the page number always shows.
    const std::size_t pageAt = headerText.find("&p");
    std::size_t keepFrom = headerText.size();
    if (pageAt != std::string::npos) {
        const std::size_t comma = headerText.rfind(',', pageAt);
        keepFrom = comma == std::string::npos ? pageAt : comma;
    }
    std::string head = headerText.substr(0, keepFrom);
    std::string tail = withPageNumber(headerText.substr(keepFrom), pageNumber);
    if (!printPolishLetters) {
        head = StripPolishLetters(head);
        tail = StripPolishLetters(tail);
    }
    const auto shortened = [&](std::size_t length) {
        std::string text = head.substr(0, length);
        while (!text.empty() && text.back() == ' ')
            text.pop_back();
        return text + std::string(kEllipsis) + tail;
    };
    const std::vector<std::size_t> ends = utf8CharacterEnds(head);
    // The most characters of the head that still fit; none when not even one does.
    std::size_t lo = 0;
    std::size_t hi = ends.size();
    while (lo < hi) {
        const std::size_t mid = lo + (hi - lo + 1) / 2;
        if (fits(shortened(ends[mid - 1])))
            lo = mid;
        else
            hi = mid - 1;
    }
    return shortened(lo == 0 ? 0 : ends[lo - 1]);
}

TItem& TDoc::AddItem(std::unique_ptr<TItem> item) {
    const int h = item->Height();
    // An item too tall for any page goes on the page just begun rather than leaving it blank.
    if (pages.empty())
        NewPage();
    else if (usedHeight + h > usableHeight && pageHasItems_)
        NewPage(PageStart::Overflow);
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
