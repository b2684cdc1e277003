// tarnik_fixture_files FOLDER: writes the sample assessments the tests use as .trk files into
// FOLDER, for checks that compare what two builds of the program make of the same file (the
// Windows program's report beside the Linux one's).
#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "core/model/trkfile.h"
#include "tests/support/fixtures.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "Użycie: tarnik_fixture_files FOLDER\n");
        return 1;
    }
    using namespace tarnik;
    const std::filesystem::path folder(argv[1]);
    std::vector<std::pair<std::string, Assessment>> files;
    files.emplace_back("pelna.trk", fixtures::fullAssessment());
    files.emplace_back("wypelniona.trk", fixtures::filledAssessment());
    files.emplace_back("bez-liter.trk", fixtures::evaluationAssessment());
    files.emplace_back("duza.trk", fixtures::largeReportAssessment({60, 20, 42, 70}));
    try {
        std::filesystem::create_directories(folder);
        for (const auto& [name, assessment] : files) {
            saveTrkFile(assessment, folder / name);
            std::printf("%s\n", (folder / name).string().c_str());
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
