enum { BARE_VALUE = 3000 };
