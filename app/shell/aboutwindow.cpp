#include "app/shell/aboutwindow.h"

#include <QCursor>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTextEdit>
#include <QVBoxLayout>

#include "core/version.h"

namespace tarnik {

namespace {

struct VersionNotes {
    const char* line;
    std::initializer_list<const char*> notes;
};

// Newest first.
const VersionNotes kHistory[] = {
    {"Wersja 2.18",
     {"Opisy stanowiska (rodzaj produkcji, technologia i pozostałe) zapisywane w pliku oceny w "
      "pełnej długości.",
      "Nowe pola „Środki ochrony indywidualnej” i „Środki ochrony zbiorowej”.",
      "Okno „O programie...” pojawia się przy wskaźniku myszy."}},
    {"Wersja 2.17",
     {"Wskaźnik ochrony liczony z pytań o stosowanie środków ochrony indywidualnej.",
      "Poprawione zaokrąglanie skali wykresu poziomu ryzyka."}},
    {"Wersja 2.16",
     {"Możliwość zmiany granic przedziałów ryzyka na stronie „Poziom ryzyka”.",
      "Daty kolejnej oceny w zaleceniach zależne od wielkości ryzyka."}},
    {"Wersja 2.15",
     {"Listy podpowiedzi: zakłady, osoby, członkowie komisji, czynniki, wykonawcy i metody "
      "pomiarów.",
      "Przyciski „Wstaw...” przy polach, które można wypełnić z list."}},
    {"Wersja 2.14",
     {"Karta uzupełniająca dla czynników biologicznych i uciążliwych.",
      "Zależności między polami „nie do zaakceptowania w stosunku do...”."}},
    {"Wersja 2.13",
     {"Edytor katalogów czynników i pytań (menu „Właściwości”).",
      "Czynnik można dodać do katalogu na stałe."}},
    {"Wersja 2.12",
     {"Sprawdzanie aktualności szkoleń okresowych i badań lekarskich pracowników.",
      "Ostrzeżenia przy nieaktualnych szkoleniach i badaniach."}},
    {"Wersja 2.11",
     {"Wydruk: wybór zakresu stron i okno przebiegu przygotowania wydruku.",
      "Opcja drukowania bez polskich znaków dla starszych drukarek."}},
    {"Wersja 2.10",
     {"Plan poprawy warunków pracy w postaci tabeli z zawijanym tekstem.",
      "Lista osób zapoznanych z wynikami oceny drukowana z miejscami na podpisy."}},
    {"Wersja 2.09",
     {"Wskaźnik realizacji planu poprawy dla kolejnych ocen stanowiska.",
      "Nowy format pliku oceny (TRK2090)."}},
    {"Wersja 2.08",
     {"Oświetlenie i prąd elektryczny opisywane jako „spełnia wymagania: tak / nie”."}},
    {"Wesja 2.07", {"Wskaźnik eksperta z uzasadnieniem na karcie uzupełniającej."}},
    {"Wersja 2.06",
     {"Wskaźniki wypadkowości: częstości, ciężkości i chorób zawodowych na 1000 zatrudnionych."}},
    {"Wersja 2.05",
     {"Wykresy wskaźników narażenia i poziomu ryzyka.",
      "Poprawki w wydruku karty poziomu zagrożeń."}},
    {"Wersja 2.04", {"Ankieta oceny stanu bhp: możliwość dopisania własnych pytań."}},
    {"Wersja 2.03",
     {"Rejestr pracowników z podziałem na grupy; liczby pracowników liczone z rejestru."}},
    {"Wersja 2.02", {"Skład komisji i osoby odpowiedzialne za bezpieczeństwo na stanowisku."}},
    {"Wersja 2.01", {"Poprawki po pierwszych wdrożeniach: zapis i odczyt plików ocen."}},
    {"Wersja 2.0 ", {"Pierwsze wydanie programu w postaci kreatora oceny ryzyka zawodowego."}},
};

} // namespace

QString AboutWindow::historyHtml() {
    QString html = QStringLiteral("<p><b>Historia zmian</b></p>");
    for (const VersionNotes& v : kHistory) {
        html += QStringLiteral("<p style=\"margin-bottom:0\"><b>") +
                QString::fromUtf8(v.line).toHtmlEscaped() + QStringLiteral("</b></p>");
        int n = 1;
        html += QStringLiteral("<p style=\"margin-top:0\">");
        for (const char* note : v.notes)
            html += QString::number(n++) + QStringLiteral(". ") +
                    QString::fromUtf8(note).toHtmlEscaped() + QStringLiteral("<br>");
        html += QStringLiteral("</p>");
    }
    html += QStringLiteral("<p>kwiecień 2002</p>");
    return html;
}

AboutWindow::AboutWindow(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Info"));
    setModal(false);
    auto* layout = new QVBoxLayout(this);
    title_ = new QLabel(this);
    title_->setTextFormat(Qt::RichText);
    title_->setText(QStringLiteral("<b>Tarnik %1</b><br>"
                                   "Pracownia Oprogramowania BHP Tarnik<br>"
                                   "ul. Bezpieczna 12, 30-001 Kraków<br>"
                                   "tel. 12 345 67 89, e-mail: pomoc@tarnik.example.pl")
                        .arg(QLatin1String(kProgramVersion)));
    title_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(title_);

    history_ = new QTextEdit(this);
    history_->setReadOnly(true);
    QPalette pal = history_->palette();
    pal.setColor(QPalette::Base, pal.color(QPalette::Button));
    history_->setPalette(pal);
    history_->setHtml(historyHtml());
    layout->addWidget(history_, 1);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setFixedSize(153, 25 + 4);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(ok);
    row->addStretch(1);
    layout->addLayout(row);
    resize(368, 266);
}

QPoint placeWithinScreen(const QPoint& point, const QSize& size, const QRect& screen) {
    int x = point.x();
    int y = point.y();
    if (x + size.width() > screen.right() + 1) x = screen.right() + 1 - size.width();
    if (y + size.height() > screen.bottom() + 1) y = screen.bottom() + 1 - size.height();
    if (x < screen.left()) x = screen.left();
    if (y < screen.top()) y = screen.top();
    return {x, y};
}

void AboutWindow::showAtCursor() {
    const QPoint cursor = QCursor::pos();
    const QScreen* screen = QGuiApplication::screenAt(cursor);
    if (!screen) screen = QGuiApplication::primaryScreen();
    showAt(cursor, screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768));
}

void AboutWindow::showAt(const QPoint& point, const QRect& screen) {
    // The frame is known only once the window has been shown; until then the client size and
    // the usual decorations stand for it.
    ensurePolished();
    QSize frame = frameGeometry().size();
    if (!isVisible()) frame = size() + QSize(8, 30);
    move(placeWithinScreen(point, frame, screen));
    show();
    raise();
    activateWindow();
}

} // namespace tarnik
