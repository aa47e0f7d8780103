#include "platform/QtDialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGridLayout>
#include <QInputDialog>
#include <QLabel>
#include <QPushButton>
#include <QSpacerItem>

namespace {

// Room a window frame takes beside its title: the icon and the close, maximise and minimise buttons.
constexpr int TitleFrameWidth = 120;
// Text lines up to this many characters stay on one line.
constexpr int UnwrappedChars = 60;

int titleWidth(const QString& title)
{
    // Window managers draw titles in the title font, most of them in bold.
    QFont font = QFontDatabase::systemFont(QFontDatabase::TitleFont);
    font.setBold(true);
    return QFontMetrics(font).horizontalAdvance(title) + TitleFrameWidth;
}

int textWidth(const QFontMetrics& metrics, const QString& text)
{
    int widest = 0;
    const QStringList lines =
        QString(text).replace(QLatin1String("\r\n"), QLatin1String("\n")).split(QLatin1Char('\n'));
    for (const QString& line : lines)
        widest = std::max(widest, metrics.horizontalAdvance(line.left(UnwrappedChars)));
    return widest;
}

int exec(QWidget* parent, QMessageBox::Icon icon, const QString& title, const QString& text,
         QMessageBox::StandardButtons buttons, QMessageBox::StandardButton byDefault = QMessageBox::NoButton)
{
    QMessageBox box(parent);
    QtDialogs::prepareBox(box, icon, title, text, buttons);
    if (byDefault != QMessageBox::NoButton)
        box.setDefaultButton(byDefault);
    return box.exec();
}

} // namespace

void QtDialogs::prepareBox(QMessageBox& box, QMessageBox::Icon icon, const QString& title, const QString& text,
                           QMessageBox::StandardButtons buttons)
{
    box.setIcon(icon);
    box.setWindowTitle(title);
    box.setTextFormat(Qt::PlainText);
    box.setText(text);
    box.setStandardButtons(buttons);
    // The box sizes itself from its layout's minimum width each time it is shown, so the widths go
    // into the layout as spacers: one under the text, one across the whole box for the title.
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    if (!grid || !label)
        return;
    const int row = grid->rowCount();
    int labelRow = 0, labelColumn = 0, rowSpan = 0, columnSpan = 0;
    grid->getItemPosition(grid->indexOf(label), &labelRow, &labelColumn, &rowSpan, &columnSpan);
    grid->addItem(new QSpacerItem(textWidth(label->fontMetrics(), text), 0, QSizePolicy::Minimum), row, labelColumn, 1,
                  columnSpan);
    const QMargins margins = grid->contentsMargins();
    grid->addItem(new QSpacerItem(titleWidth(title) - margins.left() - margins.right(), 0, QSizePolicy::Minimum),
                  row + 1, 0, 1, grid->columnCount());
}

void QtDialogs::message(Kind kind, const QString& text)
{
    const QMessageBox::Icon icon = kind == Kind::Information ? QMessageBox::Information
                                   : kind == Kind::Warning   ? QMessageBox::Warning
                                                             : QMessageBox::Critical;
    exec(parent, icon, QApplication::applicationDisplayName(), text, QMessageBox::Ok);
}

bool QtDialogs::question(const QString& text, Default byDefault)
{
    return exec(parent, QMessageBox::Question, QApplication::applicationDisplayName(), text,
                QMessageBox::Yes | QMessageBox::No,
                byDefault == Default::No ? QMessageBox::No : QMessageBox::Yes) == QMessageBox::Yes;
}

int QtDialogs::choose(const QString& text, const QStringList& answers)
{
    QMessageBox box(parent);
    prepareBox(box, QMessageBox::Question, QApplication::applicationDisplayName(), text, QMessageBox::NoButton);
    QList<QAbstractButton*> buttons;
    for (qsizetype i = 0; i < answers.size(); ++i) {
        const bool last = i + 1 == answers.size();
        QPushButton* button = box.addButton(answers[i], last ? QMessageBox::RejectRole : QMessageBox::AcceptRole);
        if (i == 0)
            box.setDefaultButton(button);
        if (last)
            box.setEscapeButton(button);
        buttons.append(button);
    }
    box.exec();
    const qsizetype chosen = buttons.indexOf(box.clickedButton());
    return static_cast<int>(chosen < 0 ? answers.size() - 1 : chosen);
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
        exec(parent, QMessageBox::Information, title, text, QMessageBox::Ok);
}

bool QtDialogs::inputText(const QString& title, const QString& label, QString& text)
{
    bool ok = false;
    const QString answer = QInputDialog::getText(parent, title, label, QLineEdit::Normal, text, &ok);
    if (ok)
        text = answer;
    return ok;
}
