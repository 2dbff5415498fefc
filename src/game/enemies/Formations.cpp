#include "game/enemies/Formations.h"
#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <vector>
#include "core/GameRandom.h"
#include "game/GameController.h"
#include "game/WaveCaptions.h"
#include "game/bosses/MotherPod.h"
#include "game/bosses/ZelbinBoss.h"
#include "game/bosses/ZelbinSarge.h"
#include "game/enemies/Asteroid.h"
#include "game/enemies/BigPod.h"
#include "game/enemies/FlyingSaucer.h"
#include "game/enemies/SpinningZelbin.h"
#include "game/enemies/UmbrellaZelbin.h"
#include "game/enemies/Zelbin.h"
#include "game/enemies/ZelbinAlt.h"
#include "game/enemies/ZelbinVariant.h"
#include "game/hud/CaptionText.h"
#include "game/scene/ObjectGroup.h"

// Positions are in the field's units (x to the right, y downwards, 640 by 480; an angle of
// pi/2 points straight down). Every random value is one draw of the game's generator, taken
// in the order written: the order decides the wave for a given seed.

namespace {

constexpr double PI = std::numbers::pi;
constexpr double AUTO = Mover::AUTO;
constexpr int32_t COLOUR_NUMBERS = 8;

/// What a formation spawns into: the running game and its star system.
struct Spawner {
    GameController& game;
    int32_t system;

    Enemy* add(Enemy* enemy) const {
        game.enemies->add(enemy);
        return enemy;
    }
    /// Material 1 (ice) from the asteroid belt's system on.
    int32_t asteroidMaterial() const { return system >= 5 ? 1 : 0; }
    /// A colour number for the zelbins of this system.
    int32_t colourOf(int index) const { return index % std::min(system + 1, COLOUR_NUMBERS); }
};

/// One cell of the wave table: how the wave spawns, and which variant of it.
struct Formation {
    void (*spawn)(const Spawner&, int variant) = nullptr;
    int variant = 0;
};

Enemy* withPods(Enemy* enemy, int32_t interval) {
    enemy->podInterval = interval;
    return enemy;
}

// ---- The asteroid belt: every wave of its system, 40 asteroids from one side above.

constexpr int BELT_ASTEROIDS = 40;
constexpr double BELT_DISTANCE = 1120.0;

void asteroidBelt(const Spawner& spawner, int) {
    const double side = -PI / 8.0 - gameRandom.fraction() * 3.0 * PI / 4.0; // up and out of the field
    for (int i = 0; i < BELT_ASTEROIDS; ++i) {
        const int r1 = gameRandom.next();
        const int r2 = gameRandom.next();
        const int r3 = gameRandom.next();
        auto* asteroid = new Asteroid(0, (r3 & 1) ? 8 : 4, BELT_DISTANCE * std::cos(side) + r2 % 640,
                                      BELT_DISTANCE * std::sin(side) + r1 % 480, side + PI, 5.0, 10.0);
        // Until the game's first missile, the wave's first atom is certain.
        if (!spawner.game.bMissileUsedEver) asteroid->lootChance[Enemy::LOOT_ATOM] = 1;
        spawner.add(asteroid);
    }
}

// ---- Stage 0: one zelbin more than the system's number, in a row from above.

void firstContact(const Spawner& spawner, int) {
    const int count = spawner.system + 1;
    const int spacing = 640 / (spawner.system + 2);
    const int32_t pods = (spawner.system + 10) * 500 / 40;
    for (int i = 0; i < count; ++i) {
        const double x = (i + 1) * spacing;
        Enemy* zelbin = withPods(spawner.add(new Zelbin(i % COLOUR_NUMBERS, x, -60.0, 0.0)), pods);
        zelbin->mover.addMove(x, 50.0, AUTO, AUTO, AUTO, AUTO, 0);
    }
}

// ---- Stages 1 and 2: the grid of five rows of eight, entering by system mod 6.

constexpr std::array<double, 5> GRID_ROWS = {60, 100, 140, 180, 220};
constexpr int GRID_COLUMNS = 8;

enum class GridStart { AtEntry, SpreadAbove, FarOutside };
enum class GridApproach { None, ToRowHeight, ToColumn };

struct GridEntry {
    double evenRowX, oddRowX; ///< where the rows enter
    bool bEvenRowsReversed;   ///< zelbin i of an even row takes column 7 - i
    bool bOddRowsReversed;
    GridStart start;
    double startY; ///< for GridStart::AtEntry
    GridApproach approach;
    bool bBottomRowsFirst; ///< the delay counts rows from the bottom
    double delayPerRow;
    double delayPerZelbin;
    double flightFrames; ///< 0: the usual flight home
};

constexpr std::array<GridEntry, 5> GRID_ENTRIES = {{
    // 0: the rows file in from the top corners, down the sides, and turn into place.
    {40, 600, true, false, GridStart::AtEntry, -50, GridApproach::ToRowHeight, false, 1, 0.2, 0},
    // 1: from above, spread twice as wide, bottom rows first.
    {0, 0, false, true, GridStart::SpreadAbove, -50, GridApproach::None, true, 1, 0.15, 0},
    // 2: all at once from far outside on every side, gathering slowly. The flight home lasts
    //    250 frames, after no wait (0.0 s): the two timing values this formation hands over.
    {0, 0, false, false, GridStart::FarOutside, 0, GridApproach::None, false, 0, 0, 250},
    // 3: as 0, but up from below, bottom rows first.
    {40, 600, true, false, GridStart::AtEntry, 530, GridApproach::ToRowHeight, true, 1, 0.2, 0},
    // 4: along the middle from both sides.
    {-50, 690, true, false, GridStart::AtEntry, 240, GridApproach::ToColumn, false, 1, 0.2, 0},
}};

double gridDelay(const GridEntry& entry, int row, int i) {
    const int rowRank = entry.bBottomRowsFirst ? static_cast<int>(GRID_ROWS.size()) - row : row;
    return rowRank * entry.delayPerRow + entry.delayPerZelbin * i;
}

void grid(const Spawner& spawner, int variant) {
    const GridEntry& entry = GRID_ENTRIES[static_cast<std::size_t>(variant)];
    for (int row = 0; row < static_cast<int>(GRID_ROWS.size()); ++row) {
        const bool bEven = row % 2 == 0;
        const double rowY = GRID_ROWS[static_cast<std::size_t>(row)];
        const double entryX = bEven ? entry.evenRowX : entry.oddRowX;
        const bool bReversed = bEven ? entry.bEvenRowsReversed : entry.bOddRowsReversed;
        for (int i = 0; i < GRID_COLUMNS; ++i) {
            const int column = bReversed ? GRID_COLUMNS - 1 - i : i;
            const double gridX = 50.0 + 60.0 * column;
            auto* zelbin = new ZelbinAlt(spawner.colourOf(i), gridX, rowY, gridDelay(entry, row, i));
            if (entry.start == GridStart::AtEntry) zelbin->setStartPosition(entryX, entry.startY);
            if (entry.start == GridStart::SpreadAbove)
                zelbin->setStartPosition((gridX - 320.0) * 2.0 + 320.0, entry.startY);
            if (entry.start == GridStart::FarOutside)
                zelbin->setStartPosition((gridX - 320.0) * 4.0 + 320.0, (rowY - 240.0) * 3.0);
            if (entry.approach == GridApproach::ToRowHeight) zelbin->mover.addMove(entryX, rowY, AUTO, AUTO, AUTO, AUTO, 0);
            if (entry.approach == GridApproach::ToColumn)
                zelbin->mover.addMove(gridX, entry.startY, AUTO, AUTO, AUTO, AUTO, 0);
            if (entry.flightFrames > 0.0) zelbin->setFlightFrames(entry.flightFrames);
            spawner.add(zelbin);
        }
    }
}

// ---- Stage 3: the meteor shower, runs of asteroids by system mod 3.

/// `count` asteroids of `size` at x = xBase + xSign * (r mod xRange) and y likewise (x
/// drawn first), heading headingBase + u * headingSpread (u drawn only for a spread), at
/// baseSpeed plus up to the system's number plus extraSpeed.
struct MeteorRun {
    int count;
    int32_t size;
    double xBase;
    int xSign, xRange;
    double yBase;
    int ySign, yRange;
    double headingBase, headingSpread;
    double baseSpeed;
    int32_t extraSpeed;
};

struct MeteorShower {
    int repeats;
    std::array<MeteorRun, 3> runs;
    int runCount;
};

constexpr std::array<MeteorShower, 3> METEOR_SHOWERS = {{
    // 0: from above and right of the field, diagonally down to the left.
    {1,
     {{{15, 4, 640, 1, 640, -640, 1, 480, 3 * PI / 4, 0, 2.0, 5}, {5, 8, 640, 1, 640, -640, 1, 480, 3 * PI / 4, 0, 4.0, 8}}},
     2},
    // 1: two fast runs straight down.
    {2, {{{15, 4, 0, 1, 640, 0, -1, 300, PI / 2, 0, 8.0, 8}}}, 1},
    // 2: fans from both top halves, and big ones from higher up.
    {8,
     {{{1, 4, 0, 1, 320, 0, -1, 500, PI / 2, -PI / 4, 5.0, 5},
       {1, 4, 640, -1, 320, 0, -1, 500, PI / 2, PI / 4, 5.0, 5},
       {1, 8, 0, 1, 620, -500, -1, 500, PI / 4, PI / 2, 8.0, 5}}},
     3},
}};

void meteorRun(const Spawner& spawner, const MeteorRun& run) {
    for (int i = 0; i < run.count; ++i) {
        const double x = run.xBase + run.xSign * (gameRandom.next() % run.xRange);
        const double y = run.yBase + run.ySign * (gameRandom.next() % run.yRange);
        const double heading = run.headingSpread != 0.0 ? run.headingBase + gameRandom.fraction() * run.headingSpread
                                                        : run.headingBase;
        spawner.add(new Asteroid(spawner.asteroidMaterial(), run.size, x, y, heading, run.baseSpeed,
                                 spawner.system + run.extraSpeed));
    }
}

void meteorShower(const Spawner& spawner, int variant) {
    const MeteorShower& shower = METEOR_SHOWERS[static_cast<std::size_t>(variant)];
    for (int repeat = 0; repeat < shower.repeats; ++repeat)
        for (int run = 0; run < shower.runCount; ++run)
            meteorRun(spawner, shower.runs[static_cast<std::size_t>(run)]);
}

// ---- Umbrellas drifting down.

void umbrellaArcs(const Spawner& spawner, int) {
    for (const double baseY : {-120.0, -320.0, -520.0})
        for (int k = 1; k <= 7; ++k) {
            const double angle = k * PI / 8.0;
            withPods(spawner.add(new UmbrellaZelbin(320.0 + 300.0 * std::cos(angle), baseY + 100.0 * std::sin(angle))),
                     300);
        }
}

void umbrellaRain(const Spawner& spawner, int) {
    for (int i = 0; i < 16; ++i) {
        const double x = gameRandom.next() % 600 + 20;
        const double y = -(gameRandom.next() % 480) - 20;
        withPods(spawner.add(new UmbrellaZelbin(x, y)), 200);
    }
}

void umbrellaSpiral(const Spawner& spawner, int) {
    for (int k = 0; k < 24; ++k)
        withPods(spawner.add(new UmbrellaZelbin(320.0 + 270.0 * std::cos(k * 2.0 * PI / 12.0), -20.0 - 40.0 * k)), 300);
}

// ---- Spinners diving in passes: one from above per pass, and by variant wings from below
//      and from the upper sides, each turning down at a height and leaving below.

struct SpinnerWing {
    bool bFromPassX; ///< starts above the pass's own x instead of at startX
    double startX, startY;
    double offsetX; ///< from the pass's x
    double turnY, endY;
    double t0x, t0y; ///< start tangent of the first leg (AUTO for a smooth one)
};

constexpr std::array<SpinnerWing, 5> SPINNER_WINGS = {{
    {true, 0, -240, 0, 150, 640, AUTO, AUTO},
    {false, 30, 520, -50, 150, 640, 0, -640},
    {false, 610, 520, 50, 150, 640, 0, -640},
    {false, -50, 50, -25, 100, 590, AUTO, AUTO},
    {false, 690, 50, 25, 100, 590, AUTO, AUTO},
}};

void spinnerPasses(const Spawner& spawner, int wings) {
    for (int pass = spawner.system / 4 + 5; pass >= 0; --pass) {
        const double passX = gameRandom.next() % 440 + 100;
        for (int w = 0; w < wings; ++w) {
            const SpinnerWing& wing = SPINNER_WINGS[static_cast<std::size_t>(w)];
            const double x = passX + wing.offsetX;
            auto* spinner = new SpinningZelbin(wing.bFromPassX ? passX : wing.startX, wing.startY, 2.0 * pass);
            spinner->mover.addMove(x, wing.turnY, wing.t0x, wing.t0y, 0.0, 50.0, 0);
            spinner->mover.addMove(x, wing.endY, AUTO, AUTO, 0.0, 0.0, 0);
            withPods(spawner.add(spinner), 200);
        }
    }
}

constexpr std::array<std::array<double, 2>, 5> ZIGZAG = {{{590, 100}, {50, 200}, {590, 300}, {50, 400}, {590, 520}}};

struct ZigzagFlight {
    int count;
    int32_t pods;
};
constexpr std::array<ZigzagFlight, 2> ZIGZAG_FLIGHTS = {{{10, 125}, {16, 100}}};

void spinnerZigzag(const Spawner& spawner, int variant) {
    const ZigzagFlight& flight = ZIGZAG_FLIGHTS[static_cast<std::size_t>(variant)];
    for (int i = 0; i < flight.count; ++i) {
        auto* spinner = new SpinningZelbin(-20.0, -20.0, 0.5 * i);
        spinner->mover.speed = 10.0;
        for (const auto& [x, y] : ZIGZAG)
            spinner->mover.addMove(x, y, AUTO, AUTO, AUTO, AUTO, 0);
        withPods(spawner.add(spinner), flight.pods);
    }
}

void spinnerSwarm(const Spawner& spawner, int) {
    double heading = gameRandom.fraction() * PI / 2.0 - PI / 4.0;
    if ((gameRandom.next() & 1) == 0) heading += PI;
    const double cx = 640.0 * std::cos(heading), cy = 640.0 * std::sin(heading);
    for (int i = 0; i < 16; ++i) {
        const double dx = gameRandom.next() % 200 - 100;
        const double dy = gameRandom.next() % 200 - 100;
        const double speed = gameRandom.next() % (spawner.system / 3 + 3) + 2;
        auto* spinner = new SpinningZelbin(320.0 - cx + dx, 150.0 - cy + dy, 0.0);
        spinner->bFreeFlying = true;
        spinner->mover.speed = speed;
        spinner->mover.addMove(320.0 + cx + dx, 150.0 + cy + dy, AUTO, AUTO, AUTO, AUTO, 0);
        withPods(spawner.add(spinner), 100);
    }
}

void spinnerDrop(const Spawner& spawner, int) {
    for (int i = 0; i < 12; ++i) {
        const double x = gameRandom.next() % 600 + 20;
        const double delay = gameRandom.fraction() * 6.0;
        const double speed = gameRandom.next() % (spawner.system / 4 + 3) + 2;
        auto* spinner = new SpinningZelbin(x, -50.0, delay);
        spinner->mover.speed = speed;
        spinner->mover.addMove(x, gameRandom.next() % 100 + 50, AUTO, AUTO, AUTO, AUTO, 0);
        withPods(spawner.add(spinner), 100);
    }
}

// ---- Pods falling from high above; each lets a zelbin out when shot open.

void bigPodRain(const Spawner& spawner, int late) {
    const int count = late ? 20 : 16;
    const int32_t pods = late ? 125 : 200;
    for (int i = 0; i < count; ++i) {
        const double fallSpeed = gameRandom.next() % (spawner.system / 2 + 1) + 3;
        const double x = gameRandom.next() % 600 + 20;
        const double y = -(gameRandom.next() % 960) - (late ? 480 : 20);
        withPods(spawner.add(new BigPod(fallSpeed, x, y)), pods);
    }
}

// ---- Zelbins that turn angry when hit, swooping into a figure from a half circle above.

/// How long the figure holds before its zelbins roam, seconds.
constexpr double FIGURE_HOLD = 2.0;

std::vector<std::array<double, 2>> figurePlaces(int figure) {
    std::vector<std::array<double, 2>> places;
    if (figure == 0)
        for (const double y : {60.0, 100.0, 140.0, 180.0})
            for (const double x : {245.0, 295.0, 345.0, 395.0})
                places.push_back({x, y});
    if (figure == 1)
        for (int row = 0; row < 5; ++row)
            for (int i = 0; i < 5 - row; ++i)
                places.push_back({220.0 + 25.0 * row + 50.0 * i, 60.0 + 40.0 * row});
    if (figure == 2)
        for (const double radius : {60.0, 110.0})
            for (int k = 0; k < 8; ++k)
                places.push_back({320.0 + radius * std::cos(k * PI / 4.0), 140.0 + radius * std::sin(k * PI / 4.0)});
    return places;
}

void angryFigure(const Spawner& spawner, int figure) {
    for (const auto& [x, y] : figurePlaces(figure)) {
        const int32_t colour = gameRandom.next() % std::min(spawner.system + 1, COLOUR_NUMBERS);
        auto* zelbin = new ZelbinVariant(colour, x, y, FIGURE_HOLD);
        const double distance = gameRandom.next() % 240 + 460;
        const double angle = gameRandom.fraction() * PI;
        zelbin->x = 320.0 + distance * std::cos(angle);
        zelbin->y = 240.0 - distance * std::sin(angle);
        withPods(spawner.add(zelbin), 200);
    }
}

// ---- Stage 7: one large asteroid that splits into threes, four sizes smaller each time.

void splittingAsteroid(const Spawner& spawner, int) {
    const double x = gameRandom.next() % 640;
    const double heading = PI / 4.0 + gameRandom.fraction() * PI / 2.0;
    auto* asteroid = new Asteroid(spawner.asteroidMaterial(), spawner.system / 2 + 8, x, -80.0, heading, 6.0, 0.0);
    asteroid->spread = 2.0 * PI;
    asteroid->pieces = 3;
    asteroid->splitStep = 4;
    spawner.add(asteroid);
}

// ---- Stage 8: the bonus saucer, unless a missile was fired in this system.

constexpr std::array<StringId, 3> NO_BONUS_TEXTS = {STR_NOBONUS1, STR_NOBONUS2, STR_NOBONUS3};
constexpr double NO_BONUS_TIME = 2.0;
constexpr int32_t NO_BONUS_BLINK = 4;

void bonusSaucer(const Spawner& spawner, int) {
    if (spawner.game.bMissileUsedThisSystem) {
        const StringId text = NO_BONUS_TEXTS[static_cast<std::size_t>(gameRandom.below(3))];
        spawner.game.captions[2]->setText(text, NO_BONUS_TIME, NO_BONUS_BLINK);
        return;
    }
    spawner.add(new FlyingSaucer(-50.0, gameRandom.next() % 100 + 50));
}

// ---- Stage 9: the system's boss, a row of sergeants or of big zelbins, or the mothership.

/// x of boss `i` of `count`, spread evenly over the field's width.
double bossX(int i, int count) {
    return (i + 1) * (640 / (count + 1));
}

void sergeants(const Spawner& spawner, int count) {
    for (int i = 0; i < count; ++i)
        spawner.add(new ZelbinSarge(bossX(i, count), -60.0));
}

void bigZelbins(const Spawner& spawner, int count) {
    for (int i = 0; i < count; ++i)
        spawner.add(new ZelbinBoss(bossX(i, count)));
}

void mothership(const Spawner& spawner, int) {
    spawner.add(new MotherPod());
}

// ---- The wave table: per system (rows) and stage (columns). A new kind of wave is a new
//      spawning function and its cells here.

constexpr Formation FIRST{firstContact};
constexpr Formation BELT{asteroidBelt};
constexpr Formation SPLIT{splittingAsteroid};
constexpr Formation SAUCER{bonusSaucer};
constexpr Formation MOTHERSHIP{mothership};
constexpr Formation grids(int entry) { return {grid, entry}; }
/// Sergeants: half the system's number plus one (system 8 brings four).
constexpr Formation sergeantRow(int count) { return {sergeants, count}; }
/// Big zelbins: a third of the system's number, at least one.
constexpr Formation bigZelbinRow(int count) { return {bigZelbins, count}; }
constexpr Formation meteors(int shower) { return {meteorShower, shower}; }

using SystemWaves = std::array<Formation, STAGES_PER_SYSTEM>;
constexpr std::array<SystemWaves, 11> WAVE_TABLE = {{
    // system 0: umbrellas
    {FIRST, grids(0), grids(0), meteors(0), {umbrellaArcs}, {umbrellaRain}, {umbrellaSpiral}, SPLIT, SAUCER,
     sergeantRow(1)},
    // system 1: spinner passes with growing wings
    {FIRST, grids(1), grids(1), meteors(1), {spinnerPasses, 1}, {spinnerPasses, 3}, {spinnerPasses, 5}, SPLIT, SAUCER,
     bigZelbinRow(1)},
    // system 2: pods and the zigzag
    {FIRST, grids(2), grids(2), meteors(2), {bigPodRain, 0}, {spinnerZigzag, 0}, {bigPodRain, 1}, SPLIT, SAUCER,
     sergeantRow(2)},
    // system 3: swarms crossing
    {FIRST, grids(3), grids(3), meteors(0), {spinnerSwarm}, {spinnerSwarm}, {spinnerSwarm}, SPLIT, SAUCER,
     MOTHERSHIP},
    // system 4: spinners dropping in and zigzagging
    {FIRST, grids(4), grids(4), meteors(1), {spinnerDrop}, {spinnerZigzag, 1}, {spinnerDrop}, SPLIT, SAUCER,
     sergeantRow(3)},
    // system 5: the asteroid belt
    {BELT, BELT, BELT, BELT, BELT, BELT, BELT, BELT, BELT, BELT},
    // system 6
    {FIRST, grids(0), grids(0), meteors(0), {spinnerPasses, 1}, {spinnerPasses, 3}, {spinnerPasses, 5}, SPLIT, SAUCER,
     MOTHERSHIP},
    // system 7: angry zelbins in figures
    {FIRST, grids(1), grids(1), meteors(1), {angryFigure, 0}, {angryFigure, 1}, {angryFigure, 2}, SPLIT, SAUCER,
     bigZelbinRow(2)},
    // system 8
    {FIRST, grids(2), grids(2), meteors(2), {spinnerSwarm}, {spinnerSwarm}, {spinnerSwarm}, SPLIT, SAUCER,
     sergeantRow(4)},
    // system 9
    {FIRST, grids(3), grids(3), meteors(0), {spinnerDrop}, {spinnerZigzag, 1}, {spinnerDrop}, SPLIT, SAUCER,
     bigZelbinRow(3)},
    // system 10
    {FIRST, grids(4), grids(4), meteors(1), {umbrellaArcs}, {umbrellaRain}, {umbrellaSpiral}, SPLIT, SAUCER,
     MOTHERSHIP},
}};

} // namespace

void spawnFormation(GameController& game) {
    const auto system = static_cast<std::size_t>(std::clamp(game.system, 0, static_cast<int32_t>(WAVE_TABLE.size()) - 1));
    const auto stage = static_cast<std::size_t>(std::clamp(game.stage, 0, STAGES_PER_SYSTEM - 1));
    const Formation& formation = WAVE_TABLE[system][stage];
    if (formation.spawn) formation.spawn(Spawner{game, game.system}, formation.variant);
}
