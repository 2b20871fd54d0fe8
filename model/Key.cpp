#include "model/Key.h"

#include <iostream>

namespace {
const char kRule[] = "-------------------------------------";
}

void Key::dump() const {
    std::cout << "Punto1" << std::endl;
    point1.dump();
    std::cout << "Punto2" << std::endl;
    point2.dump();
    std::cout << kRule << std::endl;
    std::cout << "Tama\xF1o: " << size << std::endl;
    std::cout << "Virtual Key:" << static_cast<char>(virtualKey) << std::endl;
    std::cout << kRule << std::endl;
}
