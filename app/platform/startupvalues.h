#pragma once
// What the program writes at every start: its values in the settings store and the association
// of ".trk" files with this program (the per-user registry classes on Windows; a
// shared-mime-info type and a .desktop entry under $XDG_DATA_HOME elsewhere). A value, key or
// file that cannot be written is skipped without a message.
#include <QString>

namespace tarnik {

class SettingsStore;

inline constexpr const char* kLastUpdateValue = "20-05-2002";
inline constexpr const char* kVersionValue = "20100";
inline constexpr const char* kProducerValue =
    "Pracownia Oprogramowania BHP Tarnik, ul. Bezpieczna 12, 30-001 Kraków, tel. 12 345 67 89";
// The document type of assessment files.
inline const QString kTrkProgId = QStringLiteral("Tarnik.Ocena.2");
inline const QString kTrkMimeType = QStringLiteral("application/x-tarnik-ocena");

// "Ostatnia aktualizacja", "DefaultPath" (the program folder with its trailing separator),
// "Producent" and "Version".
void writeStartupValues(SettingsStore& store, const QString& programDir);

struct AssociationResult {
    int written = 0;      // files or keys written (or already holding the right content)
    int skipped = 0;      // those that could not be written
    bool changed = false; // something new was written
};

// The association of ".trk" files with `executable`. On systems with shared-mime-info the files
// go under `dataHome` (empty: $XDG_DATA_HOME, or ~/.local/share when it is not set); when
// `refreshCaches` is set and something changed, the desktop's caches are brought up to date in
// the background.
AssociationResult registerFileAssociation(const QString& executable, QString dataHome = {},
                                          bool refreshCaches = false);

// The folder of user data files: $XDG_DATA_HOME, or ~/.local/share.
QString userDataHome();

// A file name as a .desktop entry's Exec key wants it: in double quotes, with '"', '`', '$' and
// '\' escaped, '%' doubled.
QString desktopExecQuoted(const QString& path);

} // namespace tarnik
