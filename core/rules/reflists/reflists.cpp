#include "core/rules/reflists/reflists.h"

#include <optional>
#include <string_view>

#include "core/base/errors.h"
#include "core/base/text.h"
#include "core/base/textfile.h"

namespace tarnik {

namespace {

constexpr std::array<RefListInfo, kRefListCount> kInfo{{
    {"Zakłady",
     "[ZAKLADY]",
     2,
     {{{"Nazwa zakładu", 650, "*Nazwa"}, {"REGON", 90, "*Regon"}, {"", 0, ""}}},
     true},
    {"Osoby odpowiedzialne",
     "[OSOBYODP]",
     3,
     {{{"Nazwisko", 250, "*Nazwisko"}, {"Imię", 250, "*Imie"}, {"Stanowisko", 239, "*Stanowisko"}}},
     false},
    {"Skład komisji bhp",
     "[KOMISJA]",
     3,
     {{{"Nazwisko", 250, "*Nazwisko"}, {"Imię", 250, "*Imie"}, {"Stanowisko", 239, "*Stanowisko"}}},
     false},
    {"Czynniki",
     "[CZYNNIKI]",
     3,
     {{{"Nazwa", 150, "*Nazwa"},
       {"Kod", 50, "*Kod"},
       {"Charakterystyka", 539, "*Charakterystyka"}}},
     false},
    {"Podmioty wykonujące pomiar",
     "[WYKONAWCY]",
     1,
     {{{"Nazwa", 758, "*Wykonawca"}, {"", 0, ""}, {"", 0, ""}}},
     false},
    {"Metody pomiarów",
     "[METODY]",
     1,
     {{{"Określenie metody pomiaru", 758, "*Metoda"}, {"", 0, ""}, {"", 0, ""}}},
     false},
}};

bool startsWith(std::string_view s, char c) {
    return !s.empty() && s.front() == c;
}

// A text line that the reader would take for a header or a marker once its blanks are gone.
bool looksLikeMarkup(std::string_view s) {
    const std::size_t first = s.find_first_not_of(' ');
    return first != std::string_view::npos && (s[first] == '[' || s[first] == '*');
}

std::string escapeValueLine(std::string_view s) {
    return looksLikeMarkup(s) ? " " + std::string(s) : std::string(s);
}

std::string unescapeValueLine(std::string_view s) {
    return startsWith(s, ' ') && looksLikeMarkup(s) ? std::string(s.substr(1)) : std::string(s);
}

// The lines of a cell: split at CR LF, CR or LF; an empty cell is one empty line.
std::vector<std::string> cellLines(std::string_view text) {
    std::vector<std::string> lines;
    std::string current;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            lines.push_back(std::move(current));
            current.clear();
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else {
            current += c;
        }
    }
    lines.push_back(std::move(current));
    return lines;
}

int listForHeader(std::string_view line) {
    for (int i = 0; i < kRefListCount; ++i)
        if (line == kInfo[static_cast<std::size_t>(i)].header) return i;
    return -1;
}

const std::string kEmpty;

} // namespace

const RefListInfo& refListInfo(int list) {
    if (list < 0 || list >= kRefListCount) list = kRefListCount - 1;
    return kInfo[static_cast<std::size_t>(list)];
}

RefList::RefList(int columnCount) : columnCount_(columnCount < 1 ? 1 : columnCount) {}

const std::string& RefList::cell(int column, std::size_t row) const {
    if (column < 0 || column >= columnCount_ || row >= rows_.size()) return kEmpty;
    return rows_[row][static_cast<std::size_t>(column)];
}

void RefList::setCell(int column, std::size_t row, std::string text) {
    if (column < 0 || column >= columnCount_) return;
    ensureRows(row + 1);
    rows_[row][static_cast<std::size_t>(column)] = std::move(text);
}

void RefList::ensureRows(std::size_t n) {
    while (rows_.size() < n)
        rows_.emplace_back(static_cast<std::size_t>(columnCount_));
}

ReferenceLists::ReferenceLists()
    : lists{RefList(kInfo[0].columnCount), RefList(kInfo[1].columnCount),
            RefList(kInfo[2].columnCount), RefList(kInfo[3].columnCount),
            RefList(kInfo[4].columnCount), RefList(kInfo[5].columnCount)} {}

void readReferenceLines(const std::vector<std::string>& lines, ReferenceLists& lists) {
    int list = -1;
    std::size_t row = 0; // the grid's row: 1 is the first entry
    int column = -1;

    // The cell whose value lines are being gathered.
    struct OpenCell {
        int list;
        std::size_t row;
        int column;
        std::vector<std::string> lines;
    };
    std::optional<OpenCell> open;
    auto close = [&] {
        if (!open) return;
        std::string text = open->lines.size() == 1 && open->lines[0].empty()
                               ? std::string(" ")
                               : joinCrLf(open->lines);
        lists[open->list].setCell(open->column, open->row - 1, std::move(text));
        open.reset();
    };

    for (const std::string& line : lines) {
        if (startsWith(line, '[')) {
            close();
            list = listForHeader(line);
            row = 1;
            column = -1;
        } else if (line == "**") {
            close();
            ++row;
            column = -1;
        } else if (startsWith(line, '*')) {
            close();
            ++column;
        } else if (list >= 0) {
            RefList& target = lists[list];
            target.ensureRows(row);
            if (column < 0 || column >= target.columnCount()) continue;
            std::string value = unescapeValueLine(line);
            if (open && open->list == list && open->row == row && open->column == column)
                open->lines.push_back(std::move(value));
            else
                open = OpenCell{list, row, column, {std::move(value)}};
        }
    }
    close();
}

bool readReferenceLists(const std::filesystem::path& file, ReferenceLists& lists) {
    std::vector<std::string> lines;
    try {
        lines = readTextLines(file, LineBreaks::CrOrLf);
    } catch (const FileError&) {
        return false;
    }
    readReferenceLines(lines, lists);
    return true;
}

std::vector<std::string> referenceListLines(const ReferenceLists& lists) {
    std::vector<std::string> out;
    for (int i = 0; i < kRefListCount; ++i) {
        const RefListInfo& info = refListInfo(i);
        const RefList& list = lists[i];
        out.emplace_back(info.header);
        for (std::size_t r = 0; r < list.rowCount(); ++r) {
            if (list.cell(0, r).empty()) continue;
            for (int c = 0; c < list.columnCount() && c < info.columnCount; ++c) {
                out.emplace_back(info.columns[static_cast<std::size_t>(c)].marker);
                for (const std::string& line : cellLines(list.cell(c, r)))
                    out.push_back(escapeValueLine(line));
            }
            out.emplace_back("**");
        }
    }
    return out;
}

void writeReferenceLists(const std::filesystem::path& file, const ReferenceLists& lists) {
    writeTextLines(file, referenceListLines(lists));
}

} // namespace tarnik
