#include "driftCan.h"

#include <typeinfo>
#include <utility>

#include "BackgroundTask.h"
#include "Globals.h"
#include "virionTron.h"

namespace {

// Every sprite of a population canvas is a virion. (The test of the exact class
// comes first because it is much cheaper, and a generation asks often.)
virionTron& Virion(const Ref<aniTron>& t) {
  aniTron* sprite = t.get();
  if (sprite != nullptr && typeid(*sprite) == typeid(virionTron)) return static_cast<virionTron&>(*sprite);
  auto* v = dynamic_cast<virionTron*>(sprite);
  if (v == nullptr) throw NilObjectException("A population canvas holds something that is not a virion");
  return *v;
}

}  // namespace

void driftCan::redraw() {
  if (!processingClick && AniTrons.UBound() > 0) {
    const double maxF = GetMaxFitness();
    Ref<cArray> buffer = New<cArray>();
    buffer->Constructor(Globals::PopSize);
    for (int32_t i = 1; i <= Globals::PopSize; ++i) {
      // The parent is drawn before its acceptance number, and both are drawn
      // afresh after every rejection.
      virionTron* parent = nullptr;
      double r = 0.0;
      do {
        const int32_t j = Globals::myRAlea->random(1, AniTrons.UBound());
        RuntimeBackgroundTask();
        r = Globals::myRAlea->random();
        parent = &Virion(std::as_const(AniTrons)(j));
      } while (!(r < parent->Fitness / maxF));
      buffer->set(i, parent->clone());
      RuntimeBackgroundTask();
    }
    clear();
    const Ref<aniCan> self = RefTo<aniCan>(this);
    for (int32_t i = 1; i <= Globals::PopSize; ++i) {
      const Ref<virionTron> child = Cast<virionTron>(buffer->get(i).ObjectValue());
      AniTrons.Insert(AniTrons.UBound() + 1, child);
      Virion(std::as_const(AniTrons)(i)).randomizeLoc(self);
      RuntimeBackgroundTask();
    }
  }
  UpdateCache();
  BlitCache();
}

void driftCan::UpdateCache() {
  ClearCache();
  PaintSprites();
}

double driftCan::GetMaxFitness() {
  double m = 0.0;
  for (int32_t i = 1; i <= AniTrons.UBound(); ++i) {
    const double f = Virion(std::as_const(AniTrons)(i)).Fitness;
    if (m < f) m = f;
    RuntimeBackgroundTask();
  }
  return m;
}
