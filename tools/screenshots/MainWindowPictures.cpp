#include "MainWindowPictures.h"

#include "PictureFolder.h"
#include "ScriptedDialogs.h"
#include "drawentry/DrawEntryPage.h"
#include "mainwindow/FrmMain.h"
#include "mainwindow/PageControl.h"
#include "session/LotterySession.h"
#include "widgets/GlyphButton.h"

#include <QAction>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>
#include <initializer_list>

namespace {

DrawEntryPage& DrawEntryOf(const FrmMain& window) {
    return *window.findChild<DrawEntryPage*>();
}

PageControl& PagesOf(const FrmMain& window) {
    return *window.findChild<PageControl*>();
}

} // namespace

namespace {

// A main window on the screen, started without any options file so that it shows its design
// colours and first pattern.
class ShownWindow {
public:
    ShownWindow()
        : window(dialogs, optionsFolder.filePath(QStringLiteral("User.opt")).toStdString()) {
        window.show();
        if (!QTest::qWaitForWindowExposed(&window))
            qFatal("the main window was not exposed");
    }

    QImage picture() { return window.grab().toImage(); }
    QImage page(const char* name) {
        return window.findChild<QWidget*>(QString::fromLatin1(name))->grab().toImage();
    }
    void showPage(int index) {
        PagesOf(window).setCurrentIndex(index);
        QCoreApplication::processEvents();
    }
    void click(QAbstractButton* button) {
        QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, button->rect().center());
    }
    void clickNumbers(std::initializer_list<int> numbers) {
        for (const int n : numbers)
            click(DrawEntryOf(window).numberButton(n));
    }

    QTemporaryDir optionsFolder; // stays empty
    ScriptedDialogs dialogs;
    FrmMain window;
};

} // namespace

void DrawPagePictures(PictureFolder& folder, const QString& database) {
    ShownWindow shown;
    QCoreApplication::processEvents();
    folder.save(shown.picture(), QStringLiteral("main-window-empty.png"));
    folder.save(shown.page("TabSheet1"), QStringLiteral("statistics-page-empty.png"));
    shown.showPage(1);
    folder.save(shown.page("TabSheet2"), QStringLiteral("draw-entry-page-empty.png"));
    shown.showPage(0);
    if (database.isEmpty())
        return;
    shown.dialogs.openPaths = {database};
    shown.window.mnuOpenClick();
    QCoreApplication::processEvents();
    folder.save(shown.picture(), QStringLiteral("main-window.png"));
    folder.save(shown.page("TabSheet1"), QStringLiteral("statistics-page.png"));
    shown.showPage(1);
    folder.save(shown.page("TabSheet2"), QStringLiteral("draw-entry-page.png"));
}

void DrawPlayPictures(PictureFolder& folder) {
    ShownWindow shown;
    shown.showPage(1);
    DrawEntryPage& page = DrawEntryOf(shown.window);
    shown.clickNumbers({7, 12, 23});
    folder.save(shown.picture(), QStringLiteral("draw-entry-record.png"));

    // Play until the draw on display has at least two hits, so that the gold balls show.
    shown.click(page.playButton());
    for (int attempt = 0; attempt < 500; ++attempt) {
        shown.clickNumbers({7, 12, 23, 31, 38, 44});
        shown.click(page.newTirazButton());
        if (shown.window.session().document().matchedSet().count() >= 2)
            break;
        shown.click(page.continueButton());
    }
    folder.save(shown.picture(), QStringLiteral("draw-entry-play.png"));
}

void DrawQuadraturePicture(PictureFolder& folder) {
    ShownWindow shown;
    shown.dialogs.colours = {QColor(255, 250, 220), QColor(200, 220, 255), QColor(128, 0, 0),
                             QColor(0, 64, 128)};
    for (const char* command :
         {"mnuColorTableFon", "mnuColorShap", "mnuFontZagol", "mnuFontTable", "mnuFon2"})
        shown.window.findChild<QAction*>(QString::fromLatin1(command))->trigger();
    // The pages are switched without letting events run in between, as this picture has
    // always been drawn: on the offscreen platform the track bar then still shows its ticks.
    PagesOf(shown.window).setCurrentIndex(1);
    shown.clickNumbers({1, 2, 3});
    shown.click(DrawEntryOf(shown.window).newTirazButton()); // disabled: nothing happens
    PagesOf(shown.window).setCurrentIndex(0);
    const QImage statistics = shown.picture();
    PagesOf(shown.window).setCurrentIndex(1);
    const QImage drawEntry = shown.picture();
    constexpr int kGap = 8;
    QImage both(statistics.width() + kGap + drawEntry.width(), statistics.height(),
                QImage::Format_RGB32);
    both.fill(Qt::white);
    QPainter painter(&both);
    painter.drawImage(0, 0, statistics);
    painter.drawImage(statistics.width() + kGap, 0, drawEntry);
    painter.end();
    folder.save(both, QStringLiteral("quadrature.png"));
}
