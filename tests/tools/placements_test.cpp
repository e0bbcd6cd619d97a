// The placement reader and writer that make and the solver share.
#include "tools/placements.h"

#include <gtest/gtest.h>

#include <cstring>

#include "support/recording_host.h"

namespace {

TEST(Placements, FormatAndParseRoundTrip) {
    RecordingHost host;
    auto s = MakeGameState(&host);
    const std::string text = FormatPlacements(s->storeHome);
    EXPECT_EQ(text.substr(0, 16), "4 5 0 0\n5 3 0 20");
    std::vector<Placement> placements;
    PlacementError error;
    ASSERT_TRUE(ParsePlacements(text, &placements, &error));
    ASSERT_EQ(placements.size(), 7u);
    for (int i = 0; i < kPieceCount; ++i) {
        EXPECT_EQ(placements[i].line, i + 1);
        EXPECT_EQ(std::memcmp(&placements[i].slot, &s->storeHome[i], sizeof(PieceSlot)), 0);
    }
    // Laid out, the slots are in file order and the board is the open one.
    ASSERT_TRUE(LayOutPlacements(s.get(), placements, &error)) << error.message;
    EXPECT_EQ(s->createMode, 1);
    EXPECT_EQ(FormatPlacements(s->fieldSlots), text);
}

TEST(Placements, TextWithoutFinalNewlineAndEmptySlots) {
    std::vector<Placement> placements;
    PlacementError error;
    ASSERT_TRUE(ParsePlacements("# x\n\n 6 1 3 4", &placements, &error));
    ASSERT_EQ(placements.size(), 1u);
    EXPECT_EQ(placements[0].line, 3);
    EXPECT_EQ(FormatPlacement(placements[0].slot), "6 1 3 4");
    PieceSlot slots[kPieceCount] = {};
    slots[2] = placements[0].slot;
    EXPECT_EQ(FormatPlacements(slots), "6 1 3 4\n");
    ASSERT_TRUE(ParsePlacements("", &placements, &error));
    EXPECT_TRUE(placements.empty());
}

}  // namespace
