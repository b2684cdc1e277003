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

// The folder of the program's shipped data files (see shippedDataFolder): beside the executable,
// in the installed share/tarnik, or the folder named by TARNIK_DATA_DIR when it is set.
QString programDirectory();

} // namespace tarnik
