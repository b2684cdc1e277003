#pragma once
// The options that steer printing, as the options dialog "Opcje" shows them: five check boxes,
// the signature spacing and the report's font face. The first six live in the per-user settings
// store (the registry key SOFTWARE\TRK2000\Startup on Windows); the font face only until the
// program ends. The report reads them at print time, so a change counts from the next print.
#include <string>

#include "core/base/settings.h"

namespace tarnik {

class PrintOptions {
public:
    // Names of the stored values.
    static constexpr const char* kPokazPrzebiegDrukowania = "PokazPrzebiegDrukowania";
    static constexpr const char* kStandardoweOkienkoDrukowania = "StandardoweOkienkoDrukowania";
    static constexpr const char* kDrukujPodstawe = "DrukujPodstawe";
    static constexpr const char* kDrukujRejestr = "DrukujRejestr";
    static constexpr const char* kPolskieLiterki = "PolskieLiterki";
    static constexpr const char* kOdstepPodpis = "OdstepPodpis";

    static constexpr int kSpacingMin = 1;
    static constexpr int kSpacingMax = 25;
    static constexpr int kSpacingDefault = 19;
    static constexpr const char* kDefaultFontFace = "Arial";

    // Loads the six stored values (WczytajOpcjeZRejestru). A check box is on unless its value is
    // exactly "NIE", so a missing value turns it on; a missing or unreadable spacing leaves the
    // current one. Nothing is written back. An unavailable store leaves every option as it is.
    void WczytajOpcjeZRejestru(const SettingsStore& store);
    // Writes all six values (ZapiszOpcjeDoRejestru): "TAK" / "NIE" and the spacing.
    void ZapiszOpcjeDoRejestru(SettingsStore& store) const;

    // The change handlers of the dialog: each sets its option and writes at once. The first
    // three write their own value only; the register form, the spacing and the Polish letters
    // write all six.
    void cbPostepClick(bool checked, SettingsStore& store);
    void cbStandardClick(bool checked, SettingsStore& store);
    void cbPodstawaClick(bool checked, SettingsStore& store);
    void cbRejestrClick(bool checked, SettingsStore& store);
    // The spacing is kept within 1..25.
    void SpinEdit1Change(int value, SettingsStore& store);
    void PLLettersClick(bool checked, SettingsStore& store);

    // Show the progress window while printing.
    bool cbPostep() const { return cbPostep_; }
    // Ask for the page range in the platform's print dialog (else in the program's own).
    bool cbStandard() const { return cbStandard_; }
    // Print the legal-basis page.
    bool cbPodstawa() const { return cbPodstawa_; }
    // Print the register form of the general part.
    bool cbRejestr() const { return cbRejestr_; }
    // Blank lines between the station name and the approval line of the title page.
    int SpinEdit1() const { return spinEdit1_; }
    // The check box "Drukuj polskie znaki".
    bool PLLetters() const { return plLetters_; }
    // Whether the report prints Polish letters; follows PLLetters on loading and on its click.
    bool printPolishLetters() const { return printPolishLetters_; }

    // The face of every report style and of the charts; not stored.
    const std::string& fontFace() const { return fontFace_; }
    void setFontFace(const std::string& face);

    static int clampSpacing(int value);

private:
    bool cbPostep_ = true;
    bool cbStandard_ = true;
    bool cbPodstawa_ = true;
    bool cbRejestr_ = true;
    int spinEdit1_ = kSpacingDefault;
    bool plLetters_ = false;
    bool printPolishLetters_ = false;
    std::string fontFace_ = kDefaultFontFace;
};

} // namespace tarnik
