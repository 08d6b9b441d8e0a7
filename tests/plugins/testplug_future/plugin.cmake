# The same plug-in, built to require a host newer than any this project reports.
set(TEST_PLUGIN_NAME testplug_future)
set(TEST_PLUGIN_MIN_VERSION 2099000)
