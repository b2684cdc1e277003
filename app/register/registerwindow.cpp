#include "app/register/registerwindow.h"

#include <initializer_list>

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>

#include "app/help/helpcontext.h"
#include "app/help/windowhelp.h"
#include "app/platform/errorhandler.h"
#include "app/platform/pathutil.h"
#include "app/platform/prompts.h"
#include "app/register/registerdetail.h"
#include "app/register/registerindex.h"
#include "app/register/registermodel.h"
#include "app/register/registerscanner.h"
#include "app/wizard/wizard.h"
#include "core/base/errors.h"
#include "core/base/settings.h"
#include "core/base/textfile.h"
#include "core/register/registerexport.h"

namespace tarnik {

namespace {

const QString kTitle = QStringLiteral("Rejestr ocen");

// Now in UTC as a day number, for the calendar's time stamp.
DayNumber nowUtc() {
    const QDateTime now = QDateTime::currentDateTimeUtc();
    return double(QDate(1899, 12, 30).daysTo(now.date())) +
           double(now.time().msecsSinceStartOfDay()) / 86400000.0;
}

} // namespace

RegisterWindow::RegisterWindow(SettingsStore& settings, QString indexFile, QWidget* parent)
    : QWidget(parent, Qt::Window), settings_(settings), indexFile_(std::move(indexFile)) {
    setWindowTitle(kTitle);
    setAttribute(Qt::WA_DeleteOnClose, false);

    model_ = new RegisterModel(this);
    filter_ = new RegisterFilter(this);
    filter_->setSourceModel(model_);
    scanner_ = new RegisterScanner(indexFile_, this);

    // The folder, and the buttons that change it and read it again.
    auto* folderCaption = new QLabel(QStringLiteral("Folder:"), this);
    folderLabel_ = new QLabel(this);
    folderLabel_->setTextFormat(Qt::PlainText);
    folderLabel_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    folderLabel_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    folderLabel_->setAccessibleName(QStringLiteral("Folder"));
    change_ = new QPushButton(QStringLiteral("&Zmień folder..."), this);
    refresh_ = new QPushButton(QStringLiteral("&Odśwież"), this);
    auto* top = new QHBoxLayout;
    top->addWidget(folderCaption);
    top->addWidget(folderLabel_, 1);
    top->addWidget(change_);
    top->addWidget(refresh_);

    // The search field and the filters.
    auto* searchCaption = new QLabel(QStringLiteral("&Szukaj:"), this);
    search_ = new QLineEdit(this);
    search_->setClearButtonEnabled(true);
    searchCaption->setBuddy(search_);
    all_ = new QRadioButton(QStringLiteral("&wszystkie"), this);
    overdue_ = new QRadioButton(QStringLiteral("tylko &zaległe"), this);
    soon_ = new QRadioButton(QStringLiteral("zaległe i w &ciągu 30 dni"), this);
    all_->setChecked(true);
    auto* filters = new QHBoxLayout;
    filters->addWidget(searchCaption);
    filters->addWidget(search_, 1);
    filters->addSpacing(12);
    filters->addWidget(all_);
    filters->addWidget(overdue_);
    filters->addWidget(soon_);

    // The table and the station's history beside it.
    view_ = new QTableView(this);
    view_->setModel(filter_);
    view_->setSortingEnabled(true);
    view_->sortByColumn(RegisterModel::kPlik, Qt::AscendingOrder);
    view_->setSelectionBehavior(QAbstractItemView::SelectRows);
    view_->setSelectionMode(QAbstractItemView::SingleSelection);
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view_->setWordWrap(false);
    view_->verticalHeader()->hide();
    view_->verticalHeader()->setDefaultSectionSize(view_->fontMetrics().height() + 6);
    view_->horizontalHeader()->setStretchLastSection(true);
    view_->setAccessibleName(kTitle);
    view_->installEventFilter(this);
    const int columnWidths[] = {150, 170, 70, 60, 120, 90, 100, 200, 80, 80, 70, 160};
    for (int c = 0; c < RegisterModel::kColumnCount; ++c)
        view_->setColumnWidth(c, columnWidths[c]);
    detail_ = new RegisterDetail(this);
    auto* splitter = new QSplitter(Qt::Horizontal, this);
    splitter->addWidget(view_);
    splitter->addWidget(detail_);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 1);

    // The count, the progress of a scan and the exports.
    count_ = new QLabel(this);
    progress_ = new QProgressBar(this);
    progress_->setAccessibleName(QStringLiteral("Postęp odczytu"));
    progress_->setFormat(QStringLiteral("%v z %m"));
    cancel_ = new QPushButton(QStringLiteral("Anuluj"), this);
    auto* ics = new QPushButton(QStringLiteral("Eksportuj &terminy (.ics)..."), this);
    auto* csv = new QPushButton(QStringLiteral("Eksportuj t&abelę (.csv)..."), this);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(count_);
    bottom->addWidget(progress_, 1);
    bottom->addWidget(cancel_);
    bottom->addStretch();
    bottom->addWidget(ics);
    bottom->addWidget(csv);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(filters);
    layout->addWidget(splitter, 1);
    layout->addLayout(bottom);
    nameControlsByTheirLabels(this);
    setHelpContext(this, kHelpRegister);
    for (QWidget* c : std::initializer_list<QWidget*>{change_, refresh_, progress_, cancel_})
        setHelpContext(c, kHelpRegisterFolder);
    for (QWidget* c : std::initializer_list<QWidget*>{search_, all_, overdue_, soon_})
        setHelpContext(c, kHelpRegisterSearch);
    setHelpContext(detail_, kHelpRegisterHistory);
    setHelpContext(ics, kHelpRegisterExport);
    setHelpContext(csv, kHelpRegisterExport);

    connect(change_, &QPushButton::clicked, this, guarded([this] { chooseFolder(); }));
    connect(refresh_, &QPushButton::clicked, this, [this] { rescan(); });
    connect(cancel_, &QPushButton::clicked, scanner_, &RegisterScanner::cancel);
    connect(ics, &QPushButton::clicked, this, guarded([this] { exportCalendar(); }));
    connect(csv, &QPushButton::clicked, this, guarded([this] { exportTable(); }));
    connect(search_, &QLineEdit::textChanged, this, [this](const QString& text) {
        filter_->setSearch(text);
        updateCount();
    });
    auto due = [this](RegisterFilter::Due d) {
        return [this, d](bool checked) {
            if (!checked) return;
            filter_->setDue(d);
            updateCount();
        };
    };
    connect(all_, &QRadioButton::toggled, this, due(RegisterFilter::Due::All));
    connect(overdue_, &QRadioButton::toggled, this, due(RegisterFilter::Due::Overdue));
    connect(soon_, &QRadioButton::toggled, this, due(RegisterFilter::Due::OverdueOrSoon));
    connect(view_, &QTableView::doubleClicked, this, [this] { openCurrent(); });
    connect(detail_, &RegisterDetail::nextAssessmentRequested, this, [this](const QString& file) {
        emit nextAssessmentRequested(QDir(folder_).absoluteFilePath(file));
    });
    connect(detail_, &RegisterDetail::compareRequested, this,
            [this](const QString& older, const QString& newer) {
                emit compareRequested(QDir(folder_).absoluteFilePath(older),
                                      QDir(folder_).absoluteFilePath(newer));
            });
    connect(view_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this] { showDetail(); });
    connect(filter_, &QAbstractItemModel::modelReset, this, [this] { showDetail(); });
    connect(filter_, &QAbstractItemModel::rowsInserted, this, [this] { updateCount(); });
    connect(filter_, &QAbstractItemModel::rowsRemoved, this, [this] { updateCount(); });

    connect(scanner_, &RegisterScanner::progress, this, [this](int done, int total) {
        progress_->setMaximum(total);
        progress_->setValue(done);
    });
    connect(scanner_, &RegisterScanner::finished, this,
            [this](const std::vector<RegisterRow>& rows) {
                scanning(false);
                model_->setRows(rows, todayDayNumber());
                updateCount();
                // Files the main window saved while the scan ran.
                std::vector<QString> saved;
                saved.swap(pendingSaves_);
                for (const QString& f : saved)
                    fileSaved(f);
                emit scanEnded();
            });
    connect(scanner_, &RegisterScanner::cancelled, this, [this] {
        scanning(false);
        pendingSaves_.clear();
        emit scanEnded();
    });
    connect(scanner_, &RegisterScanner::failed, this, [this](const QString& message) {
        scanning(false);
        pendingSaves_.clear();
        model_->setRows({}, todayDayNumber());
        updateCount();
        showMessage(this, kTitleError, message);
        emit scanEnded();
    });

    scanning(false);
    updateCount();
    folder_ = QString::fromStdString(settings_.readString(kRegisterFolderSetting).value_or(""));
    folderLabel_->setText(folder_.isEmpty() ? QStringLiteral("(nie wybrano)")
                                            : QDir::toNativeSeparators(folder_));
    resize(1200, 640);
}

RegisterWindow::~RegisterWindow() = default;

void RegisterWindow::scanning(bool on) {
    progress_->setVisible(on);
    cancel_->setVisible(on);
    refresh_->setEnabled(!on);
    if (on) {
        progress_->setMaximum(0);
        progress_->setValue(0);
    }
}

void RegisterWindow::setFolder(const QString& folder) {
    folder_ = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    settings_.writeString(kRegisterFolderSetting, folder_.toStdString());
    folderLabel_->setText(QDir::toNativeSeparators(folder_));
    // The rows of another folder are not shown while this one is read.
    model_->setRows({}, todayDayNumber());
    updateCount();
    rescan();
}

void RegisterWindow::rescan() {
    if (folder_.isEmpty()) return;
    scanning(true);
    scanner_->start(folder_);
}

void RegisterWindow::chooseFolder() {
    const QString chosen =
        fileDialogs().folderName(this, QStringLiteral("Folder rejestru ocen"), folder_);
    if (chosen.isEmpty()) return;
    setFolder(chosen);
}

void RegisterWindow::setRows(std::vector<RegisterRow> rows) {
    if (scanner_->running()) scanner_->cancel();
    scanning(false);
    model_->setRows(std::move(rows), todayDayNumber());
    updateCount();
}

QString RegisterWindow::relativeName(const QString& fileName) const {
    if (folder_.isEmpty()) return {};
    const QString relative = QDir(folder_).relativeFilePath(QFileInfo(fileName).absoluteFilePath());
    if (relative.isEmpty() || relative.startsWith(QStringLiteral("../")) ||
        QDir::isAbsolutePath(relative))
        return {};
    return relative;
}

void RegisterWindow::fileSaved(const QString& fileName) {
    const QString relative = relativeName(fileName);
    if (relative.isEmpty() || !relative.endsWith(QStringLiteral(".trk"), Qt::CaseInsensitive))
        return;
    if (scanner_->running()) {
        pendingSaves_.push_back(fileName);
        return;
    }
    runGuarded(
        [&] {
            if (!index_) index_ = std::make_unique<RegisterIndex>(indexFile_);
            model_->setRow(index_->refresh(folder_, relative));
        },
        this);
    updateCount();
    showDetail();
}

std::vector<RegisterRow> RegisterWindow::shownRows() const {
    std::vector<RegisterRow> rows;
    const int n = filter_->rowCount();
    rows.reserve(std::size_t(n));
    for (int i = 0; i < n; ++i)
        rows.push_back(model_->registerRow(filter_->sourceRow(i)));
    return rows;
}

bool RegisterWindow::writeExport(const QString& title, const QString& filter, const QString& suffix,
                                 const std::string& bytes) {
    const QString chosen = fileDialogs().saveFileName(this, title, filter, suffix);
    if (chosen.isEmpty()) return false;
    QString name = chosen;
    if (QFileInfo(name).suffix().isEmpty()) name += QLatin1Char('.') + suffix;
    writeFileAtomically(toPath(name), bytes);
    return true;
}

bool RegisterWindow::exportCalendar() {
    return writeExport(QStringLiteral("Eksportuj terminy"),
                       QStringLiteral("kalendarz iCalendar (*.ics)|*.ics|wszystkie pliki|*.*"),
                       QStringLiteral("ics"), registerICalendar(shownRows(), nowUtc()));
}

bool RegisterWindow::exportTable() {
    return writeExport(QStringLiteral("Eksportuj tabelę"),
                       QStringLiteral("tabela CSV (*.csv)|*.csv|wszystkie pliki|*.*"),
                       QStringLiteral("csv"), registerCsv(shownRows(), model_->today()));
}

void RegisterWindow::openCurrent() {
    const QModelIndex current = view_->currentIndex();
    if (!current.isValid()) return;
    const RegisterRow& r = model_->registerRow(filter_->mapToSource(current).row());
    emit openRequested(QDir(folder_).absoluteFilePath(QString::fromStdString(r.file)));
}

bool RegisterWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == view_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            openCurrent();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void RegisterWindow::updateCount() {
    count_->setText(
        QStringLiteral("Pokazano: %1 z %2").arg(filter_->rowCount()).arg(model_->rowCount()));
}

void RegisterWindow::showDetail() {
    const QModelIndex current = view_->currentIndex();
    if (!current.isValid()) {
        detail_->showHistory({}, -1);
        return;
    }
    const int source = filter_->mapToSource(current).row();
    const RegisterRow& selected = model_->registerRow(source);
    if (!selected.readable()) {
        detail_->showHistory({}, -1, QString::fromStdString(selected.error));
        return;
    }
    std::vector<RegisterRow> rows;
    int at = -1;
    for (int i : model_->history(source)) {
        if (i == source) at = int(rows.size());
        rows.push_back(model_->registerRow(i));
    }
    detail_->showHistory(rows, at);
}

} // namespace tarnik
