#include "history_dialog.h"

#include "files/whole_file.h"
#include "register/register_export.h"
#include "road/road_class.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

namespace vexlor {
namespace {

// The table's columns: a caption and the record's text in it. The time
// shows in local time and sorts by its UTC text.
struct HistoryColumn {
    const char *caption;
    QString RegisterRecord::*field;
};

const QList<HistoryColumn> &historyColumns()
{
    static const QList<HistoryColumn> columns{
        {QT_TRANSLATE_NOOP("vexlor::HistoryDialog", "Time"), nullptr},
        {QT_TRANSLATE_NOOP("vexlor::HistoryDialog", "Operation"), &RegisterRecord::operation},
        {QT_TRANSLATE_NOOP("vexlor::HistoryDialog", "Bike"), &RegisterRecord::bike},
        {QT_TRANSLATE_NOOP("vexlor::HistoryDialog", "Before"), &RegisterRecord::fingerprintBefore},
        {QT_TRANSLATE_NOOP("vexlor::HistoryDialog", "After"), &RegisterRecord::fingerprintAfter},
        {QT_TRANSLATE_NOOP("vexlor::HistoryDialog", "Outcome"), &RegisterRecord::outcome},
        {QT_TRANSLATE_NOOP("vexlor::HistoryDialog", "Road class"), &RegisterRecord::roadClass},
        {QT_TRANSLATE_NOOP("vexlor::HistoryDialog", "Check"), &RegisterRecord::roadCheck},
        {QT_TRANSLATE_NOOP("vexlor::HistoryDialog", "Message"), &RegisterRecord::message},
        {QT_TRANSLATE_NOOP("vexlor::HistoryDialog", "Document"), &RegisterRecord::documentPath},
        {QT_TRANSLATE_NOOP("vexlor::HistoryDialog", "Backup"), &RegisterRecord::backupPath},
        {QT_TRANSLATE_NOOP("vexlor::HistoryDialog", "Controller"), &RegisterRecord::controllerVersion},
        {QT_TRANSLATE_NOOP("vexlor::HistoryDialog", "Port"), &RegisterRecord::port},
        {QT_TRANSLATE_NOOP("vexlor::HistoryDialog", "Cable"), &RegisterRecord::cableSerial},
        {QT_TRANSLATE_NOOP("vexlor::HistoryDialog", "User"), &RegisterRecord::user},
        {QT_TRANSLATE_NOOP("vexlor::HistoryDialog", "Host"), &RegisterRecord::host},
        {QT_TRANSLATE_NOOP("vexlor::HistoryDialog", "Version"), &RegisterRecord::toolVersion},
    };
    return columns;
}

constexpr int kRecordRole = Qt::UserRole + 1; // the record's place in shown()

// The register keeps operations, outcomes and checks as fixed words for
// scripts; the table shows them in the window's language.
struct RecordWord {
    const char *code;
    struct {
        const char *source;
        const char *comment;
    } text;
};

constexpr RecordWord kRecordWords[] = {
    {operations::kRead, QT_TRANSLATE_NOOP3("vexlor::HistoryDialog", "Read", "History: an operation")},
    {operations::kWrite, QT_TRANSLATE_NOOP3("vexlor::HistoryDialog", "Write", "History: an operation")},
    {operations::kCompare, QT_TRANSLATE_NOOP3("vexlor::HistoryDialog", "Compare", "History: an operation")},
    {operations::kRestore, QT_TRANSLATE_NOOP3("vexlor::HistoryDialog", "Backup written back", "History: an operation")},
    {operations::kSheet, QT_TRANSLATE_NOOP3("vexlor::HistoryDialog", "Settings sheet", "History: an operation")},
    {outcomes::kDone, QT_TRANSLATE_NOOP3("vexlor::HistoryDialog", "Done", "History: how an operation ended")},
    {outcomes::kFailed, QT_TRANSLATE_NOOP3("vexlor::HistoryDialog", "Failed", "History: how an operation ended")},
    {outcomes::kDifferent,
     QT_TRANSLATE_NOOP3("vexlor::HistoryDialog", "Values differ", "History: how a comparison ended")},
    {road_checks::kKeeps, QT_TRANSLATE_NOOP3("vexlor::HistoryDialog", "Keeps the class", "History: the road class check")},
    {road_checks::kBreaks, QT_TRANSLATE_NOOP3("vexlor::HistoryDialog", "Breaks the class", "History: the road class check")},
};

// What a cell shows for `text` of `field`: a fixed word or a road class in
// the window's language, anything else as kept.
QString shownText(QString RegisterRecord::*field, const QString &text)
{
    if (field == &RegisterRecord::roadClass) {
        const RoadClass *roadClass = findRoadClass(text);
        return roadClass ? roadClassName(*roadClass) : text;
    }
    if (field != &RegisterRecord::operation && field != &RegisterRecord::outcome
        && field != &RegisterRecord::roadCheck)
        return text;
    for (const RecordWord &word : kRecordWords) {
        if (text == QLatin1String(word.code))
            return HistoryDialog::tr(word.text.source, word.text.comment);
    }
    return text;
}

QLabel *captionFor(QWidget *field, const QString &caption, QWidget *parent)
{
    auto *label = new QLabel(caption, parent);
    label->setBuddy(field);
    return label;
}

} // namespace

HistoryDialog::HistoryDialog(Register *records, QWidget *parent)
    : QDialog(parent)
    , m_records(records)
{
    setObjectName(QStringLiteral("HistoryDialog"));
    // A window of its own beside the main window: closing the main window
    // still ends the program while History is open.
    setAttribute(Qt::WA_QuitOnClose, false);
    //: the title of Connect > History...: the register of every operation
    setWindowTitle(tr("History"));
    auto *layout = new QVBoxLayout(this);
    buildFilterRow();
    m_problem = new QLabel(this);
    m_problem->setObjectName(QStringLiteral("HistoryProblem"));
    m_problem->setWordWrap(true);
    m_problem->hide();
    layout->addWidget(m_problem);
    m_source = new QLabel(this);
    m_source->setObjectName(QStringLiteral("HistorySource"));
    m_source->setWordWrap(true);
    m_source->hide();
    layout->addWidget(m_source);
    buildTable();
    buildButtons();
    resize(900, 420);
}

void HistoryDialog::buildFilterRow()
{
    auto *row = new QHBoxLayout;
    m_bike = new QLineEdit(this);
    m_bike->setObjectName(QStringLiteral("HistoryBike"));
    m_sinceOn = new QCheckBox(tr("&From:"), this);
    m_sinceOn->setObjectName(QStringLiteral("HistorySinceOn"));
    m_since = new QDateEdit(QDate::currentDate(), this);
    m_since->setObjectName(QStringLiteral("HistorySince"));
    m_since->setCalendarPopup(true);
    m_since->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    m_since->setEnabled(false);
    m_since->setAccessibleName(tr("From"));
    m_fingerprint = new QLineEdit(this);
    m_fingerprint->setObjectName(QStringLiteral("HistoryFingerprint"));
    row->addWidget(captionFor(m_bike, tr("&Bike:"), this));
    row->addWidget(m_bike, 2);
    row->addWidget(m_sinceOn);
    row->addWidget(m_since);
    row->addWidget(captionFor(m_fingerprint, tr("F&ingerprint:"), this));
    row->addWidget(m_fingerprint, 1);
    static_cast<QVBoxLayout *>(layout())->addLayout(row);
    connect(m_bike, &QLineEdit::textChanged, this, &HistoryDialog::applyFilter);
    connect(m_fingerprint, &QLineEdit::textChanged, this, &HistoryDialog::applyFilter);
    connect(m_since, &QDateEdit::dateChanged, this, &HistoryDialog::applyFilter);
    connect(m_sinceOn, &QCheckBox::toggled, this, [this](bool on) {
        m_since->setEnabled(on);
        applyFilter();
    });
}

void HistoryDialog::buildTable()
{
    m_model = new QStandardItemModel(this);
    m_sorted = new QSortFilterProxyModel(this);
    m_sorted->setSourceModel(m_model);
    m_sorted->setSortRole(Qt::UserRole);
    m_table = new QTableView(this);
    m_table->setObjectName(QStringLiteral("HistoryTable"));
    m_table->setAccessibleName(tr("History"));
    m_table->setModel(m_sorted);
    m_table->setSortingEnabled(true);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setStretchLastSection(true);
    static_cast<QVBoxLayout *>(layout())->addWidget(m_table, 1);
}

void HistoryDialog::buildButtons()
{
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    m_openDocument = buttons->addButton(tr("Open &Document"), QDialogButtonBox::ActionRole);
    m_openBackup = buttons->addButton(tr("Open B&ackup"), QDialogButtonBox::ActionRole);
    m_sheet = buttons->addButton(tr("&Settings Sheet…"), QDialogButtonBox::ActionRole);
    m_export = buttons->addButton(tr("&Export CSV…"), QDialogButtonBox::ActionRole);
    m_openDocument->setObjectName(QStringLiteral("HistoryOpenDocument"));
    m_openBackup->setObjectName(QStringLiteral("HistoryOpenBackup"));
    m_sheet->setObjectName(QStringLiteral("HistorySheet"));
    m_export->setObjectName(QStringLiteral("HistoryExport"));
    static_cast<QVBoxLayout *>(layout())->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_openDocument, &QPushButton::clicked, this, [this] {
        if (const RegisterRecord *record = selectedRecord())
            emit openFileRequested(record->documentPath);
    });
    connect(m_openBackup, &QPushButton::clicked, this, [this] {
        if (const RegisterRecord *record = selectedRecord())
            emit openFileRequested(record->backupPath);
    });
    connect(m_sheet, &QPushButton::clicked, this, [this] {
        if (const RegisterRecord *record = selectedRecord())
            emit sheetRequested(sheetSource(*record));
    });
    connect(m_export, &QPushButton::clicked, this, &HistoryDialog::chooseCsvFile);
    connect(m_table->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &HistoryDialog::updateButtons);
    updateButtons();
}

void HistoryDialog::refresh()
{
    QString error;
    if (!m_records) {
        error = NoRegister().unavailableReason();
        m_all.clear();
    } else {
        m_all = m_records->records(error);
        if (error.isEmpty())
            error = m_records->unavailableReason();
    }
    m_problem->setText(error);
    m_problem->setVisible(!error.isEmpty());
    const QString source = m_records && error.isEmpty() ? m_records->readNote() : QString();
    m_source->setText(source);
    m_source->setVisible(!source.isEmpty());
    m_table->setVisible(error.isEmpty());
    applyFilter();
}

void HistoryDialog::setFilter(const RegisterFilter &filter)
{
    m_bike->setText(filter.bike);
    m_fingerprint->setText(filter.fingerprint);
    m_sinceOn->setChecked(filter.since.isValid());
    if (filter.since.isValid())
        m_since->setDate(filter.since);
    applyFilter();
}

void HistoryDialog::applyFilter()
{
    RegisterFilter filter;
    filter.bike = m_bike->text().trimmed();
    filter.fingerprint = m_fingerprint->text().trimmed();
    if (m_sinceOn->isChecked())
        filter.since = m_since->date();
    m_shown = filteredRecords(m_all, filter);
    fillTable();
}

void HistoryDialog::fillTable()
{
    m_model->clear();
    QStringList captions;
    for (const HistoryColumn &column : historyColumns())
        captions.append(tr(column.caption));
    m_model->setHorizontalHeaderLabels(captions);
    for (qsizetype i = 0; i < m_shown.size(); ++i) {
        const RegisterRecord &record = m_shown[i];
        QList<QStandardItem *> row;
        for (const HistoryColumn &column : historyColumns()) {
            auto *item = new QStandardItem;
            if (column.field) {
                item->setText(shownText(column.field, record.*column.field));
                item->setData(record.*column.field, Qt::UserRole);
            } else {
                item->setText(record.time.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
                item->setData(record.time.toUTC().toString(Qt::ISODateWithMs), Qt::UserRole);
            }
            item->setData(int(i), kRecordRole);
            row.append(item);
        }
        m_model->appendRow(row);
    }
    m_table->sortByColumn(0, Qt::DescendingOrder); // newest first
    m_table->resizeColumnsToContents();
    updateButtons();
}

const RegisterRecord *HistoryDialog::recordAtRow(int row) const
{
    const QModelIndex index = m_sorted->index(row, 0);
    if (!index.isValid())
        return nullptr;
    const int place = index.data(kRecordRole).toInt();
    return place >= 0 && place < m_shown.size() ? &m_shown[place] : nullptr;
}

const RegisterRecord *HistoryDialog::selectedRecord() const
{
    const QModelIndexList rows = m_table->selectionModel()->selectedRows();
    return rows.isEmpty() ? nullptr : recordAtRow(rows.first().row());
}

QString HistoryDialog::sheetSource(const RegisterRecord &record)
{
    return record.documentPath.endsWith(QLatin1String(".vxc"), Qt::CaseInsensitive) ? record.documentPath
                                                                                     : record.backupPath;
}

void HistoryDialog::updateButtons()
{
    const RegisterRecord *record = selectedRecord();
    const auto exists = [](const QString &path) { return !path.isEmpty() && QFileInfo::exists(path); };
    m_openDocument->setEnabled(record && exists(record->documentPath));
    m_openBackup->setEnabled(record && exists(record->backupPath));
    m_sheet->setEnabled(record && exists(sheetSource(*record)));
    m_export->setEnabled(!m_shown.isEmpty());
}

QString HistoryDialog::exportCsv(const QString &path) const
{
    return writeWholeFile(path, registerCsv(m_shown)) ? QString() : cannotCreateFileMessage(path);
}

void HistoryDialog::chooseCsvFile()
{
    //: the file dialog's filter for the CSV export of the history
    const QString path = QFileDialog::getSaveFileName(this, tr("Export CSV"), QStringLiteral("history.csv"),
                                                      tr("CSV files (*.csv)"));
    if (path.isEmpty())
        return;
    const QString error = exportCsv(path);
    if (!error.isEmpty()) {
        m_problem->setText(error);
        m_problem->show();
    }
}

} // namespace vexlor
