#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cmath>
#include <filesystem>
#include <optional>
#include <string>

#include "appearance/board_presets.h"
#include "appearance/colour_contrast.h"
#include "appearance/colour_parts.h"
#include "appearance/scheme_file.h"
#include "board/num_text.h"
#include "support/temp_dir.h"

namespace lumeta {
namespace {

using testing::TempDir;

std::uint32_t RGB(int r, int g, int b) {
    return ComposeColour(r, g, b);
}

// A section: the header, then the given colour lines, the rest "1;1;1" up to 13.
std::string Section(const std::string& header, std::vector<std::string> lines) {
    lines.resize(13, "1;1;1");
    std::string text = header + "\r\n";
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

SchemeSlots Marked() {
    SchemeSlots table;
    table.fill(RGB(9, 9, 9));
    return table;
}

TEST(SchemeFileTest, LoadDerivesTheMenuAndShadowSlotsAndReadsNumbersByTheirPrefix) {
    TempDir dir;
    const std::string path =
        dir.Write("all.col", Section("xp.col", {"0;0;0", " 12.5;13.5;7abc;ignored", "250;10;200",
                                                "x;y;z", "20;33;100", ";;", "224;0;300"}));
    SchemeSlots table = Marked();
    ASSERT_TRUE(LoadScheme(path, "xp.col", table));
    EXPECT_EQ(table[1], RGB(12, 14, 7));     // halves to even, text after the number ignored
    EXPECT_EQ(table[3], RGB(254, 42, 232));  // 282 is above 256: 254
    EXPECT_EQ(table[4], RGB(20, 33, 100));
    EXPECT_EQ(table[5], RGB(8, 1, 68));     // −12 is below 1: 8; 1 stays
    EXPECT_EQ(table[6], RGB(224, 0, 255));  // above 255 counts as 255
    EXPECT_EQ(table[13], RGB(9, 9, 9));     // never from the file

    EXPECT_EQ(NumericPrefix("  -3e2x"), -300);
}

TEST(SchemeFileTest, NamesMatchWholeLinesOnlyAndAFailedLineKeepsTheSlotsBeforeIt) {
    TempDir dir;
    const std::string path =
        dir.Write("all.col", "XP.col\r\nxp.col \rodd.col old\n" + Section("xp.col", {"5;5;5"}) +
                                 Section("short.col", {"2;2;2", "3;3;3", "4;4"}) +
                                 Section("huge.col", {"2;2;2", "40000;0;0"}));
    const std::vector<std::string> listed = {"XP", "xp", "odd", "xp", "short", "huge"};
    EXPECT_EQ(ListSchemes(path), listed);

    SchemeSlots table = Marked();
    ASSERT_TRUE(LoadScheme(path, "xp.col", table));
    EXPECT_EQ(table[0], RGB(5, 5, 5));  // the exact header, not its look-alikes before it
    EXPECT_FALSE(LoadScheme(path, "odd.col", table));
    EXPECT_FALSE(LoadScheme(path, "Xp.col", table));

    for (const auto& name : {"short.col", "huge.col"})
        for (const bool preview : {false, true}) {
            SCOPED_TRACE(std::string(name) + (preview ? " previewed" : " loaded"));
            table = Marked();
            const bool read = preview ? PreviewScheme(path, name, table, 0).has_value()
                                      : LoadScheme(path, name, table);
            EXPECT_FALSE(read);
            EXPECT_EQ(table[0], RGB(2, 2, 2));
            EXPECT_EQ(table[2], RGB(9, 9, 9));
        }
    EXPECT_FALSE(LoadScheme(dir.File("missing.col"), "xp.col", table));
}

TEST(SchemeFileTest, PreviewTakesTheLinesAsTheyStandAndDefaultReadsNoFile) {
    TempDir dir;
    const std::string path =
        dir.Write("all.col",
                  Section("blue.col", {"0;0;0", "0;0;0", "250;10;200", "1;2;3", "4;5;6", "7;8;9"}) +
                      Section("Default.col", {"0;0;0", "0;0;0", "50;50;50"}));
    SchemeSlots table = Marked();
    EXPECT_EQ(PreviewScheme(path, "blue.col", table, 77), RGB(250, 10, 200));
    EXPECT_EQ(table[3], RGB(1, 2, 3));  // not derived from the others

    table = Marked();
    EXPECT_EQ(PreviewScheme(path, "Default.col", table, 0x80000005u), 0x80000005u);
    EXPECT_EQ(table[2], 0x80000005u);
    EXPECT_EQ(table[3], 0u);
    EXPECT_TRUE(LoadScheme(path, "Default.col", table));  // the loader does read the file
    EXPECT_EQ(table[2], RGB(50, 50, 50));
}

TEST(SchemeFileTest, AFifoADeviceOrAHugeFileInPlaceOfTheFileReadsAsMissingWithoutWaiting) {
    TempDir dir;
    const std::string fifo = dir.File("all.col");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0644), 0);
    // A valid scheme at its start, then one long line past the size bound (sparse: no disk).
    const std::string huge = dir.Write("huge.col", Section("xp.col", {}) + "x");
    std::filesystem::resize_file(huge, kSchemeFileLimit + 1);
    SchemeSlots table = Marked();
    for (const std::string& path : {fifo, std::string("/dev/zero"), huge}) {
        EXPECT_TRUE(ListSchemes(path).empty());
        EXPECT_FALSE(LoadScheme(path, "xp.col", table));
        EXPECT_FALSE(PreviewScheme(path, "xp.col", table, 77));
    }
    EXPECT_EQ(table, Marked());
}

TEST(ColourPartsTest, ShadesMixTheColourWithBlackOrWhite) {
    const std::uint32_t colour = RGB(200, 100, 50);
    EXPECT_EQ(clrBlackness(colour, 128), RGB(100, 50, 25));
    EXPECT_EQ(clrWhiteness(colour, 128), RGB(228, 178, 152));
}

TEST(SchemeFileTest, ATextColourLineIsTakenWhenReadableAndElseReplacedWithAReason) {
    const struct {
        std::string textLine;
        std::optional<std::uint32_t> colour;
        std::string problem;
    } cases[] = {
        {"", std::nullopt, ""},  // names none: the program's own text
        {"text=230;230;236\r\n", RGB(230, 230, 236), ""},
        {"text= 200 ;210;220\r\n", RGB(200, 210, 220), ""},
        {"text=90;90;90\r\n", RGB(255, 255, 255), "its text colour is too close"},
        {"text=230;230\r\n", RGB(255, 255, 255), "its text colour line \"text=230;230\" cannot"},
        {"text=300;0;0\r\n", RGB(255, 255, 255), "cannot be read"},
        {"textcolour 9\r\n", RGB(255, 255, 255), "cannot be read"},
    };
    // A dark scheme: background, menu (derived) and buttons all dark.
    const std::string dark =
        Section("night.col", {"0;0;0", "0;0;0", "30;30;34", "0;0;0", "50;52;60"});
    for (const auto& c : cases) {
        SCOPED_TRACE(c.textLine);
        TempDir dir;
        const std::string path = dir.Write("all.col", dark + c.textLine + Section("next.col", {}));
        SchemeSlots table = Marked();
        SchemeTextColour text;
        text.colour = RGB(1, 2, 3);
        ASSERT_TRUE(LoadScheme(path, "night.col", table, &text));
        EXPECT_EQ(text.colour, c.colour);
        EXPECT_NE(text.problem.find(c.problem), std::string::npos) << text.problem;
        EXPECT_EQ(text.problem.empty(), c.problem.empty());
        // Readers that ask for no text colour read the section as before.
        SchemeSlots plain = Marked();
        ASSERT_TRUE(LoadScheme(path, "night.col", plain));
        EXPECT_EQ(plain, table);
        SchemeTextColour previewed;
        ASSERT_TRUE(PreviewScheme(path, "night.col", table, 77, &previewed));
        EXPECT_EQ(previewed.colour, c.colour);
    }
}

// Every shipped scheme reads with its text colour (its own, or the program's near-black)
// on its background, menu and buttons; every board preset keeps clue and entry digits
// readable on its fill, also as eyes missing one kind of cone see them.
TEST(ShippedSchemesTest, EverySchemeAndBoardPresetKeepsItsTextReadableAlsoToColourBlindEyes) {
    const std::string path = LUMETA_DATA_DIR "/all.col";
    const std::vector<std::string> names = ListSchemes(path);
    ASSERT_GE(names.size(), 8u);
    int dark = 0;
    for (const std::string& name : names) {
        SCOPED_TRACE(name);
        SchemeSlots table{};
        SchemeTextColour text;
        ASSERT_TRUE(LoadScheme(path, name + ".col", table, &text));
        EXPECT_EQ(text.problem, "");
        dark += text.colour.has_value();
        const std::uint32_t ink = text.colour.value_or(RGB(2, 2, 2));
        for (int slot : {2, 3, 4})
            EXPECT_GE(ContrastRatio(ink, table[slot]), kReadableContrast) << "slot " << slot;
    }
    EXPECT_GE(dark, 1);

    for (const BoardPreset& preset : kBoardPresets)
        for (const ColourVision vision : {ColourVision::Normal, ColourVision::Protanopia,
                                          ColourVision::Deuteranopia, ColourVision::Tritanopia}) {
            SCOPED_TRACE(std::string(preset.name) + ", vision " + std::to_string(int(vision)));
            const std::uint32_t fill = SimulateVision(preset.fill, vision);
            for (const std::uint32_t digit : {preset.fixed, preset.user})
                EXPECT_GE(ContrastRatio(SimulateVision(digit, vision), fill), kReadableContrast);
        }
}

}  // namespace
}  // namespace lumeta
