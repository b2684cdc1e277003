#include "core/rules/factors/editorsession.h"

#include <set>

#include "core/base/cp1250.h"
#include "core/base/text.h"
#include "core/base/textfile.h"

namespace tarnik {

namespace fs = std::filesystem;

std::string readEditorText(const fs::path& file) {
    const std::vector<std::string> lines = readTextLines(file, LineBreaks::CrOrLf);
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) text += '\n';
        text += lines[i];
    }
    return text;
}

std::vector<std::string> editorTextLines(std::string_view text) {
    std::vector<std::string> lines;
    if (text.empty()) return lines;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find('\n', start);
        std::string_view line =
            text.substr(start, end == std::string_view::npos ? text.npos : end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.emplace_back(line);
        if (end == std::string_view::npos) break;
        start = end + 1;
    }
    return lines;
}

std::string charactersLackingInCp1250(std::string_view text) {
    std::string out;
    std::set<char32_t> seen;
    std::size_t pos = 0;
    while (pos < text.size()) {
        char32_t c = decodeUtf8(text, pos);
        if (c == kBadUtf8) c = 0xFFFD;
        if (unicodeToCp1250(c) >= 0) continue;
        if (seen.insert(c).second) appendUtf8(out, c);
    }
    return out;
}

std::string lackingCharactersQuestion(std::string_view characters) {
    std::string listed;
    std::size_t pos = 0;
    while (pos < characters.size()) {
        const std::size_t from = pos;
        decodeUtf8(characters, pos);
        if (!listed.empty()) listed += ' ';
        listed.append(characters.substr(from, pos - from));
    }
    return "Tekst zawiera znaki, których nie można zapisać w pliku (strona kodowa Windows-1250): " +
           listed + ". W pliku zostaną zapisane jako „?”. Czy mimo to zapisać plik?";
}

CatalogueEditorSession::CatalogueEditorSession(EditorFiles files, EditorView& view)
    : files_(std::move(files)), view_(view) {}

CatalogueEditorSession::CatalogueEditorSession(const fs::path& folder, EditorView& view)
    : CatalogueEditorSession(
          EditorFiles{[folder](const std::string& name) { return folder / name; },
                      [folder](const std::string& name) { return folder / name; }},
          view) {}

void CatalogueEditorSession::start() {
    item_ = -1;
    path_.clear();
    view_.showText({});
    view_.setModified(false);
    view_.showText(readEditorText(files_.toRead(kEditorHelpFileName)));
    view_.setModified(false);
}

EditorState CatalogueEditorSession::state() const {
    if (item_ < 0) return EditorState::Initial;
    return view_.isModified() ? EditorState::Modified : EditorState::FileOpen;
}

bool CatalogueEditorSession::choose(int item) {
    if (item < 0 || item >= int(kEditorItems.size())) return false;
    if (editingEnabled() && view_.isModified()) {
        if (view_.askSaveChanges()) {
            save();
            if (view_.isModified()) return false;
        }
    }
    const fs::path path = files_.toRead(kEditorItems[static_cast<std::size_t>(item)].fileName);
    // Read before anything changes: a file that cannot be read leaves the old one open.
    const std::string text = readEditorText(path);
    path_ = path;
    item_ = item;
    view_.showText(text);
    view_.setModified(false);
    return true;
}

bool CatalogueEditorSession::save() {
    if (!editingEnabled()) return false;
    const std::string text = view_.text();
    if (text.empty()) {
        view_.tellEmptyFile();
        return false;
    }
    return write(text);
}

bool CatalogueEditorSession::close() {
    // Yes saves as "Zapisz" does: an empty text is refused and the window stays open with it.
    if (editingEnabled() && view_.isModified() && view_.askSaveChanges()) return save();
    return true;
}

bool CatalogueEditorSession::write(const std::string& text) {
    const std::string lacking = charactersLackingInCp1250(text);
    if (!lacking.empty() && !view_.acceptLackingCharacters(lacking)) return false;
    const fs::path target = files_.toWrite(kEditorItems[static_cast<std::size_t>(item_)].fileName);
    writeTextLines(target, editorTextLines(text));
    path_ = target;
    view_.setModified(false);
    return true;
}

} // namespace tarnik
