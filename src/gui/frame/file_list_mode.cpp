#include "frame/file_list_mode.h"

#include "config_text/win1251_codec.h"
#include "device_model/device.h"
#include "frame/bottom_buttons.h"
#include "frame/file_list_pictures.h"
#include "storage/list_field_scan.h"
#include "widgets/control_builders.h"
#include "widgets/fonts.h"

#include <QDir>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPalette>
#include <QTableWidget>
#include <QTimer>

#include <algorithm>
#include <numeric>

namespace orva {
namespace {

enum Column { TypeColumn, NameColumn, IdentifierColumn, FileColumn, ColumnCount };
constexpr int ColumnWidths[ColumnCount] = {25, 140, 185, 780};
const QColor CounterBusy(255, 0, 0);
const QColor CounterDone(0, 102, 204); // the system's hot-light colour
const QColor UnreadableText(160, 0, 0);

// The text of a row's cell as the sort compares it: upper case, then Windows-1251 bytes.
QByteArray sortKey(const QString &text)
{
    const EncodeResult encoded = EncodeWindows1251(text.toUpper());
    return encoded.ok() ? encoded.bytes : text.toUpper().toUtf8();
}

QString cellText(const ListRow &row, int column)
{
    switch (column) {
    case NameColumn:
        return row.unreadable ? QStringLiteral("(не читается)") : row.deviceName;
    case IdentifierColumn:
        return row.identifier;
    case FileColumn:
        return row.fileName;
    default:
        return {};
    }
}

PictureButton *listButton(QWidget *window, const char16_t *name, MainButton tag, const QRect &geometry)
{
    PictureButton *button = MakePictureButton(window, name, TagOf(tag), GlyphLayout::Top, geometry);
    button->setText(CaptionOf(ButtonCaptions(), TagOf(tag)));
    button->hide();
    return button;
}

} // namespace

FileListMode::FileListMode(QWidget *window, T_Command_DEVICE *listModel)
    : QObject(window), m_listModel(listModel)
{
    if (!m_listModel) {
        m_ownModel = std::make_unique<T_Command_DEVICE>();
        m_listModel = m_ownModel.get();
    }
    m_list = new QTableWidget(0, ColumnCount, window);
    m_list->setObjectName(QStringLiteral("ListFileConfig"));
    m_list->setGeometry(5, 8, 785, 473);
    m_list->setFont(CourierNewPx(19, Bold));
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setShowGrid(true);
    m_list->setWordWrap(false);
    m_list->verticalHeader()->hide();
    m_list->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_list->verticalHeader()->setDefaultSectionSize(26);
    const QStringList captions = {QString(), QStringLiteral("Псевдоним"), QStringLiteral("Идентификатор"),
                                  QStringLiteral("Файл")};
    for (int column = 0; column < ColumnCount; ++column) {
        auto *header = new QTableWidgetItem(FileListPicture(ListPicture::Unsorted), captions[column]);
        header->setTextAlignment(column == IdentifierColumn ? Qt::AlignCenter
                                                            : Qt::AlignLeft | Qt::AlignVCenter);
        m_list->setHorizontalHeaderItem(column, header);
    }
    QHeaderView *header = m_list->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::Fixed); // the user cannot drag the column widths
    header->setSectionsMovable(false);
    header->setSectionsClickable(true);
    header->setHighlightSections(false);
    header->setStretchLastSection(false);
    header->setMinimumSectionSize(ColumnWidths[TypeColumn]);
    for (int column = 0; column < ColumnCount; ++column)
        m_list->setColumnWidth(column, ColumnWidths[column]);
    // Tab leaves the list for its buttons instead of walking its cells (the window colours it yellow while
    // it is focused).
    m_list->setTabKeyNavigation(false);
    m_list->setAccessibleName(QStringLiteral("Список файлов конфигурации"));
    m_list->installEventFilter(this);
    m_list->hide();

    m_counter = new QLabel(window);
    m_counter->setObjectName(QStringLiteral("LabelPozList"));
    m_counter->setGeometry(250, 486, 310, 67);
    m_counter->setAlignment(Qt::AlignCenter);
    m_counter->setFont(ArialPx(27, Bold));
    m_counter->hide();

    m_cancel = listButton(window, u"B_CancelOpenList", MainButton::CancelOpenList, QRect(10, 486, 100, 67));
    m_open = listButton(window, u"B_OpenLIst", MainButton::OpenFromList, QRect(115, 486, 130, 67));
    m_manual = listButton(window, u"B_OpenDirectly", MainButton::OpenDirectly, QRect(565, 486, 225, 67));
    for (PictureButton *button : {m_cancel, m_open, m_manual})
        button->installEventFilter(this);

    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("TimerTestListConfig"));
    m_timer->setInterval(TimerInterval);
    m_examiner = new ListExaminer(this);

    connect(m_timer, &QTimer::timeout, this, &FileListMode::TimerTestListConfigTimer);
    // Queued: the workers signal from their threads.
    connect(m_examiner, &ListExaminer::FinishedWaiting, this, [this] {
        FillInExamined();
        UpdateCounterColour();
    });
    connect(header, &QHeaderView::sectionClicked, this, &FileListMode::ListFileConfigColumnClick);
    connect(m_list, &QTableWidget::itemSelectionChanged, this, &FileListMode::ListFileConfigSelectItem);
    connect(m_list, &QTableWidget::cellDoubleClicked, this, [this] { Q_EMIT OpenRequested(); });
    connect(m_open, &QPushButton::clicked, this, &FileListMode::OpenRequested);
    connect(m_cancel, &QPushButton::clicked, this, &FileListMode::CancelRequested);
    connect(m_manual, &QPushButton::clicked, this, &FileListMode::ManualRequested);
}

void FileListMode::OpenFileList(const QString &folder)
{
    m_examiner->Stop();
    m_arrived.clear();
    m_folder = folder;
    m_rows.clear();
    m_list->setRowCount(0);
    m_firstUnexamined = 0;
    m_unexamined = 0;
    SetHeaderMarks(-1);
    FindFileList(folder, ListFileType::Plain);
    FindFileList(folder, ListFileType::Container);
    m_ids.resize(m_rows.size());
    std::iota(m_ids.begin(), m_ids.end(), 0);
    m_rowOfId = m_ids;
    m_examiner->Load(folder, m_rows);
    if (m_timer->isActive())
        m_examiner->Start(UnexaminedInListOrder());
    if (m_list->rowCount() > 0) {
        m_list->setCurrentCell(0, 0);
        m_list->selectRow(0);
    }
    ListFileConfigSelectItem();
    SetTextColour(m_counter, HasUnexaminedRows() ? CounterBusy : CounterDone);
}

void FileListMode::FindFileList(const QString &folder, ListFileType type)
{
    const QStringList files = FindConfigurationFiles(folder, type);
    m_list->setRowCount(m_list->rowCount() + int(files.size()));
    int count = 0;
    for (const QString &file : files)
        AddRow(file, type, ++count <= ExaminedWhileBuilding);
}

void FileListMode::AddRow(const QString &fileName, ListFileType type, bool examineNow)
{
    m_rows.append(UnexaminedRow(fileName, type));
    const int index = int(m_rows.size()) - 1;
    if (examineNow && !LeftToWorkers(m_rows.at(index)))
        ExamineListRow(m_folder, m_rows[index], *m_listModel);
    else
        ++m_unexamined;
    ShowRow(index);
}

namespace {
QString typeName(const ListRow &row)
{
    return row.type == ListFileType::Container ? QStringLiteral("cry") : QStringLiteral("ini");
}
} // namespace

// The first time a row is shown its items are made whole before they go into the list; later the items
// are updated in place, so the view repaints only what changed.
void FileListMode::ShowRow(int index)
{
    const ListRow &row = m_rows.at(index);
    QTableWidgetItem *type = m_list->item(index, TypeColumn);
    if (!type) {
        type = new QTableWidgetItem(FileListPicture(TypePicture(row.type)), QString());
        type->setData(Qt::AccessibleTextRole, typeName(row));
        m_list->setItem(index, TypeColumn, type);
        for (int column = NameColumn; column < ColumnCount; ++column) {
            auto *item = new QTableWidgetItem(cellText(row, column));
            item->setToolTip(item->text()); // a text wider than its column stays readable
            if (column == IdentifierColumn)
                item->setTextAlignment(Qt::AlignCenter);
            if (row.unreadable)
                item->setForeground(UnreadableText);
            m_list->setItem(index, column, item);
        }
        return;
    }
    if (type->data(Qt::AccessibleTextRole).toString() != typeName(row)) {
        type->setIcon(FileListPicture(TypePicture(row.type)));
        type->setData(Qt::AccessibleTextRole, typeName(row));
    }
    for (int column = NameColumn; column < ColumnCount; ++column) {
        QTableWidgetItem *item = m_list->item(index, column);
        item->setText(cellText(row, column));
        item->setToolTip(item->text()); // a text wider than its column stays readable
        if (row.unreadable)
            item->setForeground(UnreadableText);
        else if (item->data(Qt::ForegroundRole).isValid())
            item->setData(Qt::ForegroundRole, QVariant());
    }
}

void FileListMode::SetRow(int id, const ListRow &row)
{
    const int index = m_rowOfId.at(id);
    if (!m_rows.at(index).examined && row.examined)
        --m_unexamined;
    m_rows[index] = row;
    ShowRow(index);
}

int FileListMode::FillInExamined()
{
    m_arrived.append(m_examiner->TakeFinished());
    QElapsedTimer clock;
    clock.start();
    int filled = 0;
    for (; filled < m_arrived.size(); ++filled) {
        if (filled > 0 && clock.elapsed() >= TickBudget)
            break;
        SetRow(m_arrived.at(filled).first, m_arrived.at(filled).second);
    }
    m_arrived.remove(0, filled);
    if (!m_arrived.isEmpty()) // the rest after the events waiting meanwhile
        QMetaObject::invokeMethod(
            this,
            [this] {
                FillInExamined();
                UpdateCounterColour();
            },
            Qt::QueuedConnection);
    return filled;
}

void FileListMode::TimerTestListConfigTimer()
{
    int filled = FillInExamined();
    // At least two rows per tick: the first unexamined rows in the list's order, waited for if a worker
    // has them, examined here if none has; large files only ever by the workers.
    while (filled < 2 && m_firstUnexamined < m_rows.size()) {
        const ListRow &row = m_rows.at(m_firstUnexamined);
        if (!row.examined && !LeftToWorkers(row)) {
            const int id = m_ids.at(m_firstUnexamined);
            SetRow(id, m_examiner->ExamineNow(id, *m_listModel));
            ++filled;
        }
        ++m_firstUnexamined;
    }
    UpdateCounterColour();
}

bool FileListMode::LeftToWorkers(const ListRow &row) const
{
    return row.type == ListFileType::Plain && IsLargeListFile(QDir(m_folder).filePath(row.fileName));
}

void FileListMode::UpdateCounterColour()
{
    if (HasUnexaminedRows())
        return;
    m_timer->stop();
    SetTextColour(m_counter, CounterDone);
}

bool FileListMode::HasUnexaminedRows() const
{
    return m_unexamined > 0;
}

QList<int> FileListMode::UnexaminedInListOrder() const
{
    QList<int> order;
    order.reserve(m_unexamined);
    for (int i = 0; i < m_rows.size(); ++i) {
        if (!m_rows.at(i).examined)
            order.append(m_ids.at(i));
    }
    return order;
}

void FileListMode::ListFileConfigColumnClick(int column)
{
    m_sortDirection = -m_sortDirection;
    const int d = m_sortDirection;
    const QString selected = SelectedFileName();
    // Each row's sort key once: the type, or the upper-cased cell text as Windows-1251 bytes.
    QList<std::pair<QByteArray, int>> keyed;
    keyed.reserve(m_rows.size());
    for (int i = 0; i < m_rows.size(); ++i) {
        const ListRow &row = m_rows.at(i);
        const QByteArray key =
            column == TypeColumn ? QByteArray(1, char(row.type)) : sortKey(cellText(row, column));
        keyed.append({key, i});
    }
    std::stable_sort(keyed.begin(), keyed.end(), [d](const auto &a, const auto &b) {
        return d > 0 ? a.first < b.first : b.first < a.first;
    });
    const QList<ListRow> rows = m_rows;
    const QList<int> ids = m_ids;
    for (int i = 0; i < keyed.size(); ++i) {
        m_rows[i] = rows.at(keyed.at(i).second);
        m_ids[i] = ids.at(keyed.at(i).second);
        m_rowOfId[m_ids.at(i)] = i;
    }
    for (int i = 0; i < m_rows.size(); ++i) {
        ShowRow(i);
        if (!selected.isEmpty() && m_rows.at(i).fileName == selected)
            m_list->selectRow(i);
    }
    m_firstUnexamined = 0;
    // The workers go on in the new order of the list.
    m_examiner->Reorder(UnexaminedInListOrder());
    SetHeaderMarks(column);
}

void FileListMode::SetHeaderMarks(int sortedColumn)
{
    for (int column = 0; column < ColumnCount; ++column) {
        const ListPicture picture =
            column != sortedColumn ? ListPicture::Unsorted
                                   : (m_sortDirection < 0 ? ListPicture::Descending : ListPicture::Ascending);
        m_list->horizontalHeaderItem(column)->setIcon(FileListPicture(picture));
    }
}

void FileListMode::SetListVisible(bool visible)
{
    m_list->setVisible(visible);
    m_counter->setVisible(visible);
    m_cancel->setVisible(visible);
    m_open->setVisible(visible);
    m_manual->setVisible(visible);
    if (visible) {
        m_timer->start();
        m_examiner->Start(UnexaminedInListOrder());
        m_list->setFocus();
    } else {
        m_timer->stop();
        m_examiner->Stop();
    }
}

int FileListMode::rowCount() const
{
    return int(m_rows.size());
}

QString FileListMode::SelectedFileName() const
{
    const int row = m_list->currentRow();
    const bool selected = row >= 0 && row < m_rows.size() && m_list->selectionModel()->isRowSelected(row);
    return selected ? m_rows.at(row).fileName : QString();
}

ListFileType FileListMode::SelectedType() const
{
    const int row = m_list->currentRow();
    return row >= 0 && row < m_rows.size() ? m_rows.at(row).type : ListFileType::Plain;
}

void FileListMode::ListFileConfigSelectItem()
{
    UpdateCounter();
    m_open->setEnabled(!SelectedFileName().isEmpty());
}

void FileListMode::UpdateCounter()
{
    const QString selected = SelectedFileName();
    const int position = selected.isEmpty() ? 0 : m_list->currentRow() + 1;
    m_counter->setText(QStringLiteral("%1 из %2").arg(position).arg(m_rows.size()));
}

// Enter in the list opens the selected file as a double click does; Home and End go to the first and
// the last file (a table would only go to the row's first and last column); Esc in the list or on one
// of its buttons is the "Отменить" button.
bool FileListMode::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (watched == m_list && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
            Q_EMIT OpenRequested();
            return true;
        }
        if (watched == m_list && (key == Qt::Key_Home || key == Qt::Key_End) && m_list->rowCount() > 0) {
            const int row = key == Qt::Key_Home ? 0 : m_list->rowCount() - 1;
            m_list->setCurrentCell(row, qMax(0, m_list->currentColumn()));
            m_list->scrollToItem(m_list->item(row, qMax(0, m_list->currentColumn())));
            return true;
        }
        if (key == Qt::Key_Escape) {
            Q_EMIT CancelRequested();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace orva
