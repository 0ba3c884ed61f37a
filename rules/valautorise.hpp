// Allowed-value lists shared by the four programs. Entries are compared whole,
// blanks included; pair and triple lists are read in fixed groups in the order
// given, so the order of entries matters.
#pragma once

#include "model/vse.hpp"

namespace vse {

// No list: the length handed to rules without a list.
inline constexpr int Len0 = 0;

// Short lists.
extern const Liste BDN031, BDN8, BOOL, BOOLFal, C2_MODEL, C2_MODEL_BV, C3_MODEL, C3_MODEL_BV,
    CAT_RECEN, COUE, DEROUL_MARC, DPT17, DPT2, DPT3, DPT4, DPT5, DPT6, DPT7, DPT8, DouzeBlancs,
    ELV_V, ET1, ET12, ET4, FAB_REP, FIL_V, FR, HuitBlancs, HuitBlancsFal, MORTNE, NB, NOUU, P17,
    P18, P5, P6, P7, P8, PROD, PROD_E, PROD_EV, SEX, TCEE, TCEP, TCME, TCMS, TECH, TEMOIN, TOUN,
    TOUQ, TTE, TYP_COM, TYP_IDENT, TYP_NUMERO, UN, UNETCINQ, UTIL_BOUC, ZERO, cinqBlancs,
    quatorzeBlancs, quatreBlancs, soixanteBlancs, trenteBlancs, versionVSE, vingtBlancs;

// Long lists, written out or built by rule.
extern const Liste TD, TDD, TDC, TP, TCPNOCEE, TCPNOECH, TR, TRG, TRSCRE, TRSMOD;

// Pair and triple lists.
extern const Liste IND_M, NEV;

// Lists whose content differs between the main program and the variants
// (the transaction and VSE types of the main program are lists of the ERRE
// layout too).
namespace principal {
extern const Liste TEC, TEDC, tE5, tE6;
}
namespace variante {
extern const Liste TEC, TEDC;
}

}  // namespace vse
