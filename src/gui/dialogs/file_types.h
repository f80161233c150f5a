#pragma once

#include <QFileIconProvider>

class QFileDialog;

namespace orva {

// The "Тип" column of Qt's file dialogs in Russian: the system's file-type database describes folders
// and unknown files in English ("Folder") whatever the language. Folders, drives, the program's own
// configuration files and every other file get a Russian description; the pictures stay Qt's.
class RussianFileTypes : public QFileIconProvider
{
public:
    QString type(const QFileInfo &info) const override;
};

// Gives the dialog the Russian descriptions (the provider lives as long as the program), and shows the
// sizes and dates of its list in Russian whatever the system's locale: Qt's file model formats them
// with the system's own.
void UseRussianFileTypes(QFileDialog &dialog);

} // namespace orva
