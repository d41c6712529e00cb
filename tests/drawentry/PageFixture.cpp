#include "PageFixture.h"

#include "GlyphButton.h"

#include <QPushButton>
#include <QTest>

void PageListener::lotteryStarted(lottery::LotteryShape /*shape*/) {
    if (page != nullptr)
        page->lotteryStarted();
}

void PageListener::drawsEdited(int first, int /*removed*/, int inserted) {
    for (int i = first; i < first + inserted; ++i)
        appendedLines << QString::fromStdString(document->drawLine(i));
}

void PageListener::changedFlagChanged(bool changed) {
    changedFlags.push_back(changed);
}

PageFixture::PageFixture(std::uint32_t seed, lottery::LotteryShape shape)
    : document(&listener), random(seed) {
    listener.document = &document;
    page = std::make_unique<DrawEntryPage>(document, random);
    listener.page = page.get();
    page->CreateNumberButtons();
    document.StartLottery(shape);
    page->show();
    if (!QTest::qWaitForWindowExposed(page.get()))
        qWarning("the draw-entry page was not exposed");
}

void PageFixture::click(int n) {
    clickButton(page->numberButton(n));
}

void PageFixture::clickButton(QAbstractButton* button) {
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, button->rect().center());
}

void PageFixture::clickAll(std::initializer_list<int> numbers) {
    for (const int n : numbers)
        click(n);
}

void PageFixture::startLottery(lottery::LotteryShape shape) {
    document.StartLottery(shape);
}

bool PageFixture::glyphIs(int n, art::GlyphKind kind) const {
    const auto* button = static_cast<GlyphButton*>(page->numberButton(n));
    return button->glyph() == art::ComposeBallGlyph(n, kind);
}

std::vector<int> PageFixture::cardNumbers() const {
    std::vector<int> numbers;
    for (int p = 0; p < document.cardCount(); ++p)
        numbers.push_back(document.cardNumbers()[static_cast<std::size_t>(p)]);
    return numbers;
}
