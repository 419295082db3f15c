// Tests of artgen: the text format, the BMP/ICO/WAV encoders, the command
// line, and the real artwork sources against the sizes the program expects.
#include "artgen.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace {

using artgen::ArtFile;
using artgen::Image;
namespace fs = std::filesystem;

uint32_t le16(const std::vector<uint8_t>& b, size_t at) { return b.at(at) | (uint32_t(b.at(at + 1)) << 8); }
uint32_t le32(const std::vector<uint8_t>& b, size_t at) { return le16(b, at) | (le16(b, at + 2) << 16); }

ArtFile parseOk(const std::string& text) {
    ArtFile art;
    std::string error;
    EXPECT_TRUE(artgen::parseArt(text, art, error)) << error;
    return art;
}

const char* kSampleBitmap =
    "# two rows, three columns\r\n"
    "bitmap 3 2\n"
    "color . 000000\n"
    "color r FF0000   \n"
    "color g 00ff00\n"
    "color b 0000Ff\n"
    "pixels\n"
    "rgb\n"
    "b.r\r\n"
    "end\n";

TEST(ArtgenParse, ReadsBitmapWithCommentsCrlfAndTrailingBlanks) {
    ArtFile art = parseOk(kSampleBitmap);
    ASSERT_FALSE(art.isIcon);
    ASSERT_EQ(art.images.size(), 1u);
    const Image& im = art.images[0];
    EXPECT_EQ(im.width, 3);
    EXPECT_EQ(im.height, 2);
    EXPECT_EQ(im.at(0, 0), 0xFF0000u);
    EXPECT_EQ(im.at(1, 0), 0x00FF00u);
    EXPECT_EQ(im.at(2, 0), 0x0000FFu);
    EXPECT_EQ(im.at(0, 1), 0x0000FFu);
    EXPECT_EQ(im.at(1, 1), 0x000000u);
    EXPECT_EQ(im.at(2, 1), 0xFF0000u);
}

TEST(ArtgenParse, IconColoursCarryOverToLaterImages) {
    ArtFile art = parseOk(
        "icon\ncolor - none\ncolor # 123456\n"
        "image 2 2\npixels\n#-\n-#\nend\n"
        "image 1 1\ncolor x abcdef\npixels\nx\nend\n"
        "image 1 1\npixels\n#\nend\n");
    ASSERT_TRUE(art.isIcon);
    ASSERT_EQ(art.images.size(), 3u);
    EXPECT_EQ(art.images[0].at(1, 0), artgen::kTransparent);
    EXPECT_EQ(art.images[0].at(1, 1), 0x123456u);
    EXPECT_EQ(art.images[1].at(0, 0), 0xABCDEFu);
    EXPECT_EQ(art.images[2].at(0, 0), 0x123456u);
}

TEST(ArtgenParse, RejectsMalformedSources) {
    struct Case {
        const char* text;
        const char* fragment;   // expected in the message
    };
    const Case cases[] = {
        {"", "empty file"},
        {"# only a comment\n", "empty file"},
        {"bitmap 2 1\ncolor . 000000\npixels\n...\nend\n", "line 4: pixel row has 3 characters, expected 2"},
        {"bitmap 2 1\ncolor . 000000\npixels\n.\nend\n", "line 4: pixel row has 1 characters"},
        {"bitmap 2 2\ncolor . 000000\npixels\n..\nend\n", "line 5: pixel row has 3 characters"},
        {"bitmap 2 2\ncolor . 000000\npixels\n..\n", "ends before all pixel rows"},
        {"bitmap 2 1\ncolor . 000000\npixels\n.x\nend\n", "line 4: character 'x' has no colour"},
        {"bitmap 2 1\ncolor . 000000\npixels\n..\n", "not closed with 'end'"},
        {"bitmap 2 1\ncolor . 000000\n", "not closed with 'end'"},
        {"bitmap 0 1\n", "line 1: expected 'bitmap W H'"},
        {"bitmap 257 1\n", "expected 'bitmap W H'"},
        {"bitmap 2\n", "expected 'bitmap W H'"},
        {"bitmap 2 1x\n", "expected 'bitmap W H'"},
        {"bitmap 1 1\ncolor . 00000\n", "line 2: expected 'color C RRGGBB'"},
        {"bitmap 1 1\ncolor . 0000G0\n", "expected 'color C RRGGBB'"},
        {"bitmap 1 1\ncolor .. 000000\n", "expected 'color C RRGGBB'"},
        {"bitmap 1 1\ncolor . none\n", "cannot have transparent"},
        {"bitmap 1 1\ncolor . 000000\ncolor . 000001\n", "line 3: character '.' defined twice"},
        {"color . 000000\nbitmap 1 1\n", "must come first"},
        {"bitmap 1 1\ncolor . 000000\npixels\n.\nend\nbitmap 1 1\n", "line 6: a bitmap file holds one image"},
        {"bitmap 1 1\ncolor . 000000\npixels\n.\nend\ncolor x 111111\n", "holds one image"},
        {"bitmap 1 1\nimage 1 1\n", "belongs in an icon"},
        {"bitmap 1 1\ncolor . 000000\nend\n", "'end' must follow"},
        {"bitmap 1 1\nsmile\n", "unknown statement 'smile'"},
        {"icon 16 16\n", "write 'icon' alone"},
        {"icon\n", "no image"},
        {"icon\ncolor . 000000\npixels\n", "'pixels' must follow"},
        {"icon\nimage 1 1\nimage 1 1\n", "previous image is not finished"},
        {"icon\ncolor . 000000\nimage 1 1\npixels\n.\n", "not closed with 'end'"},
        {"icon\nbitmap 1 1\n", "either one bitmap or one icon"},
    };
    for (const Case& c : cases) {
        ArtFile art;
        std::string error;
        EXPECT_FALSE(artgen::parseArt(c.text, art, error)) << c.text;
        EXPECT_NE(error.find(c.fragment), std::string::npos) << "input:\n" << c.text << "\nmessage: " << error;
    }
}

// ---- A small DIB reader, written from the file format, to check that what
// the encoders write decodes back to the source pixels.

// Reads the uncompressed DIB whose BITMAPINFOHEADER starts at `at`, whose
// rows start at `rows` (0: right after the palette) and which ends at `end`.
// `maskRows` says the height counts an AND mask too (icons); its set bits
// give kTransparent.
Image decodeDib(const std::vector<uint8_t>& b, size_t at, size_t rows, bool maskRows, size_t end) {
    Image im;
    EXPECT_EQ(le32(b, at), 40u);
    im.width = int(le32(b, at + 4));
    im.height = int(le32(b, at + 8)) / (maskRows ? 2 : 1);
    const int bits = int(le16(b, at + 14));
    EXPECT_EQ(le16(b, at + 12), 1u);
    EXPECT_EQ(le32(b, at + 16), 0u);                      // BI_RGB
    const uint32_t used = le32(b, at + 32);
    const size_t paletteSize = bits > 8 ? used : used ? used : size_t(1) << bits;
    EXPECT_LE(paletteSize, bits > 8 ? 0u : size_t(1) << bits);
    std::vector<uint32_t> palette;
    for (size_t i = 0; i < paletteSize; ++i) {
        size_t p = at + 40 + 4 * i;
        palette.push_back(b.at(p) | (uint32_t(b.at(p + 1)) << 8) | (uint32_t(b.at(p + 2)) << 16));
        EXPECT_EQ(b.at(p + 3), 0) << "palette entry " << i;
    }
    if (rows == 0) rows = at + 40 + 4 * paletteSize;
    const size_t stride = (size_t(im.width) * size_t(bits) + 31) / 32 * 4;
    const size_t maskStride = (size_t(im.width) + 31) / 32 * 4;
    EXPECT_EQ(le32(b, at + 20), (stride + (maskRows ? maskStride : 0)) * size_t(im.height));   // biSizeImage
    EXPECT_EQ(end, rows + (stride + (maskRows ? maskStride : 0)) * size_t(im.height));
    if (end > b.size() || palette.empty() != (bits > 8)) {
        ADD_FAILURE() << "truncated file or bad palette";
        return im;
    }
    im.pixels.resize(size_t(im.width) * size_t(im.height));
    for (int y = 0; y < im.height; ++y) {
        const size_t row = rows + size_t(im.height - 1 - y) * stride;
        for (int x = 0; x < im.width; ++x) {
            uint32_t& pixel = im.pixels[size_t(y) * size_t(im.width) + size_t(x)];
            if (bits == 24) {
                size_t p = row + 3 * size_t(x);
                pixel = b[p] | (uint32_t(b[p + 1]) << 8) | (uint32_t(b[p + 2]) << 16);
                continue;
            }
            const size_t bit = size_t(x) * size_t(bits);
            const uint32_t index = (b[row + bit / 8] >> (8 - bits - bit % 8)) & ((1u << bits) - 1);
            if (index >= palette.size()) {
                ADD_FAILURE() << "index " << index << " past the palette at " << x << "," << y;
                continue;
            }
            pixel = palette[index];
        }
        if (maskRows) {
            const size_t mask = rows + stride * size_t(im.height) + size_t(im.height - 1 - y) * maskStride;
            for (int x = 0; x < im.width; ++x)
                if (b[mask + size_t(x) / 8] & (0x80 >> (x % 8))) {
                    uint32_t& pixel = im.pixels[size_t(y) * size_t(im.width) + size_t(x)];
                    EXPECT_EQ(pixel, 0u) << "transparent pixels are black in the colour part";
                    pixel = artgen::kTransparent;
                }
        }
    }
    return im;
}

int bmpBits(const std::vector<uint8_t>& bmp) { return int(le16(bmp, 28)); }
uint32_t bmpColoursUsed(const std::vector<uint8_t>& bmp) { return le32(bmp, 46); }

Image decodeBmp(const std::vector<uint8_t>& bmp) {
    EXPECT_EQ(bmp.at(0), 'B');
    EXPECT_EQ(bmp.at(1), 'M');
    EXPECT_EQ(le32(bmp, 2), bmp.size());
    EXPECT_EQ(le32(bmp, 10), 54 + 4 * bmpColoursUsed(bmp));   // rows follow the palette written
    return decodeDib(bmp, 14, le32(bmp, 10), false, bmp.size());
}

// Icon directory entry `i`: its images, and the bits per pixel it states.
Image decodeIcoImage(const std::vector<uint8_t>& ico, size_t i, int& bits) {
    const size_t dir = 6 + 16 * i;
    bits = int(le16(ico, dir + 6));
    const size_t size = le32(ico, dir + 8), at = le32(ico, dir + 12);
    EXPECT_EQ(le16(ico, at + 14), uint32_t(bits)) << "directory and image disagree";
    EXPECT_EQ(ico.at(dir + 2), bits < 8 ? 1 << bits : 0) << "colour count";
    EXPECT_EQ(le16(ico, dir + 4), 1u);   // planes
    Image im = decodeDib(ico, at, 0, true, at + size);
    EXPECT_EQ(ico.at(dir), im.width % 256);
    EXPECT_EQ(ico.at(dir + 1), im.height % 256);
    return im;
}

// An image of width x height whose pixel i has colour (i % colours), spread
// over the colour space; 0x9E3779 is odd, so the first 2^24 colours differ.
Image imageWithColours(int width, int height, uint32_t colours, uint32_t first = 0) {
    Image im;
    im.width = width;
    im.height = height;
    for (uint32_t i = 0; i < uint32_t(width * height); ++i)
        im.pixels.push_back(((first + i % colours) * 0x9E3779u) & 0xFFFFFF);
    return im;
}

TEST(ArtgenBmp, WritesTheSampleAsA4BitBmpExactly) {
    // Palette in ascending order: black, blue, green, red = indices 0-3.
    // 3 pixels at 4 bits take 2 bytes, padded to 4; the bottom row comes first.
    const std::vector<uint8_t> expected{
        'B', 'M', 78, 0, 0, 0, 0, 0, 0, 0, 70, 0, 0, 0,                   // file header
        40, 0, 0, 0, 3, 0, 0, 0, 2, 0, 0, 0, 1, 0, 4, 0, 0, 0, 0, 0,      // size, 3 x 2, 1 plane, 4 bits
        8, 0, 0, 0, 0x13, 0x0B, 0, 0, 0x13, 0x0B, 0, 0, 4, 0, 0, 0, 0, 0, 0, 0,   // 4 colours used
        0, 0, 0, 0, 0xFF, 0, 0, 0, 0, 0xFF, 0, 0, 0, 0, 0xFF, 0,          // B G R 0 each
        0x10, 0x30, 0, 0,                                                 // "b.r"
        0x32, 0x10, 0, 0,                                                 // "rgb"
    };
    EXPECT_EQ(artgen::encodeBmp(parseOk(kSampleBitmap).images[0]), expected);
}

TEST(ArtgenBmp, TakesTheFewestBitsThatHoldTheColoursAndDecodesExactly) {
    struct Case {
        uint32_t colours;
        int width, height;
        int bits;
        uint32_t paletteEntries;
    };
    const Case cases[] = {
        {1, 17, 16, 1, 2},     // one colour still writes the two entries a 1-bit DIB has
        {2, 17, 16, 1, 2},
        {2, 1, 1, 1, 2},       // one pixel of two colours: only the first is used
        {3, 33, 3, 4, 3},
        {16, 17, 16, 4, 16},
        {17, 17, 16, 8, 17},
        {256, 17, 16, 8, 256},
        {257, 17, 16, 24, 0},
        {272, 17, 16, 24, 0},
        {5, 256, 2, 4, 5},
    };
    for (const Case& c : cases) {
        Image im = imageWithColours(c.width, c.height, c.colours);
        std::vector<uint8_t> bmp = artgen::encodeBmp(im);
        const std::string what = std::to_string(c.colours) + " colours, " + std::to_string(c.width) + " wide";
        EXPECT_EQ(bmpBits(bmp), c.bits) << what;
        EXPECT_EQ(bmpColoursUsed(bmp), c.paletteEntries) << what;
        EXPECT_EQ(decodeBmp(bmp).pixels, im.pixels) << what;
    }
    // The 1-bit palette of a one-colour image repeats that colour.
    std::vector<uint8_t> one = artgen::encodeBmp(imageWithColours(3, 3, 1, 5));
    EXPECT_EQ(le32(one, 54), le32(one, 58));
    EXPECT_NE(le32(one, 54), 0u);
}

// A black-and-white 1-bit DIB would load as a monochrome bitmap, which paints
// in the colours of the DC; other pairs of colours stay at 1 bit.
TEST(ArtgenBmp, BlackAndWhiteTakeFourBits) {
    struct Case {
        uint32_t a, b;
        int bits;
    };
    const Case cases[] = {
        {0x000000, 0xFFFFFF, 4}, {0xFFFFFF, 0x000000, 4}, {0x000000, 0xFFFFFE, 1},
        {0x010101, 0xFFFFFF, 1}, {0x000000, 0x40FF40, 1}, {0xFFFFFF, 0xFFFFFF, 1},
    };
    for (const Case& c : cases) {
        Image im;
        im.width = 3;
        im.height = 1;
        im.pixels = {c.a, c.b, c.a};
        std::vector<uint8_t> bmp = artgen::encodeBmp(im);
        EXPECT_EQ(bmpBits(bmp), c.bits) << std::hex << c.a << " " << c.b;
        EXPECT_EQ(decodeBmp(bmp).pixels, im.pixels) << std::hex << c.a << " " << c.b;
    }
}

TEST(ArtgenIco, WritesFewColourImagesAt4BitsWithAndMask) {
    ArtFile art = parseOk(
        "icon\ncolor - none\ncolor g 00FF00\ncolor k 000000\n"
        "image 3 2\npixels\ng-k\n-gg\nend\n"
        "image 1 1\npixels\n-\nend\n");
    std::vector<uint8_t> ico;
    std::string error;
    ASSERT_TRUE(artgen::encodeIco(art, ico, error)) << error;
    // Each image: header, 16-entry palette, XOR rows of 4 bytes, AND rows of 4 bytes.
    const size_t first = 6 + 2 * 16, firstSize = 40 + 64 + 2 * 4 + 2 * 4, secondSize = 40 + 64 + 4 + 4;
    const std::vector<uint8_t> directory{
        0, 0, 1, 0, 2, 0,
        3, 2, 16, 0, 1, 0, 4, 0, uint8_t(firstSize), 0, 0, 0, uint8_t(first), 0, 0, 0,
        1, 1, 16, 0, 1, 0, 4, 0, uint8_t(secondSize), 0, 0, 0, uint8_t(first + firstSize), 0, 0, 0,
    };
    ASSERT_EQ(ico.size(), first + firstSize + secondSize);
    EXPECT_EQ(std::vector<uint8_t>(ico.begin(), ico.begin() + long(first)), directory);
    EXPECT_EQ(le32(ico, first + 8), 4u);                  // XOR and AND halves stacked
    EXPECT_EQ(le32(ico, first + 32), 0u);                 // biClrUsed 0: the full 16 entries
    // Palette: black first (transparent pixels use it), then green, then zeros.
    EXPECT_EQ(le32(ico, first + 40), 0u);
    EXPECT_EQ(le32(ico, first + 44), 0x00FF00u);
    for (size_t i = 2; i < 16; ++i) EXPECT_EQ(le32(ico, first + 40 + 4 * i), 0u) << i;
    const size_t xorRows = first + 40 + 64;
    // Bottom row "-gg" first, then top row "g-k"; 3 nibbles, padded to 4 bytes.
    const std::vector<uint8_t> rows{0x01, 0x10, 0, 0, 0x10, 0x00, 0, 0, 0x80, 0, 0, 0, 0x40, 0, 0, 0};
    EXPECT_EQ(std::vector<uint8_t>(ico.begin() + long(xorRows), ico.begin() + long(xorRows + 16)), rows);

    for (size_t i = 0; i < 2; ++i) {
        int bits = 0;
        EXPECT_EQ(decodeIcoImage(ico, i, bits).pixels, art.images[i].pixels) << i;
        EXPECT_EQ(bits, 4) << i;
    }
}

TEST(ArtgenIco, ChoosesBitsPerImageAndDecodesExactly) {
    struct Case {
        uint32_t colours;   // besides black, which is always in the palette
        int width, height;
        int bits;
    };
    const Case cases[] = {
        {15, 32, 32, 4}, {16, 32, 32, 8}, {255, 16, 16, 8}, {1, 16, 16, 4}, {20, 256, 256, 8}, {3, 17, 5, 4},
    };
    ArtFile art;
    art.isIcon = true;
    for (const Case& c : cases) {
        // Colours 1.. (never black); the first pixel of every row is transparent.
        Image im = imageWithColours(c.width, c.height, c.colours, 1);
        for (int y = 0; y < c.height; ++y) im.pixels[size_t(y) * size_t(c.width)] = artgen::kTransparent;
        art.images.push_back(im);
    }
    std::vector<uint8_t> ico;
    std::string error;
    ASSERT_TRUE(artgen::encodeIco(art, ico, error)) << error;
    ASSERT_EQ(le16(ico, 4), std::size(cases));
    size_t total = 6 + 16 * std::size(cases);
    for (size_t i = 0; i < std::size(cases); ++i) {
        int bits = 0;
        EXPECT_EQ(decodeIcoImage(ico, i, bits).pixels, art.images[i].pixels) << i;
        EXPECT_EQ(bits, cases[i].bits) << i;
        EXPECT_EQ(le32(ico, 6 + 16 * i + 12), total) << "entries follow each other";
        total += le32(ico, 6 + 16 * i + 8);
    }
    EXPECT_EQ(ico.size(), total);
}

TEST(ArtgenIco, RefusesMoreThan256Colours) {
    ArtFile art;
    art.isIcon = true;
    Image im;
    im.width = 17;
    im.height = 16;
    for (uint32_t i = 0; i < 17 * 16; ++i) im.pixels.push_back(i + 1);
    art.images.push_back(im);
    std::vector<uint8_t> ico;
    std::string error;
    EXPECT_FALSE(artgen::encodeIco(art, ico, error));
    EXPECT_NE(error.find("256"), std::string::npos);
}

TEST(ArtgenWav, IsAShortQuietSineBlipWithoutClicks) {
    std::vector<uint8_t> wav = artgen::makeBeepWav();
    const uint32_t dataBytes = artgen::kBeepSamples * 2;
    ASSERT_EQ(wav.size(), 44 + dataBytes);
    EXPECT_EQ(std::string(wav.begin(), wav.begin() + 4), "RIFF");
    EXPECT_EQ(le32(wav, 4), 36 + dataBytes);
    EXPECT_EQ(std::string(wav.begin() + 8, wav.begin() + 16), "WAVEfmt ");
    EXPECT_EQ(le32(wav, 16), 16u);
    EXPECT_EQ(le16(wav, 20), 1u);       // PCM
    EXPECT_EQ(le16(wav, 22), 1u);       // mono
    EXPECT_EQ(le32(wav, 24), 22050u);
    EXPECT_EQ(le32(wav, 28), 44100u);
    EXPECT_EQ(le16(wav, 32), 2u);
    EXPECT_EQ(le16(wav, 34), 16u);
    EXPECT_EQ(std::string(wav.begin() + 36, wav.begin() + 40), "data");
    EXPECT_EQ(le32(wav, 40), dataBytes);
    EXPECT_NEAR(artgen::kBeepSamples / 22050.0, 0.060, 0.001);

    int peak = 0, crossings = 0, previous = 0;
    std::vector<int> samples;
    for (int i = 0; i < artgen::kBeepSamples; ++i) {
        int s = int16_t(le16(wav, 44 + 2 * size_t(i)));
        samples.push_back(s);
        peak = std::max(peak, std::abs(s));
        if ((s > 0 && previous < 0) || (s < 0 && previous > 0)) ++crossings;
        if (s != 0) previous = s;
    }
    EXPECT_GT(peak, 32767 / 20);         // audible
    EXPECT_LT(peak, 32767 / 4);          // but quiet
    EXPECT_LT(std::abs(samples.front()), 100);
    EXPECT_LT(std::abs(samples.back()), 100);
    // A pure tone crosses zero twice a period: 1320 Hz over 60 ms is ~158.
    EXPECT_NEAR(crossings, 158, 4);
}

// The command line writes one file per source, named after it.
class ArtgenRun : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("artgen_test_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }
    void writeText(const std::string& name, const std::string& text) {
        std::ofstream(dir / name, std::ios::binary) << text;
    }
    std::vector<uint8_t> readBytes(const std::string& name) {
        std::ifstream in(dir / name, std::ios::binary);
        return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
    }
    int run(std::vector<std::string> args) {
        args.insert(args.begin(), "artgen");
        std::vector<char*> argv;
        for (auto& a : args) argv.push_back(a.data());
        return artgen::run(int(argv.size()), argv.data());
    }
    fs::path dir;
};

TEST_F(ArtgenRun, ConvertsBitmapsIconsAndTheBeep) {
    writeText("sample.txt", kSampleBitmap);
    writeText("icon_x.txt", "icon\ncolor - none\nimage 1 1\npixels\n-\nend\n");
    ASSERT_EQ(run({dir.string(), (dir / "sample.txt").string(), (dir / "icon_x.txt").string()}), 0);
    EXPECT_EQ(readBytes("sample.bmp"), artgen::encodeBmp(parseOk(kSampleBitmap).images[0]));
    std::vector<uint8_t> ico;
    std::string error;
    ASSERT_TRUE(artgen::encodeIco(parseOk("icon\ncolor - none\nimage 1 1\npixels\n-\nend\n"), ico, error));
    EXPECT_EQ(readBytes("icon_x.ico"), ico);
    ASSERT_EQ(run({"--wav", (dir / "beep.wav").string()}), 0);
    EXPECT_EQ(readBytes("beep.wav"), artgen::makeBeepWav());
}

TEST_F(ArtgenRun, FailsOnBadSourcesNamesAndArguments) {
    writeText("bad.txt", "bitmap 2 1\ncolor . 000000\npixels\n.\nend\n");
    writeText("icon_not.txt", kSampleBitmap);
    writeText("not_icon.txt", "icon\ncolor - none\nimage 1 1\npixels\n-\nend\n");
    writeText("noext.art", kSampleBitmap);
    EXPECT_EQ(run({dir.string(), (dir / "bad.txt").string()}), 1);
    EXPECT_FALSE(fs::exists(dir / "bad.bmp"));
    EXPECT_EQ(run({dir.string(), (dir / "icon_not.txt").string()}), 1);
    EXPECT_EQ(run({dir.string(), (dir / "not_icon.txt").string()}), 1);
    EXPECT_EQ(run({dir.string(), (dir / "noext.art").string()}), 1);
    EXPECT_EQ(run({dir.string(), (dir / "missing.txt").string()}), 1);
    EXPECT_EQ(run({(dir / "no_such_dir").string(), (dir / "noext.art").string()}), 1);
    writeText("good.txt", kSampleBitmap);
    EXPECT_EQ(run({(dir / "no_such_dir").string(), (dir / "good.txt").string()}), 1);
    EXPECT_EQ(run({dir.string()}), 2);
    EXPECT_EQ(run({"--wav"}), 2);
    EXPECT_EQ(run({"--wav", "a.wav", "b.wav"}), 2);
}

// ---- The real artwork sources.

ArtFile loadArt(const std::string& name) {
    std::ifstream in(fs::path(TUNRIX_ART_DIR) / (name + ".txt"), std::ios::binary);
    EXPECT_TRUE(in.good()) << name;
    std::string text((std::istreambuf_iterator<char>(in)), {});
    ArtFile art;
    std::string error;
    EXPECT_TRUE(artgen::parseArt(text, art, error)) << name << ": " << error;
    return art;
}

bool isDark(uint32_t c) { return c == 0; }
int red(uint32_t c) { return int((c >> 16) & 0xFF); }
int green(uint32_t c) { return int((c >> 8) & 0xFF); }

TEST(ArtworkSources, BitmapsHaveTheSizesThePanelDrawsThemAt) {
    struct Case {
        const char* name;
        int width, height;
    };
    const Case cases[] = {
        {"background", 128, 35}, {"digit_blank", 15, 20}, {"lamp_on", 12, 9}, {"lamp_off", 12, 9},
        {"heart", 12, 11}, {"pscan", 28, 9}, {"preset_1", 11, 14}, {"preset_2", 9, 11},
        {"preset_3", 8, 11}, {"preset_4", 8, 11}, {"preset_5", 8, 11}, {"preset_6", 8, 11},
        {"preset_7", 8, 11}, {"preset_8", 8, 11}, {"preset_9", 8, 11}, {"preset_10", 8, 9},
        {"sleep_z", 6, 7}, {"clock", 9, 10},
        {"digit_0", 15, 20}, {"digit_1", 15, 20}, {"digit_2", 15, 20}, {"digit_3", 15, 20},
        {"digit_4", 15, 20}, {"digit_5", 15, 20}, {"digit_6", 15, 20}, {"digit_7", 15, 20},
        {"digit_8", 15, 20}, {"digit_9", 15, 20},
    };
    for (const Case& c : cases) {
        ArtFile art = loadArt(c.name);
        ASSERT_EQ(art.images.size(), 1u) << c.name;
        EXPECT_FALSE(art.isIcon) << c.name;
        EXPECT_EQ(art.images[0].width, c.width) << c.name;
        EXPECT_EQ(art.images[0].height, c.height) << c.name;
    }
}

TEST(ArtworkSources, IconsHave32And16PixelImages) {
    for (const char* name : {"icon_radio_on", "icon_radio_off", "icon_sleep"}) {
        ArtFile art = loadArt(name);
        ASSERT_TRUE(art.isIcon) << name;
        ASSERT_EQ(art.images.size(), 2u) << name;
        EXPECT_EQ(art.images[0].width, 32) << name;
        EXPECT_EQ(art.images[0].height, 32) << name;
        EXPECT_EQ(art.images[1].width, 16) << name;
        EXPECT_EQ(art.images[1].height, 16) << name;
        std::vector<uint8_t> ico;
        std::string error;
        EXPECT_TRUE(artgen::encodeIco(art, ico, error)) << name << ": " << error;
    }
}

// The units cell is drawn one pixel over the tens cell, so a digit may light
// neither its first nor its last column; the blank cell is entirely dark.
TEST(ArtworkSources, DigitsKeepTheirEdgeColumnsDarkAndDiffer) {
    std::vector<std::vector<uint32_t>> seen;
    for (int d = 0; d <= 9; ++d) {
        Image im = loadArt("digit_" + std::to_string(d)).images.at(0);
        int lit = 0;
        for (int y = 0; y < im.height; ++y) {
            EXPECT_TRUE(isDark(im.at(0, y))) << "digit " << d << " row " << y;
            EXPECT_TRUE(isDark(im.at(14, y))) << "digit " << d << " row " << y;
            for (int x = 0; x < im.width; ++x) lit += !isDark(im.at(x, y));
        }
        EXPECT_GT(lit, 20) << "digit " << d;
        for (const auto& other : seen) EXPECT_NE(other, im.pixels) << "digit " << d;
        seen.push_back(im.pixels);
    }
    Image blank = loadArt("digit_blank").images.at(0);
    for (uint32_t c : blank.pixels) EXPECT_TRUE(isDark(c));
}

// The decimal point is part of the background, between the units and tenths
// cells; the areas the digit cells cover must not carry anything else.
TEST(ArtworkSources, BackgroundCarriesThePointAndLeavesTheCellsDark) {
    Image bg = loadArt("background").images.at(0);
    int pointPixels = 0;
    for (int y = 0; y < bg.height; ++y)
        for (int x = 0; x < bg.width; ++x) {
            bool inPoint = x >= 52 && x <= 55 && y >= 22 && y <= 26;
            if (inPoint) pointPixels += !isDark(bg.at(x, y));
            bool nearPoint = x >= 51 && x <= 56 && y >= 21 && y <= 27;
            bool inCells = x >= 6 && x < 72 && y >= 5 && y < 25;   // hundreds..tenths cells
            if ((inCells || nearPoint) && !inPoint) {
                EXPECT_TRUE(isDark(bg.at(x, y))) << x << "," << y;
            }
        }
    EXPECT_GE(pointPixels, 12);
    // The FM letters sit in the upper right part.
    int upperRight = 0;
    for (int y = 0; y < 17; ++y)
        for (int x = 72; x < 112; ++x) upperRight += !isDark(bg.at(x, y));
    EXPECT_GT(upperRight, 40);
}

// Every source converts to a palettized file that decodes to exactly its
// pixels, and the whole artwork stays a small part of the program's budget.
TEST(ArtworkSources, EncodeSmallAndExactly) {
    size_t total = 0, files = 0;
    for (const auto& entry : fs::directory_iterator(TUNRIX_ART_DIR)) {
        if (entry.path().extension() != ".txt") continue;
        const std::string name = entry.path().stem().string();
        if (name == "README") continue;
        ArtFile art = loadArt(name);
        ++files;
        if (art.isIcon) {
            std::vector<uint8_t> ico;
            std::string error;
            ASSERT_TRUE(artgen::encodeIco(art, ico, error)) << name << ": " << error;
            for (size_t i = 0; i < art.images.size(); ++i) {
                int bits = 0;
                EXPECT_EQ(decodeIcoImage(ico, i, bits).pixels, art.images[i].pixels) << name << " " << i;
                EXPECT_EQ(bits, 4) << name << " " << i;
            }
            total += ico.size();
        } else {
            std::vector<uint8_t> bmp = artgen::encodeBmp(art.images[0]);
            EXPECT_EQ(decodeBmp(bmp).pixels, art.images[0].pixels) << name;
            EXPECT_LE(bmpBits(bmp), 4) << name;
            total += bmp.size();
        }
    }
    EXPECT_GE(files, 31u);
    EXPECT_LT(total, 12 * 1024u);
}

// On and off must be told apart at a glance: green lamp and icon for on, red for off.
TEST(ArtworkSources, OnIsGreenAndOffIsRed) {
    auto balance = [](const Image& im) {
        long g = 0, r = 0;
        for (uint32_t c : im.pixels)
            if (c != artgen::kTransparent) {
                g += green(c);
                r += red(c);
            }
        return g - r;
    };
    EXPECT_GT(balance(loadArt("lamp_on").images.at(0)), 0);
    EXPECT_LT(balance(loadArt("lamp_off").images.at(0)), 0);
    for (size_t i = 0; i < 2; ++i) {
        EXPECT_GT(balance(loadArt("icon_radio_on").images.at(i)), 0) << i;
        EXPECT_LT(balance(loadArt("icon_radio_off").images.at(i)), 0) << i;
    }
}

}  // namespace
