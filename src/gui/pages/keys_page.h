#pragma once

#include "pages/editor_page.h"

#include "device_model/device.h"

#include <QColor>

#include <array>

class QCheckBox;
class QLabel;
class QLineEdit;

namespace orva {

class FieldEdit;
class KeyTypeBox;

// The page "Ключи" (TabKeys): the fifteen user keys, one row each, with alias, type, (hidden) zones and
// whether the panel has learned the key. The rows are built at run time by Create_Keys. Every edit goes
// into the model at once, so UnLoad_Keys has nothing to do.
class KeysPage : public EditorPage
{
    Q_OBJECT
public:
    // The controls of one key row.
    struct KeyRow
    {
        QLabel *label = nullptr;   // "Ключ №1:"
        FieldEdit *name = nullptr; // E_Key_Name<i>: the alias without its type mark
        KeyTypeBox *type = nullptr;
        std::array<QCheckBox *, T_Command_DEVICE::ZoneCount> zones{};
        std::array<QLabel *, T_Command_DEVICE::ZoneCount> zoneLabels{};
        QLineEdit *code = nullptr; // the learned key's code, shown as "*", never editable
        // The alias as the file held it or the user typed it. A change of type starts from it, so that
        // passing a type that shortens aliases and coming back loses no character.
        QString typedAlias;
    };

    KeysPage(PageHost &host, QWidget *tab);

    // Builds the fifteen rows; the window runs it once when it is created.
    void Create_Keys();
    void Redraw_Keys();
    void UnLoad_Keys();
    void Keys_RedrawElements();

    // Stores text as the alias of key i (mark included) and refreshes that key's name elsewhere.
    void Keys_SaveName(int key, const QString &text);
    // The colour of a type box showing this type.
    static QColor GetColorKeyType(int type);

    const KeyRow &Row(int key) const { return m_rows[key - 1]; }

    void load() override { Redraw_Keys(); }
    void store() override { UnLoad_Keys(); }
    void createLateControls() override { Create_Keys(); }

Q_SIGNALS:
    // Key i's alias or type was stored. The SMS-by-keys page shows the keys by name and refreshes the
    // caption of that key (SMSK_Redraw_KeyName).
    void KeyNameChanged(int key);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void CreateHeaders(); // key_rows.cpp
    // The key whose row holds the control, or 0.
    int KeyOf(const QObject *control) const;

    // Handlers.
    void EditKeyName_Change(int key);
    void CB_Key_TypeChange(int key, int type);
    void CB_Key_ZoneChange(int key, int zone);

    std::array<KeyRow, T_Command_DEVICE::KeyCount> m_rows{};
};

} // namespace orva
