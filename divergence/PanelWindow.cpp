#include "PanelWindow.h"

#include <string>

#include "BackgroundTask.h"
#include "Globals.h"
#include "Pictures.h"
#include "TextNumber.h"
#include "virionTron.h"

namespace {

Ref<virionTron> VirionIn(const Ref<Object>& o) {
  Ref<virionTron> t = Cast<virionTron>(o);
  if (t == nullptr) throw NilObjectException("The panel holds something that is not a virion");
  return t;
}

}  // namespace

void PanelWindow::FillWithCopiesOf(const Ref<virionTron>& founder, const Ref<driftCan>& Me) {
  Me->AniTrons.Redim(Globals::PopSize);
  for (int32_t i = 1; i <= Me->AniTrons.UBound(); ++i) {
    Me->AniTrons(i) = founder->clone();
    Cast<virionTron>(Me->AniTrons(i))->randomizeLoc(Me);
    RuntimeBackgroundTask();
  }
  Me->redraw();
}

template <class C>
void PanelWindow::PickUp(const Ref<C>& c, int32_t x, int32_t y) {
  DragTron = c->mouseDown(x, y);
  if (DragTron != nullptr) {
    const Ref<Window> self = RefTo<Window>(this);
    Named<popupSpriteCan>("MyPopUpVirion")->popup(x, y, DragTron, self);
    Named<popupSpriteCan>("myPopupVirionData")->popup(x, y, DragTron, self);
  }
  OldMouseX = x;
  OldMouseY = y;
}

bool PanelWindow::PanelMouseDown(int32_t x, int32_t y) {
  DragTron = nullptr;
  for (int32_t i = 0; i < PopulationCount(); ++i) {
    if (P(i)->within(x, y)) {
      PickUp(P(i), x, y);
      sourcePop = i;
      return true;
    }
    RuntimeBackgroundTask();
  }
  for (int32_t i = 0; i <= 1; ++i) {
    if (S(i)->within(x, y)) {
      PickUp(S(i), x, y);
      return true;
    }
    RuntimeBackgroundTask();
  }
  return false;
}

void PanelWindow::Event_MouseDrag(int32_t x, int32_t y) {
  if (x == OldMouseX && y == OldMouseY) return;
  Ref<popupSpriteCan> sprite = Named<popupSpriteCan>("MyPopUpVirion");
  if (sprite->Visible()) {
    sprite->SetLeft(sprite->Left() + x - OldMouseX);
    sprite->SetTop(sprite->Top() + y - OldMouseY);
  }
  Ref<popupSpriteCan> card = Named<popupSpriteCan>("myPopupVirionData");
  if (card->Visible()) {
    // Beside the pointer, but never past the window's right edge.
    card->SetLeft(Width() >= x + 5 + card->Width() ? x + 5 : Width() - card->Width());
    card->SetTop(card->Top() + y - OldMouseY);
  }
  OldMouseX = x;
  OldMouseY = y;
}

void PanelWindow::Event_MouseUp(int32_t x, int32_t y) {
  if (DragTron != nullptr) {
    for (int32_t i = 0; i < PopulationCount(); ++i) {
      if (P(i)->within(x, y)) P(i)->AniTronDrop(x, y, DragTron);
      RuntimeBackgroundTask();
    }
    for (int32_t i = 0; i <= 1; ++i) {
      if (S(i)->within(x, y)) S(i)->AniTronDrop(x, y, DragTron);
      RuntimeBackgroundTask();
    }
  }
  Ref<popupSpriteCan> sprite = Named<popupSpriteCan>("MyPopUpVirion");
  if (sprite->Visible()) sprite->vanish();
  Ref<popupSpriteCan> card = Named<popupSpriteCan>("myPopupVirionData");
  if (card->Visible()) card->vanish();
  DragTron = nullptr;
  sourcePop = -1;
}

void PanelWindow::MyDisplayCan_PulledAnitron(const Ref<displayCan>& Me) {
  const int32_t i = Me->Index();
  L(i)->SetText("");
  Named<Listbox>("ListBoxSequence")->SetCell(i, 0, "");
  Named<StaticText>("StaticTextNumDiffs")->SetText("");
}

void PanelWindow::MyDisplayCan_DroppedAniTron(const Ref<displayCan>& Me, const Ref<aniTron>& t) {
  const int32_t i = Me->Index();
  WriteSourceLabel(i);
  const Ref<cArray> sequence = VirionIn(t)->Sequence;
  std::string s;
  for (int32_t k = 1; k <= sequence->ubound(); ++k) {
    s += sequence->get(k).StringValue();
    RuntimeBackgroundTask();
  }
  Ref<Listbox> list = Named<Listbox>("ListBoxSequence");
  list->SetCell(i, 0, s);
  const std::string a = list->Cell(0, 0);
  const std::string b = list->Cell(1, 0);
  if (!a.empty() && !b.empty()) {
    int32_t d = 0;
    for (int32_t k = 1; k <= Len(a); ++k) {
      if (Mid(a, k, 1) != Mid(b, k, 1)) d = d + 1;
      RuntimeBackgroundTask();
    }
    Named<StaticText>("StaticTextNumDiffs")->SetText(Str(d));
  }
}

void PanelWindow::ListBoxSequence_Open(const Ref<Listbox>& Me) {
  Me->AddRow("");
  Me->AddRow("");
}

void PanelWindow::MyPopUpVirion_LoadImage(const Ref<popupSpriteCan>& Me, int32_t x, int32_t y, const Variant& v,
                                          const Ref<Window>&) {
  if (v.IsNil()) return;
  const Ref<virionTron> t = VirionIn(v.ObjectValue());
  // X and Y are the virion's offset from the pointer: the frame encloses the dot
  // where the canvas drew it.
  Me->SetLeft(x + t->X - 1);
  Me->SetTop(y + t->Y - 1);
  Me->SetWidth(t->width + 2);
  Me->SetHeight(t->height + 2);
  Ref<Picture> p = NewPicture(Me->Width(), Me->Height(), 32);
  p->SetTransparent(1);
  Ref<Graphics> g = p->Graphics();
  g->SetForeColor(RGB(150, 150, 150));
  g->DrawRect(0, 0, Me->Width() - 1, Me->Height() - 1);
  g->SetForeColor(t->myColor);
  g->FillOval(1, 1, t->width, t->height);
  Me->SetBackdrop(p);
}

void PanelWindow::myPopupVirionData_Vanished(const Ref<popupSpriteCan>&) {}

void PanelWindow::myPopupVirionData_LoadImage(const Ref<popupSpriteCan>& Me, int32_t x, int32_t y, const Variant& v,
                                              const Ref<Window>& w) {
  const Ref<virionTron> t = VirionIn(v.ObjectValue());
  const int32_t n = t->Sequence->ubound();
  Me->SetLeft(x + Me->Width() + 5 < w->Width() ? x + 5 : w->Width() - Me->Width());
  Me->SetTop(y + 12);
  Me->SetHeight(ToInt32(70.0 + 11.0 * (static_cast<double>(n) / 10.0)));
  Ref<Picture> p = NewPicture(Me->Width(), Me->Height(), 32);
  p->SetTransparent(0);
  Ref<Graphics> g = p->Graphics();
  g->SetForeColor(RGB(254, 254, 254));
  g->FillRect(0, 0, Me->Width(), Me->Height());
  g->SetForeColor(RGB(0, 0, 0));
  g->DrawRect(0, 0, Me->Width() - 1, Me->Height() - 1);
  g->DrawPicture(HepCVirion(), 38, 8);
  std::string text;
  for (int32_t k = 1; k <= n; ++k) {
    text += t->Sequence->get(k).StringValue();
    text += k % 10 == 0 ? Chr(13) : " ";
    RuntimeBackgroundTask();
  }
  g->SetTextSize(10);
  g->SetTextFont("courier");
  g->DrawString(text, 5, 68, 0, false);
  Me->SetBackdrop(p);
}
