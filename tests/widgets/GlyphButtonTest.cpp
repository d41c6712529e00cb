// The bitmap buttons of the page: where glyph and caption go, and the glyph's key colour
// letting the button face show through.
#include "widgets/GlyphButton.h"

#include "PageFixture.h"
#include "Pictures.h"

#include <QTest>

class GlyphButtonTest : public QObject {
    Q_OBJECT
private slots:
    void aMarginPutsTheGlyphThatFarFromTheLeftEdgeAndTheCaptionFourPixelsAfterIt_data();
    void aMarginPutsTheGlyphThatFarFromTheLeftEdgeAndTheCaptionFourPixelsAfterIt();
    void aGlyphWithoutCaptionIsCentred();
    void theKeyColourOfTheGlyphShowsTheButtonFace();
    void theButtonKeepsItsOwnCopyOfTheGlyph();
    void modeButtonsOfThePageCarryTheirGlyphsAtTenPixels();
};

void GlyphButtonTest::
    aMarginPutsTheGlyphThatFarFromTheLeftEdgeAndTheCaptionFourPixelsAfterIt_data() {
    QTest::addColumn<int>("margin");
    QTest::addColumn<int>("glyphWidth");
    QTest::newRow("10 px, 17 px glyph") << 10 << 17;
    QTest::newRow("10 px, 16 px glyph") << 10 << 16;
    QTest::newRow("0 px, 16 px glyph") << 0 << 16;
}

void GlyphButtonTest::aMarginPutsTheGlyphThatFarFromTheLeftEdgeAndTheCaptionFourPixelsAfterIt() {
    QFETCH(int, margin);
    QFETCH(int, glyphWidth);
    GlyphButton button;
    button.resize(105, 25);
    button.setText(QStringLiteral("Тираж"));
    QImage glyph(glyphWidth, glyphWidth, QImage::Format_RGB32);
    glyph.fill(Qt::black);
    button.setGlyph(glyph);
    button.setMargin(margin);
    QCOMPARE(button.glyphRect().left(), margin);
    QCOMPARE(button.glyphRect().width(), glyphWidth);
    QCOMPARE(button.textRect().left(), margin + glyphWidth + 4);
    // Both centred vertically.
    QCOMPARE(button.glyphRect().top(), (25 - glyphWidth) / 2);
    QVERIFY(std::abs(button.textRect().center().y() - 12) <= 1);
}

void GlyphButtonTest::aGlyphWithoutCaptionIsCentred() {
    GlyphButton button;
    button.resize(30, 30);
    button.setGlyph(art::ComposeBallGlyph(7, art::GlyphKind::Plain));
    QCOMPARE(button.glyphRect(), QRect(2, 2, 26, 26));
}

void GlyphButtonTest::theKeyColourOfTheGlyphShowsTheButtonFace() {
    GlyphButton plain;
    plain.resize(30, 30);
    GlyphButton withBall;
    withBall.resize(30, 30);
    withBall.setGlyph(art::ComposeBallGlyph(7, art::GlyphKind::Plain));
    const QImage face = plain.grab().toImage();
    const QImage shown = withBall.grab().toImage();
    // The glyph's corner is its black key colour: the face shows there, not black.
    QCOMPARE(shown.pixel(3, 3), face.pixel(3, 3));
    QVERIFY(QColor(shown.pixel(3, 3)) != QColor(Qt::black));
    // The ball itself is drawn: its middle is not the face.
    QVERIFY(shown.pixel(15, 15) != face.pixel(15, 15));
}

void GlyphButtonTest::theButtonKeepsItsOwnCopyOfTheGlyph() {
    GlyphButton button;
    QImage glyph(16, 16, QImage::Format_RGB32);
    glyph.fill(Qt::white);
    button.setGlyph(glyph);
    glyph.fill(Qt::red);
    QCOMPARE(QColor(button.glyph().pixel(5, 5)), QColor(Qt::white));
}

void GlyphButtonTest::modeButtonsOfThePageCarryTheirGlyphsAtTenPixels() {
    PageFixture fixture;
    const art::Pictures& pictures = art::Pictures::instance();
    QCOMPARE(fixture.page->tirazButton()->glyph().convertToFormat(QImage::Format_RGB32),
             pictures.tirazGlyph().convertToFormat(QImage::Format_RGB32));
    QCOMPARE(fixture.page->playButton()->glyph().convertToFormat(QImage::Format_RGB32),
             pictures.playGlyph().convertToFormat(QImage::Format_RGB32));
    QCOMPARE(fixture.page->tirazButton()->glyphRect().left(), 10);
    QCOMPARE(fixture.page->playButton()->glyphRect().left(), 10);
    QCOMPARE(fixture.page->tirazButton()->cursor().shape(), Qt::PointingHandCursor);
    QCOMPARE(fixture.page->playButton()->cursor().shape(), Qt::PointingHandCursor);
}

QTEST_MAIN(GlyphButtonTest)
#include "GlyphButtonTest.moc"
