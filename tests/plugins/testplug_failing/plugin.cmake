# A plug-in whose PluginStart registers a type and then fails, for the loader's clean-up after a failed start.
set(TEST_PLUGIN_NAME testplug_failing)
set(TEST_PLUGIN_MIN_VERSION 2024000)
