#pragma once
// The author whose programs the catalogue offers: where to write, mail and browse.
// The catalogue window shows these details; the printed order sends the cheque to
// the same address.

namespace glyvane {

constexpr const char* kAuthorName = "Talvenne";
constexpr const char* kAuthorStreet = "12 rue des Tilleuls";
constexpr const char* kAuthorTown = "35000 Rennes";
constexpr const char* kAuthorCountry = "France";
constexpr const char* kAuthorTownLine = "35000 Rennes - France";  // as the window shows it
constexpr const char* kAuthorMail = "talvenne@orvex.fr";
constexpr const char* kAuthorSite = "http://www.orvex.fr";

}  // namespace glyvane
