#include "CacheCan.h"

CacheCan::CacheCan() { DeclareEvent("SetProperties", "(  )"); }

void CacheCan::Event_Paint(const Ref<::Graphics>&) { BlitCache(); }

void CacheCan::Event_Open() {
  Cache = NewPicture(Width(), Height(), 32);
  RaiseEvent("SetProperties");
}

void CacheCan::ClearCache() {
  Ref<::Graphics> g = Cache->Graphics();
  if (g != nullptr) {
    g->SetForeColor(RGB(255, 255, 255));
    g->FillRect(0, 0, Cache->Width(), Cache->Height());
  }
}

void CacheCan::BlitCache() {
  if (Cache->Graphics() != nullptr) Graphics()->DrawPicture(Cache, 0, 0);
}
