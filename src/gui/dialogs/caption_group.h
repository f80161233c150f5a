#pragma once

#include <QGroupBox>

namespace orva {

// A group box whose caption is maroon while the group is enabled and grey while it is disabled; the
// colour of the controls inside is not touched.
class CaptionGroup : public QGroupBox
{
    Q_OBJECT
public:
    using QGroupBox::QGroupBox;

    // The colour the caption is drawn in now.
    QColor captionColour() const;

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace orva
