// The register window: its table from rows of known values (texts, colours, sorting), the search
// and the due-date filters on both sides of their boundaries, the count, the station's history,
// the exports of the rows shown, opening a file in the main window, and a real scan of a folder.
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include "app/document/document.h"
#include "app/platform/qtsettingsstore.h"
#include "app/register/registerdetail.h"
#include "app/register/registermodel.h"
#include "app/register/registerscanner.h"
#include "app/register/registerwindow.h"
#include "app/shell/application.h"
#include "app/shell/documentcommands.h"
#include "app/shell/mainwindow.h"
#include "core/base/settings.h"
#include "core/register/registerexport.h"
#include "tests/app/support/assessmentfiles.h"
#include "tests/app/support/fixedtoday.h"
#include "tests/app/support/testsupport.h"

using namespace tarnik;
using namespace tarnik::testing;

namespace {

const DayNumber kToday = dayNumberFromCivil(2027, 3, 7);

RegisterRow row(std::string file, std::string zaklad, std::string stanowisko, int nr,
                DayNumber date, int level, std::string grade, NextAssessment next) {
    RegisterRow r;
    r.file = std::move(file);
    r.EdtZaklad = std::move(zaklad);
    r.EdtStanowisko = std::move(stanowisko);
    r.EdtKStan = "K1";
    r.EdtNr = nr;
    r.DTPOcena = date;
    r.riskLevel = level;
    r.riskGrade = std::move(grade);
    r.nextAssessment = next;
    return r;
}

NextAssessment on(DayNumber d) {
    return {NextAssessment::Kind::On, d};
}

RegisterRow unreadable(std::string file, std::string error) {
    RegisterRow r;
    r.file = std::move(file);
    r.error = std::move(error);
    return r;
}

// The shown texts of one column, top to bottom.
QStringList column(const RegisterWindow& w, int c) {
    QStringList out;
    const RegisterFilter& f = w.filter();
    for (int i = 0; i < f.rowCount(); ++i)
        out << f.index(i, c).data().toString();
    return out;
}

QStringList shownFiles(const RegisterWindow& w) {
    return column(w, RegisterModel::kPlik);
}

QByteArray readAll(const QString& file) {
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The calendar without its time stamp, which is the moment of the export.
QByteArray withoutStamp(QByteArray ics) {
    QList<QByteArray> kept;
    for (const QByteArray& line : ics.split('\n'))
        if (!line.startsWith("DTSTAMP")) kept << line;
    return kept.join('\n');
}

} // namespace

class RegisterWindowTest : public QObject, public WindowTestBase {
    Q_OBJECT

private:
    std::unique_ptr<FixedToday> today_;
    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<MemorySettingsStore> settings_;
    std::unique_ptr<RegisterWindow> win_;

    // A window over rows of known values; nothing is scanned.
    RegisterWindow& windowWith(std::vector<RegisterRow> rows) {
        settings_ = std::make_unique<MemorySettingsStore>();
        win_ = std::make_unique<RegisterWindow>(*settings_, dir_->filePath("index.sqlite"));
        win_->setRows(std::move(rows));
        return *win_;
    }

    static std::vector<RegisterRow> sample() {
        std::vector<RegisterRow> rows = {
            row("a.trk", "Mielec", "Spawacz", 10, dayNumberFromCivil(2025, 3, 1), 250, "MAŁE",
                on(dayNumberFromCivil(2027, 3, 1))),
            row("b.trk", "Łódź Sp. z o.o.", "Tokarz", 2, dayNumberFromCivil(2025, 2, 12), 1000,
                "ŚREDNIE", on(addDays(kToday, 5))),
            row("c.trk", "Lublin", "Ślusarz", 3, dayNumberFromCivil(2024, 12, 30), 4000,
                "BARDZO DUŻE", {NextAssessment::Kind::Immediately, 0}),
            row("d.trk", "Zakład Żółw", "Biuro", 1, dayNumberFromCivil(2026, 6, 1), 10,
                "BARDZO MAŁE", {}),
        };
        rows.push_back(unreadable("sub/zepsuty.trk", "Plik jest uszkodzony."));
        return rows;
    }

private slots:
    void init() {
        today_ = std::make_unique<FixedToday>(kToday);
        dir_ = std::make_unique<QTemporaryDir>();
    }
    void cleanup() {
        win_.reset();
        if (w) closeWindow();
        settings_.reset();
        dir_.reset();
        today_.reset();
    }

    void columnsAndTexts() {
        RegisterWindow& rw = windowWith(sample());
        QStringList titles;
        for (int c = 0; c < rw.filter().columnCount(); ++c)
            titles << rw.filter().headerData(c, Qt::Horizontal).toString();
        QCOMPARE(titles,
                 (QStringList{"Zakład", "Stanowisko", "Kod", "Nr oceny", "Data oceny",
                              "Poziom ryzyka", "Ocena", "Następna ocena", "Badania nieaktualne",
                              "Szkolenia nieaktualne", "Zadania planu", "Plik"}));
        // The exports write the same columns.
        std::vector<QString> core;
        for (const std::string& t : registerColumnTitles())
            core.push_back(QString::fromStdString(t));
        QCOMPARE(QStringList(core.begin(), core.end()), titles);

        RegisterRow r = row("x/ocena.trk", "Huta", "Walcownik", 7, dayNumberFromCivil(2026, 5, 4),
                            1250, "ŚREDNIE", on(addDays(kToday, 5)));
        r.planTasks = 3;
        r.workers = {{"Jan Kowalski", addDays(kToday, -1), addDays(kToday, 10)},
                     {"Anna Nowak", addDays(kToday, 1), addDays(kToday, -1)},
                     {"Piotr Wiśniewski", kToday, std::nullopt}};
        RegisterWindow& one = windowWith({r});
        QStringList texts;
        for (int c = 0; c < RegisterModel::kColumnCount; ++c)
            texts << one.filter().index(0, c).data().toString();
        // Examinations: overdue the day before and on today itself, current the day after.
        QCOMPARE(texts,
                 (QStringList{"Huta", "Walcownik", "K1", "7", "4 maja 2026", "1250", "ŚREDNIE",
                              "12 marca 2027 (za 5 dni)", "2", "1", "3", "x/ocena.trk"}));
        QCOMPARE(one.countLabel()->text(), QStringLiteral("Pokazano: 1 z 1"));
    }

    void dueDatesAndTheirColours() {
        RegisterWindow& rw = windowWith({
            row("past.trk", "A", "S", 1, 0, 0, "", on(addDays(kToday, -3))),
            row("today.trk", "A", "S", 1, 0, 0, "", on(kToday)),
            row("in30.trk", "A", "S", 1, 0, 0, "", on(addDays(kToday, 30))),
            row("in31.trk", "A", "S", 1, 0, 0, "", on(addDays(kToday, 31))),
            row("now.trk", "A", "S", 1, 0, 0, "BARDZO DUŻE",
                {NextAssessment::Kind::Immediately, 0}),
            row("none.trk", "A", "S", 1, 0, 0, "BARDZO MAŁE", {}),
        });
        const int c = RegisterModel::kNastepna;
        auto cell = [&](int r, int role) { return rw.filter().index(r, c).data(role); };
        // Sorted by file: in30, in31, none, now, past, today.
        QCOMPARE(shownFiles(rw), (QStringList{"in30.trk", "in31.trk", "none.trk", "now.trk",
                                              "past.trk", "today.trk"}));
        QCOMPARE(cell(0, Qt::DisplayRole).toString(),
                 QStringLiteral("6 kwietnia 2027 (za 30 dni)"));
        QCOMPARE(cell(1, Qt::DisplayRole).toString(), QStringLiteral("7 kwietnia 2027"));
        QCOMPARE(cell(2, Qt::DisplayRole).toString(), QString());
        QCOMPARE(cell(3, Qt::DisplayRole).toString(), QStringLiteral("niezwłocznie"));
        QCOMPARE(cell(4, Qt::DisplayRole).toString(), QStringLiteral("4 marca 2027 (3 dni temu)"));
        QCOMPARE(cell(5, Qt::DisplayRole).toString(), QStringLiteral("7 marca 2027 (dziś)"));

        const QColor red = cell(4, Qt::ForegroundRole).value<QColor>();
        const QColor amber = cell(0, Qt::ForegroundRole).value<QColor>();
        QVERIFY(red.isValid() && amber.isValid());
        QVERIFY(red.red() > 150 && red.green() < 80);
        QVERIFY(amber.red() > 150 && amber.green() > 80 && amber.blue() < 60);
        QCOMPARE(cell(5, Qt::ForegroundRole).value<QColor>(), amber); // today: still due, not past
        QCOMPARE(cell(3, Qt::ForegroundRole).value<QColor>(), red);   // "niezwłocznie"
        QVERIFY(!cell(1, Qt::ForegroundRole).isValid());              // day 31: no colour
        QVERIFY(!cell(2, Qt::ForegroundRole).isValid());

        // The grade in the colours of its band, as on the risk level page.
        const int g = RegisterModel::kOcena;
        QCOMPARE(rw.filter().index(3, g).data(Qt::BackgroundRole).value<QColor>(),
                 QColor(0xc6, 0x28, 0x28));
        QCOMPARE(rw.filter().index(2, g).data(Qt::BackgroundRole).value<QColor>(),
                 QColor(0x2e, 0x7d, 0x32));
        QVERIFY(!rw.filter().index(0, g).data(Qt::BackgroundRole).isValid());
    }

    void sortingByDateNumberAndText() {
        RegisterWindow& rw = windowWith(sample());
        QTableView* v = rw.view();
        // Dates as dates: "12 lutego 2025" comes before "1 marca 2025", "30 grudnia 2024" first.
        v->sortByColumn(RegisterModel::kDataOceny, Qt::AscendingOrder);
        QCOMPARE(shownFiles(rw),
                 (QStringList{"c.trk", "b.trk", "a.trk", "d.trk", "sub/zepsuty.trk"}));
        // Numbers as numbers: 10 after 3.
        v->sortByColumn(RegisterModel::kNr, Qt::AscendingOrder);
        QCOMPARE(column(rw, RegisterModel::kNr), (QStringList{"1", "2", "3", "10", ""}));
        v->sortByColumn(RegisterModel::kPoziom, Qt::DescendingOrder);
        QCOMPARE(shownFiles(rw).first(), QStringLiteral("sub/zepsuty.trk"));
        QCOMPARE(shownFiles(rw).mid(1), (QStringList{"c.trk", "b.trk", "a.trk", "d.trk"}));
        // Text in the Polish order: L, Ł, M, Z.
        v->sortByColumn(RegisterModel::kZaklad, Qt::AscendingOrder);
        QCOMPARE(column(rw, RegisterModel::kZaklad).mid(0, 4),
                 (QStringList{"Lublin", "Łódź Sp. z o.o.", "Mielec", "Zakład Żółw"}));
        // The next assessment: "niezwłocznie" first, then by date, then none.
        v->sortByColumn(RegisterModel::kNastepna, Qt::AscendingOrder);
        QCOMPARE(shownFiles(rw).mid(0, 4), (QStringList{"c.trk", "a.trk", "b.trk", "d.trk"}));
    }

    void searchIgnoresCaseAndPolishLetters() {
        RegisterWindow& rw = windowWith(sample());
        rw.searchField()->setText(QStringLiteral("LODZ"));
        QCOMPARE(shownFiles(rw), QStringList{"b.trk"});
        QCOMPARE(rw.countLabel()->text(), QStringLiteral("Pokazano: 1 z 5"));
        rw.searchField()->setText(QStringLiteral("żółw"));
        QCOMPARE(shownFiles(rw), QStringList{"d.trk"});
        rw.searchField()->setText(QStringLiteral("slusarz"));
        QCOMPARE(shownFiles(rw), QStringList{"c.trk"});
        // The unreadable file is found by its name and its message.
        rw.searchField()->setText(QStringLiteral("USZKODZONY"));
        QCOMPARE(shownFiles(rw), QStringList{"sub/zepsuty.trk"});
        rw.searchField()->setText(QStringLiteral("nic takiego"));
        QCOMPARE(shownFiles(rw), QStringList());
        QCOMPARE(rw.countLabel()->text(), QStringLiteral("Pokazano: 0 z 5"));
        rw.searchField()->clear();
        QCOMPARE(rw.countLabel()->text(), QStringLiteral("Pokazano: 5 z 5"));
    }

    void filtersOnBothSidesOfTheirBoundaries() {
        RegisterRow examDue = row("exam.trk", "A", "S", 1, 0, 0, "", on(addDays(kToday, 200)));
        examDue.workers = {{"Jan", kToday, std::nullopt}};
        RegisterRow examLater =
            row("examlater.trk", "A", "S", 1, 0, 0, "", on(addDays(kToday, 200)));
        examLater.workers = {{"Jan", addDays(kToday, 1), addDays(kToday, 1)}};
        RegisterRow training = row("training.trk", "A", "S", 1, 0, 0, "", {});
        training.workers = {{"Jan", addDays(kToday, 100), addDays(kToday, -1)}};
        RegisterWindow& rw = windowWith({
            row("past.trk", "A", "S", 1, 0, 0, "", on(addDays(kToday, -1))),
            row("today.trk", "A", "S", 1, 0, 0, "", on(kToday)),
            row("in30.trk", "A", "S", 1, 0, 0, "", on(addDays(kToday, 30))),
            row("in31.trk", "A", "S", 1, 0, 0, "", on(addDays(kToday, 31))),
            row("now.trk", "A", "S", 1, 0, 0, "", {NextAssessment::Kind::Immediately, 0}),
            row("none.trk", "A", "S", 1, 0, 0, "", {}),
            examDue,
            examLater,
            training,
            unreadable("zly.trk", "Nie można otworzyć pliku."),
        });
        QVERIFY(rw.allFilter()->isChecked());
        QCOMPARE(shownFiles(rw).size(), 10);

        rw.overdueFilter()->setChecked(true);
        QCOMPARE(shownFiles(rw),
                 (QStringList{"exam.trk", "now.trk", "past.trk", "training.trk", "zly.trk"}));
        QCOMPARE(rw.countLabel()->text(), QStringLiteral("Pokazano: 5 z 10"));

        rw.soonFilter()->setChecked(true);
        QCOMPARE(shownFiles(rw), (QStringList{"exam.trk", "in30.trk", "now.trk", "past.trk",
                                              "today.trk", "training.trk", "zly.trk"}));

        // The search narrows the filter further.
        rw.searchField()->setText(QStringLiteral("PAST"));
        QCOMPARE(shownFiles(rw), QStringList{"past.trk"});
        rw.searchField()->clear();
        rw.allFilter()->setChecked(true);
        QCOMPARE(rw.countLabel()->text(), QStringLiteral("Pokazano: 10 z 10"));
    }

    void unreadableFileIsListedWithItsMessage() {
        RegisterWindow& rw = windowWith(sample());
        const int r = int(shownFiles(rw).indexOf(QStringLiteral("sub/zepsuty.trk")));
        QVERIFY(r >= 0);
        const QModelIndex grade = rw.filter().index(r, RegisterModel::kOcena);
        QVERIFY(grade.data().toString().contains(QStringLiteral("Plik jest uszkodzony.")));
        QVERIFY(rw.filter()
                    .index(r, RegisterModel::kZaklad)
                    .data(Qt::ToolTipRole)
                    .toString()
                    .contains(QStringLiteral("Plik jest uszkodzony.")));
        // Selecting it tells why in the detail pane.
        rw.view()->setCurrentIndex(rw.filter().index(r, 0));
        QVERIFY(rw.detail()->title()->text().contains(QStringLiteral("Plik jest uszkodzony.")));
        QCOMPARE(rw.detail()->table()->rowCount(), 0);
    }

    void historyOfTheSelectedStation() {
        std::vector<RegisterRow> rows = {
            row("2026.trk", "Huta", "Walcownik", 3, dayNumberFromCivil(2026, 1, 10), 250, "MAŁE",
                {}),
            row("2024.trk", "HUTA ", "walcownik", 1, dayNumberFromCivil(2024, 1, 10), 1250,
                "ŚREDNIE", {}),
            row("2025.trk", "Huta", "Walcownik", 2, dayNumberFromCivil(2025, 1, 10), 1000,
                "ŚREDNIE", {}),
            row("inna.trk", "Huta", "Suwnicowy", 1, dayNumberFromCivil(2025, 1, 10), 40, "MAŁE",
                {}),
        };
        RegisterWindow& rw = windowWith(rows);
        rw.view()->setCurrentIndex(rw.filter().index(2, 0)); // 2026.trk (sorted by file)
        QCOMPARE(rw.filter().index(2, RegisterModel::kPlik).data().toString(),
                 QStringLiteral("2026.trk"));
        QTableWidget* t = rw.detail()->table();
        QCOMPARE(t->rowCount(), 3);
        QStringList dates, levels, changes;
        for (int i = 0; i < 3; ++i) {
            dates << t->item(i, 0)->text();
            levels << t->item(i, 2)->text();
            changes << t->item(i, 3)->text();
        }
        QCOMPARE(dates, (QStringList{"10 stycznia 2024", "10 stycznia 2025", "10 stycznia 2026"}));
        QCOMPARE(levels, (QStringList{"1250", "1000", "250"}));
        QCOMPARE(changes,
                 (QStringList{"", QStringLiteral("\u2212250"), QStringLiteral("\u2212750")}));
        QCOMPARE(rw.detail()->chart().data().values, (std::vector<double>{1250, 1000, 250}));
        QVERIFY(t->item(2, 0)->font().bold()); // the selected assessment
        QVERIFY(!t->item(0, 0)->font().bold());

        // A station with one assessment has no change; a rise shows its plus sign.
        rw.view()->setCurrentIndex(rw.filter().index(3, 0));
        QCOMPARE(t->rowCount(), 1);
        QCOMPARE(rw.detail()->chart().data().values, std::vector<double>{40});
        QCOMPARE(changeText(250), QStringLiteral("+250"));
        QCOMPARE(changeText(-1000), QStringLiteral("\u22121000"));

        // "Nowa ocena..." starts from the latest assessment of the station; "Porównaj" takes
        // the two selected, or the one selected and the one before it.
        rw.setFolder(dir_->path());
        rw.setRows(rows);
        QSignalSpy next(&rw, &RegisterWindow::nextAssessmentRequested);
        QSignalSpy compare(&rw, &RegisterWindow::compareRequested);
        rw.view()->setCurrentIndex(rw.filter().index(1, 0)); // 2025.trk
        QCOMPARE(t->rowCount(), 3);
        QVERIFY(rw.detail()->nextButton()->isEnabled());
        QTest::mouseClick(rw.detail()->nextButton(), Qt::LeftButton);
        QCOMPARE(next.count(), 1);
        QCOMPARE(next[0][0].toString(), dir_->filePath(QStringLiteral("2026.trk")));
        QVERIFY(rw.detail()->compareButton()->isEnabled()); // 2025 with 2024
        QTest::mouseClick(rw.detail()->compareButton(), Qt::LeftButton);
        QCOMPARE(compare.count(), 1);
        QCOMPARE(compare[0][0].toString(), dir_->filePath(QStringLiteral("2024.trk")));
        QCOMPARE(compare[0][1].toString(), dir_->filePath(QStringLiteral("2025.trk")));
        t->selectionModel()->select(t->model()->index(0, 0), QItemSelectionModel::ClearAndSelect |
                                                                 QItemSelectionModel::Rows);
        QVERIFY(!rw.detail()->compareButton()->isEnabled()); // the oldest has none before it
        t->selectionModel()->select(t->model()->index(2, 0),
                                    QItemSelectionModel::Select | QItemSelectionModel::Rows);
        QVERIFY(rw.detail()->compareButton()->isEnabled());
        QTest::mouseClick(rw.detail()->compareButton(), Qt::LeftButton);
        QCOMPARE(compare[1][0].toString(), dir_->filePath(QStringLiteral("2024.trk")));
        QCOMPARE(compare[1][1].toString(), dir_->filePath(QStringLiteral("2026.trk")));
        t->selectionModel()->select(t->model()->index(1, 0),
                                    QItemSelectionModel::Select | QItemSelectionModel::Rows);
        QVERIFY(!rw.detail()->compareButton()->isEnabled()); // three are no pair
        rw.view()->setCurrentIndex(QModelIndex());
        rw.view()->clearSelection();
        QVERIFY(!rw.detail()->nextButton()->isEnabled());
    }

    void exportsWriteTheRowsShownInTheirOrder() {
        prompts = std::make_unique<ScriptedPrompts>();
        RegisterRow a = row("a.trk", "A", "S", 1, dayNumberFromCivil(2025, 1, 1), 100, "MAŁE",
                            on(addDays(kToday, -2)));
        a.workers = {{"Jan Kowalski", addDays(kToday, 3), addDays(kToday, 40)}};
        RegisterRow b = row("b.trk", "B", "S", 2, dayNumberFromCivil(2025, 1, 1), 200, "MAŁE",
                            on(addDays(kToday, 100)));
        RegisterRow c = row("c.trk", "C", "S", 3, dayNumberFromCivil(2025, 1, 1), 300, "DUŻE",
                            {NextAssessment::Kind::Immediately, 0});
        RegisterWindow& rw = windowWith({a, b, c});
        rw.overdueFilter()->setChecked(true);
        rw.view()->sortByColumn(RegisterModel::kNr, Qt::DescendingOrder);
        QCOMPARE(shownFiles(rw), (QStringList{"c.trk", "a.trk"}));

        const QString csv = dir_->filePath("rejestr.csv");
        const QString ics = dir_->filePath("terminy"); // the extension is added
        prompts->saveNames << csv << ics;
        QVERIFY(rw.exportTable());
        QVERIFY(rw.exportCalendar());
        const std::string wantCsv = registerCsv({c, a}, kToday);
        QCOMPARE(readAll(csv), QByteArray::fromStdString(wantCsv));
        QCOMPARE(withoutStamp(readAll(ics + QStringLiteral(".ics"))),
                 withoutStamp(QByteArray::fromStdString(registerICalendar({c, a}, 0))));
        QCOMPARE(prompts->saveSuffixes, (QStringList{"csv", "ics"}));

        // A cancelled dialog writes nothing.
        QVERIFY(!rw.exportTable());
        QCOMPARE(QDir(dir_->path()).entryList({"*.csv"}).size(), 1);
    }

    void enterAndDoubleClickOpenTheFileInTheMainWindow() {
        openWindow();
        QTemporaryDir folder;
        const QString first = folder.filePath("pierwsza.trk");
        const QString second = folder.filePath("druga.trk");
        QVERIFY(writeFullAssessmentFile(first));
        QVERIFY(writeFullAssessmentFile(second));
        {
            QtSettingsStore store;
            store.writeString(kRegisterFolderSetting, folder.path().toStdString());
        }
        RegisterWindow* r = w->registerWindow();
        QCOMPARE(r->folder(), folder.path());
        r->setRows({row("druga.trk", "A", "S", 1, 0, 0, "", {}),
                    row("pierwsza.trk", "A", "S", 1, 0, 0, "", {})});
        r->show();
        QVERIFY(QTest::qWaitForWindowExposed(r));

        // Unsaved changes: the question comes first, and "Anuluj" keeps the document.
        w->document().SetSaved(false);
        prompts->answers << Reply::Cancel;
        r->view()->setFocus();
        r->view()->setCurrentIndex(r->filter().index(1, 0));
        QTest::keyClick(r->view(), Qt::Key_Return);
        QCOMPARE(prompts->questionsWithCancel, 1);
        QVERIFY(w->document().CurrentFileName().isEmpty());

        prompts->answers << false; // "Nie": the changes are dropped
        QTest::keyClick(r->view(), Qt::Key_Enter);
        QCOMPARE(QFileInfo(w->document().CurrentFileName()), QFileInfo(first));
        QVERIFY(w->document().IsSaved());

        // Nothing to save: a double click opens without a question.
        const QModelIndex other = r->filter().index(0, RegisterModel::kStanowisko);
        const QRect cell = r->view()->visualRect(other);
        QTest::mouseClick(r->view()->viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseDClick(r->view()->viewport(), Qt::LeftButton, {}, cell.center());
        QCOMPARE(QFileInfo(w->document().CurrentFileName()), QFileInfo(second));
        QCOMPARE(prompts->questionsWithCancel, 2);
        QVERIFY(prompts->messages().isEmpty());
    }

    // "Anuluj" during a real scan: the scan stops, the window says so by hiding the progress and
    // offering "Odśwież" again, and a new scan then lists every file.
    void cancellingAScanAndScanningAgain() {
        QTemporaryDir folder;
        for (const char* name : {"a.trk", "b.trk", "sub/c.trk"}) {
            QVERIFY(QDir().mkpath(QFileInfo(folder.filePath(name)).path()));
            QVERIFY(writeFullAssessmentFile(folder.filePath(name)));
        }
        RegisterWindow& r = windowWith({});
        r.show();
        QVERIFY(QTest::qWaitForWindowExposed(&r));
        QSignalSpy ended(&r, &RegisterWindow::scanEnded);
        QSignalSpy cancelled(&r.scanner(), &RegisterScanner::cancelled);
        r.setFolder(folder.path());
        QVERIFY(r.cancelButton()->isVisible());
        QVERIFY(r.progressBar()->isVisible());
        QTest::mouseClick(r.cancelButton(), Qt::LeftButton);
        QVERIFY(ended.count() > 0 || ended.wait(30000));
        QCOMPARE(cancelled.count(), 1);
        QVERIFY(!r.cancelButton()->isVisible());
        QVERIFY(!r.progressBar()->isVisible());
        QVERIFY(!r.scanner().running());
        QCOMPARE(r.countLabel()->text(), QStringLiteral("Pokazano: 0 z 0"));
        // The window answers while nothing is scanned: the search filters the empty table.
        QTest::keyClicks(r.searchField(), QStringLiteral("x"));
        QCOMPARE(r.countLabel()->text(), QStringLiteral("Pokazano: 0 z 0"));
        r.searchField()->clear();

        QPushButton* refresh = nullptr;
        for (QPushButton* b : r.findChildren<QPushButton*>())
            if (b->text() == QStringLiteral("&Odśwież")) refresh = b;
        QVERIFY(refresh && refresh->isEnabled());
        QTest::mouseClick(refresh, Qt::LeftButton);
        QVERIFY(ended.wait(30000));
        QCOMPARE(cancelled.count(), 1);
        QCOMPARE(shownFiles(r), (QStringList{"a.trk", "b.trk", "sub/c.trk"}));
        QCOMPARE(r.countLabel()->text(), QStringLiteral("Pokazano: 3 z 3"));
    }

    void menuEntryAndChangingTheFolder() {
        openWindow();
        QAction* a = w->registerAction();
        QCOMPARE(a->text(), QStringLiteral("&Rejestr ocen..."));
        QCOMPARE(a->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_R));
        QTemporaryDir folder;
        prompts->folderNames << folder.path();
        a->trigger(); // no folder kept yet: the dialog asks for one
        RegisterWindow* r = w->registerWindow();
        QVERIFY(r->isVisible());
        QCOMPARE(r->windowTitle(), QStringLiteral("Rejestr ocen"));
        QCOMPARE(r->folder(), QDir(folder.path()).absolutePath());
        QtSettingsStore store;
        QCOMPARE(QString::fromStdString(store.readString(kRegisterFolderSetting).value_or("")),
                 r->folder());
        QSignalSpy ended(r, &RegisterWindow::scanEnded);
        QVERIFY(ended.count() > 0 || ended.wait(10000));
        QCOMPARE(r->countLabel()->text(), QStringLiteral("Pokazano: 0 z 0"));
        // Every control is named for the screen reader.
        for (QWidget* c : r->findChildren<QWidget*>())
            if (c->focusPolicy() != Qt::NoFocus && c->isVisible() && !c->inherits("QScrollBar") &&
                !c->inherits("QHeaderView") && c->parentWidget() &&
                !c->parentWidget()->inherits("QAbstractScrollArea"))
                QVERIFY2(!c->accessibleName().isEmpty() ||
                             !c->property("text").toString().isEmpty(),
                         c->metaObject()->className());
        // A cancelled folder dialog keeps the folder.
        const QString kept = r->folder();
        r->chooseFolder();
        QCOMPARE(r->folder(), kept);
    }
};

TARNIK_TEST_MAIN(RegisterWindowTest)

#include "test_registerwindow.moc"
