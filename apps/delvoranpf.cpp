#include "engine/moteur.hpp"
#include "packs/pf/pack.hpp"

int main(int argc, char** argv) { return vse::delvoran(vse::pf::pack, argc, argv); }
