#include "app/shell/application.h"

#include "app/platform/datafolders.h"
#include "app/platform/errorhandler.h"

namespace tarnik {

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {}

bool Application::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const ActionCancelled&) {
        return false;
    } catch (const std::exception& e) {
        reportError(e);
        return false;
    }
}

QString programDirectory() {
    return shippedDataFolder(QCoreApplication::applicationDirPath());
}

} // namespace tarnik
