// The main window frame: pages and tabs, the picture buttons, the status line and read-only mode, the
// caption, and the shared handlers (enter/exit colouring, LastFocused, label click, up-down press).
#include "editor_fixture.h"
#include "orva_version.h"

#include "device_model/store_form.h"
#include "frame/status_line.h"
#include "widgets/colours.h"
#include "widgets/field_edit.h"
#include "widgets/focus_colouring.h"
#include "widgets/static_text.h"
#include "widgets/up_down.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QSettings>
#include <QTabWidget>
#include <QTest>

using namespace orva;

namespace {

QStringList VisibleTabs(QTabWidget *tabs)
{
    QStringList captions;
    for (int i = 0; i < tabs->count(); ++i) {
        if (tabs->isTabVisible(i))
            captions << tabs->tabText(i);
    }
    return captions;
}

QWidget *Tab(TForm2 &window, const char *name)
{
    return window.PagesParam()->findChild<QWidget *>(QString::fromLatin1(name));
}

void WriteFile(const QString &path)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("Zentrix Orva\r\n");
}

// A configuration file in a folder that holds "lock.txt" (an armed panel); its full name.
QString ArmedFile(const QTemporaryDir &folder)
{
    WriteFile(folder.filePath(QStringLiteral("config.ini")));
    WriteFile(folder.filePath(QStringLiteral("lock.txt")));
    return folder.filePath(QStringLiteral("config.ini"));
}

} // namespace

class MainWindowTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void pagesInTabOrder();
    void debugPage_data();
    void debugPage();
    void windowAndCaption();
    void bottomButtons_data();
    void bottomButtons();
    void firstShowingReadsSettingsAndResetsTheModel();
    void statusKinds_data();
    void statusKinds();
    void readOnlyMode();
    void longStatusKeepsTheDateAndTheMark();
    void enterAndExitColouring();
    void labelClickEntersItsField();
    void upDownPressFocusesItsField();
    void pageShowRestoresTheLastFocusedControl();
    void configButtonAsksForTheSettings();
};

void MainWindowTest::pagesInTabOrder()
{
    EditorFixture f;
    QVERIFY(f.ShowActive());
    QTabWidget *tabs = f.window->PagesParam();
    QVERIFY(tabs->isVisible());
    QStringList names;
    for (int i = 0; i < tabs->count(); ++i)
        names << tabs->widget(i)->objectName();
    QCOMPARE(names, (QStringList{QStringLiteral("TabCommon"), QStringLiteral("TabMode"),
                                 QStringLiteral("TabRezervAndSignal"), QStringLiteral("TabShleifs"),
                                 QStringLiteral("TabRele"), QStringLiteral("TabKeys"),
                                 QStringLiteral("TabSMS"), QStringLiteral("TabSMSK"),
                                 QStringLiteral("TabDialGSM"), QStringLiteral("TabGPRS")}));
    // "Разделы" is never in the tab bar, "Текст" only with "-debug"; neither belongs to the window then.
    QVERIFY(!f.window->findChild<QWidget *>(QStringLiteral("TabZone")));
    QVERIFY(!f.window->findChild<QWidget *>(QStringLiteral("TabDebug")));
    QCOMPARE(VisibleTabs(tabs),
             (QStringList{QStringLiteral("Общие"), QStringLiteral("Режимы"), QStringLiteral("Индикация"),
                          QStringLiteral("Шлейфы"), QStringLiteral("Реле"), QStringLiteral("Ключи"),
                          QStringLiteral("SMS"), QStringLiteral("SMS-К"), QStringLiteral("GSM-дозвон"),
                          QStringLiteral("GPRS")}));
    QCOMPARE(tabs->geometry(), QRect(5, 8, 785, 473));
    QVERIFY(f.window->Memo1());
    QCOMPARE(f.window->Memo1()->objectName(), QStringLiteral("Memo1"));
}

void MainWindowTest::debugPage_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("shown");
    QTest::newRow("none") << QStringList{} << false;
    QTest::newRow("-debug alone") << QStringList{QStringLiteral("-debug")} << true;
    QTest::newRow("-DEBUG with a file")
        << QStringList{QStringLiteral("-DEBUG"), QStringLiteral("x.ini")} << true;
    QTest::newRow("only as the first argument")
        << QStringList{QStringLiteral("x.ini"), QStringLiteral("-debug")} << false;
}

void MainWindowTest::debugPage()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, shown);
    EditorFixture f(arguments);
    QVERIFY(f.ShowActive());
    QTabWidget *tabs = f.window->PagesParam();
    QCOMPARE(VisibleTabs(tabs).contains(QStringLiteral("Текст")), shown);
    QVERIFY(!VisibleTabs(tabs).contains(QStringLiteral("Разделы")));
}

void MainWindowTest::windowAndCaption()
{
    EditorFixture f;
    QCOMPARE(f.window->windowTitle(), QStringLiteral("Конфигуратор ППКОП \"Zentrix Orva\" v.3.0.0.0"));
    QVERIFY(!f.window->PagesParam()->isVisibleTo(f.window.get()));
    QVERIFY(f.ShowActive());
    QCOMPARE(f.window->size(), QSize(796, 558));
    QVERIFY(f.window->windowTitle().startsWith(
        QStringLiteral("Конфигуратор ППКОП \"Zentrix Orva\" v." ORVA_VERSION "   =>   ")));
    f.window->SetCaptionFile(QStringLiteral("/media/card/config.ini"));
    QCOMPARE(f.window->windowTitle(), QStringLiteral("Конфигуратор ППКОП \"Zentrix Orva\" v." ORVA_VERSION
                                                     "   =>   /media/card/config.ini"));
}

void MainWindowTest::bottomButtons_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("hint");
    QTest::newRow("B_Open") << QStringLiteral("B_Open") << QRect(10, 486, 100, 67)
                            << QStringLiteral("Открыть") << QStringLiteral("Открыть файл конфигурации");
    QTest::newRow("B_Print") << QStringLiteral("B_Print") << QRect(115, 486, 100, 67)
                             << QStringLiteral("Печать")
                             << QStringLiteral("Печать формуляра конфигурации устройства");
    QTest::newRow("B_SaveToDevice") << QStringLiteral("B_SaveToDevice") << QRect(220, 486, 130, 67)
                                    << QStringLiteral("В устройство...")
                                    << QStringLiteral("Запись конфигурации в устройство");
    QTest::newRow("B_Save") << QStringLiteral("B_Save") << QRect(355, 486, 100, 67)
                            << QStringLiteral("Сохранить") << QStringLiteral("Сохранить конфигурацию в файл");
    QTest::newRow("B_Default") << QStringLiteral("B_Default") << QRect(565, 486, 120, 67)
                               << QStringLiteral("По-умолчанию")
                               << QStringLiteral("Сброс конфигурации \"по-умолчанию\"");
    QTest::newRow("B_Config") << QStringLiteral("B_Config") << QRect(690, 486, 100, 67)
                              << QStringLiteral("Настройки")
                              << QStringLiteral("Настройки параметров работы программы");
}

void MainWindowTest::bottomButtons()
{
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QFETCH(QString, caption);
    QFETCH(QString, hint);
    EditorFixture f;
    QVERIFY(f.ShowActive());
    auto *button = f.window->findChild<PictureButton *>(name);
    QVERIFY(button);
    QVERIFY(button->isVisible());
    QCOMPARE(button->geometry(), geometry);
    QCOMPARE(button->toolTip(), hint);
    QCOMPARE(button->glyphLayout(), GlyphLayout::Top);
    // The caption is drawn into the face from the caption table; a picture frames it.
    QVERIFY(button->text().isEmpty());
    QCOMPARE(button->accessibleName(), caption);
    QVERIFY(button->face().toImage().pixelColor(0, 0) != Colours::MissingPicture);
}

void MainWindowTest::firstShowingReadsSettingsAndResetsTheModel()
{
    EditorFixture f;
    {
        QSettings raw(f.dir.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat);
        raw.setValue(QStringLiteral("ListModeOpenSave"), 1);
        raw.setValue(QStringLiteral("MaskIdent3"), 7);
    }
    f.working.record(Cmd::lc).setValue(1, 5);
    QVERIFY(f.ShowActive());
    QVERIFY(f.window->settings().listMode);
    QCOMPARE(f.window->settings().mask.kinds[2], 3);
    // Without a file the start-up load parses an empty text: the defaults, with the version text of a
    // text that names none.
    T_Command_DEVICE defaults;
    defaults.ResetToDefaults();
    defaults.record(Cmd::Zentrix).setText(1, QStringLiteral("??????"));
    // The factory servers of both SIM cards agree, so the GPRS page's "=" is ticked and its copy stores
    // SIM 1's servers (in their stored form) for SIM 2 as the page is drawn.
    for (int server = 1; server <= 6; ++server) {
        T_Command &record = defaults.record(Cmd::gs, server);
        record.setText(1, StoredServerAddress(record.text(1)));
    }
    QVERIFY(SameModel(f.working, defaults));
    QCOMPARE(f.window->StaticTextStatus()->text(), QStringLiteral("Конфигурация \"по-умолчанию\""));
}

void MainWindowTest::statusKinds_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("text");
    QTest::newRow("0") << 0 << QStringLiteral("Конфигурация \"по-умолчанию\"");
    QTest::newRow("1") << 1 << QStringLiteral("Конфигурация сохраненная (2.9 В) от 01.02.2024 года ");
    QTest::newRow("2") << 2 << QStringLiteral("Конфигурация прибора (2.9 В) от 01.02.2024 года ");
}

void MainWindowTest::statusKinds()
{
    QFETCH(int, kind);
    QFETCH(QString, text);
    EditorFixture f;
    QVERIFY(f.ShowActive());
    QTemporaryDir folder;
    WriteFile(folder.filePath(QStringLiteral("config.ini")));
    f.window->FormatStaticTextStatus(folder.filePath(QStringLiteral("config.ini")), kind,
                                     QStringLiteral("01.02.2024"), QStringLiteral("2.9 В"));
    QCOMPARE(f.window->StaticTextStatus()->text(), text);
    QCOMPARE(f.window->StaticTextStatus()->palette().color(QPalette::WindowText), Colours::StatusNormal);
    QCOMPARE(f.questions->asked().size(), 0);
}

void MainWindowTest::readOnlyMode()
{
    EditorFixture f;
    QVERIFY(f.ShowActive());
    QTemporaryDir armed;
    const QString file = ArmedFile(armed);
    f.questions->Then(ModalResult::Ok);
    f.window->FormatStaticTextStatus(file, 1, QStringLiteral("01.02.2024"), QStringLiteral("2.9"));

    QCOMPARE(f.questions->asked().size(), 1);
    const Question &box = f.questions->asked().at(0);
    QCOMPARE(box.kind, QuestionKind::ErrorBox);
    QCOMPARE(box.headline,
             QStringLiteral("Прибор находится во взятом состоянии, редактирование параметров невозможно"));
    QCOMPARE(box.hint,
             QStringLiteral("Для изменения параметров работы прибора необходимо снять его с охраны"));
    QVERIFY(box.cont);
    QVERIFY(!box.fix);
    QVERIFY(!box.offerDefault);
    QCOMPARE(f.window->StaticTextStatus()->text(),
             QStringLiteral("Конфигурация сохраненная (2.9) от 01.02.2024 года (только чтение)"));
    QCOMPARE(f.window->StaticTextStatus()->palette().color(QPalette::WindowText), Colours::StatusReadOnly);
    QVERIFY(f.window->IsReadOnly());
    QVERIFY(f.window->Buttons().saveToDevice->isHidden());
    QVERIFY(!f.window->Buttons().saveToDevice->isEnabled());
    // Saving to a file stays possible.
    QVERIFY(f.window->Buttons().save->isVisible());

    // The next file without a lock ends read-only mode, without a box.
    QTemporaryDir free;
    WriteFile(free.filePath(QStringLiteral("config.ini")));
    f.window->FormatStaticTextStatus(free.filePath(QStringLiteral("config.ini")), 1, QStringLiteral("d"),
                                     QStringLiteral("v"));
    QCOMPARE(f.questions->asked().size(), 1);
    QVERIFY(!f.window->IsReadOnly());
    QVERIFY(f.window->Buttons().saveToDevice->isVisible());
    QVERIFY(f.window->Buttons().saveToDevice->isEnabled());
    QCOMPARE(f.window->StaticTextStatus()->palette().color(QPalette::WindowText), Colours::StatusNormal);

    // Without a file name nothing is looked for.
    f.window->FormatStaticTextStatus(QString(), 0, QString(), QString());
    QCOMPARE(f.questions->asked().size(), 1);
}

// A version text too long for the line is shortened in its middle; the date and the read-only mark
// stay on the line, and the whole text is its hint.
void MainWindowTest::longStatusKeepsTheDateAndTheMark()
{
    EditorFixture f;
    QVERIFY(f.ShowActive());
    QTemporaryDir armed;
    const QString file = ArmedFile(armed);
    f.questions->Then(ModalResult::Ok);
    const QString version =
        QStringLiteral("Zentrix-Config Orva soft v3 сборка 2026-12-10 для объекта склад №4");
    f.window->FormatStaticTextStatus(file, 1, QStringLiteral("10.12.2026"), version);
    StaticText *status = f.window->StaticTextStatus();
    const QString shown = status->text();
    QVERIFY(shown.startsWith(QStringLiteral("Конфигурация сохраненная (Zentrix")));
    QVERIFY(shown.endsWith(QStringLiteral(") от 10.12.2026 года (только чтение)")));
    QVERIFY(shown.contains(QChar(0x2026))); // the ellipsis where the version was shortened
    QVERIFY(status->fontMetrics().horizontalAdvance(shown) <= status->contentsRect().width());
    QCOMPARE(status->toolTip(), QStringLiteral("Конфигурация сохраненная (") + version +
                                    QStringLiteral(") от 10.12.2026 года (только чтение)"));
}

// The shared handlers act on the pages' own controls, as the window bound them when it was built.
void MainWindowTest::enterAndExitColouring()
{
    EditorFixture f;
    QWidget *tab = Tab(*f.window, "TabCommon");
    auto *first = tab->findChild<FieldEdit *>(QStringLiteral("E_Common_Password"));
    auto *second = tab->findChild<FieldEdit *>(QStringLiteral("E_Common_PhoneNumber1"));
    StaticText *status = f.window->StaticTextStatus();
    QVERIFY(first && second && status->parentWidget() == tab);
    QVERIFY(f.ShowActive());
    f.window->PagesParam()->setCurrentWidget(tab);

    first->setFocus(Qt::TabFocusReason);
    QCOMPARE(HighlightedColour(first), Colours::Focused);
    QCOMPARE(f.window->LastFocused(PageSlot::Common), first);
    second->setFocus(Qt::TabFocusReason);
    QCOMPARE(HighlightedColour(first), WindowColour());
    QCOMPARE(HighlightedColour(second), Colours::Focused);
    QCOMPARE(f.window->LastFocused(PageSlot::Common), second);
    QCOMPARE(status->palette().color(QPalette::Window), tab->palette().color(QPalette::Window));
}

void MainWindowTest::labelClickEntersItsField()
{
    EditorFixture f;
    QWidget *tab = Tab(*f.window, "TabKeys");
    auto *field = tab->findChild<FieldEdit *>(QStringLiteral("E_Key_Name1"));
    auto *label = tab->findChild<QLabel *>(QStringLiteral("L_Key_Number1"));
    auto *lonely = tab->findChild<QLabel *>(QStringLiteral("L_Key_Name")); // a column header
    QVERIFY(field && label && lonely);
    QCOMPARE(label->buddy(), field);
    QCOMPARE(lonely->buddy(), nullptr);
    QVERIFY(f.ShowActive());
    f.window->PagesParam()->setCurrentWidget(tab);
    f.window->Buttons().save->setFocus();

    QTest::mouseClick(label, Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget(), field);
    QCOMPARE(HighlightedColour(field), Colours::Focused);
    QCOMPARE(f.window->LastFocused(PageSlot::Keys), field);

    // A label without a field, or whose field is disabled, moves nothing.
    f.window->Buttons().save->setFocus();
    QTest::mouseClick(lonely, Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget(), f.window->Buttons().save);
    field->setEnabled(false);
    QTest::mouseClick(label, Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget(), f.window->Buttons().save);
}

void MainWindowTest::upDownPressFocusesItsField()
{
    EditorFixture f;
    QWidget *tab = Tab(*f.window, "TabCommon");
    auto *field = tab->findChild<FieldEdit *>(QStringLiteral("E_Common_BalanceDelay1"));
    auto *upDown = tab->findChild<UpDown *>(QStringLiteral("UD_Common_BalanceDelay1"));
    QVERIFY(field && upDown);
    QVERIFY(f.ShowActive());
    f.window->PagesParam()->setCurrentWidget(tab);
    QCOMPARE(upDown->maximum(), 48); // the command table's range, set by the first redraw
    field->setText(QStringLiteral("47"));
    f.window->Buttons().save->setFocus();

    const QPoint upper(8, 4);
    const QPoint lower(8, upDown->height() - 4);
    QTest::mousePress(upDown, Qt::LeftButton, Qt::NoModifier, upper);
    QTest::mouseRelease(upDown, Qt::LeftButton, Qt::NoModifier, upper);
    QCOMPARE(QApplication::focusWidget(), field);
    QCOMPARE(field->text(), QStringLiteral("48"));
    QTest::mousePress(upDown, Qt::LeftButton, Qt::NoModifier, upper);
    QTest::mouseRelease(upDown, Qt::LeftButton, Qt::NoModifier, upper);
    QCOMPARE(field->text(), QStringLiteral("48"));
    QTest::mousePress(upDown, Qt::LeftButton, Qt::NoModifier, lower);
    QTest::mouseRelease(upDown, Qt::LeftButton, Qt::NoModifier, lower);
    QCOMPARE(field->text(), QStringLiteral("47"));
}

void MainWindowTest::pageShowRestoresTheLastFocusedControl()
{
    EditorFixture f;
    QWidget *mode = Tab(*f.window, "TabMode");
    QWidget *common = Tab(*f.window, "TabCommon");
    auto *modeField = mode->findChild<FieldEdit *>(QStringLiteral("E_Mode_ExitDelay"));
    auto *commonField = common->findChild<FieldEdit *>(QStringLiteral("E_Common_Password"));
    QVERIFY(modeField && commonField);
    QVERIFY(f.ShowActive());

    f.window->PagesParam()->setCurrentWidget(mode);
    modeField->setFocus(Qt::TabFocusReason);
    f.window->PagesParam()->setCurrentWidget(common);
    commonField->setFocus(Qt::TabFocusReason);
    f.window->PagesParam()->setCurrentWidget(mode);
    QCOMPARE(QApplication::focusWidget(), modeField);
    f.window->PagesParam()->setCurrentWidget(common);
    QCOMPARE(QApplication::focusWidget(), commonField);

    // A remembered control that can no longer take the focus is forgotten.
    modeField->setEnabled(false);
    f.window->PagesParam()->setCurrentWidget(mode);
    QCOMPARE(f.window->LastFocused(PageSlot::Mode), nullptr);
}

void MainWindowTest::configButtonAsksForTheSettings()
{
    EditorFixture f;
    QVERIFY(f.ShowActive());
    f.questions->Then(ModalResult::Cancel);
    QTest::mouseClick(f.window->Buttons().config, Qt::LeftButton);
    QCOMPARE(f.questions->asked().size(), 1);
    QCOMPARE(f.questions->asked().at(0).kind, QuestionKind::Settings);
}

QTEST_MAIN(MainWindowTest)
#include "tst_main_window.moc"
