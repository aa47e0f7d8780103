#include "platform/QtDialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

void QtDialogs::message(Kind kind, const QString& text)
{
    const QString title = QApplication::applicationDisplayName();
    switch (kind) {
    case Kind::Information:
        QMessageBox::information(parent, title, text);
        break;
    case Kind::Warning:
        QMessageBox::warning(parent, title, text);
        break;
    case Kind::Error:
        QMessageBox::critical(parent, title, text);
        break;
    }
}

bool QtDialogs::question(const QString& text)
{
    return QMessageBox::question(parent, QApplication::applicationDisplayName(), text,
                                 QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

QString QtDialogs::openFile(const QString& title, const QString& filter, const QString& startDir)
{
    return QFileDialog::getOpenFileName(parent, title, startDir, filter);
}

void QtDialogs::information(const QString& title, const QString& text)
{
    if (informationWindow)
        informationWindow(title, text);
    else
        QMessageBox::information(parent, title, text);
}

bool QtDialogs::inputText(const QString& title, const QString& label, QString& text)
{
    bool ok = false;
    const QString answer = QInputDialog::getText(parent, title, label, QLineEdit::Normal, text, &ok);
    if (ok)
        text = answer;
    return ok;
}
