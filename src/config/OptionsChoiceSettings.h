#pragma once

#include "config/OptionsSetting.h"

#include <QList>

class OptionsColorSwatches;
class QLabel;
class QListWidget;
class QRadioButton;
class QSlider;

// Settings shown as a choice among fixed values. A value that none of them stands for is shown
// as a mark of its own, chosen while the file's value stands; choosing it again keeps the file's
// value. Where the file lacks the setting, a mark of the previous file goes and the choice keeps
// what it showed.

// Radio buttons, each standing for one value. With none checked nothing is written.
class ChoiceSetting final : public OptionsSetting {
public:
    struct Choice {
        QRadioButton* button;
        const char* value;
    };
    ChoiceSetting(const char* name, QList<Choice> choices);

    void read(OptionsRead& read) override;
    void addWrites(QList<OptionWrite>& writes) const override;
    const char* variable() const override { return m_name; }
    QWidget* control() const override;

private:
    const char* m_name;
    QList<Choice> m_choices;
    QRadioButton* m_mark = nullptr; // a third button, made when a file first needs it
};

// Radio buttons standing for commands that take no value (`drawradar`): a line that runs the
// command checks its button, whatever it carries. Choosing a button sets its command (with an
// empty value) and removes the commands of the others; a button without a command stands for
// removing them all.
class PresenceSetting final : public OptionsSetting {
public:
    struct Choice {
        QRadioButton* button;
        const char* command; // may be null
    };
    explicit PresenceSetting(QList<Choice> choices);

    void read(OptionsRead& read) override;
    void addWrites(QList<OptionWrite>& writes) const override;

private:
    QList<Choice> m_choices;
};

// A list whose entries stand for values; with no entry selected nothing is written.
class ListSetting final : public OptionsSetting {
public:
    ListSetting(const char* name, QListWidget* list, QList<QByteArray> values);

    void read(OptionsRead& read) override;
    void addWrites(QList<OptionWrite>& writes) const override;
    const char* variable() const override { return m_name; }
    QWidget* control() const override;

private:
    void dropMark();

    const char* m_name;
    QListWidget* m_list;
    QList<QByteArray> m_values; // of the first entries; an entry after them is the mark
};

// A slider over colour swatches: position i stands for the i-th colour. A colour none of them
// is gets a swatch of its own after them, with its numbers in `markLabel`.
class ColorSetting final : public OptionsSetting {
public:
    ColorSetting(const char* name, QSlider* slider, OptionsColorSwatches* swatches, QLabel* markLabel,
                 QList<QByteArray> values);

    void read(OptionsRead& read) override;
    void addWrites(QList<OptionWrite>& writes) const override;
    const char* variable() const override { return m_name; }
    QWidget* control() const override;

private:
    void dropMark();

    const char* m_name;
    QSlider* m_slider;
    OptionsColorSwatches* m_swatches;
    QLabel* m_markLabel;
    QList<QByteArray> m_values;
    int m_default;
};
