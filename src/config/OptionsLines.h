#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

class CfgStore;

// How the option pages meet the lines of the working file. A page says what Apply would do
// to each of its settings as the controls stand (a list of OptionWrite); the list taken right
// after a read or an Apply is the baseline, and Apply performs only what differs from it, so
// that a setting the user left alone is never written.
struct OptionWrite {
    enum class Action {
        Keep,   // leave the setting's lines as they are
        Set,    // set the value (every matching line, or a new line at the end)
        Delete, // remove the setting's commands
    };
    QByteArray name; // as the store matches it: `rate`, `setinfo "_ah"`
    Action action = Action::Keep;
    QByteArray value;

    static OptionWrite keep(QByteArrayView name) { return {name.toByteArray(), Action::Keep, {}}; }
    static OptionWrite set(QByteArrayView name, QByteArrayView value)
    {
        return {name.toByteArray(), Action::Set, value.toByteArray()};
    }
    static OptionWrite remove(QByteArrayView name) { return {name.toByteArray(), Action::Delete, {}}; }

    friend bool operator==(const OptionWrite&, const OptionWrite&) = default;
};

namespace OptionsLines {

// The writes of `now` that differ from the write of the same name in `baseline`, in the order
// of `now`; a name the baseline lacks counts as changed. Keeping is no write.
QList<OptionWrite> changed(const QList<OptionWrite>& now, const QList<OptionWrite>& baseline);

// Makes the store calls of `writes`, in order.
void perform(CfgStore& store, const QList<OptionWrite>& writes);

} // namespace OptionsLines
