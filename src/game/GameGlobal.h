#pragma once
#include "core/VekBasePointer.h"
#include "game/Global.h"

class ContextScene;
class GameFont;
class GameSound;
class Surface;
class SurfaceChain;

/// The concrete game on the game root: the world camera and one object per game picture and
/// sound, made after loading and owned by `gameResources`. Main thread only.
class GameGlobal : public Global {
  public:
    /// A run that goes straight into a game (for checks and benchmarks): no logo, no menus.
    struct QuickStart {
        int32_t wave = 0;    ///< the first wave, 1 to 110; 0 = the usual start-up
        int32_t players = 1; ///< players who join at once, 1 or 2
        bool bInvulnerable = false;
    };

    GameGlobal(std::unique_ptr<MenuScreens> screens, WideString mainArchive);
    ~GameGlobal() override;

    /// The game root as the concrete game, or null while there is none.
    static GameGlobal* get();

    /// The picture and sound objects, then the main menu with the intro above it, or the game
    /// of the quick start.
    void createGameObjects() override;
    /// Goes straight into a game when the program starts, and quits when that game ends.
    void setQuickStart(const QuickStart& start);

    /// The running game, or null outside a game. The context stack is its only owner: this
    /// reads null once the stack has deleted it.
    ContextScene* getGameController() const;
    void setGameController(ContextScene* controller);

    VekBase* gameResources = nullptr; ///< owned
    double cameraX = 0.0;             ///< world offset that sprite drawing subtracts
    double cameraY = 0.0;
    /// The program quits when the running game ends.
    bool bQuitAfterGame = false;
    GameFont* textFontLarge = nullptr;
    GameFont* textFontMedium = nullptr;
    GameFont* textFontSmall = nullptr;

    // One still frame per picture ...
    Surface* cutscenegaspump = nullptr;
    Surface* cutscenesignattention = nullptr;
    Surface* pod96 = nullptr;
    Surface* roastzelbin = nullptr;
    Surface* sky = nullptr;
    Surface* zigzag = nullptr;
    Surface* zigzagBig = nullptr;
    Surface* zigzagSmall = nullptr;
    Surface* cutsceneroad = nullptr;
    // ... and one animation per picture with frames.
    SurfaceChain* asteroidBig = nullptr;
    SurfaceChain* asteroidSmall = nullptr;
    SurfaceChain* atom = nullptr;
    SurfaceChain* burgerJoint = nullptr;
    SurfaceChain* zelbin0 = nullptr;
    SurfaceChain* zelbin1 = nullptr;
    SurfaceChain* zelbin2 = nullptr;
    SurfaceChain* zelbin3 = nullptr;
    SurfaceChain* zelbin4 = nullptr;
    SurfaceChain* zelbin360 = nullptr;
    SurfaceChain* zelbinBoss = nullptr;
    SurfaceChain* zelbinIntro160 = nullptr;
    SurfaceChain* zelbinIntro40 = nullptr;
    SurfaceChain* zelbinIntro40Left = nullptr;
    SurfaceChain* zelbinIntro80 = nullptr;
    SurfaceChain* zelbinLeg = nullptr;
    SurfaceChain* zelbinSarge = nullptr;
    SurfaceChain* coin = nullptr;
    SurfaceChain* crystal = nullptr;
    SurfaceChain* crystalDouble = nullptr;
    SurfaceChain* cutscenepig = nullptr;
    SurfaceChain* cutscenetrafficlight = nullptr;
    SurfaceChain* pod = nullptr;
    SurfaceChain* engine = nullptr;
    SurfaceChain* fluff = nullptr;
    SurfaceChain* fighter0 = nullptr;
    SurfaceChain* fighter1 = nullptr;
    SurfaceChain* fighter360 = nullptr;
    SurfaceChain* fighterSideView = nullptr;
    SurfaceChain* flyingsaucer = nullptr;
    SurfaceChain* giftbox0 = nullptr;
    SurfaceChain* giftbox1 = nullptr;
    SurfaceChain* giftbox2 = nullptr;
    SurfaceChain* laser = nullptr;
    SurfaceChain* missile = nullptr;
    SurfaceChain* motherPod = nullptr;
    SurfaceChain* planets = nullptr;
    SurfaceChain* shield = nullptr;
    SurfaceChain* smoke = nullptr;
    SurfaceChain* smokeBubble = nullptr;
    SurfaceChain* snowflake = nullptr;
    SurfaceChain* sparc = nullptr;
    SurfaceChain* umbrella = nullptr;
    SurfaceChain* zigzagPurple = nullptr;
    SurfaceChain* asteroidSmallIce = nullptr; ///< the asteroids of material 1
    SurfaceChain* asteroidBigIce = nullptr;
    SurfaceChain* cutscenepolicecar = nullptr;

    GameSound* soundBonewah = nullptr;
    GameSound* soundCarhorn = nullptr;
    GameSound* soundZelbinDie = nullptr;
    GameSound* soundZelbinHit = nullptr;
    GameSound* soundZelbinHit16k = nullptr;
    GameSound* soundZelbinPluck = nullptr;
    GameSound* soundZelbinPluck16k = nullptr;
    GameSound* soundChomp = nullptr;
    GameSound* soundChompBig = nullptr;
    GameSound* soundClick = nullptr;
    GameSound* soundCoinBounce = nullptr;
    GameSound* soundCrack = nullptr;
    GameSound* soundPodDrop = nullptr;
    GameSound* soundPodSplat = nullptr;
    GameSound* soundEngineStart = nullptr;
    GameSound* soundEngineStop = nullptr;
    GameSound* soundExplosion = nullptr;
    GameSound* soundExplosionMedium = nullptr;
    GameSound* soundExtraLife = nullptr;
    GameSound* soundFanfare = nullptr;
    GameSound* soundFanfareBig = nullptr;
    GameSound* soundSaucerEngine = nullptr;
    GameSound* soundLaserLow = nullptr;
    GameSound* soundMissile = nullptr;
    GameSound* soundRecordscratch = nullptr;
    GameSound* soundShortBleep = nullptr;
    GameSound* soundSkid = nullptr;
    GameSound* soundSmallBoom = nullptr;
    GameSound* soundSuspense = nullptr;
    GameSound* soundSwitchweapon = nullptr;
    GameSound* soundWeaponDefault = nullptr;
    GameSound* soundWeaponLaser = nullptr;
    GameSound* soundWeaponNeutron = nullptr;
    GameSound* soundSnowmanDie = nullptr;
    GameSound* soundSnowmanHit = nullptr;
    GameSound* soundPoliceSiren = nullptr;
    GameSound* soundMegaphone = nullptr; ///< the standstill interlude's sound

  private:
    void startQuickGame() const;
    void createFonts();
    void createImages();
    void createSounds();

    VekBasePointer gameController; ///< holds a ContextScene or nothing
    QuickStart quickStart;
};
