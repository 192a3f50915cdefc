#pragma once
// A simulation window with the sequence-inspection panel. The user presses on a
// virion in a population canvas or a display slot to take it out; a pop-up dot
// and a data card with its sequence follow the pointer; released over a
// population canvas the virion joins it, over a display slot it is shown and
// listed there, anywhere else it is lost. With both slots filled, the panel
// counts the positions at which the two sequences differ.
//
// Both simulation windows carry the panel; they differ in how many population
// canvases it searches, in when a press may pick up, and in the source label
// written at a drop, which they give through PopulationCount, PanelMouseDown's
// callers and WriteSourceLabel.

#include <cstdint>

#include "Controls.h"
#include "SpriteCanvases.h"
#include "Window.h"
#include "driftCan.h"
#include "popupSpriteCan.h"
#include "virionTron.h"

class PanelWindow : public Window {
public:
  // The virion held between press and release; nil when none.
  Ref<aniTron> DragTron;
  // The pointer at the last press or drag step, window coordinates.
  int32_t OldMouseX = 0;
  int32_t OldMouseY = 0;
  // The population canvas the present drag started from; -1 after a release.
  int32_t sourcePop = 0;

  virtual void MyDisplayCan_PulledAnitron(const Ref<displayCan>& Me);
  virtual void MyDisplayCan_DroppedAniTron(const Ref<displayCan>& Me, const Ref<aniTron>& t);
  virtual void ListBoxSequence_Open(const Ref<Listbox>& Me);
  virtual void MyPopUpVirion_LoadImage(const Ref<popupSpriteCan>& Me, int32_t x, int32_t y, const Variant& v,
                                       const Ref<Window>& w);
  virtual void myPopupVirionData_Vanished(const Ref<popupSpriteCan>& Me);
  virtual void myPopupVirionData_LoadImage(const Ref<popupSpriteCan>& Me, int32_t x, int32_t y, const Variant& v,
                                           const Ref<Window>& w);
  void Event_MouseDrag(int32_t x, int32_t y) override;
  void Event_MouseUp(int32_t x, int32_t y) override;

protected:
  // The press that picks up: claimed over any population canvas or slot,
  // whether or not a virion was under the pointer.
  bool PanelMouseDown(int32_t x, int32_t y);
  // How many population canvases (myDriftCan 0 .. n - 1) the panel searches.
  virtual int32_t PopulationCount() const = 0;
  // Names, in source label i, the population the dropped virion came from.
  virtual void WriteSourceLabel(int32_t i) = 0;

  // Fills canvas Me with Globals::PopSize copies of founder, each at a random
  // place (the copy's draws, then its two placement draws), then runs the first
  // generation at once. The founder itself stays out of the population.
  void FillWithCopiesOf(const Ref<virionTron>& founder, const Ref<driftCan>& Me);

  // Population canvas i, display slot i and source label i.
  Ref<driftCan> P(int32_t i) const { return Named<driftCan>("myDriftCan", i); }
  Ref<displayCan> S(int32_t i) const { return Named<displayCan>("MyDisplayCan", i); }
  Ref<StaticText> L(int32_t i) const { return Named<StaticText>("StaticTextSourcePop", i); }

private:
  // Takes a virion out of canvas c at the press and shows the pop-ups for it.
  template <class C>
  void PickUp(const Ref<C>& c, int32_t x, int32_t y);
};
