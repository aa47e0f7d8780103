#include "app/InformationForm.h"

#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

TInformationForm::TInformationForm(QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("InformationForm"));
    setModal(true);
    InformationLabel = new QLabel(this);
    InformationLabel->setObjectName(QStringLiteral("InformationLabel"));
    InformationLabel->setWordWrap(true);
    InformationLabel->setFixedWidth(320);
    OkButton = new QPushButton(QStringLiteral("OK"), this);
    OkButton->setObjectName(QStringLiteral("OkButton"));
    OkButton->setDefault(true);
    connect(OkButton, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 4);
    layout->setSpacing(4);
    layout->addWidget(InformationLabel);
    layout->addWidget(OkButton, 0, Qt::AlignRight);
    setMinimumSize(324, 64);
}

void TInformationForm::setContent(const QString& title, const QString& text)
{
    setWindowTitle(title);
    InformationLabel->setText(text);
    adjustSize();
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
}

void TInformationForm::ShowInformation(const QString& title, const QString& text)
{
    setContent(title, text);
    exec();
}
