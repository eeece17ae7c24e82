#pragma once
// The base of the framework's exceptions; the program shows their text at the top.
#include <stdexcept>
#include <string>

class TXBase : public std::runtime_error {
public:
    explicit TXBase(const std::string& message) : std::runtime_error(message) {}
};

// A window the system would not create.
class TXWindow : public TXBase {
public:
    using TXBase::TXBase;
};
