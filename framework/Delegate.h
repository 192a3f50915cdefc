#pragma once
// Delegates: a method of an object made callable by the framework, with the
// signature text under which it is bound ("(  )", "( aniTron )",
// "( Int32, Int32, Variant, Window )", "(  ) as Boolean").
//
// An event handler of a window is a method whose first parameter is the control
// that raised the event (the handler's "Me"), followed by the event's arguments.
// A menu handler takes nothing and returns a Boolean. A delegate holds its object
// weakly: once the object is gone, calling the delegate does nothing.

#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "Exceptions.h"
#include "Object.h"
#include "Variant.h"

class Control;

class Delegate {
public:
  using Function = std::function<Variant(const Ref<Control>& me, const std::vector<Variant>& args)>;

  Delegate() = default;
  Delegate(std::string signature, Function function)
      : signature_(std::move(signature)), function_(std::move(function)) {}

  const std::string& Signature() const { return signature_; }
  explicit operator bool() const { return static_cast<bool>(function_); }
  Variant Invoke(const Ref<Control>& me, const std::vector<Variant>& args = {}) const {
    return function_ ? function_(me, args) : Variant();
  }

private:
  std::string signature_;
  Function function_;
};

// Menu handlers, bound by menu-item name. Only a menu handler's signature,
// "(  ) as Boolean", is taken.
class MenuHandlerTable {
public:
  void Add(const std::string& itemName, const Delegate& handler);
  // The handler bound to itemName, or an empty delegate.
  Delegate Find(const std::string& itemName) const;
  void Clear() { handlers_.clear(); }

private:
  std::map<std::string, Delegate> handlers_;
};

namespace DelegateDetail {

// The number of parameters a signature text names: "(  )" none,
// "( Int32, Variant )" two; a trailing " as Boolean" is the result.
int ParameterCount(const std::string& signature);
void CheckParameterCount(const std::string& signature, int count);

template <class T>
struct Arg {
  static T From(const Variant& v);
};
template <>
struct Arg<int32_t> {
  static int32_t From(const Variant& v) { return v.Int32Value(); }
};
template <>
struct Arg<double> {
  static double From(const Variant& v) { return v.DoubleValue(); }
};
template <>
struct Arg<bool> {
  static bool From(const Variant& v) { return v.BooleanValue(); }
};
template <>
struct Arg<std::string> {
  static std::string From(const Variant& v) { return v.StringValue(); }
};
template <>
struct Arg<Variant> {
  static Variant From(const Variant& v) { return v; }
};
template <class U>
struct Arg<Ref<U>> {
  static Ref<U> From(const Variant& v) {
    Ref<Object> o = v.ObjectValue();
    if (o == nullptr) return nullptr;
    Ref<U> typed = Cast<U>(o);
    if (typed == nullptr) throw TypeMismatchException("An event argument is not of the handler's class");
    return typed;
  }
};

template <class T>
using Plain = std::remove_cv_t<std::remove_reference_t<T>>;

template <class W, class C, class... A, size_t... I>
void Call(W& w, void (W::*method)(const Ref<C>&, A...), const Ref<C>& me,
          const std::vector<Variant>& args, std::index_sequence<I...>) {
  (w.*method)(me, Arg<Plain<A>>::From(args.at(I))...);
}

}  // namespace DelegateDetail

// A delegate of an event handler of self (a method of self's class or of one
// of its bases).
template <class S, class W, class C, class... A>
Delegate RuntimeCreateDelegate(const Ref<S>& self, void (W::*method)(const Ref<C>&, A...),
                               const std::string& signature) {
  static_assert(std::is_base_of_v<W, S>, "the handler is a method of self's class");
  DelegateDetail::CheckParameterCount(signature, static_cast<int>(sizeof...(A)));
  std::weak_ptr<W> weak = std::static_pointer_cast<W>(self.shared());
  return Delegate(signature, [weak, method](const Ref<Control>& me, const std::vector<Variant>& args) {
    std::shared_ptr<W> w = weak.lock();
    if (!w) return Variant();
    if (args.size() != sizeof...(A)) throw TypeMismatchException("An event was raised with the wrong number of arguments");
    Ref<C> typedMe = Cast<C>(me);
    if (me != nullptr && typedMe == nullptr) throw TypeMismatchException("An event handler was bound to a control of another class");
    DelegateDetail::Call(*w, method, typedMe, args, std::index_sequence_for<A...>{});
    return Variant();
  });
}

// A delegate of a menu handler of self.
template <class S, class W>
Delegate RuntimeCreateDelegate(const Ref<S>& self, bool (W::*method)(), const std::string& signature) {
  static_assert(std::is_base_of_v<W, S>, "the handler is a method of self's class");
  if (signature != "(  ) as Boolean") throw TypeMismatchException("A menu handler's signature is \"(  ) as Boolean\", not \"" + signature + "\"");
  std::weak_ptr<W> weak = std::static_pointer_cast<W>(self.shared());
  return Delegate(signature, [weak, method](const Ref<Control>&, const std::vector<Variant>&) {
    std::shared_ptr<W> w = weak.lock();
    if (!w) return Variant(false);
    return Variant(((*w).*method)());
  });
}
