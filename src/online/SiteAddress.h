#pragma once

#include <QString>
#include <QUrl>

// The program's web site: the update probe, the patch and the news page. The setting `site`
// names a mirror (or a test server); the program runs what it downloads, so only an https
// address is accepted, or plain http on this computer's own loopback address.
namespace SiteAddress {

QString defaultSite();

// The site's root from the setting's text (the default when empty). Returns an invalid URL
// when the text is not an acceptable address; `error` then says why, naming the text.
QUrl root(const QString& setting, QString* error = nullptr);

bool isLoopbackHost(const QString& host);

// The paths on the site.
QUrl probe(const QUrl& root);
QUrl patch(const QUrl& root);
QUrl news(const QUrl& root);
// The detached signature served beside a patch: its address with ".sig" added.
QUrl signature(const QUrl& patch);

} // namespace SiteAddress
