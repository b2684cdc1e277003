// The report's set-up and the building blocks its sections share.
#include <algorithm>

#include "core/base/text.h"
#include "core/report/reportbuilder.h"

namespace tarnik {

ReportBuilder::ReportBuilder(Canvas& canvas, const ReportInput& in, ReportLayout& out)
    : canvas_(canvas), in_(in), out_(out) {}

void ReportBuilder::log(const std::string& line) const {
    if (in_.log) in_.log(line);
}

void ReportBuilder::setUp() {
    const PrintOptions& o = in_.options;
    if (o.showProgress() && in_.showProgress) in_.showProgress();
    log("-----------------------------------");
    log("Przygotowanie dokumentu do druku\r\n");

    // The document opens the print job, so that the printer's metrics hold while laying out.
    out_.doc = std::make_unique<TDoc>(canvas_, in_.jobTitle);
    TDoc& d = doc();
    d.noHeaderOnFirstPage = true;
    d.printPolishLetters = o.printPolishLetters();
    mm_ = std::max(1, canvas_.pageWidth() / 210);

    log("Tworzenie listy stylów tekstu\r\n");
    AddReportStyles(out_.styles, o.fontFace());
    d.styles = &out_.styles;

    log("Ustalenie rozmiaru strony i marginesów\r\n");
    d.SetMargins(mm(20), mm(15), mm(15), mm(20));
    W_ = d.usableWidth;

    d.headerText = a().EdtStanowisko + ",   strona &p";
    {
        // The running header as NewPage puts it on a page: its line, the rule and a blank line.
        for (const std::string& text : {d.HeaderLine(1), std::string(" ")}) {
            auto line = textItem(text, "Z_Header");
            line->inner = Rect{5, 25, 5, 25};
            pageHeaderHeight_ += line->Height();
        }
        pageHeaderHeight_ += 1;
    }
    d.NewPage();
    log("Przygotowanie kolejnych stron:");
    lb601_ = factorsToDescribe(a());
}

std::unique_ptr<TTextItem> ReportBuilder::textItem(std::string text, std::string_view style) const {
    auto item = std::make_unique<TTextItem>(doc());
    item->Setup(std::move(text), style, W_);
    return item;
}

std::unique_ptr<TTable> ReportBuilder::table(const TableShape& shape) const {
    auto t = std::make_unique<TTable>(doc());
    t->width = shape.width > 0 ? shape.width : W_;
    t->inner = innerMm(shape.innerMm);
    t->border = shape.border;
    t->SetColumns(shape.columns);
    return t;
}

void ReportBuilder::row(TTable& t, std::initializer_list<Cell> cells) {
    t.NewRow();
    for (const Cell& c : cells)
        t.AddCell(c.first, c.second);
}

void ReportBuilder::row(TTable& t, const std::vector<Cell>& cells) {
    t.NewRow();
    for (const Cell& c : cells)
        t.AddCell(c.first, c.second);
}

bool ReportBuilder::pair(TTable& t, const std::string& label, const std::string& value,
                         const char* style) {
    if (trim(label).empty() || trim(value).empty()) return false;
    row(t, {{label, style}, {value, style}});
    return true;
}

std::unique_ptr<TTable> ReportBuilder::labelValue(const std::vector<int>& columns, int inner,
                                                  bool border, const std::string& label,
                                                  const std::string& value) const {
    auto t = table({columns, inner, border});
    row(*t, {{label, "TableLeft"}, {value, "TableLeft"}});
    return t;
}

void ReportBuilder::paragraph(std::string text, std::string_view style) {
    place(textItem(std::move(text), style));
}

void ReportBuilder::blanks(int count, std::string_view style) {
    for (int i = 0; i < count; ++i)
        paragraph(" ", style);
}

void ReportBuilder::beginHeading(std::string text, std::string_view style, int level) {
    flushHeading();
    heading_ = std::make_unique<TGroup>(doc());
    heading_->Add(textItem(std::move(text), style)).outlineLevel = level;
}

void ReportBuilder::addToHeading(std::unique_ptr<TItem> item) {
    if (!heading_) heading_ = std::make_unique<TGroup>(doc());
    heading_->Add(std::move(item));
}

void ReportBuilder::place(std::unique_ptr<TItem> item) {
    // A continued table's headings come back on every page it goes on to.
    const int above =
        (heading_ ? heading_->Height() : 0) + (tableHeader_ ? tableHeader_()->Height() : 0);
    if (above + item->Height() > freshPageRoom()) {
        placeInParts(std::move(item));
        return;
    }
    placeWhole(std::move(item));
}

int ReportBuilder::heightAbove() const {
    int h = heading_ ? heading_->Height() : 0;
    if (tableHeader_ && !heading_ && tableHeaderPage_ != doc().pages.size())
        h += tableHeader_()->Height();
    return h;
}

void ReportBuilder::placeWhole(std::unique_ptr<TItem> item) {
    // A row of a continued table carries on the table above it.
    if (tableHeader_)
        if (auto* body = dynamic_cast<TTable*>(item.get())) body->continuation = true;
    if (heading_) {
        heading_->Add(std::move(item));
        doc().AddItem(std::move(heading_));
        if (tableHeader_) tableHeaderPage_ = doc().pages.size();
        return;
    }
    if (tableHeader_) {
        const int h = item->Height();
        if (doc().usedHeight + h > doc().usableHeight && !pageIsFresh())
            doc().NewPage(PageStart::Overflow);
        if (tableHeaderPage_ != doc().pages.size()) {
            auto group = std::make_unique<TGroup>(doc());
            auto headings = tableHeader_();
            headings->repeatedHeadings = true;
            group->Add(std::move(headings));
            group->Add(std::move(item));
            doc().AddItem(std::move(group));
            tableHeaderPage_ = doc().pages.size();
            return;
        }
    }
    doc().AddItem(std::move(item));
}

void ReportBuilder::flushHeading() {
    if (heading_) doc().AddItem(std::move(heading_));
}

std::unique_ptr<TTable> ReportBuilder::headings(std::unique_ptr<TTable> t) {
    t->headerRows = static_cast<int>(t->rows.size());
    return t;
}

void ReportBuilder::continueTable(std::function<std::unique_ptr<TTable>()> header) {
    tableHeader_ = [header = std::move(header)] { return headings(header()); };
    tableHeaderPage_ = doc().pages.size();
}

void ReportBuilder::endContinuedTable() {
    tableHeader_ = nullptr;
}

void ReportBuilder::placeLongTable(const TableShape& shape,
                                   const std::function<void(TTable&)>& header, std::size_t rows,
                                   const std::function<void(TTable&, std::size_t)>& body) {
    auto whole = table(shape);
    header(*whole);
    const std::size_t headerRows = whole->rows.size();
    whole->headerRows = static_cast<int>(headerRows);
    for (std::size_t i = 0; i < rows; ++i)
        body(*whole, i);
    const int total = whole->Height();
    const int headingHeight = heading_ ? heading_->Height() : 0;
    const int freshPage = freshPageRoom();
    if (rows == 0 || headingHeight + total <= freshPage) {
        placeWhole(std::move(whole));
        return;
    }

    // Too long for any page: parts of as many rows as a page holds, each under the header.
    int headerHeight = 0;
    for (std::size_t k = 0; k < headerRows; ++k)
        headerHeight += whole->rows[k]->height;
    std::vector<int> rowHeight(rows);
    for (std::size_t i = 0; i < rows; ++i)
        rowHeight[i] = whole->rows[headerRows + i]->height;
    whole.reset();

    std::size_t i = 0;
    bool first = true;
    while (i < rows) {
        const int withHeading = first ? headingHeight : 0;
        int room = doc().usableHeight - doc().usedHeight - withHeading;
        if (room < headerHeight + rowHeight[i] && !pageIsFresh()) {
            doc().NewPage(PageStart::Overflow);
            room = doc().usableHeight - doc().usedHeight - withHeading;
        }
        auto part = table(shape);
        header(*part);
        part->headerRows = static_cast<int>(headerRows);
        part->continuation = part->repeatedHeadings = !first;
        int used = headerHeight;
        do {
            body(*part, i);
            used += rowHeight[i];
            ++i;
        } while (i < rows && used + rowHeight[i] <= room);
        place(std::move(part));
        first = false;
        if (i < rows) doc().NewPage(PageStart::Overflow);
    }
}

} // namespace tarnik
