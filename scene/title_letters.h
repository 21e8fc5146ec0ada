#pragma once

// The title's four block letters, each in a cell 1.0 high (y 0 down to -1) and about 0.6
// wide whose top-left front corner is the origin, 0.3 deep (z -0.3 to 0).

void drawTitleLetterR(); // blue
void drawTitleLetterU(); // red
void drawTitleLetterK(); // blue
void drawTitleLetterO(); // red
