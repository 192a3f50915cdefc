#pragma once
// The framework's exceptions. Every mistake the program can make with an object
// or an index ends in one of these; the program's entry catches what escapes and
// reports it in a message box.

#include <stdexcept>
#include <string>

class FrameworkException : public std::runtime_error {
public:
  explicit FrameworkException(const std::string& message);
};

// An operation was asked of a nil object.
class NilObjectException : public FrameworkException {
public:
  explicit NilObjectException(const std::string& what = "Nil object");
};

// An array was indexed outside its bounds.
class OutOfBoundsException : public FrameworkException {
public:
  OutOfBoundsException(long index, long ubound);
};

// A delegate, cast or property record that does not fit where it is used.
class TypeMismatchException : public FrameworkException {
public:
  explicit TypeMismatchException(const std::string& what);
};
