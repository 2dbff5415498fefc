#pragma once
#include "AssetTable.h"
#include "Paint.h"

/// Every frame of the texture painted by `P` at the recipe's frame count and size.
template <void (*P)(cairo_t*, int, double, double)>
TexturePicture uniformFrames(const TextureRecipe& recipe) {
    return paintFrames(recipe.frameCount, recipe.frameWidth, recipe.frameHeight, P);
}

/// The heading that frame `index` of an `count`-frame rotation shows, as a clockwise turn from
/// pointing up: frame 0 points up, a quarter of the frames later it points right.
double rotationOfFrame(int index, int count);

// Fighters, their flames, shots and missiles.
void paintFighter0(cairo_t* cr, int index, double w, double h);
void paintFighter1(cairo_t* cr, int index, double w, double h);
void paintFighter360(cairo_t* cr, int index, double w, double h);
void paintFighterSideView(cairo_t* cr, int index, double w, double h);
void paintEngineFlame(cairo_t* cr, int index, double w, double h);
void paintShield(cairo_t* cr, int index, double w, double h);
void paintCrystal(cairo_t* cr, int index, double w, double h);
void paintCrystalDouble(cairo_t* cr, int index, double w, double h);
void paintZigzag(cairo_t* cr, int index, double w, double h);
void paintZigzagPurple(cairo_t* cr, int index, double w, double h);
void paintMissile(cairo_t* cr, int index, double w, double h);
TexturePicture makeLaser(const TextureRecipe& recipe);

// Zelbins and the other enemies.
/// A zelbin of palette colour `colour` at flap frame `index`.
void paintColouredZelbin(cairo_t* cr, int colour, int index, double w, double h);
void paintZelbinRed(cairo_t* cr, int index, double w, double h);
void paintZelbinOrange(cairo_t* cr, int index, double w, double h);
void paintZelbinYellow(cairo_t* cr, int index, double w, double h);
void paintZelbinGreen(cairo_t* cr, int index, double w, double h);
void paintZelbinCyan(cairo_t* cr, int index, double w, double h);
void paintZelbinAttack(cairo_t* cr, int index, double w, double h);
void paintZelbinSarge(cairo_t* cr, int index, double w, double h);
void paintZelbinBoss(cairo_t* cr, int index, double w, double h);
void paintZelbinIntroRight(cairo_t* cr, int index, double w, double h);
void paintZelbinIntroLeft(cairo_t* cr, int index, double w, double h);
void paintZelbinIntroFast(cairo_t* cr, int index, double w, double h);
void paintZelbinIntroFaster(cairo_t* cr, int index, double w, double h);
void paintUmbrella(cairo_t* cr, int index, double w, double h);
void paintFlyingSaucer(cairo_t* cr, int index, double w, double h);
void paintMotherPod(cairo_t* cr, int index, double w, double h);
void paintPod(cairo_t* cr, int index, double w, double h);
void paintBigPod(cairo_t* cr, int index, double w, double h);
void paintAsteroid(cairo_t* cr, int index, double w, double h);
void paintIceAsteroid(cairo_t* cr, int index, double w, double h);

// Pick-ups and food.
void paintGiftBoxRed(cairo_t* cr, int index, double w, double h);
void paintGiftBoxGreen(cairo_t* cr, int index, double w, double h);
void paintGiftBoxYellow(cairo_t* cr, int index, double w, double h);
void paintAtom(cairo_t* cr, int index, double w, double h);
void paintCoin(cairo_t* cr, int index, double w, double h);
void paintZelbinLeg(cairo_t* cr, int index, double w, double h);
void paintRoastZelbin(cairo_t* cr, int index, double w, double h);

// Particles.
void paintSparc(cairo_t* cr, int index, double w, double h);
void paintSmoke(cairo_t* cr, int index, double w, double h);
void paintSmokeBubble(cairo_t* cr, int index, double w, double h);
void paintFluff(cairo_t* cr, int index, double w, double h);
TexturePicture makeSnowflakes(const TextureRecipe& recipe);

// Sky, planets, title pictures and cutscene props.
TexturePicture makeSky(const TextureRecipe& recipe);
TexturePicture makePlanets(const TextureRecipe& recipe);
TexturePicture makeIntroPicture(const TextureRecipe& recipe);
TexturePicture makeEndingPicture(const TextureRecipe& recipe);
void paintBurgerJoint(cairo_t* cr, int index, double w, double h);
void paintGasPump(cairo_t* cr, int index, double w, double h);
void paintSignAttention(cairo_t* cr, int index, double w, double h);
void paintTrafficLight(cairo_t* cr, int index, double w, double h);
void paintFallingPig(cairo_t* cr, int index, double w, double h);
void paintPoliceCar(cairo_t* cr, int index, double w, double h);
TexturePicture makeRoad(const TextureRecipe& recipe);

// Interface.
TexturePicture makeHud(const TextureRecipe& recipe);
void paintTouchButton(cairo_t* cr, int index, double w, double h);
void paintCrosshair(cairo_t* cr, int index, double w, double h);
TexturePicture makeLogo(const TextureRecipe& recipe);
void paintMakerLogo(cairo_t* cr, int index, double w, double h);
void paintEditBox(cairo_t* cr, int index, double w, double h);
void paintButton(cairo_t* cr, int index, double w, double h);
TexturePicture makeProgressBar(const TextureRecipe& recipe);
TexturePicture makeMousePointer(const TextureRecipe& recipe);
void paintLanguageFlag(cairo_t* cr, int index, double w, double h);

/// The nine-slice skins of the menu themes, one texture each.
enum class ThemeSkin {
    Invisible, Generic, ThickFrame, ThinFrame, Groove, BevelInner, EditBox, Button, ButtonNoGroove, Tab,
    TabSelected, Minimal
};
/// Frame 1 the skin at rest, frame 0 lit (under the pointer), frame 2 pressed or dimmed. The
/// standard skins keep their rims within 5 pixels of the edge and the minimal one within 3, the
/// themes' slice insets.
void paintThemeSkin(cairo_t* cr, ThemeSkin skin, int index, double w, double h);
template <ThemeSkin S>
void paintThemeSkin(cairo_t* cr, int index, double w, double h) {
    paintThemeSkin(cr, S, index, w, h);
}
