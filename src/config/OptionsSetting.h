#pragma once

#include "config/LaterSettings.h"
#include "config/OptionsLines.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

class AppState;
class CfgStore;
class QWidget;

// A value the controls cannot show, kept as the file has it: the file's text, and the tip that
// names its line. Apply leaves the setting alone while its control stands on the mark.
struct FileMark {
    QString text;
    QString tip;

    bool isSet() const { return !text.isNull(); }
    // Whether `shown` stands for the file's value.
    bool covers(const QString& shown) const { return isSet() && shown == text; }
};

// One read of the option pages from the store: the values, where their lines stand, and the
// values that do not fit their controls (gathered for one message after the read).
class OptionsRead final {
public:
    // `badValues` collects "name "value"" for each value that does not fit; null for a read
    // after Apply, which has nothing new to tell.
    OptionsRead(AppState& state, QStringList* badValues);

    struct Value {
        bool found = false; // a line sets it, with a value that is not empty
        QByteArray bytes;
        QString text; // as a control shows it
        bool latin1 = false;
    };
    Value value(const char* name);
    // Whether a line runs `name`, with a value or without.
    bool present(const char* name);

    // The mark of `name`'s value `text`, its tip naming the file and the line.
    FileMark mark(const char* name, const QString& text) const;
    // Notes a value that does not fit its control (out of range, not a number, an unknown word).
    void reportBad(const char* name, const QString& text);
    // The line of a file the game runs after the working file that sets `name` again; null when
    // none does.
    const LaterSetting* later(const char* name) const { return m_later.find(name); }

    const AppState& state() const { return m_state; }

private:
    const AppState& m_state;
    CfgStore& m_store;
    QStringList* m_badValues;
    LaterSettings m_later;
};

// One setting of an options page: the controls that show it and the rules that read it from the
// file and say what Apply would write.
class OptionsSetting {
public:
    virtual ~OptionsSetting() = default;
    virtual void read(OptionsRead& read) = 0;
    virtual void addWrites(QList<OptionWrite>& writes) const = 0;
    // Why Apply cannot write what the controls show (the message to show), or the empty text.
    virtual QString refusal(const AppState&) const { return QString(); }
    // The variable a later file of the game's chain may set again, and the control whose box
    // shows that; none for settings of several commands or of commands without a value.
    virtual const char* variable() const { return nullptr; }
    virtual QWidget* control() const { return nullptr; }
};

// A page's settings, in the order Apply sets them (which is the order of any new lines), and the
// writes they stood for right after the last read or Apply.
class OptionsTable final {
public:
    template <typename T, typename... Args>
    T* add(Args&&... args)
    {
        auto setting = std::make_unique<T>(std::forward<Args>(args)...);
        T* raw = setting.get();
        m_settings.push_back(std::move(setting));
        return raw;
    }

    // Reads every setting and takes what they now stand for as the baseline.
    void read(OptionsRead& read);
    QList<OptionWrite> writes() const;

    enum class Applied { Written, NothingToApply, Failed, Cancelled };
    // Checks every setting, then loads the working file, makes the changed writes and saves it
    // (not at all when nothing changed), and reads the settings again from what was saved,
    // quietly. An error is shown through the dialogs and leaves the file as it was. Changes that a
    // file the game runs later sets again are asked about first (OptionsLaterWrites): written
    // into that file, into the working file anyway, or not at all (Cancelled).
    Applied apply(AppState& state);

private:
    std::vector<std::unique_ptr<OptionsSetting>> m_settings;
    QList<OptionWrite> m_baseline;
};
