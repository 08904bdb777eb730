#include "MovementFixture.h"

#include <map>
#include <utility>
#include <vector>

using namespace movement;

namespace {

using Record = std::map<std::pair<int, int>, std::int32_t>;

Record Read(const TileCollider& collider) {
    Record record;
    for (const auto& entry : collider.touchedTiles)
        record[{entry.first.x, entry.first.y}] = entry.second;
    return record;
}

TEST_F(MovementTest, StandingInOneColumnRecordsTheFloorAndTheInsideTile) {
    Probe probe(CellCentre(5), FloorTop - 15);
    collider.recording = true;
    Step(probe, 0, true);
    EXPECT_EQ(Read(collider), (Record{{{5, 12}, TileCollider::ContactInside}, {{5, 13}, TileCollider::ContactFloor}}));
}

TEST_F(MovementTest, AWideBoxRecordsEveryFloorTileItLandsOn) {
    // Across columns 5 and 6: no inside tile, and both floor tiles count.
    Probe probe(36 * 6, FloorTop - 15);
    collider.recording = true;
    Step(probe, 0, true);
    EXPECT_EQ(Read(collider), (Record{{{5, 12}, 0}, {{6, 12}, 0}, {{5, 13}, 2}, {{6, 13}, 2}}));
}

TEST_F(MovementTest, WallsAndCeilingsAreRecordedFromTheSideTheyWereHit) {
    Set(10, 12, Wall);
    Set(10, 11, Wall);
    Probe probe(360 - 10 - 1, FloorTop - 15);
    collider.recording = true;
    Step(probe, 3, true);
    Record record = Read(collider);
    EXPECT_EQ(record[std::make_pair(10, 12)], TileCollider::ContactWall);
    EXPECT_EQ(record[std::make_pair(9, 13)], TileCollider::ContactFloor);

    Set(6, 11, Wall);
    Probe jumper(CellCentre(6), FloorTop - 15);
    jumper.verticalSpeed = -8;
    jumper.state = StateAirborne;
    int bumps = 0;
    for (int i = 0; i < 10; ++i) {
        Step(jumper, 0, true);
        record = Read(collider);
        bumps += record.count(std::make_pair(6, 11)) && record[std::make_pair(6, 11)] == TileCollider::ContactCeiling;
    }
    EXPECT_EQ(bumps, 1);
    EXPECT_EQ(jumper.ceilings, 1);
}

TEST_F(MovementTest, OnlyTheRecordingMoveWritesTheRecord) {
    Probe player(CellCentre(5), FloorTop - 15);
    collider.recording = true;
    Step(player, 0, true);
    const Record kept = Read(collider);
    collider.recording = false;
    Probe enemy(CellCentre(8), FloorTop - 15);
    Step(enemy, 3);
    EXPECT_EQ(enemy.state, StateOnGround);
    EXPECT_EQ(Read(collider), kept);
}

TEST_F(MovementTest, TheRecordTakesTheBoxBeforeItsHorizontalMotion) {
    // Moving right across the column boundary: the columns recorded are
    // those of the box before this step's motion, its right edge pulled in.
    Probe probe(36 * 6 - 10 - 1, FloorTop - 15);
    collider.recording = true;
    Step(probe, 3, true);
    EXPECT_GT(probe.Right(), 36 * 6);
    const Record record = Read(collider);
    EXPECT_EQ(record.count(std::make_pair(6, 12)), 0u);
    EXPECT_EQ(record.at(std::make_pair(5, 12)), TileCollider::ContactInside);
}

TEST_F(MovementTest, TheRecordIsOrderedByColumnThenRow) {
    Probe probe(36 * 6, 36 * 11);
    probe.height = 60;
    collider.recording = true;
    collider.RecordTouchedTiles(probe);
    std::vector<std::pair<int, int>> order;
    for (const auto& entry : collider.touchedTiles)
        order.emplace_back(entry.first.x, entry.first.y);
    const std::vector<std::pair<int, int>> expected = {{5, 10}, {5, 11}, {6, 10}, {6, 11}};
    EXPECT_EQ(order, expected);
}

}  // namespace
