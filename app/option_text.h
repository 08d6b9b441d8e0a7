// The texts of the plot command's options as a person types them: the frame range, the picture size, the camera,
// the background, the glTF unit scale, the PNG compression, the width of lines, the preview's on/off choices, the
// video quality and the orbit. Each reads the whole text with the core number reader (host/core/number_text.h) under
// the options its place accepts (tests/number_text_test.cpp pins them), and says what is wrong in a message the
// command line prints after the option's name.
#ifndef SURFAX_APP_OPTION_TEXT_H
#define SURFAX_APP_OPTION_TEXT_H

#include "host/render/rasterizer.h"
#include "host/render/video_writer.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace surfax::app
{
/// The most frames one --frames range may hold.
constexpr std::int64_t kMaxFrames = 100000;

/// Parses a frame number as --frame takes it: decimal digits with an optional '-' and nothing around them, in the
/// Int32 range. False with a message (a whole number out of range is named with the limits); `frame` is then
/// unchanged.
bool ParseFrame(std::string_view text, std::int32_t& frame, std::string& message);

/// Parses "A..B": frame numbers as ParseFrame reads them, A <= B, at most kMaxFrames frames. False with a message (a
/// frame out of range is named with the limits); first and last are then unchanged.
bool ParseFrameRange(std::string_view text, std::int32_t& first, std::int32_t& last, std::string& message);

/// Parses a preview size "WxH" (also "WXH"), each side decimal digits in 1..render::kMaxPreviewSide. False with a
/// message for anything else; width and height are then unchanged.
bool ParsePreviewSize(const std::string& text, int& width, int& height, std::string& message);

/// Parses "AZIMUTH,ELEVATION[,DISTANCE]": degrees as decimal numbers with an optional '+' (azimuth any finite value,
/// elevation strictly between -90 and 90) and a positive distance in scene units. Without a distance the camera fits
/// the chart (distance 0). False with a message for anything else; `view` is then unchanged.
bool ParseViewAngles(const std::string& text, render::ViewAngles& view, std::string& message);

/// Parses a background: "transparent" (RGBA 0, 0, 0, 0), "#RRGGBB" or "RRGGBB" (opaque), "#RRGGBBAA", or one of
/// the names black, white, grey (also gray) and slate (the default), in any case. False with a message for anything
/// else; `rgba` is then unchanged.
bool ParseBackground(const std::string& text, std::uint8_t rgba[4], std::string& message);

/// Parses a positive size (--unit-scale, metres per scene unit; --wire-width, scene units): a number above 0 and
/// below 1e30, as strtod reads one (white space before it, a '+', hexadecimal "0x1p-3"; nothing after it). False
/// with a message; `value` is then unchanged.
bool ParsePositiveNumber(std::string_view text, double& value, std::string& message);

/// Parses --png-compression: a whole number from io::kMinPngCompression to io::kMaxPngCompression. False with a
/// message; `level` is then unchanged.
bool ParsePngCompression(std::string_view text, int& level, std::string& message);

/// Parses --line-width: a width in pixels above 0 and at most render::kMaxLineWidth, read as ParsePositiveNumber
/// reads a number. False with a message; `width` is then unchanged.
bool ParseLineWidth(std::string_view text, float& width, std::string& message);

/// Parses a choice "on" or "off" (--antialias, --color-key, --axis-names). False with a message for anything else;
/// `on` is then unchanged.
bool ParseOnOff(std::string_view text, bool& on, std::string& message);

/// Parses --video-quality: a whole number from render::kMinVideoQuality to render::kMaxVideoQuality (what it means to
/// each codec: render::QualityFor). False with a message; `quality` is then unchanged.
bool ParseVideoQuality(std::string_view text, int& quality, std::string& message);

/// Parses --orbit: the degrees the camera turns around the chart over the frames of --frames, a finite decimal number
/// with an optional sign (negative turns the other way). False with a message; `degrees` is then unchanged.
bool ParseOrbit(std::string_view text, double& degrees, std::string& message);
} // namespace surfax::app

#endif
