#pragma once
// The five factor catalogues: plain Windows-1250 text files beside the program, one factor name
// per line, read into the five factor lists of the assessment when a new assessment is begun,
// and written back when the user adds a factor "na stałe".
//
// Catalogue file: no header and no comments; the whole line is the name (blanks at either end
// included); an empty line is skipped, a line of blanks is a factor named by those blanks. CR LF,
// LF and CR each end a line, as in the catalogue editor, and the last line may have no ending; a
// byte 0x1A ends the file. A line may be of any length: the list entry shows it whole, its record
// keeps the first 255 characters.
#include <array>
#include <filesystem>
#include <functional>
#include <string>

#include "core/base/dates.h"
#include "core/model/assessment.h"

namespace tarnik {

// File names of the catalogues, by group index 0..4 (chemical, dust, physical, biological,
// onerous), relative to the program's folder.
inline constexpr std::array<const char*, kCatalogueCount> kCatalogueFileNames{
    "chemiczne.txt", "pyly.txt", "fizyczne.txt", "biologiczne.txt", "uciazliwe.txt"};

// The catalogue file of a group 0..4 in the given program folder.
std::filesystem::path catalogueFilePath(const std::filesystem::path& programDir, int group);

// DodajCzynnik: appends a factor of the given name at the end of the group's list (group index
// 0..4), unticked, owning a fresh FactorRecord (name cut to 255 characters, measured `today`,
// factorGroup from the group or 6/7 for the lighting and electric-current names). An empty name,
// or a group index outside 0..4, adds nothing and gives nullptr. The name is not trimmed: a name
// of blanks is a factor. Does not mark the assessment modified.
FactorEntry* DodajCzynnik(Assessment& a, const std::string& name, int group, DayNumber today);

// WczytajCzynniki: reads the catalogue file and passes every line to DodajCzynnik with the same
// group. Returns the number of factors added. Throws FileError when the file is missing or
// unreadable; nothing is added then.
int WczytajCzynniki(Assessment& a, const std::filesystem::path& file, int group, DayNumber today);

// The loading sequence of start-up and of a new assessment: empties the checklist and the five
// factor lists, then reads "pytania.txt" (lines taken as `questionLines` says) and the five
// catalogues, in this order, from the program's folder. The caller has cleared the rest of the
// assessment (resetToNew) first.
//
// It stops at the first file that is missing or cannot be read and throws its FileError, whose
// path() names that file, for the program's general error handler. What was loaded before it
// stays loaded: when "pytania.txt" fails, nothing is loaded (checklist and lists stay empty);
// when a catalogue fails, the questions and the catalogues before it in the order above are
// loaded, the failing one and those after it are empty. A file either loads whole or adds
// nothing. The start-up work that follows the sequence (the assessment date) is the caller's to
// skip when this throws.
void loadQuestionsAndCatalogues(const std::filesystem::path& programDir, Assessment& a,
                                QuestionLines questionLines, DayNumber today);

// The file a data file is read from, by its name ("pytania.txt", "chemiczne.txt" ...): the
// program reads the user's changed copy when there is one, else the shipped file.
using DataFileLookup = std::function<std::filesystem::path(const std::string& fileName)>;

// The same sequence, each file read from where `fileFor` says.
void loadQuestionsAndCatalogues(const DataFileLookup& fileFor, Assessment& a,
                                QuestionLines questionLines, DayNumber today);

// Writes a group list back to its catalogue file (adding a factor "na stałe"). The file keeps
// every line it holds (as the loader reads them; they are written back with CR LF) and gets, at its
// end and in list order, every name of the list that it does not hold yet (a name the list holds
// twice is written twice); empty names are not written. Names are compared as they read back from
// the file, so a character that Windows-1250 lacks (written as '?') does not add the name again on
// every later write. A missing file is created. The file is replaced through a temporary file, so a
// failed write leaves the old catalogue whole. Throws FileError when the old file cannot be read or
// the new one cannot be written.
void writeCatalogue(const std::filesystem::path& file, const FactorList& list);

// The same for group 0..4 of the assessment, into its catalogue in the program's folder.
void saveGroupToCatalogue(const std::filesystem::path& programDir, const Assessment& a, int group);

// The catalogue editor: its items in drop-down order and the file each one edits (relative to
// the program's folder). The editor saves one line per editor line, each followed by CR LF
// (writeTextLines), and refuses to save an empty text with kEmptyFileMessage.
struct EditorItem {
    const char* caption;
    const char* fileName;
};
inline constexpr std::array<EditorItem, 6> kEditorItems{{
    {"czynniki chemiczne", "chemiczne.txt"},
    {"pyły", "pyly.txt"},
    {"czynniki fizyczne", "fizyczne.txt"},
    {"czynniki biologiczne", "biologiczne.txt"},
    {"czynniki uciążliwe", "uciazliwe.txt"},
    {"pytania do oceny stanu bhp", "pytania.txt"},
}};
inline constexpr const char* kEditorHelpFileName = "edytor.txt";
inline constexpr const char* kEditorTitle = "Edytor";
inline constexpr const char* kEmptyFileMessage = "Nie można zapisać pustego pliku.";
inline constexpr const char* kSaveChangesQuestion = "Czy zapisać zmiany?";

} // namespace tarnik
