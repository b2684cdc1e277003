// Reading the laid-out report back into a flowing document: the pages' items in reading order,
// without the running headers, with the page parts of long tables joined again.
#include <algorithm>

#include "core/base/text.h"
#include "core/export/flowdocument.h"
#include "core/layout/items.h"
#include "core/layout/pagination.h"
#include "core/layout/polishletters.h"
#include "core/layout/registerblock.h"

namespace tarnik {

namespace {

// Printer pixels to millimetres and points, from the page's width (A4).
struct Units {
    double pxPerMm = 1;
    double mm(int px) const { return px / pxPerMm; }
    double points(int px) const { return mm(px) * 72.0 / 25.4; }
};

std::string flowText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r') {
            out += '\n';
            if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else {
            out += c;
        }
    }
    return out;
}

bool blank(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return c == ' ' || c == '\n' || c == '\t'; });
}

FlowAlign alignOf(unsigned format) {
    if (format & kTextCenter) return FlowAlign::Centre;
    if (format & kTextRight) return FlowAlign::Right;
    return FlowAlign::Left;
}

class Reader {
public:
    Reader(const TDoc& doc, FlowDocument& out) : doc_(doc), out_(out) {
        units_.pxPerMm = std::max(1, doc.canvas().pageWidth()) / 210.0;
    }

    void readStyles() {
        if (!doc_.styles) return;
        for (std::size_t i = 0; i < doc_.styles->size(); ++i) {
            const TStyle& s = (*doc_.styles)[i];
            FlowStyle f;
            f.name = s.name;
            f.font = s.font;
            f.align = alignOf(s.format);
            f.wrap = (s.format & kTextWordBreak) != 0;
            f.spaceBeforePt = units_.points(s.spacing);
            out_.styles.push_back(std::move(f));
        }
        if (!out_.styles.empty()) out_.fontFace = out_.styles.front().font.face;
    }

    void readPages() {
        for (std::size_t p = 0; p < doc_.pages.size(); ++p) {
            const TPage& page = *doc_.pages[p];
            breakBefore_ = p > 0 && page.start == PageStart::Break;
            for (std::size_t i = page.headerItems; i < page.items.size(); ++i)
                item(*page.items[i]);
        }
    }

private:
    // A block begins: it takes a page break the page asked for.
    template <class Block> Block& add(Block block) {
        block.pageBreakBefore = breakBefore_;
        breakBefore_ = false;
        out_.blocks.emplace_back(std::move(block));
        return std::get<Block>(out_.blocks.back());
    }

    void item(const TItem& it) {
        if (const auto* group = dynamic_cast<const TGroup*>(&it)) return items(*group);
        if (const auto* block = dynamic_cast<const TRejestrNaglowek*>(&it))
            return registerBlock(*block);
        if (const auto* table = dynamic_cast<const TTable*>(&it)) return this->table(*table);
        if (const auto* row = dynamic_cast<const TRow*>(&it)) return singleRow(*row);
        if (const auto* text = dynamic_cast<const TTextItem*>(&it)) return paragraph(*text);
        if (const auto* chart = dynamic_cast<const TChart*>(&it)) return picture(*chart);
        if (dynamic_cast<const TRct*>(&it)) return rule();
    }

    // A group stays on one page: everything in it but its last block keeps with what follows.
    void items(const TGroup& group) {
        for (std::size_t i = 0; i < group.items.size(); ++i) {
            item(*group.items[i]);
            const bool last = i + 1 == group.items.size();
            if (!last && !out_.blocks.empty())
                std::visit([](auto& b) { b.keepWithNext = true; }, out_.blocks.back());
        }
    }

    void paragraph(const TTextItem& t) {
        FlowParagraph p;
        p.style = t.style ? t.style->name : std::string();
        std::string text = flowText(t.text);
        p.outlineLevel = t.outlineLevel;
        if (p.outlineLevel == 0 && p.style == "Header" && !blank(text)) p.outlineLevel = 1;
        if (p.outlineLevel > 0) {
            // A heading's leading and trailing line breaks are room above and below it.
            while (!text.empty() && text.front() == '\n') {
                text.erase(0, 1);
                ++p.blankLinesBefore;
            }
            while (!text.empty() && text.back() == '\n') {
                text.pop_back();
                ++p.blankLinesAfter;
            }
        }
        p.text = std::move(text);
        add(std::move(p));
    }

    FlowCell cell(const TTextItem& t) const {
        FlowCell c;
        c.paragraph.style = t.style ? t.style->name : std::string();
        c.paragraph.text = flowText(t.text);
        c.border = t.border;
        c.alignBottom = (t.format & kTextBottom) != 0;
        return c;
    }

    FlowMargins margins(const Rect& inner) const {
        return FlowMargins{units_.mm(inner.left), units_.mm(inner.top), units_.mm(inner.right),
                           units_.mm(inner.bottom)};
    }

    void table(const TTable& t) {
        std::size_t firstRow = 0;
        if (t.repeatedHeadings) firstRow = static_cast<std::size_t>(std::max(0, t.headerRows));
        const std::size_t columns = t.columnWidths.size();
        std::vector<FlowRow> rows;
        for (std::size_t r = firstRow; r < t.rows.size(); ++r) {
            FlowRow row;
            for (const auto& c : t.rows[r]->cells)
                row.cells.push_back(cell(*c));
            // A row of fewer cells than columns: its last cell spans the rest.
            if (!row.cells.empty() && row.cells.size() < columns)
                row.cells.back().span = static_cast<int>(columns - row.cells.size() + 1);
            rows.push_back(std::move(row));
        }
        if (rows.empty()) return;

        auto* previous =
            out_.blocks.empty() ? nullptr : std::get_if<FlowTable>(&out_.blocks.back());
        if (t.continuation && previous && previous->columnsMm.size() == columns) {
            // A page part or a row of a table the report spread over pages: one table again,
            // which the word processor breaks where its pages end.
            for (FlowRow& row : rows)
                previous->rows.push_back(std::move(row));
            previous->keepTogether = false;
            previous->keepWithNext = false;
            return;
        }
        FlowTable f;
        for (int w : t.columnWidths)
            f.columnsMm.push_back(units_.mm(w));
        f.cellMarginsMm = margins(t.inner);
        f.rows = std::move(rows);
        f.headerRows = t.repeatedHeadings ? 0 : std::min<int>(t.headerRows, int(f.rows.size()));
        // The printed report never breaks a table it placed whole.
        f.keepTogether = true;
        add(std::move(f));
    }

    void singleRow(const TRow& r) {
        FlowTable f;
        FlowRow row;
        for (const auto& c : r.cells) {
            f.columnsMm.push_back(units_.mm(c->outer.width()));
            row.cells.push_back(cell(*c));
        }
        if (row.cells.empty()) return;
        f.cellMarginsMm = margins(r.cells.front()->inner);
        f.rows.push_back(std::move(row));
        f.keepTogether = true;
        add(std::move(f));
    }

    // The register's title block: three framed columns of four texts each, one under another.
    void registerBlock(const TRejestrNaglowek& b) {
        if (b.cells.size() != 12) return;
        FlowTable f;
        FlowRow row;
        for (std::size_t column = 0; column < 3; ++column) {
            f.columnsMm.push_back(units_.mm(b.cells[column * 4]->outer.width()));
            FlowCell c = cell(*b.cells[column * 4]);
            for (std::size_t k = 1; k < 4; ++k)
                c.more.push_back(cell(*b.cells[column * 4 + k]).paragraph);
            c.border = true;
            c.alignBottom = false;
            row.cells.push_back(std::move(c));
        }
        f.cellMarginsMm = margins(b.cellInner);
        f.rows.push_back(std::move(row));
        f.keepTogether = true;
        add(std::move(f));
    }

    void picture(const TChart& c) {
        FlowPicture p;
        p.chart = c.chart;
        p.fontFace = c.fontFace;
        p.widthMm = units_.mm(c.width);
        p.heightMm = units_.mm(c.height);
        p.index = ++pictures_;
        add(std::move(p));
    }

    void rule() {
        if (!out_.blocks.empty())
            if (auto* p = std::get_if<FlowParagraph>(&out_.blocks.back())) {
                p->ruleBelow = true;
                return;
            }
        FlowParagraph p;
        p.style = "NormalBardzoMaly";
        p.ruleBelow = true;
        add(std::move(p));
    }

    const TDoc& doc_;
    FlowDocument& out_;
    Units units_;
    bool breakBefore_ = false;
    int pictures_ = 0;
};

} // namespace

FlowDocument flowDocument(const TDoc& doc) {
    FlowDocument out;
    Reader reader(doc, out);
    const double pxPerMm = std::max(1, doc.canvas().pageWidth()) / 210.0;
    out.marginsMm = FlowMargins{doc.leftMargin / pxPerMm, doc.topMargin / pxPerMm,
                                doc.rightMargin / pxPerMm, doc.bottomMargin / pxPerMm};
    std::string header = doc.headerText;
    if (!doc.printPolishLetters) header = StripPolishLetters(header);
    const std::size_t page = header.find("&p");
    out.headerBefore = flowText(header.substr(0, page));
    if (page != std::string::npos) out.headerAfter = flowText(header.substr(page + 2));
    out.headerStyle = "Z_Header";
    out.headerOnFirstPage = !doc.noHeaderOnFirstPage;
    reader.readStyles();
    reader.readPages();
    return out;
}

} // namespace tarnik
