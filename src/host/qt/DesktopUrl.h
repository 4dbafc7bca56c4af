// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>

namespace host {

// Opens a web address with the desktop's default handler; "example.com" stands for
// "http://example.com". Only http and https addresses are opened, nothing local. The
// outcome is not reported: a handler that is missing or fails leaves everything as it was.
void OpenUrl(const QString& address);

// Replaces the desktop's handler while it lives, so tests can see what would be opened
// without starting a browser.
class ScopedUrlHandler {
public:
    using Handler = std::function<void(const QString&)>;
    explicit ScopedUrlHandler(Handler handler);
    ~ScopedUrlHandler();
    ScopedUrlHandler(const ScopedUrlHandler&) = delete;
    ScopedUrlHandler& operator=(const ScopedUrlHandler&) = delete;

private:
    Handler previous_;
};

} // namespace host
