// Placeholder until the host stand-in lands.
int vxhostPlaceholder() { return 0; }
