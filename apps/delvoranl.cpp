#include "engine/moteur.hpp"
#include "packs/l/pack.hpp"

int main(int argc, char** argv) { return vse::delvoran(vse::l::pack, argc, argv); }
