#pragma once
// Text boxes for texts the assessment file keeps up to a fixed length: typing stops at the
// limit, a paste adds what fits and says what did not, and the multi-line box shows how much of
// the limit is used ("123 / 255"), in red once it is reached. The length is counted as the file
// stores it: characters, a line break (CR LF) counting two.
#include <QString>

#include "app/widgets/compacttextedit.h"

class QKeyEvent;
class QInputMethodEvent;
class QLabel;
class QPlainTextEdit;

namespace tarnik {

// The length a box's text takes in the file.
int storedTextLength(const QString& text);

// What a paste keeps when it would pass the limit: single characters, or only whole lines (a
// list of names is never cut inside a name).
enum class PasteCut { Characters, WholeLines };

// Whether a key would take the text of `edit` past `limit` (the selection is replaced by what is
// typed); such a key is refused.
bool keyPassesLimit(const QPlainTextEdit* edit, const QKeyEvent* e, int limit);

// Puts `text` at the caret of `edit` (in place of the selection) as far as it fits in `limit`,
// and says in a message how much was left out. `what` names the text in that message.
void insertWithinLimit(QPlainTextEdit* edit, const QString& text, int limit, PasteCut cut,
                       const QString& what = QStringLiteral("wklejonego tekstu"));

// The commit string of an input method's event cut to what fits in `limit`.
void inputMethodWithinLimit(QPlainTextEdit* edit, QInputMethodEvent* e, int limit);

class LimitedTextEdit : public CompactTextEdit {
    Q_OBJECT
public:
    LimitedTextEdit(int limit, int lines, QWidget* parent = nullptr);

    int limit() const { return limit_; }
    int storedLength() const;
    // The counter under the text.
    QLabel* counter() const { return counter_; }
    void setPasteCut(PasteCut cut) { cut_ = cut; }
    // The whole text replaced by one taken from a list, as far as it fits (with a message).
    void replaceWithinLimit(const QString& text);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void inputMethodEvent(QInputMethodEvent* e) override;
    void insertFromMimeData(const QMimeData* source) override;
    void resizeEvent(QResizeEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    void updateCounter();
    void placeCounter();

    int limit_;
    PasteCut cut_ = PasteCut::Characters;
    QLabel* counter_;
};

} // namespace tarnik
