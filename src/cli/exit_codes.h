#pragma once

#include <QList>
#include <QString>

namespace orva::cli {

// The exit codes of orva-config. What each means is written once, in the table of exit_codes.cpp: every
// command's --help, `orva-config exit-codes` and through it the tables of the README and the manual page
// are made from there.
enum class ExitCode : int {
    Ok = 0,
    Failure = 1, // a file cannot be written; for check, diff and audit the answer is "no"
    Usage = 2,   // the command line itself is wrong
    // An encrypted container that does not decode, one code per reason:
    BadSignature = 3,      // not a container of the panel: signature line missing or different
    BadSize = 4,           // the container's size is wrong: cut short or not whole cipher blocks
    EmptyKey = 5,          // the key is empty
    WrongKey = 6,          // the key is wrong or the container is damaged
    Unreadable = 7,        // a file cannot be read (missing, no permission, a folder, not a regular file)
    ChecksFail = 8,        // a save-time check fails: nothing is written
    PanelArmed = 9,        // the file's folder holds lock.txt: nothing is written to the panel's disk
    NotVerified = 10,      // config.ini on the disk reads back different from what was written
    ContainerRefused = 11, // set: a container is never written by this program
    OutputFailed = 12,     // standard output cannot be written (closed, full disk)
};

// The codes of a command that reads one configuration FILE with --key or --key-stdin and writes a result.
inline const QList<ExitCode> ReadingExitCodes{ExitCode::Ok,           ExitCode::Failure,   ExitCode::Usage,
                                              ExitCode::BadSignature, ExitCode::BadSize,   ExitCode::EmptyKey,
                                              ExitCode::WrongKey,     ExitCode::Unreadable};

// The codes a command returns, by its name.
struct CommandExitCodes
{
    QString command;
    QList<ExitCode> codes;
};

// "Exit codes:" and one line per code of `codes` with what it means for `command`, wrapped.
QString ExitCodeHelp(const QString &command, const QList<ExitCode> &codes);

// The table of every code for `commands`: plain text, a Markdown table (the README's) or the troff of the
// manual page's EXIT STATUS section (the commands grouped where their codes mean the same).
QString ExitCodesText(const QList<CommandExitCodes> &commands);
QString ExitCodesMarkdown(const QList<CommandExitCodes> &commands);
QString ExitCodesManual(const QList<CommandExitCodes> &commands);

} // namespace orva::cli
