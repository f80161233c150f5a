// The key entry dialog: its filter and length, the last confirmed key, the check layout.
#include "../../support/typing.h"
#include "dialogs/key_dialog.h"
#include "dialogs/modal_result.h"
#include "widgets/colours.h"
#include "widgets/field_edit.h"
#include "widgets/focus_colouring.h"
#include "widgets/static_text.h"

#include <QPushButton>
#include <QTest>

using namespace orva;
using orva::test::Type;

namespace {

FieldEdit *Entry(TFormDialogSetKeyConfig &dialog)
{
    return dialog.findChild<FieldEdit *>(QStringLiteral("EditKEYConfig"));
}

bool OpenAndWait(QDialog &dialog)
{
    dialog.open();
    QApplication::setActiveWindow(&dialog);
    return QTest::qWaitForWindowActive(&dialog);
}

} // namespace

class KeyDialogTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void filter();
    void thirtyThirdCharacterCannotBeTyped();
    void applyKeepsTheLastKey();
    void cancelKeepsTheLastKeyButNotTheEntry();
    void checkLayout();
    void entryIsHighlightedWhileFocused();
};

void KeyDialogTest::filter()
{
    TFormDialogSetKeyConfig dialog;
    Type(Entry(dialog), QStringLiteral("Ёa ЖёяZ9_!."));
    QCOMPARE(dialog.EntryText(), QStringLiteral("a ЖяZ9_"));
}

void KeyDialogTest::thirtyThirdCharacterCannotBeTyped()
{
    TFormDialogSetKeyConfig dialog;
    Type(Entry(dialog), QString(40, u'k'));
    QCOMPARE(dialog.EntryText(), QString(32, u'k'));
}

void KeyDialogTest::applyKeepsTheLastKey()
{
    TFormDialogSetKeyConfig dialog;
    QVERIFY(dialog.LastConfirmedKey().isEmpty());
    QVERIFY(OpenAndWait(dialog));
    Type(Entry(dialog), QStringLiteral("Ключ 1"));
    QTest::mouseClick(dialog.findChild<QPushButton *>(QStringLiteral("BtnOK")), Qt::LeftButton);
    QCOMPARE(dialog.result(), ModalResult::Ok);
    QCOMPARE(dialog.LastConfirmedKey(), QStringLiteral("Ключ 1"));
}

void KeyDialogTest::cancelKeepsTheLastKeyButNotTheEntry()
{
    TFormDialogSetKeyConfig dialog;
    dialog.SetEntryText(QStringLiteral("first"));
    QVERIFY(OpenAndWait(dialog));
    QTest::mouseClick(dialog.findChild<QPushButton *>(QStringLiteral("BtnOK")), Qt::LeftButton);

    QVERIFY(OpenAndWait(dialog));
    Entry(dialog)->selectAll();
    Type(Entry(dialog), QStringLiteral("second"));
    QTest::mouseClick(dialog.findChild<QPushButton *>(QStringLiteral("BtnCancel")), Qt::LeftButton);
    QCOMPARE(dialog.result(), ModalResult::Cancel);
    QCOMPARE(dialog.LastConfirmedKey(), QStringLiteral("first"));
    // The next showing offers what was typed.
    QVERIFY(OpenAndWait(dialog));
    QCOMPARE(dialog.EntryText(), QStringLiteral("second"));
    dialog.close();
    QCOMPARE(dialog.result(), ModalResult::Cancel);
}

void KeyDialogTest::checkLayout()
{
    TFormDialogSetKeyConfig dialog;
    dialog.PrepareCheckLayout();
    QCOMPARE(dialog.height(), 179);
    QCOMPARE(dialog.width(), 780);
    QCOMPARE(dialog.findChild<QPushButton *>(QStringLiteral("BtnOK"))->y(), 96);
    QCOMPARE(dialog.findChild<QPushButton *>(QStringLiteral("BtnCancel"))->y(), 96);
    QVERIFY(!dialog.findChild<StaticText *>(QStringLiteral("StaticTextErrorKey"))->isHidden());
    QVERIFY(dialog.findChild<StaticText *>(QStringLiteral("StaticTextNew"))->isHidden());
    dialog.SetWrongKeyVisible(false);
    QVERIFY(dialog.findChild<StaticText *>(QStringLiteral("StaticTextErrorKey"))->isHidden());
    // Everything still fits inside the smaller dialog.
    const auto children = dialog.findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    for (const QWidget *child : children) {
        if (!child->isHidden())
            QVERIFY2(child->geometry().bottom() < 179, qPrintable(child->objectName()));
    }
}

void KeyDialogTest::entryIsHighlightedWhileFocused()
{
    TFormDialogSetKeyConfig dialog;
    QVERIFY(OpenAndWait(dialog));
    QTRY_COMPARE(QApplication::focusWidget(), Entry(dialog));
    QCOMPARE(HighlightedColour(Entry(dialog)), Colours::Focused);
    dialog.findChild<QPushButton *>(QStringLiteral("BtnCancel"))->setFocus(Qt::TabFocusReason);
    QCOMPARE(HighlightedColour(Entry(dialog)), WindowColour());
    dialog.close();
}

QTEST_MAIN(KeyDialogTest)
#include "tst_key_dialog.moc"
