// Wavefront OBJ output of a collected scene, with a material library (.mtl) beside it when materials are needed.
//
// Each item is an `o` group: meshes as `v`/`vt`/`vn` and triangular `f` records, line strips as one two-point `l`
// record per segment (Blender's importer keeps only the first segment of a longer `l`; every reader reads pairs),
// points as `p`. Vertex colours use the common extension `v x y z r g b` (display colours, as OBJ readers take them;
// alpha is dropped). Texture coordinates are written with
// v flipped (1 - v), as OBJ counts v upwards. Materials: when any item takes its colour from the display colour or
// the neutral grey, a .mtl with one `newmtl` per distinct colour source (diffuse colour Kd) is written and every
// item names its material; a scene coloured only by vertex colours needs none. Coordinates as in ExportScene
// (right-handed, y up). Numbers in the C locale, shortest form that reads back to the same float; the bytes depend
// only on the scene and the material library's file name.
#ifndef SURFAX_HOST_EXPORT_OBJ_WRITER_H
#define SURFAX_HOST_EXPORT_OBJ_WRITER_H

#include "host/export/export_scene.h"

#include <string>

namespace surfax::io
{
/// The texts of both files. `mtl` is left empty when no material library is needed; otherwise `obj` refers to it
/// as `mtllib <mtlFileName>`. False with `error` only when memory runs out.
bool EncodeObj(const ExportScene& scene, const std::string& mtlFileName, std::string& obj, std::string& mtl,
               std::string& error);

/// Writes path and, when needed, the library beside it: same folder and stem, extension ".mtl" (for "a/chart.obj"
/// it is "a/chart.mtl"). False with `error` ("PATH: reason") when a file cannot be written; partly written files
/// are removed.
bool WriteObj(const std::string& path, const ExportScene& scene, std::string& error);

/// The path of the material library WriteObj writes for path.
std::string MaterialLibraryPath(const std::string& objPath);
} // namespace surfax::io

#endif
