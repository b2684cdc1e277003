#include "app/cli/commandline.h"

#include <QCoreApplication>
#include <QDate>
#include <QGuiApplication>
#include <memory>

#include "app/platform/pathutil.h"
#include "app/platform/qtsettingsstore.h"
#include "app/print/pdfcommand.h"
#include "app/register/registerindex.h"
#include "core/base/errors.h"
#include "core/evaluation/summary.h"
#include "core/model/convert.h"
#include "core/reassessment/comparison.h"
#include "core/register/registerexport.h"
#include "core/version.h"

namespace tarnik {

namespace {

const QString kPdfUsage =
    QStringLiteral("Użycie: tarnik --pdf WYJŚCIE.pdf [--pages OD-DO] PLIK.trk");

// "FROM-TO", two page numbers of 1 or more.
bool parsePageRange(const QString& text, PrintRange& range) {
    const QStringList parts = text.split(QLatin1Char('-'));
    if (parts.size() != 2) return false;
    bool okFrom = false;
    bool okTo = false;
    const int from = parts[0].trimmed().toInt(&okFrom);
    const int to = parts[1].trimmed().toInt(&okTo);
    if (!okFrom || !okTo || from < 1 || to < 1) return false;
    range = PrintRange::pages(from, to);
    return true;
}

void parsePdf(const QStringList& args, CommandLine& cl) {
    // --pdf OUT [--pages FROM-TO] FILE, the range also after FILE.
    QStringList rest = args.mid(1);
    const qsizetype pages = rest.indexOf(QStringLiteral("--pages"));
    if (pages >= 0) {
        if (pages + 1 >= rest.size() || !parsePageRange(rest[pages + 1], cl.pdfRange)) {
            cl.mode = CommandLine::Mode::Error;
            cl.error = pages + 1 < rest.size()
                           ? QStringLiteral("Nieprawidłowy zakres stron: %1 (podaj OD-DO, "
                                            "np. 2-5)")
                                 .arg(rest[pages + 1])
                           : kPdfUsage;
            return;
        }
        rest.remove(pages, 2);
    }
    if (rest.size() != 2 || rest[0].startsWith(QLatin1String("--")) ||
        rest[1].startsWith(QLatin1String("--"))) {
        cl.mode = CommandLine::Mode::Error;
        cl.error = kPdfUsage;
        return;
    }
    cl.mode = CommandLine::Mode::Pdf;
    cl.pdfOut = rest[0];
    cl.pdfIn = rest[1];
}

const QString kRegisterUsage =
    QStringLiteral("Użycie: tarnik --register FOLDER [--today RRRR-MM-DD]");

void parseRegister(const QStringList& args, CommandLine& cl) {
    // --register FOLDER [--today YYYY-MM-DD], the date also before FOLDER.
    QStringList rest = args.mid(1);
    const qsizetype today = rest.indexOf(QStringLiteral("--today"));
    if (today >= 0) {
        const QDate date = today + 1 < rest.size()
                               ? QDate::fromString(rest[today + 1], QStringLiteral("yyyy-MM-dd"))
                               : QDate();
        if (!date.isValid()) {
            cl.mode = CommandLine::Mode::Error;
            cl.error = today + 1 < rest.size()
                           ? QStringLiteral("Nieprawidłowa data: %1 (podaj RRRR-MM-DD, "
                                            "np. 2024-03-15)")
                                 .arg(rest[today + 1])
                           : kRegisterUsage;
            return;
        }
        cl.registerToday = dayNumberFromCivil(date.year(), date.month(), date.day());
        rest.remove(today, 2);
    }
    if (rest.size() != 1 || rest[0].startsWith(QLatin1String("--"))) {
        cl.mode = CommandLine::Mode::Error;
        cl.error = kRegisterUsage;
        return;
    }
    cl.mode = CommandLine::Mode::Register;
    cl.registerFolder = rest[0];
}

// The toolkit's own notes (a missing runtime folder, a font it substitutes) are not the
// command's messages: standard error holds one line, and only on failure.
void dropToolkitNotes(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtFatalMsg) std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
}

int runPdf(const CommandLine& cl, std::FILE* err) {
    // Fonts and the PDF writer need the toolkit; no window is ever shown.
    std::unique_ptr<QGuiApplication> app;
    if (!QCoreApplication::instance()) {
        qInstallMessageHandler(dropToolkitNotes);
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "tarnik";
        static char* argv[] = {name, nullptr};
        app = std::make_unique<QGuiApplication>(argc, argv);
    }
    QtSettingsStore store;
    const PdfCommandResult r = exportAssessmentPdf(cl.pdfIn, cl.pdfOut, cl.pdfRange, store);
    if (r.exitCode != 0)
        std::fprintf(err, "%s\n", QString::fromStdString(r.message).toLocal8Bit().constData());
    return r.exitCode;
}

// The rows of every assessment of the folder as JSON, through the register's index in the user's
// cache folder, which the register window shares.
int runRegister(const CommandLine& cl, std::FILE* out, std::FILE* err) {
    // The database driver is a plug-in, which the toolkit loads for an application object only.
    std::unique_ptr<QCoreApplication> app;
    if (!QCoreApplication::instance()) {
        qInstallMessageHandler(dropToolkitNotes);
        static int argc = 1;
        static char name[] = "tarnik";
        static char* argv[] = {name, nullptr};
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    const DayNumber today = cl.registerToday ? *cl.registerToday : todayDayNumber();
    std::string json;
    try {
        RegisterIndex index(defaultRegisterIndexFile());
        const auto rows = index.scan(cl.registerFolder);
        json = registerJson(rows ? *rows : std::vector<RegisterRow>{}, today);
    } catch (const std::exception& e) {
        std::fprintf(err, "%s\n", QString::fromUtf8(e.what()).toLocal8Bit().constData());
        return 1;
    }
    // JSON is UTF-8 whatever the console's code page.
    if (std::fwrite(json.data(), 1, json.size(), out) != json.size() || std::fflush(out) != 0) {
        std::fprintf(err, "%s\n", "Nie można zapisać wyniku na standardowe wyjście.");
        return 1;
    }
    return 0;
}

// The JSON of a command on standard output, or its failure on standard error.
int writeJson(int exitCode, const std::string& message, const std::string& json, std::FILE* out,
              std::FILE* err) {
    if (exitCode != 0) {
        std::fprintf(err, "%s\n", QString::fromStdString(message).toLocal8Bit().constData());
        return exitCode;
    }
    // JSON is UTF-8 whatever the console's code page.
    if (std::fwrite(json.data(), 1, json.size(), out) != json.size() || std::fflush(out) != 0) {
        std::fprintf(err, "%s\n", "Nie można zapisać wyniku na standardowe wyjście.");
        return 1;
    }
    return 0;
}

} // namespace

CommandLine parseCommandLine(const QStringList& args) {
    CommandLine cl;
    if (args.isEmpty()) return cl;
    const QString& first = args.first();
    if (first == QLatin1String("--help") || first == QLatin1String("-h")) {
        cl.mode = CommandLine::Mode::Help;
    } else if (first == QLatin1String("--convert")) {
        if (args.size() != 3) {
            cl.mode = CommandLine::Mode::Error;
            cl.error = QStringLiteral("Użycie: tarnik --convert WYJŚCIE.trk WEJŚCIE.trk");
        } else {
            cl.mode = CommandLine::Mode::Convert;
            cl.convertOut = args[1];
            cl.convertIn = args[2];
        }
    } else if (first == QLatin1String("--summary")) {
        if (args.size() != 2) {
            cl.mode = CommandLine::Mode::Error;
            cl.error = QStringLiteral("Użycie: tarnik --summary PLIK.trk");
        } else {
            cl.mode = CommandLine::Mode::Summary;
            cl.summaryIn = args[1];
        }
    } else if (first == QLatin1String("--pdf")) {
        parsePdf(args, cl);
    } else if (first == QLatin1String("--register")) {
        parseRegister(args, cl);
    } else if (first == QLatin1String("--compare")) {
        if (args.size() != 3 || args[1].startsWith(QLatin1String("--")) ||
            args[2].startsWith(QLatin1String("--"))) {
            cl.mode = CommandLine::Mode::Error;
            cl.error = QStringLiteral("Użycie: tarnik --compare POPRZEDNIA.trk NOWA.trk");
        } else {
            cl.mode = CommandLine::Mode::Compare;
            cl.compareOld = args[1];
            cl.compareNew = args[2];
        }
    } else if (first.startsWith(QLatin1String("--"))) {
        cl.mode = CommandLine::Mode::Error;
        cl.error = QStringLiteral("Nieznana opcja: %1 (tarnik --help wyświetla opcje)").arg(first);
    } else {
        // The file association passes a double-clicked assessment as the first argument.
        cl.fileToOpen = first;
    }
    return cl;
}

QString helpText() {
    const QString text = QStringLiteral(
        "Tarnik %1 - ocena ryzyka zawodowego na stanowisku pracy\n"
        "\n"
        "Użycie:\n"
        "  tarnik [PLIK.trk]                        uruchamia program i otwiera podaną ocenę\n"
        "  tarnik --convert WYJŚCIE.trk WEJŚCIE.trk zapisuje ocenę z pliku WEJŚCIE (dowolnej\n"
        "                                           wersji) w bieżącym formacie jako WYJŚCIE\n"
        "  tarnik --summary PLIK.trk                wypisuje wskaźniki, poziom ryzyka i zalecenia\n"
        "                                           oceny z pliku PLIK w formacie JSON (UTF-8)\n"
        "  tarnik --pdf WYJŚCIE.pdf [--pages OD-DO] PLIK.trk\n"
        "                                           zapisuje wydruk oceny z pliku PLIK (wszystkie\n"
        "                                           strony albo strony od OD do DO) w pliku PDF\n"
        "  tarnik --register FOLDER [--today RRRR-MM-DD]\n"
        "                                           wypisuje rejestr ocen: wiersz każdego pliku\n"
        "                                           .trk z folderu FOLDER i jego podfolderów\n"
        "                                           w formacie JSON (UTF-8), zaległości liczone\n"
        "                                           na dzień dzisiejszy albo na dzień --today\n"
        "  tarnik --compare POPRZEDNIA.trk NOWA.trk wypisuje różnice między dwiema ocenami\n"
        "                                           w formacie JSON (UTF-8): listy general (dane\n"
        "                                           ogólne), workers (pracownicy), factors\n"
        "                                           (czynniki), figures (wskaźniki, poziom\n"
        "                                           ryzyka, termin następnej oceny) i plan (plan\n"
        "                                           poprawy), każda z pozycji {field albo name,\n"
        "                                           old, new}\n"
        "  tarnik --help                            wyświetla ten opis\n"
        "\n"
        "Polecenia --convert, --summary, --pdf, --register i --compare działają bez okna. Kod\n"
        "wyjścia 0 oznacza powodzenie, 1 błąd (opisany jednym wierszem na standardowym wyjściu\n"
        "błędów).\n"
        "--pdf drukuje z opcjami wydruku zapisanymi w ustawieniach programu. --register\n"
        "korzysta z tego samego indeksu w folderze podręcznym użytkownika co okno rejestru:\n"
        "czyta tylko pliki nowe i zmienione od poprzedniego przeglądu.\n");
    return text.arg(QLatin1String(kProgramVersion));
}

int runWithoutWindow(const CommandLine& cl, std::FILE* out, std::FILE* err) {
    switch (cl.mode) {
    case CommandLine::Mode::Help:
        std::fputs(helpText().toLocal8Bit().constData(), out);
        return 0;
    case CommandLine::Mode::Error:
        std::fprintf(err, "%s\n", cl.error.toLocal8Bit().constData());
        return 1;
    case CommandLine::Mode::Convert: {
        const ConvertResult r = convertTrkFile(toPath(cl.convertIn), toPath(cl.convertOut));
        if (r.exitCode != 0)
            std::fprintf(err, "%s\n", QString::fromStdString(r.message).toLocal8Bit().constData());
        return r.exitCode;
    }
    case CommandLine::Mode::Summary: {
        const SummaryResult r = summarizeTrkFile(toPath(cl.summaryIn));
        return writeJson(r.exitCode, r.message, r.json, out, err);
    }
    case CommandLine::Mode::Compare: {
        const ComparisonFilesResult r =
            compareTrkFiles(toPath(cl.compareOld), toPath(cl.compareNew));
        return writeJson(r.exitCode, r.message, r.json, out, err);
    }
    case CommandLine::Mode::Pdf:
        return runPdf(cl, err);
    case CommandLine::Mode::Register:
        return runRegister(cl, out, err);
    case CommandLine::Mode::Window:
        break;
    }
    return 0;
}

} // namespace tarnik
