#pragma once

#include <QUrl>

// Hands a link to the desktop; the outcome is neither tested nor reported.
class UrlOpener {
public:
    virtual ~UrlOpener() = default;
    virtual void open(const QUrl& url) = 0;
};

// The real desktop (QDesktopServices::openUrl).
UrlOpener& DesktopUrlOpener();
