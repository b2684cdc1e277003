// Writing the assessment file: every record in its fixed layout, text in Windows-1250 padded
// with zeros, so that the same assessment always gives the same bytes.
#include "core/model/trkfile.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "core/base/cp1250.h"
#include "core/base/text.h"

namespace tarnik {

namespace {

class Encoder {
public:
    explicit Encoder(std::string& out) : out_(out) {}

    void i32(std::int32_t v) {
        const auto u = static_cast<std::uint32_t>(v);
        for (int i = 0; i < 4; ++i)
            out_.push_back(static_cast<char>((u >> (8 * i)) & 0xFF));
    }
    void flag(bool v) { out_.push_back(v ? '\1' : '\0'); }
    void byte(int v) { out_.push_back(static_cast<char>(v & 0xFF)); }
    void date(double v) {
        std::uint64_t u;
        static_assert(sizeof u == sizeof v);
        std::memcpy(&u, &v, sizeof u);
        for (int i = 0; i < 8; ++i)
            out_.push_back(static_cast<char>((u >> (8 * i)) & 0xFF));
    }
    void pad(std::size_t k) { out_.append(k, '\0'); }
    // str[N]: a length byte, then N bytes of which the first `length` are the text.
    void str(std::string_view utf8, std::size_t n) {
        std::string bytes = utf8ToCp1250(utf8);
        if (bytes.size() > n) bytes.resize(n);
        out_.push_back(static_cast<char>(bytes.size()));
        out_.append(bytes);
        out_.append(n - bytes.size(), '\0');
    }
    void longstr(std::string_view utf8) {
        const std::string bytes = utf8ToCp1250(utf8);
        i32(static_cast<std::int32_t>(
            std::min<std::size_t>(bytes.size(), static_cast<std::size_t>(kIntMax))));
        out_.append(bytes, 0,
                    std::min<std::size_t>(bytes.size(), static_cast<std::size_t>(kIntMax)));
    }

private:
    std::string& out_;
};

void writeGeneralData(Encoder& e, const Assessment& a) {
    e.str(a.EdtZaklad, kStoredTextLength);
    e.str(a.EdtRegon, kStoredTextLength);
    e.i32(a.EdtNr);
    e.str(a.EdtStanowisko, kStoredTextLength);
    e.str(a.EdtKStan, kStoredTextLength);
    e.i32(a.EdtLStan);
    e.date(a.DTPOcena);
    e.str(a.EdtJednostka, kStoredTextLength);
    e.str(a.Ed201, kStoredTextLength);
    e.str(a.Ed202, kStoredTextLength);
    e.str(a.Ed203, kStoredTextLength);
    for (const std::string& m : a.memos)
        e.str(m, kStoredTextLength);
    e.i32(a.RG301);
    e.i32(a.RG302);
}

void writePerson(Encoder& e, const PersonEntry& p) {
    e.str(p.surname, kStoredTextLength);
    e.str(p.firstName, kStoredTextLength);
    e.str(p.position, kStoredTextLength);
}

void writeFactor(Encoder& e, const FactorRecord& f) {
    e.flag(f.described);
    e.str(f.name, kStoredTextLength);
    e.str(f.Ed602, kStoredTextLength);
    e.pad(3);
    e.i32(f.descriptionForm);
    e.date(f.DTP601);
    e.str(f.ED603, kStoredTextLength);
    e.str(f.Ed604, kStoredTextLength);
    e.str(f.Ed605, kStoredTextLength);
    e.str(f.Ed606, kStoredTextLength);
    e.str(f.Ed607, kStoredMultipleLength);
    e.str(f.Ed608, kStoredMultipleLength);
    e.str(f.Ed609, kStoredMultipleLength);
    e.str(f.Ed610, kStoredMultipleLength);
    e.i32(f.RG603);
    e.i32(f.RG604);
    e.i32(f.RG605);
    e.i32(f.RG606);
    e.i32(f.RG602);
    e.i32(f.factorGroup);
    e.str(f.Mem611, kStoredTextLength);
    e.flag(f.CB601);
    e.flag(f.CB602);
    e.flag(f.CB603);
    e.flag(f.CB604);
    e.flag(f.CB605);
    e.flag(f.CB606);
    e.flag(f.CB607);
    e.pad(1);
    for (int c : f.hazardCategory)
        e.i32(c);
    e.pad(4);
}

void writeWorker(Encoder& e, const WorkerRecord& w) {
    e.str(w.Ed401, kStoredTextLength);
    e.str(w.Ed402, kStoredTextLength);
    e.byte(w.workerCategory);
    e.str(w.Ed403, kStoredTextLength);
    e.pad(7);
    e.date(w.DTP401);
    e.flag(w.RB402);
    e.flag(w.RB403);
    e.pad(6);
    e.date(w.DTP402);
    e.flag(w.RB404);
    e.flag(w.RB405);
    e.flag(w.RB406);
    e.pad(5);
    e.date(w.DTP403);
    e.flag(w.RB407);
    e.pad(7);
    e.date(w.DTP404);
    e.flag(w.examinationCurrent);
    e.flag(w.trainingCurrent);
    e.flag(w.trainingCurrent); // the second copy is always written equal to the first
    e.pad(5);
}

void writeRiskFigures(Encoder& e, const Assessment& a) {
    for (int row = 1; row <= 9; ++row)
        e.i32(a.weight(row));
    for (const RangedInt* f : {&a.SE901, &a.SE902, &a.SE903, &a.SE904, &a.SE905, &a.SE1001,
                               &a.SE1002, &a.SE1003, &a.SE1004, &a.SE1005})
        e.i32(*f);
    e.i32(a.SE1006);
    e.i32(a.SE1007);
    for (int k = 1; k <= 4; ++k)
        e.i32(a.bandLimit(k));
}

} // namespace

void writeTrk(const Assessment& a, ByteSink& sink) {
    sink.write(serializeTrk(a));
}

std::string serializeTrk(const Assessment& a) {
    std::string out;
    std::size_t estimate = 8 + 4 + kGeneralDataSize + 4096;
    estimate += (a.ListOdpow.size() + a.ListKomisja.size()) * (4 + kPersonEntrySize);
    for (int c = 0; c < kCatalogueCount; ++c)
        estimate += a.factorList(c).size() * (4 + kFactorRecordSize);
    estimate += a.ListaPrac.size() * (4 + kWorkerRecordSize);
    estimate += a.questions.questionCount() * (4 + kQuestionEntrySize);
    estimate += a.Plan.size() * (4 + kPlanRowSize);
    for (const std::string& m : a.memos)
        estimate += 4 + m.size();
    out.reserve(estimate);

    Encoder e(out);
    e.str(kTrkCurrentSignature, 7);

    e.i32(kTagGeneralData);
    writeGeneralData(e, a);

    for (const PersonEntry& p : a.ListOdpow) {
        e.i32(kTagResponsiblePerson);
        writePerson(e, p);
    }
    for (const PersonEntry& p : a.ListKomisja) {
        e.i32(kTagCommissionMember);
        writePerson(e, p);
    }

    for (int c = 0; c < kCatalogueCount; ++c) {
        for (const FactorEntry& entry : a.factorList(c)) {
            if (!entry.record) continue;
            e.i32(entry.checked ? kTagFactorChecked : kTagFactorUnchecked);
            writeFactor(e, *entry.record);
        }
    }

    for (std::size_t i = 0; i < a.ListaPrac.size(); ++i) {
        e.i32(kTagWorker);
        writeWorker(e, a.ListaPrac[i]);
    }

    for (std::size_t i = 0; i < a.questions.questionCount(); ++i) {
        e.i32(kTagQuestion);
        e.str(a.questions.storedText(i), kStoredTextLength);
        e.str(utf8Left(a.questions[i].answer, 3), 3);
    }

    e.i32(kTagRiskFigures);
    writeRiskFigures(e, a);

    e.i32(kTagExpertIndex);
    e.i32(a.SE1007);
    e.str(a.Memo1, kStoredTextLength);

    e.i32(kTagWorkerCounts);
    for (int g = 0; g < kWorkerGroupCount; ++g)
        e.str(std::to_string(a.countField(g).get()), kStoredTextLength);
    e.str(a.SE_razem, kStoredTextLength);

    for (const PlanRow& row : a.Plan) {
        e.i32(kTagPlanRow);
        for (const std::string& cell : row)
            e.str(cell, kStoredTextLength);
    }

    e.i32(kTagAcquaintance);
    e.str(a.Osoby, kStoredTextLength);

    e.i32(kTagStationDescription);
    e.str(a.Ed201, kStoredTextLength);
    e.str(a.Ed202, kStoredTextLength);
    e.str(a.Ed203, kStoredTextLength);
    for (const std::string& m : a.memos)
        e.longstr(m);

    e.i32(kTagEnd);
    return out;
}

void saveTrkFile(const Assessment& a, const std::filesystem::path& path) {
    const std::string bytes = serializeTrk(a);
    writeFileAtomically(path, std::string_view(bytes));
}

} // namespace tarnik
