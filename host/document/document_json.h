// Documents as JSON: the time settings and the object tree with each object's state, parameters, tags and children.
//
//   {"fps": 30, "frame": 0, "minFrame": 0, "maxFrame": 90, "objects": [OBJECT, ...]}
//   OBJECT = {"type": ..., "name": ..., "enabled": ..., "folded": ..., "editorMode": ..., "renderMode": ...,
//             "position": [x, y, z], "rotation": [h, p, b], "colorProperties": {...}, "params": {...},
//             "tags": [...], "points": [...], "polygons": [...], "segments": [...], "splineType": ...,
//             "children": [OBJECT, ...]}
//
// Every key but "type" is optional; a missing one keeps what the object has after allocation (Init's defaults, the
// type's name, enabled, visibility "default", ...). "type" is a host name ("Onull"), a plug-in's description name
// ("o3dplot") or a numeric id. Rotation is in radians. Visibility modes are "on", "off" or "default". Parameters,
// tags and geometry are written as the dump writes them (node_json.h, param_json.h); "points" belong to polygon
// objects and splines, "polygons" to polygon objects, "segments" and "splineType" to splines. Unknown keys, types
// and parameter symbols are errors, as is a value that does not fit its parameter's type, a key given twice in one
// object and a number too large for a double (1e400). Numbers that JSON cannot hold are the strings "nan", "inf" and
// "-inf", in any case, here and in --set alike (param_json.h). A parameter may also be
// named by its numeric id; an id the description does not declare is read untyped, because a plug-in may keep
// values of its own in the container and a saved document must load again.
//
// Saving writes every key in the order above, so that loading a saved document and saving it again gives the same
// bytes. Generator caches are not saved: they are rebuilt by evaluation.
#ifndef SURFAX_HOST_DOCUMENT_DOCUMENT_JSON_H
#define SURFAX_HOST_DOCUMENT_DOCUMENT_JSON_H

#include "c4d.h"
#include "host/json/json_error.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace surfax::io
{
constexpr std::size_t kMaxDocumentBytes = std::size_t(256) * 1024 * 1024;
// Depth of the object tree (top-level objects are at depth 1).
constexpr int kMaxObjectNesting = 64;
constexpr int kMaxFps = 1000;

/// Builds a document from JSON text. Object types come from the registry, so plug-ins are loaded first. Returns a
/// new document that the caller frees with BaseDocument::Free, or null with error set: the JSON path of the
/// offending value ("objects[0].params.PLOT_RESOLUTION: expected an integer"), or line and column when the text is
/// not JSON.
cinema::BaseDocument* LoadDocumentJson(std::string_view text, JsonError& error);

/// LoadDocumentJson on the contents of a file. A file that cannot be read or is larger than kMaxDocumentBytes is an
/// error without a path.
cinema::BaseDocument* LoadDocumentFile(const std::string& path, JsonError& error);

/// The document as JSON text (ending in a newline). Objects nested deeper than kMaxObjectNesting are written too, but
/// the text does not load again; SaveDocumentFile refuses such a document.
std::string SaveDocumentJson(const cinema::BaseDocument& doc);

/// Depth of the deepest object of the document (top-level objects are at depth 1; 0 without objects).
int ObjectNesting(const cinema::BaseDocument& doc);

/// Writes SaveDocumentJson(doc) to a file through core::OutputFile, so a failure leaves the old file untouched.
/// False with a message that starts with the path ("out.json: cannot be written (No space left on device)") when
/// the file cannot be written or the tree is too deep to load again.
bool SaveDocumentFile(const cinema::BaseDocument& doc, const std::string& path, std::string& error);
} // namespace surfax::io

#endif
