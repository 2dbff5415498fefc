#include "AssetTable.h"
#include "Pictures.h"
#include "Sounds.h"

namespace {

constexpr Archive MAIN = Archive::Main;

// Every picture of the game. Frame counts and sizes are what the game's code relies on:
// rotations have 32 headings (frame 0 heading up), flapping chains 8 frames that run to and
// fro, "bmp_zelbin360" 8 flaps for each of 32 headings, "bmp_sparc" 4 rows of 32 headings,
// "bmp_smoke" 20 stages, "bmp_shield" 11, "bmp_fighter_*" 9 bank steps (4 = level),
// "bmp_engine" 7 flame levels, "bmp_motherPod" 7 crack stages, "bmp_planets" 11 planets,
// "bmp_snowflake" 3 sizes of 10, "hud" 4 frames, "languageFlags" 15 flags, the theme skins 3
// frames (1 at rest, 0 lit, 2 pressed or dimmed; "gui-invisible" draws nothing on purpose).
// The asteroids come in two materials of the same counts and sizes: rock (0) and ice (1).
const TextureRecipe TEXTURES[] = {
    {"gfx/system/kelvoro.tga", "kelvoro", MAIN, 1, 256, 256, uniformFrames<paintMakerLogo>},
    {"gfx/system/languageflags.tga", "languageFlags", Archive::Language, 15, 64, 44, uniformFrames<paintLanguageFlag>},
    {"gfx/system/crosshair.tga", "crosshair", MAIN, 1, 48, 48, uniformFrames<paintCrosshair>},
    {"brume-edition/gfx/logo.tga", "logo", MAIN, 3, 512, 192, makeLogo},
    {"gfx/zv2rm/salmonsky-tile.jpg", "bmp_sky", MAIN, 1, 1280, 960, makeSky},
    {"brume-edition/gfx/gui/game/editbox.tga", "gui-game-editbox", MAIN, 2, 256, 48, uniformFrames<paintEditBox>},
    {"brume-edition/gfx/gui/game/button.tga", "gui-game-button", MAIN, 3, 128, 64, uniformFrames<paintButton>},
    {"gfx/gui/invisible.tga", "gui-invisible", MAIN, 3, 16, 16, uniformFrames<paintThemeSkin<ThemeSkin::Invisible>>},
    {"gfx/gui/standard/generic.tga", "gui-standard-generic", MAIN, 3, 64, 64, uniformFrames<paintThemeSkin<ThemeSkin::Generic>>},
    {"gfx/gui/standard/thickframe.tga", "gui-standard-thickframe", MAIN, 3, 64, 64, uniformFrames<paintThemeSkin<ThemeSkin::ThickFrame>>},
    {"gfx/gui/standard/thinframe.tga", "gui-standard-thinframe", MAIN, 3, 64, 64, uniformFrames<paintThemeSkin<ThemeSkin::ThinFrame>>},
    {"gfx/gui/standard/groove.tga", "gui-standard-groove", MAIN, 3, 64, 64, uniformFrames<paintThemeSkin<ThemeSkin::Groove>>},
    {"gfx/gui/standard/panel-bevelinner.tga", "gui-standard-panel-bevelinner", MAIN, 3, 64, 64, uniformFrames<paintThemeSkin<ThemeSkin::BevelInner>>},
    {"gfx/gui/standard/editbox.tga", "gui-standard-editbox", MAIN, 3, 64, 64, uniformFrames<paintThemeSkin<ThemeSkin::EditBox>>},
    {"gfx/gui/standard/button.tga", "gui-standard-button", MAIN, 3, 64, 64, uniformFrames<paintThemeSkin<ThemeSkin::Button>>},
    {"gfx/gui/standard/button-nogroove.tga", "gui-standard-button-nogroove", MAIN, 3, 64, 64, uniformFrames<paintThemeSkin<ThemeSkin::ButtonNoGroove>>},
    {"gfx/gui/standard/tab.tga", "gui-standard-tab", MAIN, 3, 64, 64, uniformFrames<paintThemeSkin<ThemeSkin::Tab>>},
    {"gfx/gui/standard/tab-selected.tga", "gui-standard-tab-selected", MAIN, 3, 64, 64, uniformFrames<paintThemeSkin<ThemeSkin::TabSelected>>},
    {"gfx/gui/minimal/generic.tga", "gui-minimal-generic", MAIN, 3, 32, 32, uniformFrames<paintThemeSkin<ThemeSkin::Minimal>>},
    {"brume-edition/gfx/gui/game/hud.tga", "hud", MAIN, 4, 200, 64, makeHud},
    {"brume-edition/gfx/intro.jpg", "intro", MAIN, 1, 640, 480, makeIntroPicture},
    {"gfx/ending.jpg", "ending", MAIN, 1, 640, 480, makeEndingPicture},
    {"gfx/zv2rm/fighter-2.tga", "bmp_fighter_0", MAIN, 9, 64, 64, uniformFrames<paintFighter0>},
    {"gfx/zv2rm/fighter.tga", "bmp_fighter_1", MAIN, 9, 64, 64, uniformFrames<paintFighter1>},
    {"gfx/zv2rm/engine.tga", "bmp_engine", MAIN, 7, 16, 64, uniformFrames<paintEngineFlame>},
    {"brume-edition/gfx/zv2rm/zelbin-red.tga", "bmp_zelbin_0", MAIN, 8, 64, 64, uniformFrames<paintZelbinRed>},
    {"brume-edition/gfx/zv2rm/zelbin-orange.tga", "bmp_zelbin_1", MAIN, 8, 64, 64, uniformFrames<paintZelbinOrange>},
    {"brume-edition/gfx/zv2rm/zelbin-yellow.tga", "bmp_zelbin_2", MAIN, 8, 64, 64, uniformFrames<paintZelbinYellow>},
    {"brume-edition/gfx/zv2rm/zelbin-green.tga", "bmp_zelbin_3", MAIN, 8, 64, 64, uniformFrames<paintZelbinGreen>},
    {"brume-edition/gfx/zv2rm/zelbin-cyan.tga", "bmp_zelbin_4", MAIN, 8, 64, 64, uniformFrames<paintZelbinCyan>},
    {"brume-edition/gfx/zv2rm/zelbin-attack.tga", "bmp_zelbin360", MAIN, 256, 64, 64, uniformFrames<paintZelbinAttack>},
    {"brume-edition/gfx/zv2rm/zelbin-sarge.tga", "bmp_zelbinSarge", MAIN, 8, 96, 96, uniformFrames<paintZelbinSarge>},
    {"brume-edition/gfx/zv2rm/flyingsaucer.tga", "bmp_flyingsaucer", MAIN, 8, 96, 48, uniformFrames<paintFlyingSaucer>},
    {"gfx/zv2rm/smoke.tga", "bmp_smoke", MAIN, 20, 32, 32, uniformFrames<paintSmoke>},
    {"brume-edition/gfx/zv2rm/pod.tga", "bmp_pod", MAIN, 8, 32, 32, uniformFrames<paintPod>},
    {"gfx/zv2rm/sparc.tga", "bmp_sparc", MAIN, 128, 16, 16, uniformFrames<paintSparc>},
    {"gfx/zv2rm/crystal2.tga", "bmp_crystal", MAIN, 32, 32, 32, uniformFrames<paintCrystal>},
    {"gfx/zv2rm/crystal-double.tga", "bmp_crystalDouble", MAIN, 32, 48, 48, uniformFrames<paintCrystalDouble>},
    {"gfx/zv2rm/laser.tga", "bmp_laser", MAIN, 3, 12, 64, makeLaser},
    {"gfx/zv2rm/zigzag.tga", "bmp_zigzag", MAIN, 1, 24, 48, uniformFrames<paintZigzag>},
    {"gfx/zv2rm/zigzag-small.tga", "bmp_zigzagSmall", MAIN, 1, 16, 32, uniformFrames<paintZigzag>},
    {"gfx/zv2rm/zigzag-big.tga", "bmp_zigzagBig", MAIN, 1, 32, 64, uniformFrames<paintZigzag>},
    {"gfx/zv2rm/zigzag-purple.tga", "bmp_zigzagPurple", MAIN, 32, 24, 24, uniformFrames<paintZigzagPurple>},
    {"brume-edition/gfx/zv2rm/zelbinLegB.tga", "bmp_zelbinLeg", MAIN, 32, 32, 32, uniformFrames<paintZelbinLeg>},
    {"brume-edition/gfx/zv2rm/roastzelbin.tga", "bmp_roastzelbin", MAIN, 1, 64, 48, uniformFrames<paintRoastZelbin>},
    {"brume-edition/gfx/zv2rm/asteroid-small-rock.tga", "bmp_asteroidSmall", MAIN, 16, 48, 48, uniformFrames<paintAsteroid>},
    {"brume-edition/gfx/zv2rm/asteroid-big-rock.tga", "bmp_asteroidBig", MAIN, 16, 96, 96, uniformFrames<paintAsteroid>},
    {"brume-edition/gfx/zv2rm/asteroid-small-ice.tga", "bmp_asteroidSmallIce", MAIN, 16, 48, 48, uniformFrames<paintIceAsteroid>},
    {"brume-edition/gfx/zv2rm/asteroid-big-ice.tga", "bmp_asteroidBigIce", MAIN, 16, 96, 96, uniformFrames<paintIceAsteroid>},
    {"brume-edition/gfx/zv2rm/zelbin-boss.tga", "bmp_zelbinBoss", MAIN, 8, 192, 192, uniformFrames<paintZelbinBoss>},
    {"brume-edition/gfx/zv2rm/umbrella.tga", "bmp_umbrella", MAIN, 8, 64, 96, uniformFrames<paintUmbrella>},
    {"gfx/zv2rm/pod96.tga", "bmp_pod96", MAIN, 1, 96, 96, uniformFrames<paintBigPod>},
    {"brume-edition/gfx/zv2rm/motherPod.tga", "bmp_motherPod", MAIN, 7, 192, 192, uniformFrames<paintMotherPod>},
    {"gfx/zv2rm/smokeBubble.tga", "bmp_smokeBubble", MAIN, 8, 48, 48, uniformFrames<paintSmokeBubble>},
    {"gfx/zv2rm/shield2.tga", "bmp_shield", MAIN, 11, 96, 96, uniformFrames<paintShield>},
    {"brume-edition/gfx/zv2rm/coin.tga", "bmp_coin", MAIN, 16, 32, 32, uniformFrames<paintCoin>},
    {"gfx/zv2rm/giftbox-red.tga", "bmp_giftbox_0", MAIN, 8, 48, 48, uniformFrames<paintGiftBoxRed>},
    {"gfx/zv2rm/giftbox-green.tga", "bmp_giftbox_1", MAIN, 8, 48, 48, uniformFrames<paintGiftBoxGreen>},
    {"gfx/zv2rm/giftbox-yellow.tga", "bmp_giftbox_2", MAIN, 8, 48, 48, uniformFrames<paintGiftBoxYellow>},
    {"gfx/zv2rm/atom.tga", "bmp_atom", MAIN, 8, 48, 48, uniformFrames<paintAtom>},
    {"gfx/zv2rm/missile.tga", "bmp_missile", MAIN, 32, 32, 32, uniformFrames<paintMissile>},
    {"gfx/zv2rm/burgerjoint.tga", "bmp_burgerJoint", MAIN, 2, 320, 240, uniformFrames<paintBurgerJoint>},
    {"gfx/zv2rm/fighter360.tga", "bmp_fighter360", MAIN, 32, 64, 64, uniformFrames<paintFighter360>},
    {"gfx/zv2rm/fluff.tga", "bmp_fluff", MAIN, 8, 16, 16, uniformFrames<paintFluff>},
    {"gfx/zv2rm/planet.tga", "bmp_planets", MAIN, 11, 150, 150, makePlanets},
    {"gfx/zv2rm/fighter-sideview.tga", "bmp_fighterSideView", MAIN, 2, 96, 48, uniformFrames<paintFighterSideView>},
    {"gfx/zv2rm/zelbin-intro40.tga", "bmp_zelbinIntro40", MAIN, 8, 64, 64, uniformFrames<paintZelbinIntroRight>},
    {"gfx/zv2rm/zelbin-intro40Left.tga", "bmp_zelbinIntro40Left", MAIN, 8, 64, 64, uniformFrames<paintZelbinIntroLeft>},
    {"gfx/zv2rm/zelbin-intro80.tga", "bmp_zelbinIntro80", MAIN, 8, 64, 64, uniformFrames<paintZelbinIntroFast>},
    {"gfx/zv2rm/zelbin-intro160.tga", "bmp_zelbinIntro160", MAIN, 8, 64, 64, uniformFrames<paintZelbinIntroFaster>},
    {"gfx/zv2rm/cutscene_signattention.tga", "bmp_cutscene_signattention", MAIN, 1, 128, 128, uniformFrames<paintSignAttention>},
    {"gfx/zv2rm/cutscene_trafficlight.tga", "bmp_cutscene_trafficlight", MAIN, 2, 64, 160, uniformFrames<paintTrafficLight>},
    {"gfx/zv2rm/pig-falling.tga", "bmp_cutscene_pig", MAIN, 4, 96, 96, uniformFrames<paintFallingPig>},
    {"gfx/zv2rm/cutscene_gaspump.tga", "bmp_cutscene_gaspump", MAIN, 1, 160, 224, uniformFrames<paintGasPump>},
    {"gfx/zv2rm/cutscene_policecar.tga", "bmp_cutscene_policecar", MAIN, 2, 96, 160, uniformFrames<paintPoliceCar>},
    {"gfx/zv2rm/cutscene_road.jpg", "bmp_cutscene_road", MAIN, 1, 1280, 960, makeRoad},
    {"brume-edition/gfx/zv2rm/snowflake.tga", "bmp_snowflake", MAIN, 30, 16, 16, makeSnowflakes},
    {"brume-edition/gfx/gui/game/hud-touchscreen.tga", "hud-touchscreen", MAIN, 5, 96, 96, uniformFrames<paintTouchButton>},
    {"brume-edition/gfx/gui/game/progressbar.tga", "gui-game-progressBar", MAIN, 2, 320, 24, makeProgressBar},
    {"gfx/gui/game/mousepointer.tga", "mousePointer", MAIN, 1, 32, 32, makeMousePointer},
};

}  // namespace

std::span<const TextureRecipe> textureRecipes() { return TEXTURES; }

namespace {

constexpr int SFX = 22050;

// Every sample the game plays; "wav_policeSiren" is the chase interludes' siren (looped),
// "wav_megaphone" the patrol's call in the standstill interlude. The last column sets by RMS
// the sounds whose peaks stand far above their loudness: narrow pulses (at a quarter's duty one
// reaches three times as far on its short side as on its long one) and the megaphone's clipped
// voice after its high-pass.
const SoundRecipe SOUNDS[] = {
    {"sfx/clickXP.ogg", "mouseClick", SFX, soundMouseClick},
    {"sfx/pop.ogg", "pop", SFX, soundPop},
    {"sfx/zv2rm/tr3_239.ogg", "wav_weaponDefault", SFX, soundWeaponDefault, 0.338f},
    {"sfx/zv2rm/laser.ogg", "wav_weaponLaser", SFX, soundWeaponLaser},
    {"sfx/zv2rm/halflife_0040.ogg", "wav_weaponNeutron", SFX, soundWeaponNeutron},
    {"sfx/zv2rm/gpbleep.ogg", "wav_switchweapon", SFX, soundSwitchWeapon},
    {"sfx/zv2rm/laserLow.ogg", "wav_laserLow", SFX, soundLaserLow},
    {"sfx/zv2rm/rdfx31.ogg", "wav_zelbinHit", SFX, soundZelbinHit},
    {"sfx/zv2rm/rdfx31-16k.ogg", "wav_zelbinHit16k", 16000, soundZelbinHit16k},
    {"sfx/zv2rm/fx39trimmed.ogg", "wav_zelbinPluck", SFX, soundZelbinPluck},
    {"sfx/zv2rm/fx39trimmed-16k.ogg", "wav_zelbinPluck16k", 16000, soundZelbinPluck16k},
    {"sfx/zv2rm/fx39start-11k.ogg", "wav_zelbinDie", 11025, soundZelbinDie},
    {"sfx/zv2rm/chomp.ogg", "wav_chomp", SFX, soundChomp},
    {"sfx/zv2rm/toon40.ogg", "wav_chompBig", SFX, soundChompBig},
    {"sfx/zv2rm/fx110.ogg", "wav_podDrop", SFX, soundPodDrop},
    {"brume-edition/sfx/zv2rm/fx11.ogg", "wav_podSplat", SFX, soundPodSplat},
    {"sfx/zv2rm/gpolice_12.ogg", "wav_missile", SFX, soundMissile},
    {"sfx/zv2rm/fx113.ogg", "wav_explosion", SFX, soundExplosion},
    {"sfx/zv2rm/gp82.ogg", "wav_explosionMedium", SFX, soundExplosionMedium},
    {"sfx/zv2rm/cannonfire.ogg", "wav_smallBoom", SFX, soundSmallBoom},
    {"sfx/zv2rm/mouselb.ogg", "wav_shortBleep", SFX, soundShortBleep},
    {"sfx/zv2rm/gasengstart.ogg", "wav_engineStart", SFX, soundEngineStart},
    {"sfx/zv2rm/gasengstop.ogg", "wav_engineStop", SFX, soundEngineStop},
    {"sfx/zv2rm/bonewah.ogg", "wav_bonewah", SFX, soundBonewah},
    {"sfx/zv2rm/fanfare.ogg", "wav_fanfare", SFX, soundFanfare, 0.234f},
    {"sfx/zv2rm/fanfar1.ogg", "wav_fanfareBig", SFX, soundFanfareBig, 0.232f},
    {"sfx/zv2rm/mazemaniaB.ogg", "wav_extraLife", SFX, soundExtraLife},
    {"brume-edition/sfx/zv2rm/hb12.ogg", "wav_saucerEngine", SFX, soundSaucerEngine},
    {"sfx/zv2rm/dragnet.ogg", "wav_suspense", SFX, soundSuspense},
    {"sfx/zv2rm/coinbnce.ogg", "wav_coinBounce", SFX, soundCoinBounce},
    {"brume-edition/sfx/zv2rm/clickXP.ogg", "wav_click", SFX, soundClick},
    {"sfx/zv2rm/skid.ogg", "wav_skid", SFX, soundSkid},
    {"sfx/zv2rm/recordscratch.ogg", "wav_recordscratch", SFX, soundRecordScratch},
    {"sfx/zv2rm/crack.ogg", "wav_crack", SFX, soundCrack},
    {"sfx/zv2rm/carhorn.ogg", "wav_carhorn", SFX, soundCarHorn},
    {"brume-edition/sfx/zv2rm/tr3_286.ogg", "wav_snowmanHit", SFX, soundSnowmanHit},
    {"brume-edition/sfx/zv2rm/tr3_383.ogg", "wav_snowmanDie", SFX, soundSnowmanDie},
    {"sfx/zv2rm/policesiren.ogg", "wav_policeSiren", SFX, soundPoliceSiren, 0.525f},
    {"sfx/zv2rm/megaphone.ogg", "wav_megaphone", SFX, soundMegaphone, 0.246f},
};

// The menu piece's peaks are its pulse lead's, so it is set by RMS too.
const MusicRecipe MUSIC[] = {
    {"brume-edition/sfx/music/brumemix-frosty.ogg", "musicMenuOriginal", musicFrosty, 0.2f},
    {"brume-edition/sfx/music/wishes.ogg", "musicMenuRemastered", musicWishes},
    {"brume-edition/sfx/music/brumemix-bells.ogg", "musicWinOriginal", musicBells},
    {"brume-edition/sfx/music/brumemix-sleigh.ogg", "musicCutsceneOriginal", musicSleigh},
    {"brume-edition/sfx/music/halls.ogg", "musicWinRemastered", musicHalls},
    {"brume-edition/sfx/music/faithful_without_intro.ogg", "musicCutsceneRemastered", musicFaithful},
};

}  // namespace

std::span<const SoundRecipe> soundRecipes() { return SOUNDS; }
std::span<const MusicRecipe> musicRecipes() { return MUSIC; }
