#include "model/KeyPoint.h"

#include <iostream>

void KeyPoint::dump() const { std::cout << "X: " << x << ", Y: " << y << std::endl; }
