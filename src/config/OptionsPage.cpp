#include "config/OptionsPage.h"

#include "config/OptionsChoiceSettings.h"
#include "config/OptionsLayout.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

OptionsPage::OptionsPage(AppState& state, const char* titleName, const char* title, QWidget* parent)
    : QWidget(parent)
    , m_state(state)
    , m_column(OptionsLayout::column(this, titleName, title))
{}

QLabel* OptionsPage::section(const char* name, const char* text)
{
    return OptionsLayout::section(m_column, name, text);
}

QGroupBox* OptionsPage::box(const char* name, const char* caption, const char* hint)
{
    return OptionsLayout::box(m_column, name, caption, hint);
}

void OptionsPage::finishColumn(const char* applyName, const char* applyText)
{
    m_applyButton = OptionsLayout::applyButton(m_column, applyName, applyText);
    m_column->addStretch(1);
    connect(m_applyButton, &QPushButton::clicked, this, &OptionsPage::apply);
    // The children in tree order are the controls as the page shows them.
    QWidget* previous = nullptr;
    for (QWidget* control : findChildren<QWidget*>()) {
        if (!(control->focusPolicy() & Qt::TabFocus) || control->focusProxy())
            continue;
        if (previous)
            setTabOrder(previous, control);
        previous = control;
    }
}

QList<QRadioButton*> OptionsPage::radios(QGroupBox* box, std::initializer_list<Radio> radios)
{
    QHBoxLayout* row = OptionsLayout::row(box);
    QList<QRadioButton*> buttons;
    for (const Radio& radio : radios)
        buttons.append(OptionsLayout::radio(row, radio.name, radio.text, radio.checked));
    row->addStretch(1);
    return buttons;
}

QList<QRadioButton*> OptionsPage::choice(const char* variable, QGroupBox* box, std::initializer_list<Radio> choices)
{
    const QList<QRadioButton*> buttons = radios(box, choices);
    QList<ChoiceSetting::Choice> table;
    for (qsizetype i = 0; i < buttons.size(); ++i)
        table.append({buttons[i], (choices.begin() + i)->value});
    m_table.add<ChoiceSetting>(variable, table);
    return buttons;
}

void OptionsPage::read(OptionsRead& read)
{
    m_table.read(read);
}

bool OptionsPage::apply()
{
    const OptionsTable::Applied applied = m_table.apply(m_state);
    if (applied == OptionsTable::Applied::Failed || applied == OptionsTable::Applied::Cancelled)
        return false;
    Q_EMIT this->applied(applied == OptionsTable::Applied::Written);
    return true;
}
