#include "core/evaluation/evaluation.h"

#include "core/evaluation/arith.h"
#include "core/rules/factors/selection.h"

namespace tarnik {

void Evaluation::modified() {
    if (onModified) onModified();
}

// ---------------------------------------------------------------------------------------------
// Hazard level card

void Evaluation::recountHazardCard(Assessment& a) {
    const std::vector<FactorToDescribe> list = factorsToDescribe(a);
    std::vector<const FactorRecord*> records;
    records.reserve(list.size());
    for (const FactorToDescribe& f : list)
        records.push_back(f.record);
    recountHazardCard(a, records);
}

void Evaluation::recountHazardCard(Assessment& a, const std::vector<const FactorRecord*>& factors) {
    countFactors(a, factors);
    PrzeliczWskaznikNarazenia(a);
}

void Evaluation::PrzeliczWskaznikNarazenia(Assessment& a) {
    computeExposureIndices(a);
    // The total goes to the supplementary card; a new value there recomputes its indices.
    const int shown = a.SE1004.get();
    a.SE1004 = totalExposureIndex;
    if (a.SE1004.get() != shown) {
        LiczUzupeln(a);
        modified();
    }
    showExposureIndices();
}

std::string Evaluation::weightEntered(Assessment& a, int row, std::string_view text) {
    if (row < 1 || row > kHazardRowCount) return std::string(text);
    a.weight(row) = arith::parseIntegerText(text).value_or(0);
    PrzeliczWskaznikNarazenia(a);
    modified();
    return std::to_string(a.weight(row).get());
}

bool Evaluation::restoreDefaultWeights(Assessment& a) {
    bool changed = false;
    for (int r = 1; r <= kHazardRowCount; ++r) {
        const int weight = Assessment::kDefaultWeights[static_cast<std::size_t>(r - 1)];
        if (a.weight(r).get() != weight) changed = true;
        a.weight(r) = weight;
    }
    PrzeliczWskaznikNarazenia(a);
    if (changed) modified();
    return changed;
}

// ---------------------------------------------------------------------------------------------
// Accidents and occupational diseases

std::optional<std::string> Evaluation::accidentFieldChange(Assessment& a, int field,
                                                           std::string_view text) {
    FieldEdit edit = storeAccidentFigure(a, field, text);
    if (!edit.changed) return std::nullopt;
    LiczWypadki(a);
    modified();
    return std::move(edit.replacement);
}

// ---------------------------------------------------------------------------------------------
// Supplementary card

std::optional<std::string> Evaluation::supplementaryFieldChange(Assessment& a, int field,
                                                                std::string_view text) {
    FieldEdit edit = storeSupplementaryFigure(a, field, text);
    if (!edit.changed) return std::nullopt;
    LiczUzupeln(a);
    modified();
    return std::move(edit.replacement);
}

void Evaluation::expertIndexEntered(Assessment& a, std::string_view text) {
    storeExpertIndex(a, text);
    modified();
}

// ---------------------------------------------------------------------------------------------
// Risk level

void Evaluation::recountRiskLevel(Assessment& a) {
    LiczRyzyko(a);
    ZmianaRyzyka(a);
}

void Evaluation::LiczRyzyko(const Assessment& a) {
    RiskLevelCard::LiczRyzyko(a, *this, *this, *this);
}

int Evaluation::WskaznikOchron(const Assessment& a) const {
    return RiskLevelCard::WskaznikOchron(a, totalExposureIndex);
}

std::optional<std::string> Evaluation::bandLimitChange(Assessment& a, int k, std::string_view text,
                                                       bool leaving) {
    FieldEdit edit = moveBandLimit(a, k, text, leaving);
    if (!edit.changed) return std::nullopt;
    modified();
    return std::move(edit.replacement);
}

// ---------------------------------------------------------------------------------------------
// Document

void Evaluation::afterDocumentLoaded(Assessment& a) {
    LiczWypadki(a);
    LiczUzupeln(a);
    ZmianaRyzyka(a);
}

void Evaluation::setChartFontFace(const std::string& face) {
    Chart1.setFontFace(face);
    Chart2.setFontFace(face);
}

} // namespace tarnik
