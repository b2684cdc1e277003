// The ODT writer's document as LibreOffice reads it: a flowing document with a heading, Polish
// text, a table long enough for several pages, a chart picture and a running header that leaves
// out the first page, written to a file and converted to PDF and back to flat ODF.
#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

#include "app/export/officezip.h"
#include "core/export/odt.h"
#include "tests/app/support/libreoffice.h"
#include "tests/app/support/pdftext.h"

using namespace tarnik;
using namespace tarnik::testing;

namespace {

constexpr int kTableRows = 140; // about three pages and a bit

FlowStyle style(const std::string& name, int points, bool bold = false) {
    FlowStyle s;
    s.name = name;
    s.font.face = "Arial";
    s.font.points = points;
    s.font.bold = bold;
    return s;
}

FlowParagraph para(const std::string& text, const std::string& styleName, int level = 0) {
    FlowParagraph p;
    p.style = styleName;
    p.text = text;
    p.outlineLevel = level;
    p.keepWithNext = level > 0;
    return p;
}

FlowCell cell(const std::string& text, const std::string& styleName) {
    FlowCell c;
    c.paragraph = para(text, styleName);
    c.border = true;
    return c;
}

FlowDocument document() {
    FlowDocument doc;
    doc.fontFace = "Arial";
    doc.marginsMm = {20, 20, 15, 20};
    doc.headerBefore = "Karta oceny ryzyka, strona ";
    doc.headerAfter = " z raportu";
    doc.headerStyle = "Header";
    doc.headerOnFirstPage = false;
    doc.styles = {style("Normal", 10),          style("Header", 8),
                  style("Title", 14, true),     style("Section", 12, true),
                  style("TableHead", 10, true), style("TableCell", 10)};
    doc.properties = {"Ocena ryzyka zawodowego", "Anna Nowak", "Spawacz", "2024-05-06T07:08:09Z"};

    doc.blocks.push_back(para("Ocena ryzyka zawodowego", "Title", 1));
    doc.blocks.push_back(para("Zażółć gęślą jaźń na stanowisku spawacza.", "Normal"));
    doc.blocks.push_back(para("Źródła: pomiary hałasu i oświetlenia, łączność.", "Normal"));
    doc.blocks.push_back(para("Wykaz zagrożeń", "Section", 2));

    FlowTable t;
    t.columnsMm = {15, 100, 60};
    t.cellMarginsMm = {1, 0.5, 1, 0.5};
    t.headerRows = 1;
    t.rows.push_back({{cell("Lp.", "TableHead"), cell("Opis zagrożenia", "TableHead"),
                       cell("Poziom ryzyka", "TableHead")}});
    for (int i = 1; i <= kTableRows; ++i) {
        const std::string n = std::to_string(i);
        t.rows.push_back({{cell(n, "TableCell"), cell("Zagrożenie numer " + n, "TableCell"),
                           cell("średnie", "TableCell")}});
    }
    doc.blocks.push_back(t);

    doc.blocks.push_back(para("Wykres ryzyka", "Section", 2));
    FlowPicture picture;
    picture.widthMm = 120;
    picture.heightMm = 60;
    picture.index = 1;
    picture.keepWithNext = true;
    doc.blocks.push_back(picture);
    doc.blocks.push_back(para("Koniec raportu.", "Normal"));
    return doc;
}

std::string chartPng() {
    QImage image(600, 300, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.fillRect(50, 100, 100, 180, QColor(200, 40, 40));
    painter.fillRect(250, 40, 100, 240, QColor(40, 120, 200));
    painter.fillRect(450, 200, 100, 80, QColor(40, 180, 60));
    painter.end();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes.toStdString();
}

} // namespace

class OdtWriterTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void wordsComeInTheReportsOrder();
    void tableHeadingRepeatsOnEveryPageOfTheTable();
    void headerStartsOnPageTwoWithItsNumber();
    void pictureIsEmbedded();
    void headingsStayHeadingsInLibreOffice();

private:
    QTemporaryDir dir_;
    QString odt_;
    QString pdf_;
    QString fodt_;
    QStringList pages_; // the PDF's text page by page, blanks simplified
};

void OdtWriterTest::initTestCase() {
    QVERIFY(dir_.isValid());
    OfficeParts parts = odtParts(document());
    parts.push_back({odtPicturePath(1), chartPng(), false});
    odt_ = dir_.filePath(QStringLiteral("raport.odt"));
    writeOfficeFile(odt_, parts);

    const OfficeConversion pdf = convertWithLibreOffice({odt_}, QStringLiteral("pdf"), dir_.path());
    QVERIFY2(pdf.ok, qPrintable(pdf.error));
    pdf_ = pdf.outputs.value(0);
    const OfficeConversion fodt =
        convertWithLibreOffice({odt_}, QStringLiteral("fodt"), dir_.path());
    QVERIFY2(fodt.ok, qPrintable(fodt.error));
    fodt_ = fodt.outputs.value(0);

    const PdfText text = pdfText(pdf_);
    QVERIFY2(text.available, "pdftotext is not installed");
    QVERIFY2(text.ok, qPrintable(text.error));
    for (const QString& page : text.text.split(QLatin1Char('\f'), Qt::SkipEmptyParts))
        pages_ << page.simplified();
    QVERIFY2(pages_.size() >= 4, qPrintable(QStringLiteral("%1 pages").arg(pages_.size())));

    const ToolRun info = runTool(QStringLiteral("pdfinfo"), {pdf_});
    QVERIFY2(info.available, "pdfinfo is not installed");
    QVERIFY2(info.finished && info.exitCode == 0, qPrintable(info.error + info.err));
    const QRegularExpressionMatch count =
        QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info.out);
    QVERIFY(count.hasMatch());
    QCOMPARE(count.captured(1).toInt(), pages_.size());
    QVERIFY2(info.out.contains(QStringLiteral("Ocena ryzyka zawodowego")), qPrintable(info.out));
}

void OdtWriterTest::wordsComeInTheReportsOrder() {
    const QString all = pages_.join(QLatin1Char(' '));
    const QStringList expected{QStringLiteral("Ocena ryzyka zawodowego"),
                               QStringLiteral("Zażółć gęślą jaźń na stanowisku spawacza."),
                               QStringLiteral("Źródła: pomiary hałasu i oświetlenia, łączność."),
                               QStringLiteral("Wykaz zagrożeń"),
                               QStringLiteral("Opis zagrożenia"),
                               QStringLiteral("Zagrożenie numer 1 "),
                               QStringLiteral("Zagrożenie numer 60 "),
                               QStringLiteral("Zagrożenie numer 120"),
                               QStringLiteral("Wykres ryzyka"),
                               QStringLiteral("Koniec raportu.")};
    qsizetype from = 0;
    for (const QString& words : expected) {
        const qsizetype at = all.indexOf(words, from);
        QVERIFY2(at >= 0, qPrintable(QStringLiteral("'%1' missing or out of order").arg(words)));
        from = at + words.size();
    }
    // Every row is there once, whichever page it went to.
    for (int i = 1; i <= kTableRows; ++i)
        QCOMPARE(all.count(QRegularExpression(QStringLiteral("Zagrożenie numer %1(?!\\d)").arg(i))),
                 1);
}

void OdtWriterTest::tableHeadingRepeatsOnEveryPageOfTheTable() {
    int tablePages = 0;
    for (qsizetype i = 0; i < pages_.size(); ++i) {
        const qsizetype firstRow = pages_[i].indexOf(QStringLiteral("Zagrożenie numer"));
        if (firstRow < 0) continue;
        ++tablePages;
        const qsizetype heading = pages_[i].indexOf(QStringLiteral("Opis zagrożenia"));
        QVERIFY2(heading >= 0 && heading < firstRow,
                 qPrintable(QStringLiteral("page %1: %2").arg(i + 1).arg(pages_[i])));
        QCOMPARE(pages_[i].count(QStringLiteral("Opis zagrożenia")), 1);
    }
    QVERIFY2(tablePages >= 3, qPrintable(QString::number(tablePages)));
}

void OdtWriterTest::headerStartsOnPageTwoWithItsNumber() {
    QVERIFY2(!pages_[0].contains(QStringLiteral("Karta oceny")), qPrintable(pages_[0]));
    QVERIFY2(pages_[0].startsWith(QStringLiteral("Ocena ryzyka zawodowego")),
             qPrintable(pages_[0]));
    for (qsizetype i = 1; i < pages_.size(); ++i) {
        const QString header = QStringLiteral("Karta oceny ryzyka, strona %1 z raportu").arg(i + 1);
        QVERIFY2(pages_[i].startsWith(header), qPrintable(pages_[i].left(120)));
    }
}

void OdtWriterTest::pictureIsEmbedded() {
    const ToolRun images = runTool(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf_});
    QVERIFY2(images.available, "pdfimages is not installed");
    QVERIFY2(images.finished && images.exitCode == 0, qPrintable(images.error + images.err));
    // Two heading lines, then one line per image.
    const QStringList lines = images.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.size() - 2, 1);
    // page, num, type, width, height ...: the chart at the size it was drawn.
    const QStringList fields = lines.last().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    QVERIFY2(fields.size() > 4, qPrintable(lines.last()));
    QCOMPARE(fields[2], QStringLiteral("image"));
    QCOMPARE(fields[3], QStringLiteral("600"));
    QCOMPARE(fields[4], QStringLiteral("300"));
}

void OdtWriterTest::headingsStayHeadingsInLibreOffice() {
    QFile file(fodt_);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    QMap<QString, QString> levels; // heading text -> outline level
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement() || xml.qualifiedName() != QLatin1String("text:h")) continue;
        const QString level =
            xml.attributes().value(QStringLiteral("text:outline-level")).toString();
        levels[xml.readElementText(QXmlStreamReader::IncludeChildElements).simplified()] = level;
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    QCOMPARE(levels.value(QStringLiteral("Ocena ryzyka zawodowego")), QStringLiteral("1"));
    QCOMPARE(levels.value(QStringLiteral("Wykaz zagrożeń")), QStringLiteral("2"));
    QCOMPARE(levels.value(QStringLiteral("Wykres ryzyka")), QStringLiteral("2"));
    QCOMPARE(levels.size(), 3);
}

QTEST_MAIN(OdtWriterTest)
#include "test_odtwriter.moc"
