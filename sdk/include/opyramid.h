#ifndef OPYRAMID_H__
#define OPYRAMID_H__
enum
{
	PRIM_PYRAMID_LEN = 1220,
	PRIM_PYRAMID_SUB = 1221,
};
#endif
