#include "framework/RuntimeException.h"

#include <utility>

namespace fw {

RuntimeException::RuntimeException(std::string message) : message_(std::move(message)) {}

const char* RuntimeException::what() const noexcept { return message_.c_str(); }

std::string RuntimeException::ClassName() const { return "RuntimeException"; }

NilObjectException::NilObjectException() : RuntimeException("A nil object was used.") {}

std::string NilObjectException::ClassName() const { return "NilObjectException"; }

}  // namespace fw
