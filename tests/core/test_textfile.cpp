#include "core/base/errors.h"
#include "core/base/textfile.h"
#include "tests/support/test_support.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

using namespace tarnik;
namespace fs = std::filesystem;

namespace {

using Lines = std::vector<std::string>;

class TextFileTest : public ::testing::Test {
protected:
    fs::path file(const std::string& name) const { return folder_ / name; }

    void put(const fs::path& path, const std::string& bytes) const {
        std::ofstream out(path, std::ios::binary);
        out << bytes;
    }

    static std::string get(const fs::path& path) { return test_support::readBytes(path); }

    std::vector<std::string> entries() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(dir_))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    test_support::ScratchFolder folder_;
    const fs::path& dir_ = folder_.path();
};

} // namespace

TEST(SplitLines, CrThenLf) {
    const auto split = [](std::string_view s) { return splitLines(s, LineBreaks::CrThenLf); };
    EXPECT_EQ(split(""), Lines{});
    EXPECT_EQ(split("a\r\nb\r\n"), (Lines{"a", "b"}));
    EXPECT_EQ(split("a\r\nb"), (Lines{"a", "b"}));
    EXPECT_EQ(split("a\rb\r"), (Lines{"a", "b"}));
    EXPECT_EQ(split("a\nb\r\nc"), (Lines{"a\nb", "c"})); // a lone LF belongs to the line
    EXPECT_EQ(split("\r\n\r\nx\r\n\r\n"), (Lines{"", "", "x", ""}));
    EXPECT_EQ(split("a\r\n\nb\r\n"), (Lines{"a", "\nb"})); // only one LF is skipped
    EXPECT_EQ(split("a\r\nb\x1A"
                    "c\r\nd\r\n"),
              (Lines{"a", "b"})); // 0x1A ends the file
    EXPECT_EQ(split("a\r\n\x1A"), (Lines{"a"}));
    EXPECT_EQ(split("\x1A"
                    "abc"),
              Lines{});
    EXPECT_EQ(split("\r\n"), (Lines{""}));
    EXPECT_EQ(split("\n"), (Lines{"\n"}));
}

TEST(SplitLines, CrOrLf) {
    const auto split = [](std::string_view s) { return splitLines(s, LineBreaks::CrOrLf); };
    EXPECT_EQ(split(""), Lines{});
    EXPECT_EQ(split("a\r\nb\r\n"), (Lines{"a", "b"}));
    EXPECT_EQ(split("a\nb\rc\r\nd"), (Lines{"a", "b", "c", "d"}));
    EXPECT_EQ(split("a\n\nb\r\rc\r\n\r\n"), (Lines{"a", "", "b", "", "c", ""}));
    EXPECT_EQ(split("a\n\r"), (Lines{"a", ""})); // LF then CR is two breaks
    EXPECT_EQ(split("a\x1A"
                    "b\n"),
              (Lines{"a\x1A"
                     "b"}));
    EXPECT_EQ(split("\n"), (Lines{""}));
    EXPECT_EQ(split("x"), (Lines{"x"}));
}

TEST(FileErrors, PolishMessages) {
    EXPECT_EQ(fileErrorMessage("otworzyć", "/x/y.trk", ENOENT),
              "Nie można otworzyć pliku „/x/y.trk”: plik lub folder nie istnieje.");
    EXPECT_EQ(fileErrorMessage("zapisać", "a.txt", ENOSPC),
              "Nie można zapisać pliku „a.txt”: brak miejsca na dysku.");
    EXPECT_EQ(describeSystemError(EACCES), "brak dostępu");
    EXPECT_EQ(describeSystemError(EPERM), "brak dostępu");
    for (int err : {EROFS, EISDIR, ENOTDIR, EIO, EMFILE, EEXIST, ENAMETOOLONG}) {
        const std::string text = describeSystemError(err);
        EXPECT_EQ(text.find("błąd systemu"), std::string::npos) << err << ": " << text;
    }
    EXPECT_EQ(describeSystemError(987654), "błąd systemu nr 987654");
    EXPECT_EQ(notAnIntegerMessage("abc"), "„abc” nie jest poprawną liczbą całkowitą.");
}

TEST_F(TextFileTest, ReadingAMissingFileNamesIt) {
    const fs::path missing = file("brak.txt");
    try {
        readFileBytes(missing);
        FAIL() << "no exception";
    } catch (const FileError& e) {
        EXPECT_EQ(std::string(e.what()), "Nie można otworzyć pliku „" + missing.string() +
                                             "”: plik lub folder nie istnieje.");
        EXPECT_EQ(e.path(), missing.string());
    }
    EXPECT_THROW(readTextLines(missing, LineBreaks::CrOrLf), FileError);
}

TEST_F(TextFileTest, ReadingAFolderFails) {
    EXPECT_THROW(readFileBytes(dir_), FileError);
}

TEST_F(TextFileTest, ReadsBytesExactly) {
    std::string bytes;
    for (int round = 0; round < 1000; ++round)
        for (int b = 0; b < 256; ++b)
            bytes.push_back(static_cast<char>(b));
    put(file("bin"), bytes);
    EXPECT_EQ(readFileBytes(file("bin")), bytes);
    put(file("empty"), "");
    EXPECT_EQ(readFileBytes(file("empty")), "");
    EXPECT_EQ(readTextLines(file("empty"), LineBreaks::CrThenLf), Lines{});
}

TEST_F(TextFileTest, AKeptBufferHoldsEachFileAlone) {
    // Larger, smaller, empty, and larger again than the buffer has room for: each reading gives
    // exactly the file's bytes, never the rest of an earlier one.
    std::string large;
    for (int i = 0; i < 300000; ++i)
        large.push_back(static_cast<char>(i % 251));
    put(file("large"), large);
    put(file("small"), "abc");
    put(file("empty"), "");
    put(file("larger"), large + large);
    ReadBuffer buffer;
    EXPECT_EQ(readFileBytes(file("large"), buffer), large);
    EXPECT_EQ(readFileBytes(file("small"), buffer), "abc");
    EXPECT_EQ(readFileBytes(file("empty"), buffer), "");
    EXPECT_EQ(readFileBytes(file("larger"), buffer), large + large);
    buffer.shrinkAbove(100);
    EXPECT_EQ(readFileBytes(file("small"), buffer), "abc");
    EXPECT_THROW(readFileBytes(file("brak"), buffer), FileError);
}

#if defined(__linux__)
TEST_F(TextFileTest, AFileLongerThanItsSizeSaysIsReadToTheEnd) {
    // The kernel's files report the size 0 and still have content, as a file that grows while it
    // is read.
    const std::string status = readFileBytes("/proc/self/maps");
    EXPECT_GT(status.size(), 100u);
    EXPECT_EQ(status.back(), '\n');
}
#endif

TEST_F(TextFileTest, ReadsWindows1250Lines) {
    put(file("k.txt"), "Za\xBF\xF3\xB3\xE6\r\n\r\ng\xEA\x9Cl\xB9\nja\x9F\xF1\r\n\x1A\x1A\x1A");
    EXPECT_EQ(readTextLines(file("k.txt"), LineBreaks::CrThenLf),
              (Lines{"Zażółć", "", "gęślą\njaźń"}));
    EXPECT_EQ(readTextLines(file("k.txt"), LineBreaks::CrOrLf),
              (Lines{"Zażółć", "", "gęślą", "jaźń", "\x1A\x1A\x1A"}));
}

TEST_F(TextFileTest, WriteTextLinesRoundTrip) {
    const Lines lines = {"Zażółć gęślą jaźń", "", "ŻÓŁW – „cytat”", "ostatnia"};
    writeTextLines(file("out.txt"), lines);
    EXPECT_EQ(get(file("out.txt")), "Za\xBF\xF3\xB3\xE6 g\xEA\x9Cl\xB9 ja\x9F\xF1\r\n"
                                    "\r\n"
                                    "\xAF\xD3\xA3W \x96 \x84"
                                    "cytat\x94\r\n"
                                    "ostatnia\r\n");
    EXPECT_EQ(readTextLines(file("out.txt"), LineBreaks::CrThenLf), lines);
    EXPECT_EQ(readTextLines(file("out.txt"), LineBreaks::CrOrLf), lines);
    EXPECT_EQ(entries(), (std::vector<std::string>{"out.txt"}));

    writeTextLines(file("out.txt"), {"España"});
    EXPECT_EQ(get(file("out.txt")), "Espa?a\r\n");
    writeTextLines(file("out.txt"), {});
    EXPECT_EQ(get(file("out.txt")), "");
}

TEST_F(TextFileTest, AtomicWriteReplacesTheFile) {
    put(file("a.trk"), "stara treść, dłuższa niż nowa");
    writeFileAtomically(file("a.trk"), [](ByteSink& sink) {
        sink.write("nowa ");
        sink.write("");
        sink.write("treść");
    });
    EXPECT_EQ(get(file("a.trk")), "nowa treść");
    writeFileAtomically(file("b.trk"), std::string_view("\0x\0", 3));
    EXPECT_EQ(get(file("b.trk")), std::string("\0x\0", 3));
    EXPECT_EQ(entries(), (std::vector<std::string>{"a.trk", "b.trk"}));
}

TEST_F(TextFileTest, AtomicWriteLeavesTheOldFileWhenProduceThrows) {
    put(file("a.trk"), "stara treść");
    try {
        writeFileAtomically(file("a.trk"), [](ByteSink& sink) {
            sink.write(std::string(100000, 'x'));
            throw std::runtime_error("przerwane");
        });
        FAIL() << "no exception";
    } catch (const FileError&) {
        FAIL() << "the exception from produce must pass through unchanged";
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), "przerwane");
    }
    EXPECT_EQ(get(file("a.trk")), "stara treść");
    EXPECT_EQ(entries(), (std::vector<std::string>{"a.trk"}));

    EXPECT_THROW(writeFileAtomically(file("a.trk"),
                                     [](ByteSink& sink) {
                                         sink.write("x");
                                         throw FileError("błąd źródła");
                                     }),
                 FileError);
    EXPECT_EQ(get(file("a.trk")), "stara treść");

    // A new file that failed midway is not created at all.
    EXPECT_THROW(
        writeFileAtomically(file("nowy.trk"), [](ByteSink&) { throw std::logic_error("x"); }),
        std::logic_error);
    EXPECT_EQ(entries(), (std::vector<std::string>{"a.trk"}));
}

TEST_F(TextFileTest, AtomicWriteIntoAMissingFolderFails) {
    const fs::path target = file("nie_ma") / "a.trk";
    try {
        writeFileAtomically(target, std::string_view("x"));
        FAIL() << "no exception";
    } catch (const FileError& e) {
        const std::string message = e.what();
        EXPECT_NE(message.find(target.string()), std::string::npos) << message;
        EXPECT_NE(message.find("nie istnieje"), std::string::npos) << message;
    }
    EXPECT_FALSE(fs::exists(file("nie_ma")));
    EXPECT_TRUE(entries().empty());
    EXPECT_THROW(writeTextLines(target, {"a"}), FileError);
}

TEST_F(TextFileTest, AtomicWriteOverAFolderFails) {
    fs::create_directory(file("folder"));
    EXPECT_THROW(writeFileAtomically(file("folder"), std::string_view("x")), FileError);
    EXPECT_TRUE(fs::is_directory(file("folder")));
    EXPECT_EQ(entries(), (std::vector<std::string>{"folder"}));
}

TEST_F(TextFileTest, AtomicWriteOverAFileHeldOpenByAnotherReader) {
    put(file("a.trk"), "stara treść");
    {
        std::ifstream reader(file("a.trk"), std::ios::binary);
        ASSERT_TRUE(reader.is_open());
#if defined(_WIN32)
        // Windows does not replace a file another handle holds without sharing its deletion:
        // the save fails, says which file, and leaves the old one whole and no temporary file.
        try {
            writeFileAtomically(file("a.trk"), std::string_view("nowa treść"));
            FAIL() << "no exception";
        } catch (const FileError& e) {
            EXPECT_NE(std::string(e.what()).find("a.trk"), std::string::npos) << e.what();
        }
        EXPECT_EQ(get(file("a.trk")), "stara treść");
#else
        // The new file takes the name; the reader goes on reading the old one to its end.
        writeFileAtomically(file("a.trk"), std::string_view("nowa treść"));
        EXPECT_EQ(get(file("a.trk")), "nowa treść");
        const std::string held{std::istreambuf_iterator<char>(reader), {}};
        EXPECT_EQ(held, "stara treść");
#endif
        EXPECT_EQ(entries(), (std::vector<std::string>{"a.trk"}));
    }
    // Once the reader has let go, the file is replaced.
    writeFileAtomically(file("a.trk"), std::string_view("po zamknięciu"));
    EXPECT_EQ(get(file("a.trk")), "po zamknięciu");
}

TEST_F(TextFileTest, NamesWithPolishLettersAreWrittenAndReadBack) {
    const fs::path folder = file("") / fs::path(u8"Zakład Łódź");
    fs::create_directory(folder);
    const fs::path target = folder / fs::path(u8"ocena żółć ĘŚ.trk");
    writeFileAtomically(target, std::string_view("treść"));
    EXPECT_EQ(readFileBytes(target), "treść");
    writeFileAtomically(target, std::string_view("nowa"));
    EXPECT_EQ(readFileBytes(target), "nowa");
    std::vector<std::string> names; // as UTF-8 bytes
    for (const auto& entry : fs::directory_iterator(folder)) {
        const std::u8string name = entry.path().filename().u8string();
        names.emplace_back(name.begin(), name.end());
    }
    EXPECT_EQ(names, (std::vector<std::string>{"ocena żółć ĘŚ.trk"}));

    // Windows-1250 lines under such a name, and the name in the message of a failure.
    const fs::path lines = folder / fs::path(u8"podpowiedzi ą.txt");
    writeTextLines(lines, {"Zażółć gęślą jaźń", "ŁÓDŹ"});
    EXPECT_EQ(readFileBytes(lines), "Za\xbf\xf3\xb3\xe6 g\xea\x9cl\xb9 ja\x9f\xf1\r\n\xa3\xd3"
                                    "D\x8f\r\n");
    EXPECT_EQ(readTextLines(lines, LineBreaks::CrOrLf), (Lines{"Zażółć gęślą jaźń", "ŁÓDŹ"}));
    try {
        readFileBytes(folder / fs::path(u8"brak ń.trk"));
        FAIL() << "no exception";
    } catch (const FileError& e) {
        EXPECT_NE(std::string(e.what()).find("brak ń.trk"), std::string::npos) << e.what();
    }
}
