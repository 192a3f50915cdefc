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

void CreateControlsFromTable(const Ref<Window>& w, const std::vector<ControlRecord>& table);
