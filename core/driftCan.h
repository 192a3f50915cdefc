#pragma once
// driftCan: the population canvas. Its redraw is the simulation's generation
// step: the population is replaced by Globals::PopSize offspring, each the clone
// of a parent drawn with a chance proportional to its fitness, the offspring
// are placed at random, and the canvas is repainted. While a click is being
// handled, or when the canvas is empty, redraw only repaints.

#include "SpriteCanvases.h"

class driftCan : public aniCan {
public:
  void redraw() override;
  // Paints the population into Cache; the screen is not touched.
  virtual void UpdateCache();
  // The highest fitness in the population; 0 when it is empty.
  virtual double GetMaxFitness();
};
