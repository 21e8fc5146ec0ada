#include "models/opponents.h"

#include "game/state.h"
#include "models/other_opponents.h"
#include "models/radov_eze.h"

bool isKnownOpponent(int opponent) {
    return opponent >= radovEze && opponent <= didaVud;
}

void drawOpponentModel(int opponent) {
    switch (opponent) {
    case radovEze:
        drawBouleMan();
        break;
    case radovEzeBlack:
        drawBouleManBlack();
        break;
    case didaVud:
        drawKingMan();
        break;
    default:
        break;
    }
}
