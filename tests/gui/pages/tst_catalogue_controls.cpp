// The field catalogue names the control that edits each field and the list that shows its instance;
// the checks send "Исправить" there and the command line's field names stand for them. Every name must
// be a control of the window, on the field's own page, of the kind that edits such a value.
#include "editor_fixture.h"

#include "fields/field_catalogue.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

using namespace orva;

namespace {

bool OnPage(const QWidget *control, const QString &page)
{
    for (const QWidget *w = control; w; w = w->parentWidget()) {
        if (w->objectName() == page)
            return true;
    }
    return false;
}

// The kinds of widget a field's value can be edited with.
bool EditsValues(const QWidget *control)
{
    return qobject_cast<const QLineEdit *>(control) || qobject_cast<const QAbstractButton *>(control) ||
           qobject_cast<const QComboBox *>(control) || qobject_cast<const QAbstractSlider *>(control);
}

} // namespace

class CatalogueControlsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyNamedControlIsOnItsPage();
};

void CatalogueControlsTest::everyNamedControlIsOnItsPage()
{
    EditorFixture f;
    QVERIFY(f.ShowActive());
    for (const Field &field : FieldCatalogue()) {
        if (!field.control.isEmpty()) {
            const auto *control = f.window->findChild<QWidget *>(field.control);
            QVERIFY2(control, qPrintable(field.id + u": no control " + field.control));
            QVERIFY2(OnPage(control, field.page),
                     qPrintable(field.id + u": " + field.control + u" is not on " + field.page));
            QVERIFY2(EditsValues(control), qPrintable(field.id + u": " + field.control + u" edits no value"));
        }
        if (!field.listControl.isEmpty()) {
            const auto *list = f.window->findChild<QListWidget *>(field.listControl);
            QVERIFY2(list, qPrintable(field.id + u": no list " + field.listControl));
            QVERIFY2(OnPage(list, field.page),
                     qPrintable(field.id + u": " + field.listControl + u" is not on " + field.page));
            QVERIFY2(field.instance >= 1 && field.instance <= list->count(),
                     qPrintable(field.id + u": no row for its instance in " + field.listControl));
        }
    }
    // The GSM page's lists by dial mode.
    for (int mode = 0; mode < DialModeCount; ++mode) {
        const QString name = DialListControl(DialMode(mode));
        const auto *list = f.window->findChild<QListWidget *>(name);
        QVERIFY2(list && OnPage(list, QStringLiteral("TabDialGSM")), qPrintable(name));
    }
}

QTEST_MAIN(CatalogueControlsTest)
#include "tst_catalogue_controls.moc"
