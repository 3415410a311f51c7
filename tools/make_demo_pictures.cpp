// make_demo_pictures picture SOURCE.txt OUT.gp
// make_demo_pictures palette SOURCE.txt OUT.pal
//
// Writes a briefing picture file or a palette file from a readable source.
// One statement a line; blank lines and lines starting with "#" are ignored.
//
// A picture file:
//   palette N                the number of the palette file its pictures use
//   shared V V V ...         bytes appended to the block shared by all pictures
//   picture                  starts the next picture
//   part X Y ENCODING        a part of the picture at X, Y; its rows follow,
//                            one a line, up to "end": each word is a pixel,
//                            "." a pixel left alone, a number the value drawn
//                            (a palette index, a shade level, a fade level;
//                            any other word for the shadow, which takes none)
//
// A palette file:
//   I R G B                  colour I
//   ramp I J R G B R G B     colours I to J from the first colour to the second
// Colours not named are black.
//
// The same source always gives the same bytes.

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "core/byte_view.h"

namespace {

using sced::PutU16;
using sced::PutU32;

void SetU32(std::string& out, std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) out[at + static_cast<std::size_t>(i)] = static_cast<char>((value >> (8 * i)) & 0xFFu);
}

struct Failure {
    std::string text;
};

struct Part {
    int x = 0;
    int y = 0;
    int encoding = 0;
    std::vector<std::vector<std::string>> rows;
};

using Bytes = std::vector<std::uint8_t>;

// Row codes: a short row (every skip and every draw below 16, or every one
// of them 16 to 31) packs a run in one byte; any other row takes two bytes a run.
std::string RowCodes(const Part& part, Bytes& values) {
    std::string codes;
    for (const auto& row : part.rows) {
        std::vector<std::pair<int, int>> runs;
        int skip = 0;
        for (std::size_t i = 0; i < row.size();) {
            if (row[i] == ".") {
                ++skip;
                ++i;
                continue;
            }
            int draw = 0;
            for (; i < row.size() && row[i] != "."; ++i, ++draw)
                values.push_back(static_cast<std::uint8_t>(std::strtol(row[i].c_str(), nullptr, 10)));
            runs.emplace_back(skip, draw);
            skip = 0;
        }
        auto band = [&](bool skips) {
            int low = 0, high = 0;
            for (auto [s, d] : runs) {
                int v = skips ? s : d;
                (v < 16 ? low : high) += (v < 32 ? 1 : 1000);
            }
            return high == 0 ? 0 : low == 0 && high < 1000 ? 1 : -1;
        };
        const int skipBand = band(true), drawBand = band(false);
        if (skipBand >= 0 && drawBand >= 0 && runs.size() < 32) {
            codes += static_cast<char>(0x80 | (skipBand ? 0x40 : 0) | (drawBand ? 0x20 : 0) | static_cast<int>(runs.size()));
            for (auto [s, d] : runs) codes += static_cast<char>(((d - 16 * drawBand) << 4) | (s - 16 * skipBand));
        } else {
            if (runs.size() > 127) throw Failure{"a row has more than 127 runs"};
            codes += static_cast<char>(runs.size());
            for (auto [s, d] : runs) {
                if (s > 255 || d > 255) throw Failure{"a run is longer than 255 pixels"};
                codes += static_cast<char>(s);
                codes += static_cast<char>(d);
            }
        }
    }
    return codes;
}

// Flag bytes and their items: a literal byte or a 16-bit copy word.
class FlaggedWriter {
public:
    explicit FlaggedWriter(bool highestFirst) : highestFirst_(highestFirst) {}
    void Literal(std::uint8_t value) {
        Flag(false);
        out_ += static_cast<char>(value);
    }
    void Copy(std::uint16_t word) {
        Flag(true);
        PutU16(out_, word);
    }
    const std::string& bytes() const { return out_; }

private:
    void Flag(bool set) {
        if (bit_ == 8) {
            flagAt_ = out_.size();
            out_ += '\0';
            bit_ = 0;
        }
        if (set) out_[flagAt_] = static_cast<char>(out_[flagAt_] | (1 << (highestFirst_ ? 7 - bit_ : bit_)));
        ++bit_;
    }
    bool highestFirst_;
    std::string out_;
    std::size_t flagAt_ = 0;
    int bit_ = 8;
};

// Copies of 3 to 18 bytes from the first 4096 bytes of the shared block.
std::string PackShared(const Bytes& values, const Bytes& shared) {
    FlaggedWriter out(true);
    for (std::size_t at = 0; at < values.size();) {
        std::size_t bestLength = 0, bestFrom = 0;
        for (std::size_t from = 0; from < std::min<std::size_t>(shared.size(), 4096); ++from) {
            std::size_t length = 0;
            while (length < 18 && at + length < values.size() && from + length < shared.size() &&
                   shared[from + length] == values[at + length])
                ++length;
            if (length > bestLength) bestLength = length, bestFrom = from;
        }
        if (bestLength >= 3) {
            out.Copy(static_cast<std::uint16_t>(((bestLength - 3) << 12) | bestFrom));
            at += bestLength;
        } else {
            out.Literal(values[at++]);
        }
    }
    return out.bytes();
}

// Copies of 3 to 10 bytes from up to 8192 bytes back: the byte before, or
// where the next three bytes last occurred.
std::string PackBackReferences(const Bytes& values) {
    FlaggedWriter out(false);
    std::map<std::uint32_t, std::size_t> last;
    auto key = [&](std::size_t at) {
        return static_cast<std::uint32_t>(values[at] | values[at + 1] << 8 | values[at + 2] << 16);
    };
    auto matching = [&](std::size_t at, std::size_t distance) {
        std::size_t length = 0;
        while (length < 10 && at + length < values.size() && values[at + length] == values[at + length - distance])
            ++length;
        return length;
    };
    for (std::size_t at = 0; at < values.size();) {
        std::size_t bestLength = 0, bestDistance = 0;
        std::vector<std::size_t> distances;
        if (at >= 1) distances.push_back(1);
        if (at + 3 <= values.size()) {
            auto found = last.find(key(at));
            if (found != last.end() && at - found->second <= 8192) distances.push_back(at - found->second);
        }
        for (std::size_t distance : distances)
            if (std::size_t length = matching(at, distance); length > bestLength)
                bestLength = length, bestDistance = distance;
        std::size_t step = bestLength >= 3 ? bestLength : 1;
        if (bestLength >= 3)
            out.Copy(static_cast<std::uint16_t>(((bestLength - 3) << 13) | (bestDistance - 1)));
        else
            out.Literal(values[at]);
        for (std::size_t i = at; i < at + step; ++i)
            if (i + 3 <= values.size()) last[key(i)] = i;
        at += step;
    }
    return out.bytes();
}

// Four values of palette colours 212 to 215 a byte, lowest bits first.
std::string PackTwoBit(const Bytes& values) {
    std::string out((values.size() + 3) / 4, '\0');
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (values[i] < 212 || values[i] > 215) throw Failure{"the two-bit encoding draws only colours 212 to 215"};
        out[i / 4] = static_cast<char>(out[i / 4] | ((values[i] - 212) << (2 * (i % 4))));
    }
    return out;
}

std::string PartBytes(const Part& part, std::uint32_t next, const Bytes& shared) {
    Bytes values;
    const std::string codes = RowCodes(part, values);
    std::size_t length = values.size();
    const std::size_t minimum = part.encoding == 43 ? 0x40000 : part.encoding == 44 ? 0x80000 : 0;
    if (length < minimum) values.resize(length = minimum, 0);
    std::string data;
    switch (part.encoding) {
    case 0: data = PackShared(values, shared); break;
    case 1: data = PackTwoBit(values); length = data.size() * 4; break;
    case 5: length = 0; break;
    case 42: case 43: case 44: data = PackBackReferences(values); break;
    default: data.assign(values.begin(), values.end());
    }
    const std::size_t dataOffset = 23 + codes.size();
    if (dataOffset >= 65536 || length - minimum >= (1u << 18)) throw Failure{"a part is too large"};
    int width = 0;
    for (const auto& row : part.rows) width = std::max(width, static_cast<int>(row.size()));
    std::string out;
    PutU32(out, next);
    PutU16(out, static_cast<std::uint32_t>(part.x));
    PutU16(out, static_cast<std::uint32_t>(part.y));
    PutU16(out, static_cast<std::uint32_t>(width));
    PutU16(out, static_cast<std::uint32_t>(part.rows.size()));
    PutU32(out, 0);
    out += static_cast<char>(part.encoding | (dataOffset & 0x4000 ? 0x40 : 0) | (dataOffset & 0x8000 ? 0x80 : 0));
    PutU32(out, static_cast<std::uint32_t>((dataOffset & 0x3FFF) | (length - minimum) << 14));
    PutU16(out, static_cast<std::uint32_t>(part.rows.size()));
    return out + codes + data;
}

std::string PictureFile(std::istream& source) {
    int palette = 0;
    Bytes shared;
    std::vector<std::vector<Part>> pictures;
    std::string line;
    Part* open = nullptr;
    while (std::getline(source, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        std::istringstream words(line);
        std::vector<std::string> tokens;
        for (std::string word; words >> word;) tokens.push_back(word);
        if (tokens.empty() || tokens[0][0] == '#') continue;
        if (open) {
            if (tokens[0] == "end")
                open = nullptr;
            else
                open->rows.push_back(tokens);
        } else if (tokens[0] == "palette" && tokens.size() == 2) {
            palette = std::stoi(tokens[1]);
        } else if (tokens[0] == "shared") {
            for (std::size_t i = 1; i < tokens.size(); ++i) shared.push_back(static_cast<std::uint8_t>(std::stoi(tokens[i])));
        } else if (tokens[0] == "picture") {
            pictures.emplace_back();
        } else if (tokens[0] == "part" && tokens.size() == 4 && !pictures.empty()) {
            open = &pictures.back().emplace_back(Part{std::stoi(tokens[1]), std::stoi(tokens[2]), std::stoi(tokens[3]), {}});
        } else {
            throw Failure{"cannot read \"" + line + "\""};
        }
    }
    std::string out(4, '\0');
    PutU16(out, static_cast<std::uint32_t>(pictures.size()));
    PutU16(out, static_cast<std::uint32_t>(palette));
    const std::size_t sharedAt = 14 + 4 * pictures.size();
    PutU32(out, static_cast<std::uint32_t>(sharedAt));
    PutU16(out, 0);
    out.resize(sharedAt, '\0');
    out.append(shared.begin(), shared.end());
    for (std::size_t p = 0; p < pictures.size(); ++p) {
        SetU32(out, 14 + 4 * p, static_cast<std::uint32_t>(out.size()));
        std::string chain;
        for (std::size_t i = 0; i < pictures[p].size(); ++i) {
            const bool last = i + 1 == pictures[p].size();
            std::string part = PartBytes(pictures[p][i], 0, shared);
            if (!last) SetU32(part, 0, static_cast<std::uint32_t>(chain.size() + part.size()));
            else SetU32(part, 0, 0xFFFFFFFFu);
            chain += part;
        }
        out += chain;
    }
    return out;
}

std::string PaletteFile(std::istream& source) {
    std::string out(768, '\0');
    auto set = [&](int index, double r, double g, double b) {
        if (index < 0 || index > 255) throw Failure{"a colour index outside 0 to 255"};
        const double channels[3] = {r, g, b};
        for (int c = 0; c < 3; ++c)
            out[static_cast<std::size_t>(index * 3 + c)] = static_cast<char>(static_cast<int>(channels[c] + 0.5));
    };
    std::string line;
    while (std::getline(source, line)) {
        std::istringstream words(line);
        std::string first;
        if (!(words >> first) || first[0] == '#') continue;
        int from = 0, to = 0;
        double r = 0, g = 0, b = 0, r2 = 0, g2 = 0, b2 = 0;
        if (first == "ramp" && (words >> from >> to >> r >> g >> b >> r2 >> g2 >> b2) && to > from) {
            for (int i = from; i <= to; ++i) {
                const double t = static_cast<double>(i - from) / (to - from);
                set(i, r + (r2 - r) * t, g + (g2 - g) * t, b + (b2 - b) * t);
            }
        } else if (std::istringstream(first) >> from && (words >> r >> g >> b)) {
            set(from, r, g, b);
        } else {
            throw Failure{"cannot read \"" + line + "\""};
        }
    }
    return out;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string kind = argc == 4 ? argv[1] : "";
    if (kind != "picture" && kind != "palette") {
        std::cerr << "usage: make_demo_pictures picture SOURCE.txt OUT.gp\n"
                     "       make_demo_pictures palette SOURCE.txt OUT.pal\n";
        return 2;
    }
    std::ifstream source(argv[2], std::ios::binary);
    if (!source) {
        std::cerr << argv[2] << ": cannot be read\n";
        return 1;
    }
    std::string bytes;
    try {
        bytes = kind == "picture" ? PictureFile(source) : PaletteFile(source);
    } catch (const Failure& failure) {
        std::cerr << argv[2] << ": " << failure.text << '\n';
        return 1;
    } catch (const std::exception& error) {
        std::cerr << argv[2] << ": " << error.what() << '\n';
        return 1;
    }
    std::ofstream out(argv[3], std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return out ? 0 : 1;
}
