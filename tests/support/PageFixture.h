#pragma once

#include "BallGlyph.h"
#include "RecordingListener.h"
#include "drawentry/DrawEntryPage.h"
#include "lottery/LotteryDocument.h"

#include <QStringList>
#include <memory>
#include <vector>

// Records what the document reports and, as the main window does, passes a lottery start on
// to the page.
class PageListener : public lottery::test::RecordingListener {
public:
    DrawEntryPage* page = nullptr;
    void lotteryStarted(lottery::LotteryShape shape) override;
};

// A shown draw-entry page with its own document and a fixed-seed random source.
struct PageFixture {
    explicit PageFixture(std::uint32_t seed = 12345, lottery::LotteryShape shape = {});

    lottery::LotteryDocument document;
    lottery::LcgRandom random;
    PageListener listener;
    std::unique_ptr<DrawEntryPage> page;

    // A real mouse click on number button n.
    void click(int n);
    void clickButton(QAbstractButton* button);
    void clickAll(std::initializer_list<int> numbers);
    // Starts a lottery of another shape, as New does after its dialog.
    void startLottery(lottery::LotteryShape shape);
    bool glyphIs(int n, art::GlyphKind kind) const;
    // The lines the window would have appended to lbxAll.
    QStringList listedLines() const;
    std::vector<int> cardNumbers() const;
};
