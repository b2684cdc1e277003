#include "help/helptopics.h"

#include <QList>
#include <map>

namespace tarnik {

namespace {

const std::map<int, const char*>& topics() {
    static const std::map<int, const char*> t = {
        // The wizard's buttons.
        {1100, "nawigacja.html#wstecz"},
        {1200, "nawigacja.html#dalej"},
        // General data.
        {4020, "dane-ogolne.html#regon"},
        {4030, "dane-ogolne.html#nr"},
        {4040, "dane-ogolne.html#stanowisko"},
        {4050, "dane-ogolne.html#kod"},
        {4060, "dane-ogolne.html#liczba"},
        {4070, "dane-ogolne.html#odpowiedzialni"},
        {4080, "dane-ogolne.html#dodaj"},
        {4090, "dane-ogolne.html#usun"},
        {4100, "dane-ogolne.html#nowa-osoba"},
        {4110, "dane-ogolne.html#nowa-osoba"},
        {4120, "dane-ogolne.html#nowa-osoba"},
        {4130, "dane-ogolne.html#data"},
        {4140, "dane-ogolne.html#jednostka"},
        {4150, "dane-ogolne.html#komisja"},
        {4160, "dane-ogolne.html#dodaj"},
        {4170, "dane-ogolne.html#usun"},
        {4670, "dane-ogolne.html#nowa-osoba"},
        {4680, "dane-ogolne.html#nowa-osoba"},
        {4690, "dane-ogolne.html#nowa-osoba"},
        // Station description.
        {5500, "opis-stanowiska.html#lokalizacja"},
        // Training scope.
        {6500, "szkolenia.html#zakres"},
        // Workers.
        {7500, "pracownicy.html#lista"},
        {7600, "pracownicy.html#przyciski"},
        {7610, "pracownicy.html#przyciski"},
        {7710, "pracownicy.html#przyciski"},
        {7720, "pracownicy.html#dane"},
        {7730, "pracownicy.html#dane"},
        {7740, "pracownicy.html#grupa"},
        {7750, "pracownicy.html#dane"},
        {7760, "pracownicy.html#zatrudnienie"},
        {7770, "pracownicy.html#kwalifikacje"},
        {7780, "pracownicy.html#badania"},
        {7790, "pracownicy.html#badania"},
        {7800, "pracownicy.html#szkolenia"},
        {7810, "pracownicy.html#szkolenia"},
        {7910, "pracownicy.html#liczba"},
        {7911, "pracownicy.html#liczba"},
        {7912, "pracownicy.html#liczba"},
        {7913, "pracownicy.html#liczba"},
        {7914, "pracownicy.html#liczba"},
        // Factors.
        {8500, "czynniki.html#grupa"},
        {8510, "czynniki.html#lista"},
        {8520, "czynniki.html#nowy"},
        {8530, "czynniki.html#nowy"},
        // Measurement card.
        {9500, "karta-pomiaru.html#lista"},
        {9510, "karta-pomiaru.html#nazwa"},
        {9520, "karta-pomiaru.html#kod"},
        {9530, "karta-pomiaru.html#forma"},
        {9540, "karta-pomiaru.html#charakterystyka"},
        {9550, "karta-pomiaru.html#uzupelniajaca"},
        {9560, "karta-pomiaru.html#uzupelniajaca"},
        {9570, "karta-pomiaru.html#uzupelniajaca"},
        {9580, "karta-pomiaru.html#uzupelniajaca"},
        {9700, "karta-pomiaru.html#pomiar"},
        {9710, "karta-pomiaru.html#pomiar"},
        {9720, "karta-pomiaru.html#pomiar"},
        {9730, "karta-pomiaru.html#pomiar"},
        {9740, "karta-pomiaru.html#pomiar"},
        {9750, "karta-pomiaru.html#wymagania"},
        {9760, "karta-pomiaru.html#krotnosc"},
        // Hazard level card.
        {10500, "karta-zagrozen.html#parametry"},
        {10600, "karta-zagrozen.html#przywroc"},
        // Safety questions.
        {11500, "stan-bhp.html#nowe-pytanie"},
        {11600, "stan-bhp.html#odpowiedz"},
        {11700, "stan-bhp.html#pytania"},
        // Accidents.
        {12500, "wypadki.html#dane"},
        {12600, "wypadki.html#dane"},
        {12700, "wypadki.html#dane"},
        {12800, "wypadki.html#dane"},
        {12900, "wypadki.html#choroby"},
        // Supplementary card.
        {13500, "karta-uzupelniajaca.html#prawdopodobienstwo"},
        {13600, "karta-uzupelniajaca.html#prawdopodobienstwo"},
        {13700, "karta-uzupelniajaca.html#plan"},
        {13720, "karta-uzupelniajaca.html#plan"},
        {13730, "karta-uzupelniajaca.html#plan"},
        {13800, "karta-uzupelniajaca.html#ekspert"},
        {13900, "karta-uzupelniajaca.html#ekspert"},
        // Risk level.
        {14500, "poziom-ryzyka.html#granice"},
        // Plan and acquaintance list.
        {15500, "plan.html#tabela"},
        {17000, "lista-osob.html#drukuj"},
    };
    return t;
}

} // namespace

QString helpTopicUrl(int context) {
    const auto& t = topics();
    const auto it = t.find(context);
    return it == t.end() ? QString() : QString::fromLatin1(it->second);
}

QList<int> helpContextNumbers() {
    QList<int> out;
    for (const auto& [number, url] : topics())
        out << number;
    return out;
}

} // namespace tarnik
