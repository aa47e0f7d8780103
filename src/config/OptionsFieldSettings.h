#pragma once

#include "config/OptionsKeptText.h"
#include "config/OptionsSetting.h"

#include <QStringView>

#include <functional>

class AppState;
class OptionsSpinEdit;
class QGroupBox;
class QLineEdit;
class QRadioButton;
class QSlider;

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

// A number field, and the Disable button beside it that stands for "0" while checked.
class SpinSetting final : public OptionsSetting {
public:
    SpinSetting(const char* name, OptionsSpinEdit* field, QRadioButton* disable = nullptr);

    void read(OptionsRead& read) override { show(read, read.value(m_name)); }
    void addWrites(QList<OptionWrite>& writes) const override { writes.append(write()); }

    // Shows `value` as read (one not found drops a mark of the previous file).
    void show(OptionsRead& read, const OptionsRead::Value& value);
    OptionWrite write() const;

private:
    void showMark();

    const char* m_name;
    OptionsSpinEdit* m_field;
    QRadioButton* m_disable;
    QString m_first;
    KeptText m_kept;
    FileMark m_mark;
};

// A slider and the edit beside it, which shows the slider's position or the number typed. The
// value written is the position, or for minutes the number typed when the slider stands on its
// whole part (`1.75`).
class SliderSetting final : public OptionsSetting {
public:
    struct Rules {
        bool minutes = false;
        // A typed number outside the slider's range moves it to the nearest end; with this set it
        // leaves it, and so does a number below 1.
        bool typedInRangeOnly = false;
        bool emptyWritesNothing = false; // and an empty edit is no mistake
        bool zeroWritesNothing = false;
    };
    SliderSetting(const AppState& state, const char* name, QSlider* slider, QLineEdit* edit, Rules rules);

    // The slider moved: its edit shows the position (unless the edit moved it).
    void sliderMoved();
    // The edit's text changed: marks it, or moves the slider to the number.
    void editChanged();

    void read(OptionsRead& read) override;
    void addWrites(QList<OptionWrite>& writes) const override;
    QString refusal(const AppState& state) const override;

private:
    std::optional<double> number(const QString& text) const;
    bool fits(double n) const;
    void moveSlider(int position);

    const AppState& m_state;
    const char* m_name;
    QSlider* m_slider;
    QLineEdit* m_edit;
    Rules m_rules;
    FileMark m_mark;
    bool m_fromEdit = false;
};
