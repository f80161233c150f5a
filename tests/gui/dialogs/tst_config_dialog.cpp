// "Параметры работы": controls from the settings, the example name, the mask filter, the folder chooser
// through the questions, and what "Применить" writes (also when the store cannot be written).
#include "../../support/typing.h"
#include "keyboard_walk.h"
#include "scripted_questions.h"

#include "dialogs/config_dialog.h"
#include "widgets/caption_group.h"
#include "widgets/colours.h"
#include "widgets/field_edit.h"
#include "widgets/static_text.h"

#include <QCheckBox>
#include <QDir>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

using namespace orva;
using orva::test::Type;

namespace {

struct Fixture
{
    explicit Fixture(const QString &settingsFile = QString())
        : store(std::make_unique<QSettings>(settingsFile.isEmpty() ? dir.filePath(QStringLiteral("s.ini"))
                                                                   : settingsFile,
                                            QSettings::IniFormat),
                dir.path() + u'/'),
          dialog(settings, store)
    {
        settings = store.Read();
        dialog.SetQuestions(&questions);
    }

    template <typename W> W *child(const char *name)
    {
        return dialog.findChild<W *>(QString::fromLatin1(name));
    }

    bool Open()
    {
        dialog.open();
        QApplication::setActiveWindow(&dialog);
        return QTest::qWaitForWindowActive(&dialog);
    }

    QTemporaryDir dir;
    ProgramSettings settings;
    SettingsStore store;
    ScriptedQuestions questions;
    TDialogConfig dialog;
};

} // namespace

class ConfigDialogTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void showsTheSettings();
    void exampleFollowsTheControls();
    void maskControlsFollowTheCheckBox();
    void pathControlsOnlyInListMode();
    void colonCannotBeTypedIntoThePrefix();
    void applyWritesEverything();
    void browseAsksForAFolder();
    void cancelChangesNothing();
    void failedWriteIsShownAndTheSettingsStay();
    void fieldLeftWhileInactiveLosesTheYellow();
};

void ConfigDialogTest::showsTheSettings()
{
    Fixture f;
    f.settings.listMode = true;
    f.settings.listPath = QStringLiteral("/srv/panels/");
    f.settings.mask.kinds = {0, 2, 3, 4};
    QVERIFY(f.Open());
    QVERIFY(f.child<QRadioButton>("RadioButtonList")->isChecked());
    QCOMPARE(f.child<FieldEdit>("EditPath")->text(),
             QDir::toNativeSeparators(QStringLiteral("/srv/panels/")));
    QVERIFY(f.child<QCheckBox>("CheckBoxMask")->isChecked());
    QVERIFY(f.child<QRadioButton>("RadioButtonMask1_0")->isChecked());
    QVERIFY(f.child<QRadioButton>("RadioButtonMask4_4")->isChecked());
    QCOMPARE(f.dialog.ExampleText(), QStringLiteral("ПСЕВДОНИМN_AAAABBBBCCCC.ini"));
    QTRY_COMPARE(QApplication::focusWidget(), f.child<QPushButton>("BtnCancel"));
    f.dialog.close();
}

void ConfigDialogTest::exampleFollowsTheControls()
{
    Fixture f;
    QVERIFY(f.Open());
    QCOMPARE(f.dialog.ExampleText(), QStringLiteral("Orva_ПСЕВДОНИМN_AAAABBBBCCCC.ini"));
    f.child<QRadioButton>("RadioButtonMask2_0")->click();
    QCOMPARE(f.dialog.ExampleText(), QStringLiteral("Orva_AAAABBBBCCCC.ini"));
    f.child<FieldEdit>("EditMaskDelim1")->setText(QStringLiteral("-"));
    QCOMPARE(f.dialog.ExampleText(), QStringLiteral("Orva-AAAABBBBCCCC.ini"));
    for (const char *name : {"RadioButtonMask1_0", "RadioButtonMask3_0", "RadioButtonMask4_0"})
        f.child<QRadioButton>(name)->click();
    QCOMPARE(f.dialog.ExampleText(), QStringLiteral(".ini"));
    f.dialog.close();
}

void ConfigDialogTest::maskControlsFollowTheCheckBox()
{
    Fixture f;
    QVERIFY(f.Open());
    auto *group = f.child<CaptionGroup>("GroupBoxMask");
    QVERIFY(group->isEnabled());
    QCOMPARE(f.child<CaptionGroup>("GroupBoxElement2")->captionColour(), Colours::GroupEnabled);
    f.child<QCheckBox>("CheckBoxMask")->click();
    QVERIFY(!f.child<FieldEdit>("EditMaskPref")->isEnabled());
    QCOMPARE(group->captionColour(), Colours::GroupDisabled);
    QCOMPARE(f.child<CaptionGroup>("GroupBoxElement2")->captionColour(), Colours::GroupDisabled);
    f.dialog.close();
}

void ConfigDialogTest::pathControlsOnlyInListMode()
{
    Fixture f;
    QVERIFY(f.Open());
    QVERIFY(!f.child<FieldEdit>("EditPath")->isEnabled());
    QVERIFY(!f.child<QPushButton>("BtnPath")->isEnabled());
    f.child<QRadioButton>("RadioButtonList")->click();
    QVERIFY(f.child<FieldEdit>("EditPath")->isEnabled());
    QVERIFY(f.child<QPushButton>("BtnPath")->isEnabled());
    f.child<QRadioButton>("RadioButtonNormal")->click();
    QVERIFY(!f.child<FieldEdit>("EditPath")->isEnabled());
    f.dialog.close();
}

void ConfigDialogTest::colonCannotBeTypedIntoThePrefix()
{
    Fixture f;
    QVERIFY(f.Open());
    auto *prefix = f.child<FieldEdit>("EditMaskPref");
    prefix->clear();
    Type(prefix, QStringLiteral("a:b/c"));
    QCOMPARE(prefix->text(), QStringLiteral("abc"));
    Type(prefix, QStringLiteral("defghijklmn"));
    QCOMPARE(prefix->text().size(), 10);
    Type(f.child<FieldEdit>("EditMaskDelim2"), QStringLiteral("xy"));
    QCOMPARE(f.child<FieldEdit>("EditMaskDelim2")->text(), QStringLiteral("_"));
    f.dialog.close();
}

void ConfigDialogTest::applyWritesEverything()
{
    Fixture f;
    QVERIFY(f.Open());
    f.child<QRadioButton>("RadioButtonList")->click();
    f.child<FieldEdit>("EditPath")->setText(QDir::toNativeSeparators(QStringLiteral("/srv/panels")));
    f.child<FieldEdit>("EditMaskSuff")->setText(QStringLiteral("v2"));
    f.child<QRadioButton>("RadioButtonMask3_4")->click();
    QTest::mouseClick(f.child<QPushButton>("BtnOK"), Qt::LeftButton);
    QCOMPARE(f.dialog.result(), ModalResult::Ok);
    QCOMPARE(f.questions.asked().size(), 0);

    QCOMPARE(f.settings.listPath, QStringLiteral("/srv/panels/"));
    QVERIFY(f.settings.listMode);
    QCOMPARE(f.settings.mask.suffix, QStringLiteral("v2"));
    QCOMPARE(f.settings.mask.kinds, (std::array<int, 4>{1, 2, 4, 4}));
    // What was written reads back the same.
    SettingsStore again(
        std::make_unique<QSettings>(f.dir.filePath(QStringLiteral("s.ini")), QSettings::IniFormat),
        QStringLiteral("/x/"));
    QCOMPARE(again.Read(), f.settings);
}

void ConfigDialogTest::browseAsksForAFolder()
{
    Fixture f;
    f.settings.listMode = true;
    f.settings.listPath = QStringLiteral("/start/");
    f.questions.Then(ModalResult::Ok, QStringLiteral("/chosen/folder/"));
    QVERIFY(f.Open());
    QTest::mouseClick(f.child<QPushButton>("BtnPath"), Qt::LeftButton);
    QCOMPARE(f.questions.asked().size(), 1);
    QCOMPARE(f.questions.asked().at(0).kind, QuestionKind::Folder);
    QCOMPARE(f.questions.asked().at(0).text, QStringLiteral("/start/"));
    QCOMPARE(f.child<FieldEdit>("EditPath")->text(),
             QDir::toNativeSeparators(QStringLiteral("/chosen/folder/")));
    QCOMPARE(QApplication::focusWidget(), f.child<FieldEdit>("EditPath"));

    // A cancelled chooser leaves the field alone.
    f.questions.Then(ModalResult::Cancel);
    QTest::mouseClick(f.child<QPushButton>("BtnPath"), Qt::LeftButton);
    QCOMPARE(f.child<FieldEdit>("EditPath")->text(),
             QDir::toNativeSeparators(QStringLiteral("/chosen/folder/")));
    f.dialog.close();
}

void ConfigDialogTest::cancelChangesNothing()
{
    Fixture f;
    const ProgramSettings before = f.settings;
    QVERIFY(f.Open());
    f.child<QRadioButton>("RadioButtonList")->click();
    f.child<FieldEdit>("EditMaskPref")->setText(QStringLiteral("Другое"));
    QTest::mouseClick(f.child<QPushButton>("BtnCancel"), Qt::LeftButton);
    QCOMPARE(f.dialog.result(), ModalResult::Cancel);
    QCOMPARE(f.settings, before);
    QVERIFY(!QFileInfo::exists(f.dir.filePath(QStringLiteral("s.ini"))));
}

void ConfigDialogTest::failedWriteIsShownAndTheSettingsStay()
{
    QTemporaryDir other;
    QFile blocker(other.filePath(QStringLiteral("blocker")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    Fixture f(other.filePath(QStringLiteral("blocker/s.ini")));
    f.questions.Then(ModalResult::Ok);
    QVERIFY(f.Open());
    f.child<QRadioButton>("RadioButtonList")->click();
    QTest::mouseClick(f.child<QPushButton>("BtnOK"), Qt::LeftButton);

    QCOMPARE(f.questions.asked().size(), 1);
    const Question &box = f.questions.asked().at(0);
    QCOMPARE(box.kind, QuestionKind::ErrorBox);
    QCOMPARE(box.headline, QStringLiteral("Ошибка записи параметров работы программы"));
    QVERIFY(box.cont);
    QVERIFY(!box.fix);
    // The program goes on with the new settings for this run.
    QCOMPARE(f.dialog.result(), ModalResult::Ok);
    QVERIFY(f.settings.listMode);
}

// The dialog colours its fields as the main window does: losing the activation keeps the yellow, and a
// field the focus left while the dialog was inactive loses it once the next field is entered.
void ConfigDialogTest::fieldLeftWhileInactiveLosesTheYellow()
{
    Fixture f;
    QVERIFY(f.Open());
    auto *mask = f.child<QCheckBox>("CheckBoxMask");
    auto *prefix = f.child<FieldEdit>("EditMaskPref");
    auto *suffix = f.child<FieldEdit>("EditMaskSuff");
    if (!mask->isChecked())
        QTest::mouseClick(mask, Qt::LeftButton, Qt::NoModifier, QPoint(8, mask->height() / 2));
    QVERIFY(prefix->isEnabled() && suffix->isEnabled());
    QTest::mouseClick(prefix, Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget(), prefix);
    QVERIFY(test::YellowPixels(prefix) > 0);

    QWidget other(&f.dialog, Qt::Tool);
    other.show();
    QApplication::setActiveWindow(&other);
    QVERIFY(QTest::qWaitForWindowActive(&other));
    QVERIFY(test::YellowPixels(prefix) > 0);
    suffix->setFocus(Qt::OtherFocusReason); // the dialog is inactive: the field gets no focus event yet

    QApplication::setActiveWindow(&f.dialog);
    QVERIFY(QTest::qWaitForWindowActive(&f.dialog));
    QCOMPARE(QApplication::focusWidget(), suffix);
    QVERIFY(test::YellowPixels(suffix) > 0);
    QCOMPARE(test::YellowPixels(prefix), 0);
}

QTEST_MAIN(ConfigDialogTest)
#include "tst_config_dialog.moc"
