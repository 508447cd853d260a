#pragma once

#include <exception>
#include <memory>
#include <string>

namespace fw {

// The base of the exceptions that program code may raise and that the
// framework catches at its dispatch point (see Dispatch in Runtime.h): one
// that escapes an event handler is reported to the user, and the program
// goes on running.
class RuntimeException : public std::exception {
 public:
  explicit RuntimeException(std::string message = {});
  const char* what() const noexcept override;
  virtual std::string ClassName() const;
  const std::string& Message() const { return message_; }

 private:
  std::string message_;
};

// Raised on any use of a nil object.
class NilObjectException : public RuntimeException {
 public:
  NilObjectException();
  std::string ClassName() const override;
};

// Returns p, or raises NilObjectException when it is nil.
template <class T>
T* NotNil(T* p) {
  if (p == nullptr) throw NilObjectException();
  return p;
}

template <class T>
const std::shared_ptr<T>& NotNil(const std::shared_ptr<T>& p) {
  if (!p) throw NilObjectException();
  return p;
}

}  // namespace fw
