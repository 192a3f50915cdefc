#include "Layout.h"

void CreateControlsFromTable(const Ref<Window>& w, const std::vector<ControlRecord>& table) {
  for (const ControlRecord& r : table) {
    Ref<Control> made = r.make(*w);
    w->AddControl(made, r.name);
    auto find = [&]() {
      Ref<Control> c = r.index == kNoIndex ? RuntimeWindowControlByName(w, r.name)
                                           : RuntimeWindowControlByNameIndex(w, r.name, r.index);
      if (c == nullptr) throw NilObjectException("Control \"" + r.name + "\" was not registered");
      return c;
    };
    if (r.setup) r.setup(find());
    SetProperties(find(), r.properties);
    for (const EventRecord& e : r.events) InstallInstanceEventHandler(find(), e.event, e.handler(w));
  }
}

void ConstructLikeFirstElement(const Ref<Control>& control, const Ref<Window>& w,
                               const std::vector<ControlRecord>& table, const std::string& arrayName) {
  for (const ControlRecord& r : table) {
    if (r.name != arrayName) continue;
    SetProperties(control, r.properties);
    for (const EventRecord& e : r.events) InstallInstanceEventHandler(control, e.event, e.handler(w));
    control->SetIndex(0);
    w->AddControl(control, arrayName);
    return;
  }
  throw NilObjectException("The window has no control array \"" + arrayName + "\"");
}
