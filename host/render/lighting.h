// How the PNG preview and the chart page light a chart: one set of constants, read by the rasteriser and written into
// each page's settings, so both show the same colours.
//
// Light adds up in linear values: a surface's display colour is converted to linear (core::SrgbToLinear), multiplied
// by the light it receives, and encoded to sRGB for the screen or the file. The light is an ambient share that
// reaches every surface plus a key light times the cosine of its angle to the side of the surface that faces the
// viewer (none when that side faces away from it), which is what three.js's Lambert material does with an ambient
// and a directional light. The key light sits above and to the left of the camera and turns with it. Lines and
// points are not lit: they show their colour.
#ifndef SURFAX_HOST_RENDER_LIGHTING_H
#define SURFAX_HOST_RENDER_LIGHTING_H

namespace surfax::render
{
/// The share of each colour that every surface receives, and the key light's share at a right angle to it. Together
/// 1: a surface that faces the key light shows its own colour.
constexpr float kAmbientLight = 0.15f;
constexpr float kKeyLight = 0.85f;

/// The key light's direction from the chart, in the camera's axes per unit towards the camera: this far to its right
/// (negative: left) and up.
constexpr float kKeyLightRight = -0.45f;
constexpr float kKeyLightUp = 0.55f;

/// The light a surface receives whose normal, turned to face the viewer, makes this cosine with the key light.
inline float SurfaceLight(float cosine)
{
	return kAmbientLight + kKeyLight * (cosine > 0.0f ? cosine : 0.0f);
}
} // namespace surfax::render

#endif
