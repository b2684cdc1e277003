#pragma once
// PrintOptions: the options that steer printing, kept in the per-user settings store.
//
// The options dialog "Opcje" shows them: five check boxes, the signature spacing and the report's
// font face. The first six live in the per-user settings store (the registry key
// SOFTWARE\TRK2000\Startup on Windows); the font face only until the program ends. The report reads
// them at print time, so a change counts from the next print.
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

    // The setters the options dialog calls on each change: each sets its option and writes at
    // once. The first three write their own value
    // only; the register form, the spacing and the Polish letters write all six.
    void setShowProgress(bool on, SettingsStore& store);
    void setStandardPrintDialog(bool on, SettingsStore& store);
    void setLegalBasis(bool on, SettingsStore& store);
    void setRegisterForm(bool on, SettingsStore& store);
    // The spacing is kept within 1..25.
    void setSpacing(int value, SettingsStore& store);
    // Sets both polishLetters and printPolishLetters.
    void setPolishLetters(bool on, SettingsStore& store);

    // Show the progress window while printing.
    bool showProgress() const { return showProgress_; }
    // Ask for the page range in the platform's print dialog (else in the program's own).
    bool standardPrintDialog() const { return standardPrintDialog_; }
    // Print the legal-basis page.
    bool legalBasis() const { return legalBasis_; }
    // Print the general part in the register form (form A; else the standard form B).
    bool registerForm() const { return registerForm_; }
    // Blank lines between the station name and the approval line of the title page.
    int spacing() const { return spacing_; }
    // The check box "Drukuj polskie znaki".
    bool polishLetters() const { return polishLetters_; }
    // Whether the report prints Polish letters; follows polishLetters on loading and on setting.
    bool printPolishLetters() const { return printPolishLetters_; }

    // The face of every report style and of the charts; not stored.
    const std::string& fontFace() const { return fontFace_; }
    void setFontFace(const std::string& face);

    static int clampSpacing(int value);

private:
    bool showProgress_ = true;
    bool standardPrintDialog_ = true;
    bool legalBasis_ = true;
    bool registerForm_ = true;
    int spacing_ = kSpacingDefault;
    bool polishLetters_ = false;
    bool printPolishLetters_ = false;
    std::string fontFace_ = kDefaultFontFace;
};

} // namespace tarnik
