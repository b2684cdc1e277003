#include "tests/core/test_report_support.h"

namespace tarnik::report_test {

namespace {

bool holdsText(const TItem& item, const std::string& text) {
    std::vector<const TTextItem*> texts;
    collectTexts(item, texts);
    for (const TTextItem* t : texts)
        if (t->text == text) return true;
    return false;
}

const TTable* findTable(const TItem& item, const std::string& text) {
    if (auto* table = dynamic_cast<const TTable*>(&item)) {
        for (const auto& row : table->rows)
            for (const auto& cell : row->cells)
                if (cell->text == text) return table;
        return nullptr;
    }
    if (auto* group = dynamic_cast<const TGroup*>(&item))
        for (const auto& child : group->items)
            if (const TTable* t = findTable(*child, text)) return t;
    return nullptr;
}

} // namespace

void collectTexts(const TItem& item, std::vector<const TTextItem*>& out) {
    if (auto* text = dynamic_cast<const TTextItem*>(&item)) {
        out.push_back(text);
    } else if (auto* group = dynamic_cast<const TGroup*>(&item)) {
        for (const auto& child : group->items)
            collectTexts(*child, out);
    } else if (auto* table = dynamic_cast<const TTable*>(&item)) {
        for (const auto& row : table->rows)
            collectTexts(*row, out);
    } else if (auto* row = dynamic_cast<const TRow*>(&item)) {
        for (const auto& cell : row->cells)
            out.push_back(cell.get());
    }
}

std::vector<std::string> pageTexts(const TPage& page) {
    std::vector<const TTextItem*> items;
    for (const auto& item : page.items)
        collectTexts(*item, items);
    std::vector<std::string> out;
    for (const TTextItem* t : items)
        out.push_back(t->text);
    return out;
}

std::vector<std::string> allTexts(const TDoc& doc) {
    std::vector<std::string> out;
    for (const auto& page : doc.pages) {
        std::vector<std::string> texts = pageTexts(*page);
        out.insert(out.end(), texts.begin(), texts.end());
    }
    return out;
}

int pageOf(const TDoc& doc, const std::string& text) {
    for (std::size_t i = 0; i < doc.pages.size(); ++i)
        for (const std::string& t : pageTexts(*doc.pages[i]))
            if (t == text) return static_cast<int>(i) + 1;
    return 0;
}

int countText(const TDoc& doc, const std::string& text) {
    int n = 0;
    for (const std::string& t : allTexts(doc))
        n += t == text ? 1 : 0;
    return n;
}

const TTable* tableWithCell(const TDoc& doc, const std::string& text) {
    for (const auto& page : doc.pages)
        for (const auto& item : page->items)
            if (const TTable* t = findTable(*item, text)) return t;
    return nullptr;
}

std::vector<std::string> rowTexts(const TTable& table, std::size_t row) {
    std::vector<std::string> out;
    for (const auto& cell : table.rows.at(row)->cells)
        out.push_back(cell->text);
    return out;
}

const TItem* placedItemWith(const TDoc& doc, const std::string& text) {
    for (const auto& page : doc.pages)
        for (const auto& item : page->items)
            if (holdsText(*item, text)) return item.get();
    return nullptr;
}

std::vector<const TItem*> placedItems(const TDoc& doc) {
    std::vector<const TItem*> out;
    for (std::size_t i = 0; i < doc.pages.size(); ++i) {
        const bool header = !(i == 0 && doc.noHeaderOnFirstPage);
        const auto& items = doc.pages[i]->items;
        for (std::size_t k = header ? 3 : 0; k < items.size(); ++k)
            out.push_back(items[k].get());
    }
    return out;
}

const TTable* cardOf(const TDoc& doc, const std::string& name) {
    for (const TItem* item : placedItems(doc)) {
        std::vector<const TItem*> candidates{item};
        if (auto* g = dynamic_cast<const TGroup*>(item))
            for (const auto& child : g->items) {
                candidates.push_back(child.get());
                if (auto* inner = dynamic_cast<const TGroup*>(child.get()))
                    for (const auto& grandchild : inner->items)
                        candidates.push_back(grandchild.get());
            }
        for (const TItem* c : candidates)
            if (auto* t = dynamic_cast<const TTable*>(c);
                t && t->rows.size() == 7 && t->rows[0]->cells.size() == 3 &&
                t->rows[0]->cells[2]->text.compare(0, name.size(), name) == 0)
                return t;
    }
    return nullptr;
}

std::vector<std::string> textsOf(const TItem& item) {
    std::vector<const TTextItem*> items;
    collectTexts(item, items);
    std::vector<std::string> out;
    for (const TTextItem* t : items)
        out.push_back(t->text);
    return out;
}

} // namespace tarnik::report_test
