#include "app/widgets/limitedtextedit.h"

#include <algorithm>

#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMimeData>
#include <QTextCursor>
#include <string>
#include <vector>

#include "app/platform/prompts.h"
#include "core/rules/plan/plan.h"

namespace tarnik {

namespace {

// A text of the box with its line breaks as '\n' (the selection uses the paragraph separator).
QString plainBreaks(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    return text;
}

// Room left in `edit` for what replaces its selection.
int roomFor(const QPlainTextEdit* edit, int limit) {
    const int kept =
        storedTextLength(edit->toPlainText()) - storedTextLength(edit->textCursor().selectedText());
    return std::max(0, limit - kept);
}

// The leading characters of `text` that fit in `room`.
QString leadingCharacters(const QString& text, int room) {
    int used = 0;
    qsizetype end = 0;
    while (end < text.size()) {
        qsizetype next = end + 1;
        if (text.at(end).isHighSurrogate() && next < text.size() && text.at(next).isLowSurrogate())
            ++next;
        const int cost = text.at(end) == QLatin1Char('\n') ? 2 : 1;
        if (used + cost > room) break;
        used += cost;
        end = next;
    }
    return text.left(end);
}

} // namespace

int storedTextLength(const QString& text) {
    const QString t = plainBreaks(text);
    int n = 0;
    for (QChar c : t) {
        if (c.isLowSurrogate()) continue;
        n += c == QLatin1Char('\n') ? 2 : 1;
    }
    return n;
}

bool keyPassesLimit(const QPlainTextEdit* edit, const QKeyEvent* e, int limit) {
    if (edit->isReadOnly()) return false;
    QString typed;
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        typed = QStringLiteral("\n");
    } else {
        typed = e->text();
        // Shortcuts bring control characters; a paste comes through insertFromMimeData.
        if (typed.isEmpty() || !typed.at(0).isPrint()) return false;
    }
    return storedTextLength(typed) > roomFor(edit, limit);
}

void insertWithinLimit(QPlainTextEdit* edit, const QString& text, int limit, PasteCut cut,
                       const QString& what) {
    const QString whole = plainBreaks(text);
    const int room = roomFor(edit, limit);
    const int length = storedTextLength(whole);
    if (length <= room) {
        edit->insertPlainText(whole);
        return;
    }
    QString fitting;
    QString note;
    if (cut == PasteCut::WholeLines) {
        QStringList lines = whole.split(QLatin1Char('\n'));
        if (lines.size() > 1 && lines.last().isEmpty()) lines.removeLast();
        std::vector<std::string> utf8;
        utf8.reserve(std::size_t(lines.size()));
        for (const QString& l : lines)
            utf8.push_back(l.toStdString());
        const auto n = qsizetype(wholeLinesThatFit(utf8, std::size_t(room)));
        fitting = lines.mid(0, n).join(QLatin1Char('\n'));
        qsizetype leftOut = 0;
        for (qsizetype i = n; i < lines.size(); ++i)
            if (!lines.at(i).trimmed().isEmpty()) ++leftOut;
        note =
            QString::fromStdString(namesLeftOutMessage(std::size_t(leftOut), std::size_t(limit)));
    } else {
        fitting = leadingCharacters(whole, room);
        note = QString::fromStdString(
            charactersLeftOutMessage(std::size_t(length - storedTextLength(fitting)),
                                     what.toStdString(), std::size_t(limit)));
    }
    if (!fitting.isEmpty() || edit->textCursor().hasSelection()) edit->insertPlainText(fitting);
    showMessage(edit->window(), kTitleWarning, note);
}

void inputMethodWithinLimit(QPlainTextEdit* edit, QInputMethodEvent* e, int limit) {
    const QString commit = plainBreaks(e->commitString());
    if (commit.isEmpty() || storedTextLength(commit) <= roomFor(edit, limit)) return;
    QApplication::beep();
    e->setCommitString(leadingCharacters(commit, roomFor(edit, limit)), e->replacementStart(),
                       e->replacementLength());
}

LimitedTextEdit::LimitedTextEdit(int limit, int lines, QWidget* parent)
    : CompactTextEdit(lines, parent), limit_(limit), counter_(new QLabel(this)) {
    counter_->setObjectName(QStringLiteral("Licznik"));
    counter_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    counter_->setAutoFillBackground(true);
    counter_->setBackgroundRole(QPalette::Base);
    counter_->setContentsMargins(0, 0, 4, 0);
    connect(this, &QPlainTextEdit::textChanged, this, &LimitedTextEdit::updateCounter);
    updateCounter();
    setViewportMargins(0, 0, 0, counter_->sizeHint().height());
}

int LimitedTextEdit::storedLength() const {
    return storedTextLength(toPlainText());
}

QSize LimitedTextEdit::sizeHint() const {
    return CompactTextEdit::sizeHint() + QSize(0, counter_->sizeHint().height());
}

QSize LimitedTextEdit::minimumSizeHint() const {
    return CompactTextEdit::minimumSizeHint() + QSize(0, counter_->sizeHint().height());
}

void LimitedTextEdit::keyPressEvent(QKeyEvent* e) {
    if (keyPassesLimit(this, e, limit_)) {
        QApplication::beep();
        e->accept();
        return;
    }
    CompactTextEdit::keyPressEvent(e);
}

void LimitedTextEdit::inputMethodEvent(QInputMethodEvent* e) {
    inputMethodWithinLimit(this, e, limit_);
    CompactTextEdit::inputMethodEvent(e);
}

void LimitedTextEdit::insertFromMimeData(const QMimeData* source) {
    if (!source || !source->hasText()) return;
    insertWithinLimit(this, source->text(), limit_, cut_);
    ensureCursorVisible();
}

void LimitedTextEdit::replaceWithinLimit(const QString& text) {
    selectAll();
    insertWithinLimit(this, text, limit_, cut_, QStringLiteral("wstawionego tekstu"));
}

void LimitedTextEdit::resizeEvent(QResizeEvent* e) {
    CompactTextEdit::resizeEvent(e);
    placeCounter();
}

void LimitedTextEdit::changeEvent(QEvent* e) {
    CompactTextEdit::changeEvent(e);
    if (e->type() == QEvent::FontChange) {
        setViewportMargins(0, 0, 0, counter_->sizeHint().height());
        placeCounter();
    }
}

void LimitedTextEdit::placeCounter() {
    const QRect v = viewport()->geometry();
    counter_->setGeometry(v.left(), v.bottom() + 1, v.width(), counter_->sizeHint().height());
}

void LimitedTextEdit::updateCounter() {
    const int used = storedLength();
    counter_->setText(QStringLiteral("%1 / %2").arg(used).arg(limit_));
    QPalette p = palette();
    if (used >= limit_) p.setColor(QPalette::WindowText, QColor(Qt::red));
    counter_->setPalette(p);
}

} // namespace tarnik
