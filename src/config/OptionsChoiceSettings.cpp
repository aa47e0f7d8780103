#include "config/OptionsChoiceSettings.h"

#include "config/AppState.h"
#include "config/OptionsColorSwatches.h"
#include "config/OptionsFileMark.h"
#include "config/OptionsValueRules.h"
#include "config/RuntimeHint.h"

#include <QBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QSlider>

#include <utility>

namespace {

// A mark button has no object name (its text is the file's, not the interface's); it is found by
// this property instead.
constexpr const char* MarkProperty = "fileMark";

// Shows every entry of the list without a scroll bar.
void fitHeight(QListWidget* list)
{
    list->setFixedHeight(list->sizeHintForRow(0) * list->count() + 2 * list->frameWidth() + 2);
}

// The box layout that holds `widget`, searched from its parent's layout down.
QBoxLayout* layoutOf(QWidget* widget)
{
    QList<QLayout*> pending{widget->parentWidget()->layout()};
    while (!pending.isEmpty()) {
        QLayout* layout = pending.takeFirst();
        if (!layout)
            continue;
        if (layout->indexOf(widget) >= 0)
            return qobject_cast<QBoxLayout*>(layout);
        for (int i = 0; i < layout->count(); ++i)
            pending.append(layout->itemAt(i)->layout());
    }
    return nullptr;
}

// Unchecks every button of an exclusive group (which a click cannot do).
void uncheckAll(const QList<QRadioButton*>& buttons)
{
    for (QRadioButton* b : buttons) {
        b->setAutoExclusive(false);
        b->setChecked(false);
        b->setAutoExclusive(true);
    }
}

} // namespace

ChoiceSetting::ChoiceSetting(const char* name, QList<Choice> choices)
    : m_name(name)
    , m_choices(std::move(choices))
{}

void ChoiceSetting::read(OptionsRead& read)
{
    const OptionsRead::Value v = read.value(m_name);
    for (const Choice& c : std::as_const(m_choices)) {
        if (v.found && v.text == QLatin1String(c.value)) {
            c.button->setChecked(true);
            if (m_mark)
                m_mark->hide();
            return;
        }
    }
    if (!v.found) {
        if (m_mark && m_mark->isChecked())
            uncheckAll({m_mark});
        if (m_mark)
            m_mark->hide();
        return;
    }
    if (!m_mark) {
        QRadioButton* last = m_choices.last().button;
        m_mark = new QRadioButton(last->parentWidget());
        m_mark->setProperty(MarkProperty, true);
        RuntimeHint::mark(m_mark);
        if (QBoxLayout* row = layoutOf(last))
            row->insertWidget(row->indexOf(last) + 1, m_mark);
    }
    const FileMark mark = read.mark(m_name, v.text);
    m_mark->setText(OptionsFileMark::caption(read.state(), v.text));
    m_mark->setToolTip(mark.tip);
    m_mark->show();
    m_mark->setChecked(true);
    read.reportBad(m_name, v.text);
}

void ChoiceSetting::addWrites(QList<OptionWrite>& writes) const
{
    for (const Choice& c : m_choices) {
        if (c.button->isChecked()) {
            writes.append(OptionWrite::set(m_name, c.value));
            return;
        }
    }
    writes.append(OptionWrite::keep(m_name));
}

PresenceSetting::PresenceSetting(QList<Choice> choices)
    : m_choices(std::move(choices))
{}

void PresenceSetting::read(OptionsRead& read)
{
    for (const Choice& c : std::as_const(m_choices)) {
        if (c.command && read.present(c.command))
            c.button->setChecked(true); // of two present, the later choice wins
    }
}

void PresenceSetting::addWrites(QList<OptionWrite>& writes) const
{
    const Choice* chosen = nullptr;
    for (const Choice& c : m_choices) {
        if (c.button->isChecked())
            chosen = &c;
    }
    for (const Choice& c : m_choices) {
        if (!c.command)
            continue;
        if (!chosen)
            writes.append(OptionWrite::keep(c.command));
        else if (chosen == &c)
            writes.append(OptionWrite::set(c.command, ""));
        else
            writes.append(OptionWrite::remove(c.command));
    }
}

ListSetting::ListSetting(const char* name, QListWidget* list, QList<QByteArray> values)
    : m_name(name)
    , m_list(list)
    , m_values(std::move(values))
{
    fitHeight(m_list);
}

void ListSetting::dropMark()
{
    if (m_list->count() > m_values.size()) {
        // Taking the current entry would make its neighbour current, and selected.
        QListWidgetItem* mark = m_list->item(static_cast<int>(m_values.size()));
        if (mark->isSelected() || m_list->currentItem() == mark) {
            m_list->setCurrentRow(-1);
            m_list->clearSelection();
        }
        delete m_list->takeItem(m_list->row(mark));
        fitHeight(m_list);
    }
}

void ListSetting::read(OptionsRead& read)
{
    const OptionsRead::Value v = read.value(m_name);
    if (!v.found) {
        dropMark();
        return;
    }
    const qsizetype entry = m_values.indexOf(v.bytes);
    if (entry >= 0) {
        dropMark();
        m_list->setCurrentRow(static_cast<int>(entry));
        return;
    }
    if (m_list->count() == m_values.size()) {
        new QListWidgetItem(m_list);
        fitHeight(m_list);
    }
    QListWidgetItem* item = m_list->item(static_cast<int>(m_values.size()));
    item->setText(OptionsFileMark::caption(read.state(), v.text));
    item->setToolTip(read.mark(m_name, v.text).tip);
    m_list->setCurrentItem(item);
    if (!OptionsValueRules::integer(v.text))
        read.reportBad(m_name, v.text);
}

void ListSetting::addWrites(QList<OptionWrite>& writes) const
{
    const QList<QListWidgetItem*> selected = m_list->selectedItems();
    const int row = selected.isEmpty() ? -1 : m_list->row(selected.front());
    if (row >= 0 && row < m_values.size())
        writes.append(OptionWrite::set(m_name, m_values[row]));
    else
        writes.append(OptionWrite::keep(m_name));
}

ColorSetting::ColorSetting(const char* name, QSlider* slider, OptionsColorSwatches* swatches, QLabel* markLabel,
                           QList<QByteArray> values)
    : m_name(name)
    , m_slider(slider)
    , m_swatches(swatches)
    , m_markLabel(markLabel)
    , m_values(std::move(values))
    , m_default(slider->value())
{
    m_markLabel->hide();
}

void ColorSetting::dropMark()
{
    if (!m_swatches->hasMark())
        return;
    if (m_slider->value() > m_values.size())
        m_slider->setValue(m_default);
    m_slider->setMaximum(static_cast<int>(m_values.size()));
    m_swatches->clearMark();
    m_swatches->setToolTip(QString());
    m_markLabel->hide();
}

void ColorSetting::read(OptionsRead& read)
{
    const OptionsRead::Value v = read.value(m_name);
    if (!v.found) {
        dropMark();
        return;
    }
    const auto colour = OptionsValueRules::rgb(v.text);
    for (qsizetype i = 0; colour && i < m_values.size(); ++i) {
        if (OptionsValueRules::rgb(QString::fromLatin1(m_values[i])) == colour) {
            dropMark();
            m_slider->setValue(static_cast<int>(i) + 1);
            return;
        }
    }
    const FileMark mark = read.mark(m_name, v.text);
    m_swatches->setMark(colour ? QColor((*colour)[0], (*colour)[1], (*colour)[2]) : QColor());
    m_swatches->setToolTip(mark.tip);
    m_markLabel->setText(OptionsFileMark::caption(read.state(), v.text));
    m_markLabel->setToolTip(mark.tip);
    m_markLabel->show();
    m_slider->setMaximum(static_cast<int>(m_values.size()) + 1);
    m_slider->setValue(m_slider->maximum());
    if (!colour)
        read.reportBad(m_name, v.text);
}

void ColorSetting::addWrites(QList<OptionWrite>& writes) const
{
    const int position = m_slider->value();
    if (position >= 1 && position <= m_values.size())
        writes.append(OptionWrite::set(m_name, m_values[position - 1]));
    else
        writes.append(OptionWrite::keep(m_name));
}

QWidget* ChoiceSetting::control() const
{
    return m_choices.isEmpty() ? nullptr : m_choices.front().button;
}

QWidget* ListSetting::control() const
{
    return m_list;
}

QWidget* ColorSetting::control() const
{
    return m_slider;
}
