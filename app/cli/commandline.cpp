#include "app/cli/commandline.h"

#include <QCoreApplication>
#include <QDate>
#include <QGuiApplication>
#include <functional>
#include <memory>
#ifdef Q_OS_WIN
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#endif

#include "app/export/documentexport.h"
#include "app/export/planexport.h"
#include "app/platform/pathutil.h"
#include "app/platform/qtsettingsstore.h"
#include "app/print/pdfcommand.h"
#include "app/register/registerindex.h"
#include "core/base/errors.h"
#include "core/evaluation/summary.h"
#include "core/model/convert.h"
#include "core/reassessment/comparison.h"
#include "core/reassessment/nextassessment.h"
#include "core/register/registerexport.h"
#include "core/version.h"

namespace tarnik {

namespace {

// Text for the user on standard output or error: on a Windows console in its own characters
// (the console's code page is not the system's), otherwise in the system's 8-bit code page.
void writeText(std::FILE* stream, const QString& text) {
#ifdef Q_OS_WIN
    const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stream)));
    DWORD mode = 0;
    if (handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode)) {
        std::fflush(stream);
        const std::wstring wide = text.toStdWString();
        DWORD written = 0;
        WriteConsoleW(handle, wide.data(), DWORD(wide.size()), &written, nullptr);
        return;
    }
#endif
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

void writeLine(std::FILE* stream, const QString& text) {
    writeText(stream, text + QLatin1Char('\n'));
}

void writeLine(std::FILE* stream, const std::string& utf8) {
    writeLine(stream, QString::fromStdString(utf8));
}

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

// The arguments of one command: options with a value ("--today 2024-03-15") may stand anywhere
// among the command's own arguments, which are what remains after the options are taken.
class CommandArguments {
public:
    CommandArguments(const QStringList& args, CommandLine& cl, QString usage)
        : rest_(args.mid(1)), cl_(cl), usage_(std::move(usage)) {}

    // Takes "NAME VALUE" out; the value is checked by `accept`, and `invalid` (with %1 for the
    // value) is the message of a value it refuses. False after an error.
    bool take(const QString& name, const std::function<bool(const QString&)>& accept,
              const QString& invalid) {
        const qsizetype at = rest_.indexOf(name);
        if (at < 0) return true;
        if (at + 1 >= rest_.size()) return fail(usage_);
        if (!accept(rest_[at + 1])) return fail(invalid.arg(rest_[at + 1]));
        rest_.remove(at, 2);
        return true;
    }
    // "--today RRRR-MM-DD" into `day`.
    bool takeToday(std::optional<DayNumber>& day) {
        return take(
            QStringLiteral("--today"),
            [&day](const QString& text) {
                const QDate date = QDate::fromString(text, QStringLiteral("yyyy-MM-dd"));
                if (date.isValid()) day = dayNumberFromCivil(date.year(), date.month(), date.day());
                return date.isValid();
            },
            QStringLiteral("Nieprawidłowa data: %1 (podaj RRRR-MM-DD, np. 2024-03-15)"));
    }
    // The remaining arguments, exactly `count` and none an option; else the usage is the error.
    bool positional(qsizetype count) {
        if (rest_.size() != count) return fail(usage_);
        for (const QString& a : rest_)
            if (a.startsWith(QLatin1String("--"))) return fail(usage_);
        return true;
    }
    const QString& operator[](qsizetype i) const { return rest_[i]; }

private:
    bool fail(const QString& message) {
        cl_.mode = CommandLine::Mode::Error;
        cl_.error = message;
        return false;
    }

    QStringList rest_;
    CommandLine& cl_;
    QString usage_;
};

void parsePdf(const QStringList& args, CommandLine& cl) {
    // --pdf OUT [--pages FROM-TO] FILE, the range also after FILE.
    CommandArguments a(args, cl,
                       QStringLiteral("Użycie: tarnik --pdf WYJŚCIE.pdf [--pages OD-DO] PLIK.trk"));
    if (!a.take(
            QStringLiteral("--pages"),
            [&cl](const QString& text) { return parsePageRange(text, cl.pdfRange); },
            QStringLiteral("Nieprawidłowy zakres stron: %1 (podaj OD-DO, np. 2-5)")) ||
        !a.positional(2))
        return;
    cl.mode = CommandLine::Mode::Pdf;
    cl.pdfOut = a[0];
    cl.pdfIn = a[1];
}

void parseDocument(const QStringList& args, CommandLine& cl, OfficeFormat format) {
    const QString suffix = officeSuffix(format);
    CommandArguments a(args, cl,
                       QStringLiteral("Użycie: tarnik --%1 WYJŚCIE.%1 PLIK.trk").arg(suffix));
    if (!a.positional(2)) return;
    cl.mode = CommandLine::Mode::Document;
    cl.documentFormat = format;
    cl.documentOut = a[0];
    cl.documentIn = a[1];
}

void parseWorkbook(const QStringList& args, CommandLine& cl) {
    CommandArguments a(args, cl, QStringLiteral("Użycie: tarnik --xlsx WYJŚCIE.xlsx PLIK.trk"));
    if (!a.positional(2)) return;
    cl.mode = CommandLine::Mode::Workbook;
    cl.workbookOut = a[0];
    cl.workbookIn = a[1];
}

void parseRegister(const QStringList& args, CommandLine& cl) {
    // --register FOLDER [--today YYYY-MM-DD], the date also before FOLDER.
    CommandArguments a(args, cl,
                       QStringLiteral("Użycie: tarnik --register FOLDER [--today RRRR-MM-DD]"));
    if (!a.takeToday(cl.today) || !a.positional(1)) return;
    cl.mode = CommandLine::Mode::Register;
    cl.registerFolder = a[0];
}

void parseCompare(const QStringList& args, CommandLine& cl) {
    CommandArguments a(args, cl,
                       QStringLiteral("Użycie: tarnik --compare POPRZEDNIA.trk NOWA.trk"));
    if (!a.positional(2)) return;
    cl.mode = CommandLine::Mode::Compare;
    cl.compareOld = a[0];
    cl.compareNew = a[1];
}

void parseNext(const QStringList& args, CommandLine& cl) {
    // --next OUT PREVIOUS [--today YYYY-MM-DD] [--done 1,3]
    CommandArguments a(args, cl,
                       QStringLiteral("Użycie: tarnik --next WYJŚCIE.trk POPRZEDNIA.trk "
                                      "[--today RRRR-MM-DD] [--done 1,3]"));
    if (!a.takeToday(cl.today) ||
        !a.take(QStringLiteral("--done"),
                [&cl](const QString& text) {
                    cl.nextDone = text;
                    return true;
                },
                {}) ||
        !a.positional(2))
        return;
    cl.mode = CommandLine::Mode::Next;
    cl.nextOut = a[0];
    cl.nextIn = a[1];
}

// The toolkit's own notes (a missing runtime folder, a font it substitutes) are not the
// command's messages: standard error holds one line, and only on failure.
void dropToolkitNotes(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtFatalMsg) std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
}

// Fonts, the PDF writer and pictures need the toolkit; no window is ever shown.
std::unique_ptr<QGuiApplication> guiWithoutWindow() {
    if (QCoreApplication::instance()) return nullptr;
    qInstallMessageHandler(dropToolkitNotes);
#ifndef Q_OS_WIN
    // Without a display. On Windows the native platform needs none, and the offscreen one would
    // find no fonts there (it looks only in Qt's own font folder): every text would be boxes.
    qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
    static int argc = 1;
    static char name[] = "tarnik";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

int reportFailure(int exitCode, const std::string& message, std::FILE* err) {
    if (exitCode != 0) writeLine(err, message);
    return exitCode;
}

int runPdf(const CommandLine& cl, std::FILE* err) {
    const auto app = guiWithoutWindow();
    QtSettingsStore store;
    const PdfCommandResult r = exportAssessmentPdf(cl.pdfIn, cl.pdfOut, cl.pdfRange, store);
    return reportFailure(r.exitCode, r.message, err);
}

int runDocument(const CommandLine& cl, std::FILE* err) {
    const auto app = guiWithoutWindow();
    QtSettingsStore store;
    const DocumentCommandResult r =
        exportAssessmentDocument(cl.documentIn, cl.documentOut, cl.documentFormat, store);
    return reportFailure(r.exitCode, r.message, err);
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
    const DayNumber today = cl.today ? *cl.today : todayDayNumber();
    std::string json;
    try {
        RegisterIndex index(defaultRegisterIndexFile());
        const auto rows = index.scan(cl.registerFolder);
        json = registerJson(rows ? *rows : std::vector<RegisterRow>{}, today);
    } catch (const std::exception& e) {
        writeLine(err, std::string(e.what()));
        return 1;
    }
    // JSON is UTF-8 whatever the console's code page.
    if (std::fwrite(json.data(), 1, json.size(), out) != json.size() || std::fflush(out) != 0) {
        writeLine(err, QStringLiteral("Nie można zapisać wyniku na standardowe wyjście."));
        return 1;
    }
    return 0;
}

// The JSON of a command on standard output, or its failure on standard error.
int writeJson(int exitCode, const std::string& message, const std::string& json, std::FILE* out,
              std::FILE* err) {
    if (exitCode != 0) {
        writeLine(err, message);
        return exitCode;
    }
    // JSON is UTF-8 whatever the console's code page.
    if (std::fwrite(json.data(), 1, json.size(), out) != json.size() || std::fflush(out) != 0) {
        writeLine(err, QStringLiteral("Nie można zapisać wyniku na standardowe wyjście."));
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
    } else if (first == QLatin1String("--docx")) {
        parseDocument(args, cl, OfficeFormat::Docx);
    } else if (first == QLatin1String("--odt")) {
        parseDocument(args, cl, OfficeFormat::Odt);
    } else if (first == QLatin1String("--xlsx")) {
        parseWorkbook(args, cl);
    } else if (first == QLatin1String("--register")) {
        parseRegister(args, cl);
    } else if (first == QLatin1String("--next")) {
        parseNext(args, cl);
    } else if (first == QLatin1String("--compare")) {
        parseCompare(args, cl);
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
        "  tarnik --docx WYJŚCIE.docx PLIK.trk      zapisuje wydruk oceny z pliku PLIK jako\n"
        "                                           dokument programu Word (DOCX)\n"
        "  tarnik --odt WYJŚCIE.odt PLIK.trk        zapisuje wydruk oceny z pliku PLIK jako\n"
        "                                           dokument OpenDocument (ODT)\n"
        "  tarnik --xlsx WYJŚCIE.xlsx PLIK.trk      zapisuje plan poprawy warunków pracy\n"
        "                                           i rejestr pracowników oceny z pliku PLIK\n"
        "                                           w skoroszycie (XLSX)\n"
        "  tarnik --register FOLDER [--today RRRR-MM-DD]\n"
        "                                           wypisuje rejestr ocen: wiersz każdego pliku\n"
        "                                           .trk z folderu FOLDER i jego podfolderów\n"
        "                                           w formacie JSON (UTF-8), zaległości liczone\n"
        "                                           na dzień dzisiejszy albo na dzień --today\n"
        "  tarnik --next WYJŚCIE.trk POPRZEDNIA.trk [--today RRRR-MM-DD] [--done 1,3]\n"
        "                                           zapisuje jako WYJŚCIE następną ocenę\n"
        "                                           stanowiska na podstawie oceny POPRZEDNIA:\n"
        "                                           kolejny numer, data dzisiejsza albo --today,\n"
        "                                           --done: numery zrealizowanych zadań planu\n"
        "                                           (1, 2, ... w kolejności niepustych zadań;\n"
        "                                           bez --done żadne nie jest zrealizowane)\n"
        "  tarnik --compare POPRZEDNIA.trk NOWA.trk wypisuje różnice między dwiema ocenami\n"
        "                                           w formacie JSON (UTF-8): listy general (dane\n"
        "                                           ogólne), workers (pracownicy), factors\n"
        "                                           (czynniki), figures (wskaźniki, poziom\n"
        "                                           ryzyka, termin następnej oceny) i plan (plan\n"
        "                                           poprawy), każda z pozycji {field albo name,\n"
        "                                           old, new}\n"
        "  tarnik --help                            wyświetla ten opis\n"
        "\n"
        "Polecenia --convert, --summary, --pdf, --docx, --odt, --xlsx, --register, --next\n"
        "i --compare działają bez okna. Kod wyjścia 0 oznacza powodzenie, 1 błąd (opisany\n"
        "jednym wierszem na standardowym wyjściu błędów). --pdf, --docx i --odt drukują\n"
        "z opcjami wydruku zapisanymi w ustawieniach programu; te polecenia i --xlsx\n"
        "zapisują plik w całości albo wcale. --register korzysta z tego samego indeksu w folderze "
        "podręcznym\n"
        "użytkownika co okno rejestru: czyta tylko pliki nowe i zmienione od poprzedniego\n"
        "przeglądu. --next nigdy nie zastępuje pliku poprzedniej oceny.\n");
    return text.arg(QLatin1String(kProgramVersion));
}

int runWithoutWindow(const CommandLine& cl, std::FILE* out, std::FILE* err) {
#ifdef Q_OS_WIN
    // The same bytes as elsewhere: JSON and lines end in "\n", not "\r\n".
    _setmode(_fileno(out), _O_BINARY);
    _setmode(_fileno(err), _O_BINARY);
#endif
    switch (cl.mode) {
    case CommandLine::Mode::Help:
        writeText(out, helpText());
        return 0;
    case CommandLine::Mode::Error:
        writeLine(err, cl.error);
        return 1;
    case CommandLine::Mode::Convert: {
        const ConvertResult r = convertTrkFile(toPath(cl.convertIn), toPath(cl.convertOut));
        if (r.exitCode != 0) writeLine(err, r.message);
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
    case CommandLine::Mode::Document:
        return runDocument(cl, err);
    case CommandLine::Mode::Workbook: {
        const DocumentCommandResult r = exportAssessmentWorkbook(cl.workbookIn, cl.workbookOut);
        return reportFailure(r.exitCode, r.message, err);
    }
    case CommandLine::Mode::Register:
        return runRegister(cl, out, err);
    case CommandLine::Mode::Next: {
        const ConvertResult r = writeNextAssessmentFile(toPath(cl.nextIn), toPath(cl.nextOut),
                                                        cl.today ? *cl.today : todayDayNumber(),
                                                        cl.nextDone.toStdString());
        if (r.exitCode != 0) writeLine(err, r.message);
        return r.exitCode;
    }
    case CommandLine::Mode::Window:
        break;
    }
    return 0;
}

} // namespace tarnik
