#include "engine/moteur.hpp"
#include "packs/d/pack.hpp"

int main(int argc, char** argv) { return vse::delvoran(vse::d::pack, argc, argv); }
