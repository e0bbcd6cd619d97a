// The shipped pictures and sounds: every picture the program loads is in the
// resources at the size it needs, patterns repeat without seams, and the
// five sound files are playable PCM waves of a sensible length and level.
#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "display/skins.h"

// The resources live in a static library: register them before use (the
// macro must stand outside any namespace).
static void InitResources() {
    Q_INIT_RESOURCE(resources);
}

namespace {

QImage Resource(const QString& name) {
    InitResources();
    return QImage(":/images/" + name);
}

// Mean difference of neighbouring columns: inside the picture, and across
// the seam where the last column meets the first when it is tiled.
double ColumnStep(const QImage& image, int a, int b) {
    double sum = 0;
    for (int y = 0; y < image.height(); ++y) {
        QRgb p = image.pixel(a, y), q = image.pixel(b, y);
        sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
               std::abs(qBlue(p) - qBlue(q));
    }
    return sum / image.height();
}

// The largest step between neighbouring columns inside the picture. Drawn
// joints (floor boards, parquet strips) give large steps by design; a seam
// must be no stronger than those.
double LargestInteriorStep(const QImage& image) {
    double largest = 0;
    for (int x = 0; x + 1 < image.width(); ++x)
        largest = std::max(largest, ColumnStep(image, x, x + 1));
    return largest;
}

TEST(ArtTest, SkinsAre1024By768AndOpaque) {
    InitResources();
    for (int i = 0; i < kSkinCount; ++i) {
        QImage skin(ImageResourcePath(SkinBitmapId(i)));
        ASSERT_FALSE(skin.isNull()) << SkinName(i);
        EXPECT_EQ(skin.size(), QSize(1024, 768)) << SkinName(i);
        EXPECT_FALSE(skin.hasAlphaChannel()) << SkinName(i);
    }
}

TEST(ArtTest, PatternsHaveTheirSizesAndTileWithoutSeams) {
    InitResources();
    const QSize sizes[kPatternCount] = {{125, 171}, {16, 16},   {256, 256}, {181, 93},
                                        {150, 170}, {256, 256}, {180, 180}};
    for (int i = 0; i < kPatternCount; ++i) {
        QImage pattern(ImageResourcePath(BackgroundBitmapId(i)));
        ASSERT_FALSE(pattern.isNull()) << PatternName(i);
        EXPECT_EQ(pattern.size(), sizes[i]) << PatternName(i);
        if (i == 1) continue;  // the checkers have hard edges by design
        // Turn the picture so the rows can be checked with the same helper.
        const QImage turned = pattern.transformed(QTransform().rotate(90));
        const QImage* views[] = {&pattern, &turned};
        for (const QImage* v : views) {
            const double seam = ColumnStep(*v, v->width() - 1, 0);
            EXPECT_LE(seam, 1.1 * LargestInteriorStep(*v) + 2.0) << PatternName(i);
        }
    }
}

TEST(ArtTest, CheckersAlternateInSquaresOfEight) {
    InitResources();
    QImage checkers(ImageResourcePath(BackgroundBitmapId(1)));
    ASSERT_EQ(checkers.size(), QSize(16, 16));
    const QRgb a = checkers.pixel(0, 0), b = checkers.pixel(8, 0);
    EXPECT_NE(a, b);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            EXPECT_EQ(checkers.pixel(x, y), ((x / 8 + y / 8) % 2 == 0) ? a : b) << x << "," << y;
}

TEST(ArtTest, IconsAndAboutPicture) {
    for (auto [name, size] :
         {std::pair{"icon.png", 256}, {"icon_32.png", 32}, {"icon_16.png", 16}}) {
        QImage icon = Resource(name);
        ASSERT_EQ(icon.size(), QSize(size, size)) << name;
        EXPECT_TRUE(icon.hasAlphaChannel()) << name;
    }
    EXPECT_EQ(qAlpha(Resource("icon.png").pixel(255, 0)), 0);  // a corner is see-through

    for (const char* name : {"tree_dash.png", "tree_tick.png", "tree_folder.png"}) {
        QImage icon = Resource(name);
        ASSERT_EQ(icon.size(), QSize(16, 16)) << name;
        EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0) << name;
    }
    // The dash is grey, the tick red: the tree tells solved puzzles by them.
    const QRgb dash = Resource("tree_dash.png").pixel(8, 8);
    EXPECT_GT(qAlpha(dash), 200);
    EXPECT_LT(std::abs(qRed(dash) - qBlue(dash)), 10);
    const QImage tick = Resource("tree_tick.png");
    int red = 0;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            QRgb p = tick.pixel(x, y);
            red += qAlpha(p) > 200 && qRed(p) > 150 && qGreen(p) < 80;
        }
    EXPECT_GT(red, 12);

    // The About box's picture area is 137 x 39 dialog units.
    QImage about = Resource("about.png");
    ASSERT_FALSE(about.isNull());
    EXPECT_NEAR(double(about.width()) / about.height(), 137.0 * 1.5 / (39.0 * 1.625), 0.1);
}

struct Wave {
    int format = 0, channels = 0, rate = 0, bits = 0;
    std::vector<std::int16_t> samples;
};

std::uint32_t Le(const std::string& s, std::size_t at, int bytes) {
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = v << 8 | static_cast<unsigned char>(s[at + i]);
    return v;
}

// Reads a canonical RIFF/WAVE file; walks the chunks so that a stray chunk
// before "data" would not be mistaken for sound.
bool ReadWave(const std::string& path, Wave& w) {
    std::ifstream f(path, std::ios::binary);
    std::string s((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
    if (s.size() < 44 || s.compare(0, 4, "RIFF") != 0 || s.compare(8, 4, "WAVE") != 0) return false;
    if (Le(s, 4, 4) + 8 != s.size()) return false;
    for (std::size_t at = 12; at + 8 <= s.size();) {
        const std::string id = s.substr(at, 4);
        const std::uint32_t size = Le(s, at + 4, 4);
        if (at + 8 + size > s.size()) return false;
        if (id == "fmt ") {
            w.format = Le(s, at + 8, 2);
            w.channels = Le(s, at + 10, 2);
            w.rate = Le(s, at + 12, 4);
            w.bits = Le(s, at + 22, 2);
        } else if (id == "data") {
            for (std::uint32_t i = 0; i + 1 < size; i += 2)
                w.samples.push_back(static_cast<std::int16_t>(Le(s, at + 8 + i, 2)));
        }
        at += 8 + size + (size & 1);
    }
    return !w.samples.empty();
}

TEST(ArtTest, SoundsArePcmWavesOfSensibleLengthAndLevel) {
    struct Expect {
        const char* name;
        double minSeconds, maxSeconds;
    };
    const Expect sounds[] = {{"take", 0.05, 0.25},
                             {"drop", 0.05, 0.25},
                             {"error", 0.05, 0.25},
                             {"rotate", 0.05, 0.25},
                             {"level is completed", 0.8, 1.6}};
    for (const Expect& e : sounds) {
        Wave w;
        const std::string path = std::string(POLYSHARD_SOUND_DIR) + "/" + e.name + ".wav";
        ASSERT_TRUE(ReadWave(path, w)) << path;
        EXPECT_EQ(w.format, 1) << e.name;  // PCM
        EXPECT_EQ(w.channels, 1) << e.name;
        EXPECT_EQ(w.bits, 16) << e.name;
        EXPECT_TRUE(w.rate == 44100 || w.rate == 22050) << e.name;
        const double seconds = double(w.samples.size()) / w.rate;
        EXPECT_GE(seconds, e.minSeconds) << e.name;
        EXPECT_LE(seconds, e.maxSeconds) << e.name;
        int peak = 0;
        for (std::int16_t v : w.samples) peak = std::max(peak, std::abs(int(v)));
        const double dbfs = 20.0 * std::log10(peak / 32768.0);
        EXPECT_GT(dbfs, -8.0) << e.name;
        EXPECT_LT(dbfs, -1.0) << e.name;  // headroom, no clipping
        // Faded in and out: no click at either end.
        EXPECT_LT(std::abs(int(w.samples.front())), 300) << e.name;
        EXPECT_LT(std::abs(int(w.samples.back())), 300) << e.name;
    }
}

}  // namespace
