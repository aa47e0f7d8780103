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

// Qt comes without a Swedish translation of its own here; the standard buttons, made here, stand in.
class SwedishButtons final : public QTranslator {
public:
    using QTranslator::QTranslator;
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char* disambiguation, int n) const override
    {
        Q_UNUSED(disambiguation);
        Q_UNUSED(n);
        static const struct {
            const char* english;
            const char* swedish;
        } texts[] = {
            {"OK", "OK"},
            {"&Yes", "&Ja"},
            {"&No", "&Nej"},
            {"Yes to &All", "Ja till &alla"},
            {"N&o to All", "N&ej till alla"},
            {"Cancel", "Avbryt"},
            {"Close", "Stäng"},
            {"Save", "Spara"},
            {"Save All", "Spara alla"},
            {"Open", "Öppna"},
            {"Apply", "Verkställ"},
            {"Reset", "Återställ"},
            {"Restore Defaults", "Återställ standardvärden"},
            {"Discard", "Förkasta"},
            {"Help", "Hjälp"},
            {"Abort", "Avbryt"},
            {"Retry", "Försök igen"},
            {"Ignore", "Ignorera"},
        };
        if (qstrcmp(context, "QPlatformTheme") != 0)
            return QString();
        for (const auto& text : texts) {
            if (qstrcmp(source, text.english) == 0)
                return QString::fromUtf8(text.swedish);
        }
        return QString();
    }
};

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
    if (!QFile::exists(file)) {
        if (code != QLatin1String("sv"))
            return false;
        auto* buttons = new SwedishButtons(app);
        buttons->setObjectName(translatorName());
        QCoreApplication::installTranslator(buttons);
        return true;
    }
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
