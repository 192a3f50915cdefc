#pragma once
// The sprite canvases: each holds a list of sprites (AniTrons, used from index 1;
// index 0 stays nil) and lets the user take the one under the pointer out
// (mouseDown) and drop a sprite in (AniTronDrop).
//
// aniCan is the base of the population canvas; displayCan is a display slot
// that holds at most one sprite. They share their fields, events and bodies
// through SpriteCanvas, but a displayCan is not an aniCan.
//
// Points given to within, mouseDown and AniTronDrop are window coordinates; a
// sprite's X, Y are canvas coordinates. Events: DroppedAniTron "( aniTron )"
// after a drop, PulledAnitron "(  )" after a take.

#include <cstdint>

#include "Array.h"
#include "CacheCan.h"
#include "aniTron.h"

class SpriteCanvas : public CacheCan {
public:
  Array<Ref<aniTron>> AniTrons;
  // True exactly while mouseDown or AniTronDrop runs, handlers included.
  bool processingClick = false;

  SpriteCanvas();

  virtual void redraw() {}
  virtual void prepare() {}
  // Appends t to the list.
  virtual void doAttach(const Ref<aniTron>& t);
  // Whether the window point lies strictly inside the canvas.
  virtual bool within(int32_t x, int32_t y);
  // Detaches every sprite, from the last down to index 1.
  virtual void clear();
  virtual void doneAttach(const Ref<aniTron>&) {}
  virtual void doneDetach(const Ref<aniTron>&) {}
  // Removes sprite i; those above move down one.
  virtual void doDetach(int32_t i);
  // Takes out the lowest-indexed sprite under the window point and returns it
  // with X, Y made its offset from the pointer; nil, with no event and no
  // redraw, when none is there.
  virtual Ref<aniTron> mouseDown(int32_t x, int32_t y);
  // Puts t in at the window point plus the offset it carries, redraws, then
  // raises DroppedAniTron.
  virtual void AniTronDrop(int32_t x, int32_t y, const Ref<aniTron>& t);

  void SetProperty(const PropertyRecord& record) override;

protected:
  // Paints every sprite into Cache as a filled oval in its colour, in index
  // order, so that a later sprite lies over an earlier one.
  void PaintSprites();
  // A display slot holds one sprite: it empties itself before a drop.
  bool clearsBeforeDrop_ = false;
};

class aniCan : public SpriteCanvas {};

class displayCan : public SpriteCanvas {
public:
  displayCan();
  // Paints its sprites, in index order, through the offscreen picture.
  void redraw() override;
};
