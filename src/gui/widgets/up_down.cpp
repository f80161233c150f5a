#include "widgets/up_down.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QStyleOption>
#include <QStylePainter>
#include <QTimer>

namespace orva {
namespace {

constexpr int FirstRepeatDelay = 400;
constexpr int RepeatInterval = 60;

} // namespace

UpDown::UpDown(QWidget *parent) : QWidget(parent), m_repeat(new QTimer(this))
{
    setFocusPolicy(Qt::NoFocus);
    connect(m_repeat, &QTimer::timeout, this, [this] {
        m_repeat->setInterval(RepeatInterval);
        step(m_pressed);
    });
}

void UpDown::setAssociate(QLineEdit *edit)
{
    if (m_associate)
        m_associate->removeEventFilter(this);
    m_associate = edit;
    if (m_associate)
        m_associate->installEventFilter(this);
}

bool UpDown::eventFilter(QObject *watched, QEvent *event)
{
    // Up and Down in the field step its value as a click on the up-down does; the field keeps the focus.
    if (watched == m_associate && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const int direction = key->key() == Qt::Key_Up ? 1 : key->key() == Qt::Key_Down ? -1 : 0;
        if (direction != 0 && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier && isEnabled() &&
            m_associate->isEnabled() && !m_associate->isReadOnly()) {
            step(direction);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void UpDown::setRange(int minimum, int maximum)
{
    m_min = minimum;
    m_max = qMax(minimum, maximum);
    m_position = qBound(m_min, m_position, m_max);
}

void UpDown::setPosition(int position)
{
    m_position = qBound(m_min, position, m_max);
}

void UpDown::step(int direction)
{
    if (direction == 0)
        return;
    int current = m_position;
    if (m_associate) {
        bool ok = false;
        const int typed = m_associate->text().trimmed().toInt(&ok);
        if (ok)
            current = typed;
    }
    m_position = qBound(m_min, qBound(m_min, current, m_max) + direction, m_max);
    if (m_associate)
        m_associate->setText(QString::number(m_position));
    Q_EMIT changed(m_position);
}

QSize UpDown::sizeHint() const
{
    return {17, 24};
}

void UpDown::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    const int half = height() / 2;
    const QRect halves[2] = {QRect(0, 0, width(), half), QRect(0, half, width(), height() - half)};
    for (int i = 0; i < 2; ++i) {
        QStyleOptionButton button;
        button.initFrom(this);
        button.rect = halves[i];
        if ((i == 0 && m_pressed > 0) || (i == 1 && m_pressed < 0))
            button.state |= QStyle::State_Sunken;
        else
            button.state |= QStyle::State_Raised;
        painter.drawPrimitive(QStyle::PE_PanelButtonBevel, button);
        QStyleOption arrow;
        arrow.initFrom(this);
        arrow.rect = halves[i].adjusted(3, 2, -3, -2);
        painter.drawPrimitive(i == 0 ? QStyle::PE_IndicatorArrowUp : QStyle::PE_IndicatorArrowDown, arrow);
    }
}

void UpDown::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !isEnabled()) {
        QWidget::mousePressEvent(event);
        return;
    }
    Q_EMIT mousePressed();
    m_pressed = event->position().y() < height() / 2 ? 1 : -1;
    step(m_pressed);
    m_repeat->start(FirstRepeatDelay);
    update();
}

void UpDown::mouseReleaseEvent(QMouseEvent *event)
{
    m_repeat->stop();
    m_pressed = 0;
    update();
    QWidget::mouseReleaseEvent(event);
}

} // namespace orva
