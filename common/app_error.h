#pragma once
// Errors that a handler raises and a policy reports: a number and the platform's
// description, shown as "Erreur N°13 : Incompatibilité de type".
#include <stdexcept>
#include <string>

namespace glyvane {

class AppError : public std::runtime_error {
 public:
  AppError(long number, std::string description)
      : std::runtime_error(description), number_(number), description_(std::move(description)) {}

  long number() const { return number_; }
  const std::string& description() const { return description_; }

 private:
  long number_;
  std::string description_;
};

// A text that had to be a number and is not (the classic Basic error 13).
AppError TypeMismatchError();

// "Erreur N°" + number + " : " + description.
std::string ErrorMessageText(const AppError& error);

}  // namespace glyvane
