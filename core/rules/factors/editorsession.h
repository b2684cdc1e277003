#pragma once
// The catalogue editor ("Edytor"): a plain-text editor over the five factor catalogues and the
// safety questions. Each file is read where EditorFiles says (the program: the user's changed copy
// when there is one, else the shipped file) and its changes are written to the user's copy. The
// session below holds the editor's decisions: which file is open, when to ask "Czy zapisać
// zmiany?", when a save is refused, and what reaches the file. The window shows the text and
// answers the session's questions (EditorView).
//
// States: Initial (the help text of "edytor.txt", editing and "Zapisz" disabled), File open (a
// chosen file, both enabled) and Modified (as File open, with unsaved changes).
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "core/rules/factors/catalogues.h"

namespace tarnik {

// The text of a file as the editor shows it: Windows-1250 decoded, the lines (each ended by CR LF,
// CR or LF) joined by LF, without a line break after the last line. Throws FileError.
std::string readEditorText(const std::filesystem::path& file);

// The lines the editor writes for its text: the text split at each LF (a CR before it dropped); an
// empty text has no lines, so it makes an empty file. Reading a file and writing its text gives
// the file back unchanged.
std::vector<std::string> editorTextLines(std::string_view text);

// The characters of a text that Windows-1250 cannot hold (they reach the file as "?"), each once,
// in the order in which they first occur. Empty when the whole text can be written.
std::string charactersLackingInCp1250(std::string_view text);

// The question asked before such a text is written.
std::string lackingCharactersQuestion(std::string_view characters);

enum class EditorState { Initial, FileOpen, Modified };

// Where the editor's files lie, by file name: the file to read and the file a change is written
// to (asked only when the text is written).
struct EditorFiles {
    DataFileLookup toRead;
    DataFileLookup toWrite;
};

// What the editor window does for the session.
class EditorView {
public:
    virtual ~EditorView() = default;
    // The text in the editing area, lines joined by LF.
    virtual std::string text() const = 0;
    // Replaces the text; the new text counts as not modified.
    virtual void showText(const std::string& text) = 0;
    // Whether the user changed the text since it was shown or saved.
    virtual bool isModified() const = 0;
    virtual void setModified(bool modified) = 0;
    // "Czy zapisać zmiany?" (title "Uwaga", Yes and No): true for Yes.
    virtual bool askSaveChanges() = 0;
    // "Nie można zapisać pustego pliku." (title "Uwaga").
    virtual void tellEmptyFile() = 0;
    // lackingCharactersQuestion (title "Uwaga", Yes and No): true for Yes, write anyway.
    virtual bool acceptLackingCharacters(const std::string& characters) = 0;
};

class CatalogueEditorSession {
public:
    CatalogueEditorSession(EditorFiles files, EditorView& view);
    // Every file read and written in one folder.
    CatalogueEditorSession(const std::filesystem::path& folder, EditorView& view);

    // The initial state: the text of "edytor.txt". Throws FileError when it cannot be read; the
    // text is empty then.
    void start();

    EditorState state() const;
    // The item of kEditorItems whose file is open; -1 in the initial state.
    int currentItem() const { return item_; }
    // The open file: the one its text was read from, or last written to; empty in the initial
    // state.
    const std::filesystem::path& currentPath() const { return path_; }
    // The editing area and "Zapisz" are enabled once a file is open.
    bool editingEnabled() const { return item_ >= 0; }

    // Choosing an item of the drop-down list. When the text is modified the user is asked whether
    // to save it: Yes saves it as "Zapisz" does, and when the text is still modified afterwards
    // (the save was refused) the choice stops and the old file stays open; No drops the changes.
    // Then the chosen file is read and shown, not modified. Returns whether the chosen file is
    // open. A file that cannot be read throws FileError and leaves the editor as it was, the old
    // file and its text still open (so that a later save never writes one file's text into
    // another).
    bool choose(int item);

    // "Zapisz": an empty text is refused with "Nie można zapisać pustego pliku."; otherwise the
    // text is written, one line per editor line with CR LF after each, and is no longer modified.
    // Returns whether the file was written. Throws FileError when it cannot be written: the old
    // file stays whole and the text stays modified.
    bool save();

    // "Zamknij": when the text is modified the user is asked whether to save it; Yes saves it as
    // "Zapisz" does (an empty text is refused with the same message). Returns whether the window
    // may close: not when the save was refused; a failed write throws FileError and the window
    // stays open with the text modified.
    bool close();

private:
    // Writes the text to the open file; false when the user refused to lose characters.
    bool write(const std::string& text);

    EditorFiles files_;
    EditorView& view_;
    int item_ = -1;
    std::filesystem::path path_;
};

} // namespace tarnik
