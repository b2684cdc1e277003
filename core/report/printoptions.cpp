// Loading, storing and setting the print options.
#include "core/report/printoptions.h"

#include <algorithm>

namespace tarnik {

namespace {

bool readCheck(const SettingsStore& store, const char* name) {
    // Only the exact text "NIE" turns an option off; anything else, a missing value included,
    // turns it on.
    return store.readString(name).value_or(std::string()) != "NIE";
}

void writeCheck(SettingsStore& store, const char* name, bool checked) {
    // An unavailable store skips the write silently; the option holds for this run.
    store.writeString(name, checked ? "TAK" : "NIE");
}

} // namespace

int PrintOptions::clampSpacing(int value) {
    return std::clamp(value, kSpacingMin, kSpacingMax);
}

void PrintOptions::WczytajOpcjeZRejestru(const SettingsStore& store) {
    if (!store.available()) return;
    showProgress_ = readCheck(store, kPokazPrzebiegDrukowania);
    standardPrintDialog_ = readCheck(store, kStandardoweOkienkoDrukowania);
    legalBasis_ = readCheck(store, kDrukujPodstawe);
    registerForm_ = readCheck(store, kDrukujRejestr);
    polishLetters_ = readCheck(store, kPolskieLiterki);
    if (const std::optional<int> spacing = store.readInt(kOdstepPodpis))
        spacing_ = clampSpacing(*spacing);
    printPolishLetters_ = polishLetters_;
}

void PrintOptions::ZapiszOpcjeDoRejestru(SettingsStore& store) const {
    if (!store.available()) return;
    writeCheck(store, kPokazPrzebiegDrukowania, showProgress_);
    writeCheck(store, kStandardoweOkienkoDrukowania, standardPrintDialog_);
    writeCheck(store, kDrukujPodstawe, legalBasis_);
    writeCheck(store, kDrukujRejestr, registerForm_);
    writeCheck(store, kPolskieLiterki, polishLetters_);
    store.writeInt(kOdstepPodpis, spacing_);
}

void PrintOptions::setShowProgress(bool on, SettingsStore& store) {
    showProgress_ = on;
    if (store.available()) writeCheck(store, kPokazPrzebiegDrukowania, on);
}

void PrintOptions::setStandardPrintDialog(bool on, SettingsStore& store) {
    standardPrintDialog_ = on;
    if (store.available()) writeCheck(store, kStandardoweOkienkoDrukowania, on);
}

void PrintOptions::setLegalBasis(bool on, SettingsStore& store) {
    legalBasis_ = on;
    if (store.available()) writeCheck(store, kDrukujPodstawe, on);
}

void PrintOptions::setRegisterForm(bool on, SettingsStore& store) {
    registerForm_ = on;
    ZapiszOpcjeDoRejestru(store);
}

void PrintOptions::setSpacing(int value, SettingsStore& store) {
    spacing_ = clampSpacing(value);
    ZapiszOpcjeDoRejestru(store);
}

void PrintOptions::setPolishLetters(bool on, SettingsStore& store) {
    polishLetters_ = on;
    printPolishLetters_ = on;
    ZapiszOpcjeDoRejestru(store);
}

void PrintOptions::setFontFace(const std::string& face) {
    if (!face.empty()) fontFace_ = face;
}

} // namespace tarnik
