#include "JpegDecoder.h"

#include "Pictures.h"

#include <QBuffer>
#include <QFile>
#include <gtest/gtest.h>
#include <ostream>
#include <random>

namespace {

QByteArray Resource(const char* name) {
    QFile file(QStringLiteral(":/pictures/") + QLatin1String(name));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    return file.readAll();
}

struct JpegCase {
    const char* file;
    QSize size;
};

void PrintTo(const JpegCase& c, std::ostream* os) {
    *os << c.file;
}

class ShippedJpeg : public ::testing::TestWithParam<JpegCase> {};

TEST_P(ShippedJpeg, DecodesAtItsStatedSize) {
    const QImage image = art::DecodeJpeg(Resource(GetParam().file));
    EXPECT_EQ(image.size(), GetParam().size);
    EXPECT_EQ(image.format(), QImage::Format_RGB32);
}

// The stream itself says three components of 8 bits: SOF0 precision 8, component count 3.
TEST_P(ShippedJpeg, IsABaselineJpegOfThreeEightBitComponents) {
    const QByteArray data = Resource(GetParam().file);
    ASSERT_GT(data.size(), 4);
    EXPECT_EQ(static_cast<unsigned char>(data[0]), 0xFF);
    EXPECT_EQ(static_cast<unsigned char>(data[1]), 0xD8);
    const int sof = data.indexOf(QByteArray("\xFF\xC0", 2));
    ASSERT_GE(sof, 0);
    const auto at = [&](int i) { return static_cast<unsigned char>(data[sof + i]); };
    EXPECT_EQ(at(4), 8);
    EXPECT_EQ(at(5) << 8 | at(6), GetParam().size.height());
    EXPECT_EQ(at(7) << 8 | at(8), GetParam().size.width());
    EXPECT_EQ(at(9), 3);
}

INSTANTIATE_TEST_SUITE_P(BothPhotographs, ShippedJpeg,
                         ::testing::Values(JpegCase{"town.jpg", {195, 294}},
                                           JpegCase{"logo.jpg", {150, 113}}),
                         [](const ::testing::TestParamInfo<JpegCase>& info) {
                             return std::string(info.param.file).substr(0, 4);
                         });

TEST(JpegDecoder, PicturesHoldTheDecodedPhotographs) {
    EXPECT_EQ(art::Pictures::instance().town().size(), QSize(195, 294));
    EXPECT_EQ(art::Pictures::instance().logo().size(), QSize(150, 113));
}

class TruncatedJpeg : public ::testing::TestWithParam<double> {};

TEST_P(TruncatedJpeg, IsRejectedWithAnExceptionInsteadOfEndingTheProgram) {
    const QByteArray whole = Resource("town.jpg");
    const QByteArray cut = whole.left(static_cast<qsizetype>(whole.size() * GetParam()));
    EXPECT_THROW((void)art::DecodeJpeg(cut), art::JpegError);
}

// From inside the headers to just short of the end marker.
INSTANTIATE_TEST_SUITE_P(AtSeveralLengths, TruncatedJpeg,
                         ::testing::Values(0.01, 0.1, 0.5, 0.9, 0.999));

TEST(JpegDecoder, RejectsAStreamMissingOnlyItsEndMarker) {
    const QByteArray whole = Resource("logo.jpg");
    ASSERT_TRUE(whole.endsWith(QByteArray("\xFF\xD9", 2)));
    EXPECT_THROW((void)art::DecodeJpeg(whole.left(whole.size() - 2)), art::JpegError);
}

TEST(JpegDecoder, RejectsGarbage) {
    std::mt19937 random(7);
    QByteArray garbage(4000, '\0');
    for (char& c : garbage) {
        c = static_cast<char>(random() & 0xff);
    }
    EXPECT_THROW((void)art::DecodeJpeg(garbage), art::JpegError);
}

TEST(JpegDecoder, RejectsGarbageAfterAValidStartMarker) {
    QByteArray data("\xFF\xD8\xFF\xE0", 4);
    data.append(QByteArray(500, '\x5a'));
    EXPECT_THROW((void)art::DecodeJpeg(data), art::JpegError);
}

TEST(JpegDecoder, RejectsAnEmptyStream) {
    EXPECT_THROW((void)art::DecodeJpeg(QByteArray()), art::JpegError);
}

TEST(JpegDecoder, RejectsAPictureOfAnotherFormat) {
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(Qt::red);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(image.save(&buffer, "PNG"));
    EXPECT_THROW((void)art::DecodeJpeg(png), art::JpegError);
}

TEST(JpegDecoder, RejectsCorruptedEntropyData) {
    QByteArray data = Resource("town.jpg");
    const int scan = data.indexOf(QByteArray("\xFF\xDA", 2));
    ASSERT_GT(scan, 0);
    // Wipe a stretch of the compressed picture with a marker that may not occur there.
    for (int i = scan + 400; i < scan + 600 && i + 1 < data.size(); i += 2) {
        data[i] = '\xFF';
        data[i + 1] = '\xD0';
    }
    EXPECT_THROW((void)art::DecodeJpeg(data), art::JpegError);
}

TEST(JpegDecoder, StillDecodesAfterRejectingABrokenStream) {
    const QByteArray whole = Resource("logo.jpg");
    EXPECT_THROW((void)art::DecodeJpeg(whole.left(300)), art::JpegError);
    EXPECT_EQ(art::DecodeJpeg(whole).size(), QSize(150, 113));
}

TEST(JpegDecoder, SaysWhatWentWrong) {
    try {
        (void)art::DecodeJpeg(QByteArray("not a picture at all"));
        FAIL() << "no exception";
    } catch (const art::JpegError& e) {
        EXPECT_NE(std::string(e.what()).find("JPEG"), std::string::npos) << e.what();
    }
}

} // namespace
