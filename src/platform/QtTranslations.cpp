#include "platform/QtTranslations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QTranslator>

namespace QtTranslations {

namespace {

// The installed translator is a child of the application object, found again by this name.
QString translatorName()
{
    return QStringLiteral("qvl_qt_translator");
}

QString languageCode(const QString& languageName)
{
    static const struct {
        const char* name;
        const char* code;
    } languages[] = {{"Russian", "ru"}, {"French", "fr"}, {"Swedish", "sv"}};
    for (const auto& language : languages)
        if (languageName.compare(QLatin1String(language.name), Qt::CaseInsensitive) == 0)
            return QLatin1String(language.code);
    return QString();
}

} // namespace

bool use(const QString& languageName)
{
    QCoreApplication* app = QCoreApplication::instance();
    if (!app)
        return false;
    if (auto* old = app->findChild<QTranslator*>(translatorName(), Qt::FindDirectChildrenOnly)) {
        QCoreApplication::removeTranslator(old);
        delete old;
    }
    const QString code = languageCode(languageName);
    if (code.isEmpty())
        return true;
    // The exact file only: QTranslator::load would also try shorter names such as "qtbase.qm".
    const QString file =
        QDir(QLibraryInfo::path(QLibraryInfo::TranslationsPath)).filePath(QStringLiteral("qtbase_%1.qm").arg(code));
    if (!QFile::exists(file))
        return false;
    auto* translator = new QTranslator(app);
    translator->setObjectName(translatorName());
    if (!translator->load(file)) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    return true;
}

} // namespace QtTranslations
