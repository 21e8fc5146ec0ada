#pragma once

#include "tools/art/lettering.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// A picture painted at a finer resolution and averaged down, so every edge is smooth.
// Coordinates are in pixels of the final picture, x to the right, y downward.

struct Rgb {
    float r, g, b;
};
Rgb mix(Rgb a, Rgb b, float t);
Rgb shadeBy(Rgb c, float factor);
Rgb hexColour(std::uint32_t rgb);

struct Canvas {
    int width = 0;
    int height = 0;
    int fineness = 1; // fine pixels per picture pixel, each way
    std::vector<Rgb> fine;
};
Canvas makeCanvas(int width, int height, int fineness = 3);

// The finished picture: R, G, B bytes, top row first.
std::vector<std::uint8_t> finishPicture(const Canvas& canvas);

using Shader = std::function<Rgb(float x, float y, Rgb under)>;
using Inside = std::function<bool(float x, float y)>;

// Repaints every fine pixel of the box where `inside` holds (everywhere when it is empty).
void paintRegion(Canvas& canvas, float left, float top, float right, float bottom,
                 const Inside& inside, const Shader& shader);
void paintAll(Canvas& canvas, const Shader& shader);
Shader flat(Rgb colour, float opacity = 1.0f);
// From `top` at y = fromY to `bottom` at fromY + span, held beyond both ends.
Shader verticalGradient(Rgb top, Rgb bottom, float fromY, float span);

void fillRect(Canvas& canvas, float left, float top, float right, float bottom, const Shader& s);
void fillEllipse(Canvas& canvas, float cx, float cy, float rx, float ry, const Shader& s);
void fillRoundedRect(Canvas& canvas, float left, float top, float right, float bottom, float radius,
                     const Shader& s);
void fillPolygon(Canvas& canvas, const std::vector<float>& xy, const Shader& s);
void strokeLine(Canvas& canvas, float x1, float y1, float x2, float y2, float width,
                const Shader& s);

// Deterministic noise from 0 to 1: one value per integer cell, and a smooth blend of them.
float hashNoise(int x, int y, int seed);
float smoothNoise(float x, float y, int seed);

// A line of lettering, centred on `centreX`, its baseline at `baselineY`.
struct Lettering {
    const char* font = sansBoldFont;
    float size = 20;       // pixel size of the type
    float condense = 1.0f; // below 1 narrows the letters
    float tracking = 0.0f; // extra pixels between letters
    Shader fill = flat({1, 1, 1});
    float outline = 0.0f; // pixels of outline round the letters
    Rgb outlineColour = {0, 0, 0};
    float shadowOffset = 0.0f; // a drop shadow down and right
    float shadowOpacity = 0.6f;
};
void drawLettering(Canvas& canvas, const Lettering& style, const std::string& text, float centreX,
                   float baselineY);
