#include "PageFixture.h"

#include "widgets/GlyphButton.h"

#include <QPushButton>
#include <QTest>
#include <cstdio>

void PageListener::lotteryStarted(lottery::LotteryShape shape) {
    RecordingListener::lotteryStarted(shape);
    if (page != nullptr)
        page->lotteryStarted();
}

PageFixture::PageFixture(std::uint32_t seed, lottery::LotteryShape shape)
    : document(&listener), random(seed) {
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

QStringList PageFixture::listedLines() const {
    QStringList lines;
    for (const std::string& event : listener.events) {
        int first = 0;
        int removed = 0;
        int inserted = 0;
        if (std::sscanf(event.c_str(), "drawsEdited %d %d %d", &first, &removed, &inserted) == 3)
            for (int i = first; i < first + inserted; ++i)
                lines << QString::fromStdString(document.drawLine(i));
    }
    return lines;
}

std::vector<int> PageFixture::cardNumbers() const {
    std::vector<int> numbers;
    for (int p = 0; p < document.cardCount(); ++p)
        numbers.push_back(document.cardNumbers()[static_cast<std::size_t>(p)]);
    return numbers;
}
