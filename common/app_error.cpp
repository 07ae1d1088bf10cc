#include "common/app_error.h"

namespace glyvane {

AppError TypeMismatchError() { return AppError(13, "Incompatibilité de type"); }

std::string ErrorMessageText(const AppError& error) {
  return "Erreur N°" + std::to_string(error.number()) + " : " + error.description();
}

}  // namespace glyvane
