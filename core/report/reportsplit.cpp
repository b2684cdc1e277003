// Placing items taller than a whole page in page-sized parts.
//
// The layout model keeps every item on one page, so a long station description or a card with pages
// of characteristics would run off the bottom of the sheet and be lost on paper; such items are
// taken apart here and placed in page-sized parts.
#include <algorithm>
#include <typeinfo>

#include "core/report/reportbuilder.h"

namespace tarnik {

namespace {

// One word of a cell's text and what stood before it: a blank, a line break, or nothing (the
// first word). Splitting at every blank keeps runs of blanks: they come back as empty words.
struct Word {
    std::string text;
    const char* before;
};

std::vector<Word> wordsOf(const std::string& text) {
    std::vector<Word> words;
    const char* before = "";
    std::string current;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == ' ') {
            words.push_back({std::move(current), before});
            current.clear();
            before = " ";
        } else if (text.compare(i, 2, "\r\n") == 0) {
            words.push_back({std::move(current), before});
            current.clear();
            before = "\r\n";
            ++i;
        } else {
            current += text[i];
        }
    }
    words.push_back({std::move(current), before});
    return words;
}

// Words [from, to) joined as they stood; a part does not begin with the break before it.
std::string joined(const std::vector<Word>& words, std::size_t from, std::size_t to) {
    std::string text;
    for (std::size_t i = std::min(from, words.size()); i < std::min(to, words.size()); ++i) {
        if (i > from) text += words[i].before;
        text += words[i].text;
    }
    return text;
}

// A copy of a cell or paragraph with another text.
std::unique_ptr<TTextItem> copyWithText(const TTextItem& original, std::string text) {
    auto copy = std::make_unique<TTextItem>(original.doc());
    copy->styles = original.styles;
    copy->style = original.style;
    copy->format = original.format;
    copy->inner = original.inner;
    copy->border = original.border;
    copy->outer = Rect{original.outer.left, original.outer.top, original.outer.right,
                       original.outer.top + 20};
    copy->text = std::move(text);
    return copy;
}

// An empty table with the geometry of another.
std::unique_ptr<TTable> tableLike(const TTable& original) {
    auto t = std::make_unique<TTable>(original.doc());
    t->styles = original.styles;
    t->width = original.width;
    t->inner = original.inner;
    t->border = original.border;
    t->proportions = original.proportions;
    t->columnWidths = original.columnWidths;
    return t;
}

} // namespace

bool ReportBuilder::pageIsFresh() const {
    const TDoc& d = doc();
    const bool hasHeader = !(d.pageCount == 1 && d.noHeaderOnFirstPage);
    return d.pages.back()->items.size() == (hasHeader ? 3u : 0u);
}

void ReportBuilder::placeInParts(std::unique_ptr<TItem> item) {
    if (auto* group = dynamic_cast<TGroup*>(item.get())) {
        // What was to stay together cannot: each item of the group is placed by itself, except
        // the texts it begins with (its heading), which wait for the item after them so that a
        // heading never ends a page.
        std::vector<std::unique_ptr<TItem>> items = std::move(group->items);
        std::size_t first = 0;
        int headingHeight = heading_ ? heading_->Height() : 0;
        while (first + 1 < items.size() && dynamic_cast<TTextItem*>(items[first].get())) {
            headingHeight += items[first]->Height();
            if (headingHeight > freshPageRoom() / 4) break;
            addToHeading(std::move(items[first]));
            ++first;
        }
        for (std::size_t i = first; i < items.size(); ++i)
            place(std::move(items[i]));
        return;
    }
    if (auto* table = dynamic_cast<TTable*>(item.get())) {
        if (table->rows.size() > 1) {
            for (auto& row : table->rows) {
                auto one = tableLike(*table);
                one->rows.push_back(std::move(row));
                place(std::move(one));
            }
            return;
        }
        if (table->rows.size() == 1 && typeid(*table->rows[0]) == typeid(TRow)) {
            const TRow& row = *table->rows[0];
            std::vector<std::string> texts;
            for (const auto& cell : row.cells)
                texts.push_back(cell->text);
            placeTextsInParts(texts, [&](std::vector<std::string> parts) {
                auto t = tableLike(*table);
                t->NewRow();
                for (std::size_t c = 0; c < parts.size(); ++c)
                    t->currentRow->Add(copyWithText(*row.cells[c], std::move(parts[c])));
                return std::unique_ptr<TItem>(std::move(t));
            });
            return;
        }
    }
    if (auto* text = dynamic_cast<TTextItem*>(item.get())) {
        placeTextsInParts({text->text}, [&](std::vector<std::string> parts) {
            return std::unique_ptr<TItem>(copyWithText(*text, std::move(parts[0])));
        });
        return;
    }
    // A chart or a rule taller than a page cannot be cut.
    placeWhole(std::move(item));
}

void ReportBuilder::placeTextsInParts(
    const std::vector<std::string>& texts,
    const std::function<std::unique_ptr<TItem>(std::vector<std::string>)>& make) {
    std::vector<std::vector<Word>> words;
    std::size_t count = 0;
    for (const std::string& text : texts) {
        words.push_back(wordsOf(text));
        count = std::max(count, words.back().size());
    }
    // Part of words [from, to) of every cell: the cells advance word by word side by side.
    const auto part = [&](std::size_t from, std::size_t to) {
        std::vector<std::string> cells;
        for (const auto& w : words)
            cells.push_back(joined(w, from, to));
        return make(std::move(cells));
    };

    std::size_t from = 0;
    while (from < count) {
        const auto room = [&] { return doc().usableHeight - doc().usedHeight - heightAbove(); };
        const auto fits = [&](std::size_t to) { return part(from, to)->Height() <= room(); };
        if (!fits(from + 1) && !pageIsFresh()) doc().NewPage(PageStart::Overflow);
        // The most words that fit the room: taller parts never hold fewer words.
        std::size_t lo = from + 1; // taken even when it does not fit a fresh page
        std::size_t hi = count;
        while (lo < hi) {
            const std::size_t mid = lo + (hi - lo + 1) / 2;
            if (fits(mid))
                lo = mid;
            else
                hi = mid - 1;
        }
        placeWhole(part(from, lo));
        from = lo;
        if (from < count) doc().NewPage(PageStart::Overflow);
    }
}

} // namespace tarnik
