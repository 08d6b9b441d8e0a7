// The command line's words for a preview's view: the camera angles and the background colour.
#ifndef SURFAX_HOST_RENDER_VIEW_OPTIONS_H
#define SURFAX_HOST_RENDER_VIEW_OPTIONS_H

#include "host/render/rasterizer.h"

#include <cstdint>
#include <string>

namespace surfax::render
{
/// Parses "AZIMUTH,ELEVATION[,DISTANCE]": degrees as decimal numbers (azimuth any finite value, elevation strictly
/// between -90 and 90) and a positive distance in scene units. Without a distance the camera fits the chart
/// (distance 0). False with `error` for anything else; `view` is then unchanged.
bool ParseViewAngles(const std::string& text, ViewAngles& view, std::string& error);

/// Parses a background: "transparent" (RGBA 0, 0, 0, 0), "#RRGGBB" or "RRGGBB" (opaque), "#RRGGBBAA", or one of
/// the names black, white, grey (also gray) and slate (the default). False with `error` for anything else; `rgba`
/// is then unchanged.
bool ParseBackground(const std::string& text, std::uint8_t rgba[4], std::string& error);
} // namespace surfax::render

#endif
