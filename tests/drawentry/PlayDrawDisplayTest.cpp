// Play mode: the home draw shown beside the card, where its balls and labels go, the hit
// colours, and the three ways of leaving the display.
#include "PageFixture.h"
#include "Pictures.h"
#include "widgets/GlyphButton.h"

#include <QLabel>
#include <QTest>
#include <numeric>

using art::GlyphKind;
using lottery::LotteryShape;

namespace {

// The draw as the rules describe it, computed here from scratch with its own generator so
// that the page is checked against the rules and not against the core's own draw.
struct ExpectedBall {
    int number;
    int left;
    int top;
    bool hit;
};

std::vector<ExpectedBall> ExpectedDraw(std::uint32_t seed, int K, int N,
                                       const std::vector<int>& ticket) {
    auto random = [&seed](std::uint32_t range) {
        seed = seed * 134775813u + 1u;
        return static_cast<int>((static_cast<std::uint64_t>(seed) * range) >> 32);
    };
    const int band = static_cast<int>(219.0 / K);
    std::vector<int> drawn;
    std::vector<ExpectedBall> balls;
    for (int m = 1; m <= K; ++m) {
        int x = 0;
        do {
            x = random(static_cast<std::uint32_t>(N)) + 1;
        } while (std::find(drawn.begin(), drawn.end(), x) != drawn.end());
        drawn.push_back(x);
        const int left = random(65) + (m % 2 == 1 ? 233 : 330);
        const int top = band * (m - 1) + random(static_cast<std::uint32_t>(band)) + 6;
        const bool hit = std::find(ticket.begin(), ticket.end(), x) != ticket.end();
        balls.push_back({x, left, top, hit});
    }
    return balls;
}

void MarkTicketAndPlay(PageFixture& fixture, const std::vector<int>& ticket) {
    fixture.clickButton(fixture.page->playButton());
    for (const int n : ticket)
        fixture.click(n);
    fixture.clickButton(fixture.page->newTirazButton());
}

QColor LabelColour(const QLabel* label) {
    return label->palette().color(QPalette::WindowText);
}

// A ticket that the fixed seed hits at least once and, where the lottery leaves room, misses
// somewhere too: two drawn numbers first, then undrawn ones, then drawn ones again.
std::vector<int> TicketWithHits(std::uint32_t seed, int K, int N) {
    const auto balls = ExpectedDraw(seed, K, N, {});
    auto drawn = [&balls](int n) {
        return std::any_of(balls.begin(), balls.end(),
                           [n](const ExpectedBall& b) { return b.number == n; });
    };
    std::vector<int> ticket;
    auto take = [&](auto wanted, std::size_t upTo) {
        for (int n = 1; n <= N && ticket.size() < upTo; ++n)
            if (wanted(n) && std::find(ticket.begin(), ticket.end(), n) == ticket.end())
                ticket.push_back(n);
    };
    const auto size = static_cast<std::size_t>(K);
    take(drawn, std::min<std::size_t>(2, size));
    take([&](int n) { return !drawn(n); }, size);
    take(drawn, size);
    return ticket;
}

} // namespace

class PlayDrawDisplayTest : public QObject {
    Q_OBJECT
private slots:
    void fixedSeedDrawPutsEachBallAndLabelWhereTheRulesSay_data();
    void fixedSeedDrawPutsEachBallAndLabelWhereTheRulesSay();
    void theTicketStaysMarkedWhileTheDrawIsOnDisplay();
    void homeDrawNeitherRecordsNorMarksTheDocumentChanged();
    void continueEndsTheDisplayAndGivesTheTicketAfterDrawGlyphs();
    void numberClickAfterADrawEndsTheDisplayAndMarksThatNumberOnAFreshCard();
    void modeSwitchDuringADrawEndsTheDisplay();
    void aDrawnBallShowsItsNumberOverTheBallOnScreen();
    void everyButtonTakesClicksOverItsWholeAreaWhateverBallLiesBeside();
};

void PlayDrawDisplayTest::fixedSeedDrawPutsEachBallAndLabelWhereTheRulesSay_data() {
    QTest::addColumn<uint>("seed");
    QTest::addColumn<int>("K");
    QTest::addColumn<int>("N");
    QTest::newRow("6 of 49") << 20261208u << 6 << 49;
    QTest::newRow("7 of 8, every ball fought for") << 7u << 7 << 8;
    QTest::newRow("1 of 2") << 99u << 1 << 2;
    QTest::newRow("5 of 36") << 4000000000u << 5 << 36;
    QTest::newRow("7 of 49") << 0u << 7 << 49;
}

void PlayDrawDisplayTest::fixedSeedDrawPutsEachBallAndLabelWhereTheRulesSay() {
    QFETCH(uint, seed);
    QFETCH(int, K);
    QFETCH(int, N);
    PageFixture fixture(seed,
                        LotteryShape{static_cast<std::uint8_t>(K), static_cast<std::uint8_t>(N)});
    const std::vector<int> ticket = TicketWithHits(seed, K, N);
    MarkTicketAndPlay(fixture, ticket);

    const auto expected = ExpectedDraw(seed, K, N, ticket);
    const art::Pictures& pictures = art::Pictures::instance();
    int hits = 0;
    for (int m = 1; m <= 7; ++m) {
        QLabel* picture = fixture.page->ballPicture(m);
        QLabel* label = fixture.page->ballLabel(m);
        if (m > K) {
            QVERIFY(!picture->isVisible());
            continue;
        }
        const ExpectedBall& ball = expected[static_cast<std::size_t>(m - 1)];
        QVERIFY(picture->isVisible());
        QVERIFY(label->isVisible());
        QCOMPARE(picture->pos(), QPoint(ball.left, ball.top));
        QCOMPARE(picture->size(), QSize(105, 105));
        QCOMPARE(label->pos(), QPoint(ball.left + 14, ball.top + 15));
        QCOMPARE(label->width(), 25);
        QCOMPARE(label->text(), QString::number(ball.number));
        QCOMPARE(LabelColour(label), ball.hit ? QColor(0, 0, 0x80) : QColor(0, 0, 0xFF));

        // The ball itself, unscaled at the top-left, with its silver ground see-through.
        const QImage shown = picture->pixmap().toImage();
        const QImage& source = ball.hit ? pictures.playBallBingo() : pictures.playBall();
        QCOMPARE(shown.size(), QSize(52, 52));
        QCOMPARE(QColor(shown.pixel(26, 26)).rgb(), QColor(source.pixel(26, 26)).rgb());
        QCOMPARE(qAlpha(shown.pixel(0, 51)), 0);
        QCOMPARE(qAlpha(shown.pixel(26, 26)), 255);
        QCOMPARE(picture->alignment() & (Qt::AlignLeft | Qt::AlignTop),
                 Qt::AlignLeft | Qt::AlignTop);
        hits += ball.hit ? 1 : 0;
    }
    // As many hits as the ticket shares with the drawn numbers, and at least one.
    int shared = 0;
    for (const int n : ticket)
        shared += std::any_of(expected.begin(), expected.end(),
                              [n](const ExpectedBall& b) { return b.number == n; })
                      ? 1
                      : 0;
    QCOMPARE(hits, shared);
    QVERIFY(hits >= 1);
    QVERIFY(!fixture.page->townPicture()->isVisible());
    QVERIFY(fixture.page->continueButton()->isVisible());
    QVERIFY(!fixture.page->newTirazButton()->isEnabled());
    QVERIFY(fixture.page->playShown());
}

void PlayDrawDisplayTest::theTicketStaysMarkedWhileTheDrawIsOnDisplay() {
    PageFixture fixture(5);
    MarkTicketAndPlay(fixture, {10, 20, 30, 40, 41, 42});
    QCOMPARE(fixture.cardNumbers(), (std::vector<int>{10, 20, 30, 40, 41, 42}));
    for (const int n : {10, 20, 30, 40, 41, 42})
        QVERIFY(fixture.glyphIs(n, GlyphKind::Selected));
}

void PlayDrawDisplayTest::homeDrawNeitherRecordsNorMarksTheDocumentChanged() {
    PageFixture fixture(5);
    MarkTicketAndPlay(fixture, {1, 2, 3, 4, 5, 6});
    QCOMPARE(fixture.document.drawCount(), 0);
    QVERIFY(fixture.listedLines().isEmpty());
    QVERIFY(!fixture.document.changed());
    QCOMPARE(fixture.document.stats()[1].frequency, 0);
}

void PlayDrawDisplayTest::continueEndsTheDisplayAndGivesTheTicketAfterDrawGlyphs() {
    PageFixture fixture(5);
    MarkTicketAndPlay(fixture, {10, 23, 30, 40, 41, 42});
    fixture.clickButton(fixture.page->continueButton());
    QVERIFY(!fixture.page->continueButton()->isVisible());
    QVERIFY(fixture.page->townPicture()->isVisible());
    QCOMPARE(fixture.document.cardCount(), 0);
    QVERIFY(!fixture.page->newTirazButton()->isEnabled());
    QVERIFY(!fixture.page->playShown());
    for (int m = 1; m <= 6; ++m) {
        QVERIFY(!fixture.page->ballPicture(m)->isVisible());
        QVERIFY(fixture.page->ballLabel(m)->text().isEmpty());
    }
    for (const int n : {10, 23, 30, 40, 41, 42})
        QVERIFY(fixture.glyphIs(n, GlyphKind::AfterDraw));
    QVERIFY(fixture.glyphIs(11, GlyphKind::Plain));
    // Still play mode: the next ticket can be played at once.
    QVERIFY(fixture.page->playMode());
}

void PlayDrawDisplayTest::numberClickAfterADrawEndsTheDisplayAndMarksThatNumberOnAFreshCard() {
    PageFixture fixture(5);
    MarkTicketAndPlay(fixture, {10, 23, 30, 40, 41, 42});
    fixture.click(23);
    QVERIFY(!fixture.page->playShown());
    QVERIFY(!fixture.page->continueButton()->isVisible());
    QVERIFY(fixture.page->townPicture()->isVisible());
    for (int m = 1; m <= 7; ++m)
        QVERIFY(!fixture.page->ballPicture(m)->isVisible());
    QCOMPARE(fixture.cardNumbers(), std::vector<int>{23});
    QVERIFY(fixture.glyphIs(23, GlyphKind::Selected));
    QVERIFY(fixture.glyphIs(30, GlyphKind::AfterDraw));
    QVERIFY(!fixture.page->newTirazButton()->isEnabled());
}

void PlayDrawDisplayTest::modeSwitchDuringADrawEndsTheDisplay() {
    PageFixture fixture(5);
    MarkTicketAndPlay(fixture, {10, 23, 30, 40, 41, 42});
    fixture.clickButton(fixture.page->tirazButton());
    QVERIFY(!fixture.page->playShown());
    QVERIFY(fixture.page->townPicture()->isVisible());
    QCOMPARE(fixture.document.cardCount(), 0);
    QVERIFY(!fixture.page->playMode());
    QCOMPARE(fixture.page->newTirazButton()->text(), QStringLiteral("Добавить тираж"));
}

void PlayDrawDisplayTest::aDrawnBallShowsItsNumberOverTheBallOnScreen() {
    // K = 1 keeps the single ball clear of any other, so what is seen is only this ball.
    PageFixture fixture(77, LotteryShape{1, 49});
    MarkTicketAndPlay(fixture, {1});
    QLabel* picture = fixture.page->ballPicture(1);
    QLabel* label = fixture.page->ballLabel(1);
    const QImage screen = fixture.page->grab().toImage();
    // Some pixel of the label's area is painted in the label's blue.
    bool sawNumber = false;
    const QRect area = label->geometry();
    for (int y = area.top(); y <= area.bottom() && !sawNumber; ++y)
        for (int x = area.left(); x <= area.right() && !sawNumber; ++x) {
            const QColor c(screen.pixel(x, y));
            sawNumber = c.blue() > 150 && c.red() < 90 && c.green() < 90;
        }
    QVERIFY(sawNumber);
    // Outside the 52-pixel ball, the 105-pixel picture lets the page show through: nothing
    // there is silver unless the page itself is.
    const QPoint outside = picture->pos() + QPoint(80, 80);
    fixture.page->ballPicture(1)->hide();
    fixture.page->ballLabel(1)->hide();
    const QImage without = fixture.page->grab().toImage();
    QCOMPARE(screen.pixel(outside), without.pixel(outside));
}

void PlayDrawDisplayTest::everyButtonTakesClicksOverItsWholeAreaWhateverBallLiesBeside() {
    for (std::uint32_t seed = 1; seed <= 42; ++seed) {
        const int K = static_cast<int>(seed % 7) + 1;
        PageFixture fixture(seed, LotteryShape{static_cast<std::uint8_t>(K), 49});
        std::vector<int> ticket(static_cast<std::size_t>(K));
        std::iota(ticket.begin(), ticket.end(), 1);
        MarkTicketAndPlay(fixture, ticket);
        DrawEntryPage& page = *fixture.page;
        // The window routes a click to the widget on top at its point.
        for (QAbstractButton* button : page.findChildren<QAbstractButton*>()) {
            const QRect area = button->geometry();
            for (int y = area.top(); button->isVisible() && y <= area.bottom(); ++y)
                for (int x = area.left(); x <= area.right(); ++x)
                    if (page.childAt(x, y) != button && button != page.focusButton())
                        QFAIL(qPrintable(QStringLiteral("seed %1: dead point of ").arg(seed) +
                                         button->objectName()));
        }
        QPoint spot = page.continueButton()->geometry().center();
        for (int m = K; m >= 1; --m) {
            const QRect covered =
                page.continueButton()->geometry().intersected(page.ballPicture(m)->geometry());
            spot = covered.isEmpty() ? spot : covered.center();
        }
        QTest::mouseClick(page.windowHandle(), Qt::LeftButton, Qt::NoModifier, spot);
        QVERIFY2(!page.continueButton()->isVisible(), qPrintable(QString::number(seed)));
    }
}

QTEST_MAIN(PlayDrawDisplayTest)
#include "PlayDrawDisplayTest.moc"
