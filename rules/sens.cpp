// The meaning of every rule named by a row of the four programs' tables.
//
// Each text says what the value must be, from what the rule accepts: where
// the rule compares the field with another one of the line it names that
// field (E8, C6, F1...), and where some values pass whatever the check (a
// blank field, a cause, a date before a phase date) it says so briefly. The
// rules that test against the row's list say "une des valeurs admises
// (liste)": the list is the row's, shown beside the text by whoever prints
// it. Phase dates are those of the lists P5 to P17 (1 July 1999 for P5, P6
// and P7, 1 January 1999 for P8, 1 January 2011 for P17).
//
// Then the checks the engine makes by code: each says in one sentence what
// must hold, and names the field it reads, so that a report can show the
// value found there.
#include "rules/sens.hpp"

#include <algorithm>
#include <iterator>

namespace vse {

namespace {

// Sorted by name; the entries of one name have disjoint programs.
const SensRegle tSens[] = {
    // rule                         programs                         meaning
    {"asso_fC2_1",                  TOUS_PROGRAMMES,                 "pour un identifiant de type E (C4), un num\xe9ro du d\xe9partement du centre E8"},
    {"asso_fC2_2",                  TOUS_PROGRAMMES,                 "pour un identifiant de type E (C4), un num\xe9ro d'exploitation : 8 chiffres commen\xe7" "ant par un d\xe9partement de la liste, puis 4 blancs"},
    {"asso_fC5",                    TOUS_PROGRAMMES,                 "pour C4 \"D\", SIREN ou AGRIN ; pour C4 \"E\", SIRET, AGRIT, AGRSA ou CEM"},
    {"asso_fC6_1",                  TOUS_PROGRAMMES,                 "pour un SIREN (C5), 9 chiffres justes par la cl\xe9 de Luhn, puis 11 blancs"},
    {"asso_fC6_1_INV",              TOUS_PROGRAMMES,                 "pour un SIREN (C5), 9 chiffres puis 11 blancs"},
    {"asso_fC6_2",                  TOUS_PROGRAMMES,                 "pour un SIRET (C5), 14 chiffres justes par la cl\xe9 de Luhn, puis 6 blancs"},
    {"asso_fC6_2_INV",              TOUS_PROGRAMMES,                 "pour un SIRET (C5), 14 chiffres puis 6 blancs"},
    {"asso_fC6_3",                  TOUS_PROGRAMMES,                 "pour un AGRIN (C5), une lettre majuscule et 8 chiffres, puis 11 blancs"},
    {"asso_fC6_4",                  TOUS_PROGRAMMES,                 "pour un AGRIT (C5), une lettre majuscule et 11 chiffres, puis 8 blancs"},
    {"asso_fC6_5",                  TOUS_PROGRAMMES,                 "pour un AGRSA (C5), 7 caract\xe8res sans blanc commen\xe7" "ant par un d\xe9partement (liste, 2A, 2B ; ni 20 ni 98), un 8e caract\xe8re, puis 12 blancs"},
    {"asso_fC6_6",                  TOUS_PROGRAMMES,                 "pour un CEM (C5), 7 lettres ou chiffres puis 13 blancs"},
    {"asso_fC8_1",                  TOUS_PROGRAMMES,                 "huit blancs, ou une date r\xe9" "elle au format JJMMSSAA"},
    {"asso_fC8_2",                  TOUS_PROGRAMMES,                 "huit blancs, ou au plus t\xf4t la date de d\xe9" "but C7"},
    {"asso_fC8_3",                  TOUS_PROGRAMMES,                 "huit blancs, ou au plus tard la date de cr\xe9" "ation de l'enregistrement (F1)"},
    {"ecbo_C12",                    TOUS_PROGRAMMES,                 "une des valeurs admises (liste), ou C12, C13 et C15 tous blancs"},
    {"ecbo_C13",                    TOUS_PROGRAMMES,                 "C12, C13 et C15 tous blancs, ou un num\xe9ro renseign\xe9 ; hors de France (C12), lettres et chiffres ne commen\xe7" "ant pas par le code du pays"},
    {"ecbo_C15",                    TOUS_PROGRAMMES,                 "une des valeurs admises (liste), ou C12, C13 et C15 tous blancs"},
    {"eget_fC5C6",                  TOUS_PROGRAMMES,                 "renseign\xe9" "e, ou l'autre champ du couple (C5 ou C6) renseign\xe9"},
    {"enteteE10",                   PROG_DELVORAN,                   "\"BDN\" suivi de 5 blancs"},
    {"enteteE10",                   PROG_DELVORANPF,                 "un centre de la liste ou \"BDN\" suivi de 5 blancs"},
    {"enteteE10",                   PROG_DELVORANL,                  "un centre de la liste"},
    {"enteteE10",                   PROG_DELVORAND,                  "un centre de la liste ou \"POINTFOC\" ; en demande (E5 \"DEM\"), aussi un code commen\xe7" "ant par SPIE"},
    {"enteteE12",                   TOUS_PROGRAMMES,                 "\"3\" ou \"4\""},
    {"enteteE13",                   TOUS_PROGRAMMES,                 "\"N\" ou \"U\""},
    {"enteteE3",                    PROG_DELVORAN,                   "un centre de la liste, \"OVINFOS \" ou un code commen\xe7" "ant par OFFICE, ONICAB, NORM01, NORM02 ou PFOC01"},
    {"enteteE3",                    PROG_DELVORANPF,                 "un partenaire : un code commen\xe7" "ant par OFFICE, ONICAB, NORM01, NORM02 ou PFOC01"},
    {"enteteE3",                    PROG_DELVORANL,                  "un num\xe9ro d'exploitation (8 chiffres, d\xe9partement de la liste) ou un code commen\xe7" "ant par NORM01, NORM02, PFOC01 ou 99"},
    {"enteteE3",                    PROG_DELVORAND,                  "un num\xe9ro d'exploitation (8 chiffres, d\xe9partement de la liste) ou un code commen\xe7" "ant par 99"},
    {"enteteE4",                    PROG_DELVORAN,                   "la base nationale \"031BDN  \""},
    {"enteteE4",                    PROG_DELVORANPF,                 "un centre de la liste ou la base nationale \"031BDN  \""},
    {"enteteE4",                    PROG_DELVORANL,                  "un centre de la liste"},
    {"enteteE4",                    PROG_DELVORAND,                  "un centre de la liste ou un code commen\xe7" "ant par NORM01, NORM02, PFOC01 ou SPIE"},
    {"enteteE8",                    PROG_DELVORAN,                   "un centre de la liste, \"POINTFOC\", \"NORMABEV\", \"OVINFOS \" ou un code commen\xe7" "ant par OFFICE ou ONICAB"},
    {"enteteE8",                    PROG_DELVORANPF,                 "un num\xe9ro d'exploitation (8 chiffres, d\xe9partement de la liste ou 99), \"POINTFOC\", \"NORMABEV\" ou un code commen\xe7" "ant par OFFICE ou ONICAB"},
    {"enteteE8",                    PROG_DELVORANL | PROG_DELVORAND, "un num\xe9ro d'exploitation : 8 chiffres commen\xe7" "ant par un d\xe9partement de la liste ou par 99"},
    {"enteteE9",                    PROG_DELVORAN | PROG_DELVORANPF, "sans aucun blanc ; huit blancs admis quand E8 vaut \"NORMABEV\" ou commence par OFFICE ou ONICAB"},
    {"enteteE9",                    PROG_DELVORANL | PROG_DELVORAND, "sans aucun blanc"},
    {"entr_fC10_cre",               TOUS_PROGRAMMES,                 "renseign\xe9" "e, sauf si le num\xe9ro C9 est donn\xe9 ou pour une cause C5 N"},
    {"entr_fC10_mod",               TOUS_PROGRAMMES,                 "renseign\xe9" "e, sauf si le num\xe9ro C9 est donn\xe9, pour une cause C5 N ou pour un mouvement (C4) avant le 1er janvier 1999"},
    {"entr_fC12",                   TOUS_PROGRAMMES,                 "\"0\" ou \"1\" ; libre pour une cause C5 F ou G"},
    {"entr_fC5",                    TOUS_PROGRAMMES,                 "toute cause en cr\xe9" "ation (E5 \"CRE\") ; hors cr\xe9" "ation, une cause autre que F ou G"},
    {"entr_fC8_cre",                TOUS_PROGRAMMES,                 "un code pays de la liste des pays ; blanc admis sauf pour une cause C5 F ou G"},
    {"entr_fC8_mod",                TOUS_PROGRAMMES,                 "un code pays de la liste des pays ; blanc admis sauf pour une cause C5 F ou G d'un mouvement (C4) \xe0 partir du 1er janvier 1999"},
    {"entr_fC9_1_cre",              TOUS_PROGRAMMES,                 "blanche si le pays C8 est blanc ; renseign\xe9" "e si C8 l'est, sauf pour une cause C5 F ou G"},
    {"entr_fC9_1_mod",              TOUS_PROGRAMMES,                 "blanche si le pays C8 est blanc ; renseign\xe9" "e si C8 l'est, sauf pour une cause C5 F ou G ou un mouvement (C4) avant le 1er janvier 1999"},
    {"entr_fC9_2_cre",              TOUS_PROGRAMMES,                 "blanche, ou pour un pays C8 \"FR\", un num\xe9ro d'exploitation : 8 chiffres commen\xe7" "ant par un d\xe9partement de la liste, puis 4 blancs"},
    {"entr_fC9_2_mod",              TOUS_PROGRAMMES,                 "blanche, ou pour un pays C8 \"FR\", un num\xe9ro d'exploitation : 8 chiffres commen\xe7" "ant par un d\xe9partement de la liste, puis 4 blancs"},
    {"erti_fC5",                    TOUS_PROGRAMMES,                 "pour une production C4 \"V\", une des valeurs admises (liste) ; sinon un blanc"},
    {"erti_fC9C10",                 TOUS_PROGRAMMES,                 "pour C5 \"M\", une des valeurs admises (liste) ; sinon quatre blancs"},
    {"fCDIFF",                      TOUS_PROGRAMMES,                 "renseign\xe9" "e, ou l'autre champ du couple (C6 ou C7) renseign\xe9"},
    {"fCONFORM10FRNULL",            TOUS_PROGRAMMES,                 "douze blancs, douze ast\xe9risques ou, pour un pays C10 \"FR\", un num\xe9ro national : 10 chiffres commen\xe7" "ant par un d\xe9partement de la liste, puis 2 blancs"},
    {"fCONFORM8FRNULL",             TOUS_PROGRAMMES,                 "douze blancs, douze ast\xe9risques ou, pour un pays C16 \"FR\", un num\xe9ro d'exploitation : 8 chiffres commen\xe7" "ant par un d\xe9partement de la liste, puis 4 blancs"},
    {"fCoherenCC",                  TOUS_PROGRAMMES,                 "un num\xe9ro du d\xe9partement du centre E8 (20 pour la Corse, 98 admis pour 974 ; tout num\xe9ro pour \"POINTFOC\")"},
    {"fCoherenCCD",                 TOUS_PROGRAMMES,                 "le d\xe9partement du centre E8 (\"098\" admis pour 974)"},
    {"fCoherenCCEget",              TOUS_PROGRAMMES,                 "un \xe9tablissement du centre E8 : pr\xe9" "fixe de lettres du centre pour C4 \"V\", d\xe9partement du centre pour C4 \"P\""},
    {"fCoherenCC_dete_dem",         TOUS_PROGRAMMES,                 "un code d\xe9partement de trois caract\xe8res quand C12 vaut \"D\" ; sinon un num\xe9ro d'exploitation : 8 chiffres, d\xe9partement de la liste, 4 blancs"},
    {"fCoherenCC_tr",               TOUS_PROGRAMMES,                 "un num\xe9ro du d\xe9partement du centre E8 (20 pour la Corse, 98 admis pour 974) ; tout num\xe9ro pour une cause C5 \"J\""},
    {"fCoherenDC",                  TOUS_PROGRAMMES,                 "au plus tard la date de cr\xe9" "ation de l'enregistrement (F1)"},
    {"fCoherenDC_tr",               TOUS_PROGRAMMES,                 "au plus tard la date de cr\xe9" "ation de l'enregistrement (F1) ; jusqu'\xe0 un an apr\xe8s pour une cause C5 \"J\""},
    {"fCoherenDC_tr2",              TOUS_PROGRAMMES,                 "au plus tard un an apr\xe8s la date de cr\xe9" "ation de l'enregistrement (F1)"},
    {"fCoherenD_OC_an_1",           TOUS_PROGRAMMES,                 "une ann\xe9" "e de quatre chiffres (SSAA)"},
    {"fCoherenD_OC_an_2",           TOUS_PROGRAMMES,                 "une ann\xe9" "e ant\xe9rieure \xe0 celle de la cr\xe9" "ation de l'enregistrement (F1)"},
    {"fCoheren_OC_IND_M",           TOUS_PROGRAMMES,                 "un num\xe9ro dont le bloc de six chiffres est dans une plage attribu\xe9" "e au centre E8"},
    {"fConform10",                  TOUS_PROGRAMMES,                 "un num\xe9ro national : 10 chiffres commen\xe7" "ant par un d\xe9partement de la liste, puis 2 blancs"},
    {"fConform10FR",                TOUS_PROGRAMMES,                 "pour un pays \"FR\" (C1 ou C10), un num\xe9ro national : 10 chiffres commen\xe7" "ant par un d\xe9partement de la liste, puis 2 blancs"},
    {"fConform10FRnon",             TOUS_PROGRAMMES,                 "pour un pays C7 autre que \"FR\", un num\xe9ro \xe9tranger : lettres et chiffres sans blanc int\xe9rieur, ne commen\xe7" "ant pas par le code du pays"},
    {"fConform10FRnonECHAnon",      TOUS_PROGRAMMES,                 "pour un pays (C1 ou C10) hors des pays d'\xe9" "change, un num\xe9ro national au format fran\xe7" "ais : 10 chiffres, d\xe9partement de la liste, 2 blancs"},
    {"fConform10FRnonECHAoui",      TOUS_PROGRAMMES,                 "pour un pays d'\xe9" "change autre que \"FR\" (C1 ou C10), un num\xe9ro \xe9tranger : lettres et chiffres sans blanc int\xe9rieur, ne commen\xe7" "ant pas par le code du pays"},
    {"fConform3",                   TOUS_PROGRAMMES,                 "un code d\xe9partement de trois caract\xe8res de la liste"},
    {"fConform8",                   TOUS_PROGRAMMES,                 "un num\xe9ro d'exploitation : 8 chiffres commen\xe7" "ant par un d\xe9partement de la liste, puis 4 blancs"},
    {"fConform8FR",                 TOUS_PROGRAMMES,                 "pour un pays C16 \"FR\", un num\xe9ro d'exploitation : 8 chiffres commen\xe7" "ant par un d\xe9partement de la liste, puis 4 blancs"},
    {"fConform8FRnon",              TOUS_PROGRAMMES,                 "pour un pays C16 ni \"FR\" ni blanc, un num\xe9ro renseign\xe9 sans blanc int\xe9rieur"},
    {"fConformEget",                TOUS_PROGRAMMES,                 "5 caract\xe8res puis 7 blancs : pour C4 \"P\", un d\xe9partement puis lettres ou chiffres ; pour C4 \"V\", un pr\xe9" "fixe de la liste, une lettre, 2 chiffres"},
    {"fConform_BV_model1",          TOUS_PROGRAMMES,                 "un mod\xe8le : six caract\xe8res sans blanc puis deux blancs ; huit blancs admis pour une date (C4 ou C7) avant le 1er janvier 2011"},
    {"fConform_BV_model2",          TOUS_PROGRAMMES,                 "huit blancs, ou un mod\xe8le dont le premier caract\xe8re (fabricant) est une des valeurs admises (liste)"},
    {"fConform_BV_model3",          TOUS_PROGRAMMES,                 "huit blancs, ou un mod\xe8le dont le deuxi\xe8me caract\xe8re est une des valeurs admises (liste)"},
    {"fConform_BV_model4",          TOUS_PROGRAMMES,                 "huit blancs, ou un mod\xe8le dont le troisi\xe8me caract\xe8re est une des valeurs admises (liste)"},
    {"fConform_BV_model5",          TOUS_PROGRAMMES,                 "huit blancs, ou un mod\xe8le dont les caract\xe8res 4 \xe0 6 sont des chiffres"},
    {"fConform_OC_FR",              TOUS_PROGRAMMES,                 "pour un pays C1 \"FR\", 11 chiffres dont les six premiers de 100000 \xe0 683499, puis un blanc"},
    {"fConform_OC_IND_M",           TOUS_PROGRAMMES,                 "un bloc de six chiffres de 100000 \xe0 683499 suivi de six blancs"},
    {"fConform_OC_TP",              TOUS_PROGRAMMES,                 "pour un pays C4 \"FR\" : un bloc de 100000 \xe0 683499, puis R (C9 \"PR\"), C (C9 \"PC\") ou un chiffre, 4 chiffres ou 4 blancs, un blanc"},
    {"fConform_OC_UE",              TOUS_PROGRAMMES,                 "pour un pays C1 autre que \"FR\", un num\xe9ro \xe9tranger : lettres et chiffres sans blanc int\xe9rieur, ne commen\xe7" "ant pas par le code du pays"},
    {"fConform_OC_compteur",        TOUS_PROGRAMMES,                 "un chiffre de 0 \xe0 7 quand le troisi\xe8me caract\xe8re du mod\xe8le (C7 ou C8) est E ; sinon un blanc"},
    {"fConform_OC_model1",          TOUS_PROGRAMMES,                 "un mod\xe8le : six caract\xe8res sans blanc puis deux blancs"},
    {"fConform_OC_model2",          TOUS_PROGRAMMES,                 "un mod\xe8le dont le premier caract\xe8re (fabricant) est une des valeurs admises (liste)"},
    {"fConform_OC_model3",          TOUS_PROGRAMMES,                 "un mod\xe8le dont le deuxi\xe8me caract\xe8re est une des valeurs admises (liste)"},
    {"fConform_OC_model4",          TOUS_PROGRAMMES,                 "un mod\xe8le dont le troisi\xe8me caract\xe8re est une des valeurs admises (liste)"},
    {"fConform_OC_model5",          TOUS_PROGRAMMES,                 "un mod\xe8le dont les caract\xe8res 4 \xe0 6 sont des chiffres"},
    {"fConform_OC_pays_orig",       TOUS_PROGRAMMES,                 "pour un animal fran\xe7" "ais (C1 \"FR\"), un code pays de la liste des pays ; sinon deux blancs"},
    {"fConform_temoin_bouc1",       TOUS_PROGRAMMES,                 "renseign\xe9" "e (premier caract\xe8re non blanc) pour une date C4 \xe0 partir du 1er janvier 2011"},
    {"fConform_temoin_bouc2",       TOUS_PROGRAMMES,                 "diff\xe9rente de \"0\""},
    {"fDATEC",                      TOUS_PROGRAMMES,                 "une date r\xe9" "elle au format JJMMSSAA"},
    {"fDATEC_INC",                  TOUS_PROGRAMMES,                 "une date r\xe9" "elle au format JJMMSSAA, ou blanche"},
    {"fDATECxad",                   TOUS_PROGRAMMES,                 "une date r\xe9" "elle au format JJMMSSAA, ou huit blancs"},
    {"fDATEI",                      TOUS_PROGRAMMES,                 "une date r\xe9" "elle au format JJMMSSAA ; le jour, ou le jour et le mois, peuvent \xeatre blancs"},
    {"fDATEP6",                     TOUS_PROGRAMMES,                 "une date r\xe9" "elle au format JJMMSSAA ; avant le 1er juillet 1999, le jour, ou le jour et le mois, peuvent \xeatre blancs"},
    {"fDATEP6P7",                   TOUS_PROGRAMMES,                 "une date r\xe9" "elle au format JJMMSSAA ; avant le 1er juillet 1999, le jour, ou le jour et le mois, peuvent \xeatre blancs"},
    {"fDatRecCohe",                 TOUS_PROGRAMMES,                 "huit blancs, ou au plus tard la date de cr\xe9" "ation de l'enregistrement (F1)"},
    {"fDatRecCorr",                 TOUS_PROGRAMMES,                 "une date r\xe9" "elle au format JJMMSSAA, ou huit blancs"},
    {"fDatRecCorr_O",               TOUS_PROGRAMMES,                 "une date r\xe9" "elle au format JJMMSSAA (obligatoire)"},
    {"fDatRecPost",                 TOUS_PROGRAMMES,                 "huit blancs, ou au plus t\xf4t la date C6"},
    {"fDatRecPost_tr",              TOUS_PROGRAMMES,                 "huit blancs, ou au plus t\xf4t la date du mouvement (C4) ; libre pour une cause C5 \"J\""},
    {"fDatRec_OC_Post",             TOUS_PROGRAMMES,                 "huit blancs, ou une date d'une ann\xe9" "e post\xe9rieure \xe0 l'ann\xe9" "e C4"},
    {"fHEUREC",                     TOUS_PROGRAMMES,                 "une heure r\xe9" "elle au format HHMMSS"},
    {"fSimult",                     TOUS_PROGRAMMES,                 "renseign\xe9" "e si et seulement si le champ li\xe9 (C10, C13 ou C16) l'est"},
    {"fVDIFFNULLP5",                TOUS_PROGRAMMES,                 "renseign\xe9" "e pour une naissance (C6) \xe0 partir du 1er juillet 1999"},
    {"fVDIFFNULLP6",                TOUS_PROGRAMMES,                 "renseign\xe9" "e pour une date C6 \xe0 partir du 1er juillet 1999"},
    {"fVDIFFNULLVTAB",              TOUS_PROGRAMMES,                 "deux blancs, \"**\" ou une des valeurs admises (liste)"},
    {"fVDIFFVD",                    TOUS_PROGRAMMES,                 "renseign\xe9" "e, ou l'autre champ du couple (C6 ou C7) renseign\xe9"},
    {"fVTABDIFFFR",                 TOUS_PROGRAMMES,                 "une des valeurs admises (liste), sauf \"FR\""},
    {"fVTABP5",                     TOUS_PROGRAMMES,                 "une des valeurs admises (liste) ; blanc admis pour une naissance (C6) avant le 1er juillet 1999"},
    {"fVTABP6",                     TOUS_PROGRAMMES,                 "une des valeurs admises (liste) ; blanc admis pour une naissance (C6) avant le 1er juillet 1999"},
    {"fVTABP8",                     TOUS_PROGRAMMES,                 "une des valeurs admises (liste) ; blanc admis pour une naissance (C6) avant le 1er janvier 1999"},
    {"fVerifDateAbatPost",          TOUS_PROGRAMMES,                 "une date d'une ann\xe9" "e post\xe9rieure \xe0 1997"},
    {"fVerifDateAbatPostEntr",      TOUS_PROGRAMMES,                 "au plus t\xf4t la date d'entr\xe9" "e \xe0 l'abattoir (C6) ; libre si l'une des deux est blanche"},
    {"fVerifDateInputPost",         TOUS_PROGRAMMES,                 "blanche, ou une date d'une ann\xe9" "e post\xe9rieure \xe0 1997"},
    {"fVerifDepE6",                 PROG_DELVORAN,                   "un type d'enregistrement admis pour le type de transaction E5 (tout type en ECQ)"},
    {"fVerifDepE6",                 PROG_DELVORANPF,                 "un type d'enregistrement admis pour le type de transaction E5 (ABAT seul en INV et MOD, aucun en EDI, tout type en ECQ)"},
    {"fVerifDepE6",                 PROG_DELVORANL | PROG_DELVORAND, "un type d'enregistrement admis pour le type de transaction E5 (aucun en INV, EDI et MOD, tout type en ECQ)"},
    {"fVerifDiffNull",              TOUS_PROGRAMMES,                 "renseign\xe9" "e (pas enti\xe8rement \xe0 blanc)"},
    {"fVerifNumEtranger",           TOUS_PROGRAMMES,                 "un num\xe9ro \xe9tranger : lettres et chiffres sans blanc int\xe9rieur, ne commen\xe7" "ant pas par le code du pays C1"},
    {"fVerifNumEtrangerN",          TOUS_PROGRAMMES,                 "douze blancs, douze ast\xe9risques ou un num\xe9ro \xe9tranger : lettres et chiffres, ne commen\xe7" "ant pas par le code du pays (C10 ou C13)"},
    {"fVerifValAut",                TOUS_PROGRAMMES,                 "une des valeurs admises (liste)"},
    {"fVerifValAutDate",            TOUS_PROGRAMMES,                 "une des valeurs admises (liste), encore valable \xe0 la date du mouvement (C4)"},
    {"fVerif_ASDA",                 TOUS_PROGRAMMES,                 "un code pays de la liste des pays"},
    {"fVerif_CODEPE_ABATNOT",       TOUS_PROGRAMMES,                 "\"FR\" ; pour un notifiant OFFICE ou ONICAB (C11), le pays de ses caract\xe8res 7 et 8"},
    {"fVerif_INDIC_ABAT",           TOUS_PROGRAMMES,                 "quelconque (aucune v\xe9rification)"},
    {"fVerif_NUMID_ABATNOT_COHER",  TOUS_PROGRAMMES,                 "quelconque (aucune v\xe9rification)"},
    {"fVerif_NUMID_ABATNOT_CONF",   TOUS_PROGRAMMES,                 "7 ou 8 caract\xe8res significatifs : un code OFFICE ou ONICAB, ou un num\xe9ro commen\xe7" "ant par un d\xe9partement (liste, 2A, 2B), blancs en 11 et 12"},
    {"fVerif_NUMID_ABATNOT_TABREF", TOUS_PROGRAMMES,                 "quelconque (aucune v\xe9rification)"},
    {"fVerif_NUM_ASDA",             TOUS_PROGRAMMES,                 "pour une provenance C4 \"FR\", un num\xe9ro d'exploitation fran\xe7" "ais, sauf notification par OFFICE ou ONICAB (C11)"},
    {"fVerif_NUM_TUE",              TOUS_PROGRAMMES,                 "huit blancs ; pour un notifiant OFFICE (C11), le pays de provenance C4 suivi du pays C10 ; sinon commen\xe7" "ant par une lettre ou un chiffre"},
    {"fVerif_POIDS",                TOUS_PROGRAMMES,                 "un poids d'au plus 1000,00, ou sept blancs"},
    {"fVerif_chaine_POIDS",         TOUS_PROGRAMMES,                 "un poids au format 9999,99 (quatre chiffres, une virgule, deux chiffres), ou sept blancs"},
    {"fexp1_C4",                    TOUS_PROGRAMMES,                 "quatre blancs, quatre ast\xe9risques ou une des valeurs admises (liste)"},
    {"finF3",                       TOUS_PROGRAMMES,                 "la version du format \"025\""},
    {"groc_cre_C10_1",              TOUS_PROGRAMMES,                 "huit blancs, ou une date r\xe9" "elle au format JJMMSSAA"},
    {"groc_cre_C10_2",              TOUS_PROGRAMMES,                 "huit blancs, ou au plus tard la date de cr\xe9" "ation de l'enregistrement (F1)"},
    {"groc_cre_C12",                TOUS_PROGRAMMES,                 "une heure r\xe9" "elle HHMMSS quand la date C10 est donn\xe9" "e ; six blancs sinon"},
    {"impo_C2",                     TOUS_PROGRAMMES,                 "un num\xe9ro national : 10 chiffres commen\xe7" "ant par un d\xe9partement de la liste, puis 2 blancs ; caract\xe8res 7 \xe0 10 autres que 0000"},
    {"impo_C20",                    TOUS_PROGRAMMES,                 "une des valeurs admises (liste), sauf \"FR\""},
    {"impo_C6_1",                   TOUS_PROGRAMMES,                 "huit blancs, huit ast\xe9risques, ou une date r\xe9" "elle JJMMSSAA dont le jour, ou le jour et le mois, peuvent \xeatre blancs"},
    {"impo_C6_2",                   TOUS_PROGRAMMES,                 "huit blancs, huit ast\xe9risques, ou au plus tard la date de cr\xe9" "ation de l'enregistrement (F1)"},
    {"impo_C7",                     TOUS_PROGRAMMES,                 "renseign\xe9" "e (au moins un caract\xe8re non blanc)"},
    {"listd_C5_1",                  TOUS_PROGRAMMES,                 "huit blancs, huit ast\xe9risques ou une date r\xe9" "elle au format JJMMSSAA"},
    {"listd_C5_2",                  TOUS_PROGRAMMES,                 "huit blancs, huit ast\xe9risques ou au plus tard la date de cr\xe9" "ation de l'enregistrement (F1)"},
    {"nais_C11",                    TOUS_PROGRAMMES,                 "pour une m\xe8re fran\xe7" "aise (C10 \"FR\"), un num\xe9ro national : 10 chiffres commen\xe7" "ant par un d\xe9partement de la liste, puis 2 blancs"},
    {"nais_C11FRnonUEnon",          TOUS_PROGRAMMES,                 "pour une m\xe8re d'un pays hors des pays d'\xe9" "change (C10), un num\xe9ro au format fran\xe7" "ais ; douze blancs admis pour une naissance (C6) avant le 1er juillet 1999"},
    {"nais_C11FRnonUEoui",          TOUS_PROGRAMMES,                 "pour une m\xe8re d'un pays d'\xe9" "change autre que \"FR\" (C10), un num\xe9ro \xe9tranger : lettres et chiffres sans blanc int\xe9rieur, ne commen\xe7" "ant pas par le code du pays"},
    {"nais_C17",                    TOUS_PROGRAMMES,                 "un num\xe9ro d'exploitation (8 chiffres, d\xe9partement de la liste, 4 blancs) ; douze blancs admis pour une naissance (C6) avant le 1er juillet 1999"},
    {"nais_C2",                     TOUS_PROGRAMMES,                 "un num\xe9ro national : 10 chiffres commen\xe7" "ant par un d\xe9partement de la liste, puis 2 blancs ; caract\xe8res 7 \xe0 10 autres que 0000"},
    {"nais_C22",                    TOUS_PROGRAMMES,                 "quand C9 vaut \"1\", deux blancs, \"**\" ou deux chiffres autres que 00 ; libre sinon"},
    {"nais_C28",                    TOUS_PROGRAMMES,                 "quand C9 vaut \"1\", trois blancs, \"***\" ou trois chiffres autres que 000 ; libre sinon"},
    {"nais_C2_1",                   TOUS_PROGRAMMES,                 "\"MORTNE\", ou un num\xe9ro national : 10 chiffres commen\xe7" "ant par un d\xe9partement de la liste, puis 2 blancs ; caract\xe8res 7 \xe0 10 autres que 0000"},
    {"nais_C2_2",                   TOUS_PROGRAMMES,                 "\"MORTNE\", ou un num\xe9ro commen\xe7" "ant par le d\xe9partement de l'exploitation de naissance (C17)"},
    {"nais_C7",                     TOUS_PROGRAMMES,                 "renseign\xe9" "e (pas quatre blancs)"},
    {"nais_C7_MN",                  TOUS_PROGRAMMES,                 "quatre blancs pour un veau mort-n\xe9 (C2 \"MORTNE\"), renseign\xe9" "e sinon"},
    {"nais_C9EG1TAB",               TOUS_PROGRAMMES,                 "quand C9 vaut \"1\", un blanc, \"*\" ou une des valeurs admises (liste) ; libre sinon"},
    {"numa_fC6_1",                  TOUS_PROGRAMMES,                 "six chiffres, nombre diff\xe9rent de z\xe9ro"},
    {"numa_fC6_2",                  TOUS_PROGRAMMES,                 "un nombre de 1 \xe0 1000"},
    {"numa_fC6_3",                  TOUS_PROGRAMMES,                 "un nombre qui, ajout\xe9 au num\xe9ro C5 lu depuis son 3e caract\xe8re, ne d\xe9passe pas 100000000"},
    {"nvmn_C2",                     TOUS_PROGRAMMES,                 "un num\xe9ro national : 10 chiffres commen\xe7" "ant par un d\xe9partement de la liste, puis 2 blancs ; caract\xe8res 7 \xe0 10 autres que 0000"},
    {"pass_C10",                    TOUS_PROGRAMMES,                 "une heure r\xe9" "elle au format HHMMSS quand l'indicateur C11 vaut 0 ; libre sinon"},
    {"pass_C7",                     TOUS_PROGRAMMES,                 "une date r\xe9" "elle au format JJMMSSAA quand l'indicateur C11 vaut 0 ; libre sinon"},
    {"pico_fC6_1",                  TOUS_PROGRAMMES,                 "six chiffres, nombre diff\xe9rent de z\xe9ro"},
    {"pico_fC6_2",                  TOUS_PROGRAMMES,                 "un nombre de 1 \xe0 10000"},
    {"pico_fC6_3",                  TOUS_PROGRAMMES,                 "un nombre qui, ajout\xe9 au num\xe9ro de s\xe9rie de C5, ne d\xe9passe pas 100000 (10000 pour une commande C9 \"PR\" ou \"PC\")"},
    {"presence_C11",                TOUS_PROGRAMMES,                 "renseign\xe9" "e : l'identit\xe9 du notifiant"},
    {"presence_C2",                 TOUS_PROGRAMMES,                 "renseign\xe9" "e : le num\xe9ro national de l'animal"},
    {"presence_C5",                 TOUS_PROGRAMMES,                 "renseign\xe9" "e : le num\xe9ro de l'exploitation de provenance"},
    {"presence_C8",                 TOUS_PROGRAMMES,                 "huit blancs, ou un num\xe9ro commen\xe7" "ant par une lettre ou un chiffre, fait de lettres, de chiffres et de blancs"},
    {"raco_fC6",                    TOUS_PROGRAMMES,                 "six chiffres"},
    {"sort_fC10_cre",               TOUS_PROGRAMMES,                 "renseign\xe9" "e, sauf si le num\xe9ro C9 est donn\xe9"},
    {"sort_fC10_mod",               TOUS_PROGRAMMES,                 "renseign\xe9" "e, sauf si le num\xe9ro C9 est donn\xe9 ou pour un mouvement (C4) avant le 1er janvier 1999"},
    {"sort_fC5",                    TOUS_PROGRAMMES,                 "toute cause en cr\xe9" "ation (E5 \"CRE\") ; hors cr\xe9" "ation, une cause autre que S ou T"},
    {"sort_fC8_cre",                TOUS_PROGRAMMES,                 "un code pays de la liste des pays ; blanc admis sauf pour une cause C5 S ou T"},
    {"sort_fC8_mod",                TOUS_PROGRAMMES,                 "un code pays de la liste des pays ; blanc admis sauf pour une cause C5 S ou T d'un mouvement (C4) \xe0 partir du 1er janvier 1999"},
    {"sort_fC9_1_cre",              TOUS_PROGRAMMES,                 "blanche si le pays C8 est blanc ; renseign\xe9" "e si C8 l'est, sauf pour une cause C5 S, T ou M"},
    {"sort_fC9_1_mod",              TOUS_PROGRAMMES,                 "blanche si le pays C8 est blanc ; renseign\xe9" "e si C8 l'est, sauf pour une cause C5 S, T ou M ou un mouvement (C4) avant le 1er janvier 1999"},
    {"sort_fC9_2_cre",              TOUS_PROGRAMMES,                 "blanche, ou pour un pays C8 \"FR\", un num\xe9ro d'exploitation : 8 chiffres commen\xe7" "ant par un d\xe9partement de la liste, puis 4 blancs"},
    {"sort_fC9_2_mod",              TOUS_PROGRAMMES,                 "blanche, ou pour un pays C8 \"FR\", un num\xe9ro d'exploitation : 8 chiffres commen\xe7" "ant par un d\xe9partement de la liste, puis 4 blancs"},
    {"vAbat_C2_1",                  TOUS_PROGRAMMES,                 "pour un animal fran\xe7" "ais (C1 \"FR\"), un num\xe9ro national fran\xe7" "ais ou import\xe9 : 10 chiffres commen\xe7" "ant par un d\xe9partement, 2 blancs"},
    {"vAbat_C2_2",                  TOUS_PROGRAMMES,                 "pour un animal d'un \xc9tat membre ou de Suisse (C1), un num\xe9ro \xe9tranger : lettres et chiffres sans blanc int\xe9rieur, ne commen\xe7" "ant pas par le code du pays"},
    {"vErre_C1",                    TOUS_PROGRAMMES,                 "\"ABAT\""},
    {"vErre_C10",                   TOUS_PROGRAMMES,                 "renseign\xe9" "e"},
    {"vErre_C29",                   TOUS_PROGRAMMES,                 "blanche ou \"FR\""},
    {"vErre_C30",                   TOUS_PROGRAMMES,                 "blanche, ou un num\xe9ro d'agr\xe9ment sanitaire fran\xe7" "ais si C1 vaut \"ABAT\", un num\xe9ro d'exploitation fran\xe7" "ais sinon"},
    {"vErre_C31",                   TOUS_PROGRAMMES,                 "deux blancs ou un code pays de la liste des pays"},
    {"vErre_C32_1",                 TOUS_PROGRAMMES,                 "blanche, ou pour un pays C31 \"FR\", un num\xe9ro national fran\xe7" "ais ou import\xe9 : 10 chiffres, puis 2 blancs"},
    {"vErre_C32_2",                 TOUS_PROGRAMMES,                 "blanche, ou pour un pays C31 hors France, Suisse et \xc9tats membres, un num\xe9ro national fran\xe7" "ais ou import\xe9"},
    {"vErre_C32_3",                 TOUS_PROGRAMMES,                 "blanche, ou pour un pays C31 \xc9tat membre (hors \"FR\") ou Suisse, un num\xe9ro \xe9tranger : lettres et chiffres, sans le code du pays en t\xeate"},
    {"vErre_C36_1",                 TOUS_PROGRAMMES,                 "une date r\xe9" "elle au format JJMMSSAA ; blanc admis sauf si C1 vaut \"ABAT\""},
    {"vErre_C37_1",                 TOUS_PROGRAMMES,                 "blanche, ou un code de 6 \xe0 8 caract\xe8res sans blanc int\xe9rieur ; un code IPG doit \xeatre un centre connu"},
    {"vErre_C37_2",                 TOUS_PROGRAMMES,                 "blanche, l'\xe9metteur du fichier (E3 du FICH) ou un centre pour lequel il peut \xe9mettre"},
    {"vErre_C4",                    TOUS_PROGRAMMES,                 "renseign\xe9" "e"},
    {"vErre_C5",                    TOUS_PROGRAMMES,                 "un code pays de la liste des pays ; deux blancs admis sauf si C1 vaut \"ABAT\""},
    {"vErre_C6",                    TOUS_PROGRAMMES,                 "un num\xe9ro \xe9tranger (lettres et chiffres, ne commen\xe7" "ant pas par le pays C5) ; blanc admis sauf si C1 vaut \"ABAT\""},
    {"vErre_C7",                    TOUS_PROGRAMMES,                 "\"FR\""},
    {"vErre_C8",                    TOUS_PROGRAMMES,                 "renseign\xe9" "e"},
    {"vErre_C8_conf",               TOUS_PROGRAMMES,                 "blanche, ou un num\xe9ro d'agr\xe9ment sanitaire fran\xe7" "ais si C1 vaut \"ABAT\", un num\xe9ro d'exploitation fran\xe7" "ais sinon"},
    {"vErre_C9",                    TOUS_PROGRAMMES,                 "quatre lettres ou chiffres"},
};

// The checks of the engine, by error number. The programs of the checks that
// hang on a pack member (the sender list of 135, the pairing of 105 and 138,
// the result code) are tested against the packs themselves.
using C = Controle;
using enum LieuLu;
constexpr unsigned TOUS = TOUS_PROGRAMMES;
const SensControle tControles[] = {
    // check                 error  programs         type    read in      field  rule           list    dispatched
    {C::Presence,            86,    TOUS,            "*",    Rangee,      -1,    "",            "",     true,
     "Ce champ est interdit pour le type de transaction E5 de l'enregistrement (code de pr\xe9sence 2) : le type "
     "d'enregistrement ne s'emploie pas avec cette transaction ; un E5 inconnu donne 86 sur chaque r\xe8gle du corps."},
    {C::Caracteres,          106,   TOUS,            "*",    Ligne,       -1,    "",            "",     false,
     "La ligne ne doit contenir que des caract\xe8res de 0x20 \xe0 0x7E : ni tabulation, ni lettre accentu\xe9" "e, "
     "ni caract\xe8re de contr\xf4le."},
    {C::TropLong,            107,   TOUS,            "*",    Ligne,       -1,    "",            "",     false,
     "La ligne doit compter exactement 256 caract\xe8res ; elle en a plus (seuls les 256 premiers sont lus)."},
    {C::TropCourt,           108,   TOUS,            "*",    Ligne,       -1,    "",            "",     false,
     "La ligne doit compter exactement 256 caract\xe8res ; elle en a moins."},
    {C::CentreEmetteur,      135,   PROG_DELVORAN,   "*",    Entete,      E8,    "fCoherenCCE", "TEDC", false,
     "L'\xe9metteur du fichier (E3 du FICH) doit pouvoir \xe9mettre pour le centre E8 de l'enregistrement."},
    {C::InfoEmetteur,        110,   TOUS,            "INFO", FichEntete,  E3,    "",            "",     false,
     "Une demande d'information (INFO, E5 \"DEM\") doit venir de l'\xe9metteur \"NORM02  \" ou \"PFOC01  \" (E3 du "
     "FICH)."},
    {C::InfoDestinataire,    85,    TOUS,            "INFO", FichEntete,  E4,    "",            "",     false,
     "Une demande d'information (INFO, E5 \"DEM\") doit \xeatre adress\xe9" "e \xe0 \"031BDN  \" (E4 du FICH)."},
    {C::AbatEmetteur,        110,   TOUS,            "ABAT", FichEntete,  E3,    "",            "",     false,
     "Un abattage doit venir de \"NORM01  \" ou d'un \xe9metteur commen\xe7" "ant par OFFICE ou ONICAB (E3 du FICH)."},
    {C::AbatCentre,          129,   TOUS,            "ABAT", Entete,      E8,    "",            "",     false,
     "Un abattage envoy\xe9 par \"NORM01  \" doit porter \"NORMABEV\" en E8."},
    {C::FichRepete,          109,   TOUS,            "FICH", Entete,      E6,    "",            "",     false,
     "Seule la premi\xe8re ligne du fichier peut \xeatre un enregistrement FICH."},
    {C::CodeResultat,        51,    PROG_DELVORAN,   "*",    Corps,       C3,    "",            "",     true,
     "Le code r\xe9sultat re\xe7u en C3 (positions 77-78) ne doit pas valoir \"xx\" (\xe9metteur autre que "
     "\"NORM01  \", \"NORM02  \" et \"PFOC01  \" ; pas v\xe9rifi\xe9 sur ERRE)."},
    {C::CodeResultat,        64,    PROG_DELVORAN,   "*",    Corps,       C3,    "",            "",     true,
     "Le code r\xe9sultat re\xe7u en C3 (positions 77-78) ne doit pas valoir \"xx\" (\xe9metteur \"NORM01  \", "
     "\"NORM02  \" ou \"PFOC01  \" ; pas v\xe9rifi\xe9 sur ERRE)."},
    {C::CodeResultat,        64,    PROG_DELVORANL,  "*",    Corps,       C3,    "",            "",     true,
     "Venant de \"NORM01  \", \"NORM02  \" ou \"PFOC01  \", le code r\xe9sultat re\xe7u en C3 (positions 77-78) "
     "doit valoir \"20\"."},
    {C::CodeResultat,        806,   PROG_DELVORANL,  "*",    Corps,       C3,    "",            "",     true,
     "Venant d'un autre \xe9metteur que \"NORM01  \", \"NORM02  \" et \"PFOC01  \", le code r\xe9sultat re\xe7u en "
     "C3 (positions 77-78) doit \xeatre \"  \" ou \"10\"."},
    {C::CodeResultat,        806,   PROG_DELVORAND,  "*",    Corps,       C3,    "",            "",     true,
     "Le code r\xe9sultat re\xe7u en C3 (positions 77-78) doit \xeatre \"  \" ou \"10\"."},
    {C::CodeResultat,        807,   PROG_DELVORANPF, "*",    Corps,       C3,    "",            "",     true,
     "Le code r\xe9sultat re\xe7u en C3 (positions 77-78) doit valoir \"10\", sauf sur un abattage."},
    {C::FichierPartenaire,   182,   TOUS,            "*",    Entete,      E6,    "",            "",     true,
     "Un fichier de \"000PFO  \" ou \"NORMABEV\" vers \"031BDN  \" ne peut porter que INFO DEM, JALO CRE, ENTR CRE "
     "de cause C5 \"F\", SORT CRE de cause C5 \"S\" ou \"M\" et ABAT."},
    {C::CompteAnnonce,       100,   TOUS,            "FICH", FichCorps,   C3,    "",            "",     false,
     "Le nombre d'enregistrements annonc\xe9 par le FICH (C3) doit \xeatre celui des lignes qui le suivent ; "
     "erreur du fichier, dans l'ERRE du FICH."},
    {C::Appariement,         105,   PROG_DELVORAN,   "EXP1", Corps,       C2,    "",            "",     false,
     "Un EXP1 CRE accept\xe9 doit \xeatre suivi d'un EXP2 CRE de m\xeame C2 ; l'ERRE r\xe9pond \xe0 l'EXP1."},
    {C::Appariement,         138,   PROG_DELVORAN,   "EGET", Corps,       C2,    "",            "",     false,
     "Un EGET CRE accept\xe9 doit \xeatre suivi d'un RATA CRE de m\xeame C2 ; l'ERRE r\xe9pond \xe0 l'EGET."},
};

}  // namespace

const char* sensRegle(std::string_view nom, unsigned programme) {
    auto it = std::lower_bound(std::begin(tSens), std::end(tSens), nom,
                               [](const SensRegle& s, std::string_view n) { return std::string_view(s.nom) < n; });
    for (; it != std::end(tSens) && it->nom == nom; ++it) {
        if ((it->programmes & programme) != 0) return it->sens;
    }
    return nullptr;
}

std::span<const SensRegle> sensRegles() { return tSens; }

const SensControle* sensControle(Controle c, int erreur, unsigned programme) {
    for (const SensControle& s : tControles) {
        if (s.controle == c && s.erreur == erreur && (s.programmes & programme) != 0) return &s;
    }
    return nullptr;
}

std::span<const SensControle> sensControles() { return tControles; }

}  // namespace vse
