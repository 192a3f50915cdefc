#pragma once
// The process-wide simulation parameters. StartUp gives each its default once,
// when the application opens; afterwards only the Reset dialog changes PopSize,
// SequenceLength and EffectOnFitness.

#include <cstdint>
#include <string>

#include "Object.h"
#include "RAlea.h"

namespace Globals {

extern Ref<RAlea> myRAlea;
extern int32_t DotSizeLg;
extern int32_t DotSizeSm;
extern int32_t DotSizeTiny;
extern int32_t PopSize;
extern int32_t SequenceLength;
extern double MutRatePerNuc;
// Computed once at start-up from the default sequence length and never again:
// the chance that a copy mutates does not follow later changes of SequenceLength.
extern double MutRatePerSeq;
// "B" beneficial, "N" neutral, "D" deleterious.
extern std::string EffectOnFitness;

void StartUp();

// Releases what the module holds, when the program ends.
void Release();

}  // namespace Globals
