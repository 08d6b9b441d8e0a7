// A render unit that reaches up into the document layer: line 9 runs against the layers, the rest do not.
#include "host/render/preview.h"

#include "host/export/export_scene.h"
#include "host/image/image.h"
int table[2] = {1, 2}; const char* path = "a\\b;c]["; // characters that must not shift the line count
#define JOIN(a, b) \
	a##b
#include "host/document/dump.h"
