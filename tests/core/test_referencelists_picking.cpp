// What the reference-list page does with a chosen row: the cells its "OK" hands over, and the
// removal of an entry.
#include "core/rules/reflists/picking.h"

#include <gtest/gtest.h>

using namespace tarnik;

namespace {

using Cells = std::vector<std::string>;

RefList commission() {
    RefList list(3);
    list.setCell(0, 0, "Nowak");
    list.setCell(1, 0, "Anna");
    list.setCell(2, 0, "kierownik");
    list.setCell(0, 1, "Lis");
    list.setCell(1, 1, "Jan");
    list.setCell(0, 2, "Kos");
    return list;
}

} // namespace

TEST(ReferencePicking, OkHandsOverTheChosenRowWithItsEmptyCells) {
    const RefList list = commission();
    EXPECT_EQ(pickedEntry(list, 1), (Cells{"Lis", "Jan", ""}));
    EXPECT_EQ(pickedEntry(list, 0), (Cells{"Nowak", "Anna", "kierownik"}));
}

TEST(ReferencePicking, NoRowOrAnEmptyRowHandsOverNothing) {
    RefList list = commission();
    EXPECT_FALSE(pickedEntry(list, std::nullopt));
    EXPECT_FALSE(pickedEntry(list, 3));
    list.appendRow();
    EXPECT_FALSE(pickedEntry(list, 3));
    EXPECT_FALSE(pickedEntry(RefList(2), 0));
    // A row with an empty first cell but other text is still what the user chose.
    list.setCell(2, 3, "inspektor");
    EXPECT_EQ(pickedEntry(list, 3), (Cells{"", "", "inspektor"}));
}

TEST(ReferencePicking, RemovingAnEntryMovesTheRowsBelowUp) {
    RefList list = commission();
    removeReferenceRow(list, 1);
    ASSERT_EQ(list.rowCount(), 2u);
    EXPECT_EQ(list.row(0), (Cells{"Nowak", "Anna", "kierownik"}));
    EXPECT_EQ(list.row(1), (Cells{"Kos", "", ""}));
    removeReferenceRow(list, 5); // outside: nothing
    EXPECT_EQ(list.rowCount(), 2u);
    removeReferenceRow(list, 1);
    EXPECT_EQ(list.rowCount(), 1u);
}

TEST(ReferencePicking, TheOnlyEntryIsEmptiedAndNoLongerWritten) {
    ReferenceLists lists;
    lists[kRefMethods].setCell(0, 0, "PN-Z-04008-7");
    removeReferenceRow(lists[kRefMethods], 0);
    EXPECT_EQ(lists[kRefMethods].rowCount(), 1u);
    EXPECT_EQ(lists[kRefMethods].cell(0, 0), "");
    EXPECT_EQ(referenceListLines(lists), (Cells{"[ZAKLADY]", "[OSOBYODP]", "[KOMISJA]",
                                                "[CZYNNIKI]", "[WYKONAWCY]", "[METODY]"}));
}
