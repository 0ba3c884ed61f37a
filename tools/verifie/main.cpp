#include "tools/verifie/verifie.hpp"

int main(int argc, char** argv) { return vse::verifie::commande(argc, argv); }
