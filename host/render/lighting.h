// How the PNG preview and the chart page light a chart: one set of constants, read by the rasteriser and written into
// each page's settings, so both show the same colours.
//
// Light adds up in linear values: a surface's display colour is converted to linear (core::SrgbToLinear), multiplied
// by the light it receives, and encoded to sRGB for the screen or the file. The diffuse light is an ambient share that
// reaches every surface, plus a key light and a weaker fill light, each times the cosine of its angle to the side of
// the surface that faces the viewer (none when that side faces away from it); on top comes a mild white highlight of
// both lights. That is what three.js's Phong material does with an ambient and two directional lights. The key light
// sits well above and to the left of the camera, the fill light to its right and a little below; both turn with the
// camera. Saturated colours hardly change in brightness as the light falls off near its peak, so diffuse light
// alone draws a gradient-coloured surface flat: the key light's slant darkens the slopes that turn away from it,
// the highlight marks how the surface curves, and the fill light keeps the slopes it does not reach from sinking
// into the ambient share, so that their colours stay recognisable and match the colour key. Lines and points are
// not lit: they show their colour.
#ifndef SURFAX_HOST_RENDER_LIGHTING_H
#define SURFAX_HOST_RENDER_LIGHTING_H

#include <cmath>

namespace surfax::render
{
/// The share of each colour that every surface receives, and the key light's share at a right angle to it. Together
/// 1: a surface that faces the key light shows its own colour (the fill light reaches it only at a grazing angle).
constexpr float kAmbientLight = 0.15f;
constexpr float kKeyLight = 0.85f;
/// The fill light's share at a right angle to it.
constexpr float kFillLight = 0.25f;

/// The lights' directions from the chart, in the camera's axes per unit towards the camera: this far to its right
/// (negative: left) and up. The two are more than a right angle apart.
constexpr float kKeyLightRight = -1.5f;
constexpr float kKeyLightUp = 1.5f;
constexpr float kFillLightRight = 0.8f;
constexpr float kFillLightUp = -0.5f;

/// The light a surface receives whose normal, turned to face the viewer, makes these cosines with the key and the
/// fill light.
inline float SurfaceLight(float keyCosine, float fillCosine)
{
	return kAmbientLight + kKeyLight * (keyCosine > 0.0f ? keyCosine : 0.0f) +
	       kFillLight * (fillCosine > 0.0f ? fillCosine : 0.0f);
}

/// A mild specular reflection of both lights, white highlights that show how the surface curves: its strength at
/// normal incidence (f0, a little above a dielectric's) and its shininess (the power of N.H; SpecularLight squares
/// its way there, so it stays 16).
constexpr float kSpecular = 0.06f;
constexpr float kShininess = 16.0f;

/// The white light one light of this intensity adds by reflecting towards the viewer, as three.js's Phong material
/// computes it: normalised Blinn-Phong, intensity * N.L * F * (shininess / 2 + 1) / 4 * N.H^shininess, with Schlick's
/// Fresnel term in three.js's spherical-Gaussian form, F = f0 (1 - f) + f, f = 2^((-5.55473 V.H - 6.98316) V.H).
/// None when N.L or N.H is not positive.
inline float SpecularLight(float intensity, float nDotL, float nDotH, float vDotH)
{
	if (!(nDotL > 0.0f) || !(nDotH > 0.0f))
		return 0.0f;
	const float h2 = nDotH * nDotH, h4 = h2 * h2, h8 = h4 * h4, h16 = h8 * h8; // N.H^kShininess
	const float vh = vDotH > 0.0f ? (vDotH < 1.0f ? vDotH : 1.0f) : 0.0f;
	const float f = std::exp2((-5.55473f * vh - 6.98316f) * vh);
	const float fresnel = kSpecular * (1.0f - f) + f;
	return intensity * nDotL * fresnel * (kShininess * 0.5f + 1.0f) * 0.25f * h16;
}
} // namespace surfax::render

#endif
