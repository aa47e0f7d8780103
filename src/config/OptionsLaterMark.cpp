#include "config/OptionsLaterMark.h"

#include "config/AppState.h"
#include "config/LaterSettings.h"
#include "config/RuntimeHint.h"
#include "config/TextCodec.h"

#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

namespace OptionsLaterMark {

namespace {

QGroupBox* boxAround(QWidget* control)
{
    for (QWidget* w = control; w; w = w->parentWidget()) {
        if (auto* box = qobject_cast<QGroupBox*>(w))
            return box;
    }
    return nullptr;
}

QString markName(const QGroupBox* box)
{
    return box->objectName() + QStringLiteral("Later");
}

} // namespace

QString tip(const AppState& state, const char* name, const LaterSetting& later)
{
    return state.message(Msg::LaterTip)
        .arg(QDir::toNativeSeparators(later.file))
        .arg(later.line)
        .arg(QString::fromLatin1(LaterSettings::key(name)), TextCodec::decode(later.value).text, state.working.file());
}

void update(QWidget* control, const char* name, const LaterSetting* later, const AppState& state)
{
    QGroupBox* box = control && name ? boxAround(control) : nullptr;
    if (!box)
        return;
    auto* mark = box->findChild<QLabel*>(markName(box), Qt::FindDirectChildrenOnly);
    if (!later) {
        if (mark)
            mark->hide();
        return;
    }
    if (!mark) {
        // Made the first time it is needed, under the box's caption.
        mark = new QLabel;
        mark->setObjectName(markName(box));
        mark->setTextFormat(Qt::PlainText);
        mark->setWordWrap(true);
        mark->setStyleSheet(QStringLiteral("QLabel { color: #1d5fbf; }"));
        RuntimeHint::mark(mark);
        static_cast<QVBoxLayout*>(box->layout())->insertWidget(1, mark);
    }
    mark->setText(state.message(Msg::LaterMark).arg(QDir::toNativeSeparators(later->file)));
    mark->setToolTip(tip(state, name, *later));
    mark->show();
}

} // namespace OptionsLaterMark
