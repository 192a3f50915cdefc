#include "virionTron.h"

#include "BackgroundTask.h"
#include "Globals.h"
#include "SpriteCanvases.h"
#include "TextNumber.h"

namespace {

// Nucleotide codes: 1 = "A", 2 = "T", 3 = "G", 4 = "C".
const char* Letter(int32_t code) {
  static const char* const letters[] = {"", "A", "T", "G", "C"};
  return letters[code];
}

}  // namespace

void virionTron::randomizeLoc(const Ref<aniCan>& can) {
  const double a = static_cast<double>(width) / 2.0;
  const double r1 = Globals::myRAlea->random();
  const int32_t w = can->Width() - 2 * width;
  xLoc = a + r1 * static_cast<double>(w);
  const double b = static_cast<double>(height) / 2.0;
  const double r2 = Globals::myRAlea->random();
  const int32_t h = can->Height() - 2 * height;
  yLoc = b + r2 * static_cast<double>(h);
  X = ToInt32(Round(xLoc));
  Y = ToInt32(Round(yLoc));
}

void virionTron::prepare(const Ref<aniCan>& can) {
  Fitness = 100.0;
  myColor = RGB(0, 0, 0);
  height = Globals::DotSizeLg;
  width = height;
  randomizeLoc(can);
  Sequence = New<cArray>();
  Sequence->Constructor(Globals::SequenceLength);
  for (int32_t i = 1; i <= Sequence->ubound(); ++i) {
    const int32_t k = Globals::myRAlea->random(1, 4);
    Sequence->set(i, Letter(k));
    RuntimeBackgroundTask();
  }
}

Ref<cArray> virionTron::mutate(double rate, const Ref<cArray>& seq) {
  const double r = Globals::myRAlea->random();
  if (r > rate) return nullptr;
  Ref<cArray> result = seq->clone();
  const int32_t pos = Globals::myRAlea->random(1, seq->ubound());
  const std::string old = result->get(pos).StringValue();
  std::string letter;
  do {
    const int32_t k = Globals::myRAlea->random(1, 4);
    letter = Letter(k);
    RuntimeBackgroundTask();
  } while (letter == old);
  result->set(pos, letter);
  return result;
}

Ref<virionTron> virionTron::clone() {
  Ref<virionTron> child = New<virionTron>();
  Ref<cArray> m = mutate(Globals::MutRatePerSeq, Sequence);
  if (m != nullptr) {
    child->Sequence = m->clone();
    const int32_t red = ToInt32(Globals::myRAlea->random() * 255.0);
    const int32_t green = ToInt32(Globals::myRAlea->random() * 255.0);
    const int32_t blue = ToInt32(Globals::myRAlea->random() * 255.0);
    child->myColor = RGB(red, green, blue);
    if (Globals::EffectOnFitness == "B") {
      child->Fitness = Fitness + Fitness * 0.01;
    } else if (Globals::EffectOnFitness == "D") {
      child->Fitness = Fitness - Fitness * 0.01;
    } else {
      child->Fitness = Fitness;
    }
  } else {
    child->Sequence = Sequence->clone();
    child->myColor = myColor;
    child->Fitness = Fitness;
  }
  child->height = height;
  child->width = width;
  child->xLoc = xLoc;
  child->yLoc = yLoc;
  child->X = X;
  child->Y = Y;
  return child;
}
