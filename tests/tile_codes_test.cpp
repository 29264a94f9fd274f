// The tile code table: costs, pictures and the code sets.
#include <gtest/gtest.h>

#include <set>

#include "test_support.h"
#include "world/tile_codes.h"

namespace {

struct cost_case {
    int code;
    float cost;
};

class tile_codes_test : public state_test {};

}  // namespace

TEST_F(tile_codes_test, costs_are_three_except_the_listed_codes)
{
    const cost_case exceptions[] = {{11, 9.0f},    {12, 18.0f},   {13, 42.0f},   {14, 16.0f},  {15, 50.0f},
                                    {16, 28.0f},   {17, 30.0f},   {18, 18.0f},   {19, 300.0f}, {20, 400.0f},
                                    {21, 15.0f},   {22, 1.0f},    {61, 3000.0f}, {82, 20.0f},  {180, 180.0f},
                                    {181, 180.0f}, {182, 180.0f}, {183, 180.0f}, {184, 180.0f}};
    std::set<int> listed;
    for (const cost_case& c : exceptions) {
        EXPECT_EQ(game.tile_cost[c.code], c.cost) << "code " << c.code;
        listed.insert(c.code);
    }
    for (int code = 0; code < 256; ++code)
        if (!listed.count(code)) {
            EXPECT_EQ(game.tile_cost[code], 3.0f) << "code " << code;
        }
}

TEST(tile_codes, each_code_is_listed_once)
{
    std::set<int> codes;
    for (const tile_code_info& info : tile_codes)
        EXPECT_TRUE(codes.insert(info.code).second) << int(info.code);
}

TEST(tile_codes, pictures_by_code_and_level)
{
    struct picture_case {
        int code;
        int level;
        int slot;
    } cases[] = {
        {0, 0, no_picture},   {4, 1, no_picture},    {5, 0, no_picture}, {10, 3, 10},
        {17, 0, 17},          {18, 0, 12},           {18, 1, 18},        {18, 2, 17},
        {18, 3, no_picture},  {18, 179, no_picture}, {22, 0, 22},        {25, 0, no_picture},
        {60, 1, 119},         {61, 1, 111},          {70, 1, 128},       {76, 1, 137},
        {77, 1, 136},         {128, 1, 152},         {161, 1, 126},      {193, 0, 193},
        {211, 1, 160},        {212, 1, 161},         {218, 1, 155},      {219, 1, 156},
        {255, 0, no_picture},
    };
    for (const picture_case& c : cases)
        EXPECT_EQ(overworld_slot(uint8_t(c.code), c.level), c.slot)
            << "code " << c.code << " level " << c.level;
}

TEST(tile_codes, code_sets_are_exact)
{
    struct set_case {
        const char* name;
        bool (*member)(uint8_t);
        std::set<int> codes;
    } cases[] = {
        {"unenterable", is_unenterable, {0, 1, 2, 3, 4, 5, 61}},
        {"corner clear", is_corner_clear, {10, 11, 18, 60}},
        {"excluded start", is_excluded_start, {11, 19, 20, 61}},
        {"mountain", is_mountain, {19, 20}},
        {"solid", is_solid, {61}},
        {"console written", is_console_written, {0, 1, 2, 3, 4}},
    };
    for (const set_case& c : cases)
        for (int code = 0; code < 256; ++code)
            EXPECT_EQ(c.member(uint8_t(code)), c.codes.count(code) == 1) << c.name << " code " << code;
}
