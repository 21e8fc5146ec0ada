#pragma once

// The fixed material palette shared by every drawing: filled once at start-up, read after.

struct MaterialSet {
    float emission[4];
    float diffuse[4];
    float ambient[4];
    float specular[4];
    float shininess;
};

extern MaterialSet lightSkinMaterial;
extern MaterialSet darkSkinMaterial;
extern MaterialSet blueMaterial;
extern MaterialSet greenMaterial;
extern MaterialSet redMaterial;
extern MaterialSet whiteMaterial;
extern MaterialSet blackMaterial;
extern MaterialSet leatherMaterial;
extern MaterialSet darkGreyMaterial;
extern MaterialSet glowWhiteMaterial;
extern MaterialSet goldMaterial; // the champion's cup

// Shininess other than the usual 10 (black, the punching ball's leather, dark grey).
extern float darkShininess;
extern float ballShininess;
extern float darkGreyShininess;

inline constexpr float usualShininess = 10.0f;

void fillMaterialPalette();

// Sets ambient, diffuse, specular, shininess and emission, in that order, on GL_FRONT only.
void setMaterial(const float* emission, const float* diffuse, const float* ambient,
                 const float* specular, float shininess);

// setMaterial with the set's own colours and shininess.
void applyMaterial(const MaterialSet& material);

// setMaterial with the set's colours and another shininess.
void applyMaterial(const MaterialSet& material, float shininess);
