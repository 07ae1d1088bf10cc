#include "catalogue/order_items.h"

namespace glyvane {

namespace {

// The names are the entries' names (entry_table.cpp) and the prices their prices.
// "Belote - 80 FF° " ends in a blank: the price is read from fixed places counted
// from the end, which still fall on "80 " (a two-digit price keeps this true).
const std::array<const char*, kOrderItemCount> kItems = {{
    "Agenda 2000 - 90 FF°",
    "Agenda 2000 - ShareWare",
    "Alunissage - 60 FF°",
    "Alunissage - ShareWare",
    "Astronomie - 120 FF°",
    "Astronomie - ShareWare",
    "Awélé - FreeWare",
    "Bataille Navale - FreeWare",
    "Belote - 80 FF° ",
    "Belote - ShareWare",
    "Biorythmes - FreeWare",
    "Budget Familial - 150 FF°",
    "Budget Familial - ShareWare",
    "Calculette Euro - FreeWare",
    "Carnet d'adresses - 75 FF°",
    "Carnet d'adresses - ShareWare",
    "Casse-Briques - 70 FF°",
    "Casse-Briques - ShareWare",
    "Cavalier - FreeWare",
    "CD Jaquettes - 100 FF°",
    "CD Jaquettes - ShareWare",
    "Glyvane - 50 FF°",
    "Glyvane - ShareWare",
}};

}  // namespace

const char kPriceNote[] =
    "° Ce prix comprend la version enregistrée, sa notice imprimée et un an de mises à "
    "jour gratuites.";

const std::array<const char*, kOrderItemCount>& OrderItems() { return kItems; }

}  // namespace glyvane
