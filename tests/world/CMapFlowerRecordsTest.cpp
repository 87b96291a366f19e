// The flowers a saved island brings back: each field of a record is kept up
// to the last value the ground can paint and the record given up one past it,
// so that a flower the player laid never vanishes at the next load while a
// damaged one never reaches the painter.
#include "TerrainTiles.h"
#include "tests/world/CMapGenerationFixture.h"

#include <string>
#include <vector>

namespace {

constexpr int kFlowersKey = 9;

struct flower_edge {
    const char* what;
    int x, y, colour, size, type;
    bool kept;
};

}  // namespace

TEST_F(IslandTest, ASavedFlowerIsKeptAtEachFieldsEdgeAndGivenUpOnePast)
{
    constexpr int kLast = ISLAND_PIXELS - 1;
    const flower_edge edges[] = {
        {"left edge", 0, 900, 3, 1, 1, true},          {"one left of it", -1, 900, 3, 1, 1, false},
        {"right edge", kLast, 900, 3, 1, 1, true},     {"one right of it", kLast + 1, 900, 3, 1, 1, false},
        {"top edge", 900, 0, 3, 1, 1, true},           {"one above it", 900, -1, 3, 1, 1, false},
        {"bottom edge", 900, kLast, 3, 1, 1, true},    {"one below it", 900, kLast + 1, 3, 1, 1, false},
        {"first colour", 900, 900, 0, 1, 1, true},     {"colour below it", 900, 900, -1, 1, 1, false},
        {"last colour", 900, 900, 6, 1, 1, true},      {"colour past it", 900, 900, 7, 1, 1, false},
        {"size drawn anew", 900, 900, 3, -1, 1, true}, {"size below it", 900, 900, 3, -2, 1, false},
        {"largest size", 900, 900, 3, 2, 1, true},     {"size past it", 900, 900, 3, 3, 1, false},
        {"first type", 900, 900, 3, 1, 0, true},       {"type below it", 900, 900, 3, 1, -1, false},
        {"last type", 900, 900, 3, 1, 2, true},        {"type past it", 900, 900, 3, 1, 3, false},
    };
    std::vector<flower_data> records;
    std::vector<std::string> kept;
    for (const flower_edge& edge : edges) {
        flower_data record{};
        record.x = edge.x;
        record.y = edge.y;
        record.colour = edge.colour;
        record.size = edge.size;
        record.type = edge.type;
        records.push_back(record);
        if (edge.kept) {
            kept.push_back(edge.what);
        }
    }
    CProfile::current->SetVectorValue<flower_data>(kFlowersKey, records);

    CMap& island = NewMap();
    EXPECT_EQ(island.LoadFlowers(), records.size() - kept.size());
    std::vector<std::string> loaded;
    for (const flower_data& flower : island.flowers) {
        for (const flower_edge& edge : edges) {
            if (flower.x == edge.x && flower.y == edge.y && flower.colour == edge.colour &&
                flower.size == edge.size && flower.type == edge.type) {
                loaded.push_back(edge.what);
            }
        }
    }
    EXPECT_EQ(loaded, kept);
}
