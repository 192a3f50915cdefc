#pragma once
// Window layouts as data: a window's controls are a table of records in creation
// order, and one routine makes them, each with the same steps: make the control
// in the window and construct it (with its index when it is an element of a
// control array), register it under its name, run the record's setup if it has
// one, find it again by name (and index) and apply its property stream, then
// bind its events, one by one, in the record's order.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "Control.h"
#include "Delegate.h"
#include "Window.h"

struct EventRecord {
  std::string event;
  std::function<Delegate(const Ref<Window>& self)> handler;
};

struct ControlRecord {
  std::function<Ref<Control>(Window& w)> make;
  std::string name;
  int32_t index = kNoIndex;
  std::string properties;
  std::vector<EventRecord> events;
  std::function<void(const Ref<Control>&)> setup;
};

// Makes a control of class C and runs its Constructor.
template <class C>
std::function<Ref<Control>(Window&)> Make() {
  return [](Window& w) -> Ref<Control> {
    Ref<C> c = w.New<C>();
    c->Constructor();
    return c;
  };
}

// Makes element index of a control array of class C: its Constructor takes the index.
template <class C>
std::function<Ref<Control>(Window&)> MakeElement(int32_t index) {
  return [index](Window& w) -> Ref<Control> {
    Ref<C> c = w.New<C>();
    c->Constructor(index);
    return c;
  };
}

// Binds the event to the window method, with the signature text given.
template <class W, class M>
EventRecord On(const std::string& event, M method, const std::string& signature) {
  return EventRecord{event, [method, signature](const Ref<Window>& self) {
                       Ref<W> w = Cast<W>(self);
                       if (w == nullptr) throw NilObjectException("An event handler of another window class");
                       return RuntimeCreateDelegate(w, method, signature);
                     }};
}

// A record from a layout of any kind (StaticTextLayout, CanvasLayout, ...),
// named and indexed as its layout says.
template <class L>
ControlRecord Record(std::function<Ref<Control>(Window&)> make, const L& layout,
                     std::vector<EventRecord> events = {},
                     std::function<void(const Ref<Control>&)> setup = {}) {
  return ControlRecord{std::move(make), layout.place.name, layout.place.index, layout.Stream(),
                       std::move(events), std::move(setup)};
}

void CreateControlsFromTable(const Ref<Window>& w, const std::vector<ControlRecord>& table);

// Lays out and binds control like the first record named arrayName in table,
// then registers it in w under that name with index 0.
void ConstructLikeFirstElement(const Ref<Control>& control, const Ref<Window>& w,
                               const std::vector<ControlRecord>& table, const std::string& arrayName);

// The class of the elements of a window's control array: W's control array
// named ArrayName, of controls of class Base. The window makes each element
// with its index; an element made while the program runs, without one, is laid
// out and bound like the array's first element (W::ControlTable() gives the
// window's layout table).
template <class Base, class W, const char* ArrayName>
class ArrayElement : public Base {
public:
  void Constructor(int32_t index) {
    this->SetIndex(index);
    Base::Constructor();
  }
  void Constructor() override {
    ConstructLikeFirstElement(RefTo<Control>(this), this->Window(), W::ControlTable(), ArrayName);
    Base::Constructor();
  }
};
