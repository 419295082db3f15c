// artgen: turns tunrix's pixel-art text sources into BMP and ICO files and
// writes the button beep as a WAV file. Host build tool; see artgen.cpp.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace artgen {

// One picture. Pixels run row by row from the top left; each is 0xRRGGBB,
// or kTransparent (icons only: that pixel shows whatever lies behind).
constexpr uint32_t kTransparent = 0xFF000000u;

struct Image {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;
    uint32_t at(int x, int y) const { return pixels[size_t(y) * size_t(width) + size_t(x)]; }
};

// A parsed source file: a bitmap holds exactly one image, an icon one or more.
struct ArtFile {
    bool isIcon = false;
    std::vector<Image> images;
};

// Reads the text format (described at the top of artgen.cpp). On failure
// returns false and sets `error` to a message naming the line.
bool parseArt(const std::string& text, ArtFile& art, std::string& error);

// Bottom-up, uncompressed BMP file of an image without transparent pixels, in
// the smallest encoding that holds it exactly: 1, 4 or 8 bits per pixel with
// the colours used as palette (ascending; biClrUsed gives their number), or
// 24 bits for more than 256 colours. A black-and-white image takes 4 bits,
// since Windows would load it at 1 bit as a monochrome bitmap.
std::vector<uint8_t> encodeBmp(const Image& image);

// ICO file with one indexed entry per image and its AND mask (set where the
// pixel is transparent): 4 bits with a 16-entry palette when the image has at
// most 16 colours counting black (which transparent pixels use), else 8 bits
// with 256 entries. Fails when an image has more than 256 colours.
bool encodeIco(const ArtFile& art, std::vector<uint8_t>& out, std::string& error);

// The button beep: 60 ms of a quiet, softly faded sine, 16-bit PCM mono at
// 22050 Hz, as a complete RIFF/WAVE file.
std::vector<uint8_t> makeBeepWav();

constexpr int kBeepSampleRate = 22050;
constexpr int kBeepSamples = kBeepSampleRate * 60 / 1000;   // 1323

// The command line: `artgen OUTDIR SOURCE.txt...` writes OUTDIR/<name>.bmp or
// OUTDIR/<name>.ico for each source; `artgen --wav FILE` writes the beep.
int run(int argc, char** argv);

}  // namespace artgen
