#pragma once
// Accidents at work and occupational diseases: the figures of the last year (SE901 .. SE905)
// give the frequency, severity, corrected severity and disease indices per thousand workers.
#include <string>
#include <string_view>

#include "core/base/dates.h"
#include "core/evaluation/fieldedit.h"
#include "core/model/assessment.h"

namespace tarnik {

// The period line of the accident page for the assessment date D:
// "Wpisz dane za okres od  " + (D - 365 days) + "  do  " + D.
std::string accidentPeriodLine(DayNumber assessmentDate);

class AccidentIndices {
public:
    AccidentIndices();

    int frequencyIndex = 0;
    int severityIndex = 0;
    int fatalityAddend = 0;
    int correctedSeverityIndex = 0;
    int diseaseIndex = 0;

    std::string Label81;                    // the period of the accident figures
    std::string ST901, ST902, ST903, ST904; // frequency, severity, corrected, disease

    // The indices and their texts from the figures and the worker counts.
    void LiczWypadki(const Assessment& a);
    // The accident page is shown: the period line into Label81, then LiczWypadki.
    void recountAccidents(const Assessment& a);

    // SE902..SE904 are open for input only while SE901 is not 0.
    static bool accidentDetailsEnabled(const Assessment& a);
    // The text of figure 901..905 stored: a negative number or a text that is not an integer
    // becomes 0; SE901 at 0 clears SE902..SE904. Any other field changes nothing.
    static FieldEdit storeAccidentFigure(Assessment& a, int field, std::string_view text);
};

} // namespace tarnik
