#include "app/MainForm.h"

#include "app/Artwork.h"
#include "app/Product.h"
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
#include <QHelpEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QToolTip>
#include <QVBoxLayout>

namespace {

enum Page { MainPage, ClientPage, ServerPage, BinderTab, HudTab };

// What the wizard is told of the main window when it opens.
WizardContext wizardContext(const TMainForm& form)
{
    WizardContext context;
    context.title = form.WizardButton->text();
    for (int i = 0; i < form.ListBox1->count(); ++i)
        context.configs << form.ListBox1->item(i)->text();
    context.mouseButtons = form.MouseButtons;
    context.client = form.clientPage->view();
    return context;
}

} // namespace

TMainForm::TMainForm(AppState& state, Shell& shell, const MachineRegistry& registry, QWidget* parent)
    : QWidget(parent,
              Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
    , steamHome(QDir::homePath())
    , m_state(state)
    , m_shell(shell)
    , m_registry(registry)
{
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(Product::caption());
    setWindowIcon(Artwork::windowIcon());
    setFixedSize(500, 494);
    // A window of one size offers no maximize button.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(1, 0, 498, 101);
    // The banner's subtitle is drawn into the picture; this hidden label holds its text, which a
    // language file translates like any caption.
    m_subtitle = new QLabel(QStringLiteral("Counter-Strike 1.6 configuration utility"), this);
    m_subtitle->setObjectName(QStringLiteral("Subtitle"));
    m_subtitle->hide();

    auto* strip = new QWidget(this);
    strip->setGeometry(1, 101, 498, 16);
    strip->setStyleSheet(QStringLiteral("background: black;"));
    Status = new QLabel(strip);
    Status->setObjectName(QStringLiteral("Status"));
    Status->setGeometry(4, 0, 494, 16);
    Status->setStyleSheet(QStringLiteral("color: white; background: black;"));
    RuntimeHint::mark(Status); // its tip holds a status text cut short, set at run time

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setGeometry(1, 117, 498, 361);
    const QList<QPair<QWidget**, const char*>> pages = {{&TabSheet1, "Main"},
                                                        {&TabSheet2, "Client options"},
                                                        {&TabSheet3, "Server options"},
                                                        {&TabSheet4, "Binder"},
                                                        {&TabSheet5, "HUDs"}};
    int n = 1;
    for (const auto& [page, caption] : pages) {
        *page = new QWidget(PageControl1);
        (*page)->setObjectName(QStringLiteral("TabSheet%1").arg(n++));
        PageControl1->addTab(*page, QLatin1String(caption));
    }

    // The tab widget places the pages' stack only in its first show, after the stack itself was
    // shown: a stack not yet placed would be sized to fit all pages first, which lays out every
    // text on them. A place of about the right size now spares that; the show corrects it.
    if (auto* stack = PageControl1->findChild<QStackedWidget*>()) {
        const int bar = PageControl1->tabBar()->sizeHint().height();
        stack->setGeometry(0, bar, PageControl1->width(), PageControl1->height() - bar);
    }

    WizardButton = new QPushButton(QStringLiteral("Wizard"), this);
    WizardButton->setObjectName(QStringLiteral("WizardButton"));
    PageControl1->setCornerWidget(WizardButton, Qt::TopRightCorner);

    BitBtn8 = new QPushButton(QStringLiteral("Apply"), this);
    BitBtn8->setObjectName(QStringLiteral("BitBtn8"));
    QFont bold = BitBtn8->font();
    bold.setBold(true);
    BitBtn8->setFont(bold);
    placeApplyButton();
    BitBtn8->hide();

    Label2 = new QLabel(Product::homePage(), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setGeometry(1, 478, 498, 16);
    Label2->setAlignment(Qt::AlignCenter);
    Label2->setCursor(Qt::PointingHandCursor);
    Label2->setStyleSheet(QStringLiteral("color: navy; font-weight: bold; text-decoration: underline;"));
    Label2->installEventFilter(this);

    buildMainPage();
    for (QWidget* sheet : {TabSheet2, TabSheet3, TabSheet4, TabSheet5}) {
        auto* layout = new QVBoxLayout(sheet);
        layout->setContentsMargins(0, 0, 0, 0);
    }
    clientPage = new ClientOptionsPage(m_state, TabSheet2);
    TabSheet2->layout()->addWidget(clientPage);
    serverPage = new ServerOptionsPage(m_state, TabSheet3);
    TabSheet3->layout()->addWidget(serverPage);
    binderPage = new BinderPage(m_state, TabSheet4);
    TabSheet4->layout()->addWidget(binderPage);
    hudPage = new HudPage(m_state, TabSheet5);
    TabSheet5->layout()->addWidget(hudPage);

    connect(PageControl1, &QTabWidget::currentChanged, this, &TMainForm::PageControl1Change);
    connect(BitBtn8, &QPushButton::clicked, this, &TMainForm::BitBtn8Click);
    connect(clientPage, &ClientOptionsPage::applied, this, &TMainForm::showApplied);
    connect(serverPage, &ServerOptionsPage::applied, this, &TMainForm::showApplied);
    connect(Lang, &QComboBox::activated, this, &TMainForm::LangChange);
    connect(WizardButton, &QPushButton::clicked, this, [this] {
        if (openWizard)
            openWizard();
    });
    openWizard = [this] {
        if (m_wizard)
            m_wizard->start(wizardContext(*this));
    };
    quitProgram = [] { QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection); };

    FormCreate();

    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
}

TMainForm::~TMainForm() = default;

void TMainForm::setWizard(WizardWindow* wizard)
{
    m_wizard = wizard;
    connect(wizard, &WizardWindow::configChosen, this, [this](const QString& name) {
        useCfgEntry(name);
        m_wizard->setContext(wizardContext(*this)); // the client page shows the chosen file now
    });
    connect(wizard, &WizardWindow::written, this, [this](const WizardResult& result) {
        wizardWritten(result.cfgFile, result.showServer, result.mouseButtons);
    });
}

QString TMainForm::message(const QString& key) const
{
    return m_state.message(key);
}

void TMainForm::writeSetting(TextSetting setting, const QString& value)
{
    QString error;
    if (!m_state.settings.write(setting, value, &error))
        m_state.dialogs.error(error);
}

void TMainForm::FormCreate()
{
    m_state.ProgramDir = QDir::fromNativeSeparators(m_state.settings.read(Setting::ProgramFolder));
    while (m_state.ProgramDir.size() > 1 && m_state.ProgramDir.endsWith(QLatin1Char('/')))
        m_state.ProgramDir.chop(1);
    // The template goes to the program folder, which is where the program lives on Windows.
    FormTranslator1 =
        std::make_unique<TFormTranslator>(m_state.ProgramDir, LanguageIni::path(m_state.ProgramDir), m_state.dialogs);
    QString language;
    QString error;
    if (!LanguageIni::readAndRewrite(m_state.ProgramDir, &language, &error))
        m_state.dialogs.error(error); // start-up goes on: the window stays in its own texts
    FormTranslator1->TranslateCatalog(m_state.messages, LanguageIni::messagesWindow());
    FormTranslator1->TranslateForm(this);
    drawHeader();
    // The selector shows the language in use; setting it is no user's choice, so nothing is
    // written or translated again.
    Lang->setCurrentIndex(language.isEmpty() ? -1 : Lang->findText(language, Qt::MatchFixedString));
    QtTranslations::use(language);
    // Long hints (the configuration list's) stay ten seconds.
    for (QWidget* w : findChildren<QWidget*>())
        w->setToolTipDuration(10000);
    PageControl1->setCurrentWidget(TabSheet1);
    showStatusMessage(QStringLiteral("TabSheet1"));
    FirstShow = true;
}

void TMainForm::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (FirstShow)
        FormShow();
}

void TMainForm::FormShow()
{
    // The splash window is translated after the main window is made: take the status text now,
    // in the interface language.
    showStatusMessage(QStringLiteral("TabSheet1"));
    // The order matters: later steps rely on the folder found in LocateCfgFolder.
    MouseButtons = m_state.settings.read(Setting::MouseButtons);
    binderPage->applyMouseButtons(MouseButtons);
    hudPage->selectStoredHuds();
    PageControl1->setTabVisible(ServerPage, m_state.settings.read(Setting::ShowServerPage));
    LocateCfgFolder();
    FirstShow = false;
    if (m_abandoned)
        return; // the program ends: nothing is read and nothing remembered
    ScanCfgList();
    ReadOptionPages();
}

void TMainForm::ReadOptionPages()
{
    ::ReadOptionPages(m_state, *clientPage, *serverPage);
}

void TMainForm::placeApplyButton()
{
    // Wide enough for its caption in every language, at the right end of the option page's
    // header, where the page keeps nothing of its own.
    const int width = qMax(74, BitBtn8->sizeHint().width());
    const int height = 24;
    // The pages' stack, not a page: a page not shown yet may not have its place yet.
    const QWidget* stack = TabSheet2->parentWidget();
    const QPoint pageTopRight = stack->mapTo(this, QPoint(stack->width(), 0));
    BitBtn8->setGeometry(pageTopRight.x() - width - 6, pageTopRight.y() + (OptionsLayout::HeaderHeight - height) / 2,
                         width, height);
}

void TMainForm::PageControl1Change(int index)
{
    placeApplyButton();
    BitBtn8->setVisible(index == ClientPage || index == ServerPage);
    if (index >= 0)
        BitBtn8->raise();
    static const char* const keys[] = {"TabSheet1", "TabSheet2", "TabSheet3", "TabSheet4", "TabSheet5"};
    if (index < 0 || index > HudTab)
        return;
    showStatusMessage(QLatin1String(keys[index]));
    if (index != MainPage && ListBox1->count() == 0) {
        showStatusMessage(QStringLiteral("nocfgfile"));
        return; // nothing to read
    }
    if (index != MainPage && index != BinderTab) // the Binder reads the working file itself when shown
        m_state.LoadCfg();
}

void TMainForm::BitBtn8Click()
{
    if (!hasWorkingFile())
        return;
    if (PageControl1->currentIndex() == ClientPage)
        clientPage->apply();
    else if (PageControl1->currentIndex() == ServerPage)
        serverPage->apply();
}

void TMainForm::showApplied(bool written)
{
    // Both Apply buttons of a page land here. After a write the page's own status returns, in
    // place of an earlier "Nothing to apply".
    showStatusMessage(written ? QStringLiteral("TabSheet%1").arg(PageControl1->currentIndex() + 1)
                              : QStringLiteral("nothingtoapply"));
}

void TMainForm::LangChange()
{
    const QString language = Lang->currentText();
    if (language.isEmpty())
        return;
    QString error;
    if (!LanguageIni::write(m_state.ProgramDir, language, &error)) {
        m_state.dialogs.error(error);
        return;
    }
    FormTranslator1->TranslateCatalog(m_state.messages, LanguageIni::messagesWindow());
    if (m_updateForm) {
        FormTranslator1->TranslateForm(m_updateForm);
        m_updateForm->refreshTexts();
    }
    if (m_wizard)
        m_wizard->translate(*FormTranslator1);
    FormTranslator1->TranslateForm(this);
    drawHeader();
    QtTranslations::use(language); // message boxes' own buttons
    placeApplyButton();            // its caption's width changed
    if (!m_statusKey.isEmpty())
        showStatusMessage(m_statusKey); // the status line speaks the new language at once
    // The option pages keep what they show: edits not yet applied survive a change of language.
}

void TMainForm::drawHeader()
{
    Image1->setPixmap(Artwork::header(m_subtitle->text()));
}

void TMainForm::showStatusMessage(const QString& key)
{
    const QString shown = key; // `key` may be m_statusKey itself, which showStatus clears
    showStatus(message(shown));
    m_statusKey = shown;
}

void TMainForm::showStatus(const QString& text)
{
    m_statusKey.clear();
    // The strip is one line high: a smaller font first, then the text cut short with the whole
    // of it as the tool tip.
    QFont font = Status->font();
    const int width = Status->contentsRect().width();
    for (const qreal size : {8.0, 7.5, 7.0}) {
        font.setPointSizeF(size);
        if (QFontMetrics(font).horizontalAdvance(text) <= width)
            break;
    }
    Status->setFont(font);
    const QString shown = QFontMetrics(font).elidedText(text, Qt::ElideRight, width);
    Status->setText(shown);
    Status->setToolTip(shown == text ? QString() : text);
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

void TMainForm::Label2Click()
{
    m_shell.open(Product::homePage());
}

void TMainForm::closeEvent(QCloseEvent* event)
{
    FormClose();
    QWidget::closeEvent(event);
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Label2 && event->type() == QEvent::MouseButtonRelease)
        Label2Click();
    if (watched == ListBox1->viewport() && event->type() == QEvent::MouseButtonPress)
        m_readOnPress = false; // a new press: what selected an entry before is no longer news
    if ((watched == ListBox1 || watched == ListBox1->viewport()) && event->type() == QEvent::ToolTip) {
        showListHint(static_cast<QHelpEvent*>(event)->globalPos());
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void TMainForm::showListHint(const QPoint& globalPos)
{
    // As rich text the tip wraps its lines; as plain text it would run as wide as its longest one.
    QString html = ListBox1->toolTip().toHtmlEscaped();
    html.replace(QLatin1String("\r\n"), QLatin1String("<br>")).replace(QLatin1Char('\n'), QLatin1String("<br>"));
    QToolTip::showText(globalPos, QStringLiteral("<p>%1</p>").arg(html), ListBox1, {}, ListBox1->toolTipDuration());
}
