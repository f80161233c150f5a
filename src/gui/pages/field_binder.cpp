#include "pages/field_binder.h"

#include "widgets/control_builders.h"
#include "widgets/up_down.h"

#include "fields/field_catalogue.h"

#include <QAbstractSlider>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

#include <algorithm>

namespace orva {
namespace {

// The values a check box stores.
constexpr qint32 Ticked = 1;
constexpr qint32 Unticked = 0;

bool isPlain(const QWidget *control)
{
    return qobject_cast<const QLineEdit *>(control) || qobject_cast<const QCheckBox *>(control) ||
           qobject_cast<const QComboBox *>(control) || qobject_cast<const QAbstractSlider *>(control);
}

// True when no other field of the page names the same control (the GSM page's one number field
// edits the phone selected in a list).
bool soleControl(const Field &field)
{
    const QList<Field> &fields = FieldCatalogue();
    return std::count_if(fields.cbegin(), fields.cend(), [&field](const Field &f) {
               return f.page == field.page && f.control == field.control;
           }) == 1;
}

UpDown *upDownOf(const QWidget *page, const QWidget *edit)
{
    const auto upDowns = page->findChildren<UpDown *>();
    for (UpDown *upDown : upDowns) {
        if (upDown->associate() == edit)
            return upDown;
    }
    return nullptr;
}

} // namespace

FieldBinder::FieldBinder(QWidget *page, std::initializer_list<QStringView> handledByPage) : QObject(page)
{
    const QString pageName = page->objectName();
    for (const Field &field : FieldCatalogue()) {
        if (field.page != pageName || field.control.isEmpty() || !field.listControl.isEmpty())
            continue;
        if (std::find(handledByPage.begin(), handledByPage.end(), field.id) != handledByPage.end())
            continue;
        QWidget *control = page->findChild<QWidget *>(field.control);
        if (!control || !isPlain(control) || !soleControl(field))
            continue;
        const Binding binding{&field, control, upDownOf(page, control)};
        m_bindings.append(binding);
        connectUserSignals(binding);
    }
}

void FieldBinder::connectUserSignals(const Binding &binding)
{
    // Only the signals that the user's own actions send: a redraw sends none of them.
    const Field *field = binding.field;
    const auto edited = [this, field] { Q_EMIT UserEdited(*field); };
    if (auto *edit = qobject_cast<QLineEdit *>(binding.control))
        connect(edit, &QLineEdit::textEdited, this, edited);
    else if (auto *box = qobject_cast<QCheckBox *>(binding.control))
        connect(box, &QCheckBox::clicked, this, edited);
    else if (auto *combo = qobject_cast<QComboBox *>(binding.control))
        connect(combo, &QComboBox::activated, this, edited);
    else if (auto *slider = qobject_cast<QAbstractSlider *>(binding.control))
        connect(slider, &QAbstractSlider::actionTriggered, this, edited);
    if (binding.upDown)
        connect(binding.upDown, &UpDown::changed, this, edited);
}

void FieldBinder::show(const T_Command_DEVICE &model, QStringView idPrefix) const
{
    for (const Binding &b : m_bindings) {
        const Field &field = *b.field;
        if (!field.id.startsWith(idPrefix))
            continue;
        const QString shown = ShowField(field, model);
        if (auto *edit = qobject_cast<QLineEdit *>(b.control)) {
            if (b.upDown)
                ShowNumber(edit, b.upDown, shown.toInt());
            else
                edit->setText(shown);
        } else if (auto *box = qobject_cast<QCheckBox *>(b.control)) {
            box->setChecked(shown == ChoiceTextOf(field.choices, Ticked));
        } else if (auto *combo = qobject_cast<QComboBox *>(b.control)) {
            combo->setCurrentIndex(combo->findText(shown));
        } else if (auto *slider = qobject_cast<QAbstractSlider *>(b.control)) {
            slider->setValue(shown.toInt());
        }
    }
}

void FieldBinder::store(T_Command_DEVICE &model, QStringView idPrefix) const
{
    for (const Binding &b : m_bindings) {
        const Field &field = *b.field;
        if (!field.id.startsWith(idPrefix))
            continue;
        if (const auto *edit = qobject_cast<const QLineEdit *>(b.control)) {
            StoreShownText(field, model, edit->text());
        } else if (const auto *box = qobject_cast<const QCheckBox *>(b.control)) {
            const qint32 value = box->isChecked() ? Ticked : Unticked;
            SetField(field, model, ChoiceTextOf(field.choices, value).toString());
        } else if (const auto *combo = qobject_cast<const QComboBox *>(b.control)) {
            if (combo->currentIndex() >= 0)
                SetField(field, model, combo->currentText());
        } else if (const auto *slider = qobject_cast<const QAbstractSlider *>(b.control)) {
            SetField(field, model, QString::number(slider->value()));
        }
    }
}

QStringList FieldBinder::fieldIds() const
{
    QStringList ids;
    for (const Binding &b : m_bindings)
        ids.append(b.field->id);
    return ids;
}

} // namespace orva
