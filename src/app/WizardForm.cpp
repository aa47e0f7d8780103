#include "app/WizardForm.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

Twizard::Twizard(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("wizard"));
    setWindowTitle(QStringLiteral("Quarvel wizard"));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    auto* intro = new QLabel(QStringLiteral("Your configuration files:"), this);
    intro->setObjectName(QStringLiteral("WizardIntro"));
    layout->addWidget(intro);
    Configs = new QListWidget(this);
    Configs->setObjectName(QStringLiteral("Configs"));
    layout->addWidget(Configs);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(420, 300);
}
