#include "setup/setup_words.h"

namespace {

// In the order of SetupWord; French first, as the game was written. The font has no accents.
constexpr const char* setupWords[static_cast<int>(SetupWord::count)][languageCount] = {
    {"REGLAGES DE RUKO", "RUKO SETTINGS"},
    {"LANGUE", "LANGUAGE"},
    {"FRANCAIS", "ENGLISH"},
    {"PLEIN ECRAN AU DEPART", "FULL SCREEN AT START"},
    {"OUI", "YES"},
    {"NON", "NO"},
    {"TAILLE DU TEXTE", "TEXT SIZE"},
    {"AUTO", "AUTO"},
    {"VOLUME", "VOLUME"},
    {"MANETTES", "PADS"},
    {"AUCUNE MANETTE", "NO PAD FOUND"},
    {"ESSAYER LA VIBRATION", "TRY THE RUMBLE"},
    {"ENREGISTRER", "SAVE"},
    {"JOUER", "PLAY"},
    {"QUITTER", "QUIT"},
    {"APPUYER SUR LA NOUVELLE TOUCHE (ECHAP : ANNULER)", "PRESS THE NEW KEY (ESCAPE: CANCEL)"},
    {"TOUCHE DEJA PRISE : %s", "KEY ALREADY TAKEN: %s"},
    {"CETTE TOUCHE NE PEUT PAS SERVIR", "THIS KEY CANNOT BE USED"},
    {"REGLAGES ENREGISTRES", "SETTINGS SAVED"},
    {"ENREGISTREMENT IMPOSSIBLE", "CANNOT SAVE"},
    {"FLECHES : CHOISIR  ENTREE : CHANGER", "ARROWS: CHOOSE  ENTER: CHANGE"},
    {"AUCUNE MANETTE BRANCHEE", "NO PAD PLUGGED IN"},
    {"CETTE MANETTE NE VIBRE PAS", "THIS PAD CANNOT RUMBLE"},
    {"TROP GRAND", "TOO LARGE"},
    {"ENREGISTREMENT IMPOSSIBLE : ON JOUE QUAND MEME", "CANNOT SAVE: PLAYING ANYWAY"},
    {"ENREGISTRER LES CHANGEMENTS AVANT DE PARTIR ?", "SAVE THE CHANGES BEFORE LEAVING?"},
    {"PARTIR SANS ENREGISTRER", "LEAVE WITHOUT SAVING"},
    {"RESTER", "STAY"},
    {"DEFI", "CHALLENGE"},
    {"FACILE", "EASY"},
    {"NORMAL", "NORMAL"},
    {"DIFFICILE", "HARD"},
    {"L'ADVERSAIRE RIPOSTE ET LE CIRCUIT S'OUVRE", "THE OPPONENT HITS BACK AND THE CIRCUIT OPENS"},
};

// In the order of Action.
constexpr const char* actionWords[actionCount][languageCount] = {
    {"COUP GAUCHE", "LEFT PUNCH"},
    {"COUP DROIT", "RIGHT PUNCH"},
    {"AVANCER", "STEP IN"},
    {"RECULER", "STEP BACK"},
    {"TOURNER A GAUCHE", "CIRCLE LEFT"},
    {"TOURNER A DROITE", "CIRCLE RIGHT"},
    {"REGARD PLUS HAUT", "EYE UP"},
    {"REGARD PLUS BAS", "EYE DOWN"},
    {"PAS A GAUCHE", "STEP LEFT"},
    {"PAS A DROITE", "STEP RIGHT"},
    {"L'ADVERSAIRE SE TOURNE", "OPPONENT TURNS"},
    {"GARDE (DEFI)", "GUARD (CHALLENGE)"},
    {"PAUSE", "PAUSE"},
};

} // namespace

const char* setupWord(SetupWord which, Language language) {
    return setupWords[static_cast<int>(which)][static_cast<int>(language)];
}

const char* actionWord(Action action, Language language) {
    return actionWords[static_cast<int>(action)][static_cast<int>(language)];
}
