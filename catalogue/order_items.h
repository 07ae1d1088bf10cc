#pragma once
// What the order form offers: the items of its check-box list, in list order, and
// the note that explains the degree sign of the priced items.
#include <array>

namespace glyvane {

constexpr int kOrderItemCount = 23;

// The list's items in alphabetical order, as a sorted list box orders them: each paid
// program twice ("Glyvane - 50 FF°" and "Glyvane - ShareWare"), each free program
// once ("Awélé - FreeWare"). Their indices are those of the selection string.
const std::array<const char*, kOrderItemCount>& OrderItems();

// The one-line note under the list (Label17), also printed on the order.
extern const char kPriceNote[];

}  // namespace glyvane
