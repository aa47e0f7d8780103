#include "config/OptionsFileMark.h"

#include "config/AppState.h"
#include "config/OptionsSetting.h"
#include "config/RuntimeHint.h"

#include <QAbstractSpinBox>
#include <QVariant>
#include <QWidget>

namespace OptionsFileMark {

namespace {
constexpr const char* ShownProperty = "fileMark";
}

void update(QWidget* field, const FileMark& mark, const QString& shown)
{
    if (mark.covers(shown)) {
        RuntimeHint::mark(field);
        field->setToolTip(mark.tip);
        if (!isShown(field)) {
            field->setProperty(ShownProperty, true);
            const char* kind = qobject_cast<QAbstractSpinBox*>(field) ? "QAbstractSpinBox" : "QLineEdit";
            field->setStyleSheet(
                QStringLiteral("%1 { border: 2px solid #c98200; border-radius: 2px; }").arg(QLatin1String(kind)));
        }
    } else if (isShown(field)) {
        field->setProperty(ShownProperty, false);
        field->setStyleSheet(QString());
        field->setToolTip(QString());
    }
}

bool isShown(const QWidget* field)
{
    return field->property(ShownProperty).toBool();
}

QString caption(const AppState& state, const QString& value)
{
    return state.message(QStringLiteral("infile")).arg(value);
}

} // namespace OptionsFileMark
