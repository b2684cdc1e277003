// The archival part of the report's PDF: the XMP packet, the information dictionary that must
// agree with it, and the update appended to the bytes Qt wrote (refused for bytes of any other
// shape, which are then left as they were).
#include <QBuffer>
#include <QMap>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>
#include <chrono>
#include <stdexcept>
#include <string>

#include "app/print/pdfarchive.h"
#include "tests/app/support/pdftext.h"

using namespace tarnik;
using namespace std::chrono;

namespace {

// The texts of the XMP properties, by element name ("dc:title" ...), and the reader's error.
struct Xmp {
    QMap<QString, QString> values;
    QString error;
};

Xmp readXmp(const QByteArray& xml) {
    Xmp out;
    QXmlStreamReader r(xml);
    QString property;
    while (!r.atEnd()) {
        r.readNext();
        if (r.isStartElement()) {
            const QString name = r.qualifiedName().toString();
            if (name.startsWith(QLatin1String("rdf:"))) {
                if (name == QLatin1String("rdf:li")) {
                    const QString text = r.readElementText();
                    if (!out.values.contains(property)) out.values[property] = text;
                }
                continue;
            }
            property = name;
            if (name != QLatin1String("x:xmpmeta") && !name.startsWith(QLatin1String("dc:")))
                out.values[name] = r.readElementText();
        }
    }
    if (r.hasError()) out.error = r.errorString();
    return out;
}

const system_clock::time_point kCreated = sys_days{2024y / 1 / 31} + 12h + 34min + 56s;

PdfDocumentInfo sampleInfo() {
    PdfDocumentInfo info;
    info.title = "Ocena ryzyka zawodowego – Spawacz <MIG> & \"Żółć\" 'x'";
    info.author = "Służba BHP";
    info.subject = "Huta Łódź";
    info.creator = "Tarnik";
    info.producer = "Qt 6";
    info.created = kCreated;
    return info;
}

QString hexUtf16(const QString& s) {
    QString hex = QStringLiteral("<FEFF");
    for (const QChar c : s)
        hex += QStringLiteral("%1").arg(c.unicode(), 4, 16, QLatin1Char('0')).toUpper();
    return hex + QLatin1Char('>');
}

// A one-page PDF/A-1b as Qt writes it.
std::string qtPdf() {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPdfVersion(QPagedPaintDevice::PdfVersion_A1b);
        writer.setDocumentXmpMetadata(QByteArray::fromStdString(pdfaXmpPacket(sampleInfo())));
        QPainter p(&writer);
        p.drawText(QPointF(100, 100), QStringLiteral("Zażółć gęślą jaźń"));
    }
    return bytes.toStdString();
}

} // namespace

class PdfArchiveTest : public QObject {
    Q_OBJECT

private slots:
    void propertyTextsAreOneTrimmedLine() {
        QCOMPARE(pdfPropertyText("  Huta „Łódź” S.A.\r\n\r\n  ul. Źródlana 5 \n"),
                 std::string("Huta „Łódź” S.A., ul. Źródlana 5"));
        QCOMPARE(pdfPropertyText(" \t \r\n "), std::string());
        QCOMPARE(pdfPropertyText("a\tb\x01"
                                 "c"),
                 std::string("a b c"));
        QCOMPARE(pdfPropertyText("z\xFFz"), std::string("z\xEF\xBF\xBDz"));
        QCOMPARE(pdfPropertyText("\xF0\x9F\x99\x82"), std::string("\xF0\x9F\x99\x82"));
        const PdfDocumentInfo n =
            normalizedPdfInfo({" Tytuł ", "  ", "Huta\nul. Długa", " Tarnik", "Qt ", kCreated});
        QCOMPARE(n.title, std::string("Tytuł"));
        QCOMPARE(n.author, std::string());
        QCOMPARE(n.subject, std::string("Huta, ul. Długa"));
        QCOMPARE(n.creator, std::string("Tarnik"));
        QCOMPARE(n.producer, std::string("Qt"));
    }

    void datesAreTheSameInstantInBothForms() {
        QCOMPARE(pdfDate(kCreated), std::string("D:20240131123456+00'00'"));
        QCOMPARE(xmpDate(kCreated), std::string("2024-01-31T12:34:56+00:00"));
        // The last second of a day and the first of the next, a leap day.
        const auto leap = sys_days{2024y / 2 / 29} + 23h + 59min + 59s;
        QCOMPARE(pdfDate(leap), std::string("D:20240229235959+00'00'"));
        QCOMPARE(xmpDate(leap + 1s), std::string("2024-03-01T00:00:00+00:00"));
    }

    void xmpIsWellFormedWithEveryProperty() {
        const PdfDocumentInfo info = sampleInfo();
        const std::string packet = pdfaXmpPacket(info);
        const Xmp xmp = readXmp(QByteArray::fromStdString(packet));
        QVERIFY2(xmp.error.isEmpty(), qPrintable(xmp.error));
        QCOMPARE(xmp.values.value(QStringLiteral("dc:title")), QString::fromStdString(info.title));
        QCOMPARE(xmp.values.value(QStringLiteral("dc:creator")),
                 QString::fromStdString(info.author));
        QCOMPARE(xmp.values.value(QStringLiteral("dc:description")),
                 QString::fromStdString(info.subject));
        QCOMPARE(xmp.values.value(QStringLiteral("xmp:CreatorTool")), QStringLiteral("Tarnik"));
        QCOMPARE(xmp.values.value(QStringLiteral("pdf:Producer")), QStringLiteral("Qt 6"));
        QCOMPARE(xmp.values.value(QStringLiteral("xmp:CreateDate")),
                 QStringLiteral("2024-01-31T12:34:56+00:00"));
        QCOMPARE(xmp.values.value(QStringLiteral("pdfaid:part")), QStringLiteral("1"));
        QCOMPARE(xmp.values.value(QStringLiteral("pdfaid:conformance")), QStringLiteral("B"));

        // A blank text leaves its property out, in the packet and in the dictionary.
        PdfDocumentInfo blank = info;
        blank.author.clear();
        blank.subject.clear();
        const Xmp without = readXmp(QByteArray::fromStdString(pdfaXmpPacket(blank)));
        QVERIFY(without.error.isEmpty());
        QVERIFY(!without.values.contains(QStringLiteral("dc:creator")));
        QVERIFY(!without.values.contains(QStringLiteral("dc:description")));
        QVERIFY(without.values.contains(QStringLiteral("dc:title")));
        const QString dict = QString::fromStdString(pdfInfoDictionary(blank));
        QVERIFY(!dict.contains(QStringLiteral("/Author")));
        QVERIFY(!dict.contains(QStringLiteral("/Subject")));
    }

    void infoDictionaryHoldsTheSameTexts() {
        const PdfDocumentInfo info = sampleInfo();
        const QString dict = QString::fromStdString(pdfInfoDictionary(info));
        QVERIFY2(
            dict.contains(QStringLiteral("/Title ") + hexUtf16(QString::fromStdString(info.title))),
            qPrintable(dict));
        QVERIFY(dict.contains(QStringLiteral("/Author ") + hexUtf16(QStringLiteral("Służba BHP"))));
        QVERIFY(dict.contains(QStringLiteral("/Subject ") + hexUtf16(QStringLiteral("Huta Łódź"))));
        QVERIFY(dict.contains(QStringLiteral("/Creator ") + hexUtf16(QStringLiteral("Tarnik"))));
        QVERIFY(dict.contains(QStringLiteral("/Producer ") + hexUtf16(QStringLiteral("Qt 6"))));
        QVERIFY(dict.contains(QStringLiteral("/CreationDate (D:20240131123456+00'00')")));
        // A character beyond the basic plane as its surrogate pair.
        PdfDocumentInfo smile = info;
        smile.title = "\xF0\x9F\x99\x82";
        QVERIFY(QString::fromStdString(pdfInfoDictionary(smile))
                    .contains(QStringLiteral("/Title <FEFFD83DDE42>")));
    }

    void appendsAnUpdateThatReplacesTheInfo() {
        const std::string original = qtPdf();
        QVERIFY(original.size() > 100);
        std::string pdf = original;
        appendInfoUpdate(pdf, sampleInfo());
        QCOMPARE(pdf.substr(0, original.size()), original); // Qt's bytes stay as they were
        const std::string update = pdf.substr(original.size());
        const std::size_t previous = original.rfind("startxref");
        const std::string previousOffset = QString::fromStdString(original.substr(previous + 9))
                                               .section(QLatin1Char('\n'), 1, 1)
                                               .trimmed()
                                               .toStdString();
        QVERIFY2(update.find("/Prev " + previousOffset + "\n") != std::string::npos,
                 update.c_str());
        QVERIFY(update.ends_with("%%EOF\n"));

        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("a.pdf"));
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(pdf.data(), qint64(pdf.size()));
        f.close();
        const testing::ToolRun check = testing::runTool(QStringLiteral("qpdf"), {"--check", file});
        QVERIFY2(check.available && check.finished, qPrintable(check.error));
        QVERIFY2(check.exitCode == 0, qPrintable(check.out + check.err));
        const testing::ToolRun info =
            testing::runTool(QStringLiteral("pdfinfo"), {"-enc", "UTF-8", file});
        QVERIFY2(info.available && info.finished && info.exitCode == 0,
                 qPrintable(info.error + info.err));
        QVERIFY2(info.out.contains(QStringLiteral("Author:          Służba BHP\n")),
                 qPrintable(info.out));
        QVERIFY(info.out.contains(QStringLiteral("Subject:         Huta Łódź\n")));
    }

    void refusesBytesOfAnotherShape() {
        const std::string good = qtPdf();
        const auto replaced = [&](const std::string& what, const std::string& with) {
            std::string s = good;
            const std::size_t at = s.rfind(what);
            if (at == std::string::npos) return std::string();
            return s.replace(at, what.size(), with);
        };
        const std::size_t startxref = good.rfind("startxref");
        const std::string wrongOffset = good.substr(0, startxref) + "startxref\n12\n%%EOF\n";
        for (const std::string& bad :
             {std::string(), std::string("%PDF-1.4\nhello\n"), good.substr(0, good.size() - 7),
              good + "trailing words\n", replaced("/Info", "/Inf0"), replaced("/ID", "/Id"),
              replaced("/Root", "/Rot"), replaced("/Size", "/Sizes"), wrongOffset,
              replaced("%PDF-", "%XYZ-")}) {
            QVERIFY(bad != good);
            std::string pdf = bad;
            QVERIFY_THROWS_EXCEPTION(std::runtime_error, appendInfoUpdate(pdf, sampleInfo()));
            QCOMPARE(pdf, bad);
        }
    }
};

QTEST_MAIN(PdfArchiveTest)
#include "test_pdfarchive.moc"
