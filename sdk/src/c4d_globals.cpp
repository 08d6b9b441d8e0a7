// SDK globals.
