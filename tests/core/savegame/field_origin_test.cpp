#include "core/savegame/field_origin.h"

#include <gtest/gtest.h>

using namespace tav;

TEST(FieldOrigin, NamesWhereTheFieldsCameFrom)
{
    EXPECT_EQ(fieldOriginText(std::nullopt), "nothing loaded yet");
    EXPECT_EQ(fieldOriginText(FieldOrigin{0, "PLAYER.STS"}), "fields loaded from: DEF");
    EXPECT_EQ(fieldOriginText(FieldOrigin{0, "TRAIN.STS"}), "fields loaded from: DEF (TRAIN.STS)");
    EXPECT_EQ(fieldOriginText(FieldOrigin{2, "PLAYER.STS"}), "fields loaded from: slot #2");
}

TEST(FieldOrigin, AsksOnlyBeforeSavingIntoAnotherFileThanTheFieldsCameFrom)
{
    const FieldOrigin def{0, "PLAYER.STS"};
    const FieldOrigin slot1{1, "PLAYER.STS"};
    EXPECT_EQ(saveIntoOtherSetQuestion(slot1, slot1, "1. Ardun"), std::nullopt);
    EXPECT_EQ(saveIntoOtherSetQuestion(def, slot1, "1. Ardun"),
              "The fields were loaded from DEF. Save them as slot #1 '1. Ardun'? Its PLAYER.STS will be replaced.");
    EXPECT_EQ(saveIntoOtherSetQuestion(slot1, FieldOrigin{0, "TRAIN.STS"}, "DEF (Default)"),
              "The fields were loaded from slot #1. Save them as 'DEF (Default)'? Its TRAIN.STS will be replaced.");
    EXPECT_EQ(saveIntoOtherSetQuestion(def, FieldOrigin{0, "TRAIN.STS"}, "DEF (Default)").has_value(), true);
    EXPECT_EQ(saveIntoOtherSetQuestion(std::nullopt, def, "DEF (Default)"),
              "Nothing was loaded yet. Save the fields as 'DEF (Default)'? Its PLAYER.STS will be replaced.");
}
