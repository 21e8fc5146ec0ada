#pragma once

// The second and third opponents, built on the body of "Radov Eze" in the same model space
// (+Y up, facing +Z, the head centre at (0, 3, 0)).

// "Radov Eze Black": "Radov Eze" with the dark skin. Leaves blueMaterial current.
void drawBouleManBlack();

// "Dida Vud": the same head and limbs on a polygonal trunk, in green gear, with its own
// shoulder and hip joints. Leaves greenMaterial current.
void drawKingMan();

// Dida Vud's bare trunk, its top face in the plane y = 0 of the neck base, in the current
// material. The bottom is open: the shorts close it.
void drawKingManTorso();

// The two pectoral wedges, the first at the current origin, in the current material.
void drawKingManChest();
