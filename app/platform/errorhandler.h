#pragma once
// The general error handler: a file or conversion error raised while a command runs is shown in a
// message box with its text; the command stops where the error arose and the program goes on.
//
// Handlers are connected through guarded(), which catches what the handler throws:
//     connect(button, &QPushButton::clicked, this, guarded([this] { save(); }));
// Application::notify catches whatever a handler connected without it lets through.
#include <exception>
#include <utility>

class QWidget;

namespace tarnik {

// Thrown by a step that has already told the user why the command cannot go on (a page whose
// edit is incomplete and says so): the command stops there, and no error box follows.
class ActionCancelled : public std::exception {
public:
    const char* what() const noexcept override { return "cancelled"; }
};

// Shows the error's text (title "Błąd").
void reportError(const std::exception& e, QWidget* parent = nullptr);

// Runs f; an exception is reported and swallowed. Returns false when f threw.
template <class F> bool runGuarded(F&& f, QWidget* parent = nullptr) {
    try {
        std::forward<F>(f)();
        return true;
    } catch (const ActionCancelled&) {
        return false;
    } catch (const std::exception& e) {
        reportError(e, parent);
        return false;
    }
}

// A handler that runs f under the general error handler.
template <class F> auto guarded(F f) {
    return [f = std::move(f)](auto&&...) { runGuarded(f); };
}

} // namespace tarnik
