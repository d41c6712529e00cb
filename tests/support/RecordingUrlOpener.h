#pragma once

#include "platform/UrlOpener.h"

#include <QList>
#include <QUrl>

// Keeps the links instead of handing them to the desktop.
class RecordingUrlOpener : public UrlOpener {
public:
    QList<QUrl> opened;

    void open(const QUrl& url) override { opened.append(url); }
};
