#include <cstdio>

int main() {
    std::puts("Tablewise: the game windows are not built yet; there is nothing to show.");
    return 0;
}
