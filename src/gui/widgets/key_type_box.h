#pragma once

#include <QComboBox>

namespace orva {

// The type box of a key row: "Постановка/Снятие", "Принуждение", "Патруль". Every typed character is
// discarded (ComboBoxKeyTypeKeyPress), also while the list is open, so typing never picks an item; the
// type is chosen from the list or with the arrow keys.
class KeyTypeBox : public QComboBox
{
    Q_OBJECT
public:
    explicit KeyTypeBox(QWidget *parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    static bool IsTypedCharacter(const QKeyEvent *event);
};

} // namespace orva
