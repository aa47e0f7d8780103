#include "config/OptionsMapRotation.h"

#include "config/OptionsSpinEdit.h"
#include "config/OptionsValueRules.h"

#include <QRadioButton>

namespace {

const QString Zero = QStringLiteral("0");

bool isZero(const OptionsSpinEdit* field)
{
    return OptionsValueRules::integer(field->fieldText()) == 0;
}

} // namespace

OptionsMapRotation::OptionsMapRotation(OptionsSpinEdit* minutes, OptionsSpinEdit* rounds, QRadioButton* disable)
    : m_minutesField(minutes)
    , m_roundsField(rounds)
    , m_disable(disable)
    , m_minutes("mp_timelimit", minutes)
    , m_rounds("mp_maxrounds", rounds)
{
    QObject::connect(minutes, &OptionsSpinEdit::fieldTextChanged, minutes, [this] { minutesChanged(); });
    QObject::connect(rounds, &OptionsSpinEdit::fieldTextChanged, rounds, [this] { roundsChanged(); });
    // Before the press checks the button, which the fields' handlers have just unchecked.
    QObject::connect(disable, &QRadioButton::pressed, disable, [this] {
        m_minutesField->setFieldText(Zero);
        m_roundsField->setFieldText(Zero);
    });
}

void OptionsMapRotation::minutesChanged()
{
    if (m_busy)
        return;
    m_busy = true;
    m_disable->setChecked(false);
    m_roundsField->setFieldText(Zero);
    m_busy = false;
}

void OptionsMapRotation::roundsChanged()
{
    if (m_busy)
        return;
    m_busy = true;
    m_minutesField->setFieldText(Zero);
    m_disable->setChecked(false);
    m_busy = false;
}

void OptionsMapRotation::read(OptionsRead& read)
{
    const OptionsRead::Value minutes = read.value("mp_timelimit");
    const OptionsRead::Value rounds = read.value("mp_maxrounds");
    m_busy = true;
    if (minutes.found || rounds.found) {
        // The one the file lacks stands at 0, as the rule wrote it.
        const OptionsRead::Value zero{true, "0", Zero, false};
        m_minutes.show(read, minutes.found ? minutes : zero);
        m_rounds.show(read, rounds.found ? rounds : zero);
        m_disable->setChecked(isZero(m_minutesField) && isZero(m_roundsField));
    } else {
        m_minutes.show(read, minutes); // drops a mark of the previous file
        m_rounds.show(read, rounds);
    }
    m_busy = false;
}

void OptionsMapRotation::addWrites(QList<OptionWrite>& writes) const
{
    if (m_disable->isChecked()) {
        writes << OptionWrite::set("mp_timelimit", "0") << OptionWrite::set("mp_maxrounds", "0");
    } else if (isZero(m_roundsField)) {
        writes << m_minutes.write() << m_rounds.write();
    } else if (isZero(m_minutesField)) {
        writes << m_rounds.write() << m_minutes.write();
    } else {
        writes << OptionWrite::keep("mp_timelimit") << OptionWrite::keep("mp_maxrounds");
    }
}
