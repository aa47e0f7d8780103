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

void TMainForm::translatePart(QWidget* part)
{
    m_translator->TranslatePart(this, part);
    for (QWidget* w : part->findChildren<QWidget*>())
        w->setToolTipDuration(10000);
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
            m_sheets[BinderTab]->layout()->addWidget(m_binderPage);
            m_binderPage->applyMouseButtons(m_mouseButtons);
            translatePart(m_binderPage);
            m_binderPage->show(); // at once, not at the next turn of the event loop: showing it reads it
        }
        break;
    case HudTab:
        if (!m_hudPage) {
            m_hudPage = new HudPage(m_state, m_sheets[HudTab]);
            m_sheets[HudTab]->layout()->addWidget(m_hudPage);
            translatePart(m_hudPage);
            m_hudPage->selectStoredHuds();
            m_hudPage->show();
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
    m_sheets[ClientPage]->layout()->addWidget(m_clientPage);
    m_serverPage = new ServerOptionsPage(m_state, m_sheets[ServerPage]);
    m_serverPage->setObjectName(QStringLiteral("ServerOptionsPage"));
    m_sheets[ServerPage]->layout()->addWidget(m_serverPage);
    connect(m_clientPage, &ClientOptionsPage::applied, this, &TMainForm::showApplied);
    connect(m_serverPage, &ServerOptionsPage::applied, this, &TMainForm::showApplied);
    translatePart(m_clientPage);
    translatePart(m_serverPage);
    m_clientPage->show();
    m_serverPage->show();
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

namespace {

// What the wizard is told of the main window when it opens.
WizardContext wizardContext(const QString& title, const QListWidget& list, int mouseButtons,
                            const ClientOptionsPage& client)
{
    WizardContext context;
    context.title = title;
    for (int i = 0; i < list.count(); ++i)
        context.configs << list.item(i)->text();
    context.mouseButtons = mouseButtons;
    context.client = client.view();
    return context;
}

} // namespace

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
        m_wizard->setContext(wizardContext(m_wizardButton->text(), *m_configList, m_mouseButtons, *m_clientPage));
    });
    connect(m_wizard, &WizardWindow::written, this, [this](const WizardResult& result) {
        wizardWritten(result.cfgFile, result.showServer, result.mouseButtons);
    });
    return *m_wizard;
}

void TMainForm::openWizard()
{
    WizardWindow& window = wizard();
    window.start(wizardContext(m_wizardButton->text(), *m_configList, m_mouseButtons, *m_clientPage));
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
