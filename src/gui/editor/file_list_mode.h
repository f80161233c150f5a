#pragma once

#include "dialogs/picture_button.h"
#include "storage/file_list.h"

#include <QObject>

#include <memory>

class QLabel;
class QTableWidget;
class QTimer;

namespace orva {

class T_Command_DEVICE;

// List mode of the main window: the configuration files of the list folder with the device name and
// identifier inside each, replacing the pages while the installer picks one panel's file. The first
// nine files of each kind are examined while the list is built, the rest by a timer within a small time
// budget per tick, so the window answers input at once even for thousands of files.
class FileListMode : public QObject
{
    Q_OBJECT
public:
    static constexpr int ExaminedWhileBuilding = 9;
    static constexpr int TimerInterval = 50; // ms
    static constexpr int TickBudget = 20;    // ms of examining per tick, at least two rows

    // `listModel` is the scratch model plain files are parsed into (the window's list model); it may be
    // given later with SetListModel.
    FileListMode(QWidget *window, T_Command_DEVICE *listModel = nullptr);
    void SetListModel(T_Command_DEVICE *listModel) { m_listModel = listModel; }

    QTableWidget *ListFileConfig() const { return m_list; }
    QLabel *LabelPozList() const { return m_counter; }
    PictureButton *B_CancelOpenList() const { return m_cancel; }
    PictureButton *B_OpenLIst() const { return m_open; }
    PictureButton *B_OpenDirectly() const { return m_manual; }
    QTimer *TimerTestListConfig() const { return m_timer; }

    // Rebuilds the list from the folder: plain files, then containers.
    void OpenFileList(const QString &folder);
    void FindFileList(const QString &folder, ListFileType type);
    // Shows (list mode) or hides the list, its counter and its three buttons; starts or stops the timer.
    void SetListVisible(bool visible);
    // One timer tick: examines rows that are not examined yet.
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
    void Examine(int index);
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
    int m_firstUnexamined = 0;
    int m_sortDirection = 1; // shared by all columns, never reset
};

} // namespace orva
