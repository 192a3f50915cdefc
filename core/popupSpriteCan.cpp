#include "popupSpriteCan.h"

popupSpriteCan::popupSpriteCan() {
  DeclareEvent("LoadImage", "( Int32, Int32, Variant, Window )");
  DeclareEvent("Vanished", "(  )");
}

void popupSpriteCan::vanish() {
  SetVisible(false);
  RaiseEvent("Vanished");
}

void popupSpriteCan::popup(int32_t x, int32_t y, const Variant& v, const Ref<::Window>& w) {
  RaiseEvent("LoadImage", {Variant(x), Variant(y), v, Variant(w)});
  SetVisible(true);
}
