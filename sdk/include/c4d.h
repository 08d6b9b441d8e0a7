// Umbrella header of the SDK.
#ifndef C4D_H__
#define C4D_H__

#include "ge_math.h"
#include "ge_prepass.h"
#include "c4d_string.h"
#include "c4d_file.h"
#include "c4d_basetime.h"
#include "c4d_gedata.h"
#include "c4d_basecontainer.h"
#include "lib_description.h"
#include "c4d_baselist.h"
#include "c4d_baseobject.h"
#include "c4d_basetag.h"
#include "c4d_basedocument.h"
#include "c4d_basedraw.h"
#include "c4d_basebitmap.h"
#include "c4d_memory.h"
#include "c4d_nodedata.h"
#include "c4d_objectdata.h"
#include "c4d_resource.h"
#include "c4d_plugin.h"
#include "c4d_general.h"
#include "c4d_gui.h"
#include "obase.h"
#include "lib_iconcollection.h"

#endif // C4D_H__
