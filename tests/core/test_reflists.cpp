#include "core/base/cp1250.h"
#include "core/base/errors.h"
#include "core/rules/reflists/reflists.h"
#include "tests/support/test_support.h"

#include <gtest/gtest.h>

using namespace tarnik;
using tarnik::test_support::readBytes;
using tarnik::test_support::ScratchFolder;

namespace {

using Lines = std::vector<std::string>;

ReferenceLists read(const Lines& lines) {
    ReferenceLists lists;
    readReferenceLines(lines, lists);
    return lists;
}

const Lines kEmptyFile{"[ZAKLADY]",  "[OSOBYODP]",  "[KOMISJA]",
                       "[CZYNNIKI]", "[WYKONAWCY]", "[METODY]"};

} // namespace

TEST(ReferenceLists, ReadsAnEntryColumnByColumn) {
    const ReferenceLists lists = read({"[KOMISJA]", "*Nazwisko", "Nowak", "*Imie", "Anna",
                                       "*Stanowisko", "Specjalista ds. bhp", "**"});
    ASSERT_EQ(lists[kRefCommission].rowCount(), 1u);
    EXPECT_EQ(lists[kRefCommission].row(0),
              (std::vector<std::string>{"Nowak", "Anna", "Specjalista ds. bhp"}));
    EXPECT_EQ(lists[kRefResponsible].rowCount(), 0u);
}

TEST(ReferenceLists, EmptyValueLineReadsAsABlankAndIsWrittenSo) {
    const ReferenceLists lists = read({"[ZAKLADY]", "*Nazwa", "Zakład", "*Regon", "", "**"});
    EXPECT_EQ(lists[kRefEstablishments].cell(1, 0), " ");
    const Lines written = referenceListLines(lists);
    const Lines expected{"[ZAKLADY]",  "*Nazwa",    "Zakład",     "*Regon",      " ",       "**",
                         "[OSOBYODP]", "[KOMISJA]", "[CZYNNIKI]", "[WYKONAWCY]", "[METODY]"};
    EXPECT_EQ(written, expected);
}

TEST(ReferenceLists, OddLinesSetNothingButMayGrowTheList) {
    // A value line right after the header or "**": no cell, but the row is there.
    ReferenceLists lists = read({"[METODY]", "sama wartość", "**", "**", "bez znacznika"});
    ASSERT_EQ(lists[kRefMethods].rowCount(), 3u);
    for (std::size_t r = 0; r < 3; ++r)
        EXPECT_EQ(lists[kRefMethods].cell(0, r), "");

    // An unknown header: it and everything up to the next known one is ignored.
    lists = read({"[ZAKLADY]", "*Nazwa", "A", "*Regon", "1", "**", "[INNE]", "*Nazwa", "B", "**",
                  "[METODY]", "*Metoda", "M", "**"});
    EXPECT_EQ(lists[kRefEstablishments].rowCount(), 1u);
    EXPECT_EQ(lists[kRefEstablishments].cell(0, 0), "A");
    EXPECT_EQ(lists[kRefMethods].cell(0, 0), "M");
    // A header is matched exactly: "[metody]" selects nothing.
    lists = read({"[metody]", "*Metoda", "M", "**"});
    EXPECT_EQ(lists[kRefMethods].rowCount(), 0u);

    // More markers than columns: the surplus values set nothing.
    lists = read({"[WYKONAWCY]", "*Wykonawca", "Lab", "*Adres", "ul. Polna", "**"});
    ASSERT_EQ(lists[kRefPerformers].rowCount(), 1u);
    EXPECT_EQ(lists[kRefPerformers].cell(0, 0), "Lab");
}

TEST(ReferenceLists, RowsOnlyAddedNeverRemoved) {
    ReferenceLists lists;
    lists[kRefMethods].setCell(0, 0, "stara 1");
    lists[kRefMethods].setCell(0, 2, "stara 3");
    readReferenceLines({"[METODY]", "*Metoda", "nowa", "**"}, lists);
    ASSERT_EQ(lists[kRefMethods].rowCount(), 3u);
    EXPECT_EQ(lists[kRefMethods].cell(0, 0), "nowa");
    EXPECT_EQ(lists[kRefMethods].cell(0, 1), "");
    EXPECT_EQ(lists[kRefMethods].cell(0, 2), "stara 3");
}

TEST(ReferenceLists, WritingSkipsRowsWithEmptyFirstCellAndAlwaysWritesAllHeaders) {
    ReferenceLists lists;
    EXPECT_EQ(referenceListLines(lists), kEmptyFile);

    RefList& persons = lists[kRefResponsible];
    persons.setCell(0, 0, "Kowalski");
    persons.setCell(1, 0, "Jan");
    persons.setCell(2, 0, "Kierownik");
    persons.setCell(1, 1, "bez nazwiska"); // row 2: empty first cell
    persons.setCell(0, 2, "Nowak");
    persons.appendRow(); // row 4: empty
    ASSERT_EQ(persons.rowCount(), 4u);

    const Lines written = referenceListLines(lists);
    const ReferenceLists back = read(written);
    ASSERT_EQ(back[kRefResponsible].rowCount(), 2u);
    EXPECT_EQ(back[kRefResponsible].row(0),
              (std::vector<std::string>{"Kowalski", "Jan", "Kierownik"}));
    // Row 3's empty cells come back as blanks.
    EXPECT_EQ(back[kRefResponsible].row(1), (std::vector<std::string>{"Nowak", " ", " "}));
}

TEST(ReferenceLists, WrittenFileLayout) {
    ReferenceLists lists;
    lists[kRefEstablishments].setCell(0, 0, "Huta");
    lists[kRefEstablishments].setCell(1, 0, "123");
    lists[kRefMethods].setCell(0, 0, "Dozymetria");
    EXPECT_EQ(
        referenceListLines(lists),
        (Lines{"[ZAKLADY]", "*Nazwa", "Huta", "*Regon", "123", "**", "[OSOBYODP]", "[KOMISJA]",
               "[CZYNNIKI]", "[WYKONAWCY]", "[METODY]", "*Metoda", "Dozymetria", "**"}));
}

TEST(ReferenceLists, MultiLineAndMarkupLikeCellsSurviveAFileRoundTrip) {
    ScratchFolder dir;
    ReferenceLists lists;
    RefList& est = lists[kRefEstablishments];
    est.setCell(0, 0,
                "Zakład Mechaniczny „Metalpol”\r\nul. Przemysłowa 12\r\n\r\n42-200 Częstochowa");
    est.setCell(1, 0, "151234560");
    est.setCell(0, 1, "\r\nZakład z pustą pierwszą linią\r\n");
    est.setCell(1, 1, " ");
    lists[kRefMethods].setCell(0, 0, "[PN-EN 689] pomiary");
    lists[kRefMethods].setCell(0, 1, "**");
    lists[kRefMethods].setCell(0, 2, "  *gwiazdka");
    lists[kRefMethods].setCell(0, 3, " [z odstępem");
    lists[kRefFactors].setCell(0, 0, "amoniak");
    lists[kRefFactors].setCell(1, 0, "7664-41-7");
    lists[kRefFactors].setCell(2, 0, "Gaz drażniący.\r\nDruga linia.");

    writeReferenceLists(dir / "podpowiedzi.txt", lists);
    const std::string bytes = readBytes(dir / "podpowiedzi.txt");
    EXPECT_EQ(bytes.substr(0, 11), "[ZAKLADY]\r\n");
    EXPECT_NE(bytes.find(utf8ToCp1250("ul. Przemysłowa 12\r\n\r\n42-200")), std::string::npos);

    ReferenceLists back;
    ASSERT_TRUE(readReferenceLists(dir / "podpowiedzi.txt", back));
    EXPECT_EQ(back, lists);
}

TEST(ReferenceLists, AnyLineEndReadsAndMissingFileChangesNothing) {
    ScratchFolder dir;
    dir.putText("lf.txt", "[METODY]\n*Metoda\nA\n**\r*Metoda\rB\r**\r\n");
    ReferenceLists lists;
    ASSERT_TRUE(readReferenceLists(dir / "lf.txt", lists));
    ASSERT_EQ(lists[kRefMethods].rowCount(), 2u);
    EXPECT_EQ(lists[kRefMethods].cell(0, 1), "B");

    const ReferenceLists before = lists;
    EXPECT_FALSE(readReferenceLists(dir / "brak.txt", lists));
    EXPECT_EQ(lists, before);
    EXPECT_THROW(writeReferenceLists(dir / "brak" / "podpowiedzi.txt", lists), FileError);
}
