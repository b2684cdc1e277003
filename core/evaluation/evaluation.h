#pragma once
// The evaluation of the document: the four cards from the hazard level card to the risk level,
// with the texts the evaluation pages show and the two charts. Each card computes its own values
// (hazardcard.h, accidents.h, supplementary.h, risklevel.h); this aggregate holds them together,
// passes values from one card to the next and answers the input fields of the evaluation pages,
// marking the document when they change it.
//
// Every value keeps what it was given until the operation that computes it runs again, because
// the report prints the values as they stand: the hazard card recounts only when its page is
// shown (recountHazardCard), a weight change recomputes the exposure indices without recounting
// (PrzeliczWskaznikNarazenia), the accident indices follow LiczWypadki, the supplementary indices
// LiczUzupeln, the level LiczRyzyko, and a band limit change re-grades without recomputing the
// level (ZmianaRyzyka). recompute.h runs the steps in page order.
//
// Arithmetic is integer throughout: divisions truncate toward zero, every divisor is tested,
// products and sums are formed in 64 bits or wider, and a result outside the 32-bit range is
// held at the nearest 32-bit bound.
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/evaluation/accidents.h"
#include "core/evaluation/hazardcard.h"
#include "core/evaluation/risklevel.h"
#include "core/evaluation/supplementary.h"
#include "core/model/assessment.h"

namespace tarnik {

class Evaluation : public HazardCard,
                   public AccidentIndices,
                   public SupplementaryCard,
                   public RiskLevelCard {
public:
    // Called whenever an operation changes the document: the handlers of the input fields, and
    // a new total exposure index passed to SE1004.
    std::function<void()> onModified;

    // ---- Hazard level card ---------------------------------------------------------------
    // The card's page is shown: counts the factors to describe as the measurement card page
    // lists them from the ticks, then PrzeliczWskaznikNarazenia. A pending measurement card must
    // have been stored by the caller first.
    void recountHazardCard(Assessment& a);
    // The same with the list of factors given.
    void recountHazardCard(Assessment& a, const std::vector<const FactorRecord*>& factors);
    // Recomputes the exposure indices from the last counts, the weights and the worker counts,
    // passes the total to SE1004 (recomputing the supplementary indices and marking the document
    // when it differs) and redraws Chart1. Does not recount.
    void PrzeliczWskaznikNarazenia(Assessment& a);
    // The weight of row 1..9 entered (its field left): the text is taken as the weight (not an
    // integer: 0, its lower bound; held within 0..9999), the indices are recomputed and the
    // document marked. Returns the text the field shows afterwards.
    std::string weightEntered(Assessment& a, int row, std::string_view text);
    // "Przywróć": the nine default weights, then PrzeliczWskaznikNarazenia. The document is
    // marked when a weight really changed (and when the total exposure index did). Returns
    // whether a weight changed.
    bool restoreDefaultWeights(Assessment& a);

    // ---- Accidents and occupational diseases ---------------------------------------------
    // Figure 901..905 typed or left: the text is stored (storeAccidentFigure), then LiczWypadki
    // and the document is marked. Returns the text that must replace the field's text, if any.
    std::optional<std::string> accidentFieldChange(Assessment& a, int field, std::string_view text);

    // ---- Supplementary card ----------------------------------------------------------------
    // Figure 1001..1006 typed or left: the text is stored (storeSupplementaryFigure), then
    // LiczUzupeln and the document is marked. Returns the text that must replace the field's
    // text, if any.
    std::optional<std::string> supplementaryFieldChange(Assessment& a, int field,
                                                        std::string_view text);
    // The expert index typed: stored (storeExpertIndex); nothing is computed, the document is
    // marked.
    void expertIndexEntered(Assessment& a, std::string_view text);

    // ---- Risk level ------------------------------------------------------------------------
    // The risk level page is shown: LiczRyzyko, then ZmianaRyzyka.
    void recountRiskLevel(Assessment& a);
    // The level from the indices of the cards as they stand.
    using RiskLevelCard::LiczRyzyko;
    void LiczRyzyko(const Assessment& a);
    // The protection index of the current total exposure index.
    using RiskLevelCard::WskaznikOchron;
    int WskaznikOchron(const Assessment& a) const;
    // Band limit k = 1..4 typed, and with `leaving` left (moveBandLimit); the document is marked
    // unless the text is not an integer. Returns the text that must replace the field's text, if
    // any (on leaving: the value).
    std::optional<std::string> bandLimitChange(Assessment& a, int k, std::string_view text,
                                               bool leaving = false);

    // ---- Document --------------------------------------------------------------------------
    // After New, Open or the start-up open has filled the document: what the input fields'
    // change handlers do when the values arrive (accident and supplementary indices, the grade,
    // the "DO" texts and the recommendations). The hazard card and the level are not recomputed.
    void afterDocumentLoaded(Assessment& a);
    // The font face of the texts of both charts on screen.
    void setChartFontFace(const std::string& face);

private:
    void modified();
};

} // namespace tarnik
