#include "tools/explique/explique.hpp"

int main(int argc, char** argv) { return vse::explique::commande(argc, argv); }
