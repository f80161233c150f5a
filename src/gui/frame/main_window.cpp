#include "frame/main_window.h"

#include "frame/check_rules.h"
#include "frame/control_binder.h"
#include "frame/file_list_mode.h"
#include "frame/tab_chain.h"
#include "frame/text_page.h"
#include "pages/page_table.h"

#include "dialogs/modal_questions.h"
#include "fields/field_catalogue.h"
#include "fields/field_changes.h"
#include "widgets/accessible_names.h"
#include "widgets/fonts.h"
#include "widgets/static_text.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QShortcut>
#include <QShowEvent>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>

namespace orva {
namespace {

// Zone (partition) bindings are switched off in the editor: their controls are hidden for good.
const char16_t *const ZoneControls[] = {
    u"CB_Indic_Zone",    u"L_Indic_Zone1",    u"L_Indic_Zone3",    u"L_Shleif_Zone1",
    u"CB_Shleif_Zone",   u"GB_Rele_Zone",     u"L_Key_Zone",       u"L_Key_ZoneLabel1",
    u"L_Key_ZoneLabel2", u"L_Key_ZoneLabel3", u"L_Key_ZoneLabel4", u"GB_SMS_Zone",
};

// Answers every question with "closed" until the program installs its dialogs.
class NoQuestions : public ModalQuestions
{
public:
    Answer Ask(const Question &) override { return {}; }
};

} // namespace

TForm2::TForm2(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      m_buttonImages(MainButtonImages()), m_binder(new ControlBinder(this)), m_questions(new NoQuestions),
      m_checkRules(CoreCheckRules())
{
    InstallAccessibleControls();
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(DesignCaption);
    setFixedSize(796, 558);
    setFont(QFont(QStringLiteral("MS Sans Serif"), 8));

    CreatePages();
    m_buttons = CreateBottomButtons(this);
    connect(m_buttons.open, &QPushButton::clicked, this, &TForm2::B_OpenClick);
    connect(m_buttons.save, &QPushButton::clicked, this, &TForm2::B_SaveClick);
    connect(m_buttons.saveToDevice, &QPushButton::clicked, this, &TForm2::B_SaveToDeviceClick);
    connect(m_buttons.defaults, &QPushButton::clicked, this, &TForm2::B_DefaultClick);
    connect(m_buttons.config, &QPushButton::clicked, this, &TForm2::B_ConfigClick);
    connect(m_buttons.print, &QPushButton::clicked, this, &TForm2::B_PrintClick);
    m_fileList = new FileListMode(this);
    connect(m_fileList, &FileListMode::OpenRequested, this, &TForm2::ListFileConfigDblClick);
    connect(m_fileList, &FileListMode::CancelRequested, this, &TForm2::B_CancelOpenListClick);
    connect(m_fileList, &FileListMode::ManualRequested, this, &TForm2::B_OpenDirectlyClick);

    // Controls built at run time rather than with their pages (Create_Rele, Create_Keys, Create_Zone,
    // Create_SMSK, Create_GPRS), in tab order.
    for (const PageRow &row : PageTable())
        Page(row.slot)->createLateControls();
    HideZoneControls();
    ConnectPages(m_pageList);

    for (EditorPage *page : m_pageList) {
        if (page)
            m_binder->Bind(page->tab(), page->slot());
    }
    m_binder->BindOutsidePages(m_fileList->ListFileConfig());
    // The page tab bar turns yellow while it has the focus, as every other control does.
    m_binder->BindOutsidePages(m_pages->tabBar());
    BindButtonFaces(this, &m_buttonImages, &ButtonCaptions());
    connect(m_pages, &QTabWidget::currentChanged, this, &TForm2::PageShown);
    ChainTabsInPageOrder();
    BindPageKeys();
}

void TForm2::ChainTabsInPageOrder()
{
    ChainPagesBefore(m_pages, {m_buttons.open, m_buttons.print, m_buttons.saveToDevice, m_buttons.save,
                               m_buttons.defaults, m_buttons.config});
}

TForm2::~TForm2()
{
    // Hiding moves the focus off the picture buttons, whose faces are then painted with the window's
    // button images: that must happen while the images still exist, not in QWidget's destructor.
    hide();
    // The pages outside the tab bar belong to no widget.
    delete m_zoneTab;
    if (!m_textPage->parent())
        delete m_textPage;
}

void TForm2::CreatePages()
{
    m_pages = new QTabWidget(this);
    m_pages->setObjectName(QStringLiteral("PagesParam"));
    m_pages->setGeometry(5, 8, 785, 473);
    m_pages->tabBar()->setFont(ArialPx(12));
    m_pages->tabBar()->setAccessibleName(QStringLiteral("Страницы"));
    for (const PageRow &row : PageTable()) {
        auto *tab = new QWidget;
        tab->setObjectName(QString::fromUtf16(row.name));
        tab->setWindowTitle(PageCaptionOf(QStringView(row.name)));
        // "Разделы" is never shown: its page lives outside the tab bar and outside the window, so that
        // neither Ctrl+Tab nor the accessibility tree can reach it.
        if (row.slot == PageSlot::Zone)
            m_zoneTab = tab;
        else
            m_pages->addTab(tab, tab->windowTitle());
        EditorPage *page = row.make(*this, tab);
        m_pageList[static_cast<int>(row.slot)] = page;
        connect(page, &EditorPage::FieldEdited, this, [this](const Field &field) {
            if (m_changes)
                m_changes->Edited(field);
        });
    }

    m_textPage = new TextPage;
    m_textPage->setWindowTitle(QStringLiteral("Текст"));

    m_status = new StaticText(Page(PageSlot::Common)->tab());
    m_status->setObjectName(QStringLiteral("StaticTextStatus"));
    m_status->setGeometry(8, 3, 761, 25);
    m_status->setFont(ArialPx(15, Bold | Italic));
    m_pages->setCurrentIndex(0);
    // The pages appear once the first showing has loaded the configuration.
    m_pages->hide();
}

void TForm2::HideZoneControls()
{
    for (const char16_t *name : ZoneControls) {
        if (auto *control = findChild<QWidget *>(QString::fromUtf16(name)))
            control->hide();
    }
}

void TForm2::AttachModels(T_Command_DEVICE *working, T_Command_DEVICE *list, ProgramRandom *random)
{
    m_working = working;
    delete m_changes;
    m_changes = new FieldChanges(*working, this);
    m_list = list;
    m_fileList->SetListModel(list);
    m_random = random;
}

void TForm2::SetQuestions(std::unique_ptr<ModalQuestions> questions)
{
    m_questions = std::move(questions);
}

void TForm2::SetCheckRules(std::unique_ptr<CheckRules> rules)
{
    m_checkRules = std::move(rules);
}

T_Command_DEVICE &TForm2::model()
{
    Q_ASSERT(m_working);
    return *m_working;
}

T_Command_DEVICE &TForm2::listModel()
{
    Q_ASSERT(m_list);
    return *m_list;
}

ModalQuestions &TForm2::questions()
{
    return *m_questions;
}

ProgramRandom &TForm2::random()
{
    // Without the program's generator (a window on its own) the window keeps one of its own.
    return m_random ? *m_random : m_ownRandom;
}

EditorPage *TForm2::Page(PageSlot slot) const
{
    return m_pageList[static_cast<int>(slot)];
}

QPlainTextEdit *TForm2::Memo1() const
{
    return m_textPage->Memo1();
}

QWidget *TForm2::LastFocused(PageSlot slot) const
{
    return m_binder->LastFocused(slot);
}

void TForm2::SetDebugPageVisible(bool visible)
{
    // Out of the tab bar the page belongs to no window (see CreatePages).
    const int index = m_pages->indexOf(m_textPage);
    if (visible && index < 0) {
        m_pages->addTab(m_textPage, m_textPage->windowTitle());
        ChainTabsInPageOrder();
    } else if (!visible && index >= 0) {
        m_pages->removeTab(index);
        m_textPage->setParent(nullptr);
    }
}

void TForm2::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!m_shown && !event->spontaneous()) {
        m_shown = true;
        FormShow();
    }
}

void TForm2::BindPageKeys()
{
    // Ctrl+Tab and Ctrl+Shift+Tab change the page wherever the focus is in the window (a bottom button
    // included), not only inside the page control. As shortcuts they reach the window also from a combo
    // box, which would take Ctrl+Tab as a typed character (a search among its items) and keep it.
    const auto bind = [this](const QKeySequence &keys, int step) {
        auto *shortcut = new QShortcut(keys, this);
        connect(shortcut, &QShortcut::activated, this, [this, step] { TurnPage(step); });
    };
    bind(QKeySequence(Qt::CTRL | Qt::Key_Tab), 1);
    bind(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), -1);
    bind(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), -1);
}

void TForm2::TurnPage(int step)
{
    // As the page control turns its pages: to the next page that can be shown, round the end.
    const int count = m_pages->count();
    if (!m_pages->isVisible() || count == 0)
        return;
    int index = m_pages->currentIndex();
    for (int tried = 0; tried < count; ++tried) {
        index = (index + step + count) % count;
        if (m_pages->isTabEnabled(index) && m_pages->isTabVisible(index)) {
            m_pages->setCurrentIndex(index);
            return;
        }
    }
}

void TForm2::FormShow()
{
    if (m_settingsStore)
        m_settings = m_settingsStore->Read();
    model().ResetToDefaults();
    FormatStaticTextStatus(QString(), 0, QString(), QString());
    // The start-up load may show the key dialog (and message boxes): their modal loops run from the event
    // loop, not from inside this show event.
    QMetaObject::invokeMethod(this, &TForm2::FinishFirstShowing, Qt::QueuedConnection);
}

void TForm2::FinishFirstShowing()
{
    // The window is complete (the running version's caption, its pages with the defaults, the pictures
    // on its buttons) before the start-up load may show the key dialog or a message box over it.
    SetCaptionFile(QString());
    Redraw_All();
    m_pages->show();
    RepaintButtons(this, m_buttonImages, ButtonCaptions());
    const QString fileName = StartUpLoad();
    SetCaptionFile(fileName);
    m_startUpFinished = true;
    Q_EMIT StartUpLoaded();
}

void TForm2::PageShown(int index)
{
    // TabCommonShow, TabModeShow, ...: the page's remembered control takes the focus back.
    QWidget *tab = m_pages->widget(index);
    for (EditorPage *page : m_pageList) {
        if (page && page->tab() == tab) {
            page->BeforeShow();
            m_binder->RestoreTabFocus(page->slot());
            return;
        }
    }
}

void TForm2::Redraw_All()
{
    for (const PageRow &row : PageTable())
        Page(row.slot)->load();
    // What a file brought, the defaults, and the forms the pages redraw in.
    if (m_changes)
        m_changes->Note(ChangeSource::Program);
}

void TForm2::UnLoad_All()
{
    for (PageSlot slot : StoreOrder())
        Page(slot)->store();
    if (m_changes)
        m_changes->Note(ChangeSource::User);
}

void TForm2::B_ConfigClick()
{
    questions().Ask(Question::Of(QuestionKind::Settings));
}

} // namespace orva
