// Renders the draw-entry page and the "Квадратура" pattern into PNG files for the docs:
//   drawentry_screenshots <folder>
// Run on the offscreen platform; not a test.
#include "DrawEntryPage.h"
#include "FrmMain.h"
#include "GlyphButton.h"
#include "LotteryApplication.h"
#include "PageControl.h"
#include "StandardDialogs.h"

#include <QAbstractButton>
#include <QAction>
#include <QDir>
#include <QPainter>
#include <QPushButton>
#include <QTest>
#include <deque>
#include <iostream>

namespace {

class ScriptedDialogs : public StandardDialogs {
public:
    std::deque<QColor> colours;
    ConfirmAnswer askYesNo(QWidget*, const QString&) override { return ConfirmAnswer::No; }
    std::optional<QString> chooseFileToOpen(QWidget*) override { return std::nullopt; }
    std::optional<QString> chooseFileToSave(QWidget*) override { return std::nullopt; }
    std::optional<QColor> chooseColour(QWidget*, const QColor&) override {
        if (colours.empty())
            return std::nullopt;
        QColor colour = colours.front();
        colours.pop_front();
        return colour;
    }
};

void Click(QAbstractButton* button) {
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, button->rect().center());
}

void ClickNumbers(DrawEntryPage& page, std::initializer_list<int> numbers) {
    for (const int n : numbers)
        Click(page.numberButton(n));
}

int Hits(const lottery::LotteryDocument& document) {
    int hits = 0;
    const lottery::PlayDraw& draw = document.lastPlayDraw();
    for (int m = 0; m < draw.count; ++m)
        hits += draw.balls[static_cast<std::size_t>(m)].hit ? 1 : 0;
    return hits;
}

bool Save(const QImage& image, const QDir& folder, const char* name) {
    const QString path = folder.filePath(QString::fromLatin1(name));
    if (!image.save(path)) {
        std::cerr << "cannot write " << path.toStdString() << '\n';
        return false;
    }
    std::cout << path.toStdString() << '\n';
    return true;
}

} // namespace

int main(int argc, char** argv) {
    LotteryApplication app(argc, argv);
    const QDir folder(
        QDir(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".")).absolutePath());
    // Away from any User.opt of the caller's folder.
    QDir::setCurrent(QDir::tempPath());
    bool ok = true;

    {
        ScriptedDialogs dialogs;
        FrmMain window(dialogs, "no-such-options-file.opt");
        window.show();
        (void)QTest::qWaitForWindowExposed(&window);
        window.pageControl().setCurrentIndex(1);
        DrawEntryPage& page = window.drawEntryPage();
        ClickNumbers(page, {7, 12, 23});
        ok &= Save(window.grab().toImage(), folder, "draw-entry-record.png");

        // Play until the draw on display has at least two hits.
        Click(page.playButton());
        for (int attempt = 0; attempt < 500; ++attempt) {
            ClickNumbers(page, {7, 12, 23, 31, 38, 44});
            Click(page.newTirazButton());
            if (Hits(window.document()) >= 2)
                break;
            Click(page.continueButton());
        }
        ok &= Save(window.grab().toImage(), folder, "draw-entry-play.png");
    }

    {
        ScriptedDialogs dialogs;
        dialogs.colours = {QColor(255, 250, 220), QColor(200, 220, 255), QColor(128, 0, 0),
                           QColor(0, 64, 128)};
        FrmMain window(dialogs, "no-such-options-file.opt");
        window.show();
        (void)QTest::qWaitForWindowExposed(&window);
        for (const char* command :
             {"mnuColorTableFon", "mnuColorShap", "mnuFontZagol", "mnuFontTable", "mnuFon2"})
            window.findChild<QAction*>(QString::fromLatin1(command))->trigger();
        DrawEntryPage& page = window.drawEntryPage();
        window.pageControl().setCurrentIndex(1);
        ClickNumbers(page, {1, 2, 3});
        Click(page.newTirazButton()); // disabled: nothing happens
        window.pageControl().setCurrentIndex(0);
        const QImage statistics = window.grab().toImage();
        window.pageControl().setCurrentIndex(1);
        const QImage drawEntry = window.grab().toImage();
        QImage both(statistics.width() + drawEntry.width() + 8, statistics.height(),
                    QImage::Format_RGB32);
        both.fill(Qt::white);
        QPainter painter(&both);
        painter.drawImage(0, 0, statistics);
        painter.drawImage(statistics.width() + 8, 0, drawEntry);
        painter.end();
        ok &= Save(both, folder, "quadrature.png");
    }
    return ok ? 0 : 1;
}
