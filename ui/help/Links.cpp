// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/help/Links.h"

#include <QCoreApplication>
#include <QDir>
#include <QUrl>

#include "ui/help/LinkConfig.h"

namespace quintara::links {

namespace {

QString Configured(const char* value) {
    return QString::fromUtf8(value);
}

// The installed copy of a web page: same path, ".html" for ".aspx", as a file address.
QString LocalAddress(const QString& path) {
    QString file = path;
    file.replace(QLatin1String(".aspx"), QLatin1String(".html"));
    return QUrl::fromLocalFile(QDir::cleanPath(PagesFolder() + file)).toString();
}

}  // namespace

QString PagesFolder() {
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + QLatin1Char('/') +
                           Configured(config::kPagesFromProgram));
}

QString HelpPageAddress(const QString& path) {
    const QString site = Configured(config::kHelpSite);
    return site.isEmpty() ? LocalAddress(path) : site + path;
}

QString NewsAddress() {
    const QString host = Configured(config::kNewsHost);
    if (host.isEmpty()) {
        return LocalAddress(QString::fromUtf8(kNewsPath));
    }
    return host + QString::fromUtf8(kNewsPath) + QStringLiteral("?fid=") +
           Configured(config::kNewsId);
}

QString MakerAddress() {
    const QString site = Configured(config::kMakerSite);
    return site.isEmpty() ? LocalAddress(QStringLiteral("/about.html")) : site;
}

QString MakerLinkText() {
    const QString site = Configured(config::kMakerSite);
    return site.isEmpty() ? QStringLiteral("About Quintara") : QUrl(site).host();
}

QString WindowTitle() {
    const QString title = QStringLiteral("Quintara Vers.1.3 - ") + QString::fromUtf8(kMakerName);
    const QString site = Configured(config::kMakerSite);
    return site.isEmpty() ? title : title + QStringLiteral(" - ") + QUrl(site).host();
}

}  // namespace quintara::links
