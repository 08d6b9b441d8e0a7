// Entry glue: filled in with the SDK surface.
