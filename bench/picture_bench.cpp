// picture_bench [--runs N]
//
// Times decoding hostile briefing picture files of a few MB: chains of
// thousands of parts of 65,535 rows each, on a small canvas and on the
// largest one, parts that overlap so that they read the same bytes again,
// and parts that ask for the largest data; next to a plain picture of the
// same size as a reference. Prints the median of each and fails when one
// takes more than the goal.

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstring>
#include <functional>
#include <iomanip>
#include <iostream>
#include <string>
#include <vector>

#include "files/gp_picture.h"
#include "files/palette.h"

namespace {

using namespace sced;

// No picture file of a few MB may take longer to decode.
constexpr double kGoalMs = 100.0;
constexpr std::size_t kFileSize = 2600 * 1024;

void U16(std::string& out, std::uint32_t value) {
    out += static_cast<char>(value & 0xFF);
    out += static_cast<char>(value >> 8 & 0xFF);
}
void U32(std::string& out, std::uint32_t value) {
    U16(out, value & 0xFFFF);
    U16(out, value >> 16);
}

struct Part {
    std::uint32_t next = 0xFFFFFFFFu;  // from the picture's start
    int x = 0, y = 0, width = 4, height = 4;
    int encoding = 5;
    std::uint32_t dataOffset = 23;
    std::uint32_t length = 0;
    int rows = 65535;
};

std::string Header(const Part& p) {
    std::string out;
    U32(out, p.next);
    U16(out, static_cast<std::uint32_t>(p.x));
    U16(out, static_cast<std::uint32_t>(p.y));
    U16(out, static_cast<std::uint32_t>(p.width));
    U16(out, static_cast<std::uint32_t>(p.height));
    U32(out, 0);
    const std::uint32_t high = p.length >= 0x80000 && p.encoding == 44 ? p.length - 0x80000 : p.length;
    out += static_cast<char>(p.encoding | (p.dataOffset >= 16384 ? 0x40 : 0));
    U32(out, (p.dataOffset & 0x3FFF) | (high & 0x3FFFF) << 14);
    U16(out, static_cast<std::uint32_t>(p.rows));
    return out;
}

// The header of a file of one picture whose first part is at byte 18.
std::string OnePictureHeader() {
    std::string file(4, '\0');
    U16(file, 1);
    U16(file, 0);
    U32(file, 18);
    U16(file, 0);
    U32(file, 18);
    return file;
}

// A file of one picture at byte 18: its parts at the given spacing, each
// next to the one after, and filler to the file's size.
std::string File(int parts, std::size_t spacing, const std::function<Part(int)>& part, char filler) {
    std::string file = OnePictureHeader();
    std::string body(kFileSize - file.size(), filler);
    for (int i = 0; i < parts; ++i) {
        Part p = part(i);
        p.next = i + 1 < parts ? static_cast<std::uint32_t>((i + 1) * spacing) : 0xFFFFFFFFu;
        const std::string header = Header(p);
        std::memcpy(body.data() + static_cast<std::size_t>(i) * spacing, header.data(), header.size());
    }
    return file + body;
}

// A plain picture of 640 x 480: one part a row band of 16 rows, each row
// one run of 640 values.
std::string PlainPicture() {
    constexpr int kBands = 30;
    std::string file = OnePictureHeader();
    std::string body;
    for (int band = 0; band < kBands; ++band) {
        std::string codes;
        // Three runs a row: skip nothing, draw 255, 255 and 130.
        for (int row = 0; row < 16; ++row)
            codes += std::string{'\x03', '\0', '\xFF', '\0', '\xFF', '\0', static_cast<char>(130)};
        Part p;
        p.y = band * 16;
        p.width = 640;
        p.height = 16;
        p.rows = 16;
        p.encoding = 11;
        p.length = 16 * 640;
        p.dataOffset = static_cast<std::uint32_t>(23 + codes.size());
        const std::size_t size = 23 + codes.size() + p.length;
        p.next = band + 1 < kBands ? static_cast<std::uint32_t>(body.size() + size) : 0xFFFFFFFFu;
        body += Header(p) + codes;
        for (std::uint32_t i = 0; i < p.length; ++i) body += static_cast<char>(i % 251);
    }
    return file + body;
}

double MedianMs(const std::string& bytes, int runs, std::string& failure) {
    std::string why;
    std::optional<GpFile> file = GpFile::Parse(bytes, why);
    if (!file) {
        failure = why;
        return 0;
    }
    const Palette palette = GreyPalette();
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        auto start = std::chrono::steady_clock::now();
        GpImage image = file->Decode(0, palette);
        times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        failure = image.failure;
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    int runs = 5;
    for (int i = 1; i + 1 < argc; ++i)
        if (std::string(argv[i]) == "--runs") runs = std::max(1, std::atoi(argv[i + 1]));

    struct Case {
        const char* name;
        std::string bytes;
    };
    // The first part sets the largest canvas a picture may have.
    auto onLargeCanvas = [](int i) {
        Part p;
        if (i == 0) p.width = p.height = 4096;
        return p;
    };
    // Shading parts (encoding 5) take no data, so any row codes are good
    // ones: 0x80 is a row of no runs.
    const Case cases[] = {
        {"3,000 parts of 65,535 rows, small canvas",
         File(3000, 23, [](int) { return Part{}; }, '\x80')},
        {"3,000 parts of 65,535 rows, 4096 x 4096 canvas", File(3000, 23, onLargeCanvas, '\x80')},
        {"3,000 parts of 65,535 rows drawing 31 pixels a run, 4096 x 4096 canvas",
         File(3000, 23, onLargeCanvas, '\xFF')},
        {"100,000 parts copying 256 KB of data each",
         File(100000, 23, [](int) {
             Part p;
             p.encoding = 11;
             p.length = 0x3FFFF;
             p.rows = 1;
             return p;
         }, '\x80')},
        {"one part of 4096 x 4096 that draws nothing (the canvas alone)",
         File(1, 23, [](int) {
             Part p;
             p.width = p.height = 4096;
             p.rows = 0;
             return p;
         }, '\0')},
        {"a plain picture of 640 x 480 (reference)", PlainPicture()},
    };
    bool met = true;
    std::cout << std::fixed << std::setprecision(1);
    for (const Case& c : cases) {
        std::string failure;
        const double ms = MedianMs(c.bytes, runs, failure);
        const bool ok = ms <= kGoalMs;
        met = met && ok;
        std::cout << std::setw(8) << ms << " ms  " << (ok ? "" : "OVER  ") << c.name << " (" << c.bytes.size() / 1024
                  << " KB)" << (failure.empty() ? "" : ": " + failure) << "\n";
    }
    std::cout << "goal: at most " << kGoalMs << " ms per file\n";
    return met ? 0 : 1;
}
