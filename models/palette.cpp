#include "models/palette.h"

#include <GL/gl.h>

MaterialSet lightSkinMaterial;
MaterialSet darkSkinMaterial;
MaterialSet blueMaterial;
MaterialSet greenMaterial;
MaterialSet redMaterial;
MaterialSet whiteMaterial;
MaterialSet blackMaterial;
MaterialSet leatherMaterial;
MaterialSet darkGreyMaterial;
MaterialSet glowWhiteMaterial;
MaterialSet goldMaterial;

float darkShininess = 0.0f;
float ballShininess = 0.0f;
float darkGreyShininess = 0.0f;

namespace {

constexpr float darkShininessValue = 15.0f;
constexpr float ballShininessValue = 90.0f;
constexpr float darkGreyShininessValue = 30.0f;
constexpr float goldShininessValue = 60.0f;

// emission, diffuse, ambient, specular (RGBA), shininess
constexpr MaterialSet lightSkinValues{{0.6f, 0.3f, 0.3f, 1},
                                      {0.6f, 0.3f, 0.3f, 1},
                                      {0.6f, 0.3f, 0.3f, 1},
                                      {0.6f, 0.3f, 0.3f, 1},
                                      usualShininess};
constexpr MaterialSet darkSkinValues{{0.2f, 0.15f, 0.1f, 1},
                                     {0.2f, 0.15f, 0.1f, 1},
                                     {0.2f, 0.15f, 0.1f, 1},
                                     {0.2f, 0.15f, 0.1f, 1},
                                     usualShininess};
constexpr MaterialSet blueValues{
    {0, 0, 0.1f, 1}, {0, 0, 0.6f, 1}, {0, 0, 1, 1}, {0, 0, 1, 1}, usualShininess};
constexpr MaterialSet greenValues{
    {0, 0.1f, 0, 1}, {0, 0.6f, 0, 1}, {0, 1, 0, 1}, {0, 1, 0, 1}, usualShininess};
constexpr MaterialSet redValues{
    {0.1f, 0, 0, 1}, {0.6f, 0, 0, 1}, {1, 0, 0, 1}, {1, 0, 0, 1}, usualShininess};
constexpr MaterialSet whiteValues{
    {0.2f, 0.2f, 0.2f, 1}, {0.5f, 0.5f, 0.5f, 1}, {1, 1, 1, 1}, {1, 1, 1, 1}, usualShininess};
constexpr MaterialSet blackValues{{0.02f, 0.02f, 0.02f, 1},
                                  {0.02f, 0.02f, 0.02f, 1},
                                  {0.02f, 0.02f, 0.02f, 1},
                                  {0.02f, 0.02f, 0.02f, 1},
                                  darkShininessValue};
constexpr MaterialSet leatherValues{{0.5f, 0.3f, 0.2f, 1},
                                    {0.5f, 0.3f, 0.2f, 1},
                                    {0.5f, 0.3f, 0.2f, 1},
                                    {0.5f, 0.3f, 0.2f, 1},
                                    usualShininess};
constexpr MaterialSet darkGreyValues{{0.2f, 0.2f, 0.2f, 1},
                                     {0.2f, 0.2f, 0.2f, 1},
                                     {0.1f, 0.1f, 0.1f, 1},
                                     {0.1f, 0.1f, 0.1f, 1},
                                     darkGreyShininessValue};
constexpr MaterialSet glowWhiteValues{
    {1, 1, 1, 1}, {1, 1, 1, 1}, {1, 1, 1, 1}, {1, 1, 1, 1}, usualShininess};
// A glow of its own, so that the cup shines even at the edge of the cup hall's spot.
constexpr MaterialSet goldValues{{0.3f, 0.22f, 0.02f, 1},
                                 {0.8f, 0.6f, 0.1f, 1},
                                 {0.4f, 0.3f, 0.05f, 1},
                                 {1, 0.9f, 0.5f, 1},
                                 goldShininessValue};

} // namespace

void fillMaterialPalette() {
    lightSkinMaterial = lightSkinValues;
    darkSkinMaterial = darkSkinValues;
    blueMaterial = blueValues;
    greenMaterial = greenValues;
    redMaterial = redValues;
    whiteMaterial = whiteValues;
    blackMaterial = blackValues;
    leatherMaterial = leatherValues;
    darkGreyMaterial = darkGreyValues;
    glowWhiteMaterial = glowWhiteValues;
    goldMaterial = goldValues;
    darkShininess = darkShininessValue;
    ballShininess = ballShininessValue;
    darkGreyShininess = darkGreyShininessValue;
}

void setMaterial(const float* emission, const float* diffuse, const float* ambient,
                 const float* specular, float shininess) {
    glMaterialfv(GL_FRONT, GL_AMBIENT, ambient);
    glMaterialfv(GL_FRONT, GL_DIFFUSE, diffuse);
    glMaterialfv(GL_FRONT, GL_SPECULAR, specular);
    glMaterialf(GL_FRONT, GL_SHININESS, shininess);
    glMaterialfv(GL_FRONT, GL_EMISSION, emission);
}

void applyMaterial(const MaterialSet& material) {
    applyMaterial(material, material.shininess);
}

void applyMaterial(const MaterialSet& material, float shininess) {
    setMaterial(material.emission, material.diffuse, material.ambient, material.specular,
                shininess);
}
