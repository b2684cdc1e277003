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
    cbPostep_ = readCheck(store, kPokazPrzebiegDrukowania);
    cbStandard_ = readCheck(store, kStandardoweOkienkoDrukowania);
    cbPodstawa_ = readCheck(store, kDrukujPodstawe);
    cbRejestr_ = readCheck(store, kDrukujRejestr);
    plLetters_ = readCheck(store, kPolskieLiterki);
    if (const std::optional<int> spacing = store.readInt(kOdstepPodpis))
        spinEdit1_ = clampSpacing(*spacing);
    printPolishLetters_ = plLetters_;
}

void PrintOptions::ZapiszOpcjeDoRejestru(SettingsStore& store) const {
    if (!store.available()) return;
    writeCheck(store, kPokazPrzebiegDrukowania, cbPostep_);
    writeCheck(store, kStandardoweOkienkoDrukowania, cbStandard_);
    writeCheck(store, kDrukujPodstawe, cbPodstawa_);
    writeCheck(store, kDrukujRejestr, cbRejestr_);
    writeCheck(store, kPolskieLiterki, plLetters_);
    store.writeInt(kOdstepPodpis, spinEdit1_);
}

void PrintOptions::cbPostepClick(bool checked, SettingsStore& store) {
    cbPostep_ = checked;
    if (store.available()) writeCheck(store, kPokazPrzebiegDrukowania, checked);
}

void PrintOptions::cbStandardClick(bool checked, SettingsStore& store) {
    cbStandard_ = checked;
    if (store.available()) writeCheck(store, kStandardoweOkienkoDrukowania, checked);
}

void PrintOptions::cbPodstawaClick(bool checked, SettingsStore& store) {
    cbPodstawa_ = checked;
    if (store.available()) writeCheck(store, kDrukujPodstawe, checked);
}

void PrintOptions::cbRejestrClick(bool checked, SettingsStore& store) {
    cbRejestr_ = checked;
    ZapiszOpcjeDoRejestru(store);
}

void PrintOptions::SpinEdit1Change(int value, SettingsStore& store) {
    spinEdit1_ = clampSpacing(value);
    ZapiszOpcjeDoRejestru(store);
}

void PrintOptions::PLLettersClick(bool checked, SettingsStore& store) {
    plLetters_ = checked;
    printPolishLetters_ = checked;
    ZapiszOpcjeDoRejestru(store);
}

void PrintOptions::setFontFace(const std::string& face) {
    if (!face.empty()) fontFace_ = face;
}

} // namespace tarnik
