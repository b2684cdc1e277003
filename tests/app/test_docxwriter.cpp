// The Word document as LibreOffice reads it: a flowing document written to a DOCX file, converted
// to PDF (its words, the table's heading row on every page, the running header with its page
// number, the chart picture) and to an OpenDocument text (its headings are headings there).
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include "app/export/officezip.h"
#include "core/export/docx.h"
#include "tests/app/support/libreoffice.h"
#include "tests/app/support/pdftext.h"

using namespace tarnik;

namespace {

constexpr int kTableRows = 130;

FlowStyle style(const std::string& name, int points, bool bold = false,
                FlowAlign align = FlowAlign::Left) {
    FlowStyle s;
    s.name = name;
    s.font.face = "Arial";
    s.font.points = points;
    s.font.bold = bold;
    s.align = align;
    return s;
}

FlowParagraph paragraph(const std::string& text, const std::string& styleName, int level = 0) {
    FlowParagraph p;
    p.style = styleName;
    p.text = text;
    p.outlineLevel = level;
    return p;
}

FlowCell cell(const std::string& text, const std::string& styleName) {
    FlowCell c;
    c.paragraph = paragraph(text, styleName);
    c.border = true;
    return c;
}

QByteArray chartPng() {
    QImage image(480, 240, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setBrush(QColor(200, 40, 40));
    painter.drawRect(40, 60, 120, 160);
    painter.setBrush(QColor(40, 120, 200));
    painter.drawRect(240, 20, 120, 200);
    painter.end();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

FlowDocument sampleDocument() {
    FlowDocument doc;
    doc.fontFace = "Arial";
    doc.marginsMm = {20, 20, 15, 20};
    doc.headerBefore = "Ocena ryzyka zawodowego – Spawacz, str. ";
    doc.headerAfter = " – Tarnik";
    doc.headerStyle = "Z_Header";
    doc.headerOnFirstPage = false;
    doc.styles = {style("Normal", 10), style("Header", 14, true, FlowAlign::Centre),
                  style("TableText", 9), style("TableHead", 9, true), style("Z_Header", 8)};
    doc.properties.title = "Ocena ryzyka zawodowego – Spawacz";
    doc.properties.author = "Służba BHP";

    FlowParagraph title = paragraph("Dane ogólne zakładu", "Header", 1);
    title.blankLinesAfter = 1;
    title.keepWithNext = true;
    doc.blocks.push_back(title);
    doc.blocks.push_back(paragraph("Zażółć gęślą jaźń – Łódź, ul. Źródlana 5", "Normal"));
    doc.blocks.push_back(paragraph("Pierwsza linia opisu\nDruga linia opisu", "Normal"));
    doc.blocks.push_back(paragraph("Wykaz czynników szkodliwych", "Header", 2));

    FlowTable table;
    table.columnsMm = {15, 110, 45};
    table.cellMarginsMm = {1, 0.5, 1, 0.5};
    table.headerRows = 1;
    table.rows.push_back({{cell("Lp.", "TableHead"), cell("Nazwa czynnika", "TableHead"),
                           cell("Ocena", "TableHead")}});
    for (int r = 1; r <= kTableRows; ++r)
        table.rows.push_back({{cell(std::to_string(r) + ".", "TableText"),
                               cell("Czynnik " + std::to_string(r), "TableText"),
                               cell(r % 2 ? "średnie" : "małe", "TableText")}});
    doc.blocks.push_back(table);

    FlowPicture picture;
    picture.widthMm = 120;
    picture.heightMm = 60;
    picture.index = 1;
    picture.keepWithNext = true;
    doc.blocks.push_back(picture);
    doc.blocks.push_back(paragraph("Koniec raportu", "Normal"));
    return doc;
}

// The page (1-based) of the first page text holding `word` as a whole line's start, 0 for none.
int pageOf(const QStringList& pages, const QString& line) {
    for (int i = 0; i < pages.size(); ++i)
        for (const QString& l : pages[i].split(QLatin1Char('\n')))
            if (l.trimmed() == line) return i + 1;
    return 0;
}

QString withoutTags(QString xml) {
    return xml.remove(QRegularExpression(QStringLiteral("<[^>]*>")));
}

} // namespace

class DocxWriterTest : public QObject {
    Q_OBJECT

private slots:
    void libreOfficeReadsTheDocumentAsWritten();
};

void DocxWriterTest::libreOfficeReadsTheDocumentAsWritten() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString docx = dir.filePath(QStringLiteral("raport.docx"));
    OfficeParts parts = docxParts(sampleDocument());
    const QByteArray png = chartPng();
    parts.push_back({docxPicturePath(1), std::string(png.constData(), std::size_t(png.size()))});
    writeOfficeFile(docx, parts);

    const testing::OfficeConversion pdf =
        testing::convertWithLibreOffice({docx}, QStringLiteral("pdf"), dir.path());
    QVERIFY2(pdf.ok, qPrintable(pdf.error));
    const testing::PdfText text = testing::pdfText(pdf.outputs.at(0));
    QVERIFY2(text.ok, qPrintable(text.error));
    QStringList pages = text.text.split(QLatin1Char('\f'));
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty()) pages.removeLast();

    const testing::ToolRun info = testing::runTool(QStringLiteral("pdfinfo"), {pdf.outputs[0]});
    QVERIFY2(info.available && info.finished && info.exitCode == 0,
             qPrintable(info.error + info.err));
    const QRegularExpressionMatch pageCount =
        QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info.out);
    QVERIFY2(pageCount.hasMatch(), qPrintable(info.out));
    QCOMPARE(pageCount.captured(1).toInt(), int(pages.size()));
    QVERIFY2(pages.size() >= 3, qPrintable(text.text));

    // The words in reading order, Polish letters and line breaks included.
    const QStringList order{QStringLiteral("Dane ogólne zakładu"),
                            QStringLiteral("Zażółć gęślą jaźń – Łódź, ul. Źródlana 5"),
                            QStringLiteral("Pierwsza linia opisu"),
                            QStringLiteral("Druga linia opisu"),
                            QStringLiteral("Wykaz czynników szkodliwych"),
                            QStringLiteral("Nazwa czynnika"),
                            QStringLiteral("Czynnik 1"),
                            QStringLiteral("Czynnik 60"),
                            QStringLiteral("Czynnik %1").arg(kTableRows),
                            QStringLiteral("Koniec raportu")};
    qsizetype at = 0;
    for (const QString& word : order) {
        const qsizetype found = text.text.indexOf(word, at);
        QVERIFY2(
            found >= 0,
            qPrintable(
                QStringLiteral("%1 missing after %2 in:\n%3").arg(word).arg(at).arg(text.text)));
        at = found + word.size();
    }
    QVERIFY(text.text.contains(QStringLiteral("średnie")));

    // The table's heading row on every page it covers, above its first row there.
    const int firstPage = pageOf(pages, QStringLiteral("Czynnik 1"));
    const int lastPage = pageOf(pages, QStringLiteral("Czynnik %1").arg(kTableRows));
    QVERIFY(firstPage >= 1);
    QVERIFY2(lastPage - firstPage >= 2, qPrintable(text.text));
    for (int page = firstPage; page <= lastPage; ++page) {
        const QString& t = pages[page - 1];
        QCOMPARE(t.count(QStringLiteral("Nazwa czynnika")), 1);
        const qsizetype firstRow = t.indexOf(QRegularExpression(QStringLiteral("Czynnik \\d+")));
        QVERIFY2(firstRow > t.indexOf(QStringLiteral("Nazwa czynnika")), qPrintable(t));
    }

    // The running header: not on the first page, on the others with their own numbers.
    QVERIFY2(!pages[0].contains(QStringLiteral("Ocena ryzyka zawodowego")), qPrintable(pages[0]));
    for (int page = 2; page <= pages.size(); ++page) {
        const QString header =
            QStringLiteral("Ocena ryzyka zawodowego – Spawacz, str. %1 – Tarnik").arg(page);
        QVERIFY2(pages[page - 1].trimmed().startsWith(header), qPrintable(pages[page - 1]));
    }

    // One picture.
    const testing::ToolRun images =
        testing::runTool(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf.outputs[0]});
    QVERIFY2(images.available && images.finished && images.exitCode == 0,
             qPrintable(images.error + images.err));
    int imageCount = 0;
    for (const QString& line : images.out.split(QLatin1Char('\n')).mid(2)) {
        const QStringList fields = line.simplified().split(QLatin1Char(' '));
        if (fields.size() > 2 && fields[2] == QLatin1String("image")) ++imageCount;
    }
    QVERIFY2(imageCount == 1, qPrintable(images.out));

    // LibreOffice takes the headings for headings of their levels.
    const testing::OfficeConversion fodt =
        testing::convertWithLibreOffice({docx}, QStringLiteral("fodt"), dir.path());
    QVERIFY2(fodt.ok, qPrintable(fodt.error));
    QFile file(fodt.outputs.at(0));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString xml = QString::fromUtf8(file.readAll());
    QMap<QString, QString> levels;
    const QRegularExpression heading(QStringLiteral("<text:h\\b([^>]*)>(.*?)</text:h>"),
                                     QRegularExpression::DotMatchesEverythingOption);
    for (auto it = heading.globalMatch(xml); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        const QRegularExpressionMatch level =
            QRegularExpression(QStringLiteral("text:outline-level=\"(\\d)\"")).match(m.captured(1));
        levels[withoutTags(m.captured(2)).trimmed()] = level.captured(1);
    }
    QCOMPARE(levels.value(QStringLiteral("Dane ogólne zakładu")), QStringLiteral("1"));
    QCOMPARE(levels.value(QStringLiteral("Wykaz czynników szkodliwych")), QStringLiteral("2"));
    QVERIFY2(levels.size() == 2, qPrintable(QStringList(levels.keys()).join(QLatin1Char('|'))));
}

QTEST_MAIN(DocxWriterTest)
#include "test_docxwriter.moc"
