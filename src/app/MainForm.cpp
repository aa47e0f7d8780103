#include "app/MainForm.h"

#include "app/Artwork.h"
#include "app/MainLossesBox.h"
#include "app/Product.h"
#include "app/ProgramFolder.h"
#include "binder/BinderPage.h"
#include "config/AppState.h"
#include "config/ClientOptionsPage.h"
#include "config/OptionPages.h"
#include "config/OptionsLayout.h"
#include "config/RuntimeHint.h"
#include "config/ServerOptionsPage.h"
#include "config/Settings.h"
#include "hud/HudPage.h"
#include "language/FormTranslator.h"
#include "language/LanguageIni.h"
#include "online/UpdateForm.h"
#include "platform/Dialogs.h"
#include "platform/QtTranslations.h"
#include "platform/SettingsStore.h"
#include "platform/Shell.h"
#include "wizard/WizardWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QHelpEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolTip>
#include <QVBoxLayout>

TMainForm::TMainForm(AppState& state, Shell& shell, const MachineRegistry& registry, QWidget* parent,
                     const QString& templateOnly)
    : QWidget(parent,
              Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
    , m_state(state)
    , m_shell(shell)
    , m_registry(registry)
    , m_steamHome(QDir::homePath())
{
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(Product::caption());
    setWindowIcon(Artwork::windowIcon());
    setFixedSize(500, 494);
    // A window of one size offers no maximize button.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    buildFrame();
    buildMainPage();
    connectMainPage();
    setUpLanguage(templateOnly);
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
}

TMainForm::~TMainForm() = default;

void TMainForm::buildFrame()
{
    m_banner = new QLabel(this);
    m_banner->setObjectName(QStringLiteral("Image1"));
    m_banner->setGeometry(1, 0, 498, 101);
    // The banner's subtitle is drawn into the picture; this hidden label holds its text, which a
    // language file translates like any caption.
    m_subtitle = new QLabel(QStringLiteral("Counter-Strike 1.6 configuration utility"), this);
    m_subtitle->setObjectName(QStringLiteral("Subtitle"));
    m_subtitle->hide();

    auto* strip = new QWidget(this);
    strip->setGeometry(1, 101, 498, 16);
    strip->setStyleSheet(QStringLiteral("background: black;"));
    m_status = new QLabel(strip);
    m_status->setObjectName(QStringLiteral("Status"));
    m_status->setGeometry(4, 0, 494, 16);
    m_status->setStyleSheet(QStringLiteral("color: white; background: black;"));
    RuntimeHint::mark(m_status); // its tip holds a status text cut short, set at run time

    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("PageControl1"));
    m_tabs->setGeometry(1, 117, 498, 361);
    const char* const captions[] = {"Main", "Client options", "Server options", "Binder", "HUDs"};
    for (int i = 0; i < 5; ++i) {
        m_sheets[i] = new QWidget(m_tabs);
        m_sheets[i]->setObjectName(QStringLiteral("TabSheet%1").arg(i + 1));
        m_tabs->addTab(m_sheets[i], QLatin1String(captions[i]));
        if (i != MainPage) {
            auto* layout = new QVBoxLayout(m_sheets[i]);
            layout->setContentsMargins(0, 0, 0, 0);
        }
    }
    // The tab widget places the pages' stack only in its first show, after the stack itself was
    // shown: a stack not yet placed would be sized to fit all pages first, which lays out every
    // text on them. A place of about the right size now spares that; the show corrects it.
    if (auto* stack = m_tabs->findChild<QStackedWidget*>()) {
        const int bar = m_tabs->tabBar()->sizeHint().height();
        stack->setGeometry(0, bar, m_tabs->width(), m_tabs->height() - bar);
    }

    m_wizardButton = new QPushButton(QStringLiteral("Wizard"), this);
    m_wizardButton->setObjectName(QStringLiteral("WizardButton"));
    m_tabs->setCornerWidget(m_wizardButton, Qt::TopRightCorner);

    m_applyButton = new QPushButton(QStringLiteral("Apply"), this);
    m_applyButton->setObjectName(QStringLiteral("BitBtn8"));
    QFont bold = m_applyButton->font();
    bold.setBold(true);
    m_applyButton->setFont(bold);
    placeApplyButton();
    m_applyButton->hide();

    m_homeLink = new QLabel(Product::homePage(), this);
    m_homeLink->setObjectName(QStringLiteral("Label2"));
    m_homeLink->setGeometry(1, 478, 498, 16);
    m_homeLink->setAlignment(Qt::AlignCenter);
    m_homeLink->setCursor(Qt::PointingHandCursor);
    m_homeLink->setStyleSheet(QStringLiteral("color: navy; font-weight: bold; text-decoration: underline;"));
    m_homeLink->installEventFilter(this);

    connect(m_tabs, &QTabWidget::currentChanged, this, &TMainForm::pageChanged);
    connect(m_applyButton, &QPushButton::clicked, this, &TMainForm::applyCurrentPage);
    connect(m_wizardButton, &QPushButton::clicked, this, &TMainForm::openWizard);
    connect(&m_state.working, &WorkingConfig::changedOutside, this, [this](const QString& path) {
        showStatus(m_state.message(Msg::ChangedOutside).arg(QFileInfo(path).fileName()));
    });
    auto* undo = new QShortcut(QKeySequence::Undo, this);
    undo->setContext(Qt::WindowShortcut);
    connect(undo, &QShortcut::activated, this, &TMainForm::undoLastWrite);
}

void TMainForm::undoLastWrite()
{
    if (m_state.working.undoableWrites() == 0) {
        showStatusMessage(Msg::NothingToUndo);
        return;
    }
    QString error;
    if (!m_state.working.undoLastWrite(&error)) {
        m_state.dialogs.error(error);
        return;
    }
    showStatus(m_state.message(Msg::Undone).arg(m_state.working.file()));
    // The pages show the file as it is now, so that Apply never writes what was undone.
    readOptionPages();
}

void TMainForm::writeSetting(TextSetting setting, const QString& value)
{
    QString error;
    if (!m_state.settings.write(setting, value, &error))
        m_state.dialogs.error(error);
}

void TMainForm::setUpLanguage(const QString& templateOnly)
{
    m_state.ProgramDir = QDir::fromNativeSeparators(m_state.settings.read(Setting::ProgramFolder));
    while (m_state.ProgramDir.size() > 1 && m_state.ProgramDir.endsWith(QLatin1Char('/')))
        m_state.ProgramDir.chop(1);
    // The template goes to the program folder, which is where the program lives on Windows.
    m_translator =
        std::make_unique<TFormTranslator>(m_state.ProgramDir, LanguageIni::path(m_state.ProgramDir), m_state.dialogs);
    QString language;
    QString error;
    if (!templateOnly.isEmpty()) {
        m_translator->writeTemplateOnly(templateOnly);
    } else {
        m_state.working.setHistory(m_state.ProgramDir); // every write keeps the bytes it replaces
        if (!LanguageIni::readAndRewrite(m_state.ProgramDir, &language, &error))
            m_state.dialogs.error(error); // start-up goes on: the window stays in its own texts
    }
    m_translator->TranslateCatalog(m_state.messages, LanguageIni::messagesWindow());
    m_translator->TranslateForm(this);
    drawHeader();
    // The selector shows the language in use; setting it is no user's choice, so nothing is
    // written or translated again.
    m_languageList->setCurrentIndex(language.isEmpty() ? -1 : m_languageList->findText(language, Qt::MatchFixedString));
    QtTranslations::use(language);
    // Long hints (the configuration list's) stay ten seconds.
    for (QWidget* w : findChildren<QWidget*>())
        w->setToolTipDuration(10000);
    m_tabs->setCurrentWidget(m_sheets[MainPage]);
    showStatusMessage(Msg::MainPageHint);
    m_firstShowPending = true;
}

void TMainForm::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (m_firstShowPending)
        firstShow();
}

void TMainForm::firstShow()
{
    // The order matters: later steps rely on the folder found in locateGameFolder.
    m_mouseButtons = m_state.settings.read(Setting::MouseButtons);
    m_tabs->setTabVisible(ServerPage, m_state.settings.read(Setting::ShowServerPage));
    locateGameFolder();
    m_firstShowPending = false;
    if (m_abandoned)
        return; // the program ends: nothing is read and nothing remembered
    scanConfigList();
    readOptionPages();
    // Once the window is on the screen: running the game's start chain is no part of showing it.
    QTimer::singleShot(0, this, &TMainForm::noteWhetherTheGameRunsIt);
}

void TMainForm::placeApplyButton()
{
    // Wide enough for its caption in every language, at the right end of the option page's
    // header, where the page keeps nothing of its own.
    const int width = qMax(74, m_applyButton->sizeHint().width());
    const int height = 24;
    // The pages' stack, not a page: a page not shown yet may not have its place yet.
    const QWidget* stack = m_sheets[ClientPage]->parentWidget();
    const QPoint pageTopRight = stack->mapTo(this, QPoint(stack->width(), 0));
    m_applyButton->setGeometry(pageTopRight.x() - width - 6,
                               pageTopRight.y() + (OptionsLayout::HeaderHeight - height) / 2, width, height);
}

void TMainForm::pageChanged(int index)
{
    placeApplyButton();
    m_applyButton->setVisible(index == ClientPage || index == ServerPage);
    if (index >= 0)
        m_applyButton->raise();
    static constexpr MessageKey hints[] = {Msg::MainPageHint, Msg::ClientPageHint, Msg::ServerPageHint,
                                           Msg::BinderPageHint, Msg::HudPageHint};
    if (index < 0 || index > HudTab)
        return;
    showStatusMessage(hints[index]);
    ensurePage(index); // a page built now reads its file, which may bring up a message
    if (index != MainPage && m_configList->count() == 0) {
        showStatusMessage(Msg::NoConfigFile);
        return; // nothing to read
    }
    if (index != MainPage && index != BinderTab) // the Binder reads the working file itself when shown
        m_state.LoadCfg();
}

void TMainForm::applyCurrentPage()
{
    if (!hasWorkingFile())
        return;
    ensureOptionPages();
    if (m_tabs->currentIndex() == ClientPage)
        m_clientPage->apply();
    else if (m_tabs->currentIndex() == ServerPage)
        m_serverPage->apply();
}

void TMainForm::showApplied(bool written)
{
    // Both Apply buttons of a page land here. After a write the page's own status returns, in
    // place of an earlier "Nothing to apply".
    showStatusMessage(!written                               ? Msg::NothingToApply
                      : m_tabs->currentIndex() == ServerPage ? Msg::ServerPageHint
                                                             : Msg::ClientPageHint);
}

void TMainForm::changeLanguage()
{
    const QString language = m_languageList->currentText();
    if (language.isEmpty())
        return;
    QString error;
    if (!LanguageIni::write(m_state.ProgramDir, language, &error)) {
        m_state.dialogs.error(error);
        return;
    }
    m_translator->TranslateCatalog(m_state.messages, LanguageIni::messagesWindow());
    if (m_updateForm) {
        m_translator->TranslateForm(m_updateForm);
        m_updateForm->refreshTexts();
    }
    if (m_wizard)
        m_wizard->translate(*m_translator);
    m_translator->TranslateForm(this);
    drawHeader();
    QtTranslations::use(language); // message boxes' own buttons
    placeApplyButton();            // its caption's width changed
    if (m_statusKey.name)
        showStatusMessage(m_statusKey); // the status line speaks the new language at once
    m_lossesBox->refresh();
    // The option pages keep what they show: edits not yet applied survive a change of language.
}

void TMainForm::drawHeader()
{
    m_banner->setPixmap(Artwork::header(m_subtitle->text(), ProgramFolder::cacheDir(m_state.settings)));
}

void TMainForm::showStatusMessage(MessageKey key)
{
    showStatus(m_state.message(key));
    m_statusKey = key;
}

void TMainForm::showStatus(const QString& text)
{
    m_statusKey = MessageKey{nullptr};
    // The strip is one line high: a smaller font first, then the text cut short with the whole
    // of it as the tool tip.
    QFont font = m_status->font();
    const int width = m_status->contentsRect().width();
    for (const qreal size : {8.0, 7.5, 7.0}) {
        font.setPointSizeF(size);
        if (QFontMetrics(font).horizontalAdvance(text) <= width)
            break;
    }
    m_status->setFont(font);
    const QString shown = QFontMetrics(font).elidedText(text, Qt::ElideRight, width);
    m_status->setText(shown);
    m_status->setToolTip(shown == text ? QString() : text);
}

void TMainForm::comeForward()
{
    QWidget* window = QApplication::activeModalWidget();
    if (!window && !isVisible() && m_updateForm && m_updateForm->isMinimized()) {
        m_updateForm->openFromTray(); // it waits in the tray
        return;
    }
    if (!window && !isVisible())
        return; // still starting (it shows itself soon) or ending
    if (!window)
        window = this;
    for (QWidget* w : {static_cast<QWidget*>(this), window}) {
        if (w->isMinimized())
            w->setWindowState(w->windowState() & ~Qt::WindowMinimized);
    }
    window->raise();
    window->activateWindow();
}

void TMainForm::openHomePage()
{
    m_shell.open(Product::homePage());
}

void TMainForm::closeEvent(QCloseEvent* event)
{
    rememberWorkingFile();
    QWidget::closeEvent(event);
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_homeLink && event->type() == QEvent::MouseButtonRelease)
        openHomePage();
    if (watched == m_configList->viewport() && event->type() == QEvent::MouseButtonPress)
        m_readOnPress = false; // a new press: what selected an entry before is no longer news
    if ((watched == m_configList || watched == m_configList->viewport()) && event->type() == QEvent::ToolTip) {
        showListHint(static_cast<QHelpEvent*>(event)->globalPos());
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void TMainForm::showListHint(const QPoint& globalPos)
{
    // As rich text the tip wraps its lines; as plain text it would run as wide as its longest one.
    QString html = m_configList->toolTip().toHtmlEscaped();
    html.replace(QLatin1String("\r\n"), QLatin1String("<br>")).replace(QLatin1Char('\n'), QLatin1String("<br>"));
    QToolTip::showText(globalPos, QStringLiteral("<p>%1</p>").arg(html), m_configList, {},
                       m_configList->toolTipDuration());
}
