// The item definition records built at start-up.
#include <gtest/gtest.h>

#include <cstring>

#include "test_support.h"
#include "world/definitions.h"

namespace {

class definitions_test : public state_test {
protected:
    const definition_record& record(int index) const { return game.definition_table[index]; }
    bool is_zero(int index) const
    {
        const definition_record zero{};
        return std::memcmp(&record(index), &zero, sizeof zero) == 0;
    }
};

}  // namespace

TEST_F(definitions_test, built_in_records_sit_at_their_kind)
{
    struct kind_case {
        int kind, image, equip_slot, weapon, grade, upgrade;
        float factor;
        int value;
        uint8_t traits[5];
    } cases[] = {
        {6110, 600, 2, 1, 1, 0, 0.0f, 50, {1, 0, 1, 1, 1}},
        {6113, 603, 2, 1, 3, 1, 0.2f, 400, {0, 1, 0, 0, 0}},
        {6126, 616, 1, 1, 9, 2, 3.3f, 10000, {1, 0, 0, 0, 1}},
        {6129, 619, 1, 1, 12, 0, 3.2f, 28000, {1, 0, 0, 0, 1}},
        {6203, 633, 1, 1, 8, 0, 0.0f, 3000, {0, 1, 0, 0, 0}},
        {6319, 655, 1, 1, 12, 0, 2.8f, 32000, {0, 0, 0, 1, 0}},
        {6320, 654, 1, 1, 14, 0, 4.0f, 60000, {0, 0, 0, 1, 0}},
        {7000, 3000, 0, 0, 0, 0, 0.0f, 30, {0, 0, 0, 0, 0}},
        {7100, 682, 0, 0, 200, 0, 0.0f, 50, {0, 0, 0, 0, 0}},
    };
    for (const kind_case& c : cases) {
        const definition_record& r = record(c.kind);
        SCOPED_TRACE(c.kind);
        EXPECT_EQ(r.kind, c.kind);
        EXPECT_EQ(r.image, c.image);
        EXPECT_EQ(r.equip_slot, c.equip_slot);
        EXPECT_EQ(r.weapon, c.weapon);
        EXPECT_EQ(r.grade, c.grade);
        EXPECT_EQ(r.upgrade, c.upgrade);
        EXPECT_EQ(r.factor, c.factor);
        EXPECT_EQ(r.value, c.value);
        const uint8_t traits[5] = {r.trait_1, r.trait_2, r.trait_3, r.trait_4, r.trait_5};
        EXPECT_EQ(std::memcmp(traits, c.traits, 5), 0);
        EXPECT_EQ(r.grade_value, 0.0f);
    }
}

TEST_F(definitions_test, armour_sets_are_fourteen_pieces_with_their_own_slots)
{
    struct series_case {
        int first_kind, image;
        float factor;
        int value;
    } cases[] = {{8100, 730, 0.1f, 30},  {8130, 740, 0.2f, 70},  {8170, 741, 0.3f, 120},
                 {8200, 742, 0.4f, 160}, {8220, 743, 0.5f, 210}, {8250, 744, 0.6f, 280},
                 {8280, 745, 0.7f, 350}, {8320, 746, 0.9f, 600}};
    for (const series_case& c : cases) {
        for (int piece = 0; piece < 14; ++piece) {
            const definition_record& r = record(c.first_kind + piece);
            SCOPED_TRACE(c.first_kind + piece);
            EXPECT_EQ(r.kind, c.first_kind + piece);
            EXPECT_EQ(r.image, c.image);
            EXPECT_EQ(r.equip_slot, 10 + piece);
            EXPECT_EQ(r.factor, c.factor);
            EXPECT_EQ(r.value, c.value);
            EXPECT_EQ(r.trait_1 & r.trait_2 & r.trait_3 & r.trait_4 & r.trait_5, 1);
            EXPECT_EQ(r.weapon | r.grade | r.upgrade, 0);
        }
        EXPECT_TRUE(is_zero(c.first_kind + 14)) << "after series " << c.first_kind;
    }
}

TEST_F(definitions_test, starting_items_are_copies_with_their_grade_as_value)
{
    EXPECT_EQ(record(9002).kind, 6200);
    EXPECT_EQ(record(9002).image, 630);
    EXPECT_EQ(record(9002).grade, 3);
    EXPECT_EQ(record(9002).grade_value, 3.0f);
    EXPECT_EQ(record(6200).grade_value, 0.0f);
    EXPECT_EQ(std::memcmp(&record(10000), &record(9000), sizeof(definition_record)), 0);
    EXPECT_EQ(record(9000).kind, 6110);
    EXPECT_EQ(record(9001).kind, 6111);
    EXPECT_EQ(record(9003).kind, 6316);
    EXPECT_EQ(record(9003).grade_value, 2.0f);
}

TEST_F(definitions_test, everything_else_stays_zero)
{
    int built = 0;
    for (int index = 0; index < game.definition_capacity; ++index) built += !is_zero(index);
    EXPECT_EQ(built, 31 + 8 * 14 + 5);
    EXPECT_TRUE(is_zero(0));
    for (int index = 8334; index < 9000; ++index) ASSERT_TRUE(is_zero(index)) << index;
    EXPECT_TRUE(is_zero(9004));
}

TEST_F(definitions_test, copies_outside_the_table_are_ignored)
{
    copy_definition(-1, 6110);
    copy_definition(game.definition_capacity, 6110);
    copy_definition(9500, game.definition_capacity);
    EXPECT_TRUE(is_zero(9500));
}
