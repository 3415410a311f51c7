// make_demo_map SOURCE.txt OUT.m3d
//
// Builds a synthetic map file from a readable source. One statement a line;
// blank lines and lines starting with "#" are ignored:
//
//   signature 5DMP            first statement: "3DMP", "4DMP" or "5DMP"
//   filler TAG COUNT          a chunk tagged TAG (4 characters) holding COUNT
//                             filler bytes
//   zone NAME                 a zone; NAME runs to the end of the line
//   group NAME members N      a unit group with N member entries
//   script TEXT               the ".DLL" chunk; TEXT (to the end of the line,
//                             taken as written) begins its 200-byte script
//                             field, the rest of the field is zeros
//
// Chunks are written in the order of the statements; the "ZON1" chunk stands
// where the first zone or group statement stands and holds every zone, then
// every group. The "ENDM" chunk ends the file. Every byte that the editor
// does not interpret is a fixed function of its place, so the same source
// always gives the same bytes.

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr std::size_t kScriptFieldSize = 200;
constexpr std::size_t kScriptChunkTail = 24;
constexpr std::size_t kMaxNameLength = 127;
constexpr std::size_t kMaxMembers = 1000;

struct SourceError {
    int line;
    std::string text;
};

struct Group {
    std::string name;
    std::uint32_t members;
};

void PutU32(std::string& out, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFFu);
}

// Bytes that nothing reads: a small generator seeded by the caller.
std::string Filler(std::uint32_t seed, std::size_t count) {
    std::string bytes;
    std::uint32_t state = seed * 2654435761u + 12345u;
    for (std::size_t i = 0; i < count; ++i) {
        state = state * 1103515245u + 12345u;
        bytes += static_cast<char>((state >> 16) & 0xFFu);
    }
    return bytes;
}

std::uint32_t SeedOf(std::string_view text) {
    std::uint32_t seed = 0;
    for (char c : text) seed = seed * 31u + static_cast<unsigned char>(c);
    return seed;
}

void PutChunk(std::string& out, std::string_view tag, std::string_view data) {
    out += tag;
    PutU32(out, static_cast<std::uint32_t>(data.size() + 4));
    out += data;
}

class MapBuilder {
public:
    void Statement(int line, std::string_view keyword, std::string_view rest) {
        if (keyword == "signature") return Signature(line, rest);
        if (signature_.empty()) throw SourceError{line, "the first statement must be \"signature\""};
        if (keyword == "filler") return FillerChunk(line, rest);
        if (keyword == "zone") return Zone(line, rest);
        if (keyword == "group") return GroupStatement(line, rest);
        if (keyword == "script") return Script(line, rest);
        throw SourceError{line, "unknown statement \"" + std::string(keyword) + "\""};
    }

    std::string Finish() {
        if (signature_.empty()) throw SourceError{0, "no \"signature\" statement"};
        std::string out = signature_ + Filler(SeedOf(signature_), 8);
        for (const std::string& chunk : chunks_) out += chunk.empty() ? ZoneChunk() : chunk;
        PutChunk(out, "ENDM", "");
        return out;
    }

private:
    void Signature(int line, std::string_view rest) {
        if (!signature_.empty()) throw SourceError{line, "a second \"signature\""};
        if (rest != "3DMP" && rest != "4DMP" && rest != "5DMP")
            throw SourceError{line, "the signature must be 3DMP, 4DMP or 5DMP"};
        signature_ = rest;
    }

    void FillerChunk(int line, std::string_view rest) {
        std::istringstream fields{std::string(rest)};
        std::string tag;
        long long count = -1;
        std::string extra;
        if (!(fields >> tag >> count) || (fields >> extra) || tag.size() != 4 || count < 0 || count > 1 << 20)
            throw SourceError{line, "expected \"filler TAG COUNT\" with a 4-character tag"};
        if (tag == "ZON1" || tag == ".DLL" || tag == "ENDM")
            throw SourceError{line, "a filler chunk cannot be tagged " + tag};
        std::string chunk;
        PutChunk(chunk, tag, Filler(SeedOf(tag) + static_cast<std::uint32_t>(chunks_.size()),
                                    static_cast<std::size_t>(count)));
        chunks_.push_back(std::move(chunk));
    }

    void Zone(int line, std::string_view name) {
        CheckName(line, name);
        PlaceZoneChunk();
        zones_.emplace_back(name);
    }

    void GroupStatement(int line, std::string_view rest) {
        constexpr std::string_view kMembers = " members ";
        std::size_t at = rest.rfind(kMembers);
        if (at == std::string_view::npos) throw SourceError{line, "expected \"group NAME members N\""};
        std::string_view name = rest.substr(0, at);
        std::string_view count = rest.substr(at + kMembers.size());
        std::size_t members = 0;
        if (count.empty() || count.size() > 4) throw SourceError{line, "the member count must be a number"};
        for (char c : count) {
            if (c < '0' || c > '9') throw SourceError{line, "the member count must be a number"};
            members = members * 10 + static_cast<std::size_t>(c - '0');
        }
        if (members > kMaxMembers) throw SourceError{line, "at most 1000 members"};
        CheckName(line, name);
        PlaceZoneChunk();
        groups_.push_back({std::string(name), static_cast<std::uint32_t>(members)});
    }

    void Script(int line, std::string_view text) {
        if (scriptPlaced_) throw SourceError{line, "a second \"script\""};
        if (text.size() >= kScriptFieldSize) throw SourceError{line, "the script text must be below 200 bytes"};
        std::string field(text);
        field.resize(kScriptFieldSize, '\0');
        std::string chunk;
        PutChunk(chunk, ".DLL", field + Filler(SeedOf(".DLL"), kScriptChunkTail));
        chunks_.push_back(std::move(chunk));
        scriptPlaced_ = true;
    }

    static void CheckName(int line, std::string_view name) {
        if (name.empty()) throw SourceError{line, "the name is missing"};
        if (name.size() > kMaxNameLength) throw SourceError{line, "a name has at most 127 bytes"};
    }

    // An empty entry in the chunk list marks where "ZON1" goes.
    void PlaceZoneChunk() {
        if (zonePlaced_) return;
        chunks_.emplace_back();
        zonePlaced_ = true;
    }

    std::string ZoneChunk() const {
        std::string data;
        PutU32(data, static_cast<std::uint32_t>(zones_.size()));
        PutU32(data, static_cast<std::uint32_t>(groups_.size()));
        std::uint32_t record = 0;
        for (const std::string& zone : zones_) {
            data += Filler(SeedOf("zone") + record++, 17);
            data += static_cast<char>(zone.size());
            data += zone;
        }
        for (const Group& group : groups_) {
            data += Filler(SeedOf("group") + record, 8);
            PutU32(data, group.members);
            data += Filler(SeedOf("group data") + record, 37);
            data += static_cast<char>(group.name.size());
            data += group.name;
            data += Filler(SeedOf("members") + record++, std::size_t{group.members} * 8);
        }
        std::string chunk;
        PutChunk(chunk, "ZON1", data);
        return chunk;
    }

    std::string signature_;
    std::vector<std::string> chunks_;
    std::vector<std::string> zones_;
    std::vector<Group> groups_;
    bool zonePlaced_ = false;
    bool scriptPlaced_ = false;
};

std::string Build(std::string_view source) {
    MapBuilder builder;
    int lineNumber = 0;
    while (!source.empty()) {
        std::size_t end = source.find('\n');
        std::string_view line = source.substr(0, end);
        source = end == std::string_view::npos ? std::string_view() : source.substr(end + 1);
        ++lineNumber;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.empty() || line.front() == '#') continue;
        std::size_t space = line.find(' ');
        std::string_view keyword = line.substr(0, space);
        std::string_view rest = space == std::string_view::npos ? std::string_view() : line.substr(space + 1);
        builder.Statement(lineNumber, keyword, rest);
    }
    return builder.Finish();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: make_demo_map SOURCE.txt OUT.m3d\n";
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        std::cerr << "make_demo_map: cannot read " << argv[1] << '\n';
        return 1;
    }
    std::string source((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::string map;
    try {
        map = Build(source);
    } catch (const SourceError& error) {
        std::cerr << argv[1] << ':' << error.line << ": " << error.text << '\n';
        return 1;
    }
    std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
    out.write(map.data(), static_cast<std::streamsize>(map.size()));
    out.close();
    if (!out) {
        std::cerr << "make_demo_map: cannot write " << argv[2] << '\n';
        return 1;
    }
    return 0;
}
