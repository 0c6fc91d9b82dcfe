// Raster primitives: being written.
