#include "app/SplashForm.h"

#include "app/Artwork.h"

#include <QLabel>
#include <QScreen>

TSplashForm::TSplashForm(const QString& cacheDir, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("SplashForm"));
    setFixedSize(388, 138);
    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Image1"));
    picture->setGeometry(0, 0, 388, 138);
    picture->setPixmap(Artwork::splash(cacheDir));
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
}
