#pragma once

// A plain grey first screen until the title screen exists.
void enterBlankScreen();
