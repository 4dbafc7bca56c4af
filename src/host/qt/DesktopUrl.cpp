// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/qt/DesktopUrl.h"

#include <QDesktopServices>
#include <QUrl>
#include <utility>

namespace host {

namespace {

ScopedUrlHandler::Handler& CurrentHandler() {
    static ScopedUrlHandler::Handler handler;
    return handler;
}

bool IsWebAddress(const QUrl& url) {
    return url.isValid() && !url.host().isEmpty() &&
           (url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https"));
}

} // namespace

void OpenUrl(const QString& address) {
    // Only web addresses are handed on: anything else could make the desktop open or
    // run a local file.
    // Addresses may be written without their scheme, as people write them ("example.com").
    const QUrl url = QUrl::fromUserInput(address);
    if (!IsWebAddress(url)) return;
    if (CurrentHandler()) {
        CurrentHandler()(url.toString());
        return;
    }
    QDesktopServices::openUrl(url);
}

ScopedUrlHandler::ScopedUrlHandler(Handler handler) : previous_(std::move(CurrentHandler())) {
    CurrentHandler() = std::move(handler);
}

ScopedUrlHandler::~ScopedUrlHandler() { CurrentHandler() = std::move(previous_); }

} // namespace host
