// The key-press filters of the entry fields, typed and pasted, and the typing limit that never cuts a
// text the program puts in.
#include "../../support/typing.h"
#include "widgets/field_edit.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTest>

using namespace orva;
using orva::test::Type;

Q_DECLARE_METATYPE(orva::KeyFilter)

class FieldEditTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void typedCharacters_data();
    void typedCharacters();
    void pastedTextIsFiltered_data();
    void pastedTextIsFiltered();
    void backspaceAlwaysWorks();
    void typingStopsAtTheLimit();
    void pasteIsCutToTheRoomLeft();
    void pasteReplacesTheSelection();
    void programTextIsKeptWhole();
    void longProgramTextIsKeptWhole();
    void ctrlShortcutsTypeNothing();
    void clickIntoAGroupedFieldSelectsIt_data();
    void clickIntoAGroupedFieldSelectsIt();
    void contextMenuPasteIsFiltered();
};

void FieldEditTest::init()
{
    QGuiApplication::clipboard()->clear();
}

void FieldEditTest::typedCharacters_data()
{
    QTest::addColumn<KeyFilter>("filter");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    QTest::newRow("key: Latin, digits, blank, Cyrillic")
        << KeyFilter::FileKey << QStringLiteral("Ab 9Жя") << QStringLiteral("Ab 9Жя");
    QTest::newRow("key: no Ё/ё, no punctuation")
        << KeyFilter::FileKey << QStringLiteral("aЁbё_c.-") << QStringLiteral("abc");
    QTest::newRow("text: no blank, underscore allowed")
        << KeyFilter::Text << QStringLiteral("a b_Щ1!") << QStringLiteral("ab_Щ1");
    QTest::newRow("phone") << KeyFilter::PhoneNumber << QStringLiteral("+7 (912) 34-5#*a")
                           << QStringLiteral("+7912345#*");
    QTest::newRow("digits") << KeyFilter::Digital << QStringLiteral("1a2 3-4") << QStringLiteral("1234");
    QTest::newRow("hex") << KeyFilter::Hex << QStringLiteral("0aFgG9z") << QStringLiteral("0aF9");
    QTest::newRow("address: digits, points and commas")
        << KeyFilter::Address << QStringLiteral("10.0,a-1 2") << QStringLiteral("10.0,12");
    QTest::newRow("key dialog: [ \\ ] ^ _ ` admitted")
        << KeyFilter::KeyDialog << QStringLiteral("[\\]^_`{!Ёф") << QStringLiteral("[\\]^_`ф");
    QTest::newRow("file name mask") << KeyFilter::FileNameMask << QStringLiteral("a:b*c?d<e>f|g\"h/i\\j.k")
                                    << QStringLiteral("abcdefghij.k");
}

void FieldEditTest::typedCharacters()
{
    QFETCH(KeyFilter, filter);
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    FieldEdit field;
    field.setKeyFilter(filter);
    Type(&field, typed);
    QCOMPARE(field.text(), kept);
}

void FieldEditTest::pastedTextIsFiltered_data()
{
    typedCharacters_data();
}

// A pasted address loses only its blanks: a port or prefix length stays, for leaving the field to
// refuse, rather than running into the last group as another address.
void FieldEditTest::pastedTextIsFiltered()
{
    QFETCH(KeyFilter, filter);
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    if (filter == KeyFilter::Address)
        kept = QString(typed).remove(u' ');
    FieldEdit field;
    field.setKeyFilter(filter);
    QGuiApplication::clipboard()->setText(typed);
    QTest::keySequence(&field, QKeySequence::Paste);
    QCOMPARE(field.text(), kept);
}

void FieldEditTest::backspaceAlwaysWorks()
{
    FieldEdit field;
    field.setKeyFilter(KeyFilter::Digital);
    Type(&field, QStringLiteral("123"));
    QTest::keyClick(&field, Qt::Key_Backspace);
    QCOMPARE(field.text(), QStringLiteral("12"));
}

void FieldEditTest::typingStopsAtTheLimit()
{
    FieldEdit field;
    field.setKeyFilter(KeyFilter::Digital);
    field.setTypingLimit(3);
    Type(&field, QStringLiteral("12345"));
    QCOMPARE(field.text(), QStringLiteral("123"));
    // Typing over a selection replaces it and fits.
    field.selectAll();
    Type(&field, QStringLiteral("9"));
    QCOMPARE(field.text(), QStringLiteral("9"));
}

void FieldEditTest::pasteIsCutToTheRoomLeft()
{
    FieldEdit field;
    field.setKeyFilter(KeyFilter::Digital);
    field.setTypingLimit(5);
    Type(&field, QStringLiteral("12"));
    QGuiApplication::clipboard()->setText(QStringLiteral("3-4-5-6-7"));
    QTest::keySequence(&field, QKeySequence::Paste);
    QCOMPARE(field.text(), QStringLiteral("12345"));
}

void FieldEditTest::pasteReplacesTheSelection()
{
    FieldEdit field;
    field.setKeyFilter(KeyFilter::PhoneNumber);
    field.setTypingLimit(4);
    field.setText(QStringLiteral("1234"));
    field.setSelection(1, 2);
    QGuiApplication::clipboard()->setText(QStringLiteral("ab+9#"));
    QTest::keySequence(&field, QKeySequence::Paste);
    QCOMPARE(field.text(), QStringLiteral("1+94"));
}

void FieldEditTest::programTextIsKeptWhole()
{
    FieldEdit field;
    field.setKeyFilter(KeyFilter::Text);
    field.setTypingLimit(5);
    const QString fromFile = QStringLiteral("длинное имя.с точкой");
    field.setText(fromFile);
    QCOMPARE(field.text(), fromFile);
    // No room left: typing adds nothing, the text stays as it was.
    field.end(false);
    Type(&field, QStringLiteral("x"));
    QCOMPARE(field.text(), fromFile);
}

// Longer than QLineEdit's usual maxLength of 32767.
void FieldEditTest::longProgramTextIsKeptWhole()
{
    FieldEdit field;
    const QString fromFile(40000, u'a');
    field.setText(fromFile);
    QCOMPARE(field.text(), fromFile);
}

// Ctrl with a letter is a shortcut, also when the key event carries the letter: Ctrl+A selects.
void FieldEditTest::ctrlShortcutsTypeNothing()
{
    FieldEdit field;
    field.setKeyFilter(KeyFilter::Digital);
    field.setText(QStringLiteral("90"));
    QTest::keyClick(&field, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(field.selectedText(), QStringLiteral("90"));
    QTest::keyClick(&field, Qt::Key_Backspace);
    QCOMPARE(field.text(), QString());
}

void FieldEditTest::clickIntoAGroupedFieldSelectsIt_data()
{
    QTest::addColumn<bool>("selectAllOnEntry");
    QTest::addColumn<QString>("afterTyping");
    QTest::newRow("grouped field: typing replaces the text") << true << QStringLiteral("1");
    QTest::newRow("plain field: the click places the cursor") << false << QStringLiteral("000.000.000.0001");
}

void FieldEditTest::clickIntoAGroupedFieldSelectsIt()
{
    QFETCH(bool, selectAllOnEntry);
    QFETCH(QString, afterTyping);
    QWidget window;
    auto *other = new FieldEdit(&window);
    auto *field = new FieldEdit(&window);
    field->move(0, 40);
    field->setKeyFilter(KeyFilter::Address);
    field->setSelectAllOnEntry(selectAllOnEntry);
    field->setText(QStringLiteral("000.000.000.000"));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    other->setFocus();
    QTest::mouseClick(field, Qt::LeftButton, {}, QPoint(field->width() - 4, field->height() / 2));
    QVERIFY(field->hasFocus());
    QTest::keyClicks(field, QStringLiteral("1"));
    QCOMPARE(field->text(), afterTyping);
}

void FieldEditTest::contextMenuPasteIsFiltered()
{
    FieldEdit field;
    field.setKeyFilter(KeyFilter::Digital);
    field.show();
    QVERIFY(QTest::qWaitForWindowExposed(&field));
    QGuiApplication::clipboard()->setText(QStringLiteral("4a5b6"));
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(2, 2), field.mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(&field, &event);
    QMenu *menu = nullptr;
    QTRY_VERIFY((menu = qobject_cast<QMenu *>(QApplication::activePopupWidget())) != nullptr);
    QAction *paste = menu->findChild<QAction *>(QStringLiteral("edit-paste"));
    QVERIFY(paste);
    paste->trigger();
    menu->close();
    QCOMPARE(field.text(), QStringLiteral("456"));
}

QTEST_MAIN(FieldEditTest)
#include "tst_field_edit.moc"
