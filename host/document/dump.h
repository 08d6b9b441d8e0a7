// The dump: what an evaluated document holds, as JSON on which tools and tests rely.
//
//   {"host": {"apiVersion": N},
//    "document": {"fps": N, "frame": N, "time": seconds, "minFrame": N, "maxFrame": N},
//    "objects": [NODE, ...]}
//   NODE = {"name": ..., "type": N, "typeName": "o3dplot", "enabled": bool, "folded": bool,
//           "editorMode": "on" | "off" | "default", "renderMode": ..., "position": [x, y, z], "rotation": [h, p, b],
//           "colorProperties": {"color": [r, g, b], "usecolor": N, "xray": bool}, "params": {...}, "tags": [...],
//           "points": ..., "polygons": ..., "segments": ..., "splineType": ..., "closed": ...,
//           "dimension": {"center": [x, y, z], "radius": [x, y, z]},
//           "cache": NODE or null, "draw": [...], "children": [NODE, ...]}
//
// "type" is the numeric type id and "typeName" the host name or the plug-in's description name. Rotation is in
// radians. "folded" is true unless the object is unfolded in the object manager (NBIT::OM1_FOLD set). Parameters,
// tags and geometry members are those of node_json.h ("points" and "polygons" for polygon objects; "points",
// "segments", "splineType" and "closed" for splines). "dimension" is the bounding box the object reports
// (BaseObject::GetDimension: a plug-in object's own GetDimension, else the box of its points or its cache's), centre
// and half sizes in the object's coordinates. "cache" is the generator's output as last built.
//
// "draw" is present only when drawings are given: per pass the object was drawn in, in drawing order,
//   {"pass": "object" | "handles", "result": "ok" | "skip" | "failure", "calls": [CALL, ...]}
//   CALL = {"pen": [r, g, b], "flags": N} | {"pointSize": F} | {"matrix": [[off], [v1], [v2], [v3]]} |
//          {"handle": [x, y, z], "type": N, "flags": N} | {"line": [[x, y, z], [x, y, z]], "flags": N} |
//          {"sphere": [x, y, z], "size": [x, y, z], "color": [r, g, b], "flags": N}
// and an empty list for objects that were not drawn (built-in objects, disabled objects, caches). A pen, point
// size or matrix appears only where it changes what is in force (the first of each always does), so every handle,
// line and sphere is drawn with the last pen, point size and matrix listed before it.
//
// Floats print so that they read back to the same double; the same document gives the same bytes.
#ifndef SURFAX_HOST_DOCUMENT_DUMP_H
#define SURFAX_HOST_DOCUMENT_DUMP_H

#include "c4d.h"
#include "host/draw/draw_recorder.h"
#include "host/json/json_writer.h"

#include <string>
#include <vector>

namespace surfax::io
{
// Depth of objects, children and caches together, beyond which the dump fails instead of recursing further.
constexpr int kMaxDumpNesting = 256;

struct DumpOptions
{
	// Recordings of draw::DrawDocument for the same document; null: no "draw" members. Not owned.
	const std::vector<draw::ObjectDrawing>* drawings = nullptr;
};

/// Writes the member "host": {"apiVersion": N} (the API version the host reports to plug-ins), which the dump and
/// the plug-in description of surfax-host describe --json begin with.
void WriteHostMember(JsonWriter& w);

/// Appends the dump of doc (ending in a newline) to out. False with a message when the tree is nested deeper than
/// kMaxDumpNesting (out then holds a partial text).
bool DumpDocument(const cinema::BaseDocument& doc, const DumpOptions& options, std::string& out, std::string& error);
} // namespace surfax::io

#endif
