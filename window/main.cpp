#include <cstdio>
int main() { std::fputs("imc: the window is not built yet\n", stderr); return 1; }
