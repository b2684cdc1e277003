#pragma once
// "Plik → Nowa ocena na podstawie poprzedniej...": the next assessment of a station made from its
// previous file. The unsaved changes of the open document are asked about first; the previous
// file is chosen (the open document's file is offered when it is saved); the tasks of its plan
// are ticked as carried out or not; the new assessment then becomes the open document, untitled
// and changed, and its first save offers the previous file's name with the new number.
#include <QObject>
#include <QString>

class QWidget;

namespace tarnik {

class Document;
class DocumentCommands;

inline const QString kNextAssessmentTitle = QStringLiteral("Nowa ocena na podstawie poprzedniej");

class NextAssessmentCommand : public QObject {
    Q_OBJECT
public:
    NextAssessmentCommand(Document& document, DocumentCommands& commands, QWidget* window);

    // The menu command. True when the new assessment became the document.
    bool run();
    // The same from a previous file chosen elsewhere (the register of assessments).
    bool runFrom(const QString& previousFile);

private:
    // After the question about unsaved changes: reads the previous file, asks for the finished
    // tasks and replaces the document.
    bool makeFrom(const QString& previousFile);

    Document& document_;
    DocumentCommands& commands_;
    QWidget* window_;
};

} // namespace tarnik
