#include "commandline.h"

#include "evaluation/summary.h"
#include "model/convert.h"
#include "pathutil.h"

namespace tarnik {

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
    return QStringLiteral(
        "Tarnik 2.18 - ocena ryzyka zawodowego na stanowisku pracy\n"
        "\n"
        "Użycie:\n"
        "  tarnik [PLIK.trk]                        uruchamia program i otwiera podaną ocenę\n"
        "  tarnik --convert WYJŚCIE.trk WEJŚCIE.trk zapisuje ocenę z pliku WEJŚCIE (dowolnej\n"
        "                                           wersji) w bieżącym formacie jako WYJŚCIE\n"
        "  tarnik --summary PLIK.trk                wypisuje wskaźniki, poziom ryzyka i zalecenia\n"
        "                                           oceny z pliku PLIK w formacie JSON (UTF-8)\n"
        "  tarnik --help                            wyświetla ten opis\n"
        "\n"
        "Polecenia --convert i --summary działają bez okna. Kod wyjścia 0 oznacza powodzenie,\n"
        "1 błąd (opisany jednym wierszem na standardowym wyjściu błędów).\n");
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
        if (r.exitCode != 0) {
            std::fprintf(err, "%s\n", QString::fromStdString(r.message).toLocal8Bit().constData());
            return r.exitCode;
        }
        // JSON is UTF-8 whatever the console's code page.
        if (std::fwrite(r.json.data(), 1, r.json.size(), out) != r.json.size() ||
            std::fflush(out) != 0) {
            std::fprintf(err, "%s\n", "Nie można zapisać wyniku na standardowe wyjście.");
            return 1;
        }
        return 0;
    }
    case CommandLine::Mode::Window:
        break;
    }
    return 0;
}

} // namespace tarnik
