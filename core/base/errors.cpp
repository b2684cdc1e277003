#include "core/base/errors.h"

#include <cerrno>

namespace tarnik {

std::string describeSystemError(int err) {
    switch (err) {
    case 0:
        return "nieznany błąd";
    case ENOENT:
        return "plik lub folder nie istnieje";
    case EACCES:
    case EPERM:
        return "brak dostępu";
    case ENOSPC:
        return "brak miejsca na dysku";
#ifdef EDQUOT
    case EDQUOT:
        return "przekroczony przydział miejsca na dysku";
#endif
    case EROFS:
        return "nośnik jest tylko do odczytu";
    case EISDIR:
        return "wskazana ścieżka jest folderem";
    case ENOTDIR:
        return "część ścieżki nie jest folderem";
    case EIO:
        return "błąd wejścia-wyjścia";
    case EMFILE:
    case ENFILE:
        return "otwarto zbyt wiele plików";
    case EEXIST:
        return "plik już istnieje";
    case ENAMETOOLONG:
        return "zbyt długa nazwa pliku";
    case EBUSY:
        return "plik jest używany przez inny program";
#ifdef ETXTBSY
    case ETXTBSY:
        return "plik jest używany przez inny program";
#endif
    case EFBIG:
        return "plik jest zbyt duży";
    case ENOMEM:
        return "brak pamięci";
    case EINVAL:
        return "niepoprawna nazwa lub argument";
    case EXDEV:
        return "nie można przenieść pliku na inny dysk";
    case ENOTEMPTY:
        return "folder nie jest pusty";
#ifdef ELOOP
    case ELOOP:
        return "zbyt wiele zagnieżdżonych dowiązań";
#endif
    case ENODEV:
    case ENXIO:
        return "urządzenie jest niedostępne";
    default:
        return "błąd systemu nr " + std::to_string(err);
    }
}

std::string fileErrorMessage(const char* action, const std::string& path, int err) {
    std::string message = "Nie można ";
    message += action ? action : "użyć";
    message += " pliku „";
    message += path;
    message += "”: ";
    message += describeSystemError(err);
    message += '.';
    return message;
}

std::string notAnIntegerMessage(const std::string& text) {
    return "„" + text + "” nie jest poprawną liczbą całkowitą.";
}

} // namespace tarnik
