// The plan and the register of workers exported as a spreadsheet, read back by LibreOffice: both
// sheets, the plan's rows in their order, the dates as dates, the heading row; the file written
// whole or not at all.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

#include "app/export/planexport.h"
#include "core/base/errors.h"
#include "core/export/planworkbook.h"
#include "core/rules/workers/training.h"
#include "core/rules/workers/workereditor.h"
#include "tests/app/support/libreoffice.h"
#include "tests/support/fixtures.h"

using namespace tarnik;

namespace {

// A cell as LibreOffice's flat ODS has it.
struct OdsCell {
    QString valueType; // "date", "float", "string" or empty
    QString dateValue;
    QString value;
    QString text; // the paragraphs joined by line feeds
};

struct OdsSheet {
    QString name;
    QMap<int, QMap<int, OdsCell>> rows; // 1-based row -> 1-based column -> cell
    QList<int> headerRows;              // rows repeated on every printed page
};

struct Ods {
    QList<OdsSheet> sheets;
    QStringList filterRanges; // the database ranges that show filter buttons
    QString error;
};

QString attribute(const QXmlStreamReader& r, const char* name) {
    return r.attributes().value(QString::fromLatin1(name)).toString();
}

int repeats(const QXmlStreamReader& r, const char* name) {
    const QString n = attribute(r, name);
    return n.isEmpty() ? 1 : n.toInt();
}

Ods readFods(const QString& path) {
    Ods out;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        out.error = QStringLiteral("cannot open ") + path;
        return out;
    }
    QXmlStreamReader r(&f);
    int row = 0;
    int column = 0;
    bool inHeaderRows = false;
    while (!r.atEnd()) {
        r.readNext();
        const QString name = r.qualifiedName().toString();
        if (r.isEndElement() && name == QLatin1String("table:table-header-rows"))
            inHeaderRows = false;
        if (!r.isStartElement()) continue;
        if (name == QLatin1String("table:table")) {
            out.sheets.append(OdsSheet{attribute(r, "table:name"), {}, {}});
            row = 0;
        } else if (name == QLatin1String("table:table-header-rows")) {
            inHeaderRows = true;
        } else if (name == QLatin1String("table:table-row")) {
            row += 1;
            column = 0;
            if (inHeaderRows) out.sheets.last().headerRows.append(row);
            // Repeated rows are empty ones: the rows after them count on.
            row += repeats(r, "table:number-rows-repeated") - 1;
        } else if (name == QLatin1String("table:table-cell") ||
                   name == QLatin1String("table:covered-table-cell")) {
            column += 1;
            OdsCell cell{attribute(r, "office:value-type"),
                         attribute(r, "office:date-value"),
                         attribute(r, "office:value"),
                         {}};
            const int span = repeats(r, "table:number-columns-repeated");
            QStringList paragraphs;
            while (r.readNextStartElement()) {
                if (r.qualifiedName() == QLatin1String("text:p"))
                    paragraphs << r.readElementText(QXmlStreamReader::IncludeChildElements);
                else
                    r.skipCurrentElement();
            }
            cell.text = paragraphs.join(QLatin1Char('\n'));
            if (!cell.valueType.isEmpty() || !cell.text.isEmpty())
                out.sheets.last().rows[row][column] = cell;
            column += span - 1;
        } else if (name == QLatin1String("table:database-range")) {
            if (attribute(r, "table:display-filter-buttons") == QLatin1String("true"))
                out.filterRanges << attribute(r, "table:target-range-address");
        }
    }
    if (r.hasError()) out.error = r.errorString();
    return out;
}

// RFC 4180 fields: quoted ones may hold commas, quotes (doubled) and line breaks.
QList<QStringList> readCsv(const QString& text) {
    QList<QStringList> rows;
    QStringList row;
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == QLatin1Char('"') && i + 1 < text.size() && text[i + 1] == QLatin1Char('"')) {
                field += c;
                ++i;
            } else if (c == QLatin1Char('"')) {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == QLatin1Char('"')) {
            quoted = true;
        } else if (c == QLatin1Char(',')) {
            row << field;
            field.clear();
        } else if (c == QLatin1Char('\n')) {
            row << field;
            rows << row;
            row.clear();
            field.clear();
        } else if (c != QLatin1Char('\r')) {
            field += c;
        }
    }
    if (!field.isEmpty() || !row.isEmpty()) rows << (row << field);
    return rows;
}

QString isoDate(DayNumber day) {
    return QDate(1899, 12, 30).addDays(qint64(day)).toString(Qt::ISODate);
}

// The full assessment with a plan of several tasks (one with Polish letters and markup, one over
// two lines) among empty rows.
Assessment sample() {
    Assessment a = fixtures::fullAssessment();
    a.Plan = {
        {"Wymiana odciągu miejscowego", "Jan Kowalski", "30 czerwca 2004"},
        PlanRow{},
        {"Osłony <prasa & gilotyna> – żółć", "Łucja Żak & \"BHP\"", "3 miesiące"},
        {"Szkolenie okresowe bhp\r\ndla spawaczy", "Anna Nowak", "kwiecień 2004"},
        {"", "", "do końca roku"},
        PlanRow{},
    };
    return a;
}

const QList<QStringList> kPlanRows{
    {"1", "Wymiana odciągu miejscowego", "Jan Kowalski", "30 czerwca 2004"},
    {"2", "Osłony <prasa & gilotyna> – żółć", "Łucja Żak & \"BHP\"", "3 miesiące"},
    {"3", "Szkolenie okresowe bhp\ndla spawaczy", "Anna Nowak", "kwiecień 2004"},
    {"4", "", "", "do końca roku"},
};

QString utf8(const char* s) {
    return QString::fromUtf8(s);
}

} // namespace

class TestPlanWorkbook : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void libreOfficeReadsBothSheets();
    void everyDateIsADate();
    void firstSheetAsCsv();
    void unwritableTargetLeavesNothing();
    void existingFileIsReplacedWhole();
    void suggestedName();

private:
    QTemporaryDir dir_;
    QString workbook_;
    Ods ods_;
};

void TestPlanWorkbook::initTestCase() {
    QVERIFY(dir_.isValid());
    workbook_ = dir_.filePath(QStringLiteral("plan.xlsx"));
    writePlanWorkbook(workbook_, sample());
    const testing::OfficeConversion c =
        testing::convertWithLibreOffice({workbook_}, QStringLiteral("fods"), dir_.path());
    QVERIFY2(c.ok, qPrintable(c.error));
    ods_ = readFods(c.outputs.first());
    QVERIFY2(ods_.error.isEmpty(), qPrintable(ods_.error));
}

void TestPlanWorkbook::libreOfficeReadsBothSheets() {
    QCOMPARE(ods_.sheets.size(), 2);
    const OdsSheet& plan = ods_.sheets[0];
    QCOMPARE(plan.name, QStringLiteral("Plan poprawy"));
    QCOMPARE(ods_.sheets[1].name, QStringLiteral("Pracownicy"));

    QCOMPARE(plan.rows[1][1].text, utf8("Plan poprawy warunków pracy"));
    QCOMPARE(plan.rows[2][3].text, utf8("Spawacz elektryczny"));
    // The heading, repeated on every printed page.
    for (int c = 1; c <= 4; ++c)
        QCOMPARE(plan.rows[kWorkbookHeadingRow][c].text, utf8(kPlanColumns[std::size_t(c - 1)]));
    QCOMPARE(plan.headerRows, QList<int>{kWorkbookHeadingRow});
    QCOMPARE(ods_.sheets[1].headerRows, QList<int>{kWorkbookHeadingRow});

    // The tasks in their order, numbered, without the empty rows.
    for (int i = 0; i < kPlanRows.size(); ++i) {
        const auto& row = plan.rows[kWorkbookHeadingRow + 1 + i];
        QCOMPARE(row[1].valueType, QStringLiteral("float"));
        QCOMPARE(row[1].value, kPlanRows[i][0]);
        for (int c = 2; c <= 4; ++c)
            QCOMPARE(row[c].text, kPlanRows[i][c - 1]);
    }
    QCOMPARE(plan.rows.lastKey(), kWorkbookHeadingRow + int(kPlanRows.size()));

    // A filter over each table, from its heading to its last row.
    QVERIFY2(ods_.filterRanges.contains(QStringLiteral("'Plan poprawy'.A5:'Plan poprawy'.D9")),
             qPrintable(ods_.filterRanges.join(QLatin1Char(' '))));
    QVERIFY2(ods_.filterRanges.contains(QStringLiteral("Pracownicy.A5:Pracownicy.P13")),
             qPrintable(ods_.filterRanges.join(QLatin1Char(' '))));

    // The workers in the register's order with the captions of the worker page.
    const OdsSheet& workers = ods_.sheets[1];
    QCOMPARE(workers.rows[kWorkbookHeadingRow][9].text, utf8("Data następnego badania"));
    QCOMPARE(workers.rows[6][2].text, utf8("Brzęczyszczykiewicz"));
    QCOMPARE(workers.rows[6][3].text, utf8("Grzegorz"));
    QCOMPARE(workers.rows[13][2].text, utf8("Żmuda"));
    QCOMPARE(workers.rows[13][5].text, utf8("spawacz"));
    QCOMPARE(workers.rows.lastKey(), 13);
}

void TestPlanWorkbook::everyDateIsADate() {
    const Assessment a = sample();
    // The dates expected, by sheet, row and column.
    QMap<QString, QString> expected;
    const auto key = [](int sheet, int row, int column) {
        return QStringLiteral("%1:%2:%3").arg(sheet).arg(row).arg(column);
    };
    expected[key(0, 3, 3)] = isoDate(a.DTPOcena);
    expected[key(1, 3, 3)] = isoDate(a.DTPOcena);
    for (std::size_t i = 0; i < a.ListaPrac.size(); ++i) {
        const WorkerRecord& w = a.ListaPrac[i];
        const int row = kWorkbookHeadingRow + 1 + int(i);
        expected[key(1, row, 6)] = isoDate(w.DTP401);
        expected[key(1, row, 9)] = isoDate(w.DTP402);
        if (firstPeriodicDateGiven(w)) expected[key(1, row, 12)] = isoDate(w.DTP403);
        expected[key(1, row, 13)] =
            isoDate(*WymaganePierwszeSzkolenie(trainingPlanOf(a), w.DTP401));
        if (furtherPeriodicDateGiven(w)) expected[key(1, row, 14)] = isoDate(w.DTP404);
        expected[key(1, row, 15)] = isoDate(WymaganeKolejneSzkolenie(
            trainingPlanOf(a), w.RB406, w.RB407, w.DTP403, w.DTP404, w.DTP401));
    }
    // Some periodic trainings were never done: their cells are empty.
    QVERIFY(!expected.contains(key(1, 6, 12)));
    QVERIFY(!ods_.sheets[1].rows[6].contains(12));
    QCOMPARE(expected[key(1, 13, 14)], QStringLiteral("2003-11-20"));

    QMap<QString, QString> found;
    for (int s = 0; s < ods_.sheets.size(); ++s)
        for (auto row = ods_.sheets[s].rows.cbegin(); row != ods_.sheets[s].rows.cend(); ++row)
            for (auto cell = row->cbegin(); cell != row->cend(); ++cell)
                if (cell->valueType == QLatin1String("date") ||
                    expected.contains(key(s, row.key(), cell.key()))) {
                    QCOMPARE(cell->valueType, QStringLiteral("date"));
                    found[key(s, row.key(), cell.key())] = cell->dateValue;
                }
    QCOMPARE(found, expected);
}

void TestPlanWorkbook::firstSheetAsCsv() {
    // UTF-8, comma-separated, quoted texts.
    const testing::OfficeConversion c = testing::convertWithLibreOffice(
        {workbook_}, QStringLiteral("csv:Text - txt - csv (StarCalc):44,34,76,1"), dir_.path());
    QVERIFY2(c.ok, qPrintable(c.error));
    QFile f(c.outputs.first());
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QList<QStringList> rows = readCsv(QString::fromUtf8(f.readAll()));
    QVERIFY2(rows.size() >= kWorkbookHeadingRow + kPlanRows.size(),
             qPrintable(QString::number(rows.size())));
    QCOMPARE(rows[0].value(0), utf8("Plan poprawy warunków pracy"));
    QCOMPARE(rows[2].value(1), utf8("Data wykonania oceny:"));
    QCOMPARE(rows[2].value(2), QStringLiteral("15.03.2004"));
    QStringList heading;
    for (const char* caption : kPlanColumns)
        heading << utf8(caption);
    QCOMPARE(rows[kWorkbookHeadingRow - 1].mid(0, 4), heading);
    for (int i = 0; i < kPlanRows.size(); ++i)
        QCOMPARE(rows[kWorkbookHeadingRow + i].mid(0, 4), kPlanRows[i]);
    // Nothing below the last task.
    for (qsizetype i = kWorkbookHeadingRow + kPlanRows.size(); i < rows.size(); ++i)
        QVERIFY2(rows[i].join(QString()).isEmpty(), qPrintable(rows[i].join(QLatin1Char('|'))));
}

void TestPlanWorkbook::unwritableTargetLeavesNothing() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString missing = dir.filePath(QStringLiteral("brak"));
    const QString target = QDir(missing).filePath(QStringLiteral("plan.xlsx"));
    QVERIFY_THROWS_EXCEPTION(FileError, writePlanWorkbook(target, sample()));
    QVERIFY(!QFileInfo::exists(missing));
    QVERIFY(QDir(dir.path())
                .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden)
                .isEmpty());
}

void TestPlanWorkbook::existingFileIsReplacedWhole() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString target = dir.filePath(QStringLiteral("plan.xlsx"));
    {
        QFile old(target);
        QVERIFY(old.open(QIODevice::WriteOnly));
        // Longer than the workbook: a file written over in place would keep its tail.
        old.write(QByteArray(4 * 1024 * 1024, 'x'));
    }
    writePlanWorkbook(target, sample());
    QFile f(target);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    QVERIFY(bytes.startsWith("PK\x03\x04"));
    QVERIFY(bytes.size() < 1024 * 1024);
    QVERIFY(!bytes.contains(QByteArray(64, 'x')));
    // Only the workbook is left in the folder: no temporary file.
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList{QStringLiteral("plan.xlsx")});
    // The same bytes as a workbook written afresh, but for the time it was made.
    QFile fresh(workbook_);
    QVERIFY(fresh.open(QIODevice::ReadOnly));
    QVERIFY(qAbs(fresh.size() - bytes.size()) < 64);
}

void TestPlanWorkbook::suggestedName() {
    const QString folder = dir_.path();
    QCOMPARE(suggestedWorkbookName(QStringLiteral(" Spawacz: MIG/MAG "),
                                   QDir(folder).filePath(QStringLiteral("ocena.trk")),
                                   QStringLiteral("/elsewhere")),
             QDir(folder).filePath(QStringLiteral("Spawacz_ MIG_MAG - plan.xlsx")));
    QCOMPARE(suggestedWorkbookName(QString(), QDir(folder).filePath(QStringLiteral("hala 2.trk")),
                                   QStringLiteral("/elsewhere")),
             QDir(folder).filePath(QStringLiteral("hala 2 - plan.xlsx")));
    QCOMPARE(suggestedWorkbookName(QString(), QString(), folder),
             QDir(folder).filePath(QStringLiteral("ocena - plan.xlsx")));
}

QTEST_MAIN(TestPlanWorkbook)
#include "test_planworkbook.moc"
