#pragma once

#include <stdexcept>

// The one failure of a calculation: a field that is not a number, or a step whose result is
// infinite or undefined (invalid operation, division by zero, overflow). Each handler catches it
// once; what was stored before the failing step stays stored.
class InputError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
