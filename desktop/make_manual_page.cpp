// Writes the manual page kesto.1 when the program is installed: make_manual_page FILE PREFIX.

#include <fstream>
#include <iostream>

#include "kesto/batch/manual_page.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: make_manual_page FILE PREFIX\n";
        return 2;
    }
    std::ofstream out(argv[1], std::ios::binary);
    out << kesto::ManualPageText(argv[2]);
    out.close();
    if (!out) {
        std::cerr << "make_manual_page: cannot write " << argv[1] << "\n";
        return 1;
    }
    return 0;
}
