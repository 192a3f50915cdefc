#include "Exceptions.h"

FrameworkException::FrameworkException(const std::string& message)
    : std::runtime_error(message) {}

NilObjectException::NilObjectException(const std::string& what)
    : FrameworkException(what) {}

OutOfBoundsException::OutOfBoundsException(long index, long ubound)
    : FrameworkException("Index " + std::to_string(index) + " out of bounds (upper bound " +
                         std::to_string(ubound) + ")") {}

TypeMismatchException::TypeMismatchException(const std::string& what)
    : FrameworkException(what) {}
