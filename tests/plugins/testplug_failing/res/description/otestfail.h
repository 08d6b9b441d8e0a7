#ifndef OTESTFAIL_H__
#define OTESTFAIL_H__

enum
{
	TESTFAIL_SIZE = 1000
};

#endif
