#pragma once

class GameController;

/// Spawns the formation of `game`'s current wave (its system and stage) into its enemy list:
/// asteroids, the grid, umbrellas, spinners, pods, the bonus saucer or the system's boss, as
/// the wave table lists them. A bonus wave after a missile in the system spawns nothing and
/// says so in the third caption line.
void spawnFormation(GameController& game);
