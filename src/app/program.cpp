#include "program.h"

#include "device_model/device.h"
#include "storage/program_settings.h"

#include "dialogs/config_dialog.h"
#include "dialogs/dialog_questions.h"
#include "dialogs/error_message.h"
#include "dialogs/key_dialog.h"
#include "dialogs/logical_disks.h"
#include "dialogs/ok_message.h"
#include "dialogs/path_tree.h"
#include "frame/main_window.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QRandomGenerator>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>

namespace orva {

QString ProgramFolder()
{
    const QString beside = QCoreApplication::applicationDirPath();
    if (QDir(beside).exists(QStringLiteral("Image")))
        return WithTrailingSeparator(beside);
    // The data folder of the same installation, found from the executable so that an installation
    // under any prefix (or a staging folder) finds its own pictures first.
    const QString sameInstallation = QDir::cleanPath(beside + u'/' + QStringLiteral(ORVA_DATA_FROM_BINDIR));
    if (QDir(sameInstallation).exists(QStringLiteral("Image")))
        return WithTrailingSeparator(sameInstallation);
    const QString installed =
        QStandardPaths::locate(QStandardPaths::GenericDataLocation, QStringLiteral("orva-configurator/Image"),
                               QStandardPaths::LocateDirectory);
    if (!installed.isEmpty())
        return WithTrailingSeparator(QFileInfo(installed).absolutePath());
    return WithTrailingSeparator(beside);
}

Program::Program(const QStringList &arguments, std::unique_ptr<QSettings> settings)
    : m_programFolder(ProgramFolder())
{
    // The default list folder is the program file's own folder.
    m_settingsStore = std::make_unique<SettingsStore>(
        settings ? std::move(settings) : SettingsStore::OpenPlatformSettings(),
        WithTrailingSeparator(QCoreApplication::applicationDirPath()));

    m_form2 = std::make_unique<TForm2>();
    m_disks = new TFormLogicalDisks(m_form2.get());
    m_error = new TFormErrorMessage(m_form2.get());
    m_ok = new TFormOkMessage(m_form2.get());
    m_config = new TDialogConfig(m_form2->settings(), *m_settingsStore, m_form2.get());
    m_key = new TFormDialogSetKeyConfig(m_form2.get());
    m_pathTree = new TFormSelectPathTree(m_form2.get());

    ProgramDialogs dialogs;
    dialogs.owner = m_form2.get();
    dialogs.disks = m_disks;
    dialogs.error = m_error;
    dialogs.ok = m_ok;
    dialogs.config = m_config;
    dialogs.key = m_key;
    dialogs.pathTree = m_pathTree;
    m_form2->SetQuestions(std::make_unique<DialogQuestions>(dialogs));
    m_config->SetQuestions(&m_form2->questions());

    m_working = std::make_unique<T_Command_DEVICE>();
    m_list = std::make_unique<T_Command_DEVICE>();
    // The key generator's seed comes from the system's entropy, once per run.
    m_random.seed(QRandomGenerator::system()->generate());

    m_form2->AttachModels(m_working.get(), m_list.get(), &m_random);
    m_form2->SetSettingsStore(m_settingsStore.get());
    m_form2->SetArguments(arguments);
    m_form2->SetProgramFolder(m_programFolder);
}

Program::~Program() = default;

void Program::Show()
{
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        QRect frame = m_form2->frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        m_form2->move(frame.topLeft());
    }
    m_form2->show();
}

void Program::ReportException(const QString &what)
{
    m_form2->questions().Ask(
        Question::Error(QStringLiteral("Непредвиденная ошибка программы"),
                        (what.isEmpty() ? QString() : what + QStringLiteral(". ")) +
                            QStringLiteral("Действие прервано, работа программы продолжается"),
                        false, true));
}

} // namespace orva
