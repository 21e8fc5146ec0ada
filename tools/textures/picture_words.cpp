#include "tools/textures/pictures.h"

// "\xB7" is the middle dot, "\xC9" the E with acute accent: the lettering is ISO 8859-1.
const PictureWords frenchWords = {
    "CLUB DE BOXE",
    "\xB7 FOND\xC9 EN 1987 \xB7",
    "AMICAL",
    "CLUB DE BOXE RUKO \xB7 DEPUIS 1987",
    {"COUPE", "TAVELIN"},
    "COUPE TAVELIN \xB7 FINALE",
    "GRAND COMBAT",
    "SAMEDI 20H \xB7 SALLE RUKO",
    "12 ROUNDS \xB7 ENTR\xC9"
    "E 10 F",
    "COUPE TAVELIN",
    "FINALE",
    "RADOV EZE BLACK  contre  DIDA VUD",
    "DIMANCHE 15H \xB7 PALAIS DES SPORTS",
    "ALLEZ RUKO !",
};

// As the menus say them: the "Tavelin Cup", the "Friendly" club room.
const PictureWords englishWords = {
    "BOXING CLUB",
    "\xB7 FOUNDED 1987 \xB7",
    "FRIENDLY",
    "RUKO BOXING CLUB \xB7 SINCE 1987",
    {"TAVELIN", "CUP"},
    "TAVELIN CUP \xB7 FINAL",
    "BIG FIGHT",
    "SAT. 8 PM \xB7 RUKO HALL",
    "12 ROUNDS \xB7 ADMISSION 10 F",
    "TAVELIN CUP",
    "FINAL",
    "RADOV EZE BLACK  versus  DIDA VUD",
    "SUNDAY 3 PM \xB7 SPORTS PALACE",
    "GO RUKO GO!",
};
