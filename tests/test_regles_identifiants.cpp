// National identifier rules and the sender/centre coherence rule.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

#include "rules/coherence.hpp"
#include "rules/identifiants.hpp"
#include "rules/valautorise.hpp"

namespace vse {
namespace {

// The value is copied into a buffer of exactly its length, so that a rule
// reading past the terminating zero of a short value is caught by the
// address sanitizer.
int appel(pfVerif_t regle, const char* dependance, const std::string& champ, const Liste* liste,
          const Vue& vue = Vue{}) {
    auto buf = std::make_unique<char[]>(champ.size() + 1);
    std::memcpy(buf.get(), champ.c_str(), champ.size() + 1);
    return regle(vue, dependance, buf.get(), liste ? liste->v : nullptr, liste ? liste->n : Len0);
}

const std::string B12(12, ' ');
const std::string E12(12, '*');

// ---------------------------------------------------------------------------

struct CasDept {
    pfVerif_t regle;
    const char* nom;
    std::string champ;
    int attendu;
};

TEST(ReglesIdentConform, FamilleDepartementAvecTD) {
    const CasDept cas[] = {
        {fConform8, "8", "01234567    ", 1},
        {fConform8, "8", "20234567    ", 1},  // Corsica holdings keep the prefix 20
        {fConform8, "8", "98234567    ", 1},
        {fConform8, "8", "01234567   ", 0},  // three blanks
        {fConform8, "8", "01234567     ", 0},  // five blanks
        {fConform8, "8", "01234567   X", 0},
        {fConform8, "8", "0123456A    ", 0},
        {fConform8, "8", "2A234567    ", 0},
        {fConform8, "8", "00234567    ", 0},  // prefix outside the list
        {fConform8, "8", "96234567    ", 0},
        {fConform8, "8", "97034567    ", 0},
        {fConform8, "8", "97134567    ", 1},
        {fConform8, "8", "97234567    ", 1},
        {fConform8, "8", "97334567    ", 1},
        {fConform8, "8", "97434567    ", 1},
        {fConform8, "8", "97534567    ", 0},
        {fConform8, "8", "97634567    ", 1},
        {fConform8, "8", "97734567    ", 0},
        {fConform8, "8", "97A34567    ", 0},
        {fConform8, "8", "", 0},
        {fConform8, "8", "0", 0},
        {fConform8, "8", "97", 0},
        {fConform8, "8", "01234567", 0},
        {fConform8C, "8C", "01234567", 1},
        {fConform8C, "8C", "01234567XYZ", 1},
        {fConform8C, "8C", "97534567    ", 0},
        {fConform8C, "8C", "0123456", 0},
        {fConform10, "10", "0123456789  ", 1},
        {fConform10, "10", "9761234567  ", 1},
        {fConform10, "10", "9751234567  ", 0},
        {fConform10, "10", "0123456789 ", 0},
        {fConform10, "10", "0123456789   ", 0},
        {fConform10, "10", "01234567    ", 0},
        {fConform10, "10", "0123456789", 0},
        {fConform, "10 libre", "0123456789", 1},
        {fConform, "10 libre", "0123456789AB", 1},
        {fConform, "10 libre", "012345678", 0},
    };
    for (const auto& c : cas) {
        EXPECT_EQ(appel(c.regle, "", c.champ, &TD), c.attendu) << c.nom << " [" << c.champ << "]";
    }
}

TEST(ReglesIdentConform, LesPrefixesViennentDeLaListeDeLaLigne) {
    const tValAutorise seul[] = {"42"};
    const Liste l42{seul, 1};
    EXPECT_EQ(appel(fConform8, "", "42345678    ", &l42), 1);
    EXPECT_EQ(appel(fConform8, "", "01234567    ", &l42), 0);
    EXPECT_EQ(appel(fConform8, "", "01234567    ", nullptr), 0);
}

// ---------------------------------------------------------------------------

struct CasPays {
    pfVerif_t regle;
    const char* nom;
    const char* pays;
    std::string champ;
    int attendu;
};

TEST(ReglesIdentPays, EnveloppesParPays) {
    const CasPays cas[] = {
        {fConform8FR, "8FR", "DE", "n'importe", 1},
        {fConform8FR, "8FR", "FR ", "n'importe", 1},  // only "FR" exactly is French
        {fConform8FR, "8FR", "FR", "01234567    ", 1},
        {fConform8FR, "8FR", "FR", "01234567", 0},
        {fConform8FRnon, "8FRnon", "FR", "A B", 1},
        {fConform8FRnon, "8FRnon", "  ", "A B", 1},
        {fConform8FRnon, "8FRnon", "DE", "A B", 0},
        {fConform8FRnon, "8FRnon", "DE", "AB1         ", 1},
        {fConform8FRnon, "8FRnon", "DE", B12, 0},
        {fCONFORM8FRNULL, "8FRNULL", "FR", B12, 1},
        {fCONFORM8FRNULL, "8FRNULL", "FR", E12, 1},
        {fCONFORM8FRNULL, "8FRNULL", "FR", "*********** ", 0},
        {fCONFORM8FRNULL, "8FRNULL", "FR", "01234567    ", 1},
        {fCONFORM8FRNULL, "8FRNULL", "DE", "XYZ", 1},
        {fConform10FR, "10FR", "DE", "XYZ", 1},
        {fConform10FR, "10FR", "FR", "0123456789  ", 1},
        {fConform10FR, "10FR", "FR", "9751234567  ", 0},
        {fConform10FRnon, "10FRnon", "FR", "XYZ 1", 1},
        {fConform10FRnon, "10FRnon", "DE", "DE1234      ", 0},
        {fConform10FRnon, "10FRnon", "DE", "1234AB      ", 1},
        {fConform10FRnonECHAnon, "ECHAnon", "CH", "XYZ 1", 1},
        {fConform10FRnonECHAnon, "ECHAnon", "US", "XYZ 1", 0},
        {fConform10FRnonECHAnon, "ECHAnon", "US", "0123456789  ", 1},
        {fConform10FRnonECHAnon, "ECHAnon", "  ", "XYZ 1", 0},
        {fConform10FRnonUEnon, "UEnon", "CH", "XYZ 1", 0},
        {fConform10FRnonUEnon, "UEnon", "CH", "0123456789  ", 1},
        {fConform10FRnonUEnon, "UEnon", "BG", "XYZ 1", 1},
        {fConform10FRnonECHAoui, "ECHAoui", "US", "XYZ 1", 1},
        {fConform10FRnonECHAoui, "ECHAoui", "FR", "XYZ 1", 1},
        {fConform10FRnonECHAoui, "ECHAoui", "CH", "CH1234      ", 0},
        {fConform10FRnonECHAoui, "ECHAoui", "CH", "1234        ", 1},
        {fConform10FRnonUEoui, "UEoui", "CH", "XYZ 1", 1},
        {fConform10FRnonUEoui, "UEoui", "DE", "DE1234      ", 0},
        {fConform10FRnonUEoui, "UEoui", "DE", "1234        ", 1},
        {fCONFORM10FRNULL, "10FRNULL", "FR", B12, 1},
        {fCONFORM10FRNULL, "10FRNULL", "FR", E12, 1},
        {fCONFORM10FRNULL, "10FRNULL", "FR", "0123456789  ", 1},
        {fCONFORM10FRNULL, "10FRNULL", "FR", "XYZ", 0},
        {fCONFORM10FRNULL, "10FRNULL", "DE", "XYZ", 1},
    };
    for (const auto& c : cas) {
        EXPECT_EQ(appel(c.regle, c.pays, c.champ, &TD), c.attendu)
            << c.nom << " pays [" << c.pays << "] [" << c.champ << "]";
    }
}

// The three rules of an animal-number field share the work: a number that no
// format accepts fails exactly the one rule that owns its country.
TEST(ReglesIdentPays, LesTroisReglesDuNumeroAnimalSePartagentLesPays) {
    const pfVerif_t regles[] = {fConform10FR, fConform10FRnonECHAnon, fConform10FRnonECHAoui};
    const struct {
        const char* pays;
        int echec;  // index of the rule that must fail
    } cas[] = {{"FR", 0}, {"US", 1}, {"  ", 1}, {"DE", 2}, {"CH", 2}};
    for (const auto& c : cas) {
        for (int r = 0; r < 3; ++r) {
            EXPECT_EQ(appel(regles[r], c.pays, "1 2         ", &TD), r == c.echec ? 0 : 1)
                << c.pays << " rule " << r;
        }
    }
}

// ---------------------------------------------------------------------------

TEST(ReglesIdentEtranger, NumeroEtranger) {
    const CasPays cas[] = {
        {fVerifNumEtranger, "Etr", "DE", "DE1234      ", 0},  // starts with its own country
        {fVerifNumEtranger, "Etr", "DE", "D12345      ", 1},
        {fVerifNumEtranger, "Etr", "DE", "1234AB      ", 1},
        {fVerifNumEtranger, "Etr", "DE", "1234AB", 1},
        {fVerifNumEtranger, "Etr", "DE", "12 34       ", 0},
        {fVerifNumEtranger, "Etr", "DE", " 1234       ", 0},
        {fVerifNumEtranger, "Etr", "DE", "12-4        ", 0},
        {fVerifNumEtranger, "Etr", "DE", "ab12        ", 0},
        {fVerifNumEtranger, "Etr", "DE", B12, 0},
        {fVerifNumEtranger, "Etr", "DE", "", 0},
        {fVerifNumEtranger, "Etr", "DE", E12, 0},
        {fVerifNumEtrangerN, "EtrN", "DE", B12, 1},
        {fVerifNumEtrangerN, "EtrN", "DE", E12, 1},
        {fVerifNumEtrangerN, "EtrN", "DE", "DE1234      ", 0},
        {fVerifNumEtrangerN, "EtrN", "DE", "12 3", 0},
    };
    for (const auto& c : cas) {
        EXPECT_EQ(appel(c.regle, c.pays, c.champ, nullptr), c.attendu) << c.nom << " [" << c.champ << "]";
    }
}

// ---------------------------------------------------------------------------

TEST(ReglesIdentCodes, DepartementSirenSiret) {
    const CasDept cas3[] = {
        {fConform3, "3", "001", 1}, {fConform3, "3", "02A", 1}, {fConform3, "3", "098", 1},
        {fConform3, "3", "976", 1}, {fConform3, "3", "020", 0}, {fConform3, "3", "975", 0},
        {fConform3, "3", "02", 0},  {fConform3, "3", "", 0},    {fConform3, "3", "001X", 1},
    };
    for (const auto& c : cas3) EXPECT_EQ(appel(c.regle, "", c.champ, &TDD), c.attendu) << c.champ;
    EXPECT_EQ(appel(fConform3, "", "001", nullptr), 0);

    const std::string b14(14, ' ');
    const CasDept cas[] = {
        {fConformSiren, "Siren", b14, 1},
        {fConformSiren, "Siren", "123456789     ", 1},
        {fConformSiren, "Siren", "12345678      ", 0},
        {fConformSiren, "Siren", "12345 789     ", 0},
        {fConformSiren, "Siren", "123456789    ", 0},
        {fConformSiren, "Siren", "123456789     X", 0},
        {fConformSiren, "Siren", "123456789", 0},
        {fConformSiret, "Siret", b14, 1},
        {fConformSiret, "Siret", "1234567890123A", 1},
        {fConformSiret, "Siret", "1234567890123 ", 0},
        {fConformSiret, "Siret", "1234567890123", 0},
        {fConformSiret, "Siret", "", 0},
    };
    for (const auto& c : cas) EXPECT_EQ(appel(c.regle, "", c.champ, nullptr), c.attendu) << c.nom << c.champ;
}

// ---------------------------------------------------------------------------

struct CasEget {
    const char* production;
    std::string champ;
    int attendu;
};

TEST(ReglesIdentEget, EtablissementParTypeDeProduction) {
    const CasEget cas[] = {
        {"V", "AAB12       ", 1},   // AA is listed for 001IPG
        {"V", "XPA12       ", 1},   // last pair of the list
        {"V", "ZZB12       ", 0},   // listed nowhere
        {"V", "A,B12       ", 0},   // straddles two listed prefixes
        {"V", ",,B12       ", 0},
        {"V", "AA112       ", 0},
        {"V", "AABX2       ", 0},
        {"V", "AAB12      ", 0},
        {"V", "AAB12        ", 0},
        {"V", "AAB12", 0},
        {"V", "A", 0},
        {"P", "01ABC       ", 1},
        {"P", "00ABC       ", 0},
        {"P", "01A-C       ", 0},
        {"P", "01-BC       ", 0},
        {"P", "2A123       ", 1},
        {"P", "2BB1C       ", 1},
        {"P", "98ABC       ", 1},
        {"P", "971AB       ", 1},
        {"P", "97A12       ", 1},
        {"P", "97C12       ", 1},
        {"P", "97D12       ", 1},
        {"P", "97B12       ", 1},
        {"P", "97612       ", 1},
        {"P", "974AB       ", 0},
        {"P", "975AB       ", 0},
        {"P", "97E12       ", 0},
        {"P", "97", 0},
        {"P", "01ABC", 0},
        {"P", "", 0},
        {" ", "01ABC       ", 0},
        {"", "AAB12       ", 0},
        {"VV", "AAB12       ", 0},
    };
    valeurVSE corps[NB_CORPS] = {};
    Vue vue;
    vue.corps = corps;
    for (const auto& c : cas) {
        std::strcpy(corps[C4].valeur, c.production);
        EXPECT_EQ(appel(fConformEget, "", c.champ, &NEV, vue), c.attendu)
            << "C4 [" << c.production << "] [" << c.champ << "]";
    }
    std::strcpy(corps[C4].valeur, "V");
    const Liste courte{NEV.v, 1};
    EXPECT_EQ(appel(fConformEget, "", "AAB12       ", &courte, vue), 0);
    // Only the second entry of each pair holds prefixes, never the centre code.
    // A prefix is a whole element: a comma is never part of one, even
    // beside an empty element.
    const tValAutorise paires[] = {"AB", "CD", "EF", "GH,K,,IJ"};
    const Liste l{paires, 4};
    EXPECT_EQ(appel(fConformEget, "", "ABB12       ", &l, vue), 0);
    EXPECT_EQ(appel(fConformEget, "", "EFB12       ", &l, vue), 0);
    EXPECT_EQ(appel(fConformEget, "", "IJB12       ", &l, vue), 1);
    EXPECT_EQ(appel(fConformEget, "", "K,B12       ", &l, vue), 0);
    EXPECT_EQ(appel(fConformEget, "", ",,B12       ", &l, vue), 0);
}

// ---------------------------------------------------------------------------

TEST(ReglesIdentSupport, NumerosFrancais) {
    const struct {
        int (*f)(const char*);
        const char* nom;
        const char* champ;
        int attendu;
    } cas[] = {
        {verifNumExploitFr, "exploit", "01234567    ", 1},
        {verifNumExploitFr, "exploit", "97534567    ", 1},  // no overseas test here
        {verifNumExploitFr, "exploit", "2A234567    ", 0},
        {verifNumExploitFr, "exploit", "00234567    ", 0},
        {verifNumExploitFr, "exploit", "0123456     ", 0},
        {verifNumExploitFr, "exploit", "01234567   ", 0},
        {verifNumBovinFrOuImporte, "bovin", "0123456789  ", 1},
        {verifNumBovinFrOuImporte, "bovin", "2012345678  ", 1},
        {verifNumBovinFrOuImporte, "bovin", "9741234567  ", 1},
        {verifNumBovinFrOuImporte, "bovin", "9761234567  ", 0},
        {verifNumBovinFrOuImporte, "bovin", "9701234567  ", 0},
        {verifNumBovinFrOuImporte, "bovin", "0023456789  ", 0},
        {verifNumBovinFrOuImporte, "bovin", "0123456789 ", 0},
        {verifNumBovinFrOuImporte, "bovin", "012345678   ", 0},
        {verifNumAgrementSanitaireFr, "agrement", "0123456     ", 1},
        {verifNumAgrementSanitaireFr, "agrement", "01234567    ", 1},
        {verifNumAgrementSanitaireFr, "agrement", "2A12345     ", 1},
        {verifNumAgrementSanitaireFr, "agrement", "2B123456    ", 1},
        {verifNumAgrementSanitaireFr, "agrement", "3A12345     ", 0},
        {verifNumAgrementSanitaireFr, "agrement", "2012345     ", 0},
        {verifNumAgrementSanitaireFr, "agrement", "9812345     ", 0},
        {verifNumAgrementSanitaireFr, "agrement", "0012345     ", 0},
        {verifNumAgrementSanitaireFr, "agrement", "9712345     ", 1},
        {verifNumAgrementSanitaireFr, "agrement", "9762345     ", 1},
        {verifNumAgrementSanitaireFr, "agrement", "9752345     ", 0},
        {verifNumAgrementSanitaireFr, "agrement", "9702345     ", 0},
        {verifNumAgrementSanitaireFr, "agrement", "9782345     ", 0},
        {verifNumAgrementSanitaireFr, "agrement", "0123456X    ", 0},
        {verifNumAgrementSanitaireFr, "agrement", "0123456 ", 0},
        {verifNumAgrementSanitaireFr, "agrement", "0123456", 0},
        {verifNumAgrementSanitaireFr, "agrement", "97", 0},
    };
    for (const auto& c : cas) {
        const std::string s(c.champ);
        auto buf = std::make_unique<char[]>(s.size() + 1);
        std::memcpy(buf.get(), s.c_str(), s.size() + 1);
        EXPECT_EQ(c.f(buf.get()), c.attendu) << c.nom << " [" << c.champ << "]";
    }
}

TEST(ReglesIdentSupport, EtatsMembresEtLuhn) {
    for (const char* p : {"FR", "DE", "EL", "UK", "IT"}) EXPECT_EQ(appartient_UE(p), 1) << p;
    for (const char* p : {"BG", "CH", "GR", "FRA", "F", ""}) EXPECT_EQ(appartient_UE(p), 0) << p;

    const struct {
        const char* chaine;
        int attendu;
    } luhn[] = {
        {"", 1},          {"0", 1},          {"18", 1},         {"79927398713", 1},
        {"79927398710", 0}, {"732829320", 1}, {"732829321", 0},  {"73282932000017", 1},
        {"12A", 0},
    };
    for (const auto& c : luhn) EXPECT_EQ(fVerifLuhn(c.chaine), c.attendu) << "[" << c.chaine << "]";
}

// ---------------------------------------------------------------------------

TEST(ReglesCoherenceCCE, EmetteurEtCentre) {
    const struct {
        const char* emetteur;
        const char* centre;
        const Liste* tedc;
        int attendu;
    } cas[] = {
        {"001IPG  ", "001IPG  ", &principal::TEDC, 1},
        {"001IPG  ", "002IPG  ", &principal::TEDC, 0},
        {"NORM01  ", "002IPG  ", &principal::TEDC, 1},
        {"NORM02XY", "002IPG  ", &principal::TEDC, 1},
        {"PFOC01  ", "002IPG  ", &principal::TEDC, 1},
        {"NORM03  ", "002IPG  ", &principal::TEDC, 0},
        {"013ARS  ", "004IPG  ", &principal::TEDC, 1},
        {"013ARS  ", "025IPG  ", &principal::TEDC, 0},
        {"013ARS", "004IPG  ", &principal::TEDC, 0},
        {"081ARS  ", "02AIPG  ", &principal::TEDC, 1},
        {"081ARS  ", "047IPG  ", &principal::TEDC, 1},
        {"081ARS  ", "02AIPG  ", &variante::TEDC, 0},
        {"020ARS  ", "02BIPG  ", &variante::TEDC, 1},
        {"020ARS  ", "02BIPG  ", &principal::TEDC, 0},
    };
    for (const auto& c : cas) {
        EXPECT_EQ(fCoherenCCE(c.emetteur, c.centre, *c.tedc), c.attendu)
            << "[" << c.emetteur << "] [" << c.centre << "]";
    }
}

TEST(ReglesCoherenceCCE, ListeLueParPaires) {
    const tValAutorise paires[] = {"A", "B", "C", "D", "E"};
    const Liste l{paires, 5};
    EXPECT_EQ(fCoherenCCE("A", "B", l), 1);
    EXPECT_EQ(fCoherenCCE("C", "D", l), 1);
    EXPECT_EQ(fCoherenCCE("B", "C", l), 0);  // across two pairs
    EXPECT_EQ(fCoherenCCE("E", "F", l), 0);  // odd last entry is no pair
    EXPECT_EQ(fCoherenCCE("A", "B", Liste{paires, 0}), 0);
}

}  // namespace
}  // namespace vse
