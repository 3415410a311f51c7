#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "core/game_path.h"
#include "files/gp_picture.h"
#include "files/palette.h"
#include "support/cli_run.h"
#include "support/game_folder.h"

namespace sced {
namespace {

namespace fs = std::filesystem;

std::string U16(std::uint32_t value) { return {static_cast<char>(value & 0xFF), static_cast<char>(value >> 8 & 0xFF)}; }
std::string U32(std::uint32_t value) { return U16(value & 0xFFFF) + U16(value >> 16); }

struct PartSpec {
    std::uint32_t next = 0xFFFFFFFFu;
    int x = 0, y = 0, width = 4, height = 1;
    int encoding = 11;
    std::uint32_t length = 4;
    std::string codes = "\x81\x40";  // one short run: draw 4
    std::string data = {1, 2, 3, 4};
    int rows = 1;
};

// A part whose data follows its row codes.
std::string Part(const PartSpec& p) {
    const std::uint32_t dataOffset = static_cast<std::uint32_t>(23 + p.codes.size());
    return U32(p.next) + U16(static_cast<std::uint32_t>(p.x)) + U16(static_cast<std::uint32_t>(p.y)) +
           U16(static_cast<std::uint32_t>(p.width)) + U16(static_cast<std::uint32_t>(p.height)) + U32(0) +
           static_cast<char>(p.encoding) + U32(dataOffset | p.length << 14) + U16(static_cast<std::uint32_t>(p.rows)) +
           p.codes + p.data;
}

// A file of one picture, the shared block at sharedAt, the picture right
// after the header.
std::string OnePicture(const std::string& parts, std::uint32_t sharedAt = 18) {
    return std::string(4, '\0') + U16(1) + U16(0) + U32(sharedAt) + U16(0) + U32(18) + parts;
}

GpImage Decoded(const std::string& bytes, int index = 0) {
    std::string why;
    auto file = GpFile::Parse(bytes, why);
    EXPECT_TRUE(file) << why;
    return file ? file->Decode(index, GreyPalette()) : GpImage{};
}

// Ten shading parts of 65,535 rows on a canvas of 2048 x 512, each reading
// its rows through the parts after it and the same codes after them: 31
// runs of 31 pixels a row.
std::string ManyShadowParts() {
    std::string parts;
    for (int i = 0; i < 10; ++i) {
        PartSpec p{.next = i < 9 ? static_cast<std::uint32_t>(23 * (i + 1)) : 0xFFFFFFFFu, .width = 2048,
                   .height = 512, .encoding = 5, .length = 0, .codes = "", .data = "", .rows = 65535};
        parts += Part(p);
    }
    return OnePicture(parts + std::string(20000, '\xFF'));
}

TEST(GpPicture, HostileFilesFailWithAReasonAndKeepWhatWasDrawn) {
    const std::string good = Part({});
    PartSpec twoParts{};
    twoParts.next = static_cast<std::uint32_t>(good.size());
    PartSpec bright = twoParts;
    bright.data = "\xC8\x02\x03\x04";
    struct Case {
        const char* name;
        std::string bytes;
        const char* failure;  // part of the failure text; "" for none
        int width, height;
        int drawnGrey;        // the grey of pixel (0, 0)
    };
    const Case cases[] = {
        {"a plain part", OnePicture(good), "", 4, 1, 1},
        {"a chain back to its start", OnePicture(Part({.next = 0})), "loops", 4, 1, 1},
        {"a next part outside the file", OnePicture(Part({.next = 1000})), "part header lies outside", 4, 1, 1},
        {"the picture outside the file", std::string(4, '\0') + U16(1) + U16(0) + U32(0) + U16(0) + U32(99),
         "part header lies outside", 0, 0, -1},
        {"data past the end", OnePicture(Part({.length = 40})), "data runs past", 4, 1, 0},
        {"row codes past the end", OnePicture(Part({.height = 3, .rows = 3})), "row codes run past", 4, 3, 1},
        {"more pixels than data", OnePicture(Part({.codes = std::string("\x01\x00\x25", 3)})), "more pixels", 4, 1, 0},
        {"a copy before the output's start",
         OnePicture(Part({.encoding = 42, .codes = "\x81\x40", .data = std::string("\x01\x00\x00", 3)})),
         "reaches back before", 4, 1, 0},
        {"a shared copy outside the file",
         OnePicture(Part({.encoding = 0, .data = std::string("\x80\x00\x00", 3)}), 60000), "shared block", 4, 1, 0},
        {"an encoding that cannot be shown after a good part", OnePicture(Part(twoParts) + Part({.encoding = 38})),
         "cannot be shown", 4, 1, 1},
        {"an unknown encoding is left out", OnePicture(Part({.encoding = 20})), "", 4, 1, 0},
        {"a fade beyond its range goes black",
         OnePicture(Part(bright) + Part({.encoding = 39, .data = std::string("\x28\0\0\0", 4)})), "", 4, 1, 0},
        {"a canvas beyond the ceiling is clipped",
         OnePicture(Part({.x = 4094, .y = 4095, .width = 30000, .height = 30000})), "", 4096, 4096, 0},
        // Rows go down: those below the canvas draw nothing and are not read.
        {"rows below the canvas", OnePicture(Part({.rows = 65535})), "", 4, 1, 1},
        {"parts that read the same codes again and again", ManyShadowParts(), "far more work", 2048, 512, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        GpImage image = Decoded(c.bytes);
        EXPECT_NE(image.failure.find(c.failure), std::string::npos) << image.failure;
        EXPECT_EQ(image.failed(), *c.failure != '\0') << image.failure;
        EXPECT_EQ(image.width, (c.width + 3) / 4 * 4);
        EXPECT_EQ(image.height, c.height);
        ASSERT_EQ(image.rgb.size(), static_cast<std::size_t>(image.width * image.height * 3));
        if (c.drawnGrey >= 0 && !image.rgb.empty()) {
            EXPECT_EQ(image.rgb[0], c.drawnGrey);
        }
    }

    std::string why;
    EXPECT_FALSE(GpFile::Parse("\0\0\0\0\x01", why));
    EXPECT_NE(why.find("too short"), std::string::npos);
    EXPECT_FALSE(GpFile::Parse(std::string(4, '\0') + U16(3) + U16(0) + U32(0) + U16(0) + U32(18), why));
    EXPECT_NE(why.find("table of 3 pictures"), std::string::npos);
    EXPECT_TRUE(Decoded(OnePicture(good), 1).failed());
}

// What a picture leaves transparent shows the ground, tiled from the
// canvas's centre, and a shading part darkens the ground under it.
TEST(GpPicture, APictureIsDecodedOntoTheGround) {
    PartSpec drawn{.next = 29, .width = 8, .height = 2, .codes = "\x81\x42"};  // skip 2, draw 4
    PartSpec shade{.y = 1, .width = 8, .encoding = 5, .length = 0, .codes = "\x81\x10", .data = ""};
    std::string why;
    auto file = GpFile::Parse(OnePicture(Part(drawn) + Part(shade)), why);
    ASSERT_TRUE(file) << why;
    const GpImage ground{.width = 3, .height = 1, .rgb = {10, 0, 0, 0, 20, 0, 0, 0, 40}};
    GpImage image = file->Decode(0, GreyPalette(), &ground);
    ASSERT_EQ(image.width, 8);
    const Rgb first{10, 0, 0};  // the ground's first column, at the centre
    const Rgb last{0, 0, 40};
    EXPECT_EQ(image.At(4, 0), GreyPalette()[3]);
    EXPECT_EQ(image.At(0, 0), last);
    EXPECT_EQ(image.At(1, 0), first);
    EXPECT_EQ(image.At(6, 0), last);
    EXPECT_EQ(image.At(0, 1), (Rgb{0, 0, 30}));
    EXPECT_EQ(image.At(1, 1), first);
    EXPECT_EQ(file->Decode(0, GreyPalette()).At(0, 0), Rgb{}) << "black without a ground";
}

TEST(GpPicture, TheDemoPicturesRegenerateAndDecodeToTheirPixels) {
    test::TempGameFolder out(test::TempGameFolder::kEmpty);
    const fs::path demo = test::DemoGame().parent_path();
    auto make = [&](const char* kind, const fs::path& source, const fs::path& made) {
        ASSERT_EQ(test::RunProgram({SCED_MAKE_DEMO_PICTURES, kind, source.string(), made.string()}), 0) << source;
    };
    for (const char* name : {"Camp", "Coast"}) {
        make("picture", demo / "briefing" / (std::string(name) + ".txt"), out.File(name));
        EXPECT_EQ(out.Read(name), *ReadWholeFile(test::DemoGame() / "Missions/Pictures" / (std::string(name) + ".gp")))
            << name << " differs from its source";
    }
    for (const char* number : {"1", "2"}) {
        make("palette", demo / "palettes" / (std::string(number) + ".txt"), out.File(number));
        EXPECT_EQ(out.Read(number), *ReadWholeFile(demo / "wine/drive_c/Zendarch" / number / "kvew_1.pal"));
    }
    // The colours below are worked out by hand from the palettes' ramps.
    struct Pixel {
        int x, y;
        Rgb colour;
        const char* why;
    };
    struct Expected {
        const char* file;
        int picture, palette, width, height;
        std::vector<Pixel> pixels;
    };
    const Expected expected[] = {
        {"Camp", 0, 1, 16, 8,
         {{0, 0, {56, 80, 156}, "sky copied from the shared block"},
          {2, 1, {200, 20, 20}, "two-bit colour 212"},
          {5, 2, {250, 250, 250}, "two-bit colour 215"},
          {9, 4, {87, 95, 38}, "half of colour 40 over grass"},
          {8, 5, {39, 97, 23}, "grass beside the tent"}}},
        {"Camp", 1, 1, 24, 6,
         {{0, 3, {255, 255, 255}, "long row codes, first run"},
          {21, 3, {255, 255, 255}, "long row codes, skip of 20"},
          {1, 4, {63, 90, 141}, "shadow"},
          {1, 5, {87, 120, 189}, "left alone by the shadow"},
          {12, 1, {35, 50, 86}, "shaded by half"},
          {1, 1, {98, 108, 149}, "a quarter of colour 45"},
          {6, 1, {153, 125, 102}, "three quarters of colour 45"}}},
        {"Coast", 0, 2, 16, 6,
         {{0, 0, {0, 20, 80}, "full colour"},
          {2, 2, {17, 60, 123}, "fade 0"},
          {6, 2, {8, 30, 61}, "fade 16"},
          {8, 2, {4, 15, 30}, "fade 24"},
          {10, 1, {180, 40, 30}, "packed against itself"},
          {9, 1, {9, 40, 101}, "left alone by the boat"}}},
        {"Coast", 1, 2, 16, 4,
         {{0, 0, {4, 30, 91}, "long packed length"},
          {12, 3, {21, 70, 134}, "longer packed length"}}},
    };
    for (const Expected& e : expected) {
        SCOPED_TRACE(std::string(e.file) + " picture " + std::to_string(e.picture + 1));
        std::string why;
        auto file = GpFile::Parse(*ReadWholeFile(test::DemoGame() / "Missions/Pictures" / (std::string(e.file) + ".gp")), why);
        ASSERT_TRUE(file) << why;
        EXPECT_EQ(file->pictureCount(), 2);
        EXPECT_EQ(file->paletteNumber(), e.palette);
        GpImage image = file->Decode(e.picture, LoadPalette(e.palette, demo / "wine"));
        EXPECT_EQ(image.failure, "");
        ASSERT_EQ(image.width, e.width);
        ASSERT_EQ(image.height, e.height);
        for (const Pixel& p : e.pixels) EXPECT_EQ(image.At(p.x, p.y), p.colour) << p.why;
    }
}

TEST(Palette, FoundIgnoringCaseUnderTheWinePrefixElseGreyWithAWarning) {
#ifdef _WIN32
    GTEST_SKIP() << "on Windows the palettes' drive paths are used as written";
#endif
    test::TempGameFolder prefix(test::TempGameFolder::kEmpty);
    std::string bytes(kPaletteFileSize, '\0');
    bytes[3] = 10, bytes[4] = 20, bytes[5] = 30;
    prefix.Write("drive_c/ZENDARCH/7/KVEW_1.PAL", bytes);
    prefix.Write("drive_c/ZENDARCH/9/kvew_1.pal", "short");

    EXPECT_EQ(ResolveDrivePath("C:\\zendarch\\7\\kvew_1.pal", prefix.path()),
              prefix.path() / "drive_c/ZENDARCH/7/KVEW_1.PAL");

    test::WarningRecorder warnings;
    EXPECT_EQ(LoadPalette(7, prefix.path())[1], (Rgb{10, 20, 30}));
    EXPECT_TRUE(warnings.texts.empty());
    EXPECT_EQ(LoadPalette(8, prefix.path()), GreyPalette());
    EXPECT_EQ(LoadPalette(9, prefix.path()), GreyPalette());
    ASSERT_EQ(warnings.texts.size(), 2u);
    EXPECT_NE(warnings.texts[0].find((fs::path("8") / "kvew_1.pal").string()), std::string::npos) << warnings.texts[0];
    EXPECT_NE(warnings.texts[1].find("holds 5 bytes"), std::string::npos) << warnings.texts[1];
    EXPECT_EQ(GreyPalette()[200], (Rgb{200, 200, 200}));

#ifndef _WIN32
    // Elsewhere than on Windows the drive paths lie in a Wine prefix.
    ::setenv("WINEPREFIX", prefix.path().c_str(), 1);
    EXPECT_EQ(DefaultWinePrefix(), prefix.path());
    ::unsetenv("WINEPREFIX");
    ::setenv("HOME", "/home/someone", 1);
    EXPECT_EQ(DefaultWinePrefix(), fs::path("/home/someone/.wine"));
#endif
}

}  // namespace
}  // namespace sced
