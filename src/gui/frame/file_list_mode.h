#pragma once

#include "storage/file_list.h"
#include "storage/list_examiner.h"
#include "widgets/picture_button.h"

#include <QObject>

#include <memory>

class QLabel;
class QTableWidget;
class QTimer;

namespace orva {

class T_Command_DEVICE;

// List mode of the main window: the configuration files of the list folder with the device name and
// identifier inside each, replacing the pages while the installer picks one panel's file. The first
// nine files of each kind are examined while the list is built; while the list is shown, the rest are
// examined by worker threads in the list's order (also after a sort) and filled in as they arrive, in
// small batches, so the window answers input at once even for thousands of files. The timer tick fills
// in at least two rows itself. A large plain file is examined by the workers only.
class FileListMode : public QObject
{
    Q_OBJECT
public:
    static constexpr int ExaminedWhileBuilding = 9;
    static constexpr int TimerInterval = 50; // ms
    static constexpr int TickBudget = 8;     // ms of filling in rows at a time (at least two per tick)

    // `listModel` is the scratch model plain files are parsed into (the window's list model); it may be
    // given later with SetListModel.
    FileListMode(QWidget *window, T_Command_DEVICE *listModel = nullptr);
    void SetListModel(T_Command_DEVICE *listModel) { m_listModel = listModel; }

    QTableWidget *ListFileConfig() const { return m_list; }
    QLabel *LabelPozList() const { return m_counter; }
    PictureButton *B_CancelOpenList() const { return m_cancel; }
    PictureButton *B_OpenLIst() const { return m_open; }
    QTimer *TimerTestListConfig() const { return m_timer; }

    // Rebuilds the list from the folder: plain files, then containers.
    void OpenFileList(const QString &folder);
    void FindFileList(const QString &folder, ListFileType type);
    // Shows (list mode) or hides the list, its counter and its three buttons; starts or stops the timer.
    void SetListVisible(bool visible);
    // One timer tick: fills in the rows the workers examined, and examines at least two rows in all.
    void TimerTestListConfigTimer();
    // Sorts by a column with the one shared direction, which each click negates.
    void ListFileConfigColumnClick(int column);

    QString folder() const { return m_folder; }
    int rowCount() const;
    // The selected row's file, or an empty name without a selection.
    QString SelectedFileName() const;
    ListFileType SelectedType() const;
    bool HasUnexaminedRows() const;
    const ListRow &Row(int index) const { return m_rows.at(index); }

Q_SIGNALS:
    void OpenRequested();   // double click, Enter or "Открыть файл"
    void CancelRequested(); // "Отменить" or Esc
    void ManualRequested(); // "Выбрать файл \"в ручную\""

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void AddRow(const QString &fileName, ListFileType type, bool examineNow);
    void ShowRow(int index);
    // Fills in the rows the workers examined, for at most TickBudget ms; returns how many.
    int FillInExamined();
    void SetRow(int id, const ListRow &row);
    // A large plain file is examined only by the workers, never on the window's thread: reading it
    // would keep the window from answering.
    bool LeftToWorkers(const ListRow &row) const;
    // The ids of the rows not examined yet, in the list's order: the workers' order.
    QList<int> UnexaminedInListOrder() const;
    void UpdateCounterColour();
    void ListFileConfigSelectItem();
    void UpdateCounter();
    void SetHeaderMarks(int sortedColumn);

    QTableWidget *m_list = nullptr;
    QLabel *m_counter = nullptr;
    PictureButton *m_cancel = nullptr;
    PictureButton *m_open = nullptr;
    PictureButton *m_manual = nullptr;
    QTimer *m_timer = nullptr;
    T_Command_DEVICE *m_listModel = nullptr;
    std::unique_ptr<T_Command_DEVICE> m_ownModel; // until the window's list model is given
    QString m_folder;
    QList<ListRow> m_rows; // in the order shown
    QList<int> m_ids;      // the examiner's id of each row shown
    QList<int> m_rowOfId;  // where the row of an id is shown
    ListExaminer *m_examiner = nullptr;
    QList<ListExaminer::Examined> m_arrived; // examined, not filled in yet
    int m_firstUnexamined = 0;               // no row before it is unexamined, but those left to workers
    int m_unexamined = 0;                    // rows not examined yet
    int m_sortDirection = 1;                 // shared by all columns, never reset
};

} // namespace orva
