#pragma once

#include <QGroupBox>

namespace orva {

// A group box whose caption is maroon while the group is enabled and grey while it is disabled; the
// colour of the controls inside is not touched. A page may set the caption's colour itself where its
// group stays enabled while it shows nothing to edit (the relay modes without a selected relay).
class CaptionGroup : public QGroupBox
{
    Q_OBJECT
public:
    using QGroupBox::QGroupBox;

    // The colour the caption is drawn in now.
    QColor captionColour() const;
    // Draws the caption in this colour whatever the group's state; an invalid colour goes back to
    // following the state.
    void setCaptionColour(const QColor &colour);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_captionColour;
};

} // namespace orva
