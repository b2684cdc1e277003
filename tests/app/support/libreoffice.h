#pragma once
// Office documents opened by LibreOffice headless (libreoffice-writer-nogui and -calc-nogui) and
// converted, for the tests of the exported DOCX, ODT and XLSX files.
#include <QString>
#include <QStringList>

namespace tarnik::testing {

struct OfficeConversion {
    bool ok = false; // every input was converted; `error` says why not
    QString error;
    QStringList outputs; // the converted files, in the order of the inputs
};

// Converts each input into `format` ("pdf", "fods", "csv", ...), written to `outDir` under the
// input's base name. One LibreOffice run converts them all, with a profile of its own that lasts
// as long as the test program (so that tests run side by side do not share one). A file that
// LibreOffice cannot load gives no output and fails the conversion.
OfficeConversion convertWithLibreOffice(const QStringList& inputs, const QString& format,
                                        const QString& outDir, int timeoutMs = 180000);

} // namespace tarnik::testing
