#include "catalogue/entry_table.h"

#include "catalogue/picture_ids.h"

namespace glyvane {

namespace {

constexpr const char* kNineX = "Windows 9x";
constexpr const char* kNineXAndNt = "Windows 9x/NT";
constexpr const char* kFree = "Gratuit";

// Grid order: alphabetical by caption as a sorted list compares them (case ignored,
// so "Cavalier" comes before "CD Jaquettes"), row by row.
const std::array<CatalogueEntry, kEntryCount> kEntries = {{
    {{"Command12", "Agenda", IDI_AGENDA},
     "Agenda 2000", kNineXAndNt, "", "2.10", "90 FF ou 13,72 Euros",
     "Agenda 2000 tient votre emploi du temps au jour, à la semaine ou au mois : "
     "rendez-vous, anniversaires, tâches à faire et notes. Il vous prévient à l'heure "
     "dite par une fenêtre et le son de votre choix, même quand vous travaillez dans un "
     "autre programme, et imprime votre semaine sur une page A4 à glisser dans un "
     "classeur. Il passe le cap de l'an 2000 sans encombre."},

    {{"Command15", "Alunissage", IDI_ALUNISSAGE},
     "Alunissage", kNineX, "", "1.05", "60 FF ou 9,15 Euros",
     "Posez le module lunaire en douceur sur l'une des aires d'alunissage avant que le "
     "carburant ne s'épuise : la gravité vous attire, les moteurs vous freinent, et le "
     "relief de la Lune ne pardonne pas. Douze missions de difficulté croissante, un mode "
     "d'entraînement et le tableau des meilleurs pilotes. Le jeu s'affiche en plein écran "
     "grâce à DirectX 5, que Windows NT 4 ne possède pas."},

    {{"Command3", "Astronomie", IDI_ASTRONOMIE},
     "Astronomie", kNineXAndNt, "256 couleurs", "1.40", "120 FF ou 18,29 Euros",
     "Le ciel de n'importe quel lieu de la Terre, à la date et à l'heure de votre choix : "
     "plus de 9000 étoiles, les constellations avec leurs noms et leurs figures, les "
     "planètes, la Lune et ses phases. Suivez le mouvement des astres en accéléré, "
     "cherchez un objet par son nom et imprimez une carte du ciel pour vos soirées "
     "d'observation."},

    {{"Command7", "Atelier Glyvane", IDI_GLYVANE},
     "Glyvane", kNineXAndNt, "", "3.20", "50 FF ou 7,62 Euros",
     "Glyvane montre tous les caractères des polices installées ou des fichiers de "
     "polices d'un dossier, avec le code ALT qui tape chacun, copie les caractères "
     "choisis, installe les polices et imprime tables de caractères, listes de polices "
     "et feuilles d'exemples."},

    {{"Command16", "Awélé", IDI_AWELE},
     "Awélé", kNineXAndNt, "", "1.30", kFree,
     "Le célèbre jeu de semailles africain, à deux joueurs ou contre l'ordinateur. À tour "
     "de rôle, chacun prend les graines d'une de ses six cases et les sème une à une dans "
     "les cases suivantes ; quand la dernière graine porte une case adverse à deux ou "
     "trois graines, il les capture. L'ordinateur joue à trois niveaux, du débutant au "
     "redoutable."},

    {{"Command17", "Bataille Navale", IDI_BATAILLE_NAVALE},
     "Bataille Navale", kNineXAndNt, "800 x 600", "1.12", kFree,
     "Placez votre flotte sur la grille et coulez celle de l'ordinateur avant qu'il ne "
     "coule la vôtre : porte-avions, croiseur, sous-marins et torpilleurs, selon la règle "
     "que tout le monde connaît. Les deux grilles s'affichent côte à côte, d'où l'écran "
     "de 800 x 600 que demande le jeu, et chaque tir est ponctué de son bruitage."},

    {{"Command6", "Belote", IDI_BELOTE},
     "Belote", kNineXAndNt, "", "3.01", "80 FF ou 12,20 Euros",
     "La belote à quatre, classique ou coinchée : l'ordinateur tient votre partenaire et "
     "vos deux adversaires. Annonces, belote et rebelote, capot et dix de der sont "
     "comptés d'eux-mêmes, la feuille de marque se tient toute seule jusqu'à 1000 ou "
     "2000 points, et vous pouvez revoir chaque pli d'une donne terminée."},

    {{"Command5", "Biorythmes", IDI_BIORYTHMES},
     "Biorythmes", kNineXAndNt, "", "1.00", kFree,
     "Calcule et trace vos trois cycles biorythmiques, physique (23 jours), émotionnel "
     "(28 jours) et intellectuel (33 jours), à partir de votre date de naissance. "
     "Affichez un mois entier, repérez d'un coup d'œil les jours critiques et comparez "
     "vos courbes avec celles d'un proche."},

    {{"Command11", "Budget", IDI_BUDGET},
     "Budget Familial", kNineXAndNt, "", "4.02", "150 FF ou 22,87 Euros",
     "Budget Familial tient les comptes de la maison sans effort. Saisissez vos recettes "
     "et vos dépenses comme sur le talon d'un carnet de chèques, classez-les par postes "
     "(logement, alimentation, voiture, loisirs, impôts...) et le programme fait le "
     "reste : le solde de chaque compte, le rapprochement avec vos relevés bancaires, les "
     "opérations qui reviennent chaque mois comme le loyer ou les prélèvements "
     "automatiques, des prévisions pour les mois à venir et des graphiques en camembert "
     "ou en barres pour voir où part l'argent. Vous suivez plusieurs comptes et plusieurs "
     "années à la fois. Les montants se saisissent en francs ou en euros, la conversion "
     "se fait d'elle-même au taux officiel, et tout s'imprime proprement pour votre "
     "classeur ou votre comptable."},

    {{"Command13", "Calculette", IDI_CALCULETTE},
     "Calculette Euro", kNineXAndNt, "", "1.50", kFree,
     "Une calculatrice de bureau qui convertit d'une touche les francs en euros et les "
     "euros en francs, au taux officiel de 6,55957 francs pour un euro. Elle garde la "
     "bande de vos calculs, que vous pouvez imprimer ou copier dans un autre programme, "
     "et peut rester au premier plan pendant que vous tapez vos factures."},

    {{"Command9", "Carnet d'adresses", IDI_CARNET},
     "Carnet d'adresses", kNineXAndNt, "", "2.25", "75 FF ou 11,43 Euros",
     "Toutes vos adresses dans un carnet qui ressemble à celui de votre bureau, avec ses "
     "onglets de A à Z : noms, adresses, téléphones, fax et adresses électroniques. "
     "Retrouvez une fiche en tapant les premières lettres d'un nom, imprimez des "
     "étiquettes pour vos enveloppes ou un répertoire au format de poche, et composez un "
     "numéro par le modem."},

    {{"Command10", "Casse-Briques", IDI_CASSE_BRIQUES},
     "Casse-Briques", kNineX, "", "2.02", "70 FF ou 10,67 Euros",
     "Renvoyez la balle avec votre raquette et cassez toutes les briques du tableau. "
     "Cinquante tableaux, des briques qui résistent à plusieurs coups, des bonus qui "
     "allongent la raquette ou multiplient les balles, et un éditeur pour dessiner les "
     "vôtres. Le jeu s'appuie sur DirectX 5 pour un mouvement fluide et ne fonctionne "
     "donc pas sous Windows NT."},

    {{"Command4", "Cavalier", IDI_CAVALIER},
     "Cavalier", kNineXAndNt, "", "1.01", kFree,
     "Le problème du cavalier : parcourez toutes les cases de l'échiquier avec le "
     "cavalier des échecs, sans jamais passer deux fois par la même. Choisissez un "
     "échiquier de 5 x 5 à 10 x 10 cases, demandez un indice quand vous êtes bloqué ou "
     "laissez l'ordinateur trouver une solution sous vos yeux."},

    {{"Command14", "CD Jaquettes", IDI_CD_JAQUETTES},
     "CD Jaquettes", kNineXAndNt, "", "2.40", "100 FF ou 15,24 Euros",
     "Créez et imprimez les jaquettes de vos disques compacts : la face avant, le livret "
     "et le dos du boîtier avec ses deux tranches, aux bonnes dimensions et avec leurs "
     "traits de coupe. Le programme lit la liste des morceaux du CD audio placé dans le "
     "lecteur, accepte vos images en fond et propose une vingtaine de modèles prêts à "
     "l'emploi."},
}};

// The maker's CD of all its programs: shown last, with no detail behind it.
constexpr CatalogueButton kCdOrvex = {"Command8", "CD Orvex", IDI_CD_ORVEX};

std::array<CatalogueButton, kGridButtonCount> BuildGrid() {
  std::array<CatalogueButton, kGridButtonCount> buttons{};
  for (size_t i = 0; i < kEntries.size(); ++i) buttons[i] = kEntries[i].button;
  buttons.back() = kCdOrvex;
  return buttons;
}

}  // namespace

const std::array<CatalogueEntry, kEntryCount>& CatalogueEntries() { return kEntries; }

const std::array<CatalogueButton, kGridButtonCount>& GridButtons() {
  static const std::array<CatalogueButton, kGridButtonCount> buttons = BuildGrid();
  return buttons;
}

const CatalogueEntry* EntryOfButton(std::string_view name) {
  for (const CatalogueEntry& entry : kEntries) {
    if (name == entry.button.name) return &entry;
  }
  return nullptr;
}

}  // namespace glyvane
