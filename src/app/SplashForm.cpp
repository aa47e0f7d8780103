#include "app/SplashForm.h"

#include "app/Artwork.h"
#include "config/MessageTexts.h"

#include <QLabel>
#include <QScreen>

TSplashForm::TSplashForm(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("SplashForm"));
    setFixedSize(388, 138);
    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(0, 0, 388, 138);
    Image1->setPixmap(Artwork::splash());
    for (const MessageTexts::Entry& e : MessageTexts::english()) {
        auto* label = new QLabel(e.text, this);
        label->setObjectName(QLatin1String(e.key));
        label->hide();
    }
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
}

QString TSplashForm::message(const QString& key) const
{
    for (const QLabel* label : findChildren<QLabel*>(key, Qt::FindDirectChildrenOnly)) {
        if (label != Image1)
            return label->text();
    }
    return QString();
}
