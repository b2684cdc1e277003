// The report of a large assessment (1,000 workers, 300 ticked factors, 200 answered questions,
// 200 plan rows) written by `tarnik --pdf`, against the floor of drawing the same texts, boxes
// and charts straight with QPainter into a PDF (no layout model: every text drawn once by the
// painter at the place the report put it). Target: within 2× the floor. An ordinary assessment
// (20 workers, 15 factors, 53 questions) must take under one second.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>
#include <string>
#include <vector>

#include "app/platform/pathutil.h"
#include "app/print/fontfallback.h"
#include "app/print/reportprinting.h"
#include "app/widgets/chartpainter.h"
#include "core/base/settings.h"
#include "core/evaluation/recompute.h"
#include "core/model/trkfile.h"
#include "tests/support/fixtures.h"

using namespace tarnik;

namespace {

// What the report drew, in order, to be drawn again without the layout model.
struct DrawOp {
    enum Kind { Text, Box, Chart, Sheet } kind = Text;
    FontSpec font;
    Rect rect;
    unsigned format = 0;
    QString text;
    PenState pen;
    ChartData chart;
};

class RecordingCanvas : public PdfWriterCanvas {
public:
    using PdfWriterCanvas::PdfWriterCanvas;
    int drawText(std::string_view text, Rect& r, unsigned format) override {
        if (!(format & kTextCalcRect))
            ops.push_back({DrawOp::Text,
                           font(),
                           r,
                           format,
                           QString::fromUtf8(text.data(), qsizetype(text.size())),
                           {},
                           {}});
        return PdfWriterCanvas::drawText(text, r, format);
    }
    void rectangle(const Rect& r) override {
        ops.push_back({DrawOp::Box, {}, r, 0, {}, pen(), {}});
        PdfWriterCanvas::rectangle(r);
    }
    bool drawChart(const ChartData& c, const Rect& r) override {
        ops.push_back({DrawOp::Chart, {}, r, 0, {}, {}, c});
        return PdfWriterCanvas::drawChart(c, r);
    }
    bool newSheet() override {
        ops.push_back({DrawOp::Sheet, {}, {}, 0, {}, {}, {}});
        return PdfWriterCanvas::newSheet();
    }
    std::vector<DrawOp> ops;
};

void setUp(QPdfWriter& writer) {
    writer.setResolution(600);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
}

std::vector<DrawOp> recordReport(Assessment& a, const QString& path) {
    Evaluation e;
    e.afterDocumentLoaded(a);
    recomputeEvaluation(a, e);
    MemorySettingsStore store;
    PrintOptions options;
    options.WczytajOpcjeZRejestru(store);
    QPdfWriter writer(path);
    setUp(writer);
    RecordingCanvas canvas(writer);
    BuildReport(canvas, ReportInput(a, e, options));
    return std::move(canvas.ops);
}

// The floor: every recorded text, box and chart drawn straight by QPainter.
void drawStraight(const std::vector<DrawOp>& ops, const QString& path) {
    QPdfWriter writer(path);
    setUp(writer);
    QPainter p(&writer);
    QPen pen(Qt::black);
    pen.setWidth(3);
    for (const DrawOp& op : ops) {
        const QRect r(op.rect.left, op.rect.top, op.rect.width(), op.rect.height());
        switch (op.kind) {
        case DrawOp::Sheet:
            writer.newPage();
            break;
        case DrawOp::Box:
            p.setPen(pen);
            p.setBrush(Qt::NoBrush);
            p.drawRect(r);
            break;
        case DrawOp::Chart:
            paintChart(p, QRectF(r), op.chart);
            break;
        case DrawOp::Text: {
            p.setFont(qtFont(op.font));
            p.setPen(QColor(op.font.colour.r, op.font.colour.g, op.font.colour.b));
            int flags = (op.format & kTextWordBreak) ? int(Qt::TextWordWrap) : 0;
            flags |= (op.format & kTextCenter)  ? int(Qt::AlignHCenter)
                     : (op.format & kTextRight) ? int(Qt::AlignRight)
                                                : int(Qt::AlignLeft);
            QString text = op.text;
            text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
            p.drawText(r, flags, text);
            break;
        }
        }
    }
    p.end();
}

// The best of three runs of tarnik --pdf on the file.
double timeProgram(const QString& trk, const QString& out, const QString& config,
                   const QString& option = QStringLiteral("--pdf")) {
    double best = 1e300;
    for (int round = 0; round < 3; ++round) {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), config);
        process.setProcessEnvironment(env);
        QElapsedTimer t;
        t.start();
        process.start(QStringLiteral(TARNIK_EXECUTABLE), {option, out, trk});
        if (!process.waitForFinished(600000) || process.exitCode() != 0) {
            std::fprintf(stderr, "tarnik %s failed: %s\n", qPrintable(option),
                         process.readAllStandardError().constData());
            return -1;
        }
        best = std::min(best, static_cast<double>(t.nsecsElapsed()) / 1e9);
    }
    return best;
}

double timeFloor(const std::vector<DrawOp>& ops, const QString& pdf) {
    double best = 1e300;
    for (int round = 0; round < 3; ++round) {
        QElapsedTimer t;
        t.start();
        drawStraight(ops, pdf);
        best = std::min(best, static_cast<double>(t.nsecsElapsed()) / 1e9);
    }
    return best;
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // With --keep FOLDER the assessments and their reports are left there to look at.
    QTemporaryDir temporary;
    const QStringList args = QCoreApplication::arguments();
    const qsizetype keep = args.indexOf(QStringLiteral("--keep"));
    const QDir dir(keep > 0 && keep + 1 < args.size() ? args[keep + 1] : temporary.path());
    const QString config = dir.filePath(QStringLiteral("config")); // the default print options

    const fixtures::LargeReportSize sizes[] = {{1000, 300, 200, 200}, {20, 15, 53, 3}};
    for (const fixtures::LargeReportSize& size : sizes) {
        const bool large = &size == &sizes[0];
        Assessment a = fixtures::largeReportAssessment(size);
        const QString name = large ? QStringLiteral("duza") : QStringLiteral("zwykla");
        const QString trk = dir.filePath(name + QStringLiteral(".trk"));
        saveTrkFile(a, toPath(trk));
        const std::vector<DrawOp> ops = recordReport(a, dir.filePath(QStringLiteral("rec.pdf")));
        int sheets = 1;
        for (const DrawOp& op : ops)
            sheets += op.kind == DrawOp::Sheet ? 1 : 0;

        const QString pdf = dir.filePath(name + QStringLiteral(".pdf"));
        const double program = timeProgram(trk, pdf, config);
        if (program < 0) return 1;
        std::printf("Report of %d workers, %d factors, %d questions, %d plan rows: %d pages\n",
                    size.workers, size.factors, size.questions, size.planRows, sheets);
        std::printf("  tarnik --pdf         : %7.3f s  (%lld kB)\n", program,
                    QFileInfo(pdf).size() / 1024);
        if (large) {
            // The editable documents: the same report laid out, written as DOCX and ODT.
            for (const char* type : {"docx", "odt"}) {
                const QString option = QStringLiteral("--") + QLatin1String(type);
                const QString document =
                    dir.filePath(name + QLatin1Char('.') + QLatin1String(type));
                const double seconds = timeProgram(trk, document, config, option);
                if (seconds < 0) return 1;
                const double ratio = seconds / program;
                std::printf(
                    "  tarnik --%-4s        : %7.3f s  (%lld kB) = %.2f x --pdf  (target: at "
                    "most 2.00) %s\n",
                    type, seconds, QFileInfo(document).size() / 1024, ratio,
                    ratio <= 2.0 ? "met" : "NOT MET");
            }
            const double floor = timeFloor(ops, dir.filePath(QStringLiteral("floor.pdf")));
            const double ratio = program / floor;
            std::printf("  bare QPainter drawing: %7.3f s\n", floor);
            std::printf("  ratio                : %7.2f  (target: at most 2.00) %s\n", ratio,
                        ratio <= 2.0 ? "met" : "NOT MET");
        } else {
            std::printf("  target: under 1 s      %s\n", program < 1.0 ? "met" : "NOT MET");
        }
    }
    return 0;
}
