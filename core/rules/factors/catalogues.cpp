#include "core/rules/factors/catalogues.h"

#include <map>
#include <system_error>
#include <vector>

#include "core/base/cp1250.h"
#include "core/base/errors.h"
#include "core/base/textfile.h"

namespace tarnik {

namespace fs = std::filesystem;

namespace {

// A name as it reads back after a trip through a Windows-1250 file.
std::string asStored(const std::string& name) {
    return cp1250ToUtf8(utf8ToCp1250(name));
}

} // namespace

fs::path catalogueFilePath(const fs::path& programDir, int group) {
    if (group < 0 || group >= kCatalogueCount) group = kCatalogueCount - 1;
    return programDir / kCatalogueFileNames[static_cast<std::size_t>(group)];
}

FactorEntry* DodajCzynnik(Assessment& a, const std::string& name, int group, DayNumber today) {
    if (name.empty() || group < 0 || group >= kCatalogueCount) return nullptr;
    FactorList& list = a.factorList(group);
    list.emplace_back(name, false, newFactorRecord(name, group, today));
    return &list.back();
}

int WczytajCzynniki(Assessment& a, const fs::path& file, int group, DayNumber today) {
    const std::vector<std::string> lines = readDataFileLines(file);
    int added = 0;
    for (const std::string& line : lines)
        if (DodajCzynnik(a, line, group, today)) ++added;
    return added;
}

void loadQuestionsAndCatalogues(const fs::path& programDir, Assessment& a,
                                QuestionLines questionLines, DayNumber today) {
    loadQuestionsAndCatalogues([&programDir](const std::string& name) { return programDir / name; },
                               a, questionLines, today);
}

void loadQuestionsAndCatalogues(const DataFileLookup& fileFor, Assessment& a,
                                QuestionLines questionLines, DayNumber today) {
    a.questions.clear();
    for (int group = 0; group < kCatalogueCount; ++group)
        a.factorList(group).clear();

    loadQuestions(a.questions, fileFor(kQuestionsFileName), questionLines);
    for (int group = 0; group < kCatalogueCount; ++group)
        WczytajCzynniki(a, fileFor(kCatalogueFileNames[static_cast<std::size_t>(group)]), group,
                        today);
}

void writeCatalogue(const fs::path& file, const FactorList& list) {
    std::vector<std::string> lines;
    std::error_code ec;
    const bool exists = fs::exists(file, ec);
    if (exists || (ec && ec != std::errc::no_such_file_or_directory))
        lines = readDataFileLines(file); // an unreadable file is not replaced

    // Each line of the file stands for one occurrence of its name in the list.
    std::map<std::string, int> unmatched;
    for (const std::string& line : lines)
        ++unmatched[line];
    for (const FactorEntry& entry : list) {
        if (entry.text.empty()) continue;
        const std::string stored = asStored(entry.text);
        auto it = unmatched.find(stored);
        if (it != unmatched.end() && it->second > 0) {
            --it->second;
            continue;
        }
        lines.push_back(entry.text);
    }
    writeTextLines(file, lines);
}

void saveGroupToCatalogue(const fs::path& programDir, const Assessment& a, int group) {
    if (group < 0 || group >= kCatalogueCount) return;
    writeCatalogue(catalogueFilePath(programDir, group), a.factorList(group));
}

} // namespace tarnik
