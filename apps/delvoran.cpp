#include "engine/moteur.hpp"
#include "packs/main/pack.hpp"

int main(int argc, char** argv) { return vse::delvoran(vse::principal::pack, argc, argv); }
