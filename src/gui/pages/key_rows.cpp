// The controls of the page "Ключи": the fixed column headers and the fifteen rows that
// Create_Keys builds, with the geometry and fonts of the page's design.
#include "pages/keys_page.h"

#include "widgets/control_builders.h"
#include "widgets/key_type_box.h"

#include "device_model/device.h"
#include "widgets/field_edit.h"
#include "widgets/fonts.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

namespace orva {
namespace {

constexpr int FirstRowTop = 46;
constexpr int RowStep = 26;
constexpr int RowHeight = 26;
constexpr int ZoneBoxLeft = 463;
constexpr int ZoneLabelLeft = 459;
constexpr int ZoneStep = 33;
constexpr int HeaderTop = 20;

// A header or row label in the page's bold font.
QLabel *FontLabel(QWidget *parent, const QString &name, const QString &text, const QRect &geometry,
                  const QFont &font)
{
    QLabel *label = MakeLabel(parent, name, text, geometry);
    label->setFont(font);
    return label;
}

} // namespace

void KeysPage::CreateHeaders()
{
    QWidget *page = tab();
    const QFont font = ArialPx(14, Bold);
    FontLabel(page, QStringLiteral("L_Key_Name"), QStringLiteral("Псевдоним"), QRect(125, HeaderTop, 124, 22),
              font);
    FontLabel(page, QStringLiteral("L_Key_Type"), QStringLiteral("Тип ключа"), QRect(262, HeaderTop, 190, 22),
              font);
    FontLabel(page, QStringLiteral("L_Key_Code"), QStringLiteral("Ключ обучен"),
              QRect(600, HeaderTop, 163, 22), font);
    // The zone headers; the window hides them with every other zone control.
    FontLabel(page, QStringLiteral("L_Key_Zone"), QStringLiteral("Разделы"), QRect(ZoneLabelLeft, 2, 130, 18),
              font);
    for (int zone = 1; zone <= T_Command_DEVICE::ZoneCount; ++zone) {
        FontLabel(page, QStringLiteral("L_Key_ZoneLabel%1").arg(zone), QStringLiteral("№%1").arg(zone),
                  QRect(ZoneLabelLeft + ZoneStep * (zone - 1), HeaderTop, 30, 22), ArialPx(11, Bold));
    }
}

void KeysPage::Create_Keys()
{
    QWidget *page = tab();
    for (int key = 1; key <= T_Command_DEVICE::KeyCount; ++key) {
        KeyRow &row = m_rows[key - 1];
        const int top = FirstRowTop + RowStep * (key - 1);

        row.name = MakeField(page, QStringLiteral("E_Key_Name%1").arg(key), InputRules::Alias,
                             QRect(125, top, 124, RowHeight));
        row.name->setFont(CourierNewPx(14, Bold));
        row.name->setAccessibleName(QStringLiteral("Ключ %1: псевдоним").arg(key));
        connect(row.name, &QLineEdit::textChanged, this, [this, key] { EditKeyName_Change(key); });

        row.label = FontLabel(page, QStringLiteral("L_Key_Number%1").arg(key),
                              QStringLiteral("Ключ №") + QString::number(key) + u':', QRect(8, top, 121, 24),
                              ArialPx(14, Bold));
        row.label->setBuddy(row.name);

        row.type = new KeyTypeBox(page);
        row.type->setObjectName(QStringLiteral("CB_Key_Type%1").arg(key));
        row.type->setGeometry(262, top, 330, RowHeight);
        row.type->setFont(ArialPx(11, Bold));
        row.type->setAccessibleName(QStringLiteral("Ключ %1: тип").arg(key));
        // Only the user's choice is a change; the redraw selects the stored type without one.
        connect(row.type, &QComboBox::activated, this,
                [this, key](int type) { CB_Key_TypeChange(key, type); });

        for (int zone = 1; zone <= T_Command_DEVICE::ZoneCount; ++zone) {
            QCheckBox *box = MakeCheck(page, QStringLiteral("CB_Key_Zone%1_%2").arg(key).arg(zone), QString(),
                                       QRect(ZoneBoxLeft + ZoneStep * (zone - 1), top, 17, RowHeight));
            box->setLayoutDirection(Qt::RightToLeft); // the text on the left
            box->hide();
            connect(box, &QCheckBox::toggled, this, [this, key, zone] { CB_Key_ZoneChange(key, zone); });
            row.zones[zone - 1] = box;

            QLabel *label = MakeLabel(page, QStringLiteral("L_Key_Zone%1_%2").arg(key).arg(zone), QString(),
                                      QRect(ZoneLabelLeft + ZoneStep * (zone - 1), top, 30, RowHeight), box);
            label->hide();
            row.zoneLabels[zone - 1] = label;
        }

        row.code = new QLineEdit(page);
        row.code->setObjectName(QStringLiteral("E_Key_Code%1").arg(key));
        row.code->setGeometry(600, top, 163, RowHeight);
        row.code->setFont(CourierNewPx(14, Bold));
        row.code->setEchoMode(QLineEdit::Password);
        row.code->setStyleSheet(QStringLiteral("QLineEdit { lineedit-password-character: 42; }"));
        row.code->setEnabled(false);
        row.code->setAccessibleName(QStringLiteral("Ключ %1: код").arg(key));

        // Colouring the row's code field and the type box's own colour follow the focus.
        row.name->installEventFilter(this);
        row.type->installEventFilter(this);
        for (QCheckBox *box : row.zones)
            box->installEventFilter(this);
    }
}

} // namespace orva
