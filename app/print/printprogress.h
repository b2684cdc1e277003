#pragma once
// TPrintPrg: the progress window of printing, "Przygotowanie do druku".
//
// It shows the steps of the print command and of the report builder as they happen. It does not
// block the program and printing does not depend on it: it is cleared and written whether it is
// shown or not, and "Zamknij" only hides it. While a long report is laid out, the window repaints
// now and then so that its lines appear as they are written.
#include <QDialog>
#include <QElapsedTimer>
#include <QString>
#include <QStringList>

class QPlainTextEdit;
class QPushButton;

namespace tarnik {

class TPrintPrg : public QDialog {
    Q_OBJECT
public:
    explicit TPrintPrg(QWidget* parent = nullptr);

    // Empties the text (the start of every print command).
    void clear();
    // One entry of the log; an entry holding CR LF shows as more than one line.
    void append(const QString& entry);
    // Shows the window without blocking (when the options ask for it).
    void showProgress();

    // The entries since the last clear, as written.
    const QStringList& entries() const { return entries_; }
    // The text the window shows.
    QString text() const;

private:
    // Lets the window repaint during a long run, at most every few tens of milliseconds.
    void repaintNow(bool force);

    QPlainTextEdit* memo_ = nullptr;
    QPushButton* close_ = nullptr;
    QStringList entries_;
    QElapsedTimer sinceRepaint_;
};

} // namespace tarnik
