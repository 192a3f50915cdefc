#include "Globals.h"

#include "TextNumber.h"

namespace Globals {

Ref<RAlea> myRAlea;
int32_t DotSizeLg = 0;
int32_t DotSizeSm = 0;
int32_t DotSizeTiny = 0;
int32_t PopSize = 0;
int32_t SequenceLength = 0;
double MutRatePerNuc = 0.0;
double MutRatePerSeq = 0.0;
std::string EffectOnFitness;

void StartUp() {
  myRAlea = New<RAlea>();
  myRAlea->Constructor();
  DotSizeLg = 12;
  DotSizeSm = 8;
  DotSizeTiny = 5;
  PopSize = 50;
  SequenceLength = 100;
  MutRatePerNuc = 0.0005;
  const double q = 1.0 - MutRatePerNuc;
  const double p = Pow(q, static_cast<double>(SequenceLength));
  MutRatePerSeq = 1.0 - p;
  EffectOnFitness = "B";
}

void Release() {
  myRAlea = nullptr;
  EffectOnFitness.clear();
}

}  // namespace Globals
