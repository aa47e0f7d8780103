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
    m_text = new QLabel(this);
    m_text->setObjectName(QStringLiteral("InformationLabel"));
    m_text->setWordWrap(true);
    m_text->setFixedWidth(320);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OkButton"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 4);
    layout->setSpacing(4);
    layout->addWidget(m_text);
    layout->addWidget(ok, 0, Qt::AlignRight);
    setMinimumSize(324, 64);
}

void TInformationForm::setContent(const QString& title, const QString& text)
{
    setWindowTitle(title);
    m_text->setText(text);
    adjustSize();
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
}

void TInformationForm::ShowInformation(const QString& title, const QString& text)
{
    setContent(title, text);
    exec();
}
