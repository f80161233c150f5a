#pragma once

#include <QString>
#include <QStringList>

namespace orva {

// What the editor's command line asks for. "-debug" (any letter case) counts only as the first
// argument and shows the page "Текст"; the file to open comes next. "--version" and "--help" (or "-h")
// print and end the program; any other argument beginning with "--" is an unknown option. After "--"
// every argument is a file name, so that a file named like an option can still be opened.
struct StartArguments
{
    enum class Action { Edit, Version, Help, UnknownOption };
    Action action = Action::Edit;
    bool debug = false;
    QString file;          // empty: config.ini, else config.cry, of the current folder
    QString unknownOption; // the option, for UnknownOption
};

StartArguments ParseStartArguments(const QStringList &arguments);

// The text of --help.
QString StartUsageText();

} // namespace orva
