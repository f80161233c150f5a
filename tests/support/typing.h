#pragma once

#include <QApplication>
#include <QKeyEvent>
#include <QString>
#include <QWidget>

namespace orva::test {

// Types the text into the widget character by character, as a keyboard does: a key press and a key
// release carrying each character (Cyrillic included, which QTest::keyClicks cannot send).
inline void Type(QWidget *field, const QString &text)
{
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(field, &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(field, &release);
    }
}

} // namespace orva::test
