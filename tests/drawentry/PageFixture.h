#pragma once

#include "BallGlyph.h"
#include "DrawEntryPage.h"
#include "LotteryDocument.h"

#include <QStringList>
#include <memory>
#include <vector>

// What the main window does with the document's notices, reduced to what the page needs: the
// page's part of a lottery start and a record of the lines that would go into lbxAll.
class PageListener : public lottery::DocumentListener {
public:
    DrawEntryPage* page = nullptr;
    lottery::LotteryDocument* document = nullptr;
    QStringList appendedLines;
    std::vector<bool> changedFlags;

    void lotteryStarted(lottery::LotteryShape shape) override;
    void drawsEdited(int first, int removed, int inserted) override;
    void changedFlagChanged(bool changed) override;
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
    std::vector<int> cardNumbers() const;
};
