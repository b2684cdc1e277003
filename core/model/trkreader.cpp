// Reading the assessment file: the signature, then the tagged records; a record is taken
// only whole, and a file that ends early keeps what was read before.
#include "core/model/trkfile.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <optional>

#include "core/base/cp1250.h"
#include "core/base/errors.h"
#include "core/base/text.h"

namespace tarnik {

namespace {

// A cursor over the file's bytes. Every read is checked against what is left by the caller
// before a record is taken, so a record is applied whole or not at all.
class Decoder {
public:
    explicit Decoder(std::string_view bytes) : bytes_(bytes) {}

    std::size_t position() const { return pos_; }
    std::size_t left() const { return bytes_.size() - pos_; }
    bool has(std::size_t n) const { return left() >= n; }

    std::int32_t i32() {
        std::uint32_t u = 0;
        for (int i = 0; i < 4; ++i)
            u |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes_[pos_ + i]))
                 << (8 * i);
        pos_ += 4;
        return static_cast<std::int32_t>(u);
    }
    bool flag() { return bytes_[pos_++] != '\0'; }
    int byte() { return static_cast<unsigned char>(bytes_[pos_++]); }
    double date() {
        std::uint64_t u = 0;
        for (int i = 0; i < 8; ++i)
            u |= static_cast<std::uint64_t>(static_cast<unsigned char>(bytes_[pos_ + i]))
                 << (8 * i);
        pos_ += 8;
        double v;
        std::memcpy(&v, &u, sizeof v);
        return v;
    }
    void skip(std::size_t k) { pos_ += k; }
    std::string str(std::size_t n) {
        const std::size_t len = std::min<std::size_t>(static_cast<unsigned char>(bytes_[pos_]), n);
        std::string s = cp1250ToUtf8(bytes_.substr(pos_ + 1, len));
        pos_ += n + 1;
        return s;
    }
    // A longstr, or nothing when its length is negative or runs past the end of the data.
    std::optional<std::string> longstr() {
        if (!has(4)) return std::nullopt;
        const std::int32_t len = i32();
        if (len < 0 || !has(static_cast<std::size_t>(len))) return std::nullopt;
        std::string s = cp1250ToUtf8(bytes_.substr(pos_, static_cast<std::size_t>(len)));
        pos_ += static_cast<std::size_t>(len);
        return s;
    }

private:
    std::string_view bytes_;
    std::size_t pos_ = 0;
};

void readGeneralData(Decoder& d, Assessment& a) {
    a.EdtZaklad = d.str(255);
    a.EdtRegon = d.str(255);
    a.EdtNr = d.i32();
    a.EdtStanowisko = d.str(255);
    a.EdtKStan = d.str(255);
    a.EdtLStan = d.i32();
    a.DTPOcena = d.date();
    a.EdtJednostka = d.str(255);
    a.Ed201 = d.str(255);
    a.Ed202 = d.str(255);
    a.Ed203 = d.str(255);
    for (std::string& m : a.memos)
        m = d.str(255);
    a.RG301 = d.i32();
    a.RG302 = d.i32();
}

PersonEntry readPerson(Decoder& d) {
    PersonEntry p;
    p.surname = d.str(255);
    p.firstName = d.str(255);
    p.position = d.str(255);
    return p;
}

std::unique_ptr<FactorRecord> readFactor(Decoder& d) {
    auto f = std::make_unique<FactorRecord>();
    f->described = d.flag();
    f->name = d.str(255);
    f->Ed602 = d.str(255);
    d.skip(3);
    f->descriptionForm = std::clamp(d.i32(), 0, 1);
    f->DTP601 = d.date();
    f->ED603 = d.str(255);
    f->Ed604 = d.str(255);
    f->Ed605 = d.str(255);
    f->Ed606 = d.str(255);
    f->Ed607 = d.str(10);
    f->Ed608 = d.str(10);
    f->Ed609 = d.str(10);
    f->Ed610 = d.str(10);
    f->RG603 = std::clamp(d.i32(), 0, 2);
    f->RG604 = std::clamp(d.i32(), 0, 2);
    f->RG605 = std::clamp(d.i32(), 0, 2);
    f->RG606 = std::clamp(d.i32(), 0, 2);
    f->RG602 = std::clamp(d.i32(), 0, 1);
    f->factorGroup = d.i32();
    f->Mem611 = d.str(255);
    f->CB601 = d.flag();
    f->CB602 = d.flag();
    f->CB603 = d.flag();
    f->CB604 = d.flag();
    f->CB605 = d.flag();
    f->CB606 = d.flag();
    f->CB607 = d.flag();
    d.skip(1);
    for (int& c : f->hazardCategory)
        c = std::clamp(d.i32(), 0, 9);
    d.skip(4);
    return f;
}

std::unique_ptr<WorkerRecord> readWorker(Decoder& d) {
    auto w = std::make_unique<WorkerRecord>();
    w->Ed401 = d.str(255);
    w->Ed402 = d.str(255);
    w->workerCategory = std::clamp(d.byte(), 0, kWorkerGroupCount - 1);
    w->Ed403 = d.str(255);
    d.skip(7);
    w->DTP401 = d.date();
    w->RB402 = d.flag();
    w->RB403 = d.flag();
    d.skip(6);
    w->DTP402 = d.date();
    w->RB404 = d.flag();
    w->RB405 = d.flag();
    w->RB406 = d.flag();
    d.skip(5);
    w->DTP403 = d.date();
    w->RB407 = d.flag();
    d.skip(7);
    w->DTP404 = d.date();
    w->examinationCurrent = d.flag();
    w->trainingCurrent = d.flag();
    w->trainingCurrent2 = d.flag();
    d.skip(5);
    return w;
}

void readRiskFigures(Decoder& d, Assessment& a) {
    for (int row = 1; row <= 9; ++row)
        a.weight(row) = d.i32();
    for (RangedInt* f : {&a.SE901, &a.SE902, &a.SE903, &a.SE904, &a.SE905, &a.SE1001, &a.SE1002,
                         &a.SE1003, &a.SE1004, &a.SE1005})
        *f = d.i32();
    a.SE1006 = d.i32();
    a.SE1007 = d.i32();
    std::array<int, 4> limits{};
    for (int& l : limits)
        l = d.i32();
    a.restoreBandLimits(limits[0], limits[1], limits[2], limits[3]);
}

// "rekord", "rekordy", "rekordów" by the number.
std::string recordsWord(std::size_t n) {
    if (n == 1) return "rekord";
    const std::size_t last = n % 10, lastTwo = n % 100;
    if (last >= 2 && last <= 4 && !(lastTwo >= 12 && lastTwo <= 14)) return "rekordy";
    return "rekordów";
}

std::string damagedMessage(const TrkReadResult& r) {
    return "Plik jest uszkodzony lub niekompletny: jego dane kończą się przed znacznikiem końca "
           "albo w środku rekordu.\r\nOdczytano " +
           std::to_string(r.records) + " " + recordsWord(r.records) + " (" +
           std::to_string(r.bytesUsed) + " z " + std::to_string(r.fileSize) +
           " bajtów); dalsza część pliku została pominięta.\r\nOcena otrzymała nazwę \"bez "
           "nazwy\": zapisz ją pod nową nazwą, aby nie zastąpić uszkodzonego pliku.";
}

} // namespace

TrkReadResult readTrk(Assessment& a, std::string_view bytes, const TrkReadOptions& options) {
    TrkReadResult r;
    r.fileSize = bytes.size();
    if (bytes.size() >= 1) {
        r.signature = std::string(bytes.substr(1, std::min<std::size_t>(7, bytes.size() - 1)));
    }
    bool known = false;
    if (bytes.size() >= 8 && static_cast<unsigned char>(bytes[0]) == 7) {
        for (std::string_view s : kTrkSignatures)
            if (bytes.substr(1, 7) == s) known = true;
    }
    if (!known) {
        r.status = TrkReadResult::Status::BadSignature;
        r.message = kBadSignatureMessage;
        return r;
    }
    const bool current = bytes.substr(1, 7) == kTrkCurrentSignature;

    Decoder d(bytes);
    d.skip(8);
    r.bytesUsed = 8;

    auto damaged = [&] {
        r.status = TrkReadResult::Status::Damaged;
        r.message = damagedMessage(r);
        return r;
    };

    for (;;) {
        if (!d.has(4)) return damaged();
        const std::int32_t tag = d.i32();
        std::size_t need = 0;
        switch (tag) {
        case kTagEnd:
            r.bytesUsed = d.position();
            return r;
        case kTagGeneralData:
            need = kGeneralDataSize;
            break;
        case kTagResponsiblePerson:
        case kTagCommissionMember:
            need = kPersonEntrySize;
            break;
        case kTagFactorChecked:
        case kTagFactorUnchecked:
            need = kFactorRecordSize;
            break;
        case kTagWorker:
            need = kWorkerRecordSize;
            break;
        case kTagQuestion:
            need = kQuestionEntrySize;
            break;
        case kTagRiskFigures:
            need = kRiskFiguresSize;
            break;
        case kTagLegacyPlanRow:
            need = kLegacyPlanRowSize;
            break;
        case kTagExpertIndex:
            need = kExpertIndexSize;
            break;
        case kTagWorkerCounts:
            need = kWorkerCountsSize;
            break;
        case kTagPlanRow:
            need = kPlanRowSize;
            break;
        case kTagAcquaintance:
            need = kAcquaintanceSize;
            break;
        case kTagStationDescription:
            need = 3 * 256;
            break;
        default:
            // Tags this version does not know carry nothing: go on with the next four bytes.
            r.bytesUsed = d.position();
            continue;
        }
        if (!d.has(need)) return damaged();

        switch (tag) {
        case kTagGeneralData:
            readGeneralData(d, a);
            break;
        case kTagResponsiblePerson:
            a.ListOdpow.push_back(readPerson(d));
            break;
        case kTagCommissionMember:
            a.ListKomisja.push_back(readPerson(d));
            break;
        case kTagFactorChecked:
        case kTagFactorUnchecked: {
            if (tag == kTagFactorUnchecked && options.skipUntickedFactors) {
                d.skip(need);
                break;
            }
            auto f = readFactor(d);
            const int catalogue = catalogueForFactorGroup(f->factorGroup);
            if (catalogue >= 0) {
                std::string text = f->name;
                a.factorList(catalogue).emplace_back(std::move(text), tag == kTagFactorChecked,
                                                     std::move(f));
            }
            break;
        }
        case kTagWorker:
            a.ListaPrac.insert(readWorker(d));
            break;
        case kTagQuestion: {
            std::string text = d.str(255);
            std::string answer = d.str(3);
            const std::size_t i = a.questions.DodajPytaniebhp(text);
            a.questions.setAnswer(i, std::move(answer));
            break;
        }
        case kTagRiskFigures:
            readRiskFigures(d, a);
            break;
        case kTagLegacyPlanRow: {
            const std::string first = d.str(255);
            const std::string second = d.str(255);
            PlanRow row;
            row[0] = second.empty() ? first : first + "\r\n" + second;
            row[1] = d.str(255);
            row[2] = d.str(255);
            a.insertPlanRowBeforeLast(std::move(row));
            break;
        }
        case kTagExpertIndex:
            a.SE1007 = d.i32();
            a.Memo1 = d.str(255);
            break;
        case kTagWorkerCounts: {
            std::array<std::string, 5> texts;
            for (std::string& t : texts)
                t = d.str(255);
            std::array<int, kWorkerGroupCount> counts{};
            for (int g = 0; g < kWorkerGroupCount; ++g) {
                int v = 0;
                if (!parseInt32(texts[static_cast<std::size_t>(g)], v)) {
                    r.status = TrkReadResult::Status::BadNumber;
                    r.message = notAnIntegerMessage(texts[static_cast<std::size_t>(g)]);
                    return r;
                }
                counts[static_cast<std::size_t>(g)] = v;
            }
            a.setWorkerCounts(counts);
            break;
        }
        case kTagPlanRow: {
            PlanRow row;
            for (std::string& cell : row)
                cell = d.str(255);
            a.insertPlanRowBeforeLast(std::move(row));
            break;
        }
        case kTagAcquaintance:
            a.Osoby = d.str(255);
            break;
        case kTagStationDescription: {
            const std::string e201 = d.str(255);
            const std::string e202 = d.str(255);
            const std::string e203 = d.str(255);
            std::array<std::string, 10> memos;
            const int count = current ? 10 : 8;
            for (int i = 0; i < count; ++i) {
                auto text = d.longstr();
                if (!text) return damaged();
                memos[static_cast<std::size_t>(i)] = std::move(*text);
            }
            a.Ed201 = e201;
            a.Ed202 = e202;
            a.Ed203 = e203;
            a.memos = std::move(memos);
            break;
        }
        default:
            break;
        }
        ++r.records;
        r.bytesUsed = d.position();
    }
}

TrkReadResult readTrkFile(Assessment& into, const std::filesystem::path& path,
                          const TrkReadOptions& options) {
    if (options.buffer) return readTrk(into, readFileBytes(path, *options.buffer), options);
    const std::string bytes = readFileBytes(path);
    return readTrk(into, bytes, options);
}

} // namespace tarnik
