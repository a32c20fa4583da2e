#include <cstdio>

int main() {
    std::puts("Quintara: the game window is not built yet.");
    return 1;
}
