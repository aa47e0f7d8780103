// The pages and windows the main window builds when they are first shown or first needed: the
// option pages, the Binder, the HUDs, the wizard and the update window.
#include "app/MainForm.h"

#include "binder/BinderPage.h"
#include "config/AppState.h"
#include "config/ClientOptionsPage.h"
#include "config/OptionPages.h"
#include "config/ServerOptionsPage.h"
#include "hud/HudPage.h"
#include "language/FormTranslator.h"
#include "online/UpdateForm.h"
#include "wizard/WizardWindow.h"

#include <QCoreApplication>
#include <QLayout>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>

void TMainForm::placePage(QWidget* page, int tab)
{
    m_sheets[tab]->layout()->addWidget(page);
    m_translator->TranslatePart(this, page);
    for (QWidget* w : page->findChildren<QWidget*>())
        w->setToolTipDuration(10000);
    page->show(); // at once, not at the next turn of the event loop: a page shown reads its file
}

void TMainForm::ensurePage(int index)
{
    switch (index) {
    case ClientPage:
    case ServerPage:
        ensureOptionPages();
        break;
    case BinderTab:
        if (!m_binderPage) {
            m_binderPage = new BinderPage(m_state, m_sheets[BinderTab]);
            m_binderPage->applyMouseButtons(m_mouseButtons);
            placePage(m_binderPage, BinderTab);
        }
        break;
    case HudTab:
        if (!m_hudPage) {
            m_hudPage = new HudPage(m_state, m_sheets[HudTab]);
            placePage(m_hudPage, HudTab);
            m_hudPage->selectStoredHuds();
        }
        break;
    default:
        break;
    }
}

void TMainForm::ensureOptionPages()
{
    if (m_clientPage)
        return;
    // Both at once: one read fills both, with one message for the values that do not fit.
    m_clientPage = new ClientOptionsPage(m_state, m_sheets[ClientPage]);
    m_clientPage->setObjectName(QStringLiteral("ClientOptionsPage"));
    m_serverPage = new ServerOptionsPage(m_state, m_sheets[ServerPage]);
    m_serverPage->setObjectName(QStringLiteral("ServerOptionsPage"));
    connect(m_clientPage, &ClientOptionsPage::applied, this, &TMainForm::showApplied);
    connect(m_serverPage, &ServerOptionsPage::applied, this, &TMainForm::showApplied);
    placePage(m_clientPage, ClientPage);
    placePage(m_serverPage, ServerPage);
    if (!m_firstShowPending && !m_abandoned && m_configList->count() > 0)
        ::ReadOptionPages(m_state, *m_clientPage, *m_serverPage);
}

void TMainForm::readOptionPages()
{
    // Pages not built yet read the file when they are; with no file in the list there is nothing
    // to read (the pages say so).
    if (m_clientPage && m_configList->count() > 0)
        ::ReadOptionPages(m_state, *m_clientPage, *m_serverPage);
}

WizardContext TMainForm::wizardContext() const
{
    WizardContext context;
    context.title = m_wizardButton->text();
    for (int i = 0; i < m_configList->count(); ++i)
        context.configs << m_configList->item(i)->text();
    context.mouseButtons = m_mouseButtons;
    context.client = m_clientPage->view();
    return context;
}

WizardWindow& TMainForm::wizard()
{
    if (m_wizard)
        return *m_wizard;
    ensureOptionPages(); // the wizard starts from the Client page's answers
    m_wizard = new WizardWindow(m_state, this);
    m_wizard->translate(*m_translator);
    connect(m_wizard, &WizardWindow::configChosen, this, [this](const QString& name) {
        useConfigEntry(name);
        // The Client page shows the chosen file now.
        m_wizard->setContext(wizardContext());
    });
    connect(m_wizard, &WizardWindow::written, this, [this](const WizardResult& result) {
        wizardWritten(result.cfgFile, result.showServer, result.mouseButtons);
    });
    return *m_wizard;
}

void TMainForm::openWizard()
{
    WizardWindow& window = wizard();
    window.start(wizardContext());
}

TUpdateForm& TMainForm::updateWindow()
{
    if (m_updateForm)
        return *m_updateForm;
    m_updateForm = new TUpdateForm(m_state, m_shell, this);
    m_translator->TranslateForm(m_updateForm);
    m_updateForm->refreshTexts();
    // The update window brings this one back, and ends the program once its patch runs.
    connect(m_updateForm, &TUpdateForm::mainWindowWanted, this, &QWidget::show);
    connect(m_updateForm, &TUpdateForm::patchStarted, this, [] { QCoreApplication::exit(0); });
    return *m_updateForm;
}

void TMainForm::openUpdateWindow()
{
    TUpdateForm& window = updateWindow();
    hide();
    window.showModal();
}

bool TMainForm::exportTemplate(AppState& state, Shell& shell, const MachineRegistry& registry, const QString& path,
                               QString* error)
{
    TMainForm form(state, shell, registry, nullptr, path);
    for (int page = ClientPage; page <= HudTab; ++page)
        form.ensurePage(page);
    form.wizard();
    form.updateWindow();
    if (error)
        *error = form.m_translator->firstError();
    return form.m_translator->firstError().isEmpty();
}
