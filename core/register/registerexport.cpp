#include "core/register/registerexport.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <set>

#include "core/base/text.h"
#include "core/evaluation/summary.h"

namespace tarnik {

namespace {

constexpr const char* kImmediately = "niezwłocznie";

std::string nextAssessmentText(const NextAssessment& next) {
    switch (next.kind) {
    case NextAssessment::Kind::None:
        return {};
    case NextAssessment::Kind::Immediately:
        return kImmediately;
    case NextAssessment::Kind::On:
        break;
    }
    return isoDate(next.date);
}

// ---------------------------------------------------------------------------------------------
// JSON

class RowWriter {
public:
    void field(const char* key, const std::string& rendered) {
        out_ += first_ ? "  {\n" : ",\n";
        first_ = false;
        out_ += "    ";
        out_ += jsonString(key);
        out_ += ": ";
        out_ += rendered;
    }
    void text(const char* key, const std::string& value) { field(key, jsonString(value)); }
    void number(const char* key, int value) { field(key, std::to_string(value)); }
    std::string finish() { return out_ + "\n  }"; }

private:
    std::string out_;
    bool first_ = true;
};

std::string rowJson(const RegisterRow& row, DayNumber today) {
    RowWriter w;
    w.text("file", row.file);
    if (!row.readable()) {
        w.text("error", row.error);
        return w.finish();
    }
    w.text("EdtZaklad", row.EdtZaklad);
    w.text("EdtStanowisko", row.EdtStanowisko);
    w.text("EdtKStan", row.EdtKStan);
    w.number("EdtNr", row.EdtNr);
    w.text("DTPOcena", isoDate(row.DTPOcena));
    w.number("riskLevel", row.riskLevel);
    w.text("riskGrade", row.riskGrade);
    const std::string next = nextAssessmentText(row.nextAssessment);
    w.field("nextAssessment", next.empty() ? std::string("null") : jsonString(next));
    w.number("examsOverdue", row.examsOverdue(today));
    w.number("trainingsOverdue", row.trainingsOverdue(today));
    w.number("planTasks", row.planTasks);
    return w.finish();
}

// ---------------------------------------------------------------------------------------------
// CSV

std::string csvField(const std::string& value) {
    if (value.find_first_of(";\"\r\n") == std::string::npos) return value;
    std::string out = "\"";
    for (char c : value) {
        if (c == '"') out += '"';
        out += c;
    }
    return out + "\"";
}

void appendCsvLine(std::string& out, const std::vector<std::string>& fields) {
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) out += ';';
        out += csvField(fields[i]);
    }
    out += "\r\n";
}

// ---------------------------------------------------------------------------------------------
// iCalendar

std::string compactDate(DayNumber date) {
    const CivilDate d = civilFromDayNumber(date);
    char buf[16];
    std::snprintf(buf, sizeof buf, "%04d%02d%02d", d.year, d.month, d.day);
    return buf;
}

std::string utcStamp(DayNumber stamp) {
    const DayNumber day = wholeDay(stamp);
    double fraction = std::fabs(stamp - day);
    if (!(fraction < 1.0)) fraction = 0; // NaN or a day outside the calendar
    const int seconds = std::min(static_cast<int>(std::lround(fraction * 86400.0)), 86399);
    char buf[32];
    std::snprintf(buf, sizeof buf, "T%02d%02d%02dZ", seconds / 3600, seconds / 60 % 60,
                  seconds % 60);
    return compactDate(day) + buf;
}

// A TEXT value: backslash, semicolon and comma escaped, every line break (CR LF, CR or LF)
// written as \n.
std::string icsText(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        const char c = s[i];
        switch (c) {
        case '\\':
            out += "\\\\";
            break;
        case ';':
            out += "\\;";
            break;
        case ',':
            out += "\\,";
            break;
        case '\r':
            if (i + 1 < s.size() && s[i + 1] == '\n') ++i;
            out += "\\n";
            break;
        case '\n':
            out += "\\n";
            break;
        default:
            // Other control characters are not allowed in a TEXT value.
            if (static_cast<unsigned char>(c) < 0x20 && c != '\t') break;
            out += c;
        }
    }
    return out;
}

// One content line, folded so that no line passes 75 octets: each continuation begins with a
// blank, and a cut never falls inside a UTF-8 character.
void appendFolded(std::string& out, std::string_view line) {
    constexpr std::size_t kLimit = 75;
    std::size_t pos = 0;
    bool first = true;
    while (true) {
        const std::size_t room = first ? kLimit : kLimit - 1;
        if (!first) out += ' ';
        if (line.size() - pos <= room) {
            out += line.substr(pos);
            out += "\r\n";
            return;
        }
        std::size_t cut = pos + room;
        while (cut > pos && (static_cast<unsigned char>(line[cut]) & 0xC0) == 0x80)
            --cut;
        if (cut == pos) cut = pos + room; // not UTF-8 at all: cut where the limit falls
        out += line.substr(pos, cut - pos);
        out += "\r\n";
        pos = cut;
        first = false;
    }
}

// A name of several lines (an establishment with its address) on one line for a summary: the
// lines trimmed, empty ones dropped, the rest joined by ", ".
std::string plainName(const std::string& s) {
    std::string out;
    std::size_t pos = 0;
    while (pos <= s.size()) {
        std::size_t end = s.find_first_of("\r\n", pos);
        if (end == std::string::npos) end = s.size();
        const std::string part = trim(std::string_view(s).substr(pos, end - pos));
        if (!part.empty()) {
            if (!out.empty()) out += ", ";
            out += part;
        }
        pos = end + 1;
    }
    return out;
}

std::string stationName(const RegisterRow& row) {
    const std::string station = plainName(row.EdtStanowisko);
    return station.empty() ? row.file : station;
}

std::uint64_t fnv1a(std::string_view s) {
    std::uint64_t h = 14695981039346656037ull;
    for (char c : s) {
        h ^= static_cast<unsigned char>(c);
        h *= 1099511628211ull;
    }
    return h;
}

class CalendarWriter {
public:
    explicit CalendarWriter(DayNumber stamp) : stamp_(utcStamp(stamp)) {
        line("BEGIN:VCALENDAR");
        line("VERSION:2.0");
        line("PRODID:-//Tarnik//Rejestr ocen ryzyka zawodowego//PL");
        line("CALSCALE:GREGORIAN");
        line("METHOD:PUBLISH");
    }

    // One all-day event; `kind` and `who` tell events of one file and day apart in the UID.
    void event(const RegisterRow& row, const char* kind, const std::string& who, DayNumber date,
               const std::string& summary) {
        const std::string day = compactDate(date);
        std::string key;
        key.append(row.file).append(1, '\0').append(kind).append(1, '\0');
        key.append(who).append(1, '\0').append(day);
        char hex[24];
        std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(fnv1a(key)));
        std::string uid = hex;
        // Two workers of the same name due on the same day still get events of their own.
        for (int n = 2; !uids_.insert(uid).second; ++n)
            uid = std::string(hex) + "-" + std::to_string(n);

        line("BEGIN:VEVENT");
        line("UID:" + uid + "@tarnik");
        line("DTSTAMP:" + stamp_);
        line("DTSTART;VALUE=DATE:" + day);
        line("DTEND;VALUE=DATE:" + compactDate(addDays(date, 1)));
        line("SUMMARY:" + icsText(summary));
        const std::string establishment = trim(row.EdtZaklad);
        line("DESCRIPTION:" + icsText(establishment.empty()
                                          ? "Plik: " + row.file
                                          : establishment + "\n" + "Plik: " + row.file));
        line("TRANSP:TRANSPARENT");
        line("END:VEVENT");
    }

    std::string finish() {
        line("END:VCALENDAR");
        return std::move(out_);
    }

private:
    void line(std::string_view text) { appendFolded(out_, text); }

    std::string out_;
    std::string stamp_;
    std::set<std::string> uids_;
};

} // namespace

std::string registerJson(const std::vector<RegisterRow>& rows, DayNumber today) {
    if (rows.empty()) return "[]\n";
    std::string out = "[\n";
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (i > 0) out += ",\n";
        out += rowJson(rows[i], today);
    }
    return out + "\n]\n";
}

const std::vector<std::string>& registerColumnTitles() {
    static const std::vector<std::string> titles{"Zakład",
                                                 "Stanowisko",
                                                 "Kod",
                                                 "Nr oceny",
                                                 "Data oceny",
                                                 "Poziom ryzyka",
                                                 "Ocena",
                                                 "Następna ocena",
                                                 "Badania nieaktualne",
                                                 "Szkolenia nieaktualne",
                                                 "Zadania planu",
                                                 "Plik"};
    return titles;
}

std::string registerCsv(const std::vector<RegisterRow>& rows, DayNumber today) {
    std::string out = "\xEF\xBB\xBF";
    appendCsvLine(out, registerColumnTitles());
    for (const RegisterRow& row : rows) {
        if (!row.readable()) {
            appendCsvLine(out, {"", "", "", "", "", "", row.error, "", "", "", "", row.file});
            continue;
        }
        appendCsvLine(
            out,
            {row.EdtZaklad, row.EdtStanowisko, row.EdtKStan, std::to_string(row.EdtNr),
             isoDate(row.DTPOcena), std::to_string(row.riskLevel), row.riskGrade,
             nextAssessmentText(row.nextAssessment), std::to_string(row.examsOverdue(today)),
             std::to_string(row.trainingsOverdue(today)), std::to_string(row.planTasks), row.file});
    }
    return out;
}

std::string registerICalendar(const std::vector<RegisterRow>& rows, DayNumber stamp) {
    CalendarWriter calendar(stamp);
    for (const RegisterRow& row : rows) {
        if (!row.readable()) continue;
        const std::string station = stationName(row);
        if (row.nextAssessment.kind == NextAssessment::Kind::On) {
            const std::string establishment = plainName(row.EdtZaklad);
            std::string summary = "Ocena ryzyka: " + station;
            if (!establishment.empty()) summary += " (" + establishment + ")";
            calendar.event(row, "assessment", {}, row.nextAssessment.date, summary);
        }
        for (const WorkerDueDates& w : row.workers) {
            calendar.event(row, "examination", w.name, w.examination,
                           "Badania lekarskie: " + w.name + " – " + station);
            if (w.trainingCurrentUntil)
                calendar.event(row, "training", w.name, *w.trainingCurrentUntil,
                               "Szkolenie okresowe: " + w.name + " – " + station);
        }
    }
    return calendar.finish();
}

} // namespace tarnik
