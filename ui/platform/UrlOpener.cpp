#include "platform/UrlOpener.h"

#include <QDesktopServices>

namespace {

class DesktopOpener final : public UrlOpener {
public:
    // The outcome is deliberately ignored: nothing is reported when no application takes
    // the link.
    void open(const QUrl& url) override { QDesktopServices::openUrl(url); }
};

} // namespace

UrlOpener& DesktopUrlOpener() {
    static DesktopOpener opener;
    return opener;
}
