// The error box and the information box: which buttons each setter shows, where they sit, which button
// gets the focus, and the result of each way out.
#include "dialogs/error_message.h"
#include "dialogs/modal_result.h"
#include "dialogs/ok_message.h"
#include "widgets/colours.h"
#include "widgets/static_text.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using namespace orva;

namespace {

QPushButton *button(QWidget *box, const char *name)
{
    return box->findChild<QPushButton *>(QString::fromLatin1(name));
}

QString text(QWidget *box, const char *name)
{
    return box->findChild<StaticText *>(QString::fromLatin1(name))->text();
}

// The names of the buttons that are not hidden, in the order fix, continue, default.
QStringList visibleButtons(QWidget *box)
{
    QStringList names;
    for (const char *name : {"B_Cancel", "B_Continue", "B_Default"}) {
        if (!button(box, name)->isHidden())
            names << QString::fromLatin1(name);
    }
    return names;
}

bool openAndWait(QDialog &box)
{
    box.open();
    QApplication::setActiveWindow(&box);
    return QTest::qWaitForWindowActive(&box);
}

} // namespace

class MessageBoxesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void errorSetMessages_data();
    void errorSetMessages();
    void errorContinueHidesContinueShownEarlier();
    void errorResults_data();
    void errorResults();
    void errorClosedGivesCancel();
    void errorEscapeChoosesFix();
    void errorWithoutButtonsOnlyCloses();
    void errorFocusesFirstVisibleButton();
    void errorLooks();
    void errorLongHintIsShownWhole_data();
    void errorLongHintIsShownWhole();
    void infoButtons();
    void infoResults_data();
    void infoResults();
    void infoFocusesContinue();
};

void MessageBoxesTest::errorSetMessages_data()
{
    QTest::addColumn<bool>("fix");
    QTest::addColumn<bool>("cont");
    QTest::addColumn<QStringList>("visible");
    QTest::newRow("plain error: fix only") << true << false << QStringList{QStringLiteral("B_Cancel")};
    QTest::newRow("notice: continue only") << false << true << QStringList{QStringLiteral("B_Continue")};
    QTest::newRow("both") << true << true
                          << QStringList{QStringLiteral("B_Cancel"), QStringLiteral("B_Continue")};
    QTest::newRow("none") << false << false << QStringList{};
}

void MessageBoxesTest::errorSetMessages()
{
    QFETCH(bool, fix);
    QFETCH(bool, cont);
    QFETCH(QStringList, visible);
    TFormErrorMessage box;
    box.SetErrorContinue(QStringLiteral("x"), QStringLiteral("y"), true); // the default button shown before
    box.SetMessages(QStringLiteral("Ошибка открытия файла"), QStringLiteral("Проверьте наличие файла"), fix,
                    cont);
    QCOMPARE(visibleButtons(&box), visible);
    QCOMPARE(text(&box, "ST_Message"), QStringLiteral("Ошибка открытия файла"));
    QCOMPARE(text(&box, "ST_Recomendation"), QStringLiteral("Проверьте наличие файла"));
}

void MessageBoxesTest::errorContinueHidesContinueShownEarlier()
{
    TFormErrorMessage box;
    box.SetMessages(QStringLiteral("a"), QStringLiteral("b"), false, true);
    box.SetErrorContinue(QStringLiteral("c"), QStringLiteral("d"), false);
    QCOMPARE(visibleButtons(&box), QStringList{QStringLiteral("B_Cancel")});
    box.SetErrorContinue(QStringLiteral("c"), QStringLiteral("d"), true);
    QCOMPARE(visibleButtons(&box), (QStringList{QStringLiteral("B_Cancel"), QStringLiteral("B_Default")}));
    // The default button takes the place of "Продолжить".
    QCOMPARE(button(&box, "B_Default")->pos(), button(&box, "B_Continue")->pos());
}

void MessageBoxesTest::errorResults_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("result");
    QTest::newRow("Исправить") << QStringLiteral("B_Cancel") << ModalResult::Retry;
    QTest::newRow("Продолжить") << QStringLiteral("B_Continue") << ModalResult::Ok;
    QTest::newRow("по-умолчанию") << QStringLiteral("B_Default") << ModalResult::Ok;
}

void MessageBoxesTest::errorResults()
{
    QFETCH(QString, name);
    QFETCH(int, result);
    TFormErrorMessage box;
    if (name == QStringLiteral("B_Continue"))
        box.SetMessages(QStringLiteral("h"), QStringLiteral("r"), true, true);
    else
        box.SetErrorContinue(QStringLiteral("h"), QStringLiteral("r"), true);
    QVERIFY(openAndWait(box));
    QSignalSpy finished(&box, &QDialog::finished);
    QTest::mouseClick(box.findChild<QPushButton *>(name), Qt::LeftButton);
    QCOMPARE(finished.size(), 1);
    QCOMPARE(box.result(), result);
    QVERIFY(!box.isVisible());
}

void MessageBoxesTest::errorClosedGivesCancel()
{
    TFormErrorMessage box;
    box.SetErrorContinue(QStringLiteral("h"), QStringLiteral("r"), true);
    QVERIFY(openAndWait(box));
    box.close();
    QCOMPARE(box.result(), ModalResult::Cancel);
}

void MessageBoxesTest::errorEscapeChoosesFix()
{
    TFormErrorMessage box;
    box.SetErrorContinue(QStringLiteral("h"), QStringLiteral("r"), true);
    QVERIFY(openAndWait(box));
    QTest::keyClick(&box, Qt::Key_Escape);
    QCOMPARE(box.result(), ModalResult::Retry);
}

void MessageBoxesTest::errorWithoutButtonsOnlyCloses()
{
    TFormErrorMessage box;
    box.SetMessages(QStringLiteral("h"), QStringLiteral("r"), false, false);
    QVERIFY(openAndWait(box));
    QTest::keyClick(&box, Qt::Key_Escape);
    QTest::keyClick(&box, Qt::Key_Return);
    QVERIFY(box.isVisible());
    box.close();
    QCOMPARE(box.result(), ModalResult::Cancel);
}

void MessageBoxesTest::errorFocusesFirstVisibleButton()
{
    TFormErrorMessage box;
    box.SetMessages(QStringLiteral("h"), QStringLiteral("r"), true, true);
    QVERIFY(openAndWait(box));
    QTRY_COMPARE(QApplication::focusWidget(), button(&box, "B_Cancel"));
    box.close();

    box.SetMessages(QStringLiteral("h"), QStringLiteral("r"), false, true);
    QVERIFY(openAndWait(box));
    QTRY_COMPARE(QApplication::focusWidget(), button(&box, "B_Continue"));
    // Enter on the focused "Продолжить" goes on.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(box.result(), ModalResult::Ok);
}

void MessageBoxesTest::errorLooks()
{
    TFormErrorMessage box;
    box.SetMessages(QStringLiteral("h"), QStringLiteral("r"), true, false);
    QVERIFY(openAndWait(box));
    QCOMPARE(box.size(), QSize(615, 282));
    QCOMPARE(box.palette().color(QPalette::Window), QColor(255, 255, 150));
    auto *fix = qobject_cast<PictureButton *>(button(&box, "B_Cancel"));
    // The focused button has the yellow face and shows its caption from the table, not its own text.
    QTRY_COMPARE(fix->face().toImage().pixelColor(3, 3), Colours::Focused);
    QVERIFY(fix->text().isEmpty());
    QCOMPARE(fix->accessibleName(), QStringLiteral("Исправить"));
}

void MessageBoxesTest::infoButtons()
{
    TFormOkMessage box;
    box.SetMessages(QStringLiteral("Вы хотите \"сбросить\" настройки в значение \"по-умолчанию\"?"),
                    QStringLiteral("(все введённые значения параметров будут потеряны)"), true);
    QVERIFY(!button(&box, "BitBtnCancel")->isHidden());
    QCOMPARE(button(&box, "BitBtnContinue")->x(), 328);
    box.SetMessages(QStringLiteral("Операция выполнена"), QStringLiteral("Конфигурация сохранена"), false);
    QVERIFY(button(&box, "BitBtnCancel")->isHidden());
    QCOMPARE(button(&box, "BitBtnContinue")->x(), 184);
    QCOMPARE(text(&box, "StaticTextMessage"), QStringLiteral("Операция выполнена"));
    QCOMPARE(text(&box, "StaticTextRecomendation"), QStringLiteral("Конфигурация сохранена"));
    QCOMPARE(box.palette().color(QPalette::Window), QColor(0, 255, 0));
}

void MessageBoxesTest::infoResults_data()
{
    QTest::addColumn<QString>("way");
    QTest::addColumn<int>("result");
    QTest::newRow("Продолжить") << QStringLiteral("BitBtnContinue") << ModalResult::Ok;
    QTest::newRow("Отказаться") << QStringLiteral("BitBtnCancel") << ModalResult::Cancel;
    QTest::newRow("Esc") << QStringLiteral("escape") << ModalResult::Cancel;
    QTest::newRow("closed") << QStringLiteral("close") << ModalResult::Cancel;
}

void MessageBoxesTest::infoResults()
{
    QFETCH(QString, way);
    QFETCH(int, result);
    TFormOkMessage box;
    box.SetMessages(QStringLiteral("h"), QStringLiteral("r"), true);
    QVERIFY(openAndWait(box));
    if (way == QStringLiteral("escape"))
        QTest::keyClick(&box, Qt::Key_Escape);
    else if (way == QStringLiteral("close"))
        box.close();
    else
        QTest::mouseClick(box.findChild<QPushButton *>(way), Qt::LeftButton);
    QVERIFY(!box.isVisible());
    QCOMPARE(box.result(), result);
}

void MessageBoxesTest::infoFocusesContinue()
{
    TFormOkMessage box;
    box.SetMessages(QStringLiteral("h"), QStringLiteral("r"), true);
    QVERIFY(openAndWait(box));
    QTRY_COMPARE(QApplication::focusWidget(), button(&box, "BitBtnContinue"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(box.result(), ModalResult::Ok);
}

void MessageBoxesTest::errorLongHintIsShownWhole_data()
{
    QTest::addColumn<QString>("hint");
    QTest::newRow("short") << QStringLiteral("Проверьте наличие файла");
    // The hint of a settings write that the system refuses, with a long settings path.
    QTest::newRow("settings write") << QStringLiteral(
        "Нет права записи в файл /home/installer/.config/Norvek/PPKOPOrva.conf: проверьте права доступа к "
        "нему "
        "и к его папке. До выхода из программы действуют новые параметры");
}

void MessageBoxesTest::errorLongHintIsShownWhole()
{
    QFETCH(QString, hint);
    TFormErrorMessage box;
    box.SetMessages(QStringLiteral("Ошибка записи параметров работы программы"), hint, true, false);
    auto *text = box.findChild<StaticText *>(QStringLiteral("ST_Recomendation"));
    QCOMPARE(text->text(), hint);
    // Every word of the hint lies inside the box as it is laid out in its font.
    const QRect needed = text->fontMetrics().boundingRect(text->contentsRect(),
                                                          int(text->alignment()) | Qt::TextWordWrap, hint);
    QVERIFY2(text->contentsRect().contains(needed), qPrintable(QString::number(needed.height())));
    QVERIFY(text->font().pixelSize() >= 11);
    if (hint.size() < 40)
        QCOMPARE(text->font().pixelSize(), 19);
}

QTEST_MAIN(MessageBoxesTest)
#include "tst_message_boxes.moc"
