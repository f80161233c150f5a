#pragma once

#include "widgets/picture_button.h"

#include <QDialog>

namespace orva {

class FieldEdit;
class StaticText;

// Asks for the key of an encrypted configuration container. The entry field keeps its text from one
// showing to the next; "Применить" (1) makes that text the last confirmed key, "Отказаться" or closing
// (2) leaves the last confirmed key as it was.
class TFormDialogSetKeyConfig : public QDialog
{
    Q_OBJECT
public:
    explicit TFormDialogSetKeyConfig(QWidget *parent = nullptr);

    // The layout of the key check: "(текущий ключ не верный)" shown, "Новый/текущий ключ:" hidden,
    // height 179, both buttons at 96.
    void PrepareCheckLayout();
    // Shows or hides "(текущий ключ не верный)".
    void SetWrongKeyVisible(bool visible);

    QString EntryText() const;
    void SetEntryText(const QString &text);
    // The key the user last confirmed with "Применить" during this run; empty at start.
    QString LastConfirmedKey() const { return m_lastConfirmedKey; }

    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void BtnOKClick();

    FieldEdit *m_entry;
    StaticText *m_recommendation;
    StaticText *m_wrongKey;
    StaticText *m_new;
    PictureButton *m_ok;
    PictureButton *m_cancel;
    ImageList m_images;
    CaptionTable m_captions;
    QString m_lastConfirmedKey;
};

} // namespace orva
