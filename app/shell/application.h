#pragma once
// The program's application object: the general error handler for every event handler.
#include <QApplication>

namespace tarnik {

class Application : public QApplication {
public:
    Application(int& argc, char** argv);
    // Delivers an event; an error thrown by its handler is shown and the event counts as
    // handled, so the event loop goes on.
    bool notify(QObject* receiver, QEvent* event) override;
};

// The folder of the program's data files: the executable's folder, or the folder named by the
// environment variable TARNIK_DATA_DIR when it is set (tests and development runs use it).
QString programDirectory();

} // namespace tarnik
