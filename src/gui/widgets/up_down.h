#pragma once

#include <QWidget>

class QLineEdit;
class QTimer;

namespace orva {

// An up-down button pair bound to a numeric field: a step reads the field's number (the position when
// the field holds none), moves it by one within the range and writes it back into the field. A mouse
// press reports itself first, so the window can put the focus into the field. The up-down itself takes
// no focus: the Up and Down keys in its field step the value.
class UpDown : public QWidget
{
    Q_OBJECT
public:
    explicit UpDown(QWidget *parent = nullptr);

    void setAssociate(QLineEdit *edit);
    QLineEdit *associate() const { return m_associate; }
    void setRange(int minimum, int maximum);
    int minimum() const { return m_min; }
    int maximum() const { return m_max; }
    int position() const { return m_position; }
    void setPosition(int position);

    // One step up (+1) or down (-1), as a click on that half does.
    void step(int direction);

    QSize sizeHint() const override;

Q_SIGNALS:
    void mousePressed();
    void changed(int position);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QLineEdit *m_associate = nullptr;
    int m_min = 0;
    int m_max = 100;
    int m_position = 0;
    int m_pressed = 0; // the half held down: +1 upper, -1 lower, 0 none
    QTimer *m_repeat;
};

} // namespace orva
