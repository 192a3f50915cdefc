#pragma once
// virionTron: a virion, a sprite with a fitness and a nucleotide sequence
// ("A", "T", "G", "C" at 1 .. n; element 0 stays empty). Every random number
// comes from Globals::myRAlea, in the order written here: the order of the
// draws is part of the program's behaviour.

#include <cstdint>

#include "aniTron.h"
#include "cArray.h"

class virionTron : public aniTron {
public:
  double Fitness = 0.0;
  Ref<cArray> Sequence;

  // Founds this virion on can: fitness 100, black, a large dot, a random place
  // (two draws), then a random sequence of Globals::SequenceLength letters (one
  // draw each, from position 1 up).
  void prepare(const Ref<aniCan>& can) override;
  // One offspring: a copy that mutates with probability Globals::MutRatePerSeq,
  // then taking a new colour and the fitness effect of Globals::EffectOnFitness.
  virtual Ref<virionTron> clone();
  // A copy of seq with one position changed to another letter, or nil (one draw)
  // when the draw exceeds rate. seq itself is never changed.
  virtual Ref<cArray> mutate(double rate, const Ref<cArray>& seq);
  // A random place inside can for this virion's size: two draws, x then y.
  virtual void randomizeLoc(const Ref<aniCan>& can);
};
