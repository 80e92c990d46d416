// Quorvel: starts the game. Everything else lives in the library the tests share.
int main() { return 0; }
