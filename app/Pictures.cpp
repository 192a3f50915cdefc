#include "Pictures.h"

#include "Controls.h"
#include "Resources.h"

namespace {

Ref<Picture> coverPermapic;
Ref<Picture> virionPermapic;

Ref<Picture> Kept(Ref<Picture>& permapic, int32_t id) {
  if (permapic != nullptr) return permapic;
  Ref<ResourceFork> fork = appResourceForkGetter();
  if (fork == nullptr) throw NilObjectException("The program's resources cannot be had");
  permapic = fork->GetPicture(id);
  return permapic;
}

}  // namespace

Ref<Picture> BrismoorCover() { return Kept(coverPermapic, 168); }

Ref<Picture> HepCVirion() { return Kept(virionPermapic, 170); }

void ShowCoverOn(const Ref<Control>& c) {
  Ref<Canvas> canvas = Cast<Canvas>(c);
  if (canvas == nullptr) throw NilObjectException("The cover is shown on a canvas");
  canvas->SetBackdrop(BrismoorCover());
}

void LayCoverUnderTitle(const Ref<Window>& w) {
  w->Named<Canvas>("CanvasBrismoorCover")->StackUnder(w->Named<StaticText>("LabelTitle"));
}

void ReleasePictures() {
  coverPermapic = nullptr;
  virionPermapic = nullptr;
}
