// A subsystem folder with no sources yet still gets its library, so that the
// link group stays the same as folders fill up.
