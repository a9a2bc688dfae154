// Holds the test programs' precompiled header; does nothing.
int main() { return 0; }
