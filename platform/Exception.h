#pragma once

#include "Types.h"

#include <stdexcept>

// The exceptions the platform raises. Every one carries a message meant for
// the user; the application's standard handler shows it.
class Exception : public std::runtime_error {
public:
    explicit Exception(const String& message)
        : std::runtime_error(message) {}
};

// A stored form description that cannot be read; the message names the line.
class EReadError : public Exception {
public:
    using Exception::Exception;
};

// Image data that cannot be decoded.
class EInvalidGraphic : public Exception {
public:
    using Exception::Exception;
};
