#pragma once

#include <QRect>
#include <QString>

#include "widgets/key_filters.h"

class QCheckBox;
class QLabel;
class QRadioButton;
class QWidget;

namespace orva {

class CaptionGroup;
class FieldEdit;
class PageHost;

// Builders for the controls the pages place by their coordinates, each named by its objectName.
QLabel *MakeLabel(QWidget *parent, const char16_t *name, const QString &text, const QRect &geometry,
                  QWidget *buddy = nullptr);
QRadioButton *MakeRadio(QWidget *parent, const char16_t *name, const QString &text, const QRect &geometry);
QCheckBox *MakeCheck(QWidget *parent, const char16_t *name, const QString &text, const QRect &geometry);
FieldEdit *MakeField(QWidget *parent, const char16_t *name, KeyFilter filter, int typingLimit,
                     const QRect &geometry);
CaptionGroup *MakeGroup(QWidget *parent, const char16_t *name, const QString &title, const QRect &geometry);

// Unticks a radio button, which a click never does (it runs no handler).
void UntickRadio(QRadioButton *button);

// Sets the window's updating flag for its lifetime and puts the previous state back, so that the
// change handlers of the GSM dial and SMS-by-keys pages know the change is the program's.
class UpdatingScope
{
public:
    explicit UpdatingScope(PageHost &host);
    ~UpdatingScope();
    UpdatingScope(const UpdatingScope &) = delete;
    UpdatingScope &operator=(const UpdatingScope &) = delete;

private:
    PageHost &m_host;
    bool m_previous;
};

} // namespace orva
