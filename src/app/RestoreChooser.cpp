#include "app/RestoreChooser.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

RestoreChooser::RestoreChooser(const QString& title, const QString& prompt, const QStringList& entries,
                               const QString& restoreText, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("RestoreChooser"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(title);
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(prompt, this);
    label->setObjectName(QStringLiteral("RestorePrompt"));
    label->setTextFormat(Qt::PlainText);
    layout->addWidget(label);

    m_entries = new QListWidget(this);
    m_entries->setObjectName(QStringLiteral("RestoreList"));
    m_entries->addItems(entries);
    m_entries->setCurrentRow(0);
    m_entries->setMinimumSize(420, 220);
    layout->addWidget(m_entries);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_restoreButton = buttons->button(QDialogButtonBox::Ok);
    m_restoreButton->setObjectName(QStringLiteral("RestoreChosen"));
    m_restoreButton->setText(restoreText);
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("RestoreCancel"));
    layout->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_entries, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    connect(m_entries, &QListWidget::currentRowChanged, this,
            [this](int row) { m_restoreButton->setEnabled(row >= 0); });
    connect(this, &QDialog::accepted, this, [this] {
        if (m_entries->currentRow() >= 0)
            Q_EMIT chosen(m_entries->currentRow());
    });
}
