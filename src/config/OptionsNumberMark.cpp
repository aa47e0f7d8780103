#include "config/OptionsNumberMark.h"

#include "config/AppState.h"
#include "config/RuntimeHint.h"

#include <QLineEdit>
#include <QVariant>

namespace OptionsNumberMark {

namespace {

constexpr const char* MarkProperty = "notInteger";

} // namespace

void update(const AppState& state, QLineEdit* edit, bool wrong)
{
    if (wrong) {
        // Set again for every text: the tool tip names the text and speaks the current language.
        RuntimeHint::mark(edit);
        edit->setToolTip(state.message(QStringLiteral("notinteger")).arg(edit->text()));
        if (!isMarked(edit)) {
            edit->setProperty(MarkProperty, true);
            edit->setStyleSheet(QStringLiteral("QLineEdit { border: 2px solid #d01c1c; border-radius: 2px; }"));
        }
    } else if (isMarked(edit)) {
        edit->setProperty(MarkProperty, false);
        edit->setStyleSheet(QString());
        edit->setToolTip(QString());
    }
}

bool isMarked(const QLineEdit* edit)
{
    return edit->property(MarkProperty).toBool();
}

} // namespace OptionsNumberMark
