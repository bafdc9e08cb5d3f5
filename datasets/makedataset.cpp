// Writes a reproducible data set: `make_dataset SEED COUNT` prints COUNT comma-separated
// ints from 0 to 99999 on one line. std::mt19937's sequence is fixed by the standard, so a
// seed gives the same file everywhere.
#include <cstdlib>
#include <iostream>
#include <random>
#ifdef _WIN32
#include <fcntl.h>  // _O_BINARY
#include <io.h>     // _setmode
#endif

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: make_dataset SEED COUNT\n";
        return 1;
    }
#ifdef _WIN32
    _setmode(_fileno(stdout), _O_BINARY);  // the same bytes on every system: no CR before LF
#endif
    std::mt19937 random(static_cast<std::mt19937::result_type>(std::strtoul(argv[1], nullptr, 10)));
    const long count = std::strtol(argv[2], nullptr, 10);
    for (long i = 0; i < count; ++i) {
        if (i != 0) std::cout << ',';
        std::cout << random() % 100000;
    }
    std::cout << '\n';
}
