#include "online/SiteAddress.h"

namespace SiteAddress {

namespace {

QUrl at(const QUrl& root, const QString& path)
{
    QUrl url = root;
    QString base = url.path();
    while (base.endsWith(QLatin1Char('/')))
        base.chop(1);
    url.setPath(base + path);
    return url;
}

} // namespace

QString defaultSite()
{
    return QStringLiteral("https://www.quarvel.org");
}

bool isLoopbackHost(const QString& host)
{
    const QString h = host.toLower();
    if (h == QLatin1String("localhost") || h == QLatin1String("::1") || h == QLatin1String("[::1]"))
        return true;
    // 127.0.0.0/8, written as four decimal parts.
    const QStringList parts = h.split(QLatin1Char('.'));
    if (parts.size() != 4 || parts[0] != QLatin1String("127"))
        return false;
    for (const QString& part : parts) {
        bool ok = false;
        const int n = part.toInt(&ok);
        if (!ok || n < 0 || n > 255 || part.isEmpty() || part.size() > 3)
            return false;
    }
    return true;
}

QUrl root(const QString& setting, QString* error)
{
    const QString text = setting.trimmed().isEmpty() ? defaultSite() : setting.trimmed();
    const QUrl url(text, QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    bool fine = url.isValid() && !url.host().isEmpty() && url.query().isEmpty() && url.fragment().isEmpty() &&
                url.userInfo().isEmpty();
    if (fine && scheme == QLatin1String("http"))
        fine = isLoopbackHost(url.host());
    else if (fine)
        fine = scheme == QLatin1String("https");
    if (!fine) {
        if (error)
            *error = text;
        return {};
    }
    return url;
}

QUrl probe(const QUrl& root)
{
    return at(root, QStringLiteral("/"));
}

QUrl patch(const QUrl& root)
{
    return at(root, QStringLiteral("/updates/21.exe"));
}

QUrl news(const QUrl& root)
{
    return at(root, QStringLiteral("/news.htm"));
}

QUrl signature(const QUrl& patch)
{
    QUrl url = patch;
    url.setPath(patch.path() + QStringLiteral(".sig"));
    return url;
}

} // namespace SiteAddress
