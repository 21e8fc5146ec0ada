#include "text/words.h"

#include "input/settings.h"

namespace {

// In the order of Word; French first, as the game was written.
constexpr const char* words[wordCount][languageCount] = {
    {"CHOISIR UN MODE DE JEUX", "CHOOSE A GAME MODE"},
    {"COMBAT", "FIGHT"},
    {"ENTRAINEMENT", "TRAINING"},
    {"CHOISIR UN ADVERSAIRE", "CHOOSE AN OPPONENT"},
    {"Radov Eze", "Radov Eze"},
    {"Radov Eze Black", "Radov Eze Black"},
    {"Dida Vud", "Dida Vud"},
    {"CHOISIR UN DECOR", "CHOOSE AN ARENA"},
    {"Amical", "Friendly"},
    {"Coupe Tavelin", "Tavelin Cup"},
    {"CHOISIR UN ENTRAINEMENT", "CHOOSE A WORKOUT"},
    {"Sac de Frappe", "Punch Bag"},
    {"Punching Ball", "Punching Ball"},
    {"By Tavelin", "By Tavelin"},
    {"APPUYER SUR ENTREE", "PRESS ENTER"},
    {"APPUYER SUR ECHAP", "PRESS ESCAPE"},
    {"KO", "KO"},
    {"POINT", "POINTS"},
    {"POURCENTAGE", "ACCURACY"},
    {"", "%"},
    {"EXCELLENT", "EXCELLENT"},
    {"MOYEN", "AVERAGE"},
    {"OU LE GROS MAUVAIS", "BOO, YOU BIG SOFTIE"},
    {"DEMO", "DEMO"},
    {"REPLAY", "REPLAY"},
    {"Lumiere blanche on/off", "White light on/off"},
    {"Plein ecran", "Full screen"},
    {"Mode fil de fer", "Wireframe"},
    {"Mode normale", "Filled"},
    {"Quitter", "Quit"},
    {"DEFI", "CHALLENGE"},
    {"VICTOIRES", "WINS"},
    {"DEFAITES", "LOSSES"},
    {"NULS", "DRAWS"},
    {"KO RAPIDE", "FASTEST KO"},
    {"ENDURANCE", "STAMINA"},
    {"REPRISE", "ROUND"},
    {"REPOS", "REST"},
    {"MODE FACILE", "LEVEL: EASY"},
    {"MODE NORMAL", "LEVEL: NORMAL"},
    {"MODE DIFFICILE", "LEVEL: HARD"},
    {"COUPS PORTES", "PUNCHES LANDED"},
    {"COUPS RECUS", "BLOWS TAKEN"},
    {"PROCHAINE REPRISE", "NEXT ROUND"},
    {"DECISION", "DECISION"},
    {"VICTOIRE", "YOU WIN"},
    {"DEFAITE", "YOU LOSE"},
    {"MATCH NUL", "DRAW"},
    {"JUGES", "CARDS"},
    {"GARDE : %s, UN INSTANT, AMORTIT LES COUPS", "GUARD: %s, BRIEFLY, SOFTENS BLOWS"},
    {"DIRECT : DE COTE %s %s OU TOURNER %s %s", "STRAIGHT: SIDE-STEP %s %s OR CIRCLE %s %s"},
    {"CROCHET : SE BAISSER %s", "HOOK: DUCK %s"},
    {"UPPERCUT : RECULER %s", "UPPERCUT: STEP BACK %s"},
    {"DEBOUT : %s ET %s TOUR A TOUR", "GET UP: %s AND %s IN TURN"},
    {"CONTRE : %s %s QUAND SON COUP MANQUE", "COUNTER: %s %s AS ITS BLOW MISSES"},
    {"HAUT", "UP"},
    {"BAS", "DOWN"},
    {"GAUCHE", "LEFT"},
    {"DROITE", "RIGHT"},
    {"VICTOIRE DE %s PAR KO", "%s WINS BY KNOCK-OUT"},
    {"3 CHUTES : KO", "THIRD KNOCKDOWN: KNOCKED OUT"},
    {"COMPTE JUSQU'A 10 : KO", "COUNTED OUT: KNOCKED OUT"},
    {"VICTOIRE PAR KO", "YOU WIN BY KNOCK-OUT"},
    {"PAUSE", "PAUSED"},
    {"CIRCUIT", "CIRCUIT"},
    {"LE CIRCUIT", "THE CIRCUIT"},
    {"BATTU", "BEATEN"},
    {"PROCHAIN", "NEXT"},
    {"COMBAT POUR LE TITRE", "TITLE FIGHT"},
    {"ENTREE : COMBATTRE", "ENTER: FIGHT"},
    {"ENTREE : NOUVEAU CIRCUIT", "ENTER: NEW CIRCUIT"},
    {"CHAMPION", "CHAMPION"},
    {"TEMPS DU CIRCUIT", "CIRCUIT TIME"},
    {"COMBATS", "FIGHTS"},
    {"MEILLEUR TEMPS", "BEST TIME"},
    {"CHAMPION DU CIRCUIT", "CIRCUIT CHAMPION"},
};

} // namespace

const char* word(Word which, Language language) {
    return words[static_cast<int>(which)][static_cast<int>(language)];
}

const char* word(Word which) {
    return word(which, settingsInEffect.language);
}
