#pragma once

#include "config/OptionsKeptText.h"
#include "config/OptionsSetting.h"

#include <QStringView>

#include <functional>

class AppState;
class OptionsSliderEdit;
class OptionsSpinEdit;
class QGroupBox;
class QLineEdit;
class QRadioButton;

// Settings whose value a field shows as text. A value that does not fit the field is shown as the
// file has it, marked, and kept while the field shows that text (typing it again restores it).
// Where the file lacks the setting, a mark of the previous file goes: the field shows its first
// text again.

// A plain edit. An empty edit writes nothing.
class TextSetting final : public OptionsSetting {
public:
    struct Rules {
        bool emptyWhenMissing = false;              // a file without the setting empties the edit
        std::function<bool(QStringView)> fits = {}; // which values the edit takes; all when empty
    };
    TextSetting(const char* name, QLineEdit* edit, QGroupBox* box, Rules rules);

    void read(OptionsRead& read) override;
    void addWrites(QList<OptionWrite>& writes) const override;
    const char* variable() const override { return m_name; }
    QWidget* control() const override;
    QString refusal(const AppState& state) const override;

    const KeptText& kept() const { return m_kept; }

private:
    void showMark();

    const char* m_name;
    QLineEdit* m_edit;
    QGroupBox* m_box;
    Rules m_rules;
    QString m_first;
    KeptText m_kept;
    FileMark m_mark;
};

// A number field, and the Disable button beside it that stands for "0" while checked. Pressing
// Disable sets the field to 0 before the press checks it; a change of the field's text, typed or
// read, unchecks it (with `zeroChecks`, a text of "0" checks it again).
class SpinSetting final : public OptionsSetting {
public:
    struct Disable {
        QRadioButton* button = nullptr;
        bool zeroChecks = false;
    };
    SpinSetting(const char* name, OptionsSpinEdit* field, Disable disable);
    SpinSetting(const char* name, OptionsSpinEdit* field)
        : SpinSetting(name, field, Disable{})
    {}

    void read(OptionsRead& read) override { show(read, read.value(m_name)); }
    void addWrites(QList<OptionWrite>& writes) const override { writes.append(write()); }
    const char* variable() const override { return m_name; }
    QWidget* control() const override;

    // Shows `value` as read (one not found drops a mark of the previous file).
    void show(OptionsRead& read, const OptionsRead::Value& value);
    OptionWrite write() const;

private:
    void showMark();

    const char* m_name;
    OptionsSpinEdit* m_field;
    Disable m_disable;
    QString m_first;
    KeptText m_kept;
    FileMark m_mark;
};

// A slider with its edit (OptionsSliderEdit). The value written is the position, or for minutes
// the number typed when the slider stands on its whole part (`1.75`); an empty edit, where the
// field allows one, writes nothing.
class SliderSetting final : public OptionsSetting {
public:
    struct Rules {
        bool zeroWritesNothing = false;
    };
    SliderSetting(const char* name, OptionsSliderEdit* field, Rules rules);
    SliderSetting(const char* name, OptionsSliderEdit* field)
        : SliderSetting(name, field, Rules{})
    {}

    void read(OptionsRead& read) override;
    void addWrites(QList<OptionWrite>& writes) const override;
    const char* variable() const override { return m_name; }
    QWidget* control() const override;
    QString refusal(const AppState& state) const override;

private:
    const char* m_name;
    OptionsSliderEdit* m_field;
    Rules m_rules;
};
