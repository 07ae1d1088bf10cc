#ifndef GLYVANE_CATALOGUE_PICTURE_IDS_H
#define GLYVANE_CATALOGUE_PICTURE_IDS_H
// Resource ids of catalogue's pictures, compiled into the program by catalogue.rc.
// The resource compiler reads this header too, so it holds plain macros only.

// The program's icon: the first icon, so it is also the one the shell shows.
#define IDI_CATALOGUE 1

// The entry buttons' pictures (icons: each also becomes the detail dialog's icon).
#define IDI_AGENDA 101
#define IDI_ALUNISSAGE 102
#define IDI_ASTRONOMIE 103
#define IDI_GLYVANE 104
#define IDI_AWELE 105
#define IDI_BATAILLE_NAVALE 106
#define IDI_BELOTE 107
#define IDI_BIORYTHMES 108
#define IDI_BUDGET 109
#define IDI_CALCULETTE 110
#define IDI_CARNET 111
#define IDI_CASSE_BRIQUES 112
#define IDI_CAVALIER 113
#define IDI_CD_JAQUETTES 114
#define IDI_CD_ORVEX 115

// The picture buttons' pictures (icons with 16, 24 and 32 pixel images).
#define IDI_COMMANDER 201  // "&Commander" on the catalogue window
#define IDI_QUITTER 202    // "&Quitter"
#define IDI_IMPRIMER 203   // the order form's "Imprimer"
#define IDI_ANNULER 204    // the order form's "Annuler"
#define IDI_OK 205         // the order form's Image1: "Annuler" takes it once printed

// The maker's logo (Image1 of the catalogue window), 186 x 67 pixels.
#define IDB_LOGO 301

// The pointers the two links and the logo carry.
#define IDC_MAIL_LINK 401
#define IDC_WEB_LINK 402
#define IDC_LOGO 403

#endif
