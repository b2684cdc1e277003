#include "core/export/planworkbook.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

#include "core/export/worksheet.h"
#include "core/export/xmltext.h"
#include "core/rules/plan/plan.h"
#include "core/rules/workers/training.h"
#include "core/rules/workers/workereditor.h"
#include "core/rules/workers/workers.h"

namespace tarnik {

using namespace workbook;

namespace {

constexpr const char* kXmlDeclaration =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n";
constexpr const char* kPlanTitle = "Plan poprawy warunków pracy";
constexpr const char* kWorkersTitle = "Dane o pracownikach";

// A date the record holds: day 0 is what a date holds when none was ever given, and stays empty.
std::optional<DayNumber> given(DayNumber day) {
    if (wholeDay(day) == 0) return std::nullopt;
    return day;
}

Cell tableDate(std::optional<DayNumber> day) {
    return dateCell(day, kStyleTableDate, kStyleText);
}

Cell yesNo(bool yes) {
    return textCell(yes ? "tak" : "nie", kStyleText);
}

// The title, the station and the assessment date above the table, then its heading. The labels
// stand in column B, right-aligned so that a long one reaches over the narrow column A; the
// values beside them in C run on over the empty cells to their right.
template <std::size_t N>
void openTable(Worksheet& sheet, const char* title, const Assessment& a,
               const std::array<const char*, N>& captions) {
    sheet.addRow({textCell(title, kStyleTitle)});
    sheet.addRow({emptyCell(kStyleDefault), textCell("Stanowisko:", kStyleLabel),
                  textCell(a.EdtStanowisko, kStyleDefault)});
    sheet.addRow({emptyCell(kStyleDefault), textCell("Data wykonania oceny:", kStyleLabel),
                  dateCell(given(a.DTPOcena), kStyleDate, kStyleDefault)});
    sheet.addRow({});
    std::vector<Cell> heading;
    for (const char* caption : captions)
        heading.push_back(textCell(caption, kStyleHeading));
    sheet.addRow(std::move(heading));
    sheet.markHeading();
}

Worksheet planSheet(const Assessment& a) {
    Worksheet sheet({6, 60, 28, 22});
    openTable(sheet, kPlanTitle, a, kPlanColumns);
    int number = 0;
    for (const PlanRow& task : a.Plan) {
        if (planRowEmpty(task)) continue;
        sheet.addRow({numberCell(++number, kStyleNumber), textCell(task[0], kStyleText),
                      textCell(task[1], kStyleText), textCell(task[2], kStyleText)});
    }
    return sheet;
}

Worksheet workersSheet(const Assessment& a) {
    Worksheet sheet({5, 18, 14, 20, 20, 12, 13, 16, 12, 11, 13, 14, 14, 14, 14, 18});
    openTable(sheet, kWorkersTitle, a, kWorkerColumns);
    const WorkerList& workers = a.ListaPrac;
    const TrainingPlan plan = trainingPlanOf(a);
    for (std::size_t i = 0; i < workers.size(); ++i) {
        const WorkerRecord& w = workers[i];
        const auto category = static_cast<std::size_t>(std::clamp(w.workerCategory, 0, 3));
        // No deadline is counted from an employment date that was never given.
        const bool employed = given(w.DTP401).has_value();
        sheet.addRow({
            numberCell(static_cast<double>(i + 1), kStyleNumber),
            textCell(w.Ed402, kStyleText),
            textCell(w.Ed401, kStyleText),
            textCell(kWorkerCategoryItems[category], kStyleText),
            textCell(w.Ed403, kStyleText),
            tableDate(given(w.DTP401)),
            yesNo(w.RB402),
            yesNo(w.RB403),
            tableDate(given(w.DTP402)),
            yesNo(w.RB404),
            yesNo(w.RB405),
            // A periodic training's date counts only while its "tak" is chosen.
            tableDate(firstPeriodicDateGiven(w) ? given(w.DTP403) : std::nullopt),
            tableDate(employed ? WymaganePierwszeSzkolenie(plan, w.DTP401) : std::nullopt),
            tableDate(furtherPeriodicDateGiven(w) ? given(w.DTP404) : std::nullopt),
            tableDate(employed ? std::optional(WymaganeKolejneSzkolenie(
                                     plan, w.RB406, w.RB407, w.DTP403, w.DTP404, w.DTP401))
                               : std::nullopt),
            textCell(workerAttentionNote(w), kStyleText),
        });
    }
    return sheet;
}

// "2026-12-10T08:30:00Z".
std::string w3cdtf(DayNumber moment) {
    const CivilDate d = civilFromDayNumber(moment);
    const double fraction = std::clamp(moment - wholeDay(moment), 0.0, 1.0);
    const int seconds = std::min(static_cast<int>(std::lround(fraction * 86400.0)), 86399);
    char buf[32];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02dT%02d:%02d:%02dZ", d.year, d.month, d.day,
                  seconds / 3600, seconds / 60 % 60, seconds % 60);
    return buf;
}

std::string contentTypes() {
    const std::string sheet =
        "application/vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml";
    return std::string(kXmlDeclaration) +
           "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
           "<Default Extension=\"rels\" "
           "ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
           "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
           "<Override PartName=\"/xl/workbook.xml\" ContentType=\"application/"
           "vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml\"/>"
           "<Override PartName=\"/xl/worksheets/sheet1.xml\" ContentType=\"" +
           sheet +
           "\"/>"
           "<Override PartName=\"/xl/worksheets/sheet2.xml\" ContentType=\"" +
           sheet +
           "\"/>"
           "<Override PartName=\"/xl/styles.xml\" ContentType=\"application/"
           "vnd.openxmlformats-officedocument.spreadsheetml.styles+xml\"/>"
           "<Override PartName=\"/docProps/core.xml\" "
           "ContentType=\"application/vnd.openxmlformats-package.core-properties+xml\"/>"
           "<Override PartName=\"/docProps/app.xml\" ContentType=\"application/"
           "vnd.openxmlformats-officedocument.extended-properties+xml\"/>"
           "</Types>";
}

std::string packageRelationships() {
    return std::string(kXmlDeclaration) +
           "<Relationships "
           "xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
           "<Relationship Id=\"rId1\" Type=\"http://schemas.openxmlformats.org/officeDocument/"
           "2006/relationships/officeDocument\" Target=\"xl/workbook.xml\"/>"
           "<Relationship Id=\"rId2\" Type=\"http://schemas.openxmlformats.org/package/2006/"
           "relationships/metadata/core-properties\" Target=\"docProps/core.xml\"/>"
           "<Relationship Id=\"rId3\" Type=\"http://schemas.openxmlformats.org/officeDocument/"
           "2006/relationships/extended-properties\" Target=\"docProps/app.xml\"/>"
           "</Relationships>";
}

std::string workbookRelationships() {
    const std::string type = "http://schemas.openxmlformats.org/officeDocument/2006/relationships/";
    return std::string(kXmlDeclaration) +
           "<Relationships "
           "xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
           "<Relationship Id=\"rId1\" Type=\"" +
           type +
           "worksheet\" Target=\"worksheets/sheet1.xml\"/><Relationship Id=\"rId2\" Type=\"" +
           type +
           "worksheet\" Target=\"worksheets/sheet2.xml\"/><Relationship Id=\"rId3\" Type=\"" +
           type + "styles\" Target=\"styles.xml\"/></Relationships>";
}

// The workbook: its two sheets, the range each sheet's filter covers, and the heading row that
// every printed page repeats.
std::string workbookXml(const Worksheet& plan, const Worksheet& workers) {
    std::string names;
    const auto sheetNames = [&names](int index, const char* sheet, const Worksheet& w) {
        const std::string local = " localSheetId=\"" + std::to_string(index) + "\"";
        const std::string quoted = "'" + xmlText(sheet) + "'!";
        const std::string heading = "$" + std::to_string(w.headingRow());
        names += "<definedName name=\"_xlnm._FilterDatabase\"" + local + " hidden=\"1\">" + quoted +
                 w.tableRange() + "</definedName>";
        names += "<definedName name=\"_xlnm.Print_Titles\"" + local + ">" + quoted + heading + ":" +
                 heading + "</definedName>";
    };
    sheetNames(0, kPlanSheetName, plan);
    sheetNames(1, kWorkersSheetName, workers);
    return std::string(kXmlDeclaration) +
           "<workbook xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" "
           "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\">"
           "<workbookPr/><bookViews><workbookView activeTab=\"0\"/></bookViews><sheets>"
           "<sheet name=\"" +
           xmlText(kPlanSheetName) + "\" sheetId=\"1\" r:id=\"rId1\"/><sheet name=\"" +
           xmlText(kWorkersSheetName) + "\" sheetId=\"2\" r:id=\"rId2\"/></sheets><definedNames>" +
           names + "</definedNames></workbook>";
}

std::string coreProperties(const Assessment& a, DayNumber created) {
    std::string title = kPlanTitle;
    if (!a.EdtStanowisko.empty()) title += " – " + a.EdtStanowisko;
    const std::string when = w3cdtf(created);
    return std::string(kXmlDeclaration) +
           "<cp:coreProperties "
           "xmlns:cp=\"http://schemas.openxmlformats.org/package/2006/metadata/core-properties\" "
           "xmlns:dc=\"http://purl.org/dc/elements/1.1/\" "
           "xmlns:dcterms=\"http://purl.org/dc/terms/\" "
           "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\">"
           "<dc:title>" +
           xmlText(title) +
           "</dc:title><dc:subject>Ocena ryzyka zawodowego</dc:subject>"
           "<dc:language>pl-PL</dc:language>"
           "<dcterms:created xsi:type=\"dcterms:W3CDTF\">" +
           when + "</dcterms:created><dcterms:modified xsi:type=\"dcterms:W3CDTF\">" + when +
           "</dcterms:modified></cp:coreProperties>";
}

std::string appProperties() {
    return std::string(kXmlDeclaration) +
           "<Properties xmlns=\"http://schemas.openxmlformats.org/officeDocument/2006/"
           "extended-properties\" "
           "xmlns:vt=\"http://schemas.openxmlformats.org/officeDocument/2006/docPropsVTypes\">"
           "<Application>Tarnik</Application><DocSecurity>0</DocSecurity>"
           "<ScaleCrop>false</ScaleCrop><HeadingPairs><vt:vector size=\"2\" "
           "baseType=\"variant\"><vt:variant><vt:lpstr>Arkusze</vt:lpstr></vt:variant>"
           "<vt:variant><vt:i4>2</vt:i4></vt:variant></vt:vector></HeadingPairs>"
           "<TitlesOfParts><vt:vector size=\"2\" baseType=\"lpstr\"><vt:lpstr>" +
           xmlText(kPlanSheetName) + "</vt:lpstr><vt:lpstr>" + xmlText(kWorkersSheetName) +
           "</vt:lpstr></vt:vector></TitlesOfParts></Properties>";
}

} // namespace

OfficeParts planWorkbookParts(const Assessment& a, DayNumber created) {
    const Worksheet plan = planSheet(a);
    const Worksheet workers = workersSheet(a);
    return {
        {"[Content_Types].xml", contentTypes()},
        {"_rels/.rels", packageRelationships()},
        {"xl/workbook.xml", workbookXml(plan, workers)},
        {"xl/_rels/workbook.xml.rels", workbookRelationships()},
        {"xl/styles.xml", stylesXml()},
        {"xl/worksheets/sheet1.xml", plan.xml(true, false)},
        {"xl/worksheets/sheet2.xml", workers.xml(false, true)},
        {"docProps/core.xml", coreProperties(a, created)},
        {"docProps/app.xml", appProperties()},
    };
}

} // namespace tarnik
