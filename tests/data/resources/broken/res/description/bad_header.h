enum
{
	BROKEN_A = 1000
	BROKEN_B = 1001
};
