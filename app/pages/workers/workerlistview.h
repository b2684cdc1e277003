#pragma once
// The register's view on the worker page. A click or a key that would choose another entry does
// not select it by itself: the view asks for it (entryRequested), and the page decides, since the
// worker being edited may have to be saved first, or may refuse to be left. The page then shows
// its choice with showEntry().
#include <QElapsedTimer>
#include <QString>
#include <QTableView>

namespace tarnik {

class WorkerListView : public QTableView {
    Q_OBJECT
public:
    explicit WorkerListView(QWidget* parent = nullptr);

    // Selects the row (none for -1) and brings it into sight, without asking for it.
    void showEntry(int row);
    // The selected row, -1 for none.
    int shownEntry() const;

signals:
    // The user chose this row; -1 for a click on the empty space below the entries.
    void entryRequested(int row);

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

public:
    // Typing the first letters of a surname asks for the first worker whose surname begins so.
    void keyboardSearch(const QString& search) override;

private:
    QString search_;
    QElapsedTimer searchTimer_;
};

} // namespace tarnik
