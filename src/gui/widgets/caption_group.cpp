#include "widgets/caption_group.h"

#include "widgets/colours.h"

#include <QStyleOptionGroupBox>
#include <QStylePainter>

namespace orva {

QColor CaptionGroup::captionColour() const
{
    if (m_captionColour.isValid())
        return m_captionColour;
    return isEnabled() ? Colours::GroupEnabled : Colours::GroupDisabled;
}

void CaptionGroup::setCaptionColour(const QColor &colour)
{
    m_captionColour = colour;
    update();
}

void CaptionGroup::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionGroupBox option;
    initStyleOption(&option);
    option.textColor = captionColour();
    // Styles draw the caption either with textColor or with the window text colour of the palette.
    option.palette.setColor(QPalette::WindowText, option.textColor);
    painter.drawComplexControl(QStyle::CC_GroupBox, option);
}

} // namespace orva
