#include "Delegate.h"

void MenuHandlerTable::Add(const std::string& itemName, const Delegate& handler) {
  if (handler.Signature() != "(  ) as Boolean") {
    throw TypeMismatchException("A menu handler's signature is \"(  ) as Boolean\", not \"" + handler.Signature() + "\"");
  }
  handlers_[itemName] = handler;
}

Delegate MenuHandlerTable::Find(const std::string& itemName) const {
  const auto found = handlers_.find(itemName);
  return found == handlers_.end() ? Delegate() : found->second;
}

namespace DelegateDetail {

int ParameterCount(const std::string& signature) {
  const size_t open = signature.find('(');
  const size_t close = signature.find(')');
  if (open == std::string::npos || close == std::string::npos || close < open) {
    throw TypeMismatchException("Not a signature text: \"" + signature + "\"");
  }
  const std::string inside = signature.substr(open + 1, close - open - 1);
  if (inside.find_first_not_of(' ') == std::string::npos) return 0;
  int count = 1;
  for (char c : inside) count += c == ',';
  return count;
}

void CheckParameterCount(const std::string& signature, int count) {
  if (ParameterCount(signature) != count) {
    throw TypeMismatchException("The handler takes " + std::to_string(count) +
                                " event arguments; its signature text \"" + signature + "\" says otherwise");
  }
}

}  // namespace DelegateDetail
