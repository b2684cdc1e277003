// The plan and the register of workers as a spreadsheet: the date serials, the escaped texts, and
// the cells of both sheets as the parts of the workbook hold them.
#include "core/export/planworkbook.h"

#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <set>

#include "core/export/worksheet.h"
#include "core/export/xmltext.h"
#include "core/rules/workers/workers.h"
#include "tests/support/fixtures.h"
#include "tests/support/test_support.h"

using namespace tarnik;
using namespace tarnik::workbook;
using tarnik::test_support::ymd;

namespace {

// A cell as sheetN.xml holds it.
struct SheetCell {
    int style = 0;
    bool text = false;  // an inline string
    bool value = false; // a number
    std::string content;
};
// By reference, "B7".
using Cells = std::map<std::string, SheetCell>;

std::string unescaped(std::string s) {
    for (const auto& [entity, c] : std::initializer_list<std::pair<std::string, std::string>>{
             {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&amp;", "&"}}) {
        for (std::size_t at = s.find(entity); at != std::string::npos;
             at = s.find(entity, at + c.size()))
            s.replace(at, entity.size(), c);
    }
    return s;
}

const std::string& part(const OfficeParts& parts, const std::string& path) {
    for (const OfficePart& p : parts)
        if (p.path == path) return p.bytes;
    static const std::string none;
    ADD_FAILURE() << "no part " << path;
    return none;
}

Cells cellsOf(const std::string& sheet) {
    static const std::regex cell(
        R"re(<c r="([A-Z]+[0-9]+)"(?: s="([0-9]+)")?(?: t="(inlineStr)")?(?:/>|>(?:<v>([^<]*)</v>|<is><t xml:space="preserve">([^<]*)</t></is>)</c>))re");
    Cells cells;
    for (auto it = std::sregex_iterator(sheet.begin(), sheet.end(), cell);
         it != std::sregex_iterator(); ++it) {
        const std::smatch& m = *it;
        SheetCell c;
        c.style = m[2].matched ? std::stoi(m[2].str()) : 0;
        c.text = m[3].matched;
        c.value = m[4].matched;
        c.content = c.value ? m[4].str() : unescaped(m[5].str());
        EXPECT_TRUE(cells.emplace(m[1].str(), c).second) << m[1].str() << " twice";
    }
    return cells;
}

int rowsOf(const std::string& sheet) {
    static const std::regex row(R"(<row r="[0-9]+")");
    return static_cast<int>(
        std::distance(std::sregex_iterator(sheet.begin(), sheet.end(), row), {}));
}

// Every tag closed in its order, every attribute quoted: what an XML parser demands first.
bool wellFormed(const std::string& xml, std::string& why) {
    std::vector<std::string> open;
    static const std::regex attributes(R"(^[^\s/>]+(\s+[A-Za-z:_.-]+="[^"<]*")*\s*/?$)");
    for (std::size_t at = xml.find('<'); at != std::string::npos; at = xml.find('<', at + 1)) {
        const std::size_t end = xml.find('>', at);
        if (end == std::string::npos) return why = "unclosed tag", false;
        const std::string tag = xml.substr(at + 1, end - at - 1);
        if (tag.front() == '?') continue;
        if (tag.front() == '/') {
            if (open.empty() || open.back() != tag.substr(1)) return why = "</" + tag, false;
            open.pop_back();
            continue;
        }
        if (!std::regex_match(tag, attributes)) return why = "<" + tag + ">", false;
        if (tag.back() != '/') open.push_back(tag.substr(0, tag.find_first_of(" \t\n")));
    }
    if (!open.empty()) return why = "<" + open.back() + "> not closed", false;
    return true;
}

double serial(int y, int m, int d) {
    return *dateSerial(ymd(y, m, d));
}

std::string serialText(int y, int m, int d) {
    return std::to_string(static_cast<long long>(serial(y, m, d)));
}

// The plan of the full assessment with empty rows among its tasks and below them, and a task
// whose texts hold markup, Polish letters and a line break.
Assessment planAssessment() {
    Assessment a = fixtures::fullAssessment();
    a.Plan.insert(a.Plan.begin() + 1, PlanRow{});
    a.Plan.push_back({"Osłony <stół & prasa>", "Zażółć \"Gęślą\"", "1 > 0\r\nczerwiec"});
    a.Plan.push_back(PlanRow{});
    a.Plan.push_back(PlanRow{});
    return a;
}

const DayNumber kCreated = ymd(2026, 12, 10) + 0.25;

} // namespace

TEST(WorkbookDates, SerialsCountDaysFrom30December1899FromMarch1900On) {
    EXPECT_EQ(dateSerial(ymd(1900, 3, 1)), 61.0);
    EXPECT_EQ(dateSerial(ymd(2026, 12, 10)), 46366.0);
    EXPECT_EQ(dateSerial(ymd(2004, 3, 15)), 38061.0);
    // The time of day plays no part.
    EXPECT_EQ(dateSerial(ymd(2026, 12, 10) + 0.9), 46366.0);
    // The 1900 system's serials of the days before March 1900 are read differently by different
    // spreadsheets (its 29 February 1900 never was): such a day keeps its date as a text.
    EXPECT_EQ(dateSerial(ymd(1900, 2, 28)), std::nullopt);
    EXPECT_EQ(dateSerial(ymd(1850, 6, 1)), std::nullopt);

    const Cell kept = dateCell(ymd(1900, 2, 28), kStyleTableDate, kStyleText);
    EXPECT_EQ(kept.kind, Cell::Kind::Text);
    EXPECT_EQ(kept.text, "28.02.1900");
    EXPECT_EQ(kept.style, kStyleText);
    const Cell first = dateCell(ymd(1900, 3, 1), kStyleTableDate, kStyleText);
    EXPECT_EQ(first.kind, Cell::Kind::Number);
    EXPECT_EQ(first.number, 61.0);
    EXPECT_EQ(first.style, kStyleTableDate);
    const Cell none = dateCell(std::nullopt, kStyleTableDate, kStyleText);
    EXPECT_EQ(none.kind, Cell::Kind::Empty);
    EXPECT_EQ(none.style, kStyleText);
}

TEST(WorkbookXml, EscapesMarkupAndLeavesOutWhatXmlForbids) {
    EXPECT_EQ(xmlText("a<b>&\"c'"), "a&lt;b&gt;&amp;&quot;c'");
    EXPECT_EQ(xmlText("&amp;"), "&amp;amp;");
    EXPECT_EQ(xmlText("Zażółć gęślą jaźń"), "Zażółć gęślą jaźń");
    EXPECT_EQ(xmlText("\xF0\x9F\x98\x80"), "\xF0\x9F\x98\x80"); // beyond the BMP
    // Tab and line breaks are allowed; other control characters and U+FFFE, U+FFFF are not.
    EXPECT_EQ(xmlText("a\tb\nc\rd"), "a\tb\ncd");
    EXPECT_EQ(xmlText(std::string("x\0y\x01z\x1F", 6) + "\x7F"), "xyz\x7F");
    EXPECT_EQ(xmlText("a\xEF\xBF\xBE"
                      "b\xEF\xBF\xBF"
                      "c\xEF\xBF\xBD"),
              "abc\xEF\xBF\xBD");
    // A broken byte sequence becomes the replacement character, not a broken document.
    EXPECT_EQ(xmlText("a\xFF"
                      "b\xC5"),
              "a\xEF\xBF\xBD"
              "b\xEF\xBF\xBD");

    // A cell's line breaks are line feeds, however the editor typed them.
    EXPECT_EQ(textCell("a\r\nb\rc\nd", kStyleText).text, "a\nb\nc\nd");
}

TEST(WorkbookXml, ColumnNamesCarryAfterZ) {
    EXPECT_EQ(columnName(1), "A");
    EXPECT_EQ(columnName(26), "Z");
    EXPECT_EQ(columnName(27), "AA");
    EXPECT_EQ(columnName(52), "AZ");
    EXPECT_EQ(columnName(53), "BA");
    EXPECT_EQ(columnName(702), "ZZ");
    EXPECT_EQ(columnName(703), "AAA");
    EXPECT_EQ(cellReference(15, 12), "O12");
}

TEST(PlanWorkbook, HoldsEveryPartWellFormed) {
    const OfficeParts parts = planWorkbookParts(planAssessment(), kCreated);
    std::vector<std::string> paths;
    for (const OfficePart& p : parts) {
        paths.push_back(p.path);
        EXPECT_FALSE(p.stored) << p.path;
        std::string why;
        EXPECT_TRUE(wellFormed(p.bytes, why)) << p.path << ": " << why;
    }
    EXPECT_EQ(paths, (std::vector<std::string>{
                         "[Content_Types].xml", "_rels/.rels", "xl/workbook.xml",
                         "xl/_rels/workbook.xml.rels", "xl/styles.xml", "xl/worksheets/sheet1.xml",
                         "xl/worksheets/sheet2.xml", "docProps/core.xml", "docProps/app.xml"}));

    const std::string& types = part(parts, "[Content_Types].xml");
    for (const char* name :
         {"/xl/workbook.xml", "/xl/worksheets/sheet1.xml", "/xl/worksheets/sheet2.xml",
          "/xl/styles.xml", "/docProps/core.xml", "/docProps/app.xml"})
        EXPECT_NE(types.find(std::string("PartName=\"") + name + "\""), std::string::npos) << name;

    const std::string& book = part(parts, "xl/workbook.xml");
    EXPECT_NE(book.find("<sheet name=\"Plan poprawy\" sheetId=\"1\" r:id=\"rId1\"/>"),
              std::string::npos);
    EXPECT_NE(book.find("<sheet name=\"Pracownicy\" sheetId=\"2\" r:id=\"rId2\"/>"),
              std::string::npos);
    EXPECT_EQ(book.find("date1904"), std::string::npos);
    const std::string& rels = part(parts, "xl/_rels/workbook.xml.rels");
    EXPECT_NE(rels.find("Id=\"rId1\" Type=\"http://schemas.openxmlformats.org/officeDocument/"
                        "2006/relationships/worksheet\" Target=\"worksheets/sheet1.xml\""),
              std::string::npos);

    EXPECT_NE(part(parts, "docProps/app.xml").find("<Application>Tarnik</Application>"),
              std::string::npos);
    const std::string& core = part(parts, "docProps/core.xml");
    EXPECT_NE(core.find(">2026-12-10T06:00:00Z</dcterms:created>"), std::string::npos);
    EXPECT_NE(core.find("<dc:title>Plan poprawy warunków pracy – Spawacz elektryczny</dc:title>"),
              std::string::npos)
        << core;

    // The date format the date cells take.
    const std::string& styles = part(parts, "xl/styles.xml");
    EXPECT_NE(styles.find("<numFmt numFmtId=\"164\" formatCode=\"dd.mm.yyyy\"/>"),
              std::string::npos);
    EXPECT_NE(styles.find("<cellXfs count=\"8\">"), std::string::npos);
}

TEST(PlanWorkbook, PlanSheetListsTheTasksInTheirOrderWithoutEmptyRows) {
    const Assessment a = planAssessment();
    const OfficeParts parts = planWorkbookParts(a, kCreated);
    const std::string& sheet = part(parts, "xl/worksheets/sheet1.xml");
    const Cells cells = cellsOf(sheet);

    EXPECT_EQ(cells.at("A1").content, "Plan poprawy warunków pracy");
    EXPECT_EQ(cells.at("B2").content, "Stanowisko:");
    EXPECT_EQ(cells.at("C2").content, "Spawacz elektryczny");
    EXPECT_EQ(cells.at("C3").content, serialText(2004, 3, 15));
    EXPECT_EQ(cells.at("C3").style, kStyleDate);

    // The heading of the printed plan, numbered as the next assessment numbers the tasks.
    const std::vector<std::string> columns{"A", "B", "C", "D"};
    for (std::size_t c = 0; c < columns.size(); ++c) {
        const SheetCell& h = cells.at(columns[c] + "5");
        EXPECT_EQ(h.content, kPlanColumns[c]);
        EXPECT_EQ(h.style, kStyleHeading);
    }
    const std::vector<std::vector<std::string>> expected{
        {"1", "Wymiana odciągu miejscowego na stole spawalniczym", "Jan Kowalski",
         "30 czerwca 2004"},
        {"2", "Szkolenie okresowe bhp\ndla pracowników z nieaktualnym szkoleniem", "Anna Nowak",
         "do końca kwietnia 2004"},
        {"3", "Doświetlenie stanowiska do 300 lx", "Żaneta Wiśniewska", "maj 2004"},
        {"4", "Osłony <stół & prasa>", "Zażółć \"Gęślą\"", "1 > 0\nczerwiec"},
    };
    for (std::size_t r = 0; r < expected.size(); ++r) {
        const std::string row = std::to_string(6 + r);
        const SheetCell& number = cells.at("A" + row);
        EXPECT_TRUE(number.value);
        EXPECT_EQ(number.style, kStyleNumber);
        EXPECT_EQ(number.content, expected[r][0]);
        for (std::size_t c = 1; c < columns.size(); ++c) {
            const SheetCell& text = cells.at(columns[c] + row);
            EXPECT_TRUE(text.text) << columns[c] << row;
            EXPECT_EQ(text.style, kStyleText);
            EXPECT_EQ(text.content, expected[r][c]) << columns[c] << row;
        }
    }
    // Title, station, date, a blank row, the heading and four tasks: the empty rows are gone.
    EXPECT_EQ(rowsOf(sheet), 9);
    EXPECT_EQ(cells.count("A10"), 0u);

    // The heading stays in view and filters the tasks.
    EXPECT_NE(sheet.find("<pane ySplit=\"5\" topLeftCell=\"A6\" activePane=\"bottomLeft\" "
                         "state=\"frozen\"/>"),
              std::string::npos);
    EXPECT_NE(sheet.find("<autoFilter ref=\"A5:D9\"/>"), std::string::npos);
    EXPECT_NE(part(parts, "xl/workbook.xml")
                  .find("<definedName name=\"_xlnm._FilterDatabase\" localSheetId=\"0\" "
                        "hidden=\"1\">'Plan poprawy'!$A$5:$D$9</definedName>"),
              std::string::npos);
    // Readable widths; the long texts wrap, and the two-line task gets a taller row.
    EXPECT_NE(sheet.find("<col min=\"2\" max=\"2\" width=\"60\" customWidth=\"1\"/>"),
              std::string::npos);
    EXPECT_NE(sheet.find("<row r=\"7\" ht=\"30\">"), std::string::npos);
    EXPECT_NE(sheet.find("<row r=\"8\">"), std::string::npos);
    EXPECT_NE(sheet.find("<row r=\"1\" ht=\"18.75\">"), std::string::npos); // the larger title
}

TEST(PlanWorkbook, PlanOfOneEmptyRowLeavesTheHeadingAlone) {
    Assessment a = fixtures::reportAssessment();
    a.Plan = {PlanRow{}};
    const OfficeParts parts = planWorkbookParts(a, kCreated);
    const std::string& sheet = part(parts, "xl/worksheets/sheet1.xml");
    EXPECT_EQ(rowsOf(sheet), 5);
    EXPECT_NE(sheet.find("<autoFilter ref=\"A5:D5\"/>"), std::string::npos);
    EXPECT_EQ(cellsOf(sheet).at("B5").content, "Opis przedsięwzięcia (zadania)");
}

TEST(PlanWorkbook, WorkersSheetGivesEveryDateAsADateAndLeavesUnsetOnesEmpty) {
    const Assessment a = fixtures::fullAssessment();
    const OfficeParts parts = planWorkbookParts(a, kCreated);
    const std::string& sheet = part(parts, "xl/worksheets/sheet2.xml");
    const Cells cells = cellsOf(sheet);

    EXPECT_EQ(cells.at("A1").content, "Dane o pracownikach");
    EXPECT_EQ(cells.at("H5").content, "Profilaktyczne badania lekarskie odpowiednie");
    EXPECT_EQ(cells.at("M5").content, "Termin pierwszego szkolenia okresowego");
    EXPECT_EQ(cells.at("O5").content, "Termin kolejnego szkolenia okresowego");
    EXPECT_EQ(cells.at("P5").content, "Uwagi");
    EXPECT_EQ(cells.count("Q5"), 0u);
    // Eight workers in the register's order.
    EXPECT_EQ(rowsOf(sheet), 13);
    const std::vector<std::string> surnames{
        "Brzęczyszczykiewicz", "Ćwikła", "Dąbrowski", "Kołodziej",
        "Śliwińska",           "Wójcik", "Zając",     "Żmuda"};
    for (std::size_t i = 0; i < surnames.size(); ++i) {
        const std::string row = std::to_string(6 + i);
        EXPECT_EQ(cells.at("A" + row).content, std::to_string(i + 1));
        EXPECT_EQ(cells.at("B" + row).content, surnames[i]);
    }

    // Brzęczyszczykiewicz: no periodic training at all, examination lapsed.
    const std::map<std::string, std::string> first{{"C6", "Grzegorz"},
                                                   {"D6", "mężczyzna"},
                                                   {"E6", "pomocnik spawacza"},
                                                   {"G6", "nie"},
                                                   {"H6", "nie"},
                                                   {"J6", "tak"},
                                                   {"K6", "nie"},
                                                   {"P6", "badanie, szkolenie"}};
    for (const auto& [ref, text] : first) {
        EXPECT_TRUE(cells.at(ref).text) << ref;
        EXPECT_EQ(cells.at(ref).content, text) << ref;
    }
    EXPECT_EQ(cells.at("F6").content, serialText(2000, 4, 3));
    EXPECT_EQ(cells.at("I6").content, serialText(2004, 2, 27));
    for (const char* unset : {"L6", "N6"}) {
        const SheetCell& c = cells.at(unset);
        EXPECT_FALSE(c.text || c.value) << unset;
        EXPECT_EQ(c.style, kStyleText) << unset;
    }
    // Employed 3 April 2000: the first training was due 6 months on, the further ones every 12
    // months from the employment.
    EXPECT_EQ(cells.at("M6").content, serialText(2000, 10, 3));
    EXPECT_EQ(cells.at("O6").content, serialText(2001, 4, 3));

    // Żmuda: both periodic trainings done and current; the next one a year after the last.
    EXPECT_EQ(cells.at("D13").content, "mężczyzna");
    EXPECT_EQ(cells.at("L13").content, serialText(2002, 2, 11));
    EXPECT_EQ(cells.at("M13").content, serialText(2002, 3, 3));
    EXPECT_EQ(cells.at("N13").content, serialText(2003, 11, 20));
    EXPECT_EQ(cells.at("O13").content, serialText(2004, 11, 20));
    EXPECT_EQ(cells.at("P13").content, "");
    // Wójcik: the first periodic training only.
    EXPECT_EQ(cells.at("L11").content, serialText(2003, 10, 14));
    EXPECT_FALSE(cells.at("N11").value);
    EXPECT_EQ(cells.at("D10").content, "kobieta w ciąży lub w okresie karmienia");

    EXPECT_NE(sheet.find("<autoFilter ref=\"A5:P13\"/>"), std::string::npos);
    // The captions wrap word by word: "Profilaktyczne / badania / lekarskie / odpowiednie" in a
    // column 16 characters wide takes four lines.
    EXPECT_NE(sheet.find("<row r=\"5\" ht=\"60\">"), std::string::npos);
    EXPECT_NE(sheet.find("state=\"frozen\""), std::string::npos);
    EXPECT_NE(sheet.find("orientation=\"landscape\""), std::string::npos);
}

TEST(PlanWorkbook, DateStyleOnDateCellsOnly) {
    const OfficeParts parts = planWorkbookParts(planAssessment(), kCreated);
    // The date columns of the workers' table, and the assessment date above both tables.
    const std::set<std::string> dateColumns{"F", "I", "L", "M", "N", "O"};
    int dates = 0;
    for (const char* path : {"xl/worksheets/sheet1.xml", "xl/worksheets/sheet2.xml"}) {
        const bool workers = std::string(path).find("sheet2") != std::string::npos;
        for (const auto& [ref, c] : cellsOf(part(parts, path))) {
            const std::string column = ref.substr(0, ref.find_first_of("0123456789"));
            const int row = std::stoi(ref.substr(column.size()));
            const bool dateCell = ref == "C3" || (workers && row > kWorkbookHeadingRow &&
                                                  dateColumns.count(column) > 0);
            const bool dateStyled = c.style == kStyleDate || c.style == kStyleTableDate;
            if (dateCell && c.value) {
                EXPECT_TRUE(dateStyled) << path << " " << ref;
                EXPECT_GE(std::stod(c.content), 61.0) << path << " " << ref;
                ++dates;
            } else {
                EXPECT_FALSE(dateStyled) << path << " " << ref;
            }
        }
    }
    // Two assessment dates; eight workers' employment, examination and two training deadlines;
    // four first and three further periodic trainings done.
    EXPECT_EQ(dates, 2 + 8 * 4 + 4 + 3);
}

TEST(PlanWorkbook, DaysWithoutASerialAreNeverShownAs1899) {
    Assessment a = fixtures::reportAssessment();
    WorkerRecord early = clearedWorkerFields(a.DTPOcena);
    early.Ed401 = "Jan";
    early.Ed402 = "Dawny";
    early.DTP401 = ymd(1900, 2, 28);
    early.DTP402 = ymd(1900, 3, 1);
    PrDodajPrac(a, early);
    WorkerRecord never = clearedWorkerFields(a.DTPOcena);
    never.Ed401 = "Ewa";
    never.Ed402 = "Nowa";
    never.DTP401 = 0;
    never.DTP402 = 0;
    PrDodajPrac(a, never);

    const Cells cells = cellsOf(part(planWorkbookParts(a, kCreated), "xl/worksheets/sheet2.xml"));
    ASSERT_EQ(cells.at("B6").content, "Dawny");
    EXPECT_TRUE(cells.at("F6").text);
    EXPECT_EQ(cells.at("F6").content, "28.02.1900");
    EXPECT_EQ(cells.at("F6").style, kStyleText);
    EXPECT_TRUE(cells.at("I6").value);
    EXPECT_EQ(cells.at("I6").content, "61");
    EXPECT_EQ(cells.at("I6").style, kStyleTableDate);
    // A record that never got a date: empty cells, and no deadline counted from nothing.
    ASSERT_EQ(cells.at("B7").content, "Nowa");
    for (const char* ref : {"F7", "I7", "M7", "O7"}) {
        EXPECT_FALSE(cells.at(ref).value || cells.at(ref).text) << ref;
        EXPECT_EQ(cells.at(ref).style, kStyleText) << ref;
    }
}

TEST(PlanWorkbook, DeadlinesFollowTheStationsTrainingPlan) {
    Assessment a = fixtures::fullAssessment();
    // The first periodic training within 12 months, further ones every 2 years.
    a.RG301 = 2;
    a.RG302 = 2;
    Cells cells = cellsOf(part(planWorkbookParts(a, kCreated), "xl/worksheets/sheet2.xml"));
    ASSERT_EQ(cells.at("B13").content, "Żmuda");
    EXPECT_EQ(cells.at("M13").content, serialText(2002, 9, 3));
    EXPECT_EQ(cells.at("O13").content, serialText(2005, 11, 20));

    // No first periodic training required: no deadline for it, the further ones stay.
    a.RG301 = 0;
    cells = cellsOf(part(planWorkbookParts(a, kCreated), "xl/worksheets/sheet2.xml"));
    for (int row = 6; row <= 13; ++row) {
        const std::string r = std::to_string(row);
        EXPECT_FALSE(cells.at("M" + r).value) << row;
        EXPECT_TRUE(cells.at("O" + r).value) << row;
    }
    EXPECT_EQ(cells.at("O13").content, serialText(2005, 11, 20));
}
