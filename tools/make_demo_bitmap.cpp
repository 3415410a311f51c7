// make_demo_bitmap SOURCE.txt OUT.bmp
//
// Paints a 24-bit bitmap file from a readable source. One statement a line;
// blank lines and lines starting with "#" are ignored:
//
//   size W H                 first statement: the picture's width and height
//   fill R G B               the whole picture in one colour
//   rect X Y W H R G B       a rectangle, X and Y from the top left corner
//
// The same source always gives the same bytes.

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "files/bitmap_file.h"

namespace {

struct Picture {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb;

    void Paint(int x, int y, int w, int h, int r, int g, int b) {
        for (int row = std::max(0, y); row < std::min(height, y + h); ++row)
            for (int column = std::max(0, x); column < std::min(width, x + w); ++column) {
                auto at = static_cast<std::size_t>((row * width + column) * 3);
                rgb[at] = static_cast<std::uint8_t>(r);
                rgb[at + 1] = static_cast<std::uint8_t>(g);
                rgb[at + 2] = static_cast<std::uint8_t>(b);
            }
    }
};

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: make_demo_bitmap SOURCE.txt OUT.bmp\n";
        return 2;
    }
    std::ifstream source(argv[1]);
    if (!source) {
        std::cerr << argv[1] << ": cannot be read\n";
        return 1;
    }
    Picture picture;
    std::string line;
    for (int number = 1; std::getline(source, line); ++number) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream words(line);
        std::string statement;
        words >> statement;
        int x = 0, y = 0, w = 0, h = 0, r = 0, g = 0, b = 0;
        bool ok = false;
        if (statement == "size" && (words >> w >> h) && w > 0 && h > 0 && w <= 4096 && h <= 4096) {
            picture = Picture{w, h, std::vector<std::uint8_t>(static_cast<std::size_t>(w * h * 3), 0)};
            ok = true;
        } else if (statement == "fill" && picture.width > 0 && (words >> r >> g >> b)) {
            picture.Paint(0, 0, picture.width, picture.height, r, g, b);
            ok = true;
        } else if (statement == "rect" && picture.width > 0 && (words >> x >> y >> w >> h >> r >> g >> b)) {
            picture.Paint(x, y, w, h, r, g, b);
            ok = true;
        }
        if (!ok) {
            std::cerr << argv[1] << ":" << number << ": cannot read \"" << line << "\"\n";
            return 1;
        }
    }
    std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
    std::string bytes = sced::BitmapFileBytes(picture.width, picture.height, picture.rgb);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return out ? 0 : 1;
}
